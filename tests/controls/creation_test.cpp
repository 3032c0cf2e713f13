// What the window-creating commands share: where and how a control is made, and the
// plain 0 when the parent is no window.
#include "fixture.h"
#include "misc_controls_support.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

// A creating command and its arguments after the parent.
struct Creator {
    const char* command;
    std::vector<zub::Arg> rest;
};
void PrintTo(const Creator& c, std::ostream* out) { *out << c.command; }

const Creator kCreators[] = {
    {"anCreateAVI", {0, 0, 50, 50, 0}},
    {"ipCreateIP", {0, 0, 100, 20, 0}},
    {"pgCreateProgressBar", {0, 0, 100, 20, 0}},
    {"taCreateTab", {0, 0, 100, 100, 0}},
    {"trCreateTrackBar", {0, 0, 100, 30, 0}},
    {"sbCreateStatusBar", {"text"}},
    {"ttCreateToolTip", {}},
    {"rtCreate", {0, 0, 100, 100, 0}},
};

class Creating : public zub::HostTest, public testing::WithParamInterface<Creator> {};

TEST_P(Creating, WithAParentThatIsNoWindowReturnsZeroAndMakesNothing)
{
    const HWND garbage = reinterpret_cast<HWND>(0x1234);
    for (HWND parent : {misc::deadWindow(), static_cast<HWND>(nullptr), garbage}) {
        misc::CreationRecorder recorder;
        std::vector<zub::Arg> args{parent};
        args.insert(args.end(), GetParam().rest.begin(), GetParam().rest.end());
        const zub::Result r = host.callArgs(GetParam().command, args);
        EXPECT_EQ(1, r.completions) << parent;
        EXPECT_EQ(1, r.type) << parent;
        EXPECT_EQ(0, r.integer) << parent;
        EXPECT_EQ(0u, recorder.count()) << parent;
    }
    EXPECT_TRUE(notes.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryCreatingCommand, Creating, testing::ValuesIn(kCreators),
                         [](const testing::TestParamInfo<Creator>& info) { return std::string(info.param.command); });

// The commands that place the control by arguments 2 to 5. The animation control is
// created without size at the corner and rich edit's ES_SELECTIONBAR is the bit of
// WS_MAXIMIZE: both are only where the script asked once moved there after creation.
class Positioning : public zub::HostTest, public testing::WithParamInterface<const char*> {};

TEST_P(Positioning, PutsTheControlInTheParentWhereTheScriptSaid)
{
    HWND control = misc::toWindow(host.call(GetParam(), dialog.hwnd(), 20, 30, 300, 40, 0).integer);
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(dialog.hwnd(), GetParent(control));
    const RECT rc = zub::rectIn(control, dialog.hwnd());
    EXPECT_EQ(20, rc.left);
    EXPECT_EQ(30, rc.top);
    EXPECT_EQ(300, rc.right - rc.left);
    EXPECT_EQ(40, rc.bottom - rc.top);
}

INSTANTIATE_TEST_SUITE_P(ByArguments, Positioning,
                         testing::Values("anCreateAVI", "ipCreateIP", "pgCreateProgressBar", "taCreateTab",
                                         "trCreateTrackBar", "rtCreate"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// The commands that make a visible control of a fixed style.
struct Placed {
    const char* command;
    const char* className;
    const char* text;
    DWORD fixedStyle;
    DWORD extra;      // given as argument 6
    bool addsExtra;   // ORed into the fixed style, or not read
};
void PrintTo(const Placed& p, std::ostream* out) { *out << p.command; }

const Placed kPlaced[] = {
    {"ipCreateIP", "SysIPAddress32", "IPAddress", 0x54000000, WS_BORDER | WS_DISABLED, false},
    {"pgCreateProgressBar", "msctls_progress32", "ProgressBar", 0x50000000, PBS_VERTICAL | WS_BORDER, false},
    {"taCreateTab", "SysTabControl32", "", 0x54000000, TCS_BUTTONS | TCS_MULTILINE, true},
    {"trCreateTrackBar", "msctls_trackbar32", "Trackbar", 0x50000121, TBS_VERT | WS_BORDER, true},
};

class Placing : public zub::HostTest, public testing::WithParamInterface<Placed> {};

TEST_P(Placing, MakesAVisibleChildWithTheFixedStyle)
{
    const Placed& p = GetParam();
    misc::CreationRecorder recorder;
    HWND control = misc::toWindow(host.call(p.command, dialog.hwnd(), 20, 30, 300, 40, static_cast<int>(p.extra)).integer);
    ASSERT_TRUE(IsWindow(control));
    const misc::Creation* c = recorder.find(control);
    ASSERT_NE(nullptr, c);
    EXPECT_EQ(p.className, c->className);
    EXPECT_TRUE(c->hasText);
    EXPECT_EQ(p.text, c->text);
    EXPECT_EQ(p.fixedStyle | (p.addsExtra ? p.extra : 0), c->style);
    EXPECT_EQ(0u, c->exStyle);
    EXPECT_EQ(dialog.hwnd(), c->parent);
    EXPECT_EQ(0, c->menu);
    EXPECT_EQ(dialog.hwnd(), GetParent(control));
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(notes.empty());
}

INSTANTIATE_TEST_SUITE_P(Visible, Placing, testing::ValuesIn(kPlaced),
                         [](const testing::TestParamInfo<Placed>& info) { return std::string(info.param.command); });

} // namespace
