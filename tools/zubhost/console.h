// The console host: runs script statements against an extender DLL loaded as the
// host loads it, in one real dialog window, and prints every call with its result.
#pragma once

#include "script.h"

#include "dialog.h"
#include "host.h"
#include "notes.h"

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

namespace zub::console {

class Console {
public:
    // The host's calls carry the dialog as their window; every line goes to out.
    Console(Host& host, Dialog& dialog, NoteCatcher& notes, std::ostream& out);

    // Runs one statement; false when it could not run (the reason is printed with the
    // line number).
    bool run(std::string_view line, int lineNumber);

    // Lets the dialog catch up now: pending messages, painting included. After a
    // statement this happens only when its last turn is 100 ms past, as painting a
    // visible list view costs tens of milliseconds.
    void pump();

    // At the prompt and with --strict, a call whose argument 1 is a window of another
    // kind than the command drives is refused (force sends it); otherwise it is warned
    // about and sent, as the host would.
    void refuseWrongKinds(bool refuse) { m_refuseWrongKinds = refuse; }
    // With --strict, a loop stops at the first line of its body that cannot run.
    void stopAtFailure(bool stop) { m_stopAtFailure = stop; }

    // Ends the input: false, with the reason printed, when a for still waits for its end.
    bool finish();
    // True while the lines of a for are being collected up to its end.
    bool collecting() const { return m_loop.has_value(); }

    int failures() const { return m_failures; }
    // True once a quit (or exit) statement has run: no more lines are wanted.
    bool finished() const { return m_finished; }
    const script::Value* variable(const std::string& name) const;

    // The line now running, for a crash report, and the warning printed before its call,
    // if any.
    static int currentLine();
    static const std::string& currentWarning();

private:
    struct Prepared;
    // A for whose lines are being collected: the statement, and the lines up to the
    // matching end with their numbers.
    struct Loop {
        script::Statement statement;
        int line = 0;
        int64_t first = 0, last = 0, step = 1;
        std::vector<std::pair<std::string, int>> body;
        int depth = 1; // fors opened inside it and not yet ended, itself included
    };

    bool runOne(std::string_view line, int lineNumber);
    bool runLoop(const Loop& loop);
    void startLoop(const script::Statement& s);

    void runStatement(const script::Statement& statement);
    void holdListViews();
    static BOOL CALLBACK holdListView(HWND child, LPARAM self);
    void releaseListViews();
    script::Value resolve(const script::Operand& operand) const;
    std::vector<script::Value> resolveAll(const std::vector<script::Operand>& operands) const;
    std::string echo(const script::Operand& operand) const;
    std::string echoAll(const std::vector<script::Operand>& operands, const char* separator) const;
    HWND window(const script::Operand& operand) const;
    int32_t integer(const script::Operand& operand, const char* what) const;
    std::string text(const script::Operand& operand) const;

    Prepared prepare(const script::Call& call) const;
    // Prepares the call and prints the warning when argument 1 is a window of another
    // kind than the command drives.
    Prepared prepareAndWarn(const script::Call& call, bool forced = false);
    void perform(const Prepared& call, const std::string& prefix);

    void control(const script::Statement& s);
    void add(const script::Statement& s);
    void type(const script::Statement& s);
    void key(const script::Statement& s);
    void select(const script::Statement& s);
    void hover(const script::Statement& s);
    void click(const script::Statement& s);
    void showText(const script::Statement& s);
    void send(const script::Statement& s);
    void print(const script::Statement& s);
    void dialogSize(const script::Statement& s);
    void help(const script::Statement& s);

    void assign(const std::string& name, script::Value value);
    // A result for the variable that receives it, if any, and for $_.
    void keepResult(const std::string& target, const script::Value& value);
    void line(const std::string& text);
    void flushNotes();

    Host& m_host;
    Dialog& m_dialog;
    NoteCatcher& m_notes;
    std::ostream& m_out;
    std::map<std::string, int> m_commands;        // lower-case name -> table index
    std::map<std::string, int32_t> m_constants;   // lower-case name -> value
    std::map<std::string, script::Value> m_variables;
    int m_failures = 0;
    bool m_finished = false;
    int m_nextChildId = 1000;
    DWORD m_lastPump = 0;
    std::vector<HWND> m_heldListViews;      // list views whose drawing the console holds now
    std::set<HWND> m_scriptRedraw;          // windows whose drawing the script switches itself
    bool m_refuseWrongKinds = false;
    bool m_stopAtFailure = false;
    std::optional<Loop> m_loop;             // the for being collected (one inside it is collected as its lines)
};

// Formats a value as a result line shows it: an integer in decimal (a window as
// "window 0x... [class]"), a text quoted.
std::string render(const script::Value& value);

// The table's names of one kind (kCommandEntry, kConstantEntry) as a script writes them:
// the reference's spelling (lvInsertItem), or the table's own lower case where the
// reference has no entry.
std::vector<std::string> tableNames(const std::vector<EntryInfo>& table, LONG kind);

// What the table says about a command's arguments.
script::Signature signatureOf(const EntryInfo& entry);

// Prints help: with no name, the statements and the commands by family; with a name, the
// reference's entry of that command or constant, or a family's general rules. Gives the
// reason when the name is unknown (with the nearest names of the table), or empty.
std::string printHelp(const std::vector<EntryInfo>& table, std::string_view name, std::ostream& out);

// The identity and the table as the host sees them, as --table prints them.
void printTable(Host& host, std::ostream& out);

// Dispatches messages for the given time.
void pumpFor(int milliseconds);

// True when the screen can be read: a display shows the windows (not so under Wine's
// null graphics driver, where reading the screen fails).
bool screenAvailable();

// Saves a picture of the window as it shows on the screen, as PNG; the reason when it
// could not, or empty.
std::string saveShot(HWND window, const std::string& path);

} // namespace zub::console
