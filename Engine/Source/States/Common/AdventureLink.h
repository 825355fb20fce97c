#pragma once
#include <cstdint>

// What the main adventure state needs of the in-game menu, the inventory
// script and the auto-test playback. Those parts provide it; tests install
// fakes.
class AdventureLink {
public:
    virtual ~AdventureLink() = default;

    virtual void OpenMenu(uint32_t uPlayingCharacter) = 0;
    virtual void CloseMenu() = 0;

    virtual void StartInventoryScript() = 0;
    virtual void UpdateInventoryScript(uint32_t dt) = 0;
    virtual void EndInventoryScript() = 0;

    // Hands the recorded play-through to the playback.
    virtual void StartAutoTestPlayback() = 0;
};

// Stands in until the menu exists: its steps of the state's entry are logged.
// The game's inventory script (when there is one) is started, updated and
// ended for real, and the recording read at start-up goes to the script
// manager.
class NullAdventureLink : public AdventureLink {
public:
    void OpenMenu(uint32_t uPlayingCharacter) override;
    void CloseMenu() override { }
    void StartInventoryScript() override;
    void UpdateInventoryScript(uint32_t dt) override;
    void EndInventoryScript() override;
    void StartAutoTestPlayback() override;
};

// The link the main state uses; SetAdventureLink(nullptr) restores the null
// one.
AdventureLink& GetAdventureLink();
void SetAdventureLink(AdventureLink* pLink);
