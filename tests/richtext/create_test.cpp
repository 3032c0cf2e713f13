// rtCreate: the control a script gets and its style (where it sits, and when there is
// none, with the other creating commands).
#include "richtext_fixture.h"
#include "platform.h"
#include "text.h"

namespace {

using richtext_test::RichText;
using zub::lower;

TEST_F(RichText, CreateMakesARichEditChildShowingHelloWorld)
{
    const zub::Result r = host.call("rtCreate", dialog.hwnd(), 20, 30, 300, 150, 0);
    EXPECT_EQ(1, r.completions);
    HWND rich = reinterpret_cast<HWND>(static_cast<INT_PTR>(r.integer));
    ASSERT_TRUE(IsWindow(rich));

    char className[64] = {};
    GetClassNameA(rich, className, sizeof className);
    EXPECT_EQ("richedit50w", lower(className));
    EXPECT_EQ(dialog.hwnd(), GetParent(rich));
    EXPECT_EQ("Hello World.", zub::windowText(rich));
}

TEST_F(RichText, CreateUsesTheRichTextStyle)
{
    HWND rich = create();
    const DWORD style = static_cast<DWORD>(GetWindowLongA(rich, GWL_STYLE));
    // Wine drops the scroll bar bits from the stored style; every other bit shows.
    const DWORD scrollBars = WS_VSCROLL | WS_HSCROLL;
    const DWORD expected = 0x51B191C4 & ~scrollBars;
    EXPECT_EQ(expected, style & expected) << std::hex << style;
    if (zub::SeenOnlyUnderWine("the rich edit drops WS_VSCROLL and WS_HSCROLL from its style")) {
        EXPECT_EQ(0u, style & scrollBars) << std::hex << style;
    }
    EXPECT_EQ(0u, style & ~0x51B191C4u) << std::hex << style;
    EXPECT_NE(rich, GetFocus());   // creating does not take the keyboard focus
}

} // namespace
