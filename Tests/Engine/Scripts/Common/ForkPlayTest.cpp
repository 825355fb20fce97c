// Chapter 1 at the fork as the game loads it: the kid's inputs played in
// story order on the real scene, with the gang's carts and Manuel's ground
// fenced off, each ending with the kid at the place its handler walks her
// to, up to the torch on the fire and its movie; and every hotspot of the
// fork picked at its centre on the screen, in chapter 1 and later.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneCharacter.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr SceneId FORK = 12;
constexpr SceneId ISLAND_MAP = 56;
constexpr int32_t MOVIE_CINE01 = 2;
constexpr fx32 FX = FX32_ONE;

class ForkPlayTest : public SampleSceneScriptTest {
protected:
    // The kid's distance on the floor from the waypoint, in whole units.
    int32_t KidDistanceTo(int32_t iWaypoint) const
    {
        const uint32_t kid = ActorIdOf("tavrine_kid");
        for (int32_t i = 0; i < m_scene->m_iNumCharacters; ++i)
            if (m_scene->m_aCharacterIds[i] == kid) {
                const CoreFxVec feet = m_scene->m_apCharacters[i]->GetFeetPosition();
                const CoreFxVec& place = m_scene->m_vLocators[iWaypoint].m_vPosition;
                return std::max(std::abs(feet.x - place.x), std::abs(feet.y - place.y)) / FX;
            }
        return INT32_MAX;
    }
    // Plays the input once the game is idle and runs frames until it is idle
    // again.
    void Play(const EventDesc& oEvent)
    {
        ASSERT_FALSE(m_manager.IsBusy());
        ASSERT_TRUE(m_manager.FireEvent(oEvent));
        for (int frame = 0; frame < 10 || (m_manager.IsBusy() && frame < 3000); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
    }
    int32_t Object(const char* pName) const { return SceneObjectId(FORK, pName); }
};

TEST_F(ForkPlayTest, TheKidPlaysTheForkThroughToTheTorch)
{
    g_VarManager.SetBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ISLAND_MAP);
    Enter(FORK, 1, ActorIdOf("tavrine_kid"));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG104_C01_EVENT_AMBUSH));
    // She has walked up to Arno.
    EXPECT_LE(KidDistanceTo(14), 8);

    const uint32_t manuel = ActorIdOf("manuel");
    struct Step {
        const char* pWhat;
        EventDesc oEvent;
        // Where the handler leaves her.
        int32_t iWaypoint;
    } const steps[] = {
        {"the flask", MakeEvent(TwEventType_Activate, Object("flask_of_water")), 20},
        {"the flask on Manuel", ScriptEvent_ItemOnFlaggedId3(manuel, ItemIdOf("ITEM_FLASK_OF_WATER")), 22},
        {"the stick", MakeEvent(TwEventType_Activate, Object("shepherds_stick")), 19},
        {"the wet cloth", ScriptEvent_ItemOnObject3(Object("rock"), ItemIdOf("ITEM_WET_CLOTH")), 21},
        {"the dry grass", MakeEvent(TwEventType_Activate, Object("dry_grass")), 18},
        {"the grass on the rock", ScriptEvent_ItemOnObject3(Object("rock"), ItemIdOf("ITEM_DRY_GRASS")), 21},
        {"the flask bottom", ScriptEvent_ItemOnObject3(Object("rock"), ItemIdOf("ITEM_BROKEN_FLASK_BOTTOM")), 21},
        {"the torch", ScriptEvent_ItemOnObject3(Object("burning_grass"), ItemIdOf("ITEM_TORCH")), 21},
    };
    for (const Step& step : steps) {
        Play(step.oEvent);
        EXPECT_LE(KidDistanceTo(step.iWaypoint), 8) << step.pWhat;
    }
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG104_C01_MANUEL_IS_AWAKE));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG104_C01_PICK_SHEPHERDS_STICK));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG104_C01_PICK_DRY_CLOTH));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG104_C01_MANUEL_NOT_HERE));
    EXPECT_NE(std::find(m_states.m_queue.begin(), m_states.m_queue.end(),
                        std::pair<int32_t, int32_t> {ScriptStateLink::STATE_MOVIE, MOVIE_CINE01}),
              m_states.m_queue.end());
}

TEST_F(ForkPlayTest, EveryHotspotIsPickedAtItsCentreWithTheGangThereAndOnTheAdultsCrossroads)
{
    g_VarManager.SetBool(VARBOOL_BG104_C01_EVENT_AMBUSH, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, ISLAND_MAP);
    Enter(FORK, 1, ActorIdOf("tavrine_kid"));
    EXPECT_EQ(ClickableObjects(*m_scene).size(), 10u);
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
    // The kid looks at the carts from where she can stand, clear of Arno.
    Play(MakeEvent(TwEventType_Activate, Object("cart")));
    EXPECT_LE(KidDistanceTo(16), 8);

    // With the grass burning on the rock, the fire is picked and not the rock.
    g_VarManager.SetBool(VARBOOL_BG104_C01_DRY_GRASS_HERE, 1);
    Play(ScriptEvent_ItemOnObject3(Object("rock"), ItemIdOf("ITEM_BROKEN_FLASK_BOTTOM")));
    ASSERT_TRUE(g_VarManager.GetBool(VARBOOL_BG104_C01_BURNING_GRASS_HERE));
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});

    Enter(FORK, 4, ActorIdOf("tavrine"));
    EXPECT_EQ(ClickableObjects(*m_scene).size(), 3u);
    EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
}

} // namespace
