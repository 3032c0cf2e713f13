// ebMask and ebMaskClean: read the edit box, let the mask engine work on what was
// read, and write the outcome back with the edit box's own messages. Plain and rich
// edit boxes alike: the few messages they read differently go through EditBox.
#include "controls/edit_box.h"
#include "host/args.h"
#include "host/korvanet.h"
#include "mask_engine.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <vector>

namespace {

// The box's text is read through this buffer: at most 499 characters and the zero.
char g_szEditText[500];
// Where the caret was found (client coordinates of the window owning the caret).
POINT g_ptCaret;

// The text length that the last formatting call left in each box (0 for a box never
// formatted). It is kept on the box itself, as a window property named by an atom of
// the library's own: it goes when the box goes, and a new window that comes to carry
// the same handle starts without one. The library takes it off every box it still
// marks, and gives up its atom, when it is unloaded, so a freshly loaded library
// remembers nothing.
class RememberedLengths {
public:
    ~RememberedLengths()
    {
        for (HWND hBox : m_boxes) {
            if (IsWindow(hBox)) RemovePropA(hBox, Name());
        }
        if (m_atom != 0) GlobalDeleteAtom(m_atom);
    }

    uint32_t Of(HWND hBox) const
    {
        if (m_atom == 0) return 0;
        return static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(GetPropA(hBox, Name())));
    }

    // Called when the box's length changes.
    void Set(HWND hBox, uint32_t nLength)
    {
        if (nLength == 0) {
            RemovePropA(hBox, Name()); // 0 is what a box without the property reads as
            return;
        }
        if (m_atom == 0) m_atom = GlobalAddAtomA("korvanet mask length");
        if (m_atom == 0 || !SetPropA(hBox, Name(), reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nLength)))) return;
        if (std::find(m_boxes.begin(), m_boxes.end(), hBox) == m_boxes.end()) {
            std::erase_if(m_boxes, [](HWND hOld) { return !IsWindow(hOld); }); // boxes gone since
            m_boxes.push_back(hBox);
        }
    }

private:
    LPCSTR Name() const { return MAKEINTATOM(m_atom); }

    ATOM m_atom = 0;
    std::vector<HWND> m_boxes; // every box given the property, and perhaps some gone since
};

RememberedLengths g_prevTextLens;

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

    in.prevTextLen = g_prevTextLens.Of(box.hwnd());
    in.mask = maskText;
    in.numeric = numeric;
    const mask::MaskOutcome out = mask::FormatMask(in);

    if (out.write != mask::Write::Nothing) {
        Send(box.hwnd(), EM_SETSEL, 0, -1);
        Send(box.hwnd(), EM_REPLACESEL, TRUE, out.result.c_str());
        if (out.write == mask::Write::Numeric) Send(box.hwnd(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
        Send(box.hwnd(), EM_SETSEL, CaretIndex(out.caret), static_cast<LPARAM>(CaretIndex(out.caret)));
    }
    if (out.prevTextLen != in.prevTextLen) g_prevTextLens.Set(box.hwnd(), out.prevTextLen);
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
