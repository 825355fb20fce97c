#include "Common/VarIds.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputPointer.h"
#include "Managers/Common/SoundManager.h"
#include "Maths/CoreFxDivide.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "MiniGame/Common/MiniGameSlotMachine.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "Scene/Common/TwLerp.h"

namespace {

struct SymbolWeight {
    uint32_t uWeight;
    uint32_t uHeldWeight;
};

// By symbol: apple, chest, bottle, skull, cross, circle, square, triangle.
constexpr SymbolWeight WEIGHTS[MiniGameSlotMachine::SYMBOL_COUNT] = {
    {10, 60}, {10, 50}, {20, 70}, {10, 40}, {5, 10}, {5, 10}, {5, 10}, {5, 10},
};

constexpr fx32 RAYS_START[2] = {static_cast<fx32>(0xFFFA3667u), 0x6BCCC};
constexpr fx32 RAYS_END[2] = {0x12A999, 0x16000};
constexpr fx32 RAYS_Z = static_cast<fx32>(0xFFFC4000u);

uint32_t WeightOf(int32_t iSymbol, uint32_t heldMask)
{
    const SymbolWeight& weight = WEIGHTS[iSymbol];
    return (heldMask & (1u << iSymbol)) != 0 ? weight.uHeldWeight : weight.uWeight;
}

} // namespace

uint32_t MiniGameSlotMachine::Generator::Draw(uint32_t n)
{
    m_uX = m_uX * m_uMultiplier + m_uIncrement;
    return static_cast<uint32_t>(((m_uX >> 32) * n) >> 32);
}

uint32_t MiniGameSlotMachine::TotalWeight(uint32_t heldMask)
{
    uint32_t total = 0;
    for (int32_t iSymbol = 0; iSymbol < SYMBOL_COUNT; ++iSymbol)
        total += WeightOf(iSymbol, heldMask);
    return total;
}

int32_t MiniGameSlotMachine::PickSymbol(uint32_t heldMask, uint32_t draw)
{
    for (int32_t iSymbol = 0; iSymbol < SYMBOL_COUNT; ++iSymbol) {
        const uint32_t weight = WeightOf(iSymbol, heldMask);
        if (weight > draw)
            return iSymbol;
        draw -= weight;
    }
    // A draw past the total stays on a symbol that exists.
    return SYMBOL_COUNT - 1;
}

uint32_t MiniGameSlotMachine::GetHeldMask() const
{
    uint32_t mask = 0;
    for (const Reel& reel : m_aoReels) {
        if (reel.m_bHeld != 0)
            mask |= 1u << reel.m_iSymbol;
    }
    return mask;
}

bool MiniGameSlotMachine::IsReelSpinning(int32_t iReel) const
{
    return m_ePhase == Phase::Spinning && m_aoReels[iReel].m_bHeld == 0 &&
           m_fxSpinTimer >= REEL_STOP_STEP * (REEL_COUNT - 1 - iReel);
}

bool MiniGameSlotMachine::AreReelsEqual() const
{
    for (const Reel& reel : m_aoReels) {
        if (reel.m_iSymbol != m_aoReels[0].m_iSymbol)
            return false;
    }
    return true;
}

void MiniGameSlotMachine::PullLever()
{
    const uint32_t heldMask = GetHeldMask();
    const uint32_t total = TotalWeight(heldMask);
    for (Reel& reel : m_aoReels) {
        if (reel.m_bHeld != 0)
            continue;
        reel.m_iSymbol = PickSymbol(heldMask, m_oRandom.Draw(total));
        // The reels spin out of step.
        reel.m_oSpinning.Update(m_oRandom.Draw(SPIN_OFFSET_MS));
    }
    m_oMeter.Remove();
    SoundManager::PlayEffect(SOUND_LEVER);
    m_fxSpinTimer = SPIN_TIME;
    m_fxLeverTimer = LEVER_TIME;
    m_ePhase = Phase::Spinning;
}

