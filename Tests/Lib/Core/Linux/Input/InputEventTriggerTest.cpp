#include "Input/CoreInput.h"
#include "Input/InputEventTrigger.h"
#include "Input/InputPointer.h"
#include "Input/KeyCodes.h"
#include "Support/HeadlessInput.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Platform::PadState;

namespace {

// Polls the devices and checks the trigger, as one frame does.
bool Check(TestSupport::ScopedHeadlessInput& input, InputEventTrigger& trigger)
{
    input.Frame();
    return trigger.CheckActivation(0);
}

TEST(InputEventTriggerTest, PointerPressFiresOnTheSwappedButtonAndCarriesThePointer)
{
    TestSupport::ScopedHeadlessInput input(false);
    input.Devices().SetSwappedButtons(true);
    input.Devices().SetClientSize(1280, 720);
    Input::m_pSingleton->Initialize(nullptr);
    InputEventTrigger trigger(0, InputTriggerType_PointerPressed);

    input.Devices().SetPointer(100, 360);
    input.Devices().SetMouseButton(0, true);
    EXPECT_FALSE(Check(input, trigger));
    input.Devices().SetMouseButton(1, true);
    EXPECT_TRUE(Check(input, trigger));
    EXPECT_EQ(InputPointerX(trigger.GetValue1()), -256);
    EXPECT_EQ(InputPointerY(trigger.GetValue1()), 2048);
    EXPECT_EQ(trigger.GetValue1(), 0x0800FF00u);
    EXPECT_EQ(trigger.GetValue2(), 0u);
    // On the virtual screen: 16 units left of the picture, half-way down.
    EXPECT_EQ(InputPointerVirtualX(trigger.GetValue1()), -16 * 4096);
    EXPECT_EQ(InputPointerVirtualY(trigger.GetValue1()), 96 * 4096);

    // Held, not pressed again: inactive, and the values stay as they were.
    input.Devices().SetPointer(160, 0);
    EXPECT_FALSE(Check(input, trigger));
    EXPECT_EQ(trigger.GetValue1(), 0x0800FF00u);
}

TEST(InputEventTriggerTest, PointerConditionsNeedAValidPointer)
{
    TestSupport::ScopedHeadlessInput input;
    InputEventTrigger held(2, InputTriggerType_PointerHeld);
    InputEventTrigger up(3, InputTriggerType_PointerUp);
    InputEventTrigger inside(0x20, InputTriggerType_PointerInside);
    InputEventTrigger outside(0x21, InputTriggerType_PointerOutside);
    InputEventTrigger anyButtonState(0x0B, InputTriggerType_Pointer);

    input.Devices().SetPointer(-5, 100);
    input.Devices().SetMouseButton(0, true);
    input.Frame();
    EXPECT_FALSE(held.CheckActivation(0));
    EXPECT_FALSE(anyButtonState.CheckActivation(0));
    EXPECT_FALSE(inside.CheckActivation(0));
    EXPECT_TRUE(outside.CheckActivation(0));

    input.Devices().SetPointer(0, 0);
    input.Frame();
    EXPECT_TRUE(held.CheckActivation(0));
    EXPECT_FALSE(up.CheckActivation(0));
    EXPECT_TRUE(anyButtonState.CheckActivation(0));
    EXPECT_EQ(anyButtonState.GetValue1(), 0u);
    EXPECT_TRUE(inside.CheckActivation(0));
    EXPECT_FALSE(outside.CheckActivation(0));

    input.Devices().SetMouseButton(0, false);
    input.Frame();
    EXPECT_FALSE(held.CheckActivation(0));
    EXPECT_TRUE(up.CheckActivation(0));
}

TEST(InputEventTriggerTest, MouseButtonPressedByNumber)
{
    TestSupport::ScopedHeadlessInput input;
    InputEventTrigger left(0x2D, InputTriggerType_MouseButtonPressed, 0);
    InputEventTrigger other(0x2E, InputTriggerType_MouseButtonPressed, 1);
    InputEventTrigger middle(0x2E, InputTriggerType_MouseButtonPressed, 2);

    // The pointer plays no part.
    input.Devices().SetPointer(-1, -1);
    input.Devices().SetMouseButton(1, true);
    input.Devices().SetMouseButton(2, true);
    input.Frame();
    EXPECT_FALSE(left.CheckActivation(0));
    EXPECT_TRUE(other.CheckActivation(0));
    EXPECT_FALSE(middle.CheckActivation(0));
    g_bSwapMouseButtons = 1;
    EXPECT_TRUE(left.CheckActivation(0));
    EXPECT_FALSE(other.CheckActivation(0));
}

TEST(InputEventTriggerTest, KeyConditionsAndTheHighestHeldKey)
{
    TestSupport::ScopedHeadlessInput input;
    InputEventTrigger pressed(0x32, InputTriggerType_KeyPressed, Platform::KEY_LEFTCONTROL);
    InputEventTrigger held(0x33, InputTriggerType_KeyHeld, Platform::KEY_LEFTCONTROL);
    InputEventTrigger released(0x34, InputTriggerType_KeyReleased, Platform::KEY_LEFTCONTROL);
    InputEventTrigger anyKey(0x40, InputTriggerType_AnyKeyHeld);

    input.Devices().SetKey(Platform::KEY_LEFTCONTROL, true);
    input.Devices().SetKey(Platform::KEY_LEFTALT, true);
    input.Frame();
    EXPECT_TRUE(pressed.CheckActivation(0));
    EXPECT_TRUE(held.CheckActivation(0));
    EXPECT_FALSE(released.CheckActivation(0));
    EXPECT_TRUE(anyKey.CheckActivation(0));
    EXPECT_EQ(anyKey.GetValue2(), 0x38u);

    input.Devices().SetKey(Platform::KEY_LEFTCONTROL, false);
    input.Devices().SetKey(Platform::KEY_LEFTALT, false);
    input.Frame();
    EXPECT_FALSE(pressed.CheckActivation(0));
    EXPECT_FALSE(held.CheckActivation(0));
    EXPECT_TRUE(released.CheckActivation(0));
    EXPECT_FALSE(anyKey.CheckActivation(0));
    EXPECT_EQ(anyKey.GetValue2(), 0x38u);
}

TEST(InputEventTriggerTest, UnknownTypeAssertsAndBadArgumentsNeverHold)
{
    TestSupport::ScopedHeadlessInput input;
    for (int code = 0; code < 256; ++code)
        input.Devices().SetKey(static_cast<uint8_t>(code), true);
    input.Frame();

    InputEventTrigger unknown(1, 18, Platform::KEY_ESCAPE);
    TestSupport::LogCapture capture;
    EXPECT_FALSE(unknown.CheckActivation(0));
    const std::string report = capture.Take();
    EXPECT_NE(report.find("function:  InputEventTrigger::CheckKeyboardTriggerActivation\ncondition: FALSE\n"),
              std::string::npos)
        << report;

    InputEventTrigger beyondTheKeyboard(1, InputTriggerType_KeyHeld, 256);
    EXPECT_FALSE(beyondTheKeyboard.CheckActivation(0));
    InputEventTrigger unbound(1, InputTriggerType_Unbound, Platform::KEY_ESCAPE);
    InputEventTrigger never(1, InputTriggerType_Never, Platform::KEY_ESCAPE);
    EXPECT_FALSE(unbound.CheckActivation(0));
    EXPECT_FALSE(never.CheckActivation(0));
}

TEST(InputEventTriggerTest, PadMasksMustHoldEveryArgumentBit)
{
    TestSupport::ScopedHeadlessInput input;
    const uint16_t xAndY = Platform::XINPUT_GAMEPAD_X | Platform::XINPUT_GAMEPAD_Y;
    InputEventTrigger held(1, InputTriggerType_PadHeld, xAndY);
    InputEventTrigger notHeld(1, InputTriggerType_PadNotHeld, xAndY);
    InputEventTrigger pressed(1, InputTriggerType_PadPressed, xAndY);
    InputEventTrigger released(1, InputTriggerType_PadReleased, xAndY);
    InputEventTrigger anyHeld(1, InputTriggerType_PadHeld, 0);

    input.Frame();
    EXPECT_FALSE(held.CheckActivation(0));
    EXPECT_TRUE(notHeld.CheckActivation(0));
    EXPECT_FALSE(anyHeld.CheckActivation(0));

    PadState pad {};
    pad.buttons = Platform::XINPUT_GAMEPAD_X;
    input.Devices().SetPad(0, pad);
    input.Frame();
    EXPECT_FALSE(held.CheckActivation(0));
    EXPECT_TRUE(notHeld.CheckActivation(0));
    EXPECT_TRUE(anyHeld.CheckActivation(0));

    pad.buttons = xAndY | Platform::XINPUT_GAMEPAD_A;
    input.Devices().SetPad(0, pad);
    input.Frame();
    EXPECT_TRUE(held.CheckActivation(0));
    EXPECT_FALSE(notHeld.CheckActivation(0));
    // Only Y and A were pressed in this frame.
    EXPECT_FALSE(pressed.CheckActivation(0));

    pad.buttons = 0;
    input.Devices().SetPad(0, pad);
    input.Frame();
    EXPECT_TRUE(released.CheckActivation(0));
}

TEST(InputEventTriggerTest, RepeatAfterHoldWaitsForTheThresholdAndRestartsAfterALapse)
{
    TestSupport::ScopedHeadlessInput input;
    InputEventTrigger trigger(0x3A, InputTriggerType_KeyHeld, Platform::KEY_UP, InputTriggerRepeat_AfterHold, 3);
    EXPECT_EQ(trigger.GetRepeat(), 1u);
    EXPECT_EQ(trigger.GetRepeatThreshold(), 3u);

    input.Devices().SetKey(Platform::KEY_UP, true);
    std::vector<bool> activations;
    for (int frame = 0; frame < 6; ++frame)
        activations.push_back(Check(input, trigger));
    EXPECT_EQ(activations, (std::vector<bool> {false, false, false, true, true, true}));
    EXPECT_EQ(trigger.GetRepeatCounter(), 6);

    input.Devices().SetKey(Platform::KEY_UP, false);
    EXPECT_FALSE(Check(input, trigger));
    EXPECT_EQ(trigger.GetRepeatCounter(), 0);
    input.Devices().SetKey(Platform::KEY_UP, true);
    activations.clear();
    for (int frame = 0; frame < 4; ++frame)
        activations.push_back(Check(input, trigger));
    EXPECT_EQ(activations, (std::vector<bool> {false, false, false, true}));
}

TEST(InputEventTriggerTest, RepeatAfterHoldClearsThePointerOnALapse)
{
    TestSupport::ScopedHeadlessInput input;
    InputEventTrigger trigger(0x02, InputTriggerType_PointerHeld, 0, InputTriggerRepeat_AfterHold, 0);
    input.Devices().SetPointer(640, 480);
    input.Devices().SetMouseButton(0, true);
    EXPECT_TRUE(Check(input, trigger));
    EXPECT_EQ(trigger.GetValue1(), InputPackPointer(2048, 2048));
    input.Devices().SetMouseButton(0, false);
    EXPECT_FALSE(Check(input, trigger));
    EXPECT_EQ(trigger.GetValue1(), 0u);
}

TEST(InputEventTriggerTest, RepeatModesTwoAndThreeNeverActivate)
{
    TestSupport::ScopedHeadlessInput input;
    InputEventTrigger mode2(1, InputTriggerType_KeyHeld, Platform::KEY_UP, InputTriggerRepeat_Off2);
    InputEventTrigger mode3(1, InputTriggerType_KeyHeld, Platform::KEY_UP, InputTriggerRepeat_Off3);
    input.Devices().SetKey(Platform::KEY_UP, true);
    EXPECT_FALSE(Check(input, mode2));
    EXPECT_FALSE(mode3.CheckActivation(0));
}

TEST(InputEventTriggerTest, NothingHoldsWithoutTheInputObject)
{
    InputEventTrigger outside(0x21, InputTriggerType_PointerOutside);
    InputEventTrigger notHeld(1, InputTriggerType_PadNotHeld, Platform::XINPUT_GAMEPAD_A);
    EXPECT_FALSE(outside.CheckActivation(0));
    EXPECT_FALSE(notHeld.CheckActivation(0));
}

} // namespace
