#include "States/Common/CardCheckGameState.h"

#include "CardMngr/CardManager.h"
#include "States/Common/FiniteStateManager.h"

CardCheckGameState::CardCheckGameState(FiniteStateManager* pOwner) : GameState(pOwner, STATE_ID_CARD_CHECK)
{
}

void CardCheckGameState::OnInit()
{
    m_bReady = 1;
    m_iPhase = PHASE_CHECK;
}

uint16_t CardCheckGameState::Update(uint32_t)
{
    if (m_iPhase == PHASE_CHECK) {
        CardManager* pCard = CardManager::GetInstance();
        if (pCard != nullptr && pCard->GetStatus() == I_CARD_STATUS_NO_FILE)
            pCard->CreateDataFiles();
        m_iPhase = PHASE_DONE;
        return STATE_ID_CARD_CHECK;
    }
    if (m_iPhase == PHASE_DONE && m_bReady != 0)
        return GoToNextState();
    return STATE_ID_CARD_CHECK;
}

uint16_t CardCheckGameState::GoToNextState()
{
    return GetOwner()->PopToNextState();
}
