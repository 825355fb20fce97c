#pragma once
#include "Common/SceneIds.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

// What a scene script's built handlers may name, read from the game's data:
// the scene's row, its dialog groups and, when the scene has content, its
// number of waypoints.
struct SceneFacts {
    const SceneDesc* scene = nullptr;
    // The keys of the scene's dialog group; none when the scene has no
    // dialog source.
    std::optional<std::set<uint32_t>> dialogKeys;
    std::set<uint32_t> commonDialogKeys;
    // The waypoints of the scene's content, and the sprite ids of each of its
    // entities (the sprite animations a script may play on it); none without
    // content.
    std::optional<int32_t> waypoints;
    std::optional<std::vector<std::set<int32_t>>> entitySprites;
    // The names of the content's entities, in order: the object a script
    // names by its index in the row must be the entity of that name.
    std::optional<std::vector<std::string>> entityNames;
    // Whether the objects' names tell pictures ("i_", "o_", "fade_", "m_", "fx_") from
    // hotspots, as in the story's scenes; the front end's buttons are both.
    bool picturesByName = true;
};

// The keys of a compiled dialogs file, none when it cannot be read.
std::optional<std::set<uint32_t>> ReadDialogKeys(const std::string& path);

// The faults of the nodes under iRoot (a scene script's own tree), one line
// each naming the scene, the handler and the thing at fault: an object,
// actor, animation, dialog, sound, waypoint or scene that does not exist or
// does not belong where it is used; with picturesByName, show, hide, fade or
// sprite animation on an object that is not a picture, and activation of one
// that is not a hotspot.
std::vector<std::string> AuditScriptTree(const ScriptNodePool& pool, ScriptNodeIndex iRoot, const SceneFacts& facts);

// Whether a handler of the scene answers the actor although none of the
// scene's actor sets holds it: such a handler never fires, and stays as the
// scene has it.
bool IsAnsweredButAbsent(const SceneDesc& scene, int32_t iId);

// The event of the handler that iNode belongs to, or null.
const EventDesc* EventOf(const ScriptNodePool& pool, ScriptNodeIndex iRoot, ScriptNodeIndex iNode);
// The handler that iNode belongs to, for messages.
std::string HandlerOf(const ScriptNodePool& pool, ScriptNodeIndex iRoot, ScriptNodeIndex iNode, const SceneDesc& scene);

// The lines, each ended by a new line: how the tests show a list of faults.
std::string JoinedLines(const std::vector<std::string>& lines);
