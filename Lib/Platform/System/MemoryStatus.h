#pragma once
#include <cstdint>

namespace Platform {

// What the system tells about itself at start-up.
struct SystemInfo {
    uint32_t m_uPageSize = 0;
    uint32_t m_uAllocationGranularity = 0;
    uint32_t m_uProcessorCount = 0;
};

// The machine's memory as the process sees it: physical memory of the
// machine, and the process's own address space (total and not yet mapped).
struct MemoryStatus {
    uint32_t m_uMemoryLoad = 0; // percent of physical memory in use
    uint64_t m_uTotalPhysical = 0;
    uint64_t m_uAvailablePhysical = 0;
    uint64_t m_uTotalVirtual = 0;
    uint64_t m_uAvailableVirtual = 0;
};

SystemInfo GetSystemInfo();
// False when the system cannot tell.
bool GetMemoryStatus(MemoryStatus& status);

// The process's id.
uint32_t CurrentProcessId();

} // namespace Platform
