// The messages the mask commands send to the edit box, in their order and with
// their parameters, recorded by subclassing the box.
#include "mask_typing.h"
#include "messages.h"

#include <vector>

namespace {

using masks_test::kBackspace;

using zub::Expected;
using zub::SameSequence;
using zub::Sent;

Expected msg(UINT m, WPARAM w = 0, LPARAM l = 0)
{
    Expected e(m, w, l);
    if (m == WM_GETTEXT) e.checks = Expected::kWParam; // the buffer is the command's own: its size counts
    return e;
}
Expected replace(const char* text) { return Expected::withRecord(EM_REPLACESEL, 1, text); }

const WPARAM kNoSel = static_cast<WPARAM>(-1);

// The messages a command can send to an edit box; whatever else the box receives
// during a call (notifications of its own, painting) comes from the system.
bool IsEditCommandMessage(UINT m, WPARAM, LPARAM)
{
    return (m >= EM_GETSEL && m <= EM_GETIMESTATUS) || m == WM_GETTEXT || m == WM_GETTEXTLENGTH ||
           m == WM_SETTEXT || m == WM_CHAR || m == WM_CLEAR || m == WM_PASTE || m == WM_CUT;
}

class MaskMessages : public masks_test::MaskTyping {
protected:
    HWND box = newBox();
    zub::MessageRecorder recorder{box, IsEditCommandMessage};

    void SetUp() override
    {
        recorder.describe(EM_REPLACESEL, [](WPARAM, LPARAM l) { return std::string(reinterpret_cast<const char*>(l)); });
    }

    // Calls the command and hands back what it sent, checking that the caret was
    // asked for at the point GetCaretPos reports.
    std::vector<Sent> during(const char* name, const char* maskText, int mode)
    {
        POINT caret{};
        GetCaretPos(&caret);
        m_caretPoint = MAKELPARAM(caret.x, caret.y);
        return recorder.during([&] { last = host.call(name, box, maskText, mode); });
    }

    // What every formatting call sends first: the mask's length as the limit, the
    // character at the caret, the text (into a buffer of the given size), and the
    // selection removed; then what the call goes on to send.
    std::vector<Expected> readingThen(WPARAM limit, WPARAM buffer, std::vector<Expected> then = {}) const
    {
        std::vector<Expected> sent = {
            msg(EM_LIMITTEXT, limit),
            msg(EM_CHARFROMPOS, 0, m_caretPoint),
            msg(WM_GETTEXTLENGTH),
            msg(WM_GETTEXT, buffer),
            msg(EM_SETSEL, kNoSel, 0),
        };
        sent.insert(sent.end(), then.begin(), then.end());
        return sent;
    }
    zub::Result last;

private:
    LPARAM m_caretPoint = 0;
};

TEST_F(MaskMessages, APatternCallReadsTheBoxThenReplacesItsTextAndPlacesTheCaret)
{
    press(box, '5');
    const std::vector<Sent> sent = during("ebMask", "(###)", 0);
    const std::vector<Expected> expected = readingThen(5, 2, {
        msg(EM_SETSEL, 0, -1),
        replace("(5"),
        msg(EM_SETSEL, 6, 6), // past the end: the box puts the caret at 2
    });
    EXPECT_TRUE(SameSequence(expected, sent));
    EXPECT_EQ("(5", last.text);
}

TEST_F(MaskMessages, DeletingAtTheEndOnlyReadsTheBox)
{
    press(box, '5');
    format(box, "(###)");
    press(box, kBackspace);
    const std::vector<Sent> sent = during("ebMask", "(###)", 0);
    EXPECT_TRUE(SameSequence(readingThen(5, 2), sent));
    EXPECT_EQ("(", last.text);
}

TEST_F(MaskMessages, AnEmptyBoxIsOnlyRead)
{
    const std::vector<Sent> sent = during("ebMask", "##", 1);
    EXPECT_TRUE(SameSequence(readingThen(2, 1), sent));
}

TEST_F(MaskMessages, ANumericCallDeselectsAndPutsTheCaretAtTheEnd)
{
    setText(box, "123");
    const std::vector<Sent> sent = during("ebMask", "#,###.##", 1);
    const std::vector<Expected> expected = readingThen(8, 4, {
        msg(EM_SETSEL, 0, -1),
        replace("1.23"),
        msg(EM_SETSEL, kNoSel, 0),
        msg(EM_SETSEL, 4, 4),
    });
    EXPECT_TRUE(SameSequence(expected, sent));
}

TEST_F(MaskMessages, ALongTextIsNeverAskedForMoreThanTheBufferHolds)
{
    const std::string text(600, 'x');
    setText(box, text.c_str());
    const std::vector<Sent> sent = during("ebMask", "", 0);
    ASSERT_GE(sent.size(), 4u);
    EXPECT_TRUE(SameSequence({msg(EM_LIMITTEXT, 0)}, {sent[0]}));
    EXPECT_TRUE(SameSequence({msg(WM_GETTEXT, 500)}, {sent[3]}));

    setText(box, text.c_str()); // the empty mask cleared the box
    const std::vector<Sent> cleaning = during("ebMaskClean", "", 0);
    ASSERT_EQ(3u, cleaning.size());
    EXPECT_TRUE(SameSequence({msg(WM_GETTEXT, 500)}, {cleaning[1]}));
}

TEST_F(MaskMessages, CleaningReadsTheTextAndRemovesTheSelectionOnly)
{
    setText(box, "12/31");
    const std::vector<Sent> sent = during("ebMaskClean", "##/##", 2);
    const std::vector<Expected> expected = {
        msg(WM_GETTEXTLENGTH),
        msg(WM_GETTEXT, 6),
        msg(EM_SETSEL, kNoSel, 0),
    };
    EXPECT_TRUE(SameSequence(expected, sent));
    EXPECT_EQ("1231", last.text);
}

} // namespace
