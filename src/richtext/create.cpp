// rtCreate: a rich edit control in the script's dialog.
#include "host/args.h"
#include "host/korvanet.h"
#include "controls/creation.h"

#include <richedit.h>

#include <string>

namespace {

constexpr DWORD kRichEditStyle = WS_CHILD | WS_VISIBLE | ES_SELECTIONBAR | WS_BORDER | WS_VSCROLL | WS_HSCROLL |
                                 WS_TABSTOP | ES_SAVESEL | ES_WANTRETURN | ES_NOHIDESEL | ES_AUTOHSCROLL |
                                 ES_AUTOVSCROLL | ES_MULTILINE;
static_assert(kRichEditStyle == 0x51B191C4);

// The rich edit library, loaded from the system directory by its full path. A bare
// name would be looked up in the current directory too, so a "Msftedit.dll" placed
// beside a script would be loaded into the host. It stays loaded for the process.
void LoadRichEditLibrary()
{
    static HMODULE s_hLibrary = nullptr;
    if (s_hLibrary != nullptr) return;
    char szDir[MAX_PATH];
    const UINT nLength = GetSystemDirectoryA(szDir, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH) return;   // no system directory: no library
    const std::string path = std::string(szDir, nLength) + "\\Msftedit.dll";
    s_hLibrary = LoadLibraryA(path.c_str());
}

} // namespace

int CKorvanet::rtCreate(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // Without the library the class is unknown and creation fails: the result is 0.
    LoadRichEditLibrary();
    const ControlPlacement placement{args.integer(2), args.integer(3), args.integer(4), args.integer(5)};
    HWND hRich = CreateControl(hInst, args.window(1), "RICHEDIT50W", "Hello World.", kRichEditStyle, placement);
    if (hRich != nullptr) {
        // ES_SELECTIONBAR shares its bit with WS_MAXIMIZE; this places the control.
        SetWindowPos(hRich, nullptr, placement.x, placement.y, placement.width, placement.height,
                     SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    return ReturnInt(HandleToInt(hRich));
}
