#include "format_steps.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace richtext {

bool GrowsFont(const char* pszDirection)
{
    return pszDirection != nullptr && pszDirection[0] == '+' && pszDirection[1] == '\0';
}

int SteppedFontHeight(int nHeight, bool bGrow)
{
    const double scaled = bGrow ? nHeight * 1.25 : nHeight / 1.25;
    // A height the control could never hold must still convert without overflow.
    constexpr double kLargest = std::numeric_limits<int>::max();
    constexpr double kSmallest = std::numeric_limits<int>::min();
    return static_cast<int>(std::clamp(scaled, kSmallest, kLargest));
}

int ShiftedIndent(int nIndent, int nChange)
{
    const int64_t sum = static_cast<int64_t>(nIndent) + nChange;
    return static_cast<int>(std::clamp<int64_t>(sum, 0, std::numeric_limits<int>::max()));
}

} // namespace richtext
