#pragma once
#include "States/Common/AdventureLink.h"

#include <cstdint>

class CoreTexture;

// The in-game menu's side of the main state's link: the menu opens and
// closes with the adventure and the inventory script learns of the inventory
// tab. The rest keeps the null link's behaviour.
class MenuAdventureLink : public NullAdventureLink {
public:
    void OpenMenu(uint32_t uPlayingCharacter) override;
    void CloseMenu() override;
    void StartInventoryScript() override;
    void EndInventoryScript() override;
};

// Installs the main state's link and the game interface's inventory while
// the menu exists; Uninstall restores the null ones.
void InstallInterfaceMenuLinks();
void UninstallInterfaceMenuLinks();

// What the scenes and the scene manager ask of the one in-game menu, each
// call harmless while no menu exists.
namespace InGameMenu {

void Update(uint32_t dtMs);
void DrawPanel();
// The new-item alert, then the quest alert.
void DrawAlerts();
// The icon of the picked-up item, null when none is picked up.
CoreTexture* GetHeldItemIcon();
void SetTab(int32_t iTab);
// The cell whose item is picked up, or -1.
int32_t GetSelectedCell();
// The item of a shown cell, 0 for none; its name as the player reads it.
uint32_t GetItemId(int32_t iCell);
const char* GetItemName(int32_t iCell);
// The carried item was used or put back.
void ClearItemSelection();
// Entering and leaving the adventure: a failed load is reported.
void Load();
void Unload();
bool UpdateMap();
// The playing character changed: the menu shows that character's inventory.
void UpdateHeroInventory();

} // namespace InGameMenu
