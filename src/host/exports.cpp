// The library's two exports and its entry routine. The exports forward to the one
// extender object, and nothing thrown inside reaches the host: an exception unwinding
// into the host's frames would end the host. A command's exception is reported where
// it is dispatched; anything else ends here with the result 0.
#include "extender.h"

extern "C" int __stdcall ZUBExtenderQuery(int nType, void* pData, int nSize) noexcept
{
    try {
        return g_pExtender->Query(nType, pData, nSize);
    } catch (...) {
        return 0;
    }
}

extern "C" int __stdcall ZUBExtender2(HWND hWnd, HINSTANCE hInst, LONG pHostCtx, LONG CmdId,
                                      ExtCompleteProc pfnComplete, LONG pHostData, LONG lReserved,
                                      ExtValue* pArgs, LONG nArgCount, ExtValue* pResult) noexcept
{
    try {
        return g_pExtender->Extender2(hWnd, hInst, pHostCtx, CmdId, pfnComplete, pHostData, lReserved, pArgs,
                                      nArgCount, pResult);
    } catch (...) {
        return 0;
    }
}

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) g_hInstance = hInstance;
    return TRUE;
}
