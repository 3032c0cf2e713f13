// zubhost.exe as a user starts it: command line, standard input, output and exit code.
#include "files.h"
#include "test_paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

namespace {

struct Outcome {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

std::string drain(HANDLE pipe)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

DWORD WINAPI drainThread(void* p)
{
    auto* args = static_cast<std::pair<HANDLE, std::string*>*>(p);
    *args->second = drain(args->first);
    return 0;
}

// Runs zubhost.exe with the arguments, feeding the input on its standard input.
Outcome zubhost(const std::string& arguments, const std::string& input = "")
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE inRead, inWrite, outRead, outWrite, errRead, errWrite;
    CreatePipe(&inRead, &inWrite, &inherit, 0);
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = inRead;
    start.hStdOutput = outWrite;
    start.hStdError = errWrite;
    std::string command = std::string("\"") + ZUB_HOST_EXE + "\" " + arguments;
    PROCESS_INFORMATION process = {};
    Outcome outcome;
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process);
    CloseHandle(inRead);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (!started) {
        ADD_FAILURE() << "cannot start " << command;
        return outcome;
    }
    std::pair<HANDLE, std::string*> errArgs{errRead, &outcome.err};
    HANDLE errReader = CreateThread(nullptr, 0, drainThread, &errArgs, 0, nullptr);
    DWORD written = 0;
    if (!input.empty()) WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    CloseHandle(inWrite);
    outcome.out = drain(outRead);
    WaitForSingleObject(errReader, 60000);
    CloseHandle(errReader);
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &outcome.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(outRead);
    CloseHandle(errRead);
    return outcome;
}

const std::string kExtender = std::string("\"") + ZUB_TEST_EXTENDER + "\"";

TEST(Program, TableShowsIdentityAndEveryEntry)
{
    const Outcome run = zubhost("--table " + kExtender);
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("identity   \"Console test extender.\" version 7\n")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("interface  level 5\n")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("entries    9: 7 commands, 2 constants\n")) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\n +1  command   tsum +\\(int, int \\[, int\\]\\)\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\n +2  command   tnote +\\(text, text\\)\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\n +7  constant  @answer += 42 \\(0x2A\\)\n"))) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\n +8  constant  @minus += -7 \\(0xFFFFFFF9\\)\n"))) << run.out;
    EXPECT_EQ(std::string::npos, run.out.find('\r')) << "lines end in a line feed alone";
}

TEST(Program, TableOfKorvanetByDefault)
{
    const Outcome run = zubhost("--table");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("\"64-bit integer math ZUB Extender.\" version 44001")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("entries    131: 120 commands, 11 constants")) << run.out;
    EXPECT_TRUE(std::regex_search(run.out, std::regex("\n +84  command   trsetbuddy +\\(int, int, int, int, text, text\\)\n")))
        << run.out;
}

TEST(Program, StandardInputRunsStatementByStatementAndBadLinesGiveExitCodeOne)
{
    const Outcome run = zubhost("- " + kExtender, "tSum(1, 2)\r\nbogus(1)\n\ntNote(\"Saved\", \"Note\")\ntEcho(\"end\")\n");
    EXPECT_EQ(1u, run.exitCode) << run.err;
    EXPECT_EQ("tSum(1, 2) -> 3\n"
              "line 2, column 1: unknown command bogus (not in the table)\n"
              "tNote(\"Saved\", \"Note\") -> 1\n"
              "  note [Note] Saved\n"
              "tEcho(\"end\") -> \"end\"\n",
              run.out);
}

TEST(Program, ScriptThatRunsWholeGivesExitCodeZero)
{
    const zub::TempFolder folder;
    const std::string path = folder.write("program.zub", "# two calls\n$s = tSum(20, 22)\nprint \"sum\" $s\n");
    const Outcome run = zubhost("\"" + path + "\" " + kExtender);
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_EQ("$s = tSum(20, 22) -> 42\nsum 42\n", run.out);
}

TEST(Program, StrictStopsAtTheFirstBadLine)
{
    const Outcome run = zubhost("--strict - " + kExtender, "tSum(1, 1)\ntSum(1)\ntSum(2, 2)\n");
    EXPECT_EQ(1u, run.exitCode);
    EXPECT_EQ("tSum(1, 1) -> 2\nline 2, column 7: tSum takes 2 or 3 arguments (int, int [, int]), got 1\n", run.out);
}

TEST(Program, HelpAndQuitAtThePrompt)
{
    const Outcome run = zubhost("- " + kExtender, "help\ntSum(1, 1)\nquit\ntSum(2, 2)\n");
    EXPECT_EQ(0u, run.exitCode) << run.err;
    EXPECT_NE(std::string::npos, run.out.find("\n  quit  ")) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("tSum(1, 1) -> 2\n")) << run.out;
    EXPECT_EQ(std::string::npos, run.out.find("tSum(2, 2)")) << "nothing runs after quit: " << run.out;
}

TEST(Program, InteractiveWithoutADisplaySaysSoAndExitsTwo)
{
    // The tests' prefix has the null graphics driver: no user could see the dialog.
    const Outcome run = zubhost("--interactive - " + kExtender, "tSum(1, 1)\n");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("cannot wait for a user")) << run.err;
    EXPECT_EQ("", run.out);
}

