#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Input/InputPointer.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameTheLostKey.h"
#include "MiniGame/Common/MiniGameTheLostKeyData.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "Random/CoreRandom.h"

using namespace TheLostKeyData;

namespace {

// The levels' tables must let every plate find a key among the hanging ones.
constexpr bool LevelsFit()
{
    for (const Level& level : LEVELS) {
        if (level.m_iKeys < 1 || level.m_iKeys > MiniGameTheLostKey::SLOT_COUNT ||
            level.m_iKeys > MiniGameTheLostKey::DESIGN_COUNT || level.m_iKeyholes < 1 ||
            level.m_iKeyholes > level.m_iKeys || level.m_iKeyholes > MiniGameTheLostKey::PLATE_COUNT)
            return false;
    }
    return true;
}
static_assert(LevelsFit());

// The plates that the picked keyholes go to, by keyhole count.
constexpr int32_t PLATES_BY_COUNT[MiniGameTheLostKey::PLATE_COUNT][MiniGameTheLostKey::PLATE_COUNT] = {
    {2}, {1, 3}, {0, 2, 4}, {0, 1, 3, 4}, {0, 1, 2, 3, 4}};

// Whether the target lies in the direction from the base point, and how far.
bool IsToward(const CoreFxVec& base, const CoreFxVec& target, const CoreFxVec& direction, fx32& distance)
{
    const CoreFxVec offset = {target.x - base.x, target.y - base.y, target.z - base.z};
    CoreFxVec unit;
    CoreFxVec::Normalize(offset, unit);
    if (CoreFxVec::Dot(unit, direction) <= DIRECTION_COSINE)
        return false;
    distance = CoreFxVec::Length(offset);
    return true;
}

} // namespace

void MiniGameTheLostKey::SeedRandom(uint64_t uSeed)
{
    m_uRandomState = uSeed;
}

uint32_t MiniGameTheLostKey::DrawRandom(uint32_t n)
{
    m_uRandomState = m_uRandomState * CoreRandom::MULTIPLIER + CoreRandom::INCREMENT;
    const uint32_t raw = static_cast<uint32_t>(m_uRandomState >> 32);
    return n == 0 ? raw : static_cast<uint32_t>((static_cast<uint64_t>(raw) * n) >> 32);
}

void MiniGameTheLostKey::ClearLevel()
{
    for (Lock& lock : m_aoLocks) {
        lock.m_bTurning = false;
        lock.m_iKeyhole = NO_DESIGN;
    }
    for (int32_t& slot : m_aiSlots)
        slot = NO_DESIGN;
}

bool MiniGameTheLostKey::InstallLevel(int32_t iLevel)
{
    ENGINE_ASSERT_MSG(iLevel < MG_THELOSTKEY_LEVEL_COUNT, "Invalid Level %d!\n", static_cast<int>(iLevel));
    // The table has three rows only: any other level is refused.
    if (iLevel < 0 || iLevel >= MG_THELOSTKEY_LEVEL_COUNT)
        return false;
    const Level& level = LEVELS[iLevel];
    ClearLevel();
    for (int32_t slot = 0; slot < level.m_iKeys; ++slot) {
        int32_t design = static_cast<int32_t>(DrawRandom(DESIGN_COUNT));
        for (int32_t earlier = 0; earlier < slot; ++earlier) {
            if (m_aiSlots[earlier] == design) {
                design = (design + 1) % DESIGN_COUNT;
                earlier = -1;
            }
        }
        m_aiSlots[slot] = design;
        m_aoKeys[design].SetPosition(SLOT_HOMES[slot]);
    }
    int32_t picks[PLATE_COUNT] = {};
    for (int32_t pick = 0; pick < level.m_iKeyholes; ++pick) {
        int32_t slot = static_cast<int32_t>(DrawRandom(static_cast<uint32_t>(level.m_iKeys)));
        for (int32_t earlier = 0; earlier < pick; ++earlier) {
            if (picks[earlier] == slot) {
                slot = (slot + 1) % level.m_iKeys;
                earlier = -1;
            }
        }
        picks[pick] = slot;
    }
    for (int32_t pick = 0; pick < level.m_iKeyholes; ++pick) {
        const int32_t plate = PLATES_BY_COUNT[level.m_iKeyholes - 1][pick];
        const int32_t design = m_aiSlots[picks[pick]];
        m_aoLocks[plate].m_iKeyhole = design;
        m_aoKeyholes[design].SetPosition(KEYHOLE_POSITIONS[plate]);
    }
    m_fxLevelTimer = level.m_iSeconds * FX32_ONE;
    m_oGauge.SetMax(m_fxLevelTimer);
    // The bar starts full, not at what the last level left of it.
    m_oGauge.SetValue(m_fxLevelTimer);
    return true;
}

