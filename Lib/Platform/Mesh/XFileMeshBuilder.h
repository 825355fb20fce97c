#pragma once
#include "Mesh/Mesh.h"
#include "Mesh/MeshHierarchy.h"
#include "Mesh/SkinInfo.h"

#include <cstdint>
#include <string>
#include <vector>

struct aiScene;
struct aiNode;

namespace Platform {

// The one mesh of a frame, put back together from the importer's meshes
// (one per material), with what its container is made from.
class XFileFrameMesh {
public:
    XFileFrameMesh() = default;
    ~XFileFrameMesh();
    XFileFrameMesh(const XFileFrameMesh&) = delete;
    XFileFrameMesh& operator=(const XFileFrameMesh&) = delete;

    // False (and nothing kept) when the frame's meshes hold no triangle.
    bool Build(const aiScene& scene, const aiNode& node, uint32_t iOptions);

    const char* Name() const { return m_name.empty() ? nullptr : m_name.c_str(); }
    Mesh* GetMesh() const { return m_pMesh; }
    SkinInfo* GetSkin() const { return m_pSkin; }
    // Empty when the file gives the mesh no material.
    const std::vector<MeshMaterial>& Materials() const { return m_vMaterials; }
    const std::vector<uint32_t>& Adjacency() const { return m_vAdjacency; }

private:
    void BuildMaterials(const aiScene& scene, const std::vector<uint32_t>& materialIndices);
    void BuildAdjacency(const std::vector<MeshVertex>& vertices, const std::vector<uint32_t>& indices);

    std::string m_name;
    Mesh* m_pMesh = nullptr;
    SkinInfo* m_pSkin = nullptr;
    std::vector<MeshMaterial> m_vMaterials;
    std::vector<std::string> m_vTextureNames;
    std::vector<uint32_t> m_vAdjacency;
};

} // namespace Platform
