#pragma once
#include "Error/CoreError.h"
#include "Nubra/Common/Memory/HeapSpinLock.h"
#include "Nubra/Common/Memory/MallInfo.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Nubra::Memory {

// The allocator's magic word, set once by the first heap.
extern uint32_t g_uAllocatorMagic;

// A boundary-tag allocator over one fixed arena that never grows: small bins
// of exact sizes under 256 bytes, bitwise tries of larger free chunks, a
// designated victim (the remainder of the last split, used first for small
// requests) and a top chunk followed by a 16-byte fence at the arena's end.
//
// A chunk starts 4 bytes before its header word (that word is the previous
// chunk's last word, holding the previous chunk's size while it is free); the
// user's bytes start 8 bytes after the chunk. Links between chunks are 32-bit
// byte offsets from the arena's base, so every chunk keeps its 4-byte
// overhead, 8-byte alignment and 16-byte minimum. Every word is read and
// written through a check against the arena, so a damaged heap reports its
// corruption instead of touching memory outside the arena.
//
// Callers hold m_oLock around every call but Init.
class ArenaAllocator {
public:
    static constexpr uint32_t CHUNK_OVERHEAD = 4;
    static constexpr uint32_t MIN_CHUNK_SIZE = 16;
    static constexpr uint32_t FENCE_SIZE = 16;
    static constexpr uint32_t MAX_REQUEST = 0xFFFFFFC0u;
    static constexpr uint32_t MAX_SMALL_REQUEST = 244;
    static constexpr uint32_t MAGIC = 0x58585858u;

    // The chunk size that serves a request under MAX_REQUEST.
    static uint32_t RequestToSize(size_t bytes);

    // Lays the arena out as one top chunk and the fence. The arena's base is
    // aligned to 8 bytes and its size is at least 64 bytes.
    void Init(uint8_t* pArena, uint32_t uSize);

    // Null when nothing fits; the arena never grows.
    void* Allocate(size_t bytes);
    // Moves an allocation of at least chunkSize + alignment + 12 bytes to the
    // first user address aligned to `alignment` (a power of two, at least 16)
    // that leaves a leading free chunk, and cuts off a trailing piece of more
    // than 16 bytes. The two pieces, if any, come back in-use for the caller
    // to free.
    void* Align(void* pMemory, uint32_t alignment, uint32_t chunkSize, void*& pLeader, void*& pTrailer);
    // Ignores pointers that are not an in-use chunk of the arena.
    void Release(void* pMemory);

    MallInfo Statistics() const;
    // Calls visit(userAddress, inUse, chunkSize, chunkAddress) for every chunk
    // below the top, stopping at a fence.
    template <class Visit>
    void ForEachChunk(Visit visit) const;

    bool HasTop() const { return m_uTop != NIL; }
    uint32_t TopSize() const { return m_uTopSize; }
    uint32_t Magic() const { return m_uMagic; }

    HeapSpinLock m_oLock;

private:
    static constexpr uint32_t NIL = 0xFFFFFFFFu;
    static constexpr uint32_t NSMALLBINS = 32;
    static constexpr uint32_t NTREEBINS = 32;

    // Chunk words, inlined at every use; the checks fail only on a damaged
    // heap, so their reports stay out of line.
    uint32_t Load(uint64_t offset) const
    {
        if (offset + 4 > m_uArenaSize || (offset & 3) != 0) [[unlikely]]
            return LoadOutsideArena();
        uint32_t value;
        std::memcpy(&value, m_pArena + offset, sizeof value);
        return value;
    }
    void Store(uint64_t offset, uint32_t value)
    {
        if (offset + 4 > m_uArenaSize || (offset & 3) != 0) [[unlikely]] {
            StoreOutsideArena();
            return;
        }
        std::memcpy(m_pArena + offset, &value, sizeof value);
    }
    // Words of a chunk that IsChunk accepted: it ends at or below the top, and
    // the top and the fence follow, so its first 32 bytes need no check.
    uint32_t Word(uint32_t chunk, uint32_t at) const
    {
        uint32_t value;
        std::memcpy(&value, m_pArena + chunk + at, sizeof value);
        return value;
    }
    void SetWord(uint32_t chunk, uint32_t at, uint32_t value)
    {
        std::memcpy(m_pArena + chunk + at, &value, sizeof value);
    }
    [[gnu::cold, gnu::noinline]] static uint32_t LoadOutsideArena();
    [[gnu::cold, gnu::noinline]] static void StoreOutsideArena();
    uint32_t Head(uint32_t chunk) const { return Load(uint64_t(chunk) + 4); }
    void SetHead(uint32_t chunk, uint32_t head) { Store(uint64_t(chunk) + 4, head); }
    uint32_t ChunkSize(uint32_t chunk) const { return Head(chunk) & ~7u; }
    uint32_t Fd(uint32_t chunk) const;
    uint32_t Bk(uint32_t chunk) const;
    void SetFd(uint32_t chunk, uint32_t link);
    void SetBk(uint32_t chunk, uint32_t link);
    // For a chunk that IsChunk accepted.
    uint32_t VerifiedLeftmostChild(uint32_t chunk) const;

