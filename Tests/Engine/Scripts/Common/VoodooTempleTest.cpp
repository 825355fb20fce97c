// The script of the voodoo temple on Hollow island (scene 37): the map off and the one way in, Bajari lying, standing or gone
// by the story's flags, the rod that sends him away only after the talk about
// Tanner's friend, his talk and idle chosen by the cure when they come, and
// the hug that brings him to her.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t TEMPLE = 37;
constexpr int32_t VILLAGE = 36;

constexpr uint32_t BAJARI_ACTOR = ActorIdOf("bajari");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t BAJARI = ActorScriptableId(BAJARI_ACTOR);

constexpr int32_t LYING = AnimationOf<"bajari">("lying_l").m_iId;
constexpr int32_t LYING_TALK = AnimationOf<"bajari">("lying_talk_l").m_iId;
constexpr int32_t IDLE = AnimationOf<"bajari">("g_idle_l").m_iId;
constexpr int32_t TALK = AnimationOf<"bajari">("g_talk_l").m_iId;
constexpr int32_t STAND_UP = AnimationOf<"bajari">("standup").m_iId;

constexpr uint32_t SHOW_ROD = 0x18675c15;
constexpr uint32_t HUG = 0x771d732d;
constexpr uint32_t BAJARI_TALKS = 0xf031bd31;
constexpr uint32_t BAJARI_LISTENS = 0x682acd55;

class VoodooTempleTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom = VILLAGE) { EnterInChapter(TEMPLE, 7, iFrom); }
    // The animations Bajari was given, by either play action.
    std::vector<int32_t> BajariPlays() const
    {
        std::vector<int32_t> plays = Values(ID_ACTION_TYPE_ANIMATION, BAJARI);
        for (const int32_t iAnimation : Values(ID_ACTION_TYPE_PLAY_ANIMATION, BAJARI))
            plays.push_back(iAnimation);
        return plays;
    }
};

TEST_F(VoodooTempleTest, OnlyTheWayInFromTheVillageWalksHerInAndTheMapIsOffOnEveryEntry)
{
    for (const int32_t iChapter : {4, 7, 9}) {
        for (const int32_t iFrom : {VILLAGE, 0, 28, TEMPLE, 512 + 17}) {
            SCOPED_TRACE(iFrom);
            Set(VARBOOL_ACTIVE_MAP);
            EnterInChapter(TEMPLE, iChapter, iFrom);
            EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP)) << iChapter;
            const bool bFromVillage = iFrom == VILLAGE;
            EXPECT_EQ(Places(HEROINE), (bFromVillage ? std::vector<int32_t> {0, 1} : std::vector<int32_t> {0}));
            EXPECT_EQ(Walks(HEROINE), (bFromVillage ? std::vector<int32_t> {2} : std::vector<int32_t> {}));
        }
    }
}

TEST_F(VoodooTempleTest, BajariLiesUntilHeIsCuredStandsAfterAndIsGoneOnceHeHasSetOffForTheJetty)
{
    Enter();
    EXPECT_EQ(Places(BAJARI), std::vector<int32_t> {3});
    EXPECT_EQ(BajariPlays(), std::vector<int32_t> {LYING});
    EXPECT_TRUE(Visible(BAJARI) && Open(BAJARI));

    Set(VARBOOL_BG310_C07_TALK_BAJARI_CURED);
    Enter();
    EXPECT_EQ(Places(BAJARI), std::vector<int32_t> {5});
    EXPECT_EQ(BajariPlays(), std::vector<int32_t> {IDLE});

    Set(VARBOOL_QUEST_C7_TANNERSFRIEND03);
    Enter();
    EXPECT_FALSE(Visible(BAJARI) || Open(BAJARI));
}

TEST_F(VoodooTempleTest, TheRodSendsBajariAwayOnlyAfterTheTalkAboutTannersFriend)
{
    Set(VARBOOL_BG310_C07_TALK_BAJARI_CURED);
    Enter();
    const EventDesc rod = ScriptEvent_ItemOnFlaggedId3(BAJARI_ACTOR, ItemIdOf("ITEM_TURTLE_ROD"));
    Run(rod);
    EXPECT_EQ(Dialogs(), Ids({SHOW_ROD}));
    EXPECT_TRUE(Walks(BAJARI).empty());
    EXPECT_TRUE(Visible(BAJARI) && Open(BAJARI));
    EXPECT_TRUE(Taken().empty());

    // The talk about Tanner's friend makes the rod his sign: he walks out by
    // the threshold and is gone for the rest of the visit; the rod stays hers.
    Set(VARBOOL_BG310_C07_TALK_BAJARI_ABOUT_TANNER_FRIEND);
    Run(rod);
    EXPECT_EQ(Dialogs(), Ids({SHOW_ROD}));
    EXPECT_EQ(Walks(BAJARI), (std::vector<int32_t> {6, 1}));
    EXPECT_FALSE(Visible(BAJARI) || Open(BAJARI));
    EXPECT_TRUE(Taken().empty());
}

TEST_F(VoodooTempleTest, BajarisTalkAndIdleFollowTheCureAtTheMomentTheyCome)
{
    Enter();
    for (const bool bCured : {false, true, false}) {
        SCOPED_TRACE(bCured);
        Set(VARBOOL_BG310_C07_TALK_BAJARI_CURED, bCured);
        Run(Callback(BAJARI_TALKS));
        EXPECT_EQ(BajariPlays(), std::vector<int32_t> {bCured ? TALK : LYING_TALK});
        Run(Callback(BAJARI_LISTENS));
        EXPECT_EQ(BajariPlays(), std::vector<int32_t> {bCured ? IDLE : LYING});
    }
}

TEST_F(VoodooTempleTest, TheHugBringsBajariFromHisMatToHerAndLookingAtHimIsRemembered)
{
    Enter();
    Run(Callback(HUG));
    EXPECT_EQ(Walks(BAJARI), std::vector<int32_t> {5});
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_ACTOR_SOUND, BAJARI), Ids({0x7be8a7cb}));
    EXPECT_EQ(BajariPlays().front(), STAND_UP);
    EXPECT_EQ(BajariPlays().back(), TALK);

    EXPECT_FALSE(Get(VARBOOL_BG310_C07_LOOK_BAJARI));
    Run(ScriptEvent_FlaggedId1(BAJARI_ACTOR));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {4});
    EXPECT_TRUE(Get(VARBOOL_BG310_C07_LOOK_BAJARI));
}

} // namespace
