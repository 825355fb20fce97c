#include "MiniGame/Common/MiniGameBirdsAttack.h"

#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputEventQueries.h"
#include "Maths/CoreFxDivide.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "Screen/CoreVirtualScreen.h"

using namespace BirdsAttackData;

namespace {

struct Edges {
    fx32 m_fxLeft;
    fx32 m_fxTop;
    fx32 m_fxRight;
    fx32 m_fxBottom;
};

// The box on the screen for a sprite: from its top-left corner (position
// minus pivot).
Edges EdgesOf(const MGSprite& oSprite, const Box& box)
{
    const fx32 left = oSprite.GetPosition().x - oSprite.GetPivot().x + box.m_fxX;
    const fx32 top = oSprite.GetPosition().y - oSprite.GetPivot().y + box.m_fxY;
    return {left, top, left + box.m_fxWidth, top + box.m_fxHeight};
}

// Edges touching count as a touch.
bool Touch(const Edges& a, const Edges& b)
{
    return a.m_fxLeft <= b.m_fxRight && b.m_fxLeft <= a.m_fxRight && a.m_fxTop <= b.m_fxBottom &&
           b.m_fxTop <= a.m_fxBottom;
}

} // namespace

bool MiniGameBirdsAttack::IsBreakingOrBroken(int32_t iIdx) const
{
    if (iIdx < 0 || iIdx >= MG_BA_LEVEL_PLATFORM_NB)
        return false;
    const PlatformKind eKind = m_aoPlatforms[m_iScreen][iIdx].m_eKind;
    return eKind == PlatformKind::Breaking || eKind == PlatformKind::Broken;
}

void MiniGameBirdsAttack::HandleInput()
{
    Heroine& oHeroine = m_oHeroine;
    if (oHeroine.m_fxActionTimer != 0 || m_fxScreenChangeTimer > 0)
        return;
    const int32_t p = oHeroine.m_iPlatform;
    int32_t target = -1;
    if (p > 0 && InputEventActive(InputEventId_GameLeftPressed))
        target = p - 1;
    else if (InputEventActive(InputEventId_GameRightPressed) && p < oHeroine.m_iLastPlatform)
        target = p + 1;
    if (target >= 0) {
        const Point& from = PLATFORM_POSITIONS[p];
        const Point& to = PLATFORM_POSITIONS[target];
        oHeroine.m_iPlatform = target;
        oHeroine.m_fxActionTimer = STEP_TIME;
        oHeroine.m_oSprite.SetPosition((from.m_fxX + to.m_fxX) / 2, (from.m_fxY + to.m_fxY) / 2, HEROINE_Z);
        oHeroine.m_oSprite.SetCurrentFrame(FRAME_WALKING);
        oHeroine.m_eState = HeroineState::Stepped;
        return;
    }
    const bool bAction = InputEventActive(InputEventId_GameCtrlPressed) || InputEventActive(InputEventId_GameConfirm);
    if (p >= oHeroine.m_iLastPlatform || !bAction || !IsBreakingOrBroken(p + 1))
        return;
    if (oHeroine.m_eState == HeroineState::Mending) {
        if (oHeroine.m_iMendCount >= MENDING_PRESSES)
            return;
        ++oHeroine.m_iMendCount;
    } else {
        oHeroine.m_iMendCount = 1;
        oHeroine.m_eState = HeroineState::Mending;
        SoundManager::PlayEffect(SOUND_MEND);
    }
    oHeroine.m_fxActionTimer = MEND_PRESS_TIME;
    oHeroine.m_oSprite.SetCurrentFrame(FRAME_MENDING);
}

void MiniGameBirdsAttack::UpdatePlatforms(uint32_t dtMs)
{
    for (Platform& oPlatform : m_aoPlatforms[m_iScreen]) {
        if (oPlatform.m_eKind != PlatformKind::Breaking)
            continue;
        oPlatform.m_oBreaking.Update(dtMs);
        if (oPlatform.m_oBreaking.GetCurrentFrame() == BREAKING_LAST_FRAME)
            oPlatform.m_eKind = PlatformKind::Broken;
    }
}

void MiniGameBirdsAttack::UpdateBird(uint32_t dtMs)
{
    m_oBird.m_oSprite.Update(dtMs);
    UpdateDrops(dtMs);
    LaunchAndFly(dtMs);
}

