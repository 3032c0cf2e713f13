// Paragraph formatting of a rich edit control: alignment, bullets, numbering and
// the start indent, for the paragraphs the selection touches.
#include "host/args.h"
#include "host/korvanet.h"
#include "format_steps.h"
#include "records.h"

namespace {

// wNumbering 7: the paragraphs are numbered with a character sequence that starts at
// wNumberingStart (which keeps the value the paragraphs have).
constexpr WORD kNumberingSequence = 7;

// Sets the record's fields that the mask names for the paragraphs the selection touches.
void SetParagraphs(HWND hRich, DWORD dwMask, PARAFORMAT2& format)
{
    format.dwMask = dwMask;
    Send(hRich, EM_SETPARAFORMAT, 0, &format);
}

// Switches a numbering kind: off when the paragraphs have exactly that kind, on
// otherwise. Returns the record as sent, for a follow-up message.
PARAFORMAT2 ToggleNumbering(HWND hRich, WORD wKind)
{
    PARAFORMAT2 format = richtext::EmptyParaFormat();
    Send(hRich, EM_GETPARAFORMAT, 0, &format);
    const bool bHasIt = (format.dwMask & PFM_NUMBERING) != 0 && format.wNumbering == wKind;
    format.wNumbering = bHasIt ? 0 : wKind;
    SetParagraphs(hRich, PFM_NUMBERING, format);
    return format;
}

} // namespace

int CKorvanet::rtSetAlignment(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    PARAFORMAT2 format = richtext::EmptyParaFormat();
    format.wAlignment = static_cast<WORD>(args.integer(2));   // any alignment, named or not
    SetParagraphs(args.window(1), PFM_ALIGNMENT, format);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetBulleted(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    ToggleNumbering(args.window(1), PFN_BULLET);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetNumbered(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    PARAFORMAT2 format = ToggleNumbering(args.window(1), kNumberingSequence);
    // The style goes with every call, also when numbering was just switched off.
    format.wNumberingStyle = static_cast<WORD>(args.integer(2));
    SetParagraphs(args.window(1), PFM_NUMBERINGSTYLE, format);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtIndent(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    HWND hRich = args.window(1);
    PARAFORMAT2 format = richtext::EmptyParaFormat();
    Send(hRich, EM_GETPARAFORMAT, 0, &format);
    // The change arrives in the integer field of a cell declared as text.
    const int nIndent = richtext::ShiftedIndent(format.dxStartIndent, args.integer(2));
    format.dxStartIndent = nIndent;
    SetParagraphs(hRich, PFM_STARTINDENT, format);
    SetFocus(hRich);
    return ReturnInt(nIndent);
}
