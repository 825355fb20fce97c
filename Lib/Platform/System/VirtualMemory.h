#pragma once
#include <cstddef>

namespace Platform {

// Reserves a block of address space, read-write, whose pages the system
// commits on first touch. Page-aligned; null when the system refuses. The
// block stays with the process until it ends.
void* ReserveAndCommit(size_t size);

} // namespace Platform
