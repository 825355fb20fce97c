// Percy's town square as the game loads it: in chapter 4 before and after
// Percy has come down, and in another chapter, the heroine arrives where her
// way in leads and reaches every place a handler walks her to; the garden
// path stays shut while Percy is away, and once he keeps it, stepping onto it
// is answered; Percy gets from the foot of the garden stairs to his stall.
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

constexpr SceneId TOWN_SQUARE_C = 31;
constexpr int32_t TOWN_SQUARE_B = 30;
constexpr int32_t RECEPTION = 32;
constexpr int32_t GARDEN = 33;
constexpr int32_t DARK_BEACH = 34;
// Up the garden path, beyond the gateway.
constexpr int32_t WP_INTO_THE_GARDEN = 10;
constexpr int32_t WP_START = 0;
constexpr int32_t WP_PERCY = 1;
constexpr int32_t WP_FOOT_OF_THE_STAIRS = 12;

class TownSquareCWalksTest : public SampleSceneWalkTest {
protected:
    const uint32_t m_uPercy = Id::GetActorId("percy");
};

TEST_F(TownSquareCWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToInEveryStateOfTheSquare)
{
    struct Visit {
        int32_t iChapter;
        bool bPercyHere;
    };
    for (const Visit visit : {Visit {4, false}, Visit {4, true}, Visit {7, false}}) {
        SCOPED_TRACE(visit.iChapter);
        g_VarManager = VarSet {};
        // Percy down, and his leave to go up, so that no one turns her back.
        if (visit.bPercyHere) {
            Set(VARBOOL_BG304_C04_PERCY_HERE);
            Set(VARBOOL_QUEST_C4_MISSING_HALF_DISK02);
        }
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_B);
        Enter(TOWN_SQUARE_C, visit.iChapter, m_uHeroine);
        EXPECT_LE(DistanceTo(m_uHeroine, 3), 8);
        const std::set<int32_t> waypoints = HeroineWalks();
        EXPECT_GE(waypoints.size(), 15u);
        for (const int32_t iWaypoint : waypoints) {
            WalkTo(m_uHeroine, WP_START);
            WalkTo(m_uHeroine, iWaypoint);
            // While Percy is away the garden path is shut.
            if (iWaypoint == WP_INTO_THE_GARDEN && visit.iChapter == 4 && !visit.bPercyHere)
                EXPECT_GT(DistanceTo(m_uHeroine, iWaypoint), 40);
            else
                EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8) << "waypoint " << iWaypoint;
        }
    }
}

TEST_F(TownSquareCWalksTest, SheArrivesOffTheWaySheCame)
{
    struct Arrival {
        int32_t iFrom;
        int32_t iWaypoint;
    };
    Set(VARBOOL_BG304_C04_PERCY_HERE);
    for (const Arrival arrival :
         {Arrival {TOWN_SQUARE_B, 3}, Arrival {RECEPTION, 5}, Arrival {GARDEN, 5}, Arrival {DARK_BEACH, 9}}) {
        SCOPED_TRACE(arrival.iFrom);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, arrival.iFrom);
        Enter(TOWN_SQUARE_C, 4, m_uHeroine);
        EXPECT_LE(DistanceTo(m_uHeroine, arrival.iWaypoint), 8);
    }
}

TEST_F(TownSquareCWalksTest, PercyRunsFromTheFootOfTheGardenStairsToHisStallWhileThePathIsStillShut)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_B);
    Enter(TOWN_SQUARE_C, 4, m_uHeroine);
    // The garden's gateway is shut and his place open, as the true bell finds them.
    ASSERT_TRUE(m_scene->m_oWalkMesh.IsInActiveBlocker({385 * FX32_ONE, 348 * FX32_ONE, 0}));
    ASSERT_FALSE(m_scene->m_oWalkMesh.IsInActiveBlocker({240 * FX32_ONE, 210 * FX32_ONE, 0}));
    WalkTo(m_uPercy, WP_FOOT_OF_THE_STAIRS);
    WalkTo(m_uPercy, WP_PERCY);
    EXPECT_LE(DistanceTo(m_uPercy, WP_PERCY), 8);
}

TEST_F(TownSquareCWalksTest, StepsOntoTheGardenPathAreAnsweredWhilePercyKeepsIt)
{
    Set(VARBOOL_BG304_C04_PERCY_HERE);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, TOWN_SQUARE_B);
    Enter(TOWN_SQUARE_C, 4, m_uHeroine);
    m_log.Take();
    ASSERT_NO_FATAL_FAILURE(StartWalk(m_uHeroine, WP_INTO_THE_GARDEN));
    for (int frame = 0; frame < 1200 && !m_log.Contains("Touch"); ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_TRUE(m_log.Contains("Event \"Touch\" actor \"tavrine\"")) << m_log.Text();
}

} // namespace
