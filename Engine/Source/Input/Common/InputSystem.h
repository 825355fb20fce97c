#pragma once
#include <cstdint>

// The game's owner of the input bindings: it creates the core's input event
// handler, registers the default triggers and switches the mini-game controls
// on and off. Its one flag tells the main loop whether the devices are polled
// and the triggers updated.
class InputSystem {
public:
    static InputSystem* m_pSingleton;

    static void CreateSingleton();
    static InputSystem* GetInstance();
    static void DestroySingleton();

    // Creates the input event handler, registers the default triggers and
    // leaves the mini-game controls and event 0x47 disabled; the flag is left
    // clear for the caller to set.
    void Init();
    // Enables or disables every mini-game control event.
    static void EnableGameEvents(bool enable);
    static void RegisterTriggersA();
    static void RegisterTriggersB();

    bool IsInputEnabled() const { return m_bInputEnabled != 0; }
    void SetInputEnabled(bool enabled) { m_bInputEnabled = enabled ? 1 : 0; }

private:
    InputSystem() = default;

    uint8_t m_bInputEnabled = 0;
};
