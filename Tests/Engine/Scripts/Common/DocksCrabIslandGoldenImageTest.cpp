// The docks of Crab island drawn on the OpenGL device as their script leaves
// them when the heroine lands in chapter 3: Sonia and Razzo on the quay, the
// lamp cold and the map case dark; the scene loads and draws without an
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

constexpr SceneId DOCKS = 22;
constexpr SceneId WORLD_MAP = 57;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using DocksCrabIslandGoldenImageTest = SampleSceneScriptTest;

TEST_F(DocksCrabIslandGoldenImageTest, SoniaAndRazzoByTheDarkCaseInChapterThree)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, WORLD_MAP);
    CoreRandom::Init(7);
    Enter(DOCKS, 3, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/DocksCrabIslandChapter3", TOLERANCE));
}

} // namespace
