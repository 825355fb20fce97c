#include "Window/WindowPlacement.h"

#include <SDL.h>

#include <algorithm>

namespace Platform {
namespace {

void CentreOnDisplay(SDL_Window* window)
{
    const int display = SDL_GetWindowDisplayIndex(window);
    SDL_Rect usable {};
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0)
        return;
    // Without a window manager, or with one that does not tell, the frame
    // is the client area.
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    const int frameWidth = left + width + right;
    const int frameHeight = top + height + bottom;
    const int x = usable.x + std::max(0, (usable.w - frameWidth) / 2) + left;
    const int y = usable.y + std::max(0, (usable.h - frameHeight) / 2) + top;
    SDL_SetWindowPosition(window, x, y);
}

} // namespace

void ResizeWindowClientArea(SDL_Window* window, int width, int height)
{
    if (!window)
        return;
    int oldWidth = 0;
    int oldHeight = 0;
    SDL_GetWindowSize(window, &oldWidth, &oldHeight);
    if (oldWidth == width && oldHeight == height)
        return;
    SDL_SetWindowSize(window, width, height);
    // The window was placed for its old size.
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0)
        CentreOnDisplay(window);
}

} // namespace Platform
