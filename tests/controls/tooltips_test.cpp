// Tooltip commands on a real balloon tooltip owned by the dialog.
#include "fixture.h"
#include "platform.h"
#include "misc_controls_support.h"

#include <commctrl.h>

#include <string>

namespace {

using misc::deadWindow;

// Pumps until the tooltip window shows or the time is up.
bool shownWithin(HWND tip, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        zub::Dialog::pump();
        if (IsWindowVisible(tip)) return true;
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
    return false;
}

class ToolTips : public zub::HostTest {
protected:
    HWND createTip()
    {
        const zub::Result r = host.call("ttCreateToolTip", dialog.hwnd());
        return misc::toWindow(r.integer);
    }

    static int toolCount(HWND tip) { return static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0)); }

    // The tool of the given window and id 0, as the tooltip holds it; false when it has none.
    static bool toolInfo(HWND tip, HWND tool, TOOLINFOA* info, std::string* text)
    {
        static char buffer[256];
        buffer[0] = '\0';
        *info = {};
        info->cbSize = sizeof *info;
        info->hwnd = tool;
        info->uId = 0;
        info->lpszText = buffer;
        if (!SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(info))) return false;
        *text = buffer;
        return true;
    }
};

TEST_F(ToolTips, CreateMakesATopmostBalloonTooltipOwnedByTheDialog)
{
    misc::CreationRecorder recorder;
    HWND tip = createTip();
    ASSERT_TRUE(IsWindow(tip));
    const misc::Creation* creation = recorder.find(tip);
    ASSERT_NE(nullptr, creation);
    EXPECT_EQ("tooltips_class32", creation->className);
    EXPECT_FALSE(creation->hasText);
    EXPECT_EQ(0x80000041u, creation->style);
    EXPECT_EQ(0u, creation->exStyle);
    // Asked for with CW_USEDEFAULT; Wine turns that into 0 for a popup before the hook sees it.
    if (zub::SeenOnlyUnderWine("a popup's CW_USEDEFAULT place and size reach the CBT hook as 0")) {
        for (int value : {creation->x, creation->y, creation->width, creation->height}) EXPECT_EQ(0, value);
    }
    EXPECT_EQ(dialog.hwnd(), creation->parent);
    EXPECT_EQ(0, creation->menu);
    EXPECT_NE(0, GetWindowLongA(tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(dialog.hwnd(), GetWindow(tip, GW_OWNER));
    EXPECT_EQ(0, toolCount(tip));
    // Creating again makes a second, independent tooltip.
    HWND second = createTip();
    EXPECT_TRUE(IsWindow(second));
    EXPECT_NE(tip, second);
}

TEST_F(ToolTips, AddGivesTheToolWindowATipOverItsClientRectangle)
{
    HWND tip = createTip();
    HWND button = dialog.button("OK", BS_PUSHBUTTON, 20, 30, 120, 40);
    EXPECT_NE(0, host.call("ttAddToolTip", tip, button, "Saves the form").integer);
    ASSERT_EQ(1, toolCount(tip));

    TOOLINFOA info;
    std::string text;
    ASSERT_TRUE(toolInfo(tip, button, &info, &text));
    EXPECT_EQ(button, info.hwnd);
    EXPECT_EQ(0u, info.uId);
    EXPECT_EQ(static_cast<UINT>(TTF_SUBCLASS), info.uFlags & (TTF_SUBCLASS | TTF_IDISHWND));
    EXPECT_EQ(0, info.rect.left);
    EXPECT_EQ(0, info.rect.top);
    EXPECT_EQ(120, info.rect.right);
    EXPECT_EQ(40, info.rect.bottom);
    EXPECT_EQ("Saves the form", text);

    // The rectangle was taken at the time of the call and does not follow the control.
    MoveWindow(button, 20, 30, 300, 60, TRUE);
    ASSERT_TRUE(toolInfo(tip, button, &info, &text));
    EXPECT_EQ(120, info.rect.right);
    EXPECT_EQ(40, info.rect.bottom);

    // Enumeration sees the same one tool.
    TOOLINFOA enumerated = {};
    char buffer[256] = "";
    enumerated.cbSize = sizeof enumerated;
    enumerated.lpszText = buffer;
    ASSERT_TRUE(SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&enumerated)));
    EXPECT_EQ(button, enumerated.hwnd);
    EXPECT_EQ(120, enumerated.rect.right);
    EXPECT_STREQ("Saves the form", buffer);
}

