#include "Adventure/Common/ActionQueue.h"

#include "Error/EngineAssert.h"

bool ActionQueue::Push(const ActionDesc& oAction)
{
    const int32_t iNextEnd = (m_iEnd + 1) % ACTION_QUEUE_SLOTS;
    if (iNextEnd == m_iBegin) {
        // Taking the last slot would make the ring look empty and lose every
        // waiting action, so the newcomer is the one refused.
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "m_iBegin!=m_iEnd");
        CorePrint(&g_oCoreLog, "message:\naction queue full\n");
        return false;
    }
    m_aSlots[m_iEnd] = oAction;
    m_iEnd = iNextEnd;
    return true;
}

bool ActionQueue::Pop(ActionDesc& oOut)
{
    if (IsEmpty()) {
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "m_iBegin!=m_iEnd");
        CorePrint(&g_oCoreLog, "message:\naction queue empty\n");
        return false;
    }
    oOut = m_aSlots[m_iBegin];
    m_iBegin = (m_iBegin + 1) % ACTION_QUEUE_SLOTS;
    return true;
}
