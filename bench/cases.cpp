#include "cases.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

namespace bench {

namespace {

// Laps short enough that most of them run without another process taking the CPU.
constexpr int kCallsPerLap = 100;
constexpr int kRowsPerLap = 20;
constexpr int kMessagesPerLap = 100;

LONG CALLBACK onComplete(LONG, LONG, LONG, zub::Cell* cell)
{
    // The host copies a text during this call; the digest reads it once, as the
    // direct loops' results are read.
    if (cell->nType == zub::kTextValue) deliverText(cell->pszValue);
    else deliverInteger(cell->nValue);
    return 0;
}

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendMessageA(window, message, wParam, lParam);
}

template <class T>
LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, T* pointer)
{
    return SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(pointer));
}

zub::Arg handle(HWND window) { return zub::Arg(window); }

// ---------------------------------------------------------------------------------
// The direct loops' list text: elements joined by single tabs, cut at 40959
// characters, in a buffer that lives as long as the program.

constexpr size_t kListTextMax = 40959;
constexpr int kCellSize = 1024;

class ListBuffer {
public:
    void clear()
    {
        m_length = 0;
        m_text[0] = '\0';
    }
    void add(const char* element, size_t length, bool first)
    {
        if (!first && m_length < kListTextMax) m_text[m_length++] = '\t';
        length = std::min(length, kListTextMax - m_length);
        std::memcpy(m_text + m_length, element, length);
        m_length += length;
        m_text[m_length] = '\0';
    }
    const char* text() const { return m_text; }

private:
    char m_text[kListTextMax + 1];
    size_t m_length = 0;
};

ListBuffer g_list;

// Decimal text of a number, as the commands write numbers.
size_t decimal(int value, char (&text)[16])
{
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    return static_cast<size_t>(end - text);
}

// ---------------------------------------------------------------------------------
// The controls, redraw off, filled.

constexpr int kColumns = 5;

enum class Selection { None, EveryOther, All };

HWND reportView(zub::Dialog& dialog)
{
    HWND view = dialog.child(WC_LISTVIEWA, "", WS_BORDER | LVS_REPORT, 10, 10, 500, 300);
    sendMessage(view, WM_SETREDRAW, FALSE);
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 90;
        column.pszText = const_cast<char*>("column");
        sendMessage(view, LVM_INSERTCOLUMNA, c, &column);
    }
    return view;
}

// Items "item i"; with all cells, the other columns "cell i.c".
void fillView(HWND view, int rows, bool allCells, Selection selection)
{
    sendMessage(view, LVM_DELETEALLITEMS);
    sendMessage(view, LVM_SETITEMCOUNT, rows);
    char text[32];
    for (int i = 0; i < rows; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_STATE;
        item.iItem = i;
        item.pszText = text;
        item.stateMask = LVIS_SELECTED;
        item.state = selection == Selection::All || (selection == Selection::EveryOther && i % 2 == 0) ? LVIS_SELECTED : 0;
        std::snprintf(text, sizeof text, "item %d", i);
        sendMessage(view, LVM_INSERTITEMA, 0, &item);
        for (int c = 1; allCells && c < kColumns; ++c) {
            std::snprintf(text, sizeof text, "cell %d.%d", i, c);
            item.iSubItem = c;
            sendMessage(view, LVM_SETITEMTEXTA, i, &item);
        }
    }
}

HWND multiSelectionBox(zub::Dialog& dialog)
{
    HWND box = dialog.child("LISTBOX", "", WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT, 520, 10,
                            200, 300);
    sendMessage(box, WM_SETREDRAW, FALSE);
    return box;
}

void fillBox(HWND box, int rows, Selection selection)
{
    sendMessage(box, LB_RESETCONTENT);
    sendMessage(box, LB_INITSTORAGE, rows, rows * 12);
    char text[32];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(text, sizeof text, "entry %d", i);
        sendMessage(box, LB_ADDSTRING, 0, text);
    }
    if (rows > 0 && selection == Selection::All) sendMessage(box, LB_SELITEMRANGEEX, 0, rows - 1);
    for (int i = 0; selection == Selection::EveryOther && i < rows; i += 2) sendMessage(box, LB_SETSEL, TRUE, i);
}

// ---------------------------------------------------------------------------------
// The direct loops: the messages each command sends, in its order, and no more.