void MiniGameTheLostKey::UpdateGame(uint32_t dtMs)
{
    const fx32 dt = MiniGameSeconds(dtMs);
    switch (m_ePhase) {
    case Phase::InstallLevel:
        if (InstallLevel(m_iLevel))
            m_ePhase = Phase::Play;
        return;
    case Phase::Play: UpdatePlay(dt); return;
    case Phase::LevelDone: UpdateLevelDone(dt); return;
    }
}

bool MiniGameTheLostKey::AreAllUsedPlatesTurning() const
{
    for (const Lock& lock : m_aoLocks) {
        if (lock.m_iKeyhole != NO_DESIGN && !lock.m_bTurning)
            return false;
    }
    return true;
}

void MiniGameTheLostKey::UpdatePlay(fx32 dt)
{
    m_fxLevelTimer -= dt;
    m_oGauge.SetValue(m_fxLevelTimer > 0 ? m_fxLevelTimer : 0);
    if (m_fxLevelTimer <= 0) {
        GoToEndState(false);
        return;
    }
    HandleInput();
    for (Lock& lock : m_aoLocks) {
        if (lock.m_iKeyhole != NO_DESIGN && lock.m_bTurning && lock.m_fxTurnTimer >= 0)
            lock.m_fxTurnTimer -= dt;
    }
    if (AreAllUsedPlatesTurning() || m_oMeter.GetValue() == 0)
        m_ePhase = Phase::LevelDone;
}

void MiniGameTheLostKey::UpdateLevelDone(fx32 dt)
{
    if (m_oMeter.GetValue() == 0) {
        GoToEndState(false);
        return;
    }
    // The keys finish turning one after the other before the next level.
    for (Lock& lock : m_aoLocks) {
        if (lock.m_iKeyhole != NO_DESIGN && lock.m_bTurning && lock.m_fxTurnTimer >= 0) {
            lock.m_fxTurnTimer -= dt;
            return;
        }
    }
    ++m_iLevel;
    if (m_iLevel >= MG_THELOSTKEY_LEVEL_COUNT)
        GoToEndState(true);
    else
        m_ePhase = Phase::InstallLevel;
}

void MiniGameTheLostKey::HandleInput()
{
    uint32_t pointer = INPUT_NO_POINTER;
    // A key can still be carried when its release went to the pause box: a
    // press then keeps it, so that it is not left behind off its hook.
    if (InputEventActiveAt(InputEventId_GamePointerPressed, pointer) && m_iCarriedSlot == NO_SLOT) {
        const fx32 x = InputPointerVirtualX(pointer);
        const fx32 y = InputPointerVirtualY(pointer);
        for (int32_t slot = 0; slot < SLOT_COUNT; ++slot) {
            const int32_t design = m_aiSlots[slot];
            if (design != NO_DESIGN && m_aoKeys[design].IsPointInside(x, y)) {
                m_iCarriedSlot = slot;
                m_aoKeys[design].SetPosition(x, y, CARRIED_Z);
                break;
            }
        }
    }
    if (InputEventActiveAt(InputEventId_GamePointerHeld, pointer)) {
        const fx32 x = InputPointerVirtualX(pointer);
        const fx32 y = InputPointerVirtualY(pointer);
        if (m_iCarriedSlot != NO_SLOT)
            m_aoKeys[m_aiSlots[m_iCarriedSlot]].SetPosition(x, y, CARRIED_Z);
        else
            m_oBackground.SetPosition(x, y, 0);
    }
    if (InputEventActive(InputEventId_GamePointerReleased) && m_iCarriedSlot != NO_SLOT)
        DropCarriedKey();
    if (InputEventActiveAt(InputEventId_GamePointerUp, pointer))
        m_oBackground.SetPosition(InputPointerVirtualX(pointer), InputPointerVirtualY(pointer), 0);
    m_oBackground.SetVisible(true);

    CoreFxVec direction = {0, 0, 0};
    bool bArrow = false;
    const struct {
        uint16_t m_uEvent;
        fx32 m_fxX;
        fx32 m_fxY;
    } arrows[] = {
        {InputEventId_GameUpHeld, 0, -FX32_ONE},
        {InputEventId_GameDownHeld, 0, FX32_ONE},
        {InputEventId_GameLeftPressed, -FX32_ONE, 0},
        {InputEventId_GameRightPressed, FX32_ONE, 0},
    };
    for (const auto& arrow : arrows) {
        if (!InputEventActive(arrow.m_uEvent))
            continue;
        bArrow = true;
        if (arrow.m_fxX != 0)
            direction.x = arrow.m_fxX;
        if (arrow.m_fxY != 0)
            direction.y = arrow.m_fxY;
    }
    if (bArrow)
        MoveFocus(direction);
}

