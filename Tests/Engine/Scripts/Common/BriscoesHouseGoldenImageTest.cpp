// The front of Briscoe's house drawn on the OpenGL device as the script
// leaves it in chapter 5 while the guards stand: the two guards at the door,
// Briscoe and the heroine hiding in the yard, the rum set down before them;
// the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId BRISCOES_HOUSE = 17;
constexpr SceneId TOWNHALL_EXTERIOR = 15;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using BriscoesHouseGoldenImageTest = SampleSceneScriptTest;

TEST_F(BriscoesHouseGoldenImageTest, TheGuardsAtTheDoorAndTheRumBeforeThemInChapterFive)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWNHALL_EXTERIOR);
    g_VarManager.SetBool(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES, 1);
    g_VarManager.SetBool(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS, 1);
    g_VarManager.SetBool(VARBOOL_BG110_C05_USE_STRONGRUM_ON_GUARDS, 1);
    CoreRandom::Init(7);
    Enter(BRISCOES_HOUSE, 5, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/BriscoesHouseChapter5", TOLERANCE));
}

} // namespace
