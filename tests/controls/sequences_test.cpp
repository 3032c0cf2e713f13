// What each command sends to its control: message, parameters and the fields of the
// records it passes, one row per command.
#include "fixture.h"
#include "messages.h"
#include "misc_controls_support.h"

#include <commctrl.h>

#include <cstdio>

namespace {

using zub::CommandSequence;
using zub::Expected;
constexpr LONG kOther = CommandSequence::kOtherWindow;

class Sequences : public zub::HostTest {
protected:
    HWND create(const char* command) { return misc::toWindow(host.call(command, dialog.hwnd(), 10, 10, 200, 30, 0).integer); }
};

TEST_F(Sequences, TrackbarSettersPutTheValueAndTheRedrawFlagWhereEachMessageTakesThem)
{
    const HWND track = create("trCreateTrackBar");
    zub::MessageRecorder recorder(track, zub::controlMessage);
    zub::ExpectSequences(host, recorder, track, {
        {"trCLEARSEL", {}, {{TBM_CLEARSEL, TRUE, 0}}},
        {"trCLEARTICS", {}, {{TBM_CLEARTICS, TRUE, 0}}},
        {"trSETLINESIZE", {7}, {{TBM_SETLINESIZE, 0, 7}}},
        {"trSETPAGESIZE", {9}, {{TBM_SETPAGESIZE, 0, 9}}},
        {"trSETPOS", {5}, {{TBM_SETPOS, TRUE, 5}}},
        {"trSETRANGEMAX", {50}, {{TBM_SETRANGEMAX, TRUE, 50}}},
        {"trSETRANGEMIN", {2}, {{TBM_SETRANGEMIN, TRUE, 2}}},
        {"trSETSELEND", {8}, {{TBM_SETSELEND, TRUE, 8}}},
        {"trSETSELSTART", {3}, {{TBM_SETSELSTART, TRUE, 3}}},
        {"trSETTIC", {4}, {{TBM_SETTIC, 0, 4}}},
        {"trSETTICFREQ", {2}, {{TBM_SETTICFREQ, 2, 0}}},
        {"trSETTIPSIDE", {TBTS_LEFT}, {{TBM_SETTIPSIDE, TBTS_LEFT, 0}}},
        {"trGETTRACKINFO", {3}, {{TBM_GETPOS}}},
        {"trGETTRACKINFO", {8}, {}},
    });
}

TEST_F(Sequences, ProgressCommandsSendOneMessageEach)
{
    const HWND bar = create("pgCreateProgressBar");
    zub::MessageRecorder recorder(bar, zub::controlMessage);
    zub::ExpectSequences(host, recorder, bar, {
        {"pgSetPosition", {40}, {{PBM_SETPOS, 40, 0}}},
        {"pgSetStep", {5}, {{PBM_SETSTEP, 5, 0}}},
        {"pgSetState", {PBST_PAUSED}, {{PBM_SETSTATE, PBST_PAUSED, 0}}},
        {"pgSetRange", {1, 50}, {{PBM_SETRANGE32, 1, 50}}},
        {"pgSetColor", {"1|2|3", 0}, {{PBM_SETBKCOLOR, 0, RGB(1, 2, 3)}}},
        {"pgSetColor", {"1|2|3", 1}, {{PBM_SETBARCOLOR, 0, RGB(1, 2, 3)}}},
        {"pgSetColor", {"1|2|3", 2}, {}},
        {"pgStep", {0}, {{PBM_STEPIT}}},
        {"pgStep", {1}, {{PBM_SETMARQUEE, TRUE, 200}}},
    });
}

std::string tabItem(WPARAM, LPARAM l)
{
    const auto* item = reinterpret_cast<const TCITEMA*>(l);
    char fields[128];
    std::snprintf(fields, sizeof fields, "mask 0x%x text %s image %d", item->mask, item->pszText, item->iImage);
    return fields;
}

TEST_F(Sequences, TabCommandsSendPositionsCountedFromZero)
{
    const HWND tab = create("taCreateTab");
    zub::MessageRecorder recorder(tab, zub::controlMessage);
    recorder.describe(TCM_INSERTITEMA, tabItem);
    zub::ExpectSequences(host, recorder, tab, {
        {"taAddTab", {1, "One"}, {Expected::withRecord(TCM_INSERTITEMA, 0, "mask 0x3 text One image -1")}},
        {"taAddTab", {2, "Two"}, {Expected::withRecord(TCM_INSERTITEMA, 1, "mask 0x3 text Two image -1")}},
        {"taSetTabSel", {2}, {{TCM_SETCURSEL, 1, 0}}},
        {"taGetTabSel", {}, {{TCM_GETCURSEL}}},
        {"taSetTabStyle", {3}, {{WM_USER + 56, 0, 2}}},
        {"taDeleteTab", {1}, {{TCM_DELETEITEM, 0, 0}}},
    });
}

TEST_F(Sequences, IpAddressCommandsSendOneMessageEach)
{
    const HWND ip = create("ipCreateIP");
    zub::MessageRecorder recorder(ip, zub::controlMessage);
    Expected getAddress(IPM_GETADDRESS);
    getAddress.checks = Expected::kWParam; // into a variable of the command's
    zub::ExpectSequences(host, recorder, ip, {
        {"ipSetIP", {"1.2.3.4"}, {{IPM_SETADDRESS, 0, static_cast<LPARAM>(MAKEIPADDRESS(1, 2, 3, 4))}}},
        {"ipGetIP", {}, {getAddress}},
        {"ipIsBlank", {}, {{IPM_ISBLANK}}},
        {"ipClearIP", {}, {{IPM_CLEARADDRESS}}},
        {"ipSetFocus", {2}, {{IPM_SETFOCUS, 1, 0}}},
        {"ipSetRange", {1, 10, 200}, {{IPM_SETRANGE, 0, MAKEIPRANGE(10, 200)}}},
    });
}

TEST_F(Sequences, TooltipCommandsNameTheToolWithItsWindowAndIdZero)
{
    const HWND tip = misc::toWindow(host.call("ttCreateToolTip", dialog.hwnd()).integer);
    const HWND tool = dialog.button("Tool", BS_PUSHBUTTON, 10, 100, 100, 30);
    zub::MessageRecorder recorder(tip, zub::controlMessage);
    const auto toolInfo = [tool, this](WPARAM, LPARAM l) {
        const auto* ti = reinterpret_cast<const TOOLINFOA*>(l);
        char fields[256];
        std::snprintf(fields, sizeof fields, "size %u flags 0x%x %s id %u rect %ld %ld %ld %ld %s text %s",
                      ti->cbSize, ti->uFlags, ti->hwnd == tool ? "tool" : "other", static_cast<unsigned>(ti->uId),
                      ti->rect.left, ti->rect.top, ti->rect.right, ti->rect.bottom,
                      ti->hinst == host.instance ? "host instance" : ti->hinst == nullptr ? "no instance" : "other",
                      ti->lpszText != nullptr ? ti->lpszText : "(none)");
        return std::string(fields);
    };
    recorder.describe(TTM_ADDTOOLA, toolInfo).describe(TTM_UPDATETIPTEXTA, toolInfo).describe(TTM_DELTOOLA, toolInfo);
    recorder.describe(TTM_SETTITLEA, [](WPARAM, LPARAM l) { return std::string(reinterpret_cast<const char*>(l)); });
    const std::string size = std::to_string(sizeof(TOOLINFOA));
    zub::ExpectSequences(host, recorder, tip, {
        {"ttAddToolTip", {kOther, "Tip"}, {Expected::withRecord(TTM_ADDTOOLA, 0,
            "size " + size + " flags 0x10 tool id 0 rect 0 0 100 30 host instance text Tip")}},
        {"ttSetText", {kOther, "New"}, {Expected::withRecord(TTM_UPDATETIPTEXTA, 0,
            "size " + size + " flags 0x0 tool id 0 rect 0 0 0 0 host instance text New")}},
        {"ttActivate", {1}, {{TTM_ACTIVATE, 1, 0}}},
        {"ttSetColor", {"1|2|3", 0}, {{TTM_SETTIPBKCOLOR, RGB(1, 2, 3), 0}}},
        {"ttSetColor", {"1|2|3", 1}, {{TTM_SETTIPTEXTCOLOR, RGB(1, 2, 3), 0}}},
        {"ttSetColor", {"1|2|3", 2}, {}},
        {"ttSetDelay", {TTDT_INITIAL, 500}, {{TTM_SETDELAYTIME, TTDT_INITIAL, 500}}},
        {"ttSetTitle", {TTI_INFO, "Title"}, {Expected::withRecord(TTM_SETTITLEA, TTI_INFO, "Title")}},
        {"ttDeleteToolTip", {kOther}, {Expected::withRecord(TTM_DELTOOLA, 0,
            "size " + size + " flags 0x0 tool id 0 rect 0 0 0 0 no instance text (none)")}},
    }, tool);
}

} // namespace
