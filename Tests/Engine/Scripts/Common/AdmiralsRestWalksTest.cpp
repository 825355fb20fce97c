// The inn's room as the game loads it: the heroine reaches every place its
// script walks her to with the chapter-2 blockers on and the guests seated;
// Briscoe's arrival leaves everybody where the story needs them, and the
// dark kitchen's floor answers her step; Nell finds her way out.
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

constexpr SceneId INN = 14;
constexpr SceneId DOCKS = 13;
constexpr fx32 FX = FX32_ONE;
// A place in the middle of the room.
constexpr int32_t MIDDLE = 18;

using AdmiralsRestWalksTest = SampleSceneScriptTest;

// The character's distance on the floor from the waypoint, in whole units.
int32_t DistanceTo(const Scene& scene, uint32_t uActorId, int32_t iWaypoint)
{
    for (int32_t i = 0; i < scene.m_iNumCharacters; ++i)
        if (scene.m_aCharacterIds[i] == uActorId) {
            const CoreFxVec feet = scene.m_apCharacters[i]->GetFeetPosition();
            const CoreFxVec& place = scene.m_vLocators[iWaypoint].m_vPosition;
            return std::max(std::abs(feet.x - place.x), std::abs(feet.y - place.y)) / FX;
        }
    return INT32_MAX;
}

TEST_F(AdmiralsRestWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerTo)
{
    const uint32_t heroine = Id::GetActorId("tavrine");
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
    Enter(INN, 2, heroine);
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    // In from the docks, one step into the room.
    EXPECT_LE(DistanceTo(*m_scene, heroine, 6), 5);

    // Every waypoint that a handler walks her to, one after another.
    std::set<int32_t> waypoints;
    const ScriptNodePool& pool = m_manager.GetNodePool();
    for (ScriptNodeIndex iNode = 0; iNode < pool.GetNbAllocated(); ++iNode) {
        const ActionDesc& action = pool[iNode].m_oAction;
        if (pool[iNode].m_iType == NodeType_Action && action.m_iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT &&
            action.m_iTargetId == ActorScriptableId(heroine))
            waypoints.insert(action.m_oParameter[0]);
    }
    EXPECT_GE(waypoints.size(), 12u);
    Scriptable* pHeroine = m_manager.FindActorScriptable(heroine);
    ASSERT_NE(pHeroine, nullptr);
    // Each from the middle of the room, where a click on anything may find
    // her; the engine ends walks of a few steps early, and a walk ends
    // within a step of its end.
    const auto walkTo = [&](int32_t iWaypoint) {
        ActionDesc walk = ActionDesc::MakeEmpty();
        walk.m_iActionType = ID_ACTION_TYPE_WALK_TO_WAYPOINT;
        walk.m_iTargetId = ActorScriptableId(heroine);
        walk.m_iParameterType[0] = walk.m_iParameterType[1] = walk.m_iParameterType[2] = ID_PARAMETER_TYPE_WAYPOINT;
        walk.m_oParameter[0] = iWaypoint;
        walk.m_oParameter[1] = walk.m_oParameter[2] = -1;
        ASSERT_TRUE(pHeroine->PushAction(walk));
        // The walk starts on the next update.
        for (int frame = 0; frame < 1200 && (frame < 2 || !pHeroine->IsDone()); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
    };
    for (const int32_t iWaypoint : waypoints) {
        walkTo(MIDDLE);
        walkTo(iWaypoint);
        EXPECT_LE(DistanceTo(*m_scene, heroine, iWaypoint), 8) << "waypoint " << iWaypoint;
    }
}

TEST_F(AdmiralsRestWalksTest, BriscoeArrivesAtHisSeatAndTheHeroineLeadsAgain)
{
    for (const int32_t flag : {VARBOOL_BG106_C02_NELL_NOT_HERE, VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT})
        g_VarManager.SetBool(flag, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, INN);
    const uint32_t heroine = Id::GetActorId("tavrine");
    Enter(INN, 2, heroine);
    EXPECT_LE(DistanceTo(*m_scene, Id::GetActorId("thomas_b"), 4), 5);
    EXPECT_LE(DistanceTo(*m_scene, Id::GetActorId("tasco"), 3), 5);
    EXPECT_LE(DistanceTo(*m_scene, heroine, 10), 5);
    ASSERT_NE(m_scene->m_iActiveCharacter, -1);
    EXPECT_EQ(m_scene->m_aCharacterIds[m_scene->m_iActiveCharacter], heroine);
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG106_C02_BRISCOE_HERE));
}

TEST_F(AdmiralsRestWalksTest, TheDarkKitchenAnswersWhenTheHeroineStepsByIt)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
    const uint32_t heroine = Id::GetActorId("tavrine");
    Enter(INN, 2, heroine);
    Scriptable* pHeroine = m_manager.FindActorScriptable(heroine);
    ASSERT_NE(pHeroine, nullptr);
    m_log.Take();
    // Where a click on the kitchen's floor would take her.
    ActionDesc walk = ActionDesc::MakeEmpty();
    walk.m_iActionType = ID_ACTION_TYPE_WALK_TO_WAYPOINT;
    walk.m_iTargetId = ActorScriptableId(heroine);
    walk.m_iParameterType[0] = walk.m_iParameterType[1] = walk.m_iParameterType[2] = ID_PARAMETER_TYPE_WAYPOINT;
    walk.m_oParameter[0] = 15;
    walk.m_oParameter[1] = walk.m_oParameter[2] = -1;
    ASSERT_TRUE(pHeroine->PushAction(walk));
    for (int frame = 0; frame < 1200 && !m_log.Contains("event_kitchen"); ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_TRUE(m_log.Contains("Event \"Touch\" actor \"tavrine\"")) << m_log.Text();
    EXPECT_TRUE(m_log.Contains("event_kitchen")) << m_log.Text();
}

TEST_F(AdmiralsRestWalksTest, NellWalksFromHerSeatOutOfTheDoor)
{
    const uint32_t nell = Id::GetActorId("nell");
    Enter(INN, 2, Id::GetActorId("tavrine"));
    Scriptable* pNell = m_manager.FindActorScriptable(nell);
    ASSERT_NE(pNell, nullptr);
    // Her way out once her talk sends her to her shop.
    for (const int32_t iWaypoint : {16, 7}) {
        ActionDesc walk = ActionDesc::MakeEmpty();
        walk.m_iActionType = ID_ACTION_TYPE_WALK_TO_WAYPOINT;
        walk.m_iTargetId = ActorScriptableId(nell);
        walk.m_iParameterType[0] = walk.m_iParameterType[1] = walk.m_iParameterType[2] = ID_PARAMETER_TYPE_WAYPOINT;
        walk.m_oParameter[0] = iWaypoint;
        walk.m_oParameter[1] = walk.m_oParameter[2] = -1;
        ASSERT_TRUE(pNell->PushAction(walk));
        for (int frame = 0; frame < 1200 && (frame < 2 || !pNell->IsDone()); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        EXPECT_LE(DistanceTo(*m_scene, nell, iWaypoint), 8) << "waypoint " << iWaypoint;
    }
}

} // namespace
