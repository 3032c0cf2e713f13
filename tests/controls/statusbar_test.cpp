// Status bar commands on a real status bar along the dialog's bottom edge.
#include "files.h"
#include "fixture.h"
#include "icons.h"
#include "platform.h"
#include "misc_controls_support.h"

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using misc::deadWindow;
using zub::isIcon;
using zub::smallIconFile;

SIZE iconSize(HICON icon)
{
    ICONINFO info = {};
    SIZE size = {};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bm = {};
    GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    size.cx = bm.bmWidth;
    size.cy = info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return size;
}

HICON informationIcon()
{
    return static_cast<HICON>(LoadImageA(nullptr, MAKEINTRESOURCEA(32516), IMAGE_ICON, 0, 0, LR_SHARED));
}

class StatusBar : public zub::HostTest {
protected:
    StatusBar() : iconPath(folder.write("small.ico", smallIconFile())), textPath(folder.write("plain.txt", "no icon"))
    {
    }

    HWND createBar(const char* text = "Ready")
    {
        return misc::toWindow(host.call("sbCreateStatusBar", dialog.hwnd(), text).integer);
    }

    static std::vector<int> parts(HWND bar)
    {
        int edges[300] = {};
        const int count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 300, reinterpret_cast<LPARAM>(edges)));
        return std::vector<int>(edges, edges + count);
    }

    static std::string partText(HWND bar, int index)
    {
        char text[256] = "";
        SendMessageA(bar, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
        return text;
    }

    static HICON icon(HWND bar, int index)
    {
        return reinterpret_cast<HICON>(SendMessageA(bar, SB_GETICON, index, 0));
    }

    const zub::TempFolder folder{"korvanet_bars"};
    const std::string iconPath;
    const std::string textPath;
};

TEST_F(StatusBar, CreateMakesAStatusBarAtTheBottomShowingTheFirstText)
{
    misc::CreationRecorder recorder;
    HWND bar = createBar("Ready to go");
    ASSERT_TRUE(IsWindow(bar));
    const misc::Creation* c = recorder.find(bar);
    ASSERT_NE(nullptr, c);
    EXPECT_EQ("msctls_statusbar32", c->className);
    EXPECT_EQ("", c->text);
    EXPECT_EQ(0x50000A00u, c->style);
    EXPECT_EQ(dialog.hwnd(), c->parent);
    EXPECT_EQ(70, c->menu);
    EXPECT_EQ(70, GetDlgCtrlID(bar));
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ("Ready to go", partText(bar, 0));
    const RECT rcBar = zub::rectIn(bar, dialog.hwnd());
    RECT rcClient;
    GetClientRect(dialog.hwnd(), &rcClient);
    EXPECT_EQ(rcClient.bottom, rcBar.bottom);
    EXPECT_EQ(0, rcBar.left);
    EXPECT_EQ(rcClient.right, rcBar.right);
}

TEST_F(StatusBar, SetPartsSplitsAtRunsOfSpacesAndReturnsTheCount)
{
    HWND bar = createBar();
    struct { const char* text; std::vector<int> edges; } cases[] = {
        {"100 200 -1", {100, 200, -1}},
        {"   120     250   ", {120, 250}},
        {"50", {50}},
        {"+30 x7 -1", {30, 0, -1}},   // a token without leading digits gives 0
        {"80px 160", {80, 160}},      // a number ends at its first other character
    };
    for (const auto& c : cases) {
        const zub::Result r = host.call("sbSetParts", bar, c.text);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(static_cast<LONG>(c.edges.size()), r.integer) << c.text;
        EXPECT_EQ(c.edges, parts(bar)) << c.text;
    }
}

