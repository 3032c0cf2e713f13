// Status bar: creation along the dialog's bottom edge, parts, texts, background
// colour and an icon per part.
#include "controls/creation.h"
#include "controls/statusbar_parts.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "host/notes.h"
#include "host/values.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace {

constexpr UINT kStatusBarId = 70;
// WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS and the bit 0x200.
constexpr DWORD kStatusBarStyle = 0x50000A00;

constexpr UINT_PTR kIconSubclassId = 1;

// The icons that sbSetIcon loaded from files and that a status bar shows now. A
// status bar does not own its icons, so each is destroyed when sbSetIcon replaces it
// or when its status bar goes; the shared information icon is never listed.
class LoadedIcons {
public:
    LoadedIcons() = default;
    LoadedIcons(const LoadedIcons&) = delete;
    LoadedIcons& operator=(const LoadedIcons&) = delete;

    // When the library is unloaded no status bar may still call into it. The icons
    // stay, as their status bars still show them.
    ~LoadedIcons()
    {
        for (const Shown& shown : m_shown) RemoveWindowSubclass(shown.hBar, &LoadedIcons::subclassProc, kIconSubclassId);
    }

    void add(HWND hBar, HICON hIcon)
    {
        SetWindowSubclass(hBar, &LoadedIcons::subclassProc, kIconSubclassId, 0);
        m_shown.push_back({hBar, hIcon});
    }

    // Destroys the icon when this status bar shows it as one loaded from a file.
    void release(HWND hBar, HICON hIcon)
    {
        const auto found = std::find_if(m_shown.begin(), m_shown.end(),
                                        [&](const Shown& s) { return s.hBar == hBar && s.hIcon == hIcon; });
        if (found == m_shown.end()) return;
        DestroyIcon(found->hIcon);
        m_shown.erase(found);
    }

private:
    struct Shown {
        HWND hBar;
        HICON hIcon;
    };

    void releaseAll(HWND hBar)
    {
        const auto gone = std::remove_if(m_shown.begin(), m_shown.end(), [&](const Shown& s) {
            if (s.hBar != hBar) return false;
            DestroyIcon(s.hIcon);
            return true;
        });
        m_shown.erase(gone, m_shown.end());
    }

    static LRESULT CALLBACK subclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);

    std::vector<Shown> m_shown;
};

LoadedIcons g_loadedIcons;

LRESULT CALLBACK LoadedIcons::subclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (uMsg == WM_NCDESTROY) {
        g_loadedIcons.releaseAll(hWnd);
        RemoveWindowSubclass(hWnd, &LoadedIcons::subclassProc, kIconSubclassId);
    }
    return DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

// The icon of an icon file in the small-icon size; null when the file holds none.
HICON LoadSmallIcon(const char* pszPath)
{
    return static_cast<HICON>(LoadImageA(nullptr, pszPath, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
}

HICON InformationIcon()
{
    return static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32516), IMAGE_ICON, 0, 0, LR_SHARED));
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
    return ReturnInt(static_cast<int>(Send(args.window(1), SB_SETBKCOLOR, 0, static_cast<LPARAM>(TextToColor(args.text(2))))));
}

int CKorvanet::sbSetIcon(HWND hWnd, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hBar = args.window(1);
    if (!FileAvailable(hWnd, args.text(3))) return ReturnInt(0);
    // Part numbers count from 1; 0 (and anything below) means the first part.
    const WPARAM part = static_cast<WPARAM>(std::max(args.position(2), 0));
    HICON hIcon = LoadSmallIcon(args.text(3));
    const bool fromFile = hIcon != nullptr;
    if (!fromFile) hIcon = InformationIcon();

    const HICON hPrevious = reinterpret_cast<HICON>(Send(hBar, SB_GETICON, part));
    const int nReply = static_cast<int>(Send(hBar, SB_SETICON, part, reinterpret_cast<LPARAM>(hIcon)));
    if (nReply == 0) {
        // Not shown (no status bar, or no such part): nothing changed.
        if (fromFile) DestroyIcon(hIcon);
        return ReturnInt(0);
    }
    if (hPrevious != hIcon) g_loadedIcons.release(hBar, hPrevious);
    if (fromFile) g_loadedIcons.add(hBar, hIcon);
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
    // Part 0 goes to the control as -1, whole; the control decides.
    Send(args.window(1), SB_SETTEXTA, static_cast<WPARAM>(args.position(2)), args.text(3));
    return ReturnInt(1);
}
