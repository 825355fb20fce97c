#include "Support/MainHeap.h"

#include "App/CoreSystem.h"
#include "Nubra/Common/Memory/NubraMemory.h"

namespace TestSupport {

void EnsureMainHeap()
{
    if (!Nubra::Memory::MainHeap())
        CoreSystem::CreateMainHeap(TEST_MAIN_HEAP_SIZE);
}

} // namespace TestSupport
