// Inside the extender: the table's invariant, the two delivery operations and the
// argument cells.
#include "host/korvanet.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CKorvanet& extender() { return *static_cast<CKorvanet*>(g_pExtender); }

TEST(Table, EveryNameLengthMatchesItsName)
{
    for (const auto& entry : CKorvanet::m_ExtTable) {
        EXPECT_EQ(std::strlen(entry.m_szName), entry.m_nSize) << entry.m_szName;
    }
}

struct Delivery : testing::Test {
    static inline int s_calls = 0;
    static inline LONG s_args[4] = {};
    static LONG CALLBACK complete(LONG zero, LONG ctx, LONG data, ExtValue* cell)
    {
        ++s_calls;
        s_args[0] = zero;
        s_args[1] = ctx;
        s_args[2] = data;
        s_args[3] = static_cast<LONG>(reinterpret_cast<INT_PTR>(cell));
        return 4711;
    }

    ExtValue cell{};
    char text[8] = "host";

    void SetUp() override
    {
        s_calls = 0;
        std::memset(&cell, 0x5A, sizeof cell);
        cell.pszValue = text;
        cell.nValue = 99;
        // Any mode records the call context; -1 has no other effect.
        EXPECT_EQ(131, extender().Extender2(nullptr, nullptr, 0x1234, -1, complete, 0x5678, 0, nullptr, 0, &cell));
    }
};

TEST_F(Delivery, ReturnIntSetsValueAndTypeAndLeavesTheTextAlone)
{
    EXPECT_EQ(4711, extender().ReturnInt(-1));
    EXPECT_EQ(-1, cell.nValue);
    EXPECT_EQ(0xFFFFFFFFu, static_cast<uint32_t>(cell.nValue));
    EXPECT_EQ(1, cell.nType);
    EXPECT_EQ(text, cell.pszValue);
    EXPECT_EQ(0x5A, cell.hostHead[0]);
#ifndef _WIN64
    EXPECT_EQ(0x5A, cell.hostTail[3]);
#endif
    EXPECT_EQ(1, s_calls);
    EXPECT_EQ(0, s_args[0]);
    EXPECT_EQ(0x1234, s_args[1]);
    EXPECT_EQ(0x5678, s_args[2]);
    EXPECT_EQ(static_cast<LONG>(reinterpret_cast<INT_PTR>(&cell)), s_args[3]);
}

TEST_F(Delivery, ReturnStringSetsAddressAndTypeAndLeavesTheIntegerAlone)
{
    static const char empty[] = "";
    EXPECT_EQ(4711, extender().ReturnString(empty));
    EXPECT_EQ(empty, cell.pszValue);
    EXPECT_EQ(2, cell.nType);
    EXPECT_EQ(99, cell.nValue);
    EXPECT_EQ(1, s_calls);
}

TEST(ArgumentCells, IntegerAndTextLieWhereTheHostPutsThem)
{
    EXPECT_EQ(104u, 2 * sizeof(ExtValue) + offsetof(ExtValue, nValue));
    EXPECT_EQ(112u, 2 * sizeof(ExtValue) + offsetof(ExtValue, pszValue));
    EXPECT_EQ(224u, 5 * sizeof(ExtValue) + offsetof(ExtValue, nValue));
}

} // namespace
