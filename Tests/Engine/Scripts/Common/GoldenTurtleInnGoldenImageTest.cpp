// The golden turtle inn drawn on the OpenGL device as its script leaves it
// once the heroine has met uncle Eduardo in chapter 8: the landlord at the end
// of his bar, the guest on his stool, Eduardo and Diego; the scene loads and
// draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId INN = 27;
constexpr SceneId DRAKES_OFFICE = 25;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using GoldenTurtleInnGoldenImageTest = SampleSceneScriptTest;

TEST_F(GoldenTurtleInnGoldenImageTest, EduardoWaitsAtTheBarWithDiegoInChapterEight)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DRAKES_OFFICE);
    g_VarManager.SetBool(VARBOOL_QUEST_C8_TURTLE_INN03_DONE, 1);
    CoreRandom::Init(8);
    Enter(INN, 8, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/GoldenTurtleInnChapter8", TOLERANCE));
}

} // namespace
