// Alessandro's cabin's script (scene 7): the door in every chapter, the
// chapter-2 meeting, chapter 3's talks that open the door, the chapter-4 and
// chapter-5 visits, chapter 6's four visits in their order, the writing kit,
// and chapter 9's arrival, which plays once.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Inventory/Common/InventoryData.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t CABIN = 7;
constexpr int32_t CORRIDOR = 6;

using Object = NamedObject<SceneTableRows::s_aObjects_bg003_7>;

constexpr uint32_t HEROINE_ACTOR = ActorIdOf("tavrine");
constexpr uint32_t ALESSANDRO_ACTOR = ActorIdOf("alessandro_c");
constexpr uint32_t BRISCOE_ACTOR = ActorIdOf("thomas_b");
constexpr int32_t HEROINE = ActorScriptableId(HEROINE_ACTOR);
constexpr int32_t ALESSANDRO = ActorScriptableId(ALESSANDRO_ACTOR);
constexpr int32_t BRISCOE = ActorScriptableId(BRISCOE_ACTOR);
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));
constexpr int32_t UNCLE = ActorScriptableId(ActorIdOf("uncle_eduardo"));

// The four talks with Briscoe that open the door in chapter 3.
constexpr int32_t CHAPTER_3_TALKS[] = {
    VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_BUCKLEBERRY_TANNER, VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_HOLLOW_ISLAND,
    VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_NAVIGATION_LINE, VARBOOL_BG003_C03_TALK_BRISCOE_ABOUT_QUEST};

class AlessandrosCabinTest : public SceneScriptWithDialogsTest {
protected:
    // Enters the cabin in the chapter from the scene; the enter walk's
    // actions and the scene link's calls are then in actionLog and calls.
    void Enter(int32_t iChapter, int32_t iFrom = CORRIDOR) { EnterInChapter(CABIN, iChapter, iFrom); }
    std::string Select(uint32_t uActorId) const { return "select " + FakeSceneLink::Hex(uActorId); }
};

TEST_F(AlessandrosCabinTest, TheDoorLeadsOutInEveryChapterButWhileTheStoryHoldsHer)
{
    // The cut-scenes that would play on entering are over.
    for (const int32_t iFlag :
         {VARBOOL_BG003_C02_EVENT_FIRST_TIME, VARBOOL_BG003_C03_EVENT_GOOD_NEWS, VARBOOL_BG003_C05_EVENT_ALL_SECURE,
          VARBOOL_BG003_C06_EVENT_TWEAKED, VARBOOL_BG003_C09_ARRIVED})
        Set(iFlag);
    for (int32_t iChapter = 1; iChapter <= 10; ++iChapter) {
        SCOPED_TRACE(iChapter);
        Enter(iChapter);
        Run(Click(Object("goto_bg002")));
        ASSERT_FALSE(Walks(HEROINE).empty());
        EXPECT_EQ(Walks(HEROINE).front(), 32);
        const bool bHeld = iChapter == 3 || iChapter == 6;
        EXPECT_EQ(NextScene(), bHeld ? 0 : CORRIDOR);
        EXPECT_EQ(Called("blocker 0 off"), !bHeld);
        EXPECT_EQ(Dialogs(), bHeld ? Ids({0x7a565c39}) : iChapter == 2 ? Ids({0x26fd2169}) : Ids({}));
    }

    // Chapter 3: all four talks with Briscoe, not three of them.
    for (const int32_t iMissing : CHAPTER_3_TALKS) {
        for (const int32_t iTalk : CHAPTER_3_TALKS)
            Set(iTalk, iTalk != iMissing);
        Enter(3);
        Run(Click(Object("goto_bg002")));
        EXPECT_EQ(NextScene(), 0) << iMissing;
    }
    for (const int32_t iTalk : CHAPTER_3_TALKS)
        Set(iTalk);
    Enter(3);
    Run(Click(Object("goto_bg002")));
    EXPECT_EQ(NextScene(), CORRIDOR);

    // Chapter 6: once the sketch map's voyage is over.
    Set(VARBOOL_BG003_C06_EVENT_SKETCH_MAP);
    Enter(6);
    Run(Click(Object("goto_bg002")));
    EXPECT_EQ(Dialogs(), Ids({0x8d6a16e7}));
    EXPECT_EQ(NextScene(), CORRIDOR);
}

