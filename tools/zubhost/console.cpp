#include "console.h"

#include "files.h"
#include "keys.h"
#include "kinds.h"
#include "reference.h"
#include "text.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

namespace zub::console {

using script::Operand;
using script::Statement;
using script::Value;

namespace {

int g_currentLine = 0;
std::string g_currentWarning; // the warning that the running line's call was sent with

// A line that cannot run: the reason, and where in the line it lies.
struct LineError {
    std::string message;
    int column = 0;
};

std::string className(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Window handles are numbers above 0xFFFF; small numbers are never taken for one.
bool isWindowHandle(int32_t value)
{
    return static_cast<uint32_t>(value) > 0xFFFF &&
           IsWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(value)));
}

// Control characters of a note as escapes, so that every note is one line.
std::string oneLine(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

std::string textOf(const Value& v) { return v.isText() ? v.text : std::to_string(v.integer); }

// Where typing into the window goes: the window itself, or the field inside it that has
// the focus (an IP address control passes its focus on to one of its four fields). The
// focus stays where it is when it is already inside the window.
HWND focusIn(HWND target)
{
    HWND focus = GetFocus();
    if (focus != target && !IsChild(target, focus)) {
        SetFocus(target);
        Dialog::pump();
        focus = GetFocus();
    }
    return IsChild(target, focus) ? focus : target;
}

// Where a click on the item, tab or entry at a 0-based index lands, in the window's
// client coordinates; nothing when the window holds no such one.
std::optional<POINT> itemCentre(HWND window, const std::string& cls, int32_t index)
{
    RECT r = {};
    bool found = false;
    if (cls == "syslistview32") {
        r.left = LVIR_LABEL;
        found = index >= 0 && index < SendMessageA(window, LVM_GETITEMCOUNT, 0, 0) &&
                SendMessageA(window, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    } else if (cls == "systabcontrol32") {
        found = SendMessageA(window, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    } else if (cls == "listbox" || cls == "combolbox") {
        found = index >= 0 && index < SendMessageA(window, LB_GETCOUNT, 0, 0) &&
                SendMessageA(window, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) != LB_ERR;
    }
    if (!found) return std::nullopt;
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

static_assert(script::findKey("backspace")->vk == VK_BACK && script::findKey("delete")->vk == VK_DELETE &&
              script::findKey("enter")->vk == VK_RETURN && script::findKey("tab")->vk == VK_TAB &&
              script::findKey("escape")->vk == VK_ESCAPE && script::findKey("left")->vk == VK_LEFT &&
              script::findKey("right")->vk == VK_RIGHT && script::findKey("up")->vk == VK_UP &&
              script::findKey("down")->vk == VK_DOWN && script::findKey("home")->vk == VK_HOME &&
              script::findKey("end")->vk == VK_END);

} // namespace

std::string render(const Value& value)
{
    if (value.isText()) return script::echoText(value.text);
    if (value.handle == Value::Handle::ImageList && value.integer != 0) {
        char text[64];
        std::snprintf(text, sizeof text, "image list 0x%08X", static_cast<unsigned>(value.integer));
        return text;
    }
    if (value.handle == Value::Handle::Window && !isWindowHandle(value.integer)) return "a destroyed window";
    if (isWindowHandle(value.integer)) {
        char text[64];
        std::snprintf(text, sizeof text, "window 0x%08X", static_cast<unsigned>(value.integer));
        return std::string(text) + " [" +
               className(reinterpret_cast<HWND>(static_cast<INT_PTR>(value.integer))) + "]";
    }
    return std::to_string(value.integer);
}

void pumpFor(int milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        Dialog::pump();
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= static_cast<DWORD>(milliseconds)) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds) - elapsed, QS_ALLINPUT);
    }
}

struct Console::Prepared {
    std::string target;
    std::string name;
    int index = 0;
    std::vector<Arg> args;
    std::string echo;
    std::optional<std::string> warning; // argument 1 is a window of a kind the command does not drive
    std::vector<std::string> argumentWarnings; // arguments that a host would read otherwise
    int windowColumn = 0;               // where argument 1 stands
};

