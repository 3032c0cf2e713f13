// List box and combo box commands on real controls.
#include "list_helpers.h"
#include "platform.h"

namespace {

using namespace lists_test;

using ListBox = zub::HostTest;
using ComboBox = zub::HostTest;

TEST_F(ListBox, CountsEntriesAndSelections)
{
    HWND multi = letterListBox(dialog, 4, {0, 2});
    HWND single = letterListBox(dialog, 3, {}, 0);
    EXPECT_EQ(4, host.call("lbGetItemCount", multi).integer);
    EXPECT_EQ(2, host.call("lbGetItemCountSel", multi).integer);
    EXPECT_EQ(-1, host.call("lbGetItemCountSel", single).integer);
    EXPECT_EQ(SendMessageA(multi, LB_GETITEMHEIGHT, 0, 0), host.call("lbGetItemHeight", multi).integer);
}

TEST_F(ListBox, GetItemSelListsTheSelectedPositionsOfAMultipleSelectionBox)
{
    HWND box = letterListBox(dialog, 5, {0, 3}, LBS_MULTIPLESEL);
    zub::Result result = host.call("lbGetItemSel", box);
    EXPECT_EQ(2, result.type);
    EXPECT_EQ("1\t4", result.text);
    SendMessageA(box, LB_SETSEL, FALSE, -1);
    EXPECT_EQ("0", host.call("lbGetItemSel", box).text);
}

TEST_F(ListBox, GetItemSelGivesTheCurrentPositionOfASingleSelectionBox)
{
    HWND box = letterListBox(dialog, 5, {}, 0);
    EXPECT_EQ("0", host.call("lbGetItemSel", box).text);
    SendMessageA(box, LB_SETCURSEL, 2, 0);
    EXPECT_EQ("3", host.call("lbGetItemSel", box).text);
}

TEST_F(ListBox, ItemStateReadsAndSetsSelectionByPosition)
{
    HWND box = letterListBox(dialog, 4, {1});
    EXPECT_GT(host.call("lbGetItemState", box, 2).integer, 0);
    EXPECT_EQ(0, host.call("lbGetItemState", box, 1).integer);
    EXPECT_EQ(-1, host.call("lbGetItemState", box, 0).integer); // index -1
    EXPECT_EQ(-1, host.call("lbGetItemState", box, 9).integer);

    EXPECT_NE(-1, host.call("lbSetItemState", box, 3, 1).integer);
    EXPECT_GT(SendMessageA(box, LB_GETSEL, 2, 0), 0);
    host.call("lbSetItemState", box, 0, 1); // every entry
    EXPECT_EQ(4, SendMessageA(box, LB_GETSELCOUNT, 0, 0));
    host.call("lbSetItemState", box, 0, 0);
    EXPECT_EQ(0, SendMessageA(box, LB_GETSELCOUNT, 0, 0));
    EXPECT_EQ(-1, host.call("lbSetItemState", box, 9, 1).integer);
}

TEST_F(ListBox, SetHScrollSizeSetsTheHorizontalExtent)
{
    HWND box = letterListBox(dialog, 2, {}, WS_HSCROLL);
    host.call("lbSetHScrollSize", box, 640);
    EXPECT_EQ(640, SendMessageA(box, LB_GETHORIZONTALEXTENT, 0, 0));
}

TEST_F(ListBox, SetItemHeightClampsToOneThrough255)
{
    const struct {
        int requested;
        int stored;
    } cases[] = {{300, 255}, {256, 255}, {255, 255}, {20, 20}, {1, 1}, {0, 1}, {-5, 1}};
    HWND box = letterListBox(dialog, 2, {});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested);
        EXPECT_EQ(1, host.call("lbSetItemHeight", box, c.requested).integer);
        EXPECT_EQ(c.stored, SendMessageA(box, LB_GETITEMHEIGHT, 0, 0));
    }
}

TEST_F(ComboBox, CurrentChoiceCountsFromOneAndZeroMeansNone)
{
    HWND combo = dialog.comboBox(CBS_DROPDOWNLIST, {"a", "b", "c"});
    EXPECT_EQ(0, host.call("cbGetCurSel", combo).integer);
    EXPECT_EQ(2, host.call("cbSetCurSel", combo, 2).integer);
    EXPECT_EQ(2, host.call("cbGetCurSel", combo).integer);
    EXPECT_EQ(1, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(0, host.call("cbSetCurSel", combo, 4).integer); // past the last entry
    // Windows clears the choice; Wine keeps it.
    EXPECT_EQ(zub::RunsUnderWine() ? 2 : 0, host.call("cbGetCurSel", combo).integer);
    EXPECT_EQ(2, host.call("cbSetCurSel", combo, 2).integer);
    EXPECT_EQ(0, host.call("cbSetCurSel", combo, 0).integer); // clears the choice
    EXPECT_EQ(0, host.call("cbGetCurSel", combo).integer);
}

RECT placeInParent(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(ComboBox, SetDropHeightSetsTheDroppedHeightInPlaceAndWithoutNotes)
{
    HWND combo = dialog.comboBox(CBS_DROPDOWNLIST, {"a", "b", "c", "d", "e", "f", "g", "h"}, 150, 70, 180, 30);
    const RECT before = placeInParent(combo);
    RECT client = {};
    GetClientRect(combo, &client);
    const int itemHeight = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));

    for (int rows : {5, 2, 7, 0}) {
        SCOPED_TRACE(rows);
        EXPECT_NE(0, host.call("cbSetDropHeight", combo, rows).integer);
        EXPECT_TRUE(notes.empty());
        const RECT after = placeInParent(combo);
        EXPECT_EQ(before.left, after.left);
        EXPECT_EQ(before.top, after.top);
        EXPECT_EQ(before.right, after.right);
        EXPECT_EQ(before.bottom, after.bottom); // the closed box keeps its height
        // Under visual styles the list shows this many rows; 0 is refused and 7 stays.
        EXPECT_EQ(rows == 0 ? 7 : rows, SendMessageA(combo, CB_GETMINVISIBLE, 0, 0));
        if (rows == 0) continue; // no taller than the closed box: Wine keeps the last drop height
        // The height given is the box with its list dropped down. Windows reports it as
        // is; Wine reports the list part alone, less the closed box's height.
        RECT dropped = {};
        SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        const int height = client.bottom + rows * itemHeight;
        const int closed = zub::RunsUnderWine() ? before.bottom - before.top : 0;
        EXPECT_EQ(height - closed, dropped.bottom - dropped.top);
    }
}

} // namespace
