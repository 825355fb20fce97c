#pragma once
#include "Graphics/GraphicsRecords.h"
#include "Graphics/Matrix4.h"

#include <cstdint>

namespace Platform {

// The projection that makes OpenGL draw what the device's projection draws
// on a viewport of width x height pixels: clip depth 0..1 becomes OpenGL's
// -1..1, and the picture moves right and down by half a pixel, because the
// device puts pixel centres on whole coordinates and OpenGL between them.
Matrix4 OpenGlProjection(const Matrix4& projection, uint32_t viewportWidth, uint32_t viewportHeight);

// The projection of pre-transformed vertices: pixel coordinates of the
// render target (y down, centres on whole coordinates, depth 0..1) to
// OpenGL's clip space of the viewport.
Matrix4 PretransformedProjection(const Viewport& viewport);

} // namespace Platform