TEST_F(AlessandrosCabinTest, TheMeetingPlaysOnceAndHandsOverTheSword)
{
    Enter(2);
    EXPECT_EQ(Dialogs(), Ids({0xa0b2de12}));
    EXPECT_TRUE(Get(VARBOOL_BG003_C02_EVENT_FIRST_TIME));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {1});
    EXPECT_EQ(Walks(ALESSANDRO), (std::vector<int32_t> {5, 7}));
    EXPECT_TRUE(Visible(DIEGO) && Open(DIEGO));
    EXPECT_FALSE(Visible(BRISCOE) || Open(BRISCOE));

    // His sword, drawn and handed over.
    Run(Callback(0xb7cd2321));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, ALESSANDRO),
              Ids({AttachmentNamed("magnificient_sword_alessandro")}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE, ALESSANDRO), (std::vector<int32_t> {35, 18}));
    Run(Callback(0x2ec4729b));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_MAGNIFICENT_SWORD")});
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, HEROINE), Ids({AttachmentNamed("magnificient_sword_tavrine")}));

    // Back later: he waits at his place, Diego with him.
    Enter(2);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(PlacedAt(ALESSANDRO), 7);
    EXPECT_TRUE(Visible(DIEGO) && Open(DIEGO));
}

TEST_F(AlessandrosCabinTest, ChapterThreesGoodNewsPlaysOnceAndOneTalkWithBriscoeOpensTheDoor)
{
    dialogEffects[0x53c4dd61] = [&] {
        for (const int32_t iTalk : CHAPTER_3_TALKS)
            Set(iTalk);
    };
    Enter(3);
    EXPECT_EQ(Dialogs(), Ids({0xb13e3020}));
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {14});
    const auto diego = std::find(calls.begin(), calls.end(), Select(ActorIdOf("diego")));
    ASSERT_NE(diego, calls.end());
    EXPECT_NE(std::find(diego, calls.end(), Select(HEROINE_ACTOR)), calls.end());
    EXPECT_TRUE(Get(VARBOOL_BG003_C03_EVENT_GOOD_NEWS));
    EXPECT_FALSE(Visible(DIEGO));
    EXPECT_FALSE(Open(Object("chart")));

    // The good news brings Briscoe in with the gold, led by the player.
    Run(Callback(0x276d5e5f));
    EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE));
    EXPECT_TRUE(Visible(Object("m_bag_of_gold")));
    EXPECT_EQ(Walks(BRISCOE), std::vector<int32_t> {13});
    EXPECT_TRUE(Called(Select(BRISCOE_ACTOR)) && Called(Select(HEROINE_ACTOR)));

    // One talk: the map on the table, and out to the corridor.
    Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({0x53c4dd61, 0x01ed0223}));
    EXPECT_TRUE(Visible(Object("m_mapp")));
    EXPECT_EQ(NextScene(), CORRIDOR);

    // Back again: Briscoe has gone ahead, the good news stays told, and the
    // door lets her out.
    Enter(3);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Visible(BRISCOE) || Open(BRISCOE));
    Run(Click(Object("goto_bg002")));
    EXPECT_EQ(NextScene(), CORRIDOR);
}

