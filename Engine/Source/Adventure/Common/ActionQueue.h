#pragma once
#include "ScriptEngine/common/ActionDesc.h"

#include <cstdint>

constexpr int32_t ACTION_QUEUE_SLOTS = 32;
// One slot always stays free so that a full ring differs from an empty one.
constexpr int32_t ACTION_QUEUE_CAPACITY = ACTION_QUEUE_SLOTS - 1;

// The ring of actions waiting behind a scriptable's current action, oldest
// first. It is empty when both indices are equal.
class ActionQueue {
public:
    // Copies the action behind the others; a full ring refuses it, reports it
    // and keeps what it holds.
    bool Push(const ActionDesc& oAction);
    // Takes the oldest action; an empty ring reports it and gives false.
    bool Pop(ActionDesc& oOut);
    bool IsEmpty() const { return m_iBegin == m_iEnd; }
    int32_t GetCount() const { return (m_iEnd - m_iBegin + ACTION_QUEUE_SLOTS) % ACTION_QUEUE_SLOTS; }
    // The waiting action `i` places after the oldest (0 is the oldest).
    const ActionDesc& Peek(int32_t i) const { return m_aSlots[(m_iBegin + i) % ACTION_QUEUE_SLOTS]; }

private:
    ActionDesc m_aSlots[ACTION_QUEUE_SLOTS] = {};
    // Slot of the next push.
    int32_t m_iEnd = 0;
    // Slot of the oldest waiting action.
    int32_t m_iBegin = 0;
};
