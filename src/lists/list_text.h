// The tab-separated texts that list commands deliver: elements joined by single
// tabs, numbers in decimal, the whole held in a 40960-byte result buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ListText {
public:
    // The result buffer's size, terminating zero included.
    static constexpr std::size_t kCapacity = 40960;
    static constexpr std::size_t kMaxLength = kCapacity - 1;

    ListText() { m_strText.reserve(kMaxLength); }

    // Appends an element, with a tab before it unless it is the first. What passes
    // the buffer's end is cut off, so the text is always a prefix of the full list.
    void Add(const char* pszElement, std::size_t nLength);
    void Add(const char* pszElement);
    // Appends a number in decimal as the next element.
    void AddNumber(int32_t nValue);

    const char* c_str() const { return m_strText.c_str(); }
    std::size_t length() const { return m_strText.length(); }

private:
    void Append(const char* pszText, std::size_t nLength);

    std::string m_strText;
    bool m_bEmpty = true;
};
