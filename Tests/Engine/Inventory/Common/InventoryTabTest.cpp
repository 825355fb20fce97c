// The inventory tab under the player's hand, with injected input: pages,
// presses, drags and drops, and the scripts' additions.
#include "Common/VarIds.h"
#include "Engine/Inventory/Common/MenuTestKit.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/SceneEventParams.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/Font/Common/TextRenderer.h"
#include "Utils/Common/Font/Common/TwFont.h"

#include <gmock/gmock.h>

#include <string_view>

namespace {

using namespace MenuTest;
using testing::ElementsAre;
using testing::HasSubstr;

// Notes where each glyph would be drawn.
class GlyphRecorder final : public Tw::TextRenderer {
public:
    void DrawGlyph(uint32_t, uint32_t, uint32_t, uint32_t, fx32 x, fx32 y, fx32, fx32, uint32_t) override
    {
        glyphs.push_back({x, y});
    }
    std::vector<CoreFxVec2> glyphs;
};

class InventoryTabTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_renderer.IsReady());
        world.SetUp();
        g_VarManager.SetInt(VARINT_INV_DOUBLOON, 0);
    }
    void TearDown() override
    {
        world.TearDown();
        g_VarManager.SetInt(VARINT_INV_DOUBLOON, 0);
    }
    void Put(int32_t iCell, uint32_t uItem)
    {
        uint32_t cells[INVENTORY_CELLS] = {};
        std::ranges::copy(world.Tab().GetCells(), cells);
        cells[iCell] = uItem;
        world.Tab().SetItems(cells);
    }
    Inventory& Tab() { return world.Tab(); }
    bool Shown(int32_t iEntry) { return world.Menu().GetButton(iEntry).m_bVisible != 0; }

    TestSupport::ScopedNullRenderer m_renderer;
    MenuWorld world;
};

TEST_F(InventoryTabTest, APressOnAnEmptyCellPicksNothingUpAndOnAnItemPicksItUp)
{
    Put(3, BRUSH);
    world.Frame(world.CellX(0), world.CellY(0), false);
    world.Frame(world.CellX(0), world.CellY(0), true);
    EXPECT_EQ(Tab().GetSelectedCell(), -1);
    EXPECT_EQ(Tab().GetHeldCell(), -1);
    world.Frame(world.CellX(0), world.CellY(0), false);
    world.Frame(world.CellX(3), world.CellY(3), true);
    EXPECT_EQ(Tab().GetSelectedCell(), 3);
    EXPECT_EQ(Tab().GetHeldCell(), 3);
    EXPECT_EQ(Tab().GetPickedItem(), BRUSH);
}

TEST_F(InventoryTabTest, AnItemDroppedOnAnEmptyCellMovesWithItsIconAndOnItsOwnCellStaysSilently)
{
    Put(1, BRUSH);
    CoreTexture* icon = Tab().GetItemDisplayData(1);
    ASSERT_NE(icon, nullptr);
    world.Drag(world.CellX(1), world.CellY(1), world.CellX(7), world.CellY(7));
    EXPECT_EQ(Tab().GetCells()[1], 0u);
    EXPECT_EQ(Tab().GetCells()[7], BRUSH);
    EXPECT_EQ(Tab().GetItemDisplayData(7), icon);
    EXPECT_EQ(Tab().GetSelectedCell(), -1);

    world.Drag(world.CellX(7), world.CellY(7), world.CellX(7) + 5 * U, world.CellY(7));
    EXPECT_EQ(Tab().GetCells()[7], BRUSH);
    EXPECT_TRUE(world.services.sounds.empty());
    EXPECT_TRUE(world.services.fired.empty());
}

TEST_F(InventoryTabTest, AnItemDroppedOnOneItDoesNotCombineWithIsRefusedWithASoundAndBothStay)
{
    Put(0, BRUSH);
    Put(1, SWORD);
    world.Drag(world.CellX(0), world.CellY(0), world.CellX(1), world.CellY(1));
    EXPECT_THAT(world.services.sounds, ElementsAre(Inventory::REFUSAL_SOUND));
    EXPECT_EQ(Tab().GetCells()[0], BRUSH);
    EXPECT_EQ(Tab().GetCells()[1], SWORD);
    EXPECT_TRUE(world.services.fired.empty());
}

