// What each list command sends to its control: message, parameters and the fields of
// the records it passes, one row per command.
#include "list_helpers.h"
#include "messages.h"

#include <commctrl.h>

#include <cstdio>

namespace {

using zub::Expected;

bool listBoxMessage(UINT m, WPARAM, LPARAM) { return m >= LB_ADDSTRING && m <= LB_MSGMAX; }

TEST(ListSequences, ListBoxCommandsSendOneMessageEach)
{
    zub::Dialog dialog;
    zub::Host host;
    host.window = dialog.hwnd();
    const HWND box = lists_test::letterListBox(dialog, 3, {});
    zub::MessageRecorder recorder(box, listBoxMessage);
    zub::ExpectSequences(host, recorder, box, {
        {"lbGetItemCount", {}, {{LB_GETCOUNT}}},
        {"lbGetItemCountSel", {}, {{LB_GETSELCOUNT}}},
        {"lbGetItemHeight", {}, {{LB_GETITEMHEIGHT}}},
        {"lbGetItemState", {2}, {{LB_GETSEL, 1, 0}}},
        {"lbSetHScrollSize", {300}, {{LB_SETHORIZONTALEXTENT, 300, 0}}},
        {"lbSetItemHeight", {300}, {{LB_SETITEMHEIGHT, 0, 255}}},
        {"lbSetItemHeight", {-4}, {{LB_SETITEMHEIGHT, 0, 1}}},
        {"lbSetItemState", {0, 1}, {{LB_SETSEL, 1, -1}}},
    });
}

std::string itemFields(WPARAM, LPARAM l)
{
    const auto* item = reinterpret_cast<const LVITEMA*>(l);
    char fields[200];
    std::snprintf(fields, sizeof fields, "mask 0x%x item %d sub %d state 0x%x/0x%x text %s max %d image %d", item->mask,
                  item->iItem, item->iSubItem, item->state, item->stateMask,
                  item->pszText != nullptr ? item->pszText : "(none)", item->cchTextMax, item->iImage);
    return fields;
}

std::string columnFields(WPARAM, LPARAM l)
{
    const auto* column = reinterpret_cast<const LVCOLUMNA*>(l);
    char fields[200];
    std::snprintf(fields, sizeof fields, "mask 0x%x fmt 0x%x text %s max %d image %d", column->mask, column->fmt,
                  column->pszText != nullptr ? column->pszText : "(none)", column->cchTextMax, column->iImage);
    return fields;
}

Expected item(UINT msg, WPARAM w, const char* fields) { return Expected::withRecord(msg, w, fields); }

TEST(ListSequences, ListViewCommandsSendTheirRecordsWithOnlyTheNamedFields)
{
    zub::Dialog dialog;
    zub::Host host;
    host.window = dialog.hwnd();
    const HWND view = dialog.listView({"one", "two"});
    zub::addListViewRow(view, {"a", "a2"});
    zub::addListViewRow(view, {"b", "b2"});
    zub::MessageRecorder recorder(view, zub::controlMessage);
    for (UINT msg : {LVM_SETITEMSTATE, LVM_SETITEMTEXTA, LVM_INSERTITEMA, LVM_GETITEMTEXTA, LVM_SETITEMA}) {
        recorder.describe(msg, itemFields);
    }
    recorder.describe(LVM_INSERTCOLUMNA, columnFields).describe(LVM_SETCOLUMNA, columnFields);
    const Expected subItemImages(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES, LVS_EX_SUBITEMIMAGES);
    zub::ExpectSequences(host, recorder, view, {
        {"lvGetItemCount", {}, {{LVM_GETITEMCOUNT}}},
        {"lvGetItemCountSel", {}, {{LVM_GETSELECTEDCOUNT}}},
        {"lvGetItemState", {2, LVIS_SELECTED}, {{LVM_GETITEMSTATE, 1, LVIS_SELECTED}}},
        {"lvSetItemState", {0, LVIS_SELECTED, LVIS_SELECTED},
         {item(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), "mask 0x0 item 0 sub 0 state 0x2/0x2 text (none) max 0 image 0")}},
        {"lvGetItemCheck", {1}, {{LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK}}},
        {"lvSetItemCheck", {1, 1},
         {item(LVM_SETITEMSTATE, 0, "mask 0x8 item 0 sub 0 state 0x2000/0xf000 text (none) max 0 image 0")}},
        {"lvSetItemText", {1, 2, "x"},
         {item(LVM_SETITEMTEXTA, 0, "mask 0x0 item 0 sub 1 state 0x0/0x0 text x max 0 image 0")}},
        {"lvGetItemText", {2, 2}, {item(LVM_GETITEMTEXTA, 1, "mask 0x1 item 1 sub 1 state 0x0/0x0 text  max 1024 image 0")}},
        {"lvGetItemText", {1, 0},
         {{LVM_GETHEADER},
          item(LVM_GETITEMTEXTA, 0, "mask 0x1 item 0 sub 0 state 0x0/0x0 text  max 1024 image 0"),
          item(LVM_GETITEMTEXTA, 0, "mask 0x1 item 0 sub 1 state 0x0/0x0 text  max 1024 image 0")}},
        {"lvSetColumnFill", {2, "z"},
         {{LVM_GETITEMCOUNT},
          item(LVM_SETITEMTEXTA, 0, "mask 0x0 item 0 sub 1 state 0x0/0x0 text z max 0 image 0"),
          item(LVM_SETITEMTEXTA, 1, "mask 0x0 item 0 sub 1 state 0x0/0x0 text z max 0 image 0")}},
        {"lvSetColumnFillSeq", {2, 5, -3},
         {{LVM_GETITEMCOUNT},
          item(LVM_SETITEMTEXTA, 0, "mask 0x0 item 0 sub 1 state 0x0/0x0 text 5 max 0 image 0"),
          item(LVM_SETITEMTEXTA, 1, "mask 0x0 item 0 sub 1 state 0x0/0x0 text 2 max 0 image 0")}},
        {"lvSetColumnWidth", {2, 50}, {{LVM_SETCOLUMNWIDTH, 1, 50}}},
        {"lvSetItemImage", {1, 2, 3},
         {subItemImages, item(LVM_SETITEMA, 0, "mask 0x2 item 0 sub 1 state 0x0/0x0 text (none) max 0 image 2")}},
        {"lvSetColumnImage", {2, 3, 0},
         {Expected::withRecord(LVM_SETCOLUMNA, 1, "mask 0x11 fmt 0x8800 text (none) max 0 image 2")}},
        {"lvInsertItem", {3, "c"},
         {item(LVM_INSERTITEMA, 0, "mask 0x3 item 2 sub 0 state 0x0/0x0 text c max 256 image -2")}},
        {"lvInsertColumn", {3, "three"},
         {Expected::withRecord(LVM_INSERTCOLUMNA, 2, "mask 0x4 fmt 0x0 text three max 256 image 0"),
          {LVM_SETCOLUMNWIDTH, 2, LVSCW_AUTOSIZE_USEHEADER}}},
    });
}

} // namespace
