#include "portable.h"
#include "text.h"

#include <gtest/gtest.h>

namespace {

TEST(Lower, LowersAsciiLettersAndLeavesEveryOtherCharacter)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"lvInsertItem", "lvinsertitem"},
        {"@nPAREN", "@nparen"},
        {"AZ az 09_[`{@", "az az 09_[`{@"},
        {"\xC4\xD6\xDC", "\xC4\xD6\xDC"},   // not ASCII: names in scripts never hold these
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, zub::lower(c.text)) << c.text;
}

TEST(PortableOutput, HandlesAndTheTempFolderReadTheSameEverywhere)
{
    EXPECT_EQ("$lv = control X 1 2 3 4 -> window HWND [SysListView32]\n"
              "$il = ilCreateImgList(4, 4, 16, 16, 0) -> image list HIMAGELIST\n"
              "rtSaveFileRTF($rt, $f=\"%TEMP%\\\\a.rtf\") -> 1 in %TEMP%\\\n",
              zub::portableOutput("$lv = control X 1 2 3 4 -> window 0x0001006A [SysListView32]\n"
                                  "$il = ilCreateImgList(4, 4, 16, 16, 0) -> image list 0x0015A328\n"
                                  "rtSaveFileRTF($rt, $f=\"C:\\\\tmp\\\\a.rtf\") -> 1 in C:\\tmp\\\n",
                                  "C:\\tmp\\"));
}

} // namespace
