// The character's animation slots and the switching between animations on
// its two tracks.
#include "Scene/Common/CharacterAnimations.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t WALK = 0;
constexpr int32_t IDLE = 1;
constexpr int32_t RUN = 2;
constexpr int32_t WAVE = 3;
constexpr int32_t NO_SET = 4;

class CharacterAnimationsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_animations.AddAnimation(100, 0, 1.0f, ANIMATION_TYPE_WALK));
        ASSERT_TRUE(m_animations.AddAnimation(101, 1, 2.0f, ANIMATION_TYPE_IDLE));
        ASSERT_TRUE(m_animations.AddAnimation(102, 2, 0.8f, ANIMATION_TYPE_RUN));
        ASSERT_TRUE(m_animations.AddAnimation(103, 3, 0.5f, ANIMATION_TYPE_STANDARD));
        ASSERT_TRUE(m_animations.AddAnimation(104, -1, 0.0f, ANIMATION_TYPE_STANDARD));
    }

    CharacterAnimations m_animations;
};

TEST_F(CharacterAnimationsTest, TypesPointAtTheirEntriesAndTheTableHoldsFortyEight)
{
    EXPECT_EQ(m_animations.GetSlot(ANIMATION_TYPE_WALK), WALK);
    EXPECT_EQ(m_animations.GetSlot(ANIMATION_TYPE_IDLE), IDLE);
    EXPECT_EQ(m_animations.GetSlot(ANIMATION_TYPE_RUN), RUN);
    EXPECT_EQ(m_animations.GetSlot(4), -1);
    EXPECT_TRUE(m_animations.ChangeAnimationType(103, 4));
    EXPECT_EQ(m_animations.GetSlot(4), WAVE);
    EXPECT_FALSE(m_animations.ChangeAnimationType(999, 4));
    EXPECT_EQ(m_animations.FindAnimation(104), NO_SET);

    while (m_animations.GetNumAnimations() < MAX_ANIMATIONS)
        ASSERT_TRUE(m_animations.AddAnimation(200, 0, 1.0f, ANIMATION_TYPE_STANDARD));
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(m_animations.AddAnimation(201, 0, 1.0f, ANIMATION_TYPE_WALK));
    testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(m_animations.GetSlot(ANIMATION_TYPE_WALK), WALK);
}

TEST_F(CharacterAnimationsTest, WalkIdleAndRunCrossFadeOverTwoHundredMilliseconds)
{
    m_animations.SetCurrentAnimationFromIndex(IDLE, true, false);
    EXPECT_FLOAT_EQ(m_animations.GetTrack(0).m_fWeight, 1.0f);
    EXPECT_EQ(m_animations.GetPreviousIndex(), -1);
    for (const int32_t next : {WALK, RUN}) {
        const int32_t from = m_animations.GetCurrentIndex();
        m_animations.SetCurrentAnimationFromIndex(next, true, false);
        EXPECT_EQ(m_animations.GetPreviousIndex(), from);
        for (const uint32_t clock : {50u, 100u, 150u}) {
            m_animations.Update(50);
            EXPECT_FLOAT_EQ(m_animations.GetTrack(0).m_fWeight, clock / 200.0f);
            EXPECT_FLOAT_EQ(m_animations.GetTrack(1).m_fWeight, 1.0f - clock / 200.0f);
            EXPECT_TRUE(m_animations.GetTrack(1).m_bOn);
        }
        m_animations.Update(60);
        EXPECT_FLOAT_EQ(m_animations.GetTrack(0).m_fWeight, 1.0f);
        EXPECT_FALSE(m_animations.GetTrack(1).m_bOn);
        EXPECT_EQ(m_animations.GetPreviousIndex(), -1);
    }

    // To an animation of no type: in one frame.
    m_animations.SetCurrentAnimationFromIndex(WAVE, false, false);
    EXPECT_EQ(m_animations.GetPreviousIndex(), -1);
    EXPECT_FALSE(m_animations.GetTrack(1).m_bOn);
    EXPECT_FLOAT_EQ(m_animations.GetTrack(0).m_fWeight, 1.0f);
}

TEST_F(CharacterAnimationsTest, TheCurrentAnimationIsNotRestartedAndOneWithoutASetIsDoneAtOnce)
{
    m_animations.SetCurrentAnimationFromIndex(IDLE, true, false);
    m_animations.Update(300);
    m_animations.SetCurrentAnimationFromIndex(IDLE, true, false);
    EXPECT_FLOAT_EQ(m_animations.GetTrack(0).m_fPosition, 0.3f);

    m_animations.SetCurrentAnimationFromIndex(NO_SET, false, false);
    EXPECT_EQ(m_animations.GetCurrentIndex(), IDLE);
    EXPECT_TRUE(m_animations.m_bDone);
}

TEST_F(CharacterAnimationsTest, AOneShotIsDoneWhenItsCycleEndsAndHoldsItsLastPose)
{
    m_animations.SetCurrentAnimationFromIndex(WAVE, false, false);
    m_animations.Update(250);
    EXPECT_FALSE(m_animations.IsAnimationDone(true));
    EXPECT_TRUE(m_animations.IsAnimationDone(false)) << "a hidden character waits for nothing";
    m_animations.Update(250);
    EXPECT_TRUE(m_animations.IsAnimationDone(true));
    EXPECT_FALSE(m_animations.GetTrack(0).m_bOn);
    EXPECT_FLOAT_EQ(m_animations.GetTrack(0).m_fPosition, 0.25f);

    // A looping animation counts as done at once.
    m_animations.SetCurrentAnimationFromIndex(IDLE, true, false);
    EXPECT_TRUE(m_animations.IsAnimationDone(true));
}

TEST_F(CharacterAnimationsTest, WaitFirstLetsTheIdleFinishItsCycle)
{
    m_animations.SetCurrentAnimationFromIndex(IDLE, true, false);
    m_animations.Update(1500);
    m_animations.m_bWaitFirst = 1;
    m_animations.SetCurrentAnimationFromIndex(WAVE, false, false);
    EXPECT_FALSE(m_animations.GetTrack(0).m_bOn);
    EXPECT_FALSE(m_animations.IsAnimationDone(true));
    m_animations.Update(250);
    EXPECT_EQ(m_animations.GetPreviousIndex(), IDLE);
    m_animations.Update(250);
    EXPECT_EQ(m_animations.GetPreviousIndex(), -1);
    EXPECT_TRUE(m_animations.GetTrack(0).m_bOn);
    EXPECT_FLOAT_EQ(m_animations.GetTrack(0).m_fWeight, 1.0f);
}

} // namespace
