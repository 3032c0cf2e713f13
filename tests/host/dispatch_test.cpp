// The two exports as the host meets them: their names, the query types and the
// dispatch modes.
#include "fixture.h"

#include <cstring>
#include <string>

namespace {

using zub::Cell;
using zub::Host;

// The file's exports, imports, size and resources are checked by tools/check-dll, for
// both builds; here the loader's view: the decorated names only.
TEST(Exports, TheLoaderFindsTheDecoratedNamesOnly)
{
    Host host;
    EXPECT_NE(nullptr, GetProcAddress(host.module(), "_ZUBExtender2@40"));
    EXPECT_NE(nullptr, GetProcAddress(host.module(), "_ZUBExtenderQuery@12"));
    EXPECT_EQ(nullptr, GetProcAddress(host.module(), "ZUBExtender2"));
    EXPECT_EQ(nullptr, GetProcAddress(host.module(), "ZUBExtenderQuery@12"));
}

TEST(Query, InterfaceLevelIsFiveOnlyWhenTheHostOffersFive)
{
    Host host;
    int offered[] = {3, 4, 5};
    EXPECT_EQ(5, host.query(2, offered, 3));
    EXPECT_EQ(-1, host.query(2, offered, 2));
    EXPECT_EQ(-1, host.query(2, offered, 0));
    EXPECT_EQ(-1, host.query(2, offered, -4));
    int fiveFirst[] = {5, 7};
    EXPECT_EQ(5, host.query(2, fiveFirst, 2));
}

TEST(Query, OnlyTheLowSixteenBitsOfTheTypeCount)
{
    Host host;
    int offered[] = {5};
    EXPECT_EQ(5, host.query(0x70000 | 2, offered, 1));
    EXPECT_EQ(0, host.query(3, offered, 1));
    EXPECT_EQ(0, host.query(0, offered, 1));
    EXPECT_EQ(0, host.query(-1, offered, 1));
}

TEST(Query, IdentifyCutsTheDescriptionToTheBufferAndReturnsTheVersion)
{
    Host host;
    char small[10];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(44001, host.query(1, small, sizeof small));
    EXPECT_STREQ("64-bit in", small);

    EXPECT_EQ(44001, host.query(1, nullptr, 260));
    char untouched[4] = "abc";
    EXPECT_EQ(44001, host.query(1, untouched, 0));
    EXPECT_STREQ("abc", untouched);

    char large[400];
    std::memset(large, 'x', sizeof large);
    EXPECT_EQ(44001, host.query(1, large, sizeof large));
    EXPECT_STREQ("64-bit integer math ZUB Extender.", large);
}

struct RawCall {
    Host host;
    Cell result{};
    std::vector<zub::Completion> seen;

    int call(LONG cmdId, void* args = nullptr, LONG count = 0, LONG context = 11, LONG data = 22)
    {
        return host.extender2Proc()(nullptr, nullptr, context, cmdId, onComplete, data, 0, args, count, &result);
    }
    static LONG CALLBACK onComplete(LONG, LONG, LONG, Cell*) { return 0; }
};

TEST(Dispatch, ModesAnswerWhateverTheOtherParameters)
{
    RawCall raw;
    EXPECT_EQ(131, raw.call(-1));
    EXPECT_EQ(131, raw.call(0x1234FFFF)); // low 16 bits all ones read as -1
    EXPECT_EQ(1, raw.call(-3));
    EXPECT_EQ(0, raw.call(-2, nullptr, 131));
    EXPECT_EQ(1, raw.call(-2, nullptr, 130)); // a null record: 1, nothing written
}

TEST(Dispatch, HighBitsOfTheCommandIndexAreIgnored)
{
    zub::NoteCatcher notes;
    Host host;
    // Index 0x10000 dispatches command 0, which delivers through the completion function.
    const zub::Result direct = host.callIndex(0, {1});
    const zub::Result high = host.callIndex(0x10000, {1});
    EXPECT_EQ(1, direct.completions);
    EXPECT_EQ(direct.completions, high.completions);
    EXPECT_EQ(direct.type, high.type);
    EXPECT_EQ(direct.integer, high.integer);
    EXPECT_TRUE(notes.empty());
}

TEST(Dispatch, AnIndexOutsideTheTableIsAnAssertionAndCallsNothing)
{
    zub::NoteCatcher notes;
    Host host;
    for (LONG index : {131, 0xFFFC /* -4 */, 0x7FFF}) {
        const zub::Result r = host.callIndex(index, {});
        EXPECT_EQ(0, r.returned);
        EXPECT_EQ(0, r.completions);
    }
    ASSERT_EQ(3u, notes.size());
    EXPECT_NE(std::string::npos, notes[0].text.find("CmdId < _countof(m_ExtTable)")) << notes[0].text;
    EXPECT_NE(std::string::npos, notes[0].text.find("extender.h")) << notes[0].text;
    EXPECT_NE(std::string::npos, notes[0].text.find("Line: ")) << notes[0].text;
}

TEST(Dispatch, AConstantIndexHasNoHandlerToCall)
{
    zub::NoteCatcher notes;
    Host host;
    const zub::Result r = host.callIndex(125, {});
    EXPECT_EQ(0, r.returned);
    EXPECT_EQ(0, r.completions);
    EXPECT_EQ(1u, notes.size());
}

TEST(Dispatch, ACommandReturnsWhatTheCompletionFunctionReturned)
{
    zub::NoteCatcher notes;
    Host host;
    host.context = 0x1111;
    host.hostData = 0x2222;
    for (LONG value : {0, 7, -1, 0x7FFFFFFF}) {
        host.completionReturn = value;
        const zub::Result r = host.callIndex(0, {1});
        EXPECT_EQ(value, r.returned);
        ASSERT_EQ(1u, host.completions().size());
        const zub::Completion& c = host.completions()[0];
        EXPECT_EQ(0, c.zero);
        EXPECT_EQ(0x1111, c.context);
        EXPECT_EQ(0x2222, c.hostData);
    }
}

} // namespace

TEST(Dispatch, ACallFromInsideAShownNoteKeepsItsOwnContextAndTheOuterCallKeepsTheirs)
{
    zub::Dialog dialog;
    zub::NoteCatcher notes;
    Host outer;
    Host inner; // the same library, called with another context, as a dialog procedure would
    outer.window = inner.window = dialog.hwnd();
    outer.context = 0x0101;
    outer.hostData = 0x0202;
    inner.context = 0x0303;
    inner.hostData = 0x0404;
    const HWND list = dialog.listBox(LBS_STANDARD, {"a", "b", "c"});

    zub::Result nested;
    notes.whileShown = [&](const zub::Note&) { nested = inner.call("lbGetItemCount", list); };
    // The file is missing: sbSetIcon shows "File Open Error", then delivers 0.
    const zub::Result r = outer.call("sbSetIcon", dialog.hwnd(), 1, "Z:\\no\\such\\icon.ico");

    ASSERT_EQ(1u, notes.size());
    ASSERT_EQ(1, nested.completions);
    EXPECT_EQ(3, nested.integer);
    EXPECT_EQ(3, nested.cell.nValue);
    EXPECT_EQ(0x0303, inner.completions()[0].context);

    ASSERT_EQ(1, r.completions);
    EXPECT_EQ(zub::kIntegerValue, r.cell.nType);
    EXPECT_EQ(0, r.cell.nValue); // in its own cell, not left untouched
    EXPECT_EQ(0x0101, outer.completions()[0].context);
    EXPECT_EQ(0x0202, outer.completions()[0].hostData);
}
