#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A data pack bound in place over its caller's buffer (DkDataPackBinding).
// Everything is zero (and the names empty) while the pack is not bound.
struct DataPack {
    uint8_t* m_pTocStart = nullptr;
    uint32_t m_iTocSize = 0;
    // The first 128-byte boundary after the table of contents.
    uint8_t* m_pDataStart = nullptr;
    uint32_t m_iHeaderWord2 = 0;
    uint8_t* m_pEntries = nullptr;
    uint32_t m_iEntryCount = 0;
    uint8_t m_bBound = 0;
    // File offsets: header word 3 + 2048, and that plus header word 4.
    uint32_t m_iRegionStart = 0;
    uint32_t m_iRegionEnd = 0;
    uint32_t m_iSpare0 = 0;
    uint32_t m_iSpare1 = 0;
    // The number of entries handled so far while binding.
    uint32_t m_iBindIndex = 0;
    // The entries' names, resolved once at bind: the file's 32-bit name words
    // cannot hold an address, so the file layout stays as it is.
    std::vector<const char*> m_vEntryNames;
    // The name the pack was bound with (its file), for the loaders' errors.
    std::string m_sFileName;

    // The entry's words, read from (and, for the flags, written to) the
    // buffer. The index must be below the entry count.
    uint32_t EntryKind(uint32_t index) const;
    uint32_t EntryDataOffset(uint32_t index) const;
    uint32_t EntryDataSize(uint32_t index) const;
    uint32_t EntryFlags(uint32_t index) const;
    void SetEntryFlags(uint32_t index, uint32_t flags);
    // The entry's data (the table of contents' start plus its data offset)
    // and name.
    const uint8_t* EntryData(uint32_t index) const;
    const char* EntryName(uint32_t index) const { return m_vEntryNames[index]; }
    // The number of entries of that kind (loaders assert on their meshes).
    uint32_t GetResourceCount(uint32_t kind) const;
};
