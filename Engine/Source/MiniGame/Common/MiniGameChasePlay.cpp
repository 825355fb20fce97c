#include "MiniGame/Common/MiniGameChase.h"

#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameTime.h"

namespace {

// The sideways run: 150 units a second.
constexpr int64_t STEER_UNITS_PER_SECOND = 150;

// The sideways move of m steps (milliseconds at full deflection) in 20.12,
// rounded towards zero before the direction's sign.
fx32 SteerMove(int64_t steps)
{
    return static_cast<fx32>(steps * STEER_UNITS_PER_SECOND * FX32_ONE / 1000);
}

} // namespace

void MiniGameChase::SetPlayerX(fx32 x)
{
    const CoreFxVec& position = m_oPlayer.GetPosition();
    m_oPlayer.SetPosition(x, position.y, position.z);
}

void MiniGameChase::PickCursorTarget()
{
    m_fxCursorTarget = m_oRandom.Range(PLAYER_MIN_X, PLAYER_MAX_X);
    m_fxCursorVelocity = m_oCursor.GetPosition().x >= m_fxCursorTarget ? -CURSOR_SPEED : CURSOR_SPEED;
}

bool MiniGameChase::UpdateCursor(uint32_t dtMs)
{
    const CoreFxVec& position = m_oCursor.GetPosition();
    if (position.x == m_fxCursorTarget)
        return true;
    const fx32 x = position.x + CoreFx::Mul(MiniGameSeconds(dtMs), m_fxCursorVelocity);
    if ((m_fxCursorVelocity < 0 && x <= m_fxCursorTarget) || (m_fxCursorVelocity > 0 && x >= m_fxCursorTarget)) {
        m_oCursor.SetPosition(m_fxCursorTarget, position.y, position.z);
        return true;
    }
    m_oCursor.SetPosition(x, position.y, position.z);
    return false;
}

fx32 MiniGameChase::SteerStep(bool bRight, bool bLeft, const int32_t* pAxis, uint32_t dtMs)
{
    fx32 step = 0;
    if (bRight)
        step += SteerMove(dtMs);
    if (bLeft)
        step -= SteerMove(dtMs);
    if (pAxis != nullptr) {
        // A signed 20.12 deflection; a negative one runs right.
        const int64_t value = *pAxis;
        const fx32 move = SteerMove(((value < 0 ? -value : value) * dtMs) >> FX32_SHIFT);
        step += value < 0 ? move : -move;
    }
    return step;
}

void MiniGameChase::HandleInputs(uint32_t dtMs)
{
    uint32_t axis = 0;
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    const bool bAxis = pHandler != nullptr && pHandler->IsEventActive(InputEventId_GameAxisX, &axis, nullptr);
    const int32_t iAxis = static_cast<int32_t>(axis);
    SetPlayerX(m_oPlayer.GetPosition().x + SteerStep(InputEventActive(InputEventId_GameRightHeld),
                                                     InputEventActive(InputEventId_GameLeftHeld),
                                                     bAxis ? &iAxis : nullptr, dtMs));
    ClampPlayerPosition();
}

void MiniGameChase::ClampPlayerPosition()
{
    const fx32 x = m_oPlayer.GetPosition().x;
    SetPlayerX(x < PLAYER_MIN_X ? PLAYER_MIN_X : x > PLAYER_MAX_X ? PLAYER_MAX_X : x);
}

fx32 MiniGameChase::GetRaceSpeed() const
{
    const int32_t iLevel = m_oRace.GetLevelFromRacePosition(m_fxRaceDistance);
    return MiniGameRace::RACE_SPEEDS[iLevel >= 0 && iLevel < MiniGameRace::LEVEL_NB ? iLevel : 0];
}

void MiniGameChase::AdvanceRace(uint32_t dtMs, fx32 fxSpeed)
{
    const fx32 step = CoreFx::Mul(MiniGameSeconds(dtMs), fxSpeed);
    m_fxRaceDistance += step;
    // A hit on the finish line waits for the end of its pause: finishing at
    // the pause's standstill would leave her running on the spot for good.
    if (m_fxRaceDistance >= TRACK_LENGTH && m_iPhase != PHASE_HIT) {
        m_iPhase = PHASE_FINISHING;
        m_fxCursorTarget = m_oPlayer.GetPosition().x;
        m_fxCursorVelocity = m_oCursor.GetPosition().x >= m_fxCursorTarget ? -CURSOR_SPEED : CURSOR_SPEED;
    }
    m_fxScrollOffset = (m_fxScrollOffset + step) % SCREEN_HEIGHT;
    RaceElement* pElements = m_oRace.GetElements();
    for (int32_t i = 0; pElements != nullptr && i < m_oRace.GetElementCapacity(); ++i) {
        if (pElements[i].m_iKind != RACE_ELEMENT_TYPE_NONE)
            pElements[i].m_fxY += step;
    }
}

