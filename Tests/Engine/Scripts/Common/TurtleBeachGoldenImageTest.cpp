// The turtle beach drawn on the OpenGL device as its script leaves it: in
// chapter 9 the heroine behind the rocks spying on Tanama and the islander
// digging for eggs with Bobby standing by; in chapter 10 the empty beach she
// comes down to from the turtle path. The scene loads and draws without an
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

constexpr SceneId TURTLE_BEACH = 47;
constexpr SceneId ALTAR_HOUSE = 45;
constexpr SceneId TURTLE_PATH = 48;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TurtleBeachGoldenImageTest = SampleSceneScriptTest;

TEST_F(TurtleBeachGoldenImageTest, TheHarvestWatchedFromBehindTheRocksInChapterNine)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ALTAR_HOUSE);
    CoreRandom::Init(7);
    Enter(TURTLE_BEACH, 9, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TurtleBeachChapter9", TOLERANCE));
}

TEST_F(TurtleBeachGoldenImageTest, TheEmptyBeachDownFromTheTurtlePathInChapterTen)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TURTLE_PATH);
    g_VarManager.SetBool(VARBOOL_BG506_C09_USE_TURTLE_MASK, true);
    CoreRandom::Init(7);
    Enter(TURTLE_BEACH, 10, Id::GetActorId("tavrine"));
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TurtleBeachChapter10", TOLERANCE));
}

} // namespace
