// Character classes of the edit-mask engine. Mask characters and text characters
// are sorted into the same classes; the codes only need to be distinct.
#pragma once

namespace mask {

enum Class : int {
    Comma = 1,     // ","  separator
    Colon = 2,     // ":"  separator
    Slash = 3,     // "/"  separator
    Digit = 4,     // "#"  placeholder: a digit          / text "0".."9"
    Alnum = 5,     // "?"  placeholder: letter or digit
    Alpha = 6,     // "A"  placeholder: a letter
    Upper = 7,     // "U"  placeholder: letter, made upper case / text "A".."Z"
    Lower = 8,     // "L"  placeholder: letter, made lower case / text "a".."z"
    Any = 9,       // "&"  placeholder: any character
    Unused10 = 10, // no mask character
    None = 11,     // a plain literal / any other text character
    Dash = 12,     // "-"  separator
    Unused13 = 13, // no mask character
    Dot = 14,      // "."  separator
};

} // namespace mask
