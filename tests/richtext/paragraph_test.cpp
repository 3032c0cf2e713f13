// Paragraph formatting: alignment, bullets, numbering and the start indent.
#include "richtext_fixture.h"

namespace {

using richtext_test::RichText;

TEST_F(RichText, AlignmentIsPassedOnNamedOrNot)
{
    HWND rich = createWith("a paragraph");
    struct Case {
        LONG alignment;
        WORD expected;
    };
    const Case cases[] = {{host.constant("@CENTER"), PFA_CENTER}, {host.constant("@RIGHT"), PFA_RIGHT},
                          {4, PFA_JUSTIFY}, {host.constant("@LEFT"), PFA_LEFT}};
    for (const Case& c : cases) {
        const zub::Result r = host.call("rtSetAlignment", rich, c.alignment);
        EXPECT_EQ(1, r.integer);
        EXPECT_EQ(c.expected, paraFormat(rich).wAlignment) << c.alignment;
    }
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichText, BulletsTwiceSwitchThemOnAndOffAgain)
{
    HWND rich = createWith("a paragraph");
    EXPECT_EQ(1, host.call("rtSetBulleted", rich).integer);
    EXPECT_EQ(PFN_BULLET, paraFormat(rich).wNumbering);
    EXPECT_EQ(1, host.call("rtSetBulleted", rich).integer);
    EXPECT_EQ(0, paraFormat(rich).wNumbering);
    EXPECT_EQ(rich, GetFocus());
}

TEST_F(RichText, BulletsReplaceNumberingAndBulletAPartlyBulletedSelection)
{
    HWND rich = createWith("first\rsecond");
    PARAFORMAT2 numbered{};
    numbered.dwMask = PFM_NUMBERING;
    numbered.wNumbering = 7;
    setParaFormat(rich, numbered);
    host.call("rtSetBulleted", rich);
    EXPECT_EQ(PFN_BULLET, paraFormat(rich).wNumbering);

    select(rich, 0, 0);
    host.call("rtSetBulleted", rich);   // first paragraph plain again, second bulleted
    select(rich, 0, 8);
    host.call("rtSetBulleted", rich);
    for (LONG at : {0, 8}) {
        select(rich, at, at);
        EXPECT_EQ(PFN_BULLET, paraFormat(rich).wNumbering) << at;
    }
}

TEST_F(RichText, NumberingWithAStyleIsDecimalFromOneThenOffStillSendsTheStyle)
{
    HWND rich = createWith("a paragraph");
    EXPECT_EQ(1, host.call("rtSetNumbered", rich, host.constant("@nPERIOD")).integer);
    PARAFORMAT2 on = paraFormat(rich);
    EXPECT_EQ(PFN_ARABIC, on.wNumbering);
    EXPECT_EQ(1, on.wNumberingStart);
    EXPECT_EQ(PFNS_PERIOD, on.wNumberingStyle);

    EXPECT_EQ(1, host.call("rtSetNumbered", rich, host.constant("@nPLAIN")).integer);
    PARAFORMAT2 off = paraFormat(rich);
    EXPECT_EQ(0, off.wNumbering);
    EXPECT_EQ(PFNS_PLAIN, off.wNumberingStyle);
    EXPECT_EQ(rich, GetFocus());
}

// Paragraphs numbered as a character sequence (kind 7, as earlier versions numbered
// them) count as numbered and switch off; bulleted ones become numbered.
TEST_F(RichText, NumberingSwitchesOffEitherNumberingKindAndReplacesBullets)
{
    struct Case {
        WORD before;
        WORD after;
    };
    const Case cases[] = {{7, 0}, {PFN_ARABIC, 0}, {PFN_BULLET, PFN_ARABIC}, {0, PFN_ARABIC}};
    HWND rich = createWith("a paragraph");
    for (const Case& c : cases) {
        PARAFORMAT2 start{};
        start.dwMask = PFM_NUMBERING;
        start.wNumbering = c.before;
        setParaFormat(rich, start);
        host.call("rtSetNumbered", rich, host.constant("@nPAREN"));
        EXPECT_EQ(c.after, paraFormat(rich).wNumbering) << c.before;
    }
}

TEST_F(RichText, NumberingWithTheStyleLeftOutTakesWhatTheCellHolds)
{
    HWND rich = createWith("a paragraph");
    host.call("rtSetNumbered", rich, zub::Arg::omitted(PFNS_PLAIN));
    const PARAFORMAT2 format = paraFormat(rich);
    EXPECT_EQ(PFN_ARABIC, format.wNumbering);
    EXPECT_EQ(PFNS_PLAIN, format.wNumberingStyle);
}

TEST_F(RichText, IndentChangesTheStartIndentAndNeverGoesBelowZero)
{
    struct Case {
        int change;
        int expected;
    };
    const Case cases[] = {{-10000, 0}, {360, 1080}, {-720, 0}, {-360, 360}, {0, 720}};
    HWND rich = createWith("a paragraph");
    for (const Case& c : cases) {
        PARAFORMAT2 start{};
        start.dwMask = PFM_STARTINDENT;
        start.dxStartIndent = 720;
        setParaFormat(rich, start);
        const zub::Result r = host.call("rtIndent", rich, c.change);
        EXPECT_EQ(c.expected, r.integer) << c.change;
        EXPECT_EQ(c.expected, paraFormat(rich).dxStartIndent) << c.change;
    }
    EXPECT_EQ(rich, GetFocus());
}

} // namespace
