#pragma once
#include "States/Common/GameState.h"

// Runs once at start-up: creates the save file when start-up found none,
// then hands over to the next queued state, or to the main state. It takes
// two frames and shows nothing.
class CardCheckGameState final : public GameState {
public:
    static constexpr int32_t PHASE_CHECK = 0;
    static constexpr int32_t PHASE_DONE = 6;

    explicit CardCheckGameState(FiniteStateManager* pOwner);

    uint16_t Update(uint32_t dt) override;
    void Render() override { }
    uint16_t GoToNextState();

    int32_t GetPhase() const { return m_iPhase; }

protected:
    void OnInit() override;
    void OnShutdown() override { }

private:
    int32_t m_iPhase = PHASE_CHECK;
    uint8_t m_bReady = 0;
};
