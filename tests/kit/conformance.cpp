// The conformance kit's runner, which run-tests.cmd starts from the kit's folder: every
// test program listed in programs.txt, one after another, each in its own folder and
// with the kit's files found in the kit (KORVANET_KIT, KORVANET_DLL), then one report:
// the system (its version as RtlGetVersion gives it, Wine or not), the extender's
// version, and per program its counts, its failing tests and what they printed. The
// reference's examples are tests of docs_tests, listed one by one with both outputs
// where they differ. Writes the report and, in the temp folder, the programs' output.
//   conformance REPORT
#include "files.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TestResult {
    std::string name;
    bool passed = false;
    std::string printed; // between its start and its end
};

struct ProgramRun {
    std::string program;
    std::vector<TestResult> tests;
    int passed = 0, failed = 0, skipped = 0, unconfirmed = 0;
    std::string ending; // empty when the program ended by itself with its tests' outcome
};

const char kUnconfirmed[] = "not confirmed on Windows: ";

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// The test's name in a line of GoogleTest's after its "[ ... ] " marker: up to the
// first space or comma.
std::string testName(const std::string& line)
{
    const std::string rest = line.substr(13);
    return rest.substr(0, rest.find_first_of(" ,"));
}

ProgramRun readOutput(const std::string& program, const std::string& output)
{
    ProgramRun run{program, {}, 0, 0, 0, 0, {}};
    std::istringstream in(output);
    TestResult* current = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (startsWith(line, kUnconfirmed)) ++run.unconfirmed;
        if (startsWith(line, "[ RUN      ] ")) {
            run.tests.push_back({testName(line), false, {}});
            current = &run.tests.back();
        } else if (current != nullptr && startsWith(line, "[       OK ] ") && testName(line) == current->name) {
            current->passed = true;
            ++run.passed;
            current = nullptr;
        } else if (current != nullptr && startsWith(line, "[  SKIPPED ] ") && testName(line) == current->name) {
            current->passed = true;
            ++run.skipped;
            current = nullptr;
        } else if (current != nullptr && startsWith(line, "[  FAILED  ] ") && testName(line) == current->name) {
            ++run.failed;
            current = nullptr;
        } else if (current != nullptr) {
            current->printed += line + "\n";
        }
    }
    if (current != nullptr) {
        ++run.failed; // the program ended inside it
        run.ending = "ended inside " + current->name;
    }
    return run;
}

std::string windowsPath(std::string path)
{
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

constexpr unsigned long kPatienceMs = 30 * 60 * 1000;

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string windowsVersion()
{
    using GetVersion = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto get = reinterpret_cast<GetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (get == nullptr || get(&info) != 0) return "unknown (RtlGetVersion failed)";
    std::string text = std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion) + " build " +
                       std::to_string(info.dwBuildNumber);
    if (info.wServicePackMajor != 0) text += " service pack " + std::to_string(info.wServicePackMajor);
    text += info.wProductType == VER_NT_WORKSTATION ? ", workstation" : ", server";
    return text;
}

std::string wine()
{
    using GetVersion = const char*(CDECL*)();
    const auto get = reinterpret_cast<GetVersion>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    return get == nullptr ? "no" : std::string("yes, Wine ") + get();
}

std::string fileVersion(const std::string& file)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    std::vector<char> data(size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || fixed == nullptr) {
        return "unknown (no version resource)";
    }
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
}

std::string now()
{
    SYSTEMTIME time;
    GetLocalTime(&time);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute);
    return text;
}

std::string indented(const std::string& text, const std::string& indent)
{
    std::string result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result += indent + line + "\n";
    return result;
}

