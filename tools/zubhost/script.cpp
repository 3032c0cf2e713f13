#include "script.h"

#include "keys.h"

#include "text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace zub::script {

namespace {

struct Failure {
    ParseError error;
};

[[noreturn]] void fail(int column, std::string message)
{
    throw Failure{ParseError{std::move(message), column}};
}

bool isNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The escapes of a text besides \xHH: the letter after the backslash, and the
// character it stands for.
struct Escape {
    char letter;
    char character;
};
const Escape kEscapes[] = {{'\\', '\\'}, {'"', '"'}, {'n', '\n'}, {'r', '\r'}, {'t', '\t'}};

const Escape* escapeFor(char c, char Escape::*field)
{
    for (const Escape& e : kEscapes) {
        if (e.*field == c) return &e;
    }
    return nullptr;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A number: decimal or 0x hex, with an optional leading minus. It must fit 32 bits:
// -2147483648 to 4294967295; values above 2147483647 keep their bits (0xFFFFFFFF is -1).
int32_t parseNumber(std::string_view s, int column)
{
    const bool negative = !s.empty() && s[0] == '-';
    std::string_view digits = negative ? s.substr(1) : s;
    int radix = 10;
    if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        radix = 16;
        digits.remove_prefix(2);
    }
    if (digits.empty()) fail(column, "malformed number " + std::string(s));
    uint64_t value = 0;
    for (char c : digits) {
        const int d = radix == 16 ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) fail(column, "malformed number " + std::string(s));
        value = value * radix + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFull) fail(column, "number " + std::string(s) + " does not fit 32 bits");
    }
    if (negative) {
        if (value > 0x80000000ull) fail(column, "number " + std::string(s) + " does not fit 32 bits");
        return static_cast<int32_t>(static_cast<uint32_t>(0u - static_cast<uint32_t>(value)));
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

// A text literal: the characters from the opening quote at pos to the closing one,
// escapes read. pos moves past the closing quote.
std::string textLiteral(std::string_view line, size_t& pos)
{
    const int column = static_cast<int>(pos) + 1;
    std::string text;
    size_t i = pos + 1;
    for (;;) {
        if (i >= line.size()) fail(column, "unterminated text");
        const char t = line[i];
        if (t == '"') break;
        // The host hands texts over zero-terminated: a zero byte would cut the text short.
        if (t == '\0') fail(static_cast<int>(i) + 1, "a text cannot hold a zero character");
        if (t != '\\') {
            text += t;
            ++i;
            continue;
        }
        const int escapeColumn = static_cast<int>(i) + 1;
        if (i + 1 >= line.size()) fail(escapeColumn, "a text cannot end with a lone \\");
        const char e = line[i + 1];
        i += 2;
        if (e == 'x') {
            const int hi = i < line.size() ? hexDigit(line[i]) : -1;
            const int lo = i + 1 < line.size() ? hexDigit(line[i + 1]) : -1;
            if (hi < 0 || lo < 0) fail(escapeColumn, "\\x needs two hex digits");
            if (hi == 0 && lo == 0) fail(escapeColumn, "a text cannot hold a zero character");
            text += static_cast<char>(hi * 16 + lo);
            i += 2;
            continue;
        }
        const Escape* escape = escapeFor(e, &Escape::letter);
        if (escape == nullptr) fail(escapeColumn, std::string("unknown escape \\") + e);
        text += escape->character;
    }
    pos = i + 1;
    return text;
}

std::vector<Token> tokenize(std::string_view line)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        const int column = static_cast<int>(i) + 1;
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (c == '#') break; // a comment runs to the end of the line
        Token token;
        token.column = column;
        const size_t start = i;
        if (c == '"') {
            token.kind = Token::Kind::Text;
            token.text = textLiteral(line, i);
        } else if (c == '$' || c == '@') {
            token.kind = c == '$' ? Token::Kind::Variable : Token::Kind::Constant;
            ++i;
            const size_t nameStart = i;
            if (c == '$' ? (i < line.size() && isNameStart(line[i])) : (i < line.size() && isNameChar(line[i]))) {
                while (i < line.size() && isNameChar(line[i])) ++i;
            }
            if (i == nameStart) {
                fail(column, c == '$' ? "a variable name must follow $" : "a constant name must follow @");
            }
            token.text = std::string(line.substr(c == '$' ? nameStart : start, i - (c == '$' ? nameStart : start)));
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '-' && i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1])))) {
            token.kind = Token::Kind::Integer;
            ++i;
            while (i < line.size() && isNameChar(line[i])) ++i;
            token.integer = parseNumber(line.substr(start, i - start), column);
        } else if (isNameStart(c)) {
            token.kind = Token::Kind::Word;
            while (i < line.size() && isNameChar(line[i])) ++i;
            token.text = std::string(line.substr(start, i - start));
        } else if (c == '(' || c == ')' || c == ',' || c == '=') {
            token.kind = c == '(' ? Token::Kind::LParen
                       : c == ')' ? Token::Kind::RParen
                       : c == ',' ? Token::Kind::Comma
                                  : Token::Kind::Equals;
            ++i;
        } else {
            char shown[32];
            if (std::isprint(static_cast<unsigned char>(c))) {
                std::snprintf(shown, sizeof shown, "unexpected character '%c'", c);
            } else {
                std::snprintf(shown, sizeof shown, "unexpected character \\x%02X", static_cast<unsigned char>(c));
            }
            fail(column, shown);
        }
        token.source = std::string(line.substr(start, i - start));
        tokens.push_back(std::move(token));
    }
    Token end;
    end.column = static_cast<int>(line.size()) + 1;
    tokens.push_back(end);
    return tokens;
}

