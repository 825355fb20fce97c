#include "Input/SdlPadMapping.h"

#include <gtest/gtest.h>

namespace {

using namespace Platform;

TEST(SdlPadMappingTest, ButtonsLandOnTheirPadBits)
{
    ControllerReading reading {};
    reading.buttons[SDL_CONTROLLER_BUTTON_A] = true;
    reading.buttons[SDL_CONTROLLER_BUTTON_Y] = true;
    reading.buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT] = true;
    reading.buttons[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER] = true;
    reading.buttons[SDL_CONTROLLER_BUTTON_BACK] = true;
    reading.buttons[SDL_CONTROLLER_BUTTON_GUIDE] = true;
    EXPECT_EQ(PadStateFromReading(reading).buttons, XINPUT_GAMEPAD_A | XINPUT_GAMEPAD_Y | XINPUT_GAMEPAD_DPAD_LEFT |
                                                        XINPUT_GAMEPAD_RIGHT_SHOULDER | XINPUT_GAMEPAD_BACK);

    ControllerReading all {};
    for (bool& button : all.buttons)
        button = true;
    EXPECT_EQ(PadStateFromReading(all).buttons, 0xF3FF);
}

TEST(SdlPadMappingTest, SticksPointUpAndTriggersFitInAByte)
{
    ControllerReading reading {};
    reading.axes[SDL_CONTROLLER_AXIS_LEFTX] = -32768;
    reading.axes[SDL_CONTROLLER_AXIS_LEFTY] = -32768;
    reading.axes[SDL_CONTROLLER_AXIS_RIGHTX] = 1200;
    reading.axes[SDL_CONTROLLER_AXIS_RIGHTY] = 9000;
    reading.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT] = 32767;
    reading.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] = 16384;
    const PadState state = PadStateFromReading(reading);
    EXPECT_EQ(state.thumbLeftX, -32768);
    EXPECT_EQ(state.thumbLeftY, 32767);
    EXPECT_EQ(state.thumbRightX, 1200);
    EXPECT_EQ(state.thumbRightY, -9000);
    EXPECT_EQ(state.leftTrigger, 255);
    EXPECT_EQ(state.rightTrigger, 127);
    EXPECT_EQ(state.buttons, 0);
}

} // namespace
