#include "Input/InputEventHandler.h"

#include "Error/EngineAssert.h"
#include "Input/InputEventTrigger.h"

#include <cstddef>

InputEventHandler* InputEventHandler::m_pSingleton = nullptr;

void InputEventHandler::CreateSingleton()
{
    ENGINE_ASSERT(m_pSingleton == NULL);
    // A second handler would orphan the triggers registered with the first.
    if (!m_pSingleton)
        m_pSingleton = new InputEventHandler;
}

void InputEventHandler::DestroySingleton()
{
    ENGINE_ASSERT(m_pSingleton != NULL);
    delete m_pSingleton;
    m_pSingleton = nullptr;
}

void InputEventHandler::RegisterEventTrigger(InputEventTrigger* trigger)
{
    ENGINE_ASSERT(m_iEventTriggerCount < INPUT_MAX_EVENTTRIGGER);
    ENGINE_ASSERT(trigger != NULL);
    if (m_iEventTriggerCount >= INPUT_MAX_EVENTTRIGGER || !trigger)
        return;
    m_apEventTriggers[m_iEventTriggerCount++] = trigger;
}

void InputEventHandler::Update(uint32_t frameArgument)
{
    m_iActiveTriggerCount = 0;
    for (uint32_t index = 0; index < m_iEventTriggerCount; ++index) {
        InputEventTrigger* trigger = m_apEventTriggers[index];
        if (!trigger->IsEnabled())
            continue;
        trigger->CheckActivation(frameArgument);
        if (trigger->IsActivated())
            m_apActiveTriggers[m_iActiveTriggerCount++] = trigger;
    }
}

bool InputEventHandler::IsEventActive(uint16_t eventId, uint32_t* value1, uint32_t* value2) const
{
    for (uint32_t index = 0; index < m_iActiveTriggerCount; ++index) {
        const InputEventTrigger* trigger = m_apActiveTriggers[index];
        if (trigger->GetEventId() != eventId)
            continue;
        if (value1)
            *value1 = trigger->GetValue1();
        if (value2)
            *value2 = trigger->GetValue2();
        return true;
    }
    return false;
}

void InputEventHandler::EnableEventTrigger(uint16_t eventId, bool enable)
{
    for (uint32_t index = 0; index < m_iEventTriggerCount; ++index) {
        if (m_apEventTriggers[index]->GetEventId() == eventId)
            m_apEventTriggers[index]->SetEnabled(enable);
    }
}

const InputEventTrigger* InputEventHandler::GetActiveTrigger(uint32_t index) const
{
    return index < m_iActiveTriggerCount ? m_apActiveTriggers[index] : nullptr;
}
