// The dark reefs of Hollow island as the game loads them: once the ladder
// stands the heroine reaches every place a handler walks her to, with Briscoe
// at his post and Diego beside her; before it she stays on the cliff top; Diego
// walks down where the ladder stands.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId DARK_REEFS = 35;
constexpr int32_t DARK_BEACH = 34;
// On the cliff top: her way in, the edge above Briscoe and the ladder's top.
const std::set<int32_t> CLIFF_TOP {2, 4, 8};
constexpr int32_t WP_CLIFF_EDGE = 2;
constexpr int32_t WP_DIEGO_PLACING_LADDER = 3;
constexpr int32_t WP_FOOT_OF_LADDER = 5;
constexpr int32_t WP_DIEGO_BY_BRISCOE = 7;
constexpr int32_t WP_UNTYING = 9;
constexpr int32_t WP_DIEGO = 10;

class DarkReefsWalksTest : public SampleSceneWalkTest {
protected:
    // Enters in chapter 4 from the beach, with the ladder standing or not
    // yet fetched.
    void Enter(bool bLadder)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DARK_BEACH);
        g_VarManager.SetBool(VARBOOL_BG303_C04_PICK_LADDER, bLadder ? 1 : 0);
        g_VarManager.SetBool(VARBOOL_BG308_C04_EVENT_LADDER, bLadder ? 1 : 0);
        SampleSceneWalkTest::Enter(DARK_REEFS, 4, m_uHeroine);
    }
    const uint32_t m_uDiego = Id::GetActorId("diego");
};

TEST_F(DarkReefsWalksTest, OnceTheLadderStandsTheHeroineReachesEveryPlaceHerScriptWalksHerTo)
{
    Enter(true);
    ExpectHeroineReachesHerWalks(WP_FOOT_OF_LADDER, WP_FOOT_OF_LADDER, 11);
}

TEST_F(DarkReefsWalksTest, WithoutTheLadderSheStaysOnTheCliffTop)
{
    Enter(false);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_CLIFF_EDGE), 8);
    for (const int32_t iWaypoint : CLIFF_TOP)
        ExpectReaches(m_uHeroine, WP_CLIFF_EDGE, iWaypoint);
    WalkTo(m_uHeroine, WP_UNTYING);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_UNTYING), 100);
    WalkTo(m_uHeroine, WP_FOOT_OF_LADDER);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_FOOT_OF_LADDER), 50);
}

TEST_F(DarkReefsWalksTest, DiegoWalksDownWhereTheLadderStandsAndOverToBriscoe)
{
    Enter(true);
    m_scene->m_oWalkMesh.ActivateBlocker(0);
    for (const int32_t iWaypoint : {WP_DIEGO_PLACING_LADDER, WP_DIEGO, WP_DIEGO_BY_BRISCOE}) {
        WalkTo(m_uDiego, iWaypoint);
        EXPECT_LE(DistanceTo(m_uDiego, iWaypoint), 8) << iWaypoint;
    }
}

} // namespace
