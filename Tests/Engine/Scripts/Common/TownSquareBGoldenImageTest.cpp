// The middle town square of Hollow island drawn on the OpenGL device as its
// script leaves it in chapter 4 once the bell is known to be broken: Sancha
// back at her stall, Diego waiting in the square, the ladder against the
// wall; the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId TOWN_SQUARE_B = 30;
constexpr SceneId FIRST_SQUARE = 29;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TownSquareBGoldenImageTest = SampleSceneScriptTest;

TEST_F(TownSquareBGoldenImageTest, SanchaDiegoAndTheLadderInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, FIRST_SQUARE);
    g_VarManager.SetBool(VARBOOL_QUEST_C4_FIX_BELL, 1);
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, 3);
    CoreRandom::Init(7);
    Enter(TOWN_SQUARE_B, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TownSquareBChapter4", TOLERANCE));
}

} // namespace
