#include "Game/TwGameStateLink.h"

#include "Effects/Common/ScriptableEffect.h"
#include "Game/TwGame.h"
#include "Log/CoreLog.h"

bool TwGameStateLink::IsStateQueueEmpty()
{
    return m_oGame.GetStateQueue().IsEmpty();
}

void TwGameStateLink::PushState(int32_t iStateId, int32_t iParameter)
{
    if (iStateId < 0 || iStateId > UINT16_MAX || m_oGame.GetState(static_cast<uint16_t>(iStateId)) == nullptr) {
        CorePrint(&g_oCoreLog, "No game state %d: the request to run %d is dropped\n", iStateId, iParameter);
        return;
    }
    GameStateQueueEntry oEntry;
    oEntry.m_uStateId = static_cast<uint32_t>(iStateId);
    oEntry.m_uParameter1 = static_cast<uint32_t>(iParameter);
    m_oGame.GetStateQueue().Push(oEntry);
}

bool TwGameStateLink::HasFade(GlobalFade eFade)
{
    return m_oGame.GetFade(eFade) != nullptr;
}

bool TwGameStateLink::IsFadeRunning(GlobalFade eFade)
{
    const ScreenColorEffect* pFade = m_oGame.GetFade(eFade);
    return pFade != nullptr && pFade->IsRunning();
}

bool TwGameStateLink::IsFadeFinished(GlobalFade eFade)
{
    const ScreenColorEffect* pFade = m_oGame.GetFade(eFade);
    return pFade != nullptr && pFade->IsFinished();
}

void TwGameStateLink::StartFade(GlobalFade eFade)
{
    Effect::StartEffect(m_oGame.GetFadeSlot(eFade));
}

void TwGameStateLink::StartTimedFade(GlobalFade eFade, fx32 fxDuration)
{
    if (ScreenColorEffect* pFade = m_oGame.GetFade(eFade))
        pFade->StartFor(fxDuration);
}

void TwGameStateLink::StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds)
{
    ScriptableEffect::StartFader(iTargetId, iKind, iMilliseconds);
}

void TwGameStateLink::StopFirstScriptableEffect()
{
    ScriptableEffect::StopFirst();
}

void TwGameStateLink::StopScriptableEffects()
{
    ScriptableEffect::StopAll();
}
