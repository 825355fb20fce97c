#include "Managers/Common/GameSceneWorldLink.h"

#include "Common/GameLink.h"
#include "Interface/Common/InterfaceMenuLinks.h"
#include "Scene/Common/GameScene.h"

std::unique_ptr<ManagedScene> GameSceneWorldLink::CreateScene(bool bMenuScene)
{
    if (bMenuScene)
        return std::make_unique<GameScene>();
    return std::make_unique<Scene>();
}

void GameSceneWorldLink::LoadMenu()
{
    InGameMenu::Load();
}

void GameSceneWorldLink::UnloadMenu()
{
    InGameMenu::Unload();
}

bool GameSceneWorldLink::UpdateMap()
{
    return InGameMenu::UpdateMap();
}

void GameSceneWorldLink::UpdateHeroInventory()
{
    InGameMenu::UpdateHeroInventory();
}

void GameSceneWorldLink::EndGameAsFailed()
{
    GetGameLink().EndAsFailed();
}
