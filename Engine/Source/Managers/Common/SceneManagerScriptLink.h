#pragma once
#include "Adventure/Common/Scriptable.h"
#include "Managers/Common/ScriptSceneLink.h"

class Scene;

// The script manager's way to the scene manager and its current scene: scene
// switches and the playing character go to the manager; posted events, the
// characters, actor sets and walk-mesh blockers to the current scene, and
// actors come from the scene world's cast. While no scene is current, the
// calls on it are logged.
class SceneManagerScriptLink final : public ScriptSceneLink {
public:
    bool HasScene() override;
    int32_t GetSceneId() override;
    void SetNextScene(int32_t iSceneId) override;
    uint32_t GetPlayingCharacter() override;
    void SetPlayingCharacter(uint32_t uActorId) override;
    void PostEvent(int32_t iCode, int32_t iParameter) override;
    bool IsInMenuState() override;
    void SetActiveCharacter(uint32_t uActorId) override;
    void SelectCharacter(uint32_t uActorId) override;
    void DirectionToVector(int32_t iDirection) override;
    void LoadActorSet(const char* pName) override;
    void Prepare() override;
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override;
    std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) override;

    // The current scene when it is one of the scene world's, else null.
    static Scene* GetCurrentScene();

private:
    NullScriptSceneLink m_oNoScene;
};
