// The talk screen's portrait: the speaker's picture slides in from the
// speaker's side, and out again before another speaker's slides in.
#include "Common/ActorIds.h"
#include "Common/CharacterIds.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Maths/CoreFxDivide.h"

#include <cstdio>

const char* DialogInterface::GetPortraitSpriteName(uint32_t uActorId, uint32_t uMood)
{
    static char s_aName[96];
    const auto actors = Id::GetActorTable();
    const int index = Id::GetActorIndex(uActorId);
    if (uActorId == 0 || index < 0 || static_cast<size_t>(index) >= actors.size())
        return nullptr;
    const char* mood = uMood != 0 ? Id::GetMoodName(static_cast<int>(uMood)) : nullptr;
    if (mood != nullptr)
        std::snprintf(s_aName, sizeof s_aName, "intdial_%s_%s", actors[index].m_pName, mood);
    else
        std::snprintf(s_aName, sizeof s_aName, "intdial_%s", actors[index].m_pName);
    return s_aName;
}

void DialogInterface::UpdatePortrait(uint32_t dt)
{
    bool bLoaded = false;
    if (m_uDisplayedSpeaker != m_uSpeaker && !m_bSlidingOut) {
        if (m_uDisplayedSpeaker == 0) {
            ShowPortrait();
            bLoaded = true;
        } else {
            m_bSlidingOut = 1;
            m_bSlidingIn = 0;
            m_fxSlideTimer = PORTRAIT_SLIDE_TIME;
        }
    }
    if (m_bSlidingOut) {
        const bool bHero = IsHeroSide(m_uDisplayedSpeaker);
        if (SlidePortrait(bHero ? m_oHeroTarget : m_oOtherTarget, bHero ? m_oHeroStart : m_oOtherStart, dt)) {
            m_bSlidingOut = 0;
            m_oPortrait.m_bVisible = 0;
            ShowPortrait();
        }
        return;
    }
    if (m_uSpeaker != 0 && m_uDisplayedSpeaker == m_uSpeaker && m_uDisplayedMood != m_uMood) {
        m_uDisplayedMood = m_uMood;
        if (!LoadPortrait())
            m_oPortrait.m_bVisible = 0;
    }
    // A portrait loaded in this frame starts to move in the next.
    if (m_bSlidingIn && !bLoaded) {
        const bool bHero = IsHeroSide(m_uDisplayedSpeaker);
        if (SlidePortrait(bHero ? m_oHeroStart : m_oOtherStart, bHero ? m_oHeroTarget : m_oOtherTarget, dt))
            m_bSlidingIn = 0;
    }
}

void DialogInterface::ShowPortrait()
{
    m_uDisplayedSpeaker = m_uSpeaker;
    m_uDisplayedMood = m_uMood;
    if (m_uSpeaker == 0)
        return;
    const bool bHero = IsHeroSide(m_uSpeaker);
    SetTextArea(bHero);
    // An actor without a portrait (or unknown) speaks without one.
    if (!LoadPortrait()) {
        m_oPortrait.m_bVisible = 0;
        return;
    }
    PlacePortrait(bHero ? m_oHeroStart : m_oOtherStart);
    m_fxSlideTimer = PORTRAIT_SLIDE_TIME;
    m_oPortrait.m_bVisible = 1;
    m_bSlidingIn = 1;
}

bool DialogInterface::LoadPortrait()
{
    const char* name = GetPortraitSpriteName(m_uDisplayedSpeaker, m_uDisplayedMood);
    if (name == nullptr || !m_oPortrait.Load(name))
        return false;
    // Anyone but the playing character faces it from the right: mirrored,
    // placed by the right edge.
    const bool bHero = IsHeroSide(m_uDisplayedSpeaker);
    m_oPortrait.SetScale(bHero ? FX32_ONE : -FX32_ONE, FX32_ONE);
    m_oPortrait.SetAnchor(bHero ? 0 : m_oPortrait.m_fxWidth, 0);
    return true;
}

bool DialogInterface::SlidePortrait(const PortraitPlacement& from, const PortraitPlacement& to, uint32_t dt)
{
    const auto seconds = static_cast<fx32>((static_cast<uint64_t>(dt) << FX32_SHIFT) / 1000);
    m_fxSlideTimer -= seconds;
    if (m_fxSlideTimer <= 0) {
        m_fxSlideTimer = 0;
        PlacePortrait(to);
        return true;
    }
    const fx32 ratio = FX32_ONE - CoreFx::Div(m_fxSlideTimer, PORTRAIT_SLIDE_TIME);
    const auto along = [ratio](fx32 a, fx32 b) { return a + CoreFx::Mul(b - a, ratio); };
    PlacePortrait({along(from.m_fxX, to.m_fxX), along(from.m_fxY, to.m_fxY), along(from.m_fxZ, to.m_fxZ),
                   along(from.m_fxAlpha, to.m_fxAlpha)});
    return false;
}

void DialogInterface::PlacePortrait(const PortraitPlacement& placement)
{
    m_oPortrait.SetPosition(placement.m_fxX, placement.m_fxY, placement.m_fxZ);
    m_oPortrait.m_fxAlpha = placement.m_fxAlpha;
}

void DialogInterface::PlacePortraitAtTarget()
{
    PlacePortrait(IsHeroSide(m_uDisplayedSpeaker) ? m_oHeroTarget : m_oOtherTarget);
}
