#include "transcript.h"

#include <regex>
#include <set>
#include <utility>

namespace zub {

std::string portableOutput(std::string text, const std::string& tempFolder)
{
    text = std::regex_replace(text, std::regex("window 0x[0-9A-F]{8}"), "window HWND");

    static const std::regex created(R"(ilCreateImgList\(.*\) -> ([1-9][0-9]*)\n)");
    std::set<std::string> imageLists;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), created); it != std::sregex_iterator(); ++it) {
        imageLists.insert((*it)[1]);
    }
    for (const std::string& handle : imageLists) text = std::regex_replace(text, std::regex("\\b" + handle + "\\b"), "HIMAGELIST");

    std::string quoted;
    for (char c : tempFolder) quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
    for (const auto& [from, to] : {std::pair{tempFolder, std::string("%TEMP%\\")}, std::pair{quoted, std::string("%TEMP%\\\\")}}) {
        for (size_t at; !from.empty() && (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace zub
