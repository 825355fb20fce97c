#pragma once
#include "3D/Common/WalkMesh.h"
#include "ByteWriter.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// A scene's walk mesh as authored: the floor's triangles, counter-clockwise
// seen from above (x right, y up, z height), the blockers' triangles and the
// waypoints, in fx32 world units.
struct WalkMeshSource {
    std::vector<WalkMeshTriangle> triangles;
    std::vector<std::vector<WalkMeshTriangle>> blockers;
    std::vector<CoreFxVec> wayPoints;
};

// A point [x, y, z] in world units; throws ContentError naming `where`.
CoreFxVec ReadWorldPoint(const nlohmann::json& value, const std::string& where);

// Reads the JSON description of a walk mesh (coordinates in world units):
//   {"vertices": [[x, y, z], ...],
//    "triangles": [[i, j, k], ...],                 indices into "vertices"
//    "blockers": [[[i, j, k], ...], ...],           optional, one list each
//    "waypoints": [[x, y, z], ...]}                 optional
// Throws ContentError naming `where` when a member is missing or malformed.
WalkMeshSource ReadWalkMeshSource(const nlohmann::json& description, const std::string& where);

// Bakes the source into the walk mesh the engine loads: the neighbours of
// every triangle, the wall edges (every edge without a neighbour, running so
// that the floor is on its left) and, for every pair of triangles, the next
// triangle on the shortest route between their centres. Throws ContentError
// naming `where` unless the floor is 1 to 255 triangles with area, wound
// counter-clockwise, meeting only along whole shared edges, all connected,
// with the walk between the centres of neighbours crossing no wall edge.
void BakeWalkMesh(const WalkMeshSource& source, const std::string& where, WalkMesh& mesh);

// Appends the walk-mesh block of the 3D scene file; its padding counts from
// the start of the writer, which must be the start of the file.
void WriteWalkMeshBlock(const WalkMesh& mesh, ByteWriter& writer);
