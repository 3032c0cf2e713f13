#include "item_colors.h"

#include "win/window_state.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

constexpr UINT_PTR kSubclassId = 0x4B4C5643; // the extender's item colours

// One colour for a range of cells: an item (or -1 for every item) and a column
// (or -1 for every column).
struct Rule {
    int nItem;
    int nSubItem;
    COLORREF color;

    bool Covers(int item, int subItem) const
    {
        return (nItem == -1 || nItem == item) && (nSubItem == -1 || nSubItem == subItem);
    }
};

// The rules of one target, the latest last.
class RuleList {
public:
    void Add(const Rule& rule)
    {
        // Rules that the new one covers entirely can never show again.
        std::erase_if(m_rules, [&](const Rule& old) { return rule.Covers(old.nItem, old.nSubItem); });
        m_rules.push_back(rule);
    }
    // The list view deleted the item at nItem: its colours go, and the items after it
    // move up one position with theirs.
    void ItemDeleted(int nItem)
    {
        std::erase_if(m_rules, [&](const Rule& rule) { return rule.nItem == nItem; });
        for (Rule& rule : m_rules) {
            if (rule.nItem > nItem) --rule.nItem;
        }
    }
    // The list view inserted an item at nItem: the items from there on move down one.
    void ItemInserted(int nItem)
    {
        for (Rule& rule : m_rules) {
            if (rule.nItem >= nItem) ++rule.nItem;
        }
    }
    // The list view deleted every item: only the colours for every item stay.
    void AllItemsDeleted()
    {
        std::erase_if(m_rules, [](const Rule& rule) { return rule.nItem != -1; });
    }
    // The colour of a cell, or the given default when no rule covers it.
    COLORREF ColorOf(int nItem, int nSubItem, COLORREF fallback) const
    {
        for (auto it = m_rules.rbegin(); it != m_rules.rend(); ++it) {
            if (it->Covers(nItem, nSubItem)) return it->color;
        }
        return fallback;
    }

private:
    std::vector<Rule> m_rules;
};

struct ViewColors {
    RuleList text;
    RuleList background;

    // Colours follow their items when the list view deletes or inserts items.
    void Follow(const NMLISTVIEW& change)
    {
        for (RuleList* rules : {&text, &background}) {
            switch (change.hdr.code) {
            case LVN_DELETEITEM: rules->ItemDeleted(change.iItem); break;
            case LVN_INSERTITEM: rules->ItemInserted(change.iItem); break;
            case LVN_DELETEALLITEMS: rules->AllItemsDeleted(); break;
            default: break;
            }
        }
    }

    // The colours the control offered for the item being painted, given back to the
    // cells no rule covers (the control may hand a changed colour on to the next cell).
    COLORREF defaultText = CLR_DEFAULT;
    COLORREF defaultBackground = CLR_DEFAULT;
};

// The colours of each coloured list view, kept on the view.
using Views = win::WindowState<ViewColors, kSubclassId>;

void ApplyColors(ViewColors& colors, NMLVCUSTOMDRAW& draw, int nSubItem)
{
    const int nItem = static_cast<int>(draw.nmcd.dwItemSpec);
    draw.clrText = colors.text.ColorOf(nItem, nSubItem, colors.defaultText);
    draw.clrTextBk = colors.background.ColorOf(nItem, nSubItem, colors.defaultBackground);
}

// Answers one custom-draw notification of a coloured list view.
LRESULT Paint(ViewColors& colors, NMLVCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        // Only a report view asks again for each cell; the others paint the item now.
        colors.defaultText = draw.clrText;
        colors.defaultBackground = draw.clrTextBk;
        ApplyColors(colors, draw, 0);
        return CDRF_NEWFONT | CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        ApplyColors(colors, draw, draw.iSubItem);
        return CDRF_NEWFONT;
    default:
        return CDRF_DODEFAULT;
    }
}

// The parent of a coloured list view answers its custom-draw notifications for it.
struct ParentWatch {
    bool Message(HWND, UINT uMsg, WPARAM, LPARAM lParam, LRESULT* pReply)
    {
        if (uMsg != WM_NOTIFY || lParam == 0) return false;
        auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
        ViewColors* pColors = Views::Find(pHeader->hwndFrom);
        if (pColors == nullptr) return false;
        switch (pHeader->code) {
        case NM_CUSTOMDRAW:
            *pReply = Paint(*pColors, *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
            return true;
        case LVN_DELETEITEM:
        case LVN_INSERTITEM:
        case LVN_DELETEALLITEMS:
            // Only watched: the parent's own answer (for LVN_DELETEALLITEMS, whether
            // the list view sends LVN_DELETEITEM for each item) stays the parent's.
            pColors->Follow(*reinterpret_cast<NMLISTVIEW*>(lParam));
            return false;
        default:
            return false;
        }
    }
};

using Parents = win::WindowState<ParentWatch, kSubclassId>;

bool IsListView(HWND hWnd)
{
    char szClass[32] = {};
    return IsWindow(hWnd) && GetClassNameA(hWnd, szClass, sizeof szClass) > 0 &&
           lstrcmpiA(szClass, WC_LISTVIEWA) == 0;
}

} // namespace

namespace item_colors {

bool Set(HWND hView, int nItem, int nSubItem, int nTarget, COLORREF color)
{
    if (!IsListView(hView) || nItem < -1 || nSubItem < -1) return false;
    if (nTarget != kText && nTarget != kTextBackground) return false;
    if (Parents::Attach(GetParent(hView)) == nullptr) return false;
    ViewColors* pColors = Views::Attach(hView);
    if (pColors == nullptr) return false;
    RuleList& rules = nTarget == kText ? pColors->text : pColors->background;
    rules.Add({nItem, nSubItem, color});
    InvalidateRect(hView, nullptr, FALSE);
    return true;
}

} // namespace item_colors
