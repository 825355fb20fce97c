#include "App/CoreSystem.h"

#include "App/CoreApp.h"
#include "Hash/CoreCrc32.h"
#include "Input/CoreInput.h"
#include "Nubra/Common/Memory/NubraMemory.h"
#include "Random/CoreRandom.h"
#include "System/Clock.h"
#include "System/ProcessHeap.h"

namespace {

constexpr uint32_t MAIN_HEAP_FLAGS = 0x18B00;
constexpr uint32_t MAIN_HEAP_FURTHER = 0x220;

} // namespace

void CoreSystem::CreateMainHeap(uint32_t iSize)
{
    Nubra::Memory::Create();
    Nubra::Memory::HeapSettings settings;
    settings.iFlags = MAIN_HEAP_FLAGS;
    // Without a block from the process heap, the heap takes its own from the system.
    settings.pBase = Platform::ProcessHeapAlloc(iSize);
    settings.iFurther = MAIN_HEAP_FURTHER;
    settings.iSize = iSize;
    Nubra::Memory::CreateHeap(settings);
}

void CoreSystem::Initialize(bool fullScreen)
{
    Platform::KeepLargeBlocksInProcessHeap();
    CreateMainHeap(MAIN_HEAP_SIZE);

    g_pCoreApp = new CoreApp();
    g_pCoreApp->CreateAppWindow(fullScreen);

    CoreRandom::Init(static_cast<uint64_t>(Platform::GetClock().CalendarSeconds()));
    CoreCrc32::Init();

    Input::CreateSingleton()->Initialize(g_pCoreApp->GetWindow());
}
