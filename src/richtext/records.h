// The rich edit records as every rich text command starts them: all fields zero and
// the size field set, so the control reads only what a command fills in.
#pragma once

#include <windows.h>
#include <richedit.h>

static_assert(sizeof(CHARFORMAT2A) == 84);
static_assert(sizeof(PARAFORMAT2) == 188);

namespace richtext {

inline CHARFORMAT2A EmptyCharFormat()
{
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    return format;
}

inline PARAFORMAT2 EmptyParaFormat()
{
    PARAFORMAT2 format{};
    format.cbSize = sizeof format;
    return format;
}

} // namespace richtext
