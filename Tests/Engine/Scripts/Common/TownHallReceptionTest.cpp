// The script of the town hall's reception on Hollow island (scene 32): the
// sound and the people of each chapter, the way back from the key rack's
// search, what Miss Brown is shown before and after she has talked and while
// she sobs, the search that opens only with the heroine's idea, her coming to
// once, and chapter 7's ingredients.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int32_t RECEPTION = 32;
constexpr int32_t TOWN_SQUARE_C = 31;
constexpr int32_t BACK_FROM_LOST_KEY = 256 + 4;

using Object = NamedObject<SceneTableRows::s_aObjects_bg305_32>;

constexpr uint32_t MISS_BROWN_ACTOR = ActorIdOf("missbrown");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t MISS_BROWN = ActorScriptableId(MISS_BROWN_ACTOR);

constexpr int32_t COMES_TO_OR_KEY_FOUND = static_cast<int32_t>(0x114cce5a);
constexpr int32_t KEY_RACK_WORDS = 0x0ed0aa2e;
constexpr int32_t WP_START = 2;
constexpr int32_t WP_BEFORE_DESK = 4;
constexpr int32_t WP_KEY_RACK = 17;

class TownHallReceptionTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = TOWN_SQUARE_C) { EnterInChapter(RECEPTION, iChapter, iFrom); }
    std::vector<int32_t> Held() const { return Values(ID_ACTION_TYPE_ADD_ATTACHMENT, HEROINE); }
};

// The item shown to Miss Brown.
EventDesc ShowMissBrown(const char* pItem)
{
    return ScriptEvent_ItemOnFlaggedId3(MISS_BROWN_ACTOR, static_cast<uint32_t>(Item(pItem)));
}

TEST_F(TownHallReceptionTest, ChaptersFourAndSevenHaveTheirSoundAndChaptersSevenToNineTheirPeople)
{
    for (int32_t iChapter = 0; iChapter <= 11; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(RECEPTION));
        pScript->SetOwner(&manager);
        pScript->LinkActorSets();
        pScript->LinkSoundGroups();
        const int32_t iExpected = iChapter == 4                     ? 0x0860d509
                                  : iChapter == 7                   ? 0x116984b3
                                  : iChapter >= 1 && iChapter <= 10 ? 0x27385b1f
                                                                    : -1;
        EXPECT_EQ(pScript->SelectSoundGroup(), iExpected) << iChapter;
        const char* pSet = pScript->SelectActorSet();
        EXPECT_STREQ(pSet == nullptr ? "default" : pSet, iChapter >= 7 && iChapter <= 9 ? "chapter_7" : "default")
            << iChapter;
    }
}

TEST_F(TownHallReceptionTest, OnlyAWonSearchFindsTheKeyOnceAndEntersTheRoomAnew)
{
    struct Case {
        const char* pName;
        bool bWon;
        bool bFoundBefore;
    } const cases[] = {{"lost", false, false}, {"won", true, false}, {"won again", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        g_VarManager = VarSet {};
        Set(VARBOOL_BG305_C04_EVENT_EUREKA);
        Set(VARBOOL_C_WIN_MINIGAME, c.bWon);
        Set(VARBOOL_BG305_C04_EVENT_FOUND_KEY, c.bFoundBefore);
        Enter(4, BACK_FROM_LOST_KEY);
        // She stands at the rack; no walk in from the door.
        EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {WP_START, WP_KEY_RACK}));
        EXPECT_TRUE(Walks(HEROINE).empty());
        const bool bFinds = c.bWon && !c.bFoundBefore;
        EXPECT_EQ(Dialogs(), bFinds ? std::vector<int32_t> {COMES_TO_OR_KEY_FOUND} : std::vector<int32_t> {});
        EXPECT_EQ(NextScene(), bFinds ? RECEPTION : 0);
        EXPECT_EQ(Get(VARBOOL_WIN_MINIGAME_04), bFinds);
        EXPECT_EQ(Get(VARBOOL_QUEST_C4_FIND_KEY_DONE), bFinds);
        EXPECT_EQ(Get(VARBOOL_BG305_C04_EVENT_FOUND_KEY), c.bWon);
    }
    // Entered anew from itself: neither way in, she stands where she starts.
    Enter(4, RECEPTION);
    EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {WP_START});
    EXPECT_TRUE(Walks(HEROINE).empty() && Dialogs().empty());
    // From the square she steps in from the door.
    Enter(4, TOWN_SQUARE_C);
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {WP_START, 1}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_START});
}

