// The garden beside the town hall drawn on the OpenGL device as its script
// leaves it when the heroine comes up from Percy's square in chapter 4 with
// Diego already called in: the column whole, the shed with its door open, the
// flowers and the town hall's garden side; the scene loads and draws without
// an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId GARDEN = 33;
constexpr SceneId TOWN_SQUARE_C = 31;
constexpr int32_t DIEGO_IN_THE_GARDEN = 6;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using GardenGoldenImageTest = SampleSceneScriptTest;

TEST_F(GardenGoldenImageTest, TheWholeColumnTheShedAndDiegoInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, DIEGO_IN_THE_GARDEN);
    CoreRandom::Init(7);
    Enter(GARDEN, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/GardenChapter4", TOLERANCE));
}

} // namespace
