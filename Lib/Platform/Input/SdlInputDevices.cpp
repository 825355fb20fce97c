#include "Input/SdlInputDevices.h"

#include "Input/KeyCodes.h"
#include "Input/SdlKeyTable.h"
#include "Input/SdlPadMapping.h"
#include "Window/Window.h"

namespace Platform {
namespace {

// SDL numbers the buttons from 1 (left, middle, right, then the extras); the
// mouse state keeps left, right, middle, then the extras.
int MouseStateButton(uint8_t sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    default: return sdlButton >= 1 && sdlButton <= MOUSE_BUTTON_COUNT ? sdlButton - 1 : -1;
    }
}

} // namespace

bool SdlInputDevices::Open(Window* window)
{
    if (!window)
        return false;
    Close();
    m_pWindow = window;
    // The window has just been shown and normally stands in front; SDL tells
    // when it loses the focus.
    m_bFocused = true;
    m_oKeys.Clear();
    m_oButtons.Clear();
    ForgetPresses();
    m_iMotionX = m_iMotionY = m_iWheel = 0;
    SDL_Window* sdlWindow = window->GetSdlWindow();
    m_bPointerSeen = sdlWindow && SDL_GetMouseFocus() == sdlWindow;
    if (m_bPointerSeen)
        SDL_GetMouseState(&m_iPointerX, &m_iPointerY);

    // The application switches the pads off while it is inactive, so SDL
    // need not drop their events while the window is in the background.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    m_bPadSystem = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (m_bPadSystem) {
        for (int device = 0; device < SDL_NumJoysticks(); ++device)
            AddPad(device);
    }
    AddEventListener(this);
    return true;
}

void SdlInputDevices::Close()
{
    if (!m_pWindow)
        return;
    RemoveEventListener(this);
    ClosePads();
    if (m_bPadSystem)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    m_bPadSystem = false;
    m_bKeyboardAcquired = false;
    m_bMouseAcquired = false;
    m_pWindow = nullptr;
}

bool SdlInputDevices::AcquireKeyboard()
{
    m_bKeyboardAcquired = m_pWindow && m_bFocused;
    return m_bKeyboardAcquired;
}

bool SdlInputDevices::AcquireMouse()
{
    if (!m_pWindow || !m_bFocused)
        return false;
    if (!m_bMouseAcquired)
        m_iMotionX = m_iMotionY = m_iWheel = 0;
    m_bMouseAcquired = true;
    return true;
}

DeviceRead SdlInputDevices::ReadKeyboard(uint8_t (&state)[256])
{
    if (!m_pWindow)
        return DeviceRead::Failed;
    if (!m_bKeyboardAcquired)
        return DeviceRead::Lost;
    m_oKeys.Read(state);
    return DeviceRead::Ok;
}

DeviceRead SdlInputDevices::ReadMouse(MouseState& state)
{
    if (!m_pWindow)
        return DeviceRead::Failed;
    if (!m_bMouseAcquired)
        return DeviceRead::Lost;
    state.x = m_iMotionX;
    state.y = m_iMotionY;
    state.wheel = m_iWheel;
    m_oButtons.Read(state.buttons);
    m_bReadAtPress = ReadsNewPress(state.buttons);
    m_iMotionX = m_iMotionY = m_iWheel = 0;
    return DeviceRead::Ok;
}

bool SdlInputDevices::ReadsNewPress(const uint8_t (&buttons)[MOUSE_BUTTON_COUNT])
{
    bool bNewPress = false;
    for (int button = 0; button < MOUSE_BUTTON_COUNT; ++button) {
        bNewPress =
            bNewPress || ((buttons[button] & BUTTON_DOWN_BIT) != 0 && (m_aReadButtons[button] & BUTTON_DOWN_BIT) == 0);
        m_aReadButtons[button] = buttons[button];
    }
    // A press that reads up first (let go and taken again between two reads)
    // keeps its place for the read that hands it on.
    if (!bNewPress || !m_bPressPending)
        return false;
    m_bPressPending = false;
    return true;
}

void SdlInputDevices::GetPointerPosition(int32_t& x, int32_t& y)
{
    if (m_bReadAtPress) {
        x = m_iPressX;
        y = m_iPressY;
        return;
    }
    x = m_bPointerSeen ? m_iPointerX : -1;
    y = m_bPointerSeen ? m_iPointerY : -1;
}

