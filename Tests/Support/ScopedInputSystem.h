#pragma once
#include "Input/Common/DefaultInputTriggers.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputSystem.h"
#include "Input/InputEventHandler.h"
#include "Support/HeadlessInput.h"

namespace TestSupport {

// The game's input system with its default triggers over headless devices,
// for the life of the object. The end takes everything down as the game's
// shutdown does and puts the static trigger records back as they were when
// the program started.
class ScopedInputSystem {
public:
    ScopedInputSystem()
    {
        InputSystem::CreateSingleton();
        InputSystem::GetInstance()->Init();
        InputSystem::GetInstance()->SetInputEnabled(true);
    }
    ~ScopedInputSystem()
    {
        InputSystem::EnableGameEvents(false);
        InputEventHandler::m_pSingleton->EnableEventTrigger(InputEventId_Reserved47, false);
        InputSystem::GetInstance()->SetInputEnabled(false);
        InputEventHandler::DestroySingleton();
        InputSystem::DestroySingleton();
        for (InputEventTrigger& trigger : g_aoDefaultInputTriggers) {
            trigger.SetEnabled(false);
            trigger.Reset();
        }
    }
    ScopedInputSystem(const ScopedInputSystem&) = delete;
    ScopedInputSystem& operator=(const ScopedInputSystem&) = delete;

    Platform::HeadlessInputDevices& Devices() { return m_input.Devices(); }
    // One frame of input: the devices polled, the triggers updated.
    void Frame() { m_input.Frame(); }

private:
    ScopedHeadlessInput m_input;
};

} // namespace TestSupport