void MiniGameSlotMachine::ToggleHolds(fx32 x, fx32 y)
{
    for (Reel& reel : m_aoReels) {
        if (!reel.m_oHeldButton.IsPointInside(x, y))
            continue;
        reel.m_bHeld = reel.m_bHeld != 0 ? 0 : 1;
        SoundManager::PlayEffect(reel.m_bHeld != 0 ? SOUND_HOLD : SOUND_FREE);
    }
}

void MiniGameSlotMachine::HandleInput()
{
    uint32_t pointer = 0;
    if (InputEventActiveAt(InputEventId_GamePointerPressed, pointer)) {
        const fx32 x = InputPointerVirtualX(pointer);
        const fx32 y = InputPointerVirtualY(pointer);
        if (m_oLeverUp.IsPointInside(x, y))
            PullLever();
        // Holds change between pulls only: not before the first, not while
        // the reels spin.
        if (m_ePhase == Phase::BetweenPulls)
            ToggleHolds(x, y);
    }
    if (InputEventActiveAt(InputEventId_GamePointerUp, pointer) ||
        InputEventActiveAt(InputEventId_GamePointerHeld, pointer))
        m_oBackground.SetPosition(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer), 0);
    m_oBackground.SetVisible(true);
}

void MiniGameSlotMachine::UpdateGame(uint32_t dtMs)
{
    const fx32 dt = MiniGameSeconds(dtMs);
    const bool bEqual = AreReelsEqual();
    switch (m_ePhase) {
    case Phase::FirstPull:
    case Phase::BetweenPulls: HandleInput(); break;
    case Phase::Spinning:
        for (Reel& reel : m_aoReels)
            reel.m_oSpinning.Update(dtMs);
        m_fxSpinTimer -= dt;
        if (m_fxSpinTimer <= 0)
            m_ePhase = m_oMeter.GetValue() > 0 && !bEqual ? Phase::BetweenPulls : Phase::Finished;
        break;
    case Phase::Finished:
        if (bEqual)
            MiniGameResult::SetSlotInt(VARINT_CRACKPOT_RESULT, m_aoReels[0].m_iSymbol);
        GoToEndState(bEqual);
        break;
    }
    if (m_fxLeverTimer != 0) {
        m_fxLeverTimer -= dt;
        if (m_fxLeverTimer < 0)
            m_fxLeverTimer = 0;
    }
}

void MiniGameSlotMachine::UpdateRays(uint32_t dtMs)
{
    m_oRays.Update(dtMs);
    m_fxRaysTimer += MiniGameSeconds(dtMs);
    if (m_fxRaysTimer < 0) {
        m_oRays.SetVisible(false);
    } else if (m_fxRaysTimer < RAYS_CROSSING_TIME) {
        fx32 position[2];
        Lerp(position, RAYS_START, RAYS_END, CoreFx::Div(m_fxRaysTimer, RAYS_CROSSING_TIME));
        m_oRays.SetPosition(position[0], position[1], RAYS_Z);
        m_oRays.SetVisible(true);
    } else {
        m_fxRaysTimer = -static_cast<fx32>(m_oRandom.Draw(RAYS_LONGEST_PAUSE));
        m_oRays.SetVisible(false);
    }
}

bool MiniGameSlotMachine::Update(uint32_t dtMs)
{
    m_oMeter.Update(dtMs);
    if (GetState() == STATE_STARTING)
        SetState(STATE_PLAYING);
    if (GetState() == STATE_PLAYING)
        UpdateGame(dtMs);
    UpdateRays(dtMs);
    const bool bFinished = MiniGame::Update(dtMs);
    // Skipped from the instructions: the adventure goes on with the bottle.
    if (bFinished && GetState() == STATE_INSTRUCTIONS)
        MiniGameResult::SetSlotInt(VARINT_CRACKPOT_RESULT, SKIPPED_RESULT);
    return bFinished;
}
