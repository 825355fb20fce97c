#pragma once
#include <cstdint>
#include <memory>

class Scriptable;

// What the script manager needs of the scene manager and of the current scene:
// switching scenes, the playing character, the scene's posted events and input
// state, its characters, actor sets and walk-mesh blockers, and the making of
// actors. The scene world provides it; tests install small fakes.
class ScriptSceneLink {
public:
    // Posted events: open the in-game menu on a page, close it, and return the
    // input to its idle state (the game has become non-interactive).
    static constexpr int32_t EVENT_OPEN_MENU = 0;
    static constexpr int32_t EVENT_CLOSE_MENU = 1;
    static constexpr int32_t EVENT_NOT_INTERACTIVE = 15;

    virtual ~ScriptSceneLink() = default;

    // Whether a scene is current.
    virtual bool HasScene() = 0;
    // The id of the current scene, 0 when there is none.
    virtual int32_t GetSceneId() = 0;
    // Ends the current scene and creates the next; 0 only ends it (the in-game
    // menu is unloaded when an adventure scene is left for no scene).
    virtual void SetNextScene(int32_t iSceneId) = 0;
    // The character the player leads, as the scene manager keeps it.
    virtual uint32_t GetPlayingCharacter() = 0;
    // Stores the playing character and makes it the current scene's active one.
    virtual void SetPlayingCharacter(uint32_t uActorId) = 0;

    // Posts an event to the current scene's input.
    virtual void PostEvent(int32_t iCode, int32_t iParameter) = 0;
    // Whether the current scene's input shows the in-game menu.
    virtual bool IsInMenuState() = 0;
    virtual void SetActiveCharacter(uint32_t uActorId) = 0;
    virtual void SelectCharacter(uint32_t uActorId) = 0;
    // Hands a scripted direction code to the current scene.
    virtual void DirectionToVector(int32_t iDirection) = 0;
    virtual void LoadActorSet(const char* pName) = 0;
    // The new scene's preparation, once its script has started.
    virtual void Prepare() = 0;
    // Switches a blocker of the current scene's walk mesh on or off.
    virtual void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) = 0;

    // A new actor for the actor id (the script manager registers it).
    virtual std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) = 0;
};

// Stands in until the scene world exists: there is no scene object (the id of
// the requested one is kept), calls that would change one are logged, and actors are plain scriptables (which run the
// waits that the logic actors are used for).
class NullScriptSceneLink final : public ScriptSceneLink {
public:
    bool HasScene() override { return false; }
    int32_t GetSceneId() override { return m_iSceneId; }
    void SetNextScene(int32_t iSceneId) override;
    uint32_t GetPlayingCharacter() override { return m_uPlayingCharacter; }
    void SetPlayingCharacter(uint32_t uActorId) override;
    void PostEvent(int32_t iCode, int32_t iParameter) override;
    bool IsInMenuState() override { return false; }
    void SetActiveCharacter(uint32_t uActorId) override;
    void SelectCharacter(uint32_t uActorId) override;
    void DirectionToVector(int32_t iDirection) override;
    void LoadActorSet(const char* pName) override;
    void Prepare() override;
    void SetWalkMeshBlocker(int32_t iBlockerId, bool bActive) override;
    std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) override;

private:
    int32_t m_iSceneId = 0;
    uint32_t m_uPlayingCharacter = 0;
};

// The link the script manager uses; SetScriptSceneLink(nullptr) restores the
// null one.
ScriptSceneLink& GetScriptSceneLink();
void SetScriptSceneLink(ScriptSceneLink* pLink);
