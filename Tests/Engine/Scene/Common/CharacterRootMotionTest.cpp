// Root motion: a figure whose animation carries its root bone away moves the
// character's feet with it, and hands its end over to the next animation.
#include "Mesh/CoreMesh.h"
#include "Scene/Common/Character.h"
#include "Support/SampleFigure.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr fx32 ONE = FX32_ONE;
constexpr int32_t IDLE_ID = 7;
constexpr int32_t STEP_ID = 9;

// The sample figure with one more set: in one second the root steps 60 units
// along the figure's own y, turned a quarter round about z.
std::string FigureThatSteps()
{
    return TestSupport::ReadUntexturedSampleFigure() + R"(
AnimationSet g_step {
 Animation {
  { Bip01 }
  AnimationKey {
   0;
   2;
   0; 4; 0.707107, 0.0, 0.0, 0.707107;;,
   4800; 4; 0.707107, 0.0, 0.0, 0.707107;;;
  }
  AnimationKey {
   2;
   2;
   0; 3; 0.0, 0.0, 95.0;;,
   4800; 3; 0.0, 60.0, 95.0;;;
  }
 }
}
)";
}

class CharacterRootMotionTest : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string data = FigureThatSteps();
        ASSERT_TRUE(m_mesh.Initialize(nullptr, data.data(), uint32_t(data.size())));
        auto body = std::make_unique<CharacterBody>();
        body->SetMesh(&m_mesh);
        float idlePeriod = 0.0f;
        float stepPeriod = 0.0f;
        const int32_t idle = body->FindSet("g_idle_l", idlePeriod);
        const int32_t step = body->FindSet("g_step", stepPeriod);
        ASSERT_GE(step, 0);
        m_heroine.SetBody(std::move(body));
        m_heroine.GetAnimations().AddAnimation(IDLE_ID, idle, idlePeriod, ANIMATION_TYPE_IDLE);
        m_heroine.GetAnimations().AddAnimation(STEP_ID, step, stepPeriod, ANIMATION_TYPE_STANDARD);
        m_heroine.SetPosition({100 * ONE, 200 * ONE, 10 * ONE});
        m_heroine.Update(16);
    }
    void TearDown() override
    {
        m_heroine.SetBody(nullptr);
        m_mesh.Shutdown();
    }

    CoreMesh m_mesh;
    Character m_heroine;
};

TEST_F(CharacterRootMotionTest, TheFeetFollowTheRootTurnedToTheFacingAndStayOnTheGround)
{
    // Standing, the root is only raised: the feet are where she stands.
    EXPECT_EQ(m_heroine.GetFeetPosition().x, 100 * ONE);
    EXPECT_EQ(m_heroine.GetFeetPosition().y, 200 * ONE);
    EXPECT_EQ(m_heroine.GetFeetPosition().z, 10 * ONE) << "nothing under her: her own height";

    ASSERT_TRUE(m_heroine.SetCurrentAnimation(STEP_ID, true, false));
    m_heroine.GetAnimations().m_bKeep = 1;
    for (int frame = 0; frame < 25; ++frame)
        m_heroine.Update(20);
    // Half a second in: 30 units along her y, which faces (0, -1).
    const CoreFxVec feet = m_heroine.GetFeetPosition();
    EXPECT_NEAR(feet.x, 100 * ONE, ONE / 4);
    EXPECT_NEAR(feet.y, 170 * ONE, ONE);
    EXPECT_EQ(feet.z, 10 * ONE);
    EXPECT_EQ(m_heroine.m_vPosition.y, 200 * ONE) << "the character itself has not moved";

    // Facing the other way the same step goes the other way.
    m_heroine.m_iFacingY = ONE;
    m_heroine.Update(20);
    EXPECT_NEAR(m_heroine.GetFeetPosition().y, 231 * ONE, ONE);
}

TEST_F(CharacterRootMotionTest, TheCommittedEndAndHeadingAreWhereTheNextAnimationStarts)
{
    ASSERT_TRUE(m_heroine.SetCurrentAnimation(STEP_ID, true, false));
    m_heroine.GetAnimations().m_bKeep = 1;
    m_heroine.m_bHeading = 1;
    for (int frame = 0; frame < 25; ++frame)
        m_heroine.Update(20);
    const CoreFxVec feet = m_heroine.GetFeetPosition();
    m_heroine.CommitPosition();
    EXPECT_EQ(m_heroine.m_vPosition.y, 200 * ONE) << "committed, not yet applied";

    // A custom animation switches at once: she stands where the step left
    // her, turned a quarter round, and the offset starts again from there.
    ASSERT_TRUE(m_heroine.SetCurrentAnimation(IDLE_ID, false, false));
    EXPECT_EQ(m_heroine.m_vPosition.x, feet.x);
    EXPECT_EQ(m_heroine.m_vPosition.y, feet.y);
    EXPECT_EQ(m_heroine.m_vMoveOffset.y, 0);
    EXPECT_LT(std::abs(m_heroine.m_iFacingY), ONE / 50);
    EXPECT_GT(std::abs(m_heroine.m_iFacingX), ONE - ONE / 50);
    EXPECT_FALSE(m_heroine.m_bPending);
}

TEST_F(CharacterRootMotionTest, AnEndWithoutHeadingKeepsTheFacing)
{
    ASSERT_TRUE(m_heroine.SetCurrentAnimation(STEP_ID, true, false));
    m_heroine.GetAnimations().m_bKeep = 1;
    for (int frame = 0; frame < 25; ++frame)
        m_heroine.Update(20);
    m_heroine.CommitPosition();
    ASSERT_TRUE(m_heroine.SetCurrentAnimation(IDLE_ID, false, false));
    EXPECT_EQ(m_heroine.m_iFacingX, 0);
    EXPECT_EQ(m_heroine.m_iFacingY, -ONE);
}

} // namespace
