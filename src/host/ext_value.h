// The records the host and the extender exchange: value cells, entry descriptions
// and the completion function.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

// The host's 40-byte value cell. The extender touches only nValue, nType and pszValue.
struct ExtValue {
    BYTE hostHead[24];
    LONG nValue;      // integer value
    LONG nType;       // value type: EXT_VALUE_INT or EXT_VALUE_TEXT (result cell only)
    LPSTR pszValue;   // zero-terminated ANSI text
#ifndef _WIN64
    BYTE hostTail[4]; // the 32-bit cell ends in 4 host bytes; the 64-bit address fills them
#endif
};
static_assert(sizeof(ExtValue) == 40);
static_assert(offsetof(ExtValue, nValue) == 24);
static_assert(offsetof(ExtValue, nType) == 28);
static_assert(offsetof(ExtValue, pszValue) == 32);

// Value types of a cell (not the argument type codes of the table).
constexpr LONG EXT_VALUE_INT = 1;
constexpr LONG EXT_VALUE_TEXT = 2;

// The host's completion function: (0, host context, host data, result cell).
typedef LONG(CALLBACK* ExtCompleteProc)(LONG nZero, LONG pHostCtx, LONG pHostData, ExtValue* pResult);

// The description record the host supplies for mode -2. Variable length: the
// lower-cased name follows at offset 22.
struct ExtEntryInfo {
    LONG nEntry;          // 0
    LONG nKind;           // 4
    DWORD dwArgTypesLow;  // 8: arguments 1 to 8
    DWORD dwArgTypesHigh; // 12: arguments 9 to 16
    BYTE nArgs;           // 16: command: required count (constant: value, bytes 16-19)
    BYTE nOptArgs;        // 17
    WORD wZero;           // 18
    WORD nNameLen;        // 20
    char szName[2];       // 22: name and terminator; the host sizes the record
};
static_assert(offsetof(ExtEntryInfo, nArgs) == 16);
static_assert(offsetof(ExtEntryInfo, nNameLen) == 20);
static_assert(offsetof(ExtEntryInfo, szName) == 22);

// The host's questions to ZUBExtenderQuery, and the interface level the extender speaks.
constexpr short EXT_QUERY_IDENTIFY = 1;
constexpr short EXT_QUERY_LEVEL = 2;
constexpr int EXT_INTERFACE_LEVEL = 5;

// The modes of ZUBExtender2 besides a command index.
constexpr short EXT_MODE_COUNT = -1;    // the number of table entries
constexpr short EXT_MODE_DESCRIBE = -2; // one entry's description record
constexpr short EXT_MODE_PROBE = -3;    // answered with 1, nothing else

constexpr LONG EXT_KIND_COMMAND = 2;
constexpr LONG EXT_KIND_CONSTANT = 3;

// Argument type codes of the table.
enum class ArgType : uint8_t { Integer = 0, Text = 1 };
