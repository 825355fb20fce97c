// The altar house outside as the game loads it: in from the ruins she reaches
// every place a handler walks her to; the foot of the stairs and the path to
// the beach stay shut to her until their exits take the blockers off, and
// then take her there.
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

constexpr SceneId ALTAR_HOUSE_EXTERIOR = 45;
constexpr int32_t RUINS = 44;
constexpr int32_t WP_FROM_THE_RUINS = 1;
constexpr int32_t WP_OUT_OF_THE_RUINS = 2;
constexpr int32_t WP_FROM_THE_BEACH = 3;
constexpr int32_t WP_BEFORE_THE_STAIRS = 24;
constexpr int32_t WP_UP_THE_STAIRS = 36;

using Object = NamedObject<SceneTableRows::s_aObjects_bg504_45>;

class AltarHouseExteriorWalksTest : public SampleSceneWalkTest {
protected:
    void InFromTheRuins(int32_t iChapter)
    {
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, RUINS);
        Enter(ALTAR_HOUSE_EXTERIOR, iChapter, m_uHeroine);
    }
};

TEST_F(AltarHouseExteriorWalksTest, InFromTheRuinsSheReachesEveryPlaceHerScriptWalksHerTo)
{
    InFromTheRuins(9);
    // Behind a blocker, or walked to only on the way out.
    ExpectHeroineReachesHerWalks(WP_OUT_OF_THE_RUINS, WP_OUT_OF_THE_RUINS, 12,
                                 {WP_FROM_THE_RUINS, WP_FROM_THE_BEACH, WP_BEFORE_THE_STAIRS, WP_UP_THE_STAIRS});
}

TEST_F(AltarHouseExteriorWalksTest, TheStairsAreShutToHerUntilTheirExitTakesHerUp)
{
    Set(VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT);
    Set(VARBOOL_BG504_C10_INT_SHAMANS_HUT);
    Set(VARBOOL_BG504_C10_SHAMAN_AND_HILARY);
    InFromTheRuins(10);
    ExpectShutUntilTheExit(WP_OUT_OF_THE_RUINS, {WP_UP_THE_STAIRS}, 20, Object("goto_bg511"), WP_UP_THE_STAIRS);
}

TEST_F(AltarHouseExteriorWalksTest, ThePathToTheBeachIsShutToHerUntilItsExitTakesHerThere)
{
    Set(VARBOOL_BG504_C09_INT_PATH_1);
    InFromTheRuins(9);
    ExpectShutUntilTheExit(WP_OUT_OF_THE_RUINS, {WP_FROM_THE_BEACH}, 20, Object("goto_bg506"), WP_FROM_THE_BEACH);
}

} // namespace
