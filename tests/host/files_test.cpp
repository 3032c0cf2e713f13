// The availability check that commands run before they use a file a script names.
#include "host/notes.h"

#include "files.h"
#include "notes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileAvailable, AMissingFileIsReportedToTheUserAndNotAvailable)
{
    zub::NoteCatcher notes;
    const zub::TempFolder folder;
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(FileAvailable(owner, folder.file("no-such-file.bmp").c_str()));
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ("File Open Error", notes[0].caption);
    EXPECT_EQ("The specified file does not appear to be available", notes[0].text);
    EXPECT_EQ(owner, notes[0].owner);
    EXPECT_TRUE(notes[0].okOnly);
    DestroyWindow(owner);
}

TEST(FileAvailable, AFileOpenElsewhereWithReadSharingIsAvailable)
{
    zub::NoteCatcher notes;
    const zub::TempFolder folder;
    const std::string path = folder.file("available.txt");
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    EXPECT_TRUE(FileAvailable(nullptr, path.c_str()));
    CloseHandle(writer);
    // Closed again at once: the file can be deleted right away.
    EXPECT_TRUE(DeleteFileA(path.c_str()));
    EXPECT_TRUE(notes.empty());
}

TEST(FileAvailable, ANullOrEmptyPathIsNotAvailable)
{
    zub::NoteCatcher notes;
    EXPECT_FALSE(FileAvailable(nullptr, nullptr));
    EXPECT_FALSE(FileAvailable(nullptr, ""));
    EXPECT_EQ(2u, notes.size());
}

} // namespace
