#pragma once
#include "Common/ActorIds.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "ScriptEngine/common/MatchExpression.h"
#include "ScriptEngine/common/ScriptIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <set>

// A sample scene whose characters the test walks about as the scripts do,
// measuring where they stand on the floor.
class SampleSceneWalkTest : public SampleSceneScriptTest {
protected:
    // How far apart two places lie on the floor, in whole units.
    static int32_t Apart(const CoreFxVec& first, const CoreFxVec& second)
    {
        return std::max(std::abs(first.x - second.x), std::abs(first.y - second.y)) / FX32_ONE;
    }
    // Where the character's feet are; a character not in the scene fails.
    CoreFxVec FeetOf(uint32_t uActorId) const
    {
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i)
            if (m_scene->m_aCharacterIds[i] == uActorId)
                return m_scene->m_apCharacters[i]->GetFeetPosition();
        ADD_FAILURE() << "no character " << uActorId << " in the scene";
        return {};
    }
    // The character's distance on the floor from the waypoint, in whole
    // units; INT32_MAX, and a failure, for a character not in the scene.
    int32_t DistanceTo(uint32_t uActorId, int32_t iWaypoint) const
    {
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i)
            if (m_scene->m_aCharacterIds[i] == uActorId)
                return Apart(m_scene->m_apCharacters[i]->GetFeetPosition(),
                             m_scene->m_vLocators[iWaypoint].m_vPosition);
        ADD_FAILURE() << "no character " << uActorId << " in the scene";
        return INT32_MAX;
    }
    // Gives the character a walk to the waypoint, as a script's walk does.
    void StartWalk(uint32_t uActorId, int32_t iWaypoint)
    {
        Scriptable* pActor = m_manager.FindActorScriptable(uActorId);
        ASSERT_NE(pActor, nullptr);
        ActionDesc walk = ActionDesc::MakeEmpty();
        walk.m_iActionType = ID_ACTION_TYPE_WALK_TO_WAYPOINT;
        walk.m_iTargetId = ActorScriptableId(uActorId);
        walk.m_iParameterType[0] = walk.m_iParameterType[1] = walk.m_iParameterType[2] = ID_PARAMETER_TYPE_WAYPOINT;
        walk.m_oParameter[0] = iWaypoint;
        walk.m_oParameter[1] = walk.m_oParameter[2] = -1;
        ASSERT_TRUE(pActor->PushAction(walk));
    }
    // Walks the character to the waypoint and runs frames until it stands.
    void WalkTo(uint32_t uActorId, int32_t iWaypoint)
    {
        ASSERT_NO_FATAL_FAILURE(StartWalk(uActorId, iWaypoint));
        Scriptable* pActor = m_manager.FindActorScriptable(uActorId);
        // The walk starts on the next update.
        for (int frame = 0; frame < 1200 && (frame < 2 || !pActor->IsDone()); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
    }
    // Walks the character to the start and then to the waypoint, which it
    // must reach within a step (the engine ends walks of a few steps early).
    void ExpectReaches(uint32_t uActorId, int32_t iStart, int32_t iWaypoint)
    {
        WalkTo(uActorId, iStart);
        WalkTo(uActorId, iWaypoint);
        EXPECT_LE(DistanceTo(uActorId, iWaypoint), 8) << "waypoint " << iWaypoint;
    }
    // The heroine, come in at the arrival waypoint, reaches from the start
    // every waypoint a handler walks her to (at least so many: a script that
    // lost its walks fails), but those left out: beyond a blocker, or walked
    // to only on the way out.
    void ExpectHeroineReachesHerWalks(int32_t iArrival, int32_t iStart, size_t uAtLeast,
                                      const std::set<int32_t>& leftOut = {})
    {
        EXPECT_LE(DistanceTo(m_uHeroine, iArrival), 8) << "where she comes in";
        const std::set<int32_t> waypoints = HeroineWalks();
        EXPECT_GE(waypoints.size(), uAtLeast);
        for (const int32_t iWaypoint : waypoints)
            if (!leftOut.contains(iWaypoint)) {
                SCOPED_TRACE(iWaypoint);
                ExpectReaches(m_uHeroine, iStart, iWaypoint);
            }
    }
    // Fires the event and runs frames until its handler is over or leads to
    // another scene.
    void Fire(const EventDesc& oEvent)
    {
        ASSERT_TRUE(m_manager.FireEvent(oEvent));
        for (int frame = 0; frame < 10 || (m_manager.IsBusy() && !m_manager.IsChangePending() && frame < 1900);
             ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        EXPECT_FALSE(m_manager.IsBusy() && !m_manager.IsChangePending());
    }
    // Fires the exit's event: it leads to another scene, with the heroine
    // walked out to the waypoint.
    void ExpectExitTakesHerTo(int32_t iExit, int32_t iWaypoint)
    {
        Fire(MatchExpr::MakeEvent0(iExit).m_oEvent);
        EXPECT_TRUE(m_manager.IsChangePending());
        EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8);
    }
    // From the start, her walk to each shut waypoint stops more than the
    // distance short of it (a blocker keeps her off), until the exit takes
    // her out to the last waypoint.
    void ExpectShutUntilTheExit(int32_t iStart, std::initializer_list<int32_t> shut, int32_t iShortBy, int32_t iExit,
                                int32_t iOutAt)
    {
        for (const int32_t iWaypoint : shut) {
            WalkTo(m_uHeroine, iWaypoint);
            EXPECT_GT(DistanceTo(m_uHeroine, iWaypoint), iShortBy) << "waypoint " << iWaypoint;
            WalkTo(m_uHeroine, iStart);
        }
        ExpectExitTakesHerTo(iExit, iOutAt);
    }
    // Every waypoint that a handler of the scene walks the character to.
    std::set<int32_t> WalkTargets(uint32_t uActorId)
    {
        std::set<int32_t> waypoints;
        const ScriptNodePool& pool = m_manager.GetNodePool();
        for (ScriptNodeIndex iNode = 0; iNode < pool.GetNbAllocated(); ++iNode) {
            const ActionDesc& action = pool[iNode].m_oAction;
            if (pool[iNode].m_iType == NodeType_Action && action.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT &&
                action.m_iTargetId == ActorScriptableId(uActorId))
                waypoints.insert(action.m_oParameter[0]);
        }
        return waypoints;
    }
    std::set<int32_t> HeroineWalks() { return WalkTargets(m_uHeroine); }
    void Set(int32_t iVarId) { g_VarManager.SetBool(iVarId, 1); }

    const uint32_t m_uHeroine = Id::GetActorId("tavrine");
};
