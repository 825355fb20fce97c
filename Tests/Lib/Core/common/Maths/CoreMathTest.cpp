#include "Maths/CoreMath.h"

#include <gtest/gtest.h>

namespace {

TEST(CoreMathTest, FixedACosRoundsHalfAwayFromZero)
{
    EXPECT_EQ(CoreMath::FixedACos(4096), 0);
    EXPECT_EQ(CoreMath::FixedACos(0), 6434);
    EXPECT_EQ(CoreMath::FixedACos(-4096), 12868);
    EXPECT_EQ(CoreMath::FixedACos(2048), 4289);
}

TEST(CoreMathTest, FixedACosClampsValuesBeyondOne)
{
    EXPECT_EQ(CoreMath::FixedACos(8192), 0);
    EXPECT_EQ(CoreMath::FixedACos(INT32_MIN), 12868);
}

} // namespace
