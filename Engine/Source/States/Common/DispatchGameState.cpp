#include "States/Common/DispatchGameState.h"

#include "States/Common/FiniteStateManager.h"

DispatchGameState::DispatchGameState(FiniteStateManager* pOwner) : GameState(pOwner, STATE_ID_DISPATCH)
{
}

uint16_t DispatchGameState::Update(uint32_t)
{
    return GetOwner()->PopToNextState();
}
