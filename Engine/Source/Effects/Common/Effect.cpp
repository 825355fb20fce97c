#include "Effects/Common/Effect.h"

#include "Common/GameLink.h"
#include "Effects/Common/EffectList.h"
#include "Maths/CoreFxDivide.h"

bool Effect::Initialize()
{
    Reset();
    return true;
}

void Effect::Reset()
{
    m_fxDuration = 0;
    m_fxElapsed = 0;
    m_bRunning = 0;
    m_bFinished = 0;
    m_bOwnDurationSaved = false;
}

void Effect::StartEffect(int32_t iSlot)
{
    Effect* pEffect = g_oEffectList.Get(iSlot);
    if (pEffect == nullptr)
        return;
    pEffect->RestoreDuration();
    pEffect->Start();
}

void Effect::UpdateAll(uint32_t dt)
{
    if (GetGameLink().IsPaused())
        return;
    for (int32_t iSlot = 0; iSlot < EffectList::SLOT_COUNT; ++iSlot) {
        // An update may take its own effect out of the list.
        Effect* pEffect = g_oEffectList.Get(iSlot);
        if (pEffect != nullptr && pEffect->IsRunning())
            pEffect->Update(dt);
    }
}

void Effect::RenderAll()
{
    for (int32_t iSlot = 0; iSlot < EffectList::SLOT_COUNT; ++iSlot) {
        if (Effect* pEffect = g_oEffectList.Get(iSlot))
            pEffect->Render();
    }
}

void Effect::StartFor(fx32 fxDuration)
{
    if (!m_bOwnDurationSaved) {
        m_fxOwnDuration = m_fxDuration;
        m_bOwnDurationSaved = true;
    }
    m_fxDuration = fxDuration;
    Start();
}

void Effect::RestoreDuration()
{
    if (m_bOwnDurationSaved)
        m_fxDuration = m_fxOwnDuration;
    m_bOwnDurationSaved = false;
}

fx32 Effect::MillisecondsToSeconds(int64_t iMilliseconds)
{
    return static_cast<fx32>(iMilliseconds * FX32_ONE / 1000);
}

fx32 Effect::Ratio() const
{
    return CoreFx::Div(m_fxElapsed, m_fxDuration);
}
