#include "Input/CoreInput.h"
#include "Input/KeyCodes.h"
#include "Input/PointerMapping.h"
#include "Support/HeadlessInput.h"

#include <gtest/gtest.h>

using Platform::KEY_ESCAPE;
using Platform::KEY_KEYPADENTER;
using Platform::PadState;

namespace {

struct KeyFacts {
    int pressed;
    int held;
    int released;
    bool operator==(const KeyFacts&) const = default;
};

KeyFacts FactsOf(uint8_t code)
{
    const Input& input = *Input::m_pSingleton;
    return {input.m_aKeyPressed[code], input.m_aKeyHeld[code], input.m_aKeyReleased[code]};
}

TEST(CoreInputTest, KeyHeldForThreeFramesIsPressedOnceAndReleasedOnTheFourth)
{
    TestSupport::ScopedHeadlessInput input;
    input.Devices().SetKey(KEY_KEYPADENTER, true);
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_KEYPADENTER), (KeyFacts {1, 1, 0}));
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_KEYPADENTER), (KeyFacts {0, 1, 0}));
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_KEYPADENTER), (KeyFacts {0, 1, 0}));
    input.Devices().SetKey(KEY_KEYPADENTER, false);
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_KEYPADENTER), (KeyFacts {0, 0, 1}));
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_KEYPADENTER), (KeyFacts {0, 0, 0}));
    EXPECT_EQ(FactsOf(KEY_ESCAPE), (KeyFacts {0, 0, 0}));
}

