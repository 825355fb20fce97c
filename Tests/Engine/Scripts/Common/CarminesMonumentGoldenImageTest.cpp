// Carmine's monument drawn on the OpenGL device as its script leaves it in
// chapter 6 when the heroine comes up from Buck's place: the seagulls on
// their rock, the undergrowth, the drawbridge raised over the chasm, and on
// the far side the stone pillar before the monument and the strange fly.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId CARMINES_MONUMENT = 41;
constexpr SceneId BUCKS_PLACE = 40;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using CarminesMonumentGoldenImageTest = SampleSceneScriptTest;

TEST_F(CarminesMonumentGoldenImageTest, TheSeagullsAndTheRaisedDrawbridgeWhenSheComesUpFromBucksPlace)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, BUCKS_PLACE);
    CoreRandom::Init(7);
    Enter(CARMINES_MONUMENT, 6, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/CarminesMonument", TOLERANCE));
}

} // namespace
