#include "Input/KeyCodes.h"
#include "Input/SdlInputDevices.h"
#include "Window/SdlWindow.h"

#include <gtest/gtest.h>

namespace {

using namespace Platform;

// An offscreen application window and the SDL devices over it; events are
// pushed into SDL's queue and reach the devices through the window's pump.
class SdlInputDevicesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.RegisterClass("APPATOM"));
        ASSERT_TRUE(m_window.Create("input", false, nullptr)) << SDL_GetError();
        m_window.SetClientSize(1280, 720);
        ASSERT_TRUE(m_devices.Open(&m_window));
        ASSERT_TRUE(m_devices.AcquireKeyboard());
        ASSERT_TRUE(m_devices.AcquireMouse());
        Pump();
    }

    void TearDown() override { m_devices.Close(); }

    void Pump() { m_window.PumpMessages(); }

    void Push(SDL_Event event)
    {
        event.common.timestamp = SDL_GetTicks();
        ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    }

    void PushKey(SDL_Scancode scancode, bool down)
    {
        SDL_Event event {};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = SDL_GetWindowID(m_window.GetSdlWindow());
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        Push(event);
    }

    void PushMotion(int x, int y, int dx, int dy)
    {
        SDL_Event event {};
        event.type = SDL_MOUSEMOTION;
        event.motion.x = x;
        event.motion.y = y;
        event.motion.xrel = dx;
        event.motion.yrel = dy;
        Push(event);
    }

    void PushButton(uint8_t button, bool down, int x, int y)
    {
        SDL_Event event {};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = button;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = x;
        event.button.y = y;
        Push(event);
    }

    void PushWindowEvent(SDL_WindowEventID id)
    {
        SDL_Event event {};
        event.type = SDL_WINDOWEVENT;
        event.window.event = id;
        event.window.windowID = SDL_GetWindowID(m_window.GetSdlWindow());
        Push(event);
    }

    SdlWindow m_window;
    SdlInputDevices m_devices;
};

TEST_F(SdlInputDevicesTest, KeyEventsFillTheKeyboardState)
{
    PushKey(SDL_SCANCODE_ESCAPE, true);
    PushKey(SDL_SCANCODE_KP_ENTER, true);
    PushKey(SDL_SCANCODE_RIGHT, true);
    PushKey(SDL_SCANCODE_F24, true);
    Pump();
    uint8_t state[256] {};
    ASSERT_EQ(m_devices.ReadKeyboard(state), DeviceRead::Ok);
    EXPECT_EQ(state[KEY_ESCAPE], BUTTON_DOWN_BIT);
    EXPECT_EQ(state[KEY_KEYPADENTER], BUTTON_DOWN_BIT);
    EXPECT_EQ(state[KEY_RIGHT], BUTTON_DOWN_BIT);
    int down = 0;
    for (uint8_t key : state)
        down += key != 0;
    EXPECT_EQ(down, 3);

    PushKey(SDL_SCANCODE_ESCAPE, false);
    Pump();
    ASSERT_EQ(m_devices.ReadKeyboard(state), DeviceRead::Ok);
    EXPECT_EQ(state[KEY_ESCAPE], 0);
    EXPECT_EQ(state[KEY_RIGHT], BUTTON_DOWN_BIT);
}