TEST_F(AlessandrosCabinTest, ChapterFourLendsAndTakesBackFiveDoubloonsAndEndsWithBriscoesPanic)
{
    Enter(4);
    EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE));
    EXPECT_EQ(PlacedAt(BRISCOE), 16);
    EXPECT_FALSE(Open(Object("chart")));

    Run(Callback(0x642871e5));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DOUBLOON")});
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ITEM, HEROINE, 1), std::vector<int32_t> {5});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_PAY_DEBT));
    Run(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO_ACTOR, ItemIdOf("ITEM_DOUBLOON")));
    EXPECT_EQ(Dialogs(), Ids({0xfb93cb03}));
    Run(Callback(0xe494496a));
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ITEM, HEROINE, 1), std::vector<int32_t> {5});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_PAY_DEBT_DONE));

    // Once Briscoe tags along he is not here.
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG);
    Enter(4);
    EXPECT_FALSE(Visible(BRISCOE) || Open(BRISCOE));
    EXPECT_TRUE(Open(Object("chart")));

    Set(VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC);
    Enter(4);
    EXPECT_EQ(Dialogs(), Ids({0xe4f3ec27}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_TORN_REPORT")});
    EXPECT_EQ(NextScene(), 61);
    EXPECT_TRUE(Get(VARBOOL_BG003_C04_EVENT_ELIZABETH_IN_DANGER));
    Enter(4);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(AlessandrosCabinTest, ChapterFiveSendsHerToTheDocksOnceAndHerTalksWithHerFatherLeadOut)
{
    Enter(5);
    EXPECT_EQ(Dialogs(), Ids({0x01343023}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C5_SAVE_ELIZABETH01));
    EXPECT_EQ(NextScene(), 13);
    Enter(5);
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(PlacedAt(ALESSANDRO), 19);

    Run(ScriptEvent_FlaggedId2(ALESSANDRO_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({0xb4cb8f32}));
    EXPECT_EQ(NextScene(), 0);

    // Bonita talked over: straight to the corridor.
    Set(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA);
    Run(ScriptEvent_FlaggedId2(ALESSANDRO_ACTOR));
    EXPECT_TRUE(Walks(HEROINE).empty());
    EXPECT_EQ(NextScene(), CORRIDOR);

    // The old house: Diego goes first, she walks out of the door.
    Set(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA, false);
    Set(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_OLD_HOUSE);
    Enter(5);
    Run(ScriptEvent_FlaggedId2(ALESSANDRO_ACTOR));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ANIMATION, DIEGO),
              std::vector<int32_t> {AnimationOf<"diego">("reporting_leaving").m_iId});
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {10});
    EXPECT_TRUE(Called("blocker 0 off"));
    EXPECT_EQ(NextScene(), CORRIDOR);
}

