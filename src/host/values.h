// Small parsers and formatters shared by many commands. Pure: no window calls.
#pragma once

#include <cstdint>

// Decimal text to integer: leading spaces, an optional sign, digits; wraps around.
int32_t TextToInt(const char* pszText);

// One number of a separated list as a parser collects it (a colour component, an
// address group): the first three characters are kept, any further ones dropped, and
// the value is what TextToInt reads from them.
class NumberField {
public:
    void Append(char ch)
    {
        if (m_nLength < 3) m_szText[m_nLength++] = ch;
    }
    void Clear() { *this = NumberField(); }
    int32_t Value() const { return TextToInt(m_szText); }

private:
    char m_szText[4] = {};
    int m_nLength = 0;
};

// Colour text "red|green|blue" to a COLORREF value (red in the low byte).
uint32_t TextToColor(const char* pszText);

// Longest text IntToText writes, terminator included (radix 2: sign and 32 digits).
constexpr int INT_TEXT_MAX = 34;

// Integer to text in the given radix (2 to 36) into a buffer of INT_TEXT_MAX characters;
// gives the text's length.
int IntToText(int32_t nValue, char* pszDest, int nRadix);

// The runtime's signed decimal conversion of a version text: the number, or
// nFallback when the text is out of range or not a number at all.
int ParseVersionNumber(const char* pszText, int nFallback);
