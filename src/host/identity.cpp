#include "identity.h"

#include "extender.h"
#include "values.h"

#include <memory>
#include <new>

namespace {

constexpr int VERSION_UNREADABLE = 10001;

// Language lookup state, process-wide: determined once, unless id 0 asks again.
enum LookupState { NotLookedUp = 0, NoLanguageFile = 1, LanguageFileFound = 2 };
int g_nLookupState = NotLookedUp;
char g_szLanguageFile[MAX_PATH];
char g_szLanguageSection[MAX_PATH];
char g_szDefaultBuffer[256];

void ReadLanguageCode(char* pszCode, int nSize)
{
    GetPrivateProfileStringA("MAIN", "Language", "XXX", pszCode, nSize, "QKZTOOLS.INI");
    if (lstrcmpA(pszCode, "XXX") == 0) GetProfileStringA("INTL", "sLanguage", "enu", pszCode, nSize);
}

// The directory of the library's own file, with its trailing separator; empty when
// the path cannot be had or holds no separator.
void LibraryDirectory(char* pszDir)
{
    pszDir[0] = '\0';
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(g_hInstance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    char* afterSeparator = nullptr;
    for (char* p = path; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/') afterSeparator = p + 1;
    }
    if (afterSeparator == nullptr) return;
    *afterSeparator = '\0';
    lstrcpynA(pszDir, path, MAX_PATH);
}

void LookUpLanguageFile(const char* pszModuleName)
{
    g_nLookupState = NoLanguageFile;
    g_szLanguageFile[0] = '\0';

    char code[20];
    ReadLanguageCode(code, sizeof code);

    char fileName[MAX_PATH];
    wsprintfA(fileName, "%s.%s", "QKZELANG", code);

    LibraryDirectory(g_szLanguageFile);
    if (lstrlenA(g_szLanguageFile) + lstrlenA(fileName) >= MAX_PATH) g_szLanguageFile[0] = '\0';
    lstrcatA(g_szLanguageFile, fileName);

    char found[MAX_PATH];
    if (SearchPathA(nullptr, g_szLanguageFile, nullptr, MAX_PATH, found, nullptr) == 0) {
        const DWORD length = SearchPathA(nullptr, fileName, nullptr, MAX_PATH, found, nullptr);
        if (length == 0 || length >= MAX_PATH) {
            g_szLanguageFile[0] = '\0';
            return;
        }
        lstrcpynA(g_szLanguageFile, found, MAX_PATH);
    }

    lstrcpynA(g_szLanguageSection, pszModuleName, MAX_PATH);
    const int used = lstrlenA(g_szLanguageSection);
    lstrcpynA(g_szLanguageSection + used, " Extender", MAX_PATH - used);
    g_nLookupState = LanguageFileFound;
}

} // namespace

void StoreModuleBaseName(char* pszModuleName)
{
    char path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameA(g_hInstance, path, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return;
    const char* base = path;
    const char* dot = nullptr;
    for (const char* p = path; *p != '\0'; p = CharNextA(p)) {
        if (*p == '\\' || *p == '/') {
            base = p + 1;
            dot = nullptr;
        } else if (*p == '.') {
            dot = p;
        }
    }
    const int baseLength = dot != nullptr ? static_cast<int>(dot - base) : lstrlenA(base);
    lstrcpynA(pszModuleName, base, baseLength + 1);
}

int GetExtString(const char* pszModuleName, UINT nId, char* pszDest, int nSize)
{
    if (nSize == 0) {
        nSize = sizeof g_szDefaultBuffer;
        pszDest = g_szDefaultBuffer;
    }
    if (g_nLookupState == NotLookedUp || nId == 0) LookUpLanguageFile(pszModuleName);

    int count = 0;
    bool fromFile = false;
    if (nId >= 100 && g_nLookupState == LanguageFileFound) {
        char key[16];
        wsprintfA(key, "X%u", nId);
        count = static_cast<int>(GetPrivateProfileStringA(g_szLanguageSection, key, "XXX", pszDest,
                                                          static_cast<DWORD>(nSize), g_szLanguageFile));
        fromFile = lstrcmpA(pszDest, "XXX") != 0;
    }
    if (!fromFile) {
        pszDest[0] = '\0';
        count = LoadStringA(g_hInstance, nId, pszDest, nSize);
    }
    for (char* p = pszDest; *p != '\0'; p = CharNextA(p)) {
        if (*p == '~') *p = '\n';
        else if (*p == '|') *p = '\t';
    }
    return count;
}

int ReadVersionNumber()
{
    char path[MAX_PATH];
    if (GetModuleFileNameA(g_hInstance, path, MAX_PATH) == 0) return VERSION_UNREADABLE;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return VERSION_UNREADABLE;
    // Without the memory the version is as unreadable as without the resource.
    const std::unique_ptr<char[]> block(new (std::nothrow) char[size]);
    if (block == nullptr) return VERSION_UNREADABLE;

    int version = VERSION_UNREADABLE;
    if (GetFileVersionInfoA(path, 0, size, block.get())) {
        WORD language = 0x0409;
        WORD codePage = 0x04B0;
        void* translation = nullptr;
        UINT translationSize = 0;
        if (VerQueryValueA(block.get(), "\\VarFileInfo\\Translation", &translation, &translationSize) &&
            translationSize >= 4) {
            const DWORD pair = *static_cast<const DWORD*>(translation);
            language = LOWORD(pair);
            codePage = HIWORD(pair);
        }
        char name[64];
        wsprintfA(name, "\\StringFileInfo\\%04x%04x\\%s", language, codePage, "FileVersion");
        void* text = nullptr;
        UINT textSize = 0;
        if (VerQueryValueA(block.get(), name, &text, &textSize) && text != nullptr)
            version = ParseVersionNumber(static_cast<const char*>(text), VERSION_UNREADABLE);
    }
    return version;
}