bool isValue(const Token& t)
{
    return t.kind == Token::Kind::Integer || t.kind == Token::Kind::Text || t.kind == Token::Kind::Variable ||
           t.kind == Token::Kind::Constant;
}

Operand toOperand(const Token& t)
{
    Operand o;
    o.column = t.column;
    o.source = t.source;
    o.integer = t.integer;
    o.text = t.text;
    switch (t.kind) {
    case Token::Kind::Integer: o.kind = Operand::Kind::Integer; break;
    case Token::Kind::Text: o.kind = Operand::Kind::Text; break;
    case Token::Kind::Variable: o.kind = Operand::Kind::Variable; break;
    case Token::Kind::Constant: o.kind = Operand::Kind::Constant; break;
    default: o.kind = Operand::Kind::Word; break;
    }
    return o;
}

std::string describe(const Token& t);

// What an operand in an unexpected place is called: "unexpected word garbage".
std::string unexpected(const Token& t)
{
    return "unexpected " + (t.kind == Token::Kind::Word ? "word " + t.text : describe(t));
}

std::string describe(const Token& t)
{
    switch (t.kind) {
    case Token::Kind::End: return "the end of the line";
    case Token::Kind::LParen: return "'('";
    case Token::Kind::RParen: return "')'";
    case Token::Kind::Comma: return "','";
    case Token::Kind::Equals: return "'='";
    case Token::Kind::Word: return "the word " + t.text;
    default: return t.source;
    }
}

// The statements that begin with a keyword. Each takes from least to most operands;
// the usage names the statement in the messages about them. "control" reads a class
// before its operands, "key" a key name after the window (its usage is the message when
// the window is missing), and "help" a name. The synopsis and purpose are what help
// shows; a keyword without a synopsis is another word for the one before it.
struct Keyword {
    const char* word;
    Statement::Kind kind;
    size_t least;
    size_t most;
    const char* usage;
    bool then; // may end in "then CALL"
    const char* synopsis;
    const char* purpose;
};

constexpr size_t kAnyNumber = 1 << 20;

