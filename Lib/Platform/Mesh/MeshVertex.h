#pragma once
#include "Graphics/Matrix4.h"

#include <cstdint>

namespace Platform {

// The vertex of every mesh of the service: position, normal and one pair of
// texture coordinates (XYZ | NORMAL | TEX1); a blended mesh keeps its blend
// weights beside its vertices.
struct MeshVertex {
    Vector3 position;
    Vector3 normal;
    float u, v;
};

// Vertex-format bits that describe the meshes.
enum MeshVertexFormat : uint32_t {
    MESH_FVF_XYZ = 0x002,
    MESH_FVF_NORMAL = 0x010,
    MESH_FVF_TEX1 = 0x100,
    // XYZ with 1 to 5 blend weights: 0x006, 0x008, 0x00A, 0x00C, 0x00E.
    MESH_FVF_POSITION_MASK = 0x00E,
};

constexpr uint32_t MESH_FVF_VERTEX = MESH_FVF_XYZ | MESH_FVF_NORMAL | MESH_FVF_TEX1;
constexpr uint32_t MESH_MAX_FVF_WEIGHTS = 5;

// The position bits of a vertex carrying that many blend weights (at most 5).
constexpr uint32_t MeshFvfPosition(uint32_t iWeights)
{
    return iWeights == 0 ? MESH_FVF_XYZ
                         : 0x004 + 2 * (iWeights < MESH_MAX_FVF_WEIGHTS ? iWeights : MESH_MAX_FVF_WEIGHTS);
}

// Creation options: where the buffers live and how the mesh may be drawn.
// Kept with the mesh; every mesh of the service lives in system memory.
enum MeshOptions : uint32_t {
    D3DXMESH_32BIT = 0x001,
    D3DXMESH_SYSTEMMEM = 0x110,
    D3DXMESH_MANAGED = 0x220,
    D3DXMESH_SOFTWAREPROCESSING = 0x18000,
    D3DXMESHOPT_VERTEXCACHE = 0x4000000,
};

} // namespace Platform
