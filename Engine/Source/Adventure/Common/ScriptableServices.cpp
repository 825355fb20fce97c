#include "Adventure/Common/ScriptableServices.h"

#include "Log/CoreLog.h"

namespace {

NullScriptableServices s_oNullServices;
ScriptableServices* s_pServices = &s_oNullServices;

} // namespace

Scriptable* NullScriptableServices::FindScriptable(int32_t iId)
{
    CorePrint(&g_oCoreLog, "No script manager: FindScriptable(%d)\n", iId);
    return nullptr;
}

void NullScriptableServices::SetWalkMeshBlocker(int32_t iBlockerId, bool bActive)
{
    CorePrint(&g_oCoreLog, "No scene: SetWalkMeshBlocker(%d, %d)\n", iBlockerId, bActive ? 1 : 0);
}

void NullScriptableServices::StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds)
{
    CorePrint(&g_oCoreLog, "No script manager: StartScriptableEffect(%d, %d, %d)\n", iTargetId, iKind, iMilliseconds);
}

void NullScriptableServices::StopFirstScriptableEffect()
{
    CorePrint(&g_oCoreLog, "No script manager: StopFirstScriptableEffect()\n");
}

ScriptableServices& GetScriptableServices()
{
    return *s_pServices;
}

void SetScriptableServices(ScriptableServices* pServices)
{
    s_pServices = pServices ? pServices : &s_oNullServices;
}