TEST_F(AlessandrosCabinTest, ChapterSixsVisitsFollowOneAnotherAsTheStoryGoesOn)
{
    dialogEffects[0xd0a7eba9] = [&] { Set(VARBOOL_BG003_C06_USE_SKETCHMAP_ON_CHART); };
    const EventDesc sketchOnChart = ScriptEvent_ItemOnObject3(Object("chart"), ItemIdOf("ITEM_SKETCH_MAP"));
    const EventDesc sketchOnBriscoe = ScriptEvent_ItemOnFlaggedId3(BRISCOE_ACTOR, ItemIdOf("ITEM_SKETCH_MAP"));
    const EventDesc diegoOnFather = ScriptEvent_ItemOnFlaggedId3(ALESSANDRO_ACTOR, ItemIdOf("ITEM_DIEGO"));

    Enter(6);
    EXPECT_EQ(Dialogs(), Ids({0xf103d44a}));
    EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE));
    // Diego on his awake father: matched, and nothing happens.
    ExpectMatchedAndIdle(diegoOnFather);
    Run(sketchOnBriscoe);
    EXPECT_EQ(Dialogs(), Ids({0xed0cabc5}));
    Run(sketchOnChart);
    EXPECT_EQ(Dialogs(), Ids({0xd0a7eba9}));
    EXPECT_EQ(NextScene(), 57);

    // Back from the voyage: Briscoe leaves and the map has done its work.
    Enter(6);
    EXPECT_EQ(Dialogs(), Ids({0xd0a7eba9}));
    EXPECT_EQ(Walks(BRISCOE), std::vector<int32_t> {10});
    EXPECT_FALSE(Visible(BRISCOE) || Open(BRISCOE));
    EXPECT_TRUE(Get(VARBOOL_BG003_C06_EVENT_SKETCH_MAP));
    ExpectMatchedAndIdle(sketchOnChart);
    ExpectMatchedAndIdle(sketchOnBriscoe);

    // The fly on his door: he sleeps and it buzzes.
    Set(VARBOOL_BG002_C06_USE_TSETSEFLY_ON_ALESSANDROSDOOR);
    Enter(6);
    EXPECT_EQ(PlacedAt(ALESSANDRO), 20);
    EXPECT_TRUE(Visible(Object("fx_fly_burn")));

    // The alarm, and Diego carries him home.
    Set(VARBOOL_QUEST_C6_SLEEPY_FLY04_DONE);
    Enter(6);
    EXPECT_EQ(Dialogs(), Ids({0xecbc2984, 0x545caccc}));
    EXPECT_TRUE(Get(VARBOOL_BG003_C06_USE_DIEGO_ON_ALESSANDRO));
    EXPECT_EQ(NextScene(), 21);

    // While he sleeps here Diego is hers to use, and stays aboard when she
    // leaves; away from the first island he cannot carry him home.
    Enter(6);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_TRUE(Visible(DIEGO));
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 2);
    Run(diegoOnFather);
    EXPECT_EQ(Dialogs(), Ids({0x545caccc}));
    EXPECT_TRUE(Taken().empty());
    EXPECT_EQ(NextScene(), 0);
    Run(Click(Object("goto_bg002")));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_EQ(NextScene(), CORRIDOR);
    g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 0);
    Enter(6);
    Run(diegoOnFather);
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_EQ(NextScene(), 21);
}

