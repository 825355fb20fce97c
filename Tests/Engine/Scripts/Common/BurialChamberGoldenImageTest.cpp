// The burial chamber drawn on the OpenGL device as its script leaves it when
// the heroine comes down from the monument in chapter 6: the sarcophagus
// grimy, its glass panel under the dust, the depression's water and the dark
// chamber without torch or candles; the scene loads and draws without an
// assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId CHAMBER = 42;
constexpr SceneId MONUMENT = 41;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using BurialChamberGoldenImageTest = SampleSceneScriptTest;

TEST_F(BurialChamberGoldenImageTest, TheSarcophagusStandsGrimyInTheDarkWhenSheComesDownInChapterSix)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, MONUMENT);
    CoreRandom::Init(6);
    Enter(CHAMBER, 6, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/BurialChamberChapter6", TOLERANCE));
}

} // namespace
