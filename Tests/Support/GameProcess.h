#pragma once
#include "Support/PlayScript.h"
#include "Support/ScriptedInputDevices.h"
#include "Support/TestPaths.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace TestSupport {

// Starts the real program headless in folder with its output in
// folder/<name>.out. The lock of the single-instance guard lives in folder
// too (XDG_RUNTIME_DIR), so that tests never meet a game running on the
// machine.
pid_t StartGame(const TempDir& folder, const std::string& name, const std::vector<std::string>& arguments = {},
                const char* audioDriver = "dummy");

// Runs the game's start-up, main loop and shutdown, as the program does, in
// a child of the test process in folder, its input played from devices; its
// log goes to folder/log.txt. The frames are not paced (UnpacedClock.h).
pid_t StartGameWithInput(const TempDir& folder, const std::string& name, ScriptedInputDevices& devices);

// The same as the program under "-autotest", which plays the recording in
// folder by itself, with unpaced frames. A watching play sees each frame on
// OpenGL as a player's play does; it may wait and record the story, but it
// must not act, and its clock is not the game's.
pid_t StartAutoTestRun(const TempDir& folder, const std::string& name, PlayScript* watching = nullptr);

// The recording compiled from its source into the folder's "autotest.dat",
// which the game under "-autotest" plays; the number of its records, or 0
// when the source is refused (with the reason as a test failure).
uint32_t WriteAutoTestRecording(const TempDir& folder, const std::filesystem::path& source);

// The same for a recording of Content/AutoTest (such as one chapter's) played
// from the start menu's first slot, as the game starts.
uint32_t WriteFirstSlotRecording(const TempDir& folder, const std::string& recording);

// The same with the real SDL input devices, played by the script through SDL
// events, on the script's clock and on OpenGL that hands it each frame; at
// the recorded run's four-times speed when `fast`, so that a long play takes
// fewer frames.
pid_t StartGamePlayedBy(const TempDir& folder, const std::string& name, PlayScript& play, bool fast = false);

// The exit status, or -1000 when the process has not ended in time (it is
// then killed).
int WaitForExit(pid_t child, std::chrono::milliseconds timeout);

// Whether the file comes to hold the text before the time is out.
bool WaitForText(const std::filesystem::path& path, const std::string& text, std::chrono::milliseconds timeout);

std::vector<std::string> Lines(const std::string& text);

// Copies the sample data folder's files (the common pack, sounds, scenes,
// texts, fonts, movies, mini-game packs and attachments) into folder.
void CopySampleData(const TempDir& folder);

// The sample data and a small window, which keeps the software renderer's
// frames short: the folder a played-through game runs in.
void PrepareSmallGame(const TempDir& folder);

// Clicks that skip the two splash logos: one on the first, one on the second
// once the first has faded out (0.7 s of frames of 16 to 48 ms).
void SkipSplash(ScriptedInputDevices& devices);

} // namespace TestSupport
