// The dark reefs of Hollow island drawn on the OpenGL device as the script
// leaves them in chapter 4 once the ladder stands: Briscoe tied to his post,
// Diego and the heroine down on the reefs, the broken egg shell and the chest;
// the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId DARK_REEFS = 35;
constexpr SceneId DARK_BEACH = 34;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using DarkReefsGoldenImageTest = SampleSceneScriptTest;

TEST_F(DarkReefsGoldenImageTest, BriscoeTiedToHisPostBelowTheLadderInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DARK_BEACH);
    g_VarManager.SetBool(VARBOOL_BG303_C04_PICK_LADDER, 1);
    g_VarManager.SetBool(VARBOOL_BG308_C04_EVENT_LADDER, 1);
    CoreRandom::Init(7);
    Enter(DARK_REEFS, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/DarkReefsChapter4", TOLERANCE));
}

} // namespace
