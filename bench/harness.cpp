#include "harness.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <numeric>

namespace bench {

namespace {

unsigned long long g_digest = 0;

Stopwatch* g_running = nullptr;

// The one wrapped window procedure's state.
WNDPROC g_wrapped = nullptr;
UINT g_lapMessage = 0;
int g_lapEvery = 0;
int g_lapCount = 0;

void mix(unsigned long long value) { g_digest = (g_digest ^ value) * 0x100000001B3ull; }

} // namespace

double seconds()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / frequency;
}

namespace {

// A timing long enough that the clock's resolution and its own cost do not count.
constexpr double kShortestTiming = 0.01;

struct Run {
    std::vector<double> laps;
    unsigned long long digest = 0;
    double total() const { return std::accumulate(laps.begin(), laps.end(), 0.0); }
};

Run runSide(const Side& side, int times)
{
    if (side.prepare) side.prepare();
    g_digest = 0;
    Stopwatch watch;
    side.run(watch, times);
    return Run{watch.laps(), g_digest};
}

// Each lap's fastest time over the runs so far.
void keepFastest(std::vector<double>& fastest, const std::vector<double>& laps)
{
    if (fastest.empty()) fastest.assign(laps.size(), std::numeric_limits<double>::max());
    for (size_t i = 0; i < std::min(fastest.size(), laps.size()); ++i) fastest[i] = std::min(fastest[i], laps[i]);
}

std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

void Stopwatch::start()
{
    g_running = this;
    g_lapCount = 0;
    m_start = seconds();
}

void Stopwatch::stop()
{
    m_laps.push_back(seconds() - m_start);
    g_running = nullptr;
}

void Stopwatch::splitRunning()
{
    if (g_running == nullptr) return;
    const double now = seconds();
    g_running->m_laps.push_back(now - g_running->m_start);
    g_running->m_start = now;
}

MessageLaps::MessageLaps(HWND window, UINT message, int every) : m_window(window)
{
    g_lapMessage = message;
    g_lapEvery = every;
    g_lapCount = 0;
    g_wrapped = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageLaps::wrapper)));
}

MessageLaps::~MessageLaps()
{
    if (IsWindow(m_window)) SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_wrapped));
}

LRESULT CALLBACK MessageLaps::wrapper(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == g_lapMessage && ++g_lapCount == g_lapEvery) {
        g_lapCount = 0;
        Stopwatch::splitRunning();
    }
    return CallWindowProcW(g_wrapped, window, message, wParam, lParam);
}

void deliverInteger(long value) { mix(static_cast<unsigned long>(value)); }

void deliverText(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p) mix(static_cast<unsigned char>(*p));
    mix(0);
}

std::function<void(Stopwatch&, int)> timedWhole(std::function<void()> work)
{
    return [work = std::move(work)](Stopwatch& watch, int times) {
        for (int t = 0; t < times; ++t) {
            watch.start();
            work();
            watch.stop();
        }
    };
}

std::function<void(Stopwatch&, int)> timedItems(int n, int perLap, std::function<void(int)> work)
{
    return [n, perLap, work = std::move(work)](Stopwatch& watch, int times) {
        for (int t = 0; t < times; ++t) {
            for (int first = 0; first < n; first += perLap) {
                const int end = std::min(n, first + perLap);
                watch.start();
                for (int i = first; i < end; ++i) work(i);
                watch.stop();
            }
        }
    };
}

Timing measure(const Case& c, int repetitions)
{
    Timing t;
    t.name = c.name;
    t.n = c.n;
    t.perItem = c.perItem;

    const Run firstExtender = runSide(c.extender, 1);
    const Run firstDirect = runSide(c.direct, 1);
    t.sameResult = firstExtender.digest == firstDirect.digest;
    int times = 1;
    if (!c.extender.prepare && !c.direct.prepare && firstExtender.total() > 0) {
        times = static_cast<int>(std::clamp(std::ceil(kShortestTiming / firstExtender.total()), 1.0, 10000.0));
    }

    std::vector<double> fastest[2];
    const Side* sides[2] = {&c.extender, &c.direct};
    for (int r = 0; r < repetitions; ++r) {
        unsigned long long digests[2] = {};
        for (int k = 0; k < 2; ++k) {
            const int s = r % 2 == 0 ? k : 1 - k; // A B, then B A
            const Run run = runSide(*sides[s], times);
            keepFastest(fastest[s], run.laps);
            digests[s] = run.digest;
        }
        if (digests[0] != digests[1]) t.sameResult = false;
    }
    t.extenderMs = std::accumulate(fastest[0].begin(), fastest[0].end(), 0.0) * 1000 / times;
    t.directMs = std::accumulate(fastest[1].begin(), fastest[1].end(), 0.0) * 1000 / times;
    return t;
}

std::string table(const std::vector<Timing>& timings)
{
    std::string out = "| case | n | extender ms | direct ms | ratio |\n|---|---:|---:|---:|---:|\n";
    for (const Timing& t : timings) {
        out += "| " + t.name + " | " + std::to_string(t.n) + " | " + format("%.3f", t.extenderMs) + " | " +
               format("%.3f", t.directMs) + " | " + format("%.3f", t.ratio()) +
               (t.sameResult ? "" : " (results differ)") + " |\n";
    }

    // Per-item cost at the smallest and the largest n of each case that has several.
    std::map<std::string, std::pair<const Timing*, const Timing*>> span;
    std::vector<std::string> order;
    for (const Timing& t : timings) {
        if (!t.perItem) continue;
        auto [it, added] = span.try_emplace(t.name, &t, &t);
        if (added) order.push_back(t.name);
        if (t.n < it->second.first->n) it->second.first = &t;
        if (t.n > it->second.second->n) it->second.second = &t;
    }
    std::string growth;
    for (const std::string& name : order) {
        const auto [small, large] = span[name];
        if (small == large) continue;
        const double extender = (large->extenderMs / large->n) / (small->extenderMs / small->n);
        const double direct = (large->directMs / large->n) / (small->directMs / small->n);
        growth += "| " + name + " | " + std::to_string(small->n) + " to " + std::to_string(large->n) + " | " +
                  format("%.3f", small->extenderMs * 1000 / small->n) + " to " +
                  format("%.3f", large->extenderMs * 1000 / large->n) + " | " + format("%.3f", extender) + " | " +
                  format("%.3f", direct) + " | " + format("%.3f", extender / direct) + " |\n";
    }
    if (!growth.empty()) {
        out += "\n| case | n | extender µs per item | extender growth | direct growth | growth ratio |\n"
               "|---|---|---|---:|---:|---:|\n" +
               growth;
    }
    return out;
}

} // namespace bench
