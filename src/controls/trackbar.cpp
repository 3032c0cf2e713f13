// Trackbar: creation, one setter per trackbar setting, the query by selector,
// clearing of ticks and selection, and the two text labels at the ends of the bar.
#include "controls/creation.h"
#include "host/args.h"
#include "host/korvanet.h"

#include <commctrl.h>

#include <iterator>

namespace {

constexpr WPARAM kRedraw = TRUE;
constexpr WPARAM kLeftBuddy = TRUE;   // left or top end
constexpr WPARAM kRightBuddy = FALSE; // right or bottom end

} // namespace

int CKorvanet::trCreateTrackBar(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    EnsureCommonControls(ICC_BAR_CLASSES);
    const DWORD dwStyle = static_cast<DWORD>(args.integer(6)) | WS_CHILD | WS_VISIBLE | TBS_TOOLTIPS |
                          TBS_ENABLESELRANGE | TBS_AUTOTICKS;
    const HWND hTrack = CreateControl(hInst, args.window(1), TRACKBAR_CLASSA, "Trackbar", dwStyle,
                                      {args.integer(2), args.integer(3), args.integer(4), args.integer(5)});
    return ReturnInt(HandleToInt(hTrack));
}

int CKorvanet::trCLEARSEL(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), TBM_CLEARSEL, kRedraw);
    return ReturnInt(1);
}

int CKorvanet::trCLEARTICS(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    Send(args.window(1), TBM_CLEARTICS, kRedraw);
    return ReturnInt(1);
}

// The setters declare argument 2 as text and take the integer of its cell. Each sends
// its one message, with the value where that message takes it, and delivers 1 whatever
// the trackbar answers.
int CKorvanet::trSet(ExtValue* pArgs, UINT uMsg)
{
    const Args args(pArgs);
    const HWND hTrack = args.window(1);
    const int nValue = args.integer(2);
    switch (uMsg) {
    case TBM_SETTICFREQ:
    case TBM_SETTIPSIDE: Send(hTrack, uMsg, static_cast<WPARAM>(nValue)); break;
    case TBM_SETLINESIZE:
    case TBM_SETPAGESIZE:
    case TBM_SETTIC: Send(hTrack, uMsg, 0, nValue); break;
    default: Send(hTrack, uMsg, kRedraw, nValue); break; // the position, the range and the selection
    }
    return ReturnInt(1);
}

// One line each, as they are rows of one table: the message is all that differs.
int CKorvanet::trSETLINESIZE(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETLINESIZE); }
int CKorvanet::trSETPAGESIZE(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETPAGESIZE); }
int CKorvanet::trSETPOS(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETPOS); }
int CKorvanet::trSETRANGEMAX(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETRANGEMAX); }
int CKorvanet::trSETRANGEMIN(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETRANGEMIN); }
int CKorvanet::trSETSELEND(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETSELEND); }
int CKorvanet::trSETSELSTART(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETSELSTART); }
int CKorvanet::trSETTIC(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETTIC); }
int CKorvanet::trSETTICFREQ(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETTICFREQ); }
int CKorvanet::trSETTIPSIDE(HWND, HINSTANCE, LONG, ExtValue* pArgs, int) { return trSet(pArgs, TBM_SETTIPSIDE); }

int CKorvanet::trGETTRACKINFO(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    static const UINT s_queries[] = {
        TBM_GETLINESIZE, TBM_GETNUMTICS,  TBM_GETPAGESIZE, TBM_GETPOS,
        TBM_GETRANGEMIN, TBM_GETRANGEMAX, TBM_GETSELSTART, TBM_GETSELEND,
    };
    const Args args(pArgs);
    // Tested unsigned, so a negative selector is as unknown as one above 7.
    const unsigned nSelector = static_cast<unsigned>(args.integer(2));
    if (nSelector >= std::size(s_queries)) return ReturnInt(0);
    return ReturnReply(Send(args.window(1), s_queries[nSelector]));
}

int CKorvanet::trSETBUDDY(HWND, HINSTANCE hInst, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hParent = args.window(1);
    const HWND hTrack = args.window(2);
    // The trackbar moves its buddies next to its ends, so the labels start at (0, 0).
    const ControlPlacement placement = {0, 0, args.integer(3), args.integer(4)};
    // The earlier buddies that the trackbar hands back stay in the dialog.
    const HWND hLeft = CreateControl(hInst, hParent, "STATIC", args.text(5), WS_CHILD | WS_VISIBLE | SS_RIGHT, placement);
    Send(hTrack, TBM_SETBUDDY, kLeftBuddy, reinterpret_cast<LPARAM>(hLeft));
    const HWND hRight = CreateControl(hInst, hParent, "STATIC", args.text(6), WS_CHILD | WS_VISIBLE | SS_LEFT, placement);
    Send(hTrack, TBM_SETBUDDY, kRightBuddy, reinterpret_cast<LPARAM>(hRight));
    return ReturnInt(1);
}

int CKorvanet::trRemoveBuddy(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const HWND hTrack = args.window(1);
    for (const WPARAM end : {kLeftBuddy, kRightBuddy}) {
        const HWND hBuddy = reinterpret_cast<HWND>(Send(hTrack, TBM_GETBUDDY, end));
        if (hBuddy == nullptr) continue;
        DestroyWindow(hBuddy);
        // Forget the destroyed label, so a later removal cannot destroy another
        // window that has come to carry the same handle.
        Send(hTrack, TBM_SETBUDDY, end, 0);
    }
    return ReturnInt(1);
}
