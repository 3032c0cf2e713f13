// Reading argument cells and sending messages, so handlers read like their table rows.
#pragma once

#include "ext_value.h"

#include <commctrl.h>

// Reads the host's argument cells; argument n (counted from 1) is cell n - 1.
class Args {
public:
    explicit Args(const ExtValue* pArgs) : m_pArgs(pArgs) {}

    int integer(int n) const { return m_pArgs[n - 1].nValue; }
    // A null text address reads as the empty text.
    const char* text(int n) const
    {
        const char* text = m_pArgs[n - 1].pszValue;
        return text != nullptr ? text : "";
    }
    // A window handle travels as 32 bits; 64-bit Windows defines it sign-extended.
    HWND window(int n) const { return reinterpret_cast<HWND>(static_cast<INT_PTR>(integer(n))); }
    // An image list handle is an address: it comes back zero-extended (see ImageListFitsInCell).
    HIMAGELIST imageList(int n) const
    {
        return reinterpret_cast<HIMAGELIST>(static_cast<UINT_PTR>(static_cast<DWORD>(integer(n))));
    }
    // A script position (counted from 1) as the control's index.
    int position(int n) const { return integer(n) - 1; }

private:
    const ExtValue* m_pArgs;
};

inline LRESULT Send(HWND hWnd, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(hWnd, uMsg, wParam, lParam);
}

template <class T>
LRESULT Send(HWND hWnd, UINT uMsg, WPARAM wParam, T* pRecord)
{
    return SendMessageA(hWnd, uMsg, wParam, reinterpret_cast<LPARAM>(pRecord));
}

// A window handle as the 32-bit integer a script holds.
inline int HandleToInt(const void* handle) { return static_cast<int>(reinterpret_cast<INT_PTR>(handle)); }

// Whether a script's 32-bit value can hold the image list's address (always, in a 32-bit process).
inline bool ImageListFitsInCell(HIMAGELIST hList) { return reinterpret_cast<UINT_PTR>(hList) <= 0xFFFFFFFFu; }
