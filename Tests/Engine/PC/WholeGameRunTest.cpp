// The whole game's recorded play-through as "velmarsh -autotest" replays it
// from the data folder: a new game from the start menu, the ten chapters in
// order and the credits, in one run of the game headless, unpaced.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Interface/Common/QuestTable.h"
#include "ScriptEngine/common/AutoTestRecording.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/LogCapture.h"
#include "Support/PlayScript.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TestSupport::ReadFileText;
using TestSupport::SceneLoadLine;
using TestSupport::StoryRecord;

const std::string LOADING_SCREEN = "bg993_Loading_placeholder";

// Each chapter's end as its own play-through checks it.
void (*const CHAPTER_ENDED[])(const StoryRecord&) = {
    TestSupport::ExpectChapterOneEnded,   TestSupport::ExpectChapterTwoEnded,   TestSupport::ExpectChapterThreeEnded,
    TestSupport::ExpectChapterFourEnded,  TestSupport::ExpectChapterFiveEnded,  TestSupport::ExpectChapterSixEnded,
    TestSupport::ExpectChapterSevenEnded, TestSupport::ExpectChapterEightEnded, TestSupport::ExpectChapterNineEnded,
    TestSupport::ExpectChapterTenEnded,
};

std::string FirstSceneOf(int32_t chapter)
{
    return Id::GetSceneDesc(ChapterStartOf(chapter)->iSceneId)->m_pName;
}

std::string Numbered(const std::string& name, int32_t chapter)
{
    return name + std::to_string(chapter);
}

// The numbers of the story, without the engine's own record of the scene,
// the state before it and the playing character.
std::map<std::string, int> StoryNumbers(const StoryRecord& story)
{
    std::map<std::string, int> numbers = story.numbers;
    std::erase_if(numbers, [](const auto& number) { return number.first.starts_with("VARINT_C_"); });
    return numbers;
}

// The story as the loading screen's click took it into the chapter's first
// scene: what the click sets (the chapter, the island the boat lies at and
// the heroine who plays) as the chapter's start has it, all else as the
// chapter before left it. Each chapter's end checks that it leaves what the
// next start holds, where the story sets it.
void ExpectCarriedOver(const StoryRecord& before, const StoryRecord& start, int32_t chapter)
{
    SCOPED_TRACE("the start of chapter " + std::to_string(chapter));
    const ChapterStart* menuStart = ChapterStartOf(chapter);
    EXPECT_EQ(start.scene, FirstSceneOf(chapter));
    EXPECT_EQ(start.character, Id::GetActorName(menuStart->uPlayingCharacter));
    std::map<std::string, int> expected = StoryNumbers(before);
    for (const IntSetting& setting : menuStart->ints)
        if (setting.iVarId == VARINT_CURRENT_CHAPTER || setting.iVarId == VARINT_LOCAL_ISLAND_MAP)
            expected[Id::GetVarIntName(setting.iVarId)] = setting.iValue;
    std::erase_if(expected, [](const auto& number) { return number.second == 0; });
    EXPECT_EQ(StoryNumbers(start), expected);
    for (const std::string& flag : before.flags)
        EXPECT_EQ(start.flags.count(flag), 1u) << flag;
    // Each heroine has her own things.
    if (start.character == before.character) {
        EXPECT_EQ(start.items, before.items);
    }
}

// Whether the flag opens an entry of the quest log.
bool OpensAQuest(const std::string& flag)
{
    const auto& quests = GetQuestTable();
    return std::any_of(quests.begin(), quests.end(),
                       [&flag](const QuestRow& row) { return flag == Id::GetVarBoolName(row.m_iOpenFlag); });
}

// The chapter's end as its own run, from the chapter menu's start, would
// have it. The story's start of the chapter differs from the menu's by the
// flags that only the chapter menu sets, which the end check of the chapter
// before names: here they are set. It differs too by flags of earlier
// chapters that the menu's start leaves out, where a chapter's end check
// takes them for the next menu's alone or the quest log's entries for the
// chapter's own: here they are not.
StoryRecord AsFromTheMenuStart(StoryRecord end, const StoryRecord& start, int32_t chapter)
{
    const std::set<std::string> menuFlags = TestSupport::ChapterStartFlags(chapter);
    const std::set<std::string> nextMenuFlags = TestSupport::ChapterStartFlags(chapter + 1);
    for (const std::string& flag : start.flags)
        if (!menuFlags.count(flag) && (nextMenuFlags.count(flag) || OpensAQuest(flag)))
            end.flags.erase(flag);
    for (const std::string& flag : menuFlags)
        if (!start.flags.count(flag))
            end.flags.insert(flag);
    return end;
}

