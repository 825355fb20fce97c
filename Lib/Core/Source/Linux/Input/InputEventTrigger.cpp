#include "Input/InputEventTrigger.h"

#include "Error/EngineAssert.h"
#include "Input/CoreInput.h"
#include "Input/InputPointer.h"
#include "Input/KeyCodes.h"

namespace {

// The condition an unreachable branch reports.
constexpr bool FALSE = false;

bool HoldsAllBits(uint32_t mask, uint32_t bits)
{
    return mask != 0 && (mask & bits) == bits;
}

int LeftButton()
{
    return g_bSwapMouseButtons ? 1 : 0;
}

} // namespace

InputEventTrigger::InputEventTrigger(uint16_t eventId, uint32_t type, uint16_t argument, uint32_t repeat,
                                     uint32_t repeatThreshold)
    : m_uEventId(eventId), m_uType(type),
      m_uFlags(static_cast<uint16_t>(((repeat << REPEAT_SHIFT) & REPEAT_MASK) |
                                     ((repeatThreshold << THRESHOLD_SHIFT) & THRESHOLD_MASK))),
      m_uArgument(argument), m_uRepeatCounter(0), m_iX(-1), m_iY(-1), m_uValue1(0), m_uValue2(0)
{
}

InputEventTrigger::~InputEventTrigger() = default;

void InputEventTrigger::SetEnabled(bool enabled)
{
    if (enabled)
        m_uFlags |= FLAG_ENABLED;
    else
        m_uFlags &= static_cast<uint16_t>(~FLAG_ENABLED);
}

void InputEventTrigger::Reset()
{
    m_uFlags &= static_cast<uint16_t>(~FLAGS_CLEARED_BY_RESET);
    m_uRepeatCounter = 0;
    m_uValue1 = 0;
    m_uValue2 = 0;
    m_iX = -1;
    m_iY = -1;
}

bool InputEventTrigger::CheckActivation(uint32_t)
{
    m_uFlags &= static_cast<uint16_t>(~FLAG_ACTIVATED);
    const uint32_t repeat = GetRepeat();
    if (!CheckCondition()) {
        if (repeat == InputTriggerRepeat_AfterHold)
            Reset();
        return false;
    }

    if (repeat == InputTriggerRepeat_None) {
        m_uFlags |= FLAG_ACTIVATED;
    } else if (repeat == InputTriggerRepeat_AfterHold) {
        // Inactive while the hold counts up to the threshold, then active on
        // every check; the count goes on (and wraps) meanwhile.
        if (m_uRepeatCounter >= GetRepeatThreshold())
            m_uFlags |= FLAG_ACTIVATED;
        ++m_uRepeatCounter;
    }
    return IsActivated();
}

bool InputEventTrigger::CheckCondition()
{
    if (!Input::m_pSingleton)
        return false;
    switch (m_uType) {
    case InputTriggerType_Unbound:
    case InputTriggerType_Never: return false;
    case InputTriggerType_PadHeld:
    case InputTriggerType_PadNotHeld:
    case InputTriggerType_PadPressed:
    case InputTriggerType_PadReleased: return CheckPadTriggerActivation();
    case InputTriggerType_PointerHeld:
    case InputTriggerType_PointerUp:
    case InputTriggerType_PointerPressed:
    case InputTriggerType_PointerReleased:
    case InputTriggerType_MouseButtonPressed:
    case InputTriggerType_Pointer:
    case InputTriggerType_PointerInside:
    case InputTriggerType_PointerOutside: return CheckMouseTriggerActivation();
    case InputTriggerType_AnyKeyHeld: return CheckAnyKeyTriggerActivation();
    default: return CheckKeyboardTriggerActivation();
    }
}

bool InputEventTrigger::CheckPadTriggerActivation() const
{
    const Input& input = *Input::m_pSingleton;
    switch (m_uType) {
    case InputTriggerType_PadHeld: return HoldsAllBits(input.m_uPadHeld, m_uArgument);
    case InputTriggerType_PadNotHeld: return !HoldsAllBits(input.m_uPadHeld, m_uArgument);
    case InputTriggerType_PadPressed: return HoldsAllBits(input.m_uPadPressed, m_uArgument);
    default: return HoldsAllBits(input.m_uPadReleased, m_uArgument);
    }
}

bool InputEventTrigger::CheckMouseTriggerActivation()
{
    const Input& input = *Input::m_pSingleton;
    const int left = LeftButton();
    const bool pointerValid = input.m_iPointerX != -1 && input.m_iPointerY != -1;
    bool holds = false;
    bool carriesPointer = true;
    switch (m_uType) {
    case InputTriggerType_PointerHeld: holds = input.m_aMouseButtonHeld[left] && pointerValid; break;
    case InputTriggerType_PointerUp: holds = !input.m_aMouseButtonHeld[left] && pointerValid; break;
    case InputTriggerType_PointerPressed: holds = input.m_aMouseButtonPressed[left] && pointerValid; break;
    case InputTriggerType_PointerReleased: holds = input.m_aMouseButtonReleased[left] && pointerValid; break;
    case InputTriggerType_Pointer: holds = pointerValid; break;
    case InputTriggerType_MouseButtonPressed:
        // Only the two main buttons have facts.
        holds = m_uArgument < 2 && input.m_aMouseButtonPressed[m_uArgument ^ left];
        carriesPointer = false;
        break;
    case InputTriggerType_PointerInside:
        holds = input.m_bPointerInside != 0;
        carriesPointer = false;
        break;
    default:
        holds = input.m_bPointerInside == 0;
        carriesPointer = false;
        break;
    }
    if (holds && carriesPointer) {
        m_uValue1 = InputPackPointer(input.m_iPointerX, input.m_iPointerY);
        m_uValue2 = 0;
    }
    return holds;
}

bool InputEventTrigger::CheckKeyboardTriggerActivation() const
{
    const Input& input = *Input::m_pSingleton;
    const uint8_t* facts = nullptr;
    switch (m_uType) {
    case InputTriggerType_KeyPressed: facts = input.m_aKeyPressed; break;
    case InputTriggerType_KeyHeld: facts = input.m_aKeyHeld; break;
    case InputTriggerType_KeyReleased: facts = input.m_aKeyReleased; break;
    default: ENGINE_ASSERT(FALSE); return false;
    }
    // A code beyond the keyboard state never holds.
    return m_uArgument < Platform::KEYBOARD_STATE_SIZE && facts[m_uArgument] != 0;
}

bool InputEventTrigger::CheckAnyKeyTriggerActivation()
{
    const Input& input = *Input::m_pSingleton;
    bool anyHeld = false;
    for (int code = 0; code < Platform::KEYBOARD_STATE_SIZE; ++code) {
        if (input.m_aKeyHeld[code]) {
            anyHeld = true;
            m_uValue2 = static_cast<uint32_t>(code);
        }
    }
    return anyHeld;
}