    // A link that may name a free chunk below the top.
    bool IsChunk(uint64_t offset) const
    {
        return (offset & 7) == 0 && offset >= m_uLeast && offset + MIN_CHUNK_SIZE <= m_uTop;
    }
    void* UserPointer(uint32_t chunk) const { return m_pArena + chunk + 8; }

    // Header and footer updates.
    void SetInUseAndPinUse(uint32_t chunk, uint32_t size);
    void SetSizeAndPinUseOfInUse(uint32_t chunk, uint32_t size) { SetHead(chunk, size | 3u); }
    void SetSizeAndPinUseOfFree(uint32_t chunk, uint32_t size);
    void SetFreeWithPinUse(uint32_t chunk, uint32_t size, uint32_t next);
    void SetInUse(uint32_t chunk, uint32_t size);

    // Bins.
    static uint32_t SmallBinHead(uint32_t index) { return (index << 3) | 1u; }
    static uint32_t TreeBinMarker(uint32_t index) { return (index << 3) | 2u; }
    static uint32_t TreeIndex(uint32_t size);
    static uint32_t LeftShiftForTreeIndex(uint32_t index);
    void InsertSmallChunk(uint32_t chunk, uint32_t size);
    void UnlinkSmallChunk(uint32_t chunk, uint32_t size);
    uint32_t TakeFirstSmallChunk(uint32_t index);
    void ClearSmallBin(uint32_t index);
    void InsertLargeChunk(uint32_t chunk, uint32_t size);
    void UnlinkLargeChunk(uint32_t chunk);
    void InsertChunk(uint32_t chunk, uint32_t size);
    void UnlinkChunk(uint32_t chunk, uint32_t size);
    void ReplaceDesignatedVictim(uint32_t chunk, uint32_t size);

    void* AllocateFromTreesSmall(uint32_t size);
    void* AllocateFromTreesLarge(uint32_t size);

    uint8_t* m_pArena = nullptr;
    uint32_t m_uArenaSize = 0;

    uint32_t m_uSmallMap = 0;
    uint32_t m_uTreeMap = 0;
    uint32_t m_uDesignatedVictimSize = 0;
    uint32_t m_uDesignatedVictim = NIL;
    uint32_t m_uTopSize = 0;
    uint32_t m_uTop = NIL;
    uint32_t m_uLeast = 0;
    uint32_t m_uMagic = 0;
    // Bin i's forward and backward links are words 2i + 2 and 2i + 3.
    uint32_t m_aSmallBins[(NSMALLBINS + 1) * 2] = {};
    uint32_t m_aTreeBins[NTREEBINS] = {};
    uint32_t m_uSmallestTopSize = 0;
};

template <class Visit>
void ArenaAllocator::ForEachChunk(Visit visit) const
{
    if (!HasTop())
        return;
    constexpr uint32_t FENCEPOST_HEAD = 7;
    uint32_t chunk = m_uLeast;
    while (chunk != m_uTop) {
        const uint32_t head = Head(chunk);
        if (head == FENCEPOST_HEAD)
            break;
        const uint32_t size = head & ~7u;
        if (size < MIN_CHUNK_SIZE || uint64_t(chunk) + size > m_uTop) {
            CORE_ASSERT(false, "Aborting: Heap as been corrupted");
            break;
        }
        visit(UserPointer(chunk), (head & 2u) != 0, size, m_pArena + chunk);
        chunk += size;
    }
}

} // namespace Nubra::Memory