TEST_F(AlessandrosCabinTest, TheEndOfChapterSixTakesEightItemsHeldOrNotAndLoadsTheNextOrTheDemosEnd)
{
    for (const int32_t iFlag :
         {VARBOOL_BG003_C06_EVENT_TWEAKED, VARBOOL_BG003_C06_EVENT_SKETCH_MAP,
          VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING, VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME})
        Set(iFlag);
    for (const bool bDemo : {false, true}) {
        Set(VARBOOL_BG994_DEMO, bDemo);
        Set(VARBOOL_BG003_C06_EVENT_END_CHAPTER6, false);
        Enter(6);
        EXPECT_EQ(Dialogs(), Ids({0x635a534a}));
        EXPECT_EQ(NextScene(), bDemo ? 63 : 61);
        EXPECT_TRUE(Given().empty());
    }
    std::vector<int32_t> eight;
    for (const char* pName : {"ITEM_SKETCH_MAP", "ITEM_FEATHER", "ITEM_STONE_CUP", "ITEM_SMALL_HAMMER", "ITEM_OIL_LAMP",
                              "ITEM_CROSSBOW", "ITEM_GUNPOWDER", "ITEM_FAUNA_FLORA_BOOK"})
        eight.push_back(Item(pName));
    EXPECT_EQ(Taken(), eight);

    // Played on an inventory that holds only the feather and something
    // else: the feather goes, the rest is said not to be there, nothing
    // else changes.
    InventoryData inventory;
    inventory.AddItem(ItemIdOf("ITEM_WHISTLE"), 1, INVENTORY_INVALID_SLOT);
    inventory.AddItem(ItemIdOf("ITEM_FEATHER"), 1, INVENTORY_INVALID_SLOT);
    TestSupport::LogCapture log;
    for (const int32_t iItem : Taken())
        inventory.RemoveItem(static_cast<uint32_t>(iItem), INVENTORY_INVALID_SLOT, 1);
    EXPECT_EQ(inventory.m_aCells[0], ItemIdOf("ITEM_WHISTLE"));
    EXPECT_TRUE(std::all_of(std::begin(inventory.m_aCells) + 1, std::end(inventory.m_aCells),
                            [](uint32_t uCell) { return uCell == 0; }));
    const std::string text = log.Take();
    EXPECT_EQ(text.find("ASSERT"), std::string::npos) << text;
    EXPECT_NE(text.find("item(ITEM_GUNPOWDER) not found"), std::string::npos) << text;

    // The chapter is over: the next visit is an ordinary one.
    Enter(6);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(AlessandrosCabinTest, TheWritingKitStaysWithHerUntilPedrosLetterAndThePenAndInkFollowIt)
{
    // Not from the corridor's door: she stands at her chapter-8 place.
    Enter(8, 0);
    EXPECT_TRUE(Get(VARBOOL_BG004_C08_EVENT_INTRO));
    EXPECT_TRUE(Visible(Object("i_paper")) && Visible(Object("i_ink_bottle")));
    EXPECT_EQ(PlacedAt(HEROINE), 18);

    const EventDesc kit = ScriptEvent_ItemOnFlaggedId3(ALESSANDRO_ACTOR, ItemIdOf("ITEM_WRITING_KIT"));
    Run(kit);
    EXPECT_EQ(Dialogs(), Ids({0xa55f5454}));
    EXPECT_TRUE(Taken().empty());
    EXPECT_FALSE(Get(VARBOOL_BG004_C08_GIVE_WRITING_KIT));

    // Pen and paper picked up: both gone from the desk.
    Set(VARBOOL_BG004_C08_PICK_PEN_AND_PAPER);
    Enter(8);
    EXPECT_FALSE(Visible(Object("i_paper")) || Visible(Object("i_ink_bottle")));

    Set(VARBOOL_QUEST_C8_PEDRO03_DONE);
    Run(kit);
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_WRITING_KIT")});
    EXPECT_TRUE(Get(VARBOOL_BG004_C08_GIVE_WRITING_KIT));
    // The ink bottle is back on his desk.
    Enter(8);
    EXPECT_FALSE(Visible(Object("i_paper")));
    EXPECT_TRUE(Visible(Object("i_ink_bottle")));
}

TEST_F(AlessandrosCabinTest, ChapterNinesArrivalPlaysOnceAndTheCabinIsThenUsable)
{
    dialogEffects[0x70e0623a] = [&] { Set(VARBOOL_BG003_C09_ARRIVED); };
    Enter(9);
    EXPECT_EQ(Dialogs(), Ids({0x3a2f4100, 0x70e0623a}));
    EXPECT_EQ(NextScene(), CORRIDOR);
    EXPECT_EQ(Walks(BRISCOE), std::vector<int32_t> {10});
    EXPECT_FALSE(Visible(BRISCOE) || Visible(UNCLE));

    Enter(9);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(PlacedAt(ALESSANDRO), 29);
    Run(Callback(0xb8f1c78f));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_WHISTLE")});
    EXPECT_TRUE(Get(VARBOOL_BG003_C09_INT_CABINS_DOOR));
}

TEST_F(AlessandrosCabinTest, AnItemWithoutAHandlerHereIsABadInteraction)
{
    Set(VARBOOL_BG003_C02_EVENT_FIRST_TIME);
    Enter(2);
    for (const EventDesc& oEvent : {ScriptEvent_ItemOnFlaggedId3(ALESSANDRO_ACTOR, ItemIdOf("ITEM_WHISTLE")),
                                    ScriptEvent_ItemOnFlaggedId3(ActorIdOf("diego"), ItemIdOf("ITEM_DOUBLOON")),
                                    ScriptEvent_ItemOnObject3(Object("chart"), ItemIdOf("ITEM_WRITING_KIT")),
                                    ScriptEvent_ItemOnObject3(Object("puppet"), ItemIdOf("ITEM_SKETCH_MAP"))}) {
        manager.Update(16);
        ASSERT_TRUE(manager.FireEvent(oEvent));
        EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
        RunWalk();
    }
}

} // namespace
