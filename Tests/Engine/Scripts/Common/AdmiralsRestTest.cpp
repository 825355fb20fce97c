// The inn's script (scene 14): the way chapter 2 moves from Nell to Briscoe
// in either order of the two talks, the entries, the hand-over of the map,
// and the conditions of the earring, the Briscoe item, the chicken and
// Tasco's bar work.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t INN = 14;
constexpr int32_t DOCKS = 13;

using Object = NamedObject<SceneTableRows::s_aObjects_bg106_14>;
constexpr int32_t GREASY_FRY_PAN = Object("greasy_fry_pan");
constexpr int32_t O_KITCHEN_DARK = Object("o_kitchen_dark");
constexpr int32_t I_DEAD_CHICKEN = Object("i_dead_chicken");
constexpr int32_t EVENT_KITCHEN = Object("event_kitchen");
constexpr int32_t GOTO_BG105 = Object("goto_bg105");
constexpr int32_t DEAD_CHICKEN = Object("dead_chicken");
constexpr int32_t FOOD = Object("food");

constexpr uint32_t HEROINE_ACTOR = ActorIdOf("tavrine");
constexpr uint32_t TASCO_ACTOR = ActorIdOf("tasco");
constexpr uint32_t NACHO_ACTOR = ActorIdOf("nacho");
constexpr uint32_t NELL_ACTOR = ActorIdOf("nell");
constexpr uint32_t BRISCOE_ACTOR = ActorIdOf("thomas_b");
constexpr int32_t HEROINE = ActorScriptableId(HEROINE_ACTOR);
constexpr int32_t TASCO = ActorScriptableId(TASCO_ACTOR);
constexpr int32_t NELL = ActorScriptableId(NELL_ACTOR);
constexpr int32_t BRISCOE = ActorScriptableId(BRISCOE_ACTOR);
constexpr int32_t HILARY = ActorScriptableId(ActorIdOf("hilary"));

constexpr uint32_t TALK_NELL_DIALOG = 0x5bb65ce1;
constexpr uint32_t TALK_TASCO_DIALOG = 0xd6e737c8;

class AdmiralsRestTest : public SceneScriptWithDialogsTest {
protected:
    AdmiralsRestTest()
    {
        // The talks set what the story's dialogs set.
        dialogEffects[TALK_NELL_DIALOG] = [] { g_VarManager.SetBool(VARBOOL_BG106_C02_NELL_NOT_HERE, 1); };
        dialogEffects[TALK_TASCO_DIALOG] = [] {
            if (g_VarManager.GetInt(VARINT_CURRENT_CHAPTER) == 2 &&
                !g_VarManager.GetBool(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE))
                g_VarManager.SetBool(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT, 1);
        };
    }

    // Enters the inn in the chapter from the scene; the enter walk's actions
    // are then in actionLog, the scene link's calls in Called().
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(INN, iChapter, iFrom); }

    std::vector<int32_t> Animations(int32_t iActor) const { return Values(ID_ACTION_TYPE_ANIMATION, iActor); }
};

TEST_F(AdmiralsRestTest, EveryChapterLoadsItsPeopleAndTheInnsSoundGroup)
{
    struct Case {
        int32_t iChapter;
        bool bNellGone;
        const char* pActorSet;
    } const cases[] = {
        {1, false, "default"},     {2, false, "chapter_2_nell"}, {2, true, "chapter_2_briscoe"},
        {3, false, "chapter_3_5"}, {5, true, "chapter_3_5"},     {6, false, "default"},
        {10, false, "default"},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, c.iChapter);
        Set(VARBOOL_BG106_C02_NELL_NOT_HERE, c.bNellGone);
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(INN));
        pScript->SetOwner(&manager);
        pScript->LinkActorSets();
        pScript->LinkSoundGroups();
        EXPECT_STREQ(pScript->SelectActorSet(), c.pActorSet) << c.iChapter;
    }
    // Every chapter of the story has the inn's sound, and only those.
    for (int32_t iChapter = 0; iChapter <= 11; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(INN));
        pScript->SetOwner(&manager);
        pScript->LinkSoundGroups();
        EXPECT_EQ(pScript->SelectSoundGroup(), iChapter >= 1 && iChapter <= 10 ? 0x2d428cc1 : -1) << iChapter;
    }
}

