// The way every creating command makes its window: one CreateWindowExA call with
// extended style 0, a fixed class, text and style, the script's placement and the
// dialog as parent.
#pragma once

#include <windows.h>

struct ControlPlacement {
    int x;
    int y;
    int width;
    int height;
};

// Creates a child control; null when the parent is not a window or creation fails.
HWND CreateControl(HINSTANCE hInst, HWND hParent, const char* pszClass, const char* pszText, DWORD dwStyle,
                   const ControlPlacement& placement, int nChildId = 0);

// Registers the common control classes a creating command needs, once per process,
// so a script does not fail because the host did not do it.
void EnsureCommonControls(DWORD dwClasses);