TEST(CoreInputTest, WideWindowMapsTheCentredFourThirdsArea)
{
    int32_t x = 7;
    int32_t y = 7;
    ASSERT_TRUE(ClientToPointer(160, 0, 1280, 720, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(ClientToPointer(1119, 719, 1280, 720, x, y));
    EXPECT_EQ(x, 4091);
    EXPECT_EQ(y, 4090);
    ASSERT_TRUE(ClientToPointer(100, 360, 1280, 720, x, y));
    EXPECT_EQ(x, -256);
    EXPECT_EQ(y, 2048);
    ASSERT_TRUE(ClientToPointer(1279, 0, 1280, 720, x, y));
    EXPECT_EQ(x, 4774);
}

TEST(CoreInputTest, PointerOutsideTheClientAreaIsRefused)
{
    int32_t x = 7;
    int32_t y = 7;
    EXPECT_FALSE(ClientToPointer(1280, 10, 1280, 720, x, y));
    EXPECT_FALSE(ClientToPointer(-1, 10, 1280, 720, x, y));
    EXPECT_FALSE(ClientToPointer(10, 720, 1280, 720, x, y));
    EXPECT_FALSE(ClientToPointer(0, 0, 0, 720, x, y));
    EXPECT_FALSE(ClientToPointer(0, 0, 1280, 0, x, y));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 7);
    // A window narrower than 4:3 loses strips at both sides.
    ASSERT_TRUE(ClientToPointer(0, 0, 600, 600, x, y));
    EXPECT_EQ(x, 512);
}

TEST(CoreInputTest, MousePollGivesPointerMotionAndButtonEdges)
{
    TestSupport::ScopedHeadlessInput input;
    auto& devices = input.Devices();
    devices.SetClientSize(1280, 720);
    devices.SetPointer(1119, 360);
    devices.MoveMouse(5, -3);
    devices.SetMouseButton(0, true);
    input.Frame();
    const Input& core = *Input::m_pSingleton;
    EXPECT_EQ(core.m_iPointerX, 4091);
    EXPECT_EQ(core.m_iPointerY, 2048);
    EXPECT_EQ(core.m_bPointerInside, 1);
    EXPECT_EQ(core.m_iMouseMotionX, 5);
    EXPECT_EQ(core.m_iMouseMotionY, -3);
    EXPECT_EQ(core.m_aMouseButtonPressed[0], 1);
    EXPECT_EQ(core.m_aMouseButtonHeld[0], 1);

    // The motion is relative: nothing moved since the last read.
    input.Frame();
    EXPECT_EQ(core.m_iMouseMotionX, 0);
    EXPECT_EQ(core.m_aMouseButtonPressed[0], 0);
    EXPECT_EQ(core.m_aMouseButtonHeld[0], 1);

    // Outside the window the pointer is -1, -1 but the buttons still count.
    devices.SetPointer(1300, 360);
    devices.SetMouseButton(0, false);
    input.Frame();
    EXPECT_EQ(core.m_iPointerX, -1);
    EXPECT_EQ(core.m_iPointerY, -1);
    EXPECT_EQ(core.m_bPointerInside, 0);
    EXPECT_EQ(core.m_aMouseButtonReleased[0], 1);
    EXPECT_EQ(core.m_aMouseButtonHeld[0], 0);
}

TEST(CoreInputTest, LostMouseGivesNoFactsForAFrameAndIsAcquiredAgain)
{
    TestSupport::ScopedHeadlessInput input;
    auto& devices = input.Devices();
    devices.SetPointer(640, 480);
    devices.SetMouseButton(1, true);
    input.Frame();
    const Input& core = *Input::m_pSingleton;
    ASSERT_EQ(core.m_aMouseButtonHeld[1], 1);

    devices.SetFocus(false);
    input.Frame();
    EXPECT_EQ(core.m_iPointerX, -1);
    EXPECT_EQ(core.m_aMouseButtonHeld[1], 0);
    EXPECT_EQ(core.m_aMouseButtonReleased[1], 0);
    input.Frame();
    EXPECT_EQ(core.m_iPointerX, -1);

    // The focus is back: the next poll re-acquires, the one after reads; the
    // button still down counts as a new press, since the loss zeroed the state.
    devices.SetFocus(true);
    input.Frame();
    EXPECT_EQ(core.m_iPointerX, -1);
    input.Frame();
    EXPECT_EQ(core.m_iPointerX, 2048);
    EXPECT_EQ(core.m_aMouseButtonPressed[1], 1);
}

TEST(CoreInputTest, LostKeyboardReleasesItsKeysOnceItIsBack)
{
    TestSupport::ScopedHeadlessInput input;
    auto& devices = input.Devices();
    devices.SetKey(KEY_ESCAPE, true);
    input.Frame();

    devices.SetFocus(false);
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_ESCAPE), (KeyFacts {0, 0, 0}));

    // Re-acquired in the same poll: the facts come from a zeroed state, and
    // the key that was down (before the frame without facts) is not seen
    // again until the next read.
    devices.SetFocus(true);
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_ESCAPE), (KeyFacts {0, 0, 0}));
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_ESCAPE), (KeyFacts {1, 1, 0}));
}

TEST(CoreInputTest, KeyboardLossSeenAtOnceReleasesEveryHeldKey)
{
    TestSupport::ScopedHeadlessInput input;
    auto& devices = input.Devices();
    devices.SetKey(KEY_ESCAPE, true);
    input.Frame();
    // Lost and back between two polls: the re-acquisition works at once and
    // every key that was down counts as released.
    devices.SetFocus(false);
    devices.SetFocus(true);
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_ESCAPE), (KeyFacts {0, 0, 1}));
    input.Frame();
    EXPECT_EQ(FactsOf(KEY_ESCAPE), (KeyFacts {1, 1, 0}));
}

