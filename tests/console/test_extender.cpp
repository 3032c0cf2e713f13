// A small extender of its own for the console's tests: commands whose results do not
// depend on any control family, one that shows a message box, one that delivers
// nothing, and two constants. It speaks the host interface as any extender does.
#include "protocol.h"

#include <windows.h>

#include <cstring>

namespace {

using zub::Cell;
using zub::CompleteProc;
using zub::kCommandEntry;
using zub::kConstantEntry;

struct Entry {
    const char* name;
    LONG kind;
    BYTE required;
    BYTE optional;
    DWORD types;    // four bits an argument, 1 for text
    LONG value;     // constants
};

const Entry kTable[] = {
    {"tEcho", kCommandEntry, 1, 0, 0x1, 0},       // text -> the same text
    {"tSum", kCommandEntry, 2, 1, 0x000, 0},      // int, int [, int] -> their sum
    {"tNote", kCommandEntry, 2, 0, 0x11, 0},      // text, caption -> a message box; the button pressed
    {"tSilent", kCommandEntry, 1, 0, 0x0, 0},     // int -> ends without a result, returning the int
    {"tNumber", kCommandEntry, 1, 0, 0x1, 0},     // text -> the integer of its cell
    {"tClassOf", kCommandEntry, 1, 0, 0x0, 0},    // window -> its class name
    {"tCrash", kCommandEntry, 0, 0, 0x0, 0},      // writes through a null pointer
    {"@Answer", kConstantEntry, 0, 0, 0, 42},
    {"@Minus", kConstantEntry, 0, 0, 0, -7},
};
constexpr int kCount = sizeof kTable / sizeof kTable[0];

char g_text[512];

LONG deliverInt(CompleteProc complete, LONG ctx, LONG data, Cell* result, LONG value)
{
    result->nValue = value;
    result->nType = zub::kIntegerValue;
    return complete(0, ctx, data, result);
}

LONG deliverText(CompleteProc complete, LONG ctx, LONG data, Cell* result, const char* text)
{
    result->pszValue = const_cast<LPSTR>(text);
    result->nType = zub::kTextValue;
    return complete(0, ctx, data, result);
}

} // namespace

extern "C" int __stdcall ZUBExtenderQuery(int type, void* data, int size)
{
    if (static_cast<short>(type) == 1) {
        if (data != nullptr && size > 0) lstrcpynA(static_cast<char*>(data), "Console test extender.", size);
        return 7;
    }
    if (static_cast<short>(type) == 2) {
        for (int i = 0; i < size; ++i) {
            if (static_cast<const int*>(data)[i] == 5) return 5;
        }
        return -1;
    }
    return 0;
}

extern "C" int __stdcall ZUBExtender2(HWND hWnd, HINSTANCE, LONG ctx, LONG cmd, CompleteProc complete, LONG data,
                                      LONG, void* args, LONG count, Cell* result)
{
    const short c = static_cast<short>(cmd);
    if (c == -1) return kCount;
    if (c == -2) {
        if (count < 0 || count >= kCount) return 0;
        if (args == nullptr) return 1;
        BYTE* record = static_cast<BYTE*>(args);
        const Entry& e = kTable[count];
        const WORD length = static_cast<WORD>(std::strlen(e.name));
        std::memcpy(record + 0, &count, 4);
        std::memcpy(record + 4, &e.kind, 4);
        std::memcpy(record + 8, &e.types, 4);
        std::memset(record + 12, 0, 4);
        if (e.kind == kCommandEntry) {
            record[16] = e.required;
            record[17] = e.optional;
            record[18] = record[19] = 0;
        } else {
            std::memcpy(record + 16, &e.value, 4);
        }
        std::memcpy(record + 20, &length, 2);
        std::memcpy(record + 22, e.name, length + 1u);
        CharLowerA(reinterpret_cast<char*>(record + 22));
        return 1;
    }
    const Cell* cells = static_cast<const Cell*>(args);
    switch (c) {
    case 0: return deliverText(complete, ctx, data, result, cells[0].pszValue ? cells[0].pszValue : "");
    case 1: {
        const DWORD sum = static_cast<DWORD>(cells[0].nValue) + static_cast<DWORD>(cells[1].nValue) +
                          static_cast<DWORD>(cells[2].nValue); // wraps around, as 32-bit sums do
        return deliverInt(complete, ctx, data, result, static_cast<LONG>(sum));
    }
    case 2: {
        const int button = MessageBoxA(hWnd, cells[0].pszValue, cells[1].pszValue, MB_OK);
        return deliverInt(complete, ctx, data, result, button);
    }
    case 3: return cells[0].nValue;
    case 4: return deliverInt(complete, ctx, data, result, cells[0].nValue);
    case 5:
        g_text[0] = '\0';
        GetClassNameA(reinterpret_cast<HWND>(static_cast<INT_PTR>(cells[0].nValue)), g_text, sizeof g_text);
        return deliverText(complete, ctx, data, result, g_text);
    case 6: *static_cast<volatile int*>(nullptr) = 1; return 0;
    default: return 0;
    }
}
