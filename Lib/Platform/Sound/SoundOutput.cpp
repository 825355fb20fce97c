#include "Sound/SoundOutput.h"

#include <SDL.h>

#include <cstdlib>

namespace Platform {

void SelectSoundOutput(SoundOutput output, const char* filePath)
{
    switch (output) {
    case SoundOutput::Device: SDL_ResetHint(SDL_HINT_AUDIODRIVER); break;
    case SoundOutput::Silent: SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE); break;
    case SoundOutput::File:
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "disk", SDL_HINT_OVERRIDE);
        if (filePath)
            setenv("SDL_DISKAUDIOFILE", filePath, 1);
        break;
    }
}

} // namespace Platform
