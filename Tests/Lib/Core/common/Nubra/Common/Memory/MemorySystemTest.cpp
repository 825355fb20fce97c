#include "Nubra/Common/Memory/NubraMemory.h"
#include "Nubra/Drivers/Memory/MemoryDriver.h"
#include "Support/LogCapture.h"
#include "Support/ScopedMessageBoxes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace Nubra::Memory;

constexpr uint32_t HEAP_SIZE = 4u << 20;

// A main heap over a block of this test; blocks outlive the process's heaps.
BigHeap* MakeMainHeap(uint32_t misalignment = 0)
{
    static std::vector<std::vector<uint8_t>> s_blocks;
    Create();
    s_blocks.emplace_back(HEAP_SIZE + 64);
    HeapSettings settings;
    settings.iFlags = 0x18B00;
    settings.pBase = s_blocks.back().data() + misalignment;
    settings.iFurther = 0x7FF220;
    settings.iSize = HEAP_SIZE;
    EXPECT_EQ(CreateHeap(settings), 0);
    return MainHeap();
}

TEST(MemorySystemTest, CreateCountsAndSecondCallLeavesTheTable)
{
    TestSupport::LogCapture errors;
    EXPECT_EQ(Create(), 0);
    const std::string trace = errors.Take();
    EXPECT_TRUE(g_bDriverInitialized);
    EXPECT_GE(g_iMemoryInitialized, 1);
    if (g_iMemoryInitialized == 1 && g_oHeapTable.m_uHeapCount == 0) {
        EXPECT_NE(trace.find("<<< SYSTEM MEMORY STATUS >>>\n"), std::string::npos) << trace;
        EXPECT_NE(trace.find("% of memory is in use\n"), std::string::npos) << trace;
        EXPECT_NE(trace.find("<-------------------------->\n"), std::string::npos) << trace;
    }
    MakeMainHeap();
    const int32_t count = g_iMemoryInitialized;
    const HeapTable table = g_oHeapTable;
    EXPECT_EQ(Create(), 0);
    EXPECT_EQ(g_iMemoryInitialized, count + 1);
    EXPECT_EQ(std::memcmp(&table, &g_oHeapTable, sizeof table), 0);
}

TEST(MemorySystemTest, CreateHeapTakesTheFirstFreeSlotAndBecomesMain)
{
    Create();
    const uint8_t slot = g_oHeapTable.m_uFirstFree;
    const uint32_t count = g_oHeapTable.m_uHeapCount;
    BigHeap* heap = MakeMainHeap(5);
    ASSERT_NE(heap, nullptr);
    EXPECT_EQ(heap->SlotIndex(), slot);
    EXPECT_EQ(g_oHeapTable.m_aSlots[slot].m_pHeap, heap);
    EXPECT_EQ(g_oHeapTable.m_aSlots[slot].m_uInUse, SLOT_USED);
    EXPECT_EQ(g_oHeapTable.m_aSlots[slot].m_uOwnsSystemBlock, 0);
    EXPECT_EQ(g_oHeapTable.m_uFirstFree, slot + 1);
    EXPECT_EQ(g_oHeapTable.m_uHeapCount, count + 1);
    EXPECT_EQ(heap->Flags(), 0x18B00u);
    EXPECT_EQ(heap->FurtherWord(), 0x0FF220u);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(heap->Base()) % 32, 0u);
    EXPECT_EQ(heap->Size(), (HEAP_SIZE - 27) & ~31u);
}

TEST(MemorySystemTest, HeapWithoutBaseTakesItsOwnBlock)
{
    Create();
    const uint8_t slot = g_oHeapTable.m_uFirstFree;
    HeapSettings settings;
    settings.iSize = HEAP_SIZE;
    ASSERT_EQ(CreateHeap(settings), 0);
    EXPECT_EQ(g_oHeapTable.m_aSlots[slot].m_uOwnsSystemBlock, 1);
    EXPECT_EQ(MainHeap()->Size(), HEAP_SIZE);
    void* block = Malloc(HEAP_SIZE / 2, 32);
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, HEAP_SIZE / 2);
    Free(block);
}

