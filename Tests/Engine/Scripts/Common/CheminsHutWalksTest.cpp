// Chemin's hut as the game loads it in chapter 7: up from the village she
// stands on the hilltop and reaches every place a handler walks her to, on
// both sides of the door, and the door's own handlers take her in and out
// through the doorway with every walk finished.
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

constexpr SceneId CHEMINS_HUT = 38;
constexpr int32_t VOODOO_VILLAGE = 36;
constexpr int32_t WP_DOOR_OUTSIDE = 4;
constexpr int32_t WP_DOOR_INSIDE = 5;
constexpr int32_t WP_UP_FROM_THE_VILLAGE = 11;
// Off the hilltop, down the path, as she leaves.
constexpr int32_t WP_DOWN_THE_PATH = 17;

using Object = NamedObject<SceneTableRows::s_aObjects_bg311_38>;
using CheminsHutWalksTest = SampleSceneWalkTest;

TEST_F(CheminsHutWalksTest, SheReachesEveryPlaceHerScriptWalksHerToFromEitherSideOfTheDoor)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, VOODOO_VILLAGE);
    Enter(CHEMINS_HUT, 7, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_UP_FROM_THE_VILLAGE), 8);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 11u);
    for (const int32_t iStart : {WP_UP_FROM_THE_VILLAGE, WP_DOOR_INSIDE}) {
        for (const int32_t iWaypoint : waypoints) {
            if (iWaypoint == WP_DOWN_THE_PATH)
                continue;
            ExpectReaches(m_uHeroine, iStart, iWaypoint);
        }
    }
}

TEST_F(CheminsHutWalksTest, TheDoorTakesHerInAndOutAndLeavesHerFree)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, VOODOO_VILLAGE);
    Enter(CHEMINS_HUT, 7, m_uHeroine);
    Fire(MakeEvent(TwEventType_Activate, Object("door_hut")));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG311_C07_INSIDE_HUT));
    // Her stride through the doorway leaves her on the side she went to.
    EXPECT_LE(DistanceTo(m_uHeroine, WP_DOOR_INSIDE), 8);
    // Inside, Chemin is reached from the door.
    Fire(ScriptEvent_FlaggedId1(Id::GetActorId("chemin")));
    EXPECT_LE(DistanceTo(m_uHeroine, 6), 8);
    Fire(MakeEvent(TwEventType_Activate, Object("door_hut_out")));
    EXPECT_FALSE(g_VarManager.GetBool(VARBOOL_BG311_C07_INSIDE_HUT));
    EXPECT_LE(DistanceTo(m_uHeroine, WP_DOOR_OUTSIDE), 8);
    Fire(MakeEvent(TwEventType_Activate, Object("goto_bg309")));
    EXPECT_EQ(m_manager.GetNextSceneId(), VOODOO_VILLAGE);
}

} // namespace
