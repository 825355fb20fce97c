// The flat-top hill's script (scene 11): the first arrival, the duel's
// return, the items that the scene answers without doing anything, the way
// down that opens only once the boat is seen, the chapters' sets and sound
// groups, and chapter 2's plate, movie and stolen mirror.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Hash/CoreCrc32.h"
#include "Managers/Common/ScriptManager.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t FLAT_TOP_HILL = 11;

using Object = NamedObject<SceneTableRows::s_aObjects_bg103_11>;
constexpr int32_t LOOKOUT_ROCK = Object("lookout_rock");
constexpr int32_t GOTO_BG104 = Object("goto_bg104");
constexpr int32_t NEST = Object("nest");
constexpr int32_t I_UNCONSCIOUS = Object("i_unconscious");
constexpr int32_t I_MIRROR = Object("i_mirror");
constexpr int32_t FX_MIRROR = Object("fx_mirror");

constexpr uint32_t KID_ACTOR = ActorIdOf("tavrine_kid");
constexpr uint32_t ARNO_ACTOR = ActorIdOf("arno_kid");
constexpr int32_t KID = ActorScriptableId(KID_ACTOR);
constexpr int32_t ADULT = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t LOGIC_DIALOG = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);

class FlatTopHillTest : public SceneScriptWithDialogsTest {
protected:
    // Enters the hill in the chapter from the state, with the variables as
    // the test set them; the enter walk's actions are then in actionLog.
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(FLAT_TOP_HILL, iChapter, iFrom); }
    // Fires the event and runs its walk; its actions are then in actionLog.
    void Run(const EventDesc& oEvent)
    {
        manager.Update(16);
        actionLog.clear();
        states.m_queue.clear();
        Fire(oEvent);
    }
    // Fires the item use, which must match one of the scene's handlers rather
    // than become the runtime's bad interaction, and runs its walk.
    void RunMatched(const EventDesc& oEvent)
    {
        manager.Update(16);
        actionLog.clear();
        states.m_queue.clear();
        ASSERT_TRUE(manager.FireEvent(oEvent));
        EXPECT_EQ(manager.GetPendingEvent().m_eType, oEvent.m_eType);
        RunWalk();
    }

    std::vector<uint32_t> Dialogs() const
    {
        const std::vector<int32_t> keys = Values(ID_ACTION_TYPE_START_DIALOG, LOGIC_DIALOG);
        return std::vector<uint32_t>(keys.begin(), keys.end());
    }
    // The blocker switches queued on the character, as "N on" / "N off".
    std::vector<std::string> Blockers(int32_t iActor) const
    {
        std::vector<std::string> switches;
        for (const ActionDesc& oAction : actionLog)
            if (oAction.m_iActionType == ID_ACTION_TYPE_SET_BLOCKER && oAction.m_iTargetId == iActor)
                switches.push_back(std::to_string(oAction.m_oParameter[0]) +
                                   (oAction.m_oParameter[1] != 0 ? " on" : " off"));
        return switches;
    }
};

TEST_F(FlatTopHillTest, TheFirstArrivalTalksOnceAndStartsTheSecondGame)
{
    Enter(1, 56);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0x05EE1742});
    EXPECT_TRUE(Get(VARBOOL_BG103_C01_EVENT_FIRST_TIME));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_PLAY02));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C1_PLAY01));
    EXPECT_FALSE(Visible(Object("i_boat")));
    // The rope is on the ladder until it is taken.
    EXPECT_TRUE(Visible(Object("i_broken_ladder")));
    EXPECT_TRUE(At(Object("broken_ladder")).IsInteractiveNow());

    Enter(1, 56);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {});
    // The paths and the rock are fenced off for the player's own walks.
    EXPECT_EQ(Blockers(KID), (std::vector<std::string> {"1 on", "2 on"}));
}

