#pragma once
#include <cstdint>

namespace Platform {

// One read of the mouse: the motion since the previous read, the wheel turn
// (120 a notch) and eight button bytes (bit 7 = down). Button 0 is the
// physical left button, 1 the right one, 2 the middle one, then the extra
// buttons; the user's swapped-buttons setting is not applied here.
struct MouseState {
    int32_t x;
    int32_t y;
    int32_t wheel;
    uint8_t buttons[8];
};
static_assert(sizeof(MouseState) == 20);

constexpr int MOUSE_BUTTON_COUNT = 8;
constexpr int32_t MOUSE_WHEEL_NOTCH = 120;

} // namespace Platform
