#pragma once
#include "Mesh/AnimationController.h"
#include "Mesh/MeshHierarchy.h"

struct aiScene;

namespace Platform {

// The file's animation sets in a controller of two tracks whose outputs are
// the hierarchy's named frames; null when the file has none.
AnimationController* BuildXFileAnimationController(const aiScene& scene, MeshFrame* pRoot);

} // namespace Platform