TEST_F(FlatTopHillTest, OnlyTheFirstWonDuelCountsAndEveryDuelEndsInItsDialog)
{
    Set(VARBOOL_BG103_C01_EVENT_FIRST_TIME);

    // Lost: the dialog only.
    Enter(1, 258);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0x552F3CDF});
    EXPECT_FALSE(Get(VARBOOL_WIN_MINIGAME_01));
    EXPECT_FALSE(Visible(I_UNCONSCIOUS));

    // Won: recorded, Arno out cold and fenced off.
    Set(VARBOOL_C_WIN_MINIGAME);
    Enter(1, 258);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0x552F3CDF});
    EXPECT_TRUE(Get(VARBOOL_WIN_MINIGAME_01));
    EXPECT_TRUE(Get(VARBOOL_BG103_C01_EVENT_AFTER_SABRE_DUEL));
    EXPECT_TRUE(Visible(I_UNCONSCIOUS));
    EXPECT_EQ(Blockers(KID), (std::vector<std::string> {"0 on", "1 on", "2 on"}));

    // Once won, a further return is no news.
    Enter(1, 258);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {});
    EXPECT_TRUE(Visible(I_UNCONSCIOUS));
}

TEST_F(FlatTopHillTest, TheSwordTheRopeAndTheChildrenDoNothingOutOfTurnWithoutTheBadInteractionReply)
{
    Set(VARBOOL_BG103_C01_EVENT_FIRST_TIME);
    const EventDesc sword = ScriptEvent_ItemOnFlaggedId3(ARNO_ACTOR, ItemIdOf("ITEM_WOODEN_SWORD"));
    const EventDesc rope = ScriptEvent_ItemOnFlaggedId3(ARNO_ACTOR, ItemIdOf("ITEM_ROPE"));
    const EventDesc bobby = ScriptEvent_ItemOnObject3(LOOKOUT_ROCK, ItemIdOf("ITEM_BOBBY_KID"));
    const EventDesc nell = ScriptEvent_ItemOnObject3(LOOKOUT_ROCK, ItemIdOf("ITEM_NELL_KID"));

    // Before the duel the rope does nothing; the sword starts the duel.
    Enter(1);
    RunMatched(rope);
    EXPECT_TRUE(actionLog.empty());
    EXPECT_FALSE(Get(VARBOOL_BG103_C01_ARNO_NOT_HERE));
    Run(sword);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0xE9EB855E});
    EXPECT_EQ(QueuedMiniGame(), 2);
    EXPECT_TRUE(Get(VARBOOL_BG103_C01_USE_WOODENSWORD_ON_ARNO));

    // After the won duel the sword does nothing; the rope ties Arno up and
    // the children join.
    Set(VARBOOL_WIN_MINIGAME_01);
    Enter(1);
    RunMatched(sword);
    EXPECT_TRUE(actionLog.empty());
    EXPECT_EQ(QueuedMiniGame(), 0);
    Run(rope);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0x548BF256});
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ITEM, KID),
              std::vector<int32_t> {static_cast<int32_t>(ItemIdOf("ITEM_ROPE"))});
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ITEM, KID),
              (std::vector<int32_t> {static_cast<int32_t>(ItemIdOf("ITEM_BOBBY_KID")),
                                     static_cast<int32_t>(ItemIdOf("ITEM_NELL_KID"))}));
    EXPECT_FALSE(Visible(ActorScriptableId(ARNO_ACTOR)));
    for (int32_t flag : {VARBOOL_BG103_C01_ARNO_NOT_HERE, VARBOOL_QUEST_C1_PLAY02_DONE, VARBOOL_QUEST_C1_PLAY01})
        EXPECT_TRUE(Get(flag)) << flag;

    // Bobby on the rock climbs it; once the boat is seen, neither child does
    // anything there.
    Run(bobby);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0x5C59134C});
    EXPECT_TRUE(Get(VARBOOL_BO_MAP_BG104));
    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    for (const EventDesc& oEvent : {bobby, nell}) {
        RunMatched(oEvent);
        EXPECT_TRUE(actionLog.empty());
    }
    // An item the scene has no use for becomes the bad interaction.
    manager.Update(16);
    ASSERT_TRUE(manager.FireEvent(ScriptEvent_ItemOnObject3(LOOKOUT_ROCK, ItemIdOf("ITEM_ROPE"))));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
    RunWalk();
}