Console::Console(Host& host, Dialog& dialog, NoteCatcher& notes, std::ostream& out)
    : m_host(host), m_dialog(dialog), m_notes(notes), m_out(out)
{
    for (const EntryInfo& entry : m_host.table()) {
        if (entry.kind == kCommandEntry) m_commands.emplace(lower(entry.name), entry.index);
        if (entry.kind == kConstantEntry) m_constants.emplace(lower(entry.name), entry.value);
    }
    m_variables["dialog"] =
        Value::ofHandle(static_cast<int32_t>(reinterpret_cast<INT_PTR>(m_dialog.hwnd())), Value::Handle::Window);
    m_variables["temp"] = Value::ofText(tempPath());
    m_notes.clear();
}

int Console::currentLine() { return g_currentLine; }

const std::string& Console::currentWarning() { return g_currentWarning; }

const Value* Console::variable(const std::string& name) const
{
    const auto found = m_variables.find(name);
    return found != m_variables.end() ? &found->second : nullptr;
}

bool Console::run(std::string_view text, int lineNumber)
{
    if (!m_loop) return runOne(text, lineNumber);
    // The lines of a for are collected up to its matching end, fors inside it counted.
    const script::Tokenized tokens = script::tokenizeLine(text);
    const auto& t = tokens.tokens;
    const bool word = !t.empty() && t[0].kind == script::Token::Kind::Word;
    if (word && lower(t[0].text) == "for") ++m_loop->depth;
    if (word && lower(t[0].text) == "end" && t.size() == 2 && --m_loop->depth == 0) {
        const Loop loop = std::move(*m_loop);
        m_loop.reset();
        return runLoop(loop);
    }
    m_loop->body.emplace_back(std::string(text), lineNumber);
    return true;
}

void Console::startLoop(const Statement& s)
{
    Loop loop;
    loop.statement = s;
    loop.line = g_currentLine;
    loop.first = integer(s.operands[0], "for counts from an integer");
    loop.last = integer(s.operands[1], "for counts to an integer");
    if (s.operands.size() > 2) {
        loop.step = integer(s.operands[2], "the step must be an integer");
        if (loop.step == 0) throw LineError{"a step of 0 never ends", s.operands[2].column};
    }
    m_loop = std::move(loop);
}

// Runs the lines once for every value from first to last; false when one could not run
// (with stopAtFailure the loop then ends there).
bool Console::runLoop(const Loop& loop)
{
    bool whole = true;
    for (int64_t value = loop.first; loop.step > 0 ? value <= loop.last : value >= loop.last; value += loop.step) {
        assign(loop.statement.target, Value::ofInteger(static_cast<int32_t>(value)));
        for (const auto& [text, number] : loop.body) {
            whole = run(text, number) && whole;
            if (m_finished || (!whole && m_stopAtFailure)) return whole;
        }
    }
    return whole;
}

bool Console::finish()
{
    if (!m_loop) return true;
    ++m_failures;
    line("line " + std::to_string(m_loop->line) + ": for without an end; its lines did not run");
    m_loop.reset();
    return false;
}

bool Console::runOne(std::string_view text, int lineNumber)
{
    g_currentLine = lineNumber;
    g_currentWarning.clear();
    const script::Parsed parsed = script::parseLine(text);
    std::string failure;
    int column = 0;
    if (!parsed.ok()) {
        failure = parsed.error->message;
        column = parsed.error->column;
    } else {
        try {
            runStatement(*parsed.statement);
        } catch (const LineError& e) {
            failure = e.message;
            column = e.column;
        }
    }
    // A message box runs a loop of its own, which lets the dialog catch up too.
    if (GetTickCount() - m_lastPump >= 100) pump();
    flushNotes();
    if (failure.empty()) return true;
    ++m_failures;
    line("line " + std::to_string(lineNumber) + (column > 0 ? ", column " + std::to_string(column) : "") + ": " +
         failure);
    return false;
}

