// Content: replacing the text, the zoom, and RTF files in and out.
#include "files.h"
#include "richtext_fixture.h"

namespace {

using richtext_test::Range;
using richtext_test::RichText;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST_F(RichText, SetTextReplacesTheWholeTextAndEmptyTextEmptiesIt)
{
    HWND rich = create();
    EXPECT_EQ(1, host.call("rtSetText", rich, "first\rsecond").integer);
    EXPECT_EQ("first\r\nsecond", zub::windowText(rich));
    EXPECT_EQ(rich, GetFocus());
    const zub::Result r = host.call("rtSetText", rich, "");
    EXPECT_EQ(1, r.integer);
    EXPECT_EQ(1, r.completions);
    EXPECT_EQ(0, GetWindowTextLengthA(rich));
}

TEST_F(RichText, ZoomReturnsAZoomedControlToNormalSize)
{
    HWND rich = create();
    ASSERT_TRUE(SendMessageA(rich, EM_SETZOOM, 3, 1));
    EXPECT_EQ(1, host.call("rtZoom", rich).integer);
    int numerator = -1;
    int denominator = -1;
    SendMessageA(rich, EM_GETZOOM, reinterpret_cast<WPARAM>(&numerator), reinterpret_cast<LPARAM>(&denominator));
    // 0:0 also means normal size to the control; any equal non-zero pair is 1:1.
    EXPECT_EQ(numerator, denominator);
    EXPECT_EQ(rich, GetFocus());
}

// The formats a round trip has to keep, read from a control.
struct Formats {
    std::string text;
    bool boldFirst, boldRest;
    COLORREF colorFirst;
    bool autoColorRest;
    COLORREF backRest;
    WORD numberingFirst, numberingSecond;
    LONG indentFirst, indentSecond;
    WORD alignmentSecond;
};

class RichTextFiles : public RichText {
protected:
    // "Bold red" bold and red; "plain" on a yellow background; the first paragraph
    // bulleted, the second indented and centred.
    HWND formatted()
    {
        HWND rich = createWith("Bold red plain\rSecond paragraph");
        select(rich, 0, 8);
        host.call("rtBold", rich);
        host.call("rtSetTextColor", rich, "255|0|0");
        select(rich, 9, 14);
        host.call("rtSetTextBackColor", rich, "255|255|0");
        select(rich, 2, 2);
        host.call("rtSetBulleted", rich);
        select(rich, 20, 20);
        host.call("rtIndent", rich, 720);
        host.call("rtSetAlignment", rich, host.constant("@CENTER"));
        return rich;
    }

    Formats formats(HWND rich)
    {
        Formats f{};
        f.text = zub::windowText(rich);
        const CHARFORMAT2A first = formatOf(rich, 0, 8);
        const CHARFORMAT2A rest = formatOf(rich, 9, 14);
        f.boldFirst = has(first, CFE_BOLD);
        f.boldRest = has(rest, CFE_BOLD);
        f.colorFirst = first.crTextColor;
        f.autoColorRest = has(rest, CFE_AUTOCOLOR);
        f.backRest = rest.crBackColor;
        select(rich, 2, 2);
        const PARAFORMAT2 one = paraFormat(rich);
        select(rich, 20, 20);
        const PARAFORMAT2 two = paraFormat(rich);
        f.numberingFirst = one.wNumbering;
        f.numberingSecond = two.wNumbering;
        f.indentFirst = one.dxStartIndent;
        f.indentSecond = two.dxStartIndent;
        f.alignmentSecond = two.wAlignment;
        return f;
    }

