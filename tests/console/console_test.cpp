// The console running statements: what each line prints, checks against the table,
// constants, notes printed and answered, and the host-side statements. Most tests use
// an extender of their own (zubtest_extender.dll) whose results depend on no control
// family; a few use the table of korvanet.dll.
#include "console.h"
#include "test_paths.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using zub::console::Console;

class ConsoleRun : public testing::Test {
protected:
    explicit ConsoleRun(const std::string& dll = ZUB_TEST_EXTENDER) : host(dll)
    {
        host.window = dialog.hwnd();
        console.emplace(host, dialog, notes, out);
    }

    // Runs the lines as a script and returns what they printed, one element a line.
    std::vector<std::string> run(std::initializer_list<const char*> lines)
    {
        out.str("");
        int number = 0;
        for (const char* line : lines) console->run(line, ++number);
        std::vector<std::string> printed;
        std::istringstream in(zub::portableOutput(out.str(), "")); // handles differ from run to run
        for (std::string line; std::getline(in, line);) printed.push_back(line);
        return printed;
    }

    using Lines = std::vector<std::string>;

    zub::Host host; // before the dialog, so the dialog goes first
    zub::Dialog dialog;
    zub::NoteCatcher notes;
    std::ostringstream out;
    std::optional<Console> console;
};

TEST_F(ConsoleRun, EveryCallPrintsItsArgumentsAndItsResult)
{
    EXPECT_EQ((Lines{
                  "tEcho(\"hi \\\"there\\\"\") -> \"hi \\\"there\\\"\"",
                  "$s = tSum(1, 2) -> 3",
                  "tSum($s=3, 0x10, -1) -> 18",
                  "TSUM(-2147483648, -1) -> 2147483647",
              }),
              run({"tEcho(\"hi \\\"there\\\"\")", "$s = tSum(1, 2)", "tSum($s, 0x10, -1)",
                   "TSUM(-2147483648, -1)"}));
    EXPECT_EQ(0, console->failures());
    ASSERT_NE(nullptr, console->variable("s"));
    EXPECT_EQ(3, console->variable("s")->integer);
}

TEST_F(ConsoleRun, OmittedOptionalArgumentReachesTheCommandAsZero)
{
    EXPECT_EQ((Lines{"tSum(40, 2) -> 42"}), run({"tSum(40, 2)"}));
}

TEST_F(ConsoleRun, ConstantsComeFromTheTableWhateverTheirCase)
{
    EXPECT_EQ((Lines{"tSum(@Answer=42, @MINUS=-7) -> 35", "42 -7"}),
              run({"tSum(@Answer, @MINUS)", "print @answer @minus"}));
}

TEST_F(ConsoleRun, IntegerForATextArgumentGoesAsItsDecimalTextAndItsNumber)
{
    EXPECT_EQ((Lines{"tEcho(42) -> \"42\"", "tNumber(42) -> 42", "tNumber(\"17\") -> 17"}),
              run({"tEcho(42)", "tNumber(42)", "tNumber(\"17\")"}));
}

TEST_F(ConsoleRun, LinesThatCannotRunSayWhyWithTheirLineNumberAndTheScriptGoesOn)
{
    EXPECT_EQ((Lines{
                  "tSum(1, 1) -> 2",
                  "line 2, column 1: unknown command tEhco; did you mean techo?",
                  "line 3, column 7: tEcho takes 1 argument (text), got 0",
                  "line 4, column 15: tSum takes 2 or 3 arguments (int, int [, int]), got 4",
                  "line 5, column 6: argument 1 of tSum must be an integer, not the text \"1\"",
                  "line 6, column 6: unknown constant @Nope (not in the table)",
                  "line 7, column 9: undefined variable $nowhere",
                  "line 8, column 7: unterminated text",
                  "line 9, column 9: cannot create a window of class NoSuchClass",
                  "tSum(2, 2) -> 4",
              }),
              run({"tSum(1, 1)", "tEhco(\"x\")", "tEcho()", "tSum(1, 2, 3, 4)", "tSum(\"1\", 2)", "tSum(@Nope, 1)",
                   "tSum(1, $nowhere)", "tEcho(\"open", "control NoSuchClass 0 0 10 10", "tSum(2, 2)"}));
    EXPECT_EQ(8, console->failures());
}

