#include "list_text.h"

#include "host/values.h"

#include <algorithm>
#include <cstring>

void ListText::Add(const char* pszElement, std::size_t nLength)
{
    if (!m_bEmpty) Append("\t", 1);
    m_bEmpty = false;
    Append(pszElement, nLength);
}

void ListText::Add(const char* pszElement)
{
    Add(pszElement, std::strlen(pszElement));
}

void ListText::AddNumber(int32_t nValue)
{
    char szNumber[INT_TEXT_MAX];
    IntToText(nValue, szNumber, 10);
    Add(szNumber);
}

void ListText::Append(const char* pszText, std::size_t nLength)
{
    const std::size_t nRoom = kMaxLength - m_strText.length();
    m_strText.append(pszText, std::min(nLength, nRoom));
}
