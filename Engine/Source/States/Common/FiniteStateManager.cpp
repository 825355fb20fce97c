#include "States/Common/FiniteStateManager.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

FiniteStateManager::~FiniteStateManager()
{
    ENGINE_ASSERT(NULL == m_opCurrentState);
}

bool FiniteStateManager::AddState(std::unique_ptr<GameState> pState)
{
    if (!pState || pState->GetId() >= MAX_STATES || m_apStates[pState->GetId()])
        return false;
    const uint16_t uId = pState->GetId();
    m_apStates[uId] = std::move(pState);
    return true;
}

GameState* FiniteStateManager::GetState(uint16_t uId) const
{
    return uId < MAX_STATES ? m_apStates[uId].get() : nullptr;
}

GameState* FiniteStateManager::SetState(uint16_t uId)
{
    GameState* pState = GetState(uId);
    if (pState == nullptr) {
        CorePrint(&g_oCoreLog, "No game state %d: the current state goes on\n", uId);
        return m_opCurrentState;
    }
    m_opCurrentState = pState;
    pState->Enter();
    return pState;
}

void FiniteStateManager::ManageStates(uint32_t dt)
{
    if (m_opCurrentState == nullptr)
        return;
    if (m_uCurrentStateId != STATE_ID_NONE && m_uCurrentStateId != m_uNextStateId) {
        if (GetState(m_uNextStateId) == nullptr) {
            // Leaving for no state would leave no state current.
            CorePrint(&g_oCoreLog, "No game state %d: state %d goes on\n", m_uNextStateId, m_uCurrentStateId);
            m_uNextStateId = m_uCurrentStateId;
        } else {
            m_opCurrentState->Exit();
            SetState(m_uNextStateId);
            m_uCurrentStateId = m_uNextStateId;
        }
    }
    const uint16_t uOwnId = m_opCurrentState->GetId();
    m_uNextStateId = m_opCurrentState->Update(dt);
    if (m_uNextStateId != uOwnId)
        m_uCurrentStateId = uOwnId;
}

void FiniteStateManager::RenderCurrentState()
{
    if (m_opCurrentState != nullptr && m_opCurrentState->GetId() == m_uNextStateId)
        m_opCurrentState->Render();
}

void FiniteStateManager::EndStateFrame()
{
    if (m_opCurrentState != nullptr)
        m_opCurrentState->EndFrame();
}

void FiniteStateManager::ReleaseStates()
{
    if (m_opCurrentState != nullptr) {
        m_opCurrentState->Exit();
        m_opCurrentState = nullptr;
    }
    for (std::unique_ptr<GameState>& pState : m_apStates)
        pState.reset();
    m_uCurrentStateId = STATE_ID_NONE;
    m_uNextStateId = STATE_ID_NONE;
}

uint16_t FiniteStateManager::PopToNextState()
{
    m_oStateQueue.Pop();
    const GameStateQueueEntry* pHead = m_oStateQueue.IsEmpty() ? nullptr : m_oStateQueue.Top();
    return pHead != nullptr ? static_cast<uint16_t>(pHead->m_uStateId) : STATE_ID_MAIN;
}