TEST_F(ConsoleRun, CommandsThatAreConstantsOrConstantsThatAreCommandsAreRefused)
{
    // tEcho is no constant, and no command is called by a constant's name.
    EXPECT_EQ((Lines{"line 1, column 7: unknown constant @tEcho (not in the table)"}), run({"print @tEcho"}));
}

TEST_F(ConsoleRun, NotesArePrintedAfterTheirCallAndAnsweredOk)
{
    EXPECT_EQ((Lines{
                  "tNote(\"Hello there\", \"Greeting\") -> 1",
                  "  note [Greeting] Hello there",
                  "tNote(\"two\\nlines\", \"Note\") -> 1",
                  "  note [Note] two\\nlines",
              }),
              run({"tNote(\"Hello there\", \"Greeting\")", "tNote(\"two\\nlines\", \"Note\")"}));
    EXPECT_TRUE(notes.empty()) << "printed notes are not printed again";
}

TEST_F(ConsoleRun, CommandThatDeliversNothingSaysSo)
{
    EXPECT_EQ((Lines{"$x = tSilent(5) -> no result (returned 5)", "5"}), run({"$x = tSilent(5)", "print $x"}));
}

TEST_F(ConsoleRun, WindowsShowTheirClassAndTravelAsHandles)
{
    EXPECT_EQ((Lines{
                  "$b = control BUTTON 10 10 80 24 0 \"Press\" -> window HWND [Button]",
                  "tClassOf($b) -> \"Button\"",
                  "tClassOf($dialog) -> \"ZubTestDialog\"",
                  "window HWND [Button] ZubTestDialog",
              }),
              run({"$b = control BUTTON 10 10 80 24 0 \"Press\"", "tClassOf($b)", "tClassOf($dialog)",
                   "print $b $_"}));
    const zub::script::Value* b = console->variable("b");
    ASSERT_NE(nullptr, b);
    HWND button = reinterpret_cast<HWND>(static_cast<INT_PTR>(b->integer));
    EXPECT_EQ(dialog.hwnd(), GetParent(button));
    EXPECT_EQ("Press", zub::windowText(button));
    EXPECT_TRUE(IsWindowVisible(button));
}

TEST_F(ConsoleRun, TypingAndKeysWorkLikeAUser)
{
    EXPECT_EQ((Lines{
                  "$e = control EDIT 10 10 200 24 0 -> window HWND [Edit]",
                  "type $e \"Hello\" -> \"Hello\"",
                  "key $e backspace 2 -> \"Hel\"",
                  "key $e home -> \"Hel\"",
                  "type $e \">\" -> \">Hel\"",
                  "key $e end -> \">Hel\"",
                  "key $e left -> \">Hel\"",
                  "key $e delete -> \">He\"",
                  "select $e 0 1",
                  "type $e \"#\" -> \"#He\"",
              }),
              run({"$e = control EDIT 10 10 200 24 0", "type $e \"Hello\"", "key $e backspace 2", "key $e home",
                   "type $e \">\"", "key $e end", "key $e left", "key $e delete", "select $e 0 1", "type $e \"#\""}));
    HWND edit = reinterpret_cast<HWND>(static_cast<INT_PTR>(console->variable("e")->integer));
    EXPECT_EQ(edit, GetFocus());
    EXPECT_NE(0, SendMessageA(edit, EM_GETMODIFY, 0, 0)) << "typing marks the box as changed";
}

