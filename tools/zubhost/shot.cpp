// A picture of the dialog as it shows on the screen, saved as PNG.
#include "console.h"
#include "png.h"
#include "win/scoped.h"

#include <windows.h>

namespace zub::console {

namespace {

// Copies what the device context shows in the rectangle into RGB rows, top to bottom.
bool capture(HDC source, int left, int top, int width, int height, bool printWindow, HWND window,
             std::vector<uint8_t>& rgb)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const win::ScopedGdiObject<HBITMAP> dib(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return false;
    const win::ScopedMemoryDc memory(CreateCompatibleDC(source));
    const win::ScopedSelection selected = win::SelectInto(memory.get(), dib.get());
    const BOOL done = printWindow ? PrintWindow(window, memory.get(), 0)
                                  : BitBlt(memory.get(), 0, 0, width, height, source, left, top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    if (done) {
        const auto* pixels = static_cast<const uint8_t*>(bits); // blue, green, red, unused
        rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
        for (size_t i = 0, n = static_cast<size_t>(width) * static_cast<size_t>(height); i < n; ++i) {
            rgb[3 * i] = pixels[4 * i + 2];
            rgb[3 * i + 1] = pixels[4 * i + 1];
            rgb[3 * i + 2] = pixels[4 * i];
        }
    }
    return done != FALSE;
}

bool uniform(const std::vector<uint8_t>& rgb)
{
    for (size_t i = 3; i < rgb.size(); ++i) {
        if (rgb[i] != rgb[i % 3]) return false;
    }
    return true;
}

} // namespace

std::string saveShot(HWND window, const std::string& path)
{
    if (!IsWindow(window)) return "the dialog is gone";
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpFor(400); // let the display catch up with the painting

    RECT r = {};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return "the dialog has no size";

    // The screen shows the dialog with whatever lies over it (a tooltip, say); where
    // the screen yields nothing, the window paints itself into the picture.
    std::vector<uint8_t> rgb;
    const bool fromScreen =
        capture(win::GetClientDc(nullptr).get(), r.left, r.top, width, height, false, window, rgb) && !uniform(rgb);
    if (!fromScreen) {
        const bool painted = capture(win::GetWholeWindowDc(window).get(), 0, 0, width, height, true, window, rgb);
        if (!painted || uniform(rgb)) return "nothing to see: --shot needs a display (the X11 driver, under Xvfb)";
    }
    if (!png::writeFile(path, png::encodeRgb(width, height, rgb))) return "cannot write " + path;
    return {};
}

} // namespace zub::console
