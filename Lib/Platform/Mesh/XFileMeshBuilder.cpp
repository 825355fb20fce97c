#include "Mesh/XFileMeshBuilder.h"
#include "Mesh/XFileMatrix.h"

#include <assimp/material.h>
#include <assimp/mesh.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>

namespace Platform {
namespace {

constexpr uint32_t NO_FACE = 0xFFFFFFFFu;
// The importer makes its own material for meshes the file gives none;
// it alone has no name property.
bool IsImporterDefaultMaterial(const aiMaterial& material)
{
    aiString name;
    return material.Get(AI_MATKEY_NAME, name) != AI_SUCCESS;
}

ColorValue ReadColor(const aiMaterial& material, const char* pKey, unsigned int type, unsigned int index,
                     float defaultAlpha)
{
    aiColor4D color(0.0f, 0.0f, 0.0f, defaultAlpha);
    material.Get(pKey, type, index, color);
    return {color.r, color.g, color.b, color.a};
}

struct Influence {
    uint32_t iBone;
    float fWeight;
};

// A vertex with its influences, as bytes, so that the copies that the
// importer's per-material split made of one vertex become one again.
std::string VertexKey(const MeshVertex& vertex, const std::vector<Influence>& influences)
{
    std::string key(reinterpret_cast<const char*>(&vertex), sizeof(vertex));
    key.append(reinterpret_cast<const char*>(influences.data()), influences.size() * sizeof(Influence));
    return key;
}

} // namespace

XFileFrameMesh::~XFileFrameMesh()
{
    if (m_pMesh != nullptr)
        m_pMesh->Release();
    if (m_pSkin != nullptr)
        m_pSkin->Release();
}

bool XFileFrameMesh::Build(const aiScene& scene, const aiNode& node, uint32_t iOptions)
{
    std::vector<const aiMesh*> parts;
    for (unsigned int i = 0; i < node.mNumMeshes; ++i) {
        if (node.mMeshes[i] < scene.mNumMeshes)
            parts.push_back(scene.mMeshes[node.mMeshes[i]]);
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const aiMesh* a, const aiMesh* b) { return a->mMaterialIndex < b->mMaterialIndex; });

    std::vector<uint32_t> materialIndices;
    std::vector<std::string> boneNames;
    std::vector<Matrix4> boneOffsets;
    std::map<std::string, uint32_t> boneIndexOf;
    std::unordered_map<std::string, uint32_t> vertexIndexOf;
    std::vector<MeshVertex> vertices;
    std::vector<std::vector<Influence>> vertexInfluences;
    std::vector<uint32_t> indices;
    std::vector<uint32_t> attributes;

    for (const aiMesh* pPart : parts) {
        if (m_name.empty())
            m_name = pPart->mName.C_Str();
        if (materialIndices.empty() || materialIndices.back() != pPart->mMaterialIndex)
            materialIndices.push_back(pPart->mMaterialIndex);
        const uint32_t iAttribute = uint32_t(materialIndices.size() - 1);

        std::vector<std::vector<Influence>> influences(pPart->mNumVertices);
        for (unsigned int b = 0; b < pPart->mNumBones; ++b) {
            const aiBone& bone = *pPart->mBones[b];
            const auto [it, bInserted] = boneIndexOf.emplace(bone.mName.C_Str(), uint32_t(boneNames.size()));
            if (bInserted) {
                boneNames.emplace_back(bone.mName.C_Str());
                boneOffsets.push_back(RowVectorMatrix(bone.mOffsetMatrix));
            }
            for (unsigned int w = 0; w < bone.mNumWeights; ++w) {
                const aiVertexWeight& weight = bone.mWeights[w];
                if (weight.mVertexId < pPart->mNumVertices)
                    influences[weight.mVertexId].push_back({it->second, weight.mWeight});
            }
        }

        std::vector<uint32_t> mergedIndexOf(pPart->mNumVertices);
        for (unsigned int v = 0; v < pPart->mNumVertices; ++v) {
            MeshVertex vertex {};
            vertex.position = {pPart->mVertices[v].x, pPart->mVertices[v].y, pPart->mVertices[v].z};
            if (pPart->mNormals != nullptr)
                vertex.normal = {pPart->mNormals[v].x, pPart->mNormals[v].y, pPart->mNormals[v].z};
            if (pPart->mTextureCoords[0] != nullptr) {
                vertex.u = pPart->mTextureCoords[0][v].x;
                vertex.v = pPart->mTextureCoords[0][v].y;
            }
            std::sort(influences[v].begin(), influences[v].end(),
                      [](const Influence& a, const Influence& b) { return a.iBone < b.iBone; });
            const auto [it, bInserted] =
                vertexIndexOf.emplace(VertexKey(vertex, influences[v]), uint32_t(vertices.size()));
            if (bInserted) {
                vertices.push_back(vertex);
                vertexInfluences.push_back(influences[v]);
            }
            mergedIndexOf[v] = it->second;
        }

        for (unsigned int f = 0; f < pPart->mNumFaces; ++f) {
            const aiFace& face = pPart->mFaces[f];
            if (face.mNumIndices != 3 || face.mIndices[0] >= pPart->mNumVertices ||
                face.mIndices[1] >= pPart->mNumVertices || face.mIndices[2] >= pPart->mNumVertices)
                continue;
            for (int k = 0; k < 3; ++k)
                indices.push_back(mergedIndexOf[face.mIndices[k]]);
            attributes.push_back(iAttribute);
        }
    }
    if (attributes.empty())
        return false;

