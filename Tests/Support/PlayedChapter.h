#pragma once
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/StoryRecord.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace TestSupport {

// A test of the real game as a player plays it, small and fast, in a folder
// of its own that the test writes its slot into, from the start menu on;
// what the play did is kept under PlayFailures/<the test suite's name without
// "Test"> (and /<the test's name> in a suite of several) when the test fails.
class GamePlayTest : public testing::Test {
protected:
    GamePlayTest();

    // As the free functions below, on this test's play.
    void PlayToTheEnd();
    StoryRecord RecordTheStoryAndPlayToTheEnd();

    TempDir folder;
    KeptOnFailure kept;
    PlayScript play;
    Way way;
};

// From the start menu, the first slot continued: the chapter's start, which
// the test wrote there, comes up in its first scene; no new game begins.
void ContinueTheChapter(Way& way, const std::string& firstScene);

// Esc and the quit box's line, and the game played as the play goes: as
// ExpectThePlayWentItsWay.
void PlayToTheEnd(const TempDir& folder, PlayScript& play, Way& way);

// The story recorded where the play stands ("story.txt"), then the play
// played to its end: the story as it stood, to be trusted only when the play
// did not fail fatally.
StoryRecord RecordTheStoryAndPlayToTheEnd(const TempDir& folder, PlayScript& play, Way& way);

// The real game played by the play in the folder, small and fast, to its
// end: no step failed, no engine assert, no character stood still for want
// of an animation, and the game's log shows the way's lines in order. Fails
// (fatally) when the game does not end in time.
void ExpectThePlayWentItsWay(const TempDir& folder, PlayScript& play, const Way& way);

// The pictures the play took, each compared with its reference in the
// folder of references (such as "Engine/PC/ChapterTwoPlay").
void ExpectPicturesAsReferenced(const TempDir& folder, const std::string& references,
                                std::initializer_list<const char*> pictures);

} // namespace TestSupport
