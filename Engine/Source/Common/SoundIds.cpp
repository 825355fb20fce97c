#include "Common/SoundIds.h"

#include "Common/IdSearch.h"
#include "Error/EngineAssert.h"

#include <span>

namespace {

#define SOUND_ID(hash) static_cast<int32_t>(hash##u)
const SoundRow s_aSounds[] = {
#include "Common/SoundTable.inc"
};
#undef SOUND_ID

const SoundGroupRow s_aSoundGroups[] = {
#include "Common/SoundGroupTable.inc"
};

// Speech sounds of the dialog lines by text id: none in the sample content.
const std::span<const SoundVariantRow> s_oSoundVariants;

} // namespace

std::span<const SoundRow> Id::GetSoundTable()
{
    return s_aSounds;
}

std::span<const SoundGroupRow> Id::GetSoundGroupTable()
{
    return s_aSoundGroups;
}

std::span<const SoundVariantRow> Id::GetSoundVariantTable()
{
    return s_oSoundVariants;
}

const SoundRow* Id::FindSound(int32_t iSoundId)
{
    return IdSearch::Find<int32_t>(GetSoundTable(), iSoundId, [](const SoundRow& row) { return row.m_iSoundId; });
}

int Id::GetPlatformSoundId(int32_t iSoundId)
{
    const SoundRow* pSoundStruct = FindSound(iSoundId);
    ENGINE_ASSERT(pSoundStruct != NULL);
    if (pSoundStruct == nullptr) {
        CorePrint(&g_oCoreLog, "GetPlatformSoundId - Invalid sound ID %d\n", iSoundId);
        return -1;
    }
    return pSoundStruct->m_iPlatformSoundId;
}

const SoundGroupRow* Id::FindSoundGroup(uint32_t uGroupId)
{
    return IdSearch::Find<uint32_t>(GetSoundGroupTable(), uGroupId,
                                    [](const SoundGroupRow& row) { return row.m_uGroupId; });
}

int32_t Id::GetSoundVariant(uint32_t uKey, int n)
{
    return GetSoundVariant(GetSoundVariantTable(), uKey, n);
}

int32_t Id::GetSoundVariant(std::span<const SoundVariantRow> rows, uint32_t uKey, int n)
{
    const SoundVariantRow* pRow =
        IdSearch::Find<uint32_t>(rows, uKey, [](const SoundVariantRow& row) { return row.m_uKey; });
    if (pRow == nullptr)
        return -1;
    if (n < 0 || n >= SOUND_VARIANT_COUNT || pRow->m_aVariants[n] == -1)
        return pRow->m_aVariants[0];
    return pRow->m_aVariants[n];
}
