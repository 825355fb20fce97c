// The inn's room as the game loads it: the heroine reaches every place its
// script walks her to with the chapter-2 blockers on and the guests seated;
// Briscoe's arrival leaves everybody where the story needs them, and the
// dark kitchen's floor answers her step; Nell finds her way out.
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

constexpr SceneId INN = 14;
constexpr SceneId DOCKS = 13;
// A place in the middle of the room.
constexpr int32_t MIDDLE = 18;

using AdmiralsRestWalksTest = SampleSceneWalkTest;

TEST_F(AdmiralsRestWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerTo)
{
    const uint32_t heroine = Id::GetActorId("tavrine");
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
    Enter(INN, 2, heroine);
    ASSERT_EQ(m_scene->m_iNumCharacters, 4);
    // In from the docks, one step into the room.
    EXPECT_LE(DistanceTo(heroine, 6), 5);

    // Every waypoint that a handler walks her to, one after another.
    const std::set<int32_t> waypoints = WalkTargets(heroine);
    EXPECT_GE(waypoints.size(), 12u);
    // Each from the middle of the room, where a click on anything may find
    // her; the engine ends walks of a few steps early, and a walk ends
    // within a step of its end.
    for (const int32_t iWaypoint : waypoints) {
        ExpectReaches(heroine, MIDDLE, iWaypoint);
    }
}

TEST_F(AdmiralsRestWalksTest, BriscoeArrivesAtHisSeatAndTheHeroineLeadsAgain)
{
    for (const int32_t flag : {VARBOOL_BG106_C02_NELL_NOT_HERE, VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT})
        g_VarManager.SetBool(flag, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, INN);
    const uint32_t heroine = Id::GetActorId("tavrine");
    Enter(INN, 2, heroine);
    EXPECT_LE(DistanceTo(Id::GetActorId("thomas_b"), 4), 5);
    EXPECT_LE(DistanceTo(Id::GetActorId("tasco"), 3), 5);
    EXPECT_LE(DistanceTo(heroine, 10), 5);
    ASSERT_NE(m_scene->m_iActiveCharacter, -1);
    EXPECT_EQ(m_scene->m_aCharacterIds[m_scene->m_iActiveCharacter], heroine);
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG106_C02_BRISCOE_HERE));
}

TEST_F(AdmiralsRestWalksTest, TheDarkKitchenAnswersWhenTheHeroineStepsByIt)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
    const uint32_t heroine = Id::GetActorId("tavrine");
    Enter(INN, 2, heroine);
    m_log.Take();
    // Where a click on the kitchen's floor would take her.
    ASSERT_NO_FATAL_FAILURE(StartWalk(heroine, 15));
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
    // Her way out once her talk sends her to her shop.
    for (const int32_t iWaypoint : {16, 7}) {
        ASSERT_NO_FATAL_FAILURE(WalkTo(nell, iWaypoint));
        EXPECT_LE(DistanceTo(nell, iWaypoint), 8) << "waypoint " << iWaypoint;
    }
}

} // namespace
