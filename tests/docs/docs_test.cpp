// The command reference in docs/ checked against what it describes. The extender's
// table, read through modes -1 and -2 as the host reads it, must have exactly one entry
// on the family pages for each command and constant, with the table's arguments (count,
// optional ones, int or text) in both the syntax line and the argument table, and a
// constant's value as the table gives it. The index (docs/README.md) must link every
// entry to its page and anchor. Every example, run through zubhost.exe as a script of
// its own, must print exactly the output written under it, with the common controls 6
// and with the classic ones (--classic).
#include "files.h"
#include "host.h"
#include "platform.h"
#include "test_paths.h"
#include "text.h"
#include "transcript.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

namespace {

struct Example {
    std::optional<std::string> script; // nothing: an output block with no script above it
    std::optional<std::string> output; // nothing: a script with no output block under it
};

// One "## name" section of a family page, as far as the checks read it.
struct Entry {
    std::string page;
    std::string name;
    std::string anchor;                                         // of its heading, as GitHub makes it
    std::vector<std::string> syntax;                            // code blocks without a language
    std::vector<std::pair<std::string, std::string>> arguments; // argument table rows: name, type
    std::optional<std::string> value;                           // after **Value:**
    std::vector<Example> examples;
    std::string prose;                                          // running text: no code blocks, tables or See also
    std::optional<std::string> seeAlso;                         // the "See also:" paragraph
};

std::ostream& operator<<(std::ostream& out, const Entry& entry) { return out << entry.page << ", " << entry.name; }

std::string trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string withoutBackticks(const std::string& text)
{
    return text.size() >= 2 && text.front() == '`' && text.back() == '`' ? text.substr(1, text.size() - 2) : text;
}

std::string listed(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
    return "(" + text + ")";
}

// A heading's anchor as GitHub makes it: lower case, punctuation dropped, spaces as
// hyphens, and -1, -2 ... after a heading that came before.
std::string anchorOf(const std::string& heading, std::map<std::string, int>& seen)
{
    std::string anchor;
    for (char c : zub::lower(heading)) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') anchor += c;
        else if (c == ' ') anchor += '-';
    }
    const int earlier = seen[anchor]++;
    return earlier == 0 ? anchor : anchor + "-" + std::to_string(earlier);
}

std::vector<Entry> readPage(const std::string& page, const std::string& text)
{
    static const std::regex heading("(#{1,6}) +(.*)");
    std::vector<Entry> entries;
    std::map<std::string, int> anchors;
    bool inArguments = false;
    bool inSeeAlso = false;
    bool outputMayFollow = false; // only blank lines since a zub block
    std::istringstream in(text);
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("```", 0) == 0) {
            const std::string language = line.substr(3);
            std::string block;
            while (std::getline(in, line) && line != "```") block += line + "\n";
            if (!entries.empty()) {
                Entry& entry = entries.back();
                if (language.empty()) entry.syntax.push_back(block);
                else if (language == "zub") entry.examples.push_back({block, std::nullopt});
                else if (language == "output" && outputMayFollow) entry.examples.back().output = block;
                else if (language == "output") entry.examples.push_back({std::nullopt, block});
            }
            outputMayFollow = language == "zub";
            inArguments = false;
            continue;
        }
        if (!trim(line).empty()) outputMayFollow = false;
        inSeeAlso = inSeeAlso && !trim(line).empty();
        if (inSeeAlso || (line.rfind("See also:", 0) == 0 && !entries.empty())) {
            entries.back().seeAlso = entries.back().seeAlso.value_or("") + line + "\n";
            inSeeAlso = true;
        } else if (std::regex_match(line, match, heading)) {
            const std::string anchor = anchorOf(trim(match[2]), anchors);
            if (match[1].length() == 2) entries.push_back({page, trim(match[2]), anchor, {}, {}, {}, {}, {}, {}});
            inArguments = false;
        } else if (line == "| Argument | Type | Meaning |") {
            inArguments = !entries.empty();
        } else if (inArguments && line.rfind('|', 0) == 0) {
            std::istringstream cells(line.substr(1));
            std::string name, type;
            std::getline(cells, name, '|');
            std::getline(cells, type, '|');
            if (trim(name).rfind("---", 0) != 0) entries.back().arguments.emplace_back(withoutBackticks(trim(name)), trim(type));
        } else {
            inArguments = false;
            if (entries.empty()) continue;
            if (line.rfind("**Value:** ", 0) == 0) entries.back().value = trim(line.substr(11));
            entries.back().prose += line + "\n";
        }
    }
    return entries;
}

