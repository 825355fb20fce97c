#include "Nubra/Common/Memory/BigHeap.h"
#include "Support/ScopedMessageBoxes.h"
#include "Support/LogCapture.h"
#include "TestArena.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace {

using MemoryTest::TestArena;
using Nubra::Memory::ArenaAllocator;

// The model: every live block with the bytes it must still hold.
struct LiveBlock {
    size_t m_uSize;
    uint8_t m_uSeed;
};

class HeapModelCheck {
public:
    HeapModelCheck(uint32_t arenaSize, uint32_t seed) : m_arena(arenaSize), m_random(seed) { }

    void Run(int steps)
    {
        TestSupport::ScopedMessageBoxes boxes;
        TestSupport::LogCapture errors;
        for (int step = 0; step < steps && !testing::Test::HasFailure(); ++step) {
            const bool allocate = m_live.size() < 8 || (m_live.size() < 3000 && Chance(55));
            if (allocate)
                AllocateOne();
            else
                FreeOne();
            if (step % 997 == 0)
                CheckHeap(step % 9970 == 0);
        }
        while (!m_live.empty() && !testing::Test::HasFailure())
            FreeOne();
        const std::string reports = errors.Take();
        EXPECT_EQ(reports.find("corrupted"), std::string::npos);

        // Everything merged back into the top.
        const Nubra::Memory::MallInfo info = m_arena.Info();
        EXPECT_EQ(info.m_uUsedChunks, 0u);
        EXPECT_EQ(info.m_uFreeChunks, 1u);
        EXPECT_EQ(info.m_uFreeBytes, m_arena.Heap()->Size());
        EXPECT_GT(m_failures, 0) << "the heap never filled up";
    }

private:
    bool Chance(int percent) { return int(m_random() % 100) < percent; }

    size_t PickSize()
    {
        const int kind = int(m_random() % 100);
        if (kind < 55)
            return m_random() % 260;
        if (kind < 90)
            return 200 + m_random() % 4000;
        return 4000 + m_random() % 120000;
    }

    // The largest chunk that could serve a request, the top aside, and the top.
    void FreeSpace(uint32_t& largestFree, uint32_t& top)
    {
        largestFree = 0;
        m_arena.Heap()->Allocator().ForEachChunk([&](void*, bool inUse, uint32_t size, void*) {
            if (!inUse && size > largestFree)
                largestFree = size;
        });
        top = m_arena.Heap()->Allocator().TopSize();
    }

    void AllocateOne()
    {
        static constexpr size_t ALIGNMENTS[] = {0, 0, 0, 4, 8, 16, 24, 32, 64, 128, 4096};
        const size_t size = PickSize();
        const size_t alignment = ALIGNMENTS[m_random() % std::size(ALIGNMENTS)];
        auto* block = static_cast<uint8_t*>(alignment ? m_arena.Memalign(alignment, size) : m_arena.Malloc(size));
        if (!block) {
            ++m_failures;
            // A refused request leaves the heap as it was.
            uint32_t largestFree = 0;
            uint32_t top = 0;
            FreeSpace(largestFree, top);
            if (alignment <= 8) {
                const uint32_t chunk = ArenaAllocator::RequestToSize(size);
                EXPECT_TRUE(chunk > largestFree && chunk >= top)
                    << "refused " << size << " bytes with a free chunk of " << largestFree << " and top " << top;
            }
            return;
        }
        size_t effective = alignment <= 8 ? 8 : 16;
        while (effective < alignment)
            effective <<= 1;
        ASSERT_EQ(reinterpret_cast<uintptr_t>(block) % effective, 0u) << alignment;
        uint8_t* base = m_arena.Heap()->Base();
        ASSERT_GE(block - 4, base);
        ASSERT_LE(block + size, base + m_arena.Heap()->Size() - 16);

        // The block and its header word overlap no other block.
        const auto next = m_live.lower_bound(block);
        if (next != m_live.end()) {
            ASSERT_LE(block + size, next->first - 4);
        }
        if (next != m_live.begin()) {
            const auto previous = std::prev(next);
            ASSERT_LE(previous->first + previous->second.m_uSize, block - 4);
        }
        const auto seed = static_cast<uint8_t>(m_random());
        Fill(block, size, seed);
        m_live.emplace(block, LiveBlock {size, seed});
    }

    void FreeOne()
    {
        auto chosen = m_live.begin();
        std::advance(chosen, m_random() % m_live.size());
        ExpectIntact(chosen->first, chosen->second);
        m_arena.Free(chosen->first);
        m_live.erase(chosen);
    }

    static void Fill(uint8_t* block, size_t size, uint8_t seed)
    {
        for (size_t i = 0; i < size; ++i)
            block[i] = static_cast<uint8_t>(seed + i * 7);
    }

    static void ExpectIntact(const uint8_t* block, const LiveBlock& live)
    {
        for (size_t i = 0; i < live.m_uSize; ++i) {
            if (block[i] != static_cast<uint8_t>(live.m_uSeed + i * 7)) {
                ADD_FAILURE() << "block of " << live.m_uSize << " bytes changed at " << i;
                return;
            }
        }
    }

    void CheckHeap(bool contents)
    {
        std::set<const uint8_t*> inUse;
        uint64_t walked = 0;
        bool previousFree = false;
        m_arena.Heap()->Allocator().ForEachChunk([&](void* user, bool used, uint32_t size, void*) {
            walked += size;
            EXPECT_FALSE(!used && previousFree) << "two free neighbours were not merged";
            previousFree = !used;
            if (used)
                inUse.insert(static_cast<const uint8_t*>(user));
        });
        EXPECT_FALSE(previousFree) << "a free chunk borders the top";
        const Nubra::Memory::MallInfo info = m_arena.Info();
        const uint32_t size = m_arena.Heap()->Size();
        EXPECT_EQ(walked + m_arena.Heap()->Allocator().TopSize() + 16, size);
        EXPECT_EQ(info.m_uTotalBytes, size);
        EXPECT_EQ(info.m_uUsedBytes + info.m_uFreeBytes, size);
        EXPECT_EQ(info.m_uUsedChunks, m_live.size());
        EXPECT_LE(info.m_uSmallestTop, m_arena.Heap()->Allocator().TopSize());
        EXPECT_EQ(inUse.size(), m_live.size());
        for (const auto& [block, live] : m_live) {
            EXPECT_TRUE(inUse.count(block)) << "a live block is not a chunk in use";
            if (contents)
                ExpectIntact(block, live);
        }
    }

    TestArena m_arena;
    std::mt19937 m_random;
    std::map<uint8_t*, LiveBlock> m_live;
    int m_failures = 0;
};

TEST(HeapStressTest, RandomAllocationsAgreeWithTheModel)
{
    for (uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        HeapModelCheck check(8u << 20, seed);
        check.Run(60000);
    }
}

} // namespace
