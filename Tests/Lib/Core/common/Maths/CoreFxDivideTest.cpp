#include "Maths/CoreFxDivide.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CoreFxDivideTest, QuotientTruncatesThenRoundsHalfUp)
{
    EXPECT_EQ(CoreFx::Div(4096, 12288), 1365);
    EXPECT_EQ(CoreFx::Div(-4096, 12288), -1365);
    EXPECT_EQ(CoreFx::Div(1, 8192), 1);
    EXPECT_EQ(CoreFx::Div(-1, 8192), 0);
    EXPECT_EQ(CoreFx::Div(3, 8192), 2);
    EXPECT_EQ(CoreFx::Div(-3, 8192), -1);
    EXPECT_EQ(CoreFx::Div(1000 * 4096, 3 * 4096), 1365333);
    EXPECT_EQ(CoreFx::Div(7 * 4096, -2 * 4096), -14336);
    EXPECT_EQ(CoreFx::Div(5, -3), -6827);
}

TEST(CoreFxDivideTest, UnitLeavesQuotientAndRemainderInItsRegisters)
{
    CoreFx::Div(1, 3);
    EXPECT_EQ(g_oCoreFxDivUnit.m_iDividend, int64_t {1} << 32);
    EXPECT_EQ(g_oCoreFxDivUnit.m_iQuotient, 1431655765);
    EXPECT_EQ(g_oCoreFxDivUnit.m_iRemainder, 1);

    g_oCoreFxDivUnit.m_iDividend = -7;
    g_oCoreFxDivUnit.m_iDivisor = 2;
    EXPECT_EQ(CoreFx::DivQuotient(), -3);
    EXPECT_EQ(g_oCoreFxDivUnit.m_iRemainder, -1);
}

TEST(CoreFxDivideTest, ZeroDivisorIsReportedInsteadOfTrapping)
{
    TestSupport::LogCapture capture;
    EXPECT_EQ(CoreFx::Div(4096, 0), 0);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("message:\nDivision by zero\n"), std::string::npos) << log;
    EXPECT_EQ(g_oCoreFxDivUnit.m_iRemainder, int64_t {4096} << 32);
}

TEST(CoreFxDivideTest, OverflowingQuotientWrapsInsteadOfTrapping)
{
    g_oCoreFxDivUnit.m_iDividend = INT64_MIN;
    g_oCoreFxDivUnit.m_iDivisor = -1;
    EXPECT_EQ(CoreFx::DivQuotient(), INT64_MIN);
    EXPECT_EQ(g_oCoreFxDivUnit.m_iRemainder, 0);
    EXPECT_EQ(CoreFx::Div(INT32_MIN, -1), 0);
}

TEST(CoreFxDivideTest, SquareRootGoesThroughSinglePrecision)
{
    const auto root = [](int64_t operand) {
        g_oCoreFxDivUnit.m_iSqrtOperand = operand;
        return CoreFx::Sqrt64();
    };
    EXPECT_EQ(root(16), 4u);
    EXPECT_EQ(root(4096 * 4096 - 1), 4095u);
    // 2^26 - 1 rounds up to 2^26 as a float.
    EXPECT_EQ(root((int64_t {1} << 26) - 1), 8192u);
    // The register is read unsigned.
    EXPECT_EQ(root(-1), UINT32_MAX);
}

} // namespace
