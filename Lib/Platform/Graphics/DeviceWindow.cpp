#include "Graphics/DeviceWindow.h"

#include "Window/WindowPlacement.h"

#include <SDL.h>

namespace Platform {

void GetWindowClientSize(SDL_Window* window, uint32_t& width, uint32_t& height)
{
    int clientWidth = 0;
    int clientHeight = 0;
    if (window)
        SDL_GetWindowSize(window, &clientWidth, &clientHeight);
    width = uint32_t(clientWidth);
    height = uint32_t(clientHeight);
}

void SetWindowClientSize(SDL_Window* window, uint32_t width, uint32_t height)
{
    ResizeWindowClientArea(window, int(width), int(height));
}

void HideCursor()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(SDL_DISABLE);
}

} // namespace Platform