void Console::pump()
{
    releaseListViews();
    Dialog::pump();
    m_lastPump = GetTickCount();
}

// A visible list view lays itself out again on every insertion while it draws (under
// Wine some 15 ms an item in report view); with its drawing held it only takes the
// item. So while extender commands run one after another, the console holds the
// drawing of the dialog's list views, and gives it back before anything else runs and
// whenever the dialog is pumped (at least every 100 ms): the list view then lays itself
// out once and paints what the commands did. List views whose drawing the script
// switches itself (WM_SETREDRAW through send) are left alone.
void Console::holdListViews()
{
    EnumChildWindows(m_dialog.hwnd(), holdListView, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK Console::holdListView(HWND child, LPARAM self)
{
    Console& console = *reinterpret_cast<Console*>(self);
    std::vector<HWND>& held = console.m_heldListViews;
    if (IsWindowVisible(child) && className(child) == WC_LISTVIEWA && console.m_scriptRedraw.count(child) == 0 &&
        std::find(held.begin(), held.end(), child) == held.end()) {
        SendMessageA(child, WM_SETREDRAW, FALSE, 0);
        held.push_back(child);
    }
    return TRUE;
}

void Console::releaseListViews()
{
    for (HWND view : m_heldListViews) {
        if (IsWindow(view)) SendMessageA(view, WM_SETREDRAW, TRUE, 0);
    }
    m_heldListViews.clear();
}

void Console::runStatement(const Statement& s)
{
    // What acts as a user, or waits, meets the dialog as it now is.
    using Kind = Statement::Kind;
    if (s.kind == Kind::Type || s.kind == Kind::Key || s.kind == Kind::Select || s.kind == Kind::Hover ||
        s.kind == Kind::Click || s.kind == Kind::Text || s.kind == Kind::Wait) {
        pump();
    }
    // Commands run with the list views' drawing held, but for one that needs their layout
    // current; everything else meets the list views as they draw.
    if (s.kind == Kind::Call && !script::needsListViewLayout(s.call.name)) {
        holdListViews();
    } else {
        releaseListViews();
    }
    switch (s.kind) {
    case Statement::Kind::Empty: return;
    case Statement::Kind::Call: perform(prepareAndWarn(s.call, s.forced), ""); return;
    case Statement::Kind::For: startLoop(s); return;
    case Statement::Kind::End: throw LineError{"end without a for", s.wordColumn};
    case Statement::Kind::Click: click(s); return;
    case Statement::Kind::Text: showText(s); return;
    case Statement::Kind::Assign: {
        const std::vector<Value> values = resolveAll(s.operands);
        if (values.size() == 1) {
            assign(s.target, values[0]);
        } else {
            std::string joined;
            for (const Value& v : values) joined += textOf(v);
            assign(s.target, Value::ofText(joined));
        }
        return;
    }
    case Statement::Kind::Control: control(s); return;
    case Statement::Kind::Add: add(s); return;
    case Statement::Kind::Type: type(s); return;
    case Statement::Kind::Key: key(s); return;
    case Statement::Kind::Select: select(s); return;
    case Statement::Kind::Hover: hover(s); return;
    case Statement::Kind::Send: send(s); return;
    case Statement::Kind::Print: print(s); return;
    case Statement::Kind::Wait: {
        const int32_t ms = integer(s.operands[0], "wait needs milliseconds");
        if (ms < 0 || ms > 600000) throw LineError{"wait takes 0 to 600000 milliseconds", s.operands[0].column};
        pumpFor(ms);
        return;
    }
    case Statement::Kind::Dialog: dialogSize(s); return;
    case Statement::Kind::Help: help(s); return;
    case Statement::Kind::Quit: m_finished = true; return;
    }
}

Value Console::resolve(const Operand& o) const
{
    switch (o.kind) {
    case Operand::Kind::Integer: return Value::ofInteger(o.integer);
    case Operand::Kind::Text: return Value::ofText(o.text);
    case Operand::Kind::Variable: {
        const Value* v = variable(o.text);
        if (v == nullptr) throw LineError{"undefined variable $" + o.text, o.column};
        return *v;
    }
    case Operand::Kind::Constant: {
        const auto found = m_constants.find(lower(o.text));
        if (found == m_constants.end()) {
            const auto nearest = reference::nearestNames(o.text, tableNames(m_host.table(), kConstantEntry));
            throw LineError{reference::unknownName("constant", o.text, nearest), o.column};
        }
        return Value::ofInteger(found->second);
    }
    case Operand::Kind::Join: {
        // Texts join with what stands beside them; numbers alone side by side are more
        // likely a missing comma.
        std::string joined;
        bool anyText = false;
        for (const Operand& part : o.parts) {
            const Value v = resolve(part);
            anyText = anyText || v.isText();
            joined += textOf(v);
        }
        if (!anyText) {
            throw LineError{"expected ',' or ')', not " + o.parts[1].source +
                                " (values side by side join into one text only when one of them is a text)",
                            o.parts[1].column};
        }
        return Value::ofText(joined);
    }
    case Operand::Kind::Word: break;
    }
    throw LineError{"expected a value, not the word " + o.text, o.column};
}

std::vector<Value> Console::resolveAll(const std::vector<Operand>& operands) const
{
    std::vector<Value> values;
    for (const Operand& o : operands) values.push_back(resolve(o));
    return values;
}

// An operand as the echo of a line shows it: literals as written, variables and
// constants with their values (a window variable by its name alone).
std::string Console::echo(const Operand& o) const
{
    switch (o.kind) {
    case Operand::Kind::Variable: {
        // Handles by the variable's name, since their numbers differ from run to run.
        const Value v = resolve(o);
        if (v.handle == Value::Handle::Window && !isWindowHandle(v.integer)) return "$" + o.text + " (destroyed)";
        if (v.handle == Value::Handle::ImageList || (!v.isText() && isWindowHandle(v.integer))) return "$" + o.text;
        return "$" + o.text + "=" + render(v);
    }
    case Operand::Kind::Constant: return o.source + "=" + render(resolve(o));
    case Operand::Kind::Join: return echoAll(o.parts, " ");
    case Operand::Kind::Text: return o.text.size() > 200 ? script::echoText(o.text) : o.source;
    default: return o.source;
    }
}

std::string Console::echoAll(const std::vector<Operand>& operands, const char* separator) const
{
    std::string out;
    for (size_t i = 0; i < operands.size(); ++i) {
        if (i > 0) out += separator;
        out += echo(operands[i]);
    }
    return out;
}

HWND Console::window(const Operand& o) const
{
    const Value v = resolve(o);
    if (v.isText() || !IsWindow(reinterpret_cast<HWND>(static_cast<INT_PTR>(v.integer)))) {
        throw LineError{o.source + " is not a window", o.column};
    }
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(v.integer));
}

int32_t Console::integer(const Operand& o, const char* what) const
{
    const Value v = resolve(o);
    if (v.isText()) throw LineError{std::string(what) + ", not the text " + script::echoText(v.text), o.column};
    return v.integer;
}

std::string Console::text(const Operand& o) const { return textOf(resolve(o)); }

Console::Prepared Console::prepare(const script::Call& call) const
{
    const auto found = m_commands.find(lower(call.name));
    if (found == m_commands.end()) {
        const auto nearest = reference::nearestNames(call.name, tableNames(m_host.table(), kCommandEntry));
        throw LineError{reference::unknownName("command", call.name, nearest), call.column};
    }
    const EntryInfo* entry = nullptr;
    for (const EntryInfo& e : m_host.table()) {
        if (e.index == found->second) entry = &e;
    }
    script::Signature signature = signatureOf(*entry);
    signature.name = call.name;

    const std::vector<Value> values = resolveAll(call.args);
    size_t argument = 0;
    if (auto problem = script::checkArguments(signature, values, &argument)) {
        throw LineError{*problem, argument < call.args.size() ? call.args[argument].column : call.close};
    }

    Prepared p;
    p.target = call.target;
    p.name = call.name;
    p.index = entry->index;
    for (const Value& v : values) p.args.push_back(v.isText() ? Arg(v.text) : Arg(static_cast<long>(v.integer)));
    p.echo = call.name + "(" + echoAll(call.args, ", ") + ")";
    if (!values.empty() && !values[0].isText() && isWindowHandle(values[0].integer)) {
        const HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(values[0].integer));
        p.warning = script::wrongKind(call.name, echo(call.args[0]), className(window));
        p.windowColumn = call.args[0].column;
    }
    p.argumentWarnings = script::argumentWarnings(call.name, values);
    return p;
}

