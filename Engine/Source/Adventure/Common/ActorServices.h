#pragma once
#include "Maths/Fx32.h"

#include <cstdint>

// What an actor's actions reach beyond its character: the dialog manager and
// the talk screen, the playing character's inventory and the sound actors.
// The game provides them; tests install small fakes.
class ActorServices {
public:
    virtual ~ActorServices() = default;

    // Starts the dialog of the key in the scene's dialog group (action 28)
    // or in the common group (action 29); false, with a line naming the
    // dialog, when its group is not loaded.
    virtual bool StartDialog(int32_t iActionType, uint32_t uKey) = 0;
    // Whether the talk screen still shows a dialog or a caption.
    virtual bool IsDialogActive() = 0;
    // After a common dialog the scene's group is current again.
    virtual void EndDialog(int32_t iActionType) = 0;
    // Gives the item to, or takes it from, the playing character.
    virtual void AddItem(uint32_t uItemId, int32_t iAmount) = 0;
    virtual void RemoveItem(uint32_t uItemId, int32_t iAmount) = 0;
    // Plays the sound on the sound actor's effect player at the volume.
    virtual void PlayActorEffect(int32_t iSoundActor, int32_t iSoundId, fx32 volume) = 0;
};

// The game's: the dialog manager with the current scene's dialog group, the
// talk screen, the game interface's inventory and the sound manager.
class GameActorServices final : public ActorServices {
public:
    bool StartDialog(int32_t iActionType, uint32_t uKey) override;
    bool IsDialogActive() override;
    void EndDialog(int32_t iActionType) override;
    void AddItem(uint32_t uItemId, int32_t iAmount) override;
    void RemoveItem(uint32_t uItemId, int32_t iAmount) override;
    void PlayActorEffect(int32_t iSoundActor, int32_t iSoundId, fx32 volume) override;
};

// The services every actor uses; SetActorServices(nullptr) restores the
// game's.
ActorServices& GetActorServices();
void SetActorServices(ActorServices* pServices);
