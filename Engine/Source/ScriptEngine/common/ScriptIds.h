#pragma once
#include "ScriptEngine/common/ScriptParameters.h"

#include <cstdint>

// Scripts name entities by their index and actors by their actor id. These
// turn either into the scriptable id that events and actions carry.

// An entity: the top bit cleared, ID_SCRIPTABLE_INVALID kept.
constexpr int32_t EntityScriptableId(int32_t iEntityId)
{
    return iEntityId == ID_SCRIPTABLE_INVALID ? ID_SCRIPTABLE_INVALID : (iEntityId & 0x7FFFFFFF);
}

// An actor: the top bit set, the invalid actor 0 gives ID_SCRIPTABLE_INVALID.
constexpr int32_t ActorScriptableId(uint32_t uActorId)
{
    return uActorId == 0 ? ID_SCRIPTABLE_INVALID : static_cast<int32_t>(uActorId | 0x80000000u);
}
