// The kinds of window that commands drive through argument 1, for the console's warning.
#include "kinds.h"

#include <gtest/gtest.h>

namespace {

using zub::script::wrongKind;

TEST(WindowKinds, WarnOnlyWhereTheCommandDrivesAnotherKind)
{
    const struct {
        const char* command;
        const char* className;
        bool warns;
    } cases[] = {
        {"trSETRANGEMIN", "msctls_statusbar32", true},
        {"trsetrangemin", "MSCTLS_TRACKBAR32", false},
        {"pgStep", "tooltips_class32", true},
        {"rtLoadFileRTF", "tooltips_class32", true},
        {"taSetTabStyle", "RichEdit50W", true},
        {"rtBold", "Edit", true},
        {"lbGetItemCount", "ComboLBox", false}, // a combo box's list
        {"cbGetCurSel", "ListBox", true},
        {"ebMask", "RichEdit50W", false},
        {"ebSetLenLimit", "RichEdit20A", false},
        {"ebGetModify", "Button", true},
        {"pbSetMultiline", "Button", false},
        {"pbSetMultiline", "Edit", true},
        {"ccShow", "SysListView32", false},      // any window
        {"RemoveControl", "ZubTestDialog", false},
        {"trCreateTrackBar", "#32770", false},   // the parent
        {"trSETBUDDY", "ZubTestDialog", false},
        {"ttCreateToolTip", "ZubTestDialog", false},
        {"ilAddImage", "Edit", false},           // no window
        {"ilCreateImgList", "Edit", false},
        {"lvScrollTo", "SysListView32", false},
        {"lvscrollto", "ListBox", true},
        {"wnTaskBar", "Edit", false},
        {"tSum", "Edit", false},                 // a command of no family
    };
    for (const auto& c : cases) EXPECT_EQ(c.warns, wrongKind(c.command, "$w", c.className).has_value()) << c.command << " " << c.className;
}

TEST(WindowKinds, WarningNamesTheWindowAndWhatTheCommandDrives)
{
    EXPECT_EQ("warning: $sb is a msctls_statusbar32; trSETRANGEMIN drives a trackbar (msctls_trackbar32)",
              wrongKind("trSETRANGEMIN", "$sb", "msctls_statusbar32"));
    EXPECT_EQ("warning: $e is an Edit; lbGetItemCount drives a list box (ListBox)", wrongKind("lbGetItemCount", "$e", "Edit"));
}

TEST(ArgumentReadings, TextsForNumbersAndColoursThatAreNoColourTextsAreWarnedAbout)
{
    using zub::script::Value;
    const struct {
        const char* command;
        std::vector<Value> args;
        const char* warning; // a part of it; empty for none
    } cases[] = {
        {"trSETPOS", {Value::ofInteger(1), Value::ofText("30")}, "argument 2 of trSETPOS is the text \"30\""},
        {"trSETPOS", {Value::ofInteger(1), Value::ofInteger(30)}, ""},
        {"rtIndent", {Value::ofInteger(1), Value::ofText("720")}, "reads the number in the cell"},
        {"rtSetTextColor", {Value::ofInteger(1), Value::ofText("red")}, "reads it as 0|0|0"},
        {"rtSetTextColor", {Value::ofInteger(1), Value::ofText("#FF0000")}, "reads it as 0|0|0"},
        {"pgSetColor", {Value::ofInteger(1), Value::ofInteger(128), Value::ofInteger(0)}, "reads it as 0|0|128"},
        {"sbSetBkColor", {Value::ofInteger(1), Value::ofText("255|0")}, "reads it as 255|0|0"},
        {"ttSetColor", {Value::ofInteger(1), Value::ofText("0|0|256")}, "\"0|0|256\", is no colour text"},
        {"lvSetItemTextColor", {Value::ofInteger(1), Value::ofInteger(1), Value::ofInteger(1), Value::ofInteger(0),
                                Value::ofText("255|128|0")}, ""},
        {"lvSetBkColor", {Value::ofInteger(1)}, ""}, // missing: the count check speaks
        {"lvSetBkColor", {Value::ofInteger(1), Value::ofText("0|0|0")}, ""},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> warnings = zub::script::argumentWarnings(c.command, c.args);
        if (*c.warning == '\0') {
            EXPECT_TRUE(warnings.empty()) << c.command << ": " << (warnings.empty() ? "" : warnings[0]);
            continue;
        }
        ASSERT_EQ(1u, warnings.size()) << c.command;
        EXPECT_NE(std::string::npos, warnings[0].find(c.warning)) << warnings[0];
    }
}

TEST(CommandFacts, OnlyTheirCommandsGiveAnImageListOrNeedTheListViewsLayout)
{
    using zub::script::givesImageList;
    using zub::script::needsListViewLayout;
    EXPECT_TRUE(givesImageList("ilCreateImgList"));
    EXPECT_TRUE(givesImageList("ilcreateimglist"));
    EXPECT_FALSE(givesImageList("ilAddImage"));
    EXPECT_TRUE(needsListViewLayout("lvScrollTo"));
    EXPECT_TRUE(needsListViewLayout("LVSCROLLTO"));
    EXPECT_FALSE(needsListViewLayout("lvSetItemText"));
    EXPECT_FALSE(needsListViewLayout("tSum"));
}

} // namespace
