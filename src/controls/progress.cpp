// Progress bar: position, step, range, state, colours, stepping and the marquee.
#include "controls/creation.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "host/notes.h"
#include "host/values.h"

#include <commctrl.h>

namespace {

constexpr int kMarqueeMode = 1;
constexpr LPARAM kMarqueeInterval = 200; // milliseconds between animation updates

} // namespace

int CKorvanet::pgCreateProgressBar(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    EnsureCommonControls(ICC_PROGRESS_CLASS);
    // Argument 6 is accepted and not read.
    const HWND hBar = CreateControl(hInst, args.window(1), PROGRESS_CLASSA, "ProgressBar", WS_CHILD | WS_VISIBLE,
                                    {args.integer(2), args.integer(3), args.integer(4), args.integer(5)});
    return ReturnInt(HandleToInt(hBar));
}

int CKorvanet::pgSetPosition(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), PBM_SETPOS, static_cast<WPARAM>(args.integer(2))));
}

int CKorvanet::pgSetStep(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), PBM_SETSTEP, static_cast<WPARAM>(args.integer(2))));
}

int CKorvanet::pgSetState(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), PBM_SETSTATE, static_cast<WPARAM>(args.integer(2))));
}

int CKorvanet::pgSetRange(HWND hWnd, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const int nMinimum = args.integer(2);
    const int nMaximum = args.integer(3);
    // A warning only: the range is set all the same and the control judges it.
    if (nMinimum >= nMaximum) ShowNote(hWnd, "Your Minimum value must be less than your Maximum value.", "Error");
    return ReturnReply(Send(args.window(1), PBM_SETRANGE32, static_cast<WPARAM>(nMinimum), nMaximum));
}

int CKorvanet::pgSetColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const COLORREF color = TextToColor(args.text(2));
    UINT uMsg = 0;
    switch (args.integer(3)) {
    case 0: uMsg = PBM_SETBKCOLOR; break;
    case 1: uMsg = PBM_SETBARCOLOR; break;
    default: return ReturnInt(0);
    }
    return ReturnReply(Send(args.window(1), uMsg, 0, static_cast<LPARAM>(color)));
}

int CKorvanet::pgStep(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hBar = args.window(1);
    if (args.integer(2) != kMarqueeMode) return ReturnReply(Send(hBar, PBM_STEPIT));
    // The marquee needs its style before it can run; it stays on from now on.
    SetWindowLongA(hBar, GWL_STYLE, GetWindowLongA(hBar, GWL_STYLE) | PBS_MARQUEE);
    return ReturnReply(Send(hBar, PBM_SETMARQUEE, TRUE, kMarqueeInterval));
}
