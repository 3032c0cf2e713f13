// The arithmetic behind rtFontSizing and rtIndent.
#include "richtext/format_steps.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using richtext::GrowsFont;
using richtext::ShiftedIndent;
using richtext::SteppedFontHeight;

TEST(FontSteps, OnlyTheOnePlusSignGrows)
{
    EXPECT_TRUE(GrowsFont("+"));
    for (const char* text : {"-", "++", "", " +", "+ ", "+1", "plus"}) EXPECT_FALSE(GrowsFont(text)) << text;
    EXPECT_FALSE(GrowsFont(nullptr));
}

TEST(FontSteps, StepsAreAQuarterCutTowardZero)
{
    struct Case {
        int height;
        bool grow;
        int expected;
    };
    const Case cases[] = {{220, true, 275}, {220, false, 176}, {190, true, 237}, {237, false, 189},
                          {1, true, 1},     {1, false, 0},     {0, true, 0},     {-190, true, -237}};
    for (const Case& c : cases) EXPECT_EQ(c.expected, SteppedFontHeight(c.height, c.grow)) << c.height;
}

TEST(FontSteps, AHeightBeyondTheRangeStaysAtItsEdge)
{
    EXPECT_EQ(INT_MAX, SteppedFontHeight(INT_MAX, true));
    EXPECT_EQ(INT_MIN, SteppedFontHeight(INT_MIN, true));
}

TEST(IndentSteps, TheSumNeverGoesBelowZeroNorWrapsAround)
{
    EXPECT_EQ(0, ShiftedIndent(720, -10000));
    EXPECT_EQ(1080, ShiftedIndent(720, 360));
    EXPECT_EQ(0, ShiftedIndent(720, -720));
    EXPECT_EQ(INT_MAX, ShiftedIndent(720, INT_MAX));
    EXPECT_EQ(0, ShiftedIndent(INT_MIN, -1));
}

} // namespace
