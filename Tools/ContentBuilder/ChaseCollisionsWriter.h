#pragma once
#include <nlohmann/json.hpp>

#include <cstdint>
#include <vector>

// The chase's collisions file from its readable source:
//   {"kinds": [{"name": "Box", "box": [x, y, width, height]}, {"name": "Grass1"}, ...]}
// Each entry names an obstacle kind (ChaseObstacleKinds.h), which must lie
// below the entry count; the box is in screen units from the picture's
// top-left corner, and a kind without one never hits. The file is the kind
// count (one byte) and one 20-byte record per kind: kind, x, y, width and
// height, 20.12 little-endian. Throws ContentError for a source that breaks
// the file's rules (1 to 25 kinds, each once, sizes not negative, no box
// field beyond 4096 units).
std::vector<uint8_t> WriteChaseCollisions(const nlohmann::json& source);