void directRowText(HWND view, int index)
{
    const auto header = reinterpret_cast<HWND>(sendMessage(view, LVM_GETHEADER));
    const int columns = static_cast<int>(sendMessage(header, HDM_GETITEMCOUNT));
    g_list.clear();
    char cell[kCellSize];
    for (int c = 0; c < columns; ++c) {
        cell[0] = '\0';
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.iSubItem = c;
        item.pszText = cell;
        item.cchTextMax = kCellSize;
        sendMessage(view, LVM_GETITEMTEXTA, index, &item);
        cell[kCellSize - 1] = '\0';
        g_list.add(item.pszText, strnlen(item.pszText, kCellSize - 1), c == 0);
    }
    deliverText(g_list.text());
}

void directSetColumn(HWND view, int column, const char* text)
{
    const int count = static_cast<int>(sendMessage(view, LVM_GETITEMCOUNT));
    for (int i = 0; i < count; ++i) {
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text);
        sendMessage(view, LVM_SETITEMTEXTA, i, &item);
    }
    deliverInteger(1);
}

void directSetColumnSeq(HWND view, int column, int first, int step)
{
    const int count = static_cast<int>(sendMessage(view, LVM_GETITEMCOUNT));
    char text[16];
    for (int i = 0; i < count; ++i) {
        decimal(first + i * step, text);
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = text;
        sendMessage(view, LVM_SETITEMTEXTA, i, &item);
    }
    deliverInteger(1);
}

// Deletion of the selected entries, position 1: the counts, the checks that pass, then
// the walk from the highest index down.
void directDeleteSelectedItems(HWND view)
{
    const int selected = static_cast<int>(sendMessage(view, LVM_GETSELECTEDCOUNT));
    const int count = static_cast<int>(sendMessage(view, LVM_GETITEMCOUNT));
    if (selected != 0 && count >= 1) {
        for (int i = count - 1; i >= 0; --i) {
            if (sendMessage(view, LVM_GETITEMSTATE, i, LVIS_SELECTED) == LVIS_SELECTED) sendMessage(view, LVM_DELETEITEM, i);
        }
    }
    deliverInteger(static_cast<long>(sendMessage(view, LVM_GETITEMCOUNT)));
}

void directDeleteSelectedEntries(HWND box)
{
    const int selected = static_cast<int>(sendMessage(box, LB_GETSELCOUNT));
    const int count = static_cast<int>(sendMessage(box, LB_GETCOUNT));
    LRESULT last = 0;
    if (selected != 0 && count >= 1) {
        for (int i = count - 1; i >= 0; --i) {
            if (sendMessage(box, LB_GETSEL, i) == 1) last = sendMessage(box, LB_DELETESTRING, i);
        }
    }
    deliverInteger(static_cast<long>(last));
}

void directSelectedPositions(HWND box)
{
    static int indexes[32768];
    const int wanted = std::clamp(static_cast<int>(sendMessage(box, LB_GETSELCOUNT)), 0, 32768);
    const int got = static_cast<int>(sendMessage(box, LB_GETSELITEMS, wanted, indexes));
    g_list.clear();
    char text[16];
    for (int i = 0; i < std::min(got, wanted); ++i) g_list.add(text, decimal(indexes[i] + 1, text), i == 0);
    deliverText(g_list.text());
}

// ---------------------------------------------------------------------------------
// Typing into a masked edit box: a key, then the command (or its messages). Only the
// command is timed.

struct MaskStep {
    std::string result;
    WPARAM caret = 0;
};

