#pragma once
#include "Maths/CoreFxVec.h"
#include "Maths/Fx32.h"

#include <cstdint>
#include <memory>

class SerialStream;

// Triangle indices are stored in one byte; this one means "none".
constexpr uint8_t INVALID_TRIANGLE = 255;
// The most triangles a mesh that routes can have: indices 0..254.
constexpr int32_t MAX_WALK_MESH_TRIANGLES = 255;
// The points a character's walk path holds.
constexpr int32_t MAX_WALK_PATH_POINTS = 64;

// Three vertices, counter-clockwise in x, y seen from above (z is height).
struct WalkMeshTriangle {
    CoreFxVec m_vVertices[3];
};

// A set of triangles that a script switches on to fence off ground.
struct WalkMeshBlocker {
    std::unique_ptr<WalkMeshTriangle[]> m_pTriangles;
    int32_t m_iNumTriangles = 0;
    uint8_t m_bActive = 0;
};

// A directed wall edge: its walkable side is on its left.
struct WalkMeshEdge {
    CoreFxVec m_vStart;
    CoreFxVec m_vEnd;
};

struct WalkMeshRay {
    CoreFxVec m_vOrigin;
    CoreFxVec m_vDirection;
};

// The invisible floor of a 3D scene, in fx32 world space: the triangles that
// characters stand on, the blockers, the waypoints, the triangles' adjacency,
// the precomputed next-hop routes and the wall edges. Filled from the last
// block of the scene's 3D file, emptied when the scene shuts down; an empty
// mesh finds nothing and routes nowhere.
struct WalkMesh {
    WalkMesh() = default;
    WalkMesh(const WalkMesh&) = delete;
    WalkMesh& operator=(const WalkMesh&) = delete;

    // Reads the walk-mesh block at the stream's cursor. False (after a log
    // line) for a mesh without triangles, a blocker without triangles, more
    // triangles than one-byte indices can name, indices out of range in the
    // adjacency or the routes, or a block cut short; what was read stays for
    // Release.
    bool Load(SerialStream& stream);
    // Frees every array; safe on an empty mesh.
    void Release();

    // The lowest-indexed triangle of the array whose x, y projection holds
    // the point (edges included). The height under the point and the index
    // are written when asked for.
    static bool FindTriangle(const CoreFxVec& point, const WalkMeshTriangle* pTriangles, int32_t iNumTriangles,
                             fx32* pHeight, int32_t* pIndex);
    // The integer mean of the triangle's vertices; the origin for an index
    // that is not a triangle of the mesh.
    CoreFxVec GetBarycenter(int32_t iTriangle) const;
    // Replaces the vector by its component in the triangle's plane; false
    // (vector unchanged) for an index that is not a triangle of the mesh. A
    // triangle without area leaves the vector as it is.
    bool ProjectOnTrianglePlane(int32_t iTriangle, CoreFxVec& vector) const;
    // Drops the point straight down onto the mesh; false (out untouched)
    // when no triangle lies strictly below it. out may be point.
    bool ProjectDown(const CoreFxVec& point, CoreFxVec& out) const;
    // The nearest hit in front of the ray's origin; false when none.
    bool RayCast(const WalkMeshRay& ray, CoreFxVec& out) const;
    // The ray parameter of the hit on one triangle (either face), or -4096
    // for none.
    fx32 IntersectRayTriangle(int32_t iTriangle, const WalkMeshRay& ray) const;
    // True when the walk a-b leaves through a wall edge; direction is then the
    // normalised direction of the first such edge.
    bool IsSegmentCrossingEdge(const CoreFxVec& a, const CoreFxVec& b, CoreFxVec& direction) const;

    // The route from a to b through the centres of the triangles on the
    // precomputed route: writes its points to pWalkPath and returns the number
    // of segments. 0, with nothing written, when either point is off the
    // mesh, b cannot be reached from a, the route table is damaged, or the
    // route would need more than iMaxPoints points.
    int32_t ComputePathChunk(const CoreFxVec& a, const CoreFxVec& b, CoreFxVec* pWalkPath, int32_t iMaxPoints) const;
    // Switch a blocker on or off; -1 is ignored, other unknown ids assert.
    void ActivateBlocker(int32_t iBlockerId);
    void DisactivateBlocker(int32_t iBlockerId);
    // True when the point's x, y lie in a triangle of an active blocker.
    bool IsInActiveBlocker(const CoreFxVec& point) const;

    std::unique_ptr<WalkMeshTriangle[]> m_pTriangles;
    int32_t m_iNumTriangles = 0;
    std::unique_ptr<WalkMeshBlocker[]> m_pBlockers;
    int32_t m_iNumBlockers = 0;
    // Kept from the file; routes do not use them.
    std::unique_ptr<CoreFxVec[]> m_pWayPoints;
    int32_t m_iNumWayPoints = 0;
    // Three neighbour indices per triangle (INVALID_TRIANGLE when none).
    std::unique_ptr<uint8_t[]> m_pAdjacency;
    // Two bytes per wall edge, kept from the file.
    std::unique_ptr<uint8_t[]> m_pEdgeTriangles;
    // Entry (destination * m_iNumTriangles + current): the triangle to enter
    // next from current toward destination, INVALID_TRIANGLE when it cannot
    // be reached.
    std::unique_ptr<uint8_t[]> m_pNextHop;
    std::unique_ptr<WalkMeshEdge[]> m_pEdges;
    int32_t m_iNumEdges = 0;
};

// The directed crossing test of the wall edge p1-p2 and the walk q1-q2 in x,
// y: true only for a walk that passes the edge from its left to its right,
// and for collinear segments.
bool SegmentsIntersect2D(const CoreFxVec& p1, const CoreFxVec& p2, const CoreFxVec& q1, const CoreFxVec& q2);
