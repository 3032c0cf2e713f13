// What the parser fuzzers share: a rule check that stops the run with the rule's
// name, and a script text in a heap buffer of exactly its length and terminator, so
// AddressSanitizer catches a parser that reads past the end of the text.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace fuzz {

inline void Require(bool condition, const char* rule)
{
    if (condition) return;
    std::fprintf(stderr, "rule broken: %s\n", rule);
    std::abort();
}

// A text as the host hands it over: zero-terminated, so it ends at its first zero byte.
class CText {
public:
    explicit CText(std::string_view bytes)
        : m_nLength(std::min(bytes.size(), bytes.find('\0'))), m_pText(new char[m_nLength + 1])
    {
        std::memcpy(m_pText.get(), bytes.data(), m_nLength);
        m_pText[m_nLength] = '\0';
    }
    const char* c_str() const { return m_pText.get(); }
    std::string_view view() const { return {m_pText.get(), m_nLength}; }

private:
    std::size_t m_nLength;
    std::unique_ptr<char[]> m_pText;
};

} // namespace fuzz
