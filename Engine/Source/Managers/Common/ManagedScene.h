#pragma once
#include <cstdint>

// What the scene manager needs of a scene: loading it from its files,
// ending it, its frame and the character the player leads in it. The scene
// world's adventure and menu scenes provide it.
class ManagedScene {
public:
    virtual ~ManagedScene() = default;

    // Loads the scene of the id; false when it cannot be played.
    virtual bool Initialize(int32_t iSceneId) = 0;
    virtual void Shutdown() = 0;
    virtual void Update(uint32_t dt) = 0;
    virtual void Render() = 0;
    virtual void SetActiveCharacter(uint32_t uActorId) = 0;
};
