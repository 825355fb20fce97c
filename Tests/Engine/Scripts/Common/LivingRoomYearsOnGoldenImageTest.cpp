// The family's living room years on, drawn on the OpenGL device as its script
// leaves it when the heroine comes back in from the street in chapter 5 after
// the chest's blast: the flowers on the painting, the crossbow on the wall and
// the chest still closed; the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId LIVING_ROOM = 21;
constexpr SceneId STREET = 20;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using LivingRoomYearsOnGoldenImageTest = SampleSceneScriptTest;

TEST_F(LivingRoomYearsOnGoldenImageTest, TheFlowersShowOnThePaintingWhenSheComesBackInInChapterFive)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, STREET);
    g_VarManager.SetBool(VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, 1);
    g_VarManager.SetBool(VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT, 1);
    CoreRandom::Init(7);
    Enter(LIVING_ROOM, 5, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/LivingRoomYearsOnChapter5", TOLERANCE));
}

} // namespace
