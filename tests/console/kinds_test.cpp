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
