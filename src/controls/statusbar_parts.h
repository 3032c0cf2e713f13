// The right edges of status bar parts, read from a text of numbers separated by
// spaces. Pure: no window calls, so it also builds natively.
#pragma once

#include <cstdint>

// The status bar's own limit on parts.
constexpr int STATUSBAR_EDGES_MAX = 256;

// Splits the text at spaces (a run of spaces is one separator; leading and trailing
// spaces yield nothing) and converts each token as a decimal number: an optional
// sign, then digits; a token without leading digits gives 0. Stores at most
// STATUSBAR_EDGES_MAX edges and ignores the rest of the text; returns how many it
// stored. A null text reads as empty.
int ParseStatusBarEdges(const char* pszText, int32_t (&edges)[STATUSBAR_EDGES_MAX]);
