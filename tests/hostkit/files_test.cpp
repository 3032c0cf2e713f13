// The kit's files: temp folders that go with their files, and whole files read.
#include "files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(TempFolder, IsANewFolderInTheTempFolderEachTimeAndGoesWithItsFiles)
{
    std::string first, second, file;
    {
        const zub::TempFolder a("kit");
        const zub::TempFolder b("kit");
        first = a.path();
        second = b.path();
        EXPECT_NE(first, second);
        EXPECT_EQ(0u, first.rfind(zub::tempPath() + "kit_", 0)) << first;
        EXPECT_EQ('\\', first.back());
        EXPECT_TRUE(exists(first));
        file = a.write("one.txt", "1");
        EXPECT_EQ(first + "one.txt", file);
        a.write("two.txt", "2");
    }
    EXPECT_FALSE(exists(file));
    EXPECT_FALSE(exists(first));
    EXPECT_FALSE(exists(second));
}

TEST(TempFolder, WriteReplacesAWholeFileAndThrowsWhenItCannotWrite)
{
    const zub::TempFolder folder;
    const std::string path = folder.write("data.bin", std::string("long\0content", 12));
    folder.write("data.bin", "short");
    EXPECT_EQ(std::optional<std::string>("short"), zub::readFile(path));
    EXPECT_THROW(folder.write("no such folder\\file.txt", "x"), std::runtime_error);
}

TEST(ReadFile, GivesTheBytesAsTheyAreAndNothingForAFileThatIsNotThere)
{
    const zub::TempFolder folder;
    const std::string bytes("a\r\nb\0\xFF", 6);
    EXPECT_EQ(std::optional<std::string>(bytes), zub::readFile(folder.write("bytes.bin", bytes)));
    // An empty file is there, and empty.
    EXPECT_EQ(std::optional<std::string>(""), zub::readFile(folder.write("empty.txt", "")));
    EXPECT_EQ(std::nullopt, zub::readFile(folder.file("missing.txt")));
}

} // namespace
