// List view appearance on real controls: colours, background picture, images, and
// item text colours answered through custom draw.
#include "list_helpers.h"
#include "messages.h"

#include <ole2.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

namespace {

using namespace lists_test;

using ListViewLook = zub::HostTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kOfferedText = RGB(1, 2, 3);
constexpr COLORREF kOfferedBack = RGB(4, 5, 6);

HIMAGELIST imageListOf(int images)
{
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR16, images, 4);
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, 16 * images, 16);
    ReleaseDC(nullptr, screen);
    ImageList_Add(list, strip, nullptr);
    DeleteObject(strip);
    return list;
}

int imageOf(HWND view, int item, int subItem)
{
    LVITEMA record = {};
    record.mask = LVIF_IMAGE;
    record.iItem = item;
    record.iSubItem = subItem;
    record.iImage = 12345;
    SendMessageA(view, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&record));
    return record.iImage;
}

HWND gridView(zub::Dialog& dialog, DWORD style = LVS_REPORT)
{
    HWND view = dialog.listView({"One", "Two", "Three"}, style);
    for (const char* row : {"a", "b", "c"}) {
        const std::string r(row);
        zub::addListViewRow(view, {(r + "1").c_str(), (r + "2").c_str(), (r + "3").c_str()});
    }
    return view;
}

// Sends the parent the custom-draw notification the list view sends when it paints,
// with the colours the control would offer; returns the parent's answer.
LRESULT customDraw(HWND view, DWORD stage, int item, int subItem, NMLVCUSTOMDRAW& draw)
{
    draw = {};
    draw.nmcd.hdr.hwndFrom = view;
    draw.nmcd.hdr.idFrom = GetDlgCtrlID(view);
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.dwItemSpec = item;
    draw.iSubItem = subItem;
    draw.clrText = kOfferedText;
    draw.clrTextBk = kOfferedBack;
    return SendMessageA(GetParent(view), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
}

// The colours a cell is painted with: the item stage first, then the cell stage.
std::pair<COLORREF, COLORREF> cellColors(HWND view, int item, int subItem)
{
    NMLVCUSTOMDRAW draw;
    customDraw(view, CDDS_ITEMPREPAINT, item, 0, draw);
    customDraw(view, CDDS_ITEMPREPAINT | CDDS_SUBITEM, item, subItem, draw);
    return {draw.clrText, draw.clrTextBk};
}

TEST_F(ListViewLook, SetBkColorSetsTheColourBehindItemTextAndShowsItNow)
{
    HWND view = gridView(dialog);
    UpdateWindow(view);
    ASSERT_FALSE(GetUpdateRect(view, nullptr, FALSE));
    EXPECT_EQ(1, host.call("lvSetBkColor", view, "255|128|0").integer);
    EXPECT_EQ(RGB(255, 128, 0), static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0)));
    EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE)); // the list view alone would wait
}

TEST_F(ListViewLook, SetBkImageClearsTheTextBackgroundAndLeavesOleInitialised)
{
    HWND view = gridView(dialog);
    EXPECT_EQ(0, host.call("lvSetBkImage", view, 10, 20, "C:\\no\\such\\picture.bmp", 0).integer);
    EXPECT_EQ(CLR_NONE, static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0)));
    // The list view may load and paint the picture later: OLE is still initialised.
    EXPECT_EQ(S_FALSE, OleInitialize(nullptr));
    OleUninitialize();

    // Inside the script's own OLE session the call leaves that session standing too.
    EXPECT_EQ(0, host.call("lvSetBkImage", view, 0, 0, "", LVBKIF_STYLE_TILE).integer);
    EXPECT_EQ(S_FALSE, OleInitialize(nullptr));
    OleUninitialize();
}

