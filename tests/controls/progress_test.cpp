// Progress bar commands on a real progress bar in the dialog.
#include "fixture.h"
#include "platform.h"
#include "misc_controls_support.h"

#include <commctrl.h>

namespace {

class Progress : public zub::HostTest {
protected:
    HWND createBar(int extra = 0)
    {
        return misc::toWindow(host.call("pgCreateProgressBar", dialog.hwnd(), 20, 100, 300, 20, extra).integer);
    }
};

TEST_F(Progress, SettersReturnThePreviousValue)
{
    HWND bar = createBar();
    EXPECT_EQ(0, host.call("pgSetPosition", bar, 40).integer);
    EXPECT_EQ(40, host.call("pgSetPosition", bar, 55).integer);
    EXPECT_EQ(55, SendMessageA(bar, PBM_GETPOS, 0, 0));

    EXPECT_EQ(10, host.call("pgSetStep", bar, 5).integer); // the default step is 10
    EXPECT_EQ(5, host.call("pgSetStep", bar, 8).integer);
}

TEST_F(Progress, SetStateDeliversTheControlsReply)
{
    // Windows answers with the previous state; Wine keeps no state and always answers
    // PBST_NORMAL.
    HWND bar = createBar();
    EXPECT_EQ(PBST_NORMAL, host.call("pgSetState", bar, PBST_ERROR).integer);
    const LONG expected = zub::RunsUnderWine() ? PBST_NORMAL : PBST_ERROR;
    EXPECT_EQ(expected, host.call("pgSetState", bar, PBST_PAUSED).integer);
    EXPECT_EQ(zub::RunsUnderWine() ? PBST_NORMAL : PBST_PAUSED, SendMessageA(bar, PBM_GETSTATE, 0, 0));
}

TEST_F(Progress, SetRangeWithMinimumBelowMaximumShowsNoBoxAndReturnsThePreviousRange)
{
    HWND bar = createBar();
    const zub::Result r = host.call("pgSetRange", bar, 0, 100);
    EXPECT_EQ(1, r.completions);
    EXPECT_EQ(MAKELONG(0, 100), r.integer); // the default range 0..100
    EXPECT_EQ(MAKELONG(0, 100), host.call("pgSetRange", bar, -20, 300).integer);
    EXPECT_EQ(-20, SendMessageA(bar, PBM_GETRANGE, TRUE, 0));
    EXPECT_EQ(300, SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
    EXPECT_TRUE(notes.empty());
}

TEST_F(Progress, SetRangeWithMinimumNotBelowMaximumWarnsAndStillSetsIt)
{
    HWND bar = createBar();
    struct { int minimum; int maximum; } cases[] = {{10, 10}, {50, 20}};
    for (const auto& c : cases) {
        notes.clear();
        const zub::Result r = host.call("pgSetRange", bar, c.minimum, c.maximum);
        EXPECT_EQ(1, r.completions);
        ASSERT_EQ(1u, notes.size());
        EXPECT_EQ("Error", notes[0].caption);
        EXPECT_EQ("Your Minimum value must be less than your Maximum value.", notes[0].text);
        EXPECT_EQ(dialog.hwnd(), notes[0].owner);
        EXPECT_TRUE(notes[0].okOnly);
        // The range goes to the control all the same.
        EXPECT_EQ(c.minimum, SendMessageA(bar, PBM_GETRANGE, TRUE, 0));
        EXPECT_EQ(c.maximum, SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
    }
}

TEST_F(Progress, SetColorSetsBackgroundForTargetZeroAndBarForOne)
{
    HWND bar = createBar();
    EXPECT_EQ(static_cast<LONG>(CLR_DEFAULT), host.call("pgSetColor", bar, "255|0|0", 0).integer);
    EXPECT_EQ(0x0000FF, host.call("pgSetColor", bar, "0|0|0", 0).integer);
    EXPECT_EQ(static_cast<LONG>(CLR_DEFAULT), host.call("pgSetColor", bar, "1|2|3", 1).integer);
    EXPECT_EQ(0x030201, SendMessageA(bar, PBM_GETBARCOLOR, 0, 0));
    EXPECT_EQ(0x000000, SendMessageA(bar, PBM_GETBKCOLOR, 0, 0));
}

TEST_F(Progress, SetColorWithAnotherTargetChangesNothingAndReturnsZero)
{
    HWND bar = createBar();
    host.call("pgSetColor", bar, "1|2|3", 1);
    for (int target : {2, -1}) {
        const zub::Result r = host.call("pgSetColor", bar, "9|9|9", target);
        EXPECT_EQ(1, r.completions);
        EXPECT_EQ(0, r.integer);
    }
    EXPECT_EQ(0x030201, SendMessageA(bar, PBM_GETBARCOLOR, 0, 0));
    EXPECT_EQ(static_cast<LRESULT>(CLR_DEFAULT), SendMessageA(bar, PBM_GETBKCOLOR, 0, 0));
}

TEST_F(Progress, StepAdvancesByTheStepIncrement)
{
    HWND bar = createBar();
    SendMessageA(bar, PBM_SETSTEP, 15, 0);
    SendMessageA(bar, PBM_SETPOS, 20, 0);
    EXPECT_EQ(20, host.call("pgStep", bar, 0).integer); // the previous position
    EXPECT_EQ(35, SendMessageA(bar, PBM_GETPOS, 0, 0));
    host.call("pgStep", bar, 2);
    EXPECT_EQ(50, SendMessageA(bar, PBM_GETPOS, 0, 0));
    EXPECT_EQ(0, GetWindowLongA(bar, GWL_STYLE) & PBS_MARQUEE);
}

TEST_F(Progress, StepWithModeOneTurnsTheMarqueeOn)
{
    HWND bar = createBar();
    const zub::Result r = host.call("pgStep", bar, 1);
    EXPECT_EQ(1, r.completions);
    EXPECT_NE(0, r.integer);
    EXPECT_NE(0, GetWindowLongA(bar, GWL_STYLE) & PBS_MARQUEE);
    EXPECT_NE(0, GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE);
    // The marquee moves on a timer of the bar.
    Sleep(450);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, bar, WM_TIMER, WM_TIMER, PM_NOREMOVE));
}

} // namespace
