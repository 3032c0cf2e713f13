// Deleting list entries by a position and a scope, the rules list boxes and list
// views share: how the position is read, which requests are refused with a note,
// and in which order the entries go.
#pragma once

#include <windows.h>

namespace scope {

// Argument 3 of the deletion commands; 0 or any positive value names one entry.
constexpr int kEvery = -1;
constexpr int kSelected = -2;
constexpr int kUnselected = -3;

// Position 0 reads as 1; with scope 0 exactly, a negative position counts from
// the end (-1 is the last entry).
int NormalisePosition(int nPosition, int nScope, int nCount);

// The note a request earns, or null when it may be carried out. The checks run in
// this order and only the first failing one speaks.
const char* Refusal(int nSelected, int nPosition, int nCount, int nScope);

// What the deletion needs to ask of one kind of list control.
class ScopedList {
public:
    virtual int Count() const = 0;
    virtual int SelectedCount() const = 0;
    virtual bool IsSelected(int nIndex) const = 0;
    virtual LRESULT DeleteAt(int nIndex) const = 0;
    virtual void DeleteAll() const = 0;

protected:
    ~ScopedList() = default;
};

struct Outcome {
    bool bRefused = false;  // a note was shown and nothing deleted
    int nCount = 0;         // entries before the request
    LRESULT lLastDelete = 0; // the last DeleteAt result; 0 when none was sent
};

// Carries out (or refuses, with a note owned by hOwner) one deletion request.
Outcome Delete(HWND hOwner, const ScopedList& list, int nPosition, int nScope);

} // namespace scope
