#include "DataPack/DataPackLayout.h"

#include "Bytes/LittleEndian.h"
#include "DataPack/DataPackFormat.h"
#include "Log/CoreLog.h"

#include <cstring>

namespace {

bool Refuse(const char* packName, const char* reason, uint32_t entry = UINT32_MAX)
{
    if (entry == UINT32_MAX)
        CorePrint(&g_oCoreLog, "data pack \"%s\" refused: %s\n", packName, reason);
    else
        CorePrint(&g_oCoreLog, "data pack \"%s\" refused: entry %u: %s\n", packName, entry, reason);
    return false;
}

} // namespace

bool CheckDataPackLayout(const uint8_t* buffer, size_t size, const char* packName)
{
    if (buffer == nullptr || size < DATAPACK_HEADER_SIZE + DATAPACK_ENTRY_COUNT_SIZE)
        return Refuse(packName, "shorter than its header and entry count");
    if (ReadWord(buffer, DATAPACK_MAGIC_OFFSET) != DATAPACK_MAGIC)
        return Refuse(packName, "not a DPR2 data pack");

    // Sizes in 64 bits: no 32-bit word of the file can overflow them.
    const uint64_t tocSpace = size - DATAPACK_HEADER_SIZE;
    const uint64_t tocSize = ReadWord(buffer, DATAPACK_TOC_SIZE_OFFSET);
    const uint8_t* toc = buffer + DATAPACK_HEADER_SIZE;
    const uint32_t count = ReadWord(toc, 0);
    const uint64_t namesStart = DATAPACK_ENTRY_COUNT_SIZE + uint64_t(count) * DATAPACK_ENTRY_SIZE;
    if (tocSize > tocSpace)
        return Refuse(packName, "its table of contents runs past the end of the file");
    if (namesStart > tocSize)
        return Refuse(packName, "its entries run past its table of contents");

    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = toc + DATAPACK_ENTRY_COUNT_SIZE + size_t(i) * DATAPACK_ENTRY_SIZE;
        const uint64_t nameOffset = ReadWord(entry, DATAPACK_ENTRY_NAME_OFFSET);
        if (nameOffset < namesStart || nameOffset >= tocSize)
            return Refuse(packName, "its name lies outside the table's names", i);
        if (std::memchr(toc + nameOffset, '\0', size_t(tocSize - nameOffset)) == nullptr)
            return Refuse(packName, "its name is not ended inside the table of contents", i);
        // Flags are 0 in a file and cleared again by an unbind: a registered
        // entry here was never registered by this pack, and unbinding it
        // would release another pack's texture or mesh of that name.
        if (ReadWord(entry, DATAPACK_ENTRY_FLAGS) & DATAPACK_FLAG_REGISTERED)
            return Refuse(packName, "it is marked registered already", i);
        const uint64_t dataOffset = ReadWord(entry, DATAPACK_ENTRY_DATA_OFFSET);
        const uint64_t dataSize = ReadWord(entry, DATAPACK_ENTRY_DATA_SIZE);
        if (dataOffset < tocSize || dataOffset + dataSize > tocSpace)
            return Refuse(packName, "its data lies outside the file's entry data", i);
    }
    return true;
}
