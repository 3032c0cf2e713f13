// Character formatting: the toggles, colours, defaults and font sizing, read back from
// the real control.
#include "richtext_fixture.h"

namespace {

using richtext_test::Range;
using richtext_test::RichText;

HWND none() { return nullptr; }

TEST_F(RichText, BoldOnAWhollyBoldSelectionRemovesItAndKeepsTheSelection)
{
    HWND rich = createWith("Hello bold world");
    CHARFORMAT2A bold{};
    bold.dwMask = CFM_BOLD;
    bold.dwEffects = CFE_BOLD;
    setFormat(rich, 6, 10, bold);
    select(rich, 6, 10);
    const zub::Result r = host.call("rtBold", rich);
    EXPECT_EQ(1, r.integer);
    EXPECT_TRUE(lacks(formatOf(rich, 6, 10), CFE_BOLD));
    EXPECT_EQ((Range{6, 10}), selection(rich));
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichText, ToggleOnAPartlyFormattedSelectionSwitchesItOnForAll)
{
    struct Case { const char* command; DWORD effect; };
    for (const Case& c : {Case{"rtBold", CFE_BOLD}, Case{"rtItalic", CFE_ITALIC}, Case{"rtUnderline", CFE_UNDERLINE}}) {
        SCOPED_TRACE(c.command);
        HWND rich = createWith("half and half");
        CHARFORMAT2A part{};
        part.dwMask = c.effect;
        part.dwEffects = c.effect;
        setFormat(rich, 0, 4, part);
        select(rich, 0, 8);
        EXPECT_EQ(1, host.call(c.command, rich).integer);
        EXPECT_TRUE(has(formatOf(rich, 0, 8), c.effect));
        EXPECT_TRUE(lacks(formatOf(rich, 9, 13), c.effect)); // outside the selection: untouched
        EXPECT_EQ((Range{0, 8}), selection(rich));
        // A second call finds the whole selection formatted and switches it off again.
        host.call(c.command, rich);
        EXPECT_TRUE(lacks(formatOf(rich, 0, 8), c.effect));
        DestroyWindow(rich);
    }
}

TEST_F(RichText, ToggleOnAPlainSelectionSwitchesItOn)
{
    HWND rich = createWith("plain text");
    select(rich, 2, 7);
    host.call("rtItalic", rich);
    EXPECT_TRUE(has(formatOf(rich, 2, 7), CFE_ITALIC));
    EXPECT_TRUE(lacks(formatOf(rich, 0, 2), CFE_ITALIC));
}

TEST_F(RichText, ColourOnAnEmptySelectionColoursAndSelectsTheWholeText)
{
    HWND rich = createWith("all of it");
    select(rich, 3, 3);
    EXPECT_EQ(1, host.call("rtSetTextColor", rich, "0|128|255").integer);
    const Range all = selection(rich);
    EXPECT_EQ(0, all.min);
    EXPECT_GE(all.max, 9);
    const CHARFORMAT2A format = formatOf(rich, 0, 9);
    ASSERT_NE(0u, format.dwMask & CFM_COLOR);
    EXPECT_EQ(0u, format.dwEffects & CFE_AUTOCOLOR);
    EXPECT_EQ(RGB(0, 128, 255), format.crTextColor);
}

TEST_F(RichText, ColourOnASelectionColoursOnlyIt)
{
    HWND rich = createWith("red and plain");
    select(rich, 0, 3);
    host.call("rtSetTextColor", rich, "255|0|0");
    host.call("rtSetTextBackColor", rich, "255|255|0");
    const CHARFORMAT2A red = formatOf(rich, 0, 3);
    EXPECT_EQ(RGB(255, 0, 0), red.crTextColor);
    EXPECT_EQ(RGB(255, 255, 0), red.crBackColor);
    EXPECT_EQ((Range{0, 3}), selection(rich));
    EXPECT_NE(RGB(255, 0, 0), formatOf(rich, 8, 13).crTextColor);
}

TEST_F(RichText, DefaultsGiveAllTextElevenPointsInBlackWithTheDefaultBoldState)
{
    HWND rich = createWith("some text");
    CHARFORMAT2A big{};
    big.dwMask = CFM_SIZE | CFM_COLOR;
    big.yHeight = 400;
    big.crTextColor = RGB(0, 0, 255);
    setFormat(rich, 0, 4, big);
    CHARFORMAT2A defaults{};
    defaults.cbSize = sizeof defaults;
    SendMessageA(rich, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaults));

    EXPECT_EQ(1, host.call("rtSetDefaults", rich).integer);
    const CHARFORMAT2A all = formatOf(rich, 0, 9);
    ASSERT_NE(0u, all.dwMask & CFM_SIZE);
    EXPECT_EQ(220, all.yHeight);
    EXPECT_EQ((defaults.dwEffects & CFE_BOLD) != 0, (all.dwEffects & CFE_BOLD) != 0);
    if ((all.dwEffects & CFE_AUTOCOLOR) == 0) {
        EXPECT_EQ(RGB(0, 0, 0), all.crTextColor);
    }
}

TEST_F(RichText, FontSizingStepsByAQuarterAndReportsTheNewHeight)
{
    struct Case { int from; const char* direction; int expected; };
    const Case cases[] = {{220, "+", 275}, {220, "-", 176}, {190, "+", 237}, {237, "-", 189},
                          {220, "++", 176}, {220, "", 176}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " " + c.direction);
        HWND rich = createWith("size me");
        CHARFORMAT2A size{};
        size.dwMask = CFM_SIZE;
        size.yHeight = c.from;
        setFormat(rich, 0, 7, size);
        select(rich, 0, 7);
        const zub::Result r = host.call("rtFontSizing", rich, c.direction);
        EXPECT_EQ(c.expected, r.integer);
        EXPECT_EQ(c.expected, formatOf(rich, 0, 7).yHeight);
        DestroyWindow(rich);
    }
}

TEST_F(RichText, CommandsOnAHandleThatIsNoWindowStillDeliverTheirResult)
{
    for (const char* command : {"rtBold", "rtItalic", "rtUnderline", "rtSetDefaults"}) {
        EXPECT_EQ(1, host.call(command, none()).integer) << command;
    }
    EXPECT_EQ(1, host.call("rtSetTextColor", none(), "1|2|3").integer);
    EXPECT_EQ(0, host.call("rtFontSizing", none(), "+").integer);
    EXPECT_TRUE(notes.empty());
}

} // namespace
