// Buck's place drawn on the OpenGL device as its script leaves it when the
// heroine climbs up from the jetty in chapter 6: Buck asleep in his hammock,
// Briscoe behind her, the cold fire place and the broken bridge; the scene
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

constexpr SceneId BUCKS_PLACE = 40;
constexpr SceneId JETTY_AND_CLIFF = 39;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using BucksPlaceGoldenImageTest = SampleSceneScriptTest;

TEST_F(BucksPlaceGoldenImageTest, BuckSleepsInHisHammockWhenTheHeroineClimbsUpInChapterSix)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, JETTY_AND_CLIFF);
    CoreRandom::Init(7);
    Enter(BUCKS_PLACE, 6, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/BucksPlaceChapter6", TOLERANCE));
}

} // namespace
