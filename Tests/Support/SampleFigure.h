#pragma once
#include "Mesh/CoreMesh.h"

#include <string>

namespace TestSupport {

// The text of a sample mesh, Content/Meshes/<name>.x, found from this source
// file (the tests' environment does not always reach them); empty when it
// cannot be read.
std::string ReadSampleMesh(const std::string& name);

// The sample figure, Content/Meshes/tavrine.x.
std::string ReadSampleFigure();

// The sample figure without its texture, for runs without the texture it
// names.
std::string ReadUntexturedSampleFigure();

// Where the figure's bone is when the animation alone has played `seconds`;
// an animation or bone the figure lacks fails.
Platform::Vector3 BoneAt(CoreMesh& mesh, const char* animation, double seconds, const char* bone);

} // namespace TestSupport
