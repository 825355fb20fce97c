#pragma once
#include "Support/StoryRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace TestSupport {

// A chapter's recorded play-through: its own play in Content/AutoTest
// (played after the start menu's first slot), the scene that the chapter's
// start slot continues in, how many of its records are talk answers (the
// talk screen takes them without a log line of their own), the lines that
// the log holds in this order between that scene's load and the loading
// screen's, a scene on the way where the story is noted as it first comes
// up (none: empty), and whether the loading screen's click starts the
// credits (the last chapter).
struct ChapterRun {
    int32_t chapter;
    std::string recording;
    std::string firstScene;
    uint32_t answers;
    std::vector<std::string> ordered;
    std::string notedScene = {};
    bool toTheCredits = false;
};

// What a run leaves for the chapter's own checks: the game's log and the
// story as the first scene came up, as the noted scene did and on the
// loading screen.
struct ChapterRunOutcome {
    std::string log;
    StoryRecord start;
    StoryRecord noted;
    StoryRecord end;
};

// Replays the recording headless as the program runs it under "-autotest",
// from the chapter's start slot (continued from the start menu's first slot)
// to the loading screen, where the game ends by itself. Checks what every
// chapter's run must hold: the lines in order, every record played once as a
// player could have, no assert, no scene refused, no character standing still
// for want of an animation, the story noted at both ends in the chapter, and
// "save.dat" as the test wrote it. A run that cannot start or does not end is
// a fatal failure and gives nothing.
std::optional<ChapterRunOutcome> RunChapterRecording(const ChapterRun& run);

// What a replay's log must hold: every record played once, as a player could
// have (the talk screen takes its answers without a line of their own; the
// scripts' own events, such as a guard walking over a watched spot, are
// logged beside the records), no assert, no scene refused and no character
// asked for an animation its scene does not give it.
void ExpectEveryRecordPlayedOnce(const std::string& log, uint32_t records, uint32_t answers);

} // namespace TestSupport
