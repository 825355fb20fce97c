#pragma once
#include <cstdint>

namespace Nubra::Memory {

// How a heap is made. Only the base and the size shape the heap; the flag
// word and the further word are kept but never consulted.
struct HeapSettings {
    uint32_t iReserved0 = 0;
    uint32_t iReserved1 = 0;
    uint32_t iIgnored = 0;
    uint32_t iFlags = 0;
    // The block to carve the heap from; null: the heap takes its own block
    // from the system.
    void* pBase = nullptr;
    uint32_t iFurther = 0;
    uint32_t iSize = 0;
};

} // namespace Nubra::Memory
