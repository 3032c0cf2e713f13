#include "edit_box.h"

#include "host/args.h"

#include <richedit.h>

#include <algorithm>

namespace {

// The rich edit classes: msftedit's (which reports itself as "RichEdit50W"),
// riched20's ANSI and Unicode ones, and riched32's.
bool IsRichEditClass(HWND hBox)
{
    char szClass[32] = "";
    if (GetClassNameA(hBox, szClass, sizeof szClass) == 0) return false;
    for (const char* name : {"RichEdit50W", "RichEdit20A", "RichEdit20W", "RICHEDIT"}) {
        if (lstrcmpiA(szClass, name) == 0) return true;
    }
    return false;
}

} // namespace

EditBox::EditBox(HWND hBox) : m_hBox(hBox), m_bRich(IsRichEditClass(hBox)) {}

LRESULT EditBox::LimitText(int nChars) const
{
    if (!m_bRich) return Send(m_hBox, EM_LIMITTEXT, static_cast<WPARAM>(nChars));
    return Send(m_hBox, EM_EXLIMITTEXT, 0, nChars > 0 ? nChars : kLargestRichEditLimit);
}

uint32_t EditBox::CharFromPos(POINT pt) const
{
    if (!m_bRich) return LOWORD(Send(m_hBox, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)));
    POINTL point{pt.x, pt.y};
    return static_cast<uint32_t>(std::max<LRESULT>(Send(m_hBox, EM_CHARFROMPOS, 0, &point), 0));
}

std::string_view EditBox::ReadText(char* pBuffer, std::size_t size) const
{
    pBuffer[0] = '\0'; // a box that answers nothing leaves an empty text, not the last one
    if (m_bRich) {
        GETTEXTEX request{};
        request.cb = static_cast<DWORD>(size);
        request.flags = GT_DEFAULT;
        request.codepage = CP_ACP;
        Send(m_hBox, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), pBuffer);
        pBuffer[size - 1] = '\0';
        return pBuffer;
    }
    // Never asks for more than the buffer holds: a longer text is read as its start.
    const LRESULT length = Send(m_hBox, WM_GETTEXTLENGTH);
    const WPARAM wanted = static_cast<WPARAM>(std::clamp<LRESULT>(length, 0, static_cast<LRESULT>(size) - 1)) + 1;
    Send(m_hBox, WM_GETTEXT, wanted, pBuffer);
    pBuffer[wanted - 1] = '\0';
    return pBuffer;
}
