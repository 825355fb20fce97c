#pragma once
#include "Scene/Common/SceneCast.h"

// The cast of the game: actors that drive characters loaded from their
// packs, and attachments loaded from theirs.
class CharacterCast final : public SceneCast {
public:
    std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) override;
    std::unique_ptr<SceneCharacter> LoadCharacter(const char* pPath, uint32_t uActorId, Scriptable& oActor,
                                                  const char* pName) override;
    void AddAnimation(SceneObject& oCharacter, int32_t iAnimationId, uint32_t uType) override;
    std::unique_ptr<SceneObject> LoadAttachment(const char* pPath, uint32_t uAttachmentId) override;
};
