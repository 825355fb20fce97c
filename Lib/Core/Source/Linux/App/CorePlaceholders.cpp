#include "App/CorePlaceholders.h"

namespace CorePlaceholder {
namespace {

bool s_bAllSoundPaused = false;

} // namespace

void PauseAllSound()
{
    s_bAllSoundPaused = true;
}

void ResumeAllSound()
{
    s_bAllSoundPaused = false;
}

bool IsAllSoundPaused()
{
    return s_bAllSoundPaused;
}

} // namespace CorePlaceholder
