// Entry point of every Windows test program: common controls as a host has them,
// no debugger on a crash, and no message box left waiting.
#include "crash.h"
#include "notes.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    zub::exitOnCrash();
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_ANIMATE_CLASS |
                                                ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    zub::installStrayNoteGuard();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
