#include "System/ProcessHeap.h"

#include <cstdlib>
#include <malloc.h>

namespace Platform {

void* ProcessHeapAlloc(size_t size)
{
    return std::malloc(size);
}

void ProcessHeapFree(void* pointer)
{
    std::free(pointer);
}

void KeepLargeBlocksInProcessHeap()
{
    constexpr int MMAP_THRESHOLD = 32 * 1024 * 1024; // the C library's largest
    constexpr int TRIM_THRESHOLD = 64 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, MMAP_THRESHOLD);
    mallopt(M_TRIM_THRESHOLD, TRIM_THRESHOLD);
}

} // namespace Platform