    zub::TempFolder folder{"korvanet_rt"};
};

TEST_F(RichTextFiles, SavedFormatsLoadBackIntoANewControl)
{
    HWND source = formatted();
    const Formats saved = formats(source);
    // What was set shows before saving, so the comparison below means something.
    ASSERT_TRUE(saved.boldFirst);
    ASSERT_FALSE(saved.boldRest);
    ASSERT_EQ(RGB(255, 0, 0), saved.colorFirst);
    ASSERT_TRUE(saved.autoColorRest);
    ASSERT_EQ(RGB(255, 255, 0), saved.backRest);
    ASSERT_EQ(PFN_BULLET, saved.numberingFirst);
    ASSERT_EQ(0, saved.numberingSecond);
    ASSERT_EQ(720, saved.indentSecond);
    ASSERT_EQ(PFA_CENTER, saved.alignmentSecond);

    const std::string path = folder.file("round trip.rtf");
    EXPECT_EQ(1, host.call("rtSaveFileRTF", source, path).integer);
    EXPECT_EQ(0u, zub::readFile(path).value_or("").rfind("{\\rtf", 0));

    HWND target = create(10, 220);
    EXPECT_EQ(1, host.call("rtLoadFileRTF", target, path).integer);
    EXPECT_EQ(target, GetFocus());
    const Formats loaded = formats(target);
    EXPECT_EQ(saved.text, loaded.text);
    EXPECT_EQ(saved.boldFirst, loaded.boldFirst);
    EXPECT_EQ(saved.boldRest, loaded.boldRest);
    EXPECT_EQ(saved.colorFirst, loaded.colorFirst);
    EXPECT_EQ(saved.autoColorRest, loaded.autoColorRest);
    EXPECT_EQ(saved.backRest, loaded.backRest);
    EXPECT_EQ(saved.numberingFirst, loaded.numberingFirst);
    EXPECT_EQ(saved.numberingSecond, loaded.numberingSecond);
    EXPECT_EQ(saved.indentFirst, loaded.indentFirst);
    EXPECT_EQ(saved.indentSecond, loaded.indentSecond);
    EXPECT_EQ(saved.alignmentSecond, loaded.alignmentSecond);
}

TEST_F(RichTextFiles, AFileLargerThanTheDefaultTextLimitLoadsWhole)
{
    HWND rich = create();
    const LONG defaultLimit = static_cast<LONG>(SendMessageA(rich, EM_GETLIMITTEXT, 0, 0));
    const std::string line(99, 'x');
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 ";
    const int lines = defaultLimit / 100 * 3;   // three times the limit
    for (int i = 0; i < lines; ++i) rtf += line + "\\par\n";
    rtf += "end}";
    const std::string path = folder.write("large.rtf", rtf);

    EXPECT_EQ(1, host.call("rtLoadFileRTF", rich, path).integer);
    GETTEXTLENGTHEX count{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LONG length = static_cast<LONG>(SendMessageA(rich, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&count), 0));
    EXPECT_EQ(lines * 100 + 3, length);   // each line and its paragraph break, then "end"
    const std::string text = zub::windowText(rich);
    EXPECT_EQ("end", text.substr(text.size() - 3));
    // The limit was raised as well, so the user can go on typing.
    EXPECT_GT(static_cast<LONG>(SendMessageA(rich, EM_GETLIMITTEXT, 0, 0)), length);
}

TEST_F(RichTextFiles, LoadingAMissingFileLeavesTheControlAsItWas)
{
    HWND rich = createWith("kept text");
    select(rich, 0, 4);
    host.call("rtBold", rich);
    const zub::Result r = host.call("rtLoadFileRTF", rich, folder.file("missing.rtf"));
    EXPECT_EQ(1, r.integer);
    EXPECT_EQ("kept text", zub::windowText(rich));
    EXPECT_TRUE(has(formatOf(rich, 0, 4), CFE_BOLD));
    EXPECT_FALSE(exists(folder.file("missing.rtf")));
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichTextFiles, SavingIntoAMissingFolderChangesNothing)
{
    HWND rich = createWith("kept text");
    const std::string folderPath = folder.file("no such folder");
    const zub::Result r = host.call("rtSaveFileRTF", rich, folderPath + "\\saved.rtf");
    EXPECT_EQ(1, r.integer);
    EXPECT_FALSE(exists(folderPath));
    EXPECT_EQ("kept text", zub::windowText(rich));
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichTextFiles, SavingOverAFileReplacesItEntirely)
{
    HWND rich = createWith("short");
    const std::string path = folder.write("old.rtf", std::string(100000, 'z'));
    host.call("rtSaveFileRTF", rich, path);
    const std::string saved = zub::readFile(path).value_or("");
    EXPECT_EQ(0u, saved.rfind("{\\rtf", 0));
    EXPECT_EQ(std::string::npos, saved.find("zzzz"));
    EXPECT_NE(std::string::npos, saved.find("short"));
}

TEST_F(RichTextFiles, AnEmptyControlSavesAnEmptyDocumentThatLoadsBackEmpty)
{
    HWND rich = create();
    host.call("rtSetText", rich, "");
    const std::string path = folder.file("empty.rtf");
    host.call("rtSaveFileRTF", rich, path);
    const std::string saved = zub::readFile(path).value_or("");
    EXPECT_EQ(0u, saved.rfind("{\\rtf", 0));
    const size_t last = saved.find_last_not_of(std::string("\r\n\0", 3));
    ASSERT_NE(std::string::npos, last);
    EXPECT_EQ('}', saved[last]);

    HWND other = createWith("to be replaced");
    host.call("rtLoadFileRTF", other, path);
    EXPECT_EQ(0, GetWindowTextLengthA(other));
}

TEST_F(RichTextFiles, LoadingReadsAFileThatIsOpenForReadingElsewhere)
{
    HWND source = createWith("shared content");
    const std::string path = folder.file("shared.rtf");
    host.call("rtSaveFileRTF", source, path);
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    HWND target = create(10, 220);
    host.call("rtLoadFileRTF", target, path);
    CloseHandle(reader);
    EXPECT_EQ("shared content", zub::windowText(target));
}

} // namespace