TEST(Program, HelpShowsTheReferenceEntryOrTheNearestNames)
{
    const Outcome entry = zubhost("--help LVDELETEITEM");
    EXPECT_EQ(0u, entry.exitCode) << entry.err;
    EXPECT_EQ(0u, entry.out.find("lvDeleteItem\n------------\n")) << entry.out;
    EXPECT_EQ(std::string::npos, entry.out.find("\n|")) << "tables show without their pipes: " << entry.out;
    EXPECT_EQ(std::string::npos, entry.out.find("```")) << "examples show without their fences: " << entry.out;
    EXPECT_EQ(std::string::npos, entry.out.find("lvGetItemCheck\n---")) << "the next entry is not shown: " << entry.out;

    const Outcome statement = zubhost("--help type");
    EXPECT_EQ(0u, statement.exitCode) << statement.err;
    EXPECT_EQ(0u, statement.out.find("type\n----\n")) << statement.out;

    const Outcome slip = zubhost("--help lvInsertItm");
    EXPECT_EQ(2u, slip.exitCode);
    EXPECT_NE(std::string::npos, slip.err.find("unknown command lvInsertItm; did you mean lvInsertItem?")) << slip.err;
}

TEST(Program, CommonControlsOfVersionSixUnlessClassic)
{
    // BCM_GETIDEALSIZE (0x1601) is a message of the version 6 button alone; the text's
    // characters take the size it writes.
    const std::string script = "$b = control BUTTON 10 10 80 24 0 \"Press\"\nsend $b 0x1601 0 \"12345678\"\n";
    EXPECT_NE(std::string::npos, zubhost("- " + kExtender, script).out.find("send $b 0x1601 0 \"12345678\" -> 1"));
    EXPECT_NE(std::string::npos, zubhost("--classic - " + kExtender, script).out.find("send $b 0x1601 0 \"12345678\" -> 0"));
}

TEST(Program, CrashingCommandIsReportedWithItsLineAndExitCodeThree)
{
    const Outcome run = zubhost("- " + kExtender, "tSum(1, 1)\n\ntCrash()\ntSum(2, 2)\n");
    EXPECT_EQ(3u, run.exitCode);
    EXPECT_EQ(0u, run.out.find("tSum(1, 1) -> 2\nline 3: the call crashed: exception 0xC0000005 at ")) << run.out;
    EXPECT_EQ(std::string::npos, run.out.find("tSum(2, 2)")) << run.out;
}

TEST(Program, CallOnAWindowOfAnotherKindIsRefusedAtThePromptAndItsCrashNamesTheWarningInAScript)
{
    const std::string lines = "$sb = control msctls_statusbar32 0 0 100 20\ntrSETPOS($sb, 5)\nprint \"alive\"\n";
    const Outcome prompt = zubhost("-", lines);
    EXPECT_EQ(1u, prompt.exitCode);
    EXPECT_NE(std::string::npos, prompt.out.find("line 2, column 10: $sb is a msctls_statusbar32; trSETPOS drives a "
                                                 "trackbar")) << prompt.out;
    EXPECT_NE(std::string::npos, prompt.out.find("\nalive\n")) << prompt.out;

    const zub::TempFolder folder;
    const Outcome script = zubhost("\"" + folder.write("crash.zub", lines) + "\"");
    EXPECT_EQ(3u, script.exitCode) << script.out;
    EXPECT_NE(std::string::npos, script.out.find("(line 2 was sent with a warning: $sb is a msctls_statusbar32; "
                                                 "trSETPOS drives a trackbar (msctls_trackbar32))\n")) << script.out;
}

TEST(Program, WhatCannotStartGivesExitCodeTwo)
{
    const Outcome noDll = zubhost("--table Z:\\nowhere\\none.dll");
    EXPECT_EQ(2u, noDll.exitCode);
    EXPECT_NE(std::string::npos, noDll.err.find("cannot load Z:\\nowhere\\none.dll")) << noDll.err;

    const Outcome noScript = zubhost("Z:\\nowhere\\none.zub " + kExtender);
    EXPECT_EQ(2u, noScript.exitCode);
    EXPECT_NE(std::string::npos, noScript.err.find("cannot read Z:\\nowhere\\none.zub")) << noScript.err;

    const Outcome noExtender = zubhost("--table \"" + ZUB_HOST_EXE + "\"");
    EXPECT_EQ(2u, noExtender.exitCode);
    EXPECT_NE(std::string::npos, noExtender.err.find("lacks the extender exports")) << noExtender.err;

    EXPECT_EQ(2u, zubhost("--frobnicate -").exitCode);
    EXPECT_EQ(2u, zubhost("").exitCode);
}

TEST(Program, ShotWithoutADisplaySaysWhy)
{
    // The tests' prefix has the null graphics driver: nothing shows, so there is no
    // picture to take, and the console says so rather than save an empty one.
    const zub::TempFolder folder;
    const std::string picture = folder.file("shot.png");
    const Outcome run = zubhost("--shot \"" + picture + "\" - " + kExtender, "control BUTTON 10 10 80 24 0 \"x\"\n");
    EXPECT_EQ(2u, run.exitCode);
    EXPECT_NE(std::string::npos, run.err.find("no picture: nothing to see")) << run.err;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(picture.c_str()));
}

} // namespace
