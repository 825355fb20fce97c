// The script of the altar house's inside on Turtle island (scene 46): chapter 9
// played from her waking in the trap through every restart (the shaman, Hilary,
// Eduardo freeing her, the step of chest and plank, the strip) out of the door,
// with the dialogs setting what the sample dialogs set; and the puzzle's
// refusals: the plank before the chest, a shackle before the step is built,
// the berry and Eduardo at the wrong moment.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t ALTAR_HOUSE = 46;
constexpr int32_t RUINS = 44;
constexpr int32_t OUTSIDE = 45;
constexpr int32_t AFTER_STRIP07 = 512 + 14;

using Object = NamedObject<SceneTableRows::s_aObjects_bg505_46>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t EDUARDO = ActorScriptableId(ActorIdOf("uncle_eduardo"));
constexpr int32_t HILARY = ActorScriptableId(ActorIdOf("hilary"));

constexpr uint32_t WAKE_UP = 0x272506c4;
constexpr uint32_t AMBER_TURTLE = 0xb3e8d4f4;
constexpr uint32_t SHAMAN_HEARD = 0x479819be;
constexpr uint32_t SHAMANS_WORD = 0x9fa1ea5b;
constexpr uint32_t HILARYS_VISIT = 0x3de9d464;
constexpr uint32_t HILARY_GONE = 0x04932f2d;
constexpr uint32_t WHISTLE = 0xbcc1edb6;
constexpr uint32_t BERRY_THROWN = 0x3e4d2b56;
constexpr uint32_t EDUARDO_AT_THE_BODKINS = 0xcd3b2a24;
constexpr uint32_t PLANK_ON_THE_POSTS = 0xa29c8d8f;
constexpr uint32_t SHACKLES = 0x47e34f32;
constexpr uint32_t WHAT_NOW = 0xc7e65389;
constexpr uint32_t TRAP_OPENED = 0x00a6848b;

constexpr int32_t WP_CAPTIVE = 3;
constexpr int32_t WP_FREED = 15;

EventDesc Combine(const char* pFirst, const char* pSecond)
{
    EventDesc oEvent;
    return *BuildEvent(&oEvent, TwEventType_Combine, 2, ID_PARAMETER_TYPE_ITEM, Item(pFirst), ID_PARAMETER_TYPE_ITEM,
                       Item(pSecond));
}

class AltarHouseInteriorTest : public SceneScriptWithDialogsTest {
protected:
    AltarHouseInteriorTest()
    {
        // What the sample dialogs set on the story's way.
        dialogEffects[SHAMANS_WORD] = [this] { Set(VARBOOL_BG505_C09_TALK_SHAMAN); };
        dialogEffects[HILARYS_VISIT] = [this] {
            Set(VARBOOL_BG505_C09_TALK_HILARY_SIMPKINS_ABOUT_TANNER);
            Set(VARBOOL_BG505_C09_TALK_HILARY);
        };
    }
    void Enter(int32_t iFrom = ALTAR_HOUSE) { EnterInChapter(ALTAR_HOUSE, 9, iFrom); }
    bool Playing(const char* pActor) const { return Called("playing " + FakeSceneLink::Hex(ActorIdOf(pActor))); }
    // Free, with the chest on the posts and the plank laid across them.
    void BuildTheStep()
    {
        Set(VARBOOL_BG505_C09_TAVRINE_FREE);
        Set(VARBOOL_BG505_C09_USE_SOLID_SMALL_CHEST_ON_POSTS);
        Set(VARBOOL_BG505_C09_USE_PLANK_ON_POTS);
    }
};

