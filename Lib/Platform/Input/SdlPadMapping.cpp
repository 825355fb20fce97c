#include "Input/SdlPadMapping.h"

namespace Platform {
namespace {

struct ButtonBit {
    SDL_GameControllerButton button;
    uint16_t bit;
};

constexpr ButtonBit BUTTON_BITS[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, XINPUT_GAMEPAD_DPAD_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, XINPUT_GAMEPAD_DPAD_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, XINPUT_GAMEPAD_DPAD_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, XINPUT_GAMEPAD_DPAD_RIGHT},
    {SDL_CONTROLLER_BUTTON_START, XINPUT_GAMEPAD_START},
    {SDL_CONTROLLER_BUTTON_BACK, XINPUT_GAMEPAD_BACK},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, XINPUT_GAMEPAD_LEFT_THUMB},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, XINPUT_GAMEPAD_RIGHT_THUMB},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, XINPUT_GAMEPAD_LEFT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, XINPUT_GAMEPAD_RIGHT_SHOULDER},
    {SDL_CONTROLLER_BUTTON_A, XINPUT_GAMEPAD_A},
    {SDL_CONTROLLER_BUTTON_B, XINPUT_GAMEPAD_B},
    {SDL_CONTROLLER_BUTTON_X, XINPUT_GAMEPAD_X},
    {SDL_CONTROLLER_BUTTON_Y, XINPUT_GAMEPAD_Y},
};

// SDL counts y downwards; -32768 has no positive twin and becomes 32767.
int16_t Upwards(int16_t y)
{
    return y == INT16_MIN ? INT16_MAX : static_cast<int16_t>(-y);
}

uint8_t TriggerByte(int16_t value)
{
    if (value <= 0)
        return 0;
    return static_cast<uint8_t>(value * 255 / INT16_MAX);
}

} // namespace

PadState PadStateFromReading(const ControllerReading& reading)
{
    PadState state {};
    for (const ButtonBit& entry : BUTTON_BITS) {
        if (reading.buttons[entry.button])
            state.buttons |= entry.bit;
    }
    state.leftTrigger = TriggerByte(reading.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT]);
    state.rightTrigger = TriggerByte(reading.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT]);
    state.thumbLeftX = reading.axes[SDL_CONTROLLER_AXIS_LEFTX];
    state.thumbLeftY = Upwards(reading.axes[SDL_CONTROLLER_AXIS_LEFTY]);
    state.thumbRightX = reading.axes[SDL_CONTROLLER_AXIS_RIGHTX];
    state.thumbRightY = Upwards(reading.axes[SDL_CONTROLLER_AXIS_RIGHTY]);
    return state;
}

ControllerReading ReadController(SDL_GameController* controller)
{
    ControllerReading reading {};
    for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button)
        reading.buttons[button] =
            SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)) != 0;
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis)
        reading.axes[axis] = SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(axis));
    return reading;
}

} // namespace Platform
