#pragma once
#include "ScriptEngine/common/SceneScript.h"

#include <cstdint>
#include <span>

class CombineSelection;
class GameInterface;

// One row of the combination table: two items, whether each is used up (1) or
// kept (0), and the item they make (0: none) with the amount it is added
// with.
struct ItemCombination {
    uint32_t m_uItem1;
    uint32_t m_uConsume1;
    uint32_t m_uItem2;
    uint32_t m_uConsume2;
    uint32_t m_uResult;
    uint32_t m_uResultFlag;
    uint32_t m_uReserved;
};

constexpr int NB_ITEM_COMBINATIONS = 39;

// The script of the inventory, present in every scene: it combines two items
// of the inventory by its table, tells the inventory tab whether the two
// selected items combine, and adds the reactions to each combination (the
// Combine handlers) to every scene's tree, after the scene script's handlers.
// Item ids are compared as signed numbers (they carry the top bit, so they
// are negative).
class InventoryScript final : public SceneScript {
public:
    // Creates the one inventory script into the game object's
    // m_pInventoryScript (logged when there is one already).
    static void CreateSingleton();
    // Destroys it and clears the pointer (logged when there is none).
    static void DestroySingleton();
    // The one inventory script, or null.
    static InventoryScript* GetInstance();

    InventoryScript();

    // Prepares the table: each row's two items in ascending order, the rows
    // sorted by their first item. Running it again changes nothing.
    void Init() override;
    // Every adventure frame: whether the selected pair combines.
    void Update(uint32_t dt) override;
    // The inventory script loads no sounds: nothing to give back.
    void ReleaseSounds() override;

    void NormalizeCombinations();
    void UpdateCombineState(uint32_t dt);
    // Sets the tab's flag: while a scene shows the in-game menu, true exactly
    // when the picked-up and the pointed item are two different items with a
    // row; false in every other case.
    void ComputeCanCombine();

    // The row of the two items in either order (null: none). With b = 0, the
    // first row whose first item is a.
    const ItemCombination* FindCombination(uint32_t a, uint32_t b) const;
    // Combines the two items in the inventory that g reaches: the used-up items
    // go, the made item takes the cell of the last one removed. Fills out with
    // the Combine event of a and b, in this order, for the caller to fire.
    // False, and nothing changes, when the pair has no row.
    bool CombineItem(GameInterface* g, uint32_t a, uint32_t b, EventDesc* out) const;

    // The inventory tab attaches itself (null: none).
    void SetCombineSelection(CombineSelection* pSelection) { m_pSelection = pSelection; }
    std::span<const ItemCombination> GetCombinations() const { return m_aCombinations; }
    // The table as the game stores it, before Init prepares a copy.
    static std::span<const ItemCombination> GetStoredCombinations();

protected:
    // The reactions to the combinations.
    void BuildEvents() override;

private:
    ItemCombination m_aCombinations[NB_ITEM_COMBINATIONS];
    CombineSelection* m_pSelection = nullptr;
};
