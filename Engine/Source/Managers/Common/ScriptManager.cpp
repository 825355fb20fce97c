#include "Managers/Common/ScriptManager.h"

#include "Common/ActorIds.h"
#include "Common/GameInterface.h"
#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Managers/Common/ScriptGameLink.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Managers/Common/ScriptStateLink.h"
#include "Managers/Common/VarManager.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptTreefilters.h"
#include "Scripts/Common/ActorScript.h"

ScriptManager g_oScriptManager;

namespace {

// The front-end scene object that one scene script looks up directly.
constexpr int32_t SCRIPTABLE_35 = 35;

constexpr int32_t VARBOOL_TALK_TROPHY_COUNT = VARBOOL_TROPHY_TALK_TO_ACTOR_END - VARBOOL_TROPHY_TALK_TO_ACTOR_00;

// The verbs whose target loses its highlight when the event is pushed.
bool IsVerbOnScriptable(const EventDesc& oEvent)
{
    return oEvent.m_iNbParameter >= 1 && oEvent.m_iParameterType[0] == ID_PARAMETER_TYPE_SCRIPTABLE &&
           oEvent.m_eType >= TwEventType_Activate && oEvent.m_eType <= TwEventType_UseItem;
}

} // namespace

ScriptManager::ScriptManager() : m_pMakeSceneScript(&CreateScriptFromId)
{
    m_oContext.SetDispatch(this);
}

ScriptManager::~ScriptManager()
{
    AttachTree(false);
    if (&GetScriptableServices() == this)
        SetScriptableServices(nullptr);
    if (&GetSceneEventSink() == this)
        SetSceneEventSink(nullptr);
}

bool ScriptManager::InsertScriptable(int32_t iId, Scriptable* pScriptable)
{
    return m_oRegistry.Insert(iId, pScriptable);
}

bool ScriptManager::RemoveScriptable(int32_t iId)
{
    return m_oRegistry.Remove(iId);
}

Scriptable* ScriptManager::FindScriptable(int32_t iId)
{
    return m_oRegistry.Find(iId);
}

Scriptable* ScriptManager::FindActorScriptable(uint32_t uActorId)
{
    if (uActorId == ACTOR_INVALID)
        return nullptr;
    return FindScriptable(static_cast<int32_t>(uActorId | 0x80000000u));
}

Scriptable* ScriptManager::FindScriptable35()
{
    return FindScriptable(SCRIPTABLE_35);
}

void ScriptManager::SetWalkMeshBlocker(int32_t iBlockerId, bool bActive)
{
    GetScriptSceneLink().SetWalkMeshBlocker(iBlockerId, bActive);
}

void ScriptManager::StartScriptableEffect(int32_t iTargetId, int32_t iKind, int32_t iMilliseconds)
{
    if (iTargetId != ID_SCRIPTABLE_INVALID)
        GetScriptStateLink().StartScriptableEffect(iTargetId, iKind, iMilliseconds);
}

void ScriptManager::StopFirstScriptableEffect()
{
    GetScriptStateLink().StopFirstScriptableEffect();
}

bool ScriptManager::IsDialogActive()
{
    return GetScriptGameLink().IsDialogActive();
}

bool ScriptManager::IsBusy()
{
    ScriptStateLink& oStates = GetScriptStateLink();
    const bool bFadingOut = oStates.IsFadeRunning(GlobalFade::OutToBlack);
    return m_iInteractive != 0 || m_bChangePending != 0 || bFadingOut || !oStates.IsStateQueueEmpty();
}

bool ScriptManager::FireEvent(const EventDesc& oEvent)
{
    if (IsBusy())
        return false;

    ScriptNodeIndex aEvents[MAX_COLLECTED_EVENTS];
    const int32_t iNbEvents =
        m_oTree.IsEmpty() ? 0 : CollectEvents(m_oNodePool, m_oTree.m_iRoot, &Filter_Events, std::span(aEvents));
    for (int32_t index = 0; index < iNbEvents; ++index) {
        if (!EventDesc::MatchEvent(m_oNodePool[aEvents[index]].m_oEvent, oEvent))
            continue;
        m_oEvent = EventDesc::MakeEmpty();
        ClearContext();
        if (oEvent.m_eType == TwEventType_Talk)
            AwardTalkTrophy(oEvent);
        PushEvent(oEvent);
        return true;
    }

    if (oEvent.m_eType == TwEventType_UseItem) {
        EventDesc oBadInteract;
        PushEvent(*BuildEvent(&oBadInteract, TwEventType_BadInteract, 0));
    }
    return true;
}

void ScriptManager::AwardTalkTrophy(const EventDesc& oEvent)
{
    ENGINE_ASSERT(oEvent.m_iNbParameter == 1);
    ENGINE_ASSERT(oEvent.m_iParameterType[0] == ID_PARAMETER_TYPE_SCRIPTABLE);
    if (oEvent.m_iNbParameter < 1 || oEvent.m_iParameterType[0] != ID_PARAMETER_TYPE_SCRIPTABLE)
        return;
    const int32_t iTalkedTo = oEvent.m_oParameter[0];
    if (!IsActorScriptableId(iTalkedTo))
        return;
    const uint32_t uActorId = static_cast<uint32_t>(iTalkedTo);
    ActorScriptInfo oInfo {};
    GetActorScriptInfos(uActorId, 0, &oInfo);
    if (oInfo.m_bTalk == 0)
        return;
    // The trophy flags are named after the actors' places in the actor table,
    // from _00 on; the flag before them only opens the group.
    const int iIndex = Id::GetActorIndex(uActorId);
    if (iIndex < 0 || iIndex >= VARBOOL_TALK_TROPHY_COUNT)
        return;
    GameInterface::GetGameInterface()->GetVarManager()->SetBool(VARBOOL_TROPHY_TALK_TO_ACTOR_00 + iIndex, 1);
}

void ScriptManager::PushEvent(const EventDesc& oEvent)
{
    ENGINE_ASSERT_MSG(m_oEvent.m_eType == InvalidTwEventType, "Too much events for event stack!!!");
    ENGINE_ASSERT_MSG(m_iInteractive==0, "push event with not interactive scriptmanager!");
    if (IsVerbOnScriptable(oEvent)) {
        if (Scriptable* pTarget = FindScriptable(oEvent.m_oParameter[0]))
            pTarget->SetObjectsFlag(0);
    }
    m_oEvent = oEvent;
}

void ScriptManager::ResetEvents()
{
    m_oEvent = EventDesc::MakeEmpty();
    m_iInteractive = 0;
}

void ScriptManager::DoSetInteractive(bool bInteractive)
{
    if (bInteractive) {
        ENGINE_ASSERT(m_iInteractive>0);
        --m_iInteractive;
    } else {
        ++m_iInteractive;
    }
    if (m_iInteractive > 0)
        PostNotInteractive();
}

void ScriptManager::PostNotInteractive()
{
    ScriptSceneLink& oScene = GetScriptSceneLink();
    if (oScene.HasScene())
        oScene.PostEvent(ScriptSceneLink::EVENT_NOT_INTERACTIVE, 0);
}

void ScriptManager::ClearContext()
{
    m_oContext.Clear();
}
