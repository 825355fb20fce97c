// The turtle path on Turtle island as a player plays it: the real program
// with its SDL input, from chapter 10's start on the path, played by mouse at
// the places of the scene's own objects: the arrival with Tanama and Uncle
// Eduardo, the turtle door tried by hand, the turtle puzzle on the altar lost
// on the clock and left, then tried again and won by stacking the turtles,
// which opens the door, and the way down into the turtle chamber.
#include "Common/NamedIds.h"
#include "Common/VarIds.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/ChapterStartSlot.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using TestSupport::Verb;
using TestSupport::Way;

const std::string PATH = "bg508_TU_TurtlePath";
const std::string CHAMBER = "bg509_TU_TurtleChamber";

// The puzzle started from the altar, played as the play says; then back on
// the path, by the altar.
void AtTheAltar(Way& way, const std::function<void(TestSupport::PlayScript&)>& playThePuzzle)
{
    way.Start("turtle_altar", Verb::Activate);
    way.Expect("Before MG Init");
    playThePuzzle(way.Play());
    way.Expect("After MG Shutdown");
    way.Arrive(PATH);
}

using TurtlePathPlayTest = TestSupport::GamePlayTest;

TEST_F(TurtlePathPlayTest, TheDoorOpensToTheTurtlesStackedOnTheAltarPlayedByMouseFromChapterTensStart)
{
    ASSERT_TRUE(TestSupport::WriteSlot(folder, *ChapterStartOf(10)));

    TestSupport::ContinueTheChapter(way, PATH);
    way.Do("turtle_door", Verb::Activate);
    // Go on; lost on the clock; Quit.
    AtTheAltar(way, [](TestSupport::PlayScript& puzzle) {
        for (const int32_t button : {0, 0})
            puzzle.ChooseInMiniGameBox(button);
        puzzle.WaitForMiniGameEnd();
    });
    play.Screenshot("puzzle_lost");
    AtTheAltar(way, [](TestSupport::PlayScript& puzzle) { puzzle.PlayTurtleDoorPuzzle(); });
    play.Screenshot("door_open");
    way.Leave("goto_bg509", CHAMBER, TestSupport::Exit::Hotspot);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, CHAMBER);
    for (const char* flag : {"VARBOOL_BG508_C10_EVENT_WERE_HERE", "VARBOOL_TU_MAP_BG508",
                             "VARBOOL_BG508_C10_PUZZLE_SUCCESS", "VARBOOL_BG508_C10_TURTLE_DOOR_OPEN"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    EXPECT_FALSE(story.flags.contains("VARBOOL_C_CHEAT_MINIGAME"));
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/TurtlePathPlay", {"puzzle_lost", "door_open"});
}

} // namespace
