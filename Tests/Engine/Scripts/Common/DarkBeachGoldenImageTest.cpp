// The dark beach of Hollow island drawn on the OpenGL device as its script
// leaves it on the first visit of chapter 4, come down the island road: the
// cliff and its door, the puddle with the coin's halo at its edge; the scene
// loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId DARK_BEACH = 34;
constexpr SceneId THIRD_SQUARE = 31;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using DarkBeachGoldenImageTest = SampleSceneScriptTest;

TEST_F(DarkBeachGoldenImageTest, TheCoinGlintsInThePuddleInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, THIRD_SQUARE);
    CoreRandom::Init(7);
    Enter(DARK_BEACH, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 1);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/DarkBeachChapter4", TOLERANCE));
}

} // namespace
