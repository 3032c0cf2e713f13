// The content of a rich edit control: replacing the text, the zoom, and loading and
// saving the whole content as RTF through the control's own streaming.
#include "host/args.h"
#include "host/korvanet.h"

#include <richedit.h>

namespace {

// An open file handle, closed on every path.
class FileHandle {
public:
    explicit FileHandle(HANDLE hFile) : m_hFile(hFile) {}
    ~FileHandle()
    {
        if (IsOpen()) CloseHandle(m_hFile);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_hFile; }

private:
    HANDLE m_hFile;
};

// Both stream functions answer 0: a failed read or write just moves no bytes.
DWORD CALLBACK ReadFromFile(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    DWORD dwRead = 0;
    ReadFile(reinterpret_cast<HANDLE>(dwCookie), pbBuff, static_cast<DWORD>(cb), &dwRead, nullptr);
    *pcb = static_cast<LONG>(dwRead);
    return 0;
}

DWORD CALLBACK WriteToFile(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    DWORD dwWritten = 0;
    WriteFile(reinterpret_cast<HANDLE>(dwCookie), pbBuff, static_cast<DWORD>(cb), &dwWritten, nullptr);
    *pcb = static_cast<LONG>(dwWritten);
    return 0;
}

// Streams the whole content in or out as RTF; a file that cannot be opened leaves the
// control and the file system as they were.
void StreamRtf(HWND hRich, const char* pszPath, bool bSave)
{
    // The largest text limit first, so a long file loads whole.
    Send(hRich, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(-1));
    FileHandle file(CreateFileA(pszPath, bSave ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, nullptr,
                                bSave ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) return;
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(file.Get());
    stream.dwError = 0;
    stream.pfnCallback = bSave ? WriteToFile : ReadFromFile;
    Send(hRich, bSave ? EM_STREAMOUT : EM_STREAMIN, SF_RTF, &stream);
}

} // namespace

int CKorvanet::rtSetText(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), WM_SETTEXT, 0, args.text(2));
    SetFocus(args.window(1));
    return ReturnInt(1);
}

int CKorvanet::rtZoom(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), EM_SETZOOM, 1, 1); // 1:1, normal size
    SetFocus(args.window(1));
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
