#pragma once
#include "Common/SceneIds.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Where a scene's handlers put its characters in a chapter, read from the
// built script tree: the waypoints they walk or place someone at and leave
// them standing, which of those stand at once, and the facings the playing
// character talks with.

// A waypoint a handler walks or places the actor at and leaves the actor
// at, as the handler ends or while a dialog runs (not one passed through
// on the way to the handler's next place for the actor).
struct Stand {
    uint32_t uActor = 0;
    int32_t iWaypoint = 0;
    std::string handler;
    // Placed by the scene's arrival, where the actor stands when the player
    // takes over.
    bool bArrival = false;
};

// The playing character talking to the actor that the handler's event names
// (looked at, talked to, given an item) while she stands at a waypoint
// turned to a waypoint's facing.
struct TalkFacing {
    int32_t iWaypoint = 0;
    int32_t iFacing = 0;
    uint32_t uPartner = 0;
    std::string handler;
};

struct SceneStands {
    std::vector<Stand> stands;
    // Stands (by index) of two actors at once: placed by one run of a
    // handler, or one a click walks the heroine to while the other stands
    // where the scene's arrival put him and the click's handler leaves him.
    std::vector<std::pair<size_t, size_t>> together;
    std::vector<TalkFacing> talks;
};

// The stands of the chapter's nodes and the facings uHeroine talks with;
// sureCallbacks holds, by dialog key, the callbacks each of the scene's
// dialogs sends on every run.
SceneStands StandsInChapter(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                            const SceneDesc& scene, uint32_t uHeroine,
                            const std::map<uint32_t, std::set<uint32_t>>& sureCallbacks);

// The stands of the actors that `hidden` does not name, and the pairs they
// make.
SceneStands WithoutHidden(const SceneStands& found, const std::function<bool(uint32_t)>& hidden);
