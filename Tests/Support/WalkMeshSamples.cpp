#include "Support/WalkMeshSamples.h"

#include "Scene/Common/SerialStream.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace TestSupport {

namespace {

constexpr int32_t GRID_SIZE = 20;

struct Cell {
    int32_t x;
    int32_t y;
};

// Corners a (x, y), b (x+1, y), c (x+1, y+1), d (x, y+1): the lower-right
// triangle a b c has the bottom and right sides, the upper-left a c d the
// top and left.
void AddCell(std::vector<WalkMeshTriangle>& triangles, const CoreFxVec corners[4], bool lowerRight, bool upperLeft)
{
    if (lowerRight)
        triangles.push_back({{corners[0], corners[1], corners[2]}});
    if (upperLeft)
        triangles.push_back({{corners[0], corners[2], corners[3]}});
}

} // namespace

std::vector<WalkMeshTriangle> StripFloor(int32_t numCells)
{
    std::vector<WalkMeshTriangle> triangles;
    for (int32_t x = 0; x < numCells; ++x) {
        const CoreFxVec corners[4] = {
            {x * WALK_CELL_SIZE, 0, 0},
            {(x + 1) * WALK_CELL_SIZE, 0, 0},
            {(x + 1) * WALK_CELL_SIZE, WALK_CELL_SIZE, 0},
            {x * WALK_CELL_SIZE, WALK_CELL_SIZE, 0},
        };
        AddCell(triangles, corners, true, true);
    }
    return triangles;
}

std::vector<WalkMeshTriangle> GrownFloor(int32_t numTriangles, uint32_t seed)
{
    std::mt19937 random(seed);
    // Vertex shifts of up to 1/8 cell keep every triangle counter-clockwise
    // and the walks between neighbouring centres inside the pair.
    std::uniform_int_distribution<fx32> shift(-WALK_CELL_SIZE / 8, WALK_CELL_SIZE / 8);
    std::uniform_int_distribution<fx32> height(0, 16 * FX32_ONE);
    CoreFxVec vertices[GRID_SIZE + 1][GRID_SIZE + 1];
    for (int32_t y = 0; y <= GRID_SIZE; ++y)
        for (int32_t x = 0; x <= GRID_SIZE; ++x)
            vertices[y][x] = {x * WALK_CELL_SIZE + shift(random), y * WALK_CELL_SIZE + shift(random), height(random)};
    bool blocked[GRID_SIZE][GRID_SIZE];
    std::bernoulli_distribution blocks(0.2);
    for (auto& row : blocked)
        for (bool& cell : row)
            cell = blocks(random);

    const Cell start = {GRID_SIZE / 2, GRID_SIZE / 2};
    bool taken[GRID_SIZE][GRID_SIZE] = {};
    // Candidate cells with the side they would join on: 0 below, 1 right,
    // 2 above, 3 left of the candidate.
    std::vector<std::pair<Cell, int>> frontier = {{start, 0}};
    std::vector<WalkMeshTriangle> triangles;
    const std::pair<Cell, int> neighbours[4] = {{{0, 1}, 0}, {{-1, 0}, 1}, {{0, -1}, 2}, {{1, 0}, 3}};
    while (static_cast<int32_t>(triangles.size()) < numTriangles) {
        if (frontier.empty())
            throw std::runtime_error("the grid has no room for the floor; try another seed");
        std::uniform_int_distribution<size_t> pick(0, frontier.size() - 1);
        const size_t chosen = pick(random);
        const auto [cell, side] = frontier[chosen];
        frontier.erase(frontier.begin() + static_cast<std::ptrdiff_t>(chosen));
        if (taken[cell.y][cell.x] || (blocked[cell.y][cell.x] && triangles.size() != 0))
            continue;
        taken[cell.y][cell.x] = true;
        const CoreFxVec corners[4] = {vertices[cell.y][cell.x], vertices[cell.y][cell.x + 1],
                                      vertices[cell.y + 1][cell.x + 1], vertices[cell.y + 1][cell.x]};
        // The last triangle of an odd count is the half that touches the
        // cell it joins.
        const bool half = static_cast<int32_t>(triangles.size()) + 1 == numTriangles;
        const bool joinsLowerRight = side == 0 || side == 1;
        AddCell(triangles, corners, !half || joinsLowerRight, !half || !joinsLowerRight);
        for (const auto& [offset, joinSide] : neighbours) {
            const Cell next = {cell.x + offset.x, cell.y + offset.y};
            if (next.x >= 0 && next.y >= 0 && next.x < GRID_SIZE && next.y < GRID_SIZE)
                frontier.push_back({next, joinSide});
        }
    }
    return triangles;
}

std::vector<uint8_t> WalkMeshBlockFile(const WalkMesh& mesh)
{
    ByteWriter writer;
    writer.U32(0x4B534157);
    WriteWalkMeshBlock(mesh, writer);
    return writer.Bytes();
}

bool BakeAndLoad(const WalkMeshSource& source, WalkMesh& mesh)
{
    WalkMesh baked;
    BakeWalkMesh(source, "sample", baked);
    const std::vector<uint8_t> file = WalkMeshBlockFile(baked);
    SerialStream stream(file.data(), file.size(), WALK_MESH_FILE_NAME);
    stream.ReadU32();
    return mesh.Load(stream);
}

} // namespace TestSupport
