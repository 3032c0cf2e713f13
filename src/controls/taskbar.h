// The taskbar's own "Button" window (the Start button of older Windows).
#pragma once

#include <windows.h>

// The process a window belongs to; a seam so that tests can stand in for other programs.
using ProcessOfWindow = DWORD (*)(HWND);

DWORD WindowProcess(HWND hWnd);

// The first top-level "Button" window of the taskbar's process, or null. Since
// Windows 8 the Start button is no such window, and a "Button" of another program
// must never be hidden in its place.
HWND FindTaskBarButton(HWND hTaskBar, ProcessOfWindow processOf = WindowProcess);
