#include "DataPackWriter.h"

#include "DataPack/DataPackFormat.h"
#include "LittleEndian.h"

#include <cstring>

namespace {

size_t AlignUp(size_t value, size_t alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

} // namespace

std::vector<uint8_t> WriteDataPack(const std::vector<DataPackEntrySource>& entries)
{
    const size_t tocStart = DATAPACK_HEADER_SIZE;
    const size_t namesStart = DATAPACK_ENTRY_COUNT_SIZE + entries.size() * DATAPACK_ENTRY_SIZE;
    std::vector<size_t> nameOffsets;
    size_t tocSize = namesStart;
    for (const DataPackEntrySource& entry : entries) {
        nameOffsets.push_back(tocSize);
        tocSize += entry.name.size() + 1;
    }
    tocSize = AlignUp(tocSize, 4);

    std::vector<size_t> dataOffsets;
    size_t end = AlignUp(tocStart + tocSize, DATAPACK_DATA_ALIGNMENT);
    const size_t dataStart = end;
    for (const DataPackEntrySource& entry : entries) {
        dataOffsets.push_back(end - tocStart);
        end = AlignUp(end + entry.data.size(), DATAPACK_DATA_ALIGNMENT);
    }

    std::vector<uint8_t> pack(end, 0);
    uint8_t* header = pack.data();
    PutU32(header + DATAPACK_MAGIC_OFFSET, DATAPACK_MAGIC);
    PutU32(header + DATAPACK_TOC_SIZE_OFFSET, uint32_t(tocSize));
    PutU32(header + DATAPACK_REGION_OFFSET_OFFSET, uint32_t(dataStart - tocStart));
    PutU32(header + DATAPACK_REGION_SIZE_OFFSET, uint32_t(end - dataStart));

    uint8_t* toc = pack.data() + tocStart;
    PutU32(toc, uint32_t(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const DataPackEntrySource& entry = entries[i];
        uint8_t* record = toc + DATAPACK_ENTRY_COUNT_SIZE + i * DATAPACK_ENTRY_SIZE;
        PutU32(record + DATAPACK_ENTRY_KIND, entry.kind);
        PutU32(record + DATAPACK_ENTRY_DATA_OFFSET, uint32_t(dataOffsets[i]));
        PutU32(record + DATAPACK_ENTRY_DATA_SIZE, uint32_t(entry.data.size()));
        PutU32(record + DATAPACK_ENTRY_NAME_OFFSET, uint32_t(nameOffsets[i]));
        std::memcpy(toc + nameOffsets[i], entry.name.c_str(), entry.name.size() + 1);
        if (!entry.data.empty())
            std::memcpy(toc + dataOffsets[i], entry.data.data(), entry.data.size());
    }
    return pack;
}
