#pragma once
#include "3D/Common/Camera.h"

#include <nlohmann/json.hpp>

#include <string>

// The camera of a 3D scene's source, {"position", "target", "up" (default
// [0, 0, 1]), "fieldOfView": vertical, in degrees, "near", "far"}, as the
// game sets it up from the scene's 3D file, on a 4:3 window. The 3D file
// writes its numbers and the painter of world shapes projects with it, so
// that the painted room is the room the game's camera shows. Throws
// ContentError naming `place` on a bad member.
Camera ReadSceneCamera(const nlohmann::json& camera, const std::string& place);