TEST_F(SdlInputDevicesTest, MouseEventsGiveMotionWheelButtonsAndPointer)
{
    int32_t width = 0;
    int32_t height = 0;
    m_devices.GetClientSize(width, height);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 720);

    PushMotion(100, 200, 3, 4);
    PushMotion(110, 190, 10, -10);
    PushButton(SDL_BUTTON_RIGHT, true, 111, 191);
    PushButton(SDL_BUTTON_X2, true, 111, 191);
    SDL_Event wheel {};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = -2;
    Push(wheel);
    Pump();

    MouseState state {};
    ASSERT_EQ(m_devices.ReadMouse(state), DeviceRead::Ok);
    EXPECT_EQ(state.x, 13);
    EXPECT_EQ(state.y, -6);
    EXPECT_EQ(state.wheel, -240);
    EXPECT_EQ(state.buttons[0], 0);
    EXPECT_EQ(state.buttons[1], BUTTON_DOWN_BIT);
    EXPECT_EQ(state.buttons[4], BUTTON_DOWN_BIT);
    int32_t x = 0;
    int32_t y = 0;
    m_devices.GetPointerPosition(x, y);
    EXPECT_EQ(x, 111);
    EXPECT_EQ(y, 191);

    // Motion is since the previous read; buttons stay down until released.
    ASSERT_EQ(m_devices.ReadMouse(state), DeviceRead::Ok);
    EXPECT_EQ(state.x, 0);
    EXPECT_EQ(state.wheel, 0);
    EXPECT_EQ(state.buttons[1], BUTTON_DOWN_BIT);

    PushWindowEvent(SDL_WINDOWEVENT_LEAVE);
    Pump();
    m_devices.GetPointerPosition(x, y);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, -1);
}

TEST_F(SdlInputDevicesTest, EveryChangeBetweenTwoReadsIsReadInTurn)
{
    uint8_t keys[256] {};
    MouseState mouse {};
    const auto read = [&] {
        ASSERT_EQ(m_devices.ReadKeyboard(keys), DeviceRead::Ok);
        ASSERT_EQ(m_devices.ReadMouse(mouse), DeviceRead::Ok);
    };

    // Tapped between two reads: down once, then up.
    PushKey(SDL_SCANCODE_A, true);
    PushKey(SDL_SCANCODE_A, false);
    PushButton(SDL_BUTTON_LEFT, true, 5, 5);
    PushButton(SDL_BUTTON_LEFT, false, 5, 5);
    Pump();
    read();
    EXPECT_EQ(keys[KEY_A], BUTTON_DOWN_BIT);
    EXPECT_EQ(mouse.buttons[0], BUTTON_DOWN_BIT);
    read();
    EXPECT_EQ(keys[KEY_A], 0);
    EXPECT_EQ(mouse.buttons[0], 0);

    // Held, let go and taken again between two reads: up once, then down.
    PushKey(SDL_SCANCODE_A, true);
    Pump();
    read();
    PushKey(SDL_SCANCODE_A, false);
    PushKey(SDL_SCANCODE_A, true);
    Pump();
    read();
    EXPECT_EQ(keys[KEY_A], 0);
    read();
    EXPECT_EQ(keys[KEY_A], BUTTON_DOWN_BIT);
    // Key repeats change nothing.
    PushKey(SDL_SCANCODE_A, true);
    Pump();
    read();
    EXPECT_EQ(keys[KEY_A], BUTTON_DOWN_BIT);
}

TEST_F(SdlInputDevicesTest, APressReadsWhereItWentDownThoughThePointerMovedOnBeforeTheRead)
{
    MouseState mouse {};
    int32_t x = 0;
    int32_t y = 0;
    const auto readPointer = [&] {
        ASSERT_EQ(m_devices.ReadMouse(mouse), DeviceRead::Ok);
        m_devices.GetPointerPosition(x, y);
    };

    // A slow frame: clicked on a button, then away before the read.
    PushMotion(300, 200, 0, 0);
    PushButton(SDL_BUTTON_LEFT, true, 300, 200);
    PushButton(SDL_BUTTON_LEFT, false, 300, 200);
    PushMotion(900, 600, 600, 400);
    Pump();
    readPointer();
    EXPECT_EQ(mouse.buttons[0], BUTTON_DOWN_BIT);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 200);
    // The move shows at the next read, with the release.
    readPointer();
    EXPECT_EQ(mouse.buttons[0], 0);
    EXPECT_EQ(x, 900);
    EXPECT_EQ(y, 600);

    // Held, let go and pressed again elsewhere between two reads: the
    // second press reads at its own place when it is handed on.
    PushButton(SDL_BUTTON_LEFT, true, 10, 10);
    Pump();
    readPointer();
    PushButton(SDL_BUTTON_LEFT, false, 10, 10);
    PushButton(SDL_BUTTON_LEFT, true, 40, 50);
    PushMotion(70, 80, 30, 30);
    Pump();
    readPointer();
    EXPECT_EQ(mouse.buttons[0], 0);
    EXPECT_EQ(x, 70);
    readPointer();
    EXPECT_EQ(mouse.buttons[0], BUTTON_DOWN_BIT);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 50);
    // A held button reads where the pointer is.
    PushMotion(90, 95, 20, 15);
    Pump();
    readPointer();
    EXPECT_EQ(x, 90);
}

