#include "list_text.h"

#include "host/values.h"

#include <algorithm>
#include <cstring>

namespace {

// The text, and past its last character room for one more element written in place.
char g_szListText[ListText::kCapacity + ListText::kElementRoom - 1];

} // namespace

ListText::ListText() { g_szListText[0] = '\0'; }

const char* ListText::c_str() const { return g_szListText; }

char* ListText::NextElement()
{
    if (!m_bEmpty && m_nLength < kMaxLength) g_szListText[m_nLength++] = '\t';
    m_bEmpty = false;
    return g_szListText + m_nLength;
}

void ListText::CommitElement(std::size_t nLength)
{
    m_nLength += std::min(nLength, kMaxLength - m_nLength);
    g_szListText[m_nLength] = '\0';
}

void ListText::Add(const char* pszElement, std::size_t nLength)
{
    char* pszPlace = NextElement();
    nLength = std::min(nLength, kMaxLength - m_nLength);
    std::memmove(pszPlace, pszElement, nLength);
    CommitElement(nLength);
}

void ListText::Add(const char* pszElement)
{
    Add(pszElement, std::strlen(pszElement));
}

void ListText::AddNumber(int32_t nValue)
{
    static_assert(INT_TEXT_MAX <= kElementRoom);
    if (m_nLength == kMaxLength) return; // nothing more fits: no need to write it
    CommitElement(static_cast<std::size_t>(IntToText(nValue, NextElement(), 10)));
}
