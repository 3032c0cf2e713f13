// List view commands for items, cells and columns: counts, states, check boxes,
// texts, insertion, widths, column fills, scrolling and deletion by scope.
#include "host/args.h"
#include "host/korvanet.h"
#include "host/values.h"
#include "list_text.h"
#include "scope.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace {

// A cell is read through a buffer of this size, so it gives at most 1023 characters.
constexpr int kCellBufferSize = 1024;
static_assert(kCellBufferSize <= ListText::kElementRoom);

class ListView final : public scope::ScopedList {
public:
    explicit ListView(HWND hView) : m_hView(hView) {}

    int Count() const override { return static_cast<int>(Send(m_hView, LVM_GETITEMCOUNT)); }
    int SelectedCount() const override { return static_cast<int>(Send(m_hView, LVM_GETSELECTEDCOUNT)); }
    bool IsSelected(int nIndex) const override
    {
        return Send(m_hView, LVM_GETITEMSTATE, nIndex, LVIS_SELECTED) == LVIS_SELECTED;
    }
    LRESULT DeleteAt(int nIndex) const override { return Send(m_hView, LVM_DELETEITEM, nIndex); }
    void DeleteAll() const override { Send(m_hView, LVM_DELETEALLITEMS); }

private:
    HWND m_hView;
};

// Reads one cell straight into the list text, as its next element.
void AddCellText(HWND hView, int nItem, int nSubItem, ListText& text)
{
    char* const pszPlace = text.NextElement();
    pszPlace[0] = '\0'; // a cell the control does not fill reads as empty
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = pszPlace;
    item.cchTextMax = kCellBufferSize;
    Send(hView, LVM_GETITEMTEXTA, nItem, &item);
    // A cell longer than the buffer may fill it without a terminating zero.
    pszPlace[kCellBufferSize - 1] = '\0';
    // The control may point pszText at a text of its own instead.
    const char* pszCell = item.pszText != nullptr ? item.pszText : "";
    const std::size_t nLength = strnlen(pszCell, kCellBufferSize - 1);
    if (pszCell != pszPlace) std::memmove(pszPlace, pszCell, nLength);
    text.CommitElement(nLength);
}

void SetCellText(HWND hView, int nItem, int nSubItem, const char* pszText)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(pszText);
    Send(hView, LVM_SETITEMTEXTA, nItem, &item);
}

} // namespace

int CKorvanet::lvDeleteItem(HWND hWnd, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const ListView view(args.window(1));
    const scope::Outcome outcome = scope::Delete(hWnd, view, args.integer(2), args.integer(3));
    return ReturnInt(outcome.bRefused ? outcome.nCount : view.Count());
}

int CKorvanet::lvGetItemCount(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LVM_GETITEMCOUNT));
}

int CKorvanet::lvGetItemCountSel(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LVM_GETSELECTEDCOUNT));
}

int CKorvanet::lvGetItemState(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LVM_GETITEMSTATE, args.position(2), args.integer(3)));
}

int CKorvanet::lvSetItemState(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    LVITEMA item = {};
    item.stateMask = args.integer(3);
    item.state = args.integer(4);
    // Position 0 is index -1: every item.
    return ReturnReply(Send(args.window(1), LVM_SETITEMSTATE, args.position(2), &item));
}

int CKorvanet::lvGetItemCheck(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const auto state = static_cast<UINT>(Send(args.window(1), LVM_GETITEMSTATE, args.position(2), LVIS_STATEIMAGEMASK));
    // State image 1 is unchecked, 2 checked; no state image gives -1.
    return ReturnInt(static_cast<int>(state >> 12) - 1);
}

int CKorvanet::lvSetItemCheck(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    LVITEMA item = {};
    item.mask = LVIF_STATE;
    item.iSubItem = 0;
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = static_cast<UINT>(args.integer(3) + 1) << 12;
    return ReturnReply(Send(args.window(1), LVM_SETITEMSTATE, args.position(2), &item));
}

int CKorvanet::lvGetItemText(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    const int nItem = args.position(2);
    ListText text;

    if (args.integer(3) == 0) {
        // The whole row: every column's cell, joined by tabs.
        const auto hHeader = reinterpret_cast<HWND>(Send(hView, LVM_GETHEADER));
        const int nColumns = static_cast<int>(Send(hHeader, HDM_GETITEMCOUNT));
        for (int c = 0; c < nColumns; ++c) AddCellText(hView, nItem, c, text);
    } else {
        AddCellText(hView, nItem, args.position(3), text);
    }
    return ReturnString(text.c_str());
}

int CKorvanet::lvSetItemText(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    SetCellText(args.window(1), args.position(2), args.position(3), args.text(4));
    return ReturnInt(0);
}

int CKorvanet::lvInsertItem(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = args.position(2);
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(args.text(3));
    item.cchTextMax = 256;
    item.iImage = I_IMAGENONE; // until lvSetItemImage gives it one
    return ReturnReply(Send(args.window(1), LVM_INSERTITEMA, 0, &item));
}

int CKorvanet::lvInsertColumn(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<char*>(args.text(3));
    column.cchTextMax = 256;
    const int nInserted = static_cast<int>(Send(hView, LVM_INSERTCOLUMNA, args.position(2), &column));
    // Sized at the requested index, which is not the new column's when it was appended.
    Send(hView, LVM_SETCOLUMNWIDTH, args.position(2), LVSCW_AUTOSIZE_USEHEADER);
    return ReturnInt(nInserted);
}

int CKorvanet::lvSetColumnWidth(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LVM_SETCOLUMNWIDTH, args.position(2), args.integer(3)));
}

int CKorvanet::lvSetColumnFill(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    const int nCount = static_cast<int>(Send(hView, LVM_GETITEMCOUNT));
    for (int i = 0; i < nCount; ++i) SetCellText(hView, i, args.position(2), args.text(3));
    return ReturnInt(1);
}

int CKorvanet::lvSetColumnFillSeq(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    const int nCount = static_cast<int>(Send(hView, LVM_GETITEMCOUNT));
    // Row i gets first + i * step, wrapping around like 32-bit signed arithmetic.
    auto nValue = static_cast<uint32_t>(args.integer(3));
    for (int i = 0; i < nCount; ++i, nValue += static_cast<uint32_t>(args.integer(4))) {
        char szValue[INT_TEXT_MAX];
        IntToText(static_cast<int32_t>(nValue), szValue, 10);
        SetCellText(hView, i, args.position(2), szValue);
    }
    return ReturnInt(1);
}

int CKorvanet::lvScrollTo(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    // The item that stands argument 3 rows above the item at argument 2 becomes the
    // first visible row; a target outside the list is held to its first or last item.
    const int nCount = static_cast<int>(Send(hView, LVM_GETITEMCOUNT));
    const int nTarget = std::clamp(args.integer(2) - args.integer(3) - 1, 0, std::max(nCount - 1, 0));

    Send(hView, LVM_ENSUREVISIBLE, nTarget, 0);
    const int nTop = static_cast<int>(Send(hView, LVM_GETTOPINDEX));
    RECT target = {LVIR_BOUNDS, 0, 0, 0};
    RECT top = {LVIR_BOUNDS, 0, 0, 0};
    Send(hView, LVM_GETITEMRECT, nTarget, &target);
    Send(hView, LVM_GETITEMRECT, nTop, &top);
    return ReturnReply(Send(hView, LVM_SCROLL, 0, target.top - top.top));
}
