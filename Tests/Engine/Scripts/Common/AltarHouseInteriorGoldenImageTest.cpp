// The altar house's inside drawn on the OpenGL device as its script leaves it
// in chapter 9 once Eduardo has flown in: the heroine in her trap with the
// pins, Briscoe and Alessandro held beside her, Eduardo on the floor, the
// altar with the amber turtle, the posts under the roof opening, the plank,
// the chest and the shackles; the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId ALTAR_HOUSE = 46;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using AltarHouseInteriorGoldenImageTest = SampleSceneScriptTest;

TEST_F(AltarHouseInteriorGoldenImageTest, HeldInTheTrapWithEduardoCalledInChapterNine)
{
    for (const int32_t iVar :
         {VARBOOL_QUEST_C9_ESCAPE, VARBOOL_BG505_C09_INT_AMBER_TURTLE, VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP,
          VARBOOL_BG505_C09_TALK_SHAMAN, VARBOOL_BG505_C09_TALK_HILARY, VARBOOL_BG505_C09_NOT_SO_GOOD,
          VARBOOL_BG505_C09_EDUARDO_HERE})
        g_VarManager.SetBool(iVar, true);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ALTAR_HOUSE);
    CoreRandom::Init(7);
    Enter(ALTAR_HOUSE, 9, Id::GetActorId("boat_windsome_maid"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(
        TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/AltarHouseInteriorChapter9", TOLERANCE));
}

} // namespace