TEST_F(InventoryTabTest, TwoItemsThatCombineGoThroughTheInventoryScriptAndItsEventIsFiredAndLogged)
{
    Put(0, BRUSH);
    Put(1, DUSTPAN);
    // The script says the pair combines while they are picked and pointed.
    std::vector<std::pair<uint32_t, uint32_t>> combined;
    world.services.combine = [&](uint32_t a, uint32_t b, EventDesc* out) {
        combined.emplace_back(a, b);
        BuildEvent(out, TwEventType_Combine, 2, ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(a), ID_PARAMETER_TYPE_ITEM,
                   static_cast<int32_t>(b));
        return true;
    };
    world.Frame(world.CellX(0), world.CellY(0), false);
    world.Frame(world.CellX(0), world.CellY(0), true);
    world.Frame(world.CellX(1), world.CellY(1), true);
    Tab().SetCanCombine(Tab().GetPickedItem() == BRUSH && Tab().GetPointedItem() == DUSTPAN);
    TestSupport::LogCapture log;
    world.Frame(world.CellX(1), world.CellY(1), false);
    EXPECT_THAT(combined, ElementsAre(std::make_pair(BRUSH, DUSTPAN)));
    ASSERT_EQ(world.services.fired.size(), 1u);
    EXPECT_EQ(world.services.fired[0].m_eType, TwEventType_Combine);
    EXPECT_THAT(log.Take(), HasSubstr("]:CombineItem \"ITEM_BRUSH\" with \"ITEM_DUSTPAN\" [executed:1]\n"));
    EXPECT_TRUE(world.services.sounds.empty());
}

TEST_F(InventoryTabTest, AnItemHeldOnTheNextArrowFlipsAtOnceThenEveryHalfSecondUntilTheLastPage)
{
    Put(2, BRUSH);
    const fx32 arrowX = 226 * U;
    const fx32 arrowY = 81 * U;
    world.Frame(world.CellX(2), world.CellY(2), false);
    world.Frame(world.CellX(2), world.CellY(2), true);
    EXPECT_EQ(Tab().GetPageStart(), 0);
    world.Frame(arrowX, arrowY, true, 100);
    EXPECT_EQ(Tab().GetPageStart(), 10);
    for (int i = 0; i < 4; ++i)
        world.Frame(arrowX, arrowY, true, 100);
    EXPECT_EQ(Tab().GetPageStart(), 10);
    for (int i = 0; i < 3; ++i)
        world.Frame(arrowX, arrowY, true, 100);
    EXPECT_EQ(Tab().GetPageStart(), 20);
    EXPECT_FALSE(Shown(BUTTON_NEXT_PAGE));
    for (int i = 0; i < 20; ++i)
        world.Frame(arrowX, arrowY, true, 100);
    EXPECT_EQ(Tab().GetPageStart(), 20);
    // Dropped outside any cell: back to the page of the picked-up item.
    world.Frame(arrowX, arrowY, false);
    EXPECT_EQ(Tab().GetPageStart(), 0);
    EXPECT_EQ(Tab().GetCells()[2], BRUSH);
}

TEST_F(InventoryTabTest, AnItemDraggedBeyondTheInventoryIsHandedToTheSceneOnce)
{
    Put(4, CLOTH);
    world.Frame(world.CellX(4), world.CellY(4), false);
    world.Frame(world.CellX(4), world.CellY(4), true);
    world.Frame(236 * U, 100 * U, true);
    EXPECT_TRUE(world.services.posts.empty()) << "the area's edge is inside";
    world.Frame(237 * U, 100 * U, true);
    world.Frame(250 * U, 120 * U, true);
    world.Frame(world.CellX(1), world.CellY(1), true);
    world.Frame(245 * U, 100 * U, true);
    EXPECT_THAT(world.services.posts, ElementsAre(SCENE_EVENT_DRAG_ITEM));
    EXPECT_TRUE(Tab().HasLeftInventory());
    EXPECT_EQ(Tab().GetSelectedCell(), 4);
    EXPECT_EQ(Tab().GetHeldCell(), -1);
    // The scene uses it or puts it back.
    Tab().ResetSelection();
    EXPECT_EQ(Tab().GetSelectedCell(), -1);
    EXPECT_TRUE(Tab().IsDirty());
    EXPECT_EQ(Tab().GetCells()[4], CLOTH);
}

TEST_F(InventoryTabTest, AnItemAddedOnTheLastPageShowsTheInventoryTabOnThatPageWithTheNewItemAlert)
{
    for (int32_t iCell = 0; iCell < 20; ++iCell)
        Put(iCell, ItemIdOf("ITEM_BERRIES") + static_cast<uint32_t>(iCell + 1));
    world.Menu().SetCurrentTab(TAB_QUEST);
    ASSERT_EQ(Tab().GetPageStart(), 0);
    EXPECT_EQ(Tab().AddItem(BRUSH, 1, -1), 20);
    EXPECT_EQ(world.Menu().GetCurrentTabIndex(), TAB_INVENTORY);
    EXPECT_EQ(Tab().GetPageStart(), 20);
    EXPECT_NE(Tab().GetItemDisplayData(20), nullptr);
    EXPECT_TRUE(world.Menu().GetItemAlert().m_bActive);
    EXPECT_TRUE(Shown(BUTTON_PREVIOUS_PAGE));
    EXPECT_FALSE(Shown(BUTTON_NEXT_PAGE));
}

