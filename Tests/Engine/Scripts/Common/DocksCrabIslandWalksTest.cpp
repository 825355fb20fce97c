// The docks of Crab island as the game loads them: in each chapter that
// brings the heroine here, with the chapter's people in their places and the
// blockers of the landing stage, the road and Sonia's place on, she arrives
// where her way in leads and reaches every place a handler walks her to;
// Razzo reaches his watch and comes back while she stands at the case; the
// landing stage and the road stay shut until their exits open them.
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

constexpr SceneId DOCKS = 22;
constexpr int32_t INN = 23;
constexpr int32_t GRAVEYARD = 24;
constexpr int32_t WORLD_MAP = 57;
// Beyond the blockers: out on the landing stage and up the road.
constexpr int32_t WP_ON_THE_PIER = 5;
constexpr int32_t WP_UP_THE_ROAD = 12;
// The middle of the quay, where a click on anything may find her.
constexpr int32_t WP_START = 4;

class DocksCrabIslandWalksTest : public SampleSceneWalkTest {
protected:
    const uint32_t m_uRazzo = Id::GetActorId("razzo");
};

TEST_F(DocksCrabIslandWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToInEveryChapter)
{
    // Razzo's news is over; in chapter 8 Sonia is back on the quay.
    Set(VARBOOL_QUEST_C3_FIND_GRAVEYARD02);
    Set(VARBOOL_BG201_C03_EVENT_RAZZO);
    Set(VARBOOL_QUEST_C8_JUSTICE03_DONE);
    for (const int32_t iChapter : {3, 7, 8, 9}) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, WORLD_MAP);
        Enter(DOCKS, iChapter, m_uHeroine);
        // Off the landing stage.
        ExpectHeroineReachesHerWalks(1, WP_START, 20, {WP_ON_THE_PIER, WP_UP_THE_ROAD});
    }
}

TEST_F(DocksCrabIslandWalksTest, SheArrivesOffTheWaySheCameAndTheStageAndTheRoadOpenOnlyForTheirExits)
{
    struct Arrival {
        int32_t iFrom;
        int32_t iWaypoint;
    };
    for (const Arrival arrival : {Arrival {WORLD_MAP, 1}, Arrival {INN, 3}, Arrival {GRAVEYARD, 14}}) {
        SCOPED_TRACE(arrival.iFrom);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, arrival.iFrom);
        Enter(DOCKS, 3, m_uHeroine);
        EXPECT_LE(DistanceTo(m_uHeroine, arrival.iWaypoint), 8);
    }
    // The blockers hold the way onto the stage and up the road...
    for (const int32_t iWaypoint : {WP_ON_THE_PIER, WP_UP_THE_ROAD}) {
        WalkTo(m_uHeroine, WP_START);
        WalkTo(m_uHeroine, iWaypoint);
        EXPECT_GT(DistanceTo(m_uHeroine, iWaypoint), 40) << iWaypoint;
    }
    // ...until the exits take them off.
    m_scene->m_oWalkMesh.DisactivateBlocker(0);
    m_scene->m_oWalkMesh.DisactivateBlocker(2);
    for (const auto& [iFoot, iBeyond] : {std::pair {19, WP_ON_THE_PIER}, std::pair {21, WP_UP_THE_ROAD}}) {
        WalkTo(m_uHeroine, iFoot);
        WalkTo(m_uHeroine, iBeyond);
        EXPECT_LE(DistanceTo(m_uHeroine, iBeyond), 8) << iBeyond;
    }
}

TEST_F(DocksCrabIslandWalksTest, RazzoReachesHisWatchAndComesBackWhileSheStandsAtTheCase)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, WORLD_MAP);
    Enter(DOCKS, 3, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uRazzo, 11), 2);
    WalkTo(m_uHeroine, 15);
    EXPECT_LE(DistanceTo(m_uHeroine, 15), 8);
    WalkTo(m_uRazzo, 8);
    EXPECT_LE(DistanceTo(m_uRazzo, 8), 8);
    WalkTo(m_uRazzo, 11);
    EXPECT_LE(DistanceTo(m_uRazzo, 11), 8);
}

} // namespace
