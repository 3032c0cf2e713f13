#include "notes.h"

#include <fstream>

bool FileAvailable(HWND hOwner, const char* pszPath)
{
    std::ifstream file(pszPath != nullptr ? pszPath : "", std::ios::in);
    if (!file.is_open()) {
        ShowNote(hOwner, "The specified file does not appear to be available", "File Open Error");
        return false;
    }
    return true; // closed again at once, unread
}
