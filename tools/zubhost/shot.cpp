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
    bool uniform() const
    {
        const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
        for (size_t i = 1; i < count; ++i) {
            if ((pixels[i] & 0xFFFFFF) != (pixels[0] & 0xFFFFFF)) return false;
        }
        return true;
    }
};

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
    const std::string problem = writePng(*shot, path);
    if (!problem.empty()) DeleteFileA(path.c_str()); // no half-written file stays behind
    return problem;
}

} // namespace zub::console
