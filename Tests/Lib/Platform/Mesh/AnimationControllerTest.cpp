#include "CountingHierarchy.h"
#include "Mesh/AnimationController.h"
#include "Support/SampleFigure.h"

#include <gtest/gtest.h>

using namespace Platform;

namespace {

constexpr double TICKS = 4800.0;

// A set that moves frame "F" along x from 0 to distance over one second.
AnimationSet* Slide(const char* pName, float distance)
{
    AnimationChannel channel;
    channel.frameName = "F";
    channel.scaleKeys = {{0.0, {1.0f, 1.0f, 1.0f}}};
    channel.rotationKeys = {{0.0, {0.0f, 0.0f, 0.0f, 1.0f}}};
    channel.positionKeys = {{0.0, {0.0f, 0.0f, 0.0f}}, {TICKS, {distance, 0.0f, 0.0f}}};
    return new AnimationSet(pName, TICKS, {channel});
}

class ControllerTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_pController = new AnimationController(2);
        AnimationSet* pSlow = Slide("slow", 10.0f);
        AnimationSet* pFast = Slide("fast", 30.0f);
        m_pController->RegisterAnimationSet(pSlow);
        m_pController->RegisterAnimationSet(pFast);
        pSlow->Release();
        pFast->Release();
        m_pController->RegisterAnimationOutput("F", &m_frame);
        m_pController->RegisterAnimationOutput("Other", &m_other);
        m_frame.m[3][0] = -1.0f;
        m_other.m[3][0] = 42.0f;
    }
    void TearDown() override { m_pController->Release(); }

    void Play(uint32_t iTrack, uint32_t iSet, float fWeight)
    {
        AnimationSet* pSet = nullptr;
        ASSERT_EQ(m_pController->GetAnimationSet(iSet, &pSet), S_OK);
        EXPECT_EQ(m_pController->SetTrackAnimationSet(iTrack, pSet), S_OK);
        pSet->Release();
        m_pController->SetTrackEnable(iTrack, true);
        m_pController->SetTrackWeight(iTrack, fWeight);
    }

    AnimationController* m_pController = nullptr;
    Matrix4 m_frame {};
    Matrix4 m_other {};
};

TEST_F(ControllerTest, FindsSetsByIndexAndName)
{
    EXPECT_EQ(m_pController->GetMaxNumTracks(), 2u);
    EXPECT_EQ(m_pController->GetNumAnimationSets(), 2u);
    AnimationSet* pSet = nullptr;
    ASSERT_EQ(m_pController->GetAnimationSetByName("fast", &pSet), S_OK);
    EXPECT_STREQ(pSet->GetName(), "fast");
    EXPECT_DOUBLE_EQ(pSet->GetPeriod(), 1.0);
    pSet->Release();
    EXPECT_EQ(m_pController->GetAnimationSetByName("missing", &pSet), D3DERR_NOTFOUND);
    EXPECT_EQ(pSet, nullptr);
    EXPECT_EQ(m_pController->GetAnimationSet(2, &pSet), E_INVALIDARG);
    EXPECT_EQ(m_pController->GetTrackAnimationSet(1, &pSet), D3DERR_NOTFOUND);
    EXPECT_EQ(m_pController->SetTrackWeight(2, 1.0f), E_INVALIDARG);
}

TEST_F(ControllerTest, AdvancesEnabledTracksBySpeedAndLoops)
{
    Play(0, 0, 1.0f);
    m_pController->SetTrackSpeed(0, 2.0f);
    ASSERT_EQ(m_pController->AdvanceTime(0.125), S_OK);
    EXPECT_FLOAT_EQ(m_frame.m[3][0], 2.5f);
    EXPECT_FLOAT_EQ(m_other.m[3][0], 42.0f);

    TrackDesc desc {};
    ASSERT_EQ(m_pController->GetTrackDesc(0, &desc), S_OK);
    EXPECT_DOUBLE_EQ(desc.Position, 0.25);
    m_pController->SetTrackPosition(0, 1.5);
    m_pController->SetTrackSpeed(0, 1.0f);
    m_pController->AdvanceTime(0.0);
    EXPECT_FLOAT_EQ(m_frame.m[3][0], 5.0f);
    AnimationSet* pSet = nullptr;
    ASSERT_EQ(m_pController->GetTrackAnimationSet(0, &pSet), S_OK);
    EXPECT_DOUBLE_EQ(pSet->GetPeriodicPosition(1.5), 0.5);
    EXPECT_DOUBLE_EQ(pSet->GetPeriodicPosition(-0.25), 0.75);
    pSet->Release();
    EXPECT_DOUBLE_EQ(m_pController->GetTime(), 0.125);

    // A disabled track neither moves nor writes.
    m_pController->SetTrackEnable(0, false);
    m_frame.m[3][0] = -1.0f;
    m_pController->AdvanceTime(0.5);
    m_pController->GetTrackDesc(0, &desc);
    EXPECT_DOUBLE_EQ(desc.Position, 1.5);
    EXPECT_FLOAT_EQ(m_frame.m[3][0], -1.0f);
}