struct Reference {
    std::vector<Entry> entries; // of every family page, pages in name order
    std::vector<Entry> guides;  // of the pages that are no family: their examples run too
    std::string index;          // README.md
};

// The pages besides the families: the console's statements and the guides.
const std::set<std::string> kGuidePages = {"console.md", "getting-started.md", "tasks.md"};

const Reference& reference()
{
    static const Reference read = [] {
        std::vector<std::string> pages;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((ZUB_DOCS_DIR + "\\*.md").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do pages.push_back(found.cFileName);
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        std::sort(pages.begin(), pages.end());
        Reference reference;
        for (const std::string& page : pages) {
            std::string text = zub::readFile(ZUB_DOCS_DIR + "\\" + page).value_or("");
            std::erase(text, '\r'); // a checkout may end lines in CR LF
            if (page == "README.md") {
                reference.index = text;
                continue;
            }
            std::vector<Entry>& into = kGuidePages.count(page) ? reference.guides : reference.entries;
            for (Entry& entry : readPage(page, text)) into.push_back(std::move(entry));
        }
        return reference;
    }();
    return read;
}

// The table's entry that a page's entry names, if any.
const zub::EntryInfo* tableEntry(zub::Host& host, const Entry& entry)
{
    for (const zub::EntryInfo& info : host.table()) {
        if (info.name == zub::lower(entry.name)) return &info;
    }
    return nullptr;
}

// The arguments the table declares: "int" or "text", in brackets when optional.
std::vector<std::string> declared(const zub::EntryInfo& info)
{
    std::vector<std::string> types;
    for (int i = 0; i < info.required + info.optional; ++i) {
        const std::string type = info.takesText(i) ? "text" : "int";
        types.push_back(i < info.required ? type : "[" + type + "]");
    }
    return types;
}

bool optional(const std::string& argument) { return argument.rfind('[', 0) == 0; }

void checkCommand(const Entry& entry, const zub::EntryInfo& info)
{
    if (entry.syntax.size() != 1) {
        ADD_FAILURE() << entry << ": " << entry.syntax.size() << " syntax blocks, not one";
        return;
    }
    static const std::regex form(R"(([A-Za-z]+)\((.*)\) -> \S.*\n)");
    std::smatch match;
    if (!std::regex_match(entry.syntax[0], match, form) || match[1] != entry.name) {
        ADD_FAILURE() << entry << ": the syntax block is not one line " << entry.name << "(argument, ...) -> result: "
                      << entry.syntax[0];
        return;
    }
    std::vector<std::string> names;
    std::istringstream list(match[2]);
    for (std::string name; std::getline(list, name, ',');) names.push_back(trim(name));

    const std::vector<std::string> types = declared(info);
    const bool sameShape = names.size() == types.size() &&
                           std::equal(names.begin(), names.end(), types.begin(),
                                      [](const auto& name, const auto& type) { return optional(name) == optional(type); });
    if (!sameShape) ADD_FAILURE() << entry << ": the syntax line has " << listed(names) << ", the DLL declares " << listed(types);

    std::vector<std::string> rowNames, rowTypes;
    for (const auto& [name, type] : entry.arguments) {
        rowNames.push_back(name);
        rowTypes.push_back(optional(name) ? "[" + type + "]" : type);
    }
    if (rowTypes != types) {
        ADD_FAILURE() << entry << ": the argument table has " << listed(rowTypes) << ", the DLL declares " << listed(types);
    }
    if (rowNames != names) {
        ADD_FAILURE() << entry << ": the syntax line names " << listed(names) << ", the argument table " << listed(rowNames);
    }
}

TEST(Reference, EveryTableEntryHasExactlyOneEntryOnThePages)
{
    zub::Host host;
    std::map<std::string, std::vector<const Entry*>> byName;
    for (const Entry& entry : reference().entries) byName[zub::lower(entry.name)].push_back(&entry);
    for (const zub::EntryInfo& info : host.table()) {
        const std::vector<const Entry*>& entries = byName[info.name];
        std::string pages;
        for (const Entry* entry : entries) pages += (pages.empty() ? ": " : ", ") + entry->page;
        if (entries.size() != 1) ADD_FAILURE() << "the table's " << info.name << " has " << entries.size() << " entries" << pages;
    }
    for (const Entry& entry : reference().entries) {
        if (tableEntry(host, entry) == nullptr) ADD_FAILURE() << entry << ": names nothing in the table";
    }
}

TEST(Reference, EntriesDeclareTheTablesArgumentsAndValues)
{
    zub::Host host;
    for (const Entry& entry : reference().entries) {
        const zub::EntryInfo* info = tableEntry(host, entry);
        if (info == nullptr) continue; // reported above
        if (info->kind == zub::kCommandEntry) {
            checkCommand(entry, *info);
        } else if (entry.value != std::to_string(info->value)) {
            ADD_FAILURE() << entry << ": **Value:** " << entry.value.value_or("(no such line)") << ", the DLL gives "
                          << info->value;
        }
    }
}

// A link to a heading of a page: [name](page.md#anchor), the name maybe in backticks.
const std::regex kLink(R"(\[`?([^\]`]+)`?\]\(([\w-]+\.md#[^)\s]*)\))");

TEST(Reference, IndexLinksEveryEntryToItsPageAndAnchor)
{
    std::map<std::string, const Entry*> byTarget;
    for (const Entry& entry : reference().entries) byTarget[entry.page + "#" + entry.anchor] = &entry;

    const std::string& index = reference().index;
    ASSERT_FALSE(index.empty()) << "README.md is missing";
    std::set<std::string> linked;
    for (auto it = std::sregex_iterator(index.begin(), index.end(), kLink); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[1], target = (*it)[2];
        const auto found = byTarget.find(target);
        if (found == byTarget.end()) ADD_FAILURE() << "README.md: the link " << it->str() << " leads to no entry";
        else if (found->second->name != name) ADD_FAILURE() << "README.md: the link " << it->str() << " leads to " << *found->second;
        else linked.insert(name);
    }
    for (const Entry& entry : reference().entries) {
        if (!linked.count(entry.name)) {
            ADD_FAILURE() << "README.md: no link [" << entry.name << "](" << entry.page << "#" << entry.anchor << ")";
        }
    }
}

// Every command's entry, and every constant's that names a command, ends in a "See also:"
// line; its links, on any page, lead to another entry or heading and carry its name.
TEST(Reference, SeeAlsoLinksLeadToOtherEntries)
{
    zub::Host host;
    std::map<std::string, const Entry*> byTarget;
    const std::vector<Entry> indexHeadings = readPage("README.md", reference().index);
    for (const auto* entries : {&reference().entries, &reference().guides, &indexHeadings}) {
        for (const Entry& entry : *entries) byTarget[entry.page + "#" + entry.anchor] = &entry;
    }
    for (const auto& [target, entry] : byTarget) {
        if (!entry->seeAlso) continue;
        const std::string& line = *entry->seeAlso;
        size_t count = 0;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), kLink); it != std::sregex_iterator(); ++it, ++count) {
            const auto found = byTarget.find((*it)[2]);
            if (found == byTarget.end()) ADD_FAILURE() << *entry << ": See also " << it->str() << " leads to no entry";
            else if (found->second == entry) ADD_FAILURE() << *entry << ": See also " << it->str() << " leads to itself";
            else if (found->second->name != (*it)[1]) ADD_FAILURE() << *entry << ": See also " << it->str() << " leads to " << *found->second;
        }
        size_t opened = 0;
        for (size_t at = 0; (at = line.find("](", at)) != std::string::npos; ++at) ++opened;
        if (count == 0 || count != opened) ADD_FAILURE() << *entry << ": See also wants links [name](page.md#anchor): " << line;
    }
    for (const Entry& entry : reference().entries) {
        const zub::EntryInfo* info = tableEntry(host, entry);
        if (info == nullptr || entry.seeAlso) continue;
        const bool namesCommand = std::any_of(host.table().begin(), host.table().end(), [&](const zub::EntryInfo& other) {
            return other.kind == zub::kCommandEntry && zub::lower(entry.prose).find("`" + other.name + "`") != std::string::npos;
        });
        if (info->kind == zub::kCommandEntry || namesCommand) ADD_FAILURE() << entry << ": no See also line";
    }
}

