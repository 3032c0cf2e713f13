// Animation control: create it hidden, open a clip file (which shows it), play a
// range of frames, stop, close the clip.
#include "controls/creation.h"
#include "host/args.h"
#include "host/korvanet.h"

#include <commctrl.h>

namespace {
constexpr int kAnimationId = 2222;
}

int CKorvanet::anCreateAVI(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    EnsureCommonControls(ICC_ANIMATE_CLASS);
    // Created hidden with no size, then placed; argument 6 is accepted and not read.
    const HWND hAnimation = CreateControl(hInst, args.window(1), ANIMATE_CLASSA, nullptr, WS_CHILD, {0, 0, 0, 0},
                                          kAnimationId);
    SetWindowPos(hAnimation, nullptr, args.integer(2), args.integer(3), args.integer(4), args.integer(5),
                 SWP_NOZORDER | SWP_FRAMECHANGED);
    return ReturnInt(HandleToInt(hAnimation));
}

int CKorvanet::anOpenAVI(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hAnimation = args.window(1);
    // No module: the text names a file. The control is shown whether it opened or not.
    Send(hAnimation, ACM_OPENA, 0, args.text(2));
    ShowWindow(hAnimation, SW_SHOW);
    return ReturnInt(0);
}

int CKorvanet::anPlayAVI(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const uint32_t nFirst = static_cast<uint32_t>(args.integer(2)) & 0xFFFF;
    const uint32_t nLast = static_cast<uint32_t>(args.integer(3)) & 0xFFFF;
    Send(args.window(1), ACM_PLAY, static_cast<WPARAM>(args.integer(4)), static_cast<LPARAM>((nLast << 16) | nFirst));
    return ReturnInt(1);
}

int CKorvanet::anStopAVI(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), ACM_STOP);
    return ReturnInt(1);
}

int CKorvanet::anCloseAVI(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), ACM_OPENA);
    return ReturnInt(1);
}