    BuildMaterials(scene, materialIndices);
    BuildAdjacency(vertices, indices);

    if (!boneNames.empty()) {
        std::vector<SkinBone> bones(boneNames.size());
        for (size_t b = 0; b < bones.size(); ++b) {
            bones[b].name = boneNames[b];
            bones[b].offset = boneOffsets[b];
        }
        for (uint32_t v = 0; v < vertexInfluences.size(); ++v) {
            for (const Influence& influence : vertexInfluences[v]) {
                bones[influence.iBone].vertices.push_back(v);
                bones[influence.iBone].weights.push_back(influence.fWeight);
            }
        }
        m_pSkin = new SkinInfo(uint32_t(vertices.size()), std::move(bones));
    }
    m_pMesh = new Mesh(iOptions, std::move(vertices), std::move(indices), std::move(attributes));
    return true;
}

void XFileFrameMesh::BuildMaterials(const aiScene& scene, const std::vector<uint32_t>& materialIndices)
{
    const bool bFileMaterials = std::any_of(materialIndices.begin(), materialIndices.end(), [&scene](uint32_t i) {
        return i < scene.mNumMaterials && !IsImporterDefaultMaterial(*scene.mMaterials[i]);
    });
    if (!bFileMaterials)
        return;
    m_vTextureNames.resize(materialIndices.size());
    for (size_t i = 0; i < materialIndices.size(); ++i) {
        MeshMaterial material {};
        if (materialIndices[i] < scene.mNumMaterials) {
            const aiMaterial& source = *scene.mMaterials[materialIndices[i]];
            material.MatD3D.diffuse = ReadColor(source, AI_MATKEY_COLOR_DIFFUSE, 1.0f);
            material.MatD3D.specular = ReadColor(source, AI_MATKEY_COLOR_SPECULAR, 1.0f);
            material.MatD3D.emissive = ReadColor(source, AI_MATKEY_COLOR_EMISSIVE, 1.0f);
            source.Get(AI_MATKEY_SHININESS, material.MatD3D.power);
            aiString texture;
            if (source.GetTexture(aiTextureType_DIFFUSE, 0, &texture) == AI_SUCCESS && texture.length > 0)
                m_vTextureNames[i] = texture.C_Str();
        }
        m_vMaterials.push_back(material);
    }
    for (size_t i = 0; i < m_vMaterials.size(); ++i) {
        if (!m_vTextureNames[i].empty())
            m_vMaterials[i].pTextureFilename = m_vTextureNames[i].data();
    }
}

void XFileFrameMesh::BuildAdjacency(const std::vector<MeshVertex>& vertices, const std::vector<uint32_t>& indices)
{
    // Vertices at one position are one point of the surface, whatever their
    // normals or texture coordinates.
    std::map<std::tuple<float, float, float>, uint32_t> pointOf;
    std::vector<uint32_t> point(vertices.size());
    for (uint32_t v = 0; v < vertices.size(); ++v) {
        const Vector3& p = vertices[v].position;
        point[v] = pointOf.emplace(std::make_tuple(p.x, p.y, p.z), v).first->second;
    }
    const uint32_t iFaceCount = uint32_t(indices.size() / 3);
    m_vAdjacency.assign(indices.size(), NO_FACE);
    std::map<std::pair<uint32_t, uint32_t>, std::pair<uint32_t, uint32_t>> openEdges; // edge -> face, side
    for (uint32_t f = 0; f < iFaceCount; ++f) {
        for (uint32_t k = 0; k < 3; ++k) {
            const uint32_t a = point[indices[3 * f + k]];
            const uint32_t b = point[indices[3 * f + (k + 1) % 3]];
            const auto edge = std::minmax(a, b);
            const auto it = openEdges.find(edge);
            if (it != openEdges.end()) {
                m_vAdjacency[3 * f + k] = it->second.first;
                m_vAdjacency[3 * it->second.first + it->second.second] = f;
                openEdges.erase(it);
            } else {
                openEdges.emplace(edge, std::make_pair(f, k));
            }
        }
    }
}

} // namespace Platform
