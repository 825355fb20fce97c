#pragma once
#include "3D/Common/WalkMesh.h"
#include "ContentBuilder/WalkMeshBaker.h"

#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport {

// Walk-mesh floors made of square cells of CELL_SIZE units, each cell split
// along its rising diagonal into a lower-right and an upper-left triangle.
constexpr fx32 WALK_CELL_SIZE = 64 * FX32_ONE;

// A row of cells along x from the origin, flat at height 0.
std::vector<WalkMeshTriangle> StripFloor(int32_t numCells);

// A connected floor of numTriangles triangles grown at random, cell by
// cell, over a grid with blocked cells, so that routes have to go round
// corners and holes; vertices are shifted a little and carry uneven heights.
// The same seed gives the same floor.
std::vector<WalkMeshTriangle> GrownFloor(int32_t numTriangles, uint32_t seed);

// The block as a 3D scene file would carry it, after a 4-byte word so that
// the padding is counted from a file's start.
std::vector<uint8_t> WalkMeshBlockFile(const WalkMesh& mesh);

// Bakes the source, writes it and loads it back through the engine's reader.
bool BakeAndLoad(const WalkMeshSource& source, WalkMesh& mesh);

// The name the sample block files carry in log lines.
constexpr const char* WALK_MESH_FILE_NAME = "scenes/walkmesh.3dscene.o";

} // namespace TestSupport
