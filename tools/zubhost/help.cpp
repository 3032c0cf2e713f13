// Help: the statements, and the reference's entries built into the console.
#include "console.h"

#include "reference.h"
#include "text.h"

namespace zub::console {

using reference::Reference;

std::vector<std::string> tableNames(const std::vector<EntryInfo>& table, LONG kind)
{
    std::vector<std::string> names;
    for (const EntryInfo& e : table) {
        if (e.kind != kind) continue;
        const Reference::Entry* entry = Reference::builtIn().find(e.name);
        names.push_back(entry != nullptr ? entry->name : e.name);
    }
    return names;
}

script::Signature signatureOf(const EntryInfo& e)
{
    script::Signature signature;
    signature.name = e.name;
    signature.required = e.required;
    signature.optional = e.optional;
    signature.argTypes = e.argTypes;
    return signature;
}

namespace {

// Names as lines of at most 92 characters, indented.
void listNames(const std::vector<std::string>& names, const std::string& lead, std::ostream& out)
{
    std::string line = "  " + lead;
    for (const std::string& name : names) {
        if (line.size() + 1 + name.size() > 92 && line.size() > 2 + lead.size()) {
            out << line << '\n';
            line = "  " + std::string(lead.size(), ' ');
        }
        line += (line.size() > 2 + lead.size() ? " " : "") + name;
    }
    if (line.size() > 2 + lead.size()) out << line << '\n';
}

void listFamilies(const std::vector<EntryInfo>& table, std::ostream& out)
{
    const Reference& reference = Reference::builtIn();
    if (reference.empty()) {
        out << "No reference built in. The extender's commands:\n";
        listNames(tableNames(table, kCommandEntry), "", out);
        listNames(tableNames(table, kConstantEntry), "constants: ", out);
        return;
    }
    out << "Commands by family (help NAME shows a command or constant, help FAMILY a family's general rules):\n";
    for (const Reference::Family& family : reference.families()) {
        std::vector<std::string> commands, constants;
        for (const Reference::Entry& entry : family.entries) {
            (entry.name[0] == '@' ? constants : commands).push_back(entry.name);
        }
        out << family.title << " (" << family.page << ")\n";
        listNames(commands, "", out);
        listNames(constants, "constants: ", out);
    }
    std::vector<std::string> missing;
    for (const EntryInfo& e : table) {
        if (reference.find(e.name) == nullptr) missing.push_back(e.name);
    }
    if (!missing.empty()) {
        out << "Not in the reference\n";
        listNames(missing, "", out);
    }
}

} // namespace

std::string printHelp(const std::vector<EntryInfo>& table, std::string_view name, std::ostream& out)
{
    const Reference& reference = Reference::builtIn();
    if (name.empty()) {
        out << "Statements, one a line (# starts a comment; names of commands, constants and keywords are\n"
               "case-insensitive):\n"
            << script::statementSummary()
            << "Values: 12, 0x0C, -1, \"text\" (escapes \\\\ \\\" \\n \\r \\t \\xHH), $variable, @CONSTANT;\n"
               "$dialog, $temp and $_ are the console's own. help STATEMENT (help type) shows a statement.\n\n";
        listFamilies(table, out);
        out << std::flush;
        return {};
    }
    if (const Reference::Entry* entry = reference.find(name)) {
        out << reference::plainText(entry->text) << '\n' << std::flush;
        return {};
    }
    if (const Reference::Entry* statement = reference.statement(name)) {
        out << reference::plainText(statement->text) << '\n' << std::flush;
        return {};
    }
    if (const Reference::Family* family = reference.family(name)) {
        out << "# " << family->title << "\n\n" << reference::plainText(family->intro) << "\n\n";
        std::vector<std::string> names;
        for (const Reference::Entry& entry : family->entries) names.push_back(entry.name);
        listNames(names, "entries: ", out);
        out << std::flush;
        return {};
    }
    for (const EntryInfo& e : table) {
        if (lower(e.name) != lower(name) && lower(e.name) != "@" + lower(name)) continue;
        if (e.kind == kCommandEntry) out << e.name << "(" << script::describeArguments(signatureOf(e)) << ")";
        else out << e.name << " = " << e.value;
        out << ": no reference built in\n" << std::flush;
        return {};
    }
    const bool constant = !name.empty() && name[0] == '@';
    std::vector<std::string> known = tableNames(table, constant ? kConstantEntry : kCommandEntry);
    if (table.empty()) {
        for (const Reference::Family& family : reference.families()) {
            for (const Reference::Entry& entry : family.entries) {
                if ((entry.name[0] == '@') == constant) known.push_back(entry.name);
            }
        }
    }
    return reference::unknownName(constant ? "constant" : "command", name, reference::nearestNames(name, known));
}

} // namespace zub::console
