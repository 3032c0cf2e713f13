// Windows resources held for a scope: one holder template and a close policy per kind
// of handle, so that no path out of a function can leak one.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <utility>

namespace win {

// Owns one handle. The policy names the handle type, the value that holds nothing
// (invalid()) and how a held handle is given back (close()); a policy may carry what
// closing needs, such as the window a DC came from. Move-only: exactly one holder
// gives each handle back.
template <class Policy>
class Scoped {
public:
    using Handle = typename Policy::Handle;

    Scoped() = default;
    explicit Scoped(Handle handle, Policy policy = Policy()) : m_handle(handle), m_policy(std::move(policy)) {}
    ~Scoped() { reset(); }

    Scoped(Scoped&& other) noexcept : m_handle(other.release()), m_policy(std::move(other.m_policy)) {}
    Scoped& operator=(Scoped&& other) noexcept
    {
        if (this != &other) {
            reset();
            m_handle = other.release();
            m_policy = std::move(other.m_policy);
        }
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Policy::invalid(); }
    const Policy& policy() const { return m_policy; }

    // Gives the handle up without closing it.
    Handle release() { return std::exchange(m_handle, Policy::invalid()); }

    // Closes the held handle, if any, and holds the one given instead.
    void reset(Handle handle = Policy::invalid())
    {
        const Handle old = std::exchange(m_handle, handle);
        if (old != Policy::invalid()) m_policy.close(old);
    }

private:
    Handle m_handle = Policy::invalid();
    [[no_unique_address]] Policy m_policy;
};

// A handle that null leaves empty and one function closes.
template <class H, auto pfnClose>
struct ClosePolicy {
    using Handle = H;
    static H invalid() { return nullptr; }
    static void close(H handle) { pfnClose(handle); }
};

// A GDI object (bitmap, brush, pen, region ...).
template <class H>
using ScopedGdiObject = Scoped<ClosePolicy<H, &DeleteObject>>;
// An icon that was loaded, not shared.
using ScopedIcon = Scoped<ClosePolicy<HICON, &DestroyIcon>>;
// A memory DC from CreateCompatibleDC.
using ScopedMemoryDc = Scoped<ClosePolicy<HDC, &DeleteDC>>;

// A handle that null leaves empty and one function closes together with what it
// belongs to: the window a DC came from, the DC an object was selected into.
template <class H, class Owner, auto pfnClose>
struct OwnedClosePolicy {
    using Handle = H;
    Owner owner = nullptr;
    static H invalid() { return nullptr; }
    void close(H handle) const { pfnClose(owner, handle); }
};

// A DC from GetDC or GetWindowDC: ReleaseDC with its window.
using ScopedWindowDc = Scoped<OwnedClosePolicy<HDC, HWND, &ReleaseDC>>;

// The client area's DC (the screen's for a null window).
inline ScopedWindowDc GetClientDc(HWND hWnd) { return ScopedWindowDc(GetDC(hWnd), {hWnd}); }
// The DC of the whole window, frame included.
inline ScopedWindowDc GetWholeWindowDc(HWND hWnd) { return ScopedWindowDc(GetWindowDC(hWnd), {hWnd}); }

// One painting of a window, BeginPaint to EndPaint. EndPaint is owed even when
// BeginPaint fails, as BeginPaint hides the caret before anything else and EndPaint
// shows it again; so the handle only says that the painting has begun, and the
// painting's DC is policy().ps.hdc.
struct PaintPolicy {
    using Handle = bool;
    HWND hWnd = nullptr;
    PAINTSTRUCT ps = {};
    static bool invalid() { return false; }
    void close(bool) { EndPaint(hWnd, &ps); }
};
using ScopedPaint = Scoped<PaintPolicy>;

inline ScopedPaint BeginPainting(HWND hWnd)
{
    PaintPolicy policy{hWnd};
    BeginPaint(hWnd, &policy.ps);
    return ScopedPaint(true, policy);
}

// An object selected into a DC for a while. The handle is the object it replaced,
// which is selected back.
using ScopedSelection = Scoped<OwnedClosePolicy<HGDIOBJ, HDC, &SelectObject>>;

inline ScopedSelection SelectInto(HDC hDC, HGDIOBJ hObject)
{
    return ScopedSelection(SelectObject(hDC, hObject), {hDC});
}

// A file handle; a failed CreateFile gives INVALID_HANDLE_VALUE, not null: CloseHandle.
struct FilePolicy {
    using Handle = HANDLE;
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE hFile) { CloseHandle(hFile); }
};
using ScopedFile = Scoped<FilePolicy>;

// OLE on the calling thread. The handle says whether OleInitialize succeeded (S_FALSE,
// already initialised, counts too); only then is OleUninitialize owed.
struct OlePolicy {
    using Handle = bool;
    static bool invalid() { return false; }
    static void close(bool) { OleUninitialize(); }
};
using ScopedOle = Scoped<OlePolicy>;

inline ScopedOle InitializeOle() { return ScopedOle(SUCCEEDED(OleInitialize(nullptr))); }

} // namespace win
