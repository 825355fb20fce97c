#pragma once
#include "Graphics/Matrix4.h"
#include "Mesh/BoneCombinationTable.h"
#include "Mesh/Mesh.h"
#include "Mesh/MeshResult.h"
#include "Mesh/RefCounted.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Platform {

// One bone of a skin: its name (the frame that moves it), the offset matrix
// that takes the mesh into the bone's space, and the vertices it weighs.
struct SkinBone {
    std::string name;
    Matrix4 offset;
    std::vector<uint32_t> vertices;
    std::vector<float> weights;
};

// How the bones of a skinned mesh weigh its vertices.
class SkinInfo : public RefCounted {
public:
    // Every bone's vertex indices are below iVertexCount (checked by the
    // makers).
    SkinInfo(uint32_t iVertexCount, std::vector<SkinBone> bones);

    uint32_t GetNumBones() const { return uint32_t(m_vBones.size()); }
    // Null for a bone index out of range.
    const char* GetBoneName(uint32_t iBone) const;
    const Matrix4* GetBoneOffsetMatrix(uint32_t iBone) const;
    const SkinBone* GetBone(uint32_t iBone) const;

    // Splits the mesh (whose vertices are the skin's) into bone combinations
    // for blending: *pMaxFaceInfl becomes the most bones that weigh the
    // vertices of one face, each combination gets at most that many bones,
    // and the blended mesh carries that many weights less one per vertex
    // (the last is 1 less the others), its faces' attribute id being their
    // combination's index. Vertex weights are normalised to a sum of 1.
    MeshResult ConvertToBlendedMesh(const Mesh* pMesh, uint32_t iOptions, uint32_t* pMaxFaceInfl,
                                    uint32_t* pNumBoneCombinations, BoneCombinationTable** ppBoneCombinationTable,
                                    Mesh** ppMesh) const;

private:
    ~SkinInfo() override = default;

    uint32_t m_iVertexCount;
    std::vector<SkinBone> m_vBones;
};

} // namespace Platform