struct ScriptRun {
    DWORD exitCode = 0;
    std::string output; // made portable
};

// Runs the script through zubhost.exe (with OPTIONS before it) in a process of its own.
// The examples run one at a time: a console whose dialog another one's activates loses
// its keyboard focus and caret, which the typing examples need.
ScriptRun runScript(const std::string& options, const std::string& script, const zub::TempFolder& folder)
{
    const std::string outputFile = folder.file("example.out");
    const std::string command = "\"" + ZUB_HOST_EXE + "\" " + options + "\"" + folder.write("example.zub", script) + "\"";
    ScriptRun run;
    run.exitCode = zub::runWithOutputIn(command, outputFile, "", 30000).value_or(WAIT_TIMEOUT);
    run.output = zub::portableOutput(zub::readFile(outputFile).value_or(""), folder.path());
    return run;
}

// Where the printed output first differs from the written one.
std::string firstDifference(const std::string& written, const std::string& printed)
{
    std::istringstream a(written), b(printed);
    for (int number = 1;; ++number) {
        std::string x, y;
        const bool moreWritten = static_cast<bool>(std::getline(a, x));
        const bool morePrinted = static_cast<bool>(std::getline(b, y));
        if (!moreWritten && !morePrinted) return "the end of the last line";
        if (moreWritten != morePrinted || x != y) {
            return "line " + std::to_string(number) + "\n  written: " + (moreWritten ? x : "(the output ends)") +
                   "\n  printed: " + (morePrinted ? y : "(the output ends)");
        }
    }
}

