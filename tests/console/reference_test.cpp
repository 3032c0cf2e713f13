// The reference as help reads it from the pages, and the names offered for a slip.
#include "reference.h"

#include <gtest/gtest.h>

namespace {

using namespace zub::reference;

const char kListViews[] = "# List views\n"
                          "\n"
                          "![The sample](images/listviews.png)\n"
                          "General rules.\n"
                          "\n"
                          "## lvDeleteItem\n"
                          "\n"
                          "Deletes items.\n"
                          "\n"
                          "```zub\n"
                          "## not a heading inside an example\n"
                          "# nor this\n"
                          "```\n"
                          "\n"
                          "## @LEFT\n"
                          "\n"
                          "**Value:** 1\n";

TEST(Reference, EntriesRunFromTheirHeadingToTheNextOutsideExamples)
{
    const Reference reference({{"listviews", kListViews}, {"empty", ""}});
    ASSERT_EQ(2u, reference.families().size());
    const Reference::Family& family = reference.families()[0];
    EXPECT_EQ("List views", family.title);
    EXPECT_EQ("General rules.", family.intro);
    ASSERT_EQ(2u, family.entries.size());
    EXPECT_EQ("lvDeleteItem", family.entries[0].name);
    EXPECT_EQ("## lvDeleteItem\n\nDeletes items.\n\n```zub\n## not a heading inside an example\n# nor this\n```",
              family.entries[0].text);
    EXPECT_EQ("## @LEFT\n\n**Value:** 1", family.entries[1].text);
    EXPECT_TRUE(reference.families()[1].entries.empty());
}

TEST(Reference, NamesAreFoundInAnyCaseAndConstantsWithOrWithoutTheirSign)
{
    const Reference reference({{"listviews", kListViews}});
    for (const char* name : {"lvDeleteItem", "LVDELETEITEM"}) {
        ASSERT_NE(nullptr, reference.find(name)) << name;
        EXPECT_EQ("lvDeleteItem", reference.find(name)->name);
    }
    for (const char* name : {"@left", "LEFT"}) {
        ASSERT_NE(nullptr, reference.find(name)) << name;
        EXPECT_EQ("@LEFT", reference.find(name)->name);
    }
    EXPECT_EQ(nullptr, reference.find("lvDelete"));
    EXPECT_NE(nullptr, reference.family("LISTVIEWS"));
    EXPECT_NE(nullptr, reference.family("list views"));
    EXPECT_TRUE(Reference({}).empty());
}

TEST(Reference, NearestNamesForSlips)
{
    const std::vector<std::string> known = {"lvInsertItem", "lvInsertColumn", "lvGetItemText", "lvSetItemText",
                                            "tEcho",        "tSum",           "@LEFT",         "@RIGHT"};
    const struct {
        const char* name;
        std::vector<std::string> nearest;
    } cases[] = {
        {"lvInsertItm", {"lvInsertItem"}},
        {"LVINSERTITEMS", {"lvInsertItem"}},
        {"tEhco", {"tEcho"}}, // two letters swapped: one slip
        {"lvXetItemText", {"lvGetItemText", "lvSetItemText"}},
        {"@LEFF", {"@LEFT"}},
        {"bogus", {}},
        {"lvInsert", {}}, // four letters short of both: no slip
    };
    for (const auto& c : cases) EXPECT_EQ(c.nearest, nearestNames(c.name, known)) << c.name;
}

TEST(Reference, UnknownNameMessages)
{
    EXPECT_EQ("unknown command lvInsertItm; did you mean lvInsertItem?",
              unknownName("command", "lvInsertItm", {"lvInsertItem"}));
    EXPECT_EQ("unknown command x; did you mean a, b or c?", unknownName("command", "x", {"a", "b", "c"}));
    EXPECT_EQ("unknown constant @MIDDLE (not in the table)", unknownName("constant", "@MIDDLE", {}));
}

TEST(Reference, TypographicCharactersReadAsAscii)
{
    EXPECT_EQ("-1 is 16 x 16 ...", plainText("\xE2\x88\x92"
                                             "1 is 16 \xC3\x97 16 \xE2\x80\xA6"));
}

TEST(Reference, HelpShowsTablesAsColumnsAndExamplesIndentedWithoutMarkup)
{
    EXPECT_EQ("lvDeleteItem\n------------\n"
              "Deletes items. See the Scope.\n"
              "  Argument  Type  Meaning\n"
              "  list      int   a red|green|blue colour\n"
              "    print [1]\n"
              "last",
              plainText("## `lvDeleteItem`\n"
                        "Deletes [items](listviews.md#x). See the **Scope**.\n"
                        "| Argument | Type | Meaning |\n"
                        "|---|---|---|\n"
                        "| `list` | int | a `red|green|blue` colour |\n"
                        "```zub\n"
                        "print [1]\n"
                        "```\n"
                        "last\n"));
}

} // namespace
