#include "controls/statusbar_parts.h"

#include "host/values.h"

#include <string>

int ParseStatusBarEdges(const char* pszText, int32_t (&edges)[STATUSBAR_EDGES_MAX])
{
    if (pszText == nullptr) return 0;
    int nCount = 0;
    const char* p = pszText;
    while (nCount < STATUSBAR_EDGES_MAX) {
        while (*p == ' ') ++p;
        if (*p == '\0') break;
        const char* pStart = p;
        while (*p != ' ' && *p != '\0') ++p;
        // The token on its own, so the conversion cannot read past its end.
        edges[nCount++] = TextToInt(std::string(pStart, p).c_str());
    }
    return nCount;
}
