// The voodoo temple drawn on the OpenGL device as its script leaves it when
// the heroine comes in from the village in chapter 7: Bajari ill on his mat,
// the statue and the skeleton; the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId TEMPLE = 37;
constexpr SceneId VILLAGE = 36;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using VoodooTempleGoldenImageTest = SampleSceneScriptTest;

TEST_F(VoodooTempleGoldenImageTest, BajariLiesIllOnHisMatWhenTheHeroineComesInInChapterSeven)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, VILLAGE);
    CoreRandom::Init(7);
    Enter(TEMPLE, 7, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 2);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/VoodooTempleChapter7", TOLERANCE));
}

} // namespace
