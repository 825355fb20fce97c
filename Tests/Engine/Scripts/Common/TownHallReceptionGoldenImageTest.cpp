// The town hall's reception on Hollow island drawn on the OpenGL device as its
// script leaves it when the heroine comes in from the square in chapter 4:
// Miss Brown at her desk, the chest shut, the key rack and the wall map; the
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

constexpr SceneId RECEPTION = 32;
constexpr SceneId TOWN_SQUARE_C = 31;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TownHallReceptionGoldenImageTest = SampleSceneScriptTest;

TEST_F(TownHallReceptionGoldenImageTest, MissBrownAtHerDeskWhenTheHeroineComesInInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
    CoreRandom::Init(7);
    Enter(RECEPTION, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TownHallReceptionChapter4", TOLERANCE));
}

} // namespace
