#pragma once
#include <cstdint>

namespace Platform {

// Button bits of a pad state.
constexpr uint16_t XINPUT_GAMEPAD_DPAD_UP = 0x0001;
constexpr uint16_t XINPUT_GAMEPAD_DPAD_DOWN = 0x0002;
constexpr uint16_t XINPUT_GAMEPAD_DPAD_LEFT = 0x0004;
constexpr uint16_t XINPUT_GAMEPAD_DPAD_RIGHT = 0x0008;
constexpr uint16_t XINPUT_GAMEPAD_START = 0x0010;
constexpr uint16_t XINPUT_GAMEPAD_BACK = 0x0020;
constexpr uint16_t XINPUT_GAMEPAD_LEFT_THUMB = 0x0040;
constexpr uint16_t XINPUT_GAMEPAD_RIGHT_THUMB = 0x0080;
constexpr uint16_t XINPUT_GAMEPAD_LEFT_SHOULDER = 0x0100;
constexpr uint16_t XINPUT_GAMEPAD_RIGHT_SHOULDER = 0x0200;
constexpr uint16_t XINPUT_GAMEPAD_A = 0x1000;
constexpr uint16_t XINPUT_GAMEPAD_B = 0x2000;
constexpr uint16_t XINPUT_GAMEPAD_X = 0x4000;
constexpr uint16_t XINPUT_GAMEPAD_Y = 0x8000;

// A left-stick deflection at or below this counts as resting.
constexpr int16_t XINPUT_GAMEPAD_LEFT_THUMB_DEADZONE = 7849;

// Pads are read by user slot, 0 to 3.
constexpr int PAD_SLOT_COUNT = 4;

// One read of a pad: the button bits, the two triggers (0..255) and the two
// sticks (-32768..32767, x to the right and y upwards).
struct PadState {
    uint16_t buttons;
    uint8_t leftTrigger;
    uint8_t rightTrigger;
    int16_t thumbLeftX;
    int16_t thumbLeftY;
    int16_t thumbRightX;
    int16_t thumbRightY;
};

} // namespace Platform
