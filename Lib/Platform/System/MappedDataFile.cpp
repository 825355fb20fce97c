#include "System/MappedDataFile.h"

#include "System/DataFile.h"

#include <cstdio>
#include <sys/mman.h>
#include <sys/stat.h>

namespace Platform {

MappedDataFile::~MappedDataFile()
{
    Unmap();
}

bool MappedDataFile::Map(const char* path, size_t maxSize)
{
    Unmap();
    FILE* file = OpenDataFile(path, "rb");
    if (file == nullptr)
        return false;
    struct stat status { };
    void* data = MAP_FAILED;
    if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
        uint64_t(status.st_size) <= maxSize)
        data = mmap(nullptr, size_t(status.st_size), PROT_READ | PROT_WRITE, MAP_PRIVATE, fileno(file), 0);
    // The mapping keeps the file's contents without its descriptor.
    std::fclose(file);
    if (data == MAP_FAILED)
        return false;
    m_pData = static_cast<uint8_t*>(data);
    m_uSize = size_t(status.st_size);
    return true;
}

void MappedDataFile::Unmap()
{
    if (m_pData != nullptr)
        munmap(m_pData, m_uSize);
    m_pData = nullptr;
    m_uSize = 0;
}

} // namespace Platform
