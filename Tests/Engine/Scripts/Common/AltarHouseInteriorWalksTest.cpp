// The altar house's inside as the game loads it: freed, she reaches every
// place a handler walks her to; Hilary comes in from the doorway to face the
// captives.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr SceneId ALTAR_HOUSE = 46;
constexpr int32_t WP_BEFORE_THE_CAPTIVES = 4;
constexpr int32_t WP_DOORWAY = 5;
constexpr int32_t WP_FREED = 15;

class AltarHouseInteriorWalksTest : public SampleSceneWalkTest {
protected:
    // Held after the islanders' visits, or freed by Eduardo.
    void EnterAfterTheVisits(bool bFree)
    {
        for (const int32_t iVar :
             {VARBOOL_QUEST_C9_ESCAPE, VARBOOL_BG505_C09_INT_AMBER_TURTLE, VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP,
              VARBOOL_BG505_C09_TALK_SHAMAN, VARBOOL_BG505_C09_TALK_HILARY, VARBOOL_BG505_C09_NOT_SO_GOOD})
            Set(iVar);
        if (bFree)
            Set(VARBOOL_BG505_C09_TAVRINE_FREE);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ALTAR_HOUSE);
        Enter(ALTAR_HOUSE, 9, bFree ? m_uHeroine : Id::GetActorId("boat_windsome_maid"));
    }
};

TEST_F(AltarHouseInteriorWalksTest, FreedSheReachesEveryPlaceHerScriptWalksHerTo)
{
    EnterAfterTheVisits(true);
    ExpectHeroineReachesHerWalks(WP_FREED, WP_FREED, 13);
}

TEST_F(AltarHouseInteriorWalksTest, HilaryComesInFromTheDoorwayToFaceTheCaptives)
{
    for (const int32_t iVar : {VARBOOL_QUEST_C9_ESCAPE, VARBOOL_BG505_C09_INT_AMBER_TURTLE,
                               VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP, VARBOOL_BG505_C09_TALK_SHAMAN})
        Set(iVar);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ALTAR_HOUSE);
    Enter(ALTAR_HOUSE, 9, Id::GetActorId("boat_windsome_maid"));
    ExpectReaches(Id::GetActorId("hilary"), WP_DOORWAY, WP_BEFORE_THE_CAPTIVES);
}

} // namespace