TEST_F(ConsoleRun, TypeThenCallsTheCommandAfterEveryCharacter)
{
    EXPECT_EQ((Lines{
                  "$e = control EDIT 10 10 200 24 0 -> window HWND [Edit]",
                  "type $e \"a\" then $last = tClassOf($e) -> \"Edit\"",
                  "type $e \"b\" then $last = tClassOf($e) -> \"Edit\"",
                  "key $e backspace then tSum(1, 1) -> 2",
                  "key $e backspace then tSum(1, 1) -> 2",
                  "type $e \"x\" -> \"x\"",
                  "line 5, column 18: unknown command nothing (not in the table)",
              }),
              run({"$e = control EDIT 10 10 200 24 0", "type $e \"ab\" then $last = tClassOf($e)",
                   "key $e backspace 2 then tSum(1, 1)", "type $e \"x\"", "type $e \"y\" then nothing(1)"}));
    EXPECT_EQ("Edit", console->variable("last")->text);
    HWND edit = reinterpret_cast<HWND>(static_cast<INT_PTR>(console->variable("e")->integer));
    EXPECT_EQ("x", zub::windowText(edit)) << "a call that cannot run stops the typing before the first key";
}

TEST_F(ConsoleRun, HostSideListsAndRawMessages)
{
    EXPECT_EQ((Lines{
                  "$lb = control LISTBOX 10 10 100 100 0 -> window HWND [ListBox]",
                  "add $lb \"Alpha\" \"Beta\" 3 -> 3 entries",
                  "send $lb 0x0186 1 -> 1",
                  "send $lb 0x0188 -> 1",
                  "send $lb 0x018B $_=1 -> 3", // $_ as sent, not the reply it then holds
                  "$e = control EDIT 10 120 100 24 0 -> window HWND [Edit]",
                  "line 7, column 5: add needs a list box or a combo box, not a window of class Edit",
                  "line 8, column 6: 5 is not a window",
              }),
              run({"$lb = control LISTBOX 10 10 100 100 0", "add $lb \"Alpha\" \"Beta\" 3", "send $lb 0x0186 1",
                   "send $lb 0x0188", "send $lb 0x018B $_", "$e = control EDIT 10 120 100 24 0", "add $e \"x\"",
                   "type 5 \"x\""}));
}

TEST_F(ConsoleRun, ValuesAndPrint)
{
    EXPECT_EQ((Lines{"Items: 16 -3 0x10", "\"quoted\"\ttab", ""}),
              run({"$n = 0x10", "$m = -3", "$label = \"Items: \" $n \" \" $m \" 0x10\"", "print $label",
                   "print \"\\\"quoted\\\"\\ttab\"", "print"}));
    const zub::script::Value* temp = console->variable("temp");
    ASSERT_NE(nullptr, temp);
    EXPECT_EQ('\\', temp->text.back());
}

TEST_F(ConsoleRun, ArgumentsJoinValuesSideBySideAndLongTextsShowTheirStart)
{
    const std::string start(80, 'a');
    const std::string longText = start + std::string(220, 'b');
    const std::string shown = "\"" + start + "\"\xE2\x80\xA6 (300 characters)";
    EXPECT_EQ((Lines{"tEcho($x=\"x\" \"y\" 1) -> \"xy1\"", "tEcho(" + shown + ") -> " + shown}),
              run({"$x = \"x\"", "tEcho($x \"y\" 1)", ("tEcho(\"" + longText + "\")").c_str()}));
}

TEST_F(ConsoleRun, DialogTakesItsClientSizeAndTitle)
{
    EXPECT_TRUE(run({"dialog 300 200 \"Small\""}).empty());
    RECT client = {};
    GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(300, client.right);
    EXPECT_EQ(200, client.bottom);
    EXPECT_EQ("Small", zub::windowText(dialog.hwnd()));
}

