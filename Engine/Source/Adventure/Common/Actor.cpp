#include "Adventure/Common/Actor.h"

#include "Adventure/Common/ActorServices.h"
#include "Adventure/Common/ScriptableServices.h"
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Error/EngineAssert.h"
#include "Maths/CoreFxVec.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/SceneLog.h"

#include <cmath>

namespace {

constexpr fx32 PI = 12868;
// How far in front of another actor a walk to it ends.
constexpr fx32 MEETING_DISTANCE = 50 * FX32_ONE;
// The assert's text names the condition as reports show it.
constexpr bool FALSE = false;

bool IsCharacterAction(int32_t type)
{
    return (type >= ID_ACTION_TYPE_WALK_TO_ACTOR && type <= ID_ACTION_TYPE_ANIMATION_HOLD) ||
           type == ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE || type == ID_ACTION_TYPE_SET_CAST_SHADOW ||
           type == ID_ACTION_TYPE_SET_VISIBLE || type == ID_ACTION_TYPE_SET_WALK_PAUSED ||
           type == ID_ACTION_TYPE_SET_PICKING_BOX || type == ID_ACTION_TYPE_ADD_ATTACHMENT ||
           type == ID_ACTION_TYPE_REMOVE_ATTACHMENT;
}

uint8_t LowByte(int32_t value)
{
    return static_cast<uint8_t>(value);
}

} // namespace

Actor::Actor(uint32_t uActorId) : m_iActorId(uActorId)
{
}

void Actor::Update(uint32_t dt)
{
    if (m_oBufferedAction.m_iActionType != ID_ACTION_TYPE_NONE) {
        if (m_uBufferedDelay <= dt) {
            const ActionDesc held = m_oBufferedAction;
            m_oBufferedAction = ActionDesc::MakeEmpty();
            m_uBufferedDelay = 0;
            InstantAction(held);
        } else {
            m_uBufferedDelay -= dt;
        }
    }
    Scriptable::Update(dt);
}

void Actor::InstantAction(const ActionDesc& oAction)
{
    if (oAction.m_iActionType != ID_ACTION_TYPE_PLAY_ACTOR_SOUND) {
        ENGINE_ASSERT_MSG(FALSE, "only sound actions can be buffered");
        return;
    }
    PlaySound(oAction.m_oParameter[0], oAction.m_oParameter[2]);
}

void Actor::PlaySound(int32_t iSoundId, fx32 volume) const
{
    // The logic actors find themselves without a character: no sound.
    const Actor* self =
        dynamic_cast<const Actor*>(GetScriptableServices().FindScriptable(static_cast<int32_t>(m_iActorId)));
    const Character* character = self ? self->m_pCharacter : nullptr;
    if (character && character->GetSoundActorIndex() >= 0)
        GetActorServices().PlayActorEffect(character->GetSoundActorIndex(), iSoundId, volume);
}

void Actor::StartSoundAction(const int32_t* pValues)
{
    const uint32_t delay = static_cast<uint32_t>(pValues[1]);
    if (delay == 0) {
        PlaySound(pValues[0], pValues[2]);
        return;
    }
    // A later sound replaces one still held back.
    m_oBufferedAction = {ID_ACTION_TYPE_PLAY_ACTOR_SOUND,
                         GetId(),
                         {ID_PARAMETER_TYPE_SOUND, ID_PARAMETER_TYPE_NONE, ID_PARAMETER_TYPE_UINT},
                         {pValues[0], 0, pValues[2]}};
    m_uBufferedDelay = delay;
}

void Actor::StartDialogAction(int32_t iType, uint32_t uKey)
{
    if (GetActorServices().StartDialog(iType, uKey))
        m_bDone = 0;
    else
        FinishAction();
}

const char* Actor::GetName() const
{
    return Id::GetActorName(m_iActorId);
}

int Actor::GetEventTypes(TwEventType* pTypes, int iMax) const
{
    if (iMax > 0)
        pTypes[0] = static_cast<TwEventType>(1);
    if (iMax > 1)
        pTypes[1] = static_cast<TwEventType>(2);
    return 2;
}

