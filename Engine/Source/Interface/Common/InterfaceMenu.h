#pragma once
#include "Interface/Common/InterfaceButton.h"
#include "Interface/Common/InterfaceMap.h"
#include "Interface/Common/InterfaceOptions.h"
#include "Interface/Common/InterfaceQuest.h"
#include "Inventory/Common/Inventory.h"
#include "Scene/Common/InterfaceSprite.h"

#include <cstdint>

namespace Tw {
class TextRenderer;
}

// The tabs of the in-game menu, in tab-bar order.
enum InterfaceTab : int32_t {
    TAB_NONE = -1,
    TAB_INVENTORY = 0,
    TAB_MAP = 1,
    TAB_QUEST = 2,
    TAB_OPTIONS = 3,
    NB_TABS = 4,
};

constexpr int32_t NB_MENU_BUTTONS = 128;

// One of the menu's two short alerts at the top of the screen: a run of 2.0 s
// that starts with a sound.
struct MenuAlert {
    uint8_t m_bActive = 0;
    // fx32 seconds into the run.
    fx32 m_fxElapsed = 0;
};

// The in-game menu: a tab bar over one of four tab panels, opened for the
// playing character whose inventory it shows, loaded (its textures fetched)
// while adventure scenes run. The scene decides when it is on screen and
// enables its input; the menu updates every adventure frame.
class InterfaceMenu {
public:
    // The sound that starts an alert's run.
    static constexpr int32_t ALERT_SOUND = 0x370A0BC4;
    static constexpr fx32 ALERT_DURATION = 2 * FX32_ONE;

    // Creates the one menu (reported when one exists: the new one replaces
    // it).
    static InterfaceMenu* CreateSingleton();
    static void DestroySingleton();
    static InterfaceMenu* GetInstance() { return m_pSingleton; }

    InterfaceMenu();

    // Opens for the character: each tab's Init in turn (the first false stops
    // with false), both alerts off, no current tab, to be loaded again.
    bool Open(uint32_t uCharacter);
    // Each tab's Term, then no character is shown.
    void Close();
    // Fetches the tab bar and each tab's textures (the first false stops
    // with false), the alert sprites, and shows the inventory. True at once
    // when loaded.
    bool Load();
    void Unload();

    // One adventure frame: the tab bar's input unless the game is busy, the
    // current tab, the quest log's refresh and the alerts.
    void Update(uint32_t dtMs);
    // The current tab, the visible pool buttons, then the tab's texts.
    void DrawPanel();
    void DrawItemAlert();
    void DrawQuestAlert();

    // Ignored while the menu is closed. Hides every pool button, deactivates
    // the old tab, shows the tab bar for the new one (TAB_NONE for none) and
    // lets it show its buttons and clear its selection.
    void SetCurrentTab(int32_t iTab);
    // The tab bar's input: a press on a tab's button, or next and previous
    // tab.
    void HandleTabInput();
    // The nearest target within 45 degrees of the direction from c, or c
    // itself: the centres of the visible buttons and of the tab bar, and the
    // current tab's own targets.
    CoreFxVec2 FindNextCursorTarget(CoreFxVec2 c, CoreFxVec2 direction);

    void StartItemAlert() { m_oItemAlert.m_bActive = 1; }
    void StartQuestAlert() { m_oQuestAlert.m_bActive = 1; }

    InterfaceButton& GetButton(int32_t iEntry) { return m_aButtons[iEntry]; }
    int32_t GetCurrentTabIndex() const { return m_iCurrentTab; }
    InterfacePanel* GetCurrentTab() const { return m_pCurrentTab; }
    InterfacePanel* GetTab(int32_t iTab);
    Inventory& GetInventory() { return m_oInventory; }
    InterfaceMap& GetMap() { return m_oMap; }
    InterfaceQuest& GetQuest() { return m_oQuest; }
    InterfaceOptions& GetOptions() { return m_oOptions; }
    Tw::TextRenderer* GetMainTextRenderer() const { return m_pMainText; }
    Tw::TextRenderer* GetSecondTextRenderer() const { return m_pSecondText; }
    uint32_t GetShownCharacter() const { return m_uShownCharacter; }
    bool IsOpen() const { return m_uShownCharacter != 0; }
    bool IsLoaded() const { return m_bLoaded != 0; }
    const MenuAlert& GetItemAlert() const { return m_oItemAlert; }
    const MenuAlert& GetQuestAlert() const { return m_oQuestAlert; }

private:
    static InterfaceMenu* m_pSingleton;

    void UpdateAlert(MenuAlert& alert, uint32_t dtMs);
    void DrawAlert(const MenuAlert& alert, const InterfaceSprite& sprite);

    int32_t m_iCurrentTab = TAB_NONE;
    InterfaceButton m_aButtons[NB_MENU_BUTTONS];
    InterfacePanel* m_pCurrentTab = nullptr;
    Inventory m_oInventory;
    InterfaceMap m_oMap;
    InterfaceQuest m_oQuest;
    InterfaceOptions m_oOptions;
    Tw::TextRenderer* m_pMainText = nullptr;
    Tw::TextRenderer* m_pSecondText = nullptr;
    MenuAlert m_oQuestAlert;
    MenuAlert m_oItemAlert;
    uint32_t m_uShownCharacter = 0;
    uint8_t m_bLoaded = 0;
    uint8_t m_bFirstUpdate = 1;
    InterfaceSprite m_oItemAlertSprite;
    InterfaceSprite m_oQuestAlertSprite;
};
