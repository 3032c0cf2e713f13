// Tab control: create, add, delete and select tabs, and paint the background.
#include "controls/creation.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "win/scoped.h"

#include <commctrl.h>

namespace {

// The message number the style command sends; a tab control defines none with it.
constexpr UINT kTabStyleMessage = WM_USER + 56;

constexpr COLORREF kFrameColor = RGB(0, 255, 0);

} // namespace

int CKorvanet::taCreateTab(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    EnsureCommonControls(ICC_TAB_CLASSES);
    const DWORD dwStyle = static_cast<DWORD>(args.integer(6)) | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    const HWND hTab = CreateControl(hInst, args.window(1), WC_TABCONTROLA, "", dwStyle,
                                    {args.integer(2), args.integer(3), args.integer(4), args.integer(5)});
    return ReturnInt(HandleToInt(hTab));
}

int CKorvanet::taAddTab(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(args.text(3));
    item.iImage = -1;
    Send(args.window(1), TCM_INSERTITEMA, static_cast<WPARAM>(args.position(2)), &item);
    // The index asked for, wherever the control put the tab.
    return ReturnInt(args.position(2));
}

int CKorvanet::taDeleteTab(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), TCM_DELETEITEM, static_cast<WPARAM>(args.position(2))));
}

int CKorvanet::taGetTabSel(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnInt(static_cast<int>(Send(args.window(1), TCM_GETCURSEL)) + 1);
}

int CKorvanet::taSetTabSel(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // The previous selection comes back counted from 0, -1 for none.
    return ReturnReply(Send(args.window(1), TCM_SETCURSEL, static_cast<WPARAM>(args.position(2))));
}

int CKorvanet::taSetTabStyle(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    return ReturnReply(Send(args.window(1), kTabStyleMessage, 0, args.position(2)));
}

int CKorvanet::taSetBkColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hTab = args.window(1);
    const COLORREF color = RGB(args.integer(2) & 0xFF, args.integer(3) & 0xFF, args.integer(4) & 0xFF);
    COLORREF result = CLR_INVALID;
    {
        // Paints what waits to be repainted; the painting lasts until the control next
        // repaints itself. Brush, region and pen go when the painting ends.
        const win::ScopedPaint painting = win::BeginPainting(hTab);
        const HDC hDC = painting.policy().ps.hdc;
        RECT rc = {};
        GetClientRect(hTab, &rc);
        const win::ScopedGdiObject<HRGN> region(CreateRectRgnIndirect(&rc));
        const win::ScopedGdiObject<HBRUSH> brush(CreateSolidBrush(color));
        FillRgn(hDC, region.get(), brush.get());
        const win::ScopedGdiObject<HPEN> pen(CreatePen(PS_DOT, 1, kFrameColor));
        const win::ScopedSelection selected = win::SelectInto(hDC, pen.get());
        SetBkColor(hDC, color);
        // Dotted green outline, its gaps in the colour; the inside keeps the DC's brush.
        Rectangle(hDC, 60, 60, 600, 600);
        result = SetBkColor(hDC, color);
    }
    return ReturnInt(static_cast<int>(result));
}
