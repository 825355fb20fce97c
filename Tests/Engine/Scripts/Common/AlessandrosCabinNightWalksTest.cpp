// The night cabin as the game loads it: in every chapter that places people,
// with the doorway blocked and the chapter's people standing where the script
// puts them, the heroine reaches every place her script walks her to; after
// the uncle's return she can still move from the doorway.
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

constexpr SceneId NIGHT_CABIN = 8;
constexpr SceneId CORRIDOR = 6;
// A place in the middle of the cabin.
constexpr int32_t MIDDLE = 18;
constexpr int32_t INSIDE_THE_DOOR = 5;

using AlessandrosCabinNightWalksTest = SampleSceneWalkTest;

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
        // Each from the middle of the cabin, where a click on anything may
        // find her; the way out (4) lies beyond the doorway's blocker.
        ExpectHeroineReachesHerWalks(6, MIDDLE, 12, {4});
    }
}

TEST_F(AlessandrosCabinNightWalksTest, AfterTheUnclesReturnSheWalksFromTheDoorwayAndItsBlockerHoldsTheWayOut)
{
    g_VarManager.SetBool(VARBOOL_BG004_C08_EVENT_INTRO, 1);
    g_VarManager.SetBool(VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO, 1);
    Enter(NIGHT_CABIN, 8, m_uHeroine);
    EXPECT_EQ(g_VarManager.GetBool(VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO), 1);
    EXPECT_LE(DistanceTo(m_uHeroine, INSIDE_THE_DOOR), 5);
    WalkTo(m_uHeroine, MIDDLE);
    EXPECT_LE(DistanceTo(m_uHeroine, MIDDLE), 8);
    // The way out stays shut while the blocker is on.
    WalkTo(m_uHeroine, 4);
    EXPECT_GT(DistanceTo(m_uHeroine, 4), 20);
}

} // namespace
