#include "Nubra/Drivers/Memory/MemoryDriver.h"

#include "Error/CoreError.h"
#include "Nubra/Common/Memory/HeapSpinLock.h"
#include "System/MemoryStatus.h"
#include "System/ProcessHeap.h"
#include "System/VirtualMemory.h"

namespace Nubra::Memory {

bool g_bDriverInitialized = false;

namespace {

Platform::SystemInfo s_oSystemInfo;
uint32_t s_uProcessId = 0;

// Named as the assert report reads it.
bool GlobalMemoryStatusEx(Platform::MemoryStatus* pStatus)
{
    return Platform::GetMemoryStatus(*pStatus);
}

} // namespace

bool DriverInit()
{
    CORE_ASSERT(!g_bDriverInitialized, "Memory driver already initialized");
    s_oSystemInfo = Platform::GetSystemInfo();
    g_oGlobalSpinLock.Release();
    s_uProcessId = Platform::CurrentProcessId();
    g_bDriverInitialized = true;
    DriverDumpMemoryStatus();
    return true;
}

void* DriverAllocSmallMem(size_t size, uint32_t /*tag*/)
{
    CORE_ASSERT(g_bDriverInitialized, "Memory driver not initialized");
    void* pointer = Platform::ProcessHeapAlloc(size);
    CORE_ASSERT(pointer, "HeapAlloc failed!");
    return pointer;
}

void DriverReleaseSmallMem(void* pointer, uint32_t /*tag*/)
{
    CORE_ASSERT(g_bDriverInitialized, "Memory driver not initialized");
    Platform::ProcessHeapFree(pointer);
}

void* SystemAlloc(size_t size, uint32_t /*tag*/)
{
    CORE_ASSERT(g_bDriverInitialized, "Memory driver not initialized");
    void* block = Platform::ReserveAndCommit(size);
    CORE_ASSERT(block, "System allocation failed!");
    return block;
}

void DriverDumpMemoryStatus()
{
    CORE_ASSERT(g_bDriverInitialized, "Memory driver not initialized");
    Platform::MemoryStatus oMemoryStatus;
    if (!GlobalMemoryStatusEx(&oMemoryStatus)) {
        CORE_ASSERT(GlobalMemoryStatusEx(&oMemoryStatus), "%s", "");
        return;
    }
    CoreTrace("<<< SYSTEM MEMORY STATUS >>>\n%u%% of memory is in use\n%lluKB (%lluMB) of free physical memory "
              "(%lluGB total)\n%lluKB (%lluMB) of free virtual memory (%lluGB total)\n<-------------------------->\n",
              oMemoryStatus.m_uMemoryLoad, static_cast<unsigned long long>(oMemoryStatus.m_uAvailablePhysical >> 10),
              static_cast<unsigned long long>(oMemoryStatus.m_uAvailablePhysical >> 20),
              static_cast<unsigned long long>(oMemoryStatus.m_uTotalPhysical >> 30),
              static_cast<unsigned long long>(oMemoryStatus.m_uAvailableVirtual >> 10),
              static_cast<unsigned long long>(oMemoryStatus.m_uAvailableVirtual >> 20),
              static_cast<unsigned long long>(oMemoryStatus.m_uTotalVirtual >> 30));
}

} // namespace Nubra::Memory
