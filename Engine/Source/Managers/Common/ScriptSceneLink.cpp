#include "Managers/Common/ScriptSceneLink.h"

#include "Adventure/Common/Scriptable.h"
#include "Log/CoreLog.h"

namespace {

NullScriptSceneLink s_oNullLink;
ScriptSceneLink* s_pLink = &s_oNullLink;

} // namespace

void NullScriptSceneLink::SetNextScene(int32_t iSceneId)
{
    CorePrint(&g_oCoreLog, "No scene manager: SetNextScene(%d)\n", iSceneId);
    m_iSceneId = iSceneId;
}

void NullScriptSceneLink::SetPlayingCharacter(uint32_t uActorId)
{
    CorePrint(&g_oCoreLog, "No scene manager: SetPlayingCharacter(0x%08x)\n", uActorId);
    m_uPlayingCharacter = uActorId;
}

void NullScriptSceneLink::PostEvent(int32_t iCode, int32_t iParameter)
{
    CorePrint(&g_oCoreLog, "No scene: PostEvent(%d, %d)\n", iCode, iParameter);
}

void NullScriptSceneLink::SetActiveCharacter(uint32_t uActorId)
{
    CorePrint(&g_oCoreLog, "No scene: SetActiveCharacter(0x%08x)\n", uActorId);
}

void NullScriptSceneLink::SelectCharacter(uint32_t uActorId)
{
    CorePrint(&g_oCoreLog, "No scene: SelectCharacter(0x%08x)\n", uActorId);
}

void NullScriptSceneLink::DirectionToVector(int32_t iDirection)
{
    CorePrint(&g_oCoreLog, "No scene: DirectionToVector(%d)\n", iDirection);
}

void NullScriptSceneLink::LoadActorSet(const char* pName)
{
    CorePrint(&g_oCoreLog, "No scene: LoadActorSet(%s)\n", pName != nullptr ? pName : "");
}

void NullScriptSceneLink::Prepare()
{
    CorePrint(&g_oCoreLog, "No scene: Prepare()\n");
}

void NullScriptSceneLink::SetWalkMeshBlocker(int32_t iBlockerId, bool bActive)
{
    CorePrint(&g_oCoreLog, "No scene: SetWalkMeshBlocker(%d, %d)\n", iBlockerId, bActive ? 1 : 0);
}

std::unique_ptr<Scriptable> NullScriptSceneLink::CreateActor(uint32_t uActorId)
{
    CorePrint(&g_oCoreLog, "No scene world: actor 0x%08x is a plain scriptable\n", uActorId);
    return std::make_unique<Scriptable>();
}

ScriptSceneLink& GetScriptSceneLink()
{
    return *s_pLink;
}

void SetScriptSceneLink(ScriptSceneLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oNullLink;
}
