// ebMask keystroke by keystroke on a real edit box: the box's text, its caret and
// the delivered text after every key.
#include "mask_typing.h"

namespace {

using masks_test::Key;
using masks_test::kBackspace;
using masks_test::kPattern;

class EbMask : public masks_test::MaskTyping {
protected:
    HWND box = newBox();
};

TEST_F(EbMask, PhoneMaskInsertsParenthesesSpaceAndDashAsTheUserTypes)
{
    type(box, "(###) ###-####",
         {{'5', "(5"}, {'5', "(55"}, {'5', "(555)"}, {'1', "(555) 1"}, {'2', "(555) 12"}, {'3', "(555) 123-"},
          {'4', "(555) 123-4"}, {'5', "(555) 123-45"}, {'6', "(555) 123-456"}, {'7', "(555) 123-4567"}});
}

TEST_F(EbMask, DateMaskWritesEachSlashAtOnceAndTheFullBoxTakesNoMoreKeys)
{
    type(box, "##/##/####",
         {{'1', "1"}, {'2', "12/"}, {'3', "12/3"}, {'1', "12/31/"}, {'2', "12/31/2"}, {'0', "12/31/20"},
          {'2', "12/31/202"}, {'4', "12/31/2024"}, {'5', "12/31/2024"}});
}

TEST_F(EbMask, TypingTheSlashWhereItAlreadyStandsLeavesTheBoxAsItWas)
{
    type(box, "##/##/####", {{'1', "1"}, {'2', "12/"}, {'/', "12/"}, {'3', "12/3"}});
}

TEST_F(EbMask, CaseMaskConvertsLettersAndTakesAnythingUnderTheAmpersand)
{
    type(box, "UL?\?-&&",
         {{'a', "A"}, {'b', "Ab"}, {'c', "Abc"}, {'1', "Abc1-"}, {'x', "Abc1-x"}, {'!', "Abc1-x!"}});
}

TEST_F(EbMask, CaseMaskConvertsUpperCaseDownAndRejectsWhatIsNoLetter)
{
    type(box, "UL?\?-&&", {{'q', "Q"}, {'W', "Qw"}, {'-', "Qw"}, {'7', "Qw7"}});
}

TEST_F(EbMask, ATrailingSpaceLiteralAppearsOnlyWithTheNextCharacter)
{
    type(box, "### ###", {{'1', "1"}, {'2', "12"}, {'3', "123"}, {'4', "123 4"}, {'5', "123 45"}});
}

TEST_F(EbMask, ARejectedCharacterDisappearsAndTheColonIsWrittenAtOnce)
{
    type(box, "##:##", {{'1', "1"}, {'a', "1:"}, {'2', "1:2"}});
    // That colon stands where the mask has a "#": with the next key it is dropped
    // and the 2, standing under the mask's colon, gives way to it.
    type(box, "##:##", {{'3', "1:3"}});
}

TEST_F(EbMask, BackspaceAtTheEndIsLeftAloneAndTypingInTheMiddleEndsTheField)
{
    type(box, "##/##/####",
         {{'1', "1"}, {'2', "12/"}, {'3', "12/3"}, {'1', "12/31/"},
          {kBackspace, "12/31"}, // left as it is, remembered as length 5
          {kBackspace, "12/3"},
          {'9', "12/39/"}});
    select(box, 1, 1);
    type(box, "##/##/####", {{'7', "17/", 2}}); // the box held "172/39/" before the call
}

TEST_F(EbMask, NumericMaskFillsFromTheRightAndTheFullBoxTakesNoMoreKeys)
{
    type(box, "#,###.##", 1,
         {{'1', "1"}, {'2', "12"}, {'3', "1.23"}, {'4', "12.34"}, {'5', "123.45"}, {'6', "1,234.56"},
          {'7', "1,234.56"}});
}

TEST_F(EbMask, NumericModeTakesAnyNonZeroThirdArgument)
{
    type(box, "#.##", -5, {{'1', "1"}, {'2', "12"}, {'3', "1.23"}});
}

TEST_F(EbMask, BackspaceInNumericModeFormatsTheShorterNumberAgain)
{
    // Numeric calls never change the remembered length, which stays 0 here.
    type(box, "#,###.##", 1,
         {{'1', "1"}, {'2', "12"}, {'3', "1.23"}, {'4', "12.34"}, {'5', "123.45"}, {'6', "1,234.56"},
          {kBackspace, "123.45"}, {kBackspace, "12.34"}});
}

TEST_F(EbMask, AFirstDigitIntoAMaskThatStartsWithALiteralGoesAfterIt)
{
    type(box, "(###)", {{'5', "(5", 2}});
}

TEST_F(EbMask, AFirstKeystrokeThatIsTheLiteralIsWrittenOnce)
{
    type(box, "(###)", {{'(', "(", 1}, {'5', "(5"}});
}

TEST_F(EbMask, TypingTheDashThatWasWrittenAlreadyKeepsIt)
{
    type(box, "##-##", {{'1', "1"}, {'2', "12-"}, {'-', "12-"}, {'3', "12-3"}});
}

TEST_F(EbMask, BackspaceAfterTheSpaceLiteralLeavesTheSpaceUntrimmed)
{
    type(box, "(###) ###-####",
         {{'5', "(5"}, {'5', "(55"}, {'5', "(555)"}, {'1', "(555) 1"}, {kBackspace, "(555) "},
          {kBackspace, "(555)"}, {kBackspace, "(555"}});
}

TEST_F(EbMask, ATextOfTheRememberedLengthIsStillCutAtTheCaretAndFormatted)
{
    type(box, "##/##/####", {{'1', "1"}, {'2', "12/"}, {'3', "12/3"}, {'4', "12/34/"}});
    select(box, 1, 2); // the "2" is selected and typed over: same length as before
    type(box, "##/##/####", {{'9', "19/", 2}});
}

// Text the script put into the box, formatted by the library's first call (each case
// in a freshly loaded library: nothing remembered yet).
struct ScriptText {
    const char* mask;
    const char* text;
    const char* result;
};

class EbMaskOnScriptText : public masks_test::MaskTyping, public testing::WithParamInterface<ScriptText> {};

TEST_P(EbMaskOnScriptText, IsFormattedFromTheStart)
{
    const ScriptText& c = GetParam();
    HWND box = newBox();
    setText(box, c.text);
    expectBox(box, format(box, c.mask), c.result);
}

INSTANTIATE_TEST_SUITE_P(Cases, EbMaskOnScriptText,
                         testing::Values(ScriptText{"###", "123456", "123"},  // beyond the mask: dropped
                                         ScriptText{"(###)", "555", "(55"},   // the first 5 stands on the "("
                                         ScriptText{"##/##", "12/34", "12/34"},
                                         ScriptText{"##/##", "1234", "12/4"}, // the 3 stands on the "/"
                                         ScriptText{"UUU", "a1b2c", "AB"}));  // a rejected character vanishes

TEST_F(EbMask, NumericModeOnScriptSetText)
{
    struct { const char* mask; const char* text; const char* result; } cases[] = {
        {"#,###.##", "ab", ""},              // no digits: the box is cleared
        {"$#,###.##", "123456", "1,234.56"}, // the "$" is never output
        {"##-##", "1234", "134"},            // the 2 lands on the "-" and is not placed
        {"##", "12345", "45"},               // digits beyond the mask are ignored
        {"", "123", ""},                     // so is every digit with an empty mask
        {"#.##", "x1y2z3", "1.23"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " over " + c.text);
        HWND b = newBox(40);
        setText(b, c.text);
        expectBox(b, format(b, c.mask, 1), c.result);
        DestroyWindow(b);
    }
}

TEST_F(EbMask, AnEmptyBoxIsLeftAsItIs)
{
    expectBox(box, format(box, "(###)"), "");
    expectBox(box, format(box, "#,###.##", 1), "");
}

TEST_F(EbMask, TheBoxEmptiedWithBackspaceIsFormattedAgainFromTheFirstKey)
{
    type(box, "(###)", {{'5', "(5"}, {kBackspace, "("}, {kBackspace, ""}, {'5', "(5"}, {'6', "(56"}});
}

TEST_F(EbMask, OverwritingTheWholeTextKeepsTheFirstKeyUnformatted)
{
    type(box, "(###)", {{'5', "(5"}, {'5', "(55"}, {'5', "(555)"}});
    select(box, 0, -1);
    type(box, "(###)", {{'7', "7"}, {'8', "(8"}, {'9', "(89"}});
}

TEST_F(EbMask, TwoPhoneBoxesInOneFormAreEachFormattedAsIfAlone)
{
    const std::string phone = "(###) ###-####";
    HWND work = newBox(40);
    for (char key : std::string("5551234567")) {
        press(box, key);
        format(box, phone);
    }
    for (char key : std::string("5559876543")) {
        press(work, key);
        format(work, phone);
    }
    EXPECT_EQ("(555) 987-6543", zub::windowText(work));
    EXPECT_EQ("(555) 123-4567", zub::windowText(box));
    EXPECT_EQ("5559876543", host.call("ebMaskClean", work, phone, 2).text);
}

TEST_F(EbMask, KeysAlternatingBetweenTwoBoxesFormatEachAsIfAlone)
{
    HWND second = newBox(40);
    type(box, "(###)", {{'5', "(5"}});
    type(second, "(###)", {{'9', "(9"}});
    type(box, "(###)", {{'5', "(55"}});
    type(second, "(###)", {{kBackspace, "("}}); // a deletion at the end of its own text
    type(box, "(###)", {{'5', "(555)"}});
    type(second, "(###)", {{'8', "(8"}});
    type(box, "(###)", {{kBackspace, "(555"}});
}

TEST_F(EbMask, ABoxFormattedAloneIsNotAffectedByCleaning)
{
    type(box, "(###)", {{'5', "(5"}, {'5', "(55"}, {'5', "(555)"}});
    EXPECT_EQ("555", host.call("ebMaskClean", box, "(###)", 2).text);
    type(box, "(###)", {{kBackspace, "(555"}}); // still the deletion of ebMask's own text
}

TEST_F(EbMask, AnEmptyMaskClearsTheBoxAndForgetsTheRememberedLength)
{
    type(box, "(###)", {{'5', "(5"}, {'5', "(55"}, {'5', "(555)"}});
    setText(box, "abcdef"); // longer than remembered, so it is formatted, to nothing
    expectBox(box, format(box, ""), "");
    // With nothing remembered, a shorter text with the caret at its end is formatted.
    setText(box, "(555");
    expectBox(box, format(box, "(###)"), "(555)");
}

TEST_F(EbMask, ATextLongerThanTheBufferIsFormattedFromItsFirst499Characters)
{
    std::string text;
    for (int i = 0; i < 600; ++i) text += static_cast<char>('a' + i % 26);
    setText(box, text.c_str());
    expectBox(box, format(box, std::string(700, '&')), text.substr(0, 499));
}

TEST_F(EbMask, SomethingThatIsNoWindowGivesTheEmptyText)
{
    setText(box, "123");
    expectBox(box, format(box, "###"), "123");
    const zub::Result r = format(HWND{}, "###");
    EXPECT_EQ(2, r.type);
    EXPECT_EQ("", r.text); // not the text read from the box before
    EXPECT_EQ("", host.call("ebMaskClean", HWND{}, "###", 0).text);
}

// The same commands on a rich edit box, made as a script makes one.
class EbMaskOnRichEdit : public masks_test::MaskTyping {
protected:
    HWND rich = richBox();