TEST_F(FlatTopHillTest, TheWayDownOpensOnceTheBoatIsSeenAndLeadsToTheMapUntilTheAmbush)
{
    Set(VARBOOL_BG103_C01_EVENT_FIRST_TIME);
    Enter(1);
    Run(MakeEvent(TwEventType_Activate, GOTO_BG104));
    EXPECT_EQ(Dialogs(), (std::vector<uint32_t> {0x1D601C56, 0x3C75B4CA}));
    EXPECT_EQ(NextScene(), 0);

    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Enter(1);
    Run(MakeEvent(TwEventType_Activate, GOTO_BG104));
    EXPECT_EQ(NextScene(), 56);
    EXPECT_EQ(Blockers(KID), (std::vector<std::string> {"0 off", "2 off"}));

    Set(VARBOOL_BG104_C01_EVENT_AMBUSH);
    Enter(1);
    Run(MakeEvent(TwEventType_Activate, GOTO_BG104));
    EXPECT_EQ(NextScene(), 12);

    // The grown heroine always goes to the fork, and comes up from it.
    Enter(3, 12);
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLACE_AT_WAYPOINT, ADULT), (std::vector<int32_t> {15, 4}));
    Run(MakeEvent(TwEventType_Activate, GOTO_BG104));
    EXPECT_EQ(NextScene(), 12);
}

TEST_F(FlatTopHillTest, TheKidsSetAndGroupPlayChapterOneAndEveryLaterChapterHasTheOtherGroup)
{
    const int32_t chapterOne = static_cast<int32_t>(CoreCrc32Of("bg103_chapter_01") & 0x7FFFFFFF);
    for (int32_t iChapter = 1; iChapter <= 10; ++iChapter) {
        Set(VARBOOL_BG103_C01_EVENT_FIRST_TIME);
        Enter(iChapter);
        EXPECT_TRUE(Called(iChapter == 1 ? "actor set Chapter_1" : "actor set default")) << iChapter;
        ASSERT_NE(manager.GetSceneScript(), nullptr);
        EXPECT_EQ(manager.GetSceneScript()->SelectSoundGroup(), iChapter == 1 ? chapterOne : 0x65A282A5) << iChapter;
    }
}

TEST_F(FlatTopHillTest, ThePlateGoesIntoTheNestShinesThereAndIsStolenOnce)
{
    Enter(2);
    EXPECT_FALSE(At(LOOKOUT_ROCK).IsInteractiveNow());
    EXPECT_FALSE(Visible(I_MIRROR));
    Run(ScriptEvent_ItemOnObject3(NEST, ItemIdOf("ITEM_POLISHED_PLATE")));
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ITEM, ADULT),
              std::vector<int32_t> {static_cast<int32_t>(ItemIdOf("ITEM_POLISHED_PLATE"))});
    EXPECT_TRUE(Get(VARBOOL_BG103_C02_SHINY_PLATE_IS_ON_NEST));
    EXPECT_EQ(QueuedMovie(), 10);

    // Back from the movie: the heroine by the nest, the plate shining.
    Enter(2, 512 + 10);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0xC007BDAA});
    EXPECT_TRUE(Visible(I_MIRROR));
    EXPECT_TRUE(Visible(FX_MIRROR));

    // Its work done, it is stolen on the next entry, and gone for good.
    Set(VARBOOL_QUEST_C2_WORK02_DONE);
    Enter(2, 13);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {0x874FD2AE});
    EXPECT_TRUE(Get(VARBOOL_BG103_EVENT_MIRROR_STOLEN));
    EXPECT_FALSE(Visible(I_MIRROR));
    EXPECT_FALSE(Visible(FX_MIRROR));
    Enter(2, 13);
    EXPECT_EQ(Dialogs(), std::vector<uint32_t> {});
    EXPECT_FALSE(Visible(I_MIRROR));
}

TEST_F(FlatTopHillTest, LookingAtArnoLeavesTheRockUnfencedWhereTheOtherLooksFenceItAgain)
{
    Set(VARBOOL_BG103_C01_EVENT_FIRST_TIME);
    Enter(1);
    Run(ScriptEvent_FlaggedId1(ARNO_ACTOR));
    ASSERT_FALSE(Blockers(KID).empty());
    EXPECT_EQ(Blockers(KID).back(), "1 off");
    Run(ScriptEvent_Object1(LOOKOUT_ROCK));
    ASSERT_FALSE(Blockers(KID).empty());
    EXPECT_EQ(Blockers(KID).back(), "1 on");
}

} // namespace
