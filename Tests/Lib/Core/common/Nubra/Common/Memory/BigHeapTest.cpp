#include "Nubra/Common/Memory/BigHeap.h"
#include "Support/ScopedMessageBoxes.h"
#include "Support/LogCapture.h"
#include "TestArena.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using MemoryTest::TestArena;
using Nubra::Memory::MallInfo;

constexpr uint32_t ARENA_SIZE = 1u << 20;

// The chunk a request takes: what the heap's used bytes grow by.
uint32_t ChunkTakenBy(size_t request)
{
    TestArena arena(ARENA_SIZE);
    EXPECT_NE(arena.Malloc(request), nullptr);
    return arena.Info().m_uUsedBytes;
}

TEST(BigHeapTest, ChunkSizesOfRequests)
{
    for (size_t request = 0; request <= 12; ++request)
        EXPECT_EQ(ChunkTakenBy(request), 16u) << request;
    EXPECT_EQ(ChunkTakenBy(13), 24u);
    EXPECT_EQ(ChunkTakenBy(20), 24u);
    EXPECT_EQ(ChunkTakenBy(21), 32u);
    EXPECT_EQ(ChunkTakenBy(244), 248u);
    EXPECT_EQ(ChunkTakenBy(245), 256u);
    EXPECT_EQ(ChunkTakenBy(100000), 100008u);
}

TEST(BigHeapTest, FreshHeapIsOneTopChunkInsideItsBlock)
{
    for (uint32_t misalignment = 0; misalignment < 32; misalignment += 3) {
        TestArena arena(ARENA_SIZE + misalignment, misalignment);
        auto* heap = arena.Heap();
        EXPECT_EQ(reinterpret_cast<uintptr_t>(heap->Base()) % 32, 0u);
        EXPECT_GE(heap->Base(), arena.BlockStart());
        EXPECT_LE(heap->Base() + heap->Size(), arena.BlockStart() + ARENA_SIZE + misalignment);
        EXPECT_EQ(heap->Size() % 32, 0u);

        const MallInfo info = arena.Info();
        EXPECT_EQ(info.m_uUsedChunks, 0u);
        EXPECT_EQ(info.m_uFreeChunks, 1u);
        EXPECT_EQ(info.m_uTotalBytes, heap->Size());
        EXPECT_EQ(info.m_uFreeBytes, heap->Size());
        EXPECT_EQ(info.m_uUsedBytes, 0u);
        EXPECT_EQ(info.m_uLargestFree, heap->Size() - 16);
        EXPECT_EQ(info.m_uSmallestTop, heap->Size() - 16);
        EXPECT_EQ(info.m_uFreeShare, 0u);
        EXPECT_EQ(info.m_uScaledFreeShare, 0u);
        EXPECT_EQ(heap->Allocator().Magic(), 0x58585858u);
    }
}

TEST(BigHeapTest, TopMustStayStrictlyLarger)
{
    TestSupport::ScopedMessageBoxes boxes;
    TestArena arena(ARENA_SIZE);
    const uint32_t top = ARENA_SIZE - 16;
    TestSupport::LogCapture errors;
    EXPECT_EQ(arena.Malloc(top - 4), nullptr);
    const std::string report = errors.Take();
    EXPECT_NE(report.find("Memory allocation failed"), std::string::npos);
    EXPECT_EQ(boxes.Boxes().ShownBoxes().size(), 1u);
    EXPECT_EQ(arena.Heap()->AllocationCount(), 0u);

    void* last = arena.Malloc(top - 12);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(arena.Info().m_uSmallestTop, 8u);
    std::memset(last, 0xAB, top - 12);
}

TEST(BigHeapTest, MemalignRoundsAlignmentToPowerOfTwo)
{
    TestArena arena(ARENA_SIZE);
    for (int i = 0; i < 8; ++i) {
        void* by32 = arena.Memalign(32, 40 + i);
        void* by24 = arena.Memalign(24, 7 + i);
        void* by4 = arena.Memalign(4, 3 + i);
        void* by4096 = arena.Memalign(4096, 300);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(by32) % 32, 0u);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(by24) % 32, 0u);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(by4) % 8, 0u);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(by4096) % 4096, 0u);
    }
    // A malloc-sized alignment takes exactly the plain chunk.
    TestArena plain(ARENA_SIZE);
    plain.Memalign(4, 13);
    EXPECT_EQ(plain.Info().m_uUsedBytes, 24u);
    // Aligned blocks give their leading and trailing pieces back.
    TestArena aligned(ARENA_SIZE);
    aligned.Malloc(1);
    aligned.Memalign(256, 100);
    EXPECT_EQ(aligned.Info().m_uUsedChunks, 2u);
}

