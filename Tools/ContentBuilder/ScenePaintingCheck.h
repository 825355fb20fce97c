#pragma once
#include <nlohmann/json.hpp>

#include <string>

// A 3D scene's picture agrees with its 3D description by construction: its
// background (the backmost sprite of the main layer) shows a texture of the
// scene's own whose floor is painted from the walk mesh ({"walkMesh": true}),
// and every waypoint stands over the walk mesh, so that a character placed
// on one stands on floor the player sees. A scene without a camera passes.
// Throws ContentError naming `place` and the background or waypoint.
void CheckPaintedFromScene(const nlohmann::json& source, const std::string& place);
