// The inventory script: its table, the search either way round, every
// combination carried out on an inventory, the flag the inventory tab shows,
// and the Combine handlers with the common dialogs they start.
#include "Scripts/Common/InventoryScript.h"

#include "Common/GameInterface.h"
#include "Common/IdHash.h"
#include "Common/ItemIds.h"
#include "Dialogs/Common/Dialog.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"
#include "Game/TwGame.h"
#include "Scripts/Common/CombineSelection.h"
#include "States/Common/AdventureLink.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr uint32_t WHISTLE = ItemIdOf("ITEM_WHISTLE");
constexpr uint32_t EDUARDO = ItemIdOf("ITEM_EDUARDO");
constexpr uint32_t ROPE = ItemIdOf("ITEM_ROPE");
// In no row of the table.
constexpr uint32_t MAGNET = ItemIdOf("ITEM_MAGNET");
constexpr uint32_t RUSTY_ANCHOR = ItemIdOf("ITEM_RUSTY_ANCHOR");
constexpr uint32_t IRON_STEM = ItemIdOf("ITEM_IRON_STEM");
constexpr uint32_t DOUBLOON = ItemIdOf("ITEM_DOUBLOON");

// Thirty cells as the inventory keeps them: an item added with a preferred
// empty cell lands there, otherwise in the first empty cell; a removal finds
// the item's first cell. Every removal's amount is noted.
class CellInventory : public GameInterface {
public:
    bool HasItem(uint32_t uItemId) override { return Find(uItemId) != -1; }
    void AddItem(uint32_t uItemId, int32_t iAmount, int32_t iCell) override
    {
        m_addedAmounts.push_back(iAmount);
        if (iCell < 0 || m_cells[iCell] != 0)
            iCell = Find(0);
        m_cells[iCell] = uItemId;
    }
    int32_t RemoveItem(uint32_t uItemId, int32_t iAmount, int32_t) override
    {
        const int32_t iCell = Find(uItemId);
        if (iCell != -1) {
            m_cells[iCell] = 0;
            m_removedAmounts.push_back(iAmount);
        }
        return iCell;
    }
    VarSet* GetVarManager() override { return &g_VarManager; }
    ScriptTree GetScriptTree() override { return {}; }

    int32_t Find(uint32_t uItemId) const
    {
        const auto found = std::find(m_cells.begin(), m_cells.end(), uItemId);
        return found == m_cells.end() ? -1 : static_cast<int32_t>(found - m_cells.begin());
    }

    std::array<uint32_t, 30> m_cells {};
    std::vector<int32_t> m_removedAmounts;
    std::vector<int32_t> m_addedAmounts;
};

class FakeSelection : public CombineSelection {
public:
    uint32_t GetPickedItem() override { return m_uPicked; }
    uint32_t GetPointedItem() override { return m_uPointed; }
    void SetCanCombine(bool bCanCombine) override { m_iCanCombine = bCanCombine ? 1 : 0; }

    uint32_t m_uPicked = 0;
    uint32_t m_uPointed = 0;
    // -1 until the script writes it.
    int m_iCanCombine = -1;
};

int32_t Signed(uint32_t uItemId)
{
    return static_cast<int32_t>(uItemId);
}

class InventoryScriptTest : public SceneScriptTest {
protected:
    InventoryScriptTest() { inventory.Init(); }
};

