#include "host/values.h"

#include <climits>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TextToInt, ReadsSpacesSignAndDigitsAndStopsAtTheFirstOtherCharacter)
{
    struct { const char* text; int32_t expected; } cases[] = {
        {"  42", 42}, {"-7x", -7}, {"+-3", 0}, {"4294967297", 1}, {"", 0}, {"-", 0}, {"abc", 0},
        {"\t5", 0}, {"+12", 12}, {"2147483648", INT_MIN}, {"007", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, TextToInt(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, TextToInt(nullptr));
}

TEST(TextToColor, ReadsRedGreenBlueAndReducesEachToEightBits)
{
    struct { const char* text; uint32_t expected; } cases[] = {
        {"255|255|255", 0x00FFFFFF},
        {"0|0|255", 0x00FF0000},
        {"", 0},
        {"-1|0|0", 0x000000FF},
        {"300|0|0", 44},
        {"255|128|0", 0x000080FF},
        {"128", 0x00800000},          // a single number is blue
        {"1|2|3|4", 0x00040201},      // the last component read is blue
        {"255| 0|0", 0x000000FF},     // a blank ends the scan
        {" 12|0|0", 12},              // a leading blank is harmless
        {"255|255|2550", 0x00FFFFFF}, // only eleven characters are examined
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, TextToColor(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0u, TextToColor(nullptr));
}

TEST(TextToColor, KeepsTheFirstThreeCharactersOfALongerComponent)
{
    EXPECT_EQ(100u, TextToColor("1000|0|0"));
    EXPECT_EQ(0x00E70000u, TextToColor("99999")); // "999": 999 mod 256 = 0xE7
}

std::string text(int32_t value, int radix = 10)
{
    char buffer[INT_TEXT_MAX];
    const int length = IntToText(value, buffer, radix);
    EXPECT_EQ(std::strlen(buffer), static_cast<size_t>(length));
    return buffer;
}

TEST(IntToText, WritesDecimalWithSign)
{
    EXPECT_EQ("0", text(0));
    EXPECT_EQ("-1", text(-1));
    EXPECT_EQ("2147483647", text(INT_MAX));
    EXPECT_EQ("-2147483648", text(INT_MIN));
    EXPECT_EQ("1020", text(1020));
}

TEST(IntToText, OtherRadixesFitTheBuffer)
{
    EXPECT_EQ("FF", text(255, 16));
    EXPECT_EQ("-10000000000000000000000000000000", text(INT_MIN, 2));
}

TEST(ParseVersionNumber, TakesTheLeadingNumberOrFallsBack)
{
    EXPECT_EQ(44001, ParseVersionNumber("44001", 10001));
    EXPECT_EQ(4, ParseVersionNumber("4.4.0.1", 10001));
    EXPECT_EQ(10001, ParseVersionNumber("99999999999999", 10001));
    EXPECT_EQ(-12, ParseVersionNumber("  -12", 10001));
}

} // namespace
