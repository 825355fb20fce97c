#include "Input/HeadlessInputDevices.h"

#include "Input/KeyCodes.h"

#include <cstring>

namespace Platform {

bool HeadlessInputDevices::Open(Window*)
{
    m_bOpen = !m_bOpenFails;
    return m_bOpen;
}

void HeadlessInputDevices::Close()
{
    m_bOpen = false;
    m_bKeyboardAcquired = false;
    m_bMouseAcquired = false;
}

bool HeadlessInputDevices::AcquireKeyboard()
{
    m_bKeyboardAcquired = m_bOpen && m_bFocused;
    return m_bKeyboardAcquired;
}

bool HeadlessInputDevices::AcquireMouse()
{
    if (!m_bOpen || !m_bFocused)
        return false;
    if (!m_bMouseAcquired)
        m_oMouse.x = m_oMouse.y = m_oMouse.wheel = 0;
    m_bMouseAcquired = true;
    return true;
}

DeviceRead HeadlessInputDevices::ReadKeyboard(uint8_t (&state)[256])
{
    if (!m_bOpen)
        return DeviceRead::Failed;
    if (!m_bKeyboardAcquired)
        return DeviceRead::Lost;
    std::memcpy(state, m_aKeys, sizeof m_aKeys);
    return DeviceRead::Ok;
}

DeviceRead HeadlessInputDevices::ReadMouse(MouseState& state)
{
    if (!m_bOpen)
        return DeviceRead::Failed;
    if (!m_bMouseAcquired)
        return DeviceRead::Lost;
    state = m_oMouse;
    m_oMouse.x = m_oMouse.y = m_oMouse.wheel = 0;
    return DeviceRead::Ok;
}

void HeadlessInputDevices::GetPointerPosition(int32_t& x, int32_t& y)
{
    x = m_iPointerX;
    y = m_iPointerY;
}

void HeadlessInputDevices::GetClientSize(int32_t& width, int32_t& height)
{
    width = m_iClientWidth;
    height = m_iClientHeight;
}

bool HeadlessInputDevices::ReadPad(int slot, PadState& state)
{
    state = PadState {};
    if (slot < 0 || slot >= PAD_SLOT_COUNT || !m_abPadPlugged[slot])
        return false;
    if (m_bPadsEnabled)
        state = m_aoPads[slot];
    return true;
}

void HeadlessInputDevices::SetKey(uint8_t code, bool down)
{
    m_aKeys[code] = down ? BUTTON_DOWN_BIT : 0;
}

void HeadlessInputDevices::SetMouseButton(int button, bool down)
{
    if (button >= 0 && button < MOUSE_BUTTON_COUNT)
        m_oMouse.buttons[button] = down ? BUTTON_DOWN_BIT : 0;
}

void HeadlessInputDevices::MoveMouse(int32_t dx, int32_t dy)
{
    m_oMouse.x += dx;
    m_oMouse.y += dy;
}

void HeadlessInputDevices::SetPointer(int32_t x, int32_t y)
{
    m_iPointerX = x;
    m_iPointerY = y;
}

void HeadlessInputDevices::SetClientSize(int32_t width, int32_t height)
{
    m_iClientWidth = width;
    m_iClientHeight = height;
}

void HeadlessInputDevices::SetPad(int slot, const PadState& state)
{
    if (slot < 0 || slot >= PAD_SLOT_COUNT)
        return;
    m_abPadPlugged[slot] = true;
    m_aoPads[slot] = state;
}

void HeadlessInputDevices::UnplugPad(int slot)
{
    if (slot >= 0 && slot < PAD_SLOT_COUNT)
        m_abPadPlugged[slot] = false;
}

void HeadlessInputDevices::SetFocus(bool focused)
{
    m_bFocused = focused;
    if (!focused) {
        m_bKeyboardAcquired = false;
        m_bMouseAcquired = false;
    }
}

} // namespace Platform
