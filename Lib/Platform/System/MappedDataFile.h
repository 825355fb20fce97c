#pragma once
#include <cstddef>
#include <cstdint>

namespace Platform {

// A data file (found as OpenDataFile finds it) mapped whole into memory as
// the process's own copy: its bytes may be changed in place without reaching
// the file, and only the pages changed are ever copied. Mapping takes the
// file's pages straight from the system's file cache, where reading it would
// copy every byte into new memory.
class MappedDataFile {
public:
    MappedDataFile() = default;
    ~MappedDataFile();
    MappedDataFile(const MappedDataFile&) = delete;
    MappedDataFile& operator=(const MappedDataFile&) = delete;

    // False, leaving nothing mapped, when the file cannot be opened or
    // mapped, is empty, or is longer than maxSize.
    bool Map(const char* path, size_t maxSize);
    void Unmap();

    uint8_t* Data() const { return m_pData; }
    size_t Size() const { return m_uSize; }

private:
    uint8_t* m_pData = nullptr;
    size_t m_uSize = 0;
};

} // namespace Platform
