#pragma once
#include "Input/InputEventHandler.h"

#include <cstdint>

// The pointer word of an event that carries no pointer.
constexpr uint32_t INPUT_NO_POINTER = 0xFFFFFFFFu;

// Whether the event is active this frame; false before the input system is up.
inline bool InputEventActive(uint16_t id)
{
    const InputEventHandler* handler = InputEventHandler::m_pSingleton;
    return handler && handler->IsEventActive(id, nullptr, nullptr);
}

// The same, with the event's pointer in `pointer` (INPUT_NO_POINTER when it
// carries none).
inline bool InputEventActiveAt(uint16_t id, uint32_t& pointer)
{
    const InputEventHandler* handler = InputEventHandler::m_pSingleton;
    pointer = INPUT_NO_POINTER;
    return handler && handler->IsEventActive(id, &pointer, nullptr);
}
