// Carmine's monument as the game loads it in chapter 6: on each side of the
// chasm she reaches every place a handler walks her to there, the rope
// bridge carries her over and back with every walk finished, and the path
// down to Buck's place opens only as she leaves.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId CARMINES_MONUMENT = 41;
constexpr int32_t BUCKS_PLACE = 40;
constexpr int32_t WP_LEFT_WAY_IN = 1;
constexpr int32_t WP_LEFT_ARRIVED = 3;
constexpr int32_t WP_RIGHT_BRIDGE_END = 11;
constexpr int32_t WP_LEFT_BRIDGE_END = 12;
constexpr int32_t WP_LEFT_WAY_OUT = 24;
// The places of the right side; the others are the left side's.
const std::set<int32_t> RIGHT_SIDE = {0, 2, 10, 11, 13, 14, 22, 23, 32, 35};

using Object = NamedObject<SceneTableRows::s_aObjects_bg403_41>;
using CarminesMonumentWalksTest = SampleSceneWalkTest;

TEST_F(CarminesMonumentWalksTest, SheReachesEveryPlaceOfHerSideAndTheBridgeTakesHerOverAndBack)
{
    Set(VARBOOL_QUEST_C6_DRAWBRIDGE_DONE);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, BUCKS_PLACE);
    Enter(CARMINES_MONUMENT, 6, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_LEFT_ARRIVED), 8);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 25u);
    for (const int32_t iWaypoint : waypoints)
        if (!RIGHT_SIDE.contains(iWaypoint) && iWaypoint != WP_LEFT_WAY_OUT && iWaypoint != WP_LEFT_WAY_IN)
            ExpectReaches(m_uHeroine, WP_LEFT_ARRIVED, iWaypoint);
    // The chasm keeps her on her side.
    WalkTo(m_uHeroine, WP_RIGHT_BRIDGE_END);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_RIGHT_BRIDGE_END), 100);

    Fire(MakeEvent(TwEventType_Activate, Object("rope_bridge")));
    EXPECT_LE(DistanceTo(m_uHeroine, WP_RIGHT_BRIDGE_END), 8);
    for (const int32_t iWaypoint : RIGHT_SIDE)
        ExpectReaches(m_uHeroine, WP_RIGHT_BRIDGE_END, iWaypoint);
    WalkTo(m_uHeroine, WP_LEFT_ARRIVED);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_LEFT_ARRIVED), 100);

    Fire(MakeEvent(TwEventType_Activate, Object("rope_bridge_right")));
    EXPECT_LE(DistanceTo(m_uHeroine, WP_LEFT_BRIDGE_END), 8);
}

TEST_F(CarminesMonumentWalksTest, ThePathToBucksPlaceOpensOnlyAsSheLeaves)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, BUCKS_PLACE);
    Enter(CARMINES_MONUMENT, 6, m_uHeroine);
    WalkTo(m_uHeroine, WP_LEFT_WAY_OUT);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_LEFT_WAY_OUT), 8);
    Fire(MakeEvent(TwEventType_Activate, Object("goto_bg402")));
    EXPECT_LE(DistanceTo(m_uHeroine, WP_LEFT_WAY_OUT), 8);
    EXPECT_EQ(m_manager.GetNextSceneId(), BUCKS_PLACE);
}

} // namespace
