// The dark beach of Hollow island as the game loads it: the heroine arrives
// where her way in leads and reaches every place a handler walks her to
// around the puddle; the blocker holds the shore to the reefs until its exit
// opens it.
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId DARK_BEACH = 34;
constexpr int32_t DARK_REEFS = 35;
constexpr int32_t WP_START = 0;
constexpr int32_t WP_OFF_THE_SHORE = 7;
// Behind the blocker: the way out to the reefs and the shore beyond it.
constexpr int32_t WP_REEFS_BEYOND = 3;
constexpr int32_t WP_TO_THE_REEFS = 12;

using DarkBeachWalksTest = SampleSceneWalkTest;

TEST_F(DarkBeachWalksTest, TheHeroineReachesEveryPlaceHerScriptWalksHerTo)
{
    for (const int32_t iChapter : {4, 7}) {
        SCOPED_TRACE(iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, 31);
        Enter(DARK_BEACH, iChapter, m_uHeroine);
        ExpectHeroineReachesHerWalks(5, WP_START, 7, {WP_REEFS_BEYOND, WP_TO_THE_REEFS});
    }
}

TEST_F(DarkBeachWalksTest, TheShoreToTheReefsOpensOnlyForItsExitAndTheWalkInFromThere)
{
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DARK_REEFS);
    Enter(DARK_BEACH, 4, m_uHeroine);
    EXPECT_LE(DistanceTo(m_uHeroine, WP_OFF_THE_SHORE), 8);
    WalkTo(m_uHeroine, WP_TO_THE_REEFS);
    EXPECT_GT(DistanceTo(m_uHeroine, WP_TO_THE_REEFS), 60);
    m_scene->m_oWalkMesh.DisactivateBlocker(0);
    for (const int32_t iWaypoint : {WP_TO_THE_REEFS, WP_REEFS_BEYOND}) {
        WalkTo(m_uHeroine, iWaypoint);
        EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8) << iWaypoint;
    }
}

} // namespace
