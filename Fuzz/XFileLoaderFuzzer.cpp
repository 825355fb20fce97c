// An X file loaded from memory as the mesh manager loads it: the check, then
// the importer, the hierarchy and the animation controller, all freed again.
// A file that loads is also animated once, which reads every key it holds.
#include "Lib/Platform/Mesh/CountingHierarchy.h"
#include "Mesh/AnimationController.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    LoadedHierarchy loaded(text);
    if (loaded.result == Platform::S_OK && loaded.pController != nullptr)
        loaded.pController->AdvanceTime(0.5);
    if (loaded.result != Platform::S_OK && (loaded.alloc.m_iFrames != 0 || loaded.alloc.m_iContainers != 0))
        std::abort();
    return 0;
}
