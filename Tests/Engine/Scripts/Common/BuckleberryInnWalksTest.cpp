// The inn as the game loads it: in every chapter that places people, with
// the blockers on and the chapter's people where the script puts them, the
// heroine reaches every place of the bar room that her script walks her to,
// the stairs stay shut but for the climb, and upstairs she reaches the
// machine and nothing of the bar room.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/ScriptIds.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

class BuckleberryInnWalksTest : public SampleSceneScriptTest {
protected:
    // The character's distance on the floor from the waypoint, in whole
    // units.
    int32_t DistanceTo(uint32_t uActorId, int32_t iWaypoint) const
    {
        const CoreFxVec feet = FeetOf(uActorId);
        const CoreFxVec& place = m_scene->m_vLocators[iWaypoint].m_vPosition;
        return std::max(std::abs(feet.x - place.x), std::abs(feet.y - place.y)) / FX;
    }
    CoreFxVec FeetOf(uint32_t uActorId) const
    {
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i)
            if (m_scene->m_aCharacterIds[i] == uActorId)
                return m_scene->m_apCharacters[i]->GetFeetPosition();
        ADD_FAILURE() << "no such character";
        return {};
    }
    // Walks the heroine to the waypoint as the script would, until she
    // stops.
    void WalkTo(int32_t iWaypoint)
    {
        Scriptable* pHeroine = m_manager.FindActorScriptable(m_uHeroine);
        ASSERT_NE(pHeroine, nullptr);
        ActionDesc walk = ActionDesc::MakeEmpty();
        walk.m_iActionType = ID_ACTION_TYPE_WALK_TO_WAYPOINT;
        walk.m_iTargetId = ActorScriptableId(m_uHeroine);
        walk.m_iParameterType[0] = walk.m_iParameterType[1] = walk.m_iParameterType[2] = ID_PARAMETER_TYPE_WAYPOINT;
        walk.m_oParameter[0] = iWaypoint;
        walk.m_oParameter[1] = walk.m_oParameter[2] = -1;
        ASSERT_TRUE(pHeroine->PushAction(walk));
        // The walk starts on the next update.
        for (int frame = 0; frame < 1200 && (frame < 2 || !pHeroine->IsDone()); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
    }
    // The waypoints that the script's handlers walk the heroine to.
    std::set<int32_t> HeroinesWaypoints()
    {
        std::set<int32_t> waypoints;
        const ScriptNodePool& pool = m_manager.GetNodePool();
        for (ScriptNodeIndex iNode = 0; iNode < pool.GetNbAllocated(); ++iNode) {
            const ActionDesc& action = pool[iNode].m_oAction;
            if (pool[iNode].m_iType == NodeType_Action && action.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT &&
                action.m_iTargetId == ActorScriptableId(m_uHeroine))
                waypoints.insert(action.m_oParameter[0]);
        }
        return waypoints;
    }

    const uint32_t m_uHeroine = Id::GetActorId("tavrine");
};

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
        const std::set<int32_t> waypoints = HeroinesWaypoints();
        EXPECT_GE(waypoints.size(), 16u);
        for (const int32_t iWaypoint : waypoints) {
            if (UPSTAIRS.count(iWaypoint) != 0 || DOORWAY.count(iWaypoint) != 0)
                continue;
            WalkTo(MIDDLE);
            EXPECT_LE(DistanceTo(m_uHeroine, MIDDLE), 8) << "back from waypoint " << iWaypoint;
            WalkTo(iWaypoint);
            EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8) << "waypoint " << iWaypoint;
        }
        // The stairs are shut: she stays in the bar room.
        WalkTo(4);
        EXPECT_GT(DistanceTo(m_uHeroine, 4), 60);
    }
}

TEST_F(BuckleberryInnWalksTest, UpstairsSheReachesTheMachineAndTheStairsKeepHerThere)
{
    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_CLOSING_SOON, 1);
    g_VarManager.SetBool(VARBOOL_BG202_C03_EVENT_UPSTAIR, 1);
    Enter(INN, 3, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, 4), 5);
    WalkTo(19);
    EXPECT_LE(DistanceTo(m_uHeroine, 19), 8);
    WalkTo(4);
    EXPECT_LE(DistanceTo(m_uHeroine, 4), 8);
    // Up here she is above the bar room: the feet stand on the upper floor.
    EXPECT_GT(FeetOf(m_uHeroine).z, 90 * FX);
    WalkTo(MIDDLE);
    EXPECT_GT(DistanceTo(m_uHeroine, MIDDLE), 60);
}

} // namespace
