// Small readers and builders for the list tests: entries named by letters, and the
// state a script would see.
#pragma once

#include "fixture.h"

#include <string>
#include <vector>

namespace lists_test {

inline std::string letter(int i) { return std::string(1, static_cast<char>('a' + i)); }

// A list box with the entries a, b, c ... and the given entries (0-based) selected.
inline HWND letterListBox(zub::Dialog& dialog, int count, const std::vector<int>& selected,
                          DWORD style = LBS_EXTENDEDSEL)
{
    HWND box = dialog.listBox(style, {});
    for (int i = 0; i < count; ++i) SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(letter(i).c_str()));
    for (int i : selected) SendMessageA(box, LB_SETSEL, TRUE, i);
    return box;
}

inline std::string listBoxLetters(HWND box)
{
    std::string letters;
    const int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        letters += text;
    }
    return letters;
}

inline void selectListViewItem(HWND view, int index, bool selected = true)
{
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageA(view, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

// A one-column list view with the items a, b, c ... and the given items selected.
inline HWND letterListView(zub::Dialog& dialog, int count, const std::vector<int>& selected)
{
    HWND view = dialog.listView({"Name"});
    for (int i = 0; i < count; ++i) zub::addListViewRow(view, {letter(i).c_str()});
    for (int i : selected) selectListViewItem(view, i);
    return view;
}

inline std::string cellText(HWND view, int item, int subItem)
{
    char text[4096] = {};
    LVITEMA record = {};
    record.iSubItem = subItem;
    record.pszText = text;
    record.cchTextMax = sizeof text;
    SendMessageA(view, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&record));
    text[sizeof text - 1] = '\0';
    return text;
}

inline std::string listViewLetters(HWND view)
{
    std::string letters;
    const int count = static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) letters += cellText(view, i, 0);
    return letters;
}

} // namespace lists_test
