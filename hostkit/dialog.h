// A real top-level window standing in for a host dialog, with helpers that create
// real controls in it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <initializer_list>
#include <string>

namespace zub {

class Dialog {
public:
    explicit Dialog(int width = 640, int height = 480, const char* title = "Zub dialog");
    ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND hwnd() const { return m_hwnd; }
    operator HWND() const { return m_hwnd; }

    HWND edit(const char* text = "", DWORD style = ES_AUTOHSCROLL, int x = 10, int y = 10, int w = 300, int h = 24);
    HWND listBox(DWORD style, std::initializer_list<const char*> items, int x = 10, int y = 40, int w = 200, int h = 200);
    HWND comboBox(DWORD style, std::initializer_list<const char*> items, int x = 220, int y = 40, int w = 200, int h = 200);
    // A report-style list view with the given columns (each 80 pixels wide).
    HWND listView(std::initializer_list<const char*> columns = {}, DWORD style = LVS_REPORT, DWORD exStyle = 0,
                  int x = 10, int y = 250, int w = 400, int h = 200);
    HWND button(const char* text = "Button", DWORD style = BS_PUSHBUTTON, int x = 430, int y = 10, int w = 100, int h = 30);
    HWND child(const char* className, const char* text, DWORD style, int x, int y, int w, int h);

    // Dispatches the thread's pending messages.
    static void pump();

private:
    HWND m_hwnd = nullptr;
};

// Adds a list view row: the item text, then the sub-item texts.
void addListViewRow(HWND listView, std::initializer_list<const char*> cells);

// The window's rectangle in the client coordinates of another window (its parent).
RECT rectIn(HWND window, HWND parent);

// The window text as a string.
std::string windowText(HWND window);

} // namespace zub