const Keyword kKeywords[] = {
    {"control", Statement::Kind::Control, 4, 6,
     "control (a class, x, y, width, height, then an optional style and text)", false,
     "[$v =] control CLASS x y w h [style [text]]", "creates a child window of the dialog"},
    {"add", Statement::Kind::Add, 2, kAnyNumber, "add (a list box or combo box, then one text or more)", false,
     "add TARGET text ...", "adds entries to a list box or combo box"},
    {"type", Statement::Kind::Type, 2, 2, "type (a window, then a text)", true, "type TARGET text [then CALL]",
     "types the text into the window (or the field in it that has the focus), one character at a time"},
    {"key", Statement::Kind::Key, 1, 2, "key needs a window", true, "key TARGET NAME [count] [then CALL]",
     "presses a key: backspace delete enter tab escape left right up down home end"},
    {"select", Statement::Kind::Select, 3, 3, "select (a window, a start and an end)", false,
     "select TARGET start end", "selects characters, as a user drags the mouse"},
    {"hover", Statement::Kind::Hover, 1, 1, "hover (a window)", false, "hover TARGET",
     "puts the mouse pointer on the window"},
    {"click", Statement::Kind::Click, 2, 3, "click (a window, then x and y, or a position)", false,
     "click TARGET x y | click TARGET position",
     "clicks the window at x, y, or its item, tab or entry at a position from 1"},
    {"text", Statement::Kind::Text, 1, 1, "text (a window)", false, "[$v =] text TARGET",
     "prints the window's text as a user sees it (rich edit included)"},
    {"send", Statement::Kind::Send, 2, 4, "send (a window, a message, then an optional wParam and lParam)", false,
     "send TARGET message [wParam [lParam]]", "sends a raw message"},
    {"print", Statement::Kind::Print, 0, kAnyNumber, "print", false, "print value ...", "prints the values"},
    {"wait", Statement::Kind::Wait, 1, 1, "wait (milliseconds)", false, "wait milliseconds",
     "lets the dialog run for a while"},
    {"dialog", Statement::Kind::Dialog, 2, 3, "dialog (a width, a height and an optional title)", false,
     "dialog width height [title]", "sets the dialog's client size and title"},
    {"help", Statement::Kind::Help, 0, 1, "help (an optional command or constant name)", false, "help [NAME]",
     "lists the commands, or shows the reference of one command or constant"},
    {"for", Statement::Kind::For, 0, 0, "for $v = first to last [step n]", false, "for $v = first to last [step n]",
     "runs the lines up to the matching end once for every value"},
    {"end", Statement::Kind::End, 0, 0, "end", false, "end", "closes a for"},
    {"force", Statement::Kind::Call, 0, 0, "force CALL", false, "force CALL",
     "sends a call even to a window of another kind than the command drives"},
    {"quit", Statement::Kind::Quit, 0, 0, "quit", false, "quit", "ends the run (exit does too)"},
    {"exit", Statement::Kind::Quit, 0, 0, "exit", false, nullptr, nullptr},
};

const Keyword* findKeyword(std::string_view word)
{
    const std::string w = lower(word);
    for (const Keyword& k : kKeywords) {
        if (w == k.word) return &k;
    }
    return nullptr;
}

class Parser {
public:
    Parser(std::vector<Token> tokens, std::string_view line) : m_tokens(std::move(tokens)), m_line(line) {}

    Statement statement()
    {
        const Token& first = peek();
        if (first.kind == Token::Kind::End) return Statement{};
        if (first.kind == Token::Kind::Variable) return assignment();
        if (first.kind != Token::Kind::Word) {
            fail(first.column, "a statement begins with a command, a keyword or a $variable, not " + describe(first));
        }
        Statement s;
        if (peekAt(1).kind == Token::Kind::LParen) {
            s.kind = Statement::Kind::Call;
            s.call = call();
            expectEnd();
            return s;
        }
        const Token word = next();
        const Keyword* keyword = findKeyword(word.text);
        if (keyword == nullptr) {
            fail(word.column, "unknown statement " + word.text + " (a command call needs parentheses: " + word.text +
                                  "(...))");
        }
        s.wordColumn = word.column;
        keywordStatement(s, *keyword);
        return s;
    }

private:
    // $v = name(...), $v = control ..., or $v = value [value ...].
    Statement assignment()
    {
        Statement s;
        const Token var = next();
        if (peek().kind != Token::Kind::Equals) fail(peek().column, "expected '=' after $" + var.text);
        next();
        const Token& rhs = peek();
        if (rhs.kind == Token::Kind::Word && peekAt(1).kind == Token::Kind::LParen) {
            s.kind = Statement::Kind::Call;
            s.call = call();
            s.call.target = var.text;
            expectEnd();
            return s;
        }
        if (rhs.kind == Token::Kind::Word) {
            if (const Keyword* keyword = findKeyword(rhs.text)) {
                if (keyword->kind != Statement::Kind::Control && keyword->kind != Statement::Kind::Text) {
                    fail(rhs.column, lower(rhs.text) + " gives no value to assign");
                }
                next();
                keywordStatement(s, *keyword);
                s.target = var.text;
                return s;
            }
        }
        if (rhs.kind == Token::Kind::End) fail(rhs.column, "expected a value after '='");
        s.kind = Statement::Kind::Assign;
        s.target = var.text;
        s.operands = values(1, kAnyNumber, "an assignment");
        return s;
    }

