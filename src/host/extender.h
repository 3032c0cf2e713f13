// The extender's face to the host: the abstract base that the two exports call,
// and the class template that implements both operations over a command table.
#pragma once

#include "ext_value.h"
#include "identity.h"

#include <cstdint>
#include <initializer_list>

class CExtenderBase {
public:
    // slot 0
    virtual int Query(int nType, void* pData, int nSize) = 0;
    // slot 1
    virtual int Extender2(HWND hWnd, HINSTANCE hInst, LONG pHostCtx, LONG CmdId,
                          ExtCompleteProc pfnComplete, LONG pHostData, LONG lReserved,
                          ExtValue* pArgs, LONG nArgCount, ExtValue* pResult) = 0;

protected:
    ~CExtenderBase() = default;
};

extern CExtenderBase* g_pExtender;
extern HINSTANCE g_hInstance;

// Reports a breach of the host contract: the expression text, the source file and the line.
void ReportAssertion(HWND hOwner, const char* pszExpression, const char* pszFile, int nLine);

// Tells the user that the named command failed inside ("Error", owned by the host's
// window), for a command that ended in an exception; allocates nothing.
void ReportUnfinishedCommand(HWND hOwner, const char* pszCommand);

// One row of a command table: a command with its handler and argument list, or a named constant.
template <class T>
struct ExtEntry {
    using Handler = int (T::*)(HWND, HINSTANCE, LONG, ExtValue*, int);

    struct CommandCounts {
        uint8_t m_nArgs;
        uint8_t m_nOptArgs;
        uint16_t m_nZero;
    };

    Handler m_pfnHandler;
    const char* m_szName;
    uint16_t m_nSize;
    int32_t m_nKind;
    union {
        CommandCounts m_Counts; // command
        int32_t m_nValue;       // constant
    };
    uint64_t m_ArgTypes;

    constexpr ExtEntry(Handler pfn, const char* name, uint16_t size, uint8_t args, uint8_t optArgs,
                       uint64_t types)
        : m_pfnHandler(pfn), m_szName(name), m_nSize(size), m_nKind(EXT_KIND_COMMAND),
          m_Counts{args, optArgs, 0}, m_ArgTypes(types) {}

    constexpr ExtEntry(const char* name, uint16_t size, int32_t value)
        : m_pfnHandler(nullptr), m_szName(name), m_nSize(size), m_nKind(EXT_KIND_CONSTANT),
          m_nValue(value), m_ArgTypes(0) {}
};

// Packs the argument types, required ones first, four bits each.
constexpr uint64_t PackArgTypes(std::initializer_list<ArgType> required,
                                std::initializer_list<ArgType> optional)
{
    uint64_t word = 0;
    unsigned position = 0;
    for (auto list : {required, optional}) {
        for (ArgType type : list) {
            if (position >= 16) throw "a command takes at most 16 arguments";
            word |= (static_cast<uint64_t>(type) & 0xF) << (4 * position);
            ++position;
        }
    }
    return word;
}

// A command entry; the name's length comes from the literal itself.
template <class T, std::size_t N>
constexpr ExtEntry<T> Command(int (T::*handler)(HWND, HINSTANCE, LONG, ExtValue*, int), const char (&name)[N],
                              std::initializer_list<ArgType> required,
                              std::initializer_list<ArgType> optional = {})
{
    return ExtEntry<T>(handler, name, static_cast<uint16_t>(N - 1),
                       static_cast<uint8_t>(required.size()), static_cast<uint8_t>(optional.size()),
                       PackArgTypes(required, optional));
}

template <class T, std::size_t N>
constexpr ExtEntry<T> ExtConstant(const char (&name)[N], int32_t value)
{
    return ExtEntry<T>(name, static_cast<uint16_t>(N - 1), value);
}

