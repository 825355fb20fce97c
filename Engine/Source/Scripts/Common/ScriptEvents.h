#pragma once
#include "ScriptEngine/common/EventDesc.h"

#include <cstdint>

// The event patterns that every scene script's handlers open with
// _IfEvent. Entities are named by their index in the scene's object list and
// keep the top bit cleared (-1, no scriptable, stays -1); actors are named
// by their actor id and carry the top bit (the actor 0 gives -1). Activate
// and Touch patterns come from MatchExpr::MakeEvent0 and MakeEvent4, Combine
// from MatchExpr::MakeEvent6, and the patterns without parameters
// (BadInteract, System) straight from BuildEvent.

// "Look" at an entity.
EventDesc ScriptEvent_Object1(int32_t iEntityId);
// "Look" at an actor.
EventDesc ScriptEvent_FlaggedId1(uint32_t uActorId);
// "Talk" to an actor.
EventDesc ScriptEvent_FlaggedId2(uint32_t uActorId);
// "UseItem": the item on an entity.
EventDesc ScriptEvent_ItemOnObject3(int32_t iEntityId, uint32_t uItemId);
// "UseItem": the item on an actor (a companion item on a character).
EventDesc ScriptEvent_ItemOnFlaggedId3(uint32_t uActorId, uint32_t uItemId);
// "Dialog_CB": the callback number that a dialog node sends.
EventDesc ScriptEvent_Hash9(int32_t iValue);
// The same for a callback written as the 32-bit value it is.
EventDesc OnCallback(uint32_t uCallback);
