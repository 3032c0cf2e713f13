#include "transcript.h"

#include <regex>
#include <utility>

namespace zub {

std::string portableOutput(std::string text, const std::string& tempFolder)
{
    static const std::regex window("window 0x[0-9A-F]{8}");
    static const std::regex imageList("image list 0x[0-9A-F]{8}");
    text = std::regex_replace(text, window, "window HWND");
    text = std::regex_replace(text, imageList, "image list HIMAGELIST");

    std::string quoted;
    for (char c : tempFolder) quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
    for (const auto& [from, to] : {std::pair{tempFolder, std::string("%TEMP%\\")}, std::pair{quoted, std::string("%TEMP%\\\\")}}) {
        for (size_t at; !from.empty() && (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace zub
