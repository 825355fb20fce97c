#include "Mesh/BoneCombinationTable.h"

#include <cstddef>
#include <utility>

namespace Platform {

BoneCombinationTable::BoneCombinationTable(std::vector<BoneCombination> combinations, std::vector<uint32_t> boneIds,
                                           uint32_t iPlacesPerCombination)
    : m_vCombinations(std::move(combinations)), m_vBoneIds(std::move(boneIds))
{
    for (std::size_t i = 0; i < m_vCombinations.size(); ++i)
        m_vCombinations[i].BoneId = m_vBoneIds.data() + i * iPlacesPerCombination;
}

} // namespace Platform
