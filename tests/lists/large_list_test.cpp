// Lists whose text passes the 40960-byte result buffer come back cut, never overrun.
#include "list_helpers.h"

#include <string>

namespace {

using LargeLists = zub::HostTest;

constexpr size_t kMaxText = 40959;

TEST_F(LargeLists, ManySelectedListBoxEntriesComeBackCut)
{
    HWND box = dialog.listBox(LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT, {});
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    SendMessageA(box, LB_INITSTORAGE, 40000, 40000 * 8);
    for (int i = 0; i < 40000; ++i) SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("entry"));
    SendMessageA(box, LB_SELITEMRANGEEX, 0, 39999);
    SendMessageA(box, WM_SETREDRAW, TRUE, 0);
    ASSERT_EQ(40000, SendMessageA(box, LB_GETSELCOUNT, 0, 0));

    std::string whole;
    for (int i = 1; i <= 32768; ++i) whole += (i == 1 ? "" : "\t") + std::to_string(i);
    const zub::Result result = host.call("lbGetItemSel", box);
    ASSERT_EQ(kMaxText, result.text.size());
    EXPECT_EQ(whole.substr(0, kMaxText), result.text);
}

TEST_F(LargeLists, AListViewRowLongerThanTheBufferComesBackCut)
{
    HWND view = dialog.listView({});
    std::string whole;
    for (int c = 0; c < 45; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 40;
        column.pszText = const_cast<char*>("c");
        SendMessageA(view, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
        whole += (c == 0 ? "" : "\t") + std::string(1023, static_cast<char>('A' + c % 26));
    }
    zub::addListViewRow(view, {"first"});
    for (int c = 0; c < 45; ++c) {
        const std::string cell(1500, static_cast<char>('A' + c % 26));
        LVITEMA item = {};
        item.iSubItem = c;
        item.pszText = const_cast<char*>(cell.c_str());
        SendMessageA(view, LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    }
    const zub::Result result = host.call("lvGetItemText", view, 1, 0);
    ASSERT_EQ(kMaxText, result.text.size());
    EXPECT_EQ(whole.substr(0, kMaxText), result.text);
}

} // namespace
