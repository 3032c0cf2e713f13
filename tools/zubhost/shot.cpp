// A picture of the dialog as it shows on the screen, saved as PNG through the Windows
// Imaging Component's encoder.
#include "console.h"
#include "win/scoped.h"

#include <windows.h>
#include <wincodec.h>

#include <cstdio>
#include <optional>

namespace zub::console {

namespace {

// A 32-bit top-down DIB section and its pixels (blue, green, red, unused).
struct Capture {
    win::ScopedGdiObject<HBITMAP> dib;
    const uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;

    // True when every pixel has the colour of the first: nothing was drawn.
    bool uniform() const { return width <= 0 || height <= 0 || uniform(0, 0, width, height); }

    // True when every pixel of rows top..bottom-1 between left and right has one colour.
    bool uniform(int left, int top, int right, int bottom) const
    {
        if (left < 0 || top < 0 || right > width || bottom > height || left >= right || top >= bottom) return false;
        const uint32_t first = pixels[static_cast<size_t>(top) * static_cast<size_t>(width) + static_cast<size_t>(left)];
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const uint32_t pixel = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
                if ((pixel & 0xFFFFFF) != (first & 0xFFFFFF)) return false;
            }
        }
        return true;
    }
};

// Draws the window's frame into the picture, around the client area (picture coordinates):
// a raised border, the active caption with icon and title, and the caption buttons that the
// window's style asks for, as the classic look draws them.
void drawFrame(HWND window, const Capture& shot, const RECT& client)
{
    const win::ScopedMemoryDc memory(CreateCompatibleDC(nullptr));
    const win::ScopedSelection selected = win::SelectInto(memory.get(), shot.dib.get());
    HDC dc = memory.get();
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    RECT frame = {0, 0, shot.width, shot.height};
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    FillRect(dc, &frame, GetSysColorBrush(COLOR_3DFACE));
    DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (style & WS_THICKFRAME) {
        // The sizing border inside the edge, in the active border's colour.
        const int across = GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
        const int down = GetSystemMetrics(SM_CYFRAME) - GetSystemMetrics(SM_CYDLGFRAME);
        RECT inner = frame;
        InflateRect(&inner, -across, -down);
        const int edges = SaveDC(dc);
        ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
        FillRect(dc, &frame, GetSysColorBrush(COLOR_ACTIVEBORDER));
        RestoreDC(dc, edges);
        frame = inner;
    }
    RestoreDC(dc, saved);

    if ((style & WS_CAPTION) != WS_CAPTION) return;
    // The caption lies inside the border, which is as wide at the top as at the left.
    RECT caption = {client.left, client.left, client.right, client.left + GetSystemMetrics(SM_CYCAPTION) - 1};
    if (caption.bottom > client.top) caption.bottom = client.top;
    DrawCaption(window, dc, &caption, DC_ACTIVE | DC_ICON | DC_TEXT | DC_GRADIENT);
    if (!(style & WS_SYSMENU)) return;
    const int buttonWidth = GetSystemMetrics(SM_CXSIZE) - 2;
    RECT button = {caption.right - 2 - buttonWidth, caption.top + 2, caption.right - 2, caption.bottom - 2};
    DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    if (!(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) return;
    OffsetRect(&button, -(buttonWidth + 2), 0);
    DrawFrameControl(dc, &button, DFC_CAPTION,
                     DFCS_CAPTIONMAX | ((style & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE));
    OffsetRect(&button, -buttonWidth, 0);
    DrawFrameControl(dc, &button, DFC_CAPTION,
                     DFCS_CAPTIONMIN | ((style & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE));
    GdiFlush();
}

// Copies what the device context shows in the rectangle; nothing when it cannot.
std::optional<Capture> capture(HDC source, int left, int top, int width, int height, bool printWindow, HWND window)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    Capture shot;
    void* bits = nullptr;
    shot.dib.reset(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!shot.dib) return std::nullopt;
    shot.pixels = static_cast<const uint32_t*>(bits);
    shot.width = width;
    shot.height = height;
    const win::ScopedMemoryDc memory(CreateCompatibleDC(source));
    const win::ScopedSelection selected = win::SelectInto(memory.get(), shot.dib.get());
    const BOOL done = printWindow ? PrintWindow(window, memory.get(), 0)
                                  : BitBlt(memory.get(), 0, 0, width, height, source, left, top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    if (!done) return std::nullopt;
    return shot;
}

template <class I>
void releaseInterface(I* object)
{
    object->Release();
}

// A COM interface held for a scope.
template <class I>
using ScopedInterface = win::Scoped<win::ClosePolicy<I*, &releaseInterface<I>>>;

std::wstring wide(const std::string& text)
{
    std::wstring out(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
    out.pop_back(); // the terminating zero
    return out;
}

std::string failure(const char* what, HRESULT hr)
{
    char text[128];
    std::snprintf(text, sizeof text, "%s (error 0x%08lX)", what, static_cast<unsigned long>(hr));
    return text;
}

// Writes the pixels as a PNG file; the reason when it cannot, or empty.
std::string writePng(const Capture& shot, const std::string& path)
{
    const win::ScopedOle ole = win::InitializeOle();
    IWICImagingFactory* made = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(&made));
    const ScopedInterface<IWICImagingFactory> factory(made);
    if (FAILED(hr)) return failure("the Windows Imaging Component is not available", hr);

    const UINT stride = static_cast<UINT>(shot.width) * 4;
    IWICBitmap* bitmap = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    hr = factory.get()->CreateBitmapFromMemory(static_cast<UINT>(shot.width), static_cast<UINT>(shot.height),
                                               GUID_WICPixelFormat32bppBGR, stride, stride * static_cast<UINT>(shot.height),
                                               reinterpret_cast<BYTE*>(const_cast<uint32_t*>(shot.pixels)), &bitmap);
    const ScopedInterface<IWICBitmap> source(bitmap);
    if (FAILED(hr)) return failure("cannot hand the picture to the encoder", hr);

    hr = factory.get()->CreateStream(&stream);
    const ScopedInterface<IWICStream> file(stream);
    if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(wide(path).c_str(), GENERIC_WRITE);
    if (FAILED(hr)) return failure(("cannot write " + path).c_str(), hr);

    hr = factory.get()->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    const ScopedInterface<IWICBitmapEncoder> png(encoder);
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, &options);
    const ScopedInterface<IWICBitmapFrameEncode> page(frame);
    const ScopedInterface<IPropertyBag2> pageOptions(options);
    if (SUCCEEDED(hr)) hr = frame->Initialize(options);
    if (SUCCEEDED(hr)) hr = frame->SetSize(static_cast<UINT>(shot.width), static_cast<UINT>(shot.height));
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR; // the encoder may pick another
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr)) hr = frame->WriteSource(bitmap, nullptr);
    if (SUCCEEDED(hr)) hr = frame->Commit();
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    if (FAILED(hr)) return failure("cannot encode the picture as PNG", hr);
    return {};
}

} // namespace

