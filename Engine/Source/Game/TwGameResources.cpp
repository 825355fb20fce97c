#include "Game/TwGame.h"
#include "Managers/Common/ResourceManager.h"

bool TwGame::InitializeResourceManager()
{
    LogInfo(" - Initialize ResourceManager...\n");
    ResourceManager* manager = ResourceManager::CreateSingleton();
    if (!manager->LoadCommonPackages())
        return false;
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
