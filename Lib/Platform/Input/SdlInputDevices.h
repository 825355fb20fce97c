#pragma once
#include "Input/InputDevices.h"
#include "Input/LatchedButtons.h"
#include "Window/EventListeners.h"

#include <SDL.h>

namespace Platform {

// The real devices over SDL. Keyboard and mouse are followed through the
// events that the window's pump hands to every listener, real or pushed
// alike, so that their state is exactly what the window received, and a key
// or button pressed and released between two reads still reads down once;
// the pointer reads where a button went down in the read that hands on the
// press, so a click is not carried off by a move made before the next read;
// pads are SDL game controllers, opened as they are plugged in and read from
// SDL's controller state.
class SdlInputDevices final : public InputDevices, public EventListener {
public:
    bool Open(Window* window) override;
    void Close() override;
    bool AcquireKeyboard() override;
    bool AcquireMouse() override;
    DeviceRead ReadKeyboard(uint8_t (&state)[256]) override;
    DeviceRead ReadMouse(MouseState& state) override;
    void GetPointerPosition(int32_t& x, int32_t& y) override;
    void GetClientSize(int32_t& width, int32_t& height) override;
    bool AreMouseButtonsSwapped() override;
    bool ReadPad(int slot, PadState& state) override;
    void EnablePads(bool enable) override { m_bPadsEnabled = enable; }

    void OnEvent(const SDL_Event& event) override;

private:
    void OnWindowEvent(const SDL_WindowEvent& event);
    void OnKey(const SDL_KeyboardEvent& event);
    void OnMouseButton(const SDL_MouseButtonEvent& event);
    void SetPointer(int32_t x, int32_t y);
    // Whether this read hands on a press, and so reads the pointer there.
    bool ReadsNewPress(const uint8_t (&buttons)[MOUSE_BUTTON_COUNT]);
    // Everything up: no press waits to be read.
    void ForgetPresses();
    void LoseFocus();
    void AddPad(int deviceIndex);
    void RemovePad(SDL_JoystickID instance);
    void ClosePads();

    Window* m_pWindow = nullptr;
    bool m_bFocused = false;
    bool m_bKeyboardAcquired = false;
    bool m_bMouseAcquired = false;
    bool m_bPadSystem = false;
    bool m_bPadsEnabled = true;
    LatchedButtons<KEYBOARD_STATE_SIZE> m_oKeys;
    LatchedButtons<MOUSE_BUTTON_COUNT> m_oButtons;
    int32_t m_iMotionX = 0;
    int32_t m_iMotionY = 0;
    int32_t m_iWheel = 0;
    bool m_bPointerSeen = false;
    int32_t m_iPointerX = 0;
    int32_t m_iPointerY = 0;
    // Where the first press since the press last handed on went down.
    bool m_bPressPending = false;
    int32_t m_iPressX = 0;
    int32_t m_iPressY = 0;
    // The last read handed on that press: the pointer reads there until the
    // next read.
    bool m_bReadAtPress = false;
    uint8_t m_aReadButtons[MOUSE_BUTTON_COUNT] {};
    SDL_GameController* m_apPads[PAD_SLOT_COUNT] {};
};

} // namespace Platform