TEST_F(StatusBar, SetPartsWithAnEmptyTextSendsNoPartsAndReturnsZero)
{
    HWND bar = createBar();
    host.call("sbSetParts", bar, "100 -1");
    for (const char* text : {"", "    "}) {
        EXPECT_EQ(0, host.call("sbSetParts", bar, text).integer) << '"' << text << '"';
        // A status bar refuses zero parts and keeps the ones it has.
        if (zub::SeenOnlyUnderWine("SB_SETPARTS with no parts keeps the parts the bar has")) {
            EXPECT_EQ((std::vector<int>{100, -1}), parts(bar));
        }
    }
}

TEST_F(StatusBar, SetPartsKeepsAtMost256Edges)
{
    HWND bar = createBar();
    std::string text;
    for (int i = 1; i <= 300; ++i) text += std::to_string(i * 2) + " ";
    EXPECT_EQ(256, host.call("sbSetParts", bar, text).integer);
    const std::vector<int> edges = parts(bar);
    ASSERT_EQ(256u, edges.size());
    EXPECT_EQ(2, edges.front());
    EXPECT_EQ(512, edges.back());
}

TEST_F(StatusBar, SetTextSetsThePartCountedFromOne)
{
    HWND bar = createBar("first");
    host.call("sbSetParts", bar, "100 200 -1");
    EXPECT_EQ(1, host.call("sbSetText", bar, 1, "one").integer);
    EXPECT_EQ(1, host.call("sbSetText", bar, 3, "three").integer);
    EXPECT_EQ("one", partText(bar, 0));
    EXPECT_EQ("", partText(bar, 1));
    EXPECT_EQ("three", partText(bar, 2));
    // Part 0 is the simple-mode part, given a copy of the text and no drawing flags.
    EXPECT_EQ(1, host.call("sbSetText", bar, 0, "simple").integer);
    EXPECT_EQ("one", partText(bar, 0));
    SendMessageA(bar, SB_SIMPLE, TRUE, 0);
    if (zub::SeenOnlyUnderWine("in simple mode SB_GETTEXTLENGTH of part 0 reads the simple part")) {
        EXPECT_EQ(6, SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0)); // a text, no drawing flags
    }
    EXPECT_EQ(1, host.call("sbSetText", deadWindow(), 1, "x").integer);
}

TEST_F(StatusBar, SetBkColorReturnsThePreviousColour)
{
    HWND bar = createBar();
    EXPECT_EQ(static_cast<LONG>(CLR_DEFAULT), host.call("sbSetBkColor", bar, "10|20|30").integer);
    EXPECT_EQ(0x1E140A, host.call("sbSetBkColor", bar, "0|0|255").integer);
    EXPECT_EQ(0xFF0000, host.call("sbSetBkColor", bar, "0|0|0").integer);
}

TEST_F(StatusBar, SetIconShowsTheFilesSmallIconInTheNamedPart)
{
    HWND bar = createBar();
    host.call("sbSetParts", bar, "100 200 -1");
    const zub::Result r = host.call("sbSetIcon", bar, 2, iconPath);
    EXPECT_EQ(1, r.completions);
    EXPECT_NE(0, r.integer);
    const HICON shown = icon(bar, 1);
    ASSERT_NE(nullptr, shown);
    EXPECT_NE(informationIcon(), shown);
    const SIZE size = iconSize(shown);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), size.cx);
    EXPECT_EQ(GetSystemMetrics(SM_CYSMICON), size.cy);
    EXPECT_EQ(nullptr, icon(bar, 0));
    EXPECT_EQ(nullptr, icon(bar, 2));

    // Part numbers 0 and 1 both mean the first part.
    EXPECT_NE(0, host.call("sbSetIcon", bar, 0, iconPath).integer);
    EXPECT_NE(nullptr, icon(bar, 0));
    EXPECT_TRUE(notes.empty());
}

TEST_F(StatusBar, SetIconWithAFileWithoutIconShowsTheInformationIcon)
{
    HWND bar = createBar();
    EXPECT_NE(0, host.call("sbSetIcon", bar, 1, textPath).integer);
    EXPECT_EQ(informationIcon(), icon(bar, 0));
    EXPECT_TRUE(notes.empty());
}

