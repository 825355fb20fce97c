// Alessandro's cabin of chapter 2 drawn on the OpenGL device as its script
// leaves it after the meeting: the heroine in from the door, her father at
// his place and Diego by the bed.
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId CABIN = 7;
constexpr SceneId CORRIDOR = 6;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using AlessandrosCabinGoldenImageTest = SampleSceneScriptTest;

TEST_F(AlessandrosCabinGoldenImageTest, TheHeroineBackInHerFathersCabinAfterTheMeeting)
{
    g_VarManager.SetBool(VARBOOL_BG003_C02_EVENT_FIRST_TIME, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CORRIDOR);
    CoreRandom::Init(7);
    Enter(CABIN, 2, ActorIdOf("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);

    const Platform::RgbaImage image = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, "Engine/Scripts/Common/AlessandrosCabinChapter2", TOLERANCE));
}

} // namespace
