#include "mask_engine.h"

namespace mask {

namespace {

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }

int ClassOfMaskAt(std::string_view mask, std::size_t i) { return ClassifyMaskChar(mask.substr(i, 1)); }

// After a keystroke that made the text longer: while the typed character (the last
// one) stands where the mask has a literal, that literal goes in front of it, and so
// do the literals that follow up to the next placeholder. Each inserted literal moves
// the caret one to the right.
void InsertLiteralsBeforeTypedChar(std::string& text, uint64_t& caret, std::string_view mask)
{
    const char typed = text.back();
    for (std::size_t p = text.size() - 1; p < mask.size(); ++p) {
        if (IsPlaceholder(ClassOfMaskAt(mask, p))) break;
        text.resize(p);
        text += mask[p];
        text += typed;
        ++caret;
    }
}

// Pattern mode: the text follows the mask position by position. The mask's literals
// replace what the text has under them, each moving the caret one to the right;
// after the text's end only the literals up to the next placeholder follow.
std::string FormatPattern(std::string_view text, uint64_t& caret, uint32_t prevTextLen, std::string_view mask)
{
    const std::size_t n = text.size();
    if (caret == n && caret < mask.size() && n > 1) caret = mask.size();
    if (prevTextLen > n) caret = n;

    std::string result;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const int maskClass = ClassOfMaskAt(mask, i);
        if (i >= n) {
            // Past the last entered character: the literals up to the next placeholder.
            if (IsPlaceholder(maskClass)) break;
            result += mask[i];
            continue;
        }
        if (IsPlaceholder(maskClass)) {
            const char textChar = text[i];
            result += FitTextChar(maskClass, ClassifyTextChar(textChar), std::string_view(&textChar, 1));
            continue;
        }
        // The mask has a literal here: it stands in place of whatever the text has.
        // A first keystroke is kept after the literal (once, if it is the literal).
        if (n == 1) {
            if (text[0] != mask[i]) result += mask[i];
            result += text[0];
        } else {
            result += mask[i];
        }
        ++caret;
    }
    return TrimTrailingSpace(result);
}

} // namespace

bool IsPlaceholder(int cls)
{
    return cls == Digit || cls == Alnum || cls == Alpha || cls == Upper || cls == Lower || cls == Any;
}

bool IsSeparator(int cls) { return cls == Comma || cls == Colon || cls == Slash || cls == Dash || cls == Dot; }

int ClassifyMaskChar(std::string_view maskChar, bool* separator)
{
    int cls = None;
    if (maskChar.size() == 1) {
        switch (maskChar[0]) {
        case '.': cls = Dot; break;
        case ',': cls = Comma; break;
        case ':': cls = Colon; break;
        case '/': cls = Slash; break;
        case '-': cls = Dash; break;
        case '#': cls = Digit; break;
        case 'A': cls = Alpha; break;
        case '?': cls = Alnum; break;
        case 'U': cls = Upper; break;
        case 'L': cls = Lower; break;
        case '&': cls = Any; break;
        default: break;
        }
    }
    if (separator != nullptr) *separator = IsSeparator(cls);
    return cls;
}

int ClassifyTextChar(char textChar, bool* separator)
{
    int cls = None;
    switch (textChar) {
    case '.': cls = Dot; break;
    case ',': cls = Comma; break;
    case ':': cls = Colon; break;
    case '/': cls = Slash; break;
    case '-': cls = Dash; break;
    default:
        // ASCII only: no letter or digit is left over for the "A" and "?" classes.
        if (IsAsciiDigit(textChar)) cls = Digit;
        else if (IsAsciiUpper(textChar)) cls = Upper;
        else if (IsAsciiLower(textChar)) cls = Lower;
        break;
    }
    if (separator != nullptr) *separator = IsSeparator(cls);
    return cls;
}

