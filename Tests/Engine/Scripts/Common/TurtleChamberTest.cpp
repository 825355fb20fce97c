// The script of the turtle chamber (scene 49): chapter 10 played through all
// its entries, from Tanama's way in to the chest and the beach, with its
// dialogs setting what the sample dialogs set; what every entry does first;
// where she stands on each kind of entry; the shell and the bird's egg; and
// the cast each stage of the story loads.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t CHAMBER = 49;
constexpr int32_t TURTLE_BEACH = 47;
constexpr int32_t TURTLE_PATH = 48;
constexpr int32_t ALTAR_HOUSE = 45;
constexpr int32_t MOVIE_CINE07 = 6;
constexpr int32_t MOVIE_CINE08 = 7;
constexpr int32_t MOVIE_STRIP09 = 16;

using Object = NamedObject<SceneTableRows::s_aObjects_bg509_49>;

constexpr uint32_t TURTLE_ACTOR = ActorIdOf("golden_turtle");
constexpr uint32_t NEW_TURTLE_ACTOR = ActorIdOf("newgolden_turtle");
constexpr uint32_t SHAMAN_ACTOR = ActorIdOf("baba_c");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t SHAMAN = ActorScriptableId(SHAMAN_ACTOR);
constexpr int32_t GUARD = ActorScriptableId(ActorIdOf("villager1"));
constexpr int32_t TANAMA = ActorScriptableId(ActorIdOf("tanama"));
constexpr int32_t BRISCOE = ActorScriptableId(ActorIdOf("thomas_b"));

constexpr uint32_t FIRST_VISIT = 0xc6927503;
constexpr uint32_t EXIT_OPENS = 0x7e751e50;
constexpr uint32_t TALK_TURTLE = 0xf8c255bd;
constexpr uint32_t TALK_TANAMA = 0x787dbac6;
constexpr uint32_t BACK_WITH_THE_EGG = 0x3e85b654;
constexpr uint32_t EGG_LAID = 0x34834b8d;
constexpr uint32_t DANGER = 0x727923c9;
constexpr uint32_t TALK_SHAMAN = 0x051b53a0;
constexpr uint32_t SHAKING = 0x2154b8cc;
constexpr uint32_t TALK_NEW_TURTLE = 0x79a661ed;
constexpr uint32_t BETRAYAL = 0xb9495e47;
constexpr uint32_t ARRIVAL = 0x34897154;
constexpr uint32_t REVEAL = 0xb99e7670;
constexpr uint32_t SKULL = 0x1e635488;
constexpr uint32_t BIRD_EGG_IN_THE_INCUBATOR = 0x35662fd1;

constexpr int32_t WP_START = 0;
constexpr int32_t WP_DOOR = 2;
constexpr int32_t WP_INSIDE_THE_DOOR = 3;
constexpr int32_t WP_TANAMA_LYING = 8;
constexpr int32_t WP_AFTER_THE_EGG = 9;
constexpr int32_t WP_SECRET_PANEL = 21;

class TurtleChamberTest : public SceneScriptWithDialogsTest {
protected:
    TurtleChamberTest()
    {
        // The sample dialogs' flags, each set where the story makes it true.
        dialogEffects[TALK_TURTLE] = [this] {
            Set(VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE);
            Set(VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_GOLDEN_TURTLE);
        };
        dialogEffects[TALK_TANAMA] = [this] { Set(VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT); };
        dialogEffects[TALK_SHAMAN] = [this] {
            if (Get(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER))
                Set(VARBOOL_BG509_C10_TALK_BABA_ABOUT_MAKE_AMENDS);
        };
        dialogEffects[TALK_NEW_TURTLE] = [this] {
            if (!Get(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANAMA))
                Set(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANAMA);
            else if (Get(VARBOOL_BG509_C10_EVENT_BETRAYAL) &&
                     !Get(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER))
                Set(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER);
            else if (Get(VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL))
                Set(VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_LEAVE_IN_PEACE);
        };
    }

