#pragma once
#include "Bytes/LittleEndian.h"
#include "DataPack/DataPackFormat.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace TestSupport {

// Lays out a data pack byte by byte, independently of the content builder,
// so that tests can make well-formed packs and then break them.
class HandMadePack {
public:
    struct Entry {
        uint32_t kind;
        std::string name;
        std::vector<uint8_t> data;
    };

    void Add(uint32_t kind, const std::string& name, std::vector<uint8_t> data = {1, 2, 3, 4})
    {
        m_entries.push_back({kind, name, std::move(data)});
    }

    std::vector<uint8_t> Bytes() const
    {
        const uint32_t namesStart = 4 + 28 * uint32_t(m_entries.size());
        uint32_t tocSize = namesStart;
        for (const Entry& entry : m_entries)
            tocSize += uint32_t(entry.name.size()) + 1;
        uint32_t dataOffset = (DATAPACK_HEADER_SIZE + tocSize + 127) / 128 * 128 - DATAPACK_HEADER_SIZE;
        uint32_t total = DATAPACK_HEADER_SIZE + dataOffset;
        for (const Entry& entry : m_entries)
            total += uint32_t(entry.data.size());

        std::vector<uint8_t> bytes(total, 0);
        Put(bytes, 0, DATAPACK_MAGIC);
        Put(bytes, 4, tocSize);
        Put(bytes, 8, 0x600D);
        Put(bytes, 12, dataOffset);
        Put(bytes, 16, total - DATAPACK_HEADER_SIZE - dataOffset);
        Put(bytes, 2048, uint32_t(m_entries.size()));
        uint32_t nameOffset = namesStart;
        for (size_t i = 0; i < m_entries.size(); ++i) {
            const Entry& entry = m_entries[i];
            const uint32_t record = EntryOffset(uint32_t(i));
            Put(bytes, record + 0, entry.kind);
            Put(bytes, record + 4, dataOffset);
            Put(bytes, record + 8, uint32_t(entry.data.size()));
            Put(bytes, record + 24, nameOffset);
            std::memcpy(&bytes[2048 + nameOffset], entry.name.c_str(), entry.name.size() + 1);
            if (!entry.data.empty())
                std::memcpy(&bytes[2048 + dataOffset], entry.data.data(), entry.data.size());
            nameOffset += uint32_t(entry.name.size()) + 1;
            dataOffset += uint32_t(entry.data.size());
        }
        return bytes;
    }

    // The file offset of entry i and of one of its words.
    static uint32_t EntryOffset(uint32_t i) { return 2052 + 28 * i; }

    static void Put(std::vector<uint8_t>& bytes, size_t offset, uint32_t value)
    {
        WriteWord(bytes.data(), offset, value);
    }
    static uint32_t Get(const std::vector<uint8_t>& bytes, size_t offset) { return ReadWord(bytes.data(), offset); }

private:
    std::vector<Entry> m_entries;
};

} // namespace TestSupport
