#include "ipaddress_text.h"

#include "host/values.h"

#include <cstdio>

namespace {

// Characters of the text that are read at most.
constexpr int kScanLength = 15;

} // namespace

uint32_t IpTextToAddress(const char* pszText)
{
    if (pszText == nullptr) pszText = "";
    int32_t fields[3] = {0, 0, 0};
    int nDots = 0;
    NumberField group;
    if (pszText[0] != '\0') {
        // The first character opens the first group whatever it is, a dot included.
        group.Append(pszText[0]);
        for (int p = 1; p < kScanLength && pszText[p] != '\0'; ++p) {
            const char ch = pszText[p];
            if (ch != '.') {
                group.Append(ch);
                continue;
            }
            if (nDots < 3) fields[nDots] = group.Value();
            group.Clear();
            ++nDots;
        }
    }
    const int32_t last = group.Value();
    return (static_cast<uint32_t>(fields[0]) << 24) + (static_cast<uint32_t>(fields[1]) << 16) +
           (static_cast<uint32_t>(fields[2]) << 8) + static_cast<uint32_t>(last);
}

void IpAddressToText(uint32_t nAddress, char* pszDest)
{
    std::snprintf(pszDest, IP_TEXT_MAX, "%d.%d.%d.%d", static_cast<int>(nAddress >> 24),
                  static_cast<int>((nAddress >> 16) & 0xFF), static_cast<int>((nAddress >> 8) & 0xFF),
                  static_cast<int>(nAddress & 0xFF));
}
