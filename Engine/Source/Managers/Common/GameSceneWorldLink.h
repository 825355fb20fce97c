#pragma once
#include "Managers/Common/SceneWorldLink.h"

// The game's scene world: the menu scenes are the scene world's menu scenes,
// every other scene an adventure scene, both loaded from their files; the
// in-game menu loads for the adventure and shows the playing character's
// inventory.
class GameSceneWorldLink final : public SceneWorldLink {
public:
    std::unique_ptr<ManagedScene> CreateScene(bool bMenuScene) override;
    void LoadMenu() override;
    void UnloadMenu() override;
    bool UpdateMap() override;
    void UpdateHeroInventory() override;
    void EndGameAsFailed() override;
};
