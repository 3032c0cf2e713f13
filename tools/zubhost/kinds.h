// What the console knows of each command beyond the table: which kind of window it
// drives through argument 1, whether its result is an image list, whether it needs the
// list views' layout current. The kind is for the console's
// warning before a call that hands a command another kind of control: that control reads
// the same message numbers differently, some as addresses, and can crash the host. The
// extender itself sends without checking (a host may give its controls class names of
// its own). No windows here, so it builds and is tested natively as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zub::script {

struct WindowKind {
    const char* noun;                  // "a trackbar"
    std::vector<const char*> classes;  // every class that answers the family's messages; the first is named
};

// The kind that argument 1 of the command must be; null when any window will do (the
// window utilities, the parent of a creating command) or argument 1 is no window.
const WindowKind* windowKind(std::string_view command);

// The warning for a call whose argument 1 (as echoed) is a window of the class, or
// nothing when the class is one the command drives.
std::optional<std::string> wrongKind(std::string_view command, std::string_view argument, std::string_view className);

// True for a command whose result is an image list's handle (ilCreateImgList; the other
// image list commands give counts).
bool givesImageList(std::string_view command);

// True for a command that works from the list views' current layout (lvScrollTo), so
// they must draw while it runs.
bool needsListViewLayout(std::string_view command);

} // namespace zub::script
