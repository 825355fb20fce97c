#pragma once
#include "Input/HeadlessInputDevices.h"

#include <functional>
#include <map>

namespace TestSupport {

// Headless input devices that play a script: before the frame numbered in
// the script is polled, its step changes the devices. Frames are counted by
// the pad poll, which comes first in every frame.
class ScriptedInputDevices final : public Platform::InputDevices {
public:
    using Step = std::function<void(Platform::HeadlessInputDevices&)>;

    void At(int frame, Step step) { m_steps[frame] = std::move(step); }
    int Frames() const { return m_iFrame; }

    bool Open(Platform::Window* window) override { return m_devices.Open(window); }
    void Close() override { m_devices.Close(); }
    bool AcquireKeyboard() override { return m_devices.AcquireKeyboard(); }
    bool AcquireMouse() override { return m_devices.AcquireMouse(); }
    Platform::DeviceRead ReadKeyboard(uint8_t (&state)[256]) override { return m_devices.ReadKeyboard(state); }
    Platform::DeviceRead ReadMouse(Platform::MouseState& state) override { return m_devices.ReadMouse(state); }
    void GetPointerPosition(int32_t& x, int32_t& y) override { m_devices.GetPointerPosition(x, y); }
    void GetClientSize(int32_t& width, int32_t& height) override { m_devices.GetClientSize(width, height); }
    bool AreMouseButtonsSwapped() override { return m_devices.AreMouseButtonsSwapped(); }
    bool ReadPad(int slot, Platform::PadState& state) override
    {
        const auto step = m_steps.find(m_iFrame++);
        if (step != m_steps.end())
            step->second(m_devices);
        return m_devices.ReadPad(slot, state);
    }
    void EnablePads(bool enable) override { m_devices.EnablePads(enable); }

private:
    Platform::HeadlessInputDevices m_devices;
    std::map<int, Step> m_steps;
    int m_iFrame = 0;
};

} // namespace TestSupport
