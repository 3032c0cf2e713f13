// Nothing a command throws reaches the host: the exports are linked into this program,
// whose every allocation can be made to fail once.
#include "host/korvanet.h"

#include "files.h"
#include "fixture.h"
#include "icons.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
// Allocations to let through before one fails; -1: none fails.
int g_nAllocationsBeforeFailure = -1;
} // namespace

void* operator new(std::size_t nSize)
{
    if (g_nAllocationsBeforeFailure == 0) {
        g_nAllocationsBeforeFailure = -1;
        throw std::bad_alloc();
    }
    if (g_nAllocationsBeforeFailure > 0) --g_nAllocationsBeforeFailure;
    if (void* p = std::malloc(nSize != 0 ? nSize : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

extern "C" int __stdcall ZUBExtender2(HWND, HINSTANCE, LONG, LONG, ExtCompleteProc, LONG, LONG, ExtValue*, LONG,
                                      ExtValue*) noexcept;

namespace {

struct Completions {
    static inline int s_nCalls = 0;
    static LONG CALLBACK complete(LONG, LONG, LONG, ExtValue*)
    {
        ++s_nCalls;
        return 77;
    }
};

LONG IndexOf(const char* pszName)
{
    for (LONG i = 0; i < CKorvanet::kEntryCount; ++i) {
        if (std::strcmp(CKorvanet::m_ExtTable[i].m_szName, pszName) == 0) return i;
    }
    return -1;
}

// Calls the command with the argument cells; the result cell's integer.
LONG Call(HWND owner, const char* pszCommand, std::vector<ExtValue>& args)
{
    ExtValue result{};
    ZUBExtender2(owner, nullptr, 1, IndexOf(pszCommand), Completions::complete, 2, 0, args.data(),
                 static_cast<LONG>(args.size()), &result);
    return result.nValue;
}

TEST(Exceptions, AnIconTheBarShowsOutlivesAFailedAllocation)
{
    zub::Dialog dialog;
    zub::NoteCatcher notes;
    zub::TempFolder folder;
    std::string path = folder.write("small.ico", zub::smallIconFile());
    // Each allocation of the command fails in turn, up to one more than it makes.
    for (int nAllowed = 0; nAllowed < 12; ++nAllowed) {
        const HWND bar = dialog.child(STATUSCLASSNAMEA, "", 0, 0, 0, 100, 20);
        std::vector<ExtValue> args(3);
        args[0].nValue = static_cast<LONG>(reinterpret_cast<INT_PTR>(bar));
        args[1].nValue = 1;
        args[2].pszValue = path.data();
        g_nAllocationsBeforeFailure = nAllowed;
        Call(dialog.hwnd(), "sbSetIcon", args);
        g_nAllocationsBeforeFailure = -1;
        const auto shown = reinterpret_cast<HICON>(SendMessageA(bar, SB_GETICON, 0, 0));
        EXPECT_TRUE(shown == nullptr || zub::isIcon(shown)) << nAllowed << " allocations let through";
        DestroyWindow(bar);
    }
}

TEST(Exceptions, AFailedAllocationEndsTheCommandWithANoteAndAnOrdinaryResult)
{
    zub::Dialog dialog;
    zub::NoteCatcher notes;
    const HWND view = dialog.listView({"a"});
    zub::addListViewRow(view, {"x"});

    char colour[] = "255|0|0";
    ExtValue args[5] = {};
    args[0].nValue = static_cast<LONG>(reinterpret_cast<INT_PTR>(view));
    args[3].nValue = 0;
    args[4].pszValue = colour;
    const auto call = [&](ExtValue& result) {
        return ZUBExtender2(dialog.hwnd(), nullptr, 1, IndexOf("lvSetItemTextColor"), Completions::complete, 2, 0,
                            args, 5, &result);
    };

    ExtValue failed{};
    failed.nValue = 99;
    Completions::s_nCalls = 0;
    g_nAllocationsBeforeFailure = 0;
    EXPECT_EQ(77, call(failed));
    g_nAllocationsBeforeFailure = -1;
    EXPECT_EQ(1, Completions::s_nCalls);
    EXPECT_EQ(EXT_VALUE_INT, failed.nType);
    EXPECT_EQ(0, failed.nValue);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ(dialog.hwnd(), notes[0].owner);
    EXPECT_EQ("Error", notes[0].caption);
    EXPECT_EQ(0u, notes[0].text.find("lvSetItemTextColor could not complete")) << notes[0].text;

    // The host goes on, and so does the command.
    ExtValue done{};
    call(done);
    EXPECT_EQ(1, done.nValue);
    EXPECT_EQ(1u, notes.size());
}

} // namespace
