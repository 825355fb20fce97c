#pragma once
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <span>

// Whether a node of the script tree is one that a collection keeps.
using ScriptNodeFilter = bool (*)(const ScriptNode& oNode);

// The event handlers that an incoming event is compared with: every event
// node except the scene-start ("Init") patterns.
bool Filter_Events(const ScriptNode& oNode);

// Collects, in tree order, the nodes under iRoot that the filter keeps: a
// pre-order walk into the children of every node but never into a
// condition's else chain. Nodes beyond the list's size are reported and left
// out. Returns the number of nodes written.
int32_t CollectEvents(const ScriptNodePool& oPool, ScriptNodeIndex iRoot, ScriptNodeFilter filter,
                      std::span<ScriptNodeIndex> list);
