// The front of Briscoe's house as the game loads it: with the guards asleep
// the heroine reaches every place in the yard a handler walks her to, and the
// street only once its blocker is lifted; Briscoe reaches his places and the
// bell; the region before the guards sends her back into hiding.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId BRISCOES_HOUSE = 17;
constexpr int32_t TOWNHALL_EXTERIOR = 15;
// Out on the street, beyond the street's blocker.
const std::set<int32_t> STREET {1, 4, 29};
constexpr int32_t WP_HIDING = 0;
constexpr int32_t WP_YARD = 2;
constexpr int32_t WP_WAY_OUT = 29;
constexpr int32_t WP_GATE = 23;
constexpr int32_t STREET_BLOCKER = 0;

class BriscoesHouseWalksTest : public SampleSceneWalkTest {
protected:
    // Chapter 5, come from the town hall, with the guards asleep or awake.
    void Enter(bool bAsleep)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWNHALL_EXTERIOR);
        Set(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES);
        Set(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS);
        g_VarManager.SetBool(VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS, bAsleep ? 1 : 0);
        SampleSceneWalkTest::Enter(BRISCOES_HOUSE, 5, m_uHeroine);
    }
    const uint32_t m_uBriscoe = Id::GetActorId("thomas_b");
};

TEST_F(BriscoesHouseWalksTest, WithTheGuardsAsleepSheReachesEveryPlaceOfTheYardAndTheStreetOnlyWithoutItsBlocker)
{
    Enter(true);
    ExpectHeroineReachesHerWalks(WP_GATE, WP_GATE, 14, STREET);

    WalkTo(m_uHeroine, WP_WAY_OUT);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_WAY_OUT), 20);
    m_scene->m_oWalkMesh.DisactivateBlocker(STREET_BLOCKER);
    for (const int32_t iWaypoint : STREET)
        ExpectReaches(m_uHeroine, WP_YARD, iWaypoint);
}

TEST_F(BriscoesHouseWalksTest, BriscoeReachesTheBellAndHisPlacesAcrossTheYard)
{
    Enter(false);
    for (const int32_t iWaypoint : WalkTargets(m_uBriscoe)) {
        WalkTo(m_uBriscoe, iWaypoint);
        EXPECT_LE(DistanceTo(m_uBriscoe, iWaypoint), 8) << iWaypoint;
    }
}

TEST_F(BriscoesHouseWalksTest, WhileTheGuardsStandWalkingUpToThemSendsHerBackIntoHiding)
{
    Enter(false);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_HIDING), 8);
    // Towards the door between the guards: the region stops her and the
    // script walks her back.
    StartWalk(m_uHeroine, 24);
    for (int frame = 0; frame < 1500; ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_LE(DistanceTo(m_uHeroine, 16), 8);
}

} // namespace