TEST_F(AltarHouseInteriorTest, ChapterNinePlaysFromTheTrapThroughEveryRestartOutOfTheDoor)
{
    Enter(RUINS);
    EXPECT_EQ(Dialogs(), Ids({WAKE_UP}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_ESCAPE));
    EXPECT_TRUE(Playing("boat_windsome_maid"));
    EXPECT_EQ(PlacedAt(HEROINE), WP_CAPTIVE);
    EXPECT_FALSE(Open(HEROINE) || Open(Object("plank")) || Open(Object("posts")) || Open(Object("solid_small_chest")));
    EXPECT_TRUE(Open(Object("amber_turtle")) && Open(Object("pair_of_bodkins")) && Visible(Object("i_pins")));

    Run(ScriptEvent_Object1(Object("amber_turtle")));
    EXPECT_EQ(Dialogs(), Ids({AMBER_TURTLE}));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE);

    // The shaman's visit, then Hilary's, each restart the scene.
    Enter();
    EXPECT_EQ(Dialogs(), Ids({SHAMAN_HEARD, SHAMANS_WORD}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_ISLANDERS_DONE));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE);
    Enter();
    EXPECT_EQ(Dialogs(), Ids({HILARYS_VISIT, HILARY_GONE}));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_NOT_SO_GOOD));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE);

    // The whistle, the berry and Eduardo at the bodkins free her.
    Enter();
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Playing("boat_windsome_maid"));
    Run(Combine("ITEM_WHISTLE", "ITEM_EDUARDO"));
    EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_EDUARDO_HERE) && Visible(EDUARDO));
    Run(UseOn(Object("pair_of_bodkins"), "ITEM_BERRIES"));
    EXPECT_EQ(Dialogs(), Ids({BERRY_THROWN}));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR));
    Run(UseOn(Object("pair_of_bodkins"), "ITEM_EDUARDO"));
    EXPECT_EQ(Dialogs(), Ids({EDUARDO_AT_THE_BODKINS}));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_TAVRINE_FREE) && Playing("tavrine"));
    EXPECT_FALSE(Get(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE);

    // Free: the plank, the chest with the earrings, the shackles, the step.
    Enter();
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_CAPTIVES));
    EXPECT_EQ(PlacedAt(HEROINE), WP_FREED);
    EXPECT_FALSE(Playing("boat_windsome_maid"));
    Run(Click(Object("plank")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_PLANK")});
    Run(Click(Object("solid_small_chest")));
    EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_DIAMOND_EARRINGS"), Item("ITEM_SOLID_SMALL_CHEST")}));
    Run(Click(Object("shackles_1")));
    Run(Click(Object("shackles_2")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_SHACKLE2")});
    Run(UseOn(Object("posts_2"), "ITEM_SOLID_SMALL_CHEST"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_SOLID_SMALL_CHEST")});
    Run(UseOn(Object("posts"), "ITEM_PLANK"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_PLANK")});
    EXPECT_TRUE(Open(Object("unstable_plank")));
    EXPECT_FALSE(Open(Object("posts")) || Open(Object("posts_2")));
    Run(UseOn(Object("unstable_plank"), "ITEM_SHACKLE2"));
    EXPECT_EQ(Taken(), (std::vector<int32_t> {Item("ITEM_SHACKLE1"), Item("ITEM_SHACKLE2")}));
    EXPECT_EQ(QueuedMovie(), 14);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_HUT_DONE));

    // Back from the strip the what-now talk sends her outside, once.
    Enter(AFTER_STRIP07);
    EXPECT_EQ(Dialogs(), Ids({WHAT_NOW}));
    EXPECT_EQ(NextScene(), OUTSIDE);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_THIEVES) && Get(VARBOOL_BG505_C09_EVENT_WHAT_NOW));
    EXPECT_FALSE(Get(VARBOOL_BG505_C09_EDUARDO_HERE));
    Enter(OUTSIDE);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), 0);
}

// Talked to again after cutting her visit short, Hilary leaves as she does
// on arrival, and the scene restarts so that the cast with Eduardo is loaded.
TEST_F(AltarHouseInteriorTest, HilaryTalkedToLeavesAndTheSceneRestartsWithEduardosCast)
{
    Set(VARBOOL_QUEST_C9_ESCAPE);
    Set(VARBOOL_BG505_C09_INT_AMBER_TURTLE);
    Set(VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP);
    Set(VARBOOL_BG505_C09_TALK_SHAMAN);
    dialogEffects[HILARYS_VISIT] = [] {};
    Enter();
    EXPECT_EQ(Dialogs(), Ids({HILARYS_VISIT}));
    EXPECT_EQ(NextScene(), 0);
    EXPECT_TRUE(Visible(HILARY));

    dialogEffects[HILARYS_VISIT] = [this] { Set(VARBOOL_BG505_C09_TALK_HILARY_SIMPKINS_ABOUT_TANNER); };
    Run(ScriptEvent_FlaggedId2(ActorIdOf("hilary")));
    EXPECT_EQ(Dialogs(), Ids({HILARYS_VISIT, HILARY_GONE}));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_NOT_SO_GOOD));
    EXPECT_FALSE(Visible(HILARY));
    EXPECT_EQ(NextScene(), ALTAR_HOUSE);
}

// However the house is entered while she is held (a slot loaded, the chapter
// chosen from the menu), she is in her trap by the pins, not in the middle of
// the room; once free she arrives where the restart or the strip puts her.
TEST_F(AltarHouseInteriorTest, HeldSheIsInHerTrapWhereverTheHouseIsEnteredFrom)
{
    Set(VARBOOL_QUEST_C9_ESCAPE);
    for (const int32_t iFrom : {0, RUINS, ALTAR_HOUSE, 57}) {
        Enter(iFrom);
        EXPECT_EQ(PlacedAt(HEROINE), WP_CAPTIVE) << iFrom;
    }
    Set(VARBOOL_BG505_C09_TAVRINE_FREE);
    Enter(ALTAR_HOUSE);
    EXPECT_EQ(PlacedAt(HEROINE), WP_FREED);
    Enter(0);
    EXPECT_EQ(PlacedAt(HEROINE), 0);
}