std::string FitTextChar(int maskClass, int textClass, std::string_view textChar)
{
    const bool letter = textClass == Alpha || textClass == Upper || textClass == Lower;
    const bool rejected = (maskClass == Digit && textClass != Digit) || (maskClass == Alpha && !letter) ||
                          (maskClass == Alnum && !letter && textClass != Digit) ||
                          ((maskClass == Upper || maskClass == Lower) && !letter);
    if (rejected) return {};

    std::string fitted(textChar);
    for (char& c : fitted) {
        if (maskClass == Upper && textClass == Lower && IsAsciiLower(c)) c = static_cast<char>(c - 'a' + 'A');
        if (maskClass == Lower && textClass == Upper && IsAsciiUpper(c)) c = static_cast<char>(c - 'A' + 'a');
    }
    return fitted;
}

std::string TrimTrailingSpace(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    if (last == std::string_view::npos) return {};
    return std::string(text.substr(0, last + 1));
}

std::string FormatNumber(std::string_view text, std::string_view mask)
{
    std::string digits;
    for (char c : text) {
        if (ClassifyTextChar(c) == Digit) digits += c;
    }

    // From the right: a "#" takes one digit; a "," or "." takes the digit for the
    // "#" taken to stand before it, with the separator after that digit; any other
    // mask character swallows a digit and a position more. Once the mask is used
    // up, the remaining digits have no place and are left out.
    std::string result;
    std::ptrdiff_t q = static_cast<std::ptrdiff_t>(mask.size()) - 1;
    for (auto digit = digits.rbegin(); digit != digits.rend() && q >= 0; ++digit) {
        const int cls = ClassOfMaskAt(mask, static_cast<std::size_t>(q));
        if (cls == Digit) {
            result.insert(result.begin(), *digit);
            q -= 1;
        } else if (cls == Comma || cls == Dot) {
            result.insert(0, 1, mask[static_cast<std::size_t>(q)]);
            result.insert(result.begin(), *digit);
            q -= 2;
        } else {
            q -= 2;
        }
    }
    return result;
}

MaskOutcome FormatMask(const MaskInput& in)
{
    MaskOutcome out;
    out.prevTextLen = in.prevTextLen;
    if (in.text.empty()) return out; // nothing typed: nothing to do, the remembered length stays

    std::string text(in.text);
    uint64_t caret = in.caret;
    const std::size_t n = text.size();

    if (n > in.prevTextLen) {
        InsertLiteralsBeforeTypedChar(text, caret, in.mask);
    } else if (n < in.prevTextLen && caret == n) {
        // Deleting at the end: leave the box alone so backspace can take literals away.
        out.result = std::string(in.text);
        out.prevTextLen = static_cast<uint32_t>(n);
        return out;
    }

    // Whatever stands after the caret is discarded.
    if (caret < text.size()) text.resize(static_cast<std::size_t>(caret));

    if (in.numeric) {
        out.result = FormatNumber(text, in.mask);
        out.write = Write::Numeric;
        out.caret = out.result.size();
        return out; // the remembered length is left as it was
    }

    out.result = FormatPattern(text, caret, in.prevTextLen, in.mask);
    out.write = Write::Pattern;
    out.caret = caret;
    out.prevTextLen = static_cast<uint32_t>(out.result.size());
    return out;
}

std::string CleanMask(std::string_view text, std::string_view mask, int mode)
{
    if (mode == 0) return std::string(text);

    std::string result;
    for (std::size_t i = 0; i < mask.size() && i < text.size(); ++i) {
        const bool underPlaceholder = IsPlaceholder(ClassOfMaskAt(mask, i));
        bool separator = false;
        const int textClass = ClassifyTextChar(text[i], &separator);
        bool taken = false;
        switch (mode) {
        case 1: taken = textClass == Digit || text[i] == '.'; break;
        case 2: taken = underPlaceholder; break;
        case 3: taken = !separator; break;
        case 4: taken = underPlaceholder || separator; break;
        default: break;
        }
        if (taken) result += text[i];
    }
    return TrimTrailingSpace(result);
}

} // namespace mask