// The examples of the reference: docs_tests' tests of that name, by the controls they ran with.
constexpr const char* kExampleKinds[][2] = {
    {"Reference/Examples.PrintWhatThePageSaysUnder/", "common controls 6"},
    {"Reference/Examples.PrintWhatThePageSaysUnderClassicControls/", "classic controls (--classic)"},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: conformance REPORT\n");
        return 2;
    }
    const std::string kit = zub::besideThisProgram("");
    SetEnvironmentVariableA("KORVANET_KIT", kit.c_str());
    SetEnvironmentVariableA("KORVANET_DLL", (kit + "korvanet.dll").c_str());
    const std::string started = now();

    std::vector<std::string> programs;
    std::istringstream list(zub::readFile(kit + "programs.txt").value_or(""));
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) programs.push_back(windowsPath(line));
    }

    const zub::TempFolder temp("korvanet-kit");
    std::vector<ProgramRun> runs;
    for (const std::string& program : programs) {
        std::printf("%s ... ", program.c_str());
        std::fflush(stdout);
        // A file of its own: a process the program started may still hold the last one.
        const std::string outputFile = temp.file(program.substr(program.find_last_of('\\') + 1) + ".txt");
        const std::optional<unsigned long> exitCode =
            zub::runWithOutputIn("\"" + kit + program + "\"", outputFile, folderOf(kit + program), kPatienceMs);
        ProgramRun run = readOutput(program, zub::readFile(outputFile).value_or(""));
        if (!exitCode) run.ending = "did not start or did not end within 30 minutes";
        else if (run.tests.empty()) run.ending = "ran no tests (exit code " + std::to_string(*exitCode) + ")";
        else if ((*exitCode != 0) != (run.failed != 0) && run.ending.empty()) {
            run.ending = "ended with exit code " + std::to_string(*exitCode);
        }
        std::printf("%d passed, %d failed%s\n", run.passed, run.failed, run.ending.empty() ? "" : " (did not finish)");
        runs.push_back(std::move(run));
    }

    std::ostringstream report;
    report << "Korvanet conformance report\n"
           << "Windows: " << windowsVersion() << "\n"
           << "Wine: " << wine() << "\n"
           << "Extender: korvanet.dll " << fileVersion(kit + "korvanet.dll") << "\n"
           << "Kit: " << kit << "\n"
           << "Run: " << started << " to " << now() << "\n\n"
           << "Test programs (passed, failed, not confirmed on Windows)\n";
    int passed = 0, failed = 0, unconfirmed = 0, unfinished = 0;
    for (const ProgramRun& run : runs) {
        report << "  " << run.program << ": " << run.passed << " passed, " << run.failed << " failed, " << run.unconfirmed
               << " not confirmed on Windows";
        if (run.skipped != 0) report << ", " << run.skipped << " skipped";
        report << "\n";
        if (!run.ending.empty()) report << "    did not finish: " << run.ending << "\n";
        for (const TestResult& test : run.tests) {
            if (!test.passed) report << "    failed: " << test.name << "\n";
        }
        passed += run.passed;
        failed += run.failed;
        unconfirmed += run.unconfirmed;
        unfinished += run.ending.empty() ? 0 : 1;
    }

    std::string examplesSummary;
    for (const auto& [prefix, kind] : kExampleKinds) {
        report << "\nReference examples, " << kind << "\n";
        int count = 0, matching = 0;
        for (const ProgramRun& run : runs) {
            for (const TestResult& test : run.tests) {
                if (!startsWith(test.name, prefix)) continue;
                ++count;
                matching += test.passed ? 1 : 0;
                report << "  " << test.name.substr(std::string(prefix).size()) << ": "
                       << (test.passed ? "matches" : "differs") << "\n";
                if (!test.passed) report << indented(test.printed, "    | ");
            }
        }
        examplesSummary += (examplesSummary.empty() ? "" : ", ") + std::to_string(matching) + " of " +
                           std::to_string(count) + " match with " + kind;
    }

    report << "\nWhat the failing tests printed\n";
    for (const ProgramRun& run : runs) {
        for (const TestResult& test : run.tests) {
            if (test.passed || startsWith(test.name, "Reference/Examples.")) continue;
            report << "  " << run.program << ": " << test.name << "\n" << indented(test.printed, "    | ");
        }
    }

    report << "\nSummary: " << runs.size() << " programs (" << unfinished << " did not finish), " << passed << " passed, "
           << failed << " failed, " << unconfirmed << " not confirmed on Windows; examples: " << examplesSummary << "\n";

    // Notepad's line ends.
    std::string text;
    for (char c : report.str()) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::ofstream file(argv[1], std::ios::binary);
    file << text;
    if (!file.flush()) {
        std::fprintf(stderr, "the report %s could not be written\n", argv[1]);
        return 1;
    }
    std::printf("\n%s\nThe report: %s\n", text.substr(text.find("Summary: ")).c_str(), argv[1]);
    return failed == 0 && unfinished == 0 ? 0 : 1;
}
