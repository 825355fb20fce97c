#pragma once
#include "MiniGame/Common/MiniGame.h"
#include "Random/RandomGenerator.h"

#include <cstdint>

// One fighter of the duel: life points, the foot position, the pose state
// and how many frames the state still lasts.
struct DuelFighter {
    int32_t m_iLife;
    fx32 m_fxX;
    fx32 m_fxY;
    int32_t m_iState;
    // The action asked for this frame; cleared after every frame.
    int32_t m_iRequestedAction;
    int32_t m_iTimer;
};

// The timing, cost and reach of one attack, in frames and life points.
struct DuelAttackDesc {
    int32_t m_iAction;
    int32_t m_iStartFrames;
    int32_t m_iActiveFrames;
    int32_t m_iRecoveryFrames;
    int32_t m_iHitStunFrames;
    int32_t m_iGuardStunFrames;
    int32_t m_iDamage;
    fx32 m_fxReach;
};

// The player's directions and buttons in one frame; the axis is a 20.12
// value, negative to the right.
struct DuelInput {
    bool m_bBack = false;
    bool m_bForward = false;
    bool m_bLight = false;
    bool m_bHeavy = false;
    bool m_bDashBack = false;
    bool m_bDashForward = false;
    bool m_bAxis = false;
    int32_t m_iAxis = 0;
};

// The last action the player asked for and how many frames it still counts
// for a double tap. One buffer serves every duel.
struct DuelInputBuffer {
    int32_t m_iAction = 0;
    int32_t m_iLife = 0;
};

// The wooden sword duel: the player's fighter on the left against a computer
// opponent on the right (the same poses, mirrored), 300 life points each, in
// a single bout. Everything runs once per frame and counts in frames.
class MiniGameWoodenSwordDuel final : public MiniGame {
public:
    static constexpr const char* PACK_NAME = "MG_WoodenSwordDuel";
    static constexpr int32_t MAX_LIFE = 300;
    static constexpr int32_t FIRST_SPRITE = 2;
    static constexpr int32_t BACKGROUND_SPRITE = 2;
    static constexpr int32_t FIRST_OPPONENT_SPRITE = 3;
    static constexpr int32_t FIRST_PLAYER_SPRITE = 14;
    static constexpr int32_t LAST_SPRITE = 24;
    static constexpr int32_t SPRITE_COUNT = LAST_SPRITE - FIRST_SPRITE + 1;
    static constexpr int32_t STATE_COUNT = 11;
    static constexpr int32_t FIRST_DECISION_FRAMES = 30;

    enum Phase : int32_t {
        PHASE_READY = 0,
        PHASE_FIGHTING = 4,
        PHASE_OVER = 6,
    };
    enum FighterState : int32_t {
        FIGHTER_IDLE = 0,
        FIGHTER_HIT_STUN = 1,
        FIGHTER_GUARD = 2,
        FIGHTER_DASH_UP = 3,
        FIGHTER_DASH_DOWN = 4,
        FIGHTER_LIGHT_START = 5,
        FIGHTER_LIGHT_ACTIVE = 6,
        FIGHTER_LIGHT_RECOVERY = 7,
        FIGHTER_HEAVY_START = 8,
        FIGHTER_HEAVY_ACTIVE = 9,
        FIGHTER_HEAVY_RECOVERY = 10,
    };
    // Up is towards higher x: towards the opponent for the player, away from
    // the player for the opponent.
    enum Action : int32_t {
        ACTION_NONE = 0,
        ACTION_DASH_UP = 1,
        ACTION_DASH_DOWN = 2,
        ACTION_LIGHT = 3,
        ACTION_HEAVY = 4,
        ACTION_GUARD = 5,
        ACTION_STEP_DOWN = 6,
        ACTION_STEP_UP = 7,
    };

    static constexpr uint32_t TEXT_NAME = 0x4579228B;
    static constexpr uint32_t TEXT_INSTRUCTIONS = 0xA698BB8C;
    static constexpr int32_t MUSIC = 0x47E6E6F9;
    static constexpr int32_t SOUND_LIGHT = 0x46E2713E;
    static constexpr int32_t SOUND_HEAVY = 0x57C95796;
    static constexpr int32_t SOUND_HIT = 0x2150FFFD;

    MiniGameWoodenSwordDuel() = default;

    bool Initialize() override;
    void ResetGame(bool won) override;
    void Shutdown() override;
    bool Update(uint32_t dtMs) override;
    void Render() override;

    // The row of the attack, or null for an action that is no attack.
    static const DuelAttackDesc* GetAttackDesc(int32_t iAction);
    // The buttons and directions held this frame.
    static DuelInput ReadPlayerInput();
    static DuelInputBuffer& GetInputBuffer() { return s_oInputBuffer; }

    // The player's action of this frame from the input, through the buffer.
    void HandlePlayerInput(const DuelInput& input);
    // The opponent's mode and, when its decision timer runs out, its action.
    void UpdateOpponent();
    // Both fighters take their actions and move, blows land, the poses and
    // gauges show the result.
    void UpdateFighters();

    DuelFighter& GetPlayer() { return m_oPlayer; }
    DuelFighter& GetOpponent() { return m_oOpponent; }
    int32_t GetPhase() const { return m_iPhase; }
    int32_t GetOpponentMode() const { return m_iOpponentMode; }
    int32_t GetDecisionTimer() const { return m_iDecisionTimer; }
    RandomGenerator& GetRandom() { return m_oRandom; }
    const MGSprite& GetSprite(int32_t iId) const { return m_aoSprites[iId - FIRST_SPRITE]; }
    const MGGauge& GetPlayerGauge() const { return m_oPlayerGauge; }
    const MGGauge& GetOpponentGauge() const { return m_oOpponentGauge; }

private:
    bool InitializeSpriteNames();
    MGSprite& Sprite(int32_t iId) { return m_aoSprites[iId - FIRST_SPRITE]; }
    void HideFighters();
    // One fighter's step: its state's timer and motion, then an idle
    // fighter's requested action.
    void UpdateFighter(DuelFighter& fighter, const DuelFighter& other);
    void TakeAction(DuelFighter& fighter, fx32 fxLow, fx32 fxHigh);
    // A blow of the attacker in an active frame that reaches the defender.
    void CheckHit(const DuelFighter& attacker, DuelFighter& defender, bool bPlayerAttacks);
    void ShowFighter(const DuelFighter& fighter, int32_t iFirstSprite, bool bMirrored);
    void UpdatePlay();

    static DuelInputBuffer s_oInputBuffer;

    MGSprite m_aoSprites[SPRITE_COUNT];
    MGGauge m_oPlayerGauge;
    MGGauge m_oOpponentGauge;
    DuelFighter m_oPlayer {};
    DuelFighter m_oOpponent {};
    int32_t m_iPhase = PHASE_READY;
    RandomGenerator m_oRandom;
    int32_t m_iDecisionTimer = FIRST_DECISION_FRAMES;
    int32_t m_iOpponentMode = 0;
};