TEST(WholeGameRunTest, ANewGamePlaysEveryChapterInOrderThroughTheCreditsInOneRun)
{
    TestSupport::TempDir folder;
    TestSupport::PrepareSmallGame(folder);
    const uint32_t recordCount =
        TestSupport::WriteAutoTestRecording(folder, TestSupport::SourceDir() / "Content/AutoTest/Recording.txt");
    ASSERT_GT(recordCount, 0u);
    // The game's data holds the same recording.
    ASSERT_EQ(TestSupport::ReadFileBytes(folder / AUTOTEST_RECORDING_FILE),
              TestSupport::ReadFileBytes(TestSupport::DataDir() / AUTOTEST_RECORDING_FILE));
    AutoTestRecording recording;
    ASSERT_TRUE(recording.Load((folder / AUTOTEST_RECORDING_FILE).c_str()));
    const auto answers =
        std::count_if(recording.GetEvents().begin(), recording.GetEvents().end(),
                      [](const EventDesc& event) { return event.m_eType == TwEventType_Dialog_AutoTest; });

    // The play only watches: the story as each chapter's first scene comes up
    // and on each loading screen, and the credits through to their end.
    TestSupport::PlayScript watch;
    std::vector<std::string> ordered = {
        "AutoTest: " + std::to_string(recordCount) + " recorded events", SceneLoadLine("bg999_start_menu"),
        "Activate(Entity[8](bg999_start_menu::slot1),)", "Before Movie Init", SceneLoadLine("bg902_Controls")};
    for (int32_t chapter = FIRST_STARTED_CHAPTER; chapter <= LAST_STARTED_CHAPTER; ++chapter) {
        watch.WatchForScene(FirstSceneOf(chapter));
        watch.RecordStory(Numbered("start", chapter));
        watch.WatchForScene(LOADING_SCREEN);
        watch.RecordStory(Numbered("end", chapter));
        ordered.insert(ordered.end(), {SceneLoadLine(FirstSceneOf(chapter)), SceneLoadLine(LOADING_SCREEN),
                                       "bg993_Loading_placeholder::clique),)"});
    }
    watch.WatchAMiniGameToItsEnd();
    ordered.insert(ordered.end(), {"Before MG Init", "AutoTest: " + std::to_string(recordCount) + " events played in ",
                                   "AutoTest: the recording is over, every check passed: the game ends",
                                   "FINAL MEMORY DUMP BEFORE EXIT MAIN"});

    const auto started = std::chrono::steady_clock::now();
    const pid_t game = TestSupport::StartAutoTestRun(folder, "autotest", &watch);
    ASSERT_EQ(TestSupport::WaitForExit(game, 1200s), 0) << ReadFileText(folder / "autotest.out");
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started);

    const std::string log = ReadFileText(folder / "log.txt");
    EXPECT_TRUE(TestSupport::InOrder(log, ordered));
    TestSupport::ExpectEveryRecordPlayedOnce(log, recordCount, static_cast<uint32_t>(answers));
    const std::string watched = ReadFileText(folder / "play.txt");
    ASSERT_EQ(watched.find("FAILED"), std::string::npos) << watched;

    // Chapter 1 starts as a new game; each chapter ends as its own run
    // checks, and the next starts from where it ended.
    std::vector<StoryRecord> starts, ends;
    for (int32_t chapter = FIRST_STARTED_CHAPTER; chapter <= LAST_STARTED_CHAPTER; ++chapter) {
        starts.push_back(TestSupport::RecordedStory(folder, Numbered("start", chapter)));
        ends.push_back(TestSupport::RecordedStory(folder, Numbered("end", chapter)));
    }
    EXPECT_EQ(starts[0].character, "tavrine_kid");
    EXPECT_EQ(starts[0].numbers.at("VARINT_CURRENT_CHAPTER"), 1);
    // The kid's chapter hands over to the grown heroine, whose own start the
    // story sets whole but for the bounty island's map flag, which nothing
    // reads and only the world map sets.
    TestSupport::ExpectChapterStartHolds(starts[1], 2, {"VARBOOL_PICK_BO_MAP"});
    for (int32_t chapter = FIRST_STARTED_CHAPTER; chapter <= LAST_STARTED_CHAPTER; ++chapter) {
        const size_t index = static_cast<size_t>(chapter - FIRST_STARTED_CHAPTER);
        SCOPED_TRACE("the end of chapter " + std::to_string(chapter));
        CHAPTER_ENDED[index](AsFromTheMenuStart(ends[index], starts[index], chapter));
        if (chapter < LAST_STARTED_CHAPTER)
            ExpectCarriedOver(ends[index], starts[index + 1], chapter + 1);
    }

    // The replay's report of its frames, and the run's time, for the record.
    std::smatch report;
    ASSERT_TRUE(std::regex_search(log, report, std::regex(R"(AutoTest: \d+ events played in (\d+) frames)")));
    RecordProperty("frames", report[1].str());
    RecordProperty("seconds", std::to_string(seconds.count()));
}

} // namespace