TEST_F(StatusBar, SetIconDestroysTheFileIconItReplaces)
{
    HWND bar = createBar();
    host.call("sbSetIcon", bar, 1, iconPath);
    const HICON first = icon(bar, 0);
    ASSERT_TRUE(isIcon(first));
    host.call("sbSetIcon", bar, 1, iconPath);
    const HICON second = icon(bar, 0);
    ASSERT_TRUE(isIcon(second));
    EXPECT_FALSE(isIcon(first));
    // The shared information icon replaces a file icon, which goes; it stays itself.
    host.call("sbSetIcon", bar, 1, textPath);
    EXPECT_FALSE(isIcon(second));
    host.call("sbSetIcon", bar, 1, iconPath);
    EXPECT_TRUE(isIcon(informationIcon()));
}

TEST_F(StatusBar, DestroyingTheStatusBarDestroysTheFileIconsItShows)
{
    HWND bar = createBar();
    host.call("sbSetParts", bar, "100 -1");
    host.call("sbSetIcon", bar, 1, iconPath);
    host.call("sbSetIcon", bar, 2, iconPath);
    const HICON first = icon(bar, 0);
    const HICON second = icon(bar, 1);
    ASSERT_TRUE(isIcon(first));
    ASSERT_TRUE(isIcon(second));
    DestroyWindow(bar);
    EXPECT_FALSE(isIcon(first));
    EXPECT_FALSE(isIcon(second));
}

TEST_F(StatusBar, SetIconForAPartThatDoesNotExistChangesNothingAndReturnsZero)
{
    HWND bar = createBar();
    host.call("sbSetParts", bar, "100 -1");
    EXPECT_EQ(0, host.call("sbSetIcon", bar, 9, iconPath).integer);
    EXPECT_EQ(nullptr, icon(bar, 0));
    EXPECT_EQ(nullptr, icon(bar, 1));
    EXPECT_EQ(0, host.call("sbSetIcon", deadWindow(), 1, iconPath).integer);
}

TEST_F(StatusBar, SetIconWithAMissingFileWarnsAndReturnsZero)
{
    HWND bar = createBar();
    host.call("sbSetIcon", bar, 1, textPath);
    const zub::Result r = host.call("sbSetIcon", bar, 1, "C:\\no\\such\\icon.ico");
    EXPECT_EQ(1, r.completions);
    EXPECT_EQ(0, r.integer);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ("File Open Error", notes[0].caption);
    EXPECT_EQ("The specified file does not appear to be available", notes[0].text);
    EXPECT_EQ(dialog.hwnd(), notes[0].owner);
    EXPECT_EQ(informationIcon(), icon(bar, 0));
}

// The library is unloaded while a status bar with a file icon still lives: the status
// bar must not call into the unloaded library afterwards.
TEST(StatusBarUnload, AStatusBarWithAFileIconOutlivesTheLibrary)
{
    zub::Dialog dialog;
    zub::NoteCatcher notes;
    const zub::TempFolder folder;
    const std::string path = folder.write("unload.ico", smallIconFile());
    HWND bar = nullptr;
    HICON shown = nullptr;
    {
        zub::Host host;
        host.window = dialog.hwnd();
        bar = misc::toWindow(host.call("sbCreateStatusBar", dialog.hwnd(), "x").integer);
        EXPECT_NE(0, host.call("sbSetIcon", bar, 1, path).integer);
        shown = reinterpret_cast<HICON>(SendMessageA(bar, SB_GETICON, 0, 0));
        ASSERT_TRUE(isIcon(shown));
    }
    EXPECT_EQ(nullptr, GetModuleHandleA("korvanet.dll"));
    SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("still here"));
    char text[32] = "";
    SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("still here", text);
    // Still shown, so still alive.
    EXPECT_TRUE(isIcon(shown));
    DestroyWindow(bar);
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_TRUE(notes.empty());
}

} // namespace
