// The middle town square of Hollow island as the game loads it: with
// Sancha at her stall and Diego in the square, the heroine arrives where her
// way in leads and reaches every place a handler walks her to; the blocker
// holds the way to the third square until its exit opens it; Diego comes
// over from either side and reaches the ladder; a step under the ladder turns
// her back.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr SceneId TOWN_SQUARE_B = 30;
constexpr int32_t FIRST_SQUARE = 29;
constexpr int32_t THIRD_SQUARE = 31;
// Beyond the blocker: the third square's edge and the way out to it.
constexpr int32_t WP_THIRD_SQUARE_EDGE = 3;
constexpr int32_t WP_TO_THIRD_SQUARE = 13;
constexpr int32_t WP_FROM_THIRD_SQUARE = 4;
constexpr int32_t WP_START = 0;
constexpr int32_t WP_DIEGO_AT_LADDER = 5;
constexpr int32_t WP_LADDER = 14;

class TownSquareBWalksTest : public SampleSceneWalkTest {
protected:
    const uint32_t m_uDiego = Id::GetActorId("diego");
};

TEST_F(TownSquareBWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerToWithEveryoneInTheSquare)
{
    Set(VARBOOL_QUEST_C4_FIX_BELL);
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, 3);
    for (const int32_t iChapter : {4, 7}) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, FIRST_SQUARE);
        Enter(TOWN_SQUARE_B, iChapter, m_uHeroine);
        ExpectHeroineReachesHerWalks(2, WP_START, 12, {WP_TO_THIRD_SQUARE, WP_THIRD_SQUARE_EDGE});
    }
}

TEST_F(TownSquareBWalksTest, TheWayToTheThirdSquareOpensOnlyForItsExitAndTheWalkInFromThere)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, THIRD_SQUARE);
    Enter(TOWN_SQUARE_B, 4, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_FROM_THIRD_SQUARE), 8);
    WalkTo(m_uHeroine, WP_TO_THIRD_SQUARE);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_TO_THIRD_SQUARE), 60);
    m_scene->m_oWalkMesh.DisactivateBlocker(0);
    WalkTo(m_uHeroine, WP_TO_THIRD_SQUARE);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_TO_THIRD_SQUARE), 8);
}

TEST_F(TownSquareBWalksTest, DiegoComesOverFromEitherSideAndReachesTheLadder)
{
    g_VarManager.SetInt(VARINT_DIEGO_SCENE, 3);
    Enter(TOWN_SQUARE_B, 4, m_uHeroine);
    for (const int32_t iSide : {1, WP_THIRD_SQUARE_EDGE}) {
        SCOPED_TRACE(iSide);
        // He walks across the blocker: it holds only the heroine.
        m_scene->m_oWalkMesh.ActivateBlocker(0);
        WalkTo(m_uDiego, iSide);
        EXPECT_LE(DistanceTo(m_uDiego, iSide), 8);
        for (const int32_t iWaypoint : {8, 5}) {
            WalkTo(m_uDiego, iWaypoint);
            EXPECT_LE(DistanceTo(m_uDiego, iWaypoint), 8) << iWaypoint;
        }
    }
}

TEST_F(TownSquareBWalksTest, StepsUnderTheLadderTurnTheHeroineBack)
{
    Enter(TOWN_SQUARE_B, 4, m_uHeroine);
    // The ladder's foot, where Diego takes it, lies under it.
    WalkTo(m_uHeroine, WP_DIEGO_AT_LADDER);
    for (int frame = 0; frame < 600; ++frame) {
        m_manager.Update(16);
        m_scene->Update(16);
    }
    EXPECT_LE(DistanceTo(m_uHeroine, WP_LADDER), 8);
    EXPECT_TRUE(m_log.Take().find("under_ladder") != std::string::npos);
}

} // namespace
