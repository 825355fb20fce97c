// The voodoo village drawn on the OpenGL device as its script leaves it when
// the heroine first comes in by the road in chapter 7: the two guards with
// their staffs before the shut temple, Tana among the huts, the tree to
// climb; the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId VILLAGE = 36;
constexpr SceneId TOWN_SQUARE_C = 31;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using VoodooVillageGoldenImageTest = SampleSceneScriptTest;

TEST_F(VoodooVillageGoldenImageTest, TheGuardsKeepTheTempleWhenSheFirstComesInChapterSeven)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_C);
    CoreRandom::Init(7);
    Enter(VILLAGE, 7, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/VoodooVillageChapter7", TOLERANCE));
}

} // namespace