Console::Prepared Console::prepareAndWarn(const script::Call& call, bool forced)
{
    Prepared p = prepare(call);
    if (p.warning && m_refuseWrongKinds && !forced) {
        // Another kind of control can crash on the command's messages, and the session with it.
        const std::string why = p.warning->substr(p.warning->find(' ') + 1);
        throw LineError{why + ", whose messages another kind of control can crash on: not sent (force " + call.name +
                            "(...) sends it anyway)",
                        p.windowColumn};
    }
    if (p.warning) {
        line(*p.warning);
        g_currentWarning = p.warning->substr(p.warning->find(' ') + 1);
    }
    for (const std::string& warning : p.argumentWarnings) line(warning);
    return p;
}

void Console::perform(const Prepared& call, const std::string& prefix)
{
    const Result result = m_host.callIndex(call.index, call.args);
    Value delivered;
    std::string shown;
    if (result.completions == 0) {
        delivered = Value::ofInteger(result.returned);
        shown = "no result (returned " + std::to_string(result.returned) + ")";
    } else {
        if (result.type == kTextValue) {
            delivered = Value::ofText(result.text);
        } else {
            delivered = Value::ofInteger(result.integer);
        }
        if (result.type == kIntegerValue && script::givesImageList(call.name)) delivered.handle = Value::Handle::ImageList;
        shown = render(delivered);
        if (result.type != kIntegerValue && result.type != kTextValue) shown += " (value type " + std::to_string(result.type) + ")";
        if (result.completions > 1) shown += " (delivered " + std::to_string(result.completions) + " times)";
    }
    keepResult(call.target, delivered);
    line(prefix + (call.target.empty() ? "" : "$" + call.target + " = ") + call.echo + " -> " + shown);
    flushNotes();
}

