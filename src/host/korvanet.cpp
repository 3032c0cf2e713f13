#include "korvanet.h"

#include <cstdio>

CExtenderBase* g_pExtender = nullptr;
HINSTANCE g_hInstance = nullptr;

namespace {
CKorvanet s_Extender;
}

CKorvanet::CKorvanet()
{
    g_pExtender = this;
}

CKorvanet::~CKorvanet() = default;

void ReportAssertion(HWND hOwner, const char* pszExpression, const char* pszFile, int nLine)
{
    char text[1024];
    std::snprintf(text, sizeof text, "Assertion failed: %s\nFile: %s\nLine: %d", pszExpression, pszFile, nLine);
    OutputDebugStringA(text);
    MessageBoxA(hOwner, text, "Assertion failed", MB_OK | MB_ICONERROR);
}

void ReportUnfinishedCommand(HWND hOwner, const char* pszCommand)
{
    char text[160];
    std::snprintf(text, sizeof text, "%s could not complete: it ran out of memory or failed inside.", pszCommand);
    MessageBoxA(hOwner, text, "Error", MB_OK);
}
