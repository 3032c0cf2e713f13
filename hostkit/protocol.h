// What passes between the host and an extender: the value cell, the types of the two
// exports and of the completion function, and the codes a table entry and a cell carry.
#pragma once

#include <windows.h>

#include <cstddef>

namespace zub {

// The host's value cell, as the host lays it out.
struct Cell {
    BYTE head[24];
    LONG nValue;
    LONG nType;
    LPSTR pszValue;
#ifndef _WIN64
    BYTE tail[4]; // the 32-bit cell ends in 4 host bytes; the 64-bit address fills them
#endif
};
static_assert(sizeof(Cell) == 40);
static_assert(offsetof(Cell, nValue) == 24 && offsetof(Cell, nType) == 28 && offsetof(Cell, pszValue) == 32);

using QueryProc = int(__stdcall*)(int, void*, int);
using CompleteProc = LONG(CALLBACK*)(LONG, LONG, LONG, Cell*);
using Extender2Proc = int(__stdcall*)(HWND, HINSTANCE, LONG, LONG, CompleteProc, LONG, LONG, void*, LONG, Cell*);

// The questions to the query export, and the interface level a host offers.
constexpr int kQueryIdentify = 1;
constexpr int kQueryLevel = 2;
constexpr int kInterfaceLevel = 5;

// The modes of the command export besides a command index.
constexpr LONG kModeCount = -1;
constexpr LONG kModeDescribe = -2;
constexpr LONG kModeProbe = -3;

// The kind of a table entry, as mode -2 describes it.
constexpr LONG kCommandEntry = 2;
constexpr LONG kConstantEntry = 3;

// The type of a cell's value (nType); an omitted argument's cell holds 0.
constexpr LONG kIntegerValue = 1;
constexpr LONG kTextValue = 2;

} // namespace zub
