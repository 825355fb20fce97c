#pragma once
#include "Input/KeyCodes.h"

#include <SDL.h>

namespace Platform {

// The key code of the keyboard state for an SDL scancode; KEY_NONE for a key
// that the keyboard state has no place for.
KeyCode KeyCodeFromScancode(SDL_Scancode scancode);

} // namespace Platform
