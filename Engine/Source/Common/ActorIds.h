#pragma once
#include <cstdint>
#include <span>

using ActorId = uint32_t;
constexpr ActorId ACTOR_INVALID = 0;

struct ActorIdRow {
    ActorId m_uId;
    const char* m_pName;
};

namespace Id {

// The actor table, sorted by id (unsigned).
std::span<const ActorIdRow> GetActorTable();
// Index of the actor in the table, -1 when unknown; the id 0 gives 0.
int GetActorIndex(uint32_t iId);
const char* GetActorName(uint32_t iActorId);
// CRC-32 of the name with the top bit set; reports names not in the table.
ActorId GetActorId(const char* pName);
// "scenes/" + (scene name + "/" + actor set name + "/" when a scene with an
// actor set is loaded) + actor name + ".dr"; null for an unknown actor.
const char* GetActorPath(uint32_t iActorId, const char* pSceneName, const char* pActorSetName);

} // namespace Id
