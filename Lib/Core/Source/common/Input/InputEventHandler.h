#pragma once
#include <cstdint>

class InputEventTrigger;

// At most this many triggers can be registered.
constexpr uint32_t INPUT_MAX_EVENTTRIGGER = 128;

// Keeps the registered input triggers (it does not own them), tests the
// enabled ones once per frame after the devices were polled, and answers
// which input events are active this frame.
class InputEventHandler {
public:
    static InputEventHandler* m_pSingleton;

    static void CreateSingleton();
    static void DestroySingleton();

    // Appends a trigger; a full table refuses it with an assert.
    void RegisterEventTrigger(InputEventTrigger* trigger);
    // Rebuilds the list of this frame's active triggers, testing the enabled
    // triggers in registration order.
    void Update(uint32_t frameArgument);
    // Whether an active trigger carries the event id; the first one (in
    // registration order) gives its values to the outs that are given.
    bool IsEventActive(uint16_t eventId, uint32_t* value1, uint32_t* value2) const;
    // Switches every registered trigger of the event id on or off, from the
    // next Update on.
    void EnableEventTrigger(uint16_t eventId, bool enable);

    uint32_t GetEventTriggerCount() const { return m_iEventTriggerCount; }
    uint32_t GetActiveTriggerCount() const { return m_iActiveTriggerCount; }
    const InputEventTrigger* GetActiveTrigger(uint32_t index) const;

private:
    InputEventHandler() = default;

    InputEventTrigger* m_apEventTriggers[INPUT_MAX_EVENTTRIGGER] {};
    uint32_t m_iEventTriggerCount = 0;
    InputEventTrigger* m_apActiveTriggers[INPUT_MAX_EVENTTRIGGER] {};
    uint32_t m_iActiveTriggerCount = 0;
};