void Console::control(const Statement& s)
{
    const auto& ops = s.operands;
    const int32_t x = integer(ops[0], "x must be an integer");
    const int32_t y = integer(ops[1], "y must be an integer");
    const int32_t w = integer(ops[2], "the width must be an integer");
    const int32_t h = integer(ops[3], "the height must be an integer");
    const DWORD style = ops.size() > 4 ? static_cast<DWORD>(integer(ops[4], "the style must be an integer")) : 0;
    const std::string caption = ops.size() > 5 ? text(ops[5]) : "";

    auto create = [&] {
        return CreateWindowExA(0, s.word.c_str(), caption.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                               m_dialog.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_nextChildId)),
                               GetModuleHandleA(nullptr), nullptr);
    };
    HWND made = create();
    if (made == nullptr) {
        // The rich edit classes come with their libraries, loaded from the system
        // folder by full path so that no file of the same name elsewhere is loaded.
        for (const char* library : {"Msftedit.dll", "riched20.dll"}) {
            char path[MAX_PATH];
            const UINT length = GetSystemDirectoryA(path, MAX_PATH);
            if (length > 0 && length < MAX_PATH) LoadLibraryA((std::string(path, length) + "\\" + library).c_str());
        }
        made = create();
    }
    if (made == nullptr) {
        throw LineError{"cannot create a window of class " + s.word, s.wordColumn};
    }
    ++m_nextChildId;
    // A dialog gives its controls its font.
    SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    const Value handle = Value::ofInteger(static_cast<int32_t>(reinterpret_cast<INT_PTR>(made)));
    keepResult(s.target, handle);
    line((s.target.empty() ? "" : "$" + s.target + " = ") + "control " + s.word + " " + echoAll(ops, " ") + " -> " +
         render(handle));
}

