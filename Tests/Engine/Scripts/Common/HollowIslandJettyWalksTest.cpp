// Hollow island's jetty as the game loads it: in chapters 4 and 7, with the
// chapter's people in their places and the road's blocker on, the heroine
// reaches every place a handler walks her to; Briscoe comes over to Sancha
// and Bajari comes down the road to her at the end of the jetty and goes
// back to his place; the road beyond its foot opens only for its exit.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "ScriptEngine/common/ScriptIds.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId JETTY = 28;
constexpr int32_t TOWN_SQUARE = 29;
constexpr int32_t WORLD_MAP = 57;
// Up the road, beyond the blocker; the road's foot before it.
constexpr int32_t WP_UP_THE_ROAD = 6;
constexpr int32_t WP_ROAD = 11;
// On the quay, where a click on anything may find her.
constexpr int32_t WP_BY_SANCHA = 0;

class HollowIslandJettyWalksTest : public SampleSceneWalkTest {
protected:
    const uint32_t m_uBriscoe = Id::GetActorId("thomas_b");
    const uint32_t m_uBajari = Id::GetActorId("bajari");
};

TEST_F(HollowIslandJettyWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToInChaptersFourAndSeven)
{
    // The one-time talks of the landings are over.
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG);
    Set(VARBOOL_BG301_C07_EVENT_FEELING_DOWN);
    for (const int32_t iChapter : {4, 7}) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, WORLD_MAP);
        Enter(JETTY, iChapter, m_uHeroine);
        // Off the ship at the end of the jetty.
        ExpectHeroineReachesHerWalks(3, WP_BY_SANCHA, 6, {WP_UP_THE_ROAD});
    }
}

TEST_F(HollowIslandJettyWalksTest, DownTheRoadSheWalksInAndTheRoadOpensOnlyForItsExit)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE);
    Enter(JETTY, 4, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, 2), 8);
    // The blocker holds the way up the road...
    WalkTo(m_uHeroine, WP_ROAD);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_ROAD), 8);
    WalkTo(m_uHeroine, WP_UP_THE_ROAD);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_UP_THE_ROAD), 40);
    // ...until the exit takes it off.
    m_scene->m_oWalkMesh.DisactivateBlocker(0);
    WalkTo(m_uHeroine, WP_UP_THE_ROAD);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_UP_THE_ROAD), 8);
}

TEST_F(HollowIslandJettyWalksTest, BriscoeComesOverToSanchaAndBajariComesDownTheRoadAndBack)
{
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, WORLD_MAP);
    Enter(JETTY, 4, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uBriscoe, 5), 2);
    WalkTo(m_uBriscoe, 7);
    EXPECT_LE(DistanceTo(m_uBriscoe, 7), 8);

    // Bajari starts at the road's foot with the blocker on, as he does when
    // he arrives.
    Set(VARBOOL_BG301_C07_EVENT_FEELING_DOWN);
    Set(VARBOOL_BG301_C07_TALK_BRISCOE_ABOUT_TANNER_FRIEND);
    Set(VARBOOL_QUEST_C7_TANNERSFRIEND03);
    Enter(JETTY, 7, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uBajari, 8), 2);
    for (const int32_t iWaypoint : {1, 9, 8}) {
        WalkTo(m_uBajari, iWaypoint);
        EXPECT_LE(DistanceTo(m_uBajari, iWaypoint), 8) << "waypoint " << iWaypoint;
    }
}

} // namespace
