// ebMask and ebMaskClean: read the edit box, let the mask engine work on what was
// read, and write the outcome back with the edit box's own messages. Plain and rich
// edit boxes alike: the few messages they read differently go through EditBox.
#include "controls/edit_box.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "mask_engine.h"
#include "win/window_state.h"

#include <algorithm>
#include <climits>
#include <string_view>

namespace {

// The box's text is read through this buffer: at most 499 characters and the zero.
char g_szEditText[500];
// Where the caret was found (client coordinates of the window owning the caret).
POINT g_ptCaret;

// The text length that the last formatting call left in a box (0 for a box never
// formatted), kept on the box: a box made later under a recycled handle starts afresh.
struct RememberedLength {
    uint32_t nLength = 0;
};

using RememberedLengths = win::WindowState<RememberedLength, 0x4B4D534B>; // the extender's mask lengths

uint32_t RememberedLengthOf(HWND hBox)
{
    const RememberedLength* found = RememberedLengths::Find(hBox);
    return found != nullptr ? found->nLength : 0;
}

WPARAM CaretIndex(uint64_t caret) { return static_cast<WPARAM>(std::min<uint64_t>(caret, INT_MAX)); }

} // namespace

int CKorvanet::ebMask(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const EditBox box(args.window(1));
    const std::string_view maskText = args.text(2);
    const bool numeric = args.integer(3) != 0;

    box.LimitText(static_cast<int>(std::min<std::size_t>(maskText.size(), INT_MAX)));
    GetCaretPos(&g_ptCaret);
    mask::MaskInput in;
    in.caret = box.CharFromPos(g_ptCaret);
    in.text = box.ReadText(g_szEditText, sizeof g_szEditText);
    Send(box.hwnd(), EM_SETSEL, static_cast<WPARAM>(-1), 0);

    in.prevTextLen = RememberedLengthOf(box.hwnd());
    in.mask = maskText;
    in.numeric = numeric;
    const mask::MaskOutcome out = mask::FormatMask(in);

    if (out.write != mask::Write::Nothing) {
        Send(box.hwnd(), EM_SETSEL, 0, -1);
        Send(box.hwnd(), EM_REPLACESEL, TRUE, out.result.c_str());
        if (out.write == mask::Write::Numeric) Send(box.hwnd(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
        Send(box.hwnd(), EM_SETSEL, CaretIndex(out.caret), static_cast<LPARAM>(CaretIndex(out.caret)));
    }
    if (out.prevTextLen != in.prevTextLen) {
        if (RememberedLength* kept = RememberedLengths::Attach(box.hwnd())) kept->nLength = out.prevTextLen;
    }
    return ReturnString(out.result.c_str());
}

int CKorvanet::ebMaskClean(HWND, HINSTANCE, LONG, ExtValue* pArgs, int)
{
    const Args args(pArgs);
    const EditBox box(args.window(1));
    const std::string_view text = box.ReadText(g_szEditText, sizeof g_szEditText);
    Send(box.hwnd(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
    const std::string result = mask::CleanMask(text, args.text(2), args.integer(3));
    return ReturnString(result.c_str());
}
