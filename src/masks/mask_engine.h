// The edit-mask engine: classification of mask and text characters, formatting of
// an edit box's text while the user types, and cleaning a formatted text back to
// its value. Plain functions over strings and numbers; the two commands around them
// read the box, hand in what they read and write back what comes out.
#pragma once

#include "mask_class.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mask {

// Space, line feed, carriage return, tab, form feed and vertical tab.
inline constexpr std::string_view kWhiteSpace = " \n\r\t\f\v";

bool IsPlaceholder(int cls); // "#", "?", "A", "U", "L", "&"
bool IsSeparator(int cls);   // ".", ",", ":", "/", "-"

// The class of a mask character given as a string; the empty string and strings of
// two or more characters are plain literals. Sets *separator when given.
int ClassifyMaskChar(std::string_view maskChar, bool* separator = nullptr);

// The class of a text character, by its ASCII range; bytes 128..255 and control
// characters are plain. Sets *separator when given.
int ClassifyTextChar(char textChar, bool* separator = nullptr);

// The text character as the mask class accepts it: unchanged, case-converted for
// "U" and "L", or the empty string when the placeholder rejects it.
std::string FitTextChar(int maskClass, int textClass, std::string_view textChar);

// The text without its trailing white space (kWhiteSpace).
std::string TrimTrailingSpace(std::string_view text);

// The digits of the text laid into the mask from the right, with the mask's "," and
// "." between them. Digits the mask has no room for are ignored.
std::string FormatNumber(std::string_view text, std::string_view mask);

// What one formatting call finds in the box.
struct MaskInput {
    std::string_view text;     // the box's text as read
    uint32_t caret = 0;        // character index of the caret
    uint32_t prevTextLen = 0;  // the length the last formatting call left in this box
    std::string_view mask;
    bool numeric = false;      // lay digits in from the right instead of following the pattern
};

// How the box is written back.
enum class Write {
    Nothing, // empty box, or deleting at the end: the box keeps its text
    Pattern, // select all, replace, then put the caret at `caret`
    Numeric, // select all, replace, deselect, then put the caret at `caret` (the end)
};

struct MaskOutcome {
    std::string result;        // what the command delivers
    Write write = Write::Nothing;
    uint64_t caret = 0;        // where the caret goes when the box is written (the box clamps it)
    uint32_t prevTextLen = 0;  // the remembered length for the next call on this box
};

// One formatting call: from what the box holds to what goes back into it.
MaskOutcome FormatMask(const MaskInput& in);

// The characters of the text that the clean mode keeps (0: the whole text as is;
// 1: digits and "."; 2: characters under placeholders; 3: all but separators;
// 4: characters under placeholders and separators; other modes: nothing).
std::string CleanMask(std::string_view text, std::string_view mask, int mode);

} // namespace mask
