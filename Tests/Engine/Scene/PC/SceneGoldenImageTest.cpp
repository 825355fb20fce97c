// The sample living room drawn on the OpenGL device: its layer, the stars
// and the exit arrow of every hotspot, and the cursor with an open verb menu;
// the heroine after a walk across it, lit, with her shadow.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCast.h"
#include "Support/FakeSceneServices.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"

#include <gmock/gmock.h>

namespace {

constexpr fx32 FX = FX32_ONE;
constexpr SceneId LIVING_ROOM = 9;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

class SceneGoldenImageTest : public TestSupport::SampleScenePictureTest {
protected:
    void TearDown() override
    {
        Scene::s_bHighlightAll = false;
        m_scene.reset();
        SampleScenePictureTest::TearDown();
    }

    TestSupport::FakeSceneServices m_services;
    std::unique_ptr<Scene> m_scene;
};

TEST_F(SceneGoldenImageTest, TheLivingRoomWithItsHotspotsAndAVerbMenu)
{
    m_scene = std::make_unique<Scene>();
    TestSupport::LogCapture capture;
    ASSERT_TRUE(m_scene->Initialize(LIVING_ROOM)) << capture.Take();
    m_scene->LoadActorSet("default");
    ASSERT_TRUE(m_scene->Prepare());
    // The markers start their pulses at random points of their loops.
    CoreRandom::Init(7);
    Scene::s_bHighlightAll = true;
    for (int frame = 0; frame < 20; ++frame)
        m_scene->Update(16);
    // The verb menu of the water jug, fully open, the pointer beside it.
    SceneCursor& cursor = m_scene->m_oCursor;
    cursor.m_vVerbPosition = {180 * FX, 84 * FX};
    cursor.OpenVerbs(CURSOR_LOOK, CURSOR_ACTIVATE);
    cursor.Update(400);
    cursor.SetPosition(200 * FX, 100 * FX);
    capture.Take();

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scene/PC/LivingRoom", TOLERANCE));
    EXPECT_EQ(capture.Take(), "");
}

TEST_F(SceneGoldenImageTest, TheHeroineWalksAcrossTheLivingRoomAndStandsThereWithHerShadow)
{
    m_scene = std::make_unique<Scene>();
    TestSupport::LogCapture capture;
    ASSERT_TRUE(m_scene->Initialize(LIVING_ROOM)) << capture.Take();
    m_scene->LoadActorSet("default");
    ASSERT_TRUE(m_scene->Prepare());
    const uint32_t tavrine = Id::GetActorId("tavrine");
    ASSERT_EQ(m_scene->m_iNumCharacters, 1) << capture.Take();
    auto* heroine = dynamic_cast<Character*>(m_scene->m_apCharacters[0].get());
    ASSERT_NE(heroine, nullptr) << "the game's cast loads her figure";
    GetSceneCast().AddAnimation(*heroine, Id::GetAnimationId(tavrine, "g_walk_l"), ANIMATION_TYPE_WALK);
    m_scene->SetActiveCharacter(tavrine);
    m_scene->SelectCharacter(tavrine);

    // The player's click on the ground to her left, beside the toy chest.
    const CoreFxVec target = {-70 * FX, 10 * FX, 0};
    m_scene->GetActiveCharacter()->MoveToWithPath(target, 0);
    const CharacterAnimations& animations = heroine->GetAnimations();
    m_scene->Update(16);
    EXPECT_EQ(animations.GetCurrentIndex(), animations.GetSlot(ANIMATION_TYPE_WALK));
    int frames = 1;
    while (heroine->m_bWalking && frames < 200) {
        m_scene->Update(16);
        ++frames;
    }
    EXPECT_LT(frames, 200);
    EXPECT_EQ(heroine->m_vPosition.x, target.x) << "she stands where the click was";
    EXPECT_EQ(heroine->m_vPosition.y, target.y);
    for (int frame = 0; frame < 20; ++frame)
        m_scene->Update(16);
    EXPECT_EQ(animations.GetCurrentIndex(), animations.GetSlot(ANIMATION_TYPE_IDLE));
    capture.Take();

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scene/PC/LivingRoomHeroine", TOLERANCE));
    EXPECT_EQ(capture.Take(), "");
}

} // namespace
