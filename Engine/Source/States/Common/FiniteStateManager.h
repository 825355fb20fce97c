#pragma once
#include "States/Common/GameState.h"
#include "States/Common/GameStateIds.h"
#include "States/Common/GameStateQueue.h"

#include <cstdint>
#include <memory>

// Holds the game states by id and switches between them at frame
// boundaries: a state's update names the state to run next, and the change
// happens at the start of the next frame's ManageStates (the old state exits,
// the new one enters and updates). Owns the queue of states to run next.
class FiniteStateManager {
public:
    static constexpr int32_t MAX_STATES = 32;

    FiniteStateManager() = default;
    // Asserts that no state is current any more.
    virtual ~FiniteStateManager();
    FiniteStateManager(const FiniteStateManager&) = delete;
    FiniteStateManager& operator=(const FiniteStateManager&) = delete;

    // Stores the state in the slot of its id; false (the state is dropped)
    // when the id is out of range or the slot is taken.
    bool AddState(std::unique_ptr<GameState> pState);
    // Makes the state of the id current and enters it. An id whose slot is
    // empty keeps the current state, with a log line.
    GameState* SetState(uint16_t uId);
    // The frame's step: a change asked for in the last frame, then the
    // current state's update.
    void ManageStates(uint32_t dt);
    // Renders the current state unless its last update asked for another.
    void RenderCurrentState();
    // Tells the current state that the frame was presented.
    void EndStateFrame();
    // Exits the current state and deletes every state.
    void ReleaseStates();
    // For a state that ran its queue entry: takes it out and names the state
    // at the new head, or the main state when the queue is empty.
    uint16_t PopToNextState();

    GameState* GetState(uint16_t uId) const;
    GameState* GetCurrentState() const { return m_opCurrentState; }
    uint16_t GetCurrentStateId() const { return m_uCurrentStateId; }
    uint16_t GetNextStateId() const { return m_uNextStateId; }
    GameStateQueue& GetStateQueue() { return m_oStateQueue; }
    const GameStateQueue& GetStateQueue() const { return m_oStateQueue; }

private:
    uint16_t m_uNextStateId = STATE_ID_NONE;
    // Set to the current state's id only once it asks for a change, so that
    // the change is made at the start of the next frame.
    uint16_t m_uCurrentStateId = STATE_ID_NONE;
    GameState* m_opCurrentState = nullptr;
    std::unique_ptr<GameState> m_apStates[MAX_STATES];
    GameStateQueue m_oStateQueue;
};