void SdlInputDevices::GetClientSize(int32_t& width, int32_t& height)
{
    int clientWidth = 0;
    int clientHeight = 0;
    if (m_pWindow)
        m_pWindow->GetClientSize(clientWidth, clientHeight);
    width = clientWidth;
    height = clientHeight;
}

bool SdlInputDevices::AreMouseButtonsSwapped()
{
    // SDL already reports the buttons as the user set them up, so the
    // physical left button stays the primary one.
    return false;
}

bool SdlInputDevices::ReadPad(int slot, PadState& state)
{
    state = PadState {};
    if (slot < 0 || slot >= PAD_SLOT_COUNT || !m_apPads[slot])
        return false;
    if (m_bPadsEnabled)
        state = PadStateFromReading(ReadController(m_apPads[slot]));
    return true;
}

void SdlInputDevices::OnEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_WINDOWEVENT: OnWindowEvent(event.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: OnKey(event.key); break;
    case SDL_MOUSEMOTION:
        m_iMotionX += event.motion.xrel;
        m_iMotionY += event.motion.yrel;
        SetPointer(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: OnMouseButton(event.button); break;
    case SDL_MOUSEWHEEL:
        m_iWheel +=
            (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y) * MOUSE_WHEEL_NOTCH;
        break;
    case SDL_CONTROLLERDEVICEADDED: AddPad(event.cdevice.which); break;
    case SDL_CONTROLLERDEVICEREMOVED: RemovePad(event.cdevice.which); break;
    default: break;
    }
}

void SdlInputDevices::OnWindowEvent(const SDL_WindowEvent& event)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED: m_bFocused = true; break;
    case SDL_WINDOWEVENT_FOCUS_LOST: LoseFocus(); break;
    case SDL_WINDOWEVENT_LEAVE: m_bPointerSeen = false; break;
    default: break;
    }
}

void SdlInputDevices::OnKey(const SDL_KeyboardEvent& event)
{
    const KeyCode code = KeyCodeFromScancode(event.keysym.scancode);
    if (code != KEY_NONE)
        m_oKeys.Set(code, event.state == SDL_PRESSED);
}

void SdlInputDevices::OnMouseButton(const SDL_MouseButtonEvent& event)
{
    const int button = MouseStateButton(event.button);
    if (button >= 0)
        m_oButtons.Set(button, event.state == SDL_PRESSED);
    if (event.state == SDL_PRESSED && !m_bPressPending) {
        m_bPressPending = true;
        m_iPressX = event.x;
        m_iPressY = event.y;
    }
    SetPointer(event.x, event.y);
}

void SdlInputDevices::ForgetPresses()
{
    m_bPressPending = false;
    m_bReadAtPress = false;
    for (uint8_t& state : m_aReadButtons)
        state = 0;
}

void SdlInputDevices::SetPointer(int32_t x, int32_t y)
{
    m_iPointerX = x;
    m_iPointerY = y;
    m_bPointerSeen = true;
}

// Like a foreground-only device: the window going to the background takes
// keyboard and mouse away and forgets what was down.
void SdlInputDevices::LoseFocus()
{
    m_bFocused = false;
    m_bKeyboardAcquired = false;
    m_bMouseAcquired = false;
    m_oKeys.Clear();
    m_oButtons.Clear();
    ForgetPresses();
    m_iMotionX = m_iMotionY = m_iWheel = 0;
}

void SdlInputDevices::AddPad(int deviceIndex)
{
    if (!m_bPadSystem || !SDL_IsGameController(deviceIndex))
        return;
    const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    int freeSlot = -1;
    for (int slot = 0; slot < PAD_SLOT_COUNT; ++slot) {
        if (m_apPads[slot] && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(m_apPads[slot])) == instance)
            return;
        if (!m_apPads[slot] && freeSlot < 0)
            freeSlot = slot;
    }
    if (freeSlot >= 0)
        m_apPads[freeSlot] = SDL_GameControllerOpen(deviceIndex);
}

void SdlInputDevices::RemovePad(SDL_JoystickID instance)
{
    for (SDL_GameController*& pad : m_apPads) {
        if (pad && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == instance) {
            SDL_GameControllerClose(pad);
            pad = nullptr;
        }
    }
}

void SdlInputDevices::ClosePads()
{
    for (SDL_GameController*& pad : m_apPads) {
        if (pad)
            SDL_GameControllerClose(pad);
        pad = nullptr;
    }
}

} // namespace Platform
