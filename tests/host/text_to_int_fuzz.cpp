// Fuzzes the decimal reader with any text. It must agree with a reading that takes the
// digits nine at a time with the standard library and reduces modulo 2^32, and blanks
// in front of a text change nothing.
#include "host/values.h"

#include "fuzz_support.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace {

using fuzz::CText;
using fuzz::Require;

// Spaces, an optional sign, then the digits; each chunk of up to nine digits through
// std::from_chars, the whole modulo 2^32.
int32_t Expected(std::string_view text)
{
    const std::size_t start = std::min(text.size(), text.find_first_not_of(' '));
    text.remove_prefix(start);
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::string_view digits = text.substr(0, std::min(text.size(), text.find_first_not_of("0123456789")));
    uint64_t value = 0;
    for (std::size_t at = 0; at < digits.size(); at += 9) {
        const std::string_view chunk = digits.substr(at, 9);
        uint64_t part = 0;
        std::from_chars(chunk.data(), chunk.data() + chunk.size(), part);
        uint64_t scale = 1;
        for (std::size_t i = 0; i < chunk.size(); ++i) scale *= 10;
        value = (value * scale + part) & 0xFFFFFFFFu;
    }
    const uint32_t low = static_cast<uint32_t>(value);
    return static_cast<int32_t>(negative ? 0u - low : low);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CText text(std::string_view(reinterpret_cast<const char*>(data), size));
    const int32_t value = TextToInt(text.c_str());
    Require(value == Expected(text.view()), "the value is the leading number modulo 2^32");
    const CText blanked("  " + std::string(text.view()));
    Require(TextToInt(blanked.c_str()) == value, "leading blanks are skipped");
    return 0;
}
