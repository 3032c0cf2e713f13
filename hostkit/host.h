// A stand-in for the closed scripting host: loads the extender DLL, discovers its
// table through the two decorated exports and calls commands by name with real
// 40-byte value cells and a stdcall completion function.
#pragma once

#include "protocol.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace zub {

// One argument as a script writes it: an integer, a text, or an optional argument
// left out (the host still hands over its cell, holding what it holds).
struct Arg {
    enum class Kind { Integer, Text, Omitted };
    Kind kind = Kind::Integer;
    LONG value = 0;
    std::string text;

    Arg(int v) : value(v) {}
    Arg(long v) : value(v) {}
    Arg(unsigned v) : value(static_cast<LONG>(v)) {}
    Arg(const char* s) : kind(Kind::Text), text(s) {}
    Arg(const std::string& s) : kind(Kind::Text), text(s) {}
    template <class H>
    Arg(H* handle) : value(static_cast<LONG>(reinterpret_cast<INT_PTR>(handle))) {}

    // An omitted optional argument whose cell holds the integer the host left in it.
    static Arg omitted(LONG leftOver = 0)
    {
        Arg a(0);
        a.kind = Kind::Omitted;
        a.value = leftOver;
        return a;
    }
};

// One call of the completion function, as the host saw it.
struct Completion {
    LONG zero = 0;
    LONG context = 0;
    LONG hostData = 0;
    Cell* cell = nullptr;
    LONG type = 0;
    LONG integer = 0;
    bool hasText = false;
    std::string text; // copied during the completion call
};

// What a command call delivered.
struct Result {
    LONG returned = 0;     // what ZUBExtender2 returned
    int completions = 0;   // how often the completion function was called
    LONG type = 0;         // of the last completion: kIntegerValue or kTextValue
    LONG integer = 0;
    std::string text;
    Cell cell{};           // the result cell after the call
};

// One table entry as mode -2 describes it.
struct EntryInfo {
    int index = 0;
    LONG kind = 0;        // kCommandEntry or kConstantEntry
    uint64_t argTypes = 0;
    int required = 0;
    int optional = 0;
    LONG value = 0;
    int nameLength = 0;
    std::string name; // lower case, as the host sees it

    // Whether the entry declares the argument at the position (counted from 0) a text.
    bool takesText(int position) const { return ((argTypes >> (4 * position)) & 0xF) == 1; }
};

class Host {
public:
    // Loads the extender. Without a path, the extender that the program was built to
    // load (see defaultDllPath).
    explicit Host(const std::string& dllPath = defaultDllPath());
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // KORVANET_DLL from the environment when set, else the ZUB_EXTENDER_DLL that the
    // program linking the kit gives its sources (the tests name the extender of their
    // build). Defined only where ZUB_EXTENDER_DLL is: elsewhere a path must be given.
    static std::string defaultDllPath();

    HMODULE module() const { return m_module; }
    QueryProc queryProc() const { return m_query; }
    Extender2Proc extender2Proc() const { return m_extender2; }

    // ZUBExtenderQuery as is.
    int query(int type, void* data, int size) { return m_query(type, data, size); }
    // Interface level (type 2 with {5}) and identity (type 1).
    int interfaceLevel();
    int identify(std::string* description = nullptr);

    // The table as the host learns it: mode -1, then mode -2 for each entry.
    const std::vector<EntryInfo>& table();
    // Finds an entry by name, case-insensitively; throws when there is none.
    const EntryInfo& entry(const std::string& name);
    LONG constant(const std::string& name) { return entry(name).value; }

    // Calls a command by name. Checks the argument count against the table (throws
    // std::invalid_argument); an optional argument not given is passed as omitted.
    template <class... A>
    Result call(const std::string& name, A&&... args)
    {
        return callArgs(name, std::vector<Arg>{Arg(std::forward<A>(args))...});
    }
    Result callArgs(const std::string& name, const std::vector<Arg>& args);
    Result callIndex(int index, const std::vector<Arg>& args);

    // Every completion of the last call.
    const std::vector<Completion>& completions() const { return m_completions; }

    // The call context the host passes with every call.
    HWND window = nullptr;
    HINSTANCE instance = nullptr;
    LONG context = 0x00C0FFEE;
    LONG hostData = 0x00DA7A00;
    // What the completion function returns to the extender.
    LONG completionReturn = 0;

private:
    static LONG CALLBACK onComplete(LONG zero, LONG context, LONG hostData, Cell* cell);

    HMODULE m_module = nullptr;
    QueryProc m_query = nullptr;
    Extender2Proc m_extender2 = nullptr;
    std::vector<EntryInfo> m_table;
    std::vector<Completion> m_completions;
};

#ifdef ZUB_EXTENDER_DLL
inline std::string Host::defaultDllPath()
{
    if (const char* env = std::getenv("KORVANET_DLL"); env != nullptr && *env != '\0') return env;
    return ZUB_EXTENDER_DLL;
}
#endif

} // namespace zub