TEST_F(InventoryScriptTest, PreparingTheTableOrdersEachRowAndTheRowsAndKeepsEveryRow)
{
    const std::span<const ItemCombination> rows = inventory.GetCombinations();
    ASSERT_EQ(rows.size(), 39u);
    for (size_t index = 0; index < rows.size(); ++index) {
        EXPECT_LE(Signed(rows[index].m_uItem1), Signed(rows[index].m_uItem2)) << index;
        if (index > 0) {
            EXPECT_LE(Signed(rows[index - 1].m_uItem1), Signed(rows[index].m_uItem1)) << index;
        }
    }
    // Each stored row is still there, its flags beside their items.
    for (const ItemCombination& stored : InventoryScript::GetStoredCombinations()) {
        const auto same = [&](const ItemCombination& row) {
            const bool bStraight = row.m_uItem1 == stored.m_uItem1 && row.m_uConsume1 == stored.m_uConsume1 &&
                                   row.m_uItem2 == stored.m_uItem2 && row.m_uConsume2 == stored.m_uConsume2;
            const bool bSwapped = row.m_uItem1 == stored.m_uItem2 && row.m_uConsume1 == stored.m_uConsume2 &&
                                  row.m_uItem2 == stored.m_uItem1 && row.m_uConsume2 == stored.m_uConsume1;
            return (bStraight || bSwapped) && row.m_uResult == stored.m_uResult;
        };
        EXPECT_EQ(std::count_if(rows.begin(), rows.end(), same), 1) << Id::GetItemName(stored.m_uItem1);
    }
    // A second preparation changes nothing.
    const std::vector<ItemCombination> before(rows.begin(), rows.end());
    inventory.Init();
    EXPECT_TRUE(std::equal(before.begin(), before.end(), rows.begin(), [](const auto& a, const auto& b) {
        return a.m_uItem1 == b.m_uItem1 && a.m_uItem2 == b.m_uItem2 && a.m_uResult == b.m_uResult;
    }));
}

TEST_F(InventoryScriptTest, EveryPairIsFoundInEitherOrderAndNothingElseIs)
{
    for (const ItemCombination& stored : InventoryScript::GetStoredCombinations()) {
        const ItemCombination* pRow = inventory.FindCombination(stored.m_uItem1, stored.m_uItem2);
        ASSERT_NE(pRow, nullptr) << Id::GetItemName(stored.m_uItem1);
        EXPECT_EQ(pRow->m_uResult, stored.m_uResult);
        EXPECT_EQ(inventory.FindCombination(stored.m_uItem2, stored.m_uItem1), pRow);
        // No item combines with itself.
        EXPECT_EQ(inventory.FindCombination(stored.m_uItem1, stored.m_uItem1), nullptr);
    }
    EXPECT_EQ(inventory.FindCombination(MAGNET, IRON_STEM), nullptr);
    EXPECT_EQ(inventory.FindCombination(DOUBLOON, MAGNET), nullptr);
    EXPECT_EQ(inventory.FindCombination(0, ROPE), nullptr);
    EXPECT_EQ(inventory.FindCombination(0, 0), nullptr);

    // By one item: the first row that the item leads.
    const std::span<const ItemCombination> rows = inventory.GetCombinations();
    for (size_t index = 0; index < rows.size(); ++index) {
        const ItemCombination* pFirst = inventory.FindCombination(rows[index].m_uItem1, 0);
        ASSERT_NE(pFirst, nullptr);
        EXPECT_EQ(pFirst->m_uItem1, rows[index].m_uItem1);
        EXPECT_TRUE(pFirst == rows.data() || pFirst[-1].m_uItem1 != rows[index].m_uItem1) << index;
    }
    EXPECT_EQ(inventory.FindCombination(MAGNET, 0), nullptr);
}

