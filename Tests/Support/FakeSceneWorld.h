#pragma once
#include "Managers/Common/ManagedScene.h"
#include "Managers/Common/SceneWorldLink.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace TestSupport {

// A scene world that records, in one list, the scenes it makes and what
// they and the in-game menu are asked to do. The scenes of the ids in
// failingScenes fail to load.
class FakeSceneWorld final : public SceneWorldLink {
public:
    class Scene final : public ManagedScene {
    public:
        Scene(FakeSceneWorld& world, bool menu) : m_world(world), m_bMenu(menu) { }
        bool Initialize(int32_t sceneId) override
        {
            m_iId = sceneId;
            m_world.Note(std::string(m_bMenu ? "load menu scene " : "load scene ") + std::to_string(sceneId));
            return m_world.failingScenes.count(sceneId) == 0;
        }
        void Shutdown() override { m_world.Note("end scene " + std::to_string(m_iId)); }
        void Update(uint32_t) override { ++m_world.updates; }
        void Render() override { ++m_world.renders; }
        void SetActiveCharacter(uint32_t actorId) override
        {
            m_world.Note("active " + std::to_string(actorId) + " in " + std::to_string(m_iId));
        }

    private:
        FakeSceneWorld& m_world;
        bool m_bMenu;
        int32_t m_iId = 0;
    };

    std::unique_ptr<ManagedScene> CreateScene(bool menuScene) override
    {
        return std::make_unique<Scene>(*this, menuScene);
    }
    void LoadMenu() override { Note("load in-game menu"); }
    void UnloadMenu() override { Note("unload in-game menu"); }
    bool UpdateMap() override { return true; }
    void UpdateHeroInventory() override { Note("hero inventory"); }
    void EndGameAsFailed() override { Note("game ends as failed"); }

    void Note(const std::string& text) { record.push_back(text); }
    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(record);
        return taken;
    }

    std::vector<std::string> record;
    std::set<int32_t> failingScenes;
    int updates = 0;
    int renders = 0;
};

// Installs the fake world for the life of the object.
class ScopedFakeSceneWorld {
public:
    ScopedFakeSceneWorld() { SetSceneWorldLink(&m_world); }
    ~ScopedFakeSceneWorld() { SetSceneWorldLink(nullptr); }
    ScopedFakeSceneWorld(const ScopedFakeSceneWorld&) = delete;
    ScopedFakeSceneWorld& operator=(const ScopedFakeSceneWorld&) = delete;

    FakeSceneWorld& World() { return m_world; }

private:
    FakeSceneWorld m_world;
};

} // namespace TestSupport
