// The script of Hollow island's jetty (scene 28): where each way in puts the
// heroine, Briscoe's one landing with her and his place by Sancha, Sancha
// until the bell is to be mended, the road and the gangway, chapter 7's
// glum Briscoe, Bajari's one arrival with the document and the notes that
// end the visit, and the map that becomes the turtle map.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int32_t JETTY = 28;
constexpr int32_t CORRIDOR = 6;
constexpr int32_t TOWN_SQUARE = 29;
constexpr int32_t WORLD_MAP = 57;
constexpr int32_t LOADING = 61;

using Object = NamedObject<SceneTableRows::s_aObjects_bg301_28>;

constexpr uint32_t BRISCOE_ACTOR = ActorIdOf("thomas_b");
constexpr uint32_t SANCHA_ACTOR = ActorIdOf("sancha");
constexpr uint32_t BAJARI_ACTOR = ActorIdOf("bajari");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t BRISCOE = ActorScriptableId(BRISCOE_ACTOR);
constexpr int32_t SANCHA = ActorScriptableId(SANCHA_ACTOR);
constexpr int32_t BAJARI = ActorScriptableId(BAJARI_ACTOR);

constexpr uint32_t BRISCOE_TAGS_ALONG = 0x2db378f2;
constexpr uint32_t FEELING_DOWN = 0x8fb7cc7b;
constexpr uint32_t TALK_BRISCOE = 0x9b62ad3e;
constexpr uint32_t BAJARI_ARRIVES = 0x826c3d26;
constexpr uint32_t TALK_BAJARI = 0x99e84d24;
constexpr uint32_t GANGWAY = 0xfb3378e9;
constexpr uint32_t BRISCOE_COMES_OVER = 0x23c6dd1c;

// Where the heroine stands: addressing Sancha, at the end of the jetty.
constexpr int32_t WP_BY_SANCHA = 0;
constexpr int32_t WP_JETTY_END = 3;

const char* const CHAPTER_SEVEN_LUGGAGE[] = {
    "ITEM_FLASK",          "ITEM_WEED_KILLER",    "ITEM_DESCRIPTION_FLOWERS", "ITEM_METAL_HOOK",
    "ITEM_PAINTED_PEBBLE", "ITEM_VOODOO_RECIPES", "ITEM_FLINT_STONE",         "ITEM_BLOODY_FEATHER",
};

class HollowIslandJettyTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = WORLD_MAP) { EnterInChapter(JETTY, iChapter, iFrom); }
    bool Present(int32_t iId) { return Visible(iId) && Open(iId); }
    // The attachments the character holds once the noted actions are done.
    std::multiset<int32_t> Held(int32_t iActor) const
    {
        std::multiset<int32_t> held;
        for (const ActionDesc& oAction : actionLog) {
            if (oAction.m_iTargetId != iActor)
                continue;
            if (oAction.m_iActionType == ID_ACTION_TYPE_ADD_ATTACHMENT)
                held.insert(oAction.m_oParameter[0]);
            if (oAction.m_iActionType == ID_ACTION_TYPE_REMOVE_ATTACHMENT && held.contains(oAction.m_oParameter[0]))
                held.erase(held.find(oAction.m_oParameter[0]));
        }
        return held;
    }
};

TEST_F(HollowIslandJettyTest, SheLandsAtTheEndOfTheJettyWalksInOffTheRoadOrStaysWhereSheWasPut)
{
    const std::set<int32_t> fromTheSea = {1, 58, LOADING, WORLD_MAP, CORRIDOR};
    const std::set<int32_t> fromTheIsland = {TOWN_SQUARE, 30, 31, 33, 34, 35, 36, 38};
    // Chapter 1 has nobody on the jetty and no dialog on the way in.
    for (int32_t iFrom = 0; iFrom <= 70; ++iFrom) {
        SCOPED_TRACE(iFrom);
        Enter(1, iFrom);
        const bool bSea = fromTheSea.contains(iFrom);
        const bool bIsland = fromTheIsland.contains(iFrom);
        EXPECT_EQ(PlacedAt(HEROINE), bSea ? WP_JETTY_END : bIsland ? 1 : WP_BY_SANCHA);
        EXPECT_EQ(Walks(HEROINE), bIsland ? std::vector<int32_t> {2} : std::vector<int32_t> {});
        // The road's blocker goes on after she has walked in.
        EXPECT_TRUE(Called("blocker 0 on"));
    }
}

