// Which platform a test runs on. The tests run under Wine, whose controls differ from
// Windows' in places; a check of such a place asks here first, so that on Windows it
// asserts what Windows does where that is known, and otherwise reports the case
// instead of passing silently.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace zub {

// Wine's ntdll exports wine_get_version; Windows' does not.
inline bool RunsUnderWine()
{
    static const bool bWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return bWine;
}

// True under Wine, where the caller then asserts what Wine was seen to do. On Windows
// prints one line naming the running test and what could not be confirmed there, and
// returns false, so the Wine-only assertion is skipped.
inline bool SeenOnlyUnderWine(const char* what)
{
    if (RunsUnderWine()) return true;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::printf("not confirmed on Windows: %s.%s: %s\n", test != nullptr ? test->test_suite_name() : "?",
                test != nullptr ? test->name() : "?", what);
    std::fflush(stdout);
    return false;
}

} // namespace zub
