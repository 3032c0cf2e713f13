#include "notes.h"

#include <cstdio>

namespace zub {

namespace {

thread_local NoteCatcher* t_catcher = nullptr;
thread_local HHOOK t_guard = nullptr;

bool isMessageBox(HWND window)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

Note readNote(HWND box)
{
    Note note;
    note.owner = GetWindow(box, GW_OWNER);
    char text[4096] = {};
    GetWindowTextA(box, text, sizeof text);
    note.caption = text;
    text[0] = '\0';
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    note.text = text;
    note.okOnly = GetDlgItem(box, IDOK) != nullptr;
    for (int id : {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        if (GetDlgItem(box, id) != nullptr) note.okOnly = false;
    }
    return note;
}

LRESULT CALLBACK guardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && t_catcher == nullptr) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (isMessageBox(box)) {
            const Note note = readNote(box);
            std::fprintf(stderr, "unexpected message box [%s] %s\n", note.caption.c_str(), note.text.c_str());
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

NoteCatcher::NoteCatcher()
{
    m_previous = t_catcher;
    t_catcher = this;
    m_hook = SetWindowsHookExA(WH_CBT, hookProc, nullptr, GetCurrentThreadId());
}

NoteCatcher::~NoteCatcher()
{
    if (m_hook != nullptr) UnhookWindowsHookEx(m_hook);
    t_catcher = m_previous;
}

LRESULT CALLBACK NoteCatcher::hookProc(int code, WPARAM wParam, LPARAM lParam)
{
    NoteCatcher* catcher = t_catcher;
    if (code == HCBT_ACTIVATE && catcher != nullptr) {
        HWND box = reinterpret_cast<HWND>(wParam);
        if (isMessageBox(box)) {
            // Activation can come twice for one box: record it once.
            if (GetPropA(box, "zub.note") == nullptr) {
                SetPropA(box, "zub.note", reinterpret_cast<HANDLE>(1));
                catcher->m_notes.push_back(readNote(box));
                if (catcher->whileShown) catcher->whileShown(catcher->m_notes.back());
                if (catcher->answer) PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void installStrayNoteGuard()
{
    if (t_guard == nullptr) t_guard = SetWindowsHookExA(WH_CBT, guardProc, nullptr, GetCurrentThreadId());
}

} // namespace zub
