// IP address control: create, set and read the address as dotted text, clear,
// blank test, focus and field ranges.
#include "controls/creation.h"
#include "controls/ipaddress_text.h"
#include "host/args.h"
#include "host/korvanet.h"

#include <commctrl.h>

int CKorvanet::ipCreateIP(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    EnsureCommonControls(ICC_INTERNET_CLASSES);
    // Argument 6 is accepted and not read.
    const HWND hIp = CreateControl(hInst, args.window(1), WC_IPADDRESSA, "IPAddress",
                                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                   {args.integer(2), args.integer(3), args.integer(4), args.integer(5)});
    // A new child lies below its siblings, and this one clips them out of what it draws:
    // on a tab control made before it (its usual place, a tab page) it would draw
    // nothing at all. On top of them it draws where it stands.
    if (hIp != nullptr) SetWindowPos(hIp, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return ReturnInt(HandleToInt(hIp));
}

int CKorvanet::ipClearIP(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), IPM_CLEARADDRESS));
}

int CKorvanet::ipGetIP(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // The control leaves the variable unwritten when it is blank or no control at all.
    DWORD dwAddress = 0;
    Send(args.window(1), IPM_GETADDRESS, 0, &dwAddress);
    char szText[IP_TEXT_MAX];
    IpAddressToText(dwAddress, szText);
    return ReturnString(szText);
}

int CKorvanet::ipIsBlank(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), IPM_ISBLANK));
}

int CKorvanet::ipSetFocus(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), IPM_SETFOCUS, args.position(2)));
}

int CKorvanet::ipSetIP(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const uint32_t nAddress = IpTextToAddress(args.text(2));
    return ReturnReply(Send(args.window(1), IPM_SETADDRESS, 0, static_cast<LPARAM>(nAddress)));
}

int CKorvanet::ipSetRange(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const LPARAM range = ((args.integer(4) & 0xFF) << 8) + (args.integer(3) & 0xFF);
    return ReturnReply(Send(args.window(1), IPM_SETRANGE, args.position(2), range));
}
