// The check that every flag read is set and every callback awaited is sent
// catches what it is for: a living-room script that reads a flag nobody
// sets and waits for a callback nobody sends, beside the built dialogs.
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SceneScriptTree.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "Engine/Scripts/Common/SceneScriptNeeds.h"
#include "Engine/Scripts/Common/StoryLinks.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;

constexpr SceneId LIVING_ROOM = 9;
constexpr int32_t WINDOWS = 0;
// Set by the script itself in chapter 3, read in chapter 1 and 3.
constexpr int32_t SELF_SET = VARBOOL_BG103_C01_SEE_ALESSANDRO;
// Set by the script in chapter 5 only, read in chapter 1.
constexpr int32_t SET_TOO_LATE = VARBOOL_BG105_C05_INT_RUBYEMPRESS;
// Read and set by nothing.
constexpr int32_t PLANTED_FLAG = VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA;
// The living room's dialogs send the first, nobody the second.
constexpr uint32_t SENT_CALLBACK = 0x65F4D99F;
constexpr uint32_t PLANTED_CALLBACK = 0xCA11AB1E;

class StoryLinkedLivingRoomScript final : public SceneScript {
protected:
    void BuildEvents() override
    {
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 1);
        _IfMatch(MatchExpression(Op_Or, IsTrue(SET_TOO_LATE), IsFalse(SELF_SET)));
        Dialog(0x824E3221);
        _EndMatch();
        _EndMatch();
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 3);
        _IfEvent(ScriptEvent_Object1(WINDOWS));
        SetBoolVar(SELF_SET, true);
        _IfBool(PLANTED_FLAG, 1);
        SetBoolVar(PLANTED_FLAG, false);
        _EndMatch();
        _EndMatch();
        _EndMatch();
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 5);
        SetBoolVar(SET_TOO_LATE, true);
        _EndMatch();
        _IfEvent(OnCallback(SENT_CALLBACK));
        SetBoolVar(SELF_SET, true);
        _EndMatch();
        _IfEvent(OnCallback(PLANTED_CALLBACK));
        SetBoolVar(SELF_SET, true);
        _EndMatch();
    }
};

class StoryLinksTest : public ScriptManagerTest {
protected:
    // The planted script's uses in chapters 0 to 5, and the callbacks it
    // waits for.
    void Collect(FlagUses& flags, ChapterUses& awaited)
    {
        ScriptNodePool& pool = manager.GetNodePool();
        for (int32_t iChapter = 0; iChapter <= 5; ++iChapter) {
            StoryLinkedLivingRoomScript script;
            const ScriptNodeIndex root = BuildHandMadeScriptTree(manager, script);
            const std::vector<ScriptNodeIndex> nodes = NodesInChapter(pool, root, iChapter);
            AddScriptFlagUses(pool, root, nodes, scene, iChapter, flags);
            AddAwaitedCallbacks(pool, root, nodes, scene, iChapter, awaited);
        }
    }

    const SceneDesc& scene = *Id::GetSceneDesc(LIVING_ROOM);
};

TEST_F(StoryLinksTest, AFlagReadButNeverSetOrSetOnlyLaterAndACallbackNeverSentAreReported)
{
    FlagUses flags;
    ChapterUses awaited;
    Collect(flags, awaited);
    EXPECT_EQ(JoinedLines(UnsetFlags(flags, {})),
              "VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA is read by "
              "Look(Entity[0](bg101_BO_CastilloLivingRoom::windows),) and set by nothing\n"
              "VARBOOL_BG105_C05_INT_RUBYEMPRESS is read by the scene's top level up to chapter 1 and set only from "
              "chapter 5 on, by the scene's top level\n");

    // The living room's dialogs send one of the two callbacks, in every chapter.
    TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
    std::map<int32_t, std::set<uint32_t>> sent;
    for (int32_t iChapter = 0; iChapter <= 5; ++iChapter)
        for (const auto& [key, callbacks] : DialogCallbacksInChapter(Id::GetSceneDialogsPath(LIVING_ROOM), iChapter))
            sent[iChapter].insert(callbacks.begin(), callbacks.end());
    EXPECT_EQ(JoinedLines(UnsentCallbacks(scene, awaited, sent, {})),
              "bg101 0xCA11AB1E: Dialog_CB(-904811746,) waits for it, sent by no dialog in chapter 0 1 2 3 4 5\n");

    // Allowed by name, they pass; an allowance no longer needed is reported.
    const AllowedLinks flagReasons {{"VARBOOL_BG105_C05_INT_RUBYEMPRESS", "late"},
                                    {"VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA", "planted"},
                                    {"VARBOOL_BG103_C01_SEE_ALESSANDRO", "stale"}};
    EXPECT_EQ(JoinedLines(UnsetFlags(flags, flagReasons)),
              "VARBOOL_BG103_C01_SEE_ALESSANDRO is allowed unset (stale) but is read and set, or not read\n");
    EXPECT_EQ(JoinedLines(UnsentCallbacks(scene, awaited, sent,
                                          {{"bg101 0xCA11AB1E", "planted"}, {"bg101 0x65F4D99F", "stale"}})),
              "bg101 0x65F4D99F is allowed unsent (stale) but is sent, or not waited for\n");
}

