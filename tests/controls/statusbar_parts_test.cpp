// The part-edge reader of the status bar commands.
#include "controls/statusbar_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<int32_t> Parse(const char* text)
{
    int32_t edges[STATUSBAR_EDGES_MAX];
    const int count = ParseStatusBarEdges(text, edges);
    return std::vector<int32_t>(edges, edges + count);
}

TEST(ParseStatusBarEdges, SplitsAtSpacesAndConvertsEachToken)
{
    struct { const char* text; std::vector<int32_t> expected; } cases[] = {
        {"100 200 -1", {100, 200, -1}},
        {"", {}},
        {"     ", {}},
        {"  7  ", {7}},
        {"1    2", {1, 2}},
        {"+5 -0 -", {5, 0, 0}},
        {"abc 12abc", {0, 12}},
        {"3-4 -5-6", {3, -5}},             // a number ends at its first other character
        {"1\t2 3", {1, 3}},                // only the space separates
        {"4294967297", {1}},               // wraps around as the conversion does
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Parse(c.text)) << '"' << c.text << '"';
    EXPECT_TRUE(Parse(nullptr).empty());
}

TEST(ParseStatusBarEdges, StopsAtTheLimitAndIgnoresTheRest)
{
    std::string text;
    for (int i = 0; i < STATUSBAR_EDGES_MAX + 50; ++i) text += " " + std::to_string(i);
    const std::vector<int32_t> edges = Parse(text.c_str());
    ASSERT_EQ(static_cast<size_t>(STATUSBAR_EDGES_MAX), edges.size());
    EXPECT_EQ(0, edges.front());
    EXPECT_EQ(STATUSBAR_EDGES_MAX - 1, edges.back());
}

} // namespace
