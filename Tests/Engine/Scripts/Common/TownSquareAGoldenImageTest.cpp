// The first town square of Hollow island drawn on the OpenGL device as its
// script leaves it in chapter 4 once everybody has come: Briscoe, Diego and
// Vasco in the square, Nathaniel's door shut; the scene loads and draws
// without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId TOWN_SQUARE_A = 29;
constexpr SceneId JETTY = 28;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TownSquareAGoldenImageTest = SampleSceneScriptTest;

TEST_F(TownSquareAGoldenImageTest, BriscoeDiegoAndVascoInTheSquareInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, JETTY);
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, 2);
    for (const int32_t iVarId : {VARBOOL_BG302_C04_EVENT_FIRST_TIME, VARBOOL_BG302_C04_BRISCO_HERE,
                                 VARBOOL_BG302_C04_DIEGO_HERE, VARBOOL_BG302_C04_VASCO_HERE})
        g_VarManager.SetBool(iVarId, 1);
    CoreRandom::Init(7);
    Enter(TOWN_SQUARE_A, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TownSquareAChapter4", TOLERANCE));
}

} // namespace
