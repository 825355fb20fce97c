// The altar house seen from outside, drawn on the OpenGL device as its script
// leaves it: in chapter 9 with the sleepy guard by the house and the
// caterpillars in the basket; in chapter 10 with the heroine held at the foot
// of the stairs by the two guards and Uncle Eduardo called to the house.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId ALTAR_HOUSE_EXTERIOR = 45;
constexpr SceneId RUINS = 44;
constexpr SceneId SHAMANS_HUT = 50;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using AltarHouseExteriorGoldenImageTest = SampleSceneScriptTest;

TEST_F(AltarHouseExteriorGoldenImageTest, TheSleepyGuardAndTheBasketInChapterNine)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, RUINS);
    CoreRandom::Init(7);
    Enter(ALTAR_HOUSE_EXTERIOR, 9, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(
        TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/AltarHouseExteriorChapter9", TOLERANCE));
}

TEST_F(AltarHouseExteriorGoldenImageTest, HeldByTheGuardsWithEduardoCalledInChapterTen)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, SHAMANS_HUT);
    for (const int32_t iFlag : {VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT, VARBOOL_BG504_C10_INT_SHAMANS_HUT,
                                VARBOOL_BG504_C10_SHAMAN_AND_HILARY, VARBOOL_QUEST_C10_SPIRITEGG_02_DONE,
                                VARBOOL_BG504_C10_LEAVING_THE_SHAMANS_HUT, VARBOOL_BG504_C10_EDUARDO_HERE})
        g_VarManager.SetBool(iFlag, true);
    CoreRandom::Init(7);
    Enter(ALTAR_HOUSE_EXTERIOR, 10, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(
        TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/AltarHouseExteriorChapter10", TOLERANCE));
}

} // namespace
