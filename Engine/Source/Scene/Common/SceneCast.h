#pragma once
#include <cstdint>
#include <memory>

class Scriptable;
class SceneCharacter;
class SceneObject;

// Makes the people and things that an actor set brings into a scene: the
// actor that scripts address, the 3D character it drives and the attachment
// objects. The character and attachment classes provide the real one; tests
// install small fakes.
class SceneCast {
public:
    virtual ~SceneCast() = default;

    // A new actor for the actor id (its scriptable id not yet set); null when
    // none can be made.
    virtual std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) = 0;
    // The actor's character, loaded from the actor's pack at pPath, linked
    // with its actor both ways, given the actor's script settings, standing on
    // its offset from the origin facing (0, -1) and named pName (at most 16
    // characters kept); null when the pack cannot be loaded.
    virtual std::unique_ptr<SceneCharacter> LoadCharacter(const char* pPath, uint32_t uActorId, Scriptable& oActor,
                                                          const char* pName) = 0;
    // Binds the animation to one of the character's animation types.
    virtual void AddAnimation(SceneObject& oCharacter, int32_t iAnimationId, uint32_t uType) = 0;
    // The attachment loaded from its pack at pPath and named after the
    // attachment table; null when it cannot be loaded.
    virtual std::unique_ptr<SceneObject> LoadAttachment(const char* pPath, uint32_t uAttachmentId) = 0;
};

// Stands in until characters exist: actors are plain scriptables, and
// characters and attachments cannot be loaded (a line names each).
class NullSceneCast final : public SceneCast {
public:
    std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) override;
    std::unique_ptr<SceneCharacter> LoadCharacter(const char* pPath, uint32_t uActorId, Scriptable& oActor,
                                                  const char* pName) override;
    void AddAnimation(SceneObject& oCharacter, int32_t iAnimationId, uint32_t uType) override;
    std::unique_ptr<SceneObject> LoadAttachment(const char* pPath, uint32_t uAttachmentId) override;
};

// The cast every scene uses; SetSceneCast(nullptr) restores the null one.
SceneCast& GetSceneCast();
void SetSceneCast(SceneCast* pCast);
