#pragma once
#include <cstdint>

// Stand-ins for core services that are not built yet. Each names the call it
// stands for; each goes when its service arrives.
namespace CorePlaceholder {

// CoreSndPauseAll, CoreSndResumeAll and the sound engine's paused-all flag.
void PauseAllSound();
void ResumeAllSound();
bool IsAllSoundPaused();

} // namespace CorePlaceholder
