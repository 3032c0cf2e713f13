// The command reference (docs/*.md) as the console's help shows it: the pages are built
// into the console; each "## name" heading starts the entry of a command or constant.
// No windows here, so it builds and is tested natively as well.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zub::reference {

// A page as it is written: its file name without ".md", and its Markdown.
struct Page {
    std::string_view name;
    std::string_view text;
};

// The pages built into the console (a source generated from docs/*.md at build time).
std::vector<Page> builtInPages();

class Reference {
public:
    struct Entry {
        std::string name;      // as the heading writes it: lvDeleteItem, @LEFT
        std::string_view text; // the heading and everything up to the next entry
    };
    struct Family {
        std::string page;      // the page's file name without ".md"
        std::string title;     // the page's "# " heading
        std::string intro;     // the text before the first entry, without the page's picture
        std::vector<Entry> entries;
    };

    // Every page is a family's but the console's statements (console) and the guides
    // (getting-started, tasks), which no entry of the table is looked up in.
    explicit Reference(const std::vector<Page>& pages);

    // The reference the console was built with.
    static const Reference& builtIn();

    bool empty() const { return m_families.empty(); }
    const std::vector<Family>& families() const { return m_families; }

    // The entry of a command or constant, by name in any case (a constant with or
    // without its "@"); null when there is none.
    const Entry* find(std::string_view name) const;
    // A family by its page's file name or title, in any case; null when there is none.
    const Family* family(std::string_view name) const;
    // The entry of a console statement (type, for), in any case; null when there is none.
    const Entry* statement(std::string_view name) const;

private:
    std::vector<Family> m_families;
    std::vector<Entry> m_statements;
};

// The names that lie nearest the given one (edit distance, ignoring case, a swap of two
// neighbouring letters counting as one edit), when they are near enough to be a slip:
// at most 3 of them, in the order known lists them.
std::vector<std::string> nearestNames(std::string_view name, const std::vector<std::string>& known);

// "unknown command X; did you mean A or B?", or "unknown command X (not in the table)"
// when no name is near. The kind is "command" or "constant".
std::string unknownName(const char* kind, std::string_view name, const std::vector<std::string>& nearest);

// The typographic characters of the pages (minus sign, multiplication sign, ellipsis)
// as ASCII, so that help reads right on any console code page.
std::string plainText(std::string_view markdown);

} // namespace zub::reference
