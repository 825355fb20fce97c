// The night cabin's script (scene 8): who stands where in each chapter, the
// door that holds her while the uncle waits, the two one-time scenes of
// chapters 4 and 8, the pen and paper, the writing kit and the talk with the
// uncle that ends the visit.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t NIGHT_CABIN = 8;
constexpr int32_t CORRIDOR = 6;
constexpr int32_t LOADING_SCENE = 61;

using Object = NamedObject<SceneTableRows::s_aObjects_bg004_8>;
constexpr int32_t GOTO_BG002 = Object("goto_bg002");
constexpr int32_t M_DOOR = Object("m_door");
constexpr int32_t M_DISK = Object("m_disk");
constexpr int32_t PEN_AND_PAPER = Object("pen_and_paper");
constexpr int32_t UNCLE_OBJECT = Object("uncle_eduardo");
constexpr int32_t I_INK_BOTTLE = Object("i_ink_bottle");
constexpr int32_t I_PAPER = Object("i_paper");

constexpr uint32_t ALESSANDRO_ACTOR = ActorIdOf("alessandro_c");
constexpr uint32_t BRISCOE_ACTOR = ActorIdOf("thomas_b");
constexpr uint32_t UNCLE_ACTOR = ActorIdOf("uncle_eduardo");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t ALESSANDRO = ActorScriptableId(ALESSANDRO_ACTOR);
constexpr int32_t BRISCOE = ActorScriptableId(BRISCOE_ACTOR);
constexpr int32_t UNCLE = ActorScriptableId(UNCLE_ACTOR);
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));

class AlessandrosCabinNightTest : public SceneScriptWithDialogsTest {
protected:
    // Enters the cabin in the chapter from the scene; the enter walk's
    // actions are then in actionLog.
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(NIGHT_CABIN, iChapter, iFrom); }

    // The door's blocker as the walk left it.
    bool DoorBlocked() const
    {
        bool bOn = false;
        for (const ActionDesc& oAction : actionLog)
            if (oAction.m_iActionType == ID_ACTION_TYPE_SET_BLOCKER && oAction.m_oParameter[0] == 0)
                bOn = oAction.m_oParameter[1] != 0;
        return bOn;
    }
};

TEST_F(AlessandrosCabinNightTest, EachChapterPlacesItsPeopleAndEveryChapterButTheUnclesLeavesByTheDoor)
{
    struct Case {
        int32_t iChapter;
        std::vector<int32_t> alessandro;
        std::vector<int32_t> briscoe;
    } const cases[] = {
        {1, {}, {}},   {2, {}, {}},  {3, {0}, {}},    {4, {0}, {3}}, {5, {10}, {}},
        {6, {10}, {}}, {7, {0}, {}}, {8, {10}, {11}}, {9, {0}, {}},  {10, {}, {}},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        // The one-time scenes are over.
        Set(VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO);
        Set(VARBOOL_BG004_C08_EVENT_INTRO);
        Enter(c.iChapter);
        EXPECT_EQ(Places(ALESSANDRO), c.alessandro) << c.iChapter;
        EXPECT_EQ(Places(BRISCOE), c.briscoe) << c.iChapter;
        EXPECT_EQ(Visible(BRISCOE), !c.briscoe.empty()) << c.iChapter;
        EXPECT_EQ(Places(DIEGO), std::vector<int32_t> {1});
        EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO) || Open(UNCLE_OBJECT) || Visible(M_DISK));
        EXPECT_TRUE(Dialogs().empty()) << c.iChapter;

        // The door opens onto the corridor and shuts behind her.
        Run(MakeEvent(TwEventType_Activate, GOTO_BG002));
        EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {15, 4})) << c.iChapter;
        EXPECT_EQ(NextScene(), CORRIDOR) << c.iChapter;
        EXPECT_FALSE(Visible(M_DOOR));
    }

    // Chapter 4 keeps Briscoe away once he has tagged along.
    g_VarManager = VarSet {};
    Set(VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO);
    Set(VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG);
    Enter(4);
    EXPECT_TRUE(Places(BRISCOE).empty());
    EXPECT_FALSE(Visible(BRISCOE) || Open(BRISCOE));
}

TEST_F(AlessandrosCabinNightTest, FromTheCorridorSheStepsInAndTheDoorwayIsBlockedAgain)
{
    Set(VARBOOL_BG004_C08_EVENT_INTRO);
    Enter(3, CORRIDOR);
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {6, 5}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {6});
    EXPECT_TRUE(Visible(M_DOOR));
    EXPECT_TRUE(DoorBlocked());
}

TEST_F(AlessandrosCabinNightTest, TheNewsOfEduardoPlaysOnceAndHandsOverTheThreeThingsOnTheDesk)
{
    Enter(4, CORRIDOR);
    EXPECT_EQ(Dialogs(), Ids({0x7a305145, 0xb8f3cfe3}));
    EXPECT_EQ(Given(),
              (std::vector<int32_t> {Item("ITEM_HALF_STONE_DISK01"), Item("ITEM_SMALL_KEY"), Item("ITEM_MAP_B")}));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {6, 8}));
    EXPECT_FALSE(Visible(M_DISK));
    EXPECT_TRUE(Visible(BRISCOE) && Open(BRISCOE));
    for (const int32_t iFlag : {VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO, VARBOOL_QUEST_C4_SAIL_HOLLOW_ISLAND,
                                VARBOOL_BG003_C04_EVENT_SAIL_HOLLOW_ISLAND})
        EXPECT_TRUE(Get(iFlag));

    Enter(4, CORRIDOR);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Given().empty());
}

