#pragma once
#include "Nubra/Common/Memory/ArenaAllocator.h"
#include "Nubra/Common/Memory/Heap.h"
#include "Nubra/Common/Memory/HeapSettings.h"

#include <cstddef>
#include <cstdint>

namespace Nubra::Memory {

// A heap over one fixed block. The tags of the calls play no part.
class BigHeap final : public Heap {
public:
    // Lays the heap out over settings.pBase (which must be set): the arena
    // starts at the first 32-byte boundary and its size is a multiple of 32
    // bytes inside the block.
    BigHeap(uint8_t slotIndex, const HeapSettings& settings);

    void GetStats(HeapStats& stats) override;

    // Null, after the "Memory allocation failed" assert, when nothing fits.
    static void* Malloc(BigHeap* heap, size_t size, uint32_t tag);
    // Alignments of 8 or less are a plain Malloc; others are raised to a
    // power of two of at least 16.
    static void* Memalign(size_t alignment, BigHeap* heap, size_t size, uint32_t tag);
    // Null, and pointers that are not an in-use block of the heap, are
    // ignored; every call counts.
    static void Free(BigHeap* heap, void* pointer, uint32_t tag);
    // Precedes every Malloc, Memalign and Free; changes nothing.
    static void BeginCall(BigHeap* heap);
    static void GetMallInfo(BigHeap* heap, MallInfo& info);

    // Writes one line per chunk below the top to the debugger output.
    void Dump();

    uint8_t* Base() const { return m_pBase; }
    uint32_t Size() const { return m_uSize; }
    uint8_t SlotIndex() const { return m_uSlotIndex; }
    uint32_t AllocationCount() const { return m_uAllocationCount; }
    uint32_t FreeCount() const { return m_uFreeCount; }
    uint32_t Flags() const { return m_uFlags; }
    uint32_t FurtherWord() const { return m_uFurther; }
    const ArenaAllocator& Allocator() const { return m_oAllocator; }

private:
    uint32_t m_uFlags;
    uint32_t m_uFurther;
    uint8_t* m_pBase;
    uint32_t m_uSize;
    uint8_t m_uSlotIndex;
    ArenaAllocator m_oAllocator;
    uint32_t m_uAllocationCount = 0;
    uint32_t m_uFreeCount = 0;
};

} // namespace Nubra::Memory