TEST_F(SdlInputDevicesTest, LosingTheFocusUnacquiresUntilItComesBack)
{
    PushKey(SDL_SCANCODE_A, true);
    PushButton(SDL_BUTTON_LEFT, true, 5, 5);
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    Pump();
    uint8_t keys[256] {};
    MouseState mouse {};
    EXPECT_EQ(m_devices.ReadKeyboard(keys), DeviceRead::Lost);
    EXPECT_EQ(m_devices.ReadMouse(mouse), DeviceRead::Lost);
    EXPECT_FALSE(m_devices.AcquireKeyboard());
    EXPECT_FALSE(m_devices.AcquireMouse());

    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    Pump();
    EXPECT_EQ(m_devices.ReadKeyboard(keys), DeviceRead::Lost);
    ASSERT_TRUE(m_devices.AcquireKeyboard());
    ASSERT_TRUE(m_devices.AcquireMouse());
    ASSERT_EQ(m_devices.ReadKeyboard(keys), DeviceRead::Ok);
    ASSERT_EQ(m_devices.ReadMouse(mouse), DeviceRead::Ok);
    // What was down when the focus went is forgotten.
    EXPECT_EQ(keys[KEY_A], 0);
    EXPECT_EQ(mouse.buttons[0], 0);
}

TEST_F(SdlInputDevicesTest, PadsArePickedUpAsTheyArePluggedInAndOut)
{
    PadState pad {};
    EXPECT_FALSE(m_devices.ReadPad(0, pad));

    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                 SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    Pump();
    ASSERT_TRUE(m_devices.ReadPad(0, pad));
    EXPECT_EQ(pad.buttons, 0);
    EXPECT_FALSE(m_devices.ReadPad(1, pad));
    EXPECT_FALSE(m_devices.ReadPad(7, pad));

    SDL_Joystick* joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(joystick, nullptr);
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_X, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, -20000);
    Pump();
    ASSERT_TRUE(m_devices.ReadPad(0, pad));
    EXPECT_EQ(pad.buttons, XINPUT_GAMEPAD_X);
    EXPECT_EQ(pad.thumbLeftY, 20000);

    // Switched off, as while the application is inactive, the pad rests.
    m_devices.EnablePads(false);
    ASSERT_TRUE(m_devices.ReadPad(0, pad));
    EXPECT_EQ(pad.buttons, 0);
    m_devices.EnablePads(true);
    ASSERT_TRUE(m_devices.ReadPad(0, pad));
    EXPECT_EQ(pad.buttons, XINPUT_GAMEPAD_X);

    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0) << SDL_GetError();
    Pump();
    EXPECT_FALSE(m_devices.ReadPad(0, pad));
}

TEST_F(SdlInputDevicesTest, ClosedDevicesStopListeningAndFail)
{
    m_devices.Close();
    PushKey(SDL_SCANCODE_ESCAPE, true);
    Pump();
    uint8_t keys[256] {};
    EXPECT_EQ(m_devices.ReadKeyboard(keys), DeviceRead::Failed);
    EXPECT_FALSE(m_devices.AcquireKeyboard());
    EXPECT_FALSE(m_devices.Open(nullptr));
    // Opened again, the key pressed while closed is not down.
    ASSERT_TRUE(m_devices.Open(&m_window));
    ASSERT_TRUE(m_devices.AcquireKeyboard());
    ASSERT_EQ(m_devices.ReadKeyboard(keys), DeviceRead::Ok);
    EXPECT_EQ(keys[KEY_ESCAPE], 0);
    EXPECT_FALSE(m_devices.AreMouseButtonsSwapped());
}

} // namespace
