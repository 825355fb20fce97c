#include "Resource/CoreResource.h"

#include "Error/CoreError.h"
#include "Error/EngineAssert.h"
#include "File/CoreFile.h"
#include "Nubra/Common/Memory/NubraMemory.h"

#include <cstdio>

namespace Core {
namespace {

constexpr uint32_t BUFFER_GRANULE = 16;
constexpr uint32_t BUFFER_ALIGNMENT = 32;
// The largest file whose rounded-up capacity still fits 32 bits.
constexpr long MAX_FILE_SIZE = 0xFFFFFFFFL - (BUFFER_GRANULE - 1);

void ReportIncompleteRead(const char* sFilename)
{
    CoreTrace("ERROR: Can't read the file <%s> entirely\n", sFilename);
}

} // namespace

int LoadResource(CoreResource* pResource, const char* sFilename, bool allocate)
{
    ENGINE_ASSERT(pResource);
    ENGINE_ASSERT(sFilename);
    if (!pResource || !sFilename)
        return -1;

    pResource->m_uSize = 0;
    if (allocate) {
        pResource->m_uCapacity = 0;
        pResource->m_pBuffer = nullptr;
    }

    FILE* pFile = nullptr;
    if (!CoreFile::Open(&pFile, sFilename, false, false)) {
        CoreTrace("ERROR: Can't find the file : %s\n", sFilename);
        CoreEngineAssertFailed(__FILE__, __LINE__, CORE_PRETTY_FUNCTION, "FALSE");
        return -1;
    }

    std::fseek(pFile, 0, SEEK_END);
    const long end = std::ftell(pFile);
    std::rewind(pFile);
    if (end == 0) {
        std::fclose(pFile);
        CoreTrace("ERROR: The file <%s> is empty\n", sFilename);
        return -1;
    }
    if (end < 0 || end > MAX_FILE_SIZE) {
        std::fclose(pFile);
        ReportIncompleteRead(sFilename);
        return -1;
    }
    const auto size = static_cast<uint32_t>(end);

    uint32_t capacity = pResource->m_uCapacity;
    uint8_t* pFileBuffer = pResource->m_pBuffer;
    if (allocate) {
        capacity = (size + BUFFER_GRANULE - 1) & ~(BUFFER_GRANULE - 1);
        pFileBuffer = static_cast<uint8_t*>(Nubra::Memory::Malloc(capacity, BUFFER_ALIGNMENT));
    }
    ENGINE_ASSERT(pFileBuffer);
    if (!pFileBuffer) {
        std::fclose(pFile);
        return -1;
    }
    if (size > capacity) {
        std::fclose(pFile);
        CoreTrace("ERROR: The file <%s> does not fit its buffer of %u bytes\n", sFilename, capacity);
        return -1;
    }

    const size_t read = std::fread(pFileBuffer, 1, size, pFile);
    if (read == 0)
        CoreFile::ReportReadError(sFilename);
    std::fclose(pFile);
    if (read < size) {
        if (allocate)
            Nubra::Memory::Free(pFileBuffer);
        ReportIncompleteRead(sFilename);
        return -1;
    }

    pResource->m_uCapacity = capacity;
    pResource->m_pBuffer = pFileBuffer;
    pResource->m_uSize = size;
    return 0;
}

void ReleaseResource(CoreResource* pResource)
{
    if (pResource->m_pBuffer)
        Nubra::Memory::Free(pResource->m_pBuffer);
    pResource->m_uSize = 0;
    pResource->m_uCapacity = 0;
    pResource->m_pBuffer = nullptr;
}

} // namespace Core
