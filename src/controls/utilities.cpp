// Window-wide commands: show or hide, class name, redraw, destroy, the edit box's
// modify flag and text limit (of plain and rich edit boxes), a button style change
// and the taskbar.
#include "edit_box.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "taskbar.h"

int CKorvanet::ccShow(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    switch (args.integer(2)) {
    case 0:
    case 2: ShowWindow(args.window(1), SW_HIDE); break;
    case 1: ShowWindow(args.window(1), SW_SHOW); break;
    default: break;
    }
    return ReturnInt(0);
}

int CKorvanet::DCCompatible(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // Starts empty, so a handle that names no window gives the empty text.
    char szClass[512] = "";
    GetClassNameA(args.window(1), szClass, sizeof szClass);
    return ReturnString(szClass);
}

int CKorvanet::ebGetModify(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), EM_GETMODIFY));
}

int CKorvanet::ebSetLenLimit(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(EditBox(args.window(1)).LimitText(args.integer(2)));
}

int CKorvanet::ebSetModify(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), EM_SETMODIFY, static_cast<WPARAM>(args.integer(2)));
    return ReturnInt(args.integer(2));
}

int CKorvanet::pbSetMultiline(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hButton = args.window(1);
    // BS_FLAT | BS_LEFTTEXT; shows at the button's next painting.
    const LONG style = GetWindowLongA(hButton, GWL_STYLE) | BS_FLAT | BS_LEFTTEXT;
    SetWindowLongA(hButton, GWL_STYLE, style);
    return ReturnInt(1);
}

int CKorvanet::RedrawControl(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    RedrawWindow(args.window(1), nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return ReturnInt(1);
}

int CKorvanet::RemoveControl(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    DestroyWindow(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::wnTaskBar(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const int nShow = args.integer(1);
    const HWND hTaskBar = FindWindowA("Shell_TrayWnd", nullptr);
    const HWND hButton = FindTaskBarButton(hTaskBar);
    ShowWindow(hTaskBar, nShow);
    return ReturnInt(ShowWindow(hButton, nShow));
}
