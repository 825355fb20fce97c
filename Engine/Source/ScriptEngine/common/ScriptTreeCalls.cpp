#include "ScriptEngine/common/ScriptTreeCalls.h"

#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/AttachmentIds.h"
#include "Common/CharacterIds.h"
#include "Error/EngineAssert.h"
#include "ScriptEngine/common/ScriptIds.h"

namespace {

bool IsAnimationId(int32_t iAnimationId)
{
    return iAnimationId > 0 && iAnimationId <= MAX_ANIMATION;
}

} // namespace

bool ScriptTreeCalls::CanBuild() const
{
    const ScriptTreeBuilder* pTreeBuilder = m_pTreeBuilder;
    ENGINE_ASSERT(pTreeBuilder!=NULL && pTreeBuilder->GetCurrentNode() != NO_NODE);
    return pTreeBuilder != nullptr && pTreeBuilder->GetCurrentNode() != NO_NODE;
}

void ScriptTreeCalls::_IfMatch(const MatchExpr& oExpr)
{
    if (CanBuild())
        m_pTreeBuilder->OpenMatch(oExpr);
}

void ScriptTreeCalls::_IfEvent(const EventDesc& oPattern)
{
    _IfMatch(MatchExpr::Event(oPattern));
}

void ScriptTreeCalls::_IfBool(int32_t iVarId, uint8_t value)
{
    _IfMatch(MatchExpr::Bool(iVarId, value));
}

void ScriptTreeCalls::_IfInt(int32_t iVarId, int32_t iOp, int32_t iValue)
{
    _IfMatch(MatchExpr::Int(iVarId, iOp, static_cast<int16_t>(iValue)));
}

void ScriptTreeCalls::_ElseMatch()
{
    if (CanBuild())
        m_pTreeBuilder->ElseMatch();
}

void ScriptTreeCalls::_EndMatch()
{
    if (CanBuild())
        m_pTreeBuilder->EndMatch();
}

void ScriptTreeCalls::QueueAction(int32_t iTargetId, int32_t iActionType, std::span<const ActionParameter> parameters)
{
    if (m_pTreeBuilder != nullptr)
        m_pTreeBuilder->AddToQueue(iTargetId, iActionType, parameters);
}

void ScriptTreeCalls::WaitFor(int32_t iScriptableId)
{
    if (m_bNoWait == 0)
        WaitUntilIdle(iScriptableId);
}

void ScriptTreeCalls::PushActorAction7(uint32_t uActorId, int32_t iTargetId, int32_t iValue)
{
    if (uActorId == ACTOR_INVALID) {
        CorePrint(&g_oCoreLog, "Error Actor Invalid\n");
        return;
    }
    AddToQueue(iTargetId, ID_ACTION_TYPE_TURN_TO_ACTOR, Param::Scriptable(ActorScriptableId(uActorId)),
               Param::Int(iValue));
}

void ScriptTreeCalls::PushAction58(int32_t iTargetId, int32_t iSoundId, int32_t iValue, uint32_t uValue)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_PLAY_ACTOR_SOUND, Param::Sound(iSoundId), Param::Int(iValue),
               Param::UInt(uValue));
}

void ScriptTreeCalls::PushAction21(int32_t iTargetId, int32_t iBlockerId, uint8_t bActive)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_SET_BLOCKER, Param::Int(iBlockerId), Param::Bool(bActive));
}

void ScriptTreeCalls::PushAction60(int32_t iTargetId, int32_t iMilliseconds, uint8_t bFadeIn)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_FADE_SPRITES, Param::Int(iMilliseconds), Param::Bool(bFadeIn));
}

void ScriptTreeCalls::PushPlayAnimation(int32_t iTargetId, int32_t iAnimationId, uint8_t bLoop, uint8_t bCommit)
{
    if (!IsAnimationId(iAnimationId)) {
        CorePrint(&g_oCoreLog, "Warning : Animation Invalid\n");
        return;
    }
    AddToQueue(iTargetId, ID_ACTION_TYPE_PLAY_ANIMATION, Param::Int(iAnimationId), Param::Bool(bLoop),
               Param::Bool(bCommit));
}

void ScriptTreeCalls::PushAction5(uint32_t uActorId, int32_t iWaypoint, uint8_t bTurn)
{
    const int32_t iTarget = ActorScriptableId(uActorId);
    AddToQueue(iTarget, ID_ACTION_TYPE_WALK_TO_WAYPOINT, Param::Waypoint(iWaypoint), Param::Waypoint(-1),
               Param::Waypoint(-1));
    WaitFor(iTarget);
    if (bTurn == 1)
        TurnAsWaypoint(uActorId, iWaypoint);
}

