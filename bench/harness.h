// Timing of a command through the extender against a direct loop of the messages that
// do the same work: both sides interleaved, the minimum of several repetitions, and a
// digest of what each side delivered, so a side that did other work is caught.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// What a side hands over as its result: the extender's completion function and the
// direct loop feed the same digest.
void deliverInteger(long value);
void deliverText(const char* text);

// The clock, in seconds.
double seconds();

// Times the parts of a run, each part a lap. The laps of many runs are compared lap
// by lap, so a lap that another process interrupted in one run is taken from a run
// where it was not.
class Stopwatch {
public:
    void start();
    void stop();
    // Ends a lap and starts the next, in the stopwatch that is running, if any.
    static void splitRunning();
    const std::vector<double>& laps() const { return m_laps; }

private:
    double m_start = 0;
    std::vector<double> m_laps;
};

// Splits one long command into laps: while it lives, the control's window procedure
// is wrapped, and every `every`-th message of the kind given ends a lap. Both sides
// of a case meet the same wrapper. One at a time.
class MessageLaps {
public:
    MessageLaps(HWND window, UINT message, int every);
    ~MessageLaps();
    MessageLaps(const MessageLaps&) = delete;
    MessageLaps& operator=(const MessageLaps&) = delete;

private:
    static LRESULT CALLBACK wrapper(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_window;
};

// One side of a case.
struct Side {
    // Brings the control to the state a run starts from; not timed.
    std::function<void()> prepare;
    // Does the work `times` times over, timing it in laps.
    std::function<void(Stopwatch&, int times)> run;
};

// The work as one lap.
std::function<void(Stopwatch&, int)> timedWhole(std::function<void()> work);
// The work for items 0 to n - 1, a lap for every `perLap` items.
std::function<void(Stopwatch&, int)> timedItems(int n, int perLap, std::function<void(int)> work);

struct Case {
    Case(std::string caseName, int size, bool growsWithSize) : name(std::move(caseName)), n(size), perItem(growsWithSize) {}

    std::string name;
    int n = 0;              // items, calls or keystrokes
    bool perItem = false;   // the cost grows with n: its per-item growth is reported
    Side extender;
    Side direct;
};

struct Timing {
    std::string name;
    int n = 0;
    bool perItem = false;
    double extenderMs = 0; // for one run of the work
    double directMs = 0;
    bool sameResult = true;
    double ratio() const { return extenderMs / directMs; }
};

// Runs each side once unmeasured, then `repetitions` times in alternating order (A B,
// B A, ...). A side's time is the sum over its laps of each lap's fastest time. A run
// shorter than 10 ms does its work several times over, unless the case prepares its
// control before every run.
Timing measure(const Case& c, int repetitions);

// The results as a Markdown table, and the growth of the per-item cost from the
// smallest to the largest n of each case beside the direct loop's own growth.
std::string table(const std::vector<Timing>& timings);

} // namespace bench
