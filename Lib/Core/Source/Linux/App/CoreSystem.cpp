#include "App/CoreSystem.h"

#include "App/CoreApp.h"
#include "App/CorePlaceholders.h"
#include "Hash/CoreCrc32.h"
#include "System/Clock.h"

void CoreSystem::Initialize(bool fullScreen)
{
    CorePlaceholder::CreateMemoryWithMainHeap();

    g_pCoreApp = new CoreApp();
    g_pCoreApp->CreateAppWindow(fullScreen);

    CorePlaceholder::SeedRandom(Platform::GetClock().CalendarSeconds());
    CoreCrc32::Init();

    CorePlaceholder::CreateInputDevices();
}