TEST_F(TownHallReceptionTest, TheMapAndTheHalfDiskWaitForTheTalkTheDiskWorksOnceAndTheMapNotWhileSheSobs)
{
    Enter(4);
    for (const char* pItem : {"ITEM_MAP_B", "ITEM_HALF_STONE_DISK01"}) {
        SCOPED_TRACE(pItem);
        ExpectMatchedAndIdle(ShowMissBrown(pItem));
    }

    Set(VARBOOL_BG305_C04_TALK_MISS_BROWN);
    Run(ShowMissBrown("ITEM_MAP_B"));
    EXPECT_EQ(Dialogs(), Ids({0xc38ff813}));
    Run(ShowMissBrown("ITEM_HALF_STONE_DISK01"));
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {0x7b3b8aae});
    EXPECT_EQ(Held(), std::vector<int32_t> {static_cast<int32_t>(AttachmentNamed("half_stone_disk"))});
    EXPECT_TRUE(Get(VARBOOL_BG305_C04_MISS_BROWN_SOBBING));

    // She sobs: neither the disk again nor the map; at the next entry she
    // sobs at the far end of her desk.
    for (const char* pItem : {"ITEM_MAP_B", "ITEM_HALF_STONE_DISK01"}) {
        SCOPED_TRACE(pItem);
        ExpectMatchedAndIdle(ShowMissBrown(pItem));
    }
    Enter(4);
    EXPECT_EQ(Places(MISS_BROWN), (std::vector<int32_t> {0, 14}));

    // The callback that ends her sobbing puts her back and opens the map.
    Run(Callback(0xa283d29e));
    EXPECT_EQ(Places(MISS_BROWN), std::vector<int32_t> {0});
    EXPECT_FALSE(Get(VARBOOL_BG305_C04_MISS_BROWN_SOBBING));
    Run(ShowMissBrown("ITEM_MAP_B"));
    EXPECT_EQ(Dialogs(), Ids({0xc38ff813}));

    // Once they have talked about Percy she no longer sobs at entry.
    Set(VARBOOL_BG305_C04_MISS_BROWN_SOBBING);
    Set(VARBOOL_BG305_C04_TALK_MISS_BROWN_ABOUT_PERCY);
    Enter(4);
    EXPECT_EQ(Places(MISS_BROWN), std::vector<int32_t> {0});
}

TEST_F(TownHallReceptionTest, MissBrownGetsUpFromHerDeskForGoodBeforeSheGoesToTheChest)
{
    Enter(4);
    Run(Callback(0xfc050431));
    // Played as a move whose end is kept: otherwise she would set off for the
    // chest from her chair.
    const int32_t iStandUp = AnimationOf<"missbrown">("g_deskstandup").m_iId;
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_ANIMATION, MISS_BROWN), std::vector<int32_t> {iStandUp});
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_ANIMATION, MISS_BROWN, 2), std::vector<int32_t> {1});
}

TEST_F(TownHallReceptionTest, TheEggShellAlwaysTakesHerToTheDeskButIsShownOnceAndNotWhileSheSobs)
{
    Set(VARBOOL_BG305_C04_MISS_BROWN_SOBBING);
    Enter(4);
    Run(ShowMissBrown("ITEM_EGG_SHELL"));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_BEFORE_DESK});
    EXPECT_TRUE(Dialogs().empty() && Held().empty());

    Set(VARBOOL_BG305_C04_MISS_BROWN_SOBBING, false);
    Run(ShowMissBrown("ITEM_EGG_SHELL"));
    // The shell, then the wall map and its words.
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {WP_BEFORE_DESK, 18}));
    EXPECT_EQ(Dialogs(), Ids({0x1ee93b4b, 0xc10fb505}));
    EXPECT_TRUE(Get(VARBOOL_BG305_C04_READ_TORN_REPORT) && Get(VARBOOL_BG305_C04_USE_EGG_SHELL_ON_MISS_BROWN));

    Run(ShowMissBrown("ITEM_EGG_SHELL"));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_BEFORE_DESK});
    EXPECT_TRUE(Dialogs().empty() && Held().empty());
}