    // The rest of a statement after its keyword.
    void keywordStatement(Statement& s, const Keyword& keyword)
    {
        s.kind = keyword.kind;
        if (keyword.kind == Statement::Kind::Control) {
            controlOperands(s, keyword);
        } else if (keyword.kind == Statement::Kind::For) {
            forOperands(s);
        } else if (keyword.kind == Statement::Kind::Call) {
            forcedCall(s);
        } else if (keyword.kind == Statement::Kind::Type) {
            // The text may be written as values side by side: type $e "row " $i.
            s.operands = values(keyword.least, keyword.most, keyword.usage, true);
        } else if (keyword.kind == Statement::Kind::Key) {
            keyOperands(s, keyword);
        } else if (keyword.kind == Statement::Kind::Help) {
            helpOperand(s);
        } else {
            s.operands = values(keyword.least, keyword.most, keyword.usage);
        }
        if (keyword.then) {
            thenCall(s);
        } else if (peek().kind == Token::Kind::Word && lower(peek().text) == "then") {
            // Only "then" can stop the operands early: a call after it would silently never run.
            fail(peek().column, std::string(keyword.word) + " runs no command after it: only type and key take then");
        } else if (peek().kind != Token::Kind::End) {
            fail(peek().column, unexpected(peek()));
        }
    }

    void controlOperands(Statement& s, const Keyword& keyword)
    {
        const Token& cls = peek();
        if (cls.kind != Token::Kind::Word && cls.kind != Token::Kind::Text) {
            fail(cls.column, "control needs a window class name first");
        }
        s.wordColumn = cls.column;
        s.word = next().text;
        s.operands = values(keyword.least, keyword.most, keyword.usage);
        if (peek().kind != Token::Kind::End) fail(peek().column, unexpected(peek()));
    }

    // for $v = first to last [step n]
    void forOperands(Statement& s)
    {
        static const char* const kUsage = "for needs a variable, then = first to last [step n]";
        if (peek().kind != Token::Kind::Variable) fail(peek().column, kUsage);
        s.target = next().text;
        if (peek().kind != Token::Kind::Equals) fail(peek().column, "expected '=' after $" + s.target);
        next();
        s.operands.push_back(value(kUsage));
        expectWord("to", kUsage);
        s.operands.push_back(value(kUsage));
        if (peek().kind == Token::Kind::Word && lower(peek().text) == "step") {
            next();
            s.operands.push_back(value(kUsage));
        }
    }

    void expectWord(const char* word, const char* usage)
    {
        if (peek().kind != Token::Kind::Word || lower(peek().text) != word) {
            fail(peek().column, peek().kind == Token::Kind::End ? std::string(usage)
                                                                 : "expected " + std::string(word) + ", not " + describe(peek()));
        }
        next();
    }

    // force [$v =] name(...)
    void forcedCall(Statement& s)
    {
        if (peek().kind == Token::Kind::Variable) {
            s.call.target = next().text;
            if (peek().kind != Token::Kind::Equals) fail(peek().column, "expected '=' after $" + s.call.target);
            next();
        }
        if (peek().kind != Token::Kind::Word || peekAt(1).kind != Token::Kind::LParen) {
            fail(peek().column, "force needs a command call");
        }
        const std::string target = s.call.target;
        s.call = call();
        s.call.target = target;
        s.forced = true;
        expectEnd();
    }

    void keyOperands(Statement& s, const Keyword& keyword)
    {
        s.operands.push_back(value(keyword.usage));
        const Token& name = peek();
        if (name.kind != Token::Kind::Word) fail(name.column, "key needs a key name after the window");
        s.word = lower(name.text);
        const auto& names = keyNames();
        if (std::find(names.begin(), names.end(), s.word) == names.end()) {
            std::string known;
            for (const auto& n : names) known += (known.empty() ? "" : ", ") + n;
            fail(name.column, "unknown key " + name.text + " (known keys: " + known + ")");
        }
        next();
        if (isValue(peek())) s.operands.push_back(toOperand(next()));
    }

