// Briscoe's house inside as the game loads it in chapter 5: every walk its
// script gives a character is reachable from where that character stands,
// the heroine's from the door and from her talking place, Arno's from the
// doorway.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId BRISCOES_HOUSE = 18;
constexpr int32_t WP_HEROINE_IN = 0;
constexpr int32_t WP_ELIZABETH = 1;
constexpr int32_t WP_BRISCOE_IN = 7;
constexpr int32_t WP_TALKING = 8;
constexpr int32_t WP_DOORWAY = 13;

using BriscoesHouseInteriorWalksTest = SampleSceneWalkTest;

TEST_F(BriscoesHouseInteriorWalksTest, EveryWalkOfItsScriptIsReachedFromWhereItsWalkerStands)
{
    Set(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER);
    Enter(BRISCOES_HOUSE, 5, m_uHeroine);
    struct Walker {
        const char* pName;
        std::set<int32_t> starts;
        size_t uWalks;
    };
    for (const Walker& walker :
         {Walker {"tavrine", {WP_HEROINE_IN, WP_TALKING}, 2}, Walker {"thomas_b", {WP_BRISCOE_IN}, 2},
          Walker {"elizabeth_b", {WP_ELIZABETH}, 1}, Walker {"arno", {WP_DOORWAY}, 1}}) {
        SCOPED_TRACE(walker.pName);
        const uint32_t uActor = Id::GetActorId(walker.pName);
        const std::set<int32_t> waypoints = WalkTargets(uActor);
        EXPECT_GE(waypoints.size(), walker.uWalks);
        for (const int32_t iStart : walker.starts)
            for (const int32_t iWaypoint : waypoints)
                ExpectReaches(uActor, iStart, iWaypoint);
    }
}

} // namespace