TEST_F(TownHallReceptionTest, TheRackIsSearchedOnlyAfterTheIdeaAndNeverOnceTheKeyIsFound)
{
    struct Case {
        const char* pName;
        bool bIdea;
        bool bFound;
    } const cases[] = {{"before the idea", false, false}, {"after it", true, false}, {"key found", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pName);
        g_VarManager = VarSet {};
        Set(VARBOOL_BG305_C04_EVENT_EUREKA, c.bIdea);
        Set(VARBOOL_BG305_C04_EVENT_FOUND_KEY, c.bFound);
        Enter(4);
        Run(Click(Object("key_rack")));
        EXPECT_EQ(Dialogs(), std::vector<int32_t> {KEY_RACK_WORDS});
        EXPECT_EQ(QueuedMiniGame(), c.bIdea && !c.bFound ? 4 : 0);
    }
}

TEST_F(TownHallReceptionTest, SheComesToOnceAtTheEntryAfterFaintingWithTheWayRoundTheDeskShutAgain)
{
    Set(VARBOOL_BG305_C04_MISS_BROWN_FAINTING);
    Enter(4);
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {COMES_TO_OR_KEY_FOUND});
    EXPECT_EQ(Places(MISS_BROWN), (std::vector<int32_t> {0, 5}));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {WP_START, WP_KEY_RACK}));
    EXPECT_TRUE(Get(VARBOOL_BG305_C04_EVENT_MISSBROWN_UNFAINT));
    EXPECT_TRUE(Called("blocker 0 off"));
    // The last word on the way round the desk is: shut.
    const auto last = std::find_if(calls.rbegin(), calls.rend(),
                                   [](const std::string& call) { return call.rfind("blocker 0", 0) == 0; });
    ASSERT_NE(last, calls.rend());
    EXPECT_EQ(*last, "blocker 0 on");

    Enter(4);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Places(MISS_BROWN), std::vector<int32_t> {0});
    // Not in chapter 7.
    g_VarManager = VarSet {};
    Set(VARBOOL_BG305_C04_MISS_BROWN_FAINTING);
    Enter(7);
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(TownHallReceptionTest, TheWeedKillerCompletesTheIngredientsOnlyWithTheOtherThreeAlreadyInHand)
{
    const int32_t others[] = {VARBOOL_BG106_C07_INT_DEAD_CHICKEN, VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN,
                              VARBOOL_BG404_C07_USE_FLASK_ON_WATER};
    for (int iMissing = -1; iMissing < 3; ++iMissing) {
        SCOPED_TRACE(iMissing);
        g_VarManager = VarSet {};
        for (int i = 0; i < 3; ++i)
            Set(others[i], i != iMissing);
        Enter(7);
        EXPECT_TRUE(Open(Object("vase_of_flowers")) && Visible(Object("fx_petals")) &&
                    Visible(Object("o_flowers_dead")));
        Run(UseOn(Object("vase_of_flowers"), "ITEM_WEED_KILLER"));
        EXPECT_TRUE(Get(VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS));
        EXPECT_EQ(Get(VARBOOL_QUEST_C7_INGREDIENTS_DONE), iMissing < 0);
    }
    // Afterwards Miss Brown mourns her flowers and the petals are gone.
    Enter(7);
    EXPECT_FALSE(Visible(Object("fx_petals")));
    EXPECT_EQ(Places(MISS_BROWN), (std::vector<int32_t> {0, 13}));
    // In chapter 4 the vase is only a picture.
    Enter(4);
    EXPECT_FALSE(Open(Object("vase_of_flowers")) || Visible(Object("o_flowers_dead")) || Visible(Object("fx_petals")));
}

} // namespace
