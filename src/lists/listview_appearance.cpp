// List view appearance: text background colour, background picture, image lists,
// cell and heading images, and the colours of item text.
#include "host/args.h"
#include "host/korvanet.h"
#include "host/values.h"
#include "item_colors.h"

#include <commctrl.h>
#include <ole2.h>

namespace {

// An image index that no image list holds: the item shows no image.
constexpr int kNoSuchImage = -99;

// Images may then stand in any column, not only the first.
void AllowSubItemImages(HWND hView)
{
    Send(hView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES, LVS_EX_SUBITEMIMAGES);
}

} // namespace

int CKorvanet::lvSetBkColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // The colour behind item text, not the background of the whole control.
    const LRESULT reply = Send(args.window(1), LVM_SETTEXTBKCOLOR, 0, TextToColor(args.text(2)));
    // The list view itself repaints only when something else makes it: show the colour now.
    InvalidateRect(args.window(1), nullptr, TRUE);
    return ReturnReply(reply);
}

int CKorvanet::lvSetBkImage(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    // The list view loads and paints the picture later, for as long as it shows it,
    // so OLE stays initialised on this thread once it is.
    thread_local bool tOleReady = false;
    if (!tOleReady) tOleReady = SUCCEEDED(OleInitialize(nullptr));
    // A transparent text background lets the picture show behind the text.
    Send(hView, LVM_SETTEXTBKCOLOR, 0, CLR_NONE);
    LVBKIMAGEA image = {};
    image.ulFlags = static_cast<ULONG>(args.integer(5)) | LVBKIF_SOURCE_URL;
    image.hbm = nullptr;
    image.pszImage = const_cast<char*>(args.text(4));
    image.cchImageMax = 0;
    image.xOffsetPercent = args.integer(2);
    image.yOffsetPercent = args.integer(3);
    Send(hView, LVM_SETBKIMAGEA, 0, &image);
    return ReturnInt(0);
}

int CKorvanet::lvSetImageList(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    const HIMAGELIST hList = args.imageList(2);
    AllowSubItemImages(hView);
    Send(hView, LVM_SETIMAGELIST, LVSIL_SMALL, hList);
    return ReturnInt(ImageList_GetImageCount(hList));
}

int CKorvanet::lvSetItemImage(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    AllowSubItemImages(hView);
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = args.position(2);
    item.iSubItem = args.position(3);
    item.iImage = args.position(4);
    return ReturnReply(Send(hView, LVM_SETITEMA, 0, &item));
}

int CKorvanet::lvSetColumnImage(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_IMAGE;
    column.fmt = LVCFMT_IMAGE | LVCFMT_COL_HAS_IMAGES;
    column.iImage = args.position(3);
    return ReturnReply(Send(args.window(1), LVM_SETCOLUMNA, args.position(2), &column));
}

int CKorvanet::lvClearImages(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hView = args.window(1);
    const int nCount = static_cast<int>(Send(hView, LVM_GETITEMCOUNT));
    for (int i = 0; i < nCount; ++i) {
        // The images of other columns stay.
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iSubItem = 0;
        item.iImage = kNoSuchImage;
        Send(hView, LVM_SETITEMA, 0, &item);
    }
    return ReturnInt(1);
}

int CKorvanet::lvSetItemTextColor(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    // Item and column position 0 name every item and every column.
    item_colors::Set(args.window(1), args.position(2), args.position(3), args.integer(4), TextToColor(args.text(5)));
    return ReturnInt(1);
}
