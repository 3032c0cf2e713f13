// Entry point of every Windows test program: common controls as a host has them,
// no debugger on a crash, and no message box left waiting.
#include "notes.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <gtest/gtest.h>

namespace {

LONG WINAPI reportCrash(EXCEPTION_POINTERS* info)
{
    std::fprintf(stderr, "crash: exception 0x%08lx at %p\n", info->ExceptionRecord->ExceptionCode,
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    ExitProcess(3);
}

} // namespace

int main(int argc, char** argv)
{
    SetUnhandledExceptionFilter(reportCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_ANIMATE_CLASS |
                                                ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    zub::installStrayNoteGuard();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
