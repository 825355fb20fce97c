// The cabin's script (scene 5): the intro once, the door that wants the sword
// and the pistol in chapter 2, the pickups as re-entry finds them, the
// drawer's pistol once, the mirror and the sign once each, and the sound
// groups by chapter.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t CABIN = 5;
constexpr int32_t CORRIDOR = 6;

using Object = NamedObject<SceneTableRows::s_aObjects_bg001_5>;

constexpr uint32_t HEROINE_ACTOR = ActorIdOf("tavrine");
constexpr int32_t HEROINE = ActorScriptableId(HEROINE_ACTOR);
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));

constexpr uint32_t DOOR_DIALOG = 0xcac6bff6;
constexpr uint32_t WHAT_ELSE_DIALOG = 0x8c2ae7cb;
constexpr int32_t DRAWER_SHUT = 0x33b68bb5;
constexpr int32_t DRAWER_OPEN = 0x237c0ce2;

class TavrinesCabinTest : public SceneScriptWithDialogsTest {
protected:
    // Enters the cabin in the chapter from the scene; the enter walk's
    // actions are then in actionLog, the scene link's calls in calls.
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(CABIN, iChapter, iFrom); }

    std::vector<int32_t> Drawer() const { return Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("o_drawer")); }
};

TEST_F(TavrinesCabinTest, TheIntroPlaysOnceAndLeavesHerStandingWithDiegoGone)
{
    Enter(2);
    EXPECT_EQ(Dialogs(), Ids({0x6d1c84c0, 0x6222aa93}));
    EXPECT_TRUE(Get(VARBOOL_BG001_C02_EVENT_INTRO));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_FIND_DADDY));
    EXPECT_EQ(Places(HEROINE), (std::vector<int32_t> {2, 3}));
    EXPECT_TRUE(Visible(DIEGO));
    EXPECT_FALSE(Open(DIEGO));
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_CAST_SHADOW, HEROINE), std::vector<int32_t> {0});
    // The blocker closes the door after the intro, with her off its threshold.
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_BLOCKER, HEROINE), std::vector<int32_t> {0});
    EXPECT_TRUE(Called("blocker 0 on"));

    // The last callback of Diego's news sends him out and stands her up.
    Run(ScriptEvent_Hash9(static_cast<int32_t>(0x697bb284)));
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {0});
    EXPECT_FALSE(Visible(DIEGO));
    EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {6});
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_CAST_SHADOW, HEROINE), std::vector<int32_t> {1});

    // Back in the cabin later: no intro, Diego stays out.
    Enter(2);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_FALSE(Visible(DIEGO));
    EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {2});
}

TEST_F(TavrinesCabinTest, TheDoorLetsHerOutInChapterTwoOnlyWithBothSwordAndPistol)
{
    struct Case {
        bool bSword;
        bool bPistol;
    };
    for (const Case c : {Case {false, false}, Case {true, false}, Case {false, true}, Case {true, true}}) {
        SCOPED_TRACE(std::to_string(c.bSword) + std::to_string(c.bPistol));
        g_VarManager = VarSet {};
        Set(VARBOOL_BG001_C02_EVENT_INTRO);
        Set(VARBOOL_BG001_C02_PICK_SWORD, c.bSword);
        Set(VARBOOL_BG001_C02_PICK_PISTOL, c.bPistol);
        Enter(2);
        Run(MakeEvent(TwEventType_Activate, Object("goto_bg002")));
        const bool bLeaves = c.bSword && c.bPistol;
        EXPECT_EQ(Dialogs(), Ids({DOOR_DIALOG}));
        EXPECT_EQ(Walks(HEROINE), bLeaves ? (std::vector<int32_t> {13, 0}) : (std::vector<int32_t> {13}));
        EXPECT_EQ(Called("blocker 0 off"), bLeaves);
        EXPECT_EQ(NextScene(), bLeaves ? CORRIDOR : 0);
    }
    // Every other chapter: out after the same word, whatever she holds.
    for (const int32_t iChapter : {1, 3, 4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(iChapter);
        g_VarManager = VarSet {};
        Enter(iChapter);
        Run(MakeEvent(TwEventType_Activate, Object("goto_bg002")));
        EXPECT_EQ(Dialogs(), Ids({DOOR_DIALOG}));
        EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {13, 0}));
        EXPECT_EQ(NextScene(), CORRIDOR);
    }
}

