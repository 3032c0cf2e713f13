// List view items, cells and columns on real controls.
#include "list_helpers.h"

#include <string>

namespace {

using namespace lists_test;

using ListViewItems = zub::HostTest;

HWND threeColumnView(zub::Dialog& dialog, DWORD exStyle = 0)
{
    HWND view = dialog.listView({"One", "Two", "Three"}, LVS_REPORT, exStyle);
    zub::addListViewRow(view, {"a1", "a2", "a3"});
    zub::addListViewRow(view, {"b1", "b2", "b3"});
    zub::addListViewRow(view, {"c1", "c2", "c3"});
    return view;
}

int columnWidth(HWND view, int column) { return static_cast<int>(SendMessageA(view, LVM_GETCOLUMNWIDTH, column, 0)); }

std::string columnHeading(HWND view, int column)
{
    char text[64] = {};
    LVCOLUMNA record = {};
    record.mask = LVCF_TEXT;
    record.pszText = text;
    record.cchTextMax = sizeof text;
    SendMessageA(view, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&record));
    return text;
}

TEST_F(ListViewItems, CountsItemsAndSelectedItems)
{
    HWND view = letterListView(dialog, 4, {1, 2});
    EXPECT_EQ(4, host.call("lvGetItemCount", view).integer);
    EXPECT_EQ(2, host.call("lvGetItemCountSel", view).integer);
}

