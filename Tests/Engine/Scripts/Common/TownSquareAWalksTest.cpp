// The first town square of Hollow island as the game loads it: in chapter 4
// with Briscoe, Diego and Vasco standing in it and the doorstep blocker on,
// the heroine arrives where her way in leads and reaches every place a
// handler walks her to, on and past both exits; Briscoe walks up from the
// jetty to his place; the doorstep stays Nathaniel's; every hotspot, either
// door of Nathaniel's house among them, is picked at its centre.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr SceneId TOWN_SQUARE_A = 29;
constexpr int32_t JETTY = 28;
constexpr int32_t TOWN_SQUARE_B = 30;
constexpr int32_t WP_SQUARE = 0;
constexpr int32_t WP_NATHANIEL = 4;

class TownSquareAWalksTest : public SampleSceneWalkTest {
protected:
    // Chapter 4 with everybody in the square, after Briscoe's arrival.
    void EnterWithEverybody(int32_t iFrom)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        g_VarManager.SetInt(VARINT_DIEGO_SCENE, 2);
        for (const int32_t iVarId : {VARBOOL_BG302_C04_EVENT_FIRST_TIME, VARBOOL_BG302_C04_BRISCO_HERE,
                                     VARBOOL_BG302_C04_DIEGO_HERE, VARBOOL_BG302_C04_VASCO_HERE})
            Set(iVarId);
        Enter(TOWN_SQUARE_A, 4, m_uHeroine);
    }
    const uint32_t m_uBriscoe = Id::GetActorId("thomas_b");
};

TEST_F(TownSquareAWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToWithEverybodyInTheSquare)
{
    EnterWithEverybody(JETTY);
    EXPECT_LE(DistanceTo(m_uHeroine, 3), 2);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 12u);
    for (const int32_t iWaypoint : waypoints) {
        ExpectReaches(m_uHeroine, WP_SQUARE, iWaypoint);
    }
    // Past the way into town, as the exit's walk-on takes her.
    WalkTo(m_uHeroine, 15);
    WalkTo(m_uHeroine, 8);
    EXPECT_LE(DistanceTo(m_uHeroine, 8), 8);
}

TEST_F(TownSquareAWalksTest, FromTheTownSheWalksInOffTheEdge)
{
    EnterWithEverybody(TOWN_SQUARE_B);
    EXPECT_LE(DistanceTo(m_uHeroine, 2), 8);
}

TEST_F(TownSquareAWalksTest, BriscoeWalksUpFromTheJettyToHisPlace)
{
    EnterWithEverybody(JETTY);
    EXPECT_LE(DistanceTo(m_uBriscoe, 7), 2);
    WalkTo(m_uBriscoe, 12);
    WalkTo(m_uBriscoe, 7);
    EXPECT_LE(DistanceTo(m_uBriscoe, 7), 8);
}

TEST_F(TownSquareAWalksTest, TheDoorstepIsNathanielsWhileTheBlockerIsOn)
{
    EnterWithEverybody(JETTY);
    WalkTo(m_uHeroine, 13);
    WalkTo(m_uHeroine, WP_NATHANIEL);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_NATHANIEL), 40);
    // Only the blocker keeps her off it: without it she walks up to where
    // Nathaniel would stand.
    m_scene->m_oWalkMesh.DisactivateBlocker(0);
    WalkTo(m_uHeroine, WP_NATHANIEL);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_NATHANIEL), 25);
}

TEST_F(TownSquareAWalksTest, EveryHotspotIsPickedAtItsCentreWithEverybodyInTheSquare)
{
    for (const bool bKnown : {false, true}) {
        g_VarManager.SetBool(VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE, bKnown ? 1 : 0);
        EnterWithEverybody(JETTY);
        EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {}) << bKnown;
    }
}

} // namespace
