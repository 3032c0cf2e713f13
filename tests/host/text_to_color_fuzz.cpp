// Fuzzes the colour reader with any text. What it promises: the top byte is 0; only the
// first eleven characters count; each of red, green and blue is the low byte of the
// number in the first three characters of its component (the component's cut), with
// the components split at "|" from the second character on and the last one read
// always blue. A well-formed "r|g|b" of bytes gives exactly those bytes.
#include "host/values.h"

#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

namespace {

using fuzz::CText;
using fuzz::Require;

// The components as the text writes them, uncut: the first character starts the
// first whatever it is, then digits extend and "|" closes one, anything else stops.
std::vector<std::string> Components(std::string_view text)
{
    std::vector<std::string> components(1);
    text = text.substr(0, 11);
    if (text.empty()) return components;
    components.back() += text[0];
    for (char c : text.substr(1)) {
        if (c >= '0' && c <= '9') {
            components.back() += c;
        } else if (c == '|') {
            components.emplace_back();
        } else {
            break;
        }
    }
    return components;
}

uint32_t LowByte(const std::string& component) { return TextToInt(component.substr(0, 3).c_str()) & 0xFFu; }

uint32_t Expected(std::string_view text)
{
    const std::vector<std::string> c = Components(text);
    const uint32_t red = c.size() >= 2 ? LowByte(c[0]) : 0;
    const uint32_t green = c.size() >= 3 ? LowByte(c[1]) : 0;
    return red | green << 8 | LowByte(c.back()) << 16;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const uint8_t red = provider.ConsumeIntegral<uint8_t>();
    const uint8_t green = provider.ConsumeIntegral<uint8_t>();
    const uint8_t blue = provider.ConsumeIntegral<uint8_t>();
    const CText wellFormed(std::to_string(red) + "|" + std::to_string(green) + "|" + std::to_string(blue));
    Require(TextToColor(wellFormed.c_str()) == (uint32_t{red} | uint32_t{green} << 8 | uint32_t{blue} << 16), "r|g|b gives those bytes");

    const CText text(provider.ConsumeRemainingBytesAsString());
    const uint32_t color = TextToColor(text.c_str());
    Require((color >> 24) == 0, "the top byte is 0");
    Require(color == TextToColor(CText(text.view().substr(0, 11)).c_str()), "only eleven characters count");
    Require(color == Expected(text.view()), "each component is the low byte of its first three characters");
    return 0;
}
