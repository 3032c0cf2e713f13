#include "text.h"

#include <gtest/gtest.h>

namespace {

TEST(Lower, LowersAsciiLettersAndLeavesEveryOtherCharacter)
{
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"lvInsertItem", "lvinsertitem"},
        {"@nPAREN", "@nparen"},
        {"AZ az 09_[`{@", "az az 09_[`{@"},
        {"\xC4\xD6\xDC", "\xC4\xD6\xDC"},   // not ASCII: names in scripts never hold these
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, zub::lower(c.text)) << c.text;
}

} // namespace
