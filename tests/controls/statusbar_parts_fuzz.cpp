// Fuzzes the part-edge reader with any text. It stores at most 256 edges: the
// space-separated tokens in order, each read as TextToInt reads it alone.
#include "controls/statusbar_parts.h"
#include "host/values.h"

#include "fuzz_support.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using fuzz::CText;
using fuzz::Require;

std::vector<std::string> Tokens(std::string_view text)
{
    std::vector<std::string> tokens;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const std::size_t end = std::min(text.size(), text.find(' '));
        tokens.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return tokens;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CText text(std::string_view(reinterpret_cast<const char*>(data), size));
    // On the heap at its exact size, so a write past the last edge is caught.
    const std::unique_ptr<int32_t[][STATUSBAR_EDGES_MAX]> edges(new int32_t[1][STATUSBAR_EDGES_MAX]);
    const int count = ParseStatusBarEdges(text.c_str(), edges[0]);

    Require(count >= 0 && count <= STATUSBAR_EDGES_MAX, "at most 256 edges");
    const std::vector<std::string> tokens = Tokens(text.view());
    Require(static_cast<std::size_t>(count) == std::min<std::size_t>(tokens.size(), STATUSBAR_EDGES_MAX),
            "one edge per token, up to the limit");
    for (int i = 0; i < count; ++i) {
        Require(edges[0][i] == TextToInt(tokens[i].c_str()), "each edge is its token's number");
    }
    return 0;
}
