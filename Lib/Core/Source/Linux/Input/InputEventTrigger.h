#pragma once
#include <cstdint>

// The device condition a trigger tests. "Left button" is mouse button 0, or
// button 1 when the user swapped the buttons; "pointer" is valid when neither
// coordinate is -1.
enum InputTriggerType : uint32_t {
    InputTriggerType_Unbound = 0,
    InputTriggerType_PadHeld = 1,     // the held mask holds every argument bit
    InputTriggerType_PadNotHeld = 2,  // the opposite of type 1
    InputTriggerType_PadPressed = 3,  // the pressed mask holds every argument bit
    InputTriggerType_PadReleased = 4, // the released mask holds every argument bit
    InputTriggerType_Never = 5,
    InputTriggerType_PointerHeld = 6,         // left button held, pointer valid
    InputTriggerType_PointerUp = 7,           // left button not held, pointer valid
    InputTriggerType_PointerPressed = 8,      // left button pressed this frame, pointer valid
    InputTriggerType_PointerReleased = 9,     // left button released this frame, pointer valid
    InputTriggerType_MouseButtonPressed = 10, // argument 0 left, 1 the other button
    InputTriggerType_Pointer = 11,            // pointer valid
    InputTriggerType_PointerInside = 12,
    InputTriggerType_PointerOutside = 13,
    InputTriggerType_KeyPressed = 14, // argument: key code
    InputTriggerType_KeyHeld = 15,
    InputTriggerType_KeyReleased = 16,
    InputTriggerType_AnyKeyHeld = 17, // value 2: the highest held key code
};

// How a holding condition turns into activations.
enum InputTriggerRepeat : uint32_t {
    InputTriggerRepeat_None = 0,      // active whenever the condition holds
    InputTriggerRepeat_AfterHold = 1, // active once it has held for more than the threshold
    InputTriggerRepeat_Off2 = 2,      // never active
    InputTriggerRepeat_Off3 = 3,      // never active
};

// Binds one input event id to one device condition. Tested once per frame by
// the input event handler after the devices were polled; while its condition
// holds it is activated, and pointer conditions leave the pointer in value 1.
class InputEventTrigger {
public:
    // The id of a trigger that no code asks for.
    static constexpr uint16_t NO_EVENT = 0xFFFF;

    // Starts disabled, with no values.
    InputEventTrigger(uint16_t eventId, uint32_t type, uint16_t argument = 0, uint32_t repeat = InputTriggerRepeat_None,
                      uint32_t repeatThreshold = 0);
    virtual ~InputEventTrigger();

    // Evaluates the condition (the frame argument is not used) and returns
    // whether the trigger is activated this frame.
    virtual bool CheckActivation(uint32_t frameArgument);
    // Clears the activation, the repeat count and both values.
    virtual void Reset();

    uint16_t GetEventId() const { return m_uEventId; }
    uint32_t GetType() const { return m_uType; }
    uint16_t GetArgument() const { return m_uArgument; }
    bool IsEnabled() const { return (m_uFlags & FLAG_ENABLED) != 0; }
    void SetEnabled(bool enabled);
    bool IsActivated() const { return (m_uFlags & FLAG_ACTIVATED) != 0; }
    uint32_t GetRepeat() const { return (m_uFlags & REPEAT_MASK) >> REPEAT_SHIFT; }
    uint32_t GetRepeatThreshold() const { return (m_uFlags & THRESHOLD_MASK) >> THRESHOLD_SHIFT; }
    uint16_t GetRepeatCounter() const { return m_uRepeatCounter; }
    // Pointer conditions: the pointer, x in the low 16 bits and y in the high.
    uint32_t GetValue1() const { return m_uValue1; }
    // Pointer conditions: 0; any-key condition: the highest held key code.
    uint32_t GetValue2() const { return m_uValue2; }

private:
    static constexpr uint16_t FLAG_ACTIVATED = 0x0002;
    // The activation and the low bit that always goes with it.
    static constexpr uint16_t FLAGS_CLEARED_BY_RESET = 0x0003;
    static constexpr uint16_t FLAG_ENABLED = 0x0004;
    static constexpr uint16_t REPEAT_SHIFT = 3;
    static constexpr uint16_t REPEAT_MASK = 0x0018;
    static constexpr uint16_t THRESHOLD_SHIFT = 5;
    static constexpr uint16_t THRESHOLD_MASK = 0x1FE0;

    bool CheckCondition();
    bool CheckPadTriggerActivation() const;
    bool CheckMouseTriggerActivation();
    bool CheckKeyboardTriggerActivation() const;
    bool CheckAnyKeyTriggerActivation();

    uint16_t m_uEventId;
    uint32_t m_uType;
    uint16_t m_uFlags;
    uint16_t m_uArgument;
    uint16_t m_uRepeatCounter;
    int16_t m_iX;
    int16_t m_iY;
    uint32_t m_uValue1;
    uint32_t m_uValue2;
};
