#include "Support/PlayerInput.h"

#include "Input/InputPointer.h"
#include "Input/PointerMapping.h"

namespace TestSupport {
namespace {

// The virtual screen's size in 20.12 units.
constexpr int64_t SCREEN_WIDTH = 256LL << FX32_SHIFT;
constexpr int64_t SCREEN_HEIGHT = 192LL << FX32_SHIFT;

} // namespace

WindowPixel PixelOf(ScreenPoint point, int32_t width, int32_t height)
{
    const int64_t areaWidth = int64_t(height) * 4 / 3;
    const int64_t margin = (width - areaWidth) / 2;
    // Rounded down: the pixel whose span holds the point.
    const auto floorDiv = [](int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    return {int32_t(margin + floorDiv(point.x * areaWidth, SCREEN_WIDTH)),
            int32_t(floorDiv(point.y * int64_t(height), SCREEN_HEIGHT))};
}

std::optional<ScreenPoint> SeenAt(WindowPixel pixel, int32_t width, int32_t height)
{
    int32_t x = 0;
    int32_t y = 0;
    if (!ClientToPointer(pixel.x, pixel.y, width, height, x, y))
        return std::nullopt;
    const uint32_t pointer = InputPackPointer(x, y);
    return ScreenPoint {InputPointerVirtualX(pointer), InputPointerVirtualY(pointer)};
}

void PlayerInput::Attach(SDL_Window* window)
{
    m_windowId = window ? SDL_GetWindowID(window) : 0;
}

void PlayerInput::MoveTo(WindowPixel pixel)
{
    SDL_Event event {};
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.windowID = m_windowId;
    event.motion.state = m_buttons;
    event.motion.x = pixel.x;
    event.motion.y = pixel.y;
    event.motion.xrel = pixel.x - m_pointer.x;
    event.motion.yrel = pixel.y - m_pointer.y;
    m_pointer = pixel;
    SDL_PushEvent(&event);
}

void PlayerInput::Press(uint8_t button)
{
    Button(button, true);
}

void PlayerInput::Release(uint8_t button)
{
    Button(button, false);
}

void PlayerInput::Button(uint8_t button, bool down)
{
    SDL_Event event {};
    event.button.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = m_windowId;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = m_pointer.x;
    event.button.y = m_pointer.y;
    if (down)
        m_buttons |= SDL_BUTTON(button);
    else
        m_buttons &= ~SDL_BUTTON(button);
    SDL_PushEvent(&event);
}

void PlayerInput::Key(SDL_Scancode key, bool down)
{
    SDL_Event event {};
    event.key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = m_windowId;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = key;
    event.key.keysym.sym = SDL_GetKeyFromScancode(key);
    SDL_PushEvent(&event);
}

} // namespace TestSupport
