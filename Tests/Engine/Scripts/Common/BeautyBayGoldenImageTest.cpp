// Beauty bay drawn on the OpenGL device as its script leaves it when the
// heroine lands in chapter 9 with Diego and the islanders known: Briscoe on
// the sand, Diego by the trees, Uncle Eduardo below the high branches, the
// shell, the berry bush, the sign and the row boat; the scene loads and
// draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId BEAUTY_BAY = 43;
constexpr SceneId CORRIDOR = 6;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using BeautyBayGoldenImageTest = SampleSceneScriptTest;

TEST_F(BeautyBayGoldenImageTest, EveryoneAshoreWithDiegoInChapterNine)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CORRIDOR);
    g_VarManager.SetBool(VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE, true);
    g_VarManager.SetBool(VARBOOL_QUEST_C9_ISLANDERS, true);
    CoreRandom::Init(7);
    Enter(BEAUTY_BAY, 9, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/BeautyBayChapter9", TOLERANCE));
}

} // namespace
