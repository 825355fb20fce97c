#pragma once
#include <cstdint>
#include <memory>

class ManagedScene;

// What the scene manager needs of the scene world, the in-game menu, the
// save slots and the game: making scene objects, loading the in-game menu's
// scene part when the player enters the adventure and unloading it when they
// leave it, the map tab, the inventory shown for the playing character, and
// ending the game when it cannot go on. Tests install fakes.
class SceneWorldLink {
public:
    virtual ~SceneWorldLink() = default;

    // A menu scene or an adventure scene, not loaded yet.
    virtual std::unique_ptr<ManagedScene> CreateScene(bool bMenuScene) = 0;
    virtual void LoadMenu() = 0;
    virtual void UnloadMenu() = 0;
    // Updates the map tab for the new scene; false when it cannot.
    virtual bool UpdateMap() = 0;
    // Shows the inventory of the playing character.
    virtual void UpdateHeroInventory() = 0;
    // Ends the game after the current frame as a failure (exit code 1): a
    // scene it cannot go on without did not load.
    virtual void EndGameAsFailed() = 0;
};

// Stands in until the scene world exists: every scene is an empty one that
// loads, shows nothing and says so; the menu calls are logged.
class NullSceneWorldLink final : public SceneWorldLink {
public:
    std::unique_ptr<ManagedScene> CreateScene(bool bMenuScene) override;
    void LoadMenu() override;
    void UnloadMenu() override;
    bool UpdateMap() override { return true; }
    void UpdateHeroInventory() override { }
    // Its scenes always load.
    void EndGameAsFailed() override { }
};

// The link the scene manager uses; SetSceneWorldLink(nullptr) restores the
// null one.
SceneWorldLink& GetSceneWorldLink();
void SetSceneWorldLink(SceneWorldLink* pLink);
