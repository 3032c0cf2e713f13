#include "reference.h"

#include "text.h"

#include <algorithm>

namespace zub::reference {

namespace {

// The lines of a page with where each starts; a line inside a ``` fence is never a
// heading (example scripts have "#" comments).
struct Line {
    std::string_view text;
    size_t start = 0;
    bool fenced = false;
};

std::vector<Line> linesOf(std::string_view text)
{
    std::vector<Line> lines;
    bool fenced = false;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const bool fence = line.substr(0, 3) == "```";
        lines.push_back({line, start, fenced || fence});
        if (fence) fenced = !fenced;
        start = end + 1;
    }
    return lines;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n')) s.remove_prefix(1);
    return s;
}

Reference::Family familyOf(const Page& page)
{
    Reference::Family family;
    family.page = std::string(page.name);
    family.title = std::string(page.name);
    const std::vector<Line> lines = linesOf(page.text);
    size_t introStart = 0;
    size_t introEnd = page.text.size();
    Reference::Entry* open = nullptr;
    size_t openStart = 0;
    for (const Line& line : lines) {
        if (line.fenced) continue;
        if (line.text.substr(0, 2) == "# " && family.entries.empty() && introStart == 0) {
            family.title = std::string(trimmed(line.text.substr(2)));
            introStart = line.start + line.text.size();
        } else if (line.text.substr(0, 3) == "## ") {
            if (open != nullptr) open->text = trimmed(page.text.substr(openStart, line.start - openStart));
            else introEnd = line.start;
            family.entries.push_back({std::string(trimmed(line.text.substr(3))), {}});
            open = &family.entries.back();
            openStart = line.start;
        }
    }
    if (open != nullptr) open->text = trimmed(page.text.substr(openStart));
    // The intro as a console shows it: without the page's picture.
    const std::string_view intro = page.text.substr(std::min(introStart, introEnd), introEnd - std::min(introStart, introEnd));
    std::string shown;
    for (const Line& line : linesOf(intro)) {
        if (line.text.substr(0, 2) != "![") shown.append(line.text).append("\n");
    }
    family.intro = std::string(trimmed(shown));
    return family;
}

// Edit distance with swaps of neighbours (optimal string alignment), case ignored.
size_t distance(std::string_view a, std::string_view b)
{
    const std::string x = lower(a), y = lower(b);
    std::vector<std::vector<size_t>> d(x.size() + 1, std::vector<size_t>(y.size() + 1));
    for (size_t i = 0; i <= x.size(); ++i) d[i][0] = i;
    for (size_t j = 0; j <= y.size(); ++j) d[0][j] = j;
    for (size_t i = 1; i <= x.size(); ++i) {
        for (size_t j = 1; j <= y.size(); ++j) {
            const size_t cost = x[i - 1] == y[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[x.size()][y.size()];
}

std::string withoutAt(std::string_view name) { return lower(!name.empty() && name[0] == '@' ? name.substr(1) : name); }

} // namespace

Reference::Reference(const std::vector<Page>& pages)
{
    for (const Page& page : pages) {
        if (page.name == "console") m_statements = familyOf(page).entries;
        else if (page.name != "getting-started" && page.name != "tasks") m_families.push_back(familyOf(page));
    }
}

const Reference::Entry* Reference::statement(std::string_view name) const
{
    for (const Entry& entry : m_statements) {
        if (lower(entry.name) == lower(name)) return &entry;
    }
    return nullptr;
}

const Reference& Reference::builtIn()
{
    static const Reference reference(builtInPages());
    return reference;
}

const Reference::Entry* Reference::find(std::string_view name) const
{
    for (const Family& family : m_families) {
        for (const Entry& entry : family.entries) {
            if (lower(entry.name) == lower(name)) return &entry;
        }
    }
    // A constant asked for without its "@" (help LEFT), or with it for a name without.
    for (const Family& family : m_families) {
        for (const Entry& entry : family.entries) {
            if (withoutAt(entry.name) == withoutAt(name)) return &entry;
        }
    }
    return nullptr;
}

const Reference::Family* Reference::family(std::string_view name) const
{
    for (const Family& family : m_families) {
        if (lower(family.page) == lower(name) || lower(family.title) == lower(name)) return &family;
    }
    return nullptr;
}

std::vector<std::string> nearestNames(std::string_view name, const std::vector<std::string>& known)
{
    // A slip: a quarter of the name's letters, at least two, at most four.
    const size_t allowed = std::clamp<size_t>(name.size() / 4, 2, 4);
    size_t best = allowed + 1;
    std::vector<std::string> nearest;
    for (const std::string& candidate : known) {
        const size_t d = distance(name, candidate);
        if (d > allowed || d > best) continue;
        if (d < best) nearest.clear();
        best = d;
        if (nearest.size() < 3) nearest.push_back(candidate);
    }
    return nearest;
}

std::string unknownName(const char* kind, std::string_view name, const std::vector<std::string>& nearest)
{
    std::string out = std::string("unknown ") + kind + " " + std::string(name);
    if (nearest.empty()) return out + " (not in the table)";
    out += "; did you mean ";
    for (size_t i = 0; i < nearest.size(); ++i) {
        if (i > 0) out += i + 1 == nearest.size() ? " or " : ", ";
        out += nearest[i];
    }
    return out + "?";
}

namespace {

// The typographic characters as ASCII.
std::string asciiText(std::string_view text)
{
    static const struct {
        std::string_view from;
        std::string_view to;
    } kPlain[] = {{"\xE2\x88\x92", "-"}, {"\xC3\x97", "x"}, {"\xE2\x80\xA6", "..."}};
    std::string out(text);
    for (const auto& p : kPlain) {
        for (size_t at = 0; (at = out.find(p.from, at)) != std::string::npos; at += p.to.size()) {
            out.replace(at, p.from.size(), p.to);
        }
    }
    return out;
}

// A line of running text without its markup: no backticks or bold stars, a link as its
// text.
std::string plainLine(std::string_view line)
{
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '`' || (c == '*' && i + 1 < line.size() && line[i + 1] == '*')) {
            if (c == '*') ++i;
            continue;
        }
        if (c == ']' && i + 1 < line.size() && line[i + 1] == '(') {
            const size_t close = line.find(')', i);
            if (close != std::string_view::npos) {
                i = close;
                continue;
            }
        }
        if (c == '[') {
            const size_t close = line.find(']', i);
            if (close != std::string_view::npos && line.substr(close, 2) == "](") continue;
        }
        out += c;
    }
    return out;
}

// The cells of a table row; a | inside backticks belongs to its cell.
std::vector<std::string> cellsOf(std::string_view row)
{
    std::vector<std::string> cells;
    std::string cell;
    bool code = false;
    for (size_t i = 1; i < row.size(); ++i) {
        if (row[i] == '`') code = !code;
        if (row[i] == '|' && !code) {
            cells.push_back(plainLine(trimmed(cell)));
            cell.clear();
        } else {
            cell += row[i];
        }
    }
    return cells;
}

// A table as aligned columns, without its pipes and its rule under the heading row.
void plainTable(const std::vector<std::string_view>& rows, std::string& out)
{
    std::vector<std::vector<std::string>> table;
    std::vector<size_t> widths;
    for (std::string_view row : rows) {
        if (row.find_first_not_of("|-: ") == std::string_view::npos) continue;
        table.push_back(cellsOf(row));
        widths.resize(std::max(widths.size(), table.back().size()));
        for (size_t i = 0; i < table.back().size(); ++i) widths[i] = std::max(widths[i], table.back()[i].size());
    }
    for (const auto& cells : table) {
        std::string line;
        for (size_t i = 0; i < cells.size(); ++i) {
            line += cells[i];
            if (i + 1 < cells.size()) line += std::string(widths[i] - cells[i].size() + 2, ' ');
        }
        out += "  " + line + "\n";
    }
}

} // namespace

std::string plainText(std::string_view markdown)
{
    const std::string text = asciiText(markdown);
    std::string out;
    std::vector<std::string_view> table;
    bool fenced = false;
    for (const Line& line : linesOf(text)) {
        const std::string_view t = line.text;
        if (!line.fenced && !t.empty() && t[0] == '|') {
            table.push_back(t);
            continue;
        }
        if (!table.empty()) {
            plainTable(table, out);
            table.clear();
        }
        if (t.substr(0, 3) == "```") {
            fenced = !fenced;
            continue;
        }
        if (fenced) {
            out += "    " + std::string(t) + "\n";
        } else if (t.substr(0, 3) == "## ") {
            const std::string heading = plainLine(t.substr(3));
            out += heading + "\n" + std::string(heading.size(), '-') + "\n";
        } else {
            out += plainLine(t) + "\n";
        }
    }
    if (!table.empty()) plainTable(table, out);
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

} // namespace zub::reference
