// Window utilities on real windows: show and hide, class names, the edit box's
// modify flag and limit, the button style, redraw, removal and the taskbar.
#include "fixture.h"
#include "messages.h"
#include "platform.h"
#include "misc_controls_support.h"
#include "controls/taskbar.h"

#include <commctrl.h>

#include <string>

namespace {

using misc::deadWindow;

using Utilities = zub::HostTest;

TEST_F(Utilities, ccShowHidesForZeroAndTwoShowsForOneAndIgnoresOtherModes)
{
    struct { int mode; bool visibleBefore; bool visibleAfter; } cases[] = {
        {0, true, false}, {2, true, false}, {1, false, true}, {1, true, true}, {0, false, false},
        {3, true, true}, {3, false, false}, {5, false, false}, {-1, true, true}, {4, false, false},
    };
    HWND button = dialog.button();
    for (const auto& c : cases) {
        ShowWindow(button, c.visibleBefore ? SW_SHOW : SW_HIDE);
        const zub::Result r = host.call("ccShow", button, c.mode);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(0, r.integer) << c.mode;
        EXPECT_EQ(c.visibleAfter, IsWindowVisible(button) != FALSE) << "mode " << c.mode;
    }
    EXPECT_EQ(0, host.call("ccShow", deadWindow(), 1).integer);
}

TEST_F(Utilities, DCCompatibleGivesTheClassNameAsWindowsReportsIt)
{
    struct { const char* created; const char* reported; } cases[] = {
        {"EDIT", "Edit"},
        {"msctls_trackbar32", "msctls_trackbar32"},
    };
    for (const auto& c : cases) {
        HWND window = dialog.child(c.created, "", 0, 10, 10, 100, 24);
        const zub::Result r = host.call("DCCompatible", window, 0);
        EXPECT_EQ(2, r.type);
        EXPECT_EQ(c.reported, r.text);
    }
    // Controls the extender itself makes.
    HWND ip = misc::toWindow(host.call("ipCreateIP", dialog.hwnd(), 0, 0, 100, 20, 0).integer);
    EXPECT_EQ("SysIPAddress32", host.call("DCCompatible", ip, 0).text);
    HWND tip = misc::toWindow(host.call("ttCreateToolTip", dialog.hwnd()).integer);
    EXPECT_EQ("tooltips_class32", host.call("DCCompatible", tip, 0).text);
}

TEST_F(Utilities, DCCompatibleGivesAnEmptyTextForAHandleThatNamesNoWindow)
{
    for (HWND window : {deadWindow(), static_cast<HWND>(nullptr)}) {
        const zub::Result r = host.call("DCCompatible", window, 0);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(2, r.type);
        EXPECT_EQ("", r.text);
    }
}

TEST_F(Utilities, TheModifyFlagFollowsTypingAndSetModify)
{
    // Wine sets the flag for the text an edit box is created with; Windows clears it.
    HWND edit = dialog.edit("start");
    EXPECT_EQ(zub::RunsUnderWine(), SendMessageA(edit, EM_GETMODIFY, 0, 0) != 0);
    const zub::Result cleared = host.call("ebSetModify", edit, 0);
    EXPECT_EQ(1, cleared.completions);
    EXPECT_EQ(0, cleared.integer);
    EXPECT_EQ(0, host.call("ebGetModify", edit).integer);
    SendMessageA(edit, WM_CHAR, 'x', 1);
    EXPECT_NE(0, host.call("ebGetModify", edit).integer);
    host.call("ebSetModify", edit, 0);
    EXPECT_EQ(0, host.call("ebGetModify", edit).integer);

    EXPECT_EQ(1, host.call("ebSetModify", edit, 1).integer);
    EXPECT_NE(0, host.call("ebGetModify", edit).integer);
    // The result is argument 2 as given, whatever the flag becomes.
    EXPECT_EQ(7, host.call("ebSetModify", edit, 7).integer);
    EXPECT_EQ(-3, host.call("ebSetModify", deadWindow(), -3).integer);
}

TEST_F(Utilities, SetLenLimitStopsTypingAtTheLimit)
{
    HWND edit = dialog.edit("");
    host.call("ebSetLenLimit", edit, 3);
    EXPECT_EQ(3, SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    for (char ch : std::string("abcdef")) SendMessageA(edit, WM_CHAR, static_cast<BYTE>(ch), 1);
    EXPECT_EQ("abc", zub::windowText(edit));
}

// A rich edit box made as a script makes one, emptied.
HWND richBox(zub::Host& host, HWND dialog)
{
    HWND rich = misc::toWindow(host.call("rtCreate", dialog, 10, 80, 300, 30, 0).integer);
    SetWindowTextA(rich, "");
    return rich;
}

TEST_F(Utilities, LenLimitAndModifyFlagWorkOnARichEditBox)
{
    HWND rich = richBox(host, dialog.hwnd());
    ASSERT_NE(nullptr, rich);
    SetFocus(rich);
    host.call("ebSetLenLimit", rich, 3);
    EXPECT_EQ(3, SendMessageA(rich, EM_GETLIMITTEXT, 0, 0));
    host.call("ebSetModify", rich, 0);
    EXPECT_EQ(0, host.call("ebGetModify", rich).integer);
    for (char ch : std::string("abcdef")) SendMessageA(rich, WM_CHAR, static_cast<BYTE>(ch), 1);
    EXPECT_EQ("abc", zub::windowText(rich));
    EXPECT_NE(0, host.call("ebGetModify", rich).integer);
    EXPECT_EQ(0, host.call("ebSetModify", rich, 0).integer);
    EXPECT_EQ(0, host.call("ebGetModify", rich).integer);
}

TEST_F(Utilities, ALenLimitOfZeroOrLessLiftsTheLimitOfPlainAndRichBoxesAlike)
{
    HWND plain = dialog.edit("");
    HWND rich = richBox(host, dialog.hwnd());
    for (int limit : {0, -1}) {
        for (HWND box : {plain, rich}) {
            host.call("ebSetLenLimit", box, 3);
            host.call("ebSetLenLimit", box, limit);
            EXPECT_GE(static_cast<DWORD>(SendMessageA(box, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu) << limit;
        }
    }
}

TEST_F(Utilities, SetMultilineAddsFlatAndLeftTextToTheButtonStyle)
{
    HWND button = dialog.button("A rather long caption", BS_PUSHBUTTON | WS_TABSTOP);
    const LONG before = GetWindowLongA(button, GWL_STYLE);
    const zub::Result r = host.call("pbSetMultiline", button, 0);
    EXPECT_EQ(1, r.integer);
    EXPECT_EQ(before | BS_FLAT | BS_LEFTTEXT, GetWindowLongA(button, GWL_STYLE));
    EXPECT_EQ(1, host.call("pbSetMultiline", deadWindow(), 0).integer);
}

TEST_F(Utilities, RedrawControlValidatesTheWindowAndItsChildrenWithoutPaintingThem)
{
    HWND group = dialog.child("BUTTON", "Group", BS_GROUPBOX, 10, 10, 300, 200);
    HWND inner = CreateWindowExA(0, "BUTTON", "Inner", WS_CHILD | WS_VISIBLE, 10, 20, 80, 24, group, nullptr,
                                 nullptr, nullptr);
    ASSERT_NE(nullptr, inner);
    zub::Dialog::pump();
    const zub::MessageRecorder paints(group, zub::onlyMessages({WM_PAINT}));
    InvalidateRect(group, nullptr, TRUE);
    InvalidateRect(inner, nullptr, TRUE);
    ASSERT_TRUE(GetUpdateRect(group, nullptr, FALSE));
    ASSERT_TRUE(GetUpdateRect(inner, nullptr, FALSE));

    const zub::Result r = host.call("RedrawControl", group, 0);
    EXPECT_EQ(1, r.integer);
    // Marked as painted: nothing was left to paint.
    EXPECT_FALSE(GetUpdateRect(group, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(inner, nullptr, FALSE));
    zub::Dialog::pump();
    EXPECT_EQ(0u, paints.count(WM_PAINT));
    EXPECT_EQ(1, host.call("RedrawControl", deadWindow(), 0).integer);
}

TEST_F(Utilities, RemoveControlDestroysTheWindowAndLaterCommandsDoNothing)
{
    HWND ip = misc::toWindow(host.call("ipCreateIP", dialog.hwnd(), 0, 0, 100, 20, 0).integer);
    HWND animation = misc::toWindow(host.call("anCreateAVI", dialog.hwnd(), 0, 0, 50, 50, 0).integer);
    HWND tip = misc::toWindow(host.call("ttCreateToolTip", dialog.hwnd()).integer);
    HWND edit = dialog.edit("text");
    for (HWND window : {ip, animation, tip, edit}) {
        ASSERT_TRUE(IsWindow(window));
        const zub::Result r = host.call("RemoveControl", window);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(1, r.integer);
        EXPECT_FALSE(IsWindow(window));
    }
    EXPECT_EQ(1, host.call("RemoveControl", ip).integer);
    EXPECT_EQ("0.0.0.0", host.call("ipGetIP", ip).text);
    EXPECT_EQ("", host.call("DCCompatible", edit, 0).text);
    EXPECT_EQ(0, host.call("ebGetModify", edit).integer);
}

// Stand-ins for the taskbar and the desktop's button: Wine has neither.
class TaskBar : public zub::HostTest {
protected:
    void SetUp() override
    {
        if (FindWindowA("Shell_TrayWnd", nullptr) != nullptr ||
            FindWindowExA(GetDesktopWindow(), nullptr, "Button", nullptr) != nullptr) {
            GTEST_SKIP() << "this desktop has a taskbar of its own";
        }
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "Shell_TrayWnd";
        RegisterClassA(&wc);
    }

    void TearDown() override
    {
        if (tray != nullptr) DestroyWindow(tray);
        if (button != nullptr) DestroyWindow(button);
    }

    void createBoth()
    {
        tray = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", nullptr, WS_POPUP | WS_VISIBLE, 0, 440, 640, 40,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        button = CreateWindowExA(0, "Button", "Start", WS_POPUP | WS_VISIBLE, 0, 440, 60, 40, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, tray);
        ASSERT_NE(nullptr, button);
        ASSERT_EQ(GetDesktopWindow(), GetAncestor(button, GA_PARENT));
    }

    HWND tray = nullptr;
    HWND button = nullptr;
};

TEST_F(TaskBar, HideThenShowActsOnTheTaskbarAndTheDesktopButton)
{
    createBoth();
    const zub::Result hidden = host.call("wnTaskBar", SW_HIDE);
    EXPECT_EQ(1, hidden.completions);
    EXPECT_NE(0, hidden.integer); // the button was visible
    EXPECT_FALSE(IsWindowVisible(tray));
    EXPECT_FALSE(IsWindowVisible(button));

    EXPECT_EQ(0, host.call("wnTaskBar", SW_HIDE).integer); // already hidden

    const zub::Result shown = host.call("wnTaskBar", SW_SHOW);
    EXPECT_EQ(0, shown.integer); // the button was hidden
    EXPECT_TRUE(IsWindowVisible(tray));
    EXPECT_TRUE(IsWindowVisible(button));
}

TEST_F(TaskBar, TheResultIsTheButtonsAloneAndWithoutATaskbarNoButtonIsTouched)
{
    createBoth();
    ShowWindow(tray, SW_HIDE);
    EXPECT_NE(0, host.call("wnTaskBar", SW_HIDE).integer);
    ShowWindow(button, SW_SHOW);
    DestroyWindow(tray);
    tray = nullptr;
    // Without a taskbar no button is known to be its own.
    EXPECT_EQ(0, host.call("wnTaskBar", SW_HIDE).integer);
    EXPECT_TRUE(IsWindowVisible(button));
}

// Two desktop buttons, one of the taskbar's process and one of another program's:
// the taskbar's is chosen whichever of the two comes first.
TEST_F(TaskBar, OnlyAButtonOfTheTaskbarsProcessIsChosen)
{
    createBoth();
    HWND other = CreateWindowExA(0, "Button", "Other", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, other);
    static HWND s_foreign;
    const ProcessOfWindow processOf = [](HWND hWnd) -> DWORD { return hWnd == s_foreign ? 2 : 1; };
    for (HWND foreign : {other, button}) {
        s_foreign = foreign;
        EXPECT_EQ(foreign == other ? button : other, FindTaskBarButton(tray, processOf));
    }
    s_foreign = nullptr;
    EXPECT_EQ(nullptr, FindTaskBarButton(nullptr, processOf));
    DestroyWindow(other);
}

TEST_F(TaskBar, WithNeitherWindowTheResultIsZero)
{
    EXPECT_EQ(0, host.call("wnTaskBar", SW_HIDE).integer);
    EXPECT_EQ(0, host.call("wnTaskBar", SW_SHOW).integer);
}

} // namespace
