// The turtle beach as the game loads it: she comes out of the jungle and
// reaches every place a handler walks her to; the harvest keeps her off the
// sand in front of it; the path back to the altar house stays shut in chapter
// 9 until its exit takes the blocker off; the jungle behind the beach stays
// shut to her until chapter 10's last walk, while Bobby runs into it.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId TURTLE_BEACH = 47;
constexpr int32_t ALTAR_HOUSE = 45;
constexpr int32_t TURTLE_PATH = 48;
constexpr int32_t WP_FROM_THE_ALTAR_HOUSE = 1;
constexpr int32_t WP_LOOKOUT = 2;
constexpr int32_t WP_BEFORE_TANAMA = 7;
constexpr int32_t WP_INTO_THE_JUNGLE = 10;
constexpr int32_t WP_OFF_THE_TURTLE_PATH = 13;
constexpr int32_t WP_BEHIND_THE_ROCKS = 22;
constexpr int32_t WP_TO_THE_ALTAR_HOUSE = 28;

using Object = NamedObject<SceneTableRows::s_aObjects_bg506_47>;

class TurtleBeachWalksTest : public SampleSceneWalkTest {
protected:
    // Chapter 9 after the scare, Tanama talked to.
    void ComeBackAfterTheHarvest()
    {
        for (const int32_t iFlag : {VARBOOL_BG506_C09_EVENT_EGG_STEALERS, VARBOOL_BG506_C09_USE_TURTLE_MASK,
                                    VARBOOL_QUEST_C9_HARVESTING_DONE, VARBOOL_BG506_C09_TALK_TANAMA})
            Set(iFlag);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ALTAR_HOUSE);
        Enter(TURTLE_BEACH, 9, m_uHeroine);
    }
};

TEST_F(TurtleBeachWalksTest, SheComesOutOfTheJungleAndReachesEveryPlaceHerScriptWalksHerTo)
{
    ComeBackAfterTheHarvest();
    // Behind the blockers: the path home and the jungle, each only on its
    // way out.
    ExpectHeroineReachesHerWalks(WP_BEHIND_THE_ROCKS, WP_BEHIND_THE_ROCKS, 14,
                                 {WP_TO_THE_ALTAR_HOUSE, WP_FROM_THE_ALTAR_HOUSE, WP_INTO_THE_JUNGLE});
}

TEST_F(TurtleBeachWalksTest, ThePathHomeIsShutUntilItsExitTakesHerThere)
{
    ComeBackAfterTheHarvest();
    WalkTo(m_uHeroine, WP_TO_THE_ALTAR_HOUSE);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_TO_THE_ALTAR_HOUSE), 40);
    ExpectExitTakesHerTo(Object("goto_bg504"), WP_TO_THE_ALTAR_HOUSE);
}

TEST_F(TurtleBeachWalksTest, SteppingOutTowardsTheHarvestSendsHerBackBehindTheRocks)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ALTAR_HOUSE);
    Enter(TURTLE_BEACH, 9, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_LOOKOUT), 8);
    StartWalk(m_uHeroine, WP_BEFORE_TANAMA);
    for (int frame = 0; frame < 600 || (m_manager.IsBusy() && frame < 1900); ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_LE(DistanceTo(m_uHeroine, WP_LOOKOUT), 8);
}

TEST_F(TurtleBeachWalksTest, OnlyHerLastWalkInChapterTenAndBobbyGoIntoTheJungle)
{
    Set(VARBOOL_BG506_C09_USE_TURTLE_MASK);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TURTLE_PATH);
    Enter(TURTLE_BEACH, 10, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_OFF_THE_TURTLE_PATH), 8);
    WalkTo(m_uHeroine, WP_INTO_THE_JUNGLE);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_INTO_THE_JUNGLE), 40);
    Fire(ScriptEvent_Hash9(static_cast<int32_t>(0xbdba9337u)));
    EXPECT_LE(DistanceTo(m_uHeroine, WP_INTO_THE_JUNGLE), 8);

    ComeBackAfterTheHarvest();
    const uint32_t uBobby = Id::GetActorId("bobby");
    ExpectReaches(uBobby, 8, WP_INTO_THE_JUNGLE);
}

} // namespace