#define EXT_ASSERT(hOwner, expr) \
    ((expr) ? true : (ReportAssertion((hOwner), #expr, __FILE__, __LINE__), false))

// Implements the host's two operations for the concrete extender T, which owns the
// static table T::m_ExtTable.
template <class T>
class CZubExtenderT : public CExtenderBase {
public:
    using Entry = ExtEntry<T>;
    using Handler = typename Entry::Handler;

    int Query(int nType, void* pData, int nSize) override
    {
        switch (static_cast<short>(nType)) {
        case EXT_QUERY_IDENTIFY:
            return Identify(static_cast<char*>(pData), nSize);
        case EXT_QUERY_LEVEL: {
            const int* levels = static_cast<const int*>(pData);
            for (int i = 0; i < nSize; ++i) {
                if (levels[i] == EXT_INTERFACE_LEVEL) return EXT_INTERFACE_LEVEL;
            }
            return -1;
        }
        default:
            return 0;
        }
    }

    int Extender2(HWND hWnd, HINSTANCE hInst, LONG pHostCtx, LONG nCmdId, ExtCompleteProc pfnComplete,
                  LONG pHostData, LONG lReserved, ExtValue* pArgs, LONG nArgCount,
                  ExtValue* pResult) override
    {
        // A command that shows a message box lets the host's dialog procedure run, which
        // may call in again: that inner call has a context of its own, and the outer one
        // gets its own back when the inner call returns.
        const CallScope scope(*this);
        m_call = {pHostCtx, pfnComplete, pHostData, pResult, false};

        const short c = static_cast<short>(nCmdId);
        if (c == EXT_MODE_PROBE) return 1;
        if (c == EXT_MODE_DESCRIBE) return Describe(nArgCount, reinterpret_cast<ExtEntryInfo*>(pArgs));
        if (c == EXT_MODE_COUNT) return static_cast<int>(_countof(T::m_ExtTable));

        const auto& m_ExtTable = T::m_ExtTable;
        const unsigned short CmdId = static_cast<unsigned short>(c);
        if (!EXT_ASSERT(hWnd, CmdId < _countof(m_ExtTable))) return 0;
        const Handler handler = m_ExtTable[CmdId].m_pfnHandler;
        if (!EXT_ASSERT(hWnd, handler != nullptr)) return 0; // a constant has no handler
        try {
            return (static_cast<T*>(this)->*handler)(hWnd, hInst, lReserved, pArgs, nArgCount);
        } catch (...) {
            // Out of memory, or any other exception: the host goes on, told by a note,
            // with an ordinary result unless the command had delivered one already.
            ReportUnfinishedCommand(hWnd, m_ExtTable[CmdId].m_szName);
            return m_call.bDelivered ? 0 : ReturnInt(0);
        }
    }

    // Delivers an integer result through the host's completion function.
    int ReturnInt(int nValue)
    {
        m_call.pResult->nValue = nValue;
        m_call.pResult->nType = EXT_VALUE_INT;
        return Complete();
    }

    // Delivers a control's reply to a message as the integer result.
    int ReturnReply(LRESULT reply) { return ReturnInt(static_cast<int>(reply)); }

    // Delivers a text result; the text must stay valid until this returns.
    int ReturnString(const char* pszText)
    {
        m_call.pResult->pszValue = const_cast<LPSTR>(pszText);
        m_call.pResult->nType = EXT_VALUE_TEXT;
        return Complete();
    }

protected:
    CZubExtenderT() = default;
    ~CZubExtenderT() = default;

    int m_nVersion = 0;
    char m_szDescription[MAX_PATH] = {};
    char m_szModuleName[MAX_PATH] = {};

private:
    // The call under way: what the host gave for delivering its result, and whether the
    // result was delivered.
    struct Call {
        LONG pHostCtx = 0;
        ExtCompleteProc pfnComplete = nullptr;
        LONG pHostData = 0;
        ExtValue* pResult = nullptr;
        bool bDelivered = false;
    };
    Call m_call;
    int m_nCallDepth = 0; // how many calls are under way

    // Keeps the context of a call under way while a nested call replaces it, and gives it
    // back when the nested call returns. The outermost call's context stays after it
    // returns, as before.
    class CallScope {
    public:
        explicit CallScope(CZubExtenderT& extender)
            : m_extender(extender), m_saved(extender.m_call), m_bNested(extender.m_nCallDepth++ > 0)
        {
        }
        ~CallScope()
        {
            --m_extender.m_nCallDepth;
            if (m_bNested) m_extender.m_call = m_saved;
        }
        CallScope(const CallScope&) = delete;
        CallScope& operator=(const CallScope&) = delete;

    private:
        CZubExtenderT& m_extender;
        const Call m_saved;
        const bool m_bNested;
    };

    int Complete()
    {
        m_call.bDelivered = true;
        return m_call.pfnComplete(0, m_call.pHostCtx, m_call.pHostData, m_call.pResult);
    }

    int Describe(LONG nArgCount, ExtEntryInfo* pInfo)
    {
        if (nArgCount < 0 || nArgCount >= static_cast<LONG>(_countof(T::m_ExtTable))) return 0;
        if (pInfo == nullptr) return 1;
        const auto& m_ExtTable = T::m_ExtTable;
        EXT_ASSERT(nullptr, m_ExtTable[nArgCount].m_nSize == lstrlen(m_ExtTable[nArgCount].m_szName));
        const Entry& entry = m_ExtTable[nArgCount];

        pInfo->nEntry = nArgCount;
        pInfo->nKind = entry.m_nKind;
        if (entry.m_nKind == EXT_KIND_COMMAND) {
            pInfo->nArgs = entry.m_Counts.m_nArgs;
            pInfo->nOptArgs = entry.m_Counts.m_nOptArgs;
            pInfo->wZero = entry.m_Counts.m_nZero;
        } else {
            CopyMemory(&pInfo->nArgs, &entry.m_nValue, sizeof(entry.m_nValue));
        }
        pInfo->dwArgTypesLow = static_cast<DWORD>(entry.m_ArgTypes);
        pInfo->dwArgTypesHigh = static_cast<DWORD>(entry.m_ArgTypes >> 32);
        pInfo->nNameLen = entry.m_nSize;
        lstrcpyA(pInfo->szName, entry.m_szName);
        CharLowerA(pInfo->szName);
        return 1;
    }

    int Identify(char* pszBuffer, int nSize)
    {
        StoreModuleBaseName(m_szModuleName);
        if (pszBuffer != nullptr && nSize > 0) {
            GetExtString(m_szModuleName, 101, m_szDescription, MAX_PATH);
            lstrcpynA(pszBuffer, m_szDescription, nSize < MAX_PATH ? nSize : MAX_PATH);
        }
        m_nVersion = ReadVersionNumber();
        return m_nVersion;
    }
};