TEST_F(TavrinesCabinTest, ThePickupsAreTakenOnceAndReEntryShowsWhatIsLeft)
{
    struct Pickup {
        int32_t iHotspot;
        int32_t iPicture;
        const char* pItem;
        int32_t iFlag;
    } const pickups[] = {
        {Object("sword"), Object("i_sword"), "ITEM_SWORD", VARBOOL_BG001_C02_PICK_SWORD},
        {Object("magnet"), Object("i_magnet"), "ITEM_MAGNET", VARBOOL_BG001_C02_PICK_MAGNET},
        {Object("embroided_handkerchief"), Object("i_handkerchief"), "ITEM_EMBROIDED_HANDKERCHIEF",
         VARBOOL_BG001_C02_PICK_EMBROIDED_HANDKERCHIEF},
    };
    Set(VARBOOL_BG001_C02_EVENT_INTRO);
    Enter(2);
    EXPECT_EQ(Drawer(), std::vector<int32_t> {DRAWER_SHUT});
    EXPECT_FALSE(Visible(Object("i_pistol")));
    for (const Pickup& pickup : pickups) {
        SCOPED_TRACE(pickup.pItem);
        EXPECT_TRUE(Visible(pickup.iPicture) && Open(pickup.iHotspot));
        Run(MakeEvent(TwEventType_Activate, pickup.iHotspot));
        EXPECT_EQ(Given(), std::vector<int32_t> {Item(pickup.pItem)});
        EXPECT_TRUE(Get(pickup.iFlag));
        EXPECT_FALSE(Visible(pickup.iPicture) || Open(pickup.iHotspot));
        EXPECT_EQ(Dialogs(), Ids({WHAT_ELSE_DIALOG}));
    }
    // The pistol: the drawer opens and the pistol is taken, once.
    Run(MakeEvent(TwEventType_Activate, Object("pistol")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_PISTOL")});
    EXPECT_EQ(Drawer(), std::vector<int32_t> {DRAWER_OPEN});
    EXPECT_EQ(Dialogs(), Ids({0xda520c80, WHAT_ELSE_DIALOG}));
    EXPECT_TRUE(Get(VARBOOL_BG001_C02_PICK_PISTOL));
    EXPECT_FALSE(Visible(Object("i_pistol")));
    Run(MakeEvent(TwEventType_Activate, Object("pistol")));
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Drawer().empty());
    EXPECT_EQ(Dialogs(), Ids({0xda520c80, WHAT_ELSE_DIALOG}));
    EXPECT_TRUE(Open(Object("pistol")));
    // Four pickups and the pistol twice: every activation counts as dawdling.
    EXPECT_EQ(g_VarManager.GetInt(VARINT_PLAYER_DAWDLES), 5);

    // Re-entered, the cabin is as the flags say: everything gone, the drawer
    // left open.
    Enter(2);
    for (const Pickup& pickup : pickups)
        EXPECT_FALSE(Visible(pickup.iPicture) || Open(pickup.iHotspot)) << pickup.pItem;
    EXPECT_EQ(Drawer(), (std::vector<int32_t> {DRAWER_SHUT, DRAWER_OPEN}));
    EXPECT_TRUE(Open(Object("pistol")));
}

TEST_F(TavrinesCabinTest, SheMayLeaveWithSwordAndPistolAloneAndComeBackForTheRest)
{
    for (const int32_t iFlag :
         {VARBOOL_BG001_C02_EVENT_INTRO, VARBOOL_BG001_C02_PICK_SWORD, VARBOOL_BG001_C02_PICK_PISTOL})
        Set(iFlag);
    Enter(2, CORRIDOR);
    EXPECT_TRUE(Visible(Object("i_magnet")) && Open(Object("magnet")));
    EXPECT_TRUE(Visible(Object("i_handkerchief")) && Open(Object("embroided_handkerchief")));
    EXPECT_FALSE(Visible(Object("i_sword")) || Open(Object("sword")));
    EXPECT_EQ(Drawer(), (std::vector<int32_t> {DRAWER_SHUT, DRAWER_OPEN}));
    Run(MakeEvent(TwEventType_Activate, Object("magnet")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_MAGNET")});
    Run(MakeEvent(TwEventType_Activate, Object("goto_bg002")));
    EXPECT_EQ(NextScene(), CORRIDOR);
}

TEST_F(TavrinesCabinTest, OutsideChapterTwoOnlyTheDrawerIsThereAndItGivesNothing)
{
    for (const int32_t iChapter : {1, 3, 6, 10}) {
        SCOPED_TRACE(iChapter);
        g_VarManager = VarSet {};
        Enter(iChapter);
        EXPECT_FALSE(Open(Object("sword")) || Open(Object("magnet")) || Open(Object("embroided_handkerchief")));
        EXPECT_FALSE(Visible(Object("i_sword")) || Visible(Object("i_magnet")) || Visible(Object("i_handkerchief")));
        EXPECT_TRUE(Open(Object("pistol")));
        EXPECT_EQ(Drawer(), std::vector<int32_t> {DRAWER_SHUT});
        Run(MakeEvent(TwEventType_Activate, Object("pistol")));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {9});
        EXPECT_EQ(Dialogs(), Ids({0xda520c80, WHAT_ELSE_DIALOG}));
        EXPECT_TRUE(Given().empty());
        EXPECT_TRUE(Drawer().empty());
        EXPECT_FALSE(Get(VARBOOL_BG001_C02_PICK_PISTOL));
        EXPECT_EQ(g_VarManager.GetInt(VARINT_PLAYER_DAWDLES), 1);
    }
}

TEST_F(TavrinesCabinTest, TheMirrorShowsOnceOnlyFromTheCorridorBeforeChapterFive)
{
    for (const int32_t iChapter : {2, 3, 4, 5, 6, 9}) {
        for (const int32_t iFrom : {0, 7, CORRIDOR}) {
            SCOPED_TRACE(std::to_string(iChapter) + " from " + std::to_string(iFrom));
            g_VarManager = VarSet {};
            Set(VARBOOL_BG001_C02_EVENT_INTRO);
            Enter(iChapter, iFrom);
            const bool bShows = iFrom == CORRIDOR && iChapter < 5;
            EXPECT_EQ(Dialogs(), bShows ? Ids({0x2e5916fe}) : std::vector<int32_t> {});
            EXPECT_EQ(Get(VARBOOL_BG001_C02_EVENT_GHOST), bShows);
            EXPECT_FALSE(Visible(Object("o_mirror_reflect")));
            EXPECT_EQ(Places(HEROINE), iFrom == CORRIDOR ? (std::vector<int32_t> {2, 1}) : std::vector<int32_t> {2});
            EXPECT_EQ(Walks(HEROINE), iFrom == CORRIDOR ? std::vector<int32_t> {2} : std::vector<int32_t> {});
            if (bShows) {
                Enter(iChapter, iFrom);
                EXPECT_TRUE(Dialogs().empty());
            }
        }
    }
}

TEST_F(TavrinesCabinTest, TheSignPlaysOnceInChapterSixAfterTheTannersFriend)
{
    const int32_t flags[] = {VARBOOL_QUEST_C5_THE_SIGN_DONE, VARBOOL_QUEST_C6_SLEEPY_FLY03_DONE,
                             VARBOOL_QUEST_C6_SLEEPY_FLY04, VARBOOL_BG001_C06_EVENT_THE_SIGN};
    Enter(6);
    EXPECT_TRUE(Dialogs().empty());
    for (const int32_t iFlag : flags)
        EXPECT_FALSE(Get(iFlag));

    Set(VARBOOL_QUEST_C6_TANNERSFRIEND01);
    Enter(6, CORRIDOR);
    EXPECT_EQ(Dialogs(), Ids({0x14ab186d}));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {2, 4}));
    for (const int32_t iFlag : flags)
        EXPECT_TRUE(Get(iFlag));
    Enter(6, CORRIDOR);
    EXPECT_TRUE(Dialogs().empty());

    // Another chapter with the same flag: nothing.
    g_VarManager = VarSet {};
    Set(VARBOOL_QUEST_C6_TANNERSFRIEND01);
    Enter(7);
    EXPECT_FALSE(Get(VARBOOL_BG001_C06_EVENT_THE_SIGN));
}

