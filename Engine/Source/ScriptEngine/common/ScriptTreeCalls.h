#pragma once
#include "Common/NamedIds.h"
#include "ScriptEngine/common/ScriptTreeBuilder.h"

#include <array>
#include <cstdint>
#include <type_traits>

// The bones that hold what a character carries.
constexpr int32_t BONE_LEFT_HAND = 2;
constexpr int32_t BONE_RIGHT_HAND = 3;
// The value that a turn toward another actor takes, unless a scene says 0.
constexpr int32_t TURN_TOWARD_VALUE = 24576;
// A character's sounds play at full volume.
constexpr uint32_t SOUND_FULL_VOLUME = 4096;

// How high a character reaches for what it picks up: its two pick-up
// animations are "g_pickobjectlow01" and "...02", and so on.
enum class Reach {
    Low,
    Middle,
    MiddleLow,
    High
};

// The calls that scene scripts are written in. A handler reads top to bottom
// as its table row:
//
//     _IfEvent(ScriptEvent_Object1(Object("toys_chest")));  // when: look at the chest
//     _IfMatch(InChapter(2));                               //   in chapter 2
//     GoTo(HEROINE, 4);                                     //   walk to waypoint 4 and turn
//     Dialog(0x2364F97B);                                   //   talk, on logic_dialog
//     _EndMatch();
//     _EndMatch();
//
// The calls work while the script manager has installed a tree builder for
// this script; without one they add nothing. Actor ids are plain actor ids
// (the top bit is set here; 0 names nobody), entity ids are the scene's
// object indices. Characters (ActorNamed<"name">) stand for either, and name
// their animations.
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
    // Both at once: shown and pointed at, or hidden and passed over.
    void ShowAndActivate(int32_t iTargetId, bool bOn);
    // The player now plays the character.
    void SelectCharacter(uint32_t uActorId);
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

    // The steps of a scene's table, one call each. Those on a character wait
    // for it after their action unless m_bNoWait is set.
    // Walk to the waypoint and turn to its facing; WalkTo does not turn.
    void GoTo(uint32_t uActorId, int32_t iWaypoint) { PushAction5(uActorId, iWaypoint, 1); }
    void WalkTo(uint32_t uActorId, int32_t iWaypoint) { PushAction5(uActorId, iWaypoint, 0); }
    // Turn where the character stands to the waypoint's facing.
    void TurnAsWaypoint(uint32_t uActorId, int32_t iWaypoint);
    // A dialog of the scene's group, run by logic_dialog; the walk goes on
    // once the dialog has ended.
    void Dialog(uint32_t uDialogId);
    // A whole handler, the commonest of the tables: when the event comes, the
    // character walks to the waypoint, turns, and the dialog runs.
    void WalkAndTalk(const EventDesc& oEvent, uint32_t uActorId, int32_t iWaypoint, uint32_t uDialogId);
    void WalkAndTalk(const MatchExpr& oPattern, uint32_t uActorId, int32_t iWaypoint, uint32_t uDialogId);
    // The same for a talk to someone who does not always stand where the
    // waypoint's facing looks: the character turns to him instead.
    void WalkAndTalkTo(const EventDesc& oEvent, uint32_t uActorId, int32_t iWaypoint, uint32_t uPartnerId,
                       uint32_t uDialogId);
    // The two handlers of a thing in the scene: whether the player looks at
    // the entity or uses it, the character walks to the waypoint, turns, and
    // the look's or the use's dialog runs.
    void LookAndActivate(int32_t iEntityId, uint32_t uActorId, int32_t iWaypoint, uint32_t uLookDialogId,
                         uint32_t uActivateDialogId);
    // The character's animation; a name that ends in "_l" loops.
    template <FixedName ACTOR>
    void Play(ActorNamed<ACTOR> actor, std::type_identity_t<AnimationOf<ACTOR>> animation)
    {
        PushAnimAction11(actor, animation.m_iId, animation.m_bLoop ? 1 : 0);
    }
    // A whole handler, the dialogs' commonest: when the event comes (mostly a
    // dialog's callback), the character makes the gesture and then, if one is
    // named, goes on to the next animation, mostly its talk or idle loop.
    template <FixedName ACTOR>
    void PlayGesture(const EventDesc& oEvent, ActorNamed<ACTOR> actor, std::type_identity_t<AnimationOf<ACTOR>> gesture)
    {
        _IfEvent(oEvent);
        Play(actor, gesture);
        _EndMatch();
    }
    template <FixedName ACTOR>
    void PlayGesture(const EventDesc& oEvent, ActorNamed<ACTOR> actor, std::type_identity_t<AnimationOf<ACTOR>> gesture,
                     std::type_identity_t<AnimationOf<ACTOR>> then)
    {
        _IfEvent(oEvent);
        Play(actor, gesture);
        Play(actor, then);
        _EndMatch();
    }
    // The push operations of the other two play actions, by animation name.
    template <FixedName ACTOR>
    void PushAnimAction(ActorNamed<ACTOR> actor, std::type_identity_t<AnimationOf<ACTOR>> animation, uint8_t bLoop,
                        uint8_t bCommit)
    {
        PushAnimAction(static_cast<uint32_t>(actor), animation.m_iId, bLoop, bCommit);
    }
    template <FixedName ACTOR>
    void PushAnimAction13(ActorNamed<ACTOR> actor, std::type_identity_t<AnimationOf<ACTOR>> animation, uint8_t bLoop)
    {
        PushAnimAction13(static_cast<uint32_t>(actor), animation.m_iId, bLoop);
    }
    // One of the item, given to or taken from the character.
    void Give(uint32_t uActorId, uint32_t uItemId);
    void Take(uint32_t uActorId, uint32_t uItemId);
    // The character's sound after the delay, at full volume.
    void Sound(uint32_t uActorId, uint32_t uSoundId, int32_t iDelayMs);
    // A sound effect that nobody in the scene makes.
    void EffectSound(uint32_t uSoundId);
    // The scene's music, looped.
    void PlayMusic(uint32_t uSoundId);
    // The scene's ambience, looped.
    void PlayAmbience(uint32_t uSoundId);
    // The direction the scene's sounds come from.
    void SetSceneDirection(int32_t iDirection);
    // The screen fades out over the time.
    void FadeOut(int32_t iMilliseconds);
    // The scriptable stays busy for the time (within a group: starts later).
    void Wait(int32_t iTargetId, int32_t iMilliseconds);
    // Put at the waypoint, facing its way.
    void Place(int32_t iTargetId, int32_t iWaypoint);
    // The in-game menu opens on the island's map, where the character stands
    // at the way out with the way's blocker lifted. Closing the map without
    // travelling tells the script nothing, so she is put back at once, behind
    // the map, a step in from the way out, and the blocker closes again.
    void OpenIslandMap(int32_t iCharacterId, int32_t iStepInWaypoint, int32_t iWayOutBlocker);
    // Whether the character only walks, never runs.
    void WalkOnly(int32_t iTargetId, bool bWalkOnly);
    // The turner turns toward the actor.
    void TurnToward(int32_t iTurnerId, uint32_t uActorId, int32_t iValue = TURN_TOWARD_VALUE);
    // The actions after Together start in one step, without waits between
    // them, until Apart.
    void Together() { m_bNoWait = 1; }
    void Apart() { m_bNoWait = 0; }
    // An action that nobody runs; some scenes queue it with a marker value.
    void NoEffect(int32_t iValue);
    // The character bends, is given the item and the picture is hidden (or
    // the picture first; ID_SCRIPTABLE_INVALID: none), stands up again and
    // goes back to its idle loop "g_idle_l".
    template <Reach REACH, FixedName ACTOR>
    void PickUp(ActorNamed<ACTOR> actor, int32_t iPicture, uint32_t uItemId, bool bItemFirst = true)
    {
        constexpr const char* NAMES[][2] = {
            {"g_pickobjectlow01", "g_pickobjectlow02"},
            {"g_pickobjectmiddle01", "g_pickobjectmiddle02"},
            {"g_pickobjectmiddlelow01", "g_pickobjectmiddlelow02"},
            {"g_pickobjecthigh01", "g_pickobjecthigh02"},
        };
        constexpr AnimationOf<ACTOR> BEND = NAMES[static_cast<int>(REACH)][0];
        constexpr AnimationOf<ACTOR> RISE = NAMES[static_cast<int>(REACH)][1];
        constexpr AnimationOf<ACTOR> IDLE = "g_idle_l";
        PickUpSteps(actor, {BEND.m_iId, RISE.m_iId, IDLE.m_iId}, iPicture, uItemId, bItemFirst);
    }

private:
    struct PickUpAnimations {
        int32_t iBend;
        int32_t iRise;
        int32_t iIdle;
    };
    void PickUpSteps(uint32_t uActorId, const PickUpAnimations& oAnimations, int32_t iPicture, uint32_t uItemId,
                     bool bItemFirst);

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
