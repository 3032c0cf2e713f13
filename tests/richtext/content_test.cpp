// Content: the text, the zoom, and RTF files saved and loaded through the control.
#include "richtext_fixture.h"

#include <fstream>
#include <sstream>

namespace {

using richtext_test::RichText;

std::string tempPath(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name + std::to_string(GetCurrentProcessId()) + ".rtf";
}

std::string fileContent(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST_F(RichText, SetTextReplacesTheWholeTextAndEmptyTextEmptiesIt)
{
    HWND rich = create();
    EXPECT_EQ(1, host.call("rtSetText", rich, "New text").integer);
    EXPECT_EQ("New text", zub::windowText(rich));
    EXPECT_EQ(1, host.call("rtSetText", rich, "").integer);
    EXPECT_EQ("", zub::windowText(rich));
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichText, ZoomReturnsToNormalSize)
{
    HWND rich = create();
    ASSERT_TRUE(SendMessageA(rich, EM_SETZOOM, 3, 2));
    EXPECT_EQ(1, host.call("rtZoom", rich).integer);
    WPARAM numerator = 0;
    LPARAM denominator = 0;
    SendMessageA(rich, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator));
    EXPECT_EQ(numerator, static_cast<WPARAM>(denominator)); // 1:1, or 0:0 for "no zoom"
    EXPECT_TRUE(numerator == 1 || numerator == 0) << numerator;
}

TEST_F(RichText, SavedRtfLoadsBackWithItsFormats)
{
    const std::string path = tempPath("zub-roundtrip");
    HWND source = createWith("Bold words\rplain line");
    select(source, 0, 4);
    host.call("rtBold", source);
    host.call("rtSetTextColor", source, "200|0|0");
    host.call("rtSetBulleted", source);
    PARAFORMAT2 indent{};
    indent.dwMask = PFM_STARTINDENT;
    indent.dxStartIndent = 360;
    setParaFormat(source, indent);

    EXPECT_EQ(1, host.call("rtSaveFileRTF", source, path).integer);
    const std::string rtf = fileContent(path);
    EXPECT_EQ(0u, rtf.rfind("{\\rtf", 0)) << rtf.substr(0, 40);

    HWND copy = create(10, 220);
    EXPECT_EQ(1, host.call("rtLoadFileRTF", copy, path).integer);
    EXPECT_EQ(zub::windowText(source), zub::windowText(copy));
    const CHARFORMAT2A bold = formatOf(copy, 0, 4);
    EXPECT_TRUE(has(bold, CFE_BOLD));
    EXPECT_EQ(RGB(200, 0, 0), bold.crTextColor);
    EXPECT_TRUE(lacks(formatOf(copy, 5, 10), CFE_BOLD));
    select(copy, 0, 0);
    const PARAFORMAT2 para = paraFormat(copy);
    EXPECT_EQ(PFN_BULLET, para.wNumbering);
    EXPECT_EQ(360, para.dxStartIndent);
    DeleteFileA(path.c_str());
}

TEST_F(RichText, AFileLargerThanTheDefaultLimitLoadsWhole)
{
    const std::string path = tempPath("zub-large");
    std::string text(40000, 'x');
    for (size_t i = 0; i < text.size(); i += 100) text[i] = 'y';
    {
        std::ofstream out(path, std::ios::binary);
        out << "{\\rtf1\\ansi " << text << "}";
    }
    HWND rich = create();
    EXPECT_EQ(1, host.call("rtLoadFileRTF", rich, path).integer);
    EXPECT_EQ(40000, GetWindowTextLengthA(rich));
    DeleteFileA(path.c_str());
}

TEST_F(RichText, AMissingFileLeavesTheControlAsItWas)
{
    HWND rich = createWith("keep me");
    EXPECT_EQ(1, host.call("rtLoadFileRTF", rich, tempPath("zub-missing")).integer);
    EXPECT_EQ("keep me", zub::windowText(rich));
    EXPECT_TRUE(notes.empty());
}

TEST_F(RichText, SavingIntoAMissingDirectoryChangesNothing)
{
    HWND rich = createWith("keep me");
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "zub-no-such-folder\\out.rtf";
    EXPECT_EQ(1, host.call("rtSaveFileRTF", rich, path).integer);
    EXPECT_FALSE(fileExists(path));
    EXPECT_EQ("keep me", zub::windowText(rich));
    EXPECT_TRUE(notes.empty());
}

TEST_F(RichText, SavingOverAnExistingFileReplacesItEntirely)
{
    const std::string path = tempPath("zub-over");
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(100000, 'z');
    }
    HWND rich = createWith("short");
    host.call("rtSaveFileRTF", rich, path);
    const std::string rtf = fileContent(path);
    EXPECT_EQ(0u, rtf.rfind("{\\rtf", 0));
    EXPECT_EQ(std::string::npos, rtf.find("zzz"));
    DeleteFileA(path.c_str());
}

} // namespace