TEST(Reference, EveryCommandHasOneExampleWithItsOutput)
{
    zub::Host host;
    for (const Entry& entry : reference().entries) {
        const zub::EntryInfo* info = tableEntry(host, entry);
        const bool complete = std::all_of(entry.examples.begin(), entry.examples.end(),
                                          [](const Example& e) { return e.script && e.output; });
        if (info != nullptr && info->kind == zub::kCommandEntry && (entry.examples.size() != 1 || !complete)) {
            ADD_FAILURE() << entry << ": wants one ```zub example with its ```output block under it";
        }
    }
}

// One example of the pages with its output written under it; a test of its own, named by
// page and entry, so that a run lists each one that prints otherwise.
struct PageExample {
    const Entry* entry;
    const Example* example;
    std::string name;
};

std::vector<PageExample> pageExamples()
{
    std::vector<PageExample> examples;
    std::map<std::string, int> named;
    std::vector<const Entry*> withExamples;
    for (const Entry& entry : reference().entries) withExamples.push_back(&entry);
    for (const Entry& entry : reference().guides) withExamples.push_back(&entry);
    for (const Entry* pEntry : withExamples) {
        const Entry& entry = *pEntry;
        for (const Example& example : entry.examples) {
            if (!example.script || !example.output) continue;
            std::string name = entry.page.substr(0, entry.page.find('.')) + "_" + entry.name;
            for (char& c : name) {
                if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
            }
            const int earlier = named[name]++;
            examples.push_back({&entry, &example, earlier == 0 ? name : name + "_" + std::to_string(earlier + 1)});
        }
    }
    return examples;
}

// The examples' temp folder is the run's own: it goes with the files they write.
class Examples : public testing::TestWithParam<PageExample> {
protected:
    static void SetUpTestSuite()
    {
        s_folder = new zub::TempFolder("docs");
        for (const char* name : {"TMP", "TEMP"}) {
            char value[MAX_PATH + 1] = {};
            GetEnvironmentVariableA(name, value, sizeof value);
            s_saved[name] = value;
            SetEnvironmentVariableA(name, s_folder->path().c_str());
        }
    }
    static void TearDownTestSuite()
    {
        for (const auto& [name, value] : s_saved) SetEnvironmentVariableA(name.c_str(), value.c_str());
        delete s_folder;
        s_folder = nullptr;
    }

    // Runs the example with the console's OPTIONS; on a difference, says where and shows
    // both outputs whole.
    static void check(const std::string& options)
    {
        const PageExample& example = GetParam();
        const ScriptRun run = runScript(options, *example.example->script, *s_folder);
        // An example whose script names Wine prints what Wine's controls do; on Windows
        // its difference is reported, not failed.
        const bool wineOnly = example.example->script->find("Wine") != std::string::npos;
        if (run.output != *example.example->output &&
            (!wineOnly || zub::SeenOnlyUnderWine((example.entry->name + ": the example's output, taken under Wine").c_str()))) {
            ADD_FAILURE() << *example.entry << ": the example (exit code " << run.exitCode << ") prints otherwise at "
                          << firstDifference(*example.example->output, run.output) << "\nwritten on the page:\n"
                          << *example.example->output << "printed:\n"
                          << run.output;
        }
    }

    static inline zub::TempFolder* s_folder = nullptr;
    static inline std::map<std::string, std::string> s_saved;
};

TEST_P(Examples, PrintWhatThePageSaysUnder)
{
    check("");
}
TEST_P(Examples, PrintWhatThePageSaysUnderClassicControls)
{
    check("--classic ");
}

INSTANTIATE_TEST_SUITE_P(Reference, Examples, testing::ValuesIn(pageExamples()),
                         [](const testing::TestParamInfo<PageExample>& info) { return info.param.name; });

} // namespace