void Actor::CancelMove()
{
    const int32_t type = m_oCurrentAction.m_iActionType;
    if (m_pCharacter && (type == ID_ACTION_TYPE_WALK_TO_ACTOR || type == ID_ACTION_TYPE_WALK_TO_WAYPOINT))
        m_pCharacter->StopMoving();
}

const Locator* Actor::FindWaypoint(int32_t iIndex) const
{
    const CharacterSurroundings* surroundings = m_pCharacter->GetSurroundings();
    if (!surroundings || iIndex < 0 || iIndex >= surroundings->m_iNumLocators)
        return nullptr;
    return &surroundings->m_pLocators[iIndex];
}

const Actor* Actor::FindOtherActor(int32_t iScriptableId) const
{
    const int32_t id = iScriptableId < 0 && iScriptableId != -1 ? iScriptableId : 0;
    if (id == 0)
        return nullptr;
    const Actor* other = dynamic_cast<const Actor*>(GetScriptableServices().FindScriptable(id));
    return other && other->m_pCharacter ? other : nullptr;
}

void Actor::WaitForMovement()
{
    if (m_pCharacter->m_bWalking || m_pCharacter->m_bTurning)
        m_bDone = 0;
    else
        FinishAction();
}

bool Actor::StartAnimationAction(int32_t iAnimationId, bool bLoop, bool bMoving)
{
    // An unknown name gives no id: the walk goes on and nothing else changes.
    if (iAnimationId == ANIMATION_INVALID) {
        LogSceneWarning("Actor(%s) - no animation to play\n", GetName() ? GetName() : "???");
        FinishAction();
        return false;
    }
    m_pCharacter->StopMoving();
    // An animation the character lacks is only reported: waiting for it
    // would hold the script forever.
    if (!m_pCharacter->SetCurrentAnimation(iAnimationId, bMoving, bLoop)) {
        FinishAction();
        return false;
    }
    CharacterAnimations& animations = m_pCharacter->GetAnimations();
    if (bLoop) {
        // A loop the actor started plays on until a walk or a turn ends it;
        // one the mesh cannot play leaves the idle to come back.
        const int32_t current = animations.GetCurrentIndex();
        const int32_t currentId = current < 0 ? 0 : animations.GetEntry(current).m_iId;
        animations.m_bKeep = currentId == iAnimationId;
        FinishAction();
        return true;
    }
    animations.m_bKeep = 1;
    m_bDone = 0;
    return true;
}

void Actor::StartAction()
{
    const int32_t type = m_oCurrentAction.m_iActionType;
    const int32_t* values = m_oCurrentAction.m_oParameter;
    switch (type) {
    case ID_ACTION_TYPE_ADD_ITEM:
        GetActorServices().AddItem(static_cast<uint32_t>(values[0]), values[1]);
        FinishAction();
        return;
    case ID_ACTION_TYPE_REMOVE_ITEM:
        GetActorServices().RemoveItem(static_cast<uint32_t>(values[0]), values[1]);
        FinishAction();
        return;
    case ID_ACTION_TYPE_START_DIALOG:
    case ID_ACTION_TYPE_START_COMMON_DIALOG: StartDialogAction(type, static_cast<uint32_t>(values[0])); return;
    case ID_ACTION_TYPE_PLAY_ACTOR_SOUND:
        StartSoundAction(values);
        FinishAction();
        return;
    default: break;
    }
    if (!IsCharacterAction(type)) {
        Scriptable::StartAction();
        return;
    }
    if (!m_pCharacter) {
        LogSceneWarning("Actor(%s) has no character: action %d refused\n", GetName() ? GetName() : "???", type);
        FinishAction();
        return;
    }
    if (!StartCharacterAction(m_oCurrentAction.m_oParameter))
        FinishAction();
}

