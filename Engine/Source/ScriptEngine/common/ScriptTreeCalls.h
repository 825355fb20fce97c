#pragma once
#include "ScriptEngine/common/ScriptTreeBuilder.h"

#include <array>
#include <cstdint>

// The calls that scene scripts are written in. A handler reads top to bottom
// as its table row:
//
//     _IfEvent(lookAtChest);                              // when: look at the chest
//     _IfInt(VARINT_CURRENT_CHAPTER, Op_IntEqual, 2);     //   in chapter 2
//     PushAction5(heroine, 4, 1);                         //   walk to waypoint 4 and turn
//     AddToQueue(heroine, ID_ACTION_TYPE_START_DIALOG, Param::Int(12));
//     _EndMatch();
//     _EndMatch();
//
// The calls work while the script manager has installed a tree builder for
// this script; without one they add nothing. Actor ids are plain actor ids
// (the top bit is set here; 0 names nobody), entity ids are the scene's
// object indices.
class ScriptTreeCalls {
public:
    void SetTreeBuilder(ScriptTreeBuilder* pTreeBuilder) { m_pTreeBuilder = pTreeBuilder; }
    ScriptTreeBuilder* GetTreeBuilder() const { return m_pTreeBuilder; }

    // While set, the push operations below add no wait after their action, so
    // that a group of actions starts together.
    uint8_t m_bNoWait = 0;

protected:
    // Opens a condition, a handler (event pattern) or a scene filter (value).
    void _IfMatch(const MatchExpr& oExpr);
    void _IfEvent(const EventDesc& oPattern);
    // Bool variable == value.
    void _IfBool(int32_t iVarId, uint8_t value);
    // Int variable (operator) value, the value taken as a 16-bit signed number.
    void _IfInt(int32_t iVarId, int32_t iOp, int32_t iValue);
    // The following nodes form the open condition's else branch.
    void _ElseMatch();
    void _EndMatch();

    // Queues an action at a target (ID_SCRIPTABLE_INVALID: the script
    // manager runs it), with up to three Param:: values.
    template <typename... Parameters>
    void AddToQueue(int32_t iTargetId, int32_t iActionType, const Parameters&... parameters);

    // Shortcuts that queue one action at a scriptable id and never wait.
    // Turn to face an actor; the actor 0 is logged and adds nothing.
    void PushActorAction7(uint32_t uActorId, int32_t iTargetId, int32_t iValue);
    void PushAction58(int32_t iTargetId, int32_t iSoundId, int32_t iValue, uint32_t uValue);
    void PushAction21(int32_t iTargetId, int32_t iBlockerId, uint8_t bActive);
    void PushAction60(int32_t iTargetId, int32_t iMilliseconds, uint8_t bFadeIn);
    // Action 12; an animation outside 1..MAX_ANIMATION is logged and adds nothing.
    void PushPlayAnimation(int32_t iTargetId, int32_t iAnimationId, uint8_t bLoop, uint8_t bCommit);

    // Shortcuts on an actor (or, for 23, an entity), each followed by a wait
    // for it unless m_bNoWait is set.
    // Walk to a waypoint; with bTurn also turn to the waypoint's facing.
    void PushAction5(uint32_t uActorId, int32_t iWaypoint, uint8_t bTurn);
    // Action 11; an animation outside 1..MAX_ANIMATION adds only the wait.
    void PushAnimAction11(uint32_t uActorId, int32_t iAnimationId, uint8_t bLoop);
    void PushAnimAction(uint32_t uActorId, int32_t iAnimationId, uint8_t bLoop, uint8_t bCommit);
    // Action 13; an animation outside 1..MAX_ANIMATION is logged, the wait stays.
    void PushAnimAction13(uint32_t uActorId, int32_t iAnimationId, uint8_t bLoop);
    void PushAddAttachment(uint32_t uActorId, uint32_t iAttachementId, int32_t iboneId);
    void PushRemoveAttachment(uint32_t uActorId, uint32_t iAttachementId);
    void PushHashAction23(int32_t iEntityId, uint32_t uHash);

    // The steps that most handlers take, one action each. Targets are
    // scriptable ids (an entity's index, ActorScriptableId of an actor).
    // Sets a game variable: an integer takes the 16-bit value.
    void SetIntVar(int32_t iVarId, int32_t iValue);
    void SetBoolVar(int32_t iVarId, bool bValue);
    // Shows or hides an entity or a character.
    void ShowObject(int32_t iTargetId, bool bVisible);
    // Whether the player can point at an entity or a character.
    void SetInteractive(int32_t iTargetId, bool bInteractive);
    // The previous and current scene variables change at once, the scene
    // after the fade-out.
    void GoToScene(int32_t iSceneId);
    // The mini-game state follows the fade-out.
    void StartMiniGame(int32_t iMiniGameId);
    // The character the player leads from now on (an actor id).
    void SetPlayingCharacter(uint32_t uActorId);
    // The walk halts until the scriptable is idle, also inside a group that
    // starts together.
    void WaitUntilIdle(int32_t iScriptableId);
    // The walk halts until every action that it fired is done.
    void WaitForAll();

private:
    // Whether a builder is installed; reported when not.
    bool CanBuild() const;
    void QueueAction(int32_t iTargetId, int32_t iActionType, std::span<const ActionParameter> parameters);
    // The wait-for that halts the walk until the scriptable is idle.
    void WaitFor(int32_t iScriptableId);

    ScriptTreeBuilder* m_pTreeBuilder = nullptr;
};

template <typename... Parameters>
void ScriptTreeCalls::AddToQueue(int32_t iTargetId, int32_t iActionType, const Parameters&... parameters)
{
    static_assert(sizeof...(Parameters) <= ACTION_PARAMETERS_MAX, "an action carries at most three parameters");
    const std::array<ActionParameter, sizeof...(Parameters)> list {parameters...};
    QueueAction(iTargetId, iActionType, list);
}
