#pragma once
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <vector>

class Scene;

// Which of a scene's people and hotspots a chapter keeps out of the player's
// sight or reach: off as the scene's arrival leaves them, turned off there
// whatever the story's other variables hold (or by the content), and turned
// on by no handler of the chapter.
// What is not known to stay off counts as on.

// How the arrival left a scriptable.
struct ArrivalLook {
    bool bShown = true;
    bool bClickable = true;
};

// Scriptable id -> how the entered scene shows its entities and characters.
using ArrivalLooks = std::map<int32_t, ArrivalLook>;

ArrivalLooks LooksOf(const Scene& scene);

// Whether the action turns the switch (ID_ACTION_TYPE_SET_VISIBLE or
// ID_ACTION_TYPE_SET_ACTIVE) on for its target: shows it (so do a fading in
// of an entity's pictures and a blink) or makes it clickable.
bool TurnsOn(const ActionDesc& action, int32_t iSwitch);

// Whether the scriptable stays hidden all the chapter long.
bool StaysHidden(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                 int32_t iChapter, const ArrivalLooks& looks, int32_t iId);

// The chapter's nodes less those of handlers answering a click on a
// scriptable that stays hidden or unclickable all the chapter long.
std::vector<ScriptNodeIndex> NodesWithinReach(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                              std::span<const ScriptNodeIndex> nodes, int32_t iChapter,
                                              const ArrivalLooks& looks);

// The nodes less those of handlers answering a click on an actor whom none
// of the chapter's casts brings into the scene.
std::vector<ScriptNodeIndex> WithoutClicksOnTheAbsent(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                                      std::span<const ScriptNodeIndex> nodes,
                                                      const std::set<uint32_t>& cast);
