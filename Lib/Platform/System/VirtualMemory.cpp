#include "System/VirtualMemory.h"

#include <sys/mman.h>

namespace Platform {

void* ReserveAndCommit(size_t size)
{
    if (size == 0)
        return nullptr;
    void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}

} // namespace Platform