TEST_F(AltarHouseInteriorTest, TheStepTakesTheChestBeforeThePlankAndBothShacklesOnTheLaidPlank)
{
    Set(VARBOOL_BG505_C09_TAVRINE_FREE);
    Enter();
    // The plank before the chest: only her word, the plank stays hers.
    Run(UseOn(Object("posts"), "ITEM_PLANK"));
    EXPECT_EQ(Dialogs(), Ids({PLANK_ON_THE_POSTS}));
    EXPECT_TRUE(Taken().empty());
    EXPECT_FALSE(Get(VARBOOL_BG505_C09_USE_PLANK_ON_POTS));

    // A shackle does nothing until both are taken and the plank is laid.
    for (const char* pShackle : {"ITEM_SHACKLE1", "ITEM_SHACKLE2"}) {
        Set(VARBOOL_BG505_C09_PICK_SHACKLES);
        Set(VARBOOL_BG505_C09_PICK_SHACKLE2, false);
        BuildTheStep();
        Enter();
        Run(UseOn(Object("unstable_plank"), pShackle));
        EXPECT_TRUE(Dialogs().empty() && Taken().empty()) << pShackle;
        EXPECT_EQ(QueuedMovie(), 0);
    }

    // The shackles as a pair always answer and finish the step only on the
    // laid plank.
    g_VarManager = VarSet {};
    Set(VARBOOL_BG505_C09_TAVRINE_FREE);
    Enter();
    for (const char* pCaptive : {"alessandro_c", "thomas_b"}) {
        Run(ScriptEvent_ItemOnFlaggedId3(ActorIdOf(pCaptive), ItemIdOf("ITEM_SHACKLES")));
        EXPECT_EQ(Dialogs(), Ids({SHACKLES})) << pCaptive;
        EXPECT_TRUE(Taken().empty()) << pCaptive;
    }
    BuildTheStep();
    Enter();
    Run(UseOn(Object("unstable_plank"), "ITEM_SHACKLES"));
    EXPECT_EQ(Dialogs(), Ids({SHACKLES}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_SHACKLES")});
    EXPECT_EQ(QueuedMovie(), 14);
}

TEST_F(AltarHouseInteriorTest, EduardoComesOnceAfterHilaryAndFreesHerOnlyFromTheAltar)
{
    Set(VARBOOL_QUEST_C9_ESCAPE);
    Set(VARBOOL_BG505_C09_INT_AMBER_TURTLE);
    Set(VARBOOL_BG505_C09_AMBER_TURTLE_CLOSEUP);
    Set(VARBOOL_BG505_C09_TALK_SHAMAN);
    Set(VARBOOL_BG505_C09_TALK_HILARY);
    Enter();
    // Before Hilary has gone the whistle calls nobody; the decoy plays still.
    Run(Combine("ITEM_WHISTLE", "ITEM_EDUARDO"));
    EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
    EXPECT_FALSE(Get(VARBOOL_BG505_C09_EDUARDO_HERE));
    // The berry and Eduardo at the bodkins do nothing before he is here.
    Run(UseOn(Object("pair_of_bodkins"), "ITEM_BERRIES"));
    Run(UseOn(Object("pair_of_bodkins"), "ITEM_EDUARDO"));
    EXPECT_TRUE(Dialogs().empty());

    Set(VARBOOL_BG505_C09_NOT_SO_GOOD);
    Run(Combine("ITEM_EDUARDO", "ITEM_WHISTLE"));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_EDUARDO_HERE));
    Run(UseOn(Object("pair_of_bodkins"), "ITEM_EDUARDO"));
    EXPECT_EQ(Dialogs(), Ids({EDUARDO_AT_THE_BODKINS}));
    EXPECT_FALSE(Get(VARBOOL_BG505_C09_TAVRINE_FREE));
    EXPECT_EQ(NextScene(), 0);

    Run(UseOn(Object("pair_of_bodkins"), "ITEM_BERRIES"));
    EXPECT_TRUE(Get(VARBOOL_BG505_C09_UNCLE_EDUARDO_ON_ALTAR));
    Run(UseOn(Object("pair_of_bodkins"), "ITEM_BERRIES"));
    EXPECT_TRUE(Dialogs().empty());

    // A second whistle only speaks; Eduardo does not fly in again.
    Run(Combine("ITEM_WHISTLE", "ITEM_EDUARDO"));
    EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
    EXPECT_TRUE(Places(EDUARDO).empty());

    // Her trap opens on Eduardo's pull, as the dialog's callback says.
    Run(Callback(TRAP_OPENED));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C9_ESCAPE_DONE));

    // The turtle, once seen, only comments.
    Run(ScriptEvent_Object1(Object("amber_turtle")));
    Run(Click(Object("amber_turtle")));
    EXPECT_NE(Dialogs(), Ids({AMBER_TURTLE}));
    EXPECT_EQ(NextScene(), 0);
}

} // namespace
