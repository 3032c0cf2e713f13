// rtCreate: the control a script gets, where it sits, and when there is none.
#include "richtext_fixture.h"
#include "text.h"

namespace {

using richtext_test::RichText;
using zub::lower;

TEST_F(RichText, CreateMakesARichEditChildShowingHelloWorldWhereTheScriptSaid)
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

    // ES_SELECTIONBAR is the bit of WS_MAXIMIZE, so only the placement after
    // creation puts the control where the script asked.
    const RECT rect = zub::rectIn(rich, dialog.hwnd());
    EXPECT_EQ(20, rect.left);
    EXPECT_EQ(30, rect.top);
    EXPECT_EQ(300, rect.right - rect.left);
    EXPECT_EQ(150, rect.bottom - rect.top);
}

TEST_F(RichText, CreateUsesTheRichTextStyle)
{
    HWND rich = create();
    const DWORD style = static_cast<DWORD>(GetWindowLongA(rich, GWL_STYLE));
    // Wine drops the scroll bar bits from the stored style; every other bit shows.
    const DWORD expected = 0x51B191C4 & ~(WS_VSCROLL | WS_HSCROLL);
    EXPECT_EQ(expected, style & expected) << std::hex << style;
    EXPECT_EQ(0u, style & ~0x51B191C4u) << std::hex << style;
    EXPECT_NE(rich, GetFocus());   // creating does not take the keyboard focus
}

TEST_F(RichText, CreateWithAParentThatIsNotAWindowReturnsZero)
{
    HWND gone = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    for (HWND parent : {HWND(nullptr), gone, reinterpret_cast<HWND>(0x1234)}) {
        const zub::Result r = host.call("rtCreate", parent, 0, 0, 100, 100, 0);
        EXPECT_EQ(0, r.integer) << parent;
        EXPECT_EQ(1, r.completions);
    }
    EXPECT_TRUE(notes.empty());
}

} // namespace
