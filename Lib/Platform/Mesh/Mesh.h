#pragma once
#include "Mesh/MeshResult.h"
#include "Mesh/MeshVertex.h"
#include "Mesh/RefCounted.h"

#include <cstdint>
#include <vector>

namespace Platform {

class GraphicsDevice;

// The faces of one attribute id: a subset, drawn by one DrawSubset call.
// Vertices: the lowest and the one past the highest index its faces use.
struct AttributeRange {
    uint32_t AttribId;
    uint32_t FaceStart;
    uint32_t FaceCount;
    uint32_t VertexStart;
    uint32_t VertexCount;
};

// A triangle mesh in system memory: vertices, three indices and one
// attribute id per face, and, for a blended mesh, a fixed number of blend
// weights per vertex. Faces are kept sorted by attribute id, so that each
// subset is one run of faces.
class Mesh : public RefCounted {
public:
    // Indices: three per face, each below the vertex count (checked by the
    // makers). Weights: weightsPerVertex per vertex.
    Mesh(uint32_t iOptions, std::vector<MeshVertex> vertices, std::vector<uint32_t> indices,
         std::vector<uint32_t> attributes, uint32_t iWeightsPerVertex = 0, std::vector<float> weights = {});

    uint32_t GetNumFaces() const { return uint32_t(m_vAttributes.size()); }
    uint32_t GetNumVertices() const { return uint32_t(m_vVertices.size()); }
    uint32_t GetOptions() const { return m_iOptions; }
    uint32_t GetFVF() const;

    const MeshVertex* GetVertices() const { return m_vVertices.data(); }
    const uint32_t* GetIndices() const { return m_vIndices.data(); }
    const uint32_t* GetAttributes() const { return m_vAttributes.data(); }
    uint32_t GetWeightsPerVertex() const { return m_iWeightsPerVertex; }
    const float* GetWeights() const { return m_vWeights.data(); }
    const std::vector<AttributeRange>& GetAttributeTable() const { return m_vAttributeTable; }
    // The range of that attribute id, or null when no face carries it.
    const AttributeRange* FindAttributeRange(uint32_t iAttribId) const;

    // A copy with other options. The vertex format cannot change: a
    // different one is refused (E_INVALIDARG).
    MeshResult CloneMeshFVF(uint32_t iOptions, uint32_t iFvf, Mesh** ppCloneMesh) const;

    // Draws the faces of that attribute id with the device's current
    // transforms, material and texture. A blended mesh's weights are not
    // applied here: its skinned vertices go through DrawFaces.
    MeshResult DrawSubset(GraphicsDevice* pDevice, uint32_t iAttribId) const;
    // Draws the faces of the range, whose indices lie in its vertex range,
    // from pVertices: the mesh's own vertices or a copy of all of them in
    // the same order (blended on the processor), with the device's current
    // transforms, material and texture.
    MeshResult DrawFaces(GraphicsDevice* pDevice, const AttributeRange& faces, const MeshVertex* pVertices) const;

private:
    ~Mesh() override = default;

    void SortFacesByAttribute();
    void BuildAttributeTable();

    uint32_t m_iOptions;
    std::vector<MeshVertex> m_vVertices;
    std::vector<uint32_t> m_vIndices;
    std::vector<uint32_t> m_vAttributes;
    uint32_t m_iWeightsPerVertex;
    std::vector<float> m_vWeights;
    std::vector<AttributeRange> m_vAttributeTable;
};

} // namespace Platform