    void Enter(int32_t iFrom, int32_t iChapter = 10) { EnterInChapter(CHAMBER, iChapter, iFrom); }
    // The entry that the scene change the last walk asked for makes.
    void EnterAnew(int32_t iFrom = CHAMBER)
    {
        ASSERT_EQ(NextScene(), CHAMBER);
        Enter(iFrom);
    }
    void Talk(uint32_t uActor) { Run(ScriptEvent_FlaggedId2(uActor)); }
    std::unique_ptr<SceneScript> LinkedScript()
    {
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(CHAMBER));
        pScript->SetOwner(&manager);
        pScript->LinkActorSets();
        pScript->LinkSoundGroups();
        return pScript;
    }
};

TEST_F(TurtleChamberTest, ChapterTenPlaysFromTanamasWayInThroughTheEggAndTheHatchingToTheChestAndTheBeach)
{
    // Tanama brings her in; the way back opens once their talk is over.
    Enter(TURTLE_PATH);
    EXPECT_EQ(Dialogs(), Ids({FIRST_VISIT}));
    EXPECT_TRUE(Get(VARBOOL_BG509_C10_FIRST_TIME));
    EXPECT_FALSE(Open(Object("goto_bg508")));
    EXPECT_FALSE(Visible(SHAMAN) || Visible(GUARD));
    Run(Callback(EXIT_OPENS));
    EXPECT_TRUE(Open(Object("goto_bg508")));

    // The turtle tells her what the device is; Tanama where the egg is.
    EXPECT_TRUE(Open(Object("strange_device")) && !Open(Object("incubator")));
    Talk(TURTLE_ACTOR);
    EXPECT_TRUE(Open(Object("incubator")) && !Open(Object("strange_device")));
    Talk(ActorIdOf("tanama"));
    EXPECT_TRUE(Get(VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT));
    Run(Click(Object("goto_bg508")));
    EXPECT_EQ(NextScene(), TURTLE_PATH);

    // Saved at the altar house with the egg, she comes back: no way out now.
    Set(VARBOOL_QUEST_C10_RETURN);
    Enter(ALTAR_HOUSE);
    EXPECT_EQ(Dialogs(), Ids({BACK_WITH_THE_EGG}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C10_RETURN_DONE) && Get(VARBOOL_QUEST_C10_INCUBATE));
    EXPECT_FALSE(Open(Object("goto_bg508")));
    Run(UseOn(Object("incubator"), "ITEM_EGG_BAG"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_EGG_BAG")});
    EXPECT_EQ(Dialogs(), Ids({EGG_LAID, DANGER}));
    EXPECT_TRUE(Visible(SHAMAN) && Open(SHAMAN) && Visible(GUARD));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C10_INCUBATE_DONE) && Get(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER));
    EXPECT_EQ(QueuedMovie(), MOVIE_CINE07);

    // Back from the movie the egg shakes in danger until the shaman relents.
    Enter(512 + MOVIE_CINE07);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(PlacedAt(HEROINE), WP_AFTER_THE_EGG);
    EXPECT_EQ(PlacedAt(TANAMA), WP_TANAMA_LYING);
    // The disarmed guard rests in his second idle rather than playing it once.
    EXPECT_EQ(Values(ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE, GUARD),
              std::vector<int32_t> {AnimationOf<"villager1">("idle02_l").m_iId});
    EXPECT_TRUE(Values(ID_ACTION_TYPE_ANIMATION, GUARD).empty());
    EXPECT_FALSE(Open(Object("goto_bg508")) || Open(Object("incubator")));
    EXPECT_TRUE(Visible(Object("i_turtle_egg")) && Visible(Object("fx_danger")) && Open(Object("shaking_incubator")));
    Run(Click(Object("shaking_incubator")));
    EXPECT_EQ(Dialogs(), Ids({SHAKING}));
    EXPECT_FALSE(Open(Object("secret_panel")));
    Talk(SHAMAN_ACTOR);
    Run(Click(Object("shaking_incubator")));
    EXPECT_TRUE(Open(Object("secret_panel")) && Get(VARBOOL_BG509_C10_INT_SHAKING_INCUBATOR));

    // The rod in the panel: anew, the egg hatches between the screen fades.
    Run(UseOn(Object("secret_panel"), "ITEM_TURTLE_ROD"));
    EXPECT_TRUE(Get(VARBOOL_BG509_C10_USE_TURTLE_ROD_ON_SECRET_PANEL));
    EnterAnew();
    EXPECT_EQ(LinkedScript()->SelectActorSet(), std::string("Egg_Hatched_And_Baba_Carrey_Here"));
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToWhite), 1);
    EXPECT_EQ(states.StartsOf(GlobalFade::InFromWhite), 1);
    EXPECT_TRUE(Get(VARBOOL_BG509_C10_EVENT_THE_EGG_HATCHES));
    EXPECT_TRUE(Visible(ActorScriptableId(NEW_TURTLE_ACTOR)));
    EXPECT_FALSE(Open(Object("shaking_incubator")) || Open(Object("secret_panel")));

    // The new turtle heals Tanama; the shaman and his guard walk out.
    Talk(NEW_TURTLE_ACTOR);
    EXPECT_EQ(Dialogs(), Ids({TALK_NEW_TURTLE, BETRAYAL}));
    EXPECT_FALSE(Visible(SHAMAN) || Visible(GUARD));
    EXPECT_TRUE(Get(VARBOOL_BG509_C10_EVENT_BETRAYAL));
    EXPECT_EQ(NextScene(), 0);
    // Loaded from a game saved now, they do not stand in the chamber again.
    Enter(CHAMBER);
    EXPECT_FALSE(Visible(SHAMAN) || Open(SHAMAN) || Visible(GUARD) || Open(GUARD));

    // The tanner's name: Alessandro and Briscoe come in, and the movie.
    Talk(NEW_TURTLE_ACTOR);
    EnterAnew();
    EXPECT_EQ(LinkedScript()->SelectActorSet(), std::string("Baba_Carrey_Left"));
    EXPECT_EQ(Dialogs(), Ids({ARRIVAL}));
    EXPECT_FALSE(Visible(BRISCOE));
    EXPECT_TRUE(Get(VARBOOL_BG509_C10_ALESSANDRO_AND_BRISCOE_HERE));
    EXPECT_EQ(QueuedMovie(), MOVIE_CINE08);

    // Back from it the smoke clears for good; the turtle lets them go.
    Enter(512 + MOVIE_CINE08);
    EXPECT_EQ(Dialogs(), Ids({REVEAL}));
    EXPECT_FALSE(Visible(Object("fx_smoke")) || Open(Object("dark_zone")));
    Talk(NEW_TURTLE_ACTOR);
    EXPECT_TRUE(Open(Object("chest")) && Visible(Object("o_coffre")) && Get(VARBOOL_BG509_C10_CHEST_HERE));
    Run(Click(Object("chest")));
    EXPECT_TRUE(Get(VARBOOL_BG509_C10_INT_CHEST));
    EXPECT_EQ(QueuedMovie(), MOVIE_STRIP09);

    // With the skull in her hand she goes down to the beach.
    Enter(512 + MOVIE_STRIP09);
    EXPECT_EQ(Dialogs(), Ids({SKULL}));
    EXPECT_TRUE(Visible(Object("i_coffre_treasure")) && Visible(Object("o_coffre_open_closed")));
    EXPECT_EQ(NextScene(), TURTLE_BEACH);
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
}

