// The checks of what a scene's handlers need of its figures and sound banks
// catch what they are for: in a living-room script made badly on purpose,
// and on figures of the sample data given too little by hand.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/NamedIds.h"
#include "Common/VarIds.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "Engine/Scripts/Common/SceneScriptNeeds.h"
#include "Scene/Common/ActorSet.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/LogCapture.h"
#include "Support/OpenGlPictureTest.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using testing::HasSubstr;

constexpr SceneId LIVING_ROOM = 9;
constexpr uint32_t KID = ActorIdOf("tavrine_kid");
constexpr uint32_t MOTHER = ActorIdOf("bonita_c_chair");
constexpr int32_t WINDOWS = 0;
constexpr int32_t DUSTPAN = 4;
// A sound of the chapter-1 bank, one of the docks' bank, and one that plays
// the common bank's default cue.
constexpr int32_t POUR = 0x79ad3b64;
constexpr int32_t SPLASH = 0x4343563c;
constexpr int32_t BY_DEFAULT = 0x004fe2fc;
// Chapter 5's entry starts the first dialog, whose callback starts the
// second, whose callback splashes.
constexpr uint32_t FIRST_DIALOG = 0xD1A10001;
constexpr uint32_t SECOND_DIALOG = 0xD1A10002;
constexpr uint32_t FIRST_CALLBACK = 0xCA110001;
constexpr uint32_t SECOND_CALLBACK = 0xCA110002;

