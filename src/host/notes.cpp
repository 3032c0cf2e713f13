#include "notes.h"

#include "win/scoped.h"

bool FileAvailable(HWND hOwner, const char* pszPath)
{
    // Read access, sharing read and write: a file that another program holds open
    // with read sharing still counts as available. Closed again at once, unread.
    const win::ScopedFile file(CreateFileA(pszPath != nullptr ? pszPath : "", GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ShowNote(hOwner, "The specified file does not appear to be available", "File Open Error");
        return false;
    }
    return true;
}