TEST_F(InventoryScriptTest, EveryCombinationOfTheTableCombinesEitherWayRound)
{
    for (const ItemCombination& stored : InventoryScript::GetStoredCombinations()) {
        for (const bool bSwapped : {false, true}) {
            const uint32_t a = bSwapped ? stored.m_uItem2 : stored.m_uItem1;
            const uint32_t b = bSwapped ? stored.m_uItem1 : stored.m_uItem2;
            const std::string name = std::string(Id::GetItemName(a)) + " with " + Id::GetItemName(b);
            CellInventory items;
            items.m_cells[0] = MAGNET;
            items.m_cells[3] = a;
            items.m_cells[7] = b;

            EventDesc oEvent = EventDesc::MakeEmpty();
            ASSERT_TRUE(inventory.CombineItem(&items, a, b, &oEvent)) << name;
            EXPECT_EQ(oEvent.m_eType, TwEventType_Combine);
            EXPECT_EQ(oEvent.m_iNbParameter, 2);
            EXPECT_EQ(oEvent.m_oParameter[0], Signed(a)) << name;
            EXPECT_EQ(oEvent.m_oParameter[1], Signed(b)) << name;

            EXPECT_EQ(items.m_cells[0], MAGNET) << name;
            const bool bKeepA = (a == stored.m_uItem1 ? stored.m_uConsume1 : stored.m_uConsume2) == 0;
            const bool bKeepB = (b == stored.m_uItem1 ? stored.m_uConsume1 : stored.m_uConsume2) == 0;
            // A kept item stays where it was; the made item takes the cell
            // of the item removed last.
            EXPECT_EQ(items.m_cells[3], bKeepA ? a : (bKeepB ? stored.m_uResult : 0u)) << name;
            EXPECT_EQ(items.m_cells[7], bKeepB ? b : stored.m_uResult) << name;
            EXPECT_EQ(items.m_addedAmounts, std::vector<int32_t> {static_cast<int32_t>(stored.m_uResultFlag)});
        }
    }
}

TEST_F(InventoryScriptTest, TheWhistleStaysAndEduardoComesBackIntoTheCellHeLeft)
{
    for (const bool bWhistleFirst : {true, false}) {
        CellInventory items;
        items.m_cells[2] = WHISTLE;
        items.m_cells[5] = EDUARDO;
        EventDesc oEvent;
        ASSERT_TRUE(bWhistleFirst ? inventory.CombineItem(&items, WHISTLE, EDUARDO, &oEvent)
                                  : inventory.CombineItem(&items, EDUARDO, WHISTLE, &oEvent));
        EXPECT_EQ(items.m_cells[2], WHISTLE);
        EXPECT_EQ(items.m_cells[5], EDUARDO);
        EXPECT_EQ(items.m_removedAmounts, std::vector<int32_t> {0});
        EXPECT_EQ(items.m_addedAmounts, std::vector<int32_t> {0});
    }
}

TEST_F(InventoryScriptTest, APairWithoutARowChangesNothing)
{
    CellInventory items;
    items.m_cells[0] = MAGNET;
    items.m_cells[1] = IRON_STEM;
    EventDesc oEvent = EventDesc::MakeEmpty();
    EXPECT_FALSE(inventory.CombineItem(&items, MAGNET, IRON_STEM, &oEvent));
    EXPECT_EQ(items.m_cells[0], MAGNET);
    EXPECT_EQ(items.m_cells[1], IRON_STEM);
    EXPECT_TRUE(items.m_removedAmounts.empty());
    EXPECT_TRUE(oEvent.IsEmpty());
}

TEST_F(InventoryScriptTest, TheTabIsToldWhetherThePickedAndThePointedItemCombine)
{
    FakeSelection selection;
    inventory.SetCombineSelection(&selection);
    struct Case {
        bool bScene;
        bool bMenuOpen;
        uint32_t uPicked;
        uint32_t uPointed;
        int iCanCombine;
    } const cases[] = {
        {true, true, ROPE, RUSTY_ANCHOR, 1},
        {true, true, RUSTY_ANCHOR, ROPE, 1},
        {true, false, ROPE, RUSTY_ANCHOR, 0},
        {false, true, ROPE, RUSTY_ANCHOR, 0},
        {true, true, ROPE, ROPE, 0},
        {true, true, ROPE, 0, 0},
        {true, true, 0, ROPE, 0},
        {true, true, MAGNET, IRON_STEM, 0},
    };
    for (const Case& c : cases) {
        scene.m_bHasScene = c.bScene;
        scene.m_bMenuOpen = c.bMenuOpen;
        selection.m_uPicked = c.uPicked;
        selection.m_uPointed = c.uPointed;
        selection.m_iCanCombine = -1;
        inventory.Update(16);
        EXPECT_EQ(selection.m_iCanCombine, c.iCanCombine) << c.bScene << c.bMenuOpen << " " << c.uPicked;
    }
    inventory.SetCombineSelection(nullptr);
}

