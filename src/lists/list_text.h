// The tab-separated texts that list commands deliver: elements joined by single
// tabs, numbers in decimal, the whole held in a 40960-byte result buffer.
#pragma once

#include <cstddef>
#include <cstdint>

// The list text being built. Its buffer is one static area for the library's life:
// a result text needs to live only until the completion call returns, and commands
// run one at a time, so one list text exists at a time. Nothing is allocated or
// cleared per call; starting a list text empties it.
class ListText {
public:
    // The result buffer's size, terminating zero included.
    static constexpr std::size_t kCapacity = 40960;
    static constexpr std::size_t kMaxLength = kCapacity - 1;
    // The room an element written in place has, terminating zero included, however
    // long the text already is.
    static constexpr std::size_t kElementRoom = 1024;

    ListText();
    ListText(const ListText&) = delete;
    ListText& operator=(const ListText&) = delete;

    // Appends an element, with a tab before it unless it is the first. What passes
    // the buffer's end is cut off, so the text is always a prefix of the full list.
    void Add(const char* pszElement, std::size_t nLength);
    void Add(const char* pszElement);
    // Appends a number in decimal as the next element.
    void AddNumber(int32_t nValue);

    // An element written in place: NextElement adds the tab (unless it is the first
    // element) and gives where the element's text goes, kElementRoom bytes;
    // CommitElement keeps nLength characters of it, as many as fit the buffer.
    char* NextElement();
    void CommitElement(std::size_t nLength);

    const char* c_str() const;
    std::size_t length() const { return m_nLength; }

private:
    std::size_t m_nLength = 0;
    bool m_bEmpty = true;
};