TEST(CoreInputTest, LeftStickBeyondTheDeadZoneActsAsTheDirectionButtons)
{
    TestSupport::ScopedHeadlessInput input;
    auto& devices = input.Devices();
    const Input& core = *Input::m_pSingleton;

    PadState pad {};
    pad.thumbLeftX = 7850;
    devices.SetPad(0, pad);
    input.Frame();
    EXPECT_EQ(core.m_uPadHeld, Platform::XINPUT_GAMEPAD_DPAD_RIGHT);
    EXPECT_EQ(core.m_uPadPressed, Platform::XINPUT_GAMEPAD_DPAD_RIGHT);
    input.Frame();
    EXPECT_EQ(core.m_uPadHeld, Platform::XINPUT_GAMEPAD_DPAD_RIGHT);
    EXPECT_EQ(core.m_uPadPressed, 0u);

    // A pushed stick and a pressed direction button look the same.
    pad.thumbLeftX = 0;
    pad.buttons = Platform::XINPUT_GAMEPAD_DPAD_RIGHT;
    devices.SetPad(0, pad);
    input.Frame();
    EXPECT_EQ(core.m_uPadPressed, 0u);
    EXPECT_EQ(core.m_uPadReleased, 0u);

    // At the dead zone itself the stick rests.
    pad.buttons = Platform::XINPUT_GAMEPAD_A;
    pad.thumbLeftX = 7849;
    pad.thumbLeftY = -7849;
    devices.SetPad(0, pad);
    input.Frame();
    EXPECT_EQ(core.m_uPadHeld, Platform::XINPUT_GAMEPAD_A);
    EXPECT_EQ(core.m_uPadReleased, Platform::XINPUT_GAMEPAD_DPAD_RIGHT);

    pad.thumbLeftX = -7850;
    pad.thumbLeftY = 32767;
    devices.SetPad(0, pad);
    input.Frame();
    EXPECT_EQ(core.m_uPadHeld,
              Platform::XINPUT_GAMEPAD_A | Platform::XINPUT_GAMEPAD_DPAD_LEFT | Platform::XINPUT_GAMEPAD_DPAD_UP);
}

TEST(CoreInputTest, PadUnpluggedOrSwitchedOffGivesNoFacts)
{
    TestSupport::ScopedHeadlessInput input;
    auto& devices = input.Devices();
    const Input& core = *Input::m_pSingleton;
    PadState pad {};
    pad.buttons = Platform::XINPUT_GAMEPAD_B;

    // Only pad 0 is read.
    devices.SetPad(1, pad);
    input.Frame();
    EXPECT_EQ(core.m_uPadHeld, 0u);

    devices.SetPad(0, pad);
    input.Frame();
    EXPECT_EQ(core.m_uPadPressed, Platform::XINPUT_GAMEPAD_B);
    devices.EnablePads(false);
    input.Frame();
    EXPECT_EQ(core.m_uPadHeld, 0u);
    EXPECT_EQ(core.m_uPadReleased, Platform::XINPUT_GAMEPAD_B);
    devices.EnablePads(true);
    input.Frame();
    EXPECT_EQ(core.m_uPadPressed, Platform::XINPUT_GAMEPAD_B);

    devices.UnplugPad(0);
    input.Frame();
    EXPECT_EQ(core.m_uPadHeld, 0u);
    EXPECT_EQ(core.m_uPadPressed, 0u);
    EXPECT_EQ(core.m_uPadReleased, 0u);
}

TEST(CoreInputTest, InitializeReadsTheSwapSettingAndFailsWithoutDevices)
{
    {
        TestSupport::ScopedHeadlessInput input(false);
        input.Devices().SetSwappedButtons(true);
        EXPECT_TRUE(Input::m_pSingleton->Initialize(nullptr));
        EXPECT_EQ(g_bSwapMouseButtons, 1);
        EXPECT_TRUE(input.Devices().IsOpen());
    }
    {
        TestSupport::ScopedHeadlessInput input(false);
        input.Devices().SetOpenFails(true);
        input.Devices().SetKey(KEY_ESCAPE, true);
        EXPECT_FALSE(Input::m_pSingleton->Initialize(nullptr));
        EXPECT_EQ(g_bSwapMouseButtons, 0);
        // Polls without devices read nothing and do not fail.
        input.Frame();
        EXPECT_EQ(FactsOf(KEY_ESCAPE), (KeyFacts {0, 0, 0}));
        EXPECT_EQ(Input::m_pSingleton->m_iPointerX, -1);
    }
}

} // namespace