    // help takes a bare name or a constant: help lvDeleteItem, help @LEFT.
    void helpOperand(Statement& s)
    {
        const Token& name = peek();
        if (name.kind == Token::Kind::End) return;
        if (name.kind != Token::Kind::Word && name.kind != Token::Kind::Constant) {
            fail(name.column, "help takes a command or constant name, not " + describe(name));
        }
        s.wordColumn = name.column;
        s.word = next().text;
        if (peek().kind != Token::Kind::End) fail(peek().column, "help takes one name");
    }

    const Token& peek() const { return m_tokens[m_pos]; }
    const Token& peekAt(size_t ahead) const { return m_tokens[std::min(m_pos + ahead, m_tokens.size() - 1)]; }
    Token next()
    {
        Token t = m_tokens[m_pos];
        if (m_pos + 1 < m_tokens.size()) ++m_pos;
        return t;
    }

    void expectEnd()
    {
        if (peek().kind != Token::Kind::End) fail(peek().column, unexpected(peek()) + " after the call");
    }

    Operand value(const std::string& what)
    {
        const Token& t = peek();
        if (!isValue(t)) {
            if (t.kind == Token::Kind::End) fail(t.column, what);
            fail(t.column, "expected a value, not " + describe(t) +
                               (t.kind == Token::Kind::Word ? " (a variable needs $, a text needs quotes)" : ""));
        }
        return toOperand(next());
    }

    // Values up to the end of the line or the word "then".
    // With joinLast, the last operand may be values side by side joined into one text.
    std::vector<Operand> values(size_t least, size_t most, const std::string& statement, bool joinLast = false)
    {
        std::vector<Operand> out;
        while (peek().kind != Token::Kind::End &&
               !(peek().kind == Token::Kind::Word && lower(peek().text) == "then")) {
            if (out.size() == most) fail(peek().column, "too many operands for " + statement);
            out.push_back(joinLast && out.size() + 1 == most ? argument(statement) : value(statement));
        }
        if (out.size() < least) {
            fail(peek().column, statement + " needs " + std::to_string(least) + " operand" + (least == 1 ? "" : "s") +
                                    ", got " + std::to_string(out.size()));
        }
        return out;
    }

    void thenCall(Statement& s)
    {
        if (peek().kind == Token::Kind::End) return;
        const Token& t = peek();
        if (t.kind != Token::Kind::Word || lower(t.text) != "then") fail(t.column, "expected then or the end of the line");
        next();
        std::string target;
        if (peek().kind == Token::Kind::Variable) {
            target = next().text;
            if (peek().kind != Token::Kind::Equals) fail(peek().column, "expected '=' after $" + target);
            next();
        }
        if (peek().kind != Token::Kind::Word || peekAt(1).kind != Token::Kind::LParen) {
            fail(peek().column, "then needs a command call");
        }
        Call c = call();
        c.target = target;
        expectEnd();
        s.then = std::move(c);
    }

    // An argument: a value, or values side by side that are joined into one text, as in
    // an assignment ($temp "strip.bmp").
    Operand argument(const std::string& what = "expected a value")
    {
        Operand first = value(what);
        if (!isValue(peek())) return first;
        Operand joined;
        joined.kind = Operand::Kind::Join;
        joined.column = first.column;
        joined.parts.push_back(std::move(first));
        while (isValue(peek())) joined.parts.push_back(toOperand(next()));
        const Operand& last = joined.parts.back();
        const size_t start = static_cast<size_t>(joined.column) - 1;
        joined.source = m_line.substr(start, static_cast<size_t>(last.column) - 1 + last.source.size() - start);
        return joined;
    }

    Call call()
    {
        Call c;
        const Token name = next();
        c.name = name.text;
        c.column = name.column;
        next(); // '('
        if (peek().kind == Token::Kind::RParen) {
            c.close = next().column;
            return c;
        }
        for (;;) {
            if (peek().kind == Token::Kind::End) fail(peek().column, "the call lacks its closing ')'");
            c.args.push_back(argument());
            const Token& sep = peek();
            if (sep.kind == Token::Kind::Comma) {
                next();
                continue;
            }
            if (sep.kind == Token::Kind::RParen) {
                c.close = next().column;
                return c;
            }
            if (sep.kind == Token::Kind::End) fail(sep.column, "the call lacks its closing ')'");
            fail(sep.column, "expected ',' or ')', not " + describe(sep));
        }
    }

