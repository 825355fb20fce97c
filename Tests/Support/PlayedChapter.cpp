#include "Support/PlayedChapter.h"

#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <utility>

namespace TestSupport {

namespace {

using namespace std::chrono_literals;

const std::string START_MENU = "bg999_start_menu";
// Channel steps that the software OpenGL driver may round differently.
constexpr uint32_t PICTURE_TOLERANCE = 24;

// The kept folder's name: the test suite's without "Test", and the test's
// below it where the suite has several, so that no failure hides another's.
std::string KeptName()
{
    const testing::UnitTest& run = *testing::UnitTest::GetInstance();
    std::string name = run.current_test_info()->test_suite_name();
    if (name.ends_with("Test"))
        name.resize(name.size() - 4);
    if (run.current_test_suite()->total_test_count() > 1)
        name += std::string("/") + run.current_test_info()->name();
    return name;
}

} // namespace

GamePlayTest::GamePlayTest() : kept(folder, KeptName()), way(play, START_MENU)
{
    PrepareSmallGame(folder);
}

void GamePlayTest::PlayToTheEnd()
{
    TestSupport::PlayToTheEnd(folder, play, way);
}

StoryRecord GamePlayTest::RecordTheStoryAndPlayToTheEnd()
{
    return TestSupport::RecordTheStoryAndPlayToTheEnd(folder, play, way);
}

void PlayToTheEnd(const TempDir& folder, PlayScript& play, Way& way)
{
    play.Quit();
    way.Expect("Shutdown Application");
    ExpectThePlayWentItsWay(folder, play, way);
}

StoryRecord RecordTheStoryAndPlayToTheEnd(const TempDir& folder, PlayScript& play, Way& way)
{
    play.RecordStory();
    PlayToTheEnd(folder, play, way);
    return RecordedStory(folder);
}

void ContinueTheChapter(Way& way, const std::string& firstScene)
{
    PlayScript& play = way.Play();
    play.SkipToScene(START_MENU);
    play.WaitUntilInteractive();
    // The click on Start counts where it went down, though the pointer moved
    // on before the frame that reads it.
    const std::pair<const char*, ClickStyle> clicks[] = {{"main_logo", ClickStyle::Quick},
                                                         {"start", ClickStyle::QuickThenAway}};
    for (const auto& [button, style] : clicks) {
        play.Click(button, style);
        play.WaitUntilInteractive();
        way.Expect("Action \"Activate\" on \"" + START_MENU + ":" + button);
    }
    play.Click("slot1", ClickStyle::Held);
    way.Expect("Action \"Activate\" on \"" + START_MENU + ":slot1");
    way.Arrive(firstScene);
}

void ExpectThePlayWentItsWay(const TempDir& folder, PlayScript& play, const Way& way)
{
    const pid_t game = StartGamePlayedBy(folder, "play", play, true);
    ASSERT_EQ(WaitForExit(game, 600s), 0) << ReadFileText(folder / "play.out");
    const std::string transcript = ReadFileText(folder / "play.txt");
    const std::string log = ReadFileText(folder / "log.txt");
    ASSERT_EQ(transcript.find("FAILED"), std::string::npos) << transcript << log;
    EXPECT_NE(transcript.find("the play is over"), std::string::npos) << transcript;
    EXPECT_EQ(log.find("ASSERT\n"), std::string::npos) << log;
    EXPECT_EQ(CharactersStandingStill(log), "");
    // The game's own account of what the pointer picked and the verbs and
    // items used on it.
    EXPECT_TRUE(InOrder(log, way.Log()));
}

void ExpectPicturesAsReferenced(const TempDir& folder, const std::string& references,
                                std::initializer_list<const char*> pictures)
{
    for (const char* picture : pictures) {
        Platform::RgbaImage image;
        ASSERT_TRUE(ReadPng(folder / (std::string(picture) + ".png"), image)) << picture;
        EXPECT_TRUE(MatchesGoldenImage(image, references + "/" + picture, PICTURE_TOLERANCE));
    }
}

} // namespace TestSupport
