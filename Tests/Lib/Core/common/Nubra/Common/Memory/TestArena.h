#pragma once
#include "Nubra/Common/Memory/BigHeap.h"

#include <cstdint>
#include <vector>

namespace MemoryTest {

// A heap over a caller-supplied block, with guard bytes on both sides so that
// addresses just outside the arena are real memory. `misalignment` shifts the
// block's start off the 32-byte grid.
class TestArena {
public:
    static constexpr uint32_t GUARD = 64;

    explicit TestArena(uint32_t size, uint32_t misalignment = 0)
        : m_block(size + 2 * GUARD + 32), m_pStart(AlignedStart() + misalignment), m_heap(0, Settings(m_pStart, size))
    {
    }

    Nubra::Memory::BigHeap* Heap() { return &m_heap; }
    uint8_t* BlockStart() const { return m_pStart; }

    Nubra::Memory::MallInfo Info()
    {
        Nubra::Memory::MallInfo info;
        Nubra::Memory::BigHeap::GetMallInfo(&m_heap, info);
        return info;
    }

    void* Malloc(size_t size) { return Nubra::Memory::BigHeap::Malloc(&m_heap, size, 0); }
    void* Memalign(size_t alignment, size_t size)
    {
        return Nubra::Memory::BigHeap::Memalign(alignment, &m_heap, size, 0);
    }
    void Free(void* pointer) { Nubra::Memory::BigHeap::Free(&m_heap, pointer, 0); }

private:
    uint8_t* AlignedStart()
    {
        const uintptr_t raw = reinterpret_cast<uintptr_t>(m_block.data()) + GUARD;
        return m_block.data() + ((raw + 31) & ~uintptr_t(31)) - reinterpret_cast<uintptr_t>(m_block.data());
    }

    static Nubra::Memory::HeapSettings Settings(uint8_t* base, uint32_t size)
    {
        Nubra::Memory::HeapSettings settings;
        settings.pBase = base;
        settings.iSize = size;
        return settings;
    }

    std::vector<uint8_t> m_block;
    uint8_t* m_pStart;
    Nubra::Memory::BigHeap m_heap;
};

} // namespace MemoryTest