TEST_F(HollowIslandJettyTest, BriscoeComesAshoreOnceAndWaitsUntilHeHasGoneUpToTheTown)
{
    Enter(4);
    EXPECT_EQ(Dialogs(), Ids({BRISCOE_TAGS_ALONG}));
    EXPECT_TRUE(Get(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG) && Get(VARBOOL_BG301_C04_BRISCOE_HERE));
    EXPECT_TRUE(Present(BRISCOE) && Present(SANCHA));
    EXPECT_FALSE(Visible(BAJARI));
    EXPECT_EQ(PlacedAt(BRISCOE), 5);

    Enter(4, TOWN_SQUARE);
    EXPECT_TRUE(Dialogs().empty());
    // Once Sancha has been talked to he stands beside her.
    Set(VARBOOL_BG301_C04_TALK_SANCHA);
    Enter(4, TOWN_SQUARE);
    EXPECT_EQ(PlacedAt(BRISCOE), 7);
    // He has followed her up to the town.
    Set(VARBOOL_BG302_C04_EVENT_FIRST_TIME);
    Enter(4, TOWN_SQUARE);
    EXPECT_FALSE(Visible(BRISCOE) || Open(BRISCOE));
    EXPECT_TRUE(Present(SANCHA));
    // Sancha leaves once the bell is to be mended.
    Set(VARBOOL_QUEST_C4_FIX_BELL);
    Enter(4, TOWN_SQUARE);
    EXPECT_FALSE(Visible(SANCHA) || Open(SANCHA));

    // Outside chapters 4 and 7 the jetty is empty.
    for (const int32_t iChapter : {1, 3, 5, 6, 8, 9, 10}) {
        g_VarManager = VarSet {};
        Enter(iChapter);
        EXPECT_TRUE(Dialogs().empty()) << iChapter;
        EXPECT_FALSE(Visible(BRISCOE) || Visible(SANCHA) || Visible(BAJARI)) << iChapter;
    }
}

TEST_F(HollowIslandJettyTest, OnceBriscoeHasComeOverToSanchaHeIsAddressedFromBesideHerInChapterFourOnly)
{
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG);
    Enter(4);
    for (const EventDesc& oEvent : {ScriptEvent_FlaggedId1(BRISCOE_ACTOR), ScriptEvent_FlaggedId2(BRISCOE_ACTOR)}) {
        Run(oEvent);
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_JETTY_END});
    }

    Run(ScriptEvent_FlaggedId2(SANCHA_ACTOR));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_BY_SANCHA});
    EXPECT_EQ(Dialogs(), Ids({0x6372adca}));
    Run(Callback(BRISCOE_COMES_OVER));
    EXPECT_EQ(Walks(BRISCOE), std::vector<int32_t> {7});
    EXPECT_TRUE(Get(VARBOOL_BG301_C04_EVENT_BRISCOE_COME));
    for (const EventDesc& oEvent : {ScriptEvent_FlaggedId1(BRISCOE_ACTOR), ScriptEvent_FlaggedId2(BRISCOE_ACTOR)}) {
        Run(oEvent);
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_BY_SANCHA});
    }

    Set(VARBOOL_BG301_C07_EVENT_FEELING_DOWN);
    Enter(7);
    Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_JETTY_END});
}

TEST_F(HollowIslandJettyTest, TheRoadOpensItsBlockerAndSheWalksOnUpItDuringTheFadeOut)
{
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG);
    Enter(4);
    Run(Click(Object("goto_hollow_map")));
    EXPECT_TRUE(Called("blocker 0 off"));
    EXPECT_EQ(NextScene(), TOWN_SQUARE);
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {11, 6}));
}

TEST_F(HollowIslandJettyTest, TheGangwayLeadsOnlyWhereTheAnswerSaid)
{
    ExpectTheShipGoesWhereTheAnswerSaid(
        GANGWAY, VARBOOL_BG301_GOTO_WORLD_MAP, VARBOOL_BG301_GOTO_ONBOARD,
        [&] {
            Enter(5);
            Run(Click(Object("goto_wm")));
        },
        // Declining leaves her at the gangway.
        [&](int32_t) { EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {10}); });
}

