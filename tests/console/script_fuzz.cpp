// Fuzzes the console's script reader with any line. The tokens must cover the line in
// order without overlap, each its own characters, with only blanks between them and a
// comment at most after them; every error and operand points into the line. Any text
// quoted for a script, and any 32-bit number written in decimal or hex, reads back.
#include "script.h"

#include "fuzz_support.h"

#include <cinttypes>
#include <cstdio>
#include <string>

namespace {

using fuzz::Require;
using namespace zub::script;

bool OnlyBlanks(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

bool Points(std::string_view line, int column) { return column >= 1 && static_cast<std::size_t>(column) <= line.size() + 1; }

bool SourceAt(std::string_view line, const std::string& source, int column)
{
    return Points(line, column) && !source.empty() && line.substr(static_cast<std::size_t>(column) - 1, source.size()) == source;
}

void CheckTokens(std::string_view line)
{
    const Tokenized tokenized = tokenizeLine(line);
    if (tokenized.error) {
        Require(tokenized.tokens.empty(), "an error gives no tokens");
        Require(Points(line, tokenized.error->column), "a reading error points into the line");
        return;
    }
    const std::vector<Token>& tokens = tokenized.tokens;
    Require(!tokens.empty() && tokens.back().kind == Token::Kind::End, "the End token comes last");
    Require(tokens.back().column == static_cast<int>(line.size()) + 1, "the End token stands after the line");
    std::size_t covered = 0; // characters before the end of the previous token
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        const Token& t = tokens[i];
        Require(t.kind != Token::Kind::End, "only one End token");
        Require(SourceAt(line, t.source, t.column), "a token is the characters at its column");
        const std::size_t start = static_cast<std::size_t>(t.column) - 1;
        Require(start >= covered, "tokens in order, without overlap");
        Require(OnlyBlanks(line.substr(covered, start - covered)), "only blanks between tokens");
        covered = start + t.source.size();
        switch (t.kind) {
        case Token::Kind::Variable: Require(t.source == "$" + t.text, "a variable is $ and its name"); break;
        case Token::Kind::Constant:
        case Token::Kind::Word: Require(t.source == t.text, "a name is its characters"); break;
        case Token::Kind::Text:
            Require(t.source.size() >= 2 && t.source.front() == '"' && t.source.back() == '"', "a text is quoted");
            Require(t.text.find('\0') == std::string::npos, "a text holds no zero character");
            break;
        default: break;
        }
    }
    const std::string_view rest = line.substr(covered);
    const std::size_t comment = std::min(rest.size(), rest.find('#'));
    Require(OnlyBlanks(rest.substr(0, comment)), "after the tokens only blanks and a comment");
}

void CheckOperands(std::string_view line, const std::vector<Operand>& operands)
{
    for (const Operand& o : operands) Require(SourceAt(line, o.source, o.column), "an operand is the characters at its column");
}

void CheckParse(std::string_view line)
{
    const Parsed parsed = parseLine(line);
    Require(parsed.statement.has_value() != parsed.error.has_value(), "a statement or an error");
    if (parsed.error) {
        Require(parsed.error->column == 0 || Points(line, parsed.error->column), "an error points into the line");
        return;
    }
    const Statement& s = *parsed.statement;
    CheckOperands(line, s.operands);
    CheckOperands(line, s.call.args);
    if (s.then) CheckOperands(line, s.then->args);
}

// parseLine("print VALUE") and the one operand it gives.
Operand PrintedOperand(const std::string& value)
{
    const Parsed parsed = parseLine("print " + value);
    Require(parsed.ok() && parsed.statement->kind == Statement::Kind::Print && parsed.statement->operands.size() == 1,
            "print takes one written value");
    return parsed.statement->operands[0];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    CheckTokens(line);
    CheckParse(line);

    std::string text(line);
    std::erase(text, '\0');
    const Operand quoted = PrintedOperand(quote(text));
    Require(quoted.kind == Operand::Kind::Text && quoted.text == text, "a quoted text reads back");

    uint32_t bits = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 4); ++i) bits = bits << 8 | data[i];
    const int32_t number = static_cast<int32_t>(bits);
    char written[2][16];
    std::snprintf(written[0], sizeof written[0], "%" PRId32, number);
    std::snprintf(written[1], sizeof written[1], "0x%" PRIX32, bits);
    for (const char* w : written) {
        const Operand o = PrintedOperand(w);
        Require(o.kind == Operand::Kind::Integer && o.integer == number, "a 32-bit number reads back");
    }
    return 0;
}
