#include "Nubra/Common/Memory/BigHeap.h"
#include "Support/ScopedMessageBoxes.h"
#include "Support/LogCapture.h"
#include "TestArena.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// A program that writes into freed blocks or over block headers damages the
// heap; the heap reports what it detects and never reaches outside its arena
// (the sanitizer build checks the latter).
namespace {

using MemoryTest::TestArena;

constexpr uint32_t ARENA_SIZE = 1u << 20;
const char* const CORRUPTED = "Aborting: Heap as been corrupted";

void StoreWord(void* at, uint32_t value)
{
    std::memcpy(at, &value, sizeof value);
}

class HeapCorruptionTest : public testing::Test {
protected:
    std::string Reports() { return m_errors.Take(); }

    TestSupport::LogCapture m_errors;
    TestSupport::ScopedMessageBoxes m_boxes;
    TestArena m_arena {ARENA_SIZE};
};

TEST_F(HeapCorruptionTest, DamagedSmallBinLinkIsReported)
{
    auto* block = static_cast<uint8_t*>(m_arena.Malloc(40));
    auto* other = static_cast<uint8_t*>(m_arena.Malloc(40));
    m_arena.Malloc(8);
    m_arena.Free(other);
    m_arena.Free(block);
    StoreWord(block, 0xFFFFFFF0u); // the forward link of the free chunk
    EXPECT_EQ(m_arena.Malloc(40), block);
    void* after = m_arena.Malloc(40);
    EXPECT_NE(after, nullptr);
    const std::string reports = Reports();
    EXPECT_NE(reports.find(std::string("[DESCRIPTION]:  ") + CORRUPTED + "\n[EXPRESSION]:   false\n"),
              std::string::npos)
        << reports;
}

TEST_F(HeapCorruptionTest, DamagedTreeLinksAreReported)
{
    auto* first = static_cast<uint8_t*>(m_arena.Malloc(1000));
    m_arena.Malloc(8);
    auto* second = static_cast<uint8_t*>(m_arena.Malloc(1000));
    m_arena.Malloc(8);
    m_arena.Free(first);
    m_arena.Free(second);
    // The second chunk hangs off the first in the trie or in its list.
    for (int word = 0; word < 6; ++word)
        StoreWord(first + 4 * word, 0x7FFFFFF8u);
    m_arena.Malloc(1000);
    m_arena.Malloc(1000);
    m_arena.Malloc(3000);
    EXPECT_NE(Reports().find(CORRUPTED), std::string::npos);
}

TEST_F(HeapCorruptionTest, DamagedHeaderOfABlockIsNotFollowed)
{
    auto* block = static_cast<uint8_t*>(m_arena.Malloc(100));
    m_arena.Malloc(8);
    StoreWord(block - 4, 0x7FFFFFF3u); // huge size, in use
    const uint32_t top = m_arena.Heap()->Allocator().TopSize();
    m_arena.Free(block);
    auto* next = static_cast<uint8_t*>(m_arena.Malloc(100));
    StoreWord(next - 8, 0x10000000u); // a previous size reaching below the arena
    StoreWord(next - 4, 104u | 2u);   // in use, previous free
    m_arena.Free(next);
    EXPECT_EQ(m_arena.Heap()->Allocator().TopSize(), top - 104);
    EXPECT_NE(m_arena.Malloc(100), nullptr);
    EXPECT_EQ(Reports(), "");
}

TEST_F(HeapCorruptionTest, DamagedChunkWalkStops)
{
    auto* block = static_cast<uint8_t*>(m_arena.Malloc(100));
    m_arena.Malloc(100);
    StoreWord(block - 4, 0u | 3u); // a chunk of size 0 would never end the walk
    const auto info = m_arena.Info();
    EXPECT_EQ(info.m_uUsedChunks, 0u);
    EXPECT_NE(Reports().find(CORRUPTED), std::string::npos);
}

} // namespace
