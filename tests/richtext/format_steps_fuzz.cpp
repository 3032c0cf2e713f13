// Fuzzes the rich text steps with any direction text, height and indent change. The
// font grows only for "+"; a step is the height times 5/4 or 4/5, cut toward zero, as
// exact integer arithmetic gives it, held at the edges of the int range; an indent is
// the sum, held between 0 and the largest int.
#include "richtext/format_steps.h"

#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>

using fuzz::CText;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int height = provider.ConsumeIntegral<int>();
    const int indent = provider.ConsumeIntegral<int>();
    const int change = provider.ConsumeIntegral<int>();
    const CText direction(provider.ConsumeRemainingBytesAsString());

    const bool grow = richtext::GrowsFont(direction.c_str());
    Require(grow == (direction.view() == "+"), "only the one plus sign grows");

    for (const bool g : {true, false}) {
        const int64_t exact = g ? static_cast<int64_t>(height) * 5 / 4 : static_cast<int64_t>(height) * 4 / 5;
        const int64_t held = std::clamp<int64_t>(exact, INT_MIN, INT_MAX);
        Require(richtext::SteppedFontHeight(height, g) == held, "a step is a quarter, cut toward zero");
    }

    const int64_t sum = static_cast<int64_t>(indent) + change;
    Require(richtext::ShiftedIndent(indent, change) == std::clamp<int64_t>(sum, 0, INT_MAX),
            "an indent is the sum held between 0 and the largest int");
    return 0;
}