void MiniGameBirdsAttack::UpdateDrops(uint32_t dtMs)
{
    const fx32 dt = MiniGameSeconds(dtMs);
    const fx32 fall = CoreFx::Mul(dt, FALL_SPEED);
    for (int32_t k = 0; k < MG_BA_LEVEL_PLATFORM_NB; ++k) {
        Platform& oPlatform = m_aoPlatforms[m_iScreen][k];
        const fx32 platformY = PLATFORM_POSITIONS[k].m_fxY;
        Drop& oDropping = m_aoDroppings[k];
        MGSprite& oSprite = oDropping.m_oSprite;
        oSprite.Update(dtMs);
        switch (oDropping.m_eState) {
        case DropState::Falling:
            oSprite.Translate(0, fall);
            if (oSprite.GetPosition().y < platformY)
                break;
            if (oPlatform.m_eKind == PlatformKind::Intact) {
                oSprite.SetPosition(oSprite.GetPosition().x, platformY, oSprite.GetPosition().z);
                oSprite.SetCurrentFrame(1);
                oSprite.SetAnimating(true);
                oDropping.m_eState = DropState::Landed;
                oDropping.m_fxTimer = oPlatform.m_oSprite.IsVisible() ? LANDED_TIME : 0;
                SoundManager::PlayEffect(SOUND_DROPPING_LANDS);
            } else {
                oDropping.m_eState = DropState::FallingOn;
            }
            break;
        case DropState::FallingOn:
            oSprite.Translate(0, fall);
            if (oSprite.GetPosition().y - oSprite.GetPivot().y >= SCREEN_BOTTOM)
                ResetDropping(k);
            break;
        case DropState::Landed:
            oDropping.m_fxTimer -= dt;
            if (oDropping.m_fxTimer <= 0)
                ResetDropping(k);
            else
                oSprite.SetAlpha(CoreFx::Div(oDropping.m_fxTimer, LANDED_TIME));
            break;
        case DropState::Idle: break;
        }

        Drop& oStone = m_aoStones[k];
        MGSprite& oStoneSprite = oStone.m_oSprite;
        if (oStone.m_eState == DropState::Falling) {
            oStoneSprite.Translate(0, fall);
            if (oStoneSprite.GetPosition().y >= platformY) {
                oStone.m_eState = DropState::Landed;
                if (oPlatform.m_eKind == PlatformKind::Intact) {
                    if (oDropping.m_eState == DropState::Landed)
                        ResetDropping(k);
                    oPlatform.m_eKind = PlatformKind::Breaking;
                    SoundManager::PlayEffect(SOUND_PLANK_BREAKS);
                }
            }
        } else if (oStone.m_eState == DropState::Landed) {
            // A stone goes on through whatever it met.
            oStoneSprite.Translate(0, fall);
            if (oStoneSprite.GetPosition().y - oStoneSprite.GetPivot().y >= SCREEN_BOTTOM)
                ResetStone(k);
        }
    }
}

void MiniGameBirdsAttack::LaunchAndFly(uint32_t dtMs)
{
    const Screen& screen = SCREENS[m_iScreen];
    fx32 flight = MiniGameSeconds(dtMs);
    if (m_oBird.m_fxLaunchTimer > 0) {
        m_oBird.m_fxLaunchTimer -= flight;
        if (m_oBird.m_fxLaunchTimer > 0)
            return;
        flight = -m_oBird.m_fxLaunchTimer;
        m_oBird.m_fxLaunchTimer = 0;
        const uint32_t draw =
            m_oRandom.Below(static_cast<uint32_t>(MG_BA_DROP_PLATFORM_MAX + screen.m_iExtraSlotRange));
        m_oBird.m_iDropSlot = draw >= MG_BA_DROP_PLATFORM_MAX ? NO_SLOT : static_cast<int32_t>(draw) + 1;
        ENGINE_ASSERT(m_oBird.m_iDropSlot == NO_SLOT || (m_oBird.m_iDropSlot >= MG_BA_DROP_PLATFORM_MIN &&
                                                         m_oBird.m_iDropSlot <= MG_BA_DROP_PLATFORM_MAX));
        if (m_oBird.m_iDropSlot != NO_SLOT)
            m_oBird.m_eDropKind = static_cast<fx32>(m_oRandom.Below(FX32_ONE)) > screen.m_fxStoneThreshold
                                      ? DropKind::Dropping
                                      : DropKind::Stone;
        SoundManager::PlayEffect(SOUND_CRY);
    }
    if (flight <= 0)
        return;
    const fx32 dx = CoreFx::Mul(flight, BIRD_SPEED);
    m_oBird.m_oSprite.Translate(-dx, 0);
    m_oBird.m_oStone.Translate(-dx, 0);
    const int32_t slot = m_oBird.m_iDropSlot;
    // Only a slot over a middle plank drops anything.
    if (slot >= MG_BA_DROP_PLATFORM_MIN && slot <= MG_BA_DROP_PLATFORM_MAX &&
        m_oBird.m_oSprite.GetPosition().x <= PLATFORM_POSITIONS[slot].m_fxX) {
        const bool bDropping = m_oBird.m_eDropKind == DropKind::Dropping;
        Drop* pDrop = bDropping                                ? &m_aoDroppings[slot]
                      : m_oBird.m_eDropKind == DropKind::Stone ? &m_aoStones[slot]
                                                               : nullptr;
        if (pDrop != nullptr && pDrop->m_eState == DropState::Idle) {
            pDrop->m_eState = DropState::Falling;
            pDrop->m_oSprite.SetVisible(true);
            if (bDropping)
                pDrop->m_oSprite.SetAlpha(FX32_ONE);
            SoundManager::PlayEffect(SOUND_DROP);
        }
        m_oBird.m_eDropKind = DropKind::None;
        m_oBird.m_iDropSlot = NO_SLOT;
    }
    if (m_oBird.m_oSprite.GetPosition().x <= -m_fxMargin - m_oBird.m_oSprite.GetSize().x / 2) {
        // Off the left edge: back to the right for the next pass.
        const fx32 x = VIRTUAL_SCREEN_WIDTH + m_fxMargin + m_oBird.m_oSprite.GetSize().x / 2;
        m_oBird.m_fxLaunchTimer = screen.m_fxLaunchInterval;
        m_oBird.m_oSprite.SetPosition(x, BIRD_Y, BIRD_Z);
        m_oBird.m_oStone.SetPosition(x + CARRIED_STONE_DX, BIRD_Y + CARRIED_STONE_DY, DROP_Z);
    }
}

