#pragma once
#include "Nubra/Common/Memory/BigHeap.h"
#include "Nubra/Common/Memory/HeapSettings.h"

#include <cstddef>
#include <cstdint>

// The game's own heaps. Start-up calls Create once, then CreateHeap once with
// the main heap's block; everything else allocates through Malloc and Free.
namespace Nubra::Memory {

constexpr int MAX_HEAPS = 64;
constexpr uint8_t SLOT_FREE = 0xFF;
constexpr uint8_t SLOT_USED = 1;
constexpr uint8_t SLOT_END = 0xFF;

struct HeapSlot {
    Heap* m_pHeap = nullptr;
    uint8_t m_uInUse = SLOT_FREE;
    uint8_t m_uOwnsSystemBlock = 0; // 1 when the heap took its block from the system
    uint8_t m_uNextFree = SLOT_END;
};

struct HeapTable {
    HeapSlot m_aSlots[MAX_HEAPS];
    uint8_t m_uFirstFree = SLOT_END;
    uint32_t m_uHeapCount = 0;
};

// Count of Create calls; 0 before the first.
extern int32_t g_iMemoryInitialized;
extern HeapTable g_oHeapTable;

// The first call fills the heap table and initialises the driver (-1 when it
// fails); every call counts itself and returns 0.
int Create();

// Makes a heap over settings.pBase (or over a block of its own from the
// system when the base is null) and makes it the main heap. Asserts that the
// memory system exists and that the size is at least 4096 bytes, and returns
// -1 in both cases, when the table is full, or when the heap cannot be made.
int CreateHeap(const HeapSettings& pHeapSettings);

// Makes the heap object and its arena and makes it the main heap; -1 when
// the process heap or the system refuses.
int CreateBigHeap(uint8_t slotIndex, const HeapSettings& settings);

// The heap that Malloc and Free use; null before the first CreateHeap.
BigHeap* MainHeap();

// A block of the main heap aligned to `alignment` bytes; null (after the
// "Memory allocation failed" assert) when nothing fits.
void* Malloc(size_t size, size_t alignment);
// Gives a block back to the main heap; null is allowed.
void Free(void* pointer);

// What watches the main heap's traffic: told of every block Malloc hands out
// (null when it failed) and of every pointer given to Free, before the heap
// takes it. Off (null) unless a measuring tool sets it.
struct HeapTrace {
    void (*pAllocated)(const void* block, size_t size, size_t alignment) = nullptr;
    void (*pFreed)(const void* block) = nullptr;
};
void SetHeapTrace(const HeapTrace& trace);

// Lists the main heap's chunks to the debugger output.
void HeapDump();

} // namespace Nubra::Memory

// Logs the main heap's used and free bytes; with dump, lists its chunks too.
void CoreMemoryStatusPrint(bool dump);