void directMaskStep(HWND box, size_t maskLength, const MaskStep& step)
{
    static char text[500];
    sendMessage(box, EM_LIMITTEXT, maskLength);
    POINT caret = {};
    GetCaretPos(&caret);
    sendMessage(box, EM_CHARFROMPOS, 0, MAKELPARAM(caret.x, caret.y));
    const LRESULT length = std::min<LRESULT>(sendMessage(box, WM_GETTEXTLENGTH), sizeof text - 1);
    sendMessage(box, WM_GETTEXT, length + 1, text);
    sendMessage(box, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    sendMessage(box, EM_SETSEL, 0, -1);
    sendMessage(box, EM_REPLACESEL, TRUE, step.result.c_str());
    sendMessage(box, EM_SETSEL, step.caret, step.caret);
    deliverText(step.result.c_str());
}

// A mask of the given length: the phone number's pattern over and over.
std::string longMask(size_t length)
{
    std::string mask;
    while (mask.size() < length) mask += "(###) ###-####";
    mask.resize(length);
    return mask;
}

// The keys that fill every placeholder of a mask of digits.
std::string digitsFor(const std::string& mask)
{
    std::string keys;
    for (char c : mask) {
        if (c == '#') keys += static_cast<char>('0' + keys.size() % 10);
    }
    return keys;
}

Case maskCase(Extender& extender, zub::Dialog& dialog, const std::string& name, const std::string& mask)
{
    HWND box = dialog.edit("", ES_AUTOHSCROLL, 10, 320, 700, 24);
    const std::string keys = digitsFor(mask);
    auto call = std::make_shared<Extender::Call>(extender.prepare("ebMask", {handle(box), mask}));

    // The remembered length is the library's, and every typing starts from the same
    // one: a full field with the caret at its end leaves it at the mask's length
    // whatever it was, then one character with the caret after it leaves it at 1.
    std::string full = mask;
    std::replace(full.begin(), full.end(), '#', '0');
    auto reset = [box, call, full, &extender] {
        SetFocus(box);
        for (const char* text : {full.c_str(), "x"}) {
            sendMessage(box, WM_SETTEXT, 0, text);
            sendMessage(box, EM_SETSEL, std::strlen(text), std::strlen(text));
            extender.call(*call);
        }
        sendMessage(box, WM_SETTEXT, 0, "");
    };
    auto type = [box, keys, reset](std::function<void(size_t)> onKey) {
        return [box, keys, reset, onKey = std::move(onKey)](Stopwatch& watch, int times) {
            for (int t = 0; t < times; ++t) {
                reset();
                for (size_t k = 0; k < keys.size(); ++k) {
                    sendMessage(box, WM_CHAR, static_cast<unsigned char>(keys[k]), 1);
                    watch.start();
                    onKey(k);
                    watch.stop();
                }
            }
        };
    };

    // What the command wrote after each key, which the direct side writes in its turn.
    auto steps = std::make_shared<std::vector<MaskStep>>();
    reset();
    for (char key : keys) {
        sendMessage(box, WM_CHAR, static_cast<unsigned char>(key), 1);
        extender.call(*call);
        MaskStep step;
        step.result = zub::windowText(box);
        DWORD start = 0;
        sendMessage(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        step.caret = start;
        steps->push_back(step);
    }

    Case c(name, static_cast<int>(keys.size()), false);
    c.extender.run = type([call, &extender](size_t) { extender.call(*call); });
    c.direct.run = type([box, steps, size = mask.size()](size_t k) { directMaskStep(box, size, (*steps)[k]); });
    return c;
}

} // namespace

Extender::Extender(zub::Host& host, HWND window)
    : m_host(host), m_proc(host.extender2Proc()), m_complete(onComplete), m_window(window)
{
}

Extender::Call Extender::prepare(const std::string& name, const std::vector<zub::Arg>& args)
{
    const zub::EntryInfo& entry = m_host.entry(name);
    Call call;
    call.index = entry.index;
    call.given = static_cast<int>(args.size());
    call.cells.resize(std::max<size_t>(entry.required + entry.optional, args.size()));
    for (size_t i = 0; i < args.size(); ++i) {
        zub::Cell& cell = call.cells[i];
        if (args[i].kind == zub::Arg::Kind::Text) {
            cell.nType = zub::kTextValue;
            cell.pszValue = m_texts.emplace_back(args[i].text).data();
        } else {
            cell.nType = zub::kIntegerValue;
            cell.nValue = args[i].value;
        }
    }
    return call;
}

std::vector<CaseMaker> allCases(Extender& extender, zub::Dialog& dialog, const std::vector<int>& sizes)
{

    std::vector<CaseMaker> makers;
    auto add = [&makers](const std::string& name, int n, bool perItem, std::function<void(Case&)> fill) {
        makers.push_back({name, [=] {
                              Case c(name, n, perItem);
                              fill(c);
                              return c;
                          }});
    };
    Extender* x = &extender;
    zub::Dialog* d = &dialog;

    // Dispatch: a command of one message, called over and over.
    add("dispatch lvGetItemCount", 1000, false, [x, d](Case& c) {
        HWND view = reportView(*d);
        fillView(view, 100, false, Selection::None);
        auto call = std::make_shared<Extender::Call>(x->prepare("lvGetItemCount", {handle(view)}));
        c.extender.run = timedItems(c.n, kCallsPerLap, [x, call](int) { x->call(*call); });
        c.direct.run = timedItems(c.n, kCallsPerLap,
                                  [view](int) { deliverInteger(static_cast<long>(sendMessage(view, LVM_GETITEMCOUNT))); });
    });
    add("dispatch lbGetItemCount", 1000, false, [x, d](Case& c) {
        HWND box = multiSelectionBox(*d);
        fillBox(box, 100, Selection::None);
        auto call = std::make_shared<Extender::Call>(x->prepare("lbGetItemCount", {handle(box)}));
        c.extender.run = timedItems(c.n, kCallsPerLap, [x, call](int) { x->call(*call); });
        c.direct.run = timedItems(c.n, kCallsPerLap,
                                  [box](int) { deliverInteger(static_cast<long>(sendMessage(box, LB_GETCOUNT))); });
    });

    // Every item's whole row, column 0.
    for (int n : sizes) {
        add("lvGetItemText (row)", n, true, [x, d](Case& c) {
            HWND view = reportView(*d);
            fillView(view, c.n, true, Selection::None);
            auto call = std::make_shared<Extender::Call>(x->prepare("lvGetItemText", {handle(view), 1, 0}));
            c.extender.run = timedItems(c.n, kRowsPerLap, [x, call](int i) {
                call->cells[1].nValue = i + 1;
                x->call(*call);
            });
            c.direct.run = timedItems(c.n, kRowsPerLap, [view](int i) { directRowText(view, i); });
        });
    }
    for (int n : sizes) {
        add("lvSetColumnFill", n, true, [x, d](Case& c) {
            HWND view = reportView(*d);
            fillView(view, c.n, false, Selection::None);
            auto call = std::make_shared<Extender::Call>(x->prepare("lvSetColumnFill", {handle(view), 2, "filled"}));
            auto laps = std::make_shared<MessageLaps>(view, LVM_SETITEMTEXTA, kMessagesPerLap);
            c.extender.run = timedWhole([x, call, laps] { x->call(*call); });
            c.direct.run = timedWhole([view, laps] { directSetColumn(view, 1, "filled"); });
        });
    }
    for (int n : sizes) {
        add("lvSetColumnFillSeq", n, true, [x, d](Case& c) {
            HWND view = reportView(*d);
            fillView(view, c.n, false, Selection::None);
            auto call = std::make_shared<Extender::Call>(x->prepare("lvSetColumnFillSeq", {handle(view), 3, 100, 7}));
            auto laps = std::make_shared<MessageLaps>(view, LVM_SETITEMTEXTA, kMessagesPerLap);
            c.extender.run = timedWhole([x, call, laps] { x->call(*call); });
            c.direct.run = timedWhole([view, laps] { directSetColumnSeq(view, 2, 100, 7); });
        });
    }
    // Every other item selected and deleted; the list is filled again before each run.
    for (int n : sizes) {
        add("lvDeleteItem (-2)", n, true, [x, d](Case& c) {
            HWND view = reportView(*d);
            auto call = std::make_shared<Extender::Call>(x->prepare("lvDeleteItem", {handle(view), 1, -2}));
            c.extender.prepare = c.direct.prepare = [view, n = c.n] { fillView(view, n, false, Selection::EveryOther); };
            auto laps = std::make_shared<MessageLaps>(view, LVM_GETITEMSTATE, kMessagesPerLap);
            c.extender.run = timedWhole([x, call, laps] { x->call(*call); });
            c.direct.run = timedWhole([view, laps] { directDeleteSelectedItems(view); });
        });
    }
    for (int n : sizes) {
        add("lbGetItemSel", n, true, [x, d](Case& c) {
            HWND box = multiSelectionBox(*d);
            fillBox(box, c.n, Selection::All);
            auto call = std::make_shared<Extender::Call>(x->prepare("lbGetItemSel", {handle(box)}));
            c.extender.run = timedWhole([x, call] { x->call(*call); });
            c.direct.run = timedWhole([box] { directSelectedPositions(box); });
        });
    }
    for (int n : sizes) {
        add("lbDeleteItem (-2)", n, true, [x, d](Case& c) {
            HWND box = multiSelectionBox(*d);
            auto call = std::make_shared<Extender::Call>(x->prepare("lbDeleteItem", {handle(box), 1, -2}));
            c.extender.prepare = c.direct.prepare = [box, n = c.n] { fillBox(box, n, Selection::EveryOther); };
            auto laps = std::make_shared<MessageLaps>(box, LB_GETSEL, kMessagesPerLap);
            c.extender.run = timedWhole([x, call, laps] { x->call(*call); });
            c.direct.run = timedWhole([box, laps] { directDeleteSelectedEntries(box); });
        });
    }

    makers.push_back({"ebMask phone number", [x, d] { return maskCase(*x, *d, "ebMask phone number", "(###) ###-####"); }});
    makers.push_back({"ebMask 499-character mask",
                      [x, d] { return maskCase(*x, *d, "ebMask 499-character mask", longMask(499)); }});
    return makers;
}

} // namespace bench
