#include "DataPack/DataPack.h"

#include "Bytes/LittleEndian.h"
#include "DataPack/DataPackFormat.h"

namespace {

uint32_t EntryWord(const uint8_t* entries, uint32_t index, uint32_t word)
{
    return ReadWord(entries, size_t(index) * DATAPACK_ENTRY_SIZE + word);
}

} // namespace

uint32_t DataPack::EntryKind(uint32_t index) const
{
    return EntryWord(m_pEntries, index, DATAPACK_ENTRY_KIND);
}

uint32_t DataPack::EntryDataOffset(uint32_t index) const
{
    return EntryWord(m_pEntries, index, DATAPACK_ENTRY_DATA_OFFSET);
}

uint32_t DataPack::EntryDataSize(uint32_t index) const
{
    return EntryWord(m_pEntries, index, DATAPACK_ENTRY_DATA_SIZE);
}

uint32_t DataPack::EntryFlags(uint32_t index) const
{
    return EntryWord(m_pEntries, index, DATAPACK_ENTRY_FLAGS);
}

void DataPack::SetEntryFlags(uint32_t index, uint32_t flags)
{
    WriteWord(m_pEntries, size_t(index) * DATAPACK_ENTRY_SIZE + DATAPACK_ENTRY_FLAGS, flags);
}

const uint8_t* DataPack::EntryData(uint32_t index) const
{
    return m_pTocStart + EntryDataOffset(index);
}

uint32_t DataPack::GetResourceCount(uint32_t kind) const
{
    uint32_t count = 0;
    for (uint32_t i = 0; i < m_iEntryCount; ++i)
        if (EntryKind(i) == kind)
            ++count;
    return count;
}
