// The jetty below the cliff drawn on the OpenGL device as its script leaves
// it when the heroine comes ashore in chapter 6 with Briscoe and Diego: the
// ship at the jetty, the boards floating beside it, the shrubs over the
// anchor, the piton, the stone on its ledge and the bare scaffolding; the
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

constexpr SceneId JETTY_AND_CLIFF = 39;
constexpr SceneId CORRIDOR = 6;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

using JettyAndCliffGoldenImageTest = SampleSceneScriptTest;

TEST_F(JettyAndCliffGoldenImageTest, BriscoeAndDiegoAshoreBeforeTheAnchorInChapterSix)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CORRIDOR);
    g_VarManager.SetBool(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR, true);
    g_VarManager.SetBool(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO, true);
    CoreRandom::Init(7);
    Enter(JETTY_AND_CLIFF, 6, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 3);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/JettyAndCliffChapter6", TOLERANCE));
}

} // namespace
