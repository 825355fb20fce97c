#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"

#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Managers/Common/SoundManager.h"

#include <algorithm>

namespace {

constexpr DuelAttackDesc ATTACKS[] = {
    {MiniGameWoodenSwordDuel::ACTION_LIGHT, 3, 3, 6, 50, 10, 30, 0x42000},
    {MiniGameWoodenSwordDuel::ACTION_HEAVY, 5, 7, 26, 80, 17, 100, 0x50000},
};

constexpr fx32 LOWEST_X = 32 * FX32_ONE;
constexpr fx32 HIGHEST_X = 224 * FX32_ONE;
// Half of the closest that two fighters stand: reach counts from there.
constexpr fx32 BODY_HALF_WIDTH = 32 * FX32_ONE;
constexpr fx32 CLOSEST = 64 * FX32_ONE;
constexpr fx32 DASH_STEP = 6 * FX32_ONE;
constexpr fx32 WALK_STEP = 0x1800;
constexpr fx32 PUSH_BACK = 4 * FX32_ONE;
constexpr int32_t DASH_FRAMES = 12;
constexpr int32_t TAP_FRAMES = 10;
constexpr int32_t AXIS_DEAD_ZONE = 819;

// The opponent's moods: choosing freely, answering an attack, waiting it out.
constexpr int32_t MODE_FREE = 0;
constexpr int32_t MODE_ANSWER = 1;
constexpr int32_t MODE_WAIT = 2;
constexpr fx32 DASH_IN_DISTANCE = 96 * FX32_ONE;
constexpr fx32 DASH_OUT_X = 160 * FX32_ONE;
constexpr int32_t MAX_CANDIDATES = 7;
constexpr int32_t MIN_DECISION_FRAMES = 30;
constexpr int32_t MAX_DECISION_FRAMES = 120;

bool IsAttacking(int32_t iState)
{
    return iState >= MiniGameWoodenSwordDuel::FIGHTER_LIGHT_START &&
           iState <= MiniGameWoodenSwordDuel::FIGHTER_HEAVY_RECOVERY;
}

bool IsRecovering(int32_t iState)
{
    return iState == MiniGameWoodenSwordDuel::FIGHTER_LIGHT_RECOVERY ||
           iState == MiniGameWoodenSwordDuel::FIGHTER_HEAVY_RECOVERY;
}

// A second tap of the action while the first still counts.
bool IsSecondTap(const DuelInputBuffer& buffer, int32_t iAction)
{
    return buffer.m_iAction == iAction && buffer.m_iLife >= 1 && buffer.m_iLife < TAP_FRAMES;
}

fx32 Distance(const DuelFighter& a, const DuelFighter& b)
{
    return a.m_fxX > b.m_fxX ? a.m_fxX - b.m_fxX : b.m_fxX - a.m_fxX;
}

struct Candidate {
    int32_t iAction;
    int32_t iWeight;
};

} // namespace

const DuelAttackDesc* MiniGameWoodenSwordDuel::GetAttackDesc(int32_t iAction)
{
    for (const DuelAttackDesc& attack : ATTACKS) {
        if (attack.m_iAction == iAction)
            return &attack;
    }
    return nullptr;
}

DuelInput MiniGameWoodenSwordDuel::ReadPlayerInput()
{
    DuelInput input;
    input.m_bBack = InputEventActive(InputEventId_GameLeftHeld);
    input.m_bForward = InputEventActive(InputEventId_GameRightHeld);
    input.m_bLight = InputEventActive(InputEventId_GameCtrlHeld) || InputEventActive(InputEventId_GameConfirm);
    input.m_bHeavy = InputEventActive(InputEventId_GameAltHeld) || InputEventActive(InputEventId_GameReserved55);
    input.m_bDashBack = InputEventActive(InputEventId_GameAction1);
    input.m_bDashForward = InputEventActive(InputEventId_GameAction2);
    uint32_t uAxis = 0;
    input.m_bAxis = InputEventActiveAt(InputEventId_GameAxisX, uAxis);
    input.m_iAxis = static_cast<int32_t>(uAxis);
    return input;
}

