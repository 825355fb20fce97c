// The voodoo village as the game loads it: with the guards at their posts
// and both blockers on, the heroine reaches every place a handler walks her
// to, the temple's doorway and the road's end only once the script has
// taken their blocker off; a walk of her own stops at both, and the walks in
// from the road and out of the temple bring her onto the clearing.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

constexpr SceneId VILLAGE = 36;
constexpr int32_t TOWN_SQUARE_C = 31;
constexpr int32_t TEMPLE = 37;
constexpr int32_t CHEMINS_HUT = 38;
constexpr int32_t WP_START = 0;
constexpr int32_t TEMPLE_BLOCKER = 0;
constexpr int32_t ROAD_BLOCKER = 1;
// The places beyond a blocker, each with the blocker its walk takes off.
const std::map<int32_t, int32_t> BEYOND_A_BLOCKER = {{5, TEMPLE_BLOCKER}, {11, TEMPLE_BLOCKER}, {14, ROAD_BLOCKER}};

using VoodooVillageWalksTest = SampleSceneWalkTest;

TEST_F(VoodooVillageWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToAndNoBlockedOneOnHerOwn)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CHEMINS_HUT);
    Enter(VILLAGE, 7, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, 10), 2);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 12u);
    for (const int32_t iWaypoint : waypoints) {
        const auto blocked = BEYOND_A_BLOCKER.find(iWaypoint);
        if (blocked == BEYOND_A_BLOCKER.end()) {
            ExpectReaches(m_uHeroine, WP_START, iWaypoint);
            continue;
        }
        SCOPED_TRACE(iWaypoint);
        WalkTo(m_uHeroine, WP_START);
        WalkTo(m_uHeroine, iWaypoint);
        EXPECT_GT(DistanceTo(m_uHeroine, iWaypoint), 20);
        m_scene->m_oWalkMesh.DisactivateBlocker(blocked->second);
        ExpectReaches(m_uHeroine, WP_START, iWaypoint);
        WalkTo(m_uHeroine, WP_START);
        m_scene->m_oWalkMesh.ActivateBlocker(blocked->second);
    }
}

TEST_F(VoodooVillageWalksTest, SheWalksInOffTheRoadAndOutOfTheTempleOntoTheClearing)
{
    struct Arrival {
        int32_t iFrom;
        int32_t iWaypoint;
    };
    for (const Arrival arrival : {Arrival {TOWN_SQUARE_C, 4}, Arrival {TEMPLE, 6}}) {
        SCOPED_TRACE(arrival.iFrom);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, arrival.iFrom);
        Enter(VILLAGE, 7, m_uHeroine);
        EXPECT_LE(DistanceTo(m_uHeroine, arrival.iWaypoint), 8);
        EXPECT_FALSE(m_scene->m_oWalkMesh.IsInActiveBlocker(FeetOf(m_uHeroine)));
    }
}

} // namespace
