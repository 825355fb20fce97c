#pragma once
#include <cstddef>

namespace Platform {

// The process's own general-purpose heap: small bookkeeping objects, and
// large blocks that are never given back.
void* ProcessHeapAlloc(size_t size);
void ProcessHeapFree(void* pointer);

} // namespace Platform
