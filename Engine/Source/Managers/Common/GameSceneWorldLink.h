#pragma once
#include "Managers/Common/SceneWorldLink.h"

// The game's scene world: the menu scenes are the scene world's menu scenes,
// every other scene an adventure scene, both loaded from their files. The
// in-game menu's calls are logged until the menu exists.
class GameSceneWorldLink final : public SceneWorldLink {
public:
    std::unique_ptr<ManagedScene> CreateScene(bool bMenuScene) override;
    void LoadMenu() override;
    void UnloadMenu() override;
    bool UpdateMap() override { return true; }
    void UpdateHeroInventory() override { }
};
