// The library's two exports and its entry routine. The exports only forward to the
// one extender object.
#include "extender.h"

extern "C" int __stdcall ZUBExtenderQuery(int nType, void* pData, int nSize)
{
    return g_pExtender->Query(nType, pData, nSize);
}

extern "C" int __stdcall ZUBExtender2(HWND hWnd, HINSTANCE hInst, LONG pHostCtx, LONG CmdId,
                                      ExtCompleteProc pfnComplete, LONG pHostData, LONG lReserved,
                                      ExtValue* pArgs, LONG nArgCount, ExtValue* pResult)
{
    return g_pExtender->Extender2(hWnd, hInst, pHostCtx, CmdId, pfnComplete, pHostData, lReserved, pArgs,
                                  nArgCount, pResult);
}

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) g_hInstance = hInstance;
    return TRUE;
}
