#pragma once
#include "Common/GameInterface.h"

// The game's implementation of the game interface. The inventory operations
// act on the inventory that the in-game menu shows and the script tree is the
// script manager's; while neither is attached, no item is held and there is
// no tree.
class GameInterfaceImpl : public GameInterface {
public:
    // The owners of the inventory and of the script tree attach these; the
    // game interface forwards to them.
    class Inventory {
    public:
        virtual ~Inventory();
        virtual bool Holds(uint32_t uItemId) = 0;
        virtual void Add(uint32_t uItemId, int32_t iAmount, int32_t iCell) = 0;
        virtual int32_t Remove(uint32_t uItemId, int32_t iAmount, int32_t iCell) = 0;
        // The inventory tab's panel state (2 and 3: an item is selected).
        virtual int32_t GetPanelState() = 0;
        virtual void SetPanelState(int32_t iState) = 0;
    };

    bool HasItem(uint32_t uItemId) override;
    void AddItem(uint32_t uItemId, int32_t iAmount, int32_t iCell) override;
    int32_t RemoveItem(uint32_t uItemId, int32_t iAmount, int32_t iCell) override;
    VarSet* GetVarManager() override;
    ScriptTree GetScriptTree() override;

    void AttachInventory(Inventory* pInventory) { m_pInventory = pInventory; }
    void AttachScriptTree(const ScriptTree* pScriptTree) { m_pScriptTree = pScriptTree; }

private:
    Inventory* m_pInventory = nullptr;
    const ScriptTree* m_pScriptTree = nullptr;
};

extern GameInterfaceImpl g_oGameInterface;
