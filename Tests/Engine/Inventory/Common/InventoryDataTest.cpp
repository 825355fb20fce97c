// One character's 30 cells: where an added item goes, the doubloon counter,
// and removals that must never empty the wrong cell.
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Inventory/Common/InventoryData.h"
#include "Managers/Common/VarManager.h"
#include "Support/LogCapture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <string>

namespace {

using testing::HasSubstr;

constexpr uint32_t BRUSH = ItemIdOf("ITEM_BRUSH");
constexpr uint32_t DUSTPAN = ItemIdOf("ITEM_DUSTPAN");
constexpr uint32_t CLOTH = ItemIdOf("ITEM_DRY_CLOTH");

class InventoryDataTest : public testing::Test {
protected:
    InventoryDataTest() { g_VarManager.SetInt(VARINT_INV_DOUBLOON, 0); }
    ~InventoryDataTest() override { g_VarManager.SetInt(VARINT_INV_DOUBLOON, 0); }

    int32_t Doubloons() const { return g_VarManager.GetInt(VARINT_INV_DOUBLOON); }

    InventoryData m_data;
};

TEST_F(InventoryDataTest, AnAddedItemTakesThePreferredEmptyCellElseItsOwnCellElseTheFirstEmptyOne)
{
    struct Case {
        const char* what;
        int32_t preferred;
        int32_t expected;
    };
    // Cells 0 and 1 hold the dustpan and the brush.
    const Case cases[] = {
        {"preferred empty cell", 7, 7},
        {"preferred cell holds another item: the brush's own cell", 0, 1},
        {"no preference: the brush's own cell", -1, 1},
        {"preferred cell outside the 30", 30, 1},
    };
    for (const Case& c : cases) {
        m_data.Reset();
        m_data.m_aCells[0] = DUSTPAN;
        m_data.m_aCells[1] = BRUSH;
        EXPECT_EQ(m_data.AddItem(BRUSH, 1, c.preferred), c.expected) << c.what;
        EXPECT_EQ(m_data.m_aCells[0], DUSTPAN) << c.what;
    }
    m_data.Reset();
    m_data.m_aCells[0] = DUSTPAN;
    EXPECT_EQ(m_data.AddItem(CLOTH, 1, 0), 1) << "another item's cell: the first empty one";
}

TEST_F(InventoryDataTest, AFullInventoryReusesTheItemsOwnCellAndRefusesANewItemWithoutWritingOutsideItsCells)
{
    std::ranges::fill(m_data.m_aCells, DUSTPAN);
    m_data.m_aCells[17] = BRUSH;
    const InventoryData before = m_data;
    EXPECT_EQ(m_data.AddItem(BRUSH, 1, -1), 17);
    EXPECT_TRUE(std::ranges::equal(m_data.m_aCells, before.m_aCells));

    TestSupport::LogCapture log;
    EXPECT_EQ(m_data.AddItem(CLOTH, 1, -1), INVENTORY_INVALID_SLOT);
    EXPECT_THAT(log.Take(), HasSubstr("condition: iSelectedCell!=INVENTORY_INVALID_SLOT\n"));
    EXPECT_TRUE(std::ranges::equal(m_data.m_aCells, before.m_aCells));
}

TEST_F(InventoryDataTest, DoubloonsShareOneCellAndTheirCounterStaysWithinZeroAndNinetyNine)
{
    EXPECT_EQ(m_data.AddItem(ITEM_DOUBLOON, 60, -1), 0);
    EXPECT_EQ(m_data.AddItem(ITEM_DOUBLOON, 60, -1), 0);
    EXPECT_EQ(std::ranges::count(m_data.m_aCells, ITEM_DOUBLOON), 1);
    EXPECT_EQ(Doubloons(), 99);

    struct Case {
        int32_t held;
        int32_t removed;
        int32_t left;
        uint32_t cell;
    };
    const Case cases[] = {
        {12, 5, 7, ITEM_DOUBLOON},
        {12, 12, 0, 0},
        {12, 20, 0, 0},
    };
    for (const Case& c : cases) {
        m_data.Reset();
        m_data.m_aCells[4] = ITEM_DOUBLOON;
        g_VarManager.SetInt(VARINT_INV_DOUBLOON, c.held);
        EXPECT_EQ(m_data.RemoveItem(ITEM_DOUBLOON, -1, c.removed), 4) << c.removed;
        EXPECT_EQ(Doubloons(), c.left) << c.removed;
        EXPECT_EQ(m_data.m_aCells[4], c.cell) << c.removed;
    }
}

TEST_F(InventoryDataTest, RemovingEmptiesOnlyACellThatHoldsTheItem)
{
    m_data.m_aCells[3] = DUSTPAN;
    m_data.m_aCells[8] = BRUSH;
    struct Case {
        const char* what;
        int32_t cell;
    };
    // A given cell that does not hold the brush is not emptied: the brush's
    // own cell is found instead.
    for (const Case& c : {Case {"the brush's cell", 8}, Case {"the dustpan's cell", 3}, Case {"an empty cell", 0},
                          Case {"a cell past the 30", 31}, Case {"no cell", -1}}) {
        InventoryData data = m_data;
        EXPECT_EQ(data.RemoveItem(BRUSH, c.cell, 1), 8) << c.what;
        EXPECT_EQ(data.m_aCells[8], 0u) << c.what;
        EXPECT_EQ(data.m_aCells[3], DUSTPAN) << c.what;
    }
}

TEST_F(InventoryDataTest, RemovingAnItemThatIsNotHeldSaysSoAndChangesNothing)
{
    m_data.m_aCells[3] = DUSTPAN;
    g_VarManager.SetInt(VARINT_INV_DOUBLOON, 5);
    const InventoryData before = m_data;
    TestSupport::LogCapture log;
    EXPECT_EQ(m_data.RemoveItem(BRUSH, -1, 1), INVENTORY_INVALID_SLOT);
    EXPECT_EQ(m_data.RemoveItem(ITEM_DOUBLOON, 3, 5), INVENTORY_INVALID_SLOT);
    EXPECT_EQ(log.Take(), "RemoveItem from inventory: item(ITEM_BRUSH) not found\n"
                          "RemoveItem from inventory: item(ITEM_DOUBLOON) not found\n");
    EXPECT_TRUE(std::ranges::equal(m_data.m_aCells, before.m_aCells));
    EXPECT_EQ(Doubloons(), 5);
}

} // namespace
