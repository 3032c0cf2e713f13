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

TEST(FormatMask, HandsBackTheTextWhatToWriteTheCaretAndTheLengthToRemember)
{
    constexpr long long kUnchecked = -1; // the caret goes unused, or the box clamps it
    struct {
        const char* what;
        const char* text; uint32_t caret; uint32_t prev; const char* mask; bool numeric;
        const char* result; Write write; long long caretAfter; uint32_t prevAfter;
    } cases[] = {
        {"an empty box is left alone and the remembered length kept",
         "", 0, 7, "(###)", false, "", Write::Nothing, kUnchecked, 7},
        {"the same in numeric mode", "", 0, 7, "(###)", true, "", Write::Nothing, kUnchecked, 7},
        {"deleting at the end returns the text as read and remembers its length",
         "(555) ", 6, 7, "(###) ###-####", false, "(555) ", Write::Nothing, kUnchecked, 6},
        {"the shorter text is not formatted in numeric mode either",
         "1,234.5", 7, 8, "#,###.##", true, "1,234.5", Write::Nothing, kUnchecked, 7},
        // Backspace after the "3" of "12/31/": the field ends at the caret.
        {"deleting in the middle is formatted and cut at the caret, the caret one past the end",
         "12/1/", 3, 6, "##/##/####", false, "12/", Write::Pattern, 4, 3},
        // "5" typed into an empty "(###)": the "(" goes in front, the caret is preset to
        // the mask length and moves on once for the literal the text now carries.
        {"inserted literals move the caret past the end",
         "5", 1, 0, "(###)", false, "(5", Write::Pattern, 6, 2},
        {"numeric mode never changes the remembered length",
         "123", 3, 1, "#,###.##", true, "1.23", Write::Numeric, 4, 1},
        // The box reports an index like this when its caret is not where GetCaretPos looked.
        {"a caret far beyond the text keeps the whole text",
         "123", 0xFFFF, 0, "###-###", false, "123-", Write::Pattern, 0xFFFF, 4},
        {"an empty mask clears the box and forgets the length",
         "abc", 3, 2, "", false, "", Write::Pattern, kUnchecked, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MaskOutcome out = format(c.text, c.caret, c.prev, c.mask, c.numeric);
        EXPECT_EQ(c.result, out.result);
        EXPECT_EQ(c.write, out.write);
        if (c.caretAfter != kUnchecked) EXPECT_EQ(static_cast<uint64_t>(c.caretAfter), out.caret);
        EXPECT_EQ(c.prevAfter, out.prevTextLen);
    }
}

TEST(FormatMask, ACaretAtTheStartCutsTheWholeText)
{
    EXPECT_EQ("(", format("5", 0, 0, "(###)").result);
    EXPECT_EQ("", format("55", 0, 0, "##").result);
    EXPECT_EQ("", format("55", 0, 0, "##", true).result);
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