void MiniGameWoodenSwordDuel::HandlePlayerInput(const DuelInput& input)
{
    bool bBack = input.m_bBack;
    bool bForward = input.m_bForward;
    if (input.m_bAxis) {
        if (input.m_iAxis < -AXIS_DEAD_ZONE)
            bForward = true;
        if (input.m_iAxis > AXIS_DEAD_ZONE)
            bBack = true;
    }
    DuelInputBuffer& buffer = s_oInputBuffer;
    int32_t iAction = ACTION_NONE;
    if (bBack && m_oPlayer.m_fxX > 0) {
        if (IsAttacking(m_oOpponent.m_iState))
            iAction = ACTION_GUARD;
        else
            iAction = IsSecondTap(buffer, ACTION_STEP_DOWN) ? ACTION_DASH_DOWN : ACTION_STEP_DOWN;
    }
    if (bForward && m_oPlayer.m_fxX < m_oOpponent.m_fxX)
        iAction = IsSecondTap(buffer, ACTION_STEP_UP) ? ACTION_DASH_UP : ACTION_STEP_UP;
    // The dash buttons override a step, not a guard.
    if (iAction != ACTION_GUARD) {
        if (input.m_bDashBack)
            iAction = ACTION_DASH_DOWN;
        if (input.m_bDashForward)
            iAction = ACTION_DASH_UP;
    }
    if (input.m_bLight)
        iAction = ACTION_LIGHT;
    if (input.m_bHeavy)
        iAction = ACTION_HEAVY;
    if (iAction == ACTION_NONE) {
        buffer.m_iLife = std::max(buffer.m_iLife - 1, 0);
        return;
    }
    buffer = {iAction, TAP_FRAMES};
    m_oPlayer.m_iRequestedAction = iAction;
}

void MiniGameWoodenSwordDuel::UpdateOpponent()
{
    const DuelAttackDesc& light = *GetAttackDesc(ACTION_LIGHT);
    const bool bNear = Distance(m_oPlayer, m_oOpponent) - BODY_HALF_WIDTH < light.m_fxReach;
    const bool bPlayerAttacks = IsAttacking(m_oPlayer.m_iState);
    Candidate aCandidates[MAX_CANDIDATES];
    int32_t iCount = 0;
    const auto add = [&](int32_t iAction, int32_t iWeight) {
        if (iCount < MAX_CANDIDATES)
            aCandidates[iCount++] = {iAction, iWeight};
    };
    switch (m_iOpponentMode) {
    case MODE_FREE:
        add(ACTION_LIGHT, bNear ? 100 : 10);
        add(ACTION_HEAVY, bNear ? 100 : 10);
        if (m_oOpponent.m_fxX > m_oPlayer.m_fxX + DASH_IN_DISTANCE)
            add(ACTION_DASH_DOWN, 100);
        if (m_oOpponent.m_fxX < DASH_OUT_X)
            add(ACTION_DASH_UP, 100);
        if (bPlayerAttacks)
            m_iOpponentMode = m_oRandom.Range(0, 100) > 20 ? MODE_ANSWER : MODE_WAIT;
        break;
    case MODE_ANSWER:
        m_iDecisionTimer = 0;
        if (IsRecovering(m_oPlayer.m_iState)) {
            // The player's blow is spent: strike back, mostly lightly.
            if (m_oRandom.Range(0, 100) > 20)
                add(m_oRandom.Range(0, 100) > 20 ? ACTION_LIGHT : ACTION_HEAVY, 100);
            m_iOpponentMode = MODE_FREE;
        } else {
            add(ACTION_GUARD, 100);
            if (!bPlayerAttacks)
                m_iOpponentMode = MODE_FREE;
        }
        break;
    case MODE_WAIT:
        if (!bPlayerAttacks)
            m_iOpponentMode = MODE_FREE;
        break;
    default: m_iOpponentMode = MODE_FREE; break;
    }
    m_iDecisionTimer -= bNear ? 3 : 1;
    if (m_iDecisionTimer > 0 || iCount == 0)
        return;
    m_iDecisionTimer = m_oRandom.Range(MIN_DECISION_FRAMES, MAX_DECISION_FRAMES);
    int32_t iTotal = 0;
    for (int32_t i = 0; i < iCount; ++i)
        iTotal += aCandidates[i].iWeight;
    const int32_t iDraw = m_oRandom.Range(0, iTotal);
    int64_t iSum = 0;
    for (int32_t i = 0; i < iCount; ++i) {
        iSum += aCandidates[i].iWeight;
        if (iDraw - iSum <= 0) {
            m_oOpponent.m_iRequestedAction = aCandidates[i].iAction;
            break;
        }
    }
}

