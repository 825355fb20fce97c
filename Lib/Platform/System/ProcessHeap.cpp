#include "System/ProcessHeap.h"

#include <cstdlib>

namespace Platform {

void* ProcessHeapAlloc(size_t size)
{
    return std::malloc(size);
}

void ProcessHeapFree(void* pointer)
{
    std::free(pointer);
}

} // namespace Platform