TEST_F(ListViewLook, SetImageListReturnsTheImageCountAndAllowsSubItemImages)
{
    HWND view = gridView(dialog);
    HIMAGELIST list = imageListOf(4);
    EXPECT_EQ(4, host.call("lvSetImageList", view, list).integer);
    EXPECT_EQ(4, host.call("lvSetImageList", view, list).integer);
    EXPECT_EQ(list, reinterpret_cast<HIMAGELIST>(SendMessageA(view, LVM_GETIMAGELIST, LVSIL_SMALL, 0)));
    EXPECT_TRUE(SendMessageA(view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_SUBITEMIMAGES);
    SendMessageA(view, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    ImageList_Destroy(list);
}

TEST_F(ListViewLook, SetItemImageSetsTheImageOfACell)
{
    HWND view = gridView(dialog);
    EXPECT_EQ(1, host.call("lvSetItemImage", view, 2, 3, 2).integer);
    EXPECT_EQ(1, imageOf(view, 1, 2));
    EXPECT_TRUE(SendMessageA(view, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_SUBITEMIMAGES);
    host.call("lvSetItemImage", view, 1, 1, 0); // image position 0 is index -1
    EXPECT_EQ(-1, imageOf(view, 0, 0));
    EXPECT_EQ(0, host.call("lvSetItemImage", view, 9, 1, 1).integer);
}

TEST_F(ListViewLook, SetColumnImageSetsTheHeadingImageAndIgnoresArgumentFour)
{
    HWND view = gridView(dialog);
    for (int ignored : {0, 77}) {
        EXPECT_EQ(1, host.call("lvSetColumnImage", view, 2, 3 + ignored, ignored).integer);
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_IMAGE;
        SendMessageA(view, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
        EXPECT_EQ(2 + ignored, column.iImage);
        EXPECT_TRUE(column.fmt & LVCFMT_IMAGE);
    }
}

TEST_F(ListViewLook, ClearImagesTakesTheFirstColumnsImagesOnly)
{
    HWND view = gridView(dialog);
    host.call("lvSetItemImage", view, 1, 1, 1);
    host.call("lvSetItemImage", view, 3, 1, 2);
    host.call("lvSetItemImage", view, 3, 2, 3);
    EXPECT_EQ(1, host.call("lvClearImages", view).integer);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(-99, imageOf(view, i, 0));
    EXPECT_EQ(2, imageOf(view, 2, 1));

    HWND empty = dialog.listView({"One"});
    EXPECT_EQ(1, host.call("lvClearImages", empty).integer);
}

TEST_F(ListViewLook, ItemTextColorColoursTheNamedCellOnly)
{
    HWND view = gridView(dialog);
    EXPECT_EQ(1, host.call("lvSetItemTextColor", view, 2, 3, 0, "255|0|0").integer);
    EXPECT_TRUE(notes.empty());

    NMLVCUSTOMDRAW draw;
    EXPECT_EQ(CDRF_NOTIFYITEMDRAW, customDraw(view, CDDS_PREPAINT, 0, 0, draw));
    EXPECT_TRUE(customDraw(view, CDDS_ITEMPREPAINT, 1, 0, draw) & CDRF_NOTIFYSUBITEMDRAW);
    EXPECT_EQ(std::make_pair(kRed, kOfferedBack), cellColors(view, 1, 2));
    EXPECT_EQ(std::make_pair(kOfferedText, kOfferedBack), cellColors(view, 1, 1));
    EXPECT_EQ(std::make_pair(kOfferedText, kOfferedBack), cellColors(view, 0, 2));
    EXPECT_EQ(std::make_pair(kOfferedText, kOfferedBack), cellColors(view, 2, 2));
}

TEST_F(ListViewLook, ItemTextColorZeroMeansEveryItemOrColumnAndTheLatestWins)
{
    HWND view = gridView(dialog);
    host.call("lvSetItemTextColor", view, 0, 0, 1, "0|0|255"); // every cell's background
    host.call("lvSetItemTextColor", view, 2, 0, 1, "0|255|0"); // the second row's
    host.call("lvSetItemTextColor", view, 0, 1, 0, "255|0|0"); // the first column's text
    EXPECT_EQ(std::make_pair(kRed, kBlue), cellColors(view, 0, 0));
    EXPECT_EQ(std::make_pair(kOfferedText, kBlue), cellColors(view, 2, 2));
    EXPECT_EQ(std::make_pair(kRed, kGreen), cellColors(view, 1, 0));
    EXPECT_EQ(std::make_pair(kOfferedText, kGreen), cellColors(view, 1, 1));

    host.call("lvSetItemTextColor", view, 0, 0, 1, "255|0|0"); // covers the second row again
    EXPECT_EQ(kRed, cellColors(view, 1, 1).second);
}

TEST_F(ListViewLook, ItemTextColorColoursTheItemInViewsWithoutCells)
{
    HWND view = gridView(dialog, LVS_LIST);
    host.call("lvSetItemTextColor", view, 3, 1, 0, "0|255|0");
    NMLVCUSTOMDRAW draw;
    customDraw(view, CDDS_ITEMPREPAINT, 2, 0, draw);
    EXPECT_EQ(kGreen, draw.clrText);
    customDraw(view, CDDS_ITEMPREPAINT, 1, 0, draw);
    EXPECT_EQ(kOfferedText, draw.clrText);
}

TEST_F(ListViewLook, ItemTextColorLeavesOtherViewsAndBadRequestsAlone)
{
    HWND view = gridView(dialog);
    HWND other = gridView(dialog);
    HWND box = dialog.listBox(0, {"a"});
    host.call("lvSetItemTextColor", view, 1, 1, 0, "255|0|0");
    EXPECT_EQ(1, host.call("lvSetItemTextColor", other, 1, 1, 2, "255|0|0").integer); // no such target
    EXPECT_EQ(1, host.call("lvSetItemTextColor", other, -1, 1, 0, "255|0|0").integer);
    EXPECT_EQ(1, host.call("lvSetItemTextColor", box, 1, 1, 0, "255|0|0").integer);
    EXPECT_EQ(1, host.call("lvSetItemTextColor", 0, 1, 1, 0, "255|0|0").integer);
    NMLVCUSTOMDRAW draw;
    EXPECT_EQ(CDRF_DODEFAULT, customDraw(other, CDDS_PREPAINT, 0, 0, draw));
    EXPECT_EQ(std::make_pair(kOfferedText, kOfferedBack), cellColors(other, 0, 0));
    EXPECT_EQ(kRed, cellColors(view, 0, 0).first);
}

TEST_F(ListViewLook, ItemTextColorIsForgottenWhenTheViewIsDestroyed)
{
    HWND view = gridView(dialog);
    host.call("lvSetItemTextColor", view, 1, 1, 0, "255|0|0");
    DestroyWindow(view);
    NMLVCUSTOMDRAW draw;
    EXPECT_EQ(CDRF_DODEFAULT, customDraw(view, CDDS_PREPAINT, 0, 0, draw));
    EXPECT_EQ(std::make_pair(kOfferedText, kOfferedBack), cellColors(view, 0, 0));
}

// The text colours of the first column, item by item; 0 where the item has its own.
std::string textColorsByItem(HWND view)
{
    std::string marks;
    const int count = static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const COLORREF text = cellColors(view, i, 0).first;
        marks += text == kRed ? 'R' : text == kGreen ? 'G' : text == kOfferedText ? '.' : '?';
    }
    return marks;
}

TEST_F(ListViewLook, ItemTextColorsFollowTheirItemsWhenItemsAreDeletedOrInserted)
{
    HWND view = letterListView(dialog, 5, {});
    host.call("lvSetItemTextColor", view, 2, 0, 0, "255|0|0");
    host.call("lvSetItemTextColor", view, 3, 0, 0, "0|255|0");
    host.call("lvSetItemTextColor", view, 0, 0, 1, "0|0|255"); // every item's background
    ASSERT_EQ(".RG..", textColorsByItem(view));

    host.call("lvDeleteItem", view, 1, 1);
    EXPECT_EQ("bcde", listViewLetters(view));
    EXPECT_EQ("RG..", textColorsByItem(view));
    host.call("lvInsertItem", view, 1, "x");
    EXPECT_EQ(".RG..", textColorsByItem(view));
    // The deleted item's colour went with it: the item now at its place is plain.
    host.call("lvDeleteItem", view, 2, 1);
    host.call("lvInsertItem", view, 2, "y");
    EXPECT_EQ("xycde", listViewLetters(view));
    EXPECT_EQ("..G..", textColorsByItem(view));

    selectListViewItem(view, 0);
    selectListViewItem(view, 1);
    host.call("lvDeleteItem", view, 1, -2); // the selected rows
    EXPECT_EQ("G..", textColorsByItem(view));
    EXPECT_EQ(kBlue, cellColors(view, 2, 0).second);
}

// Answers LVN_DELETEALLITEMS with TRUE, as a dialog that wants no LVN_DELETEITEM
// for each item; counts the LVN_DELETEITEM notifications that come all the same.
LRESULT CALLBACK deleteAllQuietly(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    const LRESULT result = DefSubclassProc(hWnd, msg, wParam, lParam);
    if (msg != WM_NOTIFY) return result;
    const UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
    if (code == LVN_DELETEITEM) ++*reinterpret_cast<int*>(data);
    return code == LVN_DELETEALLITEMS ? TRUE : result;
}

TEST_F(ListViewLook, DeletingEveryItemForgetsTheItemColoursOnly)
{
    for (const bool quiet : {false, true}) {
        SCOPED_TRACE(quiet ? "the dialog asks for no per-item notifications" : "the default answer");
        int perItem = 0;
        // Installed first, so it answers beneath the extender's subclass as the dialog would.
        if (quiet) SetWindowSubclass(dialog.hwnd(), deleteAllQuietly, 1, reinterpret_cast<DWORD_PTR>(&perItem));
        HWND view = letterListView(dialog, 3, {});
        host.call("lvSetItemTextColor", view, 2, 0, 0, "255|0|0");
        host.call("lvSetItemTextColor", view, 0, 0, 1, "0|0|255");
        host.call("lvDeleteItem", view, 1, -1);
        if (quiet) {
            EXPECT_EQ(0, perItem) << "the list view still does what the dialog asked";
        }
        for (const char* text : {"p", "q", "r"}) zub::addListViewRow(view, {text});
        EXPECT_EQ("...", textColorsByItem(view));
        EXPECT_EQ(kBlue, cellColors(view, 1, 0).second);
        RemoveWindowSubclass(dialog.hwnd(), deleteAllQuietly, 1);
        DestroyWindow(view);
    }
}

// The colours the list view itself was answered with while it painted, cell by cell:
// recorded on the dialog above the extender, once the extender has answered.
std::map<std::pair<int, int>, std::pair<COLORREF, COLORREF>> answeredCells(const zub::MessageRecorder& recorder)
{
    std::map<std::pair<int, int>, std::pair<COLORREF, COLORREF>> cells;
    for (const zub::Sent& s : recorder.sent()) {
        int item = 0, subItem = 0;
        unsigned text = 0, back = 0;
        if (std::sscanf(s.record.c_str(), "%d %d %x %x", &item, &subItem, &text, &back) == 4) {
            cells[{item, subItem}] = {text, back};
        }
    }
    return cells;
}

// How many pixels of a cell's label a rendering of the view shows in the colour.
int pixelsOf(HWND view, int item, int subItem, COLORREF color)
{
    RECT client = {};
    GetClientRect(view, &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(view, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();

    RECT cell = {LVIR_LABEL, subItem, 0, 0};
    SendMessageA(view, LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(&cell));
    const DWORD wanted = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    int count = 0;
    for (int y = std::max(cell.top, 0L); y < std::min(cell.bottom, client.bottom); ++y) {
        for (int x = std::max(cell.left, 0L); x < std::min(cell.right, client.right); ++x) {
            if ((static_cast<const DWORD*>(bits)[y * client.right + x] & 0xFFFFFF) == wanted) ++count;
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return count;
}

TEST_F(ListViewLook, ItemTextColorIsWhatTheListViewPaintsWith)
{
    HWND view = gridView(dialog);
    host.call("lvSetItemTextColor", view, 2, 2, 0, "255|0|0");
    host.call("lvSetItemTextColor", view, 2, 2, 1, "0|0|255");

    zub::MessageRecorder recorder(dialog.hwnd(), [view](UINT m, WPARAM, LPARAM l) {
        if (m != WM_NOTIFY) return false;
        const auto* draw = reinterpret_cast<const NMLVCUSTOMDRAW*>(l);
        return draw->nmcd.hdr.hwndFrom == view && draw->nmcd.hdr.code == NM_CUSTOMDRAW &&
               draw->nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM);
    });
    recorder.describe(
        WM_NOTIFY,
        [](WPARAM, LPARAM l) {
            const auto* draw = reinterpret_cast<const NMLVCUSTOMDRAW*>(l);
            char fields[64];
            std::snprintf(fields, sizeof fields, "%d %d %lx %lx", static_cast<int>(draw->nmcd.dwItemSpec),
                          draw->iSubItem, draw->clrText, draw->clrTextBk);
            return std::string(fields);
        },
        true);
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const int painted = pixelsOf(view, 1, 1, kBlue);
    auto cells = answeredCells(recorder);

    const auto cell = [&](int item, int subItem) { return cells[std::make_pair(item, subItem)]; };
    ASSERT_EQ(1u, cells.count(std::make_pair(1, 1)));
    EXPECT_EQ(std::make_pair(kRed, kBlue), cell(1, 1));
    EXPECT_NE(kRed, cell(1, 0).first);
    EXPECT_NE(kBlue, cell(0, 1).second);
    EXPECT_NE(kBlue, cell(1, 2).second);
    EXPECT_GT(painted, 0);
    EXPECT_EQ(0, pixelsOf(view, 0, 1, kBlue));
}

TEST(ListViewLookUnloaded, ColouredViewsOutliveTheExtender)
{
    zub::Dialog dialog;
    HWND view = gridView(dialog);
    {
        zub::Host host;
        host.window = dialog.hwnd();
        host.call("lvSetItemTextColor", view, 1, 1, 0, "255|0|0");
    }
    ASSERT_EQ(nullptr, GetModuleHandleA("korvanet.dll"));
    NMLVCUSTOMDRAW draw;
    EXPECT_EQ(CDRF_DODEFAULT, customDraw(view, CDDS_PREPAINT, 0, 0, draw));
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    DestroyWindow(view);
}

} // namespace
