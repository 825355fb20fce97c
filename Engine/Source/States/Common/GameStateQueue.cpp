#include "States/Common/GameStateQueue.h"

#include "Error/EngineAssert.h"

bool GameStateQueue::Push(const GameStateQueueEntry& oEntry)
{
    // A fourth entry would make the ring look empty.
    const int32_t iNewEnd = (m_iEnd + 1) % SLOT_COUNT;
    ENGINE_ASSERT_MSG(m_iBegin != iNewEnd, "action queue full");
    if (m_iBegin == iNewEnd)
        return false;
    m_aoEntries[m_iEnd] = oEntry;
    m_iEnd = iNewEnd;
    return true;
}

const GameStateQueueEntry* GameStateQueue::Pop()
{
    ENGINE_ASSERT_MSG(m_iBegin != m_iEnd, "action queue empty");
    if (m_iBegin == m_iEnd)
        return nullptr;
    const GameStateQueueEntry* pEntry = &m_aoEntries[m_iBegin];
    m_iBegin = (m_iBegin + 1) % SLOT_COUNT;
    return pEntry;
}

const GameStateQueueEntry* GameStateQueue::Top() const
{
    ENGINE_ASSERT_MSG(m_iBegin != m_iEnd, "action queue empty");
    return m_iBegin == m_iEnd ? nullptr : &m_aoEntries[m_iBegin];
}