void ScriptTreeCalls::TurnAsWaypoint(uint32_t uActorId, int32_t iWaypoint)
{
    const int32_t iTarget = ActorScriptableId(uActorId);
    AddToQueue(iTarget, ID_ACTION_TYPE_TURN_TO_WAYPOINT, Param::Waypoint(iWaypoint));
    WaitFor(iTarget);
}

void ScriptTreeCalls::PushAnimAction11(uint32_t uActorId, int32_t iAnimationId, uint8_t bLoop)
{
    const int32_t iTarget = ActorScriptableId(uActorId);
    if (IsAnimationId(iAnimationId))
        AddToQueue(iTarget, ID_ACTION_TYPE_ANIMATION, Param::Int(iAnimationId), Param::Bool(bLoop));
    WaitFor(iTarget);
}

void ScriptTreeCalls::PushAnimAction(uint32_t uActorId, int32_t iAnimationId, uint8_t bLoop, uint8_t bCommit)
{
    const int32_t iTarget = ActorScriptableId(uActorId);
    PushPlayAnimation(iTarget, iAnimationId, bLoop, bCommit);
    WaitFor(iTarget);
}

void ScriptTreeCalls::PushAnimAction13(uint32_t uActorId, int32_t iAnimationId, uint8_t bLoop)
{
    const int32_t iTarget = ActorScriptableId(uActorId);
    if (IsAnimationId(iAnimationId))
        AddToQueue(iTarget, ID_ACTION_TYPE_ANIMATION_HOLD, Param::Int(iAnimationId), Param::Bool(bLoop));
    else
        CorePrint(&g_oCoreLog, "Warning : Animation Invalid\n");
    WaitFor(iTarget);
}

void ScriptTreeCalls::PushAddAttachment(uint32_t uActorId, uint32_t iAttachementId, int32_t iboneId)
{
    const int32_t iTarget = ActorScriptableId(uActorId);
    ENGINE_ASSERT(iAttachementId != ATTACHMENT_INVALID);
    ENGINE_ASSERT(iboneId != ID_BONE_INVALID && iboneId < ID_BONE_LAST);
    AddToQueue(iTarget, ID_ACTION_TYPE_ADD_ATTACHMENT, Param::Int(static_cast<int32_t>(iAttachementId)),
               Param::Int(iboneId));
    WaitFor(iTarget);
}

void ScriptTreeCalls::PushRemoveAttachment(uint32_t uActorId, uint32_t iAttachementId)
{
    const int32_t iTarget = ActorScriptableId(uActorId);
    ENGINE_ASSERT(iAttachementId != ATTACHMENT_INVALID);
    AddToQueue(iTarget, ID_ACTION_TYPE_REMOVE_ATTACHMENT, Param::Int(static_cast<int32_t>(iAttachementId)));
    WaitFor(iTarget);
}

void ScriptTreeCalls::PushHashAction23(int32_t iEntityId, uint32_t uHash)
{
    const int32_t iTarget = EntityScriptableId(iEntityId);
    AddToQueue(iTarget, ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Param::Hash(uHash));
    WaitFor(iTarget);
}

void ScriptTreeCalls::SetIntVar(int32_t iVarId, int32_t iValue)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(iVarId), Param::Int(iValue));
}

void ScriptTreeCalls::SetBoolVar(int32_t iVarId, bool bValue)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(iVarId), Param::Bool(bValue));
}

void ScriptTreeCalls::ShowObject(int32_t iTargetId, bool bVisible)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_SET_VISIBLE, Param::Bool(bVisible));
}

void ScriptTreeCalls::SetInteractive(int32_t iTargetId, bool bInteractive)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_SET_ACTIVE, Param::Bool(bInteractive));
}

void ScriptTreeCalls::ShowAndActivate(int32_t iTargetId, bool bOn)
{
    ShowObject(iTargetId, bOn);
    SetInteractive(iTargetId, bOn);
}

void ScriptTreeCalls::SelectCharacter(uint32_t uActorId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SELECT_CHARACTER, Param::Scriptable(ActorScriptableId(uActorId)));
}

void ScriptTreeCalls::GoToScene(int32_t iSceneId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_GO_TO_SCENE, Param::Scene(iSceneId));
}

void ScriptTreeCalls::StartMiniGame(int32_t iMiniGameId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_START_MINIGAME, Param::Int(iMiniGameId));
}

void ScriptTreeCalls::SetPlayingCharacter(uint32_t uActorId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_PLAYING_CHARACTER,
               Param::Scriptable(ActorScriptableId(uActorId)));
}

void ScriptTreeCalls::WaitUntilIdle(int32_t iScriptableId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_WAIT_FOR, Param::Scriptable(iScriptableId));
}

void ScriptTreeCalls::WaitForAll()
{
    WaitUntilIdle(ID_SCRIPTABLE_INVALID);
}
