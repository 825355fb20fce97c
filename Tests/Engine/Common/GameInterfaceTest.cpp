#include "Common/GameInterfaceImpl.h"

#include "Managers/Common/VarManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class FakeInventory : public GameInterfaceImpl::Inventory {
public:
    bool Holds(uint32_t uItemId) override
    {
        return std::find(m_aItems.begin(), m_aItems.end(), uItemId) != m_aItems.end();
    }
    void Add(uint32_t uItemId, int32_t, int32_t) override { m_aItems.push_back(uItemId); }
    int32_t Remove(uint32_t uItemId, int32_t, int32_t) override
    {
        const auto found = std::find(m_aItems.begin(), m_aItems.end(), uItemId);
        if (found == m_aItems.end())
            return -1;
        const int32_t cell = static_cast<int32_t>(found - m_aItems.begin());
        m_aItems.erase(found);
        return cell;
    }
    int32_t GetPanelState() override { return m_iPanelState; }
    void SetPanelState(int32_t iState) override { m_iPanelState = iState; }
    std::vector<uint32_t> m_aItems;
    int32_t m_iPanelState = 0;
};

TEST(GameInterfaceTest, ForwardsToTheGameAndItsAttachedParts)
{
    GameInterface* pGame = GameInterface::GetGameInterface();
    ASSERT_EQ(pGame, &g_oGameInterface);
    EXPECT_EQ(pGame->GetVarManager(), &g_VarManager);

    EXPECT_FALSE(pGame->HasItem(0x8E740AEAu));
    EXPECT_EQ(pGame->RemoveItem(0x8E740AEAu, 1, -1), -1);
    EXPECT_TRUE(pGame->GetScriptTree().IsEmpty());

    FakeInventory inventory;
    ScriptNodePool pool;
    const ScriptTree tree {&pool, 7};
    g_oGameInterface.AttachInventory(&inventory);
    g_oGameInterface.AttachScriptTree(&tree);
    pGame->AddItem(0x8E740AEAu, 1, -1);
    EXPECT_TRUE(pGame->HasItem(0x8E740AEAu));
    EXPECT_EQ(pGame->RemoveItem(0x8E740AEAu, 1, -1), 0);
    EXPECT_EQ(pGame->RemoveItem(0x8E740AEAu, 1, -1), -1);
    EXPECT_EQ(pGame->GetScriptTree().m_pPool, &pool);
    EXPECT_EQ(pGame->GetScriptTree().m_iRoot, 7);

    g_oGameInterface.AttachInventory(nullptr);
    g_oGameInterface.AttachScriptTree(nullptr);
}

TEST(GameInterfaceTest, RemovingAHeldItemEndsTheTabsItemSelection)
{
    GameInterface* pGame = GameInterface::GetGameInterface();
    FakeInventory inventory;
    g_oGameInterface.AttachInventory(&inventory);
    const int32_t states[] = {0, 1, 2, 3, 4};
    for (int32_t state : states) {
        inventory.m_aItems = {0x8E740AEAu};
        inventory.m_iPanelState = state;
        pGame->RemoveItem(0x80000002u, 1, -1);
        EXPECT_EQ(inventory.m_iPanelState, state) << "an item that is not held changes nothing";
        EXPECT_EQ(pGame->RemoveItem(0x8E740AEAu, 1, -1), 0);
        EXPECT_EQ(inventory.m_iPanelState, state == 2 || state == 3 ? 1 : state) << state;
    }
    g_oGameInterface.AttachInventory(nullptr);
}

} // namespace
