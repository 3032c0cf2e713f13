// The messages the mask commands send to the edit box, in their order and with
// their parameters, recorded by subclassing the box.
#include "mask_typing.h"

#include <vector>

namespace {

using masks_test::kBackspace;

struct Sent {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    std::string text; // what EM_REPLACESEL was given
};

bool operator==(const Sent& a, const Sent& b)
{
    // WM_GETTEXT's buffer is the command's own: only its size is compared.
    const bool sameLParam = a.msg == WM_GETTEXT || a.lParam == b.lParam;
    return a.msg == b.msg && a.wParam == b.wParam && sameLParam && a.text == b.text;
}

std::ostream& operator<<(std::ostream& out, const Sent& s)
{
    out << "msg 0x" << std::hex << s.msg << std::dec << " (" << static_cast<long>(s.wParam) << ", "
        << static_cast<long>(s.lParam) << ")";
    if (!s.text.empty()) out << " \"" << s.text << '"';
    return out;
}

Sent msg(UINT m, WPARAM w = 0, LPARAM l = 0) { return {m, w, l, {}}; }
Sent replace(const char* text) { return {EM_REPLACESEL, 1, 0, text}; }

const WPARAM kNoSel = static_cast<WPARAM>(-1);

// The messages a command can send to an edit box; whatever else the box receives
// during a call (notifications of its own, painting) comes from the system.
bool IsEditCommandMessage(UINT m)
{
    return (m >= EM_GETSEL && m <= EM_GETIMESTATUS) || m == WM_GETTEXT || m == WM_GETTEXTLENGTH ||
           m == WM_SETTEXT || m == WM_CHAR || m == WM_CLEAR || m == WM_PASTE || m == WM_CUT;
}

class MaskMessages : public masks_test::MaskTyping {
protected:
    HWND box = newBox();

    void SetUp() override
    {
        s_recorder = this;
        m_original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MaskMessages::record)));
    }
    void TearDown() override
    {
        SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_original));
        s_recorder = nullptr;
    }

    // Calls the command and hands back what it sent, checking that the caret was
    // asked for at the point GetCaretPos reports.
    std::vector<Sent> during(const char* name, const char* maskText, int mode)
    {
        POINT caret{};
        GetCaretPos(&caret);
        m_caretPoint = MAKELPARAM(caret.x, caret.y);
        m_sent.clear();
        m_recording = true;
        last = host.call(name, box, maskText, mode);
        m_recording = false;
        return m_sent;
    }

    // What every formatting call sends first: the mask's length as the limit, the
    // character at the caret, the text (into a buffer of the given size), and the
    // selection removed; then what the call goes on to send.
    std::vector<Sent> readingThen(WPARAM limit, WPARAM buffer, std::vector<Sent> then = {}) const
    {
        std::vector<Sent> sent = {
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
    static LRESULT CALLBACK record(HWND hwnd, UINT m, WPARAM w, LPARAM l)
    {
        MaskMessages* self = s_recorder;
        if (self->m_recording && IsEditCommandMessage(m)) {
            Sent s{m, w, m == EM_REPLACESEL ? 0 : l, {}};
            if (m == EM_REPLACESEL) s.text = reinterpret_cast<const char*>(l);
            if (m == WM_GETTEXT) {
                EXPECT_NE(0, l) << "a buffer to read into";
            }
            self->m_sent.push_back(s);
        }
        return CallWindowProcA(self->m_original, hwnd, m, w, l);
    }

    static inline MaskMessages* s_recorder = nullptr;
    WNDPROC m_original = nullptr;
    bool m_recording = false;
    LPARAM m_caretPoint = 0;
    std::vector<Sent> m_sent;
};

TEST_F(MaskMessages, APatternCallReadsTheBoxThenReplacesItsTextAndPlacesTheCaret)
{
    press(box, '5');
    const std::vector<Sent> sent = during("ebMask", "(###)", 0);
    const std::vector<Sent> expected = readingThen(5, 2, {
        msg(EM_SETSEL, 0, -1),
        replace("(5"),
        msg(EM_SETSEL, 6, 6), // past the end: the box puts the caret at 2
    });
    EXPECT_EQ(expected, sent);
    EXPECT_EQ("(5", last.text);
}

TEST_F(MaskMessages, DeletingAtTheEndOnlyReadsTheBox)
{
    press(box, '5');
    format(box, "(###)");
    press(box, kBackspace);
    const std::vector<Sent> sent = during("ebMask", "(###)", 0);
    EXPECT_EQ(readingThen(5, 2), sent);
    EXPECT_EQ("(", last.text);
}

TEST_F(MaskMessages, AnEmptyBoxIsOnlyRead)
{
    const std::vector<Sent> sent = during("ebMask", "##", 1);
    EXPECT_EQ(readingThen(2, 1), sent);
}

TEST_F(MaskMessages, ANumericCallDeselectsAndPutsTheCaretAtTheEnd)
{
    setText(box, "123");
    const std::vector<Sent> sent = during("ebMask", "#,###.##", 1);
    const std::vector<Sent> expected = readingThen(8, 4, {
        msg(EM_SETSEL, 0, -1),
        replace("1.23"),
        msg(EM_SETSEL, kNoSel, 0),
        msg(EM_SETSEL, 4, 4),
    });
    EXPECT_EQ(expected, sent);
}

TEST_F(MaskMessages, ALongTextIsNeverAskedForMoreThanTheBufferHolds)
{
    const std::string text(600, 'x');
    setText(box, text.c_str());
    const std::vector<Sent> sent = during("ebMask", "", 0);
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(msg(EM_LIMITTEXT, 0), sent[0]);
    EXPECT_EQ(msg(WM_GETTEXT, 500), sent[3]);

    setText(box, text.c_str()); // the empty mask cleared the box
    const std::vector<Sent> cleaning = during("ebMaskClean", "", 0);
    ASSERT_EQ(3u, cleaning.size());
    EXPECT_EQ(msg(WM_GETTEXT, 500), cleaning[1]);
}

TEST_F(MaskMessages, CleaningReadsTheTextAndRemovesTheSelectionOnly)
{
    setText(box, "12/31");
    const std::vector<Sent> sent = during("ebMaskClean", "##/##", 2);
    const std::vector<Sent> expected = {
        msg(WM_GETTEXTLENGTH),
        msg(WM_GETTEXT, 6),
        msg(EM_SETSEL, kNoSel, 0),
    };
    EXPECT_EQ(expected, sent);
    EXPECT_EQ("1231", last.text);
}

} // namespace
