#pragma once
#include "Input/PadState.h"

#include <SDL.h>

#include <cstdint>

namespace Platform {

// What SDL reports of a game controller, one entry per SDL button and axis.
struct ControllerReading {
    bool buttons[SDL_CONTROLLER_BUTTON_MAX];
    int16_t axes[SDL_CONTROLLER_AXIS_MAX];
};

// The pad state for a controller reading: SDL's buttons on their pad bits
// (the guide and extra buttons have none), the sticks with y turned upwards
// and the triggers scaled to 0..255.
PadState PadStateFromReading(const ControllerReading& reading);

// Reads a controller's current buttons and axes from SDL.
ControllerReading ReadController(SDL_GameController* controller);

} // namespace Platform