TEST_F(AdmiralsRestTest, OnlyFromTheDocksDoesTheHeroineWalkInAndChapterTwoKeepsItsBlocker)
{
    for (const int32_t iChapter : {2, 3, 7}) {
        for (const int32_t iFrom : {0, DOCKS, INN}) {
            g_VarManager = VarSet {};
            Enter(iChapter, iFrom);
            const std::vector<int32_t> places = Places(HEROINE);
            EXPECT_EQ(places, iFrom == DOCKS ? (std::vector<int32_t> {0, 5}) : (std::vector<int32_t> {0}));
            EXPECT_EQ(Walks(HEROINE), iFrom == DOCKS ? (std::vector<int32_t> {6}) : (std::vector<int32_t> {}));
            EXPECT_EQ(Values(ID_ACTION_TYPE_SET_BLOCKER, HEROINE),
                      iChapter == 2 ? (std::vector<int32_t> {0, 1}) : (std::vector<int32_t> {0}));
            EXPECT_TRUE(Dialogs().empty());
        }
    }
    // The way out frees the chapter-2 blocker before the walk to the door.
    Enter(2);
    Run(MakeEvent(TwEventType_Activate, GOTO_BG105));
    EXPECT_EQ(actionLog.front().m_iActionType, ID_ACTION_TYPE_SET_BLOCKER);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {7});
    EXPECT_EQ(NextScene(), DOCKS);
}

TEST_F(AdmiralsRestTest, BriscoeComesWhicheverOfTheTwoTalksIsHadFirst)
{
    for (const bool bMerchantFirst : {true, false}) {
        g_VarManager = VarSet {};
        Enter(2);
        EXPECT_TRUE(Visible(NELL));
        EXPECT_TRUE(Visible(O_KITCHEN_DARK));
        EXPECT_TRUE(Open(EVENT_KITCHEN));
        EXPECT_FALSE(Open(GREASY_FRY_PAN));
        if (bMerchantFirst) {
            // Tasco goes out; Nell stays, and stays on a later visit too.
            Run(ScriptEvent_FlaggedId2(TASCO_ACTOR));
            EXPECT_FALSE(Visible(TASCO));
            EXPECT_EQ(NextScene(), 0);
            Enter(2);
            EXPECT_FALSE(Visible(TASCO));
            EXPECT_TRUE(Visible(NELL));
            Run(ScriptEvent_FlaggedId2(NELL_ACTOR));
        } else {
            Run(ScriptEvent_FlaggedId2(NELL_ACTOR));
            EXPECT_EQ(NextScene(), 0);
            Run(ScriptEvent_FlaggedId2(TASCO_ACTOR));
            EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {12, 10}));
        }
        EXPECT_TRUE(Get(VARBOOL_BG105_C02_GROCERS_SHOP_IS_OPEN));
        EXPECT_FALSE(Visible(NELL));
        EXPECT_EQ(NextScene(), INN);

        // The room starts again: Hilary brings Briscoe in.
        Enter(2, INN);
        EXPECT_TRUE(Called("actor set chapter_2_briscoe"));
        EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {0, 10}));
        EXPECT_EQ(Walks(BRISCOE), std::vector<int32_t> {4});
        EXPECT_EQ(Walks(HILARY), std::vector<int32_t> {7});
        EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(ActorIdOf("hilary"))));
        EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(HEROINE_ACTOR)));
        EXPECT_TRUE(Get(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE));
        EXPECT_TRUE(Get(VARBOOL_BG106_C02_BRISCOE_HERE));
        EXPECT_TRUE(Visible(TASCO) && Visible(BRISCOE) && !Visible(HILARY));
        EXPECT_TRUE(Open(GREASY_FRY_PAN) && Open(FOOD) && !Open(EVENT_KITCHEN));
    }

    // Later visits keep Briscoe and the lit kitchen, without the arrival.
    Enter(2, DOCKS);
    EXPECT_TRUE(Walks(BRISCOE).empty());
    EXPECT_TRUE(Visible(BRISCOE) && Visible(TASCO));
    EXPECT_FALSE(Visible(O_KITCHEN_DARK));
    EXPECT_TRUE(Open(GREASY_FRY_PAN) && Open(FOOD) && !Open(EVENT_KITCHEN));
    // Tasco no longer goes out.
    Run(ScriptEvent_FlaggedId2(TASCO_ACTOR));
    EXPECT_TRUE(Visible(TASCO));
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(AdmiralsRestTest, TheMapHandedToBriscoeTakesSixThingsAndEndsTheVisit)
{
    for (const bool bDemo : {false, true}) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG106_C02_NELL_NOT_HERE);
        Set(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT);
        Set(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE);
        Set(VARBOOL_BG106_C02_BRISCOE_HERE);
        Set(VARBOOL_BG994_DEMO, bDemo);
        Enter(2);
        Run(ScriptEvent_ItemOnFlaggedId3(BRISCOE_ACTOR, ItemIdOf("ITEM_BRISCOES_MAP")));
        EXPECT_EQ(Dialogs(), Ids({0xf16130d8, 0x9b7847de}));
        EXPECT_FALSE(Visible(BRISCOE));
        // Whatever the heroine still carries of them.
        EXPECT_EQ(Taken(), (std::vector<int32_t> {Item("ITEM_EMBROIDED_HANDKERCHIEF"), Item("ITEM_MAGNET"),
                                                  Item("ITEM_GREASY_BREAD_LOAF"), Item("ITEM_CARLO"),
                                                  Item("ITEM_RAZZO"), Item("ITEM_SWORD")}));
        EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {13, 0, 7}));
        EXPECT_GE(states.StartsOf(GlobalFade::OutToBlack), 1);
        EXPECT_EQ(NextScene(), bDemo ? 63 : 61);
    }
}

