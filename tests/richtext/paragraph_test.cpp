// Paragraph formatting: alignment, bullets, numbering and indents, read back from the
// real control.
#include "richtext_fixture.h"

namespace {

using richtext_test::RichText;

TEST_F(RichText, AlignmentIsPassedOnIncludingValuesWithoutAName)
{
    HWND rich = createWith("a paragraph");
    for (int alignment : {static_cast<int>(host.constant("@CENTER")), static_cast<int>(host.constant("@RIGHT")),
                          4, static_cast<int>(host.constant("@LEFT"))}) {
        EXPECT_EQ(1, host.call("rtSetAlignment", rich, alignment).integer);
        EXPECT_EQ(alignment, paraFormat(rich).wAlignment);
    }
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichText, BulletsTwiceSwitchThemOnAndOffAgain)
{
    HWND rich = createWith("item");
    EXPECT_EQ(1, host.call("rtSetBulleted", rich).integer);
    EXPECT_EQ(PFN_BULLET, paraFormat(rich).wNumbering);
    host.call("rtSetBulleted", rich);
    EXPECT_EQ(0, paraFormat(rich).wNumbering);
}

TEST_F(RichText, BulletsReplaceNumbering)
{
    HWND rich = createWith("item");
    host.call("rtSetNumbered", rich, host.constant("@nPLAIN"));
    ASSERT_EQ(7, paraFormat(rich).wNumbering);
    host.call("rtSetBulleted", rich);
    EXPECT_EQ(PFN_BULLET, paraFormat(rich).wNumbering);
}

TEST_F(RichText, NumberingWithAStyleThenOffStillSendsTheStyle)
{
    HWND rich = createWith("first");
    const LONG period = host.constant("@nPERIOD");
    EXPECT_EQ(1, host.call("rtSetNumbered", rich, period).integer);
    PARAFORMAT2 numbered = paraFormat(rich);
    EXPECT_EQ(7, numbered.wNumbering);
    EXPECT_EQ(period, numbered.wNumberingStyle);

    const LONG parens = host.constant("@nPARENS");
    host.call("rtSetNumbered", rich, parens);
    PARAFORMAT2 off = paraFormat(rich);
    EXPECT_EQ(0, off.wNumbering);
    EXPECT_EQ(parens, off.wNumberingStyle);
}

TEST_F(RichText, NumberingWithTheStyleLeftOutReadsTheCellAsTheHostLeftIt)
{
    HWND rich = createWith("first");
    host.call("rtSetNumbered", rich, zub::Arg::omitted(0x200));
    EXPECT_EQ(7, paraFormat(rich).wNumbering);
    EXPECT_EQ(0x200, paraFormat(rich).wNumberingStyle);
}

TEST_F(RichText, IndentChangesRelativelyAndNeverGoesBelowZero)
{
    HWND rich = createWith("indented");
    PARAFORMAT2 start{};
    start.dwMask = PFM_STARTINDENT;
    start.dxStartIndent = 720;
    setParaFormat(rich, start);

    EXPECT_EQ(1080, host.call("rtIndent", rich, 360).integer);
    EXPECT_EQ(1080, paraFormat(rich).dxStartIndent);
    EXPECT_EQ(0, host.call("rtIndent", rich, -10000).integer);
    EXPECT_EQ(0, paraFormat(rich).dxStartIndent);
}

} // namespace
