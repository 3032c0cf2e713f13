// Status bar: creation along the dialog's bottom edge, parts, texts, background
// colour and an icon per part.
#include "controls/creation.h"
#include "controls/statusbar_parts.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "host/notes.h"
#include "host/values.h"
#include "win/scoped.h"
#include "win/window_state.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr UINT kStatusBarId = 70;
// A bit that no status bar style names; the bar has always been created with it.
constexpr DWORD kUnnamedStyleBit = 0x0200;
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS | kUnnamedStyleBit;
static_assert(kStatusBarStyle == 0x50000A00);

constexpr UINT_PTR kIconSubclassId = 1;

// The icons that sbSetIcon loaded from files and that a status bar shows now, kept on
// the bar. A status bar does not own its icons, so each is destroyed when sbSetIcon
// replaces it or when its status bar goes; the shared information icon is never kept.
struct LoadedIcons {
    std::vector<win::ScopedIcon> icons;

    // Destroys the icon when the bar shows it as one loaded from a file.
    void Destroy(HICON hIcon)
    {
        std::erase_if(icons, [&](const win::ScopedIcon& icon) { return icon.get() == hIcon; });
    }

    // When the library is unloaded the icons stay, as their status bars still show them.
    void Detach()
    {
        for (win::ScopedIcon& icon : icons) icon.release();
    }
};

using BarIcons = win::WindowState<LoadedIcons, kIconSubclassId>;

// The icon of an icon file in the small-icon size; null when the file holds none.
HICON LoadSmallIcon(const char* pszPath)
{
    return static_cast<HICON>(LoadImageA(nullptr, pszPath, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
}

HICON InformationIcon()
{
    return static_cast<HICON>(LoadImageA(nullptr, IDI_INFORMATION, IMAGE_ICON, 0, 0, LR_SHARED));
}

} // namespace

int CKorvanet::sbCreateStatusBar(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    EnsureCommonControls(ICC_BAR_CLASSES);
    const HWND hBar = CreateStatusWindowA(kStatusBarStyle, "", args.window(1), kStatusBarId);
    Send(hBar, SB_SETTEXTA, 0, args.text(2));
    return ReturnInt(HandleToInt(hBar));
}

int CKorvanet::sbSetBkColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), SB_SETBKCOLOR, 0, static_cast<LPARAM>(TextToColor(args.text(2)))));
}

int CKorvanet::sbSetIcon(HWND hWnd, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hBar = args.window(1);
    if (!FileAvailable(hWnd, args.text(3))) return ReturnInt(0);
    // Part numbers count from 1; 0 (and anything below) means the first part.
    const WPARAM part = static_cast<WPARAM>(std::max(args.position(2), 0));
    win::ScopedIcon loaded(LoadSmallIcon(args.text(3)));
    const HICON hIcon = loaded ? loaded.get() : InformationIcon();

    const HICON hPrevious = reinterpret_cast<HICON>(Send(hBar, SB_GETICON, part));
    const int nReply = static_cast<int>(Send(hBar, SB_SETICON, part, reinterpret_cast<LPARAM>(hIcon)));
    // Not shown (no status bar, or no such part): nothing changed, and the icon just
    // loaded goes with `loaded`.
    if (nReply == 0) return ReturnInt(0);
    // The bar shows the icon now: whatever fails below (no room to keep it), it stays alive.
    const HICON hShown = loaded.release();
    LoadedIcons* pKept = BarIcons::Find(hBar);
    if (pKept != nullptr && hPrevious != hIcon) pKept->Destroy(hPrevious);
    if (hShown != nullptr) {
        if (pKept == nullptr) pKept = BarIcons::Attach(hBar);
        if (pKept != nullptr) pKept->icons.emplace_back(hShown);
    }
    return ReturnInt(nReply);
}

int CKorvanet::sbSetParts(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    int32_t edges[STATUSBAR_EDGES_MAX] = {};
    const int nCount = ParseStatusBarEdges(args.text(2), edges);
    Send(args.window(1), SB_SETPARTS, static_cast<WPARAM>(nCount), edges);
    return ReturnInt(nCount);
}

int CKorvanet::sbSetText(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // Part 0 names the simple-mode part alone: sent as -1 it would also carry every drawing
    // flag, owner-draw among them, and the bar would keep the text's address, not a copy.
    const int nPart = args.position(2);
    Send(args.window(1), SB_SETTEXTA, nPart == -1 ? SB_SIMPLEID : static_cast<WPARAM>(nPart), args.text(3));
    return ReturnInt(1);
}
