// What the console knows of each command beyond the table: which kind of window it
// drives through argument 1, whether its result is an image list, whether it needs the
// list views' layout current. The kind is for the console's
// warning before a call that hands a command another kind of control: that control reads
// the same message numbers differently, some as addresses, and can crash the host. The
// extender itself sends without checking (a host may give its controls class names of
// its own). No windows here, so it builds and is tested natively as well.
#pragma once

#include "script.h"

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

// Warnings, one a line, for arguments that a host hands over otherwise than the
// console passes them: a text where the command reads the number in the cell (the
// console puts the number the text starts with there; the host need not), and a colour
// that is not a text red|green|blue of numbers 0 to 255 (the extender reads a name or
// #RRGGBB as black). Nothing when every argument reads as written.
std::vector<std::string> argumentWarnings(std::string_view command, const std::vector<Value>& args);

// True for a command whose result is an image list's handle (ilCreateImgList; the other
// image list commands give counts).
bool givesImageList(std::string_view command);

// True for a command that works from the list views' current layout (lvScrollTo), so
// they must draw while it runs.
bool needsListViewLayout(std::string_view command);

} // namespace zub::script
