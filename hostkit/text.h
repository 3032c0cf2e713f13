// Text helpers with no windows in them, shared by the console's script language
// (which builds natively too), the host stand-in and the tests.
#pragma once

#include <string>
#include <string_view>

namespace zub {

// The text with its ASCII letters in lower case; other characters stay as they are.
// Names of commands, constants and keywords are ASCII.
inline std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

} // namespace zub
