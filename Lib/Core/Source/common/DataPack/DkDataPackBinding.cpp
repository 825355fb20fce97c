#include "DataPack/DkDataPackBinding.h"

#include "Bytes/LittleEndian.h"
#include "DataPack/DataPackFormat.h"
#include "DataPack/DataPackLayout.h"
#include "Log/CoreLog.h"

namespace {

const DkDataPackBinding::Binding BINDINGS[] = {
    {DATAPACK_TEXTURE, nullptr, DkDataPackBinding::RegisterTexture, DkDataPackBinding::UnregisterTexture},
    {DATAPACK_XMESH, nullptr, DkDataPackBinding::RegisterXMesh, DkDataPackBinding::UnregisterXMesh},
    {DATAPACK_EDGM, nullptr, nullptr, nullptr},
    {DATAPACK_EDGA, nullptr, nullptr, nullptr},
    {DATAPACK_ATR3, nullptr, nullptr, nullptr},
};

} // namespace

const DkDataPackBinding::Binding* DkDataPackBinding::FindBinding(uint32_t kind)
{
    for (const Binding& binding : BINDINGS)
        if (binding.m_iKind == kind)
            return &binding;
    return nullptr;
}

bool DkDataPackBinding::BindPack(DataPack& pack, uint8_t* buffer, size_t size, const char* packName)
{
    if (!CheckDataPackLayout(buffer, size, packName))
        return false;

    pack = DataPack();
    pack.m_pTocStart = buffer + DATAPACK_HEADER_SIZE;
    pack.m_iTocSize = ReadWord(buffer, DATAPACK_TOC_SIZE_OFFSET);
    // Aligned on the memory address, as the entry data is when the buffer is.
    const uintptr_t tocStart = reinterpret_cast<uintptr_t>(pack.m_pTocStart);
    const uintptr_t dataStart =
        (tocStart + pack.m_iTocSize + DATAPACK_DATA_ALIGNMENT - 1) & ~uintptr_t(DATAPACK_DATA_ALIGNMENT - 1);
    pack.m_pDataStart = pack.m_pTocStart + (dataStart - tocStart);
    pack.m_iHeaderWord2 = ReadWord(buffer, DATAPACK_WORD2_OFFSET);
    pack.m_pEntries = pack.m_pTocStart + DATAPACK_ENTRY_COUNT_SIZE;
    pack.m_iEntryCount = ReadWord(pack.m_pTocStart, 0);
    pack.m_sFileName = packName != nullptr ? packName : "";

    pack.m_vEntryNames.resize(pack.m_iEntryCount);
    for (uint32_t i = 0; i < pack.m_iEntryCount; ++i) {
        const uint32_t nameOffset =
            ReadWord(pack.m_pEntries, size_t(i) * DATAPACK_ENTRY_SIZE + DATAPACK_ENTRY_NAME_OFFSET);
        pack.m_vEntryNames[i] = reinterpret_cast<const char*>(pack.m_pTocStart + nameOffset);
    }

    pack.m_iRegionStart = ReadWord(buffer, DATAPACK_REGION_OFFSET_OFFSET) + DATAPACK_HEADER_SIZE;
    pack.m_iRegionEnd = pack.m_iRegionStart + ReadWord(buffer, DATAPACK_REGION_SIZE_OFFSET);
    pack.m_iBindIndex = 0;
    pack.m_bBound = 1;

    for (uint32_t i = 0; i < pack.m_iEntryCount; ++i) {
        const Binding* binding = FindBinding(pack.EntryKind(i));
        if (binding == nullptr) {
            const uint32_t kind = pack.EntryKind(i);
            CorePrint(&g_oCoreLog, "WARNING: data pack \"%s\": entry \"%s\" of unknown kind 0x%08X skipped\n", packName,
                      pack.EntryName(i), kind);
        } else if (!(pack.EntryFlags(i) & DATAPACK_FLAG_PREPARED)) {
            if (binding->m_pfnPrepare)
                binding->m_pfnPrepare(pack, i);
            pack.SetEntryFlags(i, pack.EntryFlags(i) | DATAPACK_FLAG_PREPARED);
        }
        ++pack.m_iBindIndex;
        BindEntry(pack, i);
    }
    return true;
}

void DkDataPackBinding::BindEntry(DataPack& pack, uint32_t index)
{
    const Binding* binding = FindBinding(pack.EntryKind(index));
    if (binding == nullptr || (pack.EntryFlags(index) & DATAPACK_FLAG_REGISTERED))
        return;
    if (binding->m_pfnRegister)
        binding->m_pfnRegister(pack, index);
    pack.SetEntryFlags(index, pack.EntryFlags(index) | DATAPACK_FLAG_REGISTERED);
}

void DkDataPackBinding::UnbindPack(DataPack& pack)
{
    for (uint32_t i = 0; i < pack.m_iEntryCount; ++i) {
        if (!(pack.EntryFlags(i) & DATAPACK_FLAG_REGISTERED))
            continue;
        const Binding* binding = FindBinding(pack.EntryKind(i));
        if (binding && binding->m_pfnUnregister)
            binding->m_pfnUnregister(pack, i);
        pack.SetEntryFlags(i, pack.EntryFlags(i) & ~DATAPACK_FLAG_REGISTERED);
    }
    pack = DataPack();
}

uint32_t DkDataPackBinding::GetResourceCount(const DataPack& pack, uint32_t kind)
{
    return pack.GetResourceCount(kind);
}