void MiniGameWoodenSwordDuel::UpdateFighter(DuelFighter& fighter, const DuelFighter& other)
{
    const fx32 fxLow = fighter.m_fxX <= other.m_fxX ? LOWEST_X : other.m_fxX + CLOSEST;
    const fx32 fxHigh = fighter.m_fxX >= other.m_fxX ? HIGHEST_X : other.m_fxX - CLOSEST;
    const DuelAttackDesc& light = *GetAttackDesc(ACTION_LIGHT);
    const DuelAttackDesc& heavy = *GetAttackDesc(ACTION_HEAVY);
    // The next attack phase when the timer runs out, or idle.
    struct Next {
        int32_t iState;
        int32_t iFrames;
    };
    Next next = {FIGHTER_IDLE, 0};
    switch (fighter.m_iState) {
    case FIGHTER_GUARD:
        // A guard without stun ends at once; input that still holds it
        // renews it below.
        if (fighter.m_iTimer <= 0) {
            fighter.m_iState = FIGHTER_IDLE;
            break;
        }
        [[fallthrough]];
    case FIGHTER_HIT_STUN:
    case FIGHTER_LIGHT_RECOVERY:
    case FIGHTER_HEAVY_RECOVERY: --fighter.m_iTimer; break;
    case FIGHTER_DASH_UP:
        if (fighter.m_fxX < fxHigh)
            fighter.m_fxX = std::min(fighter.m_fxX + DASH_STEP, fxHigh);
        --fighter.m_iTimer;
        break;
    case FIGHTER_DASH_DOWN:
        if (fighter.m_fxX > fxLow)
            fighter.m_fxX = std::max(fighter.m_fxX - DASH_STEP, fxLow);
        --fighter.m_iTimer;
        break;
    case FIGHTER_LIGHT_START:
        next = {FIGHTER_LIGHT_ACTIVE, light.m_iActiveFrames};
        --fighter.m_iTimer;
        break;
    case FIGHTER_LIGHT_ACTIVE:
        next = {FIGHTER_LIGHT_RECOVERY, light.m_iRecoveryFrames};
        --fighter.m_iTimer;
        break;
    case FIGHTER_HEAVY_START:
        next = {FIGHTER_HEAVY_ACTIVE, heavy.m_iActiveFrames};
        --fighter.m_iTimer;
        break;
    case FIGHTER_HEAVY_ACTIVE:
        next = {FIGHTER_HEAVY_RECOVERY, heavy.m_iRecoveryFrames};
        --fighter.m_iTimer;
        break;
    default: fighter.m_iState = FIGHTER_IDLE; break;
    }
    // A timer that has run out (or was never set) ends the state, so no
    // state can outlast its frames.
    if (fighter.m_iState != FIGHTER_IDLE && fighter.m_iTimer <= 0) {
        fighter.m_iState = next.iState;
        fighter.m_iTimer = next.iFrames;
    }
    if (fighter.m_iState == FIGHTER_IDLE)
        TakeAction(fighter, fxLow, fxHigh);
    fighter.m_iRequestedAction = ACTION_NONE;
}

void MiniGameWoodenSwordDuel::TakeAction(DuelFighter& fighter, fx32 fxLow, fx32 fxHigh)
{
    switch (fighter.m_iRequestedAction) {
    case ACTION_DASH_UP:
        fighter.m_iTimer = DASH_FRAMES;
        fighter.m_iState = FIGHTER_DASH_UP;
        break;
    case ACTION_DASH_DOWN:
        fighter.m_iTimer = DASH_FRAMES;
        fighter.m_iState = FIGHTER_DASH_DOWN;
        break;
    case ACTION_LIGHT:
        fighter.m_iTimer = GetAttackDesc(ACTION_LIGHT)->m_iStartFrames;
        fighter.m_iState = FIGHTER_LIGHT_START;
        SoundManager::PlayEffect(SOUND_LIGHT);
        break;
    case ACTION_HEAVY:
        fighter.m_iTimer = GetAttackDesc(ACTION_HEAVY)->m_iStartFrames;
        fighter.m_iState = FIGHTER_HEAVY_START;
        SoundManager::PlayEffect(SOUND_HEAVY);
        break;
    case ACTION_GUARD: fighter.m_iState = FIGHTER_GUARD; break;
    case ACTION_STEP_DOWN:
        if (fighter.m_fxX > fxLow)
            fighter.m_fxX = std::max(fighter.m_fxX - WALK_STEP, fxLow);
        break;
    case ACTION_STEP_UP:
        if (fighter.m_fxX < fxHigh)
            fighter.m_fxX = std::min(fighter.m_fxX + WALK_STEP, fxHigh);
        break;
    default: break;
    }
}

