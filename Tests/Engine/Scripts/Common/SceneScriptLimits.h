#pragma once
#include "Common/SceneIds.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// How a scene's built tree (its script's with the inventory's and the
// system's behind it) measures against the script manager's limits.

// Whether the condition holds in the chapter whatever the other variables
// hold; none when they decide it.
std::optional<bool> HoldsInChapter(const ScriptNodePool& pool, ScriptNodeIndex iCondition, int32_t iChapter);
// The same for a condition kept as a list of records, record 0 the top (a
// dialog node's).
std::optional<bool> RecordsHoldInChapter(std::span<const MatchCondition> records, int32_t iChapter);

// The nodes under iRoot that the chapter can reach: a condition whose
// outcome the chapter decides leads into that branch, any other into both.
std::vector<ScriptNodeIndex> NodesInChapter(const ScriptNodePool& pool, ScriptNodeIndex iRoot, int32_t iChapter);

// The handlers that the script manager compares an offered event with, as
// it collects them under iRoot.
int32_t CountCollectedPatterns(const ScriptNodePool& pool, ScriptNodeIndex iRoot);

// Patterns that two handlers of the tree share in the chapter, one line
// each.
std::vector<std::string> RepeatedPatterns(const ScriptNodePool& pool, ScriptNodeIndex iRoot, const SceneDesc& scene,
                                          int32_t iChapter);

// The most actions that one walk of the tree fires in the chapter, over the
// scene start and every event a handler waits for: at each condition the
// branch that fires more, unless the chapter decides it. The event that
// walks longest is named in `longest`.
int32_t MostFiredInOneWalk(const ScriptNodePool& pool, ScriptNodeIndex iRoot, const SceneDesc& scene, int32_t iChapter,
                           std::string* longest = nullptr);
