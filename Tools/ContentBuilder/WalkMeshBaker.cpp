#include "WalkMeshBaker.h"

#include "3D/Common/WalkMeshArithmetic.h"
#include "ContentError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <queue>

namespace {

using PointKey = std::array<fx32, 3>;
using EdgeKey = std::pair<PointKey, PointKey>;

// How far beside a wall edge another triangle must not begin: 1/16 unit.
constexpr double JOIN_PROBE_DISTANCE = FX32_ONE / 16.0;

[[noreturn]] void Refuse(const std::string& where, const std::string& message)
{
    throw ContentError(where + ": walk mesh: " + message);
}

std::string PointText(const CoreFxVec& point)
{
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g, %g)", point.x / 4096.0, point.y / 4096.0, point.z / 4096.0);
    return text;
}

PointKey Key(const CoreFxVec& point)
{
    return {point.x, point.y, point.z};
}

template <typename T>
std::unique_ptr<T[]> Copy(const std::vector<T>& items)
{
    auto copy = std::make_unique<T[]>(items.size());
    std::copy(items.begin(), items.end(), copy.get());
    return copy;
}

// The engine finds points only in triangles with area that run
// counter-clockwise seen from above.
void CheckWinding(const std::vector<WalkMeshTriangle>& triangles, const std::string& where, const std::string& what)
{
    for (size_t index = 0; index < triangles.size(); ++index) {
        const CoreFxVec* v = triangles[index].m_vVertices;
        const int64_t side = WalkMeshArithmetic::EdgeSide(v[0], v[1], v[2]);
        if (side == 0)
            Refuse(where, what + " triangle " + std::to_string(index) + " has no area");
        if (side < 0)
            Refuse(where, what + " triangle " + std::to_string(index) + " is wound clockwise seen from above");
    }
}

// Edge k of a triangle runs from its vertex k to the next. Two triangles that
// share an edge run along it in opposite directions; an edge without a
// neighbour is a wall, kept in the triangle's direction so that the floor is
// on its left.
void FindNeighbours(const std::string& where, WalkMesh& mesh, std::vector<WalkMeshEdge>& walls,
                    std::vector<uint8_t>& wallTriangles)
{
    std::map<EdgeKey, int32_t> edges;
    for (int32_t triangle = 0; triangle < mesh.m_iNumTriangles; ++triangle) {
        const CoreFxVec* v = mesh.m_pTriangles[triangle].m_vVertices;
        for (int k = 0; k < 3; ++k) {
            const auto [found, inserted] = edges.emplace(EdgeKey(Key(v[k]), Key(v[(k + 1) % 3])), triangle);
            if (!inserted)
                Refuse(where, "triangles " + std::to_string(found->second) + " and " + std::to_string(triangle) +
                                  " both run from " + PointText(v[k]) + " to " + PointText(v[(k + 1) % 3]) +
                                  ": they overlap");
        }
    }
    mesh.m_pAdjacency = std::make_unique<uint8_t[]>(3 * static_cast<size_t>(mesh.m_iNumTriangles));
    for (int32_t triangle = 0; triangle < mesh.m_iNumTriangles; ++triangle) {
        const CoreFxVec* v = mesh.m_pTriangles[triangle].m_vVertices;
        for (int k = 0; k < 3; ++k) {
            const auto neighbour = edges.find(EdgeKey(Key(v[(k + 1) % 3]), Key(v[k])));
            if (neighbour != edges.end()) {
                mesh.m_pAdjacency[3 * triangle + k] = static_cast<uint8_t>(neighbour->second);
                continue;
            }
            mesh.m_pAdjacency[3 * triangle + k] = INVALID_TRIANGLE;
            walls.push_back({v[k], v[(k + 1) % 3]});
            wallTriangles.push_back(static_cast<uint8_t>(triangle));
            wallTriangles.push_back(static_cast<uint8_t>(k));
        }
    }
}

void CheckConnected(const std::string& where, const WalkMesh& mesh)
{
    std::vector<bool> reached(mesh.m_iNumTriangles, false);
    std::vector<int32_t> waiting = {0};
    reached[0] = true;
    while (!waiting.empty()) {
        const int32_t triangle = waiting.back();
        waiting.pop_back();
        for (int k = 0; k < 3; ++k) {
            const uint8_t neighbour = mesh.m_pAdjacency[3 * triangle + k];
            if (neighbour != INVALID_TRIANGLE && !reached[neighbour]) {
                reached[neighbour] = true;
                waiting.push_back(neighbour);
            }
        }
    }
    const auto unreached = std::find(reached.begin(), reached.end(), false);
    if (unreached != reached.end())
        Refuse(where, "triangle " + std::to_string(unreached - reached.begin()) +
                          " is not connected to triangle 0 by shared edges");
}

// A wall edge with floor just beyond it is an edge that two triangles share
// without sharing its vertices (or an overlap): the wall would cut the floor.
void CheckJoins(const std::string& where, const WalkMesh& mesh)
{
    for (int32_t index = 0; index < mesh.m_iNumEdges; ++index) {
        const WalkMeshEdge& edge = mesh.m_pEdges[index];
        const double dx = double(edge.m_vEnd.x) - edge.m_vStart.x;
        const double dy = double(edge.m_vEnd.y) - edge.m_vStart.y;
        const double scale = JOIN_PROBE_DISTANCE / std::hypot(dx, dy);
        const CoreFxVec beyond = {
            static_cast<fx32>(std::lround((double(edge.m_vStart.x) + edge.m_vEnd.x) / 2 + dy * scale)),
            static_cast<fx32>(std::lround((double(edge.m_vStart.y) + edge.m_vEnd.y) / 2 - dx * scale)),
            0,
        };
        int32_t triangle = 0;
        if (WalkMesh::FindTriangle(beyond, mesh.m_pTriangles.get(), mesh.m_iNumTriangles, nullptr, &triangle))
            Refuse(where, "the edge from " + PointText(edge.m_vStart) + " to " + PointText(edge.m_vEnd) +
                              " borders triangle " + std::to_string(triangle) + " without sharing its vertices");
    }
}

