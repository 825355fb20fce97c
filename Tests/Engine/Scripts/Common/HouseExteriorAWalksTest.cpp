// The yard before the family house as the game loads it: up the path from
// the fork she stops inside the yard and reaches every place a handler walks
// her to; the path and the doorstep stay shut until the exit takes the path's
// blocker off; Diego reaches the door and the way out from where he waits.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId YARD = 20;
constexpr int32_t FORK = 12;
constexpr int32_t WP_PATH_OUTSIDE = 1;
constexpr int32_t WP_DOORWAY = 2;
constexpr int32_t WP_PATH_EDGE = 4;
constexpr int32_t WP_PATH_IN = 5;
constexpr int32_t WP_DIEGO_AT_THE_DOOR = 6;
constexpr int32_t WP_DIEGO_WAITS = 7;
constexpr int32_t WP_PATH = 11;

using Object = NamedObject<SceneTableRows::s_aObjects_bg112_20>;

class HouseExteriorAWalksTest : public SampleSceneWalkTest {
protected:
    void ComeUpThePath()
    {
        Set(VARBOOL_BG112_C05_EVENT_MEMORIES);
        Set(VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, FORK);
        Enter(YARD, 5, m_uHeroine);
    }
    const uint32_t m_uDiego = Id::GetActorId("diego");
};

TEST_F(HouseExteriorAWalksTest, SheComesUpThePathAndReachesEveryPlaceHerScriptWalksHerTo)
{
    ComeUpThePath();
    // Beyond the path's blocker: only on the way out.
    ExpectHeroineReachesHerWalks(WP_PATH_IN, WP_PATH_IN, 6, {WP_PATH_OUTSIDE});
}

TEST_F(HouseExteriorAWalksTest, ThePathAndTheDoorstepAreShutToHerAndTheExitTakesHerOut)
{
    ComeUpThePath();
    ExpectShutUntilTheExit(WP_PATH_IN, {WP_PATH_OUTSIDE, WP_PATH_EDGE, WP_DOORWAY}, 20, Object("goto_bg104"), WP_PATH);
}

TEST_F(HouseExteriorAWalksTest, DiegoReachesTheDoorAndTheWayOutFromWhereHeWaits)
{
    ComeUpThePath();
    EXPECT_LE(DistanceTo(m_uDiego, WP_DIEGO_WAITS), 2);
    ExpectReaches(m_uDiego, WP_DIEGO_WAITS, WP_DIEGO_AT_THE_DOOR);
    ExpectReaches(m_uDiego, WP_DIEGO_AT_THE_DOOR, WP_PATH);
}

} // namespace