TEST_F(AdmiralsRestTest, EachUseOfAnItemHasItsEffectOnlyWhereItsConditionsHold)
{
    // The earring: Nacho is the third of the crew in any chapter, noted as
    // recruited in chapter 4.
    for (const int32_t iChapter : {2, 3, 4, 5}) {
        g_VarManager = VarSet {};
        Enter(iChapter);
        Run(ScriptEvent_ItemOnFlaggedId3(NACHO_ACTOR, ItemIdOf("ITEM_GOLD_EARRING")));
        EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_GOLD_EARRING")});
        EXPECT_EQ(g_VarManager.GetInt(VARINT_CREW_MEMBER), 3);
        EXPECT_TRUE(Get(VARBOOL_QUEST_C2_CREW03_DONE) && Get(VARBOOL_QUEST_C2_GOLD_EARRING_DONE));
        EXPECT_EQ(Get(VARBOOL_BG106_C04_RECRUIT_NACHO), iChapter == 4) << iChapter;
    }

    // Briscoe brought to Tasco: only after the guards talk and before the rum.
    for (const bool bGuards : {false, true})
        for (const bool bRum : {false, true}) {
            g_VarManager = VarSet {};
            Set(VARBOOL_BG106_C05_TALK_TASCO_ABOUT_GUARDS, bGuards);
            Set(VARBOOL_BG106_C05_GET_STRONG_RUM, bRum);
            Enter(5);
            Run(ScriptEvent_ItemOnFlaggedId3(TASCO_ACTOR, ItemIdOf("ITEM_BRISCOE")));
            const bool bActs = bGuards && !bRum;
            EXPECT_EQ(Dialogs(), bActs ? Ids({0xf36a510c}) : std::vector<int32_t> {});
            EXPECT_EQ(Walks(HEROINE), bActs ? std::vector<int32_t> {0} : std::vector<int32_t> {});
        }

    // The bread loaf on the fry pan comes back greasy.
    Enter(3);
    Run(ScriptEvent_ItemOnObject3(GREASY_FRY_PAN, ItemIdOf("ITEM_BREAD_LOAF")));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_BREAD_LOAF")});
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ITEM, HEROINE), std::vector<int32_t> {Item("ITEM_GREASY_BREAD_LOAF")});
}

TEST_F(AdmiralsRestTest, TheChickenTalksInEveryChapterAndIsTheLastIngredientOnlyWithTheOtherThree)
{
    Enter(7);
    EXPECT_TRUE(Visible(I_DEAD_CHICKEN) && Open(DEAD_CHICKEN));
    Enter(6);
    EXPECT_FALSE(Visible(I_DEAD_CHICKEN) || Open(DEAD_CHICKEN));

    const int32_t OTHERS[] = {VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS,
                              VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN, VARBOOL_BG404_C07_USE_FLASK_ON_WATER};
    for (const int32_t iChapter : {2, 7})
        for (const bool bDealtWith : {false, true})
            for (int32_t iFound = 0; iFound <= 3; ++iFound) {
                g_VarManager = VarSet {};
                for (int32_t i = 0; i < iFound; ++i)
                    Set(OTHERS[i]);
                Enter(iChapter);
                Set(VARBOOL_BG106_C07_INT_DEAD_CHICKEN, bDealtWith);
                Run(MakeEvent(TwEventType_Activate, DEAD_CHICKEN));
                EXPECT_EQ(Dialogs(), Ids({0x51b44ba6}));
                // Chapter 7 shows it; once dealt with it is no longer offered.
                EXPECT_EQ(Open(DEAD_CHICKEN), iChapter == 7 && !bDealtWith);
                EXPECT_EQ(Get(VARBOOL_QUEST_C7_INGREDIENTS_DONE), bDealtWith && iFound == 3);
            }
    // Once dealt with, it stays out of sight.
    Enter(7);
    EXPECT_FALSE(Visible(I_DEAD_CHICKEN) || Open(DEAD_CHICKEN));
}

TEST_F(AdmiralsRestTest, TascoTakesTurnsAtHisTwoBarWorks)
{
    Enter(3);
    std::vector<int32_t> played;
    for (int i = 0; i < 4; ++i) {
        Run(OnCallback(0x1dc204f2));
        const std::vector<int32_t> animations = Animations(TASCO);
        played.insert(played.end(), animations.begin(), animations.end());
    }
    EXPECT_EQ(played, (std::vector<int32_t> {1087, 1086, 1087, 1086}));
}

} // namespace
