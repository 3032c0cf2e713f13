// State kept on a window: found while the window lives, freed with it, and a window
// made afterwards, whatever its handle, starts with none.
#include "win/window_state.h"

#include <gtest/gtest.h>

namespace {

struct Tracked {
    static inline int s_nLive = 0;
    static inline int s_nNotifies = 0;
    int nValue = 0;
    Tracked() { ++s_nLive; }
    ~Tracked() { --s_nLive; }
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;

    bool Message(HWND, UINT uMsg, WPARAM, LPARAM, LRESULT* pReply)
    {
        if (uMsg != WM_APP) return false;
        ++s_nNotifies;
        *pReply = nValue;
        return true;
    }
};
using States = win::WindowState<Tracked, 7>;

HWND NewWindow() { return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr); }

TEST(WindowState, LivesAndGoesWithItsWindow)
{
    const HWND first = NewWindow();
    EXPECT_EQ(nullptr, States::Find(first));
    Tracked* state = States::Attach(first);
    ASSERT_NE(nullptr, state);
    EXPECT_EQ(state, States::Attach(first)); // one state per window
    EXPECT_EQ(state, States::Find(first));
    state->nValue = 42;
    EXPECT_EQ(42, SendMessageA(first, WM_APP, 0, 0)); // it sees the window's messages
    EXPECT_EQ(1, Tracked::s_nLive);
    EXPECT_EQ(1, States::Count());

    DestroyWindow(first);
    EXPECT_EQ(0, Tracked::s_nLive);
    EXPECT_EQ(0, States::Count());
    const HWND second = NewWindow();
    EXPECT_EQ(nullptr, States::Find(second));
    DestroyWindow(second);
}

TEST(WindowState, NoWindowKeepsNoState)
{
    const HWND gone = NewWindow();
    DestroyWindow(gone);
    EXPECT_EQ(nullptr, States::Attach(gone));
    EXPECT_EQ(nullptr, States::Attach(nullptr));
    EXPECT_EQ(0, Tracked::s_nLive);
}

} // namespace
