// The burial chamber as the game loads it: down the stairs from the monument
// she stops inside and reaches every place a handler walks her to; the stairs
// stay shut until the exit takes their blocker off; the men come down from the
// foot of the stairs to their places; the exit takes her up the stairs.
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

constexpr SceneId CHAMBER = 42;
constexpr int32_t MONUMENT = 41;
constexpr int32_t WP_STAIRS_FOOT = 1;
constexpr int32_t WP_ON_THE_STAIRS = 2;
constexpr int32_t WP_THOMAS = 3;
constexpr int32_t WP_BUCK = 4;
constexpr int32_t WP_INSIDE = 7;
constexpr int32_t WP_WAY_OUT = 12;

using Object = NamedObject<SceneTableRows::s_aObjects_bg404_42>;

class BurialChamberWalksTest : public SampleSceneWalkTest {
protected:
    void ComeDown()
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, MONUMENT);
        Enter(CHAMBER, 6, m_uHeroine);
    }
};

TEST_F(BurialChamberWalksTest, SheComesDownAndReachesEveryPlaceHerScriptWalksHerTo)
{
    ComeDown();
    // Up the stairs: only on the way out.
    ExpectHeroineReachesHerWalks(WP_INSIDE, WP_INSIDE, 8, {WP_WAY_OUT});
}

TEST_F(BurialChamberWalksTest, TheStairsAreShutToHerUntilTheExitTakesHerUp)
{
    ComeDown();
    ExpectShutUntilTheExit(WP_INSIDE, {WP_ON_THE_STAIRS}, 20, Object("goto_bg403"), WP_WAY_OUT);
}

TEST_F(BurialChamberWalksTest, BriscoeAndBuckComeFromTheFootOfTheStairsToTheirPlaces)
{
    ComeDown();
    for (const char* man : {"thomas_b", "buck"}) {
        const uint32_t uMan = Id::GetActorId(man);
        ExpectReaches(uMan, WP_STAIRS_FOOT, uMan == Id::GetActorId("buck") ? WP_BUCK : WP_THOMAS);
    }
}

} // namespace
