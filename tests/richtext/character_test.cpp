// Character formatting: the toggles, the colours, the default format, font sizes.
#include "richtext_fixture.h"

namespace {

using richtext_test::Range;
using richtext_test::RichText;

struct Toggle {
    const char* command;
    DWORD effect;
};
const Toggle kToggles[] = {{"rtBold", CFE_BOLD}, {"rtItalic", CFE_ITALIC}, {"rtUnderline", CFE_UNDERLINE}};

CHARFORMAT2A withEffect(DWORD effect)
{
    CHARFORMAT2A format{};
    format.dwMask = effect;
    format.dwEffects = effect;
    return format;
}

TEST_F(RichText, ToggleSwitchesAPlainSelectionOnAndKeepsTheSelection)
{
    for (const Toggle& t : kToggles) {
        HWND rich = createWith("one two three");
        select(rich, 4, 7);
        const zub::Result r = host.call(t.command, rich);
        EXPECT_EQ(1, r.integer) << t.command;
        EXPECT_EQ((Range{4, 7}), selection(rich)) << t.command;
        EXPECT_EQ("----+++------", effectByCharacter(rich, t.effect)) << t.command;
        EXPECT_EQ(rich, GetFocus()) << t.command;
        DestroyWindow(rich);
    }
}

TEST_F(RichText, ToggleSwitchesAFullyFormattedSelectionOff)
{
    for (const Toggle& t : kToggles) {
        HWND rich = createWith("one two three");
        setFormat(rich, 0, 13, withEffect(t.effect));
        select(rich, 4, 7);
        EXPECT_EQ(1, host.call(t.command, rich).integer) << t.command;
        EXPECT_EQ((Range{4, 7}), selection(rich)) << t.command;
        EXPECT_EQ("++++---++++++", effectByCharacter(rich, t.effect)) << t.command;
        DestroyWindow(rich);
    }
}

TEST_F(RichText, ToggleSwitchesAPartlyFormattedSelectionOnAsAWhole)
{
    for (const Toggle& t : kToggles) {
        HWND rich = createWith("one two three");
        setFormat(rich, 0, 5, withEffect(t.effect));
        select(rich, 2, 9);   // formatted 2..5, plain 5..9
        host.call(t.command, rich);
        EXPECT_EQ((Range{2, 9}), selection(rich)) << t.command;
        EXPECT_EQ("+++++++++----", effectByCharacter(rich, t.effect)) << t.command;

        // A second call finds it all formatted and switches it off again.
        host.call(t.command, rich);
        EXPECT_EQ("++-----------", effectByCharacter(rich, t.effect)) << t.command;
        DestroyWindow(rich);
    }
}

TEST_F(RichText, ToggleOnTheCaretFormatsTheTextTypedNext)
{
    for (const Toggle& t : kToggles) {
        HWND rich = createWith("one two");
        select(rich, 3, 3);
        host.call(t.command, rich);
        EXPECT_EQ((Range{3, 3}), selection(rich)) << t.command;
        SendMessageA(rich, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XY"));
        EXPECT_EQ("oneXY two", zub::windowText(rich)) << t.command;
        EXPECT_EQ("---++----", effectByCharacter(rich, t.effect)) << t.command;
        DestroyWindow(rich);
    }
}

TEST_F(RichText, ToggleChangesOnlyItsOwnAttribute)
{
    HWND rich = createWith("one two three");
    setFormat(rich, 0, 13, withEffect(CFE_ITALIC));
    select(rich, 0, 3);
    host.call("rtBold", rich);
    const CHARFORMAT2A format = formatOf(rich, 0, 3);
    EXPECT_TRUE(has(format, CFE_BOLD));
    EXPECT_TRUE(has(format, CFE_ITALIC));
    EXPECT_TRUE(lacks(format, CFE_UNDERLINE));
}

struct ColorCommand {
    const char* command;
    COLORREF CHARFORMAT2A::*field;
    DWORD autoEffect;
};
const ColorCommand kColorCommands[] = {
    {"rtSetTextColor", &CHARFORMAT2A::crTextColor, CFE_AUTOCOLOR},
    {"rtSetTextBackColor", &CHARFORMAT2A::crBackColor, CFE_AUTOBACKCOLOR},
};

TEST_F(RichText, ColorWithNoSelectionColoursTheWholeTextAndLeavesItSelected)
{
    for (const ColorCommand& c : kColorCommands) {
        HWND rich = createWith("first line\rsecond line");
        select(rich, 4, 4);
        const zub::Result r = host.call(c.command, rich, "255|128|0");
        EXPECT_EQ(1, r.integer) << c.command;

        const Range whole = selection(rich);
        EXPECT_EQ(0, whole.min) << c.command;
        EXPECT_GE(whole.max, GetWindowTextLengthA(rich) - 1) << c.command;   // CR LF counts 2 here
        const CHARFORMAT2A format = selectionFormat(rich);
        EXPECT_TRUE(lacks(format, c.autoEffect)) << c.command;   // the given colour shows
        EXPECT_EQ(RGB(255, 128, 0), format.*c.field) << c.command;
        EXPECT_EQ(rich, GetFocus()) << c.command;
        DestroyWindow(rich);
    }
}

TEST_F(RichText, ColorWithASelectionColoursOnlyThatAndKeepsIt)
{
    for (const ColorCommand& c : kColorCommands) {
        HWND rich = createWith("one two three");
        select(rich, 4, 7);
        host.call(c.command, rich, "0|0|255");
        EXPECT_EQ((Range{4, 7}), selection(rich)) << c.command;
        const CHARFORMAT2A inside = formatOf(rich, 4, 7);
        EXPECT_TRUE(lacks(inside, c.autoEffect)) << c.command;
        EXPECT_EQ(RGB(0, 0, 255), inside.*c.field) << c.command;
        EXPECT_TRUE(has(formatOf(rich, 0, 4), c.autoEffect)) << c.command;
        EXPECT_TRUE(has(formatOf(rich, 7, 13), c.autoEffect)) << c.command;
        DestroyWindow(rich);
    }
}

TEST_F(RichText, SetDefaultsGivesAllTextElevenPointsBlackAndTheDefaultBoldState)
{
    HWND rich = createWith("one two three");
    CHARFORMAT2A loud{};
    loud.dwMask = CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC;
    loud.yHeight = 400;
    loud.crTextColor = RGB(255, 0, 0);
    loud.dwEffects = CFE_ITALIC;   // plain, italic, red
    setFormat(rich, 4, 7, loud);
    setFormat(rich, 8, 13, withEffect(CFE_BOLD));
    select(rich, 2, 5);

    CHARFORMAT2A defaults{};
    defaults.cbSize = sizeof defaults;
    SendMessageA(rich, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaults));

    EXPECT_EQ(1, host.call("rtSetDefaults", rich).integer);
    const CHARFORMAT2A all = formatOf(rich, 0, 13);
    EXPECT_EQ(220, all.yHeight);
    EXPECT_TRUE(all.dwMask & CFM_SIZE);
    EXPECT_TRUE(all.dwMask & CFM_BOLD);
    EXPECT_EQ(defaults.dwEffects & CFE_BOLD, all.dwEffects & CFE_BOLD);
    // The colour is black, or automatic when the default format says so.
    EXPECT_TRUE(all.dwMask & CFM_COLOR);
    if (defaults.dwEffects & CFE_AUTOCOLOR) {
        EXPECT_TRUE(all.dwEffects & CFE_AUTOCOLOR);
    } else {
        EXPECT_EQ(RGB(0, 0, 0), all.crTextColor);
    }
    // Attributes outside bold, colour and size stay as they were.
    EXPECT_TRUE(has(formatOf(rich, 4, 7), CFE_ITALIC));
    EXPECT_TRUE(lacks(formatOf(rich, 0, 4), CFE_ITALIC));
    EXPECT_EQ((Range{2, 5}), selection(rich));
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichText, FontSizingStepsByAQuarterCutTowardZero)
{
    struct Case {
        LONG height;
        const char* direction;
        LONG expected;
    };
    const Case cases[] = {
        {220, "+", 275}, {220, "-", 176}, {190, "+", 237}, {237, "-", 189},
        {220, "++", 176}, {220, "", 176}, {220, " +", 176}, {220, "+ ", 176}, {220, "grow", 176},
    };
    HWND rich = createWith("one two three");
    for (const Case& c : cases) {
        CHARFORMAT2A size{};
        size.dwMask = CFM_SIZE;
        size.yHeight = c.height;
        setFormat(rich, 0, 13, size);
        select(rich, 4, 7);
        const zub::Result r = host.call("rtFontSizing", rich, c.direction);
        EXPECT_EQ(c.expected, r.integer) << c.height << " '" << c.direction << "'";
        EXPECT_EQ(c.expected, formatOf(rich, 4, 7).yHeight) << c.height << " '" << c.direction << "'";
        EXPECT_EQ(c.height, formatOf(rich, 0, 3).yHeight) << "outside the selection";
        EXPECT_EQ((Range{4, 7}), selection(rich));
    }
}

} // namespace
