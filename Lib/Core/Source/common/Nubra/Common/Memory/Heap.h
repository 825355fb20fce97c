#pragma once
#include "Nubra/Common/Memory/MallInfo.h"

#include <cstddef>

namespace Nubra::Memory {

// The base of every heap kind. Heap objects live on the process heap.
class Heap {
public:
    virtual ~Heap() = default;
    virtual void GetStats(HeapStats& stats) = 0;

    // Null when the process heap refuses.
    static void* operator new(size_t size) noexcept;
    static void* operator new(size_t size, void* place) noexcept
    {
        (void)size;
        return place;
    }
    static void operator delete(void* pointer) noexcept;
};

} // namespace Nubra::Memory