TEST_F(InventoryTabTest, AFullInventoryRefusesANewItemWithoutAnAlert)
{
    for (int32_t iCell = 0; iCell < INVENTORY_CELLS; ++iCell)
        Put(iCell, ItemIdOf("ITEM_BERRIES") + static_cast<uint32_t>(iCell + 1));
    TestSupport::LogCapture log;
    EXPECT_EQ(Tab().AddItem(BRUSH, 1, -1), INVENTORY_INVALID_SLOT);
    EXPECT_FALSE(world.Menu().GetItemAlert().m_bActive);
    EXPECT_THAT(log.Take(), HasSubstr("iSelectedCell!=INVENTORY_INVALID_SLOT"));
}

TEST_F(InventoryTabTest, TheDisplayedIconIsLookedUpOnlyWithinTheThirtyCells)
{
    Put(29, BRUSH);
    EXPECT_NE(Tab().GetItemDisplayData(29), nullptr);
    for (const int32_t iSlot : {-1, 30, 173, 100000}) {
        TestSupport::LogCapture log;
        EXPECT_EQ(Tab().GetItemDisplayData(iSlot), nullptr) << iSlot;
        EXPECT_THAT(log.Take(), HasSubstr("iSlot>=0 && iSlot<INVENTORY_CELLS")) << iSlot;
    }
}

TEST_F(InventoryTabTest, WhileTheGameIsBusyTheInventoryTakesNoInputButKeepsItsDoubloonCount)
{
    Put(0, BRUSH);
    Put(5, ITEM_DOUBLOON);
    world.services.busy = true;
    world.Frame(world.CellX(0), world.CellY(0), false);
    g_VarManager.SetInt(VARINT_INV_DOUBLOON, 12);
    world.input->Frame(world.CellX(0), world.CellY(0), true);
    Tab().Update(16);
    EXPECT_EQ(Tab().GetSelectedCell(), -1);
    EXPECT_TRUE(Tab().IsDirty()) << "the count changed";
    Tab().Update(16);
    EXPECT_FALSE(Tab().IsDirty());
}

TEST_F(InventoryTabTest, AMissingIconIsReportedWhenItsItemArrives)
{
    // Every item has its icon in the sample packs: this one is taken away
    // for the test and given back from the common pack after it.
    const DataPack& pack = ResourceManager::GetInstance()->GetCommonDataPack();
    uint32_t iEntry = 0;
    while (iEntry < pack.m_iEntryCount && std::string_view(pack.EntryName(iEntry)) != "item_crab_claw")
        ++iEntry;
    ASSERT_LT(iEntry, pack.m_iEntryCount);
    ASSERT_TRUE(g_pTextureManager->ReleaseTexture("item_crab_claw"));

    TestSupport::LogCapture log;
    Tab().AddItem(ItemIdOf("ITEM_CRAB_CLAW"), 1, -1);
    EXPECT_THAT(log.Take(), HasSubstr("missing item \"item_crab_claw\"\n"));
    EXPECT_EQ(Tab().GetItemDisplayData(0), nullptr);
    g_pTextureManager->CreateTexture("item_crab_claw", pack.EntryData(iEntry), pack.EntryDataSize(iEntry));
}

TEST_F(InventoryTabTest, ADoubloonCellShowsItsCountExceptWhileItIsPickedUp)
{
    Tw::Font font;
    const std::string path = (TestSupport::DataDir() / "fonts" / "MainFont.fnt.bin").string();
    ASSERT_TRUE(font.Initialize(path.c_str(), {"MainFont_00", 0}));
    GlyphRecorder text;
    text.Initialize(&font, 4);
    world.services.main = &text;
    world.Menu().Unload();
    ASSERT_TRUE(world.Menu().Load());
    Put(9, ITEM_DOUBLOON);
    g_VarManager.SetInt(VARINT_INV_DOUBLOON, 12);
    // The count stands right-aligned at (218, 107), left of the cell's edge.
    auto countGlyphs = [&] {
        text.glyphs.clear();
        Tab().DrawText();
        return std::ranges::count_if(text.glyphs, [](const CoreFxVec2& g) {
            return g.x > 196 * U && g.x < 220 * U && g.y > 95 * U && g.y < 115 * U;
        });
    };
    world.Frame(30 * U, 170 * U, false);
    EXPECT_EQ(countGlyphs(), 2);
    world.Frame(world.CellX(9), world.CellY(9), true);
    ASSERT_EQ(Tab().GetSelectedCell(), 9);
    EXPECT_EQ(countGlyphs(), 0);
    world.Menu().Unload();
    text.Release();
    font.Release();
}

TEST_F(InventoryTabTest, AnUnloadedMenuNeverPagesPastTheLastRow)
{
    // Unloaded, the arrows keep the flags they had: the page must still stay
    // within the 30 cells.
    world.Menu().Unload();
    for (int i = 0; i < 5; ++i) {
        world.Frame(226 * U, 81 * U, false);
        world.Frame(226 * U, 81 * U, true);
    }
    EXPECT_EQ(Tab().GetPageStart(), 20);
}

} // namespace
