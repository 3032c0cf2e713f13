// Paragraph formatting of a rich edit control: alignment, the bullet and numbering
// toggles, and relative indents. Each acts on the paragraphs the selection touches.
#include "format_steps.h"
#include "records.h"

#include "host/args.h"
#include "host/korvanet.h"

namespace {

using richtext::EmptyParaFormat;

PARAFORMAT2 ParagraphFormat(HWND hRich)
{
    PARAFORMAT2 format = EmptyParaFormat();
    Send(hRich, EM_GETPARAFORMAT, 0, &format);
    return format;
}

constexpr WORD kNumberingSequence = 7; // numbers from wNumberingStart on

// Switches a numbering kind on, unless the paragraphs have exactly that kind already.
void ToggleNumbering(HWND hRich, PARAFORMAT2& format, WORD wKind)
{
    const bool bHasIt = (format.dwMask & PFM_NUMBERING) != 0 && format.wNumbering == wKind;
    format.wNumbering = bHasIt ? 0 : wKind;
    format.dwMask = PFM_NUMBERING;
    Send(hRich, EM_SETPARAFORMAT, 0, &format);
}

} // namespace

int CKorvanet::rtSetAlignment(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    PARAFORMAT2 format = EmptyParaFormat();
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = static_cast<WORD>(args.integer(2));
    Send(args.window(1), EM_SETPARAFORMAT, 0, &format);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetBulleted(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    PARAFORMAT2 format = ParagraphFormat(args.window(1));
    ToggleNumbering(args.window(1), format, PFN_BULLET);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetNumbered(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hRich = args.window(1);
    PARAFORMAT2 format = ParagraphFormat(hRich);
    ToggleNumbering(hRich, format, kNumberingSequence);
    // The style goes with every call, also when numbering was just switched off.
    format.wNumberingStyle = static_cast<WORD>(args.integer(2));
    format.dwMask = PFM_NUMBERINGSTYLE;
    Send(hRich, EM_SETPARAFORMAT, 0, &format);
    SetFocus(hRich);
    return ReturnInt(1);
}

int CKorvanet::rtIndent(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hRich = args.window(1);
    PARAFORMAT2 format = ParagraphFormat(hRich);
    // The change is declared as text; the script's number is in the cell's integer.
    const int nIndent = richtext::ShiftedIndent(format.dxStartIndent, args.integer(2));
    format.dxStartIndent = nIndent;
    format.dwMask = PFM_STARTINDENT;
    Send(hRich, EM_SETPARAFORMAT, 0, &format);
    SetFocus(hRich);
    return ReturnInt(nIndent);
}
