// The console's script language: one statement a line. Parsing, the rendering of
// values, and the checks of a call against a command's table entry. No windows here,
// so it builds and is tested natively as well.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zub::script {

// An operand as the script wrote it.
struct Operand {
    enum class Kind { Integer, Text, Variable, Constant, Word, Join };
    Kind kind = Kind::Integer;
    int32_t integer = 0;  // Integer
    std::string text;     // Text: the value; Variable: the name without "$"; Constant: the name with "@"; Word
    std::string source;   // the characters as written
    int column = 0;       // 1-based
    std::vector<Operand> parts; // Join: values written side by side in an argument, joined into one text
};

// A command call, with the variable that receives its result, if any.
struct Call {
    std::string target;   // variable name without "$", or empty
    std::string name;     // the command as written
    std::vector<Operand> args;
    int column = 0;
    int close = 0;        // the column of its closing ')'
};

struct Statement {
    enum class Kind {
        Empty,    // blank or comment only
        Call,     // [$v =] name(args)
        Assign,   // $v = value [value...]
        Control,  // [$v =] control CLASS x y w h [style [text]]
        Add,      // add TARGET text...
        Type,     // type TARGET text [then CALL]
        Key,      // key TARGET NAME [count] [then CALL]
        Select,   // select TARGET start end
        Hover,    // hover TARGET
        Send,     // send TARGET message [wParam [lParam]]
        Print,    // print value...
        Wait,     // wait milliseconds
        Dialog,   // dialog width height [title]
        Help,     // help [NAME]
        Quit,     // quit, exit
        For,      // for $v = first to last [step n]: the lines up to the matching end, once per value
        End,      // end: closes a for
        Click,    // click TARGET x y, click TARGET position
        Text,     // [$v =] text TARGET
    };
    Kind kind = Kind::Empty;
    std::string target;             // Assign, Control: the variable name without "$"
    std::string word;               // Control: the class; Key: the key name (lower case); Help: the name asked about
    int wordColumn = 0;             // where the word stands
    std::vector<Operand> operands;  // the statement's operands after its word(s)
    Call call;                      // Call
    std::optional<Call> then;       // Type, Key
    bool forced = false;            // Call written after force: sent even to a window of another kind
};

struct ParseError {
    std::string message;
    int column = 0; // 1-based; 0 when the message needs no position
};

struct Parsed {
    std::optional<Statement> statement;
    std::optional<ParseError> error;
    bool ok() const { return statement.has_value(); }
};

Parsed parseLine(std::string_view line);

// A token of a line: what parseLine reads statements from.
struct Token {
    enum class Kind { End, Integer, Text, Variable, Constant, Word, LParen, RParen, Comma, Equals };
    Kind kind = Kind::End;
    int32_t integer = 0;
    std::string text;   // Text: the value; Variable/Constant/Word: the name
    std::string source;
    int column = 0;
};

// The tokens of a line in order, an End token last (a comment is no token); or the
// error that stops the reading.
struct Tokenized {
    std::vector<Token> tokens;
    std::optional<ParseError> error;
};
Tokenized tokenizeLine(std::string_view line);

// The statements as help lists them, a line each: how a statement is written, then
// what it does.
std::string statementSummary();

// The named keys that "key" presses.
const std::vector<std::string>& keyNames();

// A text in script form: double quotes, with \\ \" \n \r \t and \xHH for other
// control characters.
std::string quote(std::string_view text);

// A text as a line echoes it: quoted, and a text longer than 200 characters as its
// first 80, then "… (N characters)".
std::string echoText(std::string_view text);

// Argument types as the table declares them: four bits an argument.
enum class ArgType { Integer = 0, Text = 1 };

// What the table says about a command's arguments.
struct Signature {
    std::string name;
    int required = 0;
    int optional = 0;
    uint64_t argTypes = 0;
    int typeCode(int position) const { return static_cast<int>((argTypes >> (4 * position)) & 0xF); }
};

// The argument list as the host shows it: "int, text [, int]".
std::string describeArguments(const Signature& signature);

// A value as a call passes it, and what the console knows its number to be: a window
// (it named one when the value was made; it may be destroyed since) or an image list.
struct Value {
    enum class Kind { Integer, Text };
    enum class Handle { None, Window, ImageList };
    Kind kind = Kind::Integer;
    int32_t integer = 0;
    std::string text;
    Handle handle = Handle::None;

    static Value ofInteger(int32_t v) { return Value{Kind::Integer, v, {}, Handle::None}; }
    static Value ofText(std::string t) { return Value{Kind::Text, 0, std::move(t), Handle::None}; }
    static Value ofHandle(int32_t v, Handle h) { return Value{Kind::Integer, v, {}, h}; }
    bool isText() const { return kind == Kind::Text; }
};

// Checks the count and the types of the arguments against the table; the reason
// the call cannot run, or nothing. An integer is accepted where the table declares a
// text (the host hands over its decimal text and the number itself); a text where the
// table declares an integer is refused.
// When given, argument receives the 0-based position of the argument the reason is
// about: the first one too many, or the one of the wrong type; args.size() when
// arguments are missing.
std::optional<std::string> checkArguments(const Signature& signature, const std::vector<Value>& args,
                                          size_t* argument = nullptr);

} // namespace zub::script
