#pragma once
#include "ScriptEngine/common/ScriptNode.h"

#include <cstdint>

class VarSet;

// What the script runtime and the dialogs may reach of the game: the items of
// the playing character, the game variables and the current script tree.
class GameInterface {
public:
    virtual ~GameInterface();

    // Whether the shown inventory holds the item.
    virtual bool HasItem(uint32_t uItemId) = 0;
    // Adds an item to the shown inventory (amount, preferred cell or -1).
    virtual void AddItem(uint32_t uItemId, int32_t iAmount, int32_t iCell) = 0;
    // Removes an item (amount, cell or -1 to search); the cell it held, or -1.
    virtual int32_t RemoveItem(uint32_t uItemId, int32_t iAmount, int32_t iCell) = 0;
    virtual VarSet* GetVarManager() = 0;
    virtual ScriptTree GetScriptTree() = 0;

    // The game's one implementation, for the whole run.
    static GameInterface* GetGameInterface();
};
