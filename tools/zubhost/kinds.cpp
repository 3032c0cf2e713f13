#include "kinds.h"

#include "text.h"

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
