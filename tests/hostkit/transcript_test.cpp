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
        // Every use of a number that ilCreateImgList gave, and no other number.
        {"$il = ilCreateImgList(4, 4, 16, 16, 0) -> 1451384\nilDeleteImgList($il=1451384) -> 1\nprint 14513840 1451384\n",
         "$il = ilCreateImgList(4, 4, 16, 16, 0) -> HIMAGELIST\nilDeleteImgList($il=HIMAGELIST) -> 1\nprint 14513840 HIMAGELIST\n"},
        {"$il = ilCreateImgList(0, 0, 0, 0, 0) -> 0\nprint 0\n", "$il = ilCreateImgList(0, 0, 0, 0, 0) -> 0\nprint 0\n"},
        // As printed, and inside a quoted text with its backslashes doubled.
        {"$f = $temp=\"C:\\\\users\\\\zub\\\\Temp\\\\\" \"a.rtf\" -> C:\\users\\zub\\Temp\\a.rtf\n",
         "$f = $temp=\"%TEMP%\\\\\" \"a.rtf\" -> %TEMP%\\a.rtf\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, zub::portableOutput(c.printed, "C:\\users\\zub\\Temp\\")) << c.printed;
}

} // namespace
