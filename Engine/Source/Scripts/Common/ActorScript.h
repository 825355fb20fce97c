#pragma once
#include "Maths/Fx32.h"
#include "ScriptEngine/common/MatchExpression.h"

#include <cstdint>
#include <span>

// The per-actor settings that the scene and the characters read.
struct ActorScriptInfo {
    uint32_t m_uNameTextId;
    fx32 m_aMove[6];
    uint8_t m_bTalk;
};

// Text shown as an actor's name while the actor's name condition fails.
constexpr uint32_t ACTOR_NAME_TEXT_UNKNOWN = 0xdc7b523eu;

namespace ActorScript {

struct ActorRow {
    uint32_t m_uActorId;
    uint32_t m_uNameTextId;
    fx32 m_iMove1;
    fx32 m_iMove2;
    fx32 m_iMove3;
    uint32_t m_uTalk;
    MatchExpr m_oNameCondition;
};

struct AnimationRow {
    int32_t m_iAnimationId;
    fx32 m_iMove1;
    fx32 m_iMove4;
    fx32 m_iMove5;
    fx32 m_iMove6;
    fx32 m_iMove3;
};

std::span<const ActorRow> GetActorRows();
std::span<const AnimationRow> GetAnimationRows();
const ActorRow* FindInfo(uint32_t uActorId);
const AnimationRow* FindInfoB(int32_t iAnimationId);
// Sorts both tables by key (signed), once at start-up.
void SortInfos();

} // namespace ActorScript

// Fills out with the defaults, the actor's row and the animation's row
// (animation 0: none).
void GetActorScriptInfos(uint32_t uActorId, int32_t iAnimationId, ActorScriptInfo* pActorInfos);
