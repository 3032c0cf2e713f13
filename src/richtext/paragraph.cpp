// Paragraph formatting of a rich edit control: alignment, bullets, numbering and
// the start indent, for the paragraphs the selection touches.
#include "host/args.h"
#include "host/korvanet.h"
#include "format_steps.h"
#include "records.h"

namespace {

// The numbering kind that earlier versions gave numbered paragraphs: a character
// sequence from wNumberingStart, which Windows leaves at 0 and so shows no numbers.
// Paragraphs and files numbered that way still count as numbered.
constexpr WORD kOldNumbering = 7;

// Sets the record's fields that the mask names for the paragraphs the selection touches.
void SetParagraphs(HWND hRich, DWORD dwMask, PARAFORMAT2& format)
{
    format.dwMask = dwMask;
    Send(hRich, EM_SETPARAFORMAT, 0, &format);
}

// The paragraph format of the selection (dwMask: what is the same all over it).
PARAFORMAT2 SelectionFormat(HWND hRich)
{
    PARAFORMAT2 format = richtext::EmptyParaFormat();
    Send(hRich, EM_GETPARAFORMAT, 0, &format);
    return format;
}

bool Carries(const PARAFORMAT2& format, WORD wKind)
{
    return (format.dwMask & PFM_NUMBERING) != 0 && format.wNumbering == wKind;
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
    PARAFORMAT2 format = SelectionFormat(args.window(1));
    format.wNumbering = Carries(format, PFN_BULLET) ? 0 : PFN_BULLET;
    SetParagraphs(args.window(1), PFM_NUMBERING, format);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSetNumbered(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    PARAFORMAT2 format = SelectionFormat(args.window(1));
    const bool bNumbered = Carries(format, PFN_ARABIC) || Carries(format, kOldNumbering);
    // Decimal numbers from 1; the style goes with every call, also when switching off.
    format.wNumbering = bNumbered ? 0 : PFN_ARABIC;
    format.wNumberingStart = 1;
    format.wNumberingStyle = static_cast<WORD>(args.integer(2));
    SetParagraphs(args.window(1), PFM_NUMBERING | PFM_NUMBERINGSTYLE | (bNumbered ? 0 : PFM_NUMBERINGSTART), format);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtIndent(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    HWND hRich = args.window(1);
    PARAFORMAT2 format = SelectionFormat(hRich);
    // The change arrives in the integer field of a cell declared as text.
    const int nIndent = richtext::ShiftedIndent(format.dxStartIndent, args.integer(2));
    format.dxStartIndent = nIndent;
    SetParagraphs(hRich, PFM_STARTINDENT, format);
    SetFocus(hRich);
    return ReturnInt(nIndent);
}