std::vector<uint8_t> ReadCommonDialogs()
{
    std::ifstream file(TestSupport::DataDir() / "scenes" / "common.dialogs.dat", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TEST_F(InventoryScriptTest, EachCombineHandlerRunsInEitherOrderAndItsDialogIsACommonOne)
{
    const std::vector<uint8_t> bytes = ReadCommonDialogs();
    Dialog common;
    ASSERT_TRUE(common.Initialize(bytes.data(), bytes.size(), "common.dialogs.dat"));

    // Every Combine handler of the inventory script's tree, from any scene.
    EnterScene(2);
    const ScriptNodePool& pool = manager.GetNodePool();
    std::vector<EventDesc> patterns;
    for (ScriptNodeIndex iNode = 0; iNode < pool.GetNbAllocated(); ++iNode)
        if (pool[iNode].m_iType == NodeType_Event && pool[iNode].m_oEvent.m_eType == TwEventType_Combine)
            patterns.push_back(pool[iNode].m_oEvent);
    ASSERT_EQ(patterns.size(), 27u);

    const int32_t logicDialog = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);
    int iDialogs = 0;
    for (const EventDesc& pattern : patterns) {
        const uint32_t a = static_cast<uint32_t>(pattern.m_oParameter[0]);
        const uint32_t b = static_cast<uint32_t>(pattern.m_oParameter[1]);
        EventDesc oCombine;
        BuildEvent(&oCombine, TwEventType_Combine, 2, ID_PARAMETER_TYPE_ITEM, Signed(b), ID_PARAMETER_TYPE_ITEM,
                   Signed(a));
        const std::vector<ActionDesc> fired = FiredBy(oCombine);
        EXPECT_FALSE(fired.empty()) << Id::GetItemName(a) << " with " << Id::GetItemName(b);
        for (const ActionDesc& action : fired) {
            if (action.m_iActionType != ID_ACTION_TYPE_START_COMMON_DIALOG)
                continue;
            ++iDialogs;
            EXPECT_EQ(action.m_iTargetId, logicDialog);
            EXPECT_TRUE(common.SetCurrentDialog(static_cast<uint32_t>(action.m_oParameter[0])))
                << Id::GetItemName(a) << " with " << Id::GetItemName(b);
        }
    }
    EXPECT_EQ(iDialogs, 24);
    common.Release();
}

TEST_F(InventoryScriptTest, TheQuestCombinationsMoveTheirQuestsOn)
{
    struct Case {
        uint32_t a;
        uint32_t b;
        std::vector<int32_t> flags;
    } const cases[] = {
        {ItemIdOf("ITEM_GUNPOWDER"), ItemIdOf("ITEM_PISTOL"), {VARBOOL_BG111_C05_COMB_LOADED_PISTOL}},
        {ItemIdOf("ITEM_VOODOO_PAPER"), ItemIdOf("ITEM_BLOODY_FEATHER"), {VARBOOL_QUEST_C7_BLOOD_FEATHER02_DONE}},
        {ItemIdOf("ITEM_INK_BOTTLE"),
         ItemIdOf("ITEM_PEN_AND_PAPER"),
         {VARBOOL_QUEST_C8_PEN_PAPER01_DONE, VARBOOL_QUEST_C8_PEN_PAPER02}},
        {ItemIdOf("ITEM_SHOVEL_BLADE"),
         ItemIdOf("ITEM_WHITTLED_POLE"),
         {VARBOOL_QUEST_C8_POLE01_DONE, VARBOOL_QUEST_C8_POLE02_DONE, VARBOOL_QUEST_C8_GRAVE}},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        EnterScene(2);
        CellInventory items;
        items.m_cells[0] = c.a;
        items.m_cells[1] = c.b;
        EventDesc oCombine;
        ASSERT_TRUE(inventory.CombineItem(&items, c.a, c.b, &oCombine)) << Id::GetItemName(c.a);
        Fire(oCombine);
        for (int32_t iFlag : c.flags)
            EXPECT_EQ(g_VarManager.GetBool(iFlag), 1) << Id::GetItemName(c.a) << " flag " << iFlag;
    }
    // The wooden pole has no row with the shovel blade, so its handler never
    // runs.
    EXPECT_EQ(inventory.FindCombination(ItemIdOf("ITEM_WOODEN_POLE"), ItemIdOf("ITEM_SHOVEL_BLADE")), nullptr);
    EXPECT_EQ(inventory.FindCombination(ItemIdOf("ITEM_WOODEN_POLE"), ItemIdOf("ITEM_MAGNIFICENT_SWORD")), nullptr);
    EXPECT_EQ(inventory.FindCombination(ItemIdOf("ITEM_BRISCOE"), ItemIdOf("ITEM_MAGNIFICENT_SWORD")), nullptr);
}

// What the log receives while f runs.
std::string LogOf(const std::function<void()>& f)
{
    TestSupport::LogCapture capture;
    f();
    return capture.Take();
}

TEST(InventoryScriptSingletonTest, TheGameHoldsOneInventoryScriptFromCreationToDestruction)
{
    ASSERT_EQ(g_oTwGame.m_pInventoryScript, nullptr);
    EXPECT_EQ(LogOf([] { InventoryScript::CreateSingleton(); }), "");
    InventoryScript* pFirst = g_oTwGame.m_pInventoryScript;
    ASSERT_NE(pFirst, nullptr);

    // A second creation is reported and keeps the first.
    EXPECT_NE(LogOf([] { InventoryScript::CreateSingleton(); }).find("g_oTwGame.m_pInventoryScript==NULL"),
              std::string::npos);
    EXPECT_EQ(g_oTwGame.m_pInventoryScript, pFirst);

    EXPECT_EQ(LogOf([] { InventoryScript::DestroySingleton(); }), "");
    EXPECT_EQ(g_oTwGame.m_pInventoryScript, nullptr);
    EXPECT_NE(LogOf([] { InventoryScript::DestroySingleton(); }).find("g_oTwGame.m_pInventoryScript!=NULL"),
              std::string::npos);
}

TEST(InventoryScriptSingletonTest, TheMainStateStartsUpdatesAndEndsTheGamesInventoryScript)
{
    InventoryScript::CreateSingleton();
    InventoryScript* pScript = g_oTwGame.m_pInventoryScript;
    ASSERT_NE(pScript, nullptr);
    FakeSelection selection;
    pScript->SetCombineSelection(&selection);

    AdventureLink& oAdventure = GetAdventureLink();
    EXPECT_EQ(LogOf([&] { oAdventure.StartInventoryScript(); }), "");
    EXPECT_EQ(pScript->GetOwner(), &g_oScriptManager);
    const std::span<const ItemCombination> rows = pScript->GetCombinations();
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const ItemCombination& a, const ItemCombination& b) {
        return Signed(a.m_uItem1) < Signed(b.m_uItem1);
    }));
    // Without a scene the menu is not open: nothing combines.
    selection.m_uPicked = ROPE;
    selection.m_uPointed = RUSTY_ANCHOR;
    oAdventure.UpdateInventoryScript(16);
    EXPECT_EQ(selection.m_iCanCombine, 0);
    oAdventure.EndInventoryScript();

    InventoryScript::DestroySingleton();
    EXPECT_NE(LogOf([&] { oAdventure.StartInventoryScript(); }).find("No inventory script"), std::string::npos);
}

} // namespace
