// Fuzzes the mask engine with arbitrary text, mask, caret, remembered length and
// mode, under AddressSanitizer and UndefinedBehaviorSanitizer. Besides memory
// safety it checks the rules a script relies on, whatever the input.
#include "masks/mask_engine.h"

#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace {

using fuzz::Require;

bool OnlyNumberCharacters(const std::string& text)
{
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || c == ',' || c == '.')) return false;
    }
    return true;
}

std::size_t CountDigits(std::string_view text)
{
    std::size_t digits = 0;
    for (char c : text) digits += (c >= '0' && c <= '9') ? 1 : 0;
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const uint8_t selector = provider.ConsumeIntegral<uint8_t>();
    const uint32_t caret = (selector & 1) ? provider.ConsumeIntegral<uint32_t>()
                                          : provider.ConsumeIntegralInRange<uint32_t>(0, 64);
    const uint32_t prev = (selector & 2) ? provider.ConsumeIntegral<uint32_t>()
                                         : provider.ConsumeIntegralInRange<uint32_t>(0, 64);
    const int cleanMode = provider.ConsumeIntegralInRange<int>(-1, 5);
    const std::string maskText = provider.ConsumeRandomLengthString(600);
    const std::string text = provider.ConsumeRemainingBytesAsString();

    mask::MaskInput in;
    in.text = text;
    in.caret = caret;
    in.prevTextLen = prev;
    in.mask = maskText;
    in.numeric = (selector & 4) != 0;
    const mask::MaskOutcome out = mask::FormatMask(in);

    if (text.empty()) {
        Require(out.write == mask::Write::Nothing && out.result.empty() && out.prevTextLen == prev,
                "an empty box is left alone");
    } else if (out.write == mask::Write::Nothing) {
        Require(out.result == text && out.prevTextLen == text.size() && text.size() < prev && caret == text.size(),
                "only deleting at the end leaves the box unformatted");
    } else if (in.numeric) {
        Require(out.write == mask::Write::Numeric, "numeric mode writes numerically");
        Require(out.prevTextLen == prev, "numeric mode keeps the remembered length");
        Require(out.caret == out.result.size(), "numeric mode puts the caret at the end");
        Require(OnlyNumberCharacters(out.result), "numeric mode writes digits and separators only");
        // Digits come from the text, or from digit literals of the mask that typing inserted.
        Require(CountDigits(out.result) <= CountDigits(text) + CountDigits(maskText), "numeric mode invents no digits");
        Require(out.result.size() <= maskText.size() + 1, "numeric mode stays within the mask");
    } else {
        Require(out.write == mask::Write::Pattern, "pattern mode writes the pattern");
        Require(out.prevTextLen == out.result.size(), "pattern mode remembers what it wrote");
        Require(out.result == mask::TrimTrailingSpace(out.result), "pattern mode trims");
    }

    const std::string cleaned = mask::CleanMask(text, maskText, cleanMode);
    if (cleanMode == 0) {
        Require(cleaned == text, "mode 0 returns the text");
    } else {
        Require(cleaned.size() <= std::min(text.size(), maskText.size()), "cleaning keeps within mask and text");
        if (cleanMode < 1 || cleanMode > 4) Require(cleaned.empty(), "unknown modes keep nothing");
    }

    // The classifiers and the fitting take every byte.
    for (char c : maskText.substr(0, 4)) {
        bool separator = false;
        const int cls = mask::ClassifyMaskChar(std::string_view(&c, 1), &separator);
        const std::string fitted = mask::FitTextChar(cls, mask::ClassifyTextChar(c), std::string_view(&c, 1));
        Require(fitted.size() <= 1, "fitting gives at most the one character");
        Require(separator == mask::IsSeparator(cls), "the separator flag follows the class");
    }
    return 0;
}
