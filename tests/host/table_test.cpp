// The table as the host discovers it: mode -1 for the count, mode -2 for each entry.
#include "fixture.h"
#include "text.h"

#include <cstring>

namespace {

using zub::Host;
using zub::lower;

struct ExpectedCommand {
    const char* name;
    int required;
    int optional;
    uint64_t argTypes; // four bits an argument, 1 for text
};

const ExpectedCommand kCommands[] = {
    {"anCloseAVI", 1, 0, 0x0},
    {"anCreateAVI", 6, 0, 0x0},
    {"anOpenAVI", 2, 0, 0x10},
    {"anPlayAVI", 4, 0, 0x0},
    {"anStopAVI", 1, 0, 0x0},
    {"cbGetCurSel", 1, 0, 0x0},
    {"cbSetCurSel", 2, 0, 0x0},
    {"cbSetDropHeight", 2, 0, 0x0},
    {"ccShow", 2, 0, 0x0},
    {"DCCompatible", 2, 0, 0x0},
    {"ebGetModify", 1, 0, 0x0},
    {"ebSetLenLimit", 2, 0, 0x0},
    {"ebMask", 2, 1, 0x10},
    {"ebMaskClean", 2, 1, 0x10},
    {"ebSetModify", 2, 0, 0x0},
    {"ilAddImage", 4, 0, 0x10},
    {"ilCreateImgList", 5, 0, 0x0},
    {"ilDeleteImgList", 1, 0, 0x0},
    {"ilRemoveImage", 2, 0, 0x0},
    {"ipClearIP", 1, 0, 0x0},
    {"ipCreateIP", 6, 0, 0x0},
    {"ipGetIP", 1, 0, 0x0},
    {"ipIsBlank", 1, 0, 0x0},
    {"ipSetFocus", 2, 0, 0x0},
    {"ipSetIP", 2, 0, 0x10},
    {"ipSetRange", 4, 0, 0x0},
    {"lbDeleteItem", 3, 0, 0x0},
    {"lbGetItemCount", 1, 0, 0x0},
    {"lbGetItemCountSel", 1, 0, 0x0},
    {"lbGetItemHeight", 1, 0, 0x0},
    {"lbGetItemSel", 1, 0, 0x0},
    {"lbGetItemState", 2, 0, 0x0},
    {"lbSetHScrollSize", 2, 0, 0x0},
    {"lbSetItemHeight", 2, 0, 0x0},
    {"lbSetItemState", 3, 0, 0x0},
    {"lvClearImages", 1, 0, 0x0},
    {"lvDeleteItem", 3, 0, 0x0},
    {"lvGetItemCheck", 2, 0, 0x0},
    {"lvGetItemCount", 1, 0, 0x0},
    {"lvGetItemCountSel", 1, 0, 0x0},
    {"lvGetItemState", 3, 0, 0x0},
    {"lvGetItemText", 3, 0, 0x0},
    {"lvInsertColumn", 3, 0, 0x100},
    {"lvInsertItem", 3, 0, 0x100},
    {"lvScrollTo", 3, 0, 0x0},
    {"lvSetBkColor", 2, 0, 0x10},
    {"lvSetBkImage", 5, 0, 0x1000},
    {"lvSetColumnFill", 3, 0, 0x100},
    {"lvSetColumnFillSeq", 4, 0, 0x0},
    {"lvSetColumnImage", 4, 0, 0x0},
    {"lvSetColumnWidth", 3, 0, 0x0},
    {"lvSetImageList", 2, 0, 0x0},
    {"lvSetItemCheck", 3, 0, 0x0},
    {"lvSetItemImage", 4, 0, 0x0},
    {"lvSetItemState", 4, 0, 0x0},
    {"lvSetItemText", 4, 0, 0x1000},
    {"lvSetItemTextColor", 5, 0, 0x10000},
    {"pbSetMultiline", 2, 0, 0x0},
    {"pgCreateProgressBar", 6, 0, 0x0},
    {"pgSetColor", 3, 0, 0x10},
    {"pgSetPosition", 2, 0, 0x0},
    {"pgSetRange", 3, 0, 0x0},
    {"pgSetState", 2, 0, 0x0},
    {"pgSetStep", 2, 0, 0x0},
    {"pgStep", 2, 0, 0x0},
    {"RedrawControl", 2, 0, 0x0},
    {"RemoveControl", 1, 0, 0x0},
    {"sbCreateStatusBar", 2, 0, 0x10},
    {"sbSetBkColor", 2, 0, 0x10},
    {"sbSetIcon", 3, 0, 0x100},
    {"sbSetParts", 2, 0, 0x10},
    {"sbSetText", 3, 0, 0x100},
    {"taAddTab", 3, 0, 0x100},
    {"taCreateTab", 6, 0, 0x0},
    {"taDeleteTab", 2, 0, 0x0},
    {"taGetTabSel", 1, 0, 0x0},
    {"taSetBkColor", 4, 0, 0x0},
    {"taSetTabSel", 2, 0, 0x0},
    {"taSetTabStyle", 2, 0, 0x0},
    {"trCLEARSEL", 1, 0, 0x0},
    {"trCLEARTICS", 1, 0, 0x0},
    {"trCreateTrackBar", 6, 0, 0x0},
    {"trGETTRACKINFO", 2, 0, 0x0},
    {"trRemoveBuddy", 1, 0, 0x0},
    {"trSETBUDDY", 6, 0, 0x110000},
    {"trSETLINESIZE", 2, 0, 0x10},
    {"trSETPAGESIZE", 2, 0, 0x10},
    {"trSETPOS", 2, 0, 0x10},
    {"trSETRANGEMAX", 2, 0, 0x10},
    {"trSETRANGEMIN", 2, 0, 0x10},
    {"trSETSELEND", 2, 0, 0x10},
    {"trSETSELSTART", 2, 0, 0x10},
    {"trSETTIC", 2, 0, 0x10},
    {"trSETTICFREQ", 2, 0, 0x10},
    {"trSETTIPSIDE", 2, 0, 0x10},
    {"ttActivate", 2, 0, 0x0},
    {"ttAddToolTip", 3, 0, 0x100},
    {"ttCreateToolTip", 1, 0, 0x0},
    {"ttDeleteToolTip", 2, 0, 0x0},
    {"ttSetColor", 3, 0, 0x10},
    {"ttSetDelay", 3, 0, 0x0},
    {"ttSetText", 3, 0, 0x100},
    {"ttSetTitle", 3, 0, 0x100},
    {"rtCreate", 6, 0, 0x0},
    {"rtBold", 1, 0, 0x0},
    {"rtItalic", 1, 0, 0x0},
    {"rtUnderline", 1, 0, 0x0},
    {"rtSetTextColor", 2, 0, 0x10},
    {"rtSetTextBackColor", 2, 0, 0x10},
    {"rtSetAlignment", 2, 0, 0x0},
    {"rtSetBulleted", 1, 0, 0x0},
    {"rtSetNumbered", 1, 1, 0x0},
    {"rtIndent", 2, 0, 0x10},
    {"rtSetText", 2, 0, 0x10},
    {"rtSetDefaults", 1, 0, 0x0},
    {"rtFontSizing", 2, 0, 0x10},
    {"rtZoom", 1, 0, 0x0},
    {"rtLoadFileRTF", 2, 0, 0x10},
    {"rtSaveFileRTF", 2, 0, 0x10},
    {"wnTaskBar", 1, 0, 0x0},
};

struct ExpectedConstant {
    const char* name;
    LONG value;
};

const ExpectedConstant kConstants[] = {
    {"@nPAREN", 0},   {"@nPARENS", 0x100}, {"@nPERIOD", 0x200},  {"@nPLAIN", 0x300},
    {"@nNONUM", 0x400}, {"@LEFT", 1},       {"@RIGHT", 2},         {"@CENTER", 3},
    {"@dbVersion", 1020}, {"@EasterEgg", 42}, {"@TestConstant", 1},
};

TEST(Table, HoldsTheCommandsThenTheConstantsInTheirOrder)
{
    static_assert(std::size(kCommands) == 120);
    Host host;
    const auto& table = host.table();
    ASSERT_EQ(131u, table.size());
    for (int i = 0; i < 120; ++i) {
        const zub::EntryInfo& e = table[i];
        const ExpectedCommand& x = kCommands[i];
        SCOPED_TRACE(x.name);
        EXPECT_EQ(i, e.index);
        EXPECT_EQ(2, e.kind);
        EXPECT_EQ(lower(x.name), e.name);
        EXPECT_EQ(static_cast<int>(std::strlen(x.name)), e.nameLength);
        EXPECT_EQ(x.required, e.required);
        EXPECT_EQ(x.optional, e.optional);
        EXPECT_EQ(x.argTypes, e.argTypes);
    }
    for (int i = 0; i < 11; ++i) {
        const zub::EntryInfo& e = table[120 + i];
        SCOPED_TRACE(kConstants[i].name);
        EXPECT_EQ(120 + i, e.index);
        EXPECT_EQ(3, e.kind);
        EXPECT_EQ(lower(kConstants[i].name), e.name);
        EXPECT_EQ(static_cast<int>(std::strlen(kConstants[i].name)), e.nameLength);
        EXPECT_EQ(kConstants[i].value, e.value);
        EXPECT_EQ(0u, e.argTypes);
    }
}

// The record exactly as the bytes lie, for the entries the host relies on most.
struct Record {
    alignas(4) BYTE bytes[64];
    Record() { std::memset(bytes, 0xEE, sizeof bytes); }
    LONG at(int offset) const { LONG v; std::memcpy(&v, bytes + offset, 4); return v; }
    WORD word(int offset) const { WORD v; std::memcpy(&v, bytes + offset, 2); return v; }
    const char* name() const { return reinterpret_cast<const char*>(bytes + 22); }
};

int describe(Host& host, int entry, Record* record)
{
    zub::Cell result{};
    return host.extender2Proc()(nullptr, nullptr, 0, -2, nullptr, 0, 0, record ? record->bytes : nullptr, entry, &result);
}

TEST(Table, DescribesACommandRecordByteForByte)
{
    Host host;
    Record r;
    ASSERT_EQ(1, describe(host, 0, &r));
    EXPECT_EQ(0, r.at(0));
    EXPECT_EQ(2, r.at(4));
    EXPECT_EQ(0, r.at(8));
    EXPECT_EQ(0, r.at(12));
    EXPECT_EQ(1, r.bytes[16]);
    EXPECT_EQ(0, r.bytes[17]);
    EXPECT_EQ(0, r.word(18));
    EXPECT_EQ(10, r.word(20));
    EXPECT_STREQ("ancloseavi", r.name());
    EXPECT_EQ(0xEE, r.bytes[22 + 11]); // nothing written past the terminator

    Record mask;
    ASSERT_EQ(1, describe(host, 12, &mask));
    EXPECT_EQ(2, mask.bytes[16]);
    EXPECT_EQ(1, mask.bytes[17]);
    EXPECT_EQ(0x10, mask.at(8));
    EXPECT_EQ(0, mask.at(12));
    EXPECT_STREQ("ebmask", mask.name());

    Record buddy;
    ASSERT_EQ(1, describe(host, 84, &buddy));
    EXPECT_EQ(0x110000, buddy.at(8));
    EXPECT_STREQ("trsetbuddy", buddy.name());
}

TEST(Table, DescribesAConstantWithItsValueInPlaceOfTheCounts)
{
    Host host;
    Record paren;
    ASSERT_EQ(1, describe(host, 120, &paren));
    EXPECT_EQ(120, paren.at(0));
    EXPECT_EQ(3, paren.at(4));
    EXPECT_EQ(0, paren.at(16));
    EXPECT_EQ(7, paren.word(20));
    EXPECT_STREQ("@nparen", paren.name());

    Record nonum;
    ASSERT_EQ(1, describe(host, 124, &nonum));
    EXPECT_EQ(1024, nonum.at(16));
}

TEST(Table, DescribeOutsideTheTableWritesNothing)
{
    Host host;
    for (int entry : {131, -1, 1000}) {
        Record r;
        EXPECT_EQ(0, describe(host, entry, &r));
        EXPECT_EQ(static_cast<LONG>(0xEEEEEEEE), r.at(0));
    }
    EXPECT_EQ(1, describe(host, 130, nullptr));
}

TEST(Table, ConstantsResolveByNameAsTheHostWritesThem)
{
    Host host;
    EXPECT_EQ(0x200, host.constant("@nPERIOD"));
    EXPECT_EQ(3, host.constant("@center"));
    EXPECT_THROW(host.constant("@nothing"), std::invalid_argument);
}

TEST(Table, TheHostStandInRefusesAWrongArgumentCount)
{
    zub::NoteCatcher notes;
    Host host;
    EXPECT_THROW(host.call("lvInsertItem", 1, 1), std::invalid_argument);
    EXPECT_THROW(host.call("ebMask", 1, "#", 0, 0), std::invalid_argument);
    EXPECT_THROW(host.call("@LEFT"), std::invalid_argument);
}

} // namespace
