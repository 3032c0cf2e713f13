// The benchmark's cases: each command through the extender, as the host calls it,
// against the messages that do the same work sent straight to the same control.
#pragma once

#include "harness.h"

#include "dialog.h"
#include "host.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// Calls commands through _ZUBExtender2@40 with argument cells built once, as a host
// that runs the same statement in a loop would; the result goes to the digest.
class Extender {
public:
    Extender(zub::Host& host, HWND window);

    struct Call {
        int index = 0;
        int given = 0;
        std::vector<zub::Cell> cells;
        zub::Cell result = {};
    };
    // A command call ready to run; integer cells can be changed between runs.
    Call prepare(const std::string& name, const std::vector<zub::Arg>& args);
    long call(Call& call)
    {
        return m_proc(m_window, m_host.instance, m_host.context, call.index, m_complete, m_host.hostData, 0,
                      call.cells.data(), call.given, &call.result);
    }

private:
    zub::Host& m_host;
    zub::Extender2Proc m_proc;
    zub::CompleteProc m_complete;
    HWND m_window;
    std::deque<std::string> m_texts; // what text cells point to
};

// Makes one case: its controls in the dialog, filled; they stay until the dialog's
// children are destroyed.
struct CaseMaker {
    std::string name;
    std::function<Case()> make;
};

// Every case at each list size, in the order they are reported.
std::vector<CaseMaker> allCases(Extender& extender, zub::Dialog& dialog, const std::vector<int>& sizes);

} // namespace bench
