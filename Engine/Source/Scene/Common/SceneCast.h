#pragma once
#include <cstdint>
#include <memory>

class Scriptable;
class SceneCharacter;
class SceneObject;

// Makes the people and things that an actor set brings into a scene: the
// actor that scripts address, the 3D character it drives and the attachment
// objects. The character and attachment classes provide the game's; tests
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

// The cast every scene uses: the game's own (CharacterCast) unless another is
// set; SetSceneCast(nullptr) restores the game's.
SceneCast& GetSceneCast();
void SetSceneCast(SceneCast* pCast);
