#pragma once
#include "States/Common/GameState.h"

// Leaves the adventure for one frame, so that the main state exits and comes
// back on a newly started save slot, or passes on to the movie queued behind
// it.
class DispatchGameState final : public GameState {
public:
    explicit DispatchGameState(FiniteStateManager* pOwner);

    uint16_t Update(uint32_t dt) override;
    void Render() override { }

protected:
    void OnInit() override { }
    void OnShutdown() override { }
};
