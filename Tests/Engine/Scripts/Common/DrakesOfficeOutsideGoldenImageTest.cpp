// The street before Drake's office drawn on the OpenGL device as its script
// leaves it when the heroine comes up from the docks in chapter 8: the two
// guards at the office door, Dinsdale with his pole, the priest's house with
// its canopy and the rose trellis; the scene loads and draws without an
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

constexpr SceneId OFFICE_OUTSIDE = 25;
constexpr SceneId DOCKS = 22;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using DrakesOfficeOutsideGoldenImageTest = SampleSceneScriptTest;

TEST_F(DrakesOfficeOutsideGoldenImageTest, TheGuardsAtTheDoorInChapterEight)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
    CoreRandom::Init(7);
    Enter(OFFICE_OUTSIDE, 8, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 5);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(
        TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/DrakesOfficeOutsideChapter8", TOLERANCE));
}

} // namespace