// An aligned block is one allocation; each piece cut off it is one free, as
// when the pieces are freed by hand.
TEST(BigHeapTest, AlignedBlocksCountTheirCutOffPiecesAsFrees)
{
    struct Case {
        size_t leadingBlock;
        size_t alignment;
        size_t size;
        uint32_t frees;
    };
    const Case cases[] = {
        {1, 256, 100, 2}, {0, 256, 100, 2}, {1, 16, 8, 1}, {9, 16, 8, 1}, {1, 8, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        SCOPED_TRACE(c.leadingBlock);
        TestArena arena(ARENA_SIZE);
        if (c.leadingBlock != 0)
            arena.Malloc(c.leadingBlock);
        const uint32_t allocations = arena.Heap()->AllocationCount();
        void* block = arena.Memalign(c.alignment, c.size);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % c.alignment, 0u);
        EXPECT_EQ(arena.Heap()->AllocationCount(), allocations + 1);
        EXPECT_EQ(arena.Heap()->FreeCount(), c.frees);
        EXPECT_EQ(arena.Info().m_uUsedChunks, c.leadingBlock != 0 ? 2u : 1u);
    }
}

TEST(BigHeapTest, HugeRequestsFailWithTheAssert)
{
    TestSupport::ScopedMessageBoxes boxes;
    TestArena arena(ARENA_SIZE);
    TestSupport::LogCapture errors;
    EXPECT_EQ(arena.Malloc(0xFFFFFFC0u), nullptr);
    EXPECT_EQ(arena.Malloc(size_t(1) << 40), nullptr);
    EXPECT_EQ(arena.Memalign(64, 0xFFFFFFC0u - 64), nullptr);
    EXPECT_EQ(arena.Memalign(size_t(1) << 33, 16), nullptr);
    errors.Take();
    EXPECT_EQ(boxes.Boxes().ShownBoxes().size(), 4u);
    EXPECT_EQ(arena.Info().m_uUsedChunks, 0u);
}

TEST(BigHeapTest, FreeOfNullCountsAndChangesNothing)
{
    TestArena arena(ARENA_SIZE);
    arena.Malloc(100);
    const MallInfo before = arena.Info();
    arena.Free(nullptr);
    EXPECT_EQ(arena.Heap()->FreeCount(), 1u);
    EXPECT_EQ(arena.Info(), before);
}

TEST(BigHeapTest, ForeignAndRepeatedFreesAreIgnored)
{
    TestArena arena(ARENA_SIZE);
    auto* block = static_cast<uint8_t*>(arena.Malloc(100));
    arena.Malloc(100);
    const MallInfo before = arena.Info();
    uint8_t* base = arena.Heap()->Base();

    arena.Free(base - 8);          // below the arena
    arena.Free(base - 40);         // below the arena
    arena.Free(base + ARENA_SIZE); // past the arena
    arena.Free(block + 4);         // not a block start
    arena.Free(block + 1);         // misaligned
    int onStack = 0;
    arena.Free(&onStack);
    EXPECT_EQ(arena.Info(), before);
    EXPECT_EQ(arena.Heap()->FreeCount(), 6u);

    arena.Free(block);
    const MallInfo afterFree = arena.Info();
    arena.Free(block);
    EXPECT_EQ(arena.Info(), afterFree);
}

TEST(BigHeapTest, AdjacentFreesMerge)
{
    for (size_t request : {40u, 1000u}) {
        TestArena arena(ARENA_SIZE);
        void* first = arena.Malloc(request);
        void* second = arena.Malloc(request);
        void* third = arena.Malloc(request);
        arena.Malloc(8); // keeps the three away from the top
        const uint32_t chunk = Nubra::Memory::ArenaAllocator::RequestToSize(request);
        arena.Free(second);
        arena.Free(first);
        MallInfo info = arena.Info();
        EXPECT_EQ(info.m_uFreeChunks, 2u) << request;
        EXPECT_EQ(info.m_uUsedChunks, 2u);
        EXPECT_EQ(info.m_uFreeBytes, 2 * chunk + info.m_uSmallestTop + 16);

        arena.Free(third);
        info = arena.Info();
        EXPECT_EQ(info.m_uFreeChunks, 2u);
        EXPECT_EQ(info.m_uFreeBytes, 3 * chunk + info.m_uSmallestTop + 16);

        // The merged chunk serves a request of the summed size.
        void* merged = arena.Malloc(3 * chunk - 4);
        EXPECT_EQ(merged, first);
    }
}

TEST(BigHeapTest, FreeShareOfChunksBelowTheTop)
{
    TestArena arena(4096);
    void* blocks[4];
    for (void*& block : blocks)
        block = arena.Malloc(1000);
    arena.Free(blocks[0]);
    arena.Free(blocks[2]);
    const MallInfo info = arena.Info();
    EXPECT_EQ(info.m_uUsedChunks, 2u);
    EXPECT_EQ(info.m_uFreeChunks, 3u);
    EXPECT_EQ(info.m_uLargestFree, 1004u);
    EXPECT_EQ(info.m_uSmallestTop, 48u);
    EXPECT_EQ(info.m_uFreeShare, 0x80000000u);
    EXPECT_EQ(info.m_uScaledFreeShare, 2173048929u); // 2^31 * 4080 / 4032

    Nubra::Memory::HeapStats stats;
    static_cast<Nubra::Memory::Heap*>(arena.Heap())->GetStats(stats);
    EXPECT_EQ(stats.m_uTotalBytes, 4096u);
    EXPECT_EQ(stats.m_uUsedBytes, 2016u);
    EXPECT_EQ(stats.m_uFreeBytes, 2080u);
}

} // namespace