bool screenAvailable()
{
    const win::ScopedWindowDc screen = win::GetClientDc(nullptr);
    const win::ScopedMemoryDc memory(CreateCompatibleDC(screen.get()));
    const win::ScopedGdiObject<HBITMAP> pixel(CreateCompatibleBitmap(screen.get(), 1, 1));
    const win::ScopedSelection selected = win::SelectInto(memory.get(), pixel.get());
    return BitBlt(memory.get(), 0, 0, 1, 1, screen.get(), 0, 0, SRCCOPY) != FALSE;
}

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
    std::optional<Capture> shot = capture(win::GetClientDc(nullptr).get(), r.left, r.top, width, height, false, window);
    if (!shot || shot->uniform()) {
        shot = capture(win::GetWholeWindowDc(window).get(), 0, 0, width, height, true, window);
        if (!shot || shot->uniform()) return "nothing to see: --shot needs a display (the X11 driver, under Xvfb)";
    }
    // Where Wine leaves the frame to a window manager (its X11 driver's default), the screen
    // shows none, and without a manager the caption's band is one colour (black): the
    // picture gets the frame drawn as Wine draws it where it draws frames itself.
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -r.left, -r.top);
    if (client.top > client.left && shot->uniform(client.left, client.left, client.right, client.top)) {
        drawFrame(window, *shot, client);
    }
    const std::string problem = writePng(*shot, path);
    if (!problem.empty()) DeleteFileA(path.c_str()); // no half-written file stays behind
    return problem;
}

} // namespace zub::console