bool MiniGameBirdsAttack::EndAction()
{
    Heroine& oHeroine = m_oHeroine;
    switch (oHeroine.m_eState) {
    case HeroineState::Stepped:
        PlaceHeroine(oHeroine.m_iPlatform);
        if (oHeroine.m_iPlatform == oHeroine.m_iLastPlatform) {
            m_iNextScreen = m_iScreen + 1;
            m_fxScreenChangeTimer = SCREEN_CHANGE_TIME;
            return false;
        }
        break;
    case HeroineState::Hit:
        oHeroine.m_iPlatform = oHeroine.m_iReturnPlatform;
        PlaceHeroine(oHeroine.m_iPlatform);
        break;
    case HeroineState::Mending:
        if (oHeroine.m_iMendCount >= MENDING_PRESSES && oHeroine.m_iPlatform < oHeroine.m_iLastPlatform) {
            PlaceHeroine(oHeroine.m_iPlatform);
            Platform& oPlank = m_aoPlatforms[m_iScreen][oHeroine.m_iPlatform + 1];
            oPlank.m_eKind = PlatformKind::Intact;
            oPlank.m_oBreaking.SetCurrentFrame(0);
            oHeroine.m_iMendCount = 0;
        }
        break;
    case HeroineState::Idle: break;
    }
    return true;
}

bool MiniGameBirdsAttack::IsTouchedByDrop() const
{
    const MGSprite& oSprite = m_oHeroine.m_oSprite;
    const int32_t frame = oSprite.GetCurrentFrame();
    if (frame < 0 || frame >= HEROINE_FRAME_COUNT)
        return false;
    const Edges heroine = EdgesOf(oSprite, HEROINE_BOXES[frame]);
    for (int32_t k = 0; k < MG_BA_LEVEL_PLATFORM_NB; ++k) {
        if (m_aoDroppings[k].m_eState == DropState::Falling &&
            Touch(heroine, EdgesOf(m_aoDroppings[k].m_oSprite, DROPPING_BOX)))
            return true;
        if (m_aoStones[k].m_eState == DropState::Falling && Touch(heroine, EdgesOf(m_aoStones[k].m_oSprite, STONE_BOX)))
            return true;
    }
    return false;
}

void MiniGameBirdsAttack::UpdateHeroine(uint32_t dtMs)
{
    const fx32 dt = MiniGameSeconds(dtMs);
    Heroine& oHeroine = m_oHeroine;
    if (m_fxScreenChangeTimer > 0) {
        m_fxScreenChangeTimer -= dt;
        if (m_fxScreenChangeTimer <= 0) {
            m_fxScreenChangeTimer = 0;
            if (m_iNextScreen >= MG_BA_LEVEL_NB)
                GoToEndState(true);
            else
                InitializeLevel(m_iNextScreen);
        }
        return;
    }
    bool bCheckFall = oHeroine.m_fxActionTimer == 0;
    if (oHeroine.m_fxActionTimer > 0) {
        oHeroine.m_fxActionTimer -= dt;
        if (oHeroine.m_fxActionTimer <= 0) {
            oHeroine.m_fxActionTimer = 0;
            bCheckFall = oHeroine.m_eState == HeroineState::Stepped;
            if (!EndAction())
                return;
        }
    }
    bool bHit = false;
    if (bCheckFall && IsBreakingOrBroken(oHeroine.m_iPlatform)) {
        oHeroine.m_oSprite.SetCurrentFrame(FRAME_FALLING);
        oHeroine.m_oSprite.Translate(0, FALL_DEPTH);
        bHit = true;
    }
    if (oHeroine.m_eState != HeroineState::Hit && IsTouchedByDrop()) {
        oHeroine.m_oSprite.SetCurrentFrame(FRAME_HIT);
        bHit = true;
    }
    if (bHit) {
        SoundManager::PlayEffect(SOUND_HIT);
        m_oMeter.Remove();
        oHeroine.m_fxActionTimer = HIT_TIME;
        oHeroine.m_eState = HeroineState::Hit;
    }
    oHeroine.m_oSprite.Update(dtMs);
}
