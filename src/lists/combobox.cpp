// Combo box commands: the current choice and the height of the drop-down list.
#include "host/args.h"
#include "host/korvanet.h"

#include <commctrl.h>

int CKorvanet::cbGetCurSel(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // CB_ERR (-1, no choice) comes back as position 0.
    return ReturnInt(static_cast<int>(Send(args.window(1), CB_GETCURSEL)) + 1);
}

int CKorvanet::cbSetCurSel(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnInt(static_cast<int>(Send(args.window(1), CB_SETCURSEL, args.position(2))) + 1);
}

int CKorvanet::cbSetDropHeight(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hCombo = args.window(1);

    RECT client = {};
    const BOOL bGotClient = GetClientRect(hCombo, &client);
    const int nItemHeight = static_cast<int>(Send(hCombo, CB_GETITEMHEIGHT));
    // The closed box's client height plus the requested number of list rows.
    const int nHeight = nItemHeight * args.integer(2) + client.bottom + client.top;

    // The box keeps its place in its parent and its width; only the height changes.
    RECT window = {};
    GetWindowRect(hCombo, &window);
    MapWindowPoints(HWND_DESKTOP, GetAncestor(hCombo, GA_PARENT), reinterpret_cast<POINT*>(&window), 2);
    MoveWindow(hCombo, window.left, window.top, window.right - window.left, nHeight, TRUE);
    // Under visual styles the list shows this many entries whatever the window's height.
    if (args.integer(2) > 0) Send(hCombo, CB_SETMINVISIBLE, args.integer(2));
    return ReturnInt(bGotClient);
}