// Routes walk straight from centre to centre.
void CheckCentreWalks(const std::string& where, const WalkMesh& mesh)
{
    for (int32_t triangle = 0; triangle < mesh.m_iNumTriangles; ++triangle) {
        for (int k = 0; k < 3; ++k) {
            const uint8_t neighbour = mesh.m_pAdjacency[3 * triangle + k];
            if (neighbour == INVALID_TRIANGLE)
                continue;
            CoreFxVec direction;
            if (mesh.IsSegmentCrossingEdge(mesh.GetBarycenter(triangle), mesh.GetBarycenter(neighbour), direction))
                Refuse(where, "the walk from the centre of triangle " + std::to_string(triangle) +
                                  " to the centre of triangle " + std::to_string(neighbour) +
                                  " crosses a wall edge; split the floor there differently");
        }
    }
}

double CentreDistance(const WalkMesh& mesh, int32_t a, int32_t b)
{
    const CoreFxVec p = mesh.GetBarycenter(a);
    const CoreFxVec q = mesh.GetBarycenter(b);
    return std::sqrt(std::pow(double(p.x) - q.x, 2) + std::pow(double(p.y) - q.y, 2) + std::pow(double(p.z) - q.z, 2));
}

// For every destination, the shortest routes toward it over the neighbours,
// weighted by the distance between centres: each triangle's next hop is its
// neighbour on the way.
void ComputeRoutes(WalkMesh& mesh)
{
    const int32_t count = mesh.m_iNumTriangles;
    mesh.m_pNextHop = std::make_unique<uint8_t[]>(static_cast<size_t>(count) * count);
    std::fill_n(mesh.m_pNextHop.get(), static_cast<size_t>(count) * count, INVALID_TRIANGLE);
    using Visit = std::pair<double, int32_t>;
    for (int32_t destination = 0; destination < count; ++destination) {
        uint8_t* nextHop = mesh.m_pNextHop.get() + static_cast<size_t>(destination) * count;
        std::vector<double> distance(count, INFINITY);
        std::priority_queue<Visit, std::vector<Visit>, std::greater<Visit>> waiting;
        distance[destination] = 0.0;
        nextHop[destination] = static_cast<uint8_t>(destination);
        waiting.push({0.0, destination});
        while (!waiting.empty()) {
            const auto [reached, triangle] = waiting.top();
            waiting.pop();
            if (reached > distance[triangle])
                continue;
            for (int k = 0; k < 3; ++k) {
                const uint8_t neighbour = mesh.m_pAdjacency[3 * triangle + k];
                if (neighbour == INVALID_TRIANGLE)
                    continue;
                const double through = reached + CentreDistance(mesh, triangle, neighbour);
                if (through < distance[neighbour]) {
                    distance[neighbour] = through;
                    nextHop[neighbour] = static_cast<uint8_t>(triangle);
                    waiting.push({through, neighbour});
                }
            }
        }
    }
}

} // namespace

void BakeWalkMesh(const WalkMeshSource& source, const std::string& where, WalkMesh& mesh)
{
    mesh.Release();
    if (source.triangles.empty() || source.triangles.size() > static_cast<size_t>(MAX_WALK_MESH_TRIANGLES))
        Refuse(where, "the floor has " + std::to_string(source.triangles.size()) + " triangles; it needs 1 to " +
                          std::to_string(MAX_WALK_MESH_TRIANGLES));
    CheckWinding(source.triangles, where, "floor");
    for (size_t blocker = 0; blocker < source.blockers.size(); ++blocker) {
        if (source.blockers[blocker].empty())
            Refuse(where, "blocker " + std::to_string(blocker) + " has no triangles");
        CheckWinding(source.blockers[blocker], where, "blocker " + std::to_string(blocker));
    }

    mesh.m_pTriangles = Copy(source.triangles);
    mesh.m_iNumTriangles = static_cast<int32_t>(source.triangles.size());
    std::vector<WalkMeshEdge> walls;
    std::vector<uint8_t> wallTriangles;
    FindNeighbours(where, mesh, walls, wallTriangles);
    if (!walls.empty()) {
        mesh.m_pEdges = Copy(walls);
        mesh.m_pEdgeTriangles = Copy(wallTriangles);
        mesh.m_iNumEdges = static_cast<int32_t>(walls.size());
    }
    // A floor cut by a vertex on another triangle's edge usually falls
    // apart there too; the cut is the more useful report.
    CheckJoins(where, mesh);
    CheckConnected(where, mesh);
    CheckCentreWalks(where, mesh);
    ComputeRoutes(mesh);

    if (!source.blockers.empty()) {
        mesh.m_pBlockers = std::make_unique<WalkMeshBlocker[]>(source.blockers.size());
        for (size_t index = 0; index < source.blockers.size(); ++index) {
            mesh.m_pBlockers[index].m_pTriangles = Copy(source.blockers[index]);
            mesh.m_pBlockers[index].m_iNumTriangles = static_cast<int32_t>(source.blockers[index].size());
        }
        mesh.m_iNumBlockers = static_cast<int32_t>(source.blockers.size());
    }
    if (!source.wayPoints.empty()) {
        mesh.m_pWayPoints = Copy(source.wayPoints);
        mesh.m_iNumWayPoints = static_cast<int32_t>(source.wayPoints.size());
    }
}