bool Actor::StartCharacterAction(const int32_t* pValues)
{
    Character& character = *m_pCharacter;
    switch (m_oCurrentAction.m_iActionType) {
    case ID_ACTION_TYPE_WALK_TO_ACTOR: {
        const Actor* otherActor = FindOtherActor(pValues[0]);
        if (!otherActor)
            return false;
        const Character* other = otherActor->m_pCharacter;
        CoreFxVec target {};
        CoreFxVec::MultAdd(MEETING_DISTANCE, {other->m_iFacingX, other->m_iFacingY, 0}, other->GetFeetPosition(),
                           target);
        character.m_bCollision = 0;
        character.MoveToWithPath(target, 0, nullptr);
        WaitForMovement();
        return true;
    }
    case ID_ACTION_TYPE_WALK_TO_WAYPOINT: {
        const Locator* waypoint = FindWaypoint(pValues[0]);
        if (!waypoint)
            return false;
        CoreFxVec through[2];
        int32_t count = 0;
        for (int32_t i = 1; i <= 2; ++i)
            if (const Locator* point = FindWaypoint(pValues[i]))
                through[count++] = point->m_vPosition;
        character.MoveToWithPath(waypoint->m_vPosition, count, through);
        WaitForMovement();
        return true;
    }
    case ID_ACTION_TYPE_TURN_TO_WAYPOINT: {
        const Locator* waypoint = FindWaypoint(pValues[0]);
        if (!waypoint)
            return false;
        character.TurnToAngle(waypoint->m_fOrientation);
        m_bDone = 0;
        return true;
    }
    case ID_ACTION_TYPE_TURN_TO_ACTOR: return DoRotateToActor(pValues[0], pValues[1]);
    case ID_ACTION_TYPE_TURN_TO_ANGLE: {
        const fx32 turns = CoreFx::RoundHalfAwayFromZero(static_cast<float>(pValues[0] / 180.0 * FX32_ONE));
        character.SetDirection(CoreFx::Mul(turns, PI));
        m_bDone = 0;
        return true;
    }
    case ID_ACTION_TYPE_PLACE_AT_WAYPOINT: {
        const Locator* waypoint = FindWaypoint(pValues[0]);
        if (waypoint) {
            character.SetPosition(waypoint->m_vPosition);
            if (LowByte(pValues[1]))
                character.SetDirection(waypoint->m_fOrientation);
        }
        return false;
    }
    case ID_ACTION_TYPE_SET_WALK_ONLY: character.m_bForceWalk = LowByte(pValues[0]); return false;
    case ID_ACTION_TYPE_ANIMATION: StartAnimationAction(pValues[0], LowByte(pValues[1]), false); return true;
    case ID_ACTION_TYPE_PLAY_ANIMATION:
        if (!StartAnimationAction(pValues[0], LowByte(pValues[1]), true))
            return true;
        character.GetAnimations().m_bKeep = 1;
        character.m_bCommitAtEnd = !LowByte(pValues[1]) && LowByte(pValues[2]);
        // A moving animation whose end is committed also hands over the way
        // it turned the figure.
        character.m_bHeading = character.m_bCommitAtEnd;
        return true;
    case ID_ACTION_TYPE_ANIMATION_HOLD:
        HoldUntilCycleEnds(pValues[0]);
        if (!StartAnimationAction(pValues[0], LowByte(pValues[1]), false))
            return true;
        character.GetAnimations().m_bKeep = 1;
        character.m_bCommitAtEnd = 0;
        return true;
    case ID_ACTION_TYPE_CHANGE_ANIMATION_TYPE:
        character.ChangeAnimationType(pValues[0], static_cast<uint32_t>(pValues[1]));
        return false;
    case ID_ACTION_TYPE_SET_CAST_SHADOW: character.m_bShadow = LowByte(pValues[0]); return false;
    case ID_ACTION_TYPE_SET_VISIBLE:
        SetVisible(LowByte(pValues[0]));
        character.m_bShown = LowByte(pValues[0]);
        return false;
    case ID_ACTION_TYPE_SET_WALK_PAUSED: character.m_bHeld = LowByte(pValues[0]); return false;
    case ID_ACTION_TYPE_SET_PICKING_BOX:
        character.m_iBoxHeight = pValues[0] * FX32_ONE;
        character.m_iBoxHalfWidth = pValues[1] * FX32_ONE;
        character.m_iBoxOffset = pValues[2] * FX32_ONE;
        return false;
    case ID_ACTION_TYPE_ADD_ATTACHMENT:
        character.AddAttachment(pValues[1], static_cast<uint32_t>(pValues[0]));
        return false;
    case ID_ACTION_TYPE_REMOVE_ATTACHMENT: character.RemoveAttachment(static_cast<uint32_t>(pValues[0])); return false;
    default: return false;
    }
}

