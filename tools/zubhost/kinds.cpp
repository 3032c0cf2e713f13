#include "kinds.h"

#include "host/values.h"
#include "text.h"

#include <cctype>

namespace zub::script {

namespace {

const WindowKind kAnyWindow{nullptr, {}};
const WindowKind kEditBox{"an edit box", {"Edit", "RichEdit50W", "RichEdit20A", "RichEdit20W", "RICHEDIT"}};

const WindowKind kListView{"a list view", {"SysListView32"}};

enum Fact : unsigned { kNoFact = 0, kGivesImageList = 1, kNeedsListViewLayout = 2 };

// Rows by a command's full name come first, then by its prefix ("lv*"); the first match
// counts. A row of kAnyWindow means no check.
struct Row {
    const char* names;
    WindowKind kind;
    unsigned facts = kNoFact;
};

const Row kDrives[] = {
    // Creating commands take the dialog (or any window) as the parent or owner.
    {"anCreateAVI", kAnyWindow},
    {"ipCreateIP", kAnyWindow},
    {"pgCreateProgressBar", kAnyWindow},
    {"rtCreate", kAnyWindow},
    {"sbCreateStatusBar", kAnyWindow},
    {"taCreateTab", kAnyWindow},
    {"trCreateTrackBar", kAnyWindow},
    {"trSETBUDDY", kAnyWindow},
    {"ttCreateToolTip", kAnyWindow},
    // The window utilities work on any window; wnTaskBar takes a show command and the
    // image list commands an image list, no window.
    {"ccShow", kAnyWindow},
    {"DCCompatible", kAnyWindow},
    {"RedrawControl", kAnyWindow},
    {"RemoveControl", kAnyWindow},
    {"wnTaskBar", kAnyWindow},
    {"ilCreateImgList", kAnyWindow, kGivesImageList},
    {"il*", kAnyWindow},
    {"pbSetMultiline", WindowKind{"a button", {"Button"}}},
    // A rich edit answers the edit box messages of these commands the same way.
    {"eb*", kEditBox},
    {"an*", WindowKind{"an animation control", {"SysAnimate32"}}},
    {"cb*", WindowKind{"a combo box", {"ComboBox", "ComboBoxEx32"}}},
    {"ip*", WindowKind{"an IP address control", {"SysIPAddress32"}}},
    // The list of a combo box is a list box.
    {"lb*", WindowKind{"a list box", {"ListBox", "ComboLBox"}}},
    {"lvScrollTo", kListView, kNeedsListViewLayout},
    {"lv*", kListView},
    {"pg*", WindowKind{"a progress bar", {"msctls_progress32"}}},
    {"rt*", WindowKind{"a rich edit control", {"RichEdit50W", "RichEdit20A", "RichEdit20W"}}},
    {"sb*", WindowKind{"a status bar", {"msctls_statusbar32"}}},
    {"ta*", WindowKind{"a tab control", {"SysTabControl32"}}},
    {"tr*", WindowKind{"a trackbar", {"msctls_trackbar32"}}},
    {"tt*", WindowKind{"a tooltip", {"tooltips_class32"}}},
};

// The commands that read the number in the cell of an argument that the table declares
// as text, and the commands that read an argument as a colour text: the argument's
// position from 1.
const struct {
    const char* name;
    size_t argument;
    bool colour; // false: read as the number in the cell
} kReadAs[] = {
    {"trSETLINESIZE", 2, false}, {"trSETPAGESIZE", 2, false}, {"trSETPOS", 2, false},
    {"trSETRANGEMAX", 2, false}, {"trSETRANGEMIN", 2, false}, {"trSETSELEND", 2, false},
    {"trSETSELSTART", 2, false}, {"trSETTIC", 2, false},      {"trSETTICFREQ", 2, false},
    {"trSETTIPSIDE", 2, false},  {"rtIndent", 2, false},      {"lvSetBkColor", 2, true},
    {"lvSetItemTextColor", 5, true}, {"pgSetColor", 2, true}, {"sbSetBkColor", 2, true},
    {"ttSetColor", 2, true},     {"rtSetTextColor", 2, true}, {"rtSetTextBackColor", 2, true},
};

// red|green|blue: three numbers of one to three digits, each 0 to 255.
bool isColourText(std::string_view text)
{
    int components = 0;
    size_t start = 0;
    for (;;) {
        const size_t bar = text.find('|', start);
        const std::string_view part = text.substr(start, bar == std::string_view::npos ? bar : bar - start);
        if (part.empty() || part.size() > 3) return false;
        for (char c : part) {
            if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        }
        if (std::stoi(std::string(part)) > 255) return false;
        ++components;
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    return components == 3;
}

std::string colourText(uint32_t colour)
{
    return std::to_string(colour & 0xFF) + "|" + std::to_string((colour >> 8) & 0xFF) + "|" +
           std::to_string((colour >> 16) & 0xFF);
}

bool matches(std::string_view names, std::string_view command)
{
    const std::string pattern = lower(names), name = lower(command);
    if (!pattern.empty() && pattern.back() == '*') return name.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return name == pattern;
}

std::string withArticle(std::string_view word)
{
    const bool vowel = !word.empty() && std::string_view("aeiouAEIOU").find(word[0]) != std::string_view::npos;
    return (vowel ? "an " : "a ") + std::string(word);
}

const Row* rowOf(std::string_view command)
{
    for (const Row& row : kDrives) {
        if (matches(row.names, command)) return &row;
    }
    return nullptr;
}

} // namespace

const WindowKind* windowKind(std::string_view command)
{
    const Row* row = rowOf(command);
    return row != nullptr && row->kind.noun != nullptr ? &row->kind : nullptr;
}

std::optional<std::string> wrongKind(std::string_view command, std::string_view argument, std::string_view className)
{
    const WindowKind* kind = windowKind(command);
    if (kind == nullptr) return std::nullopt;
    for (const char* driven : kind->classes) {
        if (lower(driven) == lower(className)) return std::nullopt;
    }
    return "warning: " + std::string(argument) + " is " + withArticle(className) + "; " + std::string(command) +
           " drives " + kind->noun + " (" + kind->classes.front() + ")";
}

std::vector<std::string> argumentWarnings(std::string_view command, const std::vector<Value>& args)
{
    std::vector<std::string> warnings;
    for (const auto& row : kReadAs) {
        if (!matches(row.name, command) || row.argument > args.size()) continue;
        const Value& value = args[row.argument - 1];
        const std::string which = "argument " + std::to_string(row.argument) + " of " + std::string(command);
        if (!row.colour && value.isText()) {
            warnings.push_back("warning: " + which + " is the text " + echoText(value.text) + ", but " +
                               std::string(command) +
                               " reads the number in the cell, never the text: the console puts the number the "
                               "text starts with there, a host need not; pass a number");
        }
        const std::string text = value.isText() ? value.text : std::to_string(value.integer);
        if (row.colour && !isColourText(text)) {
            warnings.push_back("warning: " + which + ", " + echoText(text) +
                               ", is no colour text red|green|blue of numbers 0 to 255 (such as \"255|0|0\"); the "
                               "extender reads it as " + colourText(TextToColor(text.c_str())));
        }
    }
    return warnings;
}

bool givesImageList(std::string_view command)
{
    const Row* row = rowOf(command);
    return row != nullptr && (row->facts & kGivesImageList) != 0;
}

bool needsListViewLayout(std::string_view command)
{
    const Row* row = rowOf(command);
    return row != nullptr && (row->facts & kNeedsListViewLayout) != 0;
}

} // namespace zub::script
