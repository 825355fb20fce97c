// The script of the turtle beach on Turtle island (scene 47): chapter 9
// played from the first sight of the egg harvesters through the mask, the
// scare, Bobby's egg, Tanama brought round and the maps to Uncle Eduardo
// leading them off; the places she arrives at; the handlers that match and
// do nothing; and chapter 10's empty beach and confrontation.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int32_t TURTLE_BEACH = 47;
constexpr int32_t ALTAR_HOUSE = 45;
constexpr int32_t TURTLE_PATH = 48;
constexpr int32_t LOADING = 61;
constexpr int32_t MOVIE_CINE09 = 8;
constexpr int32_t MOVIE_STRIP08 = 15;
constexpr int32_t BACK_FROM_STRIP08 = 512 + MOVIE_STRIP08;

using Object = NamedObject<SceneTableRows::s_aObjects_bg506_47>;

constexpr uint32_t TANAMA_ACTOR = ActorIdOf("tanama");
constexpr uint32_t BOBBY_ACTOR = ActorIdOf("bobby");
constexpr int32_t TANAMA = ActorScriptableId(TANAMA_ACTOR);
constexpr int32_t BOBBY = ActorScriptableId(BOBBY_ACTOR);
constexpr int32_t HARVESTER = ActorScriptableId(ActorIdOf("villager2"));
constexpr int32_t HILARY = ActorScriptableId(ActorIdOf("hilary"));
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));

constexpr uint32_t EGG_STEALERS = 0x5ff8e582;
constexpr uint32_t HARVEST_GOES_ON = 0xaed641a5;
constexpr uint32_t MASK_ON = 0x69a9c042;
constexpr uint32_t SCARED_OFF = 0xaff00880;
constexpr uint32_t BOBBY_AFTER = 0x301fe095;
constexpr uint32_t TALK_TANAMA = 0x5f0d6ff3;
constexpr uint32_t COMPLETE_MAP = 0x19d397cb;
constexpr uint32_t WHISTLE = 0xd8219648;
constexpr uint32_t CONFRONTATION = 0x0d5009e4;

constexpr int32_t WP_FROM_THE_ALTAR_HOUSE = 1;
constexpr int32_t WP_LOOKOUT = 2;
constexpr int32_t WP_INTO_THE_JUNGLE = 10;
constexpr int32_t WP_FROM_THE_TURTLE_PATH = 12;
constexpr int32_t WP_OFF_THE_TURTLE_PATH = 13;
constexpr int32_t WP_BEHIND_THE_ROCKS = 22;

class TurtleBeachTest : public SceneScriptWithDialogsTest {
protected:
    TurtleBeachTest()
    {
        // What the sample dialogs set where the story makes it true.
        dialogEffects[TALK_TANAMA] = [this] {
            Set(VARBOOL_BG506_C09_TALK_TANAMA);
            Set(VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS, false);
        };
        dialogEffects[MASK_ON] = [this] { Set(VARBOOL_BG506_C09_USE_TURTLE_MASK); };
        dialogEffects[BOBBY_AFTER] = [this] { Set(VARBOOL_BG506_C09_TALK_BOBBY_ABOUT_HELP); };
        dialogEffects[WHISTLE] = [this] {
            if (Get(VARBOOL_QUEST_C9_PURE))
                Set(VARBOOL_QUEST_C9_PURE_DONE);
        };
    }
    void Enter(int32_t iChapter, int32_t iFrom = ALTAR_HOUSE) { EnterInChapter(TURTLE_BEACH, iChapter, iFrom); }
    EventDesc Mask(int32_t iOn) const
    {
        return iOn == BOBBY ? ScriptEvent_ItemOnFlaggedId3(BOBBY_ACTOR, ItemIdOf("ITEM_TURTLE_MASK"))
                            : UseOn(Object("harvester_group"), "ITEM_TURTLE_MASK");
    }
    EventDesc OnTanama(const char* pItem) const { return ScriptEvent_ItemOnFlaggedId3(TANAMA_ACTOR, ItemIdOf(pItem)); }
    static EventDesc Whistle()
    {
        return MatchExpr::MakeEvent6(ItemIdOf("ITEM_WHISTLE"), ItemIdOf("ITEM_EDUARDO")).m_oEvent;
    }
};

