// ebMaskClean on a real edit box: the value behind a formatted text, in every mode.
#include "mask_typing.h"

namespace {

class EbMaskClean : public masks_test::MaskTyping {
protected:
    HWND box = newBox();

    std::string clean(const char* maskText, const char* text, int mode)
    {
        setText(box, text);
        const zub::Result r = host.call("ebMaskClean", box, maskText, mode);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(2, r.type);
        EXPECT_EQ(text, zub::windowText(box)) << "the box is never written";
        return r.text;
    }
};

TEST_F(EbMaskClean, EveryModeOnTheFormattedTexts)
{
    struct {
        const char* mask;
        const char* text;
        const char* modes[5];
    } cases[] = {
        {"(###) ###-####", "(555) 123-45", {"(555) 123-45", "55512345", "55512345", "(555) 12345", "555123-45"}},
        {"##/##/####", "12/31/2024", {"12/31/2024", "12312024", "12312024", "12312024", "12/31/2024"}},
        {"#.##", "3.50", {"3.50", "3.50", "350", "350", "3.50"}},
    };
    for (const auto& c : cases) {
        for (int mode = 0; mode <= 4; ++mode) {
            EXPECT_EQ(c.modes[mode], clean(c.mask, c.text, mode)) << c.mask << " over " << c.text << ", mode " << mode;
        }
    }
}

TEST_F(EbMaskClean, EdgeCases)
{
    struct { const char* mask; const char* text; int mode; const char* result; } cases[] = {
        {"##/##/####", "12/3", 3, "123"},          // a text shorter than the mask
        {"(###) ###-####", "(555", 2, "555"},
        {"#,###.##", "1,234.56", 1, "1234.56"},    // "." is kept, "," is not
        {"##/##", "12-34", 4, "12-34"},            // separators stay whatever the mask has there
        {"##/##", "12-34", 2, "1234"},
        {"&&&", "a b", 2, "a b"},                  // inner spaces stay
        {"&&&", "ab ", 2, "ab"},                   // a trailing one goes
        {"&&&", "ab ", 0, "ab "},                  // but not in mode 0
        {"&&&&&", "a \t\f\v", 2, "a"},              // tab, form feed, vertical tab: white space too
        {"##/##/####", "12/31/2024", 5, ""},       // unknown modes keep nothing
        {"##/##/####", "12/31/2024", -1, ""},
        {"", "12/31", 1, ""},                      // an empty mask walks nothing
        {"", "12/31", 0, "12/31"},
        {"##", "12345", 2, "12"},                  // beyond the mask: ignored
        {"(###)", "", 2, ""},
        {"(###)", "", 0, ""},
        {"AAA", "a1-", 2, "a1-"},                  // taken characters are not tested against the mask
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, clean(c.mask, c.text, c.mode)) << c.mask << " over " << c.text << ", mode " << c.mode;
    }
}

TEST_F(EbMaskClean, WithoutAModeTheHostsLeftOverValueDecides)
{
    setText(box, "(555) 123");
    // The host stand-in leaves 0 in the cell of an omitted argument: the whole text.
    EXPECT_EQ("(555) 123", host.call("ebMaskClean", box, "(###) ###-####").text);
    EXPECT_EQ("555123",
              host.callArgs("ebMaskClean", {zub::Arg(box), zub::Arg("(###) ###-####"), zub::Arg::omitted(2)}).text);
}

TEST_F(EbMaskClean, RemovesTheSelectionAndLeavesTheTextAlone)
{
    setText(box, "12/31/2024");
    select(box, 2, 6);
    EXPECT_EQ("12312024", host.call("ebMaskClean", box, "##/##/####", 1).text);
    DWORD start = 0, end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
    EXPECT_EQ("12/31/2024", zub::windowText(box));
}

TEST_F(EbMaskClean, ATextLongerThanTheBufferIsReadAsItsFirst499Characters)
{
    const std::string text(700, '7');
    setText(box, text.c_str());
    EXPECT_EQ(std::string(499, '7'), host.call("ebMaskClean", box, "", 0).text);
    EXPECT_EQ(std::string(499, '7'), host.call("ebMaskClean", box, std::string(800, '#'), 2).text);
}

} // namespace