TEST_F(ListViewItems, ItemStateByPositionAndZeroForEveryItem)
{
    HWND view = letterListView(dialog, 3, {});
    EXPECT_EQ(1, host.call("lvSetItemState", view, 2, LVIS_SELECTED, LVIS_SELECTED).integer);
    EXPECT_EQ(LVIS_SELECTED, host.call("lvGetItemState", view, 2, LVIS_SELECTED | LVIS_FOCUSED).integer);
    EXPECT_EQ(0, host.call("lvGetItemState", view, 1, LVIS_SELECTED).integer);

    host.call("lvSetItemState", view, 0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(3, SendMessageA(view, LVM_GETSELECTEDCOUNT, 0, 0));
    host.call("lvSetItemState", view, 0, LVIS_SELECTED, 0);
    EXPECT_EQ(0, SendMessageA(view, LVM_GETSELECTEDCOUNT, 0, 0));
}

TEST_F(ListViewItems, CheckBoxesReadAndSetByPosition)
{
    HWND view = letterListView(dialog, 0, {});
    SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    for (int i = 0; i < 3; ++i) zub::addListViewRow(view, {letter(i).c_str()});

    EXPECT_EQ(0, host.call("lvGetItemCheck", view, 2).integer);
    EXPECT_EQ(1, host.call("lvSetItemCheck", view, 2, 1).integer);
    EXPECT_EQ(1, host.call("lvGetItemCheck", view, 2).integer);
    EXPECT_EQ(TRUE, ListView_GetCheckState(view, 1));
    EXPECT_EQ(FALSE, ListView_GetCheckState(view, 0));

    host.call("lvSetItemCheck", view, 0, 1); // every item
    EXPECT_EQ(1, host.call("lvGetItemCheck", view, 1).integer);
    EXPECT_EQ(1, host.call("lvGetItemCheck", view, 3).integer);
    host.call("lvSetItemCheck", view, 2, 0);
    EXPECT_EQ(0, host.call("lvGetItemCheck", view, 2).integer);
}

TEST_F(ListViewItems, CheckOnAViewWithoutCheckBoxes)
{
    HWND view = letterListView(dialog, 2, {});
    EXPECT_EQ(-1, host.call("lvGetItemCheck", view, 1).integer);
    // The state image is stored even without check boxes, and reads back as set.
    EXPECT_EQ(1, host.call("lvSetItemCheck", view, 1, 1).integer);
    EXPECT_EQ(1, host.call("lvGetItemCheck", view, 1).integer);
    EXPECT_EQ(-1, host.call("lvGetItemCheck", view, 2).integer);
}

TEST_F(ListViewItems, GetItemTextReadsARowOrACell)
{
    HWND view = threeColumnView(dialog);
    const struct {
        int item;
        int column;
        const char* text;
    } cases[] = {
        {2, 0, "b1\tb2\tb3"},
        {2, 2, "b2"},
        {3, 3, "c3"},
        {4, 0, "\t\t"}, // no such item
        {9, 1, ""},
        {1, 4, ""},     // no such column
        {1, -1, ""},    // sub-item -2; only 0 names the row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.item) + "," + std::to_string(c.column));
        zub::Result result = host.call("lvGetItemText", view, c.item, c.column);
        EXPECT_EQ(2, result.type);
        EXPECT_EQ(c.text, result.text);
    }
}

TEST_F(ListViewItems, GetItemTextCutsALongCellAt1023Characters)
{
    HWND view = dialog.listView({"One", "Two"});
    const std::string longText(2000, 'x');
    zub::addListViewRow(view, {longText.c_str(), "y"});
    EXPECT_EQ(std::string(1023, 'x'), host.call("lvGetItemText", view, 1, 1).text);
    EXPECT_EQ(std::string(1023, 'x') + "\ty", host.call("lvGetItemText", view, 1, 0).text);
    const std::string exact(1023, 'z');
    zub::addListViewRow(view, {exact.c_str()});
    EXPECT_EQ(exact, host.call("lvGetItemText", view, 2, 1).text);
}

TEST_F(ListViewItems, SetItemTextWritesACellAndReturnsZero)
{
    HWND view = threeColumnView(dialog);
    EXPECT_EQ(0, host.call("lvSetItemText", view, 2, 3, "new").integer);
    EXPECT_EQ("new", cellText(view, 1, 2));
    EXPECT_EQ("b2", cellText(view, 1, 1));
}

TEST_F(ListViewItems, InsertItemReturnsTheZeroBasedIndexWithoutAnImage)
{
    HWND view = dialog.listView({"One"});
    EXPECT_EQ(0, host.call("lvInsertItem", view, 1, "first").integer);
    for (const char* text : {"b", "c", "d", "e"}) zub::addListViewRow(view, {text});
    EXPECT_EQ(5, host.call("lvInsertItem", view, 100, "appended").integer);
    EXPECT_EQ(2, host.call("lvInsertItem", view, 3, "third").integer);
    EXPECT_EQ("third", cellText(view, 2, 0));
    EXPECT_EQ("appended", cellText(view, 6, 0));

    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 0;
    item.iImage = 12345;
    SendMessageA(view, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(I_IMAGENONE, item.iImage);
}

TEST_F(ListViewItems, InsertColumnSizesTheColumnAtTheRequestedIndex)
{
    HWND view = dialog.listView({"One", "Two"});
    // What an unsized column gets from this control.
    LVCOLUMNA plain = {};
    plain.mask = LVCF_TEXT;
    plain.pszText = const_cast<char*>("Plain");
    SendMessageA(view, LVM_INSERTCOLUMNA, 2, reinterpret_cast<LPARAM>(&plain));
    const int unsized = columnWidth(view, 2);
    SendMessageA(view, LVM_DELETECOLUMN, 2, 0);

    EXPECT_EQ(0, host.call("lvInsertColumn", view, 1, "A rather long heading").integer);
    EXPECT_EQ("A rather long heading", columnHeading(view, 0));
    EXPECT_NE(unsized, columnWidth(view, 0));
    EXPECT_EQ("One", columnHeading(view, 1));

    // Appended at index 3 while index 8 is sized: the new column keeps its width.
    EXPECT_EQ(3, host.call("lvInsertColumn", view, 9, "Last").integer);
    EXPECT_EQ("Last", columnHeading(view, 3));
    EXPECT_EQ(unsized, columnWidth(view, 3));
}

TEST_F(ListViewItems, SetColumnWidthPassesTheWidth)
{
    HWND view = threeColumnView(dialog);
    EXPECT_EQ(1, host.call("lvSetColumnWidth", view, 2, 123).integer);
    EXPECT_EQ(123, columnWidth(view, 1));
    EXPECT_EQ(80, columnWidth(view, 0));
}

TEST_F(ListViewItems, SetColumnFillWritesEveryRow)
{
    HWND view = threeColumnView(dialog);
    EXPECT_EQ(1, host.call("lvSetColumnFill", view, 2, "same").integer);
    for (int i = 0; i < 3; ++i) EXPECT_EQ("same", cellText(view, i, 1));
    EXPECT_EQ("a3", cellText(view, 0, 2));
}

TEST_F(ListViewItems, SetColumnFillSeqCountsByTheStep)
{
    HWND view = dialog.listView({"One", "Two"});
    for (const char* text : {"a", "b", "c", "d"}) zub::addListViewRow(view, {text});
    EXPECT_EQ(1, host.call("lvSetColumnFillSeq", view, 2, 10, -3).integer);
    EXPECT_EQ("10", cellText(view, 0, 1));
    EXPECT_EQ("7", cellText(view, 1, 1));
    EXPECT_EQ("4", cellText(view, 2, 1));
    EXPECT_EQ("1", cellText(view, 3, 1));

    host.call("lvSetColumnFillSeq", view, 1, 2147483646, 1); // wraps like 32-bit arithmetic
    EXPECT_EQ("2147483647", cellText(view, 1, 0));
    EXPECT_EQ("-2147483648", cellText(view, 2, 0));

    HWND empty = dialog.listView({"One"});
    EXPECT_EQ(1, host.call("lvSetColumnFillSeq", empty, 1, 10, -3).integer);
    EXPECT_EQ(0, SendMessageA(empty, LVM_GETITEMCOUNT, 0, 0));
}

TEST_F(ListViewItems, ScrollToBringsTheItemToTheRowAsked)
{
    HWND view = dialog.listView({"One"});
    for (int i = 0; i < 60; ++i) zub::addListViewRow(view, {std::to_string(i + 1).c_str()});
    const int rows = static_cast<int>(SendMessageA(view, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(rows, 3);
    ASSERT_LT(rows, 30);

    EXPECT_EQ(1, host.call("lvScrollTo", view, 30, 0).integer);
    EXPECT_EQ(29, SendMessageA(view, LVM_GETTOPINDEX, 0, 0));
    host.call("lvScrollTo", view, 20, 2); // third visible row
    EXPECT_EQ(17, SendMessageA(view, LVM_GETTOPINDEX, 0, 0));
    host.call("lvScrollTo", view, 35, 0); // scrolling down again
    EXPECT_EQ(34, SendMessageA(view, LVM_GETTOPINDEX, 0, 0));
    host.call("lvScrollTo", view, 2, 5); // above the first item: the top
    EXPECT_EQ(0, SendMessageA(view, LVM_GETTOPINDEX, 0, 0));
}

} // namespace
