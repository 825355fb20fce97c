#include "Nubra/Common/Memory/BigHeap.h"

#include "Error/CoreError.h"
#include "Log/CoreLog.h"

#include <cinttypes>
#include <cstdio>

namespace Nubra::Memory {
namespace {

constexpr uint32_t ARENA_ALIGNMENT = 32;
// Bits of the further word that the heap never keeps.
constexpr uint32_t FURTHER_WORD_DROPPED_BITS = 0x00700000u;
// Top, fence and one chunk at the least.
constexpr uint32_t MIN_ARENA_SIZE = 64;

} // namespace

BigHeap::BigHeap(uint8_t slotIndex, const HeapSettings& settings)
    : m_uFlags(settings.iFlags), m_uFurther(settings.iFurther & ~FURTHER_WORD_DROPPED_BITS), m_pBase(nullptr),
      m_uSize(0), m_uSlotIndex(slotIndex)
{
    const uintptr_t block = reinterpret_cast<uintptr_t>(settings.pBase);
    const uintptr_t skip = (ARENA_ALIGNMENT - (block & (ARENA_ALIGNMENT - 1))) & (ARENA_ALIGNMENT - 1);
    m_pBase = static_cast<uint8_t*>(settings.pBase) + skip;
    m_uSize = settings.iSize > skip ? static_cast<uint32_t>((settings.iSize - skip) & ~(ARENA_ALIGNMENT - 1)) : 0;
    if (settings.pBase && m_uSize >= MIN_ARENA_SIZE)
        m_oAllocator.Init(m_pBase, m_uSize);
}

void BigHeap::GetStats(HeapStats& stats)
{
    MallInfo info;
    GetMallInfo(this, info);
    stats.m_uTotalBytes = info.m_uTotalBytes;
    stats.m_uUsedBytes = info.m_uUsedBytes;
    stats.m_uFreeBytes = info.m_uFreeBytes;
}

void* BigHeap::Malloc(BigHeap* heap, size_t size, uint32_t /*tag*/)
{
    void* pMemory = nullptr;
    {
        HeapSpinLockGuard guard(heap->m_oAllocator.m_oLock);
        pMemory = heap->m_oAllocator.Allocate(size);
        if (pMemory)
            ++heap->m_uAllocationCount;
    }
    CORE_ASSERT(pMemory, "Memory allocation failed");
    return pMemory;
}

void* BigHeap::Memalign(size_t alignment, BigHeap* heap, size_t size, uint32_t tag)
{
    if (alignment <= 8)
        return Malloc(heap, size, tag);
    size_t power = ArenaAllocator::MIN_CHUNK_SIZE;
    while (power < alignment && power < ArenaAllocator::MAX_REQUEST)
        power <<= 1;
    alignment = power;
    if (alignment >= ArenaAllocator::MAX_REQUEST || size >= ArenaAllocator::MAX_REQUEST - alignment) {
        CORE_ASSERT(false, "Memory allocation failed");
        return nullptr;
    }
    const uint32_t chunkSize = ArenaAllocator::RequestToSize(size);
    const size_t request =
        size_t(chunkSize) + alignment + ArenaAllocator::MIN_CHUNK_SIZE - ArenaAllocator::CHUNK_OVERHEAD;
    // One lock hold for the allocation, the move and the frees of the cut-off
    // pieces: the same steps and counts as separate calls, without taking the
    // lock four times.
    void* pMemory = nullptr;
    {
        HeapSpinLockGuard guard(heap->m_oAllocator.m_oLock);
        pMemory = heap->m_oAllocator.Allocate(request);
        if (pMemory) {
            ++heap->m_uAllocationCount;
            void* pLeader = nullptr;
            void* pTrailer = nullptr;
            pMemory = heap->m_oAllocator.Align(pMemory, static_cast<uint32_t>(alignment), chunkSize, pLeader, pTrailer);
            if (pLeader) {
                heap->m_oAllocator.Release(pLeader);
                ++heap->m_uFreeCount;
            }
            if (pTrailer) {
                heap->m_oAllocator.Release(pTrailer);
                ++heap->m_uFreeCount;
            }
        }
    }
    CORE_ASSERT(pMemory, "Memory allocation failed");
    return pMemory;
}

void BigHeap::Free(BigHeap* heap, void* pointer, uint32_t /*tag*/)
{
    HeapSpinLockGuard guard(heap->m_oAllocator.m_oLock);
    heap->m_oAllocator.Release(pointer);
    ++heap->m_uFreeCount;
}

void BigHeap::BeginCall(BigHeap* /*heap*/)
{
}

void BigHeap::GetMallInfo(BigHeap* heap, MallInfo& info)
{
    HeapSpinLockGuard guard(heap->m_oAllocator.m_oLock);
    if (heap->m_oAllocator.HasTop())
        info = heap->m_oAllocator.Statistics();
}

void BigHeap::Dump()
{
    // Static so that a dump needs no memory of its own.
    static char s_line[128];
    HeapSpinLockGuard guard(m_oAllocator.m_oLock);
    m_oAllocator.ForEachChunk([](void* user, bool inUse, uint32_t size, void* chunk) {
        const uintptr_t chunkAddress = reinterpret_cast<uintptr_t>(chunk);
        std::snprintf(s_line, sizeof s_line, "0x%08" PRIxPTR " - %s - %08d 0x%08" PRIxPTR " 0x%08" PRIxPTR "\n",
                      reinterpret_cast<uintptr_t>(user), inUse ? "USED" : "FREE", static_cast<int>(size), chunkAddress,
                      chunkAddress + size);
        CoreDebugOutput(s_line);
    });
}

} // namespace Nubra::Memory
