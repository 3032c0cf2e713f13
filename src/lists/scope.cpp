#include "scope.h"

#include "host/notes.h"

namespace scope {

int NormalisePosition(int nPosition, int nScope, int nCount)
{
    if (nPosition == 0) nPosition = 1;
    if (nPosition < 0 && nScope == 0) nPosition += nCount + 1;
    return nPosition;
}

const char* Refusal(int nSelected, int nPosition, int nCount, int nScope)
{
    if (nSelected == 0) {
        if (nScope == kSelected) return "A Scope of -2 indicated but no Items selected for deletion";
        if (nScope == kUnselected) return "A Scope of -3 indicated but no Items selected";
    }
    // The list box command shows the same text.
    if (nPosition > nCount) return "Index is greater than number of items in ListView";
    if (nScope < kUnselected) return "Invalid Scope value";
    return nullptr;
}

Outcome Delete(HWND hOwner, const ScopedList& list, int nPosition, int nScope)
{
    Outcome outcome;
    // A single-selection list box answers LB_ERR here and so is never refused for it.
    const int nSelected = list.SelectedCount();
    outcome.nCount = list.Count();
    nPosition = NormalisePosition(nPosition, nScope, outcome.nCount);

    if (const char* pszNote = Refusal(nSelected, nPosition, outcome.nCount, nScope)) {
        ShowNote(hOwner, pszNote);
        outcome.bRefused = true;
        return outcome;
    }

    if (nScope == kEvery) {
        list.DeleteAll();
    } else if (nScope >= 0) {
        outcome.lLastDelete = list.DeleteAt(nPosition - 1);
    } else {
        // From the highest index down, so the indexes still to visit stay valid.
        const bool bDeleteSelected = nScope == kSelected;
        for (int i = outcome.nCount - 1; i >= 0; --i) {
            if (list.IsSelected(i) == bDeleteSelected) outcome.lLastDelete = list.DeleteAt(i);
        }
    }
    return outcome;
}

} // namespace scope
