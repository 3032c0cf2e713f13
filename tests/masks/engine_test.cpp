// The mask engine on its own: classes, fitting, trimming, the numeric layout, and
// what one formatting call hands back (caret before the box clamps it, whether the
// box is written, the length remembered for the next call).
#include "masks/mask_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace mask;

TEST(ClassifyMaskChar, PlaceholdersAndSeparatorsAreExactlyTheirCharacters)
{
    struct { const char* mask; int cls; bool separator; } cases[] = {
        {"#", Digit, false}, {"?", Alnum, false}, {"A", Alpha, false}, {"U", Upper, false},
        {"L", Lower, false}, {"&", Any, false},   {".", Dot, true},    {",", Comma, true},
        {":", Colon, true},  {"/", Slash, true},  {"-", Dash, true},
        // Case matters, and anything else is a plain literal.
        {"a", None, false},  {"u", None, false},  {"l", None, false},  {" ", None, false},
        {"(", None, false},  {"", None, false},   {"##", None, false}, {"$", None, false},
    };
    for (const auto& c : cases) {
        bool separator = !c.separator;
        EXPECT_EQ(c.cls, ClassifyMaskChar(c.mask, &separator)) << '"' << c.mask << '"';
        EXPECT_EQ(c.separator, separator) << '"' << c.mask << '"';
    }
}

TEST(ClassifyTextChar, SortsByAsciiRangeOnly)
{
    struct { char text; int cls; bool separator; } cases[] = {
        {'-', Dash, true},    {'.', Dot, true},     {',', Comma, true},  {':', Colon, true},
        {'/', Slash, true},   {'0', Digit, false},  {'9', Digit, false}, {'A', Upper, false},
        {'Z', Upper, false},  {'a', Lower, false},  {'z', Lower, false}, {'\t', None, false},
        {' ', None, false},   {'#', None, false},   {'@', None, false},  {'[', None, false},
        {static_cast<char>(233), None, false},      {static_cast<char>(128), None, false},
        {'\0', None, false},
    };
    for (const auto& c : cases) {
        bool separator = !c.separator;
        EXPECT_EQ(c.cls, ClassifyTextChar(c.text, &separator)) << static_cast<int>(static_cast<unsigned char>(c.text));
        EXPECT_EQ(c.separator, separator) << static_cast<int>(static_cast<unsigned char>(c.text));
    }
}

TEST(FitTextChar, AcceptsRejectsAndConvertsCase)
{
    struct { const char* mask; char text; const char* fitted; } cases[] = {
        {"U", 'q', "Q"}, {"L", 'Q', "q"}, {"U", 'Q', "Q"}, {"U", '7', ""}, {"L", '-', ""},
        {"#", '.', ""},  {"#", '5', "5"}, {"#", 'x', ""},  {"&", '.', "."}, {"&", ' ', " "},
        {"?", 'x', "x"}, {"?", '3', "3"}, {"?", '!', ""},  {"A", 'b', "b"}, {"A", 'B', "B"},
        {"A", '1', ""},  {"(", '!', "!"}, {"-", 'x', "x"}, {"a", '7', "7"},
        {"U", static_cast<char>(233), ""}, // no case conversion outside ASCII, and no letter either
    };
    for (const auto& c : cases) {
        const int maskClass = ClassifyMaskChar(c.mask);
        EXPECT_EQ(c.fitted, FitTextChar(maskClass, ClassifyTextChar(c.text), std::string(1, c.text)))
            << '"' << c.mask << "\" '" << c.text << "'";
    }
}