void MiniGameWoodenSwordDuel::CheckHit(const DuelFighter& attacker, DuelFighter& defender, bool bPlayerAttacks)
{
    const DuelAttackDesc* pAttack = nullptr;
    if (attacker.m_iState == FIGHTER_LIGHT_ACTIVE)
        pAttack = GetAttackDesc(ACTION_LIGHT);
    else if (attacker.m_iState == FIGHTER_HEAVY_ACTIVE)
        pAttack = GetAttackDesc(ACTION_HEAVY);
    if (pAttack == nullptr || Distance(attacker, defender) - BODY_HALF_WIDTH >= pAttack->m_fxReach)
        return;
    if (defender.m_iState == FIGHTER_GUARD) {
        defender.m_iTimer = pAttack->m_iGuardStunFrames;
    } else if (defender.m_iState != FIGHTER_HIT_STUN) {
        defender.m_iLife = std::max(defender.m_iLife - pAttack->m_iDamage, 0);
        defender.m_iState = FIGHTER_HIT_STUN;
        defender.m_iTimer = pAttack->m_iHitStunFrames;
        SoundManager::PlayEffect(SOUND_HIT);
    }
    // The blow pushes the defender back, or the attacker when the defender
    // has its back to the edge.
    if (bPlayerAttacks) {
        if (m_oOpponent.m_fxX >= HIGHEST_X)
            m_oPlayer.m_fxX = std::max(m_oPlayer.m_fxX - PUSH_BACK, LOWEST_X);
        else
            m_oOpponent.m_fxX = std::min(m_oOpponent.m_fxX + PUSH_BACK, HIGHEST_X);
    } else {
        if (m_oPlayer.m_fxX <= LOWEST_X)
            m_oOpponent.m_fxX = std::min(m_oOpponent.m_fxX + PUSH_BACK, HIGHEST_X);
        else
            m_oPlayer.m_fxX = std::max(m_oPlayer.m_fxX - PUSH_BACK, LOWEST_X);
    }
}

void MiniGameWoodenSwordDuel::ShowFighter(const DuelFighter& fighter, int32_t iFirstSprite, bool bMirrored)
{
    // Any other state shows the idle pose rather than another sprite's.
    const int32_t iState = fighter.m_iState >= 0 && fighter.m_iState < STATE_COUNT ? fighter.m_iState : FIGHTER_IDLE;
    MGSprite& sprite = Sprite(iFirstSprite + iState);
    if (!sprite.IsInitialized())
        return;
    const fx32 fxThird = sprite.GetSize().x / 3;
    sprite.SetVisible(true);
    sprite.SetScale({bMirrored ? -FX32_ONE : FX32_ONE, FX32_ONE});
    sprite.SetPivot({bMirrored ? -fxThird : fxThird, sprite.GetSize().y});
    sprite.SetPosition(fighter.m_fxX, fighter.m_fxY, 0);
}

void MiniGameWoodenSwordDuel::UpdateFighters()
{
    UpdateFighter(m_oPlayer, m_oOpponent);
    UpdateFighter(m_oOpponent, m_oPlayer);
    CheckHit(m_oPlayer, m_oOpponent, true);
    CheckHit(m_oOpponent, m_oPlayer, false);
    HideFighters();
    ShowFighter(m_oPlayer, FIRST_PLAYER_SPRITE, false);
    ShowFighter(m_oOpponent, FIRST_OPPONENT_SPRITE, true);
    m_oPlayerGauge.SetValue(MAX_LIFE - m_oPlayer.m_iLife);
    m_oOpponentGauge.SetValue(m_oOpponent.m_iLife);
}
