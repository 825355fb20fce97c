#include "Nubra/Common/Memory/ArenaAllocator.h"

#include "Error/CoreError.h"

#include <bit>
#include <cstring>

// Each corruption site reports on its own, so "Always" silences only it.
#define HEAP_CORRUPTED() CORE_ASSERT(false, "Aborting: Heap as been corrupted")

namespace Nubra::Memory {

uint32_t g_uAllocatorMagic = 0;

namespace {

constexpr uint32_t PINUSE = 1;
constexpr uint32_t CINUSE = 2;
constexpr uint32_t INUSE_BITS = PINUSE | CINUSE;
constexpr uint32_t MIN_REQUEST = ArenaAllocator::MIN_CHUNK_SIZE - ArenaAllocator::CHUNK_OVERHEAD - 1;
constexpr uint32_t MIN_LARGE_SIZE = 256;
constexpr uint32_t TREEBIN_SHIFT = 8;
// No trie is deeper than the bits of a size; a longer path is a damaged heap.
constexpr int MAX_TREE_STEPS = 64;
// Word offsets inside a chunk.
constexpr uint32_t HEAD_AT = 4;
constexpr uint32_t FD_AT = 8;
constexpr uint32_t BK_AT = 12;
constexpr uint32_t CHILD_AT = 16;
constexpr uint32_t PARENT_AT = 24;
constexpr uint32_t INDEX_AT = 28;

uint32_t LeftBits(uint32_t bit)
{
    return (bit << 1) | (0u - (bit << 1));
}

} // namespace

uint32_t ArenaAllocator::RequestToSize(size_t bytes)
{
    if (bytes < MIN_REQUEST)
        return MIN_CHUNK_SIZE;
    return static_cast<uint32_t>((bytes + CHUNK_OVERHEAD + 7) & ~size_t(7));
}

void ArenaAllocator::Init(uint8_t* pArena, uint32_t uSize)
{
    {
        HeapSpinLockGuard guard(g_oGlobalSpinLock);
        if (g_uAllocatorMagic == 0)
            g_uAllocatorMagic = MAGIC;
    }
    m_uSmallMap = 0;
    m_uTreeMap = 0;
    m_uDesignatedVictimSize = 0;
    m_uDesignatedVictim = NIL;
    m_uMagic = g_uAllocatorMagic;
    for (uint32_t i = 0; i < NSMALLBINS; ++i)
        ClearSmallBin(i);
    for (uint32_t& root : m_aTreeBins)
        root = NIL;

    const uint32_t skip = static_cast<uint32_t>((8 - (reinterpret_cast<uintptr_t>(pArena) & 7)) & 7);
    m_pArena = pArena;
    m_uArenaSize = uSize;
    m_uLeast = skip;
    m_uTop = skip;
    m_uTopSize = uSize - skip - FENCE_SIZE;
    SetHead(m_uTop, m_uTopSize | PINUSE);
    SetHead(m_uTop + m_uTopSize, FENCE_SIZE);
    m_uSmallestTopSize = m_uTopSize;
}

uint32_t ArenaAllocator::LoadOutsideArena()
{
    HEAP_CORRUPTED();
    return 0;
}

void ArenaAllocator::StoreOutsideArena()
{
    HEAP_CORRUPTED();
}

// Small-bin heads live outside the arena: a link with the tag 1 in its low
// bits names the head of bin (link >> 3).
uint32_t ArenaAllocator::Fd(uint32_t chunk) const
{
    if ((chunk & 7) == 1 && (chunk >> 3) < NSMALLBINS)
        return m_aSmallBins[2 * (chunk >> 3) + 2];
    return Load(uint64_t(chunk) + 8);
}

uint32_t ArenaAllocator::Bk(uint32_t chunk) const
{
    if ((chunk & 7) == 1 && (chunk >> 3) < NSMALLBINS)
        return m_aSmallBins[2 * (chunk >> 3) + 3];
    return Load(uint64_t(chunk) + 12);
}

void ArenaAllocator::SetFd(uint32_t chunk, uint32_t link)
{
    if ((chunk & 7) == 1 && (chunk >> 3) < NSMALLBINS)
        m_aSmallBins[2 * (chunk >> 3) + 2] = link;
    else
        Store(uint64_t(chunk) + 8, link);
}

void ArenaAllocator::SetBk(uint32_t chunk, uint32_t link)
{
    if ((chunk & 7) == 1 && (chunk >> 3) < NSMALLBINS)
        m_aSmallBins[2 * (chunk >> 3) + 3] = link;
    else
        Store(uint64_t(chunk) + 12, link);
}

uint32_t ArenaAllocator::VerifiedLeftmostChild(uint32_t chunk) const
{
    const uint32_t left = Word(chunk, CHILD_AT);
    return left != NIL ? left : Word(chunk, CHILD_AT + 4);
}

void ArenaAllocator::SetInUseAndPinUse(uint32_t chunk, uint32_t size)
{
    SetHead(chunk, size | INUSE_BITS);
    SetHead(chunk + size, Head(chunk + size) | PINUSE);
}

void ArenaAllocator::SetSizeAndPinUseOfFree(uint32_t chunk, uint32_t size)
{
    SetHead(chunk, size | PINUSE);
    Store(uint64_t(chunk) + size, size);
}

void ArenaAllocator::SetFreeWithPinUse(uint32_t chunk, uint32_t size, uint32_t next)
{
    SetHead(next, Head(next) & ~PINUSE);
    SetSizeAndPinUseOfFree(chunk, size);
}

void ArenaAllocator::SetInUse(uint32_t chunk, uint32_t size)
{
    SetHead(chunk, (Head(chunk) & PINUSE) | size | CINUSE);
    SetHead(chunk + size, Head(chunk + size) | PINUSE);
}

uint32_t ArenaAllocator::TreeIndex(uint32_t size)
{
    const uint32_t x = size >> TREEBIN_SHIFT;
    if (x == 0)
        return 0;
    if (x > 0xFFFF)
        return NTREEBINS - 1;
    const uint32_t k = 31 - static_cast<uint32_t>(std::countl_zero(x));
    return (k << 1) + ((size >> (k + TREEBIN_SHIFT - 1)) & 1);
}

uint32_t ArenaAllocator::LeftShiftForTreeIndex(uint32_t index)
{
    return index == NTREEBINS - 1 ? 0 : 31 - ((index >> 1) + TREEBIN_SHIFT - 2);
}

void ArenaAllocator::ClearSmallBin(uint32_t index)
{
    m_uSmallMap &= ~(1u << index);
    m_aSmallBins[2 * index + 2] = SmallBinHead(index);
    m_aSmallBins[2 * index + 3] = SmallBinHead(index);
}

void ArenaAllocator::InsertSmallChunk(uint32_t chunk, uint32_t size)
{
    const uint32_t index = size >> 3;
    const uint32_t head = SmallBinHead(index);
    uint32_t forward = head;
    if ((m_uSmallMap & (1u << index)) == 0)
        m_uSmallMap |= 1u << index;
    else if (IsChunk(Fd(head)))
        forward = Fd(head);
    else
        HEAP_CORRUPTED();
    SetFd(head, chunk);
    SetBk(forward, chunk);
    SetFd(chunk, forward);
    SetBk(chunk, head);
}

void ArenaAllocator::UnlinkSmallChunk(uint32_t chunk, uint32_t size)
{
    const uint32_t forward = Fd(chunk);
    const uint32_t backward = Bk(chunk);
    const uint32_t index = size >> 3;
    const uint32_t head = SmallBinHead(index);
    if (forward == backward)
        ClearSmallBin(index);
    else if ((forward == head || IsChunk(forward)) && (backward == head || IsChunk(backward))) {
        SetBk(forward, backward);
        SetFd(backward, forward);
    } else
        HEAP_CORRUPTED();
}

// The first chunk of a non-empty small bin, unlinked; NIL (and the bin
// emptied) when the bin's links are damaged.
uint32_t ArenaAllocator::TakeFirstSmallChunk(uint32_t index)
{
    const uint32_t head = SmallBinHead(index);
    const uint32_t chunk = Fd(head);
    if (!IsChunk(chunk) || uint64_t(chunk) + (index << 3) > m_uTop) {
        HEAP_CORRUPTED();
        ClearSmallBin(index);
        return NIL;
    }
    const uint32_t forward = Fd(chunk);
    if (forward == head)
        ClearSmallBin(index);
    else if (IsChunk(forward)) {
        SetFd(head, forward);
        SetBk(forward, head);
    } else {
        HEAP_CORRUPTED();
        ClearSmallBin(index);
    }
    return chunk;
}

// The chunk is a free chunk of at least 256 bytes below the top.
void ArenaAllocator::InsertLargeChunk(uint32_t chunk, uint32_t size)
{
    const uint32_t index = TreeIndex(size);
    SetWord(chunk, INDEX_AT, index);
    SetWord(chunk, CHILD_AT, NIL);
    SetWord(chunk, CHILD_AT + 4, NIL);
    if ((m_uTreeMap & (1u << index)) == 0) {
        m_uTreeMap |= 1u << index;
        m_aTreeBins[index] = chunk;
        SetWord(chunk, PARENT_AT, TreeBinMarker(index));
        SetWord(chunk, FD_AT, chunk);
        SetWord(chunk, BK_AT, chunk);
        return;
    }
    uint32_t node = m_aTreeBins[index];
    uint32_t sizeBits = size << LeftShiftForTreeIndex(index);
    for (int step = 0;; ++step) {
        if (!IsChunk(node) || step == MAX_TREE_STEPS) {
            HEAP_CORRUPTED();
            return;
        }
        if ((Word(node, HEAD_AT) & ~7u) != size) {
            const uint32_t childAt = CHILD_AT + 4 * ((sizeBits >> 31) & 1);
            sizeBits <<= 1;
            const uint32_t child = Word(node, childAt);
            if (child != NIL) {
                node = child;
                continue;
            }
            SetWord(node, childAt, chunk);
            SetWord(chunk, PARENT_AT, node);
            SetWord(chunk, FD_AT, chunk);
            SetWord(chunk, BK_AT, chunk);
            return;
        }
        // Same size: join the node's list; only the node itself is in the trie.
        const uint32_t forward = Word(node, FD_AT);
        if (!IsChunk(forward)) {
            HEAP_CORRUPTED();
            return;
        }
        SetWord(forward, BK_AT, chunk);
        SetWord(node, FD_AT, chunk);
        SetWord(chunk, FD_AT, forward);
        SetWord(chunk, BK_AT, node);
        SetWord(chunk, PARENT_AT, NIL);
        return;
    }
}

// The chunk passed IsChunk: every caller checks it first.
void ArenaAllocator::UnlinkLargeChunk(uint32_t chunk)
{
    const uint32_t parent = Word(chunk, PARENT_AT);
    uint32_t replacement = Word(chunk, BK_AT);
    if (replacement != chunk) {
        const uint32_t forward = Word(chunk, FD_AT);
        if (IsChunk(forward) && IsChunk(replacement)) {
            SetWord(forward, BK_AT, replacement);
            SetWord(replacement, FD_AT, forward);
        } else
            HEAP_CORRUPTED();
    } else {
        // Replace the node by its rightmost-then-leftmost leaf.
        uint32_t slotChunk = chunk;
        uint32_t slotAt = CHILD_AT + 4;
        replacement = Word(chunk, slotAt);
        if (replacement == NIL) {
            slotAt = CHILD_AT;
            replacement = Word(chunk, slotAt);
        }
        if (replacement != NIL) {
            for (int step = 0;; ++step) {
                if (!IsChunk(replacement) || step == MAX_TREE_STEPS) {
                    HEAP_CORRUPTED();
                    return;
                }
                uint32_t childAt = CHILD_AT + 4;
                uint32_t child = Word(replacement, childAt);
                if (child == NIL) {
                    childAt = CHILD_AT;
                    child = Word(replacement, childAt);
                    if (child == NIL)
                        break;
                }
                slotChunk = replacement;
                slotAt = childAt;
                replacement = child;
            }
            SetWord(slotChunk, slotAt, NIL);
        }
    }
    if (parent == NIL)
        return;

    const uint32_t index = Word(chunk, INDEX_AT);
    if (index >= NTREEBINS) {
        HEAP_CORRUPTED();
        return;
    }
    if (m_aTreeBins[index] == chunk) {
        m_aTreeBins[index] = replacement;
        if (replacement == NIL)
            m_uTreeMap &= ~(1u << index);
    } else if (IsChunk(parent)) {
        if (Word(parent, CHILD_AT) == chunk)
            SetWord(parent, CHILD_AT, replacement);
        else
            SetWord(parent, CHILD_AT + 4, replacement);
    } else
        HEAP_CORRUPTED();

    if (replacement == NIL)
        return;
    if (!IsChunk(replacement)) {
        HEAP_CORRUPTED();
        return;
    }
    SetWord(replacement, PARENT_AT, parent);
    for (uint32_t childAt = CHILD_AT; childAt <= CHILD_AT + 4; childAt += 4) {
        const uint32_t child = Word(chunk, childAt);
        if (child == NIL)
            continue;
        if (IsChunk(child)) {
            SetWord(replacement, childAt, child);
            SetWord(child, PARENT_AT, replacement);
        } else
            HEAP_CORRUPTED();
    }
}

void ArenaAllocator::InsertChunk(uint32_t chunk, uint32_t size)
{
    if (size < MIN_LARGE_SIZE)
        InsertSmallChunk(chunk, size);
    else
        InsertLargeChunk(chunk, size);
}

void ArenaAllocator::UnlinkChunk(uint32_t chunk, uint32_t size)
{
    if (size < MIN_LARGE_SIZE)
        UnlinkSmallChunk(chunk, size);
    else
        UnlinkLargeChunk(chunk);
}

void ArenaAllocator::ReplaceDesignatedVictim(uint32_t chunk, uint32_t size)
{
    if (m_uDesignatedVictimSize != 0)
        InsertChunk(m_uDesignatedVictim, m_uDesignatedVictimSize);
    m_uDesignatedVictimSize = size;
    m_uDesignatedVictim = chunk;
}

// Best fit for a small request from the smallest non-empty tree; the
// remainder becomes the designated victim.
void* ArenaAllocator::AllocateFromTreesSmall(uint32_t size)
{
    const uint32_t index = static_cast<uint32_t>(std::countr_zero(m_uTreeMap));
    uint32_t node = m_aTreeBins[index];
    uint32_t best = node;
    if (!IsChunk(node)) {
        HEAP_CORRUPTED();
        return nullptr;
    }
    uint32_t bestRemainder = (Word(node, HEAD_AT) & ~7u) - size;
    for (int step = 0; (node = VerifiedLeftmostChild(node)) != NIL; ++step) {
        if (!IsChunk(node) || step == MAX_TREE_STEPS) {
            HEAP_CORRUPTED();
            return nullptr;
        }
        const uint32_t remainder = (Word(node, HEAD_AT) & ~7u) - size;
        if (remainder < bestRemainder) {
            bestRemainder = remainder;
            best = node;
        }
    }
    if (uint64_t(best) + size + bestRemainder > m_uTop) {
        HEAP_CORRUPTED();
        return nullptr;
    }
    UnlinkLargeChunk(best);
    if (bestRemainder < MIN_CHUNK_SIZE)
        SetInUseAndPinUse(best, bestRemainder + size);
    else {
        SetSizeAndPinUseOfInUse(best, size);
        SetSizeAndPinUseOfFree(best + size, bestRemainder);
        ReplaceDesignatedVictim(best + size, bestRemainder);
    }
    return UserPointer(best);
}

// The smallest tree chunk not smaller than a large request, used only when
// it leaves less than the designated victim would.
void* ArenaAllocator::AllocateFromTreesLarge(uint32_t size)
{
    uint32_t best = NIL;
    uint32_t bestRemainder = 0u - size;
    const uint32_t index = TreeIndex(size);
    uint32_t node = m_aTreeBins[index];
    int steps = 0;
    if (node != NIL) {
        // Walk down the trie along the size's bits, remembering the deepest
        // right subtree not taken: it holds the next larger sizes.
        uint32_t sizeBits = size << LeftShiftForTreeIndex(index);
        uint32_t rightSubtree = NIL;
        for (;;) {
            if (!IsChunk(node) || ++steps > MAX_TREE_STEPS) {
                HEAP_CORRUPTED();
                return nullptr;
            }
            const uint32_t remainder = (Word(node, HEAD_AT) & ~7u) - size;
            if (remainder < bestRemainder) {
                best = node;
                bestRemainder = remainder;
                if (remainder == 0)
                    break;
            }
            const uint32_t right = Word(node, CHILD_AT + 4);
            node = Word(node, CHILD_AT + 4 * ((sizeBits >> 31) & 1));
            if (right != NIL && right != node)
                rightSubtree = right;
            if (node == NIL) {
                node = rightSubtree;
                break;
            }
            sizeBits <<= 1;
        }
    }
    if (node == NIL && best == NIL) {
        const uint32_t larger = LeftBits(1u << index) & m_uTreeMap;
        if (larger != 0)
            node = m_aTreeBins[std::countr_zero(larger)];
    }
    while (node != NIL) {
        if (!IsChunk(node) || ++steps > 2 * MAX_TREE_STEPS) {
            HEAP_CORRUPTED();
            return nullptr;
        }
        const uint32_t remainder = (Word(node, HEAD_AT) & ~7u) - size;
        if (remainder < bestRemainder) {
            bestRemainder = remainder;
            best = node;
        }
        node = VerifiedLeftmostChild(node);
    }
    if (best == NIL || bestRemainder >= m_uDesignatedVictimSize - size)
        return nullptr;
    if (uint64_t(best) + size + bestRemainder > m_uTop) {
        HEAP_CORRUPTED();
        return nullptr;
    }
    UnlinkLargeChunk(best);
    if (bestRemainder < MIN_CHUNK_SIZE)
        SetInUseAndPinUse(best, bestRemainder + size);
    else {
        SetSizeAndPinUseOfInUse(best, size);
        SetSizeAndPinUseOfFree(best + size, bestRemainder);
        InsertChunk(best + size, bestRemainder);
    }
    return UserPointer(best);
}

void* ArenaAllocator::Allocate(size_t bytes)
{
    if (!HasTop())
        return nullptr;
    uint32_t size;
    if (bytes <= MAX_SMALL_REQUEST) {
        size = RequestToSize(bytes);
        uint32_t index = size >> 3;
        const uint32_t smallBits = m_uSmallMap >> index;
        if (smallBits & 3u) {
            // Its own bin or the next: no remainder worth keeping.
            index += ~smallBits & 1u;
            const uint32_t chunk = TakeFirstSmallChunk(index);
            if (chunk != NIL) {
                SetInUseAndPinUse(chunk, index << 3);
                return UserPointer(chunk);
            }
        } else if (size > m_uDesignatedVictimSize) {
            if (smallBits != 0) {
                const uint32_t larger = (smallBits << index) & LeftBits(1u << index);
                const uint32_t binIndex = static_cast<uint32_t>(std::countr_zero(larger));
                const uint32_t chunk = TakeFirstSmallChunk(binIndex);
                if (chunk != NIL) {
                    const uint32_t remainder = (binIndex << 3) - size;
                    SetSizeAndPinUseOfInUse(chunk, size);
                    SetSizeAndPinUseOfFree(chunk + size, remainder);
                    ReplaceDesignatedVictim(chunk + size, remainder);
                    return UserPointer(chunk);
                }
            } else if (m_uTreeMap != 0) {
                if (void* memory = AllocateFromTreesSmall(size))
                    return memory;
            }
        }
    } else if (bytes >= MAX_REQUEST)
        return nullptr;
    else {
        size = RequestToSize(bytes);
        if (m_uTreeMap != 0) {
            if (void* memory = AllocateFromTreesLarge(size))
                return memory;
        }
    }

    if (size <= m_uDesignatedVictimSize) {
        const uint32_t chunk = m_uDesignatedVictim;
        const uint32_t remainder = m_uDesignatedVictimSize - size;
        if (remainder >= MIN_CHUNK_SIZE) {
            m_uDesignatedVictim = chunk + size;
            m_uDesignatedVictimSize = remainder;
            SetSizeAndPinUseOfFree(m_uDesignatedVictim, remainder);
            SetSizeAndPinUseOfInUse(chunk, size);
        } else {
            const uint32_t whole = m_uDesignatedVictimSize;
            m_uDesignatedVictimSize = 0;
            m_uDesignatedVictim = NIL;
            SetInUseAndPinUse(chunk, whole);
        }
        return UserPointer(chunk);
    }
    if (size < m_uTopSize) {
        const uint32_t chunk = m_uTop;
        m_uTopSize -= size;
        m_uTop = chunk + size;
        SetHead(m_uTop, m_uTopSize | PINUSE);
        SetSizeAndPinUseOfInUse(chunk, size);
        if (m_uTopSize < m_uSmallestTopSize)
            m_uSmallestTopSize = m_uTopSize;
        return UserPointer(chunk);
    }
    return nullptr;
}

void* ArenaAllocator::Align(void* pMemory, uint32_t alignment, uint32_t chunkSize, void*& pLeader, void*& pTrailer)
{
    pLeader = nullptr;
    pTrailer = nullptr;
    const uintptr_t base = reinterpret_cast<uintptr_t>(m_pArena);
    const uintptr_t address = reinterpret_cast<uintptr_t>(pMemory);
    uint32_t chunk = static_cast<uint32_t>(address - base - 8);
    if (address % alignment != 0) {
        const uintptr_t alignedAddress = (address + alignment - 1) & ~uintptr_t(alignment - 1);
        uint32_t alignedChunk = static_cast<uint32_t>(alignedAddress - base - 8);
        if (alignedChunk - chunk < MIN_CHUNK_SIZE)
            alignedChunk += alignment;
        const uint32_t leadSize = alignedChunk - chunk;
        SetInUse(alignedChunk, ChunkSize(chunk) - leadSize);
        SetInUse(chunk, leadSize);
        pLeader = UserPointer(chunk);
        chunk = alignedChunk;
    }
    const uint32_t size = ChunkSize(chunk);
    if (size > chunkSize + MIN_CHUNK_SIZE) {
        SetInUse(chunk, chunkSize);
        SetInUse(chunk + chunkSize, size - chunkSize);
        pTrailer = UserPointer(chunk + chunkSize);
    }
    return UserPointer(chunk);
}

void ArenaAllocator::Release(void* pMemory)
{
    if (!pMemory || !HasTop())
        return;
    const uintptr_t base = reinterpret_cast<uintptr_t>(m_pArena);
    const uintptr_t address = reinterpret_cast<uintptr_t>(pMemory);
    // Only an in-use chunk below the top can be freed; anything else is not
    // ours, or freed already.
    if (address < base + 8 || address - base - 8 < m_uLeast || address - base - 8 >= m_uTop ||
        ((address - base) & 7) != 0)
        return;
    uint32_t chunk = static_cast<uint32_t>(address - base - 8);
    // Below the top and, once its size is checked, so is the next chunk: their
    // words need no further check.
    const uint32_t head = Word(chunk, HEAD_AT);
    if ((head & CINUSE) == 0)
        return;
    uint32_t size = head & ~7u;
    const uint32_t next = chunk + size;
    if (size < MIN_CHUNK_SIZE || uint64_t(chunk) + size > m_uTop || (Word(next, HEAD_AT) & PINUSE) == 0)
        return;

    if ((head & PINUSE) == 0) {
        const uint32_t previousSize = Word(chunk, 0);
        const uint64_t previous = uint64_t(chunk) - previousSize;
        if (previousSize < MIN_CHUNK_SIZE || (previousSize & 7) != 0 || previousSize > chunk - m_uLeast)
            return;
        chunk = static_cast<uint32_t>(previous);
        size += previousSize;
        if (chunk != m_uDesignatedVictim)
            UnlinkChunk(chunk, previousSize);
        else if ((Word(next, HEAD_AT) & INUSE_BITS) == INUSE_BITS) {
            m_uDesignatedVictimSize = size;
            SetFreeWithPinUse(chunk, size, next);
            return;
        }
    }

    const uint32_t nextHead = Word(next, HEAD_AT);
    if ((nextHead & CINUSE) == 0) {
        if (next == m_uTop) {
            m_uTopSize += size;
            m_uTop = chunk;
            SetHead(chunk, m_uTopSize | PINUSE);
            if (chunk == m_uDesignatedVictim) {
                m_uDesignatedVictim = NIL;
                m_uDesignatedVictimSize = 0;
            }
            return;
        }
        if (next == m_uDesignatedVictim) {
            m_uDesignatedVictimSize += size;
            m_uDesignatedVictim = chunk;
            SetSizeAndPinUseOfFree(chunk, m_uDesignatedVictimSize);
            return;
        }
        const uint32_t nextSize = nextHead & ~7u;
        if (nextSize < MIN_CHUNK_SIZE || uint64_t(next) + nextSize > m_uTop) {
            HEAP_CORRUPTED();
            return;
        }
        size += nextSize;
        UnlinkChunk(next, nextSize);
        SetSizeAndPinUseOfFree(chunk, size);
        if (chunk == m_uDesignatedVictim) {
            m_uDesignatedVictimSize = size;
            return;
        }
    } else
        SetFreeWithPinUse(chunk, size, next);
    InsertChunk(chunk, size);
}

MallInfo ArenaAllocator::Statistics() const
{
    MallInfo info;
    if (!HasTop())
        return info;
    uint64_t total = 0;
    uint64_t freeBytes = 0;
    uint32_t largest = m_uTopSize;
    ForEachChunk([&](void*, bool inUse, uint32_t size, void*) {
        total += size;
        if (inUse)
            ++info.m_uUsedChunks;
        else {
            ++info.m_uFreeChunks;
            freeBytes += size;
            if (size - CHUNK_OVERHEAD > largest)
                largest = size - CHUNK_OVERHEAD;
        }
    });
    total += uint64_t(m_uTopSize) + FENCE_SIZE;
    freeBytes += uint64_t(m_uTopSize) + FENCE_SIZE;
    ++info.m_uFreeChunks;

    info.m_uTotalBytes = static_cast<uint32_t>(total);
    info.m_uFreeBytes = static_cast<uint32_t>(freeBytes);
    info.m_uUsedBytes = static_cast<uint32_t>(m_uArenaSize - freeBytes);
    info.m_uLargestFree = largest;
    info.m_uSmallestTop = m_uSmallestTopSize;
    if (info.m_uUsedChunks != 0) {
        const uint64_t otherFree = info.m_uFreeChunks - 1;
        const uint64_t share = (otherFree << 32) / (info.m_uUsedChunks + otherFree);
        info.m_uFreeShare = share > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(share);
        const uint64_t belowFence = total - FENCE_SIZE;
        const uint64_t belowTop = belowFence - m_uTopSize;
        const uint64_t scaled = belowTop ? uint64_t(info.m_uFreeShare) * belowFence / belowTop : 0;
        info.m_uScaledFreeShare = scaled > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(scaled);
    }
    return info;
}

} // namespace Nubra::Memory
