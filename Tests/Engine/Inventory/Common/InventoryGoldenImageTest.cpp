// The inventory tab drawn on the real OpenGL device from the sample common
// pack: items on the first page, the doubloons' count, and the name and
// description of the item under the pointer; compared with its reference.
#include "Common/VarIds.h"
#include "Engine/Inventory/Common/MenuPictureTest.h"
#include "Managers/Common/VarManager.h"
#include "Support/GoldenImage.h"

#include <gtest/gtest.h>

namespace {

using namespace MenuTest;

class InventoryGoldenImageTest : public MenuPictureTest {
protected:
    void SetUp() override
    {
        MenuPictureTest::SetUp();
        g_VarManager.SetInt(VARINT_INV_DOUBLOON, 0);
    }
    void TearDown() override
    {
        MenuPictureTest::TearDown();
        g_VarManager.SetInt(VARINT_INV_DOUBLOON, 0);
    }
};

TEST_F(InventoryGoldenImageTest, TheFirstPageWithItemsDoubloonsAndThePointedItemsDescription)
{
    Inventory& tab = world.Tab();
    for (const uint32_t item : {BRUSH, DUSTPAN, CLOTH, SWORD, ItemIdOf("ITEM_WATER_JUG"), ItemIdOf("ITEM_PAINT_SET"),
                                ItemIdOf("ITEM_SMALL_BLANKET")})
        tab.AddItem(item, 1, -1);
    tab.AddItem(ITEM_DOUBLOON, 12, 9);
    // Pointing at the brush names and describes it.
    world.Frame(world.CellX(0), world.CellY(0), false);
    EXPECT_TRUE(TestSupport::MatchesGoldenImage(Picture(), "Engine/Inventory/Common/InventoryTab", 8));
}

} // namespace
