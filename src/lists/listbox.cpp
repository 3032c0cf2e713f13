// List box commands: counts, heights, selection state, the horizontal extent and
// deletion by scope.
#include "host/args.h"
#include "host/korvanet.h"
#include "list_text.h"
#include "scope.h"

#include <algorithm>

namespace {

// The most selected positions lbGetItemSel reports, and where the list box writes
// them: one area for the library's life, as commands run one at a time.
constexpr int kMaxSelItems = 32768;
int g_nSelIndexes[kMaxSelItems];

class ListBox final : public scope::ScopedList {
public:
    explicit ListBox(HWND hBox) : m_hBox(hBox) {}

    int Count() const override { return static_cast<int>(Send(m_hBox, LB_GETCOUNT)); }
    int SelectedCount() const override { return static_cast<int>(Send(m_hBox, LB_GETSELCOUNT)); }
    bool IsSelected(int nIndex) const override { return Send(m_hBox, LB_GETSEL, nIndex) == 1; }
    LRESULT DeleteAt(int nIndex) const override { return Send(m_hBox, LB_DELETESTRING, nIndex); }
    void DeleteAll() const override { Send(m_hBox, LB_RESETCONTENT); }

private:
    HWND m_hBox;
};

} // namespace

int CKorvanet::lbDeleteItem(HWND hWnd, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const scope::Outcome outcome = scope::Delete(hWnd, ListBox(args.window(1)), args.integer(2), args.integer(3));
    if (outcome.bRefused) return ReturnInt(outcome.nCount);
    return ReturnReply(outcome.lLastDelete);
}

int CKorvanet::lbGetItemCount(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LB_GETCOUNT));
}

int CKorvanet::lbGetItemCountSel(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LB_GETSELCOUNT));
}

int CKorvanet::lbGetItemHeight(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LB_GETITEMHEIGHT));
}

int CKorvanet::lbGetItemSel(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hBox = args.window(1);
    ListText text;

    // Never let the list box write more indexes than the array holds.
    const int nWanted = std::clamp(static_cast<int>(Send(hBox, LB_GETSELCOUNT)), 0, kMaxSelItems);
    const int nGot = static_cast<int>(Send(hBox, LB_GETSELITEMS, nWanted, g_nSelIndexes));

    if (nGot == LB_ERR) {
        // A single-selection list box: its current entry, 0 when there is none.
        text.AddNumber(static_cast<int>(Send(hBox, LB_GETCURSEL)) + 1);
    } else if (nGot <= 0) {
        text.AddNumber(0);
    } else {
        for (int i = 0; i < std::min(nGot, nWanted); ++i) text.AddNumber(g_nSelIndexes[i] + 1);
    }
    return ReturnString(text.c_str());
}

int CKorvanet::lbGetItemState(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LB_GETSEL, args.position(2)));
}

int CKorvanet::lbSetHScrollSize(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), LB_SETHORIZONTALEXTENT, args.integer(2)));
}

int CKorvanet::lbSetItemHeight(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const int nHeight = std::clamp(args.integer(2), 1, 255); // a list box takes 1..255
    Send(args.window(1), LB_SETITEMHEIGHT, 0, nHeight);
    return ReturnInt(1);
}

int CKorvanet::lbSetItemState(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // Position 0 is index -1: every entry.
    return ReturnReply(Send(args.window(1), LB_SETSEL, args.integer(3), args.position(2)));
}
