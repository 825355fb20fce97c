#pragma once
#include <cstdint>

class FiniteStateManager;

// One of the game's states. The state manager enters it when it becomes
// current, updates and renders it once per frame while it stays current, and
// exits it when another state takes over.
class GameState {
public:
    GameState(FiniteStateManager* pOwner, uint16_t uId) : m_pOwner(pOwner), m_uId(uId) { }
    virtual ~GameState() = default;
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    virtual void Enter() { OnInit(); }
    virtual void Exit() { OnShutdown(); }
    // Advances the state by dt milliseconds; the id of the state to run next,
    // its own to stay.
    virtual uint16_t Update(uint32_t dt) = 0;
    virtual void Render() = 0;
    // The frame has been presented.
    virtual void EndFrame() { }

    uint16_t GetId() const { return m_uId; }
    FiniteStateManager* GetOwner() const { return m_pOwner; }

protected:
    virtual void OnInit() = 0;
    virtual void OnShutdown() = 0;

private:
    FiniteStateManager* m_pOwner;
    uint16_t m_uId;
};
