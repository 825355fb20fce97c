// Hollow island's jetty drawn on the OpenGL device as its script leaves it
// when the heroine lands again in chapter 4: she stands at the end of the
// jetty beside the ship, Briscoe waits on the jetty and Sancha on the quay;
// the scene loads and draws without an assert.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId JETTY = 28;
constexpr SceneId WORLD_MAP = 57;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using HollowIslandJettyGoldenImageTest = SampleSceneScriptTest;

TEST_F(HollowIslandJettyGoldenImageTest, BriscoeOnTheJettyAndSanchaOnTheQuayInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, WORLD_MAP);
    g_VarManager.SetBool(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG, 1);
    CoreRandom::Init(7);
    Enter(JETTY, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/HollowIslandJettyChapter4", TOLERANCE));
}

} // namespace
