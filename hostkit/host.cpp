#include "host.h"

#include "text.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace zub {

namespace {

thread_local Host* t_calling = nullptr;

const char kUntouched[] = "(result cell untouched)";

void fillHostData(Cell& cell)
{
    std::memset(cell.head, 0xAB, sizeof cell.head);
#ifndef _WIN64
    std::memset(cell.tail, 0xAB, sizeof cell.tail);
#endif
}

} // namespace

Host::Host(const std::string& dllPath)
{
    m_module = LoadLibraryA(dllPath.c_str());
    if (m_module == nullptr) throw std::runtime_error("cannot load " + dllPath);
    m_query = reinterpret_cast<QueryProc>(reinterpret_cast<void*>(GetProcAddress(m_module, "_ZUBExtenderQuery@12")));
    m_extender2 = reinterpret_cast<Extender2Proc>(reinterpret_cast<void*>(GetProcAddress(m_module, "_ZUBExtender2@40")));
    if (m_query == nullptr || m_extender2 == nullptr) {
        FreeLibrary(m_module);
        throw std::runtime_error(dllPath + " lacks the extender exports");
    }
    instance = GetModuleHandleA(nullptr);
}

Host::~Host()
{
    if (m_module != nullptr) FreeLibrary(m_module);
}

int Host::interfaceLevel()
{
    int levels[] = {kInterfaceLevel};
    return m_query(kQueryLevel, levels, 1);
}

int Host::identify(std::string* description)
{
    char buffer[260] = {};
    const int version = m_query(kQueryIdentify, buffer, sizeof buffer);
    if (description != nullptr) *description = buffer;
    return version;
}

const std::vector<EntryInfo>& Host::table()
{
    if (!m_table.empty()) return m_table;
    Cell cell{};
    const int count = m_extender2(window, instance, context, kModeCount, onComplete, hostData, 0, nullptr, 0, &cell);
    for (int i = 0; i < count; ++i) {
        alignas(4) BYTE record[128] = {};
        m_extender2(window, instance, context, kModeDescribe, onComplete, hostData, 0, record, i, &cell);
        EntryInfo info;
        LONG entry = 0;
        DWORD low = 0, high = 0;
        WORD length = 0;
        std::memcpy(&entry, record + 0, 4);
        std::memcpy(&info.kind, record + 4, 4);
        std::memcpy(&low, record + 8, 4);
        std::memcpy(&high, record + 12, 4);
        std::memcpy(&info.value, record + 16, 4);
        std::memcpy(&length, record + 20, 2);
        info.index = entry;
        info.argTypes = static_cast<uint64_t>(high) << 32 | low;
        if (info.kind == kCommandEntry) {
            info.required = record[16];
            info.optional = record[17];
            info.value = 0;
        }
        info.nameLength = length;
        info.name = reinterpret_cast<const char*>(record + 22);
        m_table.push_back(info);
    }
    return m_table;
}

const EntryInfo& Host::entry(const std::string& name)
{
    const std::string wanted = lower(name);
    for (const EntryInfo& info : table()) {
        if (info.name == wanted) return info;
    }
    throw std::invalid_argument("no entry named " + name);
}

Result Host::callArgs(const std::string& name, const std::vector<Arg>& args)
{
    const EntryInfo& info = entry(name);
    if (info.kind != kCommandEntry) throw std::invalid_argument(name + " is a constant, not a command");
    const int given = static_cast<int>(args.size());
    if (given < info.required || given > info.required + info.optional) {
        throw std::invalid_argument(name + " takes " + std::to_string(info.required) +
                                    (info.optional ? " to " + std::to_string(info.required + info.optional) : "") +
                                    " arguments, got " + std::to_string(given));
    }
    return callIndex(info.index, args);
}

Result Host::callIndex(int index, const std::vector<Arg>& args)
{
    const EntryInfo* info = nullptr;
    for (const EntryInfo& e : table()) {
        if (e.index == index) info = &e;
    }
    const int declared = info != nullptr ? info->required + info->optional : 0;
    const int cellCount = std::max<int>(declared, static_cast<int>(args.size()));

    std::vector<Cell> cells(std::max(cellCount, 1));
    std::vector<std::string> texts(cells.size());
    for (int i = 0; i < cellCount; ++i) {
        Cell& cell = cells[i];
        fillHostData(cell);
        const bool declaredText = info != nullptr && info->takesText(i);
        const Arg arg = i < static_cast<int>(args.size()) ? args[i] : Arg::omitted();
        switch (arg.kind) {
        case Arg::Kind::Integer:
            cell.nValue = arg.value;
            cell.nType = kIntegerValue;
            if (declaredText) {
                texts[i] = std::to_string(arg.value);
                cell.pszValue = texts[i].data();
            }
            break;
        case Arg::Kind::Text:
            texts[i] = arg.text;
            cell.pszValue = texts[i].data();
            cell.nValue = std::strtol(arg.text.c_str(), nullptr, 10);
            cell.nType = kTextValue;
            break;
        case Arg::Kind::Omitted:
            cell.nValue = arg.value;
            cell.nType = 0;
            cell.pszValue = texts[i].data();
            break;
        }
    }

    Cell resultCell{};
    fillHostData(resultCell);
    resultCell.nValue = 0x7EADBEEF;
    resultCell.pszValue = const_cast<LPSTR>(kUntouched);

    m_completions.clear();
    Host* previous = t_calling;
    t_calling = this;
    Result result;
    result.returned = m_extender2(window, instance, context, index, onComplete, hostData, 0, cells.data(),
                                  static_cast<LONG>(args.size()), &resultCell);
    t_calling = previous;

    result.completions = static_cast<int>(m_completions.size());
    if (!m_completions.empty()) {
        const Completion& last = m_completions.back();
        result.type = last.type;
        result.integer = last.integer;
        result.text = last.text;
    }
    result.cell = resultCell;
    return result;
}

LONG CALLBACK Host::onComplete(LONG zero, LONG context, LONG hostData, Cell* cell)
{
    Host* host = t_calling;
    if (host == nullptr) return 0;
    Completion c;
    c.zero = zero;
    c.context = context;
    c.hostData = hostData;
    c.cell = cell;
    if (cell != nullptr) {
        c.type = cell->nType;
        c.integer = cell->nValue;
        if (cell->nType == kTextValue && cell->pszValue != nullptr) {
            c.hasText = true;
            c.text = cell->pszValue;
        }
    }
    host->m_completions.push_back(c);
    return host->completionReturn;
}

} // namespace zub
