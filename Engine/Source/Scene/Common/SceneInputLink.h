#pragma once
#include <cstdint>

// What a scene's input asks of the talk screen, the in-game menu, the
// inventory and the text tables around it. The game provides it; tests
// install fakes.
class SceneInputLink {
public:
    virtual ~SceneInputLink() = default;

    // The talk screen shows a line or waits for one.
    virtual bool IsTalkScreenActive() = 0;
    // A dialog of the current group runs; whether it offers the player
    // choices.
    virtual bool IsDialogRunning() = 0;
    virtual bool DialogOffersChoices() = 0;
    // The talk screen's caption; null clears it. The text is copied.
    virtual void SetCaption(const char* pText) = 0;
    virtual void HideCaption() = 0;
    // The in-game menu's current tab.
    virtual void SetMenuTab(int32_t iTab) = 0;
    // The inventory cell whose item the player holds, or -1; the item's
    // displayed name, or null; its item id, 0 for none.
    virtual int32_t GetSelectedItem() = 0;
    virtual const char* GetItemName(int32_t iItem) = 0;
    virtual uint32_t GetItemId(int32_t iItem) = 0;
    // Drops the held item and refreshes the inventory.
    virtual void ClearItemSelection() = 0;
    // The text of a text id in the loaded tables, or null.
    virtual const char* GetText(uint32_t uTextId) = 0;
};

// Stands in until those parts exist: no talk screen, no dialog, no item, no
// texts.
class NullSceneInputLink : public SceneInputLink {
public:
    bool IsTalkScreenActive() override { return false; }
    bool IsDialogRunning() override { return false; }
    bool DialogOffersChoices() override { return false; }
    void SetCaption(const char*) override { }
    void HideCaption() override { }
    void SetMenuTab(int32_t) override { }
    int32_t GetSelectedItem() override { return -1; }
    const char* GetItemName(int32_t) override { return nullptr; }
    uint32_t GetItemId(int32_t) override { return 0; }
    void ClearItemSelection() override { }
    const char* GetText(uint32_t) override { return nullptr; }
};

// The link every scene uses; SetSceneInputLink(nullptr) restores the null
// one.
SceneInputLink& GetSceneInputLink();
void SetSceneInputLink(SceneInputLink* pLink);
