// The table as the host discovers it: mode -1 for the count, mode -2 for each entry.
#include "fixture.h"

#include <richedit.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>

namespace {

using zub::Host;

TEST(Table, HoldsTheCommandsThenTheConstants)
{
    Host host;
    const auto& table = host.table();
    ASSERT_EQ(131u, table.size());
    std::set<std::string> names;
    for (int i = 0; i < 131; ++i) {
        const zub::EntryInfo& e = table[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(i, e.index);
        EXPECT_EQ(i < 120 ? zub::kCommandEntry : zub::kConstantEntry, e.kind);
        EXPECT_EQ(i >= 120, e.name.front() == '@'); // constants, and only they, begin with "@"
        EXPECT_EQ(static_cast<int>(e.name.size()), e.nameLength);
        EXPECT_TRUE(std::none_of(e.name.begin(), e.name.end(), [](unsigned char c) { return std::isupper(c); }));
        EXPECT_TRUE(names.insert(e.name).second) << "named twice";
    }
}

TEST(Table, EveryCommandDeclaresAWellFormedArgumentList)
{
    Host host;
    const auto& table = host.table();
    ASSERT_EQ(131u, table.size());
    for (int i = 0; i < 120; ++i) {
        const zub::EntryInfo& e = table[i];
        SCOPED_TRACE(e.name);
        const int count = e.required + e.optional;
        EXPECT_GE(e.required, 1); // every command takes its handle (or first number) first
        ASSERT_LE(count, 16);
        for (int n = 0; n < 16; ++n) {
            const unsigned code = static_cast<unsigned>(e.argTypes >> (4 * n)) & 0xF;
            if (n >= count) {
                EXPECT_EQ(0u, code) << "a type past the last argument, at " << n + 1;
            } else {
                EXPECT_LE(code, 1u) << "argument " << n + 1;
            }
        }
        EXPECT_EQ(0u, e.argTypes & 0xF) << "argument 1 is an integer";
    }
    for (int i = 120; i < 131; ++i) EXPECT_EQ(0u, table[i].argTypes) << table[i].name;
}

TEST(Table, ConstantsCarryTheValuesTheirMeaningsRequire)
{
    Host host;
    // Numbering styles and alignments as rich edit controls take them.
    const struct { const char* name; LONG value; } cases[] = {
        {"@nPAREN", PFNS_PAREN},       {"@nPARENS", PFNS_PARENS}, {"@nPERIOD", PFNS_PERIOD},
        {"@nPLAIN", PFNS_PLAIN},       {"@nNONUM", PFNS_NONUMBER}, {"@LEFT", PFA_LEFT},
        {"@RIGHT", PFA_RIGHT},         {"@CENTER", PFA_CENTER},   {"@dbVersion", 1020},
        {"@EasterEgg", 42},            {"@TestConstant", 1},
    };
    int index = 120;
    for (const auto& c : cases) {
        const zub::EntryInfo& e = host.entry(c.name);
        EXPECT_EQ(index++, e.index) << c.name;
        EXPECT_EQ(zub::kConstantEntry, e.kind) << c.name;
        EXPECT_EQ(c.value, e.value) << c.name;
    }
}

TEST(Table, CommandsDeclareTheArgumentsTheirHandlersRead)
{
    Host host;
    const struct { const char* name; int required; int optional; uint64_t argTypes; } cases[] = {
        // The only commands with an optional argument.
        {"ebMask", 2, 1, 0x10},
        {"ebMaskClean", 2, 1, 0x10},
        {"rtSetNumbered", 1, 1, 0x0},
        // Two label texts after four numbers.
        {"trSETBUDDY", 6, 0, 0x110000},
        // The trackbar setters take their number as a text.
        {"trSETLINESIZE", 2, 0, 0x10}, {"trSETPAGESIZE", 2, 0, 0x10}, {"trSETPOS", 2, 0, 0x10},
        {"trSETRANGEMAX", 2, 0, 0x10}, {"trSETRANGEMIN", 2, 0, 0x10}, {"trSETSELEND", 2, 0, 0x10},
        {"trSETSELSTART", 2, 0, 0x10}, {"trSETTIC", 2, 0, 0x10},      {"trSETTICFREQ", 2, 0, 0x10},
        {"trSETTIPSIDE", 2, 0, 0x10},
        // A text between numbers.
        {"lvSetBkImage", 5, 0, 0x1000},
    };
    for (const auto& c : cases) {
        const zub::EntryInfo& e = host.entry(c.name);
        EXPECT_EQ(c.required, e.required) << c.name;
        EXPECT_EQ(c.optional, e.optional) << c.name;
        EXPECT_EQ(c.argTypes, e.argTypes) << c.name;
    }
    int withOptional = 0;
    for (const zub::EntryInfo& e : host.table()) withOptional += e.kind == zub::kCommandEntry && e.optional > 0;
    EXPECT_EQ(3, withOptional);
    // The host calls a command by its place in the table.
    EXPECT_EQ(41, host.entry("lvGetItemText").index);
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
