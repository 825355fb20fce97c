// The yard before the family house drawn on the OpenGL device as its script
// leaves it when the heroine comes up the path in chapter 5 after the talk
// about the locked house: Diego waits by the shut door, the pump, the rope
// and the house; the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId YARD = 20;
constexpr SceneId FORK = 12;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using HouseExteriorAGoldenImageTest = SampleSceneScriptTest;

TEST_F(HouseExteriorAGoldenImageTest, DiegoWaitsByTheShutDoorWhenTheHeroineComesUpThePathInChapterFive)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, FORK);
    g_VarManager.SetBool(VARBOOL_BG112_C05_EVENT_MEMORIES, 1);
    g_VarManager.SetBool(VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE, 1);
    CoreRandom::Init(7);
    Enter(YARD, 5, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/HouseExteriorAChapter5", TOLERANCE));
}

} // namespace
