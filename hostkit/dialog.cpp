#include "dialog.h"

#include <stdexcept>
#include <string>

namespace zub {

namespace {

const char kClassName[] = "ZubTestDialog";

void registerClass()
{
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    registered = true;
}

} // namespace

Dialog::Dialog(int width, int height, const char* title)
{
    registerClass();
    m_hwnd = CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40, width,
                             height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (m_hwnd == nullptr) {
        const DWORD error = GetLastError();
        throw std::runtime_error("cannot create the dialog window (error " + std::to_string(error) + ")");
    }
    SetForegroundWindow(m_hwnd);
    SetActiveWindow(m_hwnd);
    pump();
}

Dialog::~Dialog()
{
    DestroyWindow(m_hwnd);
    pump();
}

HWND Dialog::child(const char* className, const char* text, DWORD style, int x, int y, int w, int h)
{
    HWND window = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, m_hwnd, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) throw std::runtime_error(std::string("cannot create a ") + className);
    return window;
}

HWND Dialog::edit(const char* text, DWORD style, int x, int y, int w, int h)
{
    return child("EDIT", text, WS_BORDER | WS_TABSTOP | style, x, y, w, h);
}

HWND Dialog::listBox(DWORD style, std::initializer_list<const char*> items, int x, int y, int w, int h)
{
    HWND box = child("LISTBOX", "", WS_BORDER | WS_VSCROLL | style, x, y, w, h);
    for (const char* item : items) SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return box;
}

HWND Dialog::comboBox(DWORD style, std::initializer_list<const char*> items, int x, int y, int w, int h)
{
    HWND box = child("COMBOBOX", "", WS_VSCROLL | style, x, y, w, h);
    for (const char* item : items) SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return box;
}

HWND Dialog::listView(std::initializer_list<const char*> columns, DWORD style, DWORD exStyle, int x, int y, int w, int h)
{
    HWND view = child(WC_LISTVIEWA, "", WS_BORDER | style, x, y, w, h);
    if (exStyle != 0) SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, exStyle, exStyle);
    int index = 0;
    for (const char* heading : columns) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 80;
        column.pszText = const_cast<char*>(heading);
        SendMessageA(view, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
        ++index;
    }
    return view;
}

HWND Dialog::button(const char* text, DWORD style, int x, int y, int w, int h)
{
    return child("BUTTON", text, style, x, y, w, h);
}

void Dialog::pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void addListViewRow(HWND listView, std::initializer_list<const char*> cells)
{
    const int row = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    int column = 0;
    for (const char* text : cells) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text);
        SendMessageA(listView, column == 0 ? LVM_INSERTITEMA : LVM_SETITEMTEXTA, column == 0 ? 0 : row,
                     reinterpret_cast<LPARAM>(&item));
        ++column;
    }
}

RECT rectIn(HWND window, HWND parent)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string windowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    // The length can be an estimate that is too large; the copy says what there is.
    const int got = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

} // namespace zub
