// bench: each command through the extender DLL, loaded and called as the host does,
// against a direct loop of the messages that do the same work on the same control.
//
//   bench [--repetitions N] [--sizes A,B,...] [--only TEXT] [--out FILE.md] [DLL]
//   bench --smoke [DLL]       one repetition at the smallest size: does it still run?
//
// DLL defaults to korvanet.dll beside bench.exe. Prints the table; with --out, writes it
// to the file too, under a line naming the machine. Exits with 1 when a case's two
// sides delivered different results.
#include "cases.h"
#include "harness.h"

#include "crash.h"
#include "files.h"
#include "notes.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Options {
    int repetitions = 7;
    std::vector<int> sizes = {1000, 4000, 16000};
    std::string out;
    std::string only; // runs only the cases whose name holds this text
    std::string dll = zub::besideThisProgram("korvanet.dll");
};

bool readOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--smoke") {
            options.repetitions = 1;
            options.sizes = {1000};
        } else if (a == "--repetitions" && hasValue) {
            options.repetitions = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--sizes" && hasValue) {
            options.sizes.clear();
            for (const char* p = argv[++i]; *p != '\0'; p += *p == ',' ? 1 : 0) {
                char* end = nullptr;
                const long size = std::strtol(p, &end, 10);
                if (end == p || size < 1) return false;
                options.sizes.push_back(static_cast<int>(size));
                p = end;
            }
        } else if (a == "--only" && hasValue) {
            options.only = argv[++i];
        } else if (a == "--out" && hasValue) {
            options.out = argv[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return false;
        } else {
            options.dll = a;
        }
    }
    return !options.sizes.empty();
}

// The processor and the Wine version, when the program runs under Wine.
std::string machine()
{
    char cpu[256] = "an unknown processor";
    DWORD size = sizeof cpu;
    RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", "ProcessorNameString",
                 RRF_RT_REG_SZ, nullptr, cpu, &size);
    std::string text = cpu;
    using WineVersion = const char*(CDECL*)();
    if (auto version = reinterpret_cast<WineVersion>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version")))) {
        text += ", Wine " + std::string(version());
    }
    DWORD_PTR process = 0, system = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &process, &system);
    int cpus = 0;
    for (DWORD_PTR m = process; m != 0; m &= m - 1) ++cpus;
    return text + ", " + std::to_string(cpus) + (cpus == 1 ? " CPU" : " CPUs") + " for the run";
}

void destroyChildren(HWND dialog)
{
    while (HWND child = GetWindow(dialog, GW_CHILD)) DestroyWindow(child);
    zub::Dialog::pump();
}

} // namespace

int main(int argc, char** argv)
{
    zub::exitOnCrash();
    Options options;
    if (!readOptions(argc, argv, options)) {
        std::fputs("usage: bench [--smoke] [--repetitions N] [--sizes A,B,...] [--only TEXT] [--out FILE.md] [DLL]\n", stderr);
        return 2;
    }
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    zub::installStrayNoteGuard();

    try {
        zub::Host host(options.dll);
        zub::Dialog dialog(760, 400, "bench");
        host.window = dialog.hwnd();
        bench::Extender extender(host, dialog.hwnd());

        std::vector<bench::Timing> timings;
        bool same = true;
        for (const bench::CaseMaker& maker : bench::allCases(extender, dialog, options.sizes)) {
            if (maker.name.find(options.only) == std::string::npos) continue;
            const bench::Case c = maker.make();
            timings.push_back(bench::measure(c, options.repetitions));
            const bench::Timing& t = timings.back();
            std::fprintf(stderr, "%-28s %6d  %9.3f ms  %9.3f ms  %.3f%s\n", t.name.c_str(), t.n, t.extenderMs,
                         t.directMs, t.ratio(), t.sameResult ? "" : "  results differ");
            same = same && t.sameResult;
            destroyChildren(dialog.hwnd());
        }

        const std::string table = bench::table(timings);
        std::fputs(("\n" + table).c_str(), stdout);
        if (!options.out.empty()) {
            FILE* file = std::fopen(options.out.c_str(), "wb");
            if (file == nullptr) {
                std::fprintf(stderr, "bench: cannot write %s\n", options.out.c_str());
                return 2;
            }
            const std::string text = "Fastest of " + std::to_string(options.repetitions) +
                                     " interleaved repetitions, lap by lap, on " + machine() + ".\n\n" + table;
            std::fputs(text.c_str(), file);
            std::fclose(file);
        }
        return same ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench: %s\n", e.what());
        return 2;
    }
}
