#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

namespace Platform {
class SoundEngine;
struct SoundCue;
struct SoundNotification;
} // namespace Platform

// The core's sound layer: one engine made from the global settings
// "Sound/SoundPack.xgs" and the sound bank "Sound/SoundPack.xsb", a stack of
// wave banks (loaded whole, or the one streamed bank "sound/stream.xwb"), and
// sixteen numbered players bound to sound categories. All state is global;
// everything runs on the main thread but the engine's cue-stop notification.

constexpr int SOUND_PLAYER_MAX = 16;
constexpr int GROUP_STACK_SIZE = 16;
constexpr uint16_t SOUND_CUE_NONE = 0xFFFF;

// 0 on success, -1 (after its assert report) on any failure.
int CoreSndInitWithBuffer();
// The engine's callback: a stopped cue is no longer its players' cue.
void CoreSndOnNotification(const Platform::SoundNotification* notification);
// Per frame: the engine's work, and the end of cues that no player holds any
// more once they have stopped.
void CoreSndDoWork();
// Shuts everything down; harmless when the engine was never made.
void CoreSndDestroy();

// Pushes the wave bank name + ".xwb" loaded whole into memory.
bool CoreSndLoadGroup(const char* name);
// Pushes the streamed wave bank "sound/stream.xwb".
bool CoreSndLoadStreamGroup();
// Sets the group mark on the top entry: the next CoreSndUnloadGroup pops
// down to it and no further.
void CoreSndMarkTopGroup();
// Pops the entries above the last mark (clearing that mark).
void CoreSndUnloadGroup();
// Pops every entry.
void CoreSndFreeAllMemory();
int CoreSndGroupDepth();
bool CoreSndIsGroupMarked(int level);

// When the application loses or gains activation; the paused flag is what
// the game reads as the application being inactive.
void CoreSndPauseAll();
void CoreSndResumeAll();
bool CoreSndIsPaused();

// Binds the first free player to a category ("Effects", "Voices", "Musics",
// "Ambients"); -1 when all are bound.
int CoreSndPlayerInit(const char* category);
void CoreSndPlayerTerm(int iPlayerID);
// Plays the cue; a cue still playing from an earlier call plays out.
void CoreSndPlayerPlay(int iPlayerID, uint16_t cueIndex);
// Stops the current cue with its release phase.
void CoreSndPlayerStop(int iPlayerID);
// Destroys the current cue.
void CoreSndPlayerClose(int iPlayerID);
// Sets the volume (4096 = full) of the player's category: every player of
// that category.
void CoreSndPlayerSetVolume(int iPlayerID, fx32 volume);
// Places the player's current cue from left (-4096) to right (4096).
void CoreSndPlayerSetPan(int iPlayerID, fx32 pan);

// The engine (null when none) and a player's current cue.
Platform::SoundEngine* CoreSndGetEngine();
Platform::SoundCue* CoreSndPlayerCue(int iPlayerID);