void MiniGameTheLostKey::DropCarriedKey()
{
    const int32_t design = m_aiSlots[m_iCarriedSlot];
    const CoreFxVec& position = m_aoKeys[design].GetPosition();
    for (int32_t plate = 0; plate < PLATE_COUNT; ++plate) {
        Lock& lock = m_aoLocks[plate];
        if (lock.m_iKeyhole == NO_DESIGN || lock.m_bTurning || !lock.m_oPlate.IsPointInside(position.x, position.y))
            continue;
        if (lock.m_iKeyhole == design) {
            lock.m_bTurning = true;
            lock.m_fxTurnTimer = TURN_SECONDS;
            SoundManager::PlayEffect(SOUND_KEY_FITS);
            // The key stays in the lock.
            m_aiSlots[m_iCarriedSlot] = NO_DESIGN;
            m_iCarriedSlot = NO_SLOT;
            return;
        }
        m_oMeter.Remove();
        SoundManager::PlayEffect(SOUND_WRONG_KEY);
        break;
    }
    ReturnCarriedKey();
}

void MiniGameTheLostKey::ReturnCarriedKey()
{
    m_aoKeys[m_aiSlots[m_iCarriedSlot]].SetPosition(SLOT_HOMES[m_iCarriedSlot]);
    m_iCarriedSlot = NO_SLOT;
}

void MiniGameTheLostKey::MoveFocus(const CoreFxVec& direction)
{
    if (m_iCarriedSlot != NO_SLOT) {
        MGSprite& key = m_aoKeys[m_aiSlots[m_iCarriedSlot]];
        // After a slot search the focus names a slot, which has no keyhole:
        // the search then starts from where the carried key is.
        const CoreFxVec base =
            m_iFocus >= 0 && m_iFocus < PLATE_COUNT ? KEYHOLE_POSITIONS[m_iFocus] : key.GetPosition();
        const int32_t plate = FindPlate(base, direction);
        if (plate < 0)
            return;
        m_iFocus = plate;
        key.SetPosition(KEYHOLE_POSITIONS[plate].x + CARRIED_OFFSET_X, KEYHOLE_POSITIONS[plate].y + CARRIED_OFFSET_Y,
                        CARRIED_Z);
        return;
    }
    const CoreFxVec& base = SLOT_HOMES[m_iFocus >= 0 && m_iFocus < SLOT_COUNT ? m_iFocus : 0];
    const int32_t slot = FindSlot(base, direction);
    if (slot < 0)
        return;
    m_iFocus = slot;
    m_oBackground.SetPosition(SLOT_HOMES[slot]);
}

int32_t MiniGameTheLostKey::FindPlate(const CoreFxVec& base, const CoreFxVec& direction) const
{
    int32_t found = -1;
    fx32 nearest = 0;
    for (int32_t plate = 0; plate < PLATE_COUNT; ++plate) {
        fx32 distance = 0;
        if (!IsPlateUsed(plate) || m_aoLocks[plate].m_bTurning ||
            !IsToward(base, KEYHOLE_POSITIONS[plate], direction, distance))
            continue;
        if (found < 0 || distance < nearest) {
            found = plate;
            nearest = distance;
        }
    }
    return found;
}

int32_t MiniGameTheLostKey::FindSlot(const CoreFxVec& base, const CoreFxVec& direction) const
{
    int32_t found = -1;
    fx32 nearest = 0;
    for (int32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        fx32 distance = 0;
        if (m_aiSlots[slot] == NO_DESIGN || !IsToward(base, SLOT_HOMES[slot], direction, distance))
            continue;
        if (found < 0 || distance < nearest) {
            found = slot;
            nearest = distance;
        }
    }
    return found;
}