TEST_F(ConsoleRun, ForRunsItsLinesOncePerValueNestedAndCountingDown)
{
    EXPECT_EQ((Lines{"tSum($i=1, $j=10) -> 11", "tSum($i=1, $j=20) -> 21", "tSum($i=3, $j=10) -> 13",
                     "tSum($i=3, $j=20) -> 23", "2 1 0 "}),
              run({"for $i = 1 to 4 step 2", "for $j = 10 to 20 step 10", "tSum($i, $j)", "end", "end",
                   "$down = \"\"", "for $k = 2 to 0 step -1", "$down = $down $k \" \"", "end", "print $down"}));
    EXPECT_EQ(0, console->failures());
}

TEST_F(ConsoleRun, LoopMistakesAreReportedWhereTheyStand)
{
    EXPECT_EQ((Lines{"line 1, column 3: end without a for", "line 2, column 22: a step of 0 never ends",
                     "line 3: for without an end; its lines did not run"}),
              [&] {
                  Lines printed = run({"  end", "for $i = 1 to 2 step 0", "for $i = 1 to 2", "tSum(1, 1)"});
                  console->finish();
                  std::istringstream in(out.str());
                  printed.clear();
                  for (std::string line; std::getline(in, line);) printed.push_back(line);
                  return printed;
              }());
}

