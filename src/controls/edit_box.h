// An edit box as the edit-box commands see it: a plain edit control or a rich edit
// control. The two answer most edit messages alike; these are the ones they read
// differently, asked each in the form the box understands.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

// The largest text limit every rich edit accepts: the limit is signed on some
// platforms, so 0xFFFFFFFF would be refused there and the old limit would stay.
constexpr LPARAM kLargestRichEditLimit = 0x7FFFFFFF;

class EditBox {
public:
    explicit EditBox(HWND hBox);

    HWND hwnd() const { return m_hBox; }
    bool rich() const { return m_bRich; }

    // Limits the text to nChars characters and delivers the box's reply. A plain edit
    // takes the number as given (0 lifts the limit); a rich edit gets the same
    // meaning: 0 or less lifts the limit there too, instead of its 64K default.
    LRESULT LimitText(int nChars) const;

    // The character index at a point of the box's client area. A rich edit reads the
    // point through its address; a plain edit takes it packed, and answers with the
    // index in the low word.
    uint32_t CharFromPos(POINT pt) const;

    // The text as character positions count it, read into the buffer (at most
    // size - 1 characters, always terminated). A plain edit is asked for its length
    // and then its text; a rich edit gives each paragraph break as one character,
    // as its selection counts it, rather than the CR LF of WM_GETTEXT.
    std::string_view ReadText(char* pBuffer, std::size_t size) const;

private:
    HWND m_hBox;
    bool m_bRich;
};
