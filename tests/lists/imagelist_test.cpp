// Image lists: creation, bitmaps from files, removal and destruction.
#include "files.h"
#include "list_helpers.h"

#include <string>
#include <vector>

namespace {

class ImageLists : public zub::HostTest {
protected:
    // Writes a 24-bit bitmap file of the given size.
    std::string writeBitmap(const char* name, int width, int height);

    // The image lists a test makes with newList go when it ends, whatever it asserted.
    ~ImageLists() override
    {
        for (int handle : m_lists) host.call("ilDeleteImgList", handle);
    }
    int newList() { return m_lists.emplace_back(host.call("ilCreateImgList", 4, 4, 16, 16, 0).integer); }

    const zub::TempFolder folder{"korvanet_images"};

private:
    std::vector<int> m_lists;
};

std::string ImageLists::writeBitmap(const char* name, int width, int height)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + rowBytes * height;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(static_cast<size_t>(rowBytes) * height, '\x40');
    return folder.write(name, bytes);
}

HIMAGELIST asList(int handle) { return reinterpret_cast<HIMAGELIST>(static_cast<INT_PTR>(handle)); }

TEST_F(ImageLists, CreateGivesAnEmptyListOfTheRequestedSize)
{
    const int handle = host.call("ilCreateImgList", 4, 4, 16, 16, 0).integer;
    ASSERT_NE(0, handle);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(asList(handle), &cx, &cy);
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    EXPECT_EQ(0, host.call("ilRemoveImage", handle, 1).integer);
    EXPECT_EQ(1, host.call("ilDeleteImgList", handle).integer);
}

TEST_F(ImageLists, AddImageSplitsABitmapIntoImageWideStrips)
{
    const std::string path = writeBitmap("lists_test_strip.bmp", 48, 16);
    const int handle = newList();
    EXPECT_EQ(3, host.call("ilAddImage", handle, path, 0, 0).integer);
    EXPECT_EQ(6, host.call("ilAddImage", handle, path, 0, 0).integer);
    EXPECT_EQ(6, ImageList_GetImageCount(asList(handle)));
    EXPECT_TRUE(notes.empty());
}

TEST_F(ImageLists, AddImageOfAMissingFileShowsTheNoteAndReturnsZero)
{
    const std::string path = writeBitmap("lists_test_one.bmp", 16, 16);
    const int handle = newList();
    ASSERT_EQ(1, host.call("ilAddImage", handle, path, 0, 0).integer);
    EXPECT_EQ(0, host.call("ilAddImage", handle, folder.file("missing.bmp"), 0, 0).integer);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ("File Open Error", notes[0].caption);
    EXPECT_EQ("The specified file does not appear to be available", notes[0].text);
    EXPECT_EQ(dialog.hwnd(), notes[0].owner);
    EXPECT_EQ(1, ImageList_GetImageCount(asList(handle)));
}

TEST_F(ImageLists, AddImageOfAFileThatIsNoBitmapAddsNothingWithoutANote)
{
    const std::string path = folder.write("text.bmp", "not a picture");
    const int handle = newList();
    EXPECT_EQ(0, host.call("ilAddImage", handle, path, 0, 0).integer);
    EXPECT_TRUE(notes.empty());
}

TEST_F(ImageLists, RemoveImageRemovesThePositionAndZeroRemovesAll)
{
    const std::string path = writeBitmap("lists_test_strip4.bmp", 64, 16);
    const int handle = newList();
    ASSERT_EQ(4, host.call("ilAddImage", handle, path, 0, 0).integer);
    EXPECT_EQ(3, host.call("ilRemoveImage", handle, 2).integer);
    EXPECT_EQ(3, host.call("ilRemoveImage", handle, 9).integer);  // no such image
    EXPECT_EQ(3, host.call("ilRemoveImage", handle, -4).integer);
    EXPECT_EQ(0, host.call("ilRemoveImage", handle, 0).integer);
}

TEST_F(ImageLists, DeleteReturnsOneEvenForAHandleThatNamesNoList)
{
    EXPECT_EQ(1, host.call("ilDeleteImgList", 0).integer);
    EXPECT_EQ(1, host.call("ilDeleteImgList", 1).integer);
}

} // namespace
