// Helpers of the control tests: a handle that names no window, and a recorder of
// the windows created while it lives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace misc {

// A handle that named a window once and names none now.
inline HWND deadWindow()
{
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(window);
    return window;
}

inline HWND toWindow(LONG value) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(value)); }

// One window creation as CreateWindowExA was asked for it.
struct Creation {
    HWND window = nullptr;
    std::string className;
    bool hasText = false;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    INT_PTR menu = 0; // the child id of a child window
};

// Records every window created on this thread while it lives.
class CreationRecorder {
public:
    CreationRecorder()
    {
        s_current = this;
        m_hook = SetWindowsHookExA(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
    }
    ~CreationRecorder()
    {
        UnhookWindowsHookEx(m_hook);
        s_current = nullptr;
    }
    CreationRecorder(const CreationRecorder&) = delete;
    CreationRecorder& operator=(const CreationRecorder&) = delete;

    // The creation of the given window; null when it was not seen.
    const Creation* find(HWND window) const
    {
        for (const Creation& c : m_creations) {
            if (c.window == window) return &c;
        }
        return nullptr;
    }
    size_t count() const { return m_creations.size(); }

private:
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && s_current != nullptr) {
            const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            Creation c;
            c.window = reinterpret_cast<HWND>(wParam);
            char className[256] = "";
            GetClassNameA(c.window, className, sizeof className);
            c.className = className;
            c.hasText = cs->lpszName != nullptr;
            if (c.hasText && !IS_INTRESOURCE(cs->lpszName)) c.text = cs->lpszName;
            c.style = static_cast<DWORD>(cs->style);
            c.exStyle = cs->dwExStyle;
            c.x = cs->x;
            c.y = cs->y;
            c.width = cs->cx;
            c.height = cs->cy;
            c.parent = cs->hwndParent;
            c.menu = reinterpret_cast<INT_PTR>(cs->hMenu);
            s_current->m_creations.push_back(c);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline CreationRecorder* s_current = nullptr;
    HHOOK m_hook = nullptr;
    std::vector<Creation> m_creations;
};

} // namespace misc
