// The tab-separated list text: its form and its cut at the buffer's end.
#include "lists/list_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ListText, JoinsElementsWithSingleTabsAndNumbersInDecimal)
{
    ListText text;
    EXPECT_STREQ("", text.c_str());
    text.AddNumber(1);
    text.Add("");
    text.AddNumber(-2147483647 - 1);
    text.Add("x");
    EXPECT_STREQ("1\t\t-2147483648\tx", text.c_str());
}

TEST(ListText, IsCutAtTheBufferEndAndStaysAPrefixOfTheWholeList)
{
    const std::string element(1000, 'a');
    ListText text;
    std::string whole;
    for (int i = 0; i < 50; ++i) {
        text.Add(element.c_str());
        whole += (i == 0 ? "" : "\t") + element;
    }
    ASSERT_EQ(ListText::kCapacity - 1, text.length());
    EXPECT_EQ(whole.substr(0, ListText::kCapacity - 1), text.c_str());
    text.AddNumber(7); // nothing more fits, not even the tab
    EXPECT_EQ(ListText::kCapacity - 1, text.length());
}

} // namespace