TEST_F(HollowIslandJettyTest, BriscoeIsDownOnceInChapterSevenAndBajariComesOnceWithTheDocument)
{
    Enter(7);
    EXPECT_EQ(Dialogs(), Ids({FEELING_DOWN}));
    EXPECT_TRUE(Get(VARBOOL_BG301_C07_EVENT_FEELING_DOWN));
    EXPECT_TRUE(Present(BRISCOE));
    EXPECT_FALSE(Visible(BAJARI) || Visible(SANCHA));
    Enter(7);
    EXPECT_TRUE(Dialogs().empty());

    // Telling Briscoe of Tanner's friend brings Bajari down the road.
    dialogEffects[TALK_BRISCOE] = [&] { Set(VARBOOL_BG301_C07_TALK_BRISCOE_ABOUT_TANNER_FRIEND); };
    dialogEffects[BAJARI_ARRIVES] = [&] { Set(VARBOOL_QUEST_C7_TANNERSFRIEND03_DONE); };
    Set(VARBOOL_QUEST_C7_TANNERSFRIEND03);
    Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_BRISCOE, BAJARI_ARRIVES, TALK_BAJARI}));
    EXPECT_EQ(Walks(BAJARI), std::vector<int32_t> {9});
    EXPECT_EQ(PlacedAt(BAJARI), 1);
    EXPECT_TRUE(Present(BAJARI));
    EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(BAJARI_ACTOR)));
    // Without the notes the visit goes on.
    EXPECT_EQ(NextScene(), 0);
    EXPECT_TRUE(Taken().empty());

    // He has come: the next talk is only the talk, and every later visit
    // finds him by the jetty.
    Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_BRISCOE}));
    EXPECT_TRUE(Walks(BAJARI).empty());
    Enter(7, 36);
    EXPECT_TRUE(Present(BAJARI));
    EXPECT_EQ(PlacedAt(BAJARI), 8);
}

TEST_F(HollowIslandJettyTest, WithTheNotesATalkWithBajariOrBriscoeEndsTheVisitAndTakesTheLuggage)
{
    std::vector<int32_t> luggage;
    for (const char* pItem : CHAPTER_SEVEN_LUGGAGE)
        luggage.push_back(Item(pItem));
    Set(VARBOOL_BG301_C07_EVENT_FEELING_DOWN);
    Set(VARBOOL_BG301_C07_TALK_BRISCOE_ABOUT_TANNER_FRIEND);
    Set(VARBOOL_QUEST_C7_TANNERSFRIEND03);

    Enter(7);
    Run(ScriptEvent_FlaggedId2(BAJARI_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_BAJARI}));
    EXPECT_EQ(NextScene(), 0);

    Set(VARBOOL_QUEST_C7_NOTES01);
    Enter(7);
    Run(ScriptEvent_FlaggedId2(BAJARI_ACTOR));
    EXPECT_EQ(NextScene(), LOADING);
    // Taken whether she holds them or not.
    EXPECT_EQ(Taken(), luggage);

    // Bajari's arrival with the notes already in hand ends it as well.
    Enter(7);
    Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
    EXPECT_EQ(NextScene(), LOADING);
    EXPECT_EQ(Taken(), luggage);
}

TEST_F(HollowIslandJettyTest, TheDocumentAndTheMapChangeHandsAndNothingIsLeftInAHand)
{
    Set(VARBOOL_BG301_C07_EVENT_FEELING_DOWN);
    Enter(7);
    Run(Callback(0x2df4c24b));
    EXPECT_EQ(Walks(BAJARI), (std::vector<int32_t> {9, 8}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, BAJARI), Ids({CoreCrc32Of("bajari_document")}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, HEROINE), Ids({CoreCrc32Of("tavrine_document")}));
    EXPECT_TRUE(Held(BAJARI).empty() && Held(HEROINE).empty());

    // Unrolled, pointed along and rolled up: the map goes back in the bag.
    std::vector<ActionDesc> all;
    for (const uint32_t uCallback : {0x354f5456u, 0xde5fe2c1u, 0x7fb1293au}) {
        Run(Callback(uCallback));
        all.insert(all.end(), actionLog.begin(), actionLog.end());
    }
    actionLog = all;
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, HEROINE),
              Ids({CoreCrc32Of("rolled_map"), CoreCrc32Of("unrolled_map"), CoreCrc32Of("rolled_map")}));
    EXPECT_TRUE(Held(HEROINE).empty());

    Run(Callback(0x50f3408f));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_MAP_B")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_TURTLE_MAP")});
}

TEST_F(HollowIslandJettyTest, AnItemUsedOnTheJettyOrTheShipIsABadInteraction)
{
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG);
    Enter(4);
    for (const int32_t iObject : {Object("jety"), Object("ship")}) {
        manager.Update(16);
        ASSERT_TRUE(manager.FireEvent(UseOn(iObject, "ITEM_MAP_B")));
        EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract) << iObject;
        RunWalk();
    }
}

} // namespace
