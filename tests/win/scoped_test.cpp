// The scoped handle holder: which handle is closed, when, and how often; and the
// policies whose empty value or closing is more than null and one call.
#include "win/scoped.h"
#include "files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Handles are plain numbers; -1 holds nothing, and every close is recorded.
struct CountingPolicy {
    using Handle = int;
    static inline std::vector<int> s_closed;
    static int invalid() { return -1; }
    static void close(int handle) { s_closed.push_back(handle); }
};
using Counted = win::Scoped<CountingPolicy>;

class Holder : public testing::Test {
protected:
    void SetUp() override { CountingPolicy::s_closed.clear(); }
    static const std::vector<int>& closed() { return CountingPolicy::s_closed; }
};

TEST_F(Holder, ClosesWhatItHoldsOnceAndNothingWhenEmpty)
{
    {
        const Counted zero(0); // 0 is a handle like any other here
        const Counted empty;
        const Counted invalid(-1);
        EXPECT_TRUE(zero);
        EXPECT_FALSE(empty);
        EXPECT_FALSE(invalid);
    }
    EXPECT_EQ(std::vector<int>{0}, closed());
}

TEST_F(Holder, MovingHandsTheHandleOnAndAssigningClosesTheOldOne)
{
    {
        Counted first(1);
        Counted second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(1, second.get());
        Counted third(3);
        third = std::move(second);
        EXPECT_EQ(std::vector<int>{3}, closed());
        EXPECT_EQ(1, third.get());
        third = std::move(third);
        EXPECT_EQ(1, third.get());
    }
    EXPECT_EQ((std::vector<int>{3, 1}), closed());
}

TEST_F(Holder, ReleaseGivesUpWithoutClosingAndResetClosesFirst)
{
    {
        Counted held(5);
        EXPECT_EQ(5, held.release());
        EXPECT_FALSE(held);
        held.reset(6);
        held.reset(7);
        EXPECT_EQ(std::vector<int>{6}, closed());
        held.reset();
        EXPECT_FALSE(held);
    }
    EXPECT_EQ((std::vector<int>{6, 7}), closed());
}

TEST(Policies, GdiObjectIsDeletedAndASelectionIsUndone)
{
    const win::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PEN);
    HPEN seen = nullptr;
    {
        const win::ScopedGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        seen = pen.get();
        const win::ScopedSelection selected = win::SelectInto(dc.get(), pen.get());
        EXPECT_EQ(original, selected.get());
        EXPECT_EQ(seen, GetCurrentObject(dc.get(), OBJ_PEN));
    }
    EXPECT_EQ(original, GetCurrentObject(dc.get(), OBJ_PEN));
    EXPECT_EQ(0u, GetObjectType(seen));
}

TEST(Policies, FileHolderTakesTheInvalidValueForNothingAndClosesAnOpenFile)
{
    const win::ScopedFile failed(CreateFileA("Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(failed);

    const zub::TempFolder folder{"scoped"};
    const std::string path = folder.file("held");
    {
        const win::ScopedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                               nullptr));
        ASSERT_TRUE(file);
        EXPECT_FALSE(DeleteFileA(path.c_str())); // shared with nobody while open
    }
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

} // namespace
