#pragma once
#include "Effects/Common/ScreenColorEffect.h"
#include "MiniGame/Common/MiniGameFactory.h"
#include "States/Common/GameState.h"

#include <cstdint>
#include <memory>

// Hosts one mini-game at a time: the splash sequence, the credits or one of
// the six games. Its entry silences the adventure's music and ambience,
// switches the mini-game controls on, loads the mini-game fonts, makes and
// initialises the game of the queue's head and fades in; each frame it
// mirrors the game's pause into the mini-game's state stack and updates it;
// once the game has finished it hands over to the next queued state or back
// to the adventure. Its exit writes the won flag into the current save slot
// and frees the game. A game that cannot be made or initialised ends the
// state at its first update instead of running half-built.
class MiniGameState final : public GameState {
public:
    static constexpr int32_t EFFECT_COUNT = MiniGame::EFFECT_COUNT;
    static constexpr fx32 EFFECT_DURATION = 0xB33;
    static constexpr int32_t START_MENU_SCENE = 3;

    explicit MiniGameState(FiniteStateManager* pOwner, MiniGameFactory pFactory = &CreateMiniGame);
    ~MiniGameState() override;

    uint16_t Update(uint32_t dt) override;
    void Render() override;

    // Makes the game of the id; none for an unknown id or one without a game.
    void SetMiniGame(int32_t iId);
    // The four fades set up and put into the effect list.
    void InitializeEffects();

    MiniGame* GetMiniGame() const { return m_pCurrentMiniGame.get(); }
    int32_t GetMiniGameId() const { return m_iCurrentMiniGameId; }
    ScreenColorEffect& GetEffect(int32_t i) { return m_aoEffects[i]; }
    int32_t GetEffectIndex(int32_t i) const { return m_aiEffectIndexes[i]; }

protected:
    void OnInit() override;
    void OnShutdown() override;

private:
    // The first parameter and the splash start step of the queue's head.
    void ReadQueueHead(int32_t& iId, uint32_t& uStartStep) const;
    void ReleaseEffects();
    uint16_t Finish();

    MiniGameFactory m_pFactory;
    std::unique_ptr<MiniGame> m_pCurrentMiniGame;
    int32_t m_iCurrentMiniGameId = MINIGAME_NONE;
    uint32_t m_uStartStep = 1;
    ScreenColorEffect m_aoEffects[EFFECT_COUNT];
    int32_t m_aiEffectIndexes[EFFECT_COUNT] = {-1, -1, -1, -1};
};
