#pragma once
#include <cstdint>
#include <span>

using AnimationId = int32_t;
constexpr int MAX_ANIMATION = 1227;
// No animation: no row carries it.
constexpr AnimationId ANIMATION_INVALID = 0;

struct AnimationRow {
    AnimationId m_iId;
    const char* m_pActorName;
    const char* m_pName;
};

namespace Id {

// The named animations, grouped by actor in actor-table order and sorted by
// name within each actor.
std::span<const AnimationRow> GetAnimationTable();
// The rows of one actor's animations (sorted by name); empty when unknown.
std::span<const AnimationRow> GetActorAnimations(uint32_t iActorId);
// The animation's name, "" for an id without a name.
const char* GetAnimationName(int iId);
// The id of the actor's animation of that name; a name the actor lacks is
// reported and gives ANIMATION_INVALID.
AnimationId GetAnimationId(uint32_t iActorId, const char* pName);
// A copy of the animation's name, null when the actor or the animation has none.
const char* GetActorAnimFileName(uint32_t iActorId, int iAnimationId);

} // namespace Id
