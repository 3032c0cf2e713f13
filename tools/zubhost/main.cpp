// zubhost: a console host for trying an extender without the closed scripting host.
//
//   zubhost --table [DLL]                  identity and table, as the host sees them
//   zubhost [options] SCRIPT [DLL]         runs a script, printing every call
//   zubhost [options] - [DLL]              statements from standard input (a prompt at a
//                                          terminal; help, quit)
//
// Options: --interactive (message boxes and the dialog are left to the user; needs a display),
// --strict (stop at the first line that cannot run), --classic (the classic common
// controls instead of version 6), --shot FILE.png (a picture of
// the dialog when the script ends).
#include "console.h"
#include "files.h"
#include "resource.h"

#include <windows.h>
#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <deque>
#include <iostream>
#include <optional>
#include <sstream>
#include <variant>

namespace {

constexpr int kLinesFailed = 1;
constexpr int kCannotStart = 2;
constexpr int kCrashed = 3;

const char kUsage[] =
    "usage: zubhost --table [DLL]\n"
    "       zubhost --help [NAME] [DLL]\n"
    "       zubhost [--interactive] [--strict] [--classic] [--shot FILE.png] SCRIPT|- [DLL]\n"
    "DLL defaults to korvanet.dll beside zubhost.exe; - reads statements from standard input.\n"
    "--help NAME shows the reference of a command or constant (lvDeleteItem, @LEFT) or of a\n"
    "family (listviews); the statement help lists them all.\n";

LONG WINAPI reportCrash(EXCEPTION_POINTERS* info)
{
    std::fflush(stdout);
    const int line = zub::console::Console::currentLine();
    std::printf("line %d: the call crashed: exception 0x%08lX at %p", line, info->ExceptionRecord->ExceptionCode,
                info->ExceptionRecord->ExceptionAddress);
    const std::string& warning = zub::console::Console::currentWarning();
    if (!warning.empty()) std::printf(" (line %d was sent with a warning: %s)", line, warning.c_str());
    std::printf("\n");
    std::fflush(stdout);
    ExitProcess(kCrashed);
}

std::string baseName(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> splitLines(const std::string& content)
{
    std::vector<std::string> lines;
    std::string text = content;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3); // a UTF-8 mark at the start
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Standard input, read on a thread of its own, so the dialog keeps painting while
// the console waits for the next statement.
struct InputLines {
    CRITICAL_SECTION lock;
    HANDLE ready = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::deque<std::optional<std::string>> lines; // nullopt: the input has ended

    InputLines() { InitializeCriticalSection(&lock); }

    void push(std::optional<std::string> line)
    {
        EnterCriticalSection(&lock);
        lines.push_back(std::move(line));
        LeaveCriticalSection(&lock);
        SetEvent(ready);
    }

    bool pop(std::optional<std::string>& line)
    {
        EnterCriticalSection(&lock);
        const bool any = !lines.empty();
        if (any) {
            line = std::move(lines.front());
            lines.pop_front();
        }
        LeaveCriticalSection(&lock);
        return any;
    }

    static DWORD WINAPI reader(void* self)
    {
        auto* input = static_cast<InputLines*>(self);
        std::string line;
        bool first = true;
        while (std::getline(std::cin, line)) {
            if (first && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
            first = false;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            // Ctrl-Z then Enter ends the input at a Windows console (the console itself
            // reports the end); where Ctrl-Z or Ctrl-D comes through as a character (Wine's
            // console in a terminal passes Ctrl-D and drops Ctrl-Z), it ends it here.
            if (!line.empty() && (line[0] == '\x1A' || line[0] == '\x04')) break;
            input->push(line);
        }
        input->push(std::nullopt);
        return 0;
    }
};

struct Options {
    bool table = false;
    bool help = false;
    std::string helpName; // with --help: the command, constant or family asked about
    bool interactive = false;
    bool strict = false;
    bool classic = false;
    std::string shot;
    std::string script; // a file, or "-" for standard input; empty with --table
    std::string dll;
};

// The command line as options, or the exit code when it ends the program here (help
// was asked for, or a usage error; either is printed).
std::variant<Options, int> readOptions(int argc, char** argv)
{
    Options options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--table") options.table = true;
        else if (a == "--interactive") options.interactive = true;
        else if (a == "--strict") options.strict = true;
        else if (a == "--classic") options.classic = true;
        else if (a == "--shot" && i + 1 < argc) options.shot = argv[++i];
        else if (a == "--help" || a == "-h" || a == "/?") {
            options.help = true;
            if (i + 1 < argc && argv[i + 1][0] != '-') options.helpName = argv[++i];
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            std::fprintf(stderr, "zubhost: unknown option %s\n%s", a.c_str(), kUsage);
            return kCannotStart;
        } else {
            positional.push_back(a);
        }
    }
    // The script (none with --table or --help), then the DLL if given.
    const size_t needed = options.table || options.help ? 0 : 1;
    if (positional.size() < needed || positional.size() > needed + 1) {
        std::fputs(kUsage, stderr);
        return kCannotStart;
    }
    if (needed == 1) options.script = positional[0];
    options.dll = positional.size() > needed ? positional[needed] : zub::besideThisProgram("korvanet.dll");
    return options;
}

// --help: the usage, or the reference of a name. The extender's table, when it loads,
// gives the names that an unknown one is matched against.
int printHelp(const Options& options)
{
    if (options.helpName.empty()) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::vector<zub::EntryInfo> table;
    try {
        zub::Host host(options.dll);
        table = host.table();
    } catch (const std::exception&) {
        // Without the extender the reference's own names serve.
    }
    const std::string problem = zub::console::printHelp(table, options.helpName, std::cout);
    if (problem.empty()) return 0;
    std::fprintf(stderr, "zubhost: %s\n", problem.c_str());
    return kCannotStart;
}

// Crashes reported with their line, no system error boxes, and lines that end in a
// line feed alone, on every platform.
void prepareProcess()
{
    SetUnhandledExceptionFilter(reportCrash);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    _setmode(_fileno(stdout), _O_BINARY);
}

// The common controls of version 6 for every window the console and the extender make
// from now on: the manifest resource's activation context, active for the rest of the
// process. A host whose program carries that manifest shows the controls so; without
// it (--classic) they are the classic controls. False, with the reason printed, when the
// context cannot be made.
bool useCommonControls6()
{
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = GetModuleHandleA(nullptr);
    request.lpResourceName = MAKEINTRESOURCEA(ZUBHOST_COMMON_CONTROLS_6);
    const HANDLE context = CreateActCtxA(&request);
    ULONG_PTR cookie = 0;
    if (context == INVALID_HANDLE_VALUE || !ActivateActCtx(context, &cookie)) {
        std::fprintf(stderr, "zubhost: cannot use the common controls of version 6 (error %lu)\n", GetLastError());
        return false;
    }
    return true;
}

// Registers the common control classes of the version the process uses: the library is
// looked up through the active context (version 6, or the classic one with --classic).
void initCommonControls()
{
    const HMODULE library = LoadLibraryA("comctl32.dll");
    using InitProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<InitProc>(
        reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_ANIMATE_CLASS |
                                                ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    if (init != nullptr) init(&icc);
}

// The extender loaded as the host loads it; nothing, with the reason printed, when it
// cannot be.
std::optional<zub::Host> loadExtender(const std::string& path)
{
    try {
        return std::optional<zub::Host>(std::in_place, path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zubhost: %s\n", e.what());
        return std::nullopt;
    }
}

// The script's lines; nothing, with the reason printed, when it cannot be read.
std::optional<std::vector<std::string>> readScript(const std::string& path)
{
    const std::optional<std::string> content = zub::readFile(path);
    if (!content) {
        std::fprintf(stderr, "zubhost: cannot read %s\n", path.c_str());
        return std::nullopt;
    }
    return splitLines(*content);
}

void runLines(zub::console::Console& console, const std::vector<std::string>& lines, bool strict)
{
    for (size_t i = 0; i < lines.size() && !console.finished(); ++i) {
        if (!console.run(lines[i], static_cast<int>(i) + 1) && strict) return;
    }
    console.finish();
}

// The prompt; inside a for, one that says the lines wait for its end.
void prompt(const zub::console::Console& console)
{
    std::fputs(console.collecting() ? "...> " : "zub> ", stdout);
    std::fflush(stdout);
}

// Statements from standard input as they come, until the input ends or the dialog is
// closed; the dialog keeps working in between.
void runInput(zub::console::Console& console, HWND dialog, bool strict)
{
    static InputLines input; // the reader thread may outlive this scope at exit
    const bool prompting = GetFileType(GetStdHandle(STD_INPUT_HANDLE)) == FILE_TYPE_CHAR;
    CloseHandle(CreateThread(nullptr, 0, InputLines::reader, &input, 0, nullptr));
    int number = 0;
    bool ended = false;
    bool stopped = false;
    if (prompting) {
        std::fputs("zubhost: one statement a line; help lists the commands and statements, help NAME shows one;\n"
                   "quit, or the end of the input (Ctrl-Z then Enter; in a terminal under Wine, Ctrl-D then Enter),\n"
                   "ends.\n",
                   stderr);
        prompt(console);
    }
    while (!ended && !stopped && IsWindow(dialog)) {
        MsgWaitForMultipleObjects(1, &input.ready, FALSE, INFINITE, QS_ALLINPUT);
        zub::Dialog::pump();
        std::optional<std::string> line;
        while (!ended && !stopped && input.pop(line)) {
            if (!line) {
                ended = true;
                break;
            }
            if (!console.run(*line, ++number) && strict) stopped = true;
            console.pump(); // typed by hand: the dialog shows each line's work at once
            if (console.finished()) stopped = true;
            if (prompting && !stopped) prompt(console);
        }
    }
    if (!stopped) console.finish();
}

// Saves the dialog's picture; false, with the reason printed, when it cannot.
bool savePicture(HWND dialog, const std::string& path)
{
    const std::string problem = zub::console::saveShot(dialog, path);
    if (problem.empty()) return true;
    std::fprintf(stderr, "zubhost: no picture: %s\n", problem.c_str());
    return false;
}

// The user looks at the controls and closes the dialog when done.
void waitForUser(HWND dialog)
{
    if (IsWindow(dialog)) {
        std::fputs("zubhost: the dialog stays until it is closed\n", stderr);
        std::fflush(stderr);
    }
    while (IsWindow(dialog)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
        zub::Dialog::pump();
    }
}

// The dialog, or nothing with the reason printed. On a fresh Wine prefix the first
// windows can fail while the prefix's desktop is still starting: a few tries, briefly.
std::optional<zub::Dialog> makeDialog(const char* title)
{
    constexpr int kTries = 10;
    for (int attempt = 1;; ++attempt) {
        try {
            return std::optional<zub::Dialog>(std::in_place, 800, 600, title);
        } catch (const std::runtime_error& e) {
            if (attempt == kTries) {
                std::fprintf(stderr, "zubhost: %s\n", e.what());
                return std::nullopt;
            }
            Sleep(200);
        }
    }
}

// Runs the script (or standard input) in a dialog of its own and gives the exit code.
int runScript(zub::Host& host, const Options& options)
{
    const bool fromInput = options.script == "-";
    std::vector<std::string> lines;
    if (!fromInput) {
        std::optional<std::vector<std::string>> read = readScript(options.script);
        if (!read) return kCannotStart;
        lines = std::move(*read);
    }

    // The dialog goes before the extender is unloaded, in case the extender's code
    // still serves its windows.
    std::optional<zub::Dialog> made =
        makeDialog(("zubhost - " + (fromInput ? std::string("input") : baseName(options.script))).c_str());
    if (!made) return kCannotStart;
    zub::Dialog& dialog = *made;
    zub::NoteCatcher notes;
    notes.answer = !options.interactive;
    host.window = dialog.hwnd();
    zub::console::Console console(host, dialog, notes, std::cout);
    // Typed by hand or run strictly, a call that could crash the session is refused.
    console.refuseWrongKinds(fromInput || options.strict);
    console.stopAtFailure(options.strict);
    if (fromInput) runInput(console, dialog.hwnd(), options.strict);
    else runLines(console, lines, options.strict);

    console.pump();
    int status = console.failures() > 0 ? kLinesFailed : 0;
    if (!options.shot.empty() && !savePicture(dialog.hwnd(), options.shot)) status = kCannotStart;
    if (options.interactive) waitForUser(dialog.hwnd());
    std::fflush(stdout);
    if (fromInput) ExitProcess(static_cast<UINT>(status)); // the reader may still wait on the input
    return status;
}

// What the command line asks for; the exit code.
int run(int argc, char** argv)
{
    const std::variant<Options, int> parsed = readOptions(argc, argv);
    if (const int* exitCode = std::get_if<int>(&parsed)) return *exitCode;
    const Options& options = std::get<Options>(parsed);
    if (options.help) return printHelp(options);

    if (options.interactive && !zub::console::screenAvailable()) {
        std::fputs("zubhost: --interactive cannot wait for a user: there is no display to show the dialog on "
                   "(Wine's null graphics driver?); run without --interactive, or on a display\n",
                   stderr);
        return kCannotStart;
    }
    if (!options.classic && !useCommonControls6()) return kCannotStart;
    initCommonControls();
    std::optional<zub::Host> host = loadExtender(options.dll);
    if (!host) return kCannotStart;
    if (options.table) {
        zub::console::printTable(*host, std::cout);
        return 0;
    }
    return runScript(*host, options);
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    // Whatever fails is reported as the console's own failure, never by the runtime's
    // "terminate called".
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "zubhost: %s\n", e.what());
    } catch (...) {
        std::fflush(stdout);
        std::fputs("zubhost: an unexpected failure\n", stderr);
    }
    return kCannotStart;
}
