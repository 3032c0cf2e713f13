// The extender's identity: its description (string 101, or its translation from a
// language file) and its version number (from the version resource).
#pragma once

#include <windows.h>

// Stores the base name of the library's own file (no directory, no extension) in a
// buffer of MAX_PATH characters; leaves it as it is when the path cannot be had.
void StoreModuleBaseName(char* pszModuleName);

// Reads string nId into pszDest (nSize characters; 0 means a 256-character default
// buffer), from the language file when there is one, else from the string table.
// "~" becomes a line feed and "|" a tab. Returns the count the source delivered.
int GetExtString(const char* pszModuleName, UINT nId, char* pszDest, int nSize);

// The version number of the library's own version resource; 10001 when unreadable.
int ReadVersionNumber();
