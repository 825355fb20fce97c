#include "Nubra/Common/Memory/NubraMemory.h"

#include "Error/CoreError.h"
#include "Nubra/Drivers/Memory/MemoryDriver.h"

#include <new>

namespace Nubra::Memory {

int32_t g_iMemoryInitialized = 0;
HeapTable g_oHeapTable;

namespace {

constexpr uint32_t HEAP_TAG = 0;
constexpr uint32_t MIN_HEAP_SIZE = 4096;
constexpr uint32_t ARENA_ALIGNMENT = 32;

BigHeap* s_pMainHeap = nullptr;
HeapTrace s_oTrace;

} // namespace

void* Heap::operator new(size_t size) noexcept
{
    return DriverAllocSmallMem(size, HEAP_TAG);
}

void Heap::operator delete(void* pointer) noexcept
{
    DriverReleaseSmallMem(pointer, HEAP_TAG);
}

int Create()
{
    if (g_iMemoryInitialized == 0) {
        for (int i = 0; i < MAX_HEAPS; ++i) {
            HeapSlot& slot = g_oHeapTable.m_aSlots[i];
            slot.m_pHeap = nullptr;
            slot.m_uInUse = SLOT_FREE;
            slot.m_uOwnsSystemBlock = 0;
            slot.m_uNextFree = i + 1 < MAX_HEAPS ? static_cast<uint8_t>(i + 1) : SLOT_END;
        }
        g_oHeapTable.m_uFirstFree = 0;
        g_oHeapTable.m_uHeapCount = 0;
        if (!DriverInit())
            return -1;
    }
    ++g_iMemoryInitialized;
    return 0;
}

int CreateHeap(const HeapSettings& pHeapSettings)
{
    CORE_ASSERT(0< g_iMemoryInitialized, "Memory Manager must be initialized");
    CORE_ASSERT(pHeapSettings.iSize >= 4096, "Heap size must be >= 4Kb");
    if (g_iMemoryInitialized <= 0 || pHeapSettings.iSize < MIN_HEAP_SIZE)
        return -1;
    const uint8_t slotIndex = g_oHeapTable.m_uFirstFree;
    if (slotIndex == SLOT_END)
        return -1;

    HeapSettings settings = pHeapSettings;
    const uintptr_t base = reinterpret_cast<uintptr_t>(settings.pBase);
    const uint32_t skip =
        static_cast<uint32_t>((ARENA_ALIGNMENT - (base & (ARENA_ALIGNMENT - 1))) & (ARENA_ALIGNMENT - 1));
    if (settings.pBase)
        settings.pBase = static_cast<uint8_t*>(settings.pBase) + skip;
    settings.iSize = (settings.iSize - skip) & ~(ARENA_ALIGNMENT - 1);

    if (CreateBigHeap(slotIndex, settings) != 0)
        return -1;
    HeapSlot& slot = g_oHeapTable.m_aSlots[slotIndex];
    slot.m_pHeap = s_pMainHeap;
    slot.m_uInUse = SLOT_USED;
    slot.m_uOwnsSystemBlock = settings.pBase ? 0 : 1;
    ++g_oHeapTable.m_uHeapCount;
    g_oHeapTable.m_uFirstFree = slot.m_uNextFree;
    return 0;
}

int CreateBigHeap(uint8_t slotIndex, const HeapSettings& settings)
{
    void* pObject = DriverAllocSmallMem(sizeof(BigHeap), HEAP_TAG);
    if (!pObject)
        return -1;
    HeapSettings arenaSettings = settings;
    if (!arenaSettings.pBase) {
        arenaSettings.pBase = SystemAlloc(arenaSettings.iSize, HEAP_TAG);
        if (!arenaSettings.pBase) {
            DriverReleaseSmallMem(pObject, HEAP_TAG);
            return -1;
        }
    }
    s_pMainHeap = new (pObject) BigHeap(slotIndex, arenaSettings);
    return 0;
}

BigHeap* MainHeap()
{
    return s_pMainHeap;
}

void* Malloc(size_t size, size_t alignment)
{
    if (!s_pMainHeap) {
        CORE_ASSERT(s_pMainHeap, "Memory allocation failed");
        return nullptr;
    }
    BigHeap::BeginCall(s_pMainHeap);
    void* block = BigHeap::Memalign(alignment, s_pMainHeap, size, 0);
    if (s_oTrace.pAllocated)
        s_oTrace.pAllocated(block, size, alignment);
    return block;
}

void Free(void* pointer)
{
    if (!s_pMainHeap)
        return;
    if (s_oTrace.pFreed)
        s_oTrace.pFreed(pointer);
    BigHeap::BeginCall(s_pMainHeap);
    BigHeap::Free(s_pMainHeap, pointer, 0);
}

void SetHeapTrace(const HeapTrace& trace)
{
    s_oTrace = trace;
}

void HeapDump()
{
    if (s_pMainHeap)
        s_pMainHeap->Dump();
}

} // namespace Nubra::Memory
