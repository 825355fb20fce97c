// The jetty below the cliff as the game loads it in chapter 6: the heroine
// reaches every place a handler walks her to from the jetty and from the foot
// of the rope, with Diego's blocker on while he waits and off once he has
// pulled; Diego reaches the anchor and Briscoe the boards and his place; and
// wherever the story leaves them, they cover no hotspot.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr SceneId JETTY_AND_CLIFF = 39;
constexpr int32_t CORRIDOR = 6;
constexpr int32_t BUCKS_PLACE = 40;
constexpr int32_t DIEGO_BLOCKER = 0;
constexpr int32_t WP_BRISCOE = 0;
constexpr int32_t WP_JETTY = 1;
constexpr int32_t WP_BRISCOE_AT_THE_BOARDS = 2;
constexpr int32_t WP_DIEGO_AT_THE_ANCHOR = 3;
constexpr int32_t WP_DIEGO_WAITS = 4;
constexpr int32_t WP_FOOT_OF_THE_ROPE = 6;
constexpr int32_t WP_BRISCOE_DOWN_THE_ROPE = 7;
constexpr int32_t WP_BY_WAITING_DIEGO = 10;
constexpr int32_t WP_ANCHOR = 22;
constexpr int32_t WP_SHRUBS = 23;

class JettyAndCliffWalksTest : public SampleSceneWalkTest {
protected:
    void EnterWithDiego(int32_t iFrom = CORRIDOR)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        Set(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR);
        Set(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO);
        Enter(JETTY_AND_CLIFF, 6, m_uHeroine);
    }
    const uint32_t m_uDiego = Id::GetActorId("diego");
    const uint32_t m_uBriscoe = Id::GetActorId("thomas_b");
};

TEST_F(JettyAndCliffWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToFromTheJettyAndTheRope)
{
    Set(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR);
    EnterWithDiego();
    EXPECT_LE(DistanceTo(m_uHeroine, WP_JETTY), 8);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 17u);
    for (const int32_t iStart : {WP_JETTY, WP_FOOT_OF_THE_ROPE})
        for (const int32_t iWaypoint : waypoints)
            ExpectReaches(m_uHeroine, iStart, iWaypoint);
}

TEST_F(JettyAndCliffWalksTest, WhileDiegoWaitsSheStillReachesHimTheShrubsAndTheAnchorAndHeReachesTheAnchor)
{
    EnterWithDiego();
    EXPECT_LE(DistanceTo(m_uDiego, WP_DIEGO_WAITS), 8);
    for (const int32_t iWaypoint : {WP_BY_WAITING_DIEGO, WP_SHRUBS, WP_ANCHOR, WP_FOOT_OF_THE_ROPE})
        ExpectReaches(m_uHeroine, WP_JETTY, iWaypoint);
    // The blocker keeps her off his place.
    WalkTo(m_uHeroine, WP_DIEGO_WAITS);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_DIEGO_WAITS), 20);

    m_scene->m_oWalkMesh.DisactivateBlocker(DIEGO_BLOCKER);
    WalkTo(m_uDiego, WP_DIEGO_AT_THE_ANCHOR);
    EXPECT_LE(DistanceTo(m_uDiego, WP_DIEGO_AT_THE_ANCHOR), 8);
}

TEST_F(JettyAndCliffWalksTest, BriscoeReachesTheBoardsAndHisPlaceAndComesBackDownTheRopeToIt)
{
    EnterWithDiego(BUCKS_PLACE);
    for (const int32_t iWaypoint :
         {WP_BRISCOE, WP_BRISCOE_AT_THE_BOARDS, WP_BRISCOE, WP_BRISCOE_DOWN_THE_ROPE, WP_BRISCOE}) {
        WalkTo(m_uBriscoe, iWaypoint);
        EXPECT_LE(DistanceTo(m_uBriscoe, iWaypoint), 8) << iWaypoint;
    }
}

TEST_F(JettyAndCliffWalksTest, DiegoAndBriscoeCoverNoHotspotWhereverTheStoryLeavesThem)
{
    const std::vector<std::vector<int32_t>> steps = {
        {},
        {VARBOOL_BG401_C06_INT_SHRUBS},
        {VARBOOL_BG401_C06_INT_SHRUBS, VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR},
        {VARBOOL_BG401_C06_INT_SHRUBS, VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR, VARBOOL_QUEST_C6_DIEGO_DONE,
         VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS, VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW},
    };
    for (const std::vector<int32_t>& flags : steps) {
        SCOPED_TRACE(flags.size());
        g_VarManager = VarSet {};
        for (const int32_t iFlag : flags)
            Set(iFlag);
        EnterWithDiego(JETTY_AND_CLIFF);
        EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
    }
}

} // namespace
