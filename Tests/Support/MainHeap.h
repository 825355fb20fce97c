#pragma once
#include <cstdint>

namespace TestSupport {

// Tests that load files or otherwise use Nubra::Memory::Malloc need a main
// heap. This makes the memory system and a 64 MB main heap over a process
// heap block, once per process; later calls keep the heap in place.
void EnsureMainHeap();

constexpr uint32_t TEST_MAIN_HEAP_SIZE = 64u << 20;

} // namespace TestSupport
