// The dark beach of Hollow island drawn on the OpenGL device as its script
// leaves it on the first visit of chapter 4, come down the island road: the
// cliff and its door, the puddle with the coin's halo at its edge; the scene
// loads and draws without an assert. And the doubloon thrown with a wish, seen
// on its whole way past her.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Random/CoreRandom.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId DARK_BEACH = 34;
constexpr SceneId THIRD_SQUARE = 31;
// DXT colours are 5:6:5 and drivers round a little differently.
constexpr uint32_t TOLERANCE = 8;

constexpr uint32_t COIN_THROWN = 0xa1411ba4;
// The flight's frames follow each other every 120 ms.
constexpr int UPDATES_PER_FLIGHT_FRAME = 120 / 16;

using Object = NamedObject<SceneTableRows::s_aObjects_bg307_34>;
using DarkBeachGoldenImageTest = SampleSceneScriptTest;

TEST_F(DarkBeachGoldenImageTest, TheCoinGlintsInThePuddleInChapterFour)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, THIRD_SQUARE);
    CoreRandom::Init(7);
    Enter(DARK_BEACH, 4, Id::GetActorId("tavrine"));
    ASSERT_EQ(m_scene->m_iNumCharacters, 1);
    const Platform::RgbaImage picture = FramePicture([&] { m_scene->Render(m_renderer); });
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(picture, "Engine/Scripts/Common/DarkBeachChapter4", TOLERANCE));
}

TEST_F(DarkBeachGoldenImageTest, TheThrownCoinIsSeenOnItsWholeWayPastHerToTheSplash)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, THIRD_SQUARE);
    Enter(DARK_BEACH, 4, Id::GetActorId("tavrine"));
    Scriptable* pCoin = m_manager.FindScriptable(Object("fx_coin"));
    ASSERT_NE(pCoin, nullptr);
    ASSERT_TRUE(m_manager.FireEvent(ScriptEvent_Hash9(static_cast<int32_t>(COIN_THROWN))));
    // Her wish gesture plays first. While the coin flies, each step of it must change the picture: a step
    // drawn where she stands in front of it is never seen.
    int iSeen = 0;
    for (int frame = 0; frame < 400 && (pCoin->IsVisible() || iSeen == 0); ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
        if (!pCoin->IsVisible() || frame % UPDATES_PER_FLIGHT_FRAME != UPDATES_PER_FLIGHT_FRAME / 2)
            continue;
        const Platform::RgbaImage withCoin = FramePicture([&] { m_scene->Render(m_renderer); });
        pCoin->SetVisible(0);
        const Platform::RgbaImage withoutCoin = FramePicture([&] { m_scene->Render(m_renderer); });
        pCoin->SetVisible(1);
        EXPECT_TRUE(withCoin.pixels != withoutCoin.pixels)
            << "the coin is hidden " << frame * 16 << " ms into the wish";
        ++iSeen;
    }
    EXPECT_GE(iSeen, 8);
    EXPECT_FALSE(pCoin->IsVisible());
}

} // namespace
