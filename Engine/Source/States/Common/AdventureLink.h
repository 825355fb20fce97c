#pragma once
#include <cstdint>

// What the main adventure state needs of the in-game menu, the inventory
// script, the save slots and the auto-test playback. Those parts provide it;
// tests install fakes.
class AdventureLink {
public:
    virtual ~AdventureLink() = default;

    virtual void OpenMenu(uint32_t uPlayingCharacter) = 0;
    virtual void CloseMenu() = 0;

    virtual void StartInventoryScript() = 0;
    virtual void UpdateInventoryScript(uint32_t dt) = 0;
    virtual void EndInventoryScript() = 0;

    // The current save slot's scene (0 for an empty slot) and playing
    // character.
    virtual int32_t GetSlotSceneId() = 0;
    virtual uint32_t GetSlotPlayingCharacter() = 0;
    // The live game state from the current slot, and back into it.
    virtual void RestoreSlot() = 0;
    virtual void StoreSlot() = 0;

    // Hands the recorded play-through to the playback.
    virtual void StartAutoTestPlayback() = 0;
};

// Stands in until those parts exist: no menu or inventory script, every slot
// empty; the steps of the state's entry and exit are logged.
class NullAdventureLink final : public AdventureLink {
public:
    void OpenMenu(uint32_t uPlayingCharacter) override;
    void CloseMenu() override { }
    void StartInventoryScript() override;
    void UpdateInventoryScript(uint32_t) override { }
    void EndInventoryScript() override { }
    int32_t GetSlotSceneId() override { return 0; }
    uint32_t GetSlotPlayingCharacter() override { return 0; }
    void RestoreSlot() override { }
    void StoreSlot() override;
    void StartAutoTestPlayback() override;
};

// The link the main state uses; SetAdventureLink(nullptr) restores the null
// one.
AdventureLink& GetAdventureLink();
void SetAdventureLink(AdventureLink* pLink);
