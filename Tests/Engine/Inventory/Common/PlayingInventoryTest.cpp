// The scripts' add-item and remove-item actions: through the inventory tab
// when the menu shows the playing character, into the save slot otherwise.
#include "Adventure/Common/Actor.h"
#include "Engine/Inventory/Common/MenuTestKit.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/SceneManager.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace {

using namespace MenuTest;
using testing::HasSubstr;

constexpr uint32_t KID = ActorIdOf("tavrine_kid");

class PlayingInventoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_renderer.IsReady());
        world.SetUp();
        AdventureManager::CreateSingleton();
        AdventureManager::GetInstance()->SetSaveSlotIndex(1);
    }
    void TearDown() override
    {
        AdventureManager::DestroySingleton();
        SceneManager::SetPlayingCharacter(0);
        world.TearDown();
    }
    // The heroine's actor runs the action, as a script's queue would start it.
    void Run(int32_t iType, uint32_t uItem)
    {
        ActionDesc action {};
        action.m_iActionType = iType;
        action.m_oParameter[0] = static_cast<int32_t>(uItem);
        action.m_oParameter[1] = 1;
        Actor actor(HEROINE);
        actor.ExecuteAction(action);
        EXPECT_TRUE(actor.IsDone());
    }
    std::span<uint32_t, SAVE_INVENTORY_CELLS> Block(int index)
    {
        return AdventureManager::GetInstance()->GetSaveSlot(1)->GetInventory(index);
    }

    TestSupport::ScopedNullRenderer m_renderer;
    MenuWorld world;
};

TEST_F(PlayingInventoryTest, TheShownCharactersItemsChangeInTheTabWithTheAlertAndTheSelectionDropped)
{
    SceneManager::SetPlayingCharacter(HEROINE);
    Run(ID_ACTION_TYPE_ADD_ITEM, BRUSH);
    EXPECT_EQ(world.Tab().GetCells()[0], BRUSH);
    EXPECT_TRUE(world.Menu().GetItemAlert().m_bActive);
    EXPECT_TRUE(std::ranges::all_of(Block(0), [](uint32_t cell) { return cell == 0; }));

    world.Frame(world.CellX(0), world.CellY(0), false);
    world.Frame(world.CellX(0), world.CellY(0), true);
    ASSERT_EQ(world.Tab().GetSelectedCell(), 0);
    Run(ID_ACTION_TYPE_REMOVE_ITEM, BRUSH);
    EXPECT_EQ(world.Tab().GetCells()[0], 0u);
    EXPECT_EQ(world.Tab().GetSelectedCell(), -1);
}

TEST_F(PlayingInventoryTest, AnotherCharactersItemsChangeInTheirBlockOfTheCurrentSlot)
{
    // The menu shows the heroine; the kid plays.
    SceneManager::SetPlayingCharacter(KID);
    Run(ID_ACTION_TYPE_ADD_ITEM, DUSTPAN);
    EXPECT_EQ(Block(1)[0], DUSTPAN);
    EXPECT_EQ(world.Tab().GetCells()[0], 0u);
    EXPECT_FALSE(world.Menu().GetItemAlert().m_bActive);
    Run(ID_ACTION_TYPE_REMOVE_ITEM, DUSTPAN);
    EXPECT_EQ(Block(1)[0], 0u);
    TestSupport::LogCapture log;
    Run(ID_ACTION_TYPE_REMOVE_ITEM, DUSTPAN);
    EXPECT_THAT(log.Take(), HasSubstr("RemoveItem from inventory: item(ITEM_DUSTPAN) not found\n"));
}

} // namespace
