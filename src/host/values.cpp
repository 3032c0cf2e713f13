#include "values.h"

#include <cerrno>
#include <cstdlib>
#include <type_traits>

namespace {

const char g_szDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Writes the digits of the value at the end of the scratch area and gives where they
// start. Decimal, by far the most common radix, comes as a constant the compiler
// divides by without a division instruction.
template <class Radix>
int PutDigits(uint32_t value, Radix radix, char (&scratch)[INT_TEXT_MAX])
{
    int start = INT_TEXT_MAX;
    do {
        scratch[--start] = g_szDigits[value % radix];
        value /= radix;
    } while (value != 0);
    return start;
}

} // namespace

int32_t TextToInt(const char* pszText)
{
    if (pszText == nullptr) return 0;
    const char* p = pszText;
    while (*p == ' ') ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
    }
    uint32_t value = 0;
    for (; IsDigit(*p); ++p) value = value * 10u + static_cast<uint32_t>(*p - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

uint32_t TextToColor(const char* pszText)
{
    if (pszText == nullptr) pszText = "";
    NumberField component;
    int32_t red = 0;
    int32_t green = 0;
    int number = 0;
    if (pszText[0] != '\0') {
        component.Append(pszText[0]);
        for (int p = 1; p <= 10 && pszText[p] != '\0'; ++p) {
            const char ch = pszText[p];
            if (IsDigit(ch)) {
                component.Append(ch);
            } else if (ch == '|') {
                if (number == 0) red = component.Value();
                if (number == 1) green = component.Value();
                component.Clear();
                ++number;
            } else {
                break;
            }
        }
    }
    const int32_t blue = component.Value();
    return (static_cast<uint32_t>(red) & 0xFF) | (static_cast<uint32_t>(green) & 0xFF) << 8 |
           (static_cast<uint32_t>(blue) & 0xFF) << 16;
}

int IntToText(int32_t nValue, char* pszDest, int nRadix)
{
    if (nRadix < 2 || nRadix > 36) nRadix = 10;
    if (nValue == INT32_MIN && nRadix == 10) {
        const char text[] = "-2147483648";
        for (int i = 0; i < static_cast<int>(sizeof text); ++i) pszDest[i] = text[i];
        return static_cast<int>(sizeof text) - 1;
    }
    char* out = pszDest;
    uint32_t value = static_cast<uint32_t>(nValue);
    if (nValue < 0) {
        *out++ = '-';
        value = 0u - value;
    }
    char scratch[INT_TEXT_MAX];
    int start = nRadix == 10 ? PutDigits(value, std::integral_constant<uint32_t, 10>(), scratch)
                             : PutDigits(value, static_cast<uint32_t>(nRadix), scratch);
    while (start < INT_TEXT_MAX) *out++ = scratch[start++];
    *out = '\0';
    return static_cast<int>(out - pszDest);
}

int ParseVersionNumber(const char* pszText, int nFallback)
{
    const int saved = errno;
    errno = 0;
    const long value = std::strtol(pszText, nullptr, 10);
    const int error = errno;
    errno = saved;
    if (error == ERANGE || error == EINVAL) return nFallback;
    if (value > INT32_MAX || value < INT32_MIN) return nFallback; // where long is wider than 32 bits
    return static_cast<int>(value);
}