void MiniGameChase::UpdateRunning(uint32_t dtMs, bool bCursorArrived)
{
    if (bCursorArrived)
        PickCursorTarget();
    // The speed set later in this frame counts from the next one.
    AdvanceRace(dtMs, m_fxSpeed);
    HandleInputs(dtMs);
    if (m_fxInvulnerabilityTimer > 0) {
        // She blinks in slices of 0.3 s while nothing can hit her.
        m_oPlayer.SetVisible((m_fxInvulnerabilityTimer / BLINK_SLICE) % 2 == 0);
        m_fxInvulnerabilityTimer -= MiniGameSeconds(dtMs);
        if (m_fxInvulnerabilityTimer <= 0) {
            m_fxSpeed = GetRaceSpeed();
            m_oPlayer.SetVisible(true);
        }
        return;
    }
    if (CheckCollisions() == 0) {
        m_fxSpeed = GetRaceSpeed();
        return;
    }
    m_oMeter.Remove();
    m_iPhase = PHASE_HIT;
    SoundManager::PlayEffect(SOUND_HIT);
}

void MiniGameChase::UpdateHit(uint32_t dtMs, bool bCursorArrived)
{
    if (bCursorArrived)
        PickCursorTarget();
    if (m_fxHitTimer < HIT_PAUSE) {
        // The run stands still while the impact shows.
        m_fxHitTimer += MiniGameSeconds(dtMs);
        m_fxSpeed = 0;
    } else {
        SetPlayerX(PLAYER_START_X);
        m_fxHitTimer = 0;
        m_fxInvulnerabilityTimer = INVULNERABILITY;
        m_fxSpeed = CoreFx::Mul(RECOVERY_SPEED_FACTOR, GetRaceSpeed());
        m_iPhase = PHASE_RUNNING;
    }
    AdvanceRace(dtMs, m_fxSpeed);
}

void MiniGameChase::UpdateFinishing(uint32_t dtMs)
{
    if (!m_bOffScreen) {
        const CoreFxVec& position = m_oPlayer.GetPosition();
        const fx32 y = position.y - CoreFx::Mul(MiniGameSeconds(dtMs), m_fxSpeed);
        m_oPlayer.SetPosition(position.x, y, position.z);
        m_bOffScreen = y - m_oPlayer.GetPivot().y + m_oPlayer.GetSize().y <= 0;
        return;
    }
    if (m_fxFinishTimer < FINISH_WAIT)
        m_fxFinishTimer += MiniGameSeconds(dtMs);
    else
        GoToEndState(true);
}

void MiniGameChase::UpdateGame(uint32_t dtMs)
{
    m_oPlayer.Update(dtMs);
    const bool bCursorArrived = UpdateCursor(dtMs);
    for (int32_t iKind = 0; m_bPoolReady && iKind < m_oSpritePool.GetTypeNb(); ++iKind) {
        for (int32_t iCopy = 0; iCopy < SpritePool::POOL_SIZE; ++iCopy)
            m_oSpritePool.GetSprite(iKind, iCopy)->Update(dtMs);
    }
    if (m_oMeter.GetValue() == 0) {
        GoToEndState(false);
        return;
    }
    switch (m_iPhase) {
    case PHASE_STARTING:
        m_fxSpeed = GetRaceSpeed();
        m_iPhase = PHASE_RUNNING;
        break;
    case PHASE_RUNNING: UpdateRunning(dtMs, bCursorArrived); break;
    case PHASE_HIT: UpdateHit(dtMs, bCursorArrived); break;
    case PHASE_FINISHING: UpdateFinishing(dtMs); break;
    default: break;
    }
}

bool MiniGameChase::Update(uint32_t dtMs)
{
    m_oMeter.Update(dtMs);
    switch (GetState()) {
    case STATE_STARTING:
        if (m_fxStartingTimer < STARTING_TIME)
            m_fxStartingTimer += MiniGameSeconds(dtMs);
        else
            SetState(STATE_PLAYING);
        break;
    case STATE_PLAYING: UpdateGame(dtMs); break;
    default: break;
    }
    return MiniGame::Update(dtMs);
}
