#include "Managers/Common/GameSceneWorldLink.h"

#include "Log/CoreLog.h"
#include "Scene/Common/GameScene.h"

std::unique_ptr<ManagedScene> GameSceneWorldLink::CreateScene(bool bMenuScene)
{
    if (bMenuScene)
        return std::make_unique<GameScene>();
    return std::make_unique<Scene>();
}

void GameSceneWorldLink::LoadMenu()
{
    CorePrint(&g_oCoreLog, "No in-game menu: its scene part is not loaded\n");
}

void GameSceneWorldLink::UnloadMenu()
{
    CorePrint(&g_oCoreLog, "No in-game menu: its scene part is not unloaded\n");
}