void Console::add(const Statement& s)
{
    HWND box = window(s.operands[0]);
    const std::string cls = lower(className(box));
    UINT message = 0;
    if (cls == "listbox") message = LB_ADDSTRING;
    if (cls == "combobox") message = CB_ADDSTRING;
    if (message == 0) throw LineError{"add needs a list box or a combo box, not a window of class " + className(box),
                        s.operands[0].column};
    const std::vector<Operand> items(s.operands.begin() + 1, s.operands.end());
    for (const Operand& item : items) {
        const std::string t = text(item);
        SendMessageA(box, message, 0, reinterpret_cast<LPARAM>(t.c_str()));
    }
    const LRESULT count = SendMessageA(box, message == LB_ADDSTRING ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    line("add " + echo(s.operands[0]) + " " + echoAll(items, " ") + " -> " + std::to_string(count) + " entries");
}

void Console::type(const Statement& s)
{
    HWND target = window(s.operands[0]);
    const std::string typed = text(s.operands[1]);
    std::optional<Prepared> then;
    if (s.then) then = prepareAndWarn(*s.then);
    const HWND field = focusIn(target);
    DWORD pumped = GetTickCount();
    DWORD shown = pumped;
    size_t done = 0;
    for (char c : typed) {
        // A long text takes a while at the control's own pace: how far it got, now and then.
        if (++done % 256 == 0 && GetTickCount() - shown >= 2000) {
            std::fprintf(stderr, "type: %zu of %zu characters\n", done, typed.size());
            shown = GetTickCount();
        }
        // The focus may move on inside the window (an IP address field that is full, or ".").
        const HWND focus = GetFocus();
        const HWND to = focus == target || IsChild(target, focus) ? focus : field;
        SendMessageA(to, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
        // The dialog catches up after every character that a command follows, else every
        // 50 ms: painting after each of a long text's characters costs more than the typing.
        if (then || GetTickCount() - pumped >= 50) {
            Dialog::pump();
            pumped = GetTickCount();
        }
        if (then) perform(*then, "type " + echo(s.operands[0]) + " " + script::quote(std::string(1, c)) + " then ");
    }
    Dialog::pump();
    if (!then) {
        line("type " + echo(s.operands[0]) + " " + script::echoText(typed) + " -> " + script::echoText(windowText(target)));
    }
}

void Console::key(const Statement& s)
{
    HWND target = window(s.operands[0]);
    const int32_t count = s.operands.size() > 1 ? integer(s.operands[1], "the count must be an integer") : 1;
    if (count < 1 || count > 1000) throw LineError{"key presses 1 to 1000 times", s.operands[1].column};
    const script::Key* key = script::findKey(s.word);
    if (key == nullptr) throw LineError{"unknown key " + s.word, 0};
    std::optional<Prepared> then;
    if (s.then) then = prepareAndWarn(*s.then);
    const HWND field = focusIn(target);
    const UINT scan = MapVirtualKeyA(key->vk, 0 /* MAPVK_VK_TO_VSC */);
    const LPARAM down = 1 | static_cast<LPARAM>(scan) << 16 | (key->extended ? 1 << 24 : 0);
    const LPARAM up = down | static_cast<LPARAM>(0xC0000000u);
    const std::string shown = "key " + echo(s.operands[0]) + " " + s.word;
    for (int i = 0; i < count; ++i) {
        SendMessageA(field, WM_KEYDOWN, key->vk, down);
        if (key->character != 0) SendMessageA(field, WM_CHAR, static_cast<WPARAM>(key->character), down);
        SendMessageA(field, WM_KEYUP, key->vk, up);
        Dialog::pump();
        if (then) perform(*then, shown + " then ");
    }
    if (!then) {
        line(shown + (count > 1 ? " " + std::to_string(count) : "") + " -> " + script::echoText(windowText(target)));
    }
}

void Console::select(const Statement& s)
{
    HWND target = window(s.operands[0]);
    const int32_t start = integer(s.operands[1], "the start must be an integer");
    const int32_t end = integer(s.operands[2], "the end must be an integer");
    SetFocus(target);
    SendMessageA(target, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    line("select " + echoAll(s.operands, " "));
}

void Console::hover(const Statement& s)
{
    HWND target = window(s.operands[0]);
    RECT client = {};
    GetClientRect(target, &client);
    POINT centre = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
    POINT onScreen = centre;
    ClientToScreen(target, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    // Where no real pointer moves (a headless desktop), the window still learns of it.
    PostMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    pumpFor(50);
    line("hover " + echo(s.operands[0]));
}

// A click as a user's: the pointer moves there, the left button goes down and up.
void Console::click(const Statement& s)
{
    HWND target = window(s.operands[0]);
    POINT at = {};
    if (s.operands.size() == 3) {
        at.x = integer(s.operands[1], "x must be an integer");
        at.y = integer(s.operands[2], "y must be an integer");
    } else {
        const std::string cls = lower(className(target));
        if (cls != "syslistview32" && cls != "systabcontrol32" && cls != "listbox" && cls != "combolbox") {
            throw LineError{"a position clicks an item of a list view, a tab or an entry of a list box; a " +
                                className(target) + " takes x and y",
                            s.operands[1].column};
        }
        const int32_t position = integer(s.operands[1], "the position must be an integer");
        const std::optional<POINT> centre = itemCentre(target, cls, position - 1);
        if (!centre) throw LineError{"there is no position " + std::to_string(position) + " to click", s.operands[1].column};
        at = *centre;
    }
    POINT onScreen = at;
    ClientToScreen(target, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    const LPARAM where = MAKELPARAM(at.x, at.y);
    // The release waits in the queue: a control that follows the mouse while the button is
    // down (a list view deciding between a click and a drag) finds it there.
    PostMessageA(target, WM_LBUTTONUP, 0, where);
    SendMessageA(target, WM_MOUSEMOVE, 0, where);
    SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
    Dialog::pump();
    line("click " + echoAll(s.operands, " "));
}

void Console::showText(const Statement& s)
{
    HWND target = window(s.operands[0]);
    const Value text = Value::ofText(zub::windowText(target));
    if (!s.target.empty()) assign(s.target, text);
    line((s.target.empty() ? "" : "$" + s.target + " = ") + "text " + echo(s.operands[0]) + " -> " + render(text));
}

void Console::send(const Statement& s)
{
    HWND target = window(s.operands[0]);
    const int32_t message = integer(s.operands[1], "the message must be an integer");
    const int32_t wParam = s.operands.size() > 2 ? integer(s.operands[2], "wParam must be an integer") : 0;
    // A text as lParam goes as the address of its characters.
    const Value lParam = s.operands.size() > 3 ? resolve(s.operands[3]) : Value::ofInteger(0);
    const std::string echoed = echoAll(s.operands, " "); // the values as sent, before $_ takes the reply
    if (message == WM_SETREDRAW) m_scriptRedraw.insert(target);
    const LRESULT reply =
        SendMessageA(target, static_cast<UINT>(message), static_cast<WPARAM>(static_cast<uint32_t>(wParam)),
                     lParam.isText() ? reinterpret_cast<LPARAM>(lParam.text.c_str()) : static_cast<LPARAM>(lParam.integer));
    const Value shown = Value::ofInteger(static_cast<int32_t>(reply));
    keepResult("", shown);
    line("send " + echoed + " -> " + render(shown));
}

void Console::print(const Statement& s)
{
    std::string out;
    for (size_t i = 0; i < s.operands.size(); ++i) {
        const Value v = resolve(s.operands[i]);
        if (i > 0) out += ' ';
        out += v.isText() ? v.text : render(v);
    }
    line(out);
}

void Console::dialogSize(const Statement& s)
{
    const int32_t w = integer(s.operands[0], "the width must be an integer");
    const int32_t h = integer(s.operands[1], "the height must be an integer");
    if (w < 1 || h < 1 || w > 10000 || h > 10000) {
        throw LineError{"the dialog takes 1 to 10000 pixels a side", s.operands[w < 1 || w > 10000 ? 0 : 1].column};
    }
    RECT r = {0, 0, w, h};
    const HWND dialog = m_dialog.hwnd();
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER);
    if (s.operands.size() > 2) SetWindowTextA(dialog, text(s.operands[2]).c_str());
}

void Console::help(const Statement& s)
{
    const std::string problem = printHelp(m_host.table(), s.word, m_out);
    if (!problem.empty()) throw LineError{problem, s.wordColumn};
}

void Console::assign(const std::string& name, Value value)
{
    if (!value.isText() && value.handle == Value::Handle::None && isWindowHandle(value.integer)) {
        value.handle = Value::Handle::Window; // remembered, to echo the variable by its name once it is destroyed
    }
    m_variables[name] = std::move(value);
}

void Console::keepResult(const std::string& target, const Value& value)
{
    if (!target.empty()) assign(target, value);
    assign("_", value);
}

void Console::line(const std::string& text) { m_out << text << '\n' << std::flush; }

void Console::flushNotes()
{
    for (const Note& note : m_notes.notes()) line("  note [" + oneLine(note.caption) + "] " + oneLine(note.text));
    m_notes.clear();
}

void printTable(Host& host, std::ostream& out)
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(host.module(), path, MAX_PATH);
    std::string description;
    const int version = host.identify(&description);
    const int level = host.interfaceLevel();
    const auto& table = host.table();
    int commands = 0, constants = 0;
    size_t width = 4;
    for (const EntryInfo& e : table) {
        if (e.kind == kCommandEntry) ++commands;
        if (e.kind == kConstantEntry) ++constants;
        width = std::max(width, e.name.size());
    }
    out << "extender   " << path << '\n';
    out << "identity   " << script::quote(description) << " version " << version << '\n';
    out << "interface  level " << level << (level == 5 ? "" : " (the host offers level 5)") << '\n';
    out << "entries    " << table.size() << ": " << commands << " commands, " << constants << " constants\n\n";

    char row[512];
    std::snprintf(row, sizeof row, "%5s  %-8s  %-*s  %s\n", "index", "kind", static_cast<int>(width), "name",
                  "arguments or value");
    out << row;
    for (const EntryInfo& e : table) {
        std::string detail;
        const char* kind = "";
        std::string other;
        if (e.kind == kCommandEntry) {
            kind = "command";
            detail = "(" + script::describeArguments(signatureOf(e)) + ")";
        } else if (e.kind == kConstantEntry) {
            kind = "constant";
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(e.value));
            detail = "= " + std::to_string(e.value) + (e.value < 0 || e.value > 9 ? std::string(" (") + hex + ")" : "");
        } else {
            other = "kind " + std::to_string(e.kind);
            kind = other.c_str();
        }
        if (e.nameLength != static_cast<int>(e.name.size())) {
            detail += "  (the record gives the name length " + std::to_string(e.nameLength) + ")";
        }
        std::snprintf(row, sizeof row, "%5d  %-8s  %-*s  %s\n", e.index, kind, static_cast<int>(width), e.name.c_str(),
                      detail.c_str());
        out << row;
    }
    out << std::flush;
}

} // namespace zub::console