TEST_F(ControllerTest, MixesTheEnabledTracksByWeight)
{
    Play(0, 0, 0.25f);
    Play(1, 1, 0.75f);
    m_pController->AdvanceTime(0.5);
    // 0.25 * 5 + 0.75 * 15
    EXPECT_FLOAT_EQ(m_frame.m[3][0], 12.5f);

    // Tracks of weight 0 leave the frames as they are.
    m_pController->SetTrackWeight(0, 0.0f);
    m_pController->SetTrackWeight(1, 0.0f);
    m_frame.m[3][0] = -1.0f;
    m_pController->AdvanceTime(0.1);
    EXPECT_FLOAT_EQ(m_frame.m[3][0], -1.0f);
}

const std::string IDENTITY = "1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0;;";

// One quarter turn about z (x goes to y) written twice: as a matrix key and
// as a rotation key, which files of this format store as the conjugate of
// the turn (w, -x, -y, -z).
const std::string QUARTER_TURNS = R"(xof 0303txt 0032
Frame Root {
 FrameTransformMatrix { )" + IDENTITY +
                                  R"( }
 Frame M { FrameTransformMatrix { )" +
                                  IDENTITY + R"( } }
 Frame Q { FrameTransformMatrix { )" +
                                  IDENTITY + R"( } }
}
AnimTicksPerSecond { 4800; }
AnimationSet turns {
 Animation { { M }
  AnimationKey { 4; 1; 0; 16; 0.0, 1.0, 0.0, 0.0, -1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 1.0;;; }
 }
 Animation { { Q }
  AnimationKey { 0; 1; 0; 4; 0.70710678, 0.0, 0.0, -0.70710678;;; }
 }
}
)";

TEST(XFileAnimations, RotationAndMatrixKeysTurnTheSameWay)
{
    LoadedHierarchy loaded(QUARTER_TURNS);
    ASSERT_EQ(loaded.result, S_OK);
    ASSERT_NE(loaded.pController, nullptr);
    ASSERT_EQ(loaded.pController->AdvanceTime(0.0), S_OK);
    const Matrix4& m = FrameFind(loaded.pRoot, "M")->TransformationMatrix;
    const Matrix4& q = FrameFind(loaded.pRoot, "Q")->TransformationMatrix;
    // Row 0 is where x goes: to y.
    EXPECT_NEAR(m.m[0][0], 0.0f, 1e-6f);
    EXPECT_NEAR(m.m[0][1], 1.0f, 1e-6f);
    EXPECT_NEAR(m.m[1][0], -1.0f, 1e-6f);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(q.m[r][c], m.m[r][c], 1e-6f) << r << "," << c;
}

TEST(XFileAnimations, TheSampleFigureHasItsBonesAndSets)
{
    LoadedHierarchy loaded(TestSupport::ReadSampleFigure());
    ASSERT_EQ(loaded.result, S_OK);
    for (const char* pBone : {"Bip01", "Bip01_L_Hand", "Bip01_R_Hand", "Bip01_Head", "Bip01_R_Foot", "Bip01_Footsteps"})
        EXPECT_NE(FrameFind(loaded.pRoot, pBone), nullptr) << pBone;
    ASSERT_NE(loaded.pController, nullptr);
    AnimationSet* pSet = nullptr;
    ASSERT_EQ(loaded.pController->GetAnimationSetByName("g_idle_l", &pSet), S_OK);
    EXPECT_DOUBLE_EQ(pSet->GetPeriod(), 2.0);
    pSet->Release();
    ASSERT_EQ(loaded.pController->GetAnimationSetByName("g_walk_l", &pSet), S_OK);
    EXPECT_DOUBLE_EQ(pSet->GetPeriod(), 1.0);
    pSet->Release();
    const MeshContainer* pContainer = FrameFind(loaded.pRoot, "Body")->pMeshContainer;
    ASSERT_NE(pContainer, nullptr);
    EXPECT_EQ(pContainer->NumMaterials, 3u);
    ASSERT_NE(pContainer->pSkinInfo, nullptr);
    EXPECT_EQ(pContainer->pSkinInfo->GetNumBones(), 5u);
}

} // namespace