TEST_F(TavrinesCabinTest, TheRemarksChangeNoVariable)
{
    Set(VARBOOL_BG001_C02_EVENT_INTRO);
    Enter(2);
    const VarSet before = g_VarManager;
    for (const char* pName : {"bed", "shoes", "books", "plush"}) {
        SCOPED_TRACE(pName);
        const int32_t iObject = SceneObjectId(CABIN, pName);
        Run(ScriptEvent_Object1(iObject));
        EXPECT_EQ(Dialogs().size(), 1u);
        Run(MakeEvent(TwEventType_Activate, iObject));
        EXPECT_EQ(Dialogs().size(), 1u);
        EXPECT_EQ(Walks(HEROINE).size(), 1u);
    }
    EXPECT_TRUE(std::ranges::equal(g_VarManager.m_aBools, before.m_aBools));
    EXPECT_TRUE(std::ranges::equal(g_VarManager.m_aInts, before.m_aInts));
}

TEST_F(TavrinesCabinTest, ChaptersTwoAndSixHaveTheirSoundGroupsAndNoChapterNoneAtAll)
{
    for (int32_t iChapter = 0; iChapter <= 11; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        std::unique_ptr<SceneScript> pScript(CreateScriptFromId(CABIN));
        pScript->SetOwner(&manager);
        pScript->LinkActorSets();
        pScript->LinkSoundGroups();
        EXPECT_STREQ(pScript->SelectActorSet(), "default");
        const int32_t iExpected = iChapter == 2                     ? SoundGroupNamed("bg001_chapter_02")
                                  : iChapter == 6                   ? SoundGroupNamed("bg001_chapter_06")
                                  : iChapter >= 1 && iChapter <= 10 ? 0x4845eee6
                                                                    : -1;
        EXPECT_EQ(pScript->SelectSoundGroup(), iExpected) << iChapter;
    }
}

} // namespace
