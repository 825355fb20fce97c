#pragma once
#include <string>

namespace TestSupport {

// The text of the sample figure, Content/Meshes/tavrine.x, found from this
// source file (the tests' environment does not always reach them); empty
// when it cannot be read.
std::string ReadSampleFigure();

} // namespace TestSupport
