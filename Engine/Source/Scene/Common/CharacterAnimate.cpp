// The character's body and its animations by id: loading the figure,
// registering the actor's animations, playing one, and the settings each
// animation brings from the actor script table.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/SceneLog.h"
#include "Scripts/Common/ActorScript.h"

bool Character::LoadBody(const char* pPath)
{
    auto body = std::make_unique<CharacterBody>();
    if (!body->Load(pPath))
        return false;
    m_pBody = std::move(body);
    return true;
}

void Character::AddAnimation(int32_t iAnimationId, uint32_t uType)
{
    if (iAnimationId == ANIMATION_INVALID) {
        LogSceneWarning("Character(%.16s) - an animation without an id is left out\n", m_sName);
        return;
    }
    float period = 0.0f;
    const int32_t set = m_pBody ? m_pBody->FindSet(Id::GetActorAnimFileName(m_uActorId, iAnimationId), period) : -1;
    m_oAnimations.AddAnimation(iAnimationId, set, period, uType);
}

bool Character::SetCurrentAnimation(int32_t iAnimationId, bool bMoving, bool bLoop)
{
    const int32_t index = m_oAnimations.FindAnimation(iAnimationId);
    if (index < 0) {
        LogSceneWarning("Character(%.16s)::SetCurrentAnimation - Missing animation %s\n", m_sName,
                        Id::GetAnimationName(iAnimationId));
        return false;
    }
    m_oAnimations.SetCurrentAnimationFromIndex(index, bLoop, bMoving);
    TakeScriptInfo(iAnimationId);
    ApplyPendingTransform();
    return true;
}

void Character::StartLooping(int32_t iIndex)
{
    const int32_t before = m_oAnimations.GetCurrentIndex();
    m_oAnimations.SetCurrentAnimationFromIndex(iIndex, true, false);
    if (m_oAnimations.GetCurrentIndex() != before)
        TakeScriptInfo(m_oAnimations.GetEntry(iIndex).m_iId);
}

void Character::TakeScriptInfo(int32_t iAnimationId)
{
    ActorScriptInfo info {};
    GetActorScriptInfos(m_uActorId, iAnimationId, &info);
    m_iWalkSpeed = info.m_aMove[0];
    m_iRunSpeed = info.m_aMove[1];
    m_iRadius = info.m_aMove[2];
    m_iBoxHalfWidth = info.m_aMove[3];
    m_iBoxHeight = info.m_aMove[4];
    m_iBoxOffset = info.m_aMove[5];
}

bool Character::ChangeAnimationType(int32_t iAnimationId, uint32_t uType)
{
    if (!m_oAnimations.ChangeAnimationType(iAnimationId, uType))
        return false;
    if (uType == ANIMATION_TYPE_WALK) {
        ActorScriptInfo info {};
        GetActorScriptInfos(m_uActorId, iAnimationId, &info);
        m_iWalkSpeed = info.m_aMove[0];
        m_iRunSpeed = info.m_aMove[1];
    }
    return true;
}
