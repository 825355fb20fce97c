#pragma once
#include "Engine/Scripts/Common/SceneStands.h"
#include "ScriptEngine/common/EventDesc.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <vector>

// How the actions of a built scene script follow one another when its
// handlers run: which run after which, and when a person the script put
// somewhere has left the place.

bool IsArrival(const EventDesc* pEvent);

// Whether the node is in its parent's first chain (a condition that holds)
// rather than its else chain.
bool InFirstChain(const ScriptNodePool& pool, ScriptNodeIndex iNode);

// Whether the action at iLater runs after the one at iEarlier whenever that
// one runs: later in its block, or in a block nested there on the same side
// of its if / else.
bool FollowsInItsBlock(const ScriptNodePool& pool, ScriptNodeIndex iEarlier, ScriptNodeIndex iLater);

// A stand before it is known to be left there.
struct PlacedAt {
    Stand stand;
    ScriptNodeIndex iNode = NO_NODE;
    const EventDesc* pEvent = nullptr;
};

// Where a handler walks, places, hides or shows people.
struct Comings {
    std::vector<PlacedAt> places;
    std::vector<PlacedAt> hides;
    std::vector<PlacedAt> shows;
};

// Whether the actor has left the place before the other's place in the same
// run: a later place of his comes between them and follows the place in its
// block or leads to the other's in the other's, or follows the other's
// place through places alone, or a hide does that comes right in the
// place's block.
bool LeftBefore(const ScriptNodePool& pool, const PlacedAt& at, ScriptNodeIndex iOther, const Comings& comings);

// Whether the arrival, further on in the very block of the place, moves the
// actor or hides him for good, itself or by a callback that a dialog it
// starts there sends on every run (sureCallbacks, by dialog key): he is gone
// before the player can click anything.
bool GoneBeforeClicks(const ScriptNodePool& pool, std::span<const ScriptNodeIndex> dialogs, const PlacedAt& at,
                      const Comings& comings, const std::map<uint32_t, std::set<uint32_t>>& sureCallbacks);
