// Tab control commands on a real tab control in the dialog.
#include "fixture.h"
#include "misc_controls_support.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using misc::deadWindow;

class Tabs : public zub::HostTest {
protected:
    HWND createTab(int extra = 0)
    {
        return misc::toWindow(host.call("taCreateTab", dialog.hwnd(), 10, 10, 400, 300, extra).integer);
    }

    static std::string tabText(HWND tab, int index)
    {
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        item.iImage = 99;
        if (!SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return "<none>";
        EXPECT_EQ(-1, item.iImage) << index;
        return text;
    }
};

TEST_F(Tabs, AddTabInsertsAtThePositionAndReturnsTheIndexAskedFor)
{
    HWND tab = createTab();
    EXPECT_EQ(0, host.call("taAddTab", tab, 1, "First").integer);
    EXPECT_EQ(1, host.call("taAddTab", tab, 2, "Third").integer);
    EXPECT_EQ(1, host.call("taAddTab", tab, 2, "Second").integer);
    // Past the end: the control appends; the result is still position - 1.
    EXPECT_EQ(8, host.call("taAddTab", tab, 9, "Last").integer);
    ASSERT_EQ(4, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("First", tabText(tab, 0));
    EXPECT_EQ("Second", tabText(tab, 1));
    EXPECT_EQ("Third", tabText(tab, 2));
    EXPECT_EQ("Last", tabText(tab, 3));
    // Position 0 is index -1, which the control refuses.
    EXPECT_EQ(-1, host.call("taAddTab", tab, 0, "Nowhere").integer);
    EXPECT_EQ(4, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
}

TEST_F(Tabs, DeleteTabRemovesThePositionAndReportsSuccess)
{
    HWND tab = createTab();
    for (const char* text : {"a", "b", "c"}) host.call("taAddTab", tab, 99, text);
    EXPECT_NE(0, host.call("taDeleteTab", tab, 2).integer);
    ASSERT_EQ(2, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ("a", tabText(tab, 0));
    EXPECT_EQ("c", tabText(tab, 1));
    EXPECT_EQ(0, host.call("taDeleteTab", tab, 5).integer);
    EXPECT_EQ(0, host.call("taDeleteTab", tab, 0).integer);
    EXPECT_EQ(2, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
}

TEST_F(Tabs, GetAndSetTabSelCountAsTheirTableSays)
{
    HWND tab = createTab();
    EXPECT_EQ(0, host.call("taGetTabSel", tab).integer); // no tabs, nothing selected
    for (const char* text : {"a", "b", "c"}) host.call("taAddTab", tab, 99, text);
    // Wine and Windows select the first tab inserted.
    EXPECT_EQ(1, host.call("taGetTabSel", tab).integer);
    EXPECT_EQ(0, host.call("taSetTabSel", tab, 2).integer); // previous, counted from 0
    EXPECT_EQ(1, SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    EXPECT_EQ(2, host.call("taGetTabSel", tab).integer);
    EXPECT_EQ(1, host.call("taSetTabSel", tab, 3).integer);
    EXPECT_EQ(3, host.call("taGetTabSel", tab).integer);
    SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(0, host.call("taGetTabSel", tab).integer);
    EXPECT_EQ(-1, host.call("taSetTabSel", tab, 1).integer); // none was selected
    EXPECT_EQ(1, host.call("taGetTabSel", tab).integer);
    host.call("taSetTabSel", tab, 3);
    EXPECT_EQ(2, host.call("taSetTabSel", tab, 0).integer); // clears, answers the previous
    EXPECT_EQ(0, host.call("taGetTabSel", tab).integer);
}

TEST_F(Tabs, SetTabStyleChangesNothingOnATabControl)
{
    HWND tab = createTab();
    host.call("taAddTab", tab, 1, "a");
    const LONG style = GetWindowLongA(tab, GWL_STYLE);
    const zub::Result r = host.call("taSetTabStyle", tab, 3);
    EXPECT_EQ(1, r.completions);
    EXPECT_EQ(0, r.integer); // a tab control does not answer this message number
    EXPECT_EQ(style, GetWindowLongA(tab, GWL_STYLE));
    EXPECT_EQ(1, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
}

TEST_F(Tabs, SetBkColorReturnsTheColourCutToBytes)
{
    HWND tab = createTab();
    struct { int red, green, blue; LONG expected; } cases[] = {
        {255, 0, 0, 0x0000FF}, {256, 0, 0, 0}, {0, 255, 0, 0x00FF00}, {1, 2, 3, 0x030201},
        {-1, 0, 0, 0x0000FF}, {0, 0, 511, 0xFF0000},
    };
    for (const auto& c : cases) {
        InvalidateRect(tab, nullptr, FALSE);
        const zub::Result r = host.call("taSetBkColor", tab, c.red, c.green, c.blue);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(c.expected, r.integer) << c.red << "," << c.green << "," << c.blue;
    }
}

TEST_F(Tabs, SetBkColorPaintsWhatWaitsAndLeavesNothingToRepaint)
{
    HWND tab = createTab();
    zub::Dialog::pump();
    InvalidateRect(tab, nullptr, FALSE);
    ASSERT_TRUE(GetUpdateRect(tab, nullptr, FALSE));
    host.call("taSetBkColor", tab, 255, 0, 0);
    EXPECT_FALSE(GetUpdateRect(tab, nullptr, FALSE));
}

// How many more GDI objects this process can make now: brushes are made until the
// system refuses one, then all are deleted again.
int freeGdiHandles()
{
    std::vector<HBRUSH> brushes;
    for (;;) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (brush == nullptr || brushes.size() >= 200000) {
            if (brush != nullptr) DeleteObject(brush);
            break;
        }
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return static_cast<int>(brushes.size());
}

TEST_F(Tabs, SetBkColorDeletesItsDrawingObjects)
{
    HWND tab = createTab();
    // One call first, so whatever the first painting sets up once is in place.
    host.call("taSetBkColor", tab, 0, 255, 0);
    const int before = freeGdiHandles();
    ASSERT_GT(before, 1000);
    const int calls = 200;
    for (int i = 0; i < calls; ++i) {
        InvalidateRect(tab, nullptr, FALSE);
        ASSERT_EQ(0x00FF00, host.call("taSetBkColor", tab, 0, 255, 0).integer) << i;
    }
    // Three objects a call would be gone if they stayed; allow a little for the system.
    EXPECT_LT(before - freeGdiHandles(), calls);
}

TEST_F(Tabs, SetBkColorOnAHandleThatIsNoWindowReturnsTheFailureValue)
{
    EXPECT_EQ(static_cast<LONG>(CLR_INVALID), host.call("taSetBkColor", deadWindow(), 255, 0, 0).integer);
}

} // namespace
