#pragma once
#include "Input/InputDevices.h"

namespace Platform {

// Devices that tests drive by hand: keys, buttons, motion, the pointer, the
// window size, pads and the window's focus, with the same acquiring rules as
// the real ones. The window given to Open is not used.
class HeadlessInputDevices final : public InputDevices {
public:
    bool Open(Window* window) override;
    void Close() override;
    bool AcquireKeyboard() override;
    bool AcquireMouse() override;
    DeviceRead ReadKeyboard(uint8_t (&state)[256]) override;
    DeviceRead ReadMouse(MouseState& state) override;
    void GetPointerPosition(int32_t& x, int32_t& y) override;
    void GetClientSize(int32_t& width, int32_t& height) override;
    bool AreMouseButtonsSwapped() override { return m_bSwapped; }
    bool ReadPad(int slot, PadState& state) override;
    void EnablePads(bool enable) override { m_bPadsEnabled = enable; }

    bool IsOpen() const { return m_bOpen; }
    void SetOpenFails(bool fails) { m_bOpenFails = fails; }
    void SetKey(uint8_t code, bool down);
    void SetMouseButton(int button, bool down);
    void MoveMouse(int32_t dx, int32_t dy);
    void TurnWheel(int32_t delta) { m_oMouse.wheel += delta; }
    void SetPointer(int32_t x, int32_t y);
    void SetClientSize(int32_t width, int32_t height);
    void SetSwappedButtons(bool swapped) { m_bSwapped = swapped; }
    void SetPad(int slot, const PadState& state);
    void UnplugPad(int slot);
    // Losing the focus unacquires keyboard and mouse.
    void SetFocus(bool focused);

private:
    bool m_bOpen = false;
    bool m_bOpenFails = false;
    bool m_bFocused = true;
    bool m_bKeyboardAcquired = false;
    bool m_bMouseAcquired = false;
    bool m_bSwapped = false;
    bool m_bPadsEnabled = true;
    uint8_t m_aKeys[256] {};
    MouseState m_oMouse {};
    int32_t m_iPointerX = -1;
    int32_t m_iPointerY = -1;
    int32_t m_iClientWidth = 1280;
    int32_t m_iClientHeight = 960;
    bool m_abPadPlugged[PAD_SLOT_COUNT] {};
    PadState m_aoPads[PAD_SLOT_COUNT] {};
};

} // namespace Platform
