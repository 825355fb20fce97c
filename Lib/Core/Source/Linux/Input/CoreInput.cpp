#include "Input/CoreInput.h"

#include "Input/InputDevices.h"
#include "Input/KeyCodes.h"
#include "Input/PointerMapping.h"

#include <cstring>

Input* Input::m_pSingleton = nullptr;
uint8_t g_bSwapMouseButtons = 0;

namespace {

constexpr int PAD_SLOT = 0;

bool IsDown(uint8_t state)
{
    return (state & Platform::BUTTON_DOWN_BIT) != 0;
}

// The left stick counts as the direction buttons once it leaves its dead zone.
uint16_t StickDirections(const Platform::PadState& state)
{
    uint16_t bits = 0;
    if (state.thumbLeftY > Platform::XINPUT_GAMEPAD_LEFT_THUMB_DEADZONE)
        bits |= Platform::XINPUT_GAMEPAD_DPAD_UP;
    if (state.thumbLeftY < -Platform::XINPUT_GAMEPAD_LEFT_THUMB_DEADZONE)
        bits |= Platform::XINPUT_GAMEPAD_DPAD_DOWN;
    if (state.thumbLeftX > Platform::XINPUT_GAMEPAD_LEFT_THUMB_DEADZONE)
        bits |= Platform::XINPUT_GAMEPAD_DPAD_RIGHT;
    if (state.thumbLeftX < -Platform::XINPUT_GAMEPAD_LEFT_THUMB_DEADZONE)
        bits |= Platform::XINPUT_GAMEPAD_DPAD_LEFT;
    return bits;
}

} // namespace

Input* Input::CreateSingleton()
{
    if (!m_pSingleton)
        m_pSingleton = new Input;
    return m_pSingleton;
}

void Input::DestroySingleton()
{
    delete m_pSingleton;
    m_pSingleton = nullptr;
}

Input::Input() : m_pDevices(nullptr)
{
    Reset();
}

Input::~Input()
{
    Shutdown();
}

bool Input::Initialize(Platform::Window* window)
{
    m_pDevices = &Platform::GetInputDevices();
    if (!m_pDevices->Open(window)) {
        Shutdown();
        return false;
    }
    m_pDevices->AcquireKeyboard();
    m_pDevices->AcquireMouse();
    g_bSwapMouseButtons = m_pDevices->AreMouseButtonsSwapped() ? 1 : 0;

    Reset();
    UpdatePad();
    UpdateMouse();
    UpdateKeyboard();
    return true;
}

void Input::Shutdown()
{
    if (m_pDevices)
        m_pDevices->Close();
    m_pDevices = nullptr;
}

void Input::Reset()
{
    std::memset(m_aKeyboardState, 0, sizeof m_aKeyboardState);
    std::memset(m_aPreviousKeyboardState, 0, sizeof m_aPreviousKeyboardState);
    std::memset(m_aKeyPressed, 0, sizeof m_aKeyPressed);
    std::memset(m_aKeyReleased, 0, sizeof m_aKeyReleased);
    std::memset(m_aKeyHeld, 0, sizeof m_aKeyHeld);
    m_oPadState = Platform::PadState {};
    m_oPreviousPadState = Platform::PadState {};
    m_uPadPressed = m_uPadReleased = m_uPadHeld = 0;
    m_oMouseState = Platform::MouseState {};
    m_oPreviousMouseState = Platform::MouseState {};
    ClearPointerBlock();
}

void Input::ClearPointerBlock()
{
    m_iPointerX = m_iPointerY = 0;
    m_iMouseMotionX = m_iMouseMotionY = 0;
    std::memset(m_aMouseButtonPressed, 0, sizeof m_aMouseButtonPressed);
    std::memset(m_aMouseButtonReleased, 0, sizeof m_aMouseButtonReleased);
    std::memset(m_aMouseButtonHeld, 0, sizeof m_aMouseButtonHeld);
    m_bPointerInside = 0;
}

void Input::UpdatePad()
{
    m_uPadPressed = m_uPadReleased = m_uPadHeld = 0;
    m_oPreviousPadState = m_oPadState;
    m_oPadState = Platform::PadState {};
    if (!m_pDevices || !m_pDevices->ReadPad(PAD_SLOT, m_oPadState))
        return;

    m_oPadState.buttons |= StickDirections(m_oPadState);
    const uint32_t buttons = m_oPadState.buttons;
    const uint32_t previous = m_oPreviousPadState.buttons;
    m_uPadPressed = (buttons ^ previous) & buttons;
    m_uPadReleased = (buttons ^ previous) & previous;
    m_uPadHeld = buttons;
}

void Input::UpdateMouse()
{
    ClearPointerBlock();
    m_iPointerX = m_iPointerY = -1;
    m_oPreviousMouseState = m_oMouseState;
    m_oMouseState = Platform::MouseState {};
    if (!m_pDevices)
        return;

    // Any failure other than a loss leaves the zeroed state, read as is.
    if (m_pDevices->ReadMouse(m_oMouseState) == Platform::DeviceRead::Lost) {
        m_pDevices->AcquireMouse();
        return;
    }
    m_iMouseMotionX = m_oMouseState.x;
    m_iMouseMotionY = m_oMouseState.y;

    int32_t clientX = 0;
    int32_t clientY = 0;
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    m_pDevices->GetPointerPosition(clientX, clientY);
    m_pDevices->GetClientSize(clientWidth, clientHeight);
    if (ClientToPointer(clientX, clientY, clientWidth, clientHeight, m_iPointerX, m_iPointerY))
        m_bPointerInside = 1;

    for (int button = 0; button < 2; ++button) {
        const bool down = IsDown(m_oMouseState.buttons[button]);
        const bool wasDown = IsDown(m_oPreviousMouseState.buttons[button]);
        m_aMouseButtonPressed[button] = down && !wasDown;
        m_aMouseButtonReleased[button] = !down && wasDown;
        m_aMouseButtonHeld[button] = down;
    }
}

void Input::UpdateKeyboard()
{
    std::memset(m_aKeyPressed, 0, sizeof m_aKeyPressed);
    std::memset(m_aKeyReleased, 0, sizeof m_aKeyReleased);
    std::memset(m_aKeyHeld, 0, sizeof m_aKeyHeld);
    std::memcpy(m_aPreviousKeyboardState, m_aKeyboardState, sizeof m_aKeyboardState);
    std::memset(m_aKeyboardState, 0, sizeof m_aKeyboardState);
    if (!m_pDevices)
        return;

    // After a loss the facts come from the zeroed state, so every key that
    // was down is released, but only once the keyboard is back.
    if (m_pDevices->ReadKeyboard(m_aKeyboardState) == Platform::DeviceRead::Lost && !m_pDevices->AcquireKeyboard())
        return;

    for (int code = 0; code < Platform::KEYBOARD_STATE_SIZE; ++code) {
        const bool down = IsDown(m_aKeyboardState[code]);
        const bool wasDown = IsDown(m_aPreviousKeyboardState[code]);
        m_aKeyPressed[code] = down && !wasDown;
        m_aKeyReleased[code] = !down && wasDown;
        m_aKeyHeld[code] = down;
    }
}
