#pragma once
#include "Common/SceneIds.h"
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>
#include <memory>
#include <span>

class SceneScript;
class ScriptManager;

// The scene's script made afresh in the chapter, its actor sets and sound
// groups linked, and its tree built as the game builds it into the manager's
// pool (emptied first) under a new root, followed by the trees of the scripts
// given to stand behind it; the root. A block left open is a failure.
ScriptNodeIndex BuildSceneScriptTree(ScriptManager& manager, std::unique_ptr<SceneScript>& script,
                                     const SceneDesc& scene, int32_t iChapter,
                                     std::span<SceneScript* const> behind = {});

// A hand-made script's tree, built into the manager's pool (emptied first)
// under a new root; the root.
ScriptNodeIndex BuildHandMadeScriptTree(ScriptManager& manager, SceneScript& script);
