#include "Mesh/SkinInfo.h"

#include <algorithm>
#include <utility>

namespace Platform {
namespace {

struct Influence {
    uint32_t iBone;
    float fWeight;
};

// The sorted bones that weigh any vertex of the face.
std::vector<uint32_t> FaceBones(const std::vector<std::vector<Influence>>& influences, const uint32_t* pFace)
{
    std::vector<uint32_t> bones;
    for (int k = 0; k < 3; ++k) {
        for (const Influence& influence : influences[pFace[k]])
            bones.push_back(influence.iBone);
    }
    std::sort(bones.begin(), bones.end());
    bones.erase(std::unique(bones.begin(), bones.end()), bones.end());
    return bones;
}

std::vector<uint32_t> Union(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    std::vector<uint32_t> result;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(result));
    return result;
}

// Faces of one combination, gathered before its vertices are laid out.
struct CombinationFaces {
    uint32_t iAttribId;
    std::vector<uint32_t> bones;
    std::vector<uint32_t> faces;
};

} // namespace

SkinInfo::SkinInfo(uint32_t iVertexCount, std::vector<SkinBone> bones)
    : m_iVertexCount(iVertexCount), m_vBones(std::move(bones))
{
}

const SkinBone* SkinInfo::GetBone(uint32_t iBone) const
{
    return iBone < m_vBones.size() ? &m_vBones[iBone] : nullptr;
}

const char* SkinInfo::GetBoneName(uint32_t iBone) const
{
    return iBone < m_vBones.size() ? m_vBones[iBone].name.c_str() : nullptr;
}

const Matrix4* SkinInfo::GetBoneOffsetMatrix(uint32_t iBone) const
{
    return iBone < m_vBones.size() ? &m_vBones[iBone].offset : nullptr;
}

MeshResult SkinInfo::ConvertToBlendedMesh(const Mesh* pMesh, uint32_t iOptions, uint32_t* pMaxFaceInfl,
                                          uint32_t* pNumBoneCombinations, BoneCombinationTable** ppBoneCombinationTable,
                                          Mesh** ppMesh) const
{
    if (pMesh == nullptr || pMaxFaceInfl == nullptr || pNumBoneCombinations == nullptr ||
        ppBoneCombinationTable == nullptr || ppMesh == nullptr || pMesh->GetNumVertices() != m_iVertexCount)
        return E_INVALIDARG;

    std::vector<std::vector<Influence>> influences(m_iVertexCount);
    for (uint32_t iBone = 0; iBone < GetNumBones(); ++iBone) {
        const SkinBone& bone = m_vBones[iBone];
        for (size_t i = 0; i < bone.vertices.size(); ++i) {
            if (bone.weights[i] > 0.0f)
                influences[bone.vertices[i]].push_back({iBone, bone.weights[i]});
        }
    }

    const uint32_t iFaceCount = pMesh->GetNumFaces();
    const uint32_t* pIndices = pMesh->GetIndices();
    std::vector<std::vector<uint32_t>> faceBones(iFaceCount);
    uint32_t iMaxFaceInfl = 1;
    for (uint32_t iFace = 0; iFace < iFaceCount; ++iFace) {
        faceBones[iFace] = FaceBones(influences, pIndices + 3 * size_t(iFace));
        iMaxFaceInfl = std::max(iMaxFaceInfl, uint32_t(faceBones[iFace].size()));
    }

    // Faces join the open combination of their attribute while the bones of
    // both fit in the places of one combination.
    std::vector<CombinationFaces> groups;
    for (const AttributeRange& range : pMesh->GetAttributeTable()) {
        bool bOpen = false;
        for (uint32_t iFace = range.FaceStart; iFace < range.FaceStart + range.FaceCount; ++iFace) {
            if (bOpen) {
                std::vector<uint32_t> merged = Union(groups.back().bones, faceBones[iFace]);
                if (merged.size() <= iMaxFaceInfl) {
                    groups.back().bones = std::move(merged);
                    groups.back().faces.push_back(iFace);
                    continue;
                }
            }
            groups.push_back({range.AttribId, faceBones[iFace], {iFace}});
            bOpen = true;
        }
    }

    const uint32_t iWeightsPerVertex = iMaxFaceInfl - 1;
    std::vector<BoneCombination> combinations;
    std::vector<uint32_t> boneIds;
    std::vector<MeshVertex> vertices;
    std::vector<float> weights;
    std::vector<uint32_t> indices;
    std::vector<uint32_t> attributes;
    std::vector<uint32_t> newIndexOf(m_iVertexCount);
    std::vector<uint32_t> stampOf(m_iVertexCount, UNUSED_BONE_ID);
    for (uint32_t iGroup = 0; iGroup < groups.size(); ++iGroup) {
        const CombinationFaces& group = groups[iGroup];
        BoneCombination combination = {
            group.iAttribId, uint32_t(attributes.size()), uint32_t(group.faces.size()), uint32_t(vertices.size()), 0,
            nullptr};
        for (uint32_t iFace : group.faces) {
            for (int k = 0; k < 3; ++k) {
                const uint32_t iOld = pIndices[3 * size_t(iFace) + k];
                if (stampOf[iOld] != iGroup) {
                    stampOf[iOld] = iGroup;
                    newIndexOf[iOld] = uint32_t(vertices.size());
                    vertices.push_back(pMesh->GetVertices()[iOld]);
                    float fSum = 0.0f;
                    for (const Influence& influence : influences[iOld])
                        fSum += influence.fWeight;
                    for (uint32_t j = 0; j < iWeightsPerVertex; ++j) {
                        float fWeight = 0.0f;
                        for (const Influence& influence : influences[iOld]) {
                            if (j < group.bones.size() && influence.iBone == group.bones[j])
                                fWeight = influence.fWeight / fSum;
                        }
                        weights.push_back(fWeight);
                    }
                }
                indices.push_back(newIndexOf[iOld]);
            }
            attributes.push_back(iGroup);
        }
        combination.VertexCount = uint32_t(vertices.size()) - combination.VertexStart;
        combinations.push_back(combination);
        for (uint32_t j = 0; j < iMaxFaceInfl; ++j)
            boneIds.push_back(j < group.bones.size() ? group.bones[j] : UNUSED_BONE_ID);
    }

    *pMaxFaceInfl = iMaxFaceInfl;
    *pNumBoneCombinations = uint32_t(combinations.size());
    *ppBoneCombinationTable = new BoneCombinationTable(std::move(combinations), std::move(boneIds), iMaxFaceInfl);
    *ppMesh = new Mesh(iOptions, std::move(vertices), std::move(indices), std::move(attributes), iWeightsPerVertex,
                       std::move(weights));
    return S_OK;
}

} // namespace Platform