TEST_F(ConsoleRun, TypingReachesTheFieldThatHasTheFocusInsideTheWindow)
{
    run({"$ip = control SysIPAddress32 10 10 150 24", "type $ip \"10.0.0.138\""});
    HWND ip = reinterpret_cast<HWND>(static_cast<INT_PTR>(console->variable("ip")->integer));
    DWORD address = 0;
    SendMessageA(ip, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    EXPECT_EQ(MAKEIPADDRESS(10, 0, 0, 138), address);
}

class ConsoleOnKorvanet : public ConsoleRun {
protected:
    ConsoleOnKorvanet() : ConsoleRun(zub::Host::defaultDllPath()) {}
};

TEST_F(ConsoleOnKorvanet, ChecksFollowTheExtendersTable)
{
    EXPECT_EQ((Lines{
                  "line 1, column 15: ebMask takes 2 or 3 arguments (int, text [, int]), got 1",
                  "line 2, column 23: argument 2 of lvInsertItem must be an integer, not the text \"one\"",
                  "line 3, column 43: trSETBUDDY takes 6 arguments (int, int, int, int, text, text), got 5",
                  "line 4, column 1: unknown command lvInsertItems; did you mean lvInsertItem?",
                  "0 256 512 768 1024 1 2 3 1020 42 1",
              }),
              run({"ebMask($dialog)", "lvInsertItem($dialog, \"one\", \"Alpha\")",
                   "trSETBUDDY($dialog, $dialog, 40, 20, \"Low\")", "lvInsertItems($dialog, 1, \"x\")",
                   "print @nPAREN @nparens @NPERIOD @nPlain @nNONUM @left @RIGHT @Center @dbVersion @EasterEgg "
                   "@TestConstant"}));
}

TEST_F(ConsoleOnKorvanet, WarnsBeforeACallOnAWindowOfAnotherKind)
{
    EXPECT_EQ((Lines{
                  "$e = control EDIT 0 0 10 10 -> window HWND [Edit]",
                  "warning: $e is an Edit; lbGetItemCount drives a list box (ListBox)",
                  "lbGetItemCount($e) -> 0",
                  "ebGetModify($e) -> 0",
                  "lbGetItemCount(5) -> 0",
              }),
              run({"$e = control EDIT 0 0 10 10", "lbGetItemCount($e)", "ebGetModify($e)", "lbGetItemCount(5)"}));
}

TEST_F(ConsoleOnKorvanet, RefusesACallOnAWindowOfAnotherKindWhenAskedUnlessForced)
{
    console->refuseWrongKinds(true);
    EXPECT_EQ((Lines{
                  "$sb = control msctls_statusbar32 0 0 10 10 -> window HWND [msctls_statusbar32]",
                  "line 2, column 10: $sb is a msctls_statusbar32; trSETPOS drives a trackbar (msctls_trackbar32), "
                  "whose messages another kind of control can crash on: not sent (force trSETPOS(...) sends it "
                  "anyway)",
                  "warning: $sb is a msctls_statusbar32; lbGetItemCount drives a list box (ListBox)",
                  "lbGetItemCount($sb) -> 0",
              }),
              run({"$sb = control msctls_statusbar32 0 0 10 10", "trSETPOS($sb, 5)", "force lbGetItemCount($sb)"}));
}

TEST_F(ConsoleOnKorvanet, ClickPicksATabOrAnEntryAndTextReadsAWindow)
{
    const Lines printed = run({"$tab = taCreateTab($dialog, 10, 10, 300, 200, 0)", "taAddTab($tab, 1, \"One\")",
                               "taAddTab($tab, 2, \"Two\")", "$lb = control LISTBOX 10 220 100 100 0x0001",
                               "add $lb \"a\" \"b\" \"c\"", "click $tab 2", "click $lb 3", "click $lb 4",
                               "$e = control EDIT 200 220 100 24 0 \"Hi\"", "$t = text $e", "taGetTabSel($tab)"});
    ASSERT_EQ(11u, printed.size());
    EXPECT_EQ("line 8, column 11: there is no position 4 to click", printed[7]);
    EXPECT_EQ("$t = text $e -> \"Hi\"", printed[9]);
    EXPECT_EQ("taGetTabSel($tab) -> 2", printed[10]);
    HWND lb = reinterpret_cast<HWND>(static_cast<INT_PTR>(console->variable("lb")->integer));
    EXPECT_EQ(2, SendMessageA(lb, LB_GETCURSEL, 0, 0));
}

TEST_F(ConsoleOnKorvanet, WarnsWhereTheHostWouldReadAnArgumentOtherwise)
{
    const Lines printed = run({"$tr = control msctls_trackbar32 0 0 100 30", "trSETPOS($tr, \"30\")",
                               "$rt = control RICHEDIT50W 0 40 100 30", "rtSetTextColor($rt, \"red\")"});
    ASSERT_EQ(6u, printed.size());
    EXPECT_EQ(0u, printed[1].find("warning: argument 2 of trSETPOS is the text \"30\"")) << printed[1];
    EXPECT_EQ(0u, printed[4].find("warning: argument 2 of rtSetTextColor, \"red\", is no colour text")) << printed[4];
}

TEST_F(ConsoleOnKorvanet, HandlesShowTheSameOnEveryRunEvenOnceDestroyed)
{
    EXPECT_EQ((Lines{
                  "$b = control BUTTON 0 0 10 10 -> window HWND [Button]",
                  "RemoveControl($b) -> 1",
                  "DCCompatible($b (destroyed), 0) -> \"\"",
                  "a destroyed window",
                  "$il = ilCreateImgList(4, 4, 16, 16, 0) -> image list HIMAGELIST",
                  "ilDeleteImgList($il) -> 1",
              }),
              run({"$b = control BUTTON 0 0 10 10", "RemoveControl($b)", "DCCompatible($b, 0)", "print $b",
                   "$il = ilCreateImgList(4, 4, 16, 16, 0)", "ilDeleteImgList($il)"}));
}

TEST_F(ConsoleOnKorvanet, OptionalArgumentMayBeLeftOutOrGiven)
{
    const Lines printed = run({"$rt = control RICHEDIT50W 0 0 10 10", "rtSetNumbered($rt)", "rtSetNumbered($rt, @nPERIOD)"});
    ASSERT_EQ(3u, printed.size());
    EXPECT_EQ(0, printed[1].rfind("rtSetNumbered($rt) -> ", 0)) << printed[1];
    EXPECT_EQ(0, printed[2].rfind("rtSetNumbered($rt, @nPERIOD=512) -> ", 0)) << printed[2];
    EXPECT_EQ(0, console->failures());
}

} // namespace
