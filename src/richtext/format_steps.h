// The arithmetic of the rich text commands, kept free of windows so it builds and
// is tested natively.
#pragma once

namespace richtext {

// rtFontSizing grows the font only for the one-character text "+"; any other text
// (a minus sign, "++", the empty text) shrinks it.
bool GrowsFont(const char* pszDirection);

// One sizing step: the height in twips times 1.25 when growing, divided by 1.25 when
// shrinking, cut toward zero. 190 grows to 237 and 237 shrinks to 189.
int SteppedFontHeight(int nHeight, bool bGrow);

// The start indent after a relative change: never below 0, and a sum beyond the
// 32-bit range stays at the largest indent instead of wrapping around.
int ShiftedIndent(int nIndent, int nChange);

} // namespace richtext