TEST_F(StoryLinksTest, AQuestEntryThatOnlyALaterChaptersStartOrAnotherChapterOpensIsReported)
{
    FlagUses uses;
    uses.sets.Add(VARBOOL_QUEST_C1_CHORES, 1, "the living room");
    uses.sets.Add(VARBOOL_QUEST_C2_CREW01, 3, "the cabin");
    uses.started.Add(VARBOOL_QUEST_C2_CREW01, 4, "the chapter menu");
    uses.started.Add(VARBOOL_QUEST_C4_FIND_BRISCOE01, 7, "the chapter menu");
    EXPECT_EQ(JoinedLines(QuestEntriesOpenedLate(uses, {})),
              "VARBOOL_QUEST_C2_CREW01 is an entry of chapter 2 that nothing chapter 2 plays opens; the cabin opens "
              "it in chapter 3\n"
              "VARBOOL_QUEST_C4_FIND_BRISCOE01 is an entry of chapter 4 that nothing chapter 4 plays opens; only "
              "the chapter menu opens it\n");
    EXPECT_EQ(JoinedLines(QuestEntriesOpenedLate(uses, {{"VARBOOL_QUEST_C2_CREW01", "planted"},
                                                        {"VARBOOL_QUEST_C4_FIND_BRISCOE01", "planted"},
                                                        {"VARBOOL_QUEST_C1_CHORES", "stale"}})),
              "VARBOOL_QUEST_C1_CHORES is allowed to open outside its chapter (stale) but its chapter opens it, or "
              "nothing does\n");
}

TEST_F(StoryLinksTest, TheBuiltDialogsAndTheGameGiveTheirReadsAndSetsByChapter)
{
    TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
    FlagUses uses;
    // The embroidery option exists only in chapter 1; the chores are set in any.
    ASSERT_TRUE(AddDialogFlagUses(Id::GetSceneDialogsPath(LIVING_ROOM), 2, uses));
    EXPECT_EQ(uses.sets.chapters.at(VARBOOL_QUEST_C1_CHORES), std::set<int32_t> {2});
    EXPECT_EQ(uses.reads.chapters.at(VARBOOL_QUEST_C1_CHORES_DONE), std::set<int32_t> {2});
    EXPECT_THAT(uses.reads.places.at(VARBOOL_QUEST_C1_CHORES_DONE), HasSubstr("bg101_BO_CastilloLivingRoom"));
    EXPECT_FALSE(AddDialogFlagUses("scenes/missing.dialogs.dat", 2, uses));

    FlagUses game;
    AddGameFlagUses(game);
    EXPECT_EQ(game.reads.chapters.at(VARBOOL_QUEST_C1_CHORES_DONE).size(), 10u);
    EXPECT_EQ(game.reads.places.at(VARBOOL_QUEST_C1_CHORES_DONE), "the quest log");
    EXPECT_EQ(game.sets.places.at(VARBOOL_C_WIN_MINIGAME), "the engine");
    EXPECT_EQ(game.started.chapters.at(VARBOOL_QUEST_C4_FIND_BRISCOE01).count(7), 1u);
    EXPECT_EQ(game.sets.chapters.count(VARBOOL_QUEST_C4_FIND_BRISCOE01), 0u);
    EXPECT_EQ(game.sets.places.at(VARBOOL_TROPHY_TALK_TO_ACTOR_00), "the engine");
}

} // namespace
