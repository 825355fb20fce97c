// Briscoe's burning house drawn on the OpenGL device as a saved game with
// half the time spent finds it: thick smoke, two fires and the flames by the
// tapestry, Thomas and Elizabeth in a panic; the scene loads and draws
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

constexpr SceneId BURNING_HOUSE = 19;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using BurningHouseGoldenImageTest = SampleSceneScriptTest;

TEST_F(BurningHouseGoldenImageTest, SmokeTwoFiresAndThePanickedBriscoesInChapterFive)
{
    g_VarManager.SetBool(VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE, 1);
    g_VarManager.SetInt(VARINT_BURNING_HOUSE, 50);
    CoreRandom::Init(7);
    Enter(BURNING_HOUSE, 5, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/BurningHouseChapter5", TOLERANCE));
}

} // namespace