TEST_F(AlessandrosCabinNightTest, TheUncleComesBackOnceAndTheDoorHoldsHerUntilSheHasTalkedToHim)
{
    // The first visit of chapter 8: the introduction, and no uncle yet.
    Enter(8, CORRIDOR);
    EXPECT_EQ(Dialogs(), Ids({0xf71a5d11}));
    EXPECT_FALSE(Visible(UNCLE));
    Run(MakeEvent(TwEventType_Activate, GOTO_BG002));
    EXPECT_EQ(NextScene(), CORRIDOR);

    // The turtle rod has been used on him: he comes down onto his globe.
    Set(VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO);
    Enter(8, CORRIDOR);
    EXPECT_EQ(Dialogs(), Ids({0xbd4d2da9}));
    EXPECT_TRUE(Get(VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO));
    EXPECT_TRUE(Visible(UNCLE) && Open(UNCLE));
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_CAST_SHADOW, UNCLE), std::vector<int32_t> {0});
    EXPECT_TRUE(DoorBlocked());

    // From now on the door refuses, and he waits on his globe.
    Run(MakeEvent(TwEventType_Activate, GOTO_BG002));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {15});
    EXPECT_EQ(Dialogs(), Ids({0x0eceb5b6}));
    EXPECT_EQ(NextScene(), 0);
    Enter(8, CORRIDOR);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Visible(UNCLE) && Open(UNCLE));
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_ANIMATION, UNCLE),
              std::vector<int32_t> {AnimationOf<"uncle_eduardo">("onglobeidle_l").m_iId});

    // His talk takes what the voyage no longer needs, held or not, and
    // ends the visit.
    Run(ScriptEvent_FlaggedId2(UNCLE_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({0xd48f5867}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {22});
    EXPECT_EQ(Taken(), (std::vector<int32_t> {Item("ITEM_SMALL_KEY"), Item("ITEM_SHOVEL"), Item("ITEM_BLOW_PIPE"),
                                              Item("ITEM_FLYING_SILHOUETTE")}));
    EXPECT_GE(states.StartsOf(GlobalFade::OutToBlack), 1);
    EXPECT_EQ(NextScene(), LOADING_SCENE);
}

TEST_F(AlessandrosCabinNightTest, PenAndPaperAreOfferedOnlyAfterNachosWordAndUntilTaken)
{
    Set(VARBOOL_BG004_C08_EVENT_INTRO);
    Enter(8);
    EXPECT_FALSE(Open(PEN_AND_PAPER));
    Set(VARBOOL_QUEST_C8_PEN_PAPER01);
    Enter(3);
    EXPECT_FALSE(Open(PEN_AND_PAPER));
    Enter(8);
    EXPECT_TRUE(Open(PEN_AND_PAPER));

    Run(MakeEvent(TwEventType_Activate, PEN_AND_PAPER));
    EXPECT_EQ(Dialogs(), Ids({0x9f110a8d}));
    EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_PEN_AND_PAPER"), Item("ITEM_EMPTY_INK_BOTTLE")}));
    EXPECT_TRUE(Get(VARBOOL_BG004_C08_PICK_PEN_AND_PAPER));
    EXPECT_FALSE(Open(PEN_AND_PAPER) || Visible(I_PAPER) || Visible(I_INK_BOTTLE));

    // Taken, they stay gone; the ink bottle is back once Alessandro has his
    // writing kit.
    Enter(8);
    EXPECT_FALSE(Open(PEN_AND_PAPER) || Visible(I_PAPER) || Visible(I_INK_BOTTLE));
    Set(VARBOOL_BG004_C08_GIVE_WRITING_KIT);
    Enter(8);
    EXPECT_FALSE(Visible(I_PAPER));
    EXPECT_TRUE(Visible(I_INK_BOTTLE));
}

TEST_F(AlessandrosCabinNightTest, AlessandroTakesTheWritingKitOnlyOncePedrosErrandIsDone)
{
    Set(VARBOOL_BG004_C08_EVENT_INTRO);
    for (const bool bDone : {false, true}) {
        Set(VARBOOL_QUEST_C8_PEDRO03_DONE, bDone);
        Enter(8);
        Run(ScriptEvent_ItemOnFlaggedId3(ALESSANDRO_ACTOR, ItemIdOf("ITEM_WRITING_KIT")));
        EXPECT_EQ(Dialogs(), Ids({0x8de8ce63}));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {13});
        EXPECT_EQ(Places(ALESSANDRO), std::vector<int32_t> {10});
        EXPECT_EQ(Taken(), bDone ? std::vector<int32_t> {Item("ITEM_WRITING_KIT")} : std::vector<int32_t> {});
        EXPECT_EQ(Get(VARBOOL_BG004_C08_GIVE_WRITING_KIT), bDone);
    }
}

TEST_F(AlessandrosCabinNightTest, PeopleAreApproachedFromTheChaptersPlacesAndBonitasTalkSendsHerOut)
{
    Set(VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO);
    Set(VARBOOL_BG004_C08_EVENT_INTRO);
    for (const int32_t iChapter : {4, 8}) {
        const int32_t iPlace = iChapter == 8 ? 9 : 2;
        Enter(iChapter);
        Run(ScriptEvent_FlaggedId1(BRISCOE_ACTOR));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {iPlace});
        Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
        EXPECT_EQ(Dialogs(), Ids({0x360977a1}));
        Run(OnCallback(0x3f5818c8));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {iPlace});
    }

    // Looking at Alessandro: after the talk of Bonita he wants to be alone.
    for (const bool bBonita : {false, true}) {
        Set(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA, bBonita);
        Enter(5);
        Run(ScriptEvent_FlaggedId1(ALESSANDRO_ACTOR));
        EXPECT_EQ(Dialogs(), Ids({0x69e399ff}));
        EXPECT_EQ(NextScene(), bBonita ? CORRIDOR : 0);
    }
}

} // namespace
