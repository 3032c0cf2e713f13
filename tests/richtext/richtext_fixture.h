// A host dialog with a rich edit control made by rtCreate, and ways to look at the
// control as a user would: its text, its selection, its character and paragraph formats.
#pragma once

#include "fixture.h"

#include <richedit.h>

#include <string>

namespace richtext_test {

struct Range {
    LONG min;
    LONG max;
    bool operator==(const Range&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Range& r)
{
    return out << "(" << r.min << ", " << r.max << ")";
}

class RichText : public zub::HostTest {
protected:
    // A new control through the command, as a script makes it.
    HWND create(int x = 10, int y = 10, int w = 400, int h = 200)
    {
        const zub::Result r = host.call("rtCreate", dialog.hwnd(), x, y, w, h, 0);
        HWND rich = reinterpret_cast<HWND>(static_cast<INT_PTR>(r.integer));
        if (rich == nullptr) ADD_FAILURE() << "rtCreate made no control";
        return rich;
    }

    // A control holding the text, all of it plain (the platform's default may be bold).
    HWND createWith(const char* text)
    {
        HWND rich = create();
        SendMessageA(rich, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        CHARFORMAT2A plain{};
        plain.cbSize = sizeof plain;
        plain.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
        SendMessageA(rich, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&plain));
        return rich;
    }

    static void select(HWND rich, LONG min, LONG max)
    {
        CHARRANGE range{min, max};
        SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }

    static Range selection(HWND rich)
    {
        CHARRANGE range{};
        SendMessageA(rich, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        return {range.cpMin, range.cpMax};
    }

    // The character format of the selection (dwMask: what is the same all over it).
    static CHARFORMAT2A selectionFormat(HWND rich)
    {
        CHARFORMAT2A format{};
        format.cbSize = sizeof format;
        SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return format;
    }

    // The character format of the characters min..max; the selection is kept.
    static CHARFORMAT2A formatOf(HWND rich, LONG min, LONG max)
    {
        const Range kept = selection(rich);
        select(rich, min, max);
        const CHARFORMAT2A format = selectionFormat(rich);
        select(rich, kept.min, kept.max);
        return format;
    }

    static void setFormat(HWND rich, LONG min, LONG max, CHARFORMAT2A format)
    {
        format.cbSize = sizeof format;
        const Range kept = selection(rich);
        select(rich, min, max);
        SendMessageA(rich, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        select(rich, kept.min, kept.max);
    }

    static PARAFORMAT2 paraFormat(HWND rich)
    {
        PARAFORMAT2 format{};
        format.cbSize = sizeof format;
        SendMessageA(rich, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
        return format;
    }

    static void setParaFormat(HWND rich, PARAFORMAT2 format)
    {
        format.cbSize = sizeof format;
        SendMessageA(rich, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    }

    static bool has(const CHARFORMAT2A& format, DWORD effect)
    {
        return (format.dwMask & effect) != 0 && (format.dwEffects & effect) != 0;
    }
    static bool lacks(const CHARFORMAT2A& format, DWORD effect)
    {
        return (format.dwMask & effect) != 0 && (format.dwEffects & effect) == 0;
    }

    // The effect over the text, one mark a character: '+' where it shows, '-' where not.
    static std::string effectByCharacter(HWND rich, DWORD effect)
    {
        std::string marks;
        const LONG length = GetWindowTextLengthA(rich);
        for (LONG i = 0; i < length; ++i) marks += has(formatOf(rich, i, i + 1), effect) ? '+' : '-';
        return marks;
    }
};

} // namespace richtext_test