void Actor::HoldUntilCycleEnds(int32_t iAnimationId)
{
    // Only a switch that will happen may wait: a flag left set would hold
    // back the next walk or idle instead.
    CharacterAnimations& animations = m_pCharacter->GetAnimations();
    const int32_t index = animations.FindAnimation(iAnimationId);
    const int32_t current = animations.GetCurrentIndex();
    if (index >= 0 && current >= 0 && index != current)
        animations.m_bWaitFirst = 1;
}

bool Actor::DoRotateToActor(int32_t iScriptableId, fx32 angularSpeed)
{
    const Actor* other = FindOtherActor(iScriptableId);
    if (!other)
        return false;
    const uint32_t iActor = other->m_iActorId;
    ENGINE_ASSERT(m_iActorId != iActor);
    // Toward itself there is no direction to face.
    if (m_iActorId == iActor)
        return false;
    // Where the figures are seen, which a moving animation takes off their
    // logical positions.
    const CoreFxVec from = m_pCharacter->GetFeetPosition();
    const CoreFxVec to = other->m_pCharacter->GetFeetPosition();
    const CoreFxVec toward {to.x - from.x, to.y - from.y, 0};
    CoreFxVec direction {};
    if (toward.x != 0 || toward.y != 0)
        CoreFxVec::Normalize(toward, direction);
    m_pCharacter->RotateTo(direction, angularSpeed);
    m_bDone = 0;
    return true;
}

void Actor::UpdateAction(uint32_t dt)
{
    const int32_t type = m_oCurrentAction.m_iActionType;
    if (type == ID_ACTION_TYPE_START_DIALOG || type == ID_ACTION_TYPE_START_COMMON_DIALOG) {
        ActorServices& services = GetActorServices();
        if (!services.IsDialogActive()) {
            services.EndDialog(type);
            FinishAction();
        }
        return;
    }
    if (!m_pCharacter || type < ID_ACTION_TYPE_WALK_TO_ACTOR || type > ID_ACTION_TYPE_ANIMATION_HOLD) {
        Scriptable::UpdateAction(dt);
        return;
    }
    Character& character = *m_pCharacter;
    switch (type) {
    case ID_ACTION_TYPE_WALK_TO_ACTOR:
    case ID_ACTION_TYPE_WALK_TO_WAYPOINT:
    case ID_ACTION_TYPE_TURN_TO_ANGLE:
        if (!character.m_bWalking && !character.m_bTurning) {
            character.m_bCollision = 1;
            FinishAction();
        }
        break;
    case ID_ACTION_TYPE_TURN_TO_WAYPOINT:
    case ID_ACTION_TYPE_TURN_TO_ACTOR:
        if (!character.m_bWalking && !character.m_bTurning) {
            character.GetAnimations().m_bKeep = 0;
            character.m_bCollision = 1;
            FinishAction();
        }
        break;
    case ID_ACTION_TYPE_ANIMATION:
    case ID_ACTION_TYPE_PLAY_ANIMATION:
    case ID_ACTION_TYPE_ANIMATION_HOLD:
        if (character.IsAnimationDone()) {
            if (character.m_bCommitAtEnd) {
                character.CommitPosition();
                character.m_bCommitAtEnd = 0;
            }
            FinishAction();
        }
        break;
    default: Scriptable::UpdateAction(dt); break;
    }
}