TEST_F(TurtleChamberTest, EveryEntryStartsWithTheSoundsTheDirectionNoMapAndAWalkingHeroine)
{
    for (const int32_t iChapter : {1, 9, 10}) {
        for (const int32_t iFrom : {TURTLE_PATH, CHAMBER}) {
            SCOPED_TRACE(std::to_string(iChapter) + " from " + std::to_string(iFrom));
            g_VarManager = VarSet {};
            Set(VARBOOL_ACTIVE_MAP);
            Enter(iFrom, iChapter);
            EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
            EventDesc oInit;
            std::vector<int32_t> types;
            for (const ActionDesc& oAction : FiredBy(*BuildEvent(&oInit, TwEventType_Init, 0)))
                if (oAction.m_iActionType != ID_ACTION_TYPE_WAIT_FOR &&
                    oAction.m_iActionType != ID_ACTION_TYPE_SET_ACTIVE)
                    types.push_back(oAction.m_iActionType);
            types.resize(5);
            EXPECT_EQ(types, (std::vector<int32_t> {ID_ACTION_TYPE_PLAY_MUSIC, ID_ACTION_TYPE_PLAY_AMBIENT,
                                                    ID_ACTION_TYPE_SCENE_DIRECTION, ID_ACTION_TYPE_SET_VARIABLE,
                                                    ID_ACTION_TYPE_SET_WALK_ONLY}));
            // Outside chapter 10 nothing of the story plays.
            EXPECT_EQ(Dialogs().empty(), iChapter != 10);
            EXPECT_EQ(Get(VARBOOL_BG509_C10_FIRST_TIME), iChapter == 10);
        }
    }
    for (int32_t iChapter = 0; iChapter <= 11; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        const int32_t iExpected = iChapter == 10 ? 0x6bde2666 : (iChapter >= 1 && iChapter <= 9 ? 0x7d893e17 : -1);
        EXPECT_EQ(LinkedScript()->SelectSoundGroup(), iExpected) << iChapter;
    }
}