class NeedyLivingRoomScript final : public SceneScript {
public:
    void LinkActorSets() override
    {
        LinkActorSet("chapter_1", Both(InChapter(1), IsFalse(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
        LinkActorSet("chapter_1_end", Both(InChapter(1), IsTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
        LinkActorSet("chapter_5", InChapter(5));
    }
    void LinkSoundGroups() override
    {
        LinkSoundGroup(SoundGroupNamed("bg101_chapter_01"), InChapter(1));
        LinkSoundGroup(SoundGroupNamed("bg101_chapter_05"), InChapter(5));
    }

protected:
    void BuildEnterActions() override
    {
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 5);
        Dialog(FIRST_DIALOG);
        _EndMatch();
    }
    void BuildEvents() override
    {
        // Chapter 5's block pours from the chapter-1 bank, not loaded then.
        _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 5);
        _IfEvent(ScriptEvent_Object1(WINDOWS));
        Play(POUR);
        WalkTo(KID, 3);
        PushAnimAction(KID, Id::GetAnimationId(KID, "g_pickobjectlow01"), 0, 0);
        _EndMatch();
        _EndMatch();
        // A handler of no chapter: the pour may be of chapter 1, the splash
        // is of no chapter of this scene.
        _IfEvent(ScriptEvent_Object1(DUSTPAN));
        Play(POUR);
        Play(SPLASH);
        Play(BY_DEFAULT);
        Place(MOTHER, 2);
        TurnToward(static_cast<int32_t>(MOTHER), KID);
        _EndMatch();
        _IfEvent(OnCallback(FIRST_CALLBACK));
        Dialog(SECOND_DIALOG);
        _EndMatch();
        _IfEvent(OnCallback(SECOND_CALLBACK));
        Play(SPLASH);
        _EndMatch();
    }

private:
    void Play(int32_t iSound)
    {
        AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_SOUND_EFFECT, Param::Sound(iSound));
    }
};

class SceneScriptNeedsTest : public ScriptManagerTest {
protected:
    SceneScriptNeedsTest() { manager.GetNodePool().ResetPool(); }

    ScriptNodeIndex Build()
    {
        ScriptNodePool& pool = manager.GetNodePool();
        pool.ResetPool();
        m_script = std::make_unique<NeedyLivingRoomScript>();
        m_script->SetOwner(&manager);
        m_script->LinkActorSets();
        m_script->LinkSoundGroups();
        const ScriptNodeIndex root = pool.AllocNode();
        ScriptTreeBuilder builder(pool, root);
        SceneScript::BuildScriptTree(m_script.get(), &builder);
        return root;
    }
    std::string Lines(const std::vector<UnmetNeed>& needs)
    {
        std::vector<std::string> lines;
        for (const UnmetNeed& need : needs)
            lines.push_back(need.handler + ": " + need.fault);
        return JoinedLines(lines);
    }

    const SceneDesc& scene = *Id::GetSceneDesc(LIVING_ROOM);
    std::unique_ptr<NeedyLivingRoomScript> m_script;
};

TEST_F(SceneScriptNeedsTest, TheSetsAndGroupsAChapterMayLoadAreThoseItsFlagsCanPick)
{
    const ScriptNodePool& pool = manager.GetNodePool();
    Build();
    const std::vector<ScriptNodeIndex> sets {m_script->GetActorSetCondition(0), m_script->GetActorSetCondition(1),
                                             m_script->GetActorSetCondition(2)};
    // The flag picks either chapter-1 set, never the default one.
    EXPECT_EQ(ChoicesInChapter(pool, sets, 1), (std::vector<int32_t> {0, 1}));
    EXPECT_EQ(ChoicesInChapter(pool, sets, 5), (std::vector<int32_t> {2}));
    EXPECT_EQ(ChoicesInChapter(pool, sets, 3), (std::vector<int32_t> {3}));
    const std::vector<ScriptNodeIndex> groups {m_script->GetSoundGroupCondition(0),
                                               m_script->GetSoundGroupCondition(1)};
    EXPECT_EQ(ChoicesInChapter(pool, groups, 5), (std::vector<int32_t> {1}));
    EXPECT_EQ(ChoicesInChapter(pool, groups, 2), (std::vector<int32_t> {2}));

    // A compound condition on the chapter alone is decided; one on a flag is not.
    EXPECT_EQ(HoldsInChapter(pool, sets[0], 5), false);
    EXPECT_EQ(HoldsInChapter(pool, sets[0], 1), std::nullopt);
}

TEST_F(SceneScriptNeedsTest, ASoundIsLoadedWhereItsHandlerRunsOrForAHandlerOfNoKnownChapterInSomeChapter)
{
    TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
    const std::optional<SoundCueBanks> cues = ReadSoundCueBanks("Sound/SoundPack.xgs", "Sound/SoundPack.xsb");
    ASSERT_TRUE(cues);
    EXPECT_EQ(cues->at(POUR), std::set<std::string> {"bg101_chapter_01"});
    EXPECT_EQ(cues->at(SPLASH), std::set<std::string> {"bg105_chapter_02"});
    EXPECT_EQ(cues->at(BY_DEFAULT), std::set<std::string> {"common"});
    EXPECT_FALSE(ReadSoundCueBanks("Sound/SoundPack.xgs", "Sound/missing.xsb"));

    const std::set<std::string> resident {"common", "stream"};
    const int32_t iChapterFive = NamedIds::SoundGroupIdOf("bg101_chapter_05");
    ChapterSupplies supplies;
    supplies.loads = {{iChapterFive, {"common", "stream", "bg101_chapter_05"}}};
    const std::set<std::string> everLoaded {"common", "stream", "bg101_chapter_01", "bg101_chapter_05"};
    const ScriptNodePool& pool = manager.GetNodePool();
    const ScriptNodeIndex root = Build();
    std::vector<std::vector<ChapterAction>> actions;
    for (const int32_t iChapter : {3, 5})
        actions.push_back(SoundAndDialogActions(pool, root, NodesInChapter(pool, root, iChapter), scene, iChapter));
    const DialogCallbacks dialogs {{FIRST_DIALOG, {FIRST_CALLBACK}}, {SECOND_DIALOG, {SECOND_CALLBACK}}};
    const std::set<uint32_t> sendable {FIRST_CALLBACK, SECOND_CALLBACK};
    // Only chapter 5 starts the first dialog, and so the second.
    const std::vector<SentCallbacks> sent = CallbacksSentByChapter(actions, {dialogs, dialogs}, sendable);
    EXPECT_EQ(sent[0].known, std::set<uint32_t> {});
    EXPECT_EQ(sent[0].maybe, std::set<uint32_t> {});
    EXPECT_EQ(sent[1].known, sendable);

    EXPECT_EQ(Lines(UnmetSoundNeeds(actions[1], sent[1], sendable, supplies, everLoaded, *cues)),
              "Look(Entity[0](bg101_BO_CastilloLivingRoom::windows),): plays sound 0x79AD3B64 from wave bank "
              "bg101_chapter_01, which its sound group 0x1D0F1A4D does not load\n"
              "Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),): plays sound 0x4343563C from wave bank "
              "bg105_chapter_02, which the scene never loads\n"
              "Dialog_CB(-904855550,): plays sound 0x4343563C from wave bank bg105_chapter_02, which its sound "
              "group 0x1D0F1A4D does not load\n");
    // In chapter 3 the callback is not sent; sent by no dialog of the group,
    // it could come in any chapter.
    supplies.loads = {{-1, resident}};
    EXPECT_EQ(Lines(UnmetSoundNeeds(actions[0], sent[0], sendable, supplies, everLoaded, *cues)),
              "Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),): plays sound 0x4343563C from wave bank "
              "bg105_chapter_02, which the scene never loads\n");
    EXPECT_EQ(Lines(UnmetSoundNeeds(actions[0], SentCallbacks {}, {}, supplies, everLoaded, *cues)),
              "Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),): plays sound 0x4343563C from wave bank "
              "bg105_chapter_02, which the scene never loads\n"
              "Dialog_CB(-904855550,): plays sound 0x4343563C from wave bank bg105_chapter_02, which the scene "
              "never loads\n");

    // The built living room's dialogs send their callbacks by chapter.
    const DialogCallbacks livingRoom = DialogCallbacksInChapter("scenes/bg101_BO_CastilloLivingRoom.dialogs.dat", 1);
    EXPECT_FALSE(livingRoom.empty());
    EXPECT_TRUE(DialogCallbacksInChapter("scenes/missing.dialogs.dat", 1).empty());
}

TEST_F(SceneScriptNeedsTest, AnActorMovedInACastWhoseFigureCannotMakeTheMoveIsReported)
{
    ChapterSupplies supplies;
    supplies.casts = {{"chapter_5", {{KID, {"is given no walk animation, though it holds g_walk_l", "", "", {}}}}},
                      {"default", {{MOTHER, {"", "is given idle animation g_idle_l, which it lacks", "", {}}}}}};
    const ScriptNodePool& pool = manager.GetNodePool();
    const ScriptNodeIndex root = Build();
    // The mother is placed in a cast that holds her; the kid walks only in
    // chapter 5's, and in chapter 3 nobody walks her.
    EXPECT_EQ(Lines(UnmetFigureNeeds(pool, root, NodesInChapter(pool, root, 5), scene, supplies)),
              "Look(Entity[0](bg101_BO_CastilloLivingRoom::windows),): walks tavrine_kid, whose figure in actor "
              "set \"chapter_5\" is given no walk animation, though it holds g_walk_l\n"
              "Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),): places bonita_c_chair, whose figure in actor "
              "set \"default\" is given idle animation g_idle_l, which it lacks\n"
              "Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),): turns bonita_c_chair, whose figure in actor "
              "set \"default\" is given idle animation g_idle_l, which it lacks\n");
    const ScriptNodeIndex chapterThree = Build();
    EXPECT_THAT(Lines(UnmetFigureNeeds(pool, chapterThree, NodesInChapter(pool, chapterThree, 3), scene, supplies)),
                testing::Not(HasSubstr("tavrine_kid")));

    // Figures given nothing to turn with, whatever their tables hold: the
    // walk and the turn are found, placing alone is not.
    const std::string still = "is given neither a walk nor an idle animation to turn with";
    supplies.casts = {{"chapter_5", {{KID, {"", "", still, {}}}}}, {"default", {{MOTHER, {"", "", still, {}}}}}};
    const ScriptNodeIndex stillOnes = Build();
    EXPECT_EQ(Lines(UnmetFigureNeeds(pool, stillOnes, NodesInChapter(pool, stillOnes, 5), scene, supplies)),
              "Look(Entity[0](bg101_BO_CastilloLivingRoom::windows),): walks tavrine_kid, whose figure in actor "
              "set \"chapter_5\" " +
                  still +
                  "\n"
                  "Look(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),): turns bonita_c_chair, whose figure in actor "
                  "set \"default\" " +
                  still + "\n");
}

TEST_F(SceneScriptNeedsTest, AnAnimationPlayedOnAnActorIsReportedInEachCastThatHoldsTheActorWithoutIt)
{
    const int32_t pick = Id::GetAnimationId(KID, "g_pickobjectlow01");
    const int32_t idle = Id::GetAnimationId(KID, "g_idle_l");
    ChapterSupplies supplies;
    supplies.casts = {{"chapter_5", {{KID, {"", "", "", {idle}}}}},
                      {"chapter_5_picking", {{KID, {"", "", "", {idle, pick}}}}},
                      {"default", {{MOTHER, {"", "", "", {}}}}}};
    const ScriptNodePool& pool = manager.GetNodePool();
    const ScriptNodeIndex root = Build();
    EXPECT_EQ(Lines(UnmetAnimationNeeds(pool, root, NodesInChapter(pool, root, 5), scene, supplies)),
              "Look(Entity[0](bg101_BO_CastilloLivingRoom::windows),): plays g_pickobjectlow01 on tavrine_kid, "
              "whose list in actor set \"chapter_5\" lacks it\n");
    EXPECT_EQ(Lines(UnmetAnimationNeeds(pool, root, NodesInChapter(pool, root, 3), scene, supplies)), "");
}

// The figures of the sample data, given their animations by a hand-made set.
class FigureMovesTest : public TestSupport::SampleScenePictureTest {
protected:
    // A set of one character with the animations of the given types.
    static ActorSet OneCharacter(std::vector<ActorSetAnimation> animations)
    {
        ActorSet set;
        set.m_iNumCharacterNames = 1;
        set.m_aNumAnimations[0] = static_cast<int32_t>(animations.size());
        set.m_apAnimations[0] = std::make_unique<ActorSetAnimation[]>(animations.size());
        std::copy(animations.begin(), animations.end(), set.m_apAnimations[0].get());
        return set;
    }

    TestSupport::LogCapture m_log;
};

TEST_F(FigureMovesTest, AFigureLacksAMoveItsSceneCouldGiveItNotOneItsTableHasNoCycleFor)
{
    const uint32_t heroine = ActorIdOf("tavrine");
    const char* pHeroine = "scenes/bg101/default/tavrine.dr";
    const std::optional<FigureMoves> both =
        ReadFigureMoves(pHeroine, heroine, OneCharacter({{2, "g_idle_l"}, {1, "g_walk_l"}}), 0);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->walk, "");
    EXPECT_EQ(both->idle, "");
    EXPECT_EQ(both->turn, "");

    // Her hand-made figure holds the walk cycle but not the stair climb.
    const std::optional<FigureMoves> idleOnly = ReadFigureMoves(pHeroine, heroine, OneCharacter({{2, "g_idle_l"}}), 0);
    EXPECT_EQ(idleOnly->walk, "is given no walk animation, though it holds g_walk_l");
    const std::optional<FigureMoves> stairs =
        ReadFigureMoves(pHeroine, heroine, OneCharacter({{1, "bbinnstartwalkstairs"}}), 0);
    EXPECT_EQ(stairs->walk, "is given walk animation bbinnstartwalkstairs, which it lacks");
    EXPECT_EQ(stairs->idle, "is given no idle animation, though it holds g_idle_l");

    // Diego's table has no walk cycle: nothing a scene could give him.
    const std::optional<FigureMoves> diego =
        ReadFigureMoves("scenes/bg002/default/diego.dr", ActorIdOf("diego"), OneCharacter({}), 0);
    ASSERT_TRUE(diego);
    EXPECT_EQ(diego->walk, "");
    EXPECT_EQ(diego->idle, "is given no idle animation, though it holds g_idle_l");
    EXPECT_EQ(diego->turn, "is given neither a walk nor an idle animation to turn with");
    EXPECT_EQ(idleOnly->turn, "");

    EXPECT_FALSE(ReadFigureMoves("scenes/bg101/default/nobody.dr", heroine, OneCharacter({}), 0));
    m_log.Take();
}

} // namespace
