// The console's script language: statements, values, errors with their columns, and
// the checks of a call against a table entry.
#include "script.h"

#include <gtest/gtest.h>

namespace {

using namespace zub::script;

Statement parsed(const char* line)
{
    const Parsed p = parseLine(line);
    EXPECT_TRUE(p.ok()) << line << ": " << (p.error ? p.error->message : "");
    return p.ok() ? *p.statement : Statement{};
}

TEST(ScriptParser, BlankLinesAndCommentsAreEmptyStatements)
{
    for (const char* line : {"", "   ", "\t", "# a comment", "   # indented comment"}) {
        EXPECT_EQ(Statement::Kind::Empty, parsed(line).kind) << line;
    }
}

TEST(ScriptParser, CallWithAssignmentKeepsArgumentsInOrder)
{
    const Statement s = parsed("$n = lvInsertItem($lv, 1, \"Alpha\")  # trailing comment");
    ASSERT_EQ(Statement::Kind::Call, s.kind);
    EXPECT_EQ("n", s.call.target);
    EXPECT_EQ("lvInsertItem", s.call.name);
    ASSERT_EQ(3u, s.call.args.size());
    EXPECT_EQ(Operand::Kind::Variable, s.call.args[0].kind);
    EXPECT_EQ("lv", s.call.args[0].text);
    EXPECT_EQ(Operand::Kind::Integer, s.call.args[1].kind);
    EXPECT_EQ(1, s.call.args[1].integer);
    EXPECT_EQ(Operand::Kind::Text, s.call.args[2].kind);
    EXPECT_EQ("Alpha", s.call.args[2].text);
    EXPECT_EQ(6, s.call.column);
}

TEST(ScriptParser, CallWithoutArgumentsOrAssignment)
{
    const Statement s = parsed("ccShow()");
    ASSERT_EQ(Statement::Kind::Call, s.kind);
    EXPECT_TRUE(s.call.target.empty());
    EXPECT_TRUE(s.call.args.empty());
}

TEST(ScriptParser, Integers)
{
    const struct {
        const char* source;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"0x1F", 31},
        {"0X0001", 1},
        {"-0x10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"4294967295", -1},
        {"0xFFFFFFFF", -1},
        {"0x80000000", INT32_MIN},
    };
    for (const auto& c : cases) {
        const Statement s = parsed((std::string("f(") + c.source + ")").c_str());
        ASSERT_EQ(1u, s.call.args.size()) << c.source;
        EXPECT_EQ(Operand::Kind::Integer, s.call.args[0].kind) << c.source;
        EXPECT_EQ(c.value, s.call.args[0].integer) << c.source;
        EXPECT_EQ(c.source, s.call.args[0].source);
    }
}

TEST(ScriptParser, TextEscapes)
{
    const struct {
        const char* source;
        const char* value;
    } cases[] = {
        {R"("")", ""},
        {R"("(###) ###-####")", "(###) ###-####"},
        {R"("a\"b")", "a\"b"},
        {R"("C:\\temp\\x.rtf")", "C:\\temp\\x.rtf"},
        {R"("one\ntwo\tthree\r")", "one\ntwo\tthree\r"},
        {R"("\x41\x7e")", "A~"},
        {R"("# not a comment")", "# not a comment"},
        {R"("255|128|0")", "255|128|0"},
    };
    for (const auto& c : cases) {
        const Statement s = parsed((std::string("f(") + c.source + ")").c_str());
        ASSERT_EQ(1u, s.call.args.size()) << c.source;
        EXPECT_EQ(c.value, s.call.args[0].text) << c.source;
        EXPECT_EQ(c.value, parsed(("f(" + quote(c.value) + ")").c_str()).call.args[0].text) << "quote round trip";
    }
}

TEST(ScriptParser, ConstantsKeepTheirAtSign)
{
    const Statement s = parsed("rtSetAlignment($rt, @CENTER)");
    ASSERT_EQ(2u, s.call.args.size());
    EXPECT_EQ(Operand::Kind::Constant, s.call.args[1].kind);
    EXPECT_EQ("@CENTER", s.call.args[1].text);
}

TEST(ScriptParser, KeywordStatements)
{
    const Statement control = parsed("$lv = control SysListView32 10 10 300 120 0x0001");
    EXPECT_EQ(Statement::Kind::Control, control.kind);
    EXPECT_EQ("lv", control.target);
    EXPECT_EQ("SysListView32", control.word);
    EXPECT_EQ(5u, control.operands.size());

    const Statement quoted = parsed("control \"BUTTON\" 1 2 3 4 0 \"Press\"");
    EXPECT_EQ("BUTTON", quoted.word);
    EXPECT_EQ(6u, quoted.operands.size());
    EXPECT_TRUE(quoted.target.empty());

    const Statement type = parsed("type $e \"5551234567\" then $t = ebMask($e, \"(###) ###-####\")");
    EXPECT_EQ(Statement::Kind::Type, type.kind);
    ASSERT_EQ(2u, type.operands.size());
    ASSERT_TRUE(type.then.has_value());
    EXPECT_EQ("t", type.then->target);
    EXPECT_EQ("ebMask", type.then->name);

    const Statement key = parsed("KEY $e Backspace 3");
    EXPECT_EQ(Statement::Kind::Key, key.kind);
    EXPECT_EQ("backspace", key.word);
    ASSERT_EQ(2u, key.operands.size());
    EXPECT_EQ(3, key.operands[1].integer);
    EXPECT_FALSE(key.then.has_value());

    EXPECT_EQ(Statement::Kind::Add, parsed("add $lb \"a\" \"b\" \"c\"").kind);
    EXPECT_EQ(Statement::Kind::Select, parsed("select $rt 0 5").kind);
    EXPECT_EQ(Statement::Kind::Hover, parsed("hover $b").kind);
    EXPECT_EQ(Statement::Kind::Print, parsed("print").kind);
    EXPECT_EQ(3u, parsed("print \"n =\" $n @LEFT").operands.size());
    EXPECT_EQ(Statement::Kind::Wait, parsed("wait 100").kind);
    EXPECT_EQ(Statement::Kind::Dialog, parsed("dialog 700 500 \"Tour\"").kind);

    const Statement loop = parsed("for $row = 1 to $n step 2");
    EXPECT_EQ(Statement::Kind::For, loop.kind);
    EXPECT_EQ("row", loop.target);
    EXPECT_EQ(3u, loop.operands.size());
    EXPECT_EQ(Statement::Kind::End, parsed("  END").kind);
    EXPECT_EQ(3u, parsed("click $w 10 20").operands.size());
    const Statement text = parsed("$t = text $rt");
    EXPECT_EQ(Statement::Kind::Text, text.kind);
    EXPECT_EQ("t", text.target);
    const Statement forced = parsed("force $r = trSETPOS($sb, 5)");
    EXPECT_TRUE(forced.forced);
    EXPECT_EQ("r", forced.call.target);
    EXPECT_EQ("trSETPOS", forced.call.name);
    const Statement joined = parsed("type $e \"row \" $i then f($e)");
    ASSERT_EQ(2u, joined.operands.size());
    EXPECT_EQ(Operand::Kind::Join, joined.operands[1].kind);
    EXPECT_EQ(Statement::Kind::Quit, parsed("exit").kind);
    EXPECT_EQ("lvDeleteItem", parsed("help lvDeleteItem").word);
    EXPECT_EQ("@LEFT", parsed("HELP @LEFT").word);
    EXPECT_TRUE(parsed("help").word.empty());
}

TEST(ScriptParser, AssignmentOfValues)
{
    const Statement one = parsed("$mask = \"(###) ###-####\"");
    EXPECT_EQ(Statement::Kind::Assign, one.kind);
    EXPECT_EQ(1u, one.operands.size());
    const Statement joined = parsed("$path = $temp \"tour.rtf\"");
    EXPECT_EQ(2u, joined.operands.size());
}

TEST(ScriptParser, ValuesSideBySideInAnArgumentAreJoined)
{
    const Statement s = parsed("ilAddImage($il, $temp \"strip.bmp\", 0, 0)");
    ASSERT_EQ(4u, s.call.args.size());
    const Operand& path = s.call.args[1];
    EXPECT_EQ(Operand::Kind::Join, path.kind);
    ASSERT_EQ(2u, path.parts.size());
    EXPECT_EQ(Operand::Kind::Variable, path.parts[0].kind);
    EXPECT_EQ("strip.bmp", path.parts[1].text);
    EXPECT_EQ("$temp \"strip.bmp\"", path.source);
    EXPECT_EQ(Operand::Kind::Integer, s.call.args[2].kind);
    EXPECT_EQ("$a@B\t\"c\"", parsed("f($a@B\t\"c\")").call.args[0].source); // as written, not respaced
}

TEST(ScriptParser, BadLinesSayWhatAndWhere)
{
    const struct {
        std::string_view line;
        const char* message; // a part of the message
        int column;
    } cases[] = {
        {"lvInsertItem($lv, 1, \"Alpha)", "unterminated text", 22},
        {"f(\"a\\q\")", "unknown escape \\q", 5},
        {"f(\"\\x4\")", "two hex digits", 4},
        {"f(\"\\x00\")", "zero character", 4},
        {std::string_view("f(\"a\0\")", 7), "zero character", 5},
        {"f(12abc)", "malformed number 12abc", 3},
        {"f(0x)", "malformed number", 3},
        {"f(4294967296)", "does not fit 32 bits", 3},
        {"f(-2147483649)", "does not fit 32 bits", 3},
        {"f($)", "a variable name must follow $", 3},
        {"f($1)", "a variable name must follow $", 3},
        {"f(@)", "a constant name must follow @", 3},
        {"f(1, 2", "lacks its closing ')'", 7},
        {"f(1 = 2)", "expected ',' or ')', not '='", 5},
        {"f(1) garbage", "unexpected word garbage after the call", 6},
        {"f(1,)", "expected a value, not ')'", 5},
        {"f(alpha)", "a variable needs $", 3},
        {"f(1) 2", "after the call", 6},
        {"hover $b then f($b)", "hover runs no command after it", 10},
        {"lvInsertItem $lv", "needs parentheses", 1},
        {"$n lvGetItemCount($lv)", "expected '=' after $n", 4},
        {"$n =", "expected a value after '='", 5},
        {"$n = print 1", "gives no value", 6},
        {"42", "a statement begins with", 1},
        {"f(1) ; g(2)", "unexpected character ';'", 6},
        {"control SysListView32 10 10 300", "needs 4 operands, got 3", 32},
        {"control 10 10 300 120", "a window class name first", 9},
        {"control EDIT 1 2 3 4 5 \"t\" 7", "too many operands", 28},
        {"key $e shift", "unknown key shift", 8},
        {"key $e", "key needs a key name", 7},
        {"type $e", "needs 2 operands, got 1", 8},
        {"type $e \"5\" then print 1", "then needs a command call", 18},
        {"type $e \"5\" ebMask($e, \"#\")", "too many operands for type", 13},
        {"select $e 0", "needs 3 operands", 12},
        {"wait", "needs 1 operand, got 0", 5},
        {"dialog 1 2 3 4", "too many operands", 14},
        {"help \"ebMask\"", "help takes a command or constant name", 6},
        {"help ebMask ebMaskClean", "help takes one name", 13},
        {"quit 1", "too many operands for quit", 6},
        {"for i = 1 to 5", "for needs a variable", 5},
        {"for $i = 1 too 5", "expected to, not the word too", 12},
        {"for $i = 1 to", "for needs a variable, then", 14},
        {"for $i = 1 to 5 by 2", "unexpected word by", 17},
        {"end 1", "too many operands for end", 5},
        {"force print 1", "force needs a command call", 7},
        {"$x = text", "text (a window) needs 1 operand", 10},
    };
    for (const auto& c : cases) {
        const Parsed p = parseLine(c.line);
        ASSERT_FALSE(p.ok()) << c.line;
        EXPECT_NE(std::string::npos, p.error->message.find(c.message)) << c.line << ": " << p.error->message;
        EXPECT_EQ(c.column, p.error->column) << c.line << ": " << p.error->message;
    }
}

Signature signature(const char* name, int required, int optional, uint64_t types)
{
    Signature s;
    s.name = name;
    s.required = required;
    s.optional = optional;
    s.argTypes = types;
    return s;
}

TEST(ScriptChecks, ArgumentListsAsTheHostShowsThem)
{
    EXPECT_EQ("int", describeArguments(signature("anCloseAVI", 1, 0, 0)));
    EXPECT_EQ("int, text [, int]", describeArguments(signature("ebMask", 2, 1, 0x10)));
    EXPECT_EQ("int, int, int, int, text, text", describeArguments(signature("trSETBUDDY", 6, 0, 0x110000)));
    EXPECT_EQ("int [, int [, text]]", describeArguments(signature("x", 1, 2, 0x100)));
    EXPECT_EQ("[int]", describeArguments(signature("x", 0, 1, 0)));
    EXPECT_EQ("", describeArguments(signature("x", 0, 0, 0)));
    EXPECT_EQ("type 3", describeArguments(signature("x", 1, 0, 3)));
}

TEST(ScriptChecks, CountsAgainstTheTable)
{
    const Signature mask = signature("ebMask", 2, 1, 0x10);
    const Value box = Value::ofInteger(0x10020);
    const Value text = Value::ofText("#");
    EXPECT_FALSE(checkArguments(mask, {box, text}));
    EXPECT_FALSE(checkArguments(mask, {box, text, Value::ofInteger(1)}));
    EXPECT_EQ("ebMask takes 2 or 3 arguments (int, text [, int]), got 1", checkArguments(mask, {box}).value());
    EXPECT_EQ("ebMask takes 2 or 3 arguments (int, text [, int]), got 4",
              checkArguments(mask, {box, text, box, box}).value());
    EXPECT_EQ("anCloseAVI takes 1 argument (int), got 0", checkArguments(signature("anCloseAVI", 1, 0, 0), {}).value());
    EXPECT_EQ("lvInsertItem takes 3 arguments (int, int, text), got 2",
              checkArguments(signature("lvInsertItem", 3, 0, 0x100), {box, box}).value());
    EXPECT_EQ("f takes 1 to 3 arguments (int [, int [, int]]), got 0",
              checkArguments(signature("f", 1, 2, 0), {}).value());
}

TEST(ScriptChecks, TypesAgainstTheTable)
{
    const Signature insert = signature("lvInsertItem", 3, 0, 0x100);
    EXPECT_EQ("argument 2 of lvInsertItem must be an integer, not the text \"1\"",
              checkArguments(insert, {Value::ofInteger(1), Value::ofText("1"), Value::ofText("a")}).value());
    // A number where the table declares a text goes through as its decimal text (the
    // trackbar setters declare a text and read the number).
    EXPECT_FALSE(checkArguments(insert, {Value::ofInteger(1), Value::ofInteger(1), Value::ofInteger(7)}));
}

TEST(ScriptQuote, LongTextsEchoTheirStartAndLength)
{
    EXPECT_EQ(quote(std::string(200, 'a')), echoText(std::string(200, 'a')));
    EXPECT_EQ("\"" + std::string(80, 'b') + "\"\xE2\x80\xA6 (100000 characters)", echoText(std::string(100000, 'b')));
}

TEST(ScriptQuote, EscapesWhatWouldBreakTheLine)
{
    EXPECT_EQ(R"("plain")", quote("plain"));
    EXPECT_EQ(R"("a\"b\\c")", quote("a\"b\\c"));
    EXPECT_EQ(R"("1\t4\n\x01")", quote("1\t4\n\x01"));
    EXPECT_EQ("\"caf\xE9\"", quote("caf\xE9")); // ANSI letters stay as they are
}

} // namespace
