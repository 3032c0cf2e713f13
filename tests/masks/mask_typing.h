// Typing into a real edit box as a user does: the box has the focus, each key
// arrives as WM_CHAR, and ebMask is called through the exports after every key.
#pragma once

#include "fixture.h"

#include <cstring>
#include <initializer_list>
#include <string>

namespace masks_test {

constexpr char kBackspace = '\b';
constexpr int kPattern = -1; // ebMask called without its third argument

// One key and what the box holds after the ebMask call that follows it.
struct Key {
    char key;
    const char* box;
    int caret = -1; // where the caret stands afterwards; -1: at the end of the box
};

inline std::string describe(char key)
{
    if (key == kBackspace) return "backspace";
    return std::string("key '") + key + "'";
}

class MaskTyping : public zub::HostTest {
protected:
    HWND newBox(int y = 10) { return dialog.edit("", ES_AUTOHSCROLL, 10, y, 300, 24); }

    // The user clicks into the box (it takes the focus) and presses the key. A rich
    // edit takes backspace at key down, a plain edit from the character, so it comes
    // as the keyboard sends it.
    static void press(HWND box, char key)
    {
        SetFocus(box);
        if (key == kBackspace) SendMessageA(box, WM_KEYDOWN, VK_BACK, 1);
        SendMessageA(box, WM_CHAR, static_cast<unsigned char>(key), 1);
        if (key == kBackspace) SendMessageA(box, WM_KEYUP, VK_BACK, static_cast<LPARAM>(0xC0000001u));
    }
    static void select(HWND box, int start, int end)
    {
        SetFocus(box);
        SendMessageA(box, EM_SETSEL, start, end);
    }
    // Text put in by the script (the box takes no keys for it), caret at the end.
    static void setText(HWND box, const char* text)
    {
        SetFocus(box);
        SetWindowTextA(box, text);
        const int end = static_cast<int>(std::strlen(text));
        SendMessageA(box, EM_SETSEL, end, end);
    }

    zub::Result format(HWND box, const std::string& maskText, int mode = kPattern)
    {
        return mode == kPattern ? host.call("ebMask", box, maskText) : host.call("ebMask", box, maskText, mode);
    }

    // What the user sees and the script receives after a call.
    static void expectBox(HWND box, const zub::Result& r, const std::string& text, int caret = -1)
    {
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(2, r.type);
        EXPECT_EQ(text, r.text) << "delivered";
        EXPECT_EQ(text, zub::windowText(box)) << "in the box";
        DWORD start = 0, end = 0;
        SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const DWORD expected = caret < 0 ? static_cast<DWORD>(text.size()) : static_cast<DWORD>(caret);
        EXPECT_EQ(expected, start) << "caret";
        EXPECT_EQ(expected, end) << "caret (no selection)";
    }

    // Presses the keys one by one, calls ebMask after each and checks every step.
    void type(HWND box, const std::string& maskText, int mode, std::initializer_list<Key> keys)
    {
        int step = 0;
        for (const Key& k : keys) {
            ++step;
            SCOPED_TRACE("mask \"" + maskText + "\", step " + std::to_string(step) + ": " + describe(k.key));
            press(box, k.key);
            expectBox(box, format(box, maskText, mode), k.box, k.caret);
        }
    }
    void type(HWND box, const std::string& maskText, std::initializer_list<Key> keys)
    {
        type(box, maskText, kPattern, keys);
    }
};

} // namespace masks_test