TEST(TrimTrailingSpace, DropsOnlyTrailingWhiteSpace)
{
    struct { const char* text; const char* trimmed; } cases[] = {
        {"12 \t", "12"}, {" 12", " 12"}, {"   ", ""}, {"", ""}, {"a b", "a b"},
        {"x\n\r\f\v", "x"}, {"(555) ", "(555)"}, {"x\x01", "x\x01"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.trimmed, TrimTrailingSpace(c.text)) << '"' << c.text << '"';
}

TEST(FormatNumber, LaysDigitsInFromTheRight)
{
    struct { const char* text; const char* mask; const char* result; } cases[] = {
        {"1", "#,###.##", "1"},
        {"1,2", "#,###.##", "12"},
        {"123", "#,###.##", "1.23"},
        {"1.23.4", "#,###.##", "12.34"},
        {"123456", "#,###.##", "1,234.56"},
        {"1,234.5", "#,###.##", "123.45"},
        {"123456", "$#,###.##", "1,234.56"}, // the "$" is never reached
        {"1234", "##-##", "134"},            // the 2 falls on the "-" and is not placed
        {"ab", "#,###.##", ""},
        {"", "###", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, FormatNumber(c.text, c.mask)) << c.text << " in " << c.mask;
}

TEST(FormatNumber, DigitsBeyondTheMaskAreIgnored)
{
    EXPECT_EQ("45", FormatNumber("12345", "##"));
    EXPECT_EQ("", FormatNumber("12345", ""));
    EXPECT_EQ("7,890.12", FormatNumber("123456789012", "#,###.##"));
    EXPECT_EQ("2.3", FormatNumber("123", ".#")); // the "." takes a digit, then the "#" has none before it
    EXPECT_EQ("5,", FormatNumber("5", ","));     // a separator at the first position still reads no further
}

MaskOutcome format(const char* text, uint32_t caret, uint32_t prev, const char* maskText, bool numeric = false)
{
    MaskInput in;
    in.text = text;
    in.caret = caret;
    in.prevTextLen = prev;
    in.mask = maskText;
    in.numeric = numeric;
    return FormatMask(in);
}

TEST(FormatMask, AnEmptyBoxIsLeftAloneAndTheRememberedLengthKept)
{
    for (bool numeric : {false, true}) {
        const MaskOutcome out = format("", 0, 7, "(###)", numeric);
        EXPECT_EQ("", out.result);
        EXPECT_EQ(Write::Nothing, out.write);
        EXPECT_EQ(7u, out.prevTextLen);
    }
}

TEST(FormatMask, DeletingAtTheEndReturnsTheTextAsReadAndRemembersItsLength)
{
    const MaskOutcome out = format("(555) ", 6, 7, "(###) ###-####");
    EXPECT_EQ("(555) ", out.result);
    EXPECT_EQ(Write::Nothing, out.write);
    EXPECT_EQ(6u, out.prevTextLen);
    // The same in numeric mode: the shorter text is not formatted either.
    const MaskOutcome numeric = format("1,234.5", 7, 8, "#,###.##", true);
    EXPECT_EQ("1,234.5", numeric.result);
    EXPECT_EQ(Write::Nothing, numeric.write);
    EXPECT_EQ(7u, numeric.prevTextLen);
}

TEST(FormatMask, DeletingInTheMiddleIsFormattedAndCutAtTheCaret)
{
    // Backspace after the "3" of "12/31/": the field ends at the caret.
    const MaskOutcome out = format("12/1/", 3, 6, "##/##/####");
    EXPECT_EQ("12/", out.result);
    EXPECT_EQ(Write::Pattern, out.write);
    EXPECT_EQ(4u, out.caret); // one past the end: the box clamps it
    EXPECT_EQ(3u, out.prevTextLen);
}

TEST(FormatMask, InsertedLiteralsMoveTheCaretPastTheEndForTheBoxToClamp)
{
    // "5" typed into an empty "(###)": the "(" goes in front, the caret is preset to
    // the mask length and moves on once for the literal the text now carries.
    const MaskOutcome out = format("5", 1, 0, "(###)");
    EXPECT_EQ("(5", out.result);
    EXPECT_EQ(6u, out.caret);
    EXPECT_EQ(2u, out.prevTextLen);
}

TEST(FormatMask, NumericModeNeverChangesTheRememberedLength)
{
    const MaskOutcome out = format("123", 3, 1, "#,###.##", true);
    EXPECT_EQ("1.23", out.result);
    EXPECT_EQ(Write::Numeric, out.write);
    EXPECT_EQ(4u, out.caret);
    EXPECT_EQ(1u, out.prevTextLen);
}

TEST(FormatMask, ACaretAtTheStartCutsTheWholeText)
{
    EXPECT_EQ("(", format("5", 0, 0, "(###)").result);
    EXPECT_EQ("", format("55", 0, 0, "##").result);
    EXPECT_EQ("", format("55", 0, 0, "##", true).result);
}

TEST(FormatMask, ACaretFarBeyondTheTextKeepsTheWholeText)
{
    // The box reports an index like this when its caret is not where GetCaretPos looked.
    const MaskOutcome out = format("123", 0xFFFF, 0, "###-###");
    EXPECT_EQ("123-", out.result);
    EXPECT_EQ(0xFFFFu, out.caret);
}

TEST(FormatMask, AnEmptyMaskClearsTheBoxAndForgetsTheLength)
{
    const MaskOutcome out = format("abc", 3, 2, "");
    EXPECT_EQ("", out.result);
    EXPECT_EQ(Write::Pattern, out.write);
    EXPECT_EQ(0u, out.prevTextLen);
}

TEST(FormatMask, ALongTextIsHandledWhole)
{
    const std::string text(5000, '7');
    const std::string maskText(3000, '#');
    MaskInput in;
    in.text = text;
    in.caret = 5000;
    in.mask = maskText;
    EXPECT_EQ(std::string(3000, '7'), FormatMask(in).result);
}

TEST(FormatMask, TrimsWithTheGivenWhiteSpaceSet)
{
    MaskInput in;
    in.text = "123";
    in.caret = 3;
    in.mask = "###_#";
    in.whiteSpace = "_";
    EXPECT_EQ("123", FormatMask(in).result);
}

TEST(CleanMask, LimitsItselfToMaskAndText)
{
    EXPECT_EQ("12", CleanMask("12345", "##", 2));
    EXPECT_EQ("", CleanMask("12345", "", 1));
    EXPECT_EQ("12345", CleanMask("12345", "", 0));
    EXPECT_EQ("", CleanMask("", "###", 3));
    EXPECT_EQ("a  b", CleanMask("a  b  ", "&&&&&&", 2)); // inner spaces stay, trailing ones go
    EXPECT_EQ("", CleanMask("123", "###", 5));
    EXPECT_EQ("", CleanMask("123", "###", -1));
}

} // namespace