TEST_F(TurtleChamberTest, SheStandsWhereEachKindOfEntryPutsHer)
{
    // From the path after the first visit she walks in from the door.
    Set(VARBOOL_BG509_C10_FIRST_TIME);
    Enter(TURTLE_PATH);
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {WP_START, WP_DOOR}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_INSIDE_THE_DOOR});

    // Entered anew, she is put by the panel after everyone else's places.
    Set(VARBOOL_QUEST_C10_INCUBATE_DONE);
    Set(VARBOOL_BG509_C10_EVENT_INCUBATOR_IN_DANGER);
    Set(VARBOOL_BG509_C10_EVENT_BETRAYAL);
    Enter(CHAMBER);
    EXPECT_EQ(PlacedAt(HEROINE), WP_SECRET_PANEL);
    EXPECT_TRUE(Walks(HEROINE).empty());
    EXPECT_TRUE(Visible(Object("fx_danger")));
}

TEST_F(TurtleChamberTest, TheShellAndTheBirdsEggAnswerOnlyBeforeTheReturnJourney)
{
    Set(VARBOOL_BG509_C10_FIRST_TIME);
    Set(VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE);
    for (const bool bReturned : {false, true}) {
        SCOPED_TRACE(bReturned);
        Set(VARBOOL_QUEST_C10_RETURN, bReturned);
        Set(VARBOOL_QUEST_C10_INCUBATE, bReturned);
        Enter(TURTLE_PATH);
        for (const char* pItem : {"ITEM_EGG_SHELL", "ITEM_BIRD_EGG"}) {
            const EventDesc onTheTurtle = ScriptEvent_ItemOnFlaggedId3(TURTLE_ACTOR, ItemIdOf(pItem));
            if (bReturned) {
                ExpectMatchedAndIdle(onTheTurtle);
            } else {
                Run(onTheTurtle);
                EXPECT_EQ(Dialogs().size(), 1u) << pItem;
            }
        }
        Run(UseOn(Object("incubator"), "ITEM_EGG_SHELL"));
        EXPECT_EQ(Dialogs().size(), bReturned ? 0u : 1u);
        Run(UseOn(Object("incubator"), "ITEM_BIRD_EGG"));
        EXPECT_EQ(Dialogs(), Ids({BIRD_EGG_IN_THE_INCUBATOR}));
    }
}

TEST_F(TurtleChamberTest, AWishKeptFromChapterFourIsSpentOnceOnTheOldTurtle)
{
    Set(VARBOOL_BG509_C10_FIRST_TIME);
    Set(VARBOOL_BG307_C04_WISH_GOLDEN_TURTLE);
    Set(VARBOOL_BG307_C04_A_WISH);
    Enter(TURTLE_PATH);
    Talk(TURTLE_ACTOR);
    EXPECT_EQ(Dialogs(), Ids({TALK_TURTLE, 0x080fc5dd}));
    EXPECT_FALSE(Get(VARBOOL_BG307_C04_A_WISH));
    Talk(TURTLE_ACTOR);
    EXPECT_EQ(Dialogs(), Ids({TALK_TURTLE}));
}

} // namespace
