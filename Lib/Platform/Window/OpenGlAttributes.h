#pragma once

namespace Platform {

// The OpenGL framebuffer every game window asks for (double buffer, 24-bit
// depth, 8-bit stencil, a 2.1 compatibility context for fixed-function
// drawing). Must be called before the window is created: some window systems
// choose the pixel format at creation.
void PrepareOpenGlWindowAttributes();

} // namespace Platform
