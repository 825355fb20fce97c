#pragma once
#include <nlohmann/json.hpp>

#include <string>

// A scene's textures may show what stands in its 3D space. The shapes
//   {"world": [[x, y, z], ...], "colour": c}   a polygon in world units
//   {"walkMesh": true, "colour": c}             every triangle of the walk mesh
// (groups included) become the polygons that the scene's camera shows on the
// 256 x 192 screen, one texel per screen unit, the texture's top-left texel
// at its "screen": [x, y] (default [0, 0]). A floor painted from the walk
// mesh is the floor the characters walk on, wherever the camera looks from.
// Returns the texture with those shapes replaced (ShapePainter.h draws it);
// throws ContentError naming `place` when the scene has no camera or walk
// mesh for them or a point lies behind the camera.
nlohmann::json ProjectWorldShapes(const nlohmann::json& texture, const nlohmann::json& scene, const std::string& place);
