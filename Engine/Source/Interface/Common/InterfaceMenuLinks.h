#pragma once
#include "Scene/Common/SceneInputLink.h"
#include "Scene/Common/SceneInterfaceLink.h"
#include "States/Common/AdventureLink.h"

// The in-game menu's side of the links that the main state and the scenes
// use: the menu opens and closes with the adventure, the scene updates and
// draws it and reads the item the player holds. What the menu does not
// provide (the talk screen) keeps the null links' behaviour.
class MenuAdventureLink : public NullAdventureLink {
public:
    void OpenMenu(uint32_t uPlayingCharacter) override;
    void CloseMenu() override;
    // The inventory script also learns of the inventory tab, and forgets it.
    void StartInventoryScript() override;
    void EndInventoryScript() override;
};

class MenuSceneInterfaceLink : public NullSceneInterfaceLink {
public:
    void UpdateMenu(uint32_t dtMs) override;
    void DrawMenuPanel() override;
    void DrawMenuBars() override;
    CoreTexture* GetHeldItemIcon() override;
    bool IsBusy() override;
    Tw::TextRenderer* GetMainTextRenderer() override;
    Tw::TextRenderer* GetSmallTextRenderer() override;
};

class MenuSceneInputLink : public NullSceneInputLink {
public:
    void SetMenuTab(int32_t iTab) override;
    int32_t GetSelectedItem() override;
    // The item's name as the player reads it.
    const char* GetItemName(int32_t iItem) override;
    uint32_t GetItemId(int32_t iItem) override;
    void ClearItemSelection() override;
    const char* GetText(uint32_t uTextId) override;
};

// Installs the three links (and the game interface's inventory) while the
// menu exists; Uninstall restores the null ones.
void InstallInterfaceMenuLinks();
void UninstallInterfaceMenuLinks();
