#pragma once
#include "Mesh/RefCounted.h"

#include <cstdint>
#include <vector>

namespace Platform {

// A bone id place that no bone uses.
constexpr uint32_t UNUSED_BONE_ID = 0xFFFFFFFFu;

// One subset of a blended mesh: the faces drawn with one set of bone
// matrices. BoneId has one place per face influence, filled from the front;
// the rest hold UNUSED_BONE_ID.
struct BoneCombination {
    uint32_t AttribId;
    uint32_t FaceStart;
    uint32_t FaceCount;
    uint32_t VertexStart;
    uint32_t VertexCount;
    uint32_t* BoneId;
};

// The bone-combination table of a blended-mesh conversion; it owns the bone
// id lists its entries point into.
class BoneCombinationTable : public RefCounted {
public:
    BoneCombinationTable(std::vector<BoneCombination> combinations, std::vector<uint32_t> boneIds,
                         uint32_t iPlacesPerCombination);

    BoneCombination* GetBufferPointer() { return m_vCombinations.data(); }
    uint32_t GetCount() const { return uint32_t(m_vCombinations.size()); }

private:
    ~BoneCombinationTable() override = default;

    std::vector<BoneCombination> m_vCombinations;
    std::vector<uint32_t> m_vBoneIds;
};

} // namespace Platform