TEST_F(TurtleBeachTest, ChapterNinePlaysFromTheHarvestThroughTheMaskTanamaAndTheMapsToEduardosLead)
{
    Enter(9);
    EXPECT_EQ(Dialogs(), Ids({EGG_STEALERS, HARVEST_GOES_ON}));
    EXPECT_TRUE(Get(VARBOOL_TU_MAP_BG506) && Get(VARBOOL_BG506_C09_EVENT_EGG_STEALERS) &&
                Get(VARBOOL_QUEST_C9_HARVESTING));
    EXPECT_TRUE(Open(Object("harvester_group")) && Open(Object("go_beach")) && Open(BOBBY));
    EXPECT_FALSE(Open(Object("sea")) || Open(Object("hilarys_ship")) || Open(Object("goto_bg508")) || Open(TANAMA));
    EXPECT_TRUE(Visible(HARVESTER) && Visible(BOBBY));

    // The mask: its dialog, the strip, and the beach now asks for the scare.
    Run(Mask(BOBBY));
    EXPECT_EQ(Dialogs(), Ids({MASK_ON}));
    EXPECT_EQ(QueuedMovie(), MOVIE_STRIP08);
    EXPECT_TRUE(Get(VARBOOL_BG506_C09_USE_TURTLE_MASK));

    Enter(9, BACK_FROM_STRIP08);
    EXPECT_EQ(Dialogs(), Ids({SCARED_OFF}));
    EXPECT_EQ(Walks(HARVESTER), std::vector<int32_t> {WP_INTO_THE_JUNGLE});
    EXPECT_FALSE(Visible(HARVESTER));
    for (const int32_t iFlag :
         {VARBOOL_QUEST_C9_HARVESTING_DONE, VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS, VARBOOL_QUEST_C2_BOBBY01_DONE,
          VARBOOL_QUEST_C4_BOBBY02_DONE, VARBOOL_QUEST_C5_BOBBY03_DONE})
        EXPECT_TRUE(Get(iFlag)) << iFlag;
    EXPECT_TRUE(Open(TANAMA) && Open(Object("sea")) && Open(Object("hilarys_ship")));
    EXPECT_FALSE(Open(Object("harvester_group")) || Open(Object("go_beach")));

    // Bobby gives her the bird's egg and goes for help for good.
    Run(ScriptEvent_FlaggedId2(BOBBY_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({BOBBY_AFTER}));
    EXPECT_EQ(Walks(BOBBY), std::vector<int32_t> {WP_INTO_THE_JUNGLE});
    EXPECT_FALSE(Visible(BOBBY) || Open(BOBBY));
    Run(Callback(0xa7dd4cb5));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BIRD_EGG")});

    Run(ScriptEvent_FlaggedId2(TANAMA_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_TANAMA}));
    Run(OnTanama("ITEM_COMPLETE_MAP"));
    EXPECT_EQ(Dialogs(), Ids({COMPLETE_MAP}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_PURE));

    Run(Whistle());
    EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
    EXPECT_EQ(NextScene(), LOADING);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_PURE_DONE));
    EXPECT_FALSE(Get(VARBOOL_BG506_C09_EDUARDO_HERE));
}

TEST_F(TurtleBeachTest, TheScarePlaysOnceAndLaterVisitsFindTanamaUpAndBobbyGone)
{
    Set(VARBOOL_BG506_C09_EVENT_EGG_STEALERS);
    Enter(9);
    Run(Mask(Object("harvester_group")));
    EXPECT_EQ(Dialogs(), Ids({MASK_ON}));
    EXPECT_EQ(QueuedMovie(), MOVIE_STRIP08);

    Enter(9, BACK_FROM_STRIP08);
    EXPECT_EQ(Dialogs(), Ids({SCARED_OFF}));
    // Once worn, the mask matches and does nothing on either.
    for (const int32_t iOn : {BOBBY, int32_t(Object("harvester_group"))})
        ExpectMatchedAndIdle(Mask(iOn));
    Enter(9, ALTAR_HOUSE);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(PlacedAt(TANAMA), 4);

    Set(VARBOOL_BG506_C09_TALK_TANAMA);
    Set(VARBOOL_BG506_C09_TALK_BOBBY_ABOUT_HELP);
    Enter(9, ALTAR_HOUSE);
    EXPECT_EQ(PlacedAt(TANAMA), 21);
    EXPECT_FALSE(Visible(BOBBY) || Open(BOBBY));
}

