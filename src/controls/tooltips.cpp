// Balloon tooltips: one tooltip window per dialog, one tip per tool window.
#include "controls/creation.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "host/values.h"

#include <commctrl.h>

namespace {

// The full record, the reserved pointer included (five of its fields are pointer-sized).
static_assert(sizeof(TOOLINFOA) == (sizeof(void*) == 4 ? 48 : 72));

// The record that names the one tip of a tool window: that window and id 0.
TOOLINFOA ToolRecord(HWND hTool)
{
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = hTool;
    ti.uId = 0;
    return ti;
}

} // namespace

int CKorvanet::ttCreateToolTip(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hOwner = args.window(1);
    // Windows would make an unowned tooltip for a null owner; it would outlive every
    // dialog, so a tooltip is made only for a window.
    if (!IsWindow(hOwner)) return ReturnInt(0);
    EnsureCommonControls(ICC_TAB_CLASSES);
    const HWND hTip = CreateControl(hInst, hOwner, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP,
                                    {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT});
    if (hTip != nullptr) SetWindowPos(hTip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    return ReturnInt(HandleToInt(hTip));
}

int CKorvanet::ttActivate(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), TTM_ACTIVATE, static_cast<WPARAM>(args.integer(2)));
    return ReturnInt(1);
}

int CKorvanet::ttAddToolTip(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hTool = args.window(2);
    // The tip covers the tool's client area as it is now; it does not follow later resizing.
    RECT rc = {};
    GetClientRect(hTool, &rc);
    TOOLINFOA ti = ToolRecord(hTool);
    ti.uFlags = TTF_SUBCLASS;
    ti.rect = rc;
    ti.hinst = hInst;
    ti.lpszText = const_cast<char*>(args.text(3));
    return ReturnReply(Send(args.window(1), TTM_ADDTOOLA, 0, &ti));
}

int CKorvanet::ttDeleteToolTip(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    TOOLINFOA ti = ToolRecord(args.window(2));
    return ReturnReply(Send(args.window(1), TTM_DELTOOLA, 0, &ti));
}

int CKorvanet::ttSetText(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    TOOLINFOA ti = ToolRecord(args.window(2));
    ti.hinst = hInst;
    ti.lpszText = const_cast<char*>(args.text(3));
    return ReturnReply(Send(args.window(1), TTM_UPDATETIPTEXTA, 0, &ti));
}

int CKorvanet::ttSetColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const COLORREF color = TextToColor(args.text(2));
    UINT uMsg = 0;
    switch (args.integer(3)) {
    case 0: uMsg = TTM_SETTIPBKCOLOR; break;
    case 1: uMsg = TTM_SETTIPTEXTCOLOR; break;
    default: return ReturnInt(0);
    }
    return ReturnReply(Send(args.window(1), uMsg, color));
}

int CKorvanet::ttSetDelay(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), TTM_SETDELAYTIME, static_cast<WPARAM>(args.integer(2)), args.integer(3)));
}

int CKorvanet::ttSetTitle(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), TTM_SETTITLEA, static_cast<WPARAM>(args.integer(2)), args.text(3)));
}
