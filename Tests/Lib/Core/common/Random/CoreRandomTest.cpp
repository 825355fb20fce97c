#include "Random/CoreRandom.h"

#include <gtest/gtest.h>

namespace {

TEST(CoreRandomTest, SeedZeroStepsToTheIncrement)
{
    CoreRandom::Init(0);
    EXPECT_EQ(CoreRandom::Next(), 0u);
    EXPECT_EQ(static_cast<uint32_t>(CoreRandom::s_uX), 2531011u);
    EXPECT_EQ(CoreRandom::s_uCount, 1u);
    EXPECT_EQ(CoreRandom::s_uSeed, 0u);
}

TEST(CoreRandomTest, KnownSeedGivesKnownSequence)
{
    CoreRandom::Init(12345);
    for (uint32_t expected : {0x62da0dd6u, 0x33271c22u, 0x4a104583u, 0x212f1d2cu, 0x910dc747u})
        EXPECT_EQ(CoreRandom::Next(), expected);
    EXPECT_EQ(CoreRandom::s_uCount, 5u);

    // Reseeding restarts the sequence and the count.
    CoreRandom::Init(12345);
    EXPECT_EQ(CoreRandom::Next(), 0x62da0dd6u);
    EXPECT_EQ(CoreRandom::s_uCount, 1u);
}

TEST(CoreRandomTest, DrawForms)
{
    // The second draw after seed 0 is 0x7188d00c.
    CoreRandom::Init(0);
    CoreRandom::Next();
    EXPECT_EQ(CoreRandom::Range(-10, 10), -2);
    CoreRandom::Init(0);
    CoreRandom::Next();
    EXPECT_EQ(CoreRandom::Fraction(), 1816);
    CoreRandom::Init(0);
    CoreRandom::Next();
    EXPECT_EQ(CoreRandom::Range(5, 5), static_cast<int32_t>(5u + 0x7188d00cu));

    CoreRandom::Init(99);
    for (int i = 0; i < 1000; ++i) {
        const int32_t whole = CoreRandom::Range(-3, 4);
        EXPECT_GE(whole, -3);
        EXPECT_LT(whole, 4);
        const int32_t fraction = CoreRandom::Fraction();
        EXPECT_GE(fraction, 0);
        EXPECT_LT(fraction, 4096);
    }
}

TEST(CoreRandomTest, DifferentSeedsDrawDifferentSequences)
{
    CoreRandom::Init(1700000000);
    const uint32_t first = CoreRandom::Next();
    CoreRandom::Init(1700000001);
    EXPECT_NE(CoreRandom::Next(), first);
}

} // namespace