TEST_F(ToolTips, SetTextReplacesTheTipAndDeleteRemovesIt)
{
    HWND tip = createTip();
    HWND button = dialog.button();
    HWND other = dialog.edit();
    host.call("ttAddToolTip", tip, button, "old");
    host.call("ttAddToolTip", tip, other, "stays");

    host.call("ttSetText", tip, button, "new text");
    TOOLINFOA info;
    std::string text;
    ASSERT_TRUE(toolInfo(tip, button, &info, &text));
    EXPECT_EQ("new text", text);

    host.call("ttDeleteToolTip", tip, button);
    EXPECT_EQ(1, toolCount(tip));
    EXPECT_FALSE(toolInfo(tip, button, &info, &text));
    ASSERT_TRUE(toolInfo(tip, other, &info, &text));
    EXPECT_EQ("stays", text);

    // A window without a tip: nothing happens.
    host.call("ttSetText", tip, button, "nobody");
    host.call("ttDeleteToolTip", tip, button);
    EXPECT_EQ(1, toolCount(tip));
    ASSERT_TRUE(toolInfo(tip, other, &info, &text));
    EXPECT_EQ("stays", text);
}

TEST_F(ToolTips, SetColorTargetsTheBackgroundOrTheTextAndNothingElse)
{
    HWND tip = createTip();
    host.call("ttSetColor", tip, "255|128|0", 0);
    EXPECT_EQ(RGB(255, 128, 0), static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)));
    host.call("ttSetColor", tip, "0|0|255", 1);
    EXPECT_EQ(RGB(0, 0, 255), static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0)));
    EXPECT_EQ(RGB(255, 128, 0), static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)));

    for (int target : {2, -1}) {
        const zub::Result r = host.call("ttSetColor", tip, "1|2|3", target);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(0, r.integer);
    }
    EXPECT_EQ(RGB(255, 128, 0), static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)));
    EXPECT_EQ(RGB(0, 0, 255), static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0)));
}

TEST_F(ToolTips, SetDelaySetsTheNamedDelay)
{
    HWND tip = createTip();
    host.call("ttSetDelay", tip, TTDT_INITIAL, 700);
    host.call("ttSetDelay", tip, TTDT_AUTOPOP, 9000);
    host.call("ttSetDelay", tip, TTDT_RESHOW, 150);
    EXPECT_EQ(700, SendMessageA(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    EXPECT_EQ(9000, SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    EXPECT_EQ(150, SendMessageA(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0));
}

TEST_F(ToolTips, SetTitleGivesTheTipsATitleLine)
{
    HWND tip = createTip();
    HWND button = dialog.button();
    host.call("ttAddToolTip", tip, button, "hi");
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = button;
    const LRESULT plain = SendMessageA(tip, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));

    // Wine does not answer TTM_GETTITLE, so the title shows in the size of the balloon:
    // a title line wider than the text makes it taller and wider.
    EXPECT_NE(0, host.call("ttSetTitle", tip, TTI_WARNING, "A title much wider than the text").integer);
    const LRESULT titled = SendMessageA(tip, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool));
    EXPECT_GT(HIWORD(titled), HIWORD(plain));
    EXPECT_GT(LOWORD(titled), LOWORD(plain));
}

TEST_F(ToolTips, ActivateWithZeroSilencesTheTipsUntilActivatedAgain)
{
    HWND tip = createTip();
    HWND button = dialog.button("B", BS_PUSHBUTTON, 100, 100, 100, 40);
    host.call("ttAddToolTip", tip, button, "hello");
    host.call("ttSetDelay", tip, TTDT_INITIAL, 10);
    POINT over = {50, 20};
    ClientToScreen(button, &over);
    SetCursorPos(over.x, over.y);

    // The tooltip watches the button's mouse messages itself (TTF_SUBCLASS).
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(50, 20));
    EXPECT_TRUE(shownWithin(tip, 1000));

    EXPECT_EQ(1, host.call("ttActivate", tip, 0).integer);
    EXPECT_FALSE(IsWindowVisible(tip));
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(51, 20));
    EXPECT_FALSE(shownWithin(tip, 300));

    EXPECT_EQ(1, host.call("ttActivate", tip, 1).integer);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(52, 20));
    EXPECT_TRUE(shownWithin(tip, 1000));
}

TEST_F(ToolTips, ActivateReturnsOneEitherWay)
{
    HWND tip = createTip();
    for (int flag : {0, 1, 7}) {
        const zub::Result r = host.call("ttActivate", tip, flag);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(1, r.integer);
    }
}

} // namespace
