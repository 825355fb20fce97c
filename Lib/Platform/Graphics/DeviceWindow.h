#pragma once
#include <cstdint>

struct SDL_Window;

namespace Platform {

// The window operations the owner of a device needs. A null window has a
// size of 0 x 0 and cannot be resized.
void GetWindowClientSize(SDL_Window* window, uint32_t& width, uint32_t& height);
// Resizes the window so that its client area is width x height, placed as
// Window/WindowPlacement.h says.
void SetWindowClientSize(SDL_Window* window, uint32_t width, uint32_t height);
// Hides the pointer over the game's windows.
void HideCursor();

} // namespace Platform
