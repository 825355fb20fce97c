#pragma once
#include "Input/MouseState.h"
#include "Input/PadState.h"

#include <cstdint>

namespace Platform {
class InputDevices;
class Window;
} // namespace Platform

// The core's one reader of the keyboard, the mouse and pad 0. Each poll keeps
// the previous state and derives, per key and button, what was pressed and
// released this frame and what is held; the input triggers read only these
// facts and the pointer. Callers read the fields directly.
class Input {
public:
    static Input* m_pSingleton;

    // Makes the singleton (once).
    static Input* CreateSingleton();
    static void DestroySingleton();

    Input();
    ~Input();
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    // Opens the devices of the application window, reads the user's
    // swapped-buttons setting and takes a first reading; false when the
    // devices cannot be made.
    bool Initialize(Platform::Window* window);
    // Unacquires and releases the devices; safe when nothing was opened.
    void Shutdown();
    void Reset();

    // One poll each; called once per frame in this order.
    void UpdatePad();
    void UpdateMouse();
    void UpdateKeyboard();

    // Keyboard: states in key-code order (bit 7 = down), then the facts of
    // the last poll (0 or 1 each).
    uint8_t m_aKeyboardState[256];
    uint8_t m_aPreviousKeyboardState[256];
    uint8_t m_aKeyPressed[256];
    uint8_t m_aKeyReleased[256];
    uint8_t m_aKeyHeld[256];

    Platform::MouseState m_oMouseState;
    Platform::MouseState m_oPreviousMouseState;

    // The pointer block, cleared by every mouse poll. The pointer is in 4096ths
    // of the 4:3 picture area, -1, -1 when it is outside the client area or the
    // mouse was not read this frame.
    int32_t m_iPointerX;
    int32_t m_iPointerY;
    int32_t m_iMouseMotionX;
    int32_t m_iMouseMotionY;
    uint8_t m_aMouseButtonPressed[2];
    uint8_t m_aMouseButtonReleased[2];
    uint8_t m_aMouseButtonHeld[2];
    uint8_t m_bPointerInside;

    Platform::PadState m_oPadState;
    Platform::PadState m_oPreviousPadState;
    uint32_t m_uPadPressed;
    uint32_t m_uPadReleased;
    uint32_t m_uPadHeld;

private:
    void ClearPointerBlock();

    Platform::InputDevices* m_pDevices;
};

// The user's setting that makes the right button the primary one; the
// triggers read it.
extern uint8_t g_bSwapMouseButtons;
