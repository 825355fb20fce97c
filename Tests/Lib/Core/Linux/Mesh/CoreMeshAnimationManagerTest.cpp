#include "Mesh/CoreMeshAnimationManager.h"
#include "MeshTestFixture.h"
#include "Support/LogCapture.h"

using namespace Platform;

namespace {

class MeshAnimationTest : public MeshTest {
protected:
    void SetUp() override
    {
        MeshTest::SetUp();
        m_hMesh = Create("figure", SampleFigure());
        ASSERT_NE(m_hMesh, nullptr);
        m_iWalk = CoreMeshAnimationManager::GetAnimationIdFromName(m_hMesh, "g_walk_l");
        ASSERT_GE(m_iWalk, 0);
    }

    void PlayWalk()
    {
        EXPECT_TRUE(CoreMeshAnimationManager::SetTrackAnimation(m_hMesh, 0, uint32_t(m_iWalk)));
        EXPECT_TRUE(CoreMeshAnimationManager::SetAnimationTrackEnable(m_hMesh, 0, true));
        EXPECT_TRUE(CoreMeshAnimationManager::SetAnimationTrackWeight(m_hMesh, 0, 1.0f));
    }

    CoreMeshHandle m_hMesh = nullptr;
    int32_t m_iWalk = -1;
};

TEST_F(MeshAnimationTest, FindsSetsByNameAndRefusesUnknownOnes)
{
    EXPECT_EQ(CoreMeshAnimationManager::GetAnimationIdFromName(m_hMesh, "g_idle_l"), 0);
    EXPECT_EQ(m_iWalk, 1);
    EXPECT_EQ(CoreMeshAnimationManager::GetAnimationIdFromName(m_hMesh, "g_dance_l"), -1);
}

TEST_F(MeshAnimationTest, UpdateAdvancesByTheMillisecondsAndRecomputesFrames)
{
    PlayWalk();
    ASSERT_TRUE(CoreMeshAnimationManager::UpdateAnimation(m_hMesh, 16));
    EXPECT_DOUBLE_EQ(m_hMesh->m_pAnimationCtrl->GetTime(), 0.016);
    EXPECT_NEAR(CoreMeshAnimationManager::GetTrackAnimationPosition(m_hMesh, 0), 0.016, 1e-12);

    // 0 ms moves nothing but recomputes the combined matrices.
    CoreMeshFrame* pHand = static_cast<CoreMeshFrame*>(FrameFind(m_hMesh->m_pRoot, "Bip01_R_Hand"));
    pHand->CombinedTransformationMatrix.m[3][0] = 1000.0f;
    ASSERT_TRUE(CoreMeshAnimationManager::UpdateAnimation(m_hMesh, 0));
    EXPECT_DOUBLE_EQ(m_hMesh->m_pAnimationCtrl->GetTime(), 0.016);
    EXPECT_NEAR(pHand->CombinedTransformationMatrix.m[3][0], 28.0f, 1e-4f);
}

TEST_F(MeshAnimationTest, SettingASetRewindsAndPositionsFoldIntoThePeriod)
{
    PlayWalk();
    const double period = CoreMeshAnimationManager::GetTrackAnimationPeriod(m_hMesh, 0);
    EXPECT_DOUBLE_EQ(period, 1.0);
    CoreMeshAnimationManager::UpdateAnimation(m_hMesh, 1500);
    EXPECT_NEAR(CoreMeshAnimationManager::GetTrackAnimationPosition(m_hMesh, 0), 0.5, 1e-12);
    EXPECT_TRUE(CoreMeshAnimationManager::SetTrackAnimation(m_hMesh, 0, 0));
    EXPECT_DOUBLE_EQ(CoreMeshAnimationManager::GetTrackAnimationPosition(m_hMesh, 0), 0.0);
    EXPECT_TRUE(CoreMeshAnimationManager::SetTrackPosition(m_hMesh, 0, 2.5));
    EXPECT_NEAR(CoreMeshAnimationManager::GetTrackAnimationPosition(m_hMesh, 0), 0.5, 1e-12);
}

TEST_F(MeshAnimationTest, TheWalkMovesTheHandAndTheBoneMatrixFollows)
{
    PlayWalk();
    // A quarter of the walk: the right hand swings 12 units back, along -y.
    CoreMeshAnimationManager::UpdateAnimation(m_hMesh, 250);
    CoreMatrix bone;
    CoreMeshAnimationManager::GetBoneTransformationFromName(m_hMesh, &bone, "Bip01_R_Hand");
    // Column-vector form: the translation is the last column.
    EXPECT_NEAR(bone.m[0][3], 28.0f, 1e-3f);
    EXPECT_NEAR(bone.m[1][3], -12.0f, 1e-3f);
    EXPECT_NEAR(bone.m[2][3], 94.0f, 1e-3f);

    // A missing frame leaves the output as it is.
    bone.m[0][3] = 7.0f;
    CoreMeshAnimationManager::GetBoneTransformationFromName(m_hMesh, &bone, "Bip01_Tail");
    EXPECT_FLOAT_EQ(bone.m[0][3], 7.0f);
}

TEST_F(MeshAnimationTest, BadHandlesTracksAndMeshesWithoutControllerAreRefused)
{
    EXPECT_FALSE(CoreMeshAnimationManager::UpdateAnimation(nullptr, 16));
    EXPECT_EQ(CoreMeshAnimationManager::GetAnimationIdFromName(nullptr, "g_idle_l"), -1);
    EXPECT_FALSE(CoreMeshAnimationManager::SetTrackAnimation(nullptr, 0, 0));
    EXPECT_DOUBLE_EQ(CoreMeshAnimationManager::GetTrackAnimationPeriod(nullptr, 0), -1.0);
    CoreMatrix untouched {};
    CoreMeshAnimationManager::GetBoneTransformationFromName(nullptr, &untouched, "Bip01");
    EXPECT_FLOAT_EQ(untouched.m[0][0], 0.0f);

    EXPECT_FALSE(CoreMeshAnimationManager::SetAnimationTrackWeight(m_hMesh, 2, 1.0f));
    EXPECT_FALSE(CoreMeshAnimationManager::SetTrackAnimation(m_hMesh, 5, 0));
    EXPECT_DOUBLE_EQ(CoreMeshAnimationManager::GetTrackAnimationPosition(m_hMesh, 2), -1.0);
    // A track without a set has no period and no position.
    EXPECT_DOUBLE_EQ(CoreMeshAnimationManager::GetTrackAnimationPeriod(m_hMesh, 1), -1.0);
    TestSupport::LogCapture capture;
    EXPECT_DOUBLE_EQ(CoreMeshAnimationManager::GetTrackAnimationPosition(m_hMesh, 1), -1.0);
    const std::string log = capture.Take();
    EXPECT_NE(log.find("condition: NULL != pAnimationSet\n"), std::string::npos) << log;
    EXPECT_NE(log.find("condition: S_OK == hr\n"), std::string::npos) << log;

    const CoreMeshHandle hStill = Create("still", Triangle(""));
    ASSERT_NE(hStill, nullptr);
    EXPECT_TRUE(CoreMeshAnimationManager::UpdateAnimation(hStill, 16));
    EXPECT_FALSE(CoreMeshAnimationManager::SetAnimationTrackEnable(hStill, 0, true));
    EXPECT_EQ(CoreMeshAnimationManager::GetAnimationIdFromName(hStill, "g_idle_l"), -1);
    EXPECT_DOUBLE_EQ(CoreMeshAnimationManager::GetTrackAnimationPosition(hStill, 0), -1.0);
}

} // namespace
