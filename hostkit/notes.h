// Catches the message boxes that commands show: records owner, caption and text and
// answers OK, so tests run unattended and can assert on what the user would see.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zub {

struct Note {
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    bool okOnly = false; // the box holds the OK button and no other
};

class NoteCatcher {
public:
    NoteCatcher();
    ~NoteCatcher();
    NoteCatcher(const NoteCatcher&) = delete;
    NoteCatcher& operator=(const NoteCatcher&) = delete;

    const std::vector<Note>& notes() const { return m_notes; }
    bool empty() const { return m_notes.empty(); }
    size_t size() const { return m_notes.size(); }
    const Note& operator[](size_t i) const { return m_notes.at(i); }
    void clear() { m_notes.clear(); }

    // Leave the boxes to the user instead of answering them.
    bool answer = true;
    // Runs while the box is up, before it is answered: what a host's dialog procedure
    // may do during a command's message box.
    std::function<void(const Note&)> whileShown;

private:
    static LRESULT CALLBACK hookProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook = nullptr;
    NoteCatcher* m_previous = nullptr;
    std::vector<Note> m_notes;
};

// Answers any box that no catcher is waiting for and reports it on standard error;
// without it an unexpected box would block the test run. Installed once per thread.
void installStrayNoteGuard();

} // namespace zub
