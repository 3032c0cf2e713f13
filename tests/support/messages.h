// The messages a window receives, recorded by subclassing it, and compared with an
// expected list: what a command sends (message, wParam, lParam, the fields of a record
// passed by address) is the same on every Windows, whatever the control then does.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace zub {

// One message as the window received it. For the messages the recorder was told to
// describe, `record` holds the described fields of what lParam points to.
struct Sent {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::string record;
};

// One expected message; which of its parts count is said by `checks`.
struct Expected {
    enum Checks : unsigned { kMsg = 0, kWParam = 1, kLParam = 2, kRecord = 4, kAll = kWParam | kLParam };

    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    unsigned checks = kAll;
    std::string record;

    Expected(UINT m, WPARAM w = 0, LPARAM l = 0) : msg(m), wParam(w), lParam(l) {}
    // A message whose lParam is a record's address: wParam and the record's fields count.
    static Expected withRecord(UINT m, WPARAM w, std::string fields)
    {
        Expected e(m, w);
        e.checks = kWParam | kRecord;
        e.record = std::move(fields);
        return e;
    }
};

inline std::string describe(const Sent& s)
{
    std::ostringstream out;
    out << "msg 0x" << std::hex << s.msg << std::dec << " (" << static_cast<long long>(s.wParam) << ", "
        << static_cast<long long>(s.lParam) << ")";
    if (!s.record.empty()) out << " {" << s.record << "}";
    return out.str();
}

// Compares the recorded messages with the expected list, one by one, and says where
// they part.
inline testing::AssertionResult SameSequence(const std::vector<Expected>& expected, const std::vector<Sent>& sent)
{
    std::ostringstream list;
    for (const Sent& s : sent) list << "\n  " << describe(s);
    for (size_t i = 0; i < std::max(expected.size(), sent.size()); ++i) {
        if (i >= sent.size()) return testing::AssertionFailure() << "message " << i << " missing; sent:" << list.str();
        if (i >= expected.size()) return testing::AssertionFailure() << "message " << i << " extra; sent:" << list.str();
        const Expected& e = expected[i];
        const Sent& s = sent[i];
        const bool same = e.msg == s.msg && (!(e.checks & Expected::kWParam) || e.wParam == s.wParam) &&
                          (!(e.checks & Expected::kLParam) || e.lParam == s.lParam) &&
                          (!(e.checks & Expected::kRecord) || e.record == s.record);
        if (!same) {
            Sent wanted{e.msg, e.wParam, e.lParam, e.record};
            return testing::AssertionFailure() << "message " << i << ": expected " << describe(wanted) << "; sent:"
                                               << list.str();
        }
    }
    return testing::AssertionSuccess();
}

// Records the messages a window receives while the recorder lives, in the order they
// arrive; the filter picks the ones that count. One recorder per window at a time. A describer turns a record passed by
// address into text, read as the message arrives or, `afterReply`, once the window
// (and whatever subclassed it before the recorder) has answered.
class MessageRecorder {
public:
    using Filter = std::function<bool(UINT, WPARAM, LPARAM)>;
    using Describer = std::function<std::string(WPARAM, LPARAM)>;

    // Installed as an ANSI window procedure: the extender sends ANSI messages, and they
    // arrive here as sent, before any conversion to a Unicode procedure beneath.
    explicit MessageRecorder(HWND window, Filter wanted = {}) : m_window(window), m_wanted(std::move(wanted))
    {
        SetPropA(m_window, kSelf, this);
        SetPropA(m_window, kPrevious,
                 reinterpret_cast<HANDLE>(SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&proc))));
    }
    // Put back when nothing subclassed the window since; otherwise it stays, only passing
    // the messages on.
    ~MessageRecorder()
    {
        RemovePropA(m_window, kSelf);
        if (GetWindowLongPtrA(m_window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&proc)) return;
        SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RemovePropA(m_window, kPrevious)));
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    MessageRecorder& describe(UINT msg, Describer describer, bool afterReply = false)
    {
        m_describers.push_back({msg, std::move(describer), afterReply});
        return *this;
    }

    const std::vector<Sent>& sent() const { return m_sent; }
    void clear() { m_sent.clear(); }
    size_t count(UINT msg) const
    {
        size_t n = 0;
        for (const Sent& s : m_sent) n += s.msg == msg;
        return n;
    }

    // What the window received during the action alone.
    template <class Action>
    std::vector<Sent> during(Action&& action)
    {
        clear();
        action();
        return m_sent;
    }

private:
    static constexpr char kSelf[] = "zub.recorder";
    static constexpr char kPrevious[] = "zub.recorder.previous";

    struct Described {
        UINT msg;
        Describer describer;
        bool afterReply;
    };

    static LRESULT CALLBACK proc(HWND hwnd, UINT m, WPARAM w, LPARAM l)
    {
        const auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPrevious));
        const auto pass = [&] { return CallWindowProcA(previous, hwnd, m, w, l); };
        auto* self = reinterpret_cast<MessageRecorder*>(GetPropA(hwnd, kSelf));
        if (self == nullptr || (self->m_wanted && !self->m_wanted(m, w, l))) return pass();
        const Described* described = nullptr;
        for (const Described& d : self->m_describers) {
            if (d.msg == m) described = &d;
        }
        const size_t index = self->m_sent.size();
        self->m_sent.push_back({m, w, l, {}});
        if (described != nullptr && !described->afterReply) self->m_sent[index].record = described->describer(w, l);
        const LRESULT reply = pass();
        if (described != nullptr && described->afterReply) self->m_sent[index].record = described->describer(w, l);
        return reply;
    }

    HWND m_window;
    Filter m_wanted;
    std::vector<Described> m_describers;
    std::vector<Sent> m_sent;
};

// Filters: messages in the given range or list.
inline MessageRecorder::Filter onlyMessages(std::initializer_list<UINT> messages)
{
    std::vector<UINT> wanted(messages);
    return [wanted](UINT m, WPARAM, LPARAM) { return std::find(wanted.begin(), wanted.end(), m) != wanted.end(); };
}

// The messages a command sends to a common control, not the ones Windows adds (painting,
// notifications, its own WM_ messages): the control's WM_USER range.
inline bool controlMessage(UINT m, WPARAM, LPARAM) { return m >= WM_USER && m < 0x8000; }

} // namespace zub

#include "host.h"

namespace zub {

// One command with its arguments after the control (kOtherWindow stands for a second
// window the test supplies) and the messages it sends to the control.
struct CommandSequence {
    static constexpr LONG kOtherWindow = 0x5EC0D;

    const char* command;
    std::vector<Arg> args;
    std::vector<Expected> sent;
};

// Calls each command on the control and compares what the control received.
inline void ExpectSequences(Host& host, MessageRecorder& recorder, HWND control,
                            const std::vector<CommandSequence>& rows, HWND other = nullptr)
{
    for (const CommandSequence& row : rows) {
        SCOPED_TRACE(row.command);
        std::vector<Arg> args{Arg(control)};
        for (const Arg& arg : row.args) {
            const bool placeholder = arg.kind == Arg::Kind::Integer && arg.value == CommandSequence::kOtherWindow;
            args.push_back(placeholder ? Arg(other) : arg);
        }
        const std::vector<Sent> sent = recorder.during([&] { host.callArgs(row.command, args); });
        EXPECT_TRUE(SameSequence(row.sent, sent));
    }
}

} // namespace zub
