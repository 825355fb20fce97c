// Percy's town square drawn on the OpenGL device as its script leaves it when
// the heroine first comes up from the market in chapter 4: the stall empty,
// the broken clapper in the bell, the garden gate shut and Percy away; the
// scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId TOWN_SQUARE_C = 31;
constexpr SceneId TOWN_SQUARE_B = 30;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TownSquareCGoldenImageTest = SampleSceneScriptTest;

TEST_F(TownSquareCGoldenImageTest, TheBrokenBellAndTheShutGardenInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_B);
    CoreRandom::Init(7);
    Enter(TOWN_SQUARE_C, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TownSquareCChapter4", TOLERANCE));
}

} // namespace
