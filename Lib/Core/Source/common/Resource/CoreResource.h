#pragma once
#include <cstdint>

// A whole file in one buffer of the main heap. The loader rounds the buffer
// up to 16 bytes and aligns it to 32; the bytes past the size are not
// cleared.
struct CoreResource {
    uint32_t m_uSize = 0;
    uint32_t m_uCapacity = 0;
    uint8_t* m_pBuffer = nullptr;
};

namespace Core {

// Reads the whole file into the resource: 0 on success, -1 when the file is
// missing, empty or unreadable. With allocate the buffer comes from the main
// heap; without, the resource's own buffer and capacity are used, and a file
// larger than the capacity is refused.
int LoadResource(CoreResource* pResource, const char* sFilename, bool allocate);

// Frees the buffer to the main heap (also one the caller supplied, which
// must therefore come from the main heap) and empties the resource.
void ReleaseResource(CoreResource* pResource);

} // namespace Core
