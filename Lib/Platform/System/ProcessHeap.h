#pragma once
#include <cstddef>

namespace Platform {

// The process's own general-purpose heap: small bookkeeping objects, and
// large blocks that are never given back.
void* ProcessHeapAlloc(size_t size);
void ProcessHeapFree(void* pointer);

// Keeps blocks of up to 32 MB, and up to 64 MB of free memory at the top of
// the heap, in the process instead of handing them back to the system on
// every free: the graphics driver allocates and frees large buffers every
// frame, and each return costs page faults on the next frame.
void KeepLargeBlocksInProcessHeap();

} // namespace Platform
