#pragma once
#include "Input/Common/DefaultInputTriggers.h"
#include "Input/Common/InputSystem.h"
#include "Input/InputEventHandler.h"
#include "Support/HeadlessInput.h"

namespace TestSupport {

// The game's input system with its default triggers over headless devices
// (a 1280 x 720 window), taken down as the game's shutdown does for the life
// of the object.
class ScopedInputSystem {
public:
    ScopedInputSystem()
    {
        m_input.Devices().SetClientSize(1280, 720);
        InputSystem::CreateSingleton();
        InputSystem::GetInstance()->Init();
        InputSystem::GetInstance()->SetInputEnabled(true);
    }
    ~ScopedInputSystem()
    {
        InputSystem::EnableGameEvents(false);
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

    // The pointer at a point of the virtual 256 x 192 screen.
    void PointAt(int32_t x, int32_t y) { m_input.Devices().SetPointer(160 + x * 15 / 4, y * 15 / 4); }
    void SetButton(bool down) { m_input.Devices().SetMouseButton(0, down); }
    void SetSecondaryButton(bool down) { m_input.Devices().SetMouseButton(1, down); }
    void SetKey(uint8_t code, bool down) { m_input.Devices().SetKey(code, down); }
    void Frame() { m_input.Frame(); }

private:
    ScopedHeadlessInput m_input;
};

} // namespace TestSupport
