// The turtle path drawn on the OpenGL device as its script leaves it when the
// heroine comes back from the beach in chapter 10 before the puzzle: Tanama
// by the shut turtle door, Uncle Eduardo on his globe, the statues, the two
// shells, the carving above the door and the altar with its dull turtles; the
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

constexpr SceneId TURTLE_PATH = 48;
constexpr SceneId TURTLE_BEACH = 47;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using TurtlePathGoldenImageTest = SampleSceneScriptTest;

TEST_F(TurtlePathGoldenImageTest, TanamaByTheShutDoorAndEduardoOnHisGlobeInChapterTen)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TURTLE_BEACH);
    g_VarManager.SetBool(VARBOOL_BG508_C10_EVENT_WERE_HERE, true);
    CoreRandom::Init(7);
    Enter(TURTLE_PATH, 10, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/TurtlePathChapter10", TOLERANCE));
}

} // namespace
