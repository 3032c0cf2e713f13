// Character formatting of a rich edit control: the bold, italic and underline toggles,
// text and background colour, the default format and stepwise font sizing.
#include "format_steps.h"
#include "records.h"

#include "host/args.h"
#include "host/korvanet.h"
#include "host/values.h"

namespace {

using richtext::EmptyCharFormat;

CHARFORMAT2A SelectionFormat(HWND hRich)
{
    CHARFORMAT2A format = EmptyCharFormat();
    Send(hRich, EM_GETCHARFORMAT, SCF_SELECTION, &format);
    return format;
}

// Switches the attribute on for the selection, unless all of it has it already; the
// selection stays as it was.
void ToggleEffect(HWND hRich, DWORD dwEffect)
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    Send(hRich, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), &dwEnd);

    const CHARFORMAT2A current = SelectionFormat(hRich);
    const bool bWholeSelectionHasIt = (current.dwMask & dwEffect) != 0 && (current.dwEffects & dwEffect) != 0;

    CHARFORMAT2A format = EmptyCharFormat();
    format.dwMask = dwEffect;
    format.dwEffects = bWholeSelectionHasIt ? 0 : dwEffect;
    Send(hRich, EM_SETCHARFORMAT, SCF_SELECTION, &format);

    Send(hRich, EM_SETSEL, dwStart, dwEnd);
}

// Colours the selection, or the whole text when nothing is selected (which then stays
// selected).
void SetColor(HWND hRich, const char* pszColor, DWORD dwMask, COLORREF CHARFORMAT2A::*pField)
{
    const COLORREF color = TextToColor(pszColor);
    CHARRANGE range = {};
    Send(hRich, EM_EXGETSEL, 0, &range);
    if (range.cpMin == range.cpMax) {
        range.cpMin = 0;
        range.cpMax = -1;
    }
    Send(hRich, EM_EXSETSEL, 0, &range);

    CHARFORMAT2A format = EmptyCharFormat();
    format.dwMask = dwMask;
    format.*pField = color;
    format.dwEffects = 0; // the automatic colour off, so the given colour shows
    Send(hRich, EM_SETCHARFORMAT, SCF_SELECTION, &format);
}

} // namespace

int CKorvanet::rtBold(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    ToggleEffect(args.window(1), CFE_BOLD);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtItalic(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    ToggleEffect(args.window(1), CFE_ITALIC);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtUnderline(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    ToggleEffect(args.window(1), CFE_UNDERLINE);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetTextColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    SetColor(args.window(1), args.text(2), CFM_COLOR, &CHARFORMAT2A::crTextColor);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetTextBackColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    SetColor(args.window(1), args.text(2), CFM_BACKCOLOR, &CHARFORMAT2A::crBackColor);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetDefaults(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hRich = args.window(1);
    CHARFORMAT2A format = EmptyCharFormat();
    if (Send(hRich, EM_GETCHARFORMAT, SCF_DEFAULT, &format) != 0) {
        format.crTextColor = 0;
        format.yHeight = 220; // 11 points
        format.dwMask = CFM_BOLD | CFM_COLOR | CFM_SIZE;
        Send(hRich, EM_SETCHARFORMAT, SCF_ALL, &format);
    }
    SetFocus(hRich);
    return ReturnInt(1);
}

int CKorvanet::rtFontSizing(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hRich = args.window(1);
    const bool bGrow = richtext::GrowsFont(args.text(2));

    CHARFORMAT2A format = EmptyCharFormat();
    if (Send(hRich, EM_GETCHARFORMAT, SCF_SELECTION, &format) != 0) {
        format.dwMask = CFM_SIZE;
        format.yHeight = richtext::SteppedFontHeight(format.yHeight, bGrow);
        Send(hRich, EM_SETCHARFORMAT, SCF_SELECTION, &format);
    }
    const CHARFORMAT2A after = SelectionFormat(hRich);
    SetFocus(hRich);
    return ReturnInt(after.yHeight);
}
