#include "Effects/Common/ScriptableEffect.h"

#include "Adventure/Common/Scriptable.h"
#include "Adventure/Common/ScriptableServices.h"
#include "Effects/Common/EffectList.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"

namespace {

ScriptableEffect s_aoPool[ScriptableEffect::POOL_SIZE];

constexpr uint8_t OPAQUE_ALPHA = 255;

// An alpha of 0..255 from the fx32 share 0..1.0; a share rounded up to 1.0
// just before the end stays opaque instead of wrapping to transparent.
uint8_t AlphaOfShare(int64_t iShare)
{
    const int64_t iAlpha = iShare >> 4;
    return static_cast<uint8_t>(iAlpha < 0 ? 0 : iAlpha > OPAQUE_ALPHA ? OPAQUE_ALPHA : iAlpha);
}

} // namespace

ScriptableEffect& ScriptableEffect::GetPooled(int32_t iIndex)
{
    return s_aoPool[iIndex];
}

void ScriptableEffect::StartFader(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds)
{
    if (iTargetId == NO_TARGET)
        return;
    for (ScriptableEffect& oEffect : s_aoPool) {
        if (oEffect.IsRunning())
            continue;
        oEffect.m_iKind = iKind;
        oEffect.m_fxDuration = MillisecondsToSeconds(iMilliseconds);
        oEffect.m_iTargetId = iTargetId;
        oEffect.m_iBlinkCounter = 0;
        if (g_oEffectList.Add(&oEffect) == -1) {
            CorePrint(&g_oCoreLog, "No free effect slot: the effect %d on %d ends at once\n", iKind, iTargetId);
            if (Scriptable* pTarget = oEffect.FindTarget())
                ApplyEnd(*pTarget, iKind);
            oEffect.Reset();
            return;
        }
        oEffect.Start();
        return;
    }
}

void ScriptableEffect::StopFirst()
{
    for (ScriptableEffect& oEffect : s_aoPool) {
        if (oEffect.IsRunning()) {
            oEffect.Stop();
            return;
        }
    }
}

void ScriptableEffect::StopAll()
{
    for (ScriptableEffect& oEffect : s_aoPool) {
        if (oEffect.IsRunning())
            oEffect.Stop();
    }
}

void ScriptableEffect::Start()
{
    m_fxElapsed = 0;
    m_bRunning = 1;
    m_bFinished = 0;
}

void ScriptableEffect::Stop()
{
    g_oEffectList.Remove(this);
    Effect::Reset();
}

Scriptable* ScriptableEffect::FindTarget() const
{
    return m_iTargetId == NO_TARGET ? nullptr : GetScriptableServices().FindScriptable(m_iTargetId);
}

void ScriptableEffect::ApplyEnd(Scriptable& oTarget, int32_t iKind)
{
    if (iKind == KIND_FADE_IN)
        oTarget.SetColorLowByte(OPAQUE_ALPHA);
    else if (iKind == KIND_FADE_OUT)
        oTarget.SetColorLowByte(0);
    else if (iKind == KIND_BLINK)
        oTarget.SetVisible(1);
}

void ScriptableEffect::Update(uint32_t dt)
{
    m_fxElapsed += MillisecondsToSeconds(dt);
    ENGINE_ASSERT(m_iKind != 0);
    if (m_iKind < KIND_FADE_IN || m_iKind > KIND_BLINK)
        return;
    Scriptable* pTarget = FindTarget();
    if (pTarget == nullptr)
        return;
    const bool bEnded = m_fxElapsed >= m_fxDuration;
    switch (m_iKind) {
    case KIND_FADE_IN:
    case KIND_FADE_OUT:
        if (bEnded) {
            ApplyEnd(*pTarget, m_iKind);
            Stop();
        } else {
            const int64_t iRatio = Ratio();
            pTarget->SetColorLowByte(AlphaOfShare(m_iKind == KIND_FADE_IN ? iRatio : FX32_ONE - iRatio));
        }
        break;
    default:
        // A blink without a positive duration runs until it is stopped.
        if (m_fxDuration > 0 && bEnded) {
            ApplyEnd(*pTarget, m_iKind);
            Stop();
        } else if (m_iBlinkCounter == 0) {
            m_iBlinkCounter = BLINK_PERIOD;
            pTarget->SetVisible(pTarget->IsVisible() ? 0 : 1);
        } else {
            --m_iBlinkCounter;
        }
        break;
    }
}
