// The first ruins of Turtle island drawn on the OpenGL device as their script
// leaves them in chapter 9 when she is back from the bay with the first seven
// stones of the bridge found: the guard by the lever beyond the pit, the
// stones over the dark; the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId RUINS = 44;
constexpr SceneId BEAUTY_BAY = 43;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using RuinsGoldenImageTest = SampleSceneScriptTest;

TEST_F(RuinsGoldenImageTest, TheGuardBeyondThePitAndTheStonesFoundInChapterNine)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, BEAUTY_BAY);
    g_VarManager.SetBool(VARBOOL_BG502_C09_TAKING_A_MOMENT, true);
    g_VarManager.SetInt(VARINT_TAVRINE_BRIDGE_POS, 43);
    CoreRandom::Init(7);
    Enter(RUINS, 9, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/RuinsChapter9", TOLERANCE));
}

} // namespace
