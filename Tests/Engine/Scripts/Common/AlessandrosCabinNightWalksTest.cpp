// The night cabin as the game loads it: in every chapter that places people,
// with the doorway blocked and the chapter's people standing where the script
// puts them, the heroine reaches every place her script walks her to; after
// the uncle's return she can still move from the doorway.
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

constexpr SceneId NIGHT_CABIN = 8;
constexpr SceneId CORRIDOR = 6;
constexpr fx32 FX = FX32_ONE;
// A place in the middle of the cabin.
constexpr int32_t MIDDLE = 18;
constexpr int32_t INSIDE_THE_DOOR = 5;

class AlessandrosCabinNightWalksTest : public SampleSceneScriptTest {
protected:
    // The character's distance on the floor from the waypoint, in whole
    // units.
    int32_t DistanceTo(uint32_t uActorId, int32_t iWaypoint) const
    {
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i)
            if (m_scene->m_aCharacterIds[i] == uActorId) {
                const CoreFxVec feet = m_scene->m_apCharacters[i]->GetFeetPosition();
                const CoreFxVec& place = m_scene->m_vLocators[iWaypoint].m_vPosition;
                return std::max(std::abs(feet.x - place.x), std::abs(feet.y - place.y)) / FX;
            }
        return INT32_MAX;
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

TEST_F(AlessandrosCabinNightWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToInEveryChapter)
{
    // The one-time scenes are over; in chapter 8 the uncle is back.
    for (const int32_t flag : {VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO, VARBOOL_BG004_C08_EVENT_INTRO,
                               VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO})
        g_VarManager.SetBool(flag, 1);
    for (const int32_t iChapter : {3, 4, 5, 8}) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, CORRIDOR);
        Enter(NIGHT_CABIN, iChapter, m_uHeroine);
        // In from the corridor, one step into the cabin.
        EXPECT_LE(DistanceTo(m_uHeroine, 6), 8);
        const std::set<int32_t> waypoints = HeroinesWaypoints();
        EXPECT_GE(waypoints.size(), 12u);
        // Each from the middle of the cabin, where a click on anything may
        // find her; the way out (4) lies beyond the doorway's blocker.
        for (const int32_t iWaypoint : waypoints) {
            if (iWaypoint == 4)
                continue;
            WalkTo(MIDDLE);
            WalkTo(iWaypoint);
            EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8) << "waypoint " << iWaypoint;
        }
    }
}

TEST_F(AlessandrosCabinNightWalksTest, AfterTheUnclesReturnSheWalksFromTheDoorwayAndItsBlockerHoldsTheWayOut)
{
    g_VarManager.SetBool(VARBOOL_BG004_C08_EVENT_INTRO, 1);
    g_VarManager.SetBool(VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO, 1);
    Enter(NIGHT_CABIN, 8, m_uHeroine);
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO), 1);
    EXPECT_LE(DistanceTo(m_uHeroine, INSIDE_THE_DOOR), 5);
    WalkTo(MIDDLE);
    EXPECT_LE(DistanceTo(m_uHeroine, MIDDLE), 8);
    // The way out stays shut while the blocker is on.
    WalkTo(4);
    EXPECT_GT(DistanceTo(m_uHeroine, 4), 20);
}

} // namespace
