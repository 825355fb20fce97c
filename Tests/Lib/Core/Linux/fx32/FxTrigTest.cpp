#include "Support/LogCapture.h"
#include "fx32/fx_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

TEST(FxTrigTest, TableHoldsTheRoundedSinesAndCosines)
{
    for (int i = 0; i < FX_SINCOS_TABLE_SIZE; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / FX_SINCOS_TABLE_SIZE;
        ASSERT_EQ(FX_SinCosTable[2 * i], std::lround(4096.0 * std::sin(angle))) << "sine " << i;
        ASSERT_EQ(FX_SinCosTable[2 * i + 1], std::lround(4096.0 * std::cos(angle))) << "cosine " << i;
    }
}

TEST(FxTrigTest, LookUpUsesTheIndexShiftedRightByFour)
{
    EXPECT_EQ(FX_SinIdx(16384), 4096);
    EXPECT_EQ(FX_CosIdx(16384), 0);
    EXPECT_EQ(FX_SinIdx(15), 0);
    EXPECT_EQ(FX_SinIdx(16), 6);
    EXPECT_EQ(FX_CosIdx(0), 4096);
    EXPECT_EQ(FX_SinIdx(49152), -4096);
    EXPECT_EQ(FX_CosIdx(32768), -4096);
    EXPECT_EQ(FX_SinIdx(65535), -6);
}

TEST(FxTrigTest, OutOfRangeIndexIsReportedAndWrapped)
{
    TestSupport::LogCapture capture;
    const fx32 beyond = FX_SinIdx(65536 + 16);
    const fx32 negative = FX_CosIdx(-16384);
    const std::string log = capture.Take();
    EXPECT_EQ(beyond, 6);
    EXPECT_EQ(negative, 0);
    EXPECT_NE(log.find("condition: (idx)>=(0) && (idx)<=(65535)\n"), std::string::npos) << log;
}

TEST(FxTrigTest, RadiansToIndexRoundsAndWraps)
{
    EXPECT_EQ(FX_RadToIdx(0x3244), 32768);
    EXPECT_EQ(FX_RadToIdx(0x1922), 16384);
    EXPECT_EQ(FX_RadToIdx(0x6488), 0);
    EXPECT_EQ(FX_RadToIdx(-0x1922), 49152);
    EXPECT_EQ(FX_RadToIdx(1), 3);
    EXPECT_EQ(FX_RadToIdx(-1), 65533);
    EXPECT_EQ(FX_RadToIdx(INT32_MAX), 1754);
    EXPECT_EQ(FX_RadToIdx(INT32_MIN), 63779);
    EXPECT_EQ(FX_SinIdx(FX_RadToIdx(0x1922)), 4096);
}

} // namespace