    std::vector<Token> m_tokens;
    std::string_view m_line; // the line the tokens were read from: a joined argument's source
    size_t m_pos = 0;
};

const char* typeName(int code)
{
    switch (code) {
    case 0: return "int";
    case 1: return "text";
    default: return nullptr;
    }
}

std::string typeText(int code)
{
    const char* name = typeName(code);
    return name != nullptr ? name : "type " + std::to_string(code);
}

} // namespace

Tokenized tokenizeLine(std::string_view line)
{
    Tokenized tokenized;
    try {
        tokenized.tokens = tokenize(line);
    } catch (const Failure& f) {
        tokenized.error = f.error;
    }
    return tokenized;
}

Parsed parseLine(std::string_view line)
{
    Parsed parsed;
    try {
        Parser parser(tokenize(line), line);
        parsed.statement = parser.statement();
    } catch (const Failure& f) {
        parsed.error = f.error;
    }
    return parsed;
}

std::string statementSummary()
{
    const struct {
        const char* synopsis;
        const char* purpose;
    } calls[] = {
        {"[$v =] command(arg, ...)", "calls a command of the extender"},
        {"$v = value [value ...]", "sets a variable; several values are joined into one text"},
    };
    // The purposes start in one column and wrap at 92 characters.
    static constexpr size_t kColumn = 48, kWidth = 92;
    std::string out;
    auto row = [&out](const char* synopsis, std::string_view purpose) {
        std::string line = std::string("  ") + synopsis;
        line.resize(std::max(line.size() + 2, kColumn), ' ');
        const size_t column = line.size();
        while (line.size() + purpose.size() > kWidth) {
            const size_t cut = purpose.rfind(' ', kWidth - line.size());
            if (cut == std::string_view::npos || cut == 0) break;
            out += line + std::string(purpose.substr(0, cut)) + "\n";
            purpose.remove_prefix(cut + 1);
            line.assign(column, ' ');
        }
        out += line + std::string(purpose) + "\n";
    };
    for (const auto& c : calls) row(c.synopsis, c.purpose);
    for (const Keyword& k : kKeywords) {
        if (k.synopsis != nullptr) row(k.synopsis, k.purpose);
    }
    return out;
}

const std::vector<std::string>& keyNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const Key& key : kKeys) all.push_back(key.name);
        return all;
    }();
    return names;
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (const Escape* escape = escapeFor(c, &Escape::character)) {
            out += '\\';
            out += escape->letter;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            out += hex;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string echoText(std::string_view text)
{
    if (text.size() <= 200) return quote(text);
    return quote(text.substr(0, 80)) + "\xE2\x80\xA6 (" + std::to_string(text.size()) + " characters)";
}

std::string describeArguments(const Signature& signature)
{
    std::string out;
    for (int i = 0; i < signature.required; ++i) {
        if (i > 0) out += ", ";
        out += typeText(signature.typeCode(i));
    }
    for (int i = 0; i < signature.optional; ++i) {
        out += (signature.required + i == 0) ? "[" : " [, ";
        out += typeText(signature.typeCode(signature.required + i));
    }
    out += std::string(static_cast<size_t>(signature.optional), ']');
    return out;
}

std::optional<std::string> checkArguments(const Signature& signature, const std::vector<Value>& args,
                                          size_t* argument)
{
    const int given = static_cast<int>(args.size());
    const int most = signature.required + signature.optional;
    if (given < signature.required || given > most) {
        if (argument != nullptr) *argument = static_cast<size_t>(std::min(given, most));
        std::string counts = std::to_string(signature.required);
        if (signature.optional == 1) counts += " or " + std::to_string(most);
        if (signature.optional > 1) counts += " to " + std::to_string(most);
        return signature.name + " takes " + counts + (most == 1 ? " argument" : " arguments") + " (" +
               describeArguments(signature) + "), got " + std::to_string(given);
    }
    for (int i = 0; i < given; ++i) {
        if (signature.typeCode(i) == static_cast<int>(ArgType::Integer) && args[i].isText()) {
            if (argument != nullptr) *argument = static_cast<size_t>(i);
            return "argument " + std::to_string(i + 1) + " of " + signature.name +
                   " must be an integer, not the text " + echoText(args[i].text);
        }
    }
    return std::nullopt;
}

} // namespace zub::script
