// Fuzzes the integer writer with any value and any radix, in a buffer of exactly
// INT_TEXT_MAX characters. The text must read back to the value: through TextToInt in
// radix 10, through strtoll in the others (an unknown radix writes decimal).
#include "host/values.h"

#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int32_t value = provider.ConsumeIntegral<int32_t>();
    const int radix = provider.ConsumeBool() ? provider.ConsumeIntegralInRange<int>(2, 36)
                                             : provider.ConsumeIntegral<int>();
    const auto buffer = std::make_unique<char[]>(INT_TEXT_MAX);
    IntToText(value, buffer.get(), radix);

    const std::size_t length = strnlen(buffer.get(), INT_TEXT_MAX);
    Require(length > 0 && length < INT_TEXT_MAX, "the text and its terminator fit the buffer");
    const int used = (radix >= 2 && radix <= 36) ? radix : 10;
    const char* digits = buffer[0] == '-' ? buffer.get() + 1 : buffer.get();
    Require((buffer[0] == '-') == (value < 0), "a sign exactly for a negative value");
    Require(digits[0] != '0' || digits[1] == '\0', "no leading zeros");
    for (const char* p = digits; *p != '\0'; ++p) {
        const int digit = (*p >= '0' && *p <= '9') ? *p - '0' : (*p >= 'A' && *p <= 'Z') ? *p - 'A' + 10 : 99;
        Require(digit < used, "only digits of the radix, letters in upper case");
    }
    if (used == 10) {
        Require(TextToInt(buffer.get()) == value, "decimal text reads back through TextToInt");
    } else {
        char* end = nullptr;
        errno = 0;
        const long long back = std::strtoll(buffer.get(), &end, used);
        Require(errno == 0 && *end == '\0' && back == value, "the text reads back through strtoll");
    }
    return 0;
}
