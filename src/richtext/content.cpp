// Content of a rich edit control: its text, its zoom, and RTF files streamed in and
// out through the control's own streaming messages.
#include "controls/edit_box.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "win/scoped.h"

#include <richedit.h>

namespace {

// Both stream functions answer 0 (go on); a failed read reports 0 bytes, which ends
// the transfer.
DWORD CALLBACK ReadFromFile(DWORD_PTR dwCookie, LPBYTE pBuffer, LONG cb, LONG* pcb)
{
    DWORD dwRead = 0;
    ReadFile(reinterpret_cast<HANDLE>(dwCookie), pBuffer, static_cast<DWORD>(cb), &dwRead, nullptr);
    *pcb = static_cast<LONG>(dwRead);
    return 0;
}

DWORD CALLBACK WriteToFile(DWORD_PTR dwCookie, LPBYTE pBuffer, LONG cb, LONG* pcb)
{
    DWORD dwWritten = 0;
    WriteFile(reinterpret_cast<HANDLE>(dwCookie), pBuffer, static_cast<DWORD>(cb), &dwWritten, nullptr);
    *pcb = static_cast<LONG>(dwWritten);
    return 0;
}

// Streams the whole content between the control and a file, as RTF. A file that
// cannot be opened leaves the control and the file system as they were.
void StreamRtf(HWND hRich, const char* pszPath, bool bSave)
{
    Send(hRich, EM_EXLIMITTEXT, 0, kLargestRichEditLimit);
    const win::ScopedFile file(CreateFileA(pszPath, bSave ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      bSave ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(file.get());
    stream.dwError = 0;
    stream.pfnCallback = bSave ? WriteToFile : ReadFromFile;
    Send(hRich, bSave ? EM_STREAMOUT : EM_STREAMIN, SF_RTF, &stream);
}

} // namespace

int CKorvanet::rtSetText(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    HWND hRich = args.window(1);
    Send(hRich, WM_SETTEXT, 0, args.text(2));
    SetFocus(hRich);
    return ReturnInt(1);
}

int CKorvanet::rtZoom(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    HWND hRich = args.window(1);
    Send(hRich, EM_SETZOOM, 1, 1);   // numerator = denominator: the 1:1 ratio, normal size
    SetFocus(hRich);
    return ReturnInt(1);
}

int CKorvanet::rtLoadFileRTF(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    StreamRtf(args.window(1), args.text(2), false);
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtSaveFileRTF(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    StreamRtf(args.window(1), args.text(2), true);
    SetFocus(args.window(1));
    return ReturnInt(1);
}
