#include "ScriptEngine/common/ScriptIds.h"
#include "ScriptEngine/common/ScriptTreeCalls.h"

namespace {

constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

} // namespace

void ScriptTreeCalls::Dialog(uint32_t uDialogId)
{
    AddToQueue(LOGIC_DIALOG, ID_ACTION_TYPE_START_DIALOG, Param::Int(static_cast<int32_t>(uDialogId)));
}

void ScriptTreeCalls::WalkAndTalk(const EventDesc& oEvent, uint32_t uActorId, int32_t iWaypoint, uint32_t uDialogId)
{
    WalkAndTalk(MatchExpr::Event(oEvent), uActorId, iWaypoint, uDialogId);
}

void ScriptTreeCalls::WalkAndTalk(const MatchExpr& oPattern, uint32_t uActorId, int32_t iWaypoint, uint32_t uDialogId)
{
    _IfMatch(oPattern);
    GoTo(uActorId, iWaypoint);
    Dialog(uDialogId);
    _EndMatch();
}

void ScriptTreeCalls::WalkAndTalkTo(const EventDesc& oEvent, uint32_t uActorId, int32_t iWaypoint, uint32_t uPartnerId,
                                    uint32_t uDialogId)
{
    _IfMatch(MatchExpr::Event(oEvent));
    WalkTo(uActorId, iWaypoint);
    TurnToward(static_cast<int32_t>(uActorId), uPartnerId);
    Dialog(uDialogId);
    _EndMatch();
}

void ScriptTreeCalls::LookAndActivate(int32_t iEntityId, uint32_t uActorId, int32_t iWaypoint, uint32_t uLookDialogId,
                                      uint32_t uActivateDialogId)
{
    EventDesc oLook;
    BuildEvent(&oLook, TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, EntityScriptableId(iEntityId));
    WalkAndTalk(oLook, uActorId, iWaypoint, uLookDialogId);
    WalkAndTalk(MatchExpr::MakeEvent0(iEntityId), uActorId, iWaypoint, uActivateDialogId);
}

void ScriptTreeCalls::Give(uint32_t uActorId, uint32_t uItemId)
{
    AddToQueue(ActorScriptableId(uActorId), ID_ACTION_TYPE_ADD_ITEM, Param::Item(uItemId), Param::Int(1));
}

void ScriptTreeCalls::Take(uint32_t uActorId, uint32_t uItemId)
{
    AddToQueue(ActorScriptableId(uActorId), ID_ACTION_TYPE_REMOVE_ITEM, Param::Item(uItemId), Param::Int(1));
}

void ScriptTreeCalls::Sound(uint32_t uActorId, uint32_t uSoundId, int32_t iDelayMs)
{
    PushAction58(ActorScriptableId(uActorId), static_cast<int32_t>(uSoundId), iDelayMs, SOUND_FULL_VOLUME);
}

void ScriptTreeCalls::EffectSound(uint32_t uSoundId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_SOUND_EFFECT, Param::Sound(static_cast<int32_t>(uSoundId)),
               Param::Bool(true));
}

void ScriptTreeCalls::PlayMusic(uint32_t uSoundId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MUSIC, Param::Sound(static_cast<int32_t>(uSoundId)),
               Param::Bool(true));
}

void ScriptTreeCalls::PlayAmbience(uint32_t uSoundId)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_AMBIENT, Param::Sound(static_cast<int32_t>(uSoundId)),
               Param::Bool(true));
}

void ScriptTreeCalls::SetSceneDirection(int32_t iDirection)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SCENE_DIRECTION, Param::Int(iDirection));
}

void ScriptTreeCalls::FadeOut(int32_t iMilliseconds)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SCENE_FADE_OUT, Param::Int(iMilliseconds));
}

void ScriptTreeCalls::Wait(int32_t iTargetId, int32_t iMilliseconds)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_WAIT, Param::Int(iMilliseconds));
}

void ScriptTreeCalls::Place(int32_t iTargetId, int32_t iWaypoint)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_PLACE_AT_WAYPOINT, Param::Waypoint(iWaypoint), Param::Bool(true));
}

void ScriptTreeCalls::OpenIslandMap(int32_t iCharacterId, int32_t iStepInWaypoint, int32_t iWayOutBlocker)
{
    constexpr int32_t MENU_MAP = 1;
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(MENU_MAP));
    Place(iCharacterId, iStepInWaypoint);
    PushAction21(iCharacterId, iWayOutBlocker, 1);
}

void ScriptTreeCalls::WalkOnly(int32_t iTargetId, bool bWalkOnly)
{
    AddToQueue(iTargetId, ID_ACTION_TYPE_SET_WALK_ONLY, Param::Bool(bWalkOnly));
}

void ScriptTreeCalls::TurnToward(int32_t iTurnerId, uint32_t uActorId, int32_t iValue)
{
    PushActorAction7(uActorId, iTurnerId, iValue);
}

void ScriptTreeCalls::NoEffect(int32_t iValue)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_NO_EFFECT_44, Param::Int(iValue));
}

void ScriptTreeCalls::PickUpSteps(uint32_t uActorId, const PickUpAnimations& oAnimations, int32_t iPicture,
                                  uint32_t uItemId, bool bItemFirst)
{
    PushAnimAction11(uActorId, oAnimations.iBend, 0);
    if (bItemFirst)
        Give(uActorId, uItemId);
    if (iPicture != ID_SCRIPTABLE_INVALID)
        ShowObject(iPicture, false);
    if (!bItemFirst)
        Give(uActorId, uItemId);
    PushAnimAction11(uActorId, oAnimations.iRise, 0);
    PushAnimAction11(uActorId, oAnimations.iIdle, 1);
}
