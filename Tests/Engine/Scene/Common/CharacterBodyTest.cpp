// The sample heroine's body: the animation sets scenes play on her, and her
// pose following the character's tracks; a figure without animations stands
// at rest without a word in the log.
#include "Mesh/CoreMesh.h"
#include "Mesh/CoreMeshAnimationManager.h"
#include "Scene/Common/CharacterBody.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/SampleFigure.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CharacterBodyTest, TheHeroineWalksIdlesAndTalks)
{
    const std::string data = TestSupport::ReadUntexturedSampleFigure();
    CoreMesh mesh;
    ASSERT_TRUE(mesh.Initialize(nullptr, data.data(), uint32_t(data.size())));
    CharacterBody body;
    body.SetMesh(&mesh);
    struct Case {
        const char* name;
        float period;
    };
    CharacterAnimations animations;
    int32_t id = 1;
    for (const Case& c : {Case {"g_walk_l", 1.0f}, Case {"g_idle_l", 2.0f}, Case {"g_talk_l", 2.0f}}) {
        float period = 0.0f;
        const int32_t set = body.FindSet(c.name, period);
        EXPECT_GE(set, 0) << c.name;
        EXPECT_FLOAT_EQ(period, c.period) << c.name;
        animations.AddAnimation(id, set, period, static_cast<uint32_t>(id));
        ++id;
    }
    float period = 0.0f;
    EXPECT_EQ(body.FindSet("g_dance_l", period), -1);

    // Halfway through the fade from idle to walk both sets carry half.
    animations.SetCurrentAnimationFromIndex(1, true, false);
    animations.SetCurrentAnimationFromIndex(0, true, false);
    animations.Update(100);
    body.Pose(animations);
    CoreMatrix hand;
    CoreMeshAnimationManager::GetBoneTransformationFromName(&mesh, &hand, "Bip01_R_Hand");
    animations.Update(100);
    body.Pose(animations);
    CoreMatrix walking;
    CoreMeshAnimationManager::GetBoneTransformationFromName(&mesh, &walking, "Bip01_R_Hand");
    EXPECT_NE(hand.m[1][3], walking.m[1][3]) << "the hand swings as the walk takes over";
    mesh.Shutdown();
}

TEST(CharacterBodyTest, AFigureWithoutAnimationsIsNeitherPosedNorAskedForBones)
{
    // A plain mesh, as the builder writes a figure whose actor has no
    // animations.
    const std::string data = TestSupport::ReadFileText(TestSupport::SourceDir() / "Content/Meshes/dustpan.x");
    CoreMesh mesh;
    ASSERT_TRUE(mesh.Initialize(nullptr, data.data(), uint32_t(data.size())));
    TestSupport::LogCapture log;
    CharacterBody body;
    body.SetMesh(&mesh);
    CharacterAnimations animations;
    for (int frame = 0; frame < 3; ++frame) {
        animations.Update(16);
        body.Pose(animations);
    }
    CoreMatrix bone;
    EXPECT_FALSE(body.GetBoneMatrix("Bip01", bone));
    EXPECT_EQ(log.Take(), "");
    mesh.Shutdown();
}

} // namespace
