#pragma once
#include "Maths/Fx32.h"

#include <SDL.h>

#include <cstdint>
#include <optional>

namespace TestSupport {

// A point of the virtual screen: 256 x 192 units in 20.12 fixed point.
struct ScreenPoint {
    fx32 x = 0;
    fx32 y = 0;
};

// A pixel of a window's client area.
struct WindowPixel {
    int32_t x = 0;
    int32_t y = 0;
};

// The pixel of a window of that size that holds the point: the game shows
// the virtual screen in the window's centred 4:3 area, the full height high.
WindowPixel PixelOf(ScreenPoint point, int32_t width, int32_t height);
// Where the game sees the pointer on that pixel, as its input reads it;
// none outside the window.
std::optional<ScreenPoint> SeenAt(WindowPixel pixel, int32_t width, int32_t height);

// A player's mouse and keyboard on the game's window: events pushed to SDL's
// queue, which the window's pump hands to the real input devices at the end
// of the frame, as it hands them what a person does.
class PlayerInput {
public:
    // The window the events go to; the pointer stays where it was.
    void Attach(SDL_Window* window);

    void MoveTo(WindowPixel pixel);
    // SDL_BUTTON_LEFT or SDL_BUTTON_RIGHT, at the pointer.
    void Press(uint8_t button);
    void Release(uint8_t button);
    void Key(SDL_Scancode key, bool down);

    WindowPixel Pointer() const { return m_pointer; }
    bool IsHeld(uint8_t button) const { return (m_buttons & SDL_BUTTON(button)) != 0; }

private:
    void Button(uint8_t button, bool down);

    uint32_t m_windowId = 0;
    WindowPixel m_pointer;
    uint32_t m_buttons = 0;
};

} // namespace TestSupport