    HWND richBox()
    {
        HWND made = reinterpret_cast<HWND>(static_cast<INT_PTR>(
            host.call("rtCreate", dialog.hwnd(), 10, 80, 300, 30, 0).integer));
        SetWindowTextA(made, ""); // rtCreate's greeting goes, as a form would clear it
        return made;
    }
};

TEST_F(EbMaskOnRichEdit, PhoneMaskFormatsKeyByKeyAndCleansToTheDigits)
{
    ASSERT_NE(nullptr, rich);
    type(rich, "(###) ###-####",
         {{'5', "(5"}, {'5', "(55"}, {'5', "(555)"}, {'1', "(555) 1"}, {'2', "(555) 12"}, {'3', "(555) 123-"},
          {'4', "(555) 123-4"}, {'5', "(555) 123-45"}, {'6', "(555) 123-456"}, {'7', "(555) 123-4567"},
          {'8', "(555) 123-4567"}}); // the mask's length is the box's limit
    EXPECT_EQ("5551234567", host.call("ebMaskClean", rich, "(###) ###-####", 2).text);
}

TEST_F(EbMaskOnRichEdit, DeletingAndTypingInTheMiddleWorkAsOnAPlainBox)
{
    type(rich, "##/##/####",
         {{'1', "1"}, {'2', "12/"}, {'3', "12/3"}, {'1', "12/31/"}, {kBackspace, "12/31"}, {kBackspace, "12/3"},
          {'9', "12/39/"}});
    select(rich, 1, 1);
    type(rich, "##/##/####", {{'7', "17/", 2}});
}

TEST_F(EbMaskOnRichEdit, AParagraphBreakCountsAsOneCharacterAsTheCaretDoes)
{
    // Read with its CR LF, the text would be one longer than the caret's index
    // counts, and the cut at the caret would lose the last character.
    setText(rich, "ab\r\ncd");
    const zub::Result r = format(rich, "&&&&&&");
    EXPECT_EQ("ab\rcd", r.text);
    EXPECT_EQ("ab\r\ncd", zub::windowText(rich));
    EXPECT_EQ("ab\rcd", host.call("ebMaskClean", rich, "&&&&&&", 0).text);
}

} // namespace

TEST(EbMaskLibrary, AFreshLoadRemembersNothing)
{
    zub::Dialog dialog;
    HWND box = dialog.edit("", ES_AUTOHSCROLL, 10, 10);
    const auto press = [box](char key) {
        SetFocus(box);
        SendMessageA(box, WM_CHAR, static_cast<unsigned char>(key), 1);
    };
    {
        zub::Host host;
        host.window = dialog.hwnd();
        for (char key : std::string("555")) {
            press(key);
            host.call("ebMask", box, "(###)");
        }
        ASSERT_EQ("(555)", zub::windowText(box)); // 5 remembered when the library goes
    }

    zub::Host reloaded;
    reloaded.window = dialog.hwnd();
    HWND other = dialog.edit("", ES_AUTOHSCROLL, 10, 40);
    SetFocus(other);
    SendMessageA(other, WM_CHAR, '5', 1);
    EXPECT_EQ("(5", reloaded.call("ebMask", other, "(###)").text); // a box of the new load's own first
    press('\b');
    // Had 5 been remembered, this would be a deletion at the end, left as it is.
    EXPECT_EQ("(555)", reloaded.call("ebMask", box, "(###)").text);
}
