// The first ruins as the game loads them: on the near side she reaches every
// place a handler walks her to there, while the bridge and the path back to
// the bay stay shut to her; across, the bridge is shut behind her; and after
// the lever the way back to the bay leads her over the bridge and off.
#include "Common/ActorIds.h"
#include "Common/NamedIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

namespace {

constexpr SceneId RUINS = 44;
constexpr int32_t BEAUTY_BAY = 43;
constexpr int32_t ALTAR_HOUSE_EXTERIOR = 45;
constexpr int32_t WP_FROM_THE_BAY = 1;
constexpr int32_t WP_TAKING_A_MOMENT = 2;
constexpr int32_t WP_FIRST_STONE = 6;
constexpr int32_t WP_FAR_LEDGE = 26;
constexpr int32_t WP_FAR_BRIDGE_HEAD = 28;
constexpr int32_t WP_CARVED_STONES = 36;
constexpr int32_t WP_NEAR_BRIDGE_HEAD = 37;
constexpr int32_t WP_MECHANISM = 38;
constexpr int32_t WP_PATH_TO_THE_BAY = 40;
// The places on the near side that its hotspots walk her to.
constexpr int32_t NEAR_SIDE[] = {34, 35, WP_CARVED_STONES, WP_NEAR_BRIDGE_HEAD, WP_PATH_TO_THE_BAY, 41, 55, 56};

using Object = NamedObject<SceneTableRows::s_aObjects_bg502_44>;

class RuinsWalksTest : public SampleSceneWalkTest {
protected:
    void EnterFrom(int32_t iFrom)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        Enter(RUINS, 9, m_uHeroine);
    }
    int32_t PlayingOf(uint32_t uActorId) const
    {
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i)
            if (m_scene->m_aCharacterIds[i] == uActorId)
                if (const auto* pCharacter = dynamic_cast<const Character*>(m_scene->m_apCharacters[i].get()))
                    return pCharacter->GetCurrentAnimationId();
        return 0;
    }
};

TEST_F(RuinsWalksTest, OnTheNearSideSheReachesEveryHotspotButNotTheBridgeNorThePathBack)
{
    Set(VARBOOL_BG502_C09_TAKING_A_MOMENT);
    EnterFrom(BEAUTY_BAY);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_TAKING_A_MOMENT), 8);
    // From the far end of the ledge, as short walks end a few steps early.
    for (const int32_t iWaypoint : NEAR_SIDE)
        ExpectReaches(m_uHeroine, WP_CARVED_STONES, iWaypoint);
    for (const int32_t iShut : {WP_FIRST_STONE, WP_FROM_THE_BAY}) {
        WalkTo(m_uHeroine, WP_NEAR_BRIDGE_HEAD);
        WalkTo(m_uHeroine, iShut);
        EXPECT_GT(DistanceTo(m_uHeroine, iShut), 20) << "waypoint " << iShut;
    }
}

TEST_F(RuinsWalksTest, AcrossTheBridgeIsShutBehindHerUntilTheLever)
{
    Set(VARBOOL_BG502_C09_ACROSS_BRIDGE);
    EnterFrom(0);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_FAR_LEDGE), 8);
    for (const int32_t iWaypoint : {WP_FAR_BRIDGE_HEAD, WP_MECHANISM})
        ExpectReaches(m_uHeroine, WP_FAR_LEDGE, iWaypoint);
    WalkTo(m_uHeroine, WP_NEAR_BRIDGE_HEAD);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_NEAR_BRIDGE_HEAD), 20);
}

// The guard's blow and her fall start in the same frame.
TEST_F(RuinsWalksTest, TheGuardStrikesAsTheLeverIsPulledAndSheFallsInTheSameFrame)
{
    Set(VARBOOL_BG502_C09_ACROSS_BRIDGE);
    EnterFrom(0);
    const uint32_t uGuard = Id::GetActorId("villager1");
    constexpr int32_t HER_FALL = AnimationOf<"tavrine">("tavrknockout01").m_iId;
    constexpr int32_t HIS_BLOW = AnimationOf<"villager1">("tavrknockout01").m_iId;
    ASSERT_TRUE(m_manager.FireEvent(MatchExpr::MakeEvent0(Object("mechanism")).m_oEvent));
    int frame = 0;
    for (; frame < 3000 && PlayingOf(m_uHeroine) != HER_FALL && !m_manager.IsChangePending(); ++frame) {
        EXPECT_NE(PlayingOf(uGuard), HIS_BLOW) << frame;
        m_manager.Update(16);
        m_scene->Update(16);
    }
    ASSERT_EQ(PlayingOf(m_uHeroine), HER_FALL);
    EXPECT_EQ(PlayingOf(uGuard), HIS_BLOW) << frame;
}

TEST_F(RuinsWalksTest, AfterTheLeverTheWayBackLeadsHerOverTheBridgeToThePath)
{
    Set(VARBOOL_BG502_C09_ACROSS_BRIDGE);
    Set(VARBOOL_BG502_C09_INT_MECHANISM);
    EnterFrom(ALTAR_HOUSE_EXTERIOR);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_FAR_LEDGE), 8);
    ExpectExitTakesHerTo(Object("goto_bg501"), WP_PATH_TO_THE_BAY);
}

} // namespace
