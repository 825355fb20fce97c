#include "Common/TwGame.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ResourceManager.h"

bool TwGame::InitializeResourceManager()
{
    LogInfo(" - Initialize ResourceManager...\n");
    ResourceManager* manager = ResourceManager::CreateSingleton();
    if (!manager->LoadCommonPackages()) {
        CorePrint(&g_oCoreLog, "Cannot load the common data pack \"%s\": the game cannot start without it\n",
                  ResourceManager::COMMON_DATA_PACK);
        return false;
    }
    LogStep("ResourceManager done");
    return true;
}

void TwGame::ShutdownResourceManager()
{
    LogInfo(" - Shutdown ResourceManager...\n");
    if (ResourceManager* manager = ResourceManager::GetInstance()) {
        manager->UnloadAll();
        ResourceManager::DestroySingleton();
    }
    LogStep("ResourceManager done");
}
