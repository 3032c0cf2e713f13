// Character formatting of a rich edit control: the attribute toggles, the colours,
// the default format and stepwise font sizes.
#include "host/args.h"
#include "host/korvanet.h"
#include "host/values.h"
#include "format_steps.h"
#include "records.h"

namespace {

// Switches one attribute for the selection: off when the whole selection has it,
// on otherwise (a partly formatted selection becomes formatted as a whole).
void ToggleAttribute(HWND hRich, DWORD dwBit)
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    Send(hRich, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), &dwEnd);

    CHARFORMAT2A current = richtext::EmptyCharFormat();
    Send(hRich, EM_GETCHARFORMAT, SCF_SELECTION, &current);
    const bool bWholeSelectionHasIt = (current.dwMask & dwBit) != 0 && (current.dwEffects & dwBit) != 0;

    CHARFORMAT2A change = richtext::EmptyCharFormat();
    change.dwMask = dwBit;
    change.dwEffects = bWholeSelectionHasIt ? 0 : dwBit;
    Send(hRich, EM_SETCHARFORMAT, SCF_SELECTION, &change);

    Send(hRich, EM_SETSEL, dwStart, static_cast<LPARAM>(dwEnd));
}

// Colours the selection, or the whole text when nothing is selected (the whole text
// then stays selected): its text for CFM_COLOR, its background for CFM_BACKCOLOR. The
// effects stay 0, so the automatic colour is off.
void SetSelectionColor(HWND hRich, DWORD dwMask, const char* pszColor)
{
    COLORREF CHARFORMAT2A::*pField = dwMask == CFM_BACKCOLOR ? &CHARFORMAT2A::crBackColor : &CHARFORMAT2A::crTextColor;
    const COLORREF color = TextToColor(pszColor);
    CHARRANGE range{};
    Send(hRich, EM_EXGETSEL, 0, &range);
    if (range.cpMin == range.cpMax) {
        range.cpMin = 0;
        range.cpMax = -1;
    }
    Send(hRich, EM_EXSETSEL, 0, &range);

    CHARFORMAT2A format = richtext::EmptyCharFormat();
    format.dwMask = dwMask;
    format.*pField = color;
    Send(hRich, EM_SETCHARFORMAT, SCF_SELECTION, &format);
}

} // namespace

// The selection's character format for one mask: an attribute toggles, a colour is
// set from argument 2. The control gets the focus and the result is 1.
int CKorvanet::rtFormat(ExtValue* pArgs, DWORD dwMask)
{
    const Args args(pArgs);
    const HWND hRich = args.window(1);
    if (dwMask == CFM_COLOR || dwMask == CFM_BACKCOLOR) {
        SetSelectionColor(hRich, dwMask, args.text(2));
    } else {
        ToggleAttribute(hRich, dwMask);
    }
    SetFocus(hRich);
    return ReturnInt(1);
}

// One line each, as they are rows of one table: the mask is all that differs.
int CKorvanet::rtBold(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return rtFormat(pArgs, CFM_BOLD); }
int CKorvanet::rtItalic(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return rtFormat(pArgs, CFM_ITALIC); }
int CKorvanet::rtUnderline(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return rtFormat(pArgs, CFM_UNDERLINE); }
int CKorvanet::rtSetTextColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return rtFormat(pArgs, CFM_COLOR); }
int CKorvanet::rtSetTextBackColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return rtFormat(pArgs, CFM_BACKCOLOR); }

int CKorvanet::rtSetDefaults(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    HWND hRich = args.window(1);
    CHARFORMAT2A format = richtext::EmptyCharFormat();
    if (Send(hRich, EM_GETCHARFORMAT, SCF_DEFAULT, &format) != 0) {
        // Black, 11 points, and the default format's bold state, over all text; the
        // effects stay as read, so an automatic colour stays automatic.
        format.crTextColor = 0;
        format.yHeight = 220;
        format.dwMask = CFM_BOLD | CFM_COLOR | CFM_SIZE;
        Send(hRich, EM_SETCHARFORMAT, SCF_ALL, &format);
    }
    SetFocus(hRich);
    return ReturnInt(1);
}

int CKorvanet::rtFontSizing(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    HWND hRich = args.window(1);
    const bool bGrow = richtext::GrowsFont(args.text(2));

    CHARFORMAT2A format = richtext::EmptyCharFormat();
    if (Send(hRich, EM_GETCHARFORMAT, SCF_SELECTION, &format) != 0) {
        format.dwMask = CFM_SIZE;
        format.yHeight = richtext::SteppedFontHeight(format.yHeight, bGrow);
        Send(hRich, EM_SETCHARFORMAT, SCF_SELECTION, &format);
    }

    // The height the control settled on, which may differ from the one asked for.
    Send(hRich, EM_GETCHARFORMAT, SCF_SELECTION, &format);
    SetFocus(hRich);
    return ReturnInt(format.yHeight);
}
