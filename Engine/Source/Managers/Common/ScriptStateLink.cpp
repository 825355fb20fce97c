#include "Managers/Common/ScriptStateLink.h"

#include "Log/CoreLog.h"

namespace {

NullScriptStateLink s_oNullLink;
ScriptStateLink* s_pLink = &s_oNullLink;

} // namespace

void NullScriptStateLink::PushState(int32_t iStateId, int32_t iParameter)
{
    CorePrint(&g_oCoreLog, "No state queue: PushState(%d, %d)\n", iStateId, iParameter);
}

void NullScriptStateLink::StartFade(GlobalFade eFade)
{
    CorePrint(&g_oCoreLog, "No effects: StartFade(%d)\n", static_cast<int>(eFade));
}

void NullScriptStateLink::StartTimedFade(GlobalFade eFade, fx32 fxDuration)
{
    CorePrint(&g_oCoreLog, "No effects: StartTimedFade(%d, %d)\n", static_cast<int>(eFade), fxDuration);
}

void NullScriptStateLink::StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds)
{
    CorePrint(&g_oCoreLog, "No effects: StartScriptableEffect(%d, %d, %d)\n", iTargetId, iKind, iMilliseconds);
}

void NullScriptStateLink::StopFirstScriptableEffect()
{
    CorePrint(&g_oCoreLog, "No effects: StopFirstScriptableEffect()\n");
}

ScriptStateLink& GetScriptStateLink()
{
    return *s_pLink;
}

void SetScriptStateLink(ScriptStateLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
