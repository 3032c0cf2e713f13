// Colours of list view item text. The list view asks its parent how to paint each
// item and cell (custom-draw notifications); the extender answers for the list
// views a script has coloured, on the parent's behalf.
#pragma once

#include <windows.h>

namespace item_colors {

enum Target { kText = 0, kTextBackground = 1 };

// Keeps the colour for the cells of a list view (item or column index -1: every
// item or column) and repaints the view. A later colour overrides an earlier one
// for the cells it covers. The colours of an item follow it when the list view
// deletes or inserts items before it, and go with it when it is deleted. False when
// nothing was kept: not a list view, an index below -1, or a target other than the
// two above.
bool Set(HWND hView, int nItem, int nSubItem, int nTarget, COLORREF color);

} // namespace item_colors
