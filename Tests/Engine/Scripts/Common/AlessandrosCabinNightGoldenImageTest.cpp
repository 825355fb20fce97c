// Alessandro's cabin at night drawn on the OpenGL device as its script leaves
// it in chapter 8 once uncle Eduardo is back: the heroine in from the
// corridor, Alessandro and Briscoe in their places and the uncle on his globe;
// the room loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId NIGHT_CABIN = 8;
constexpr SceneId CORRIDOR = 6;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using AlessandrosCabinNightGoldenImageTest = SampleSceneScriptTest;

TEST_F(AlessandrosCabinNightGoldenImageTest, TheUncleOnHisGlobeInChapterEight)
{
    for (const int32_t flag :
         {VARBOOL_BG004_C08_EVENT_INTRO, VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO, VARBOOL_QUEST_C8_PEN_PAPER01})
        g_VarManager.SetBool(flag, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CORRIDOR);
    CoreRandom::Init(7);
    Enter(NIGHT_CABIN, 8, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(
        TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/AlessandrosCabinNightChapter8", TOLERANCE));
}

} // namespace
