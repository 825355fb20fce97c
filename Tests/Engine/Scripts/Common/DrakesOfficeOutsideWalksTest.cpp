// The street before Drake's office as the game loads it: the heroine reaches
// every place of the street and of the canopy that her script walks her to,
// but never the one from the other; the map's and the inn's ways open only
// for their exits; the priest gets from his window down to his door, Diego and
// the guards to their places; and every hotspot is picked at its centre with
// the people where the script puts them.
#include "Common/ActorIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneWalkTest.h"
#include "Scene/Common/Scene.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr SceneId OFFICE_OUTSIDE = 25;
constexpr int32_t DOCKS = 22;
constexpr int32_t WP_START = 0;
constexpr int32_t WP_ON_THE_CANOPY = 1;
constexpr int32_t WP_TO_THE_INN = 2;
constexpr int32_t WP_IN_FROM_THE_ROAD = 7;
constexpr int32_t WP_TO_THE_MAP = 33;
const std::set<int32_t> ON_THE_CANOPY = {1, 11, 14, 16, 31};

using Object = NamedObject<SceneTableRows::s_aObjects_bg204_25>;

class DrakesOfficeOutsideWalksTest : public SampleSceneWalkTest {
protected:
    void Enter() { SampleSceneWalkTest::Enter(OFFICE_OUTSIDE, 8, m_uHeroine); }
    const uint32_t m_uPriest = Id::GetActorId("father_jerome");
    const uint32_t m_uDiego = Id::GetActorId("diego");
    const uint32_t m_uDinsdale = Id::GetActorId("dinsdale");
    const uint32_t m_uMitchell = Id::GetActorId("mitchell");
};

TEST_F(DrakesOfficeOutsideWalksTest, SheReachesEveryPlaceOfTheStreetAndOfTheCanopyButNeverTheOneFromTheOther)
{
    // The guards lie knocked out: standing, they turn her back from the door.
    g_VarManager.SetBool(VARBOOL_QUEST_C8_GUARDS_DONE, 1);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, DOCKS);
    Enter();
    EXPECT_LE(DistanceTo(m_uHeroine, 7), 8);
    const std::set<int32_t> waypoints = HeroineWalks();
    EXPECT_GE(waypoints.size(), 20u);
    for (const int32_t iWaypoint : waypoints)
        if (!ON_THE_CANOPY.contains(iWaypoint) && iWaypoint != WP_TO_THE_INN && iWaypoint != WP_TO_THE_MAP)
            ExpectReaches(m_uHeroine, WP_START, iWaypoint);
    // From the street no way leads up: the priest's stair is barred to her.
    WalkTo(m_uHeroine, WP_START);
    WalkTo(m_uHeroine, WP_ON_THE_CANOPY);
    EXPECT_EQ(FeetOf(m_uHeroine).z, 0);

    g_VarManager.SetBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 1);
    Enter();
    EXPECT_LE(DistanceTo(m_uHeroine, WP_ON_THE_CANOPY), 2);
    for (const int32_t iWaypoint : ON_THE_CANOPY)
        ExpectReaches(m_uHeroine, WP_ON_THE_CANOPY, iWaypoint);
    WalkTo(m_uHeroine, WP_START);
    EXPECT_GT(FeetOf(m_uHeroine).z, 0);
}

TEST_F(DrakesOfficeOutsideWalksTest, TheWaysToTheMapAndToTheInnOpenOnlyForTheirExits)
{
    g_VarManager.SetBool(VARBOOL_QUEST_C8_TURTLE_INN03, 1);
    g_VarManager.SetBool(VARBOOL_BG204_C08_TALK_DIEGO_ABOUT_GOLDEN_TURTLE, 1);
    for (const auto& [iWaypoint, iExit] :
         {std::pair {WP_TO_THE_MAP, Object("goto_cr_map")}, std::pair {WP_TO_THE_INN, Object("goto_bg206")}}) {
        SCOPED_TRACE(iExit);
        Enter();
        WalkTo(m_uHeroine, iWaypoint);
        EXPECT_GT(DistanceTo(m_uHeroine, iWaypoint), 8);
        WalkTo(m_uHeroine, WP_START);
        // The exit lifts the blocker; on the way to the inn her walk runs on
        // into the fade-out.
        Fire(MatchExpr::MakeEvent0(iExit).m_oEvent);
        if (iWaypoint == WP_TO_THE_MAP) {
            // The map opens over her and she is a step in again, the way shut:
            // closing the map leaves her whole on the screen.
            EXPECT_LE(DistanceTo(m_uHeroine, WP_IN_FROM_THE_ROAD), 8);
            WalkTo(m_uHeroine, iWaypoint);
            EXPECT_GT(DistanceTo(m_uHeroine, iWaypoint), 8);
            continue;
        }
        WalkTo(m_uHeroine, iWaypoint);
        EXPECT_LE(DistanceTo(m_uHeroine, iWaypoint), 8);
    }
}

TEST_F(DrakesOfficeOutsideWalksTest, ThePriestComesDownFromHisWindowAndDiegoAndTheGuardsGetToTheirPlaces)
{
    g_VarManager.SetBool(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES, 1);
    Enter();
    for (const int32_t iWaypoint : {17, 19, 3})
        ExpectReaches(m_uPriest, 18, iWaypoint);
    for (const int32_t iWaypoint : {21, 12, 15, 2})
        ExpectReaches(m_uDiego, 8, iWaypoint);
    for (const int32_t iWaypoint : {5, 2})
        ExpectReaches(m_uDinsdale, 23, iWaypoint);
    ExpectReaches(m_uMitchell, 6, 34);
}

TEST_F(DrakesOfficeOutsideWalksTest, EveryHotspotIsPickedAtItsCentreWithThePeopleWhereTheScriptPutsThem)
{
    struct Story {
        const char* pWhen;
        std::vector<int32_t> flags;
    };
    const Story stories[] = {
        {"the guards at the door", {}},
        {"on the canopy", {VARBOOL_BG204_C08_TAVRINE_ON_CANOPY}},
        {"the guards knocked out, Diego along", {VARBOOL_QUEST_C8_GUARDS_DONE, VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES}},
        {"the priest at his door", {VARBOOL_QUEST_C8_GUARDS_DONE, VARBOOL_QUEST_C8_PRIEST_DONE}},
        {"the guards standing again",
         {VARBOOL_QUEST_C8_GUARDS_DONE, VARBOOL_QUEST_C8_CONSIGNMENT01, VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES}},
    };
    for (const Story& story : stories) {
        SCOPED_TRACE(story.pWhen);
        g_VarManager = VarSet {};
        for (const int32_t iFlag : story.flags)
            g_VarManager.SetBool(iFlag, 1);
        Enter();
        EXPECT_GE(ClickableObjects(*m_scene).size(), 4u);
        EXPECT_EQ(CoveredHotspots(*m_scene), std::vector<std::string> {});
    }
}

} // namespace
