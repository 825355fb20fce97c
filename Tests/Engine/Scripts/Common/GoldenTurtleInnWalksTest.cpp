// The golden turtle inn as the game loads it: in from the street she reaches
// every place a handler walks her to, the doorway stays shut until the door
// takes its blocker off, and in chapter 8 Diego comes in behind her to his
// place.
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

constexpr SceneId INN = 27;
constexpr int32_t DRAKES_OFFICE = 25;
constexpr int32_t WP_DOOR = 1;
constexpr int32_t WP_DIEGO = 3;
constexpr int32_t WP_WAY_OUT = 10;

using Object = NamedObject<SceneTableRows::s_aObjects_bg206_27>;

class GoldenTurtleInnWalksTest : public SampleSceneWalkTest {
protected:
    void ComeIn(int32_t iChapter)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DRAKES_OFFICE);
        Enter(INN, iChapter, m_uHeroine);
    }
};

TEST_F(GoldenTurtleInnWalksTest, SheComesInAndReachesEveryPlaceHerScriptWalksHerTo)
{
    ComeIn(3);
    // Through the doorway: only on the way out.
    ExpectHeroineReachesHerWalks(WP_DIEGO, WP_DIEGO, 4, {WP_WAY_OUT});
}

TEST_F(GoldenTurtleInnWalksTest, TheDoorwayIsShutToHerUntilTheDoorTakesHerOut)
{
    ComeIn(3);
    ExpectShutUntilTheExit(WP_DIEGO, {WP_WAY_OUT}, 8, Object("goto_bg204"), WP_WAY_OUT);
}

TEST_F(GoldenTurtleInnWalksTest, DiegoComesInBehindHerToHisPlace)
{
    ComeIn(8);
    const uint32_t uDiego = Id::GetActorId("diego");
    EXPECT_LE(DistanceTo(uDiego, WP_DIEGO), 8);
    ExpectReaches(uDiego, WP_DOOR, WP_DIEGO);
}

} // namespace
