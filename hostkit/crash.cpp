#include "crash.h"

#include <windows.h>

#include <cstdio>

namespace zub {

namespace {

LONG WINAPI reportCrash(EXCEPTION_POINTERS* info)
{
    std::fprintf(stderr, "crash: exception 0x%08lx at %p\n", info->ExceptionRecord->ExceptionCode,
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    ExitProcess(3);
}

} // namespace

void exitOnCrash()
{
    SetUnhandledExceptionFilter(reportCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
}

} // namespace zub
