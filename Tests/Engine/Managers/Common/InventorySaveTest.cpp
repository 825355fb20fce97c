// The inventories in the save file: the shown character's cells go into that
// character's block of the slot, survive the file, and come back into the
// inventory tab; a change of playing character swaps the blocks.
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Managers/Common/SceneManager.h"
#include "SaveSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

constexpr uint32_t HEROINE = ActorIdOf("tavrine");
constexpr uint32_t KID = ActorIdOf("tavrine_kid");

using Cells = std::array<uint32_t, INVENTORY_CELLS>;

// Cells that differ from each other and from any other seed's.
Cells Pattern(uint32_t seed)
{
    Cells cells {};
    for (int32_t iCell = 0; iCell < INVENTORY_CELLS; iCell += 3)
        cells[iCell] = 0x80000000u + seed * 1000u + static_cast<uint32_t>(iCell);
    return cells;
}

class InventorySaveTest : public SaveSession {
protected:
    void SetUp() override
    {
        SaveSession::SetUp();
        InterfaceMenu::CreateSingleton();
    }
    void TearDown() override
    {
        InterfaceMenu::DestroySingleton();
        SceneManager::SetPlayingCharacter(0);
        SaveSession::TearDown();
    }
    static InterfaceMenu& Menu() { return *InterfaceMenu::GetInstance(); }
    static Cells Shown()
    {
        Cells cells {};
        std::ranges::copy(Menu().GetInventory().GetCells(), cells.begin());
        return cells;
    }
    static Cells Block(const SaveSlotData& slot, int index)
    {
        Cells cells {};
        std::ranges::copy(slot.GetInventory(index), cells.begin());
        return cells;
    }
};

TEST_F(InventorySaveTest, TheShownInventorySurvivesASaveARestartAndALoadBesideTheOtherCharactersOne)
{
    SceneManager::SetPlayingCharacter(KID);
    ASSERT_TRUE(Menu().Open(KID));
    Menu().GetInventory().SetItems(Pattern(1));
    SaveSlotData* slot = Slots().GetSaveSlot(2);
    std::ranges::copy(Pattern(2), slot->GetInventory(0).begin());
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 9);
    Slots().StoreGameState(slot);
    EXPECT_EQ(Block(*slot, 1), Pattern(1));
    EXPECT_EQ(Block(*slot, 0), Pattern(2));
    ASSERT_EQ(Slots().SaveToBackup(2), SAVE_RESULT_DONE);

    Restart();
    Menu().Close();
    ASSERT_TRUE(Menu().Open(KID));
    ASSERT_EQ(Shown(), Cells {});
    ASSERT_EQ(Slots().LoadFromBackup(), SAVE_RESULT_DONE);
    Slots().RestoreGameState(Slots().GetSaveSlot(2));
    EXPECT_EQ(Shown(), Pattern(1));
    EXPECT_EQ(Block(*Slots().GetSaveSlot(2), 0), Pattern(2));
}

TEST_F(InventorySaveTest, AChangeOfPlayingCharacterKeepsTheOldInventoryInTheSlotAndShowsTheNewOne)
{
    Slots().SetSaveSlotIndex(1);
    SaveSlotData* slot = Slots().GetSaveSlot(1);
    std::ranges::copy(Pattern(3), slot->GetInventory(0).begin());
    ASSERT_TRUE(Menu().Open(KID));
    Menu().GetInventory().SetItems(Pattern(4));

    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(HEROINE));
    Slots().UpdateHeroInventory();
    EXPECT_EQ(Menu().GetShownCharacter(), HEROINE);
    EXPECT_EQ(Shown(), Pattern(3));
    EXPECT_EQ(Block(*slot, 1), Pattern(4));

    // The same character again changes nothing.
    Menu().GetInventory().SetItems(Pattern(5));
    Slots().UpdateHeroInventory();
    EXPECT_EQ(Shown(), Pattern(5));
    EXPECT_EQ(Block(*slot, 0), Pattern(3));

    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(KID));
    Slots().UpdateHeroInventory();
    EXPECT_EQ(Shown(), Pattern(4));
    EXPECT_EQ(Block(*slot, 0), Pattern(5));
}

} // namespace
