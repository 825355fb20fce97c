// The inn as the game loads it: in every chapter that places people, with
// the blockers on and the chapter's people where the script puts them, the
// heroine reaches every place of the bar room that her script walks her to,
// the stairs stay shut but for the climb, and upstairs she reaches the
// machine and nothing of the bar room.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptIds.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId INN = 23;
constexpr SceneId DOCKS = 22;
constexpr fx32 FX = FX32_ONE;
// A place in the middle of the bar room.
constexpr int32_t MIDDLE = 20;
// The upper floor's places and the way in and out of the inn, which lie
// beyond blockers or off the bar room.
const std::set<int32_t> UPSTAIRS = {2, 4, 19};
const std::set<int32_t> DOORWAY = {10, 11};

using BuckleberryInnWalksTest = SampleSceneWalkTest;

TEST_F(BuckleberryInnWalksTest, TheHeroineReachesEveryPlaceOfTheBarRoomInEveryChapter)
{
    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_CLOSING_SOON, 1);
    // Chapter 8 twice: Pierre at the bar and the Pedro quest, then the
    // stranger standing at the bar.
    struct Case {
        int32_t iChapter;
        bool bPedroAtBar;
    } const cases[] = {{1, false}, {3, false}, {5, false}, {8, false}, {8, true}, {9, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iChapter);
        g_VarManager.SetBool(VARBOOL_QUEST_C8_NOTES04_DONE, 1);
        g_VarManager.SetBool(VARBOOL_QUEST_C8_PEDRO01, 1);
        g_VarManager.SetBool(VARBOOL_BG202_C08_PEDRO_AT_BAR, c.bPedroAtBar ? 1 : 0);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
        Enter(INN, c.iChapter, m_uHeroine);
        // In from the docks, a few steps into the room.
        EXPECT_LE(DistanceTo(m_uHeroine, 3), 8);
        const std::set<int32_t> waypoints = HeroineWalks();
        EXPECT_GE(waypoints.size(), 16u);
        for (const int32_t iWaypoint : waypoints) {
            if (UPSTAIRS.count(iWaypoint) != 0 || DOORWAY.count(iWaypoint) != 0)
                continue;
            WalkTo(m_uHeroine, MIDDLE);
            EXPECT_LE(DistanceTo(m_uHeroine, MIDDLE), 8) << "back from waypoint " << iWaypoint;
            WalkTo(m_uHeroine, iWaypoint);
            EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8) << "waypoint " << iWaypoint;
        }
        // The stairs are shut: she stays in the bar room.
        WalkTo(m_uHeroine, 4);
        EXPECT_GT(DistanceTo(m_uHeroine, 4), 60);
    }
}

TEST_F(BuckleberryInnWalksTest, UpstairsSheReachesTheMachineAndTheStairsKeepHerThere)
{
    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_CLOSING_SOON, 1);
    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_UPSTAIR, 1);
    Enter(INN, 3, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, 4), 5);
    WalkTo(m_uHeroine, 19);
    EXPECT_LE(DistanceTo(m_uHeroine, 19), 8);
    WalkTo(m_uHeroine, 4);
    EXPECT_LE(DistanceTo(m_uHeroine, 4), 8);
    // Up here she is above the bar room: the feet stand on the upper floor.
    EXPECT_GT(FeetOf(m_uHeroine).z, 90 * FX);
    WalkTo(m_uHeroine, MIDDLE);
    EXPECT_GT(DistanceTo(m_uHeroine, MIDDLE), 60);
}

} // namespace
