#pragma once

struct SDL_Window;

namespace Platform {

// Gives a window a client area of width x height. A window in a window gets
// a new place with its new size: the middle of its display's usable area, its
// frame kept within that area as far as it fits, so that it never reaches off
// the screen and its title bar stays in reach. A window that already has the
// size keeps its place; a full screen one only keeps the size for later.
void ResizeWindowClientArea(SDL_Window* window, int width, int height);

} // namespace Platform
