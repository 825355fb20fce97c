#pragma once
#include "Adventure/Common/Scriptable.h"
#include "Managers/Common/ScriptSceneLink.h"

// The script manager's way to the scene manager: scene switches and the
// playing character go to it. The calls on the scene's own input, actors and
// walk mesh are logged until the scene world answers them.
class SceneManagerScriptLink final : public ScriptSceneLink {
public:
    bool HasScene() override;
    int32_t GetSceneId() override;
    void SetNextScene(int32_t iSceneId) override;
    uint32_t GetPlayingCharacter() override;
    void SetPlayingCharacter(uint32_t uActorId) override;
    void PostEvent(int32_t iCode, int32_t iParameter) override { m_oScene.PostEvent(iCode, iParameter); }
    bool IsInMenuState() override { return m_oScene.IsInMenuState(); }
    void SetActiveCharacter(uint32_t uActorId) override;
    void SelectCharacter(uint32_t uActorId) override { m_oScene.SelectCharacter(uActorId); }
    void DirectionToVector(int32_t iDirection) override { m_oScene.DirectionToVector(iDirection); }
    void LoadActorSet(const char* pName) override { m_oScene.LoadActorSet(pName); }
    void Prepare() override { m_oScene.Prepare(); }
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override
    {
        m_oScene.SetWalkMeshBlocker(iBlockerId, bActive);
    }
    std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) override { return m_oScene.CreateActor(uActorId); }

private:
    NullScriptSceneLink m_oScene;
};
