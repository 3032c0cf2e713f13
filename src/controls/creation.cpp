#include "creation.h"

#include <commctrl.h>

HWND CreateControl(HINSTANCE hInst, HWND hParent, const char* pszClass, const char* pszText, DWORD dwStyle,
                   const ControlPlacement& placement, int nChildId)
{
    return CreateWindowExA(0, pszClass, pszText, dwStyle, placement.x, placement.y, placement.width,
                           placement.height, hParent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nChildId)),
                           hInst, nullptr);
}

void EnsureCommonControls(DWORD dwClasses)
{
    static DWORD s_dwDone = 0;
    if ((s_dwDone & dwClasses) == dwClasses) return;
    INITCOMMONCONTROLSEX icc = {sizeof icc, dwClasses};
    if (InitCommonControlsEx(&icc)) s_dwDone |= dwClasses;
}
