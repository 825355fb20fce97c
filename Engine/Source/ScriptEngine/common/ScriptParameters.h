#pragma once
#include <cstdint>

// Parameter type ids of event and action records; 0 marks an unused slot.
constexpr int32_t ID_PARAMETER_TYPE_NONE = 0;
constexpr int32_t ID_PARAMETER_TYPE_INT = 1;
// Only the low byte of the word is written, 1 or 0.
constexpr int32_t ID_PARAMETER_TYPE_BOOL = 2;
constexpr int32_t ID_PARAMETER_TYPE_UINT = 3;
// An entity index (0 and up) or an actor id (top bit set, not -1).
constexpr int32_t ID_PARAMETER_TYPE_SCRIPTABLE = 4;
// A waypoint of the scene: actions only, events refuse it.
constexpr int32_t ID_PARAMETER_TYPE_WAYPOINT = 5;
constexpr int32_t ID_PARAMETER_TYPE_HASH = 6;
constexpr int32_t ID_PARAMETER_TYPE_ITEM = 7;
constexpr int32_t ID_PARAMETER_TYPE_SOUND = 8;
constexpr int32_t ID_PARAMETER_TYPE_SCENE = 9;
constexpr int32_t NB_PARAMETER_TYPE_ID = 10;

// A scriptable id that names nothing: no target, not registered, no object.
constexpr int32_t ID_SCRIPTABLE_INVALID = -1;

// Actor ids are CRC-32 hashes with the top bit set, so as scriptable ids they
// are negative; entity ids are indices.
constexpr bool IsActorScriptableId(int32_t iId)
{
    return iId < 0 && iId != ID_SCRIPTABLE_INVALID;
}

// The character id a script parameter stands for: the actor id, or 0 when the
// value is not one.
constexpr uint32_t ToCharacterId(int32_t iId)
{
    return IsActorScriptableId(iId) ? static_cast<uint32_t>(iId) : 0u;
}
