// Messages to the user and the file availability check.
#pragma once

#include <windows.h>

// A message box with the OK button only, owned by the host's window; waits for the user.
inline void ShowNote(HWND hOwner, const char* pszText, const char* pszCaption = "Note")
{
    MessageBoxA(hOwner, pszText, pszCaption, MB_OK);
}

// Tests that the file can be opened for reading; when it cannot, tells the user
// ("File Open Error") and reports false.
bool FileAvailable(HWND hOwner, const char* pszPath);