TEST(MemorySystemTest, SmallHeapAssertsAndIsRefused)
{
    Create();
    TestSupport::ScopedMessageBoxes boxes;
    std::vector<uint8_t> block(4096);
    HeapSettings settings;
    settings.pBase = block.data();
    settings.iSize = 4095;
    BigHeap* before = MainHeap();
    TestSupport::LogCapture errors;
    EXPECT_EQ(CreateHeap(settings), -1);
    const std::string report = errors.Take();
    EXPECT_NE(report.find("[DESCRIPTION]:  Heap size must be >= 4Kb\n[EXPRESSION]:   pHeapSettings.iSize >= 4096\n"),
              std::string::npos)
        << report;
    ASSERT_EQ(boxes.Boxes().ShownBoxes().size(), 1u);
    EXPECT_EQ(MainHeap(), before);
}

TEST(MemorySystemTest, MallocAndFreeUseTheMainHeap)
{
    BigHeap* heap = MakeMainHeap();
    void* first = Malloc(100, 32);
    void* second = Malloc(1, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(first) % 32, 0u);
    EXPECT_GE(static_cast<uint8_t*>(first), heap->Base());
    EXPECT_LT(static_cast<uint8_t*>(first), heap->Base() + heap->Size());
    MallInfo info;
    BigHeap::GetMallInfo(heap, info);
    EXPECT_EQ(info.m_uUsedChunks, 2u);
    Free(first);
    Free(second);
    BigHeap::GetMallInfo(heap, info);
    EXPECT_EQ(info.m_uUsedChunks, 0u);
    EXPECT_EQ(info.m_uFreeChunks, 1u);
}

TEST(MemorySystemTest, ATraceSeesEveryBlockHandedOutAndGivenBackUntilItIsRemoved)
{
    struct Seen {
        const void* block;
        size_t size;
        size_t alignment;
    };
    static std::vector<Seen> s_seen;
    s_seen.clear();
    MakeMainHeap();
    SetHeapTrace({[](const void* block, size_t size, size_t alignment) {
                      s_seen.push_back({block, size, alignment});
                  },
                  [](const void* block) {
                      s_seen.push_back({block, 0, 0});
                  }});
    void* block = Malloc(300, 64);
    Free(block);
    Free(nullptr);
    SetHeapTrace({});
    Free(Malloc(8, 0));

    ASSERT_EQ(s_seen.size(), 3u);
    EXPECT_EQ(s_seen[0].block, block);
    EXPECT_EQ(s_seen[0].size, 300u);
    EXPECT_EQ(s_seen[0].alignment, 64u);
    EXPECT_EQ(s_seen[1].block, block);
    EXPECT_EQ(s_seen[2].block, nullptr);
}

TEST(MemorySystemTest, StatusPrintLines)
{
    BigHeap* heap = MakeMainHeap();
    Malloc(2000, 0);
    const uint32_t used = 2008;
    const uint32_t free = heap->Size() - used;
    TestSupport::LogCapture capture;
    CoreMemoryStatusPrint(false);
    const std::string printed = capture.Take();
    const std::string stars = "******************************************************************\n";
    EXPECT_EQ(printed, stars + "MEM Used memory : " + std::to_string(used) + " bytes (1Kb)\nMEM Free memory : " +
                           std::to_string(free) + " bytes (" + std::to_string(free >> 10) + "Kb)\n" + stars);
}

TEST(MemorySystemTest, HeapDumpListsEveryChunkBelowTheTop)
{
    BigHeap* heap = MakeMainHeap();
    void* first = Malloc(100, 0);
    Malloc(300, 0);
    Free(first);
    const std::string dump = TestSupport::LogOf([] { CoreMemoryStatusPrint(true); });

    const uintptr_t base = reinterpret_cast<uintptr_t>(heap->Base());
    char expected[256];
    std::snprintf(expected, sizeof expected,
                  "0x%08lx - FREE - 00000104 0x%08lx 0x%08lx\n0x%08lx - USED - 00000304 0x%08lx 0x%08lx\n",
                  static_cast<unsigned long>(base + 8), static_cast<unsigned long>(base),
                  static_cast<unsigned long>(base + 104), static_cast<unsigned long>(base + 112),
                  static_cast<unsigned long>(base + 104), static_cast<unsigned long>(base + 408));
    // The dump follows the status lines.
    ASSERT_GE(dump.size(), std::strlen(expected));
    EXPECT_EQ(dump.substr(dump.size() - std::strlen(expected)), expected);
}

} // namespace
