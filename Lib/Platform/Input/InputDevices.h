#pragma once
#include "Input/MouseState.h"
#include "Input/PadState.h"

#include <cstdint>

namespace Platform {

class Window;

// What a keyboard or mouse read gives. Lost: the device was taken away
// (the window lost the focus) and must be acquired again before it reads.
enum class DeviceRead {
    Ok,
    Lost,
    Failed
};

// The keyboard, the mouse and the pads as the core's input reads them once
// per frame. Keyboard and mouse are bound to the application window and only
// read while it has the focus: losing the focus unacquires them, and the next
// acquire succeeds once the focus is back.
class InputDevices {
public:
    virtual ~InputDevices() = default;

    // Makes the keyboard and mouse of the window; false when they cannot be
    // made. Pads need no opening: they are picked up as they are plugged in.
    virtual bool Open(Window* window) = 0;
    // Unacquires and releases keyboard and mouse; safe when not open.
    virtual void Close() = 0;

    virtual bool AcquireKeyboard() = 0;
    virtual bool AcquireMouse() = 0;
    // The 256 key bytes (bit 7 = down), indexed by KeyCode.
    virtual DeviceRead ReadKeyboard(uint8_t (&state)[256]) = 0;
    // The motion and wheel since the previous read and the buttons now.
    virtual DeviceRead ReadMouse(MouseState& state) = 0;

    // The pointer in window client coordinates; a pointer the window does not
    // see lies outside 0..width-1 x 0..height-1.
    virtual void GetPointerPosition(int32_t& x, int32_t& y) = 0;
    virtual void GetClientSize(int32_t& width, int32_t& height) = 0;
    // The user's setting that swaps the primary and secondary buttons.
    virtual bool AreMouseButtonsSwapped() = 0;

    // The state of the pad in a user slot (0..3); false when none is there.
    virtual bool ReadPad(int slot, PadState& state) = 0;
    // Switched off while the application is inactive: every pad then reads
    // as resting.
    virtual void EnablePads(bool enable) = 0;
};

// The devices every caller uses: the SDL ones unless a test installs others
// with SetInputDevices (nullptr restores the SDL ones).
InputDevices& GetInputDevices();
void SetInputDevices(InputDevices* devices);

} // namespace Platform
