#include "Support/MainHeap.h"

#include "Nubra/Common/Memory/NubraMemory.h"
#include "System/ProcessHeap.h"

namespace TestSupport {

void EnsureMainHeap()
{
    if (Nubra::Memory::MainHeap())
        return;
    Nubra::Memory::Create();
    Nubra::Memory::HeapSettings settings;
    settings.iFlags = 0x18B00;
    settings.pBase = Platform::ProcessHeapAlloc(TEST_MAIN_HEAP_SIZE);
    settings.iFurther = 0x220;
    settings.iSize = TEST_MAIN_HEAP_SIZE;
    Nubra::Memory::CreateHeap(settings);
}

} // namespace TestSupport
