#pragma once
#include "Input/HeadlessInputDevices.h"

#include <cstdint>

namespace TestSupport {

// Installs headless input devices and makes the core's input object over them
// for the life of the object; Devices() drives them.
class ScopedHeadlessInput {
public:
    // With initialize false the input object is made but not initialised.
    explicit ScopedHeadlessInput(bool initialize = true);
    ~ScopedHeadlessInput();
    ScopedHeadlessInput(const ScopedHeadlessInput&) = delete;
    ScopedHeadlessInput& operator=(const ScopedHeadlessInput&) = delete;

    Platform::HeadlessInputDevices& Devices() { return m_oDevices; }

    // One frame of input as the main loop runs it: the pad, the mouse and the
    // keyboard polled, then the input event handler updated when it exists.
    void Frame();

private:
    Platform::HeadlessInputDevices m_oDevices;
};

} // namespace TestSupport