TEST_F(TurtleBeachTest, SheArrivesWhereSheCameFromAndStaysAtTheLookoutBackFromAMovie)
{
    Set(VARBOOL_BG506_C09_EVENT_EGG_STEALERS);
    Enter(9);
    EXPECT_EQ(Places(heroine), (std::vector<int32_t> {WP_LOOKOUT, WP_FROM_THE_ALTAR_HOUSE}));
    EXPECT_EQ(Walks(heroine), std::vector<int32_t> {WP_LOOKOUT});

    Set(VARBOOL_BG506_C09_USE_TURTLE_MASK);
    Set(VARBOOL_QUEST_C9_HARVESTING_DONE);
    for (const int32_t iFrom : {43, 44, ALTAR_HOUSE}) {
        Enter(9, iFrom);
        EXPECT_EQ(Walks(heroine), std::vector<int32_t> {WP_BEHIND_THE_ROCKS}) << iFrom;
    }
    Enter(10, TURTLE_PATH);
    EXPECT_EQ(PlacedAt(heroine), WP_FROM_THE_TURTLE_PATH);
    EXPECT_EQ(Walks(heroine), std::vector<int32_t> {WP_OFF_THE_TURTLE_PATH});
    Enter(9, BACK_FROM_STRIP08);
    EXPECT_EQ(PlacedAt(heroine), WP_LOOKOUT);
    EXPECT_TRUE(Walks(heroine).empty());
}

TEST_F(TurtleBeachTest, UnreadyMapsTheWhistleAndTheTurtlePathMatchAndDoNothingWhileOtherItemsAreBadInteractions)
{
    Set(VARBOOL_BG506_C09_EVENT_EGG_STEALERS);
    Set(VARBOOL_BG506_C09_USE_TURTLE_MASK);
    Enter(9, BACK_FROM_STRIP08);
    EXPECT_TRUE(Get(VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS));
    ExpectMatchedAndIdle(OnTanama("ITEM_TURTLE_MAP"));
    ExpectMatchedAndIdle(OnTanama("ITEM_COMPLETE_MAP"));
    EXPECT_FALSE(Open(Object("goto_bg508")));
    ExpectMatchedAndIdle(MakeEvent(TwEventType_Activate, Object("goto_bg508")));

    // Before the pure quest the whistle only has her say so.
    Run(Whistle());
    EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
    EXPECT_EQ(NextScene(), 0);

    for (const EventDesc& oEvent : {OnTanama("ITEM_WHISTLE"), UseOn(Object("sea"), "ITEM_TURTLE_MAP")}) {
        manager.Update(16);
        ASSERT_TRUE(manager.FireEvent(oEvent));
        EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
        RunWalk();
    }
}

TEST_F(TurtleBeachTest, ChapterTenIsEmptyUntilTheChestThenHilaryIsFacedAndTheMovieLeadsOn)
{
    Enter(10, TURTLE_PATH);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Visible(HILARY) || Visible(DIEGO));
    EXPECT_TRUE(Open(Object("goto_bg508")) && Open(Object("goto_bg504")));
    // The strike's callback has Hilary wait for the heroine in her own
    // queue before she steps up.
    Run(Callback(0xcabda3a1));
    EXPECT_EQ(Walks(HILARY), std::vector<int32_t> {23});
    EXPECT_EQ(Values(ID_ACTION_TYPE_WAIT_FOR, HILARY), std::vector<int32_t> {heroine});
    Run(MakeEvent(TwEventType_Activate, Object("goto_bg508")));
    EXPECT_EQ(NextScene(), TURTLE_PATH);

    Set(VARBOOL_BG509_C10_INT_CHEST);
    Enter(10, TURTLE_PATH);
    EXPECT_EQ(Dialogs(), Ids({CONFRONTATION}));
    EXPECT_TRUE(Visible(HILARY) && Visible(DIEGO));
    EXPECT_EQ(QueuedMovie(), MOVIE_CINE09);
    EXPECT_EQ(NextScene(), LOADING);
}

TEST_F(TurtleBeachTest, EachChapterLoadsItsActorSetAndItsSounds)
{
    for (const auto& [iChapter, pSet] : {std::pair {9, "default"}, {10, "chapter_10"}, {4, "default"}}) {
        Enter(iChapter);
        EXPECT_STREQ(manager.GetSceneScript()->SelectActorSet(), pSet) << iChapter;
    }
    Enter(4);
    EXPECT_EQ(manager.GetSceneScript()->SelectSoundGroup(), 0x24a92cbb);
    Enter(0);
    EXPECT_EQ(manager.GetSceneScript()->SelectSoundGroup(), -1);
}

} // namespace
