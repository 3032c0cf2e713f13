// Finding the taskbar's own button among the desktop's windows.
#include "taskbar.h"

DWORD WindowProcess(HWND hWnd)
{
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hWnd, &dwProcess);
    return dwProcess;
}

HWND FindTaskBarButton(HWND hTaskBar, ProcessOfWindow processOf)
{
    if (hTaskBar == nullptr) return nullptr;
    const DWORD dwTaskBar = processOf(hTaskBar);
    HWND hButton = nullptr;
    while ((hButton = FindWindowExA(GetDesktopWindow(), hButton, "Button", nullptr)) != nullptr) {
        if (processOf(hButton) == dwTaskBar) return hButton;
    }
    return nullptr;
}
