#include "transcript.h"

#include <gtest/gtest.h>

namespace {

TEST(PortableOutput, WritesHandlesAndTheTempFolderAlikeOnEveryMachine)
{
    const struct {
        const char* printed;
        const char* expected;
    } cases[] = {
        {"$lb = control LISTBOX 10 10 150 120 0 -> window 0x0001006A [ListBox]\n",
         "$lb = control LISTBOX 10 10 150 120 0 -> window HWND [ListBox]\n"},
        {"$il = ilCreateImgList(4, 4, 16, 16, 0) -> image list 0x0015A328\nprint 1418024\n",
         "$il = ilCreateImgList(4, 4, 16, 16, 0) -> image list HIMAGELIST\nprint 1418024\n"},
        // As printed, and inside a quoted text with its backslashes doubled.
        {"$f = $temp=\"C:\\\\users\\\\zub\\\\Temp\\\\\" \"a.rtf\" -> C:\\users\\zub\\Temp\\a.rtf\n",
         "$f = $temp=\"%TEMP%\\\\\" \"a.rtf\" -> %TEMP%\\a.rtf\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, zub::portableOutput(c.printed, "C:\\users\\zub\\Temp\\")) << c.printed;
}

} // namespace
