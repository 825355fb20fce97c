#pragma once
#include <cstddef>
#include <cstdint>

namespace Nubra::Memory {

// The memory system's link to the operating system. Every call but
// DriverInit asserts that the driver was initialised first.
extern bool g_bDriverInitialized;

// Notes the system information and the process, clears the global spin lock
// and writes the system's memory status to the debugger output.
bool DriverInit();

// Blocks of the process heap, for the heap objects themselves.
void* DriverAllocSmallMem(size_t size, uint32_t tag);
void DriverReleaseSmallMem(void* pointer, uint32_t tag);

// A block of committed read-write memory taken from the system for good.
void* SystemAlloc(size_t size, uint32_t tag);

// Writes the system's memory status to the debugger output.
void DriverDumpMemoryStatus();

} // namespace Nubra::Memory
