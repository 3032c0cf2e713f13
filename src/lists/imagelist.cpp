// Image list commands: the script holds the list's handle and destroys it when done.
#include "host/args.h"
#include "host/korvanet.h"
#include "host/notes.h"
#include "win/scoped.h"

#include <commctrl.h>

int CKorvanet::ilCreateImgList(HWND hWnd, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HIMAGELIST hList = ImageList_Create(args.integer(3), args.integer(4), ILC_COLOR16, args.integer(1),
                                              args.integer(2));
    if (!ImageListFitsInCell(hList)) {
        ImageList_Destroy(hList);
        ShowNote(hWnd, "The image list was made at an address above 4 GB, which a script's value cannot hold.",
                 "Error");
        return ReturnInt(0);
    }
    return ReturnInt(static_cast<int>(reinterpret_cast<UINT_PTR>(hList)));
}

int CKorvanet::ilAddImage(HWND hWnd, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HIMAGELIST hList = args.imageList(1);
    if (!FileAvailable(hWnd, args.text(2))) return ReturnInt(0);

    // A bitmap wider than the list's images is split into image-wide strips.
    const win::ScopedGdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(LoadImageA(
        nullptr, args.text(2), IMAGE_BITMAP, 0, 0,
        LR_LOADFROMFILE | LR_DEFAULTSIZE | LR_VGACOLOR | LR_CREATEDIBSECTION)));
    if (bitmap) ImageList_Add(hList, bitmap.get(), nullptr);
    return ReturnInt(ImageList_GetImageCount(hList));
}

int CKorvanet::ilRemoveImage(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HIMAGELIST hList = args.imageList(1);
    // Position 0 is index -1: every image.
    ImageList_Remove(hList, args.position(2));
    return ReturnInt(ImageList_GetImageCount(hList));
}

int CKorvanet::ilDeleteImgList(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    ImageList_Destroy(args.imageList(1));
    return ReturnInt(1);
}
