#include "Managers/Common/VarManager.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace {

TEST(VarSetTest, BooleanIdsMapToWordsAndBits)
{
    VarSet vars;
    vars.SetBool(33, 1);
    EXPECT_EQ(vars.m_aBools[1], 1u << 1);
    for (int word = 0; word < VARBOOL_WORDS; ++word) {
        if (word != 1) {
            EXPECT_EQ(vars.m_aBools[word], 0u) << word;
        }
    }

    vars.SetBool(1058, 1);
    EXPECT_EQ(vars.m_aBools[33], 1u << 2);
    EXPECT_EQ(vars.GetBool(1058), 1);

    vars.SetBool(33, 0);
    EXPECT_EQ(vars.m_aBools[1], 0u);
    EXPECT_EQ(vars.m_aBools[33], 1u << 2);
}

TEST(VarSetTest, AnyNonZeroValueSetsTheBit)
{
    VarSet vars;
    vars.SetBool(VARBOOL_ACTIVE_MAP, 2);
    EXPECT_EQ(vars.GetBool(VARBOOL_ACTIVE_MAP), 1);
    vars.SetBool(VARBOOL_ACTIVE_MAP, 0x100 & 0xFF);
    EXPECT_EQ(vars.GetBool(VARBOOL_ACTIVE_MAP), 0);
}

TEST(VarSetTest, IntegersAreSignedAndIndependent)
{
    VarSet vars;
    vars.SetInt(VARINT_CURRENT_CHAPTER, -7);
    vars.SetInt(VARINT_COLUMN4, 123456789);
    EXPECT_EQ(vars.GetInt(VARINT_CURRENT_CHAPTER), -7);
    EXPECT_EQ(vars.GetInt(VARINT_COLUMN4), 123456789);
    EXPECT_EQ(vars.GetInt(VARINT_C_PLAYING_CHARACTER), 0);
}

TEST(VarSetTest, OutOfRangeIdsAreReportedAndTouchNothing)
{
    VarSet vars;
    const std::string boolReport = TestSupport::LogOf([&] {
        vars.SetBool(VARBOOL_LAST, 1);
        vars.SetBool(-1, 1);
        EXPECT_EQ(vars.GetBool(VARBOOL_LAST + 40), 0);
    });
    EXPECT_NE(boolReport.find("condition: iID < VARBOOL_LAST\nmessage:\nThe given ID for the bool is out of bound"),
              std::string::npos)
        << boolReport;

    const std::string intReport = TestSupport::LogOf([&] {
        vars.SetInt(VARINT_LAST, 5);
        EXPECT_EQ(vars.GetInt(VARINT_LAST), 0);
    });
    EXPECT_NE(intReport.find("condition: iID < VARINT_LAST\nmessage:\nThe given ID for the int is out of bound"),
              std::string::npos)
        << intReport;

    const VarSet clean;
    EXPECT_EQ(std::memcmp(&vars, &clean, sizeof vars), 0);
}

TEST(VarSetTest, TheSetIsTheBitsThenTheIntegers)
{
    EXPECT_EQ(VARBOOL_WORDS, 34);
    EXPECT_EQ(sizeof(VarSet), 34 * 4 + 36 * 4);
    EXPECT_EQ(offsetof(VarSet, m_aInts), 34u * 4);
}

} // namespace
