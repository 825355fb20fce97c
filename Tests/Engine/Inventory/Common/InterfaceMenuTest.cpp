// The in-game menu: its tab bar, its alerts, and the order of its life.
#include "Engine/Inventory/Common/MenuTestKit.h"
#include "Support/NullRendererTest.h"

#include <gmock/gmock.h>

#include <set>

namespace {

using namespace MenuTest;
using testing::ElementsAre;

class InterfaceMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_renderer.IsReady());
        world.SetUp();
    }
    void TearDown() override { world.TearDown(); }

    std::set<int32_t> VisibleButtons()
    {
        std::set<int32_t> shown;
        for (int32_t iEntry = 0; iEntry < NB_MENU_BUTTONS; ++iEntry)
            if (world.Menu().GetButton(iEntry).m_bVisible)
                shown.insert(iEntry);
        return shown;
    }
    // A press on a tab's button; the tab bar's buttons are 30 x 28.
    void PressTab(int32_t iTab)
    {
        const InterfaceButtonDef* def = InterfaceButton::GetDefinition(BUTTON_INVENTORY_OFF + iTab);
        world.Frame(def->m_fxX + 15 * U, def->m_fxY + 14 * U, false);
        world.Frame(def->m_fxX + 15 * U, def->m_fxY + 14 * U, true);
    }

    TestSupport::ScopedNullRenderer m_renderer;
    MenuWorld world;
};

TEST_F(InterfaceMenuTest, TheTabBarShowsTheChosenTabOnAndTheOthersOff)
{
    const std::set<int32_t> expected[NB_TABS] = {{0, 5, 6, 7}, {1, 4, 6, 7}, {2, 4, 5, 7}, {3, 4, 5, 6}};
    for (int32_t iTab : {TAB_MAP, TAB_OPTIONS, TAB_QUEST, TAB_INVENTORY}) {
        PressTab(iTab);
        EXPECT_EQ(world.Menu().GetCurrentTabIndex(), iTab);
        // The tabs' own buttons stand after the tab bar.
        std::set<int32_t> bar = VisibleButtons();
        std::erase_if(bar, [](int32_t iEntry) { return iEntry >= BUTTON_PREVIOUS_PAGE; });
        EXPECT_EQ(bar, expected[iTab]) << iTab;
    }
    EXPECT_TRUE(world.Menu().GetButton(BUTTON_NEXT_PAGE).m_bVisible);
    EXPECT_FALSE(world.Menu().GetButton(BUTTON_PREVIOUS_PAGE).m_bVisible);
}

TEST_F(InterfaceMenuTest, PressingTheCurrentTabAgainSwitchesToItAgain)
{
    Inventory& tab = world.Tab();
    uint32_t cells[INVENTORY_CELLS] = {};
    cells[12] = BRUSH;
    tab.SetItems(cells);
    world.Frame(226 * U, 81 * U, false);
    world.Frame(226 * U, 81 * U, true);
    ASSERT_EQ(tab.GetPageStart(), 10);
    world.Frame(world.CellX(2), world.CellY(2), false);
    world.Frame(world.CellX(2), world.CellY(2), true);
    ASSERT_EQ(tab.GetSelectedCell(), 12);
    world.Frame(world.CellX(2), world.CellY(2), false);
    world.Frame(world.CellX(2), world.CellY(2), true);
    // Deactivated: the selection goes, the page is the selection's.
    PressTab(TAB_INVENTORY);
    EXPECT_EQ(tab.GetSelectedCell(), -1);
    EXPECT_EQ(tab.GetHeldCell(), -1);
    EXPECT_EQ(tab.GetPageStart(), 10);
    EXPECT_EQ(VisibleButtons(), (std::set<int32_t> {0, 5, 6, 7, BUTTON_PREVIOUS_PAGE, BUTTON_NEXT_PAGE}));
}

TEST_F(InterfaceMenuTest, WhileTheGameIsBusyTheTabBarTakesNoPress)
{
    world.services.busy = true;
    PressTab(TAB_MAP);
    EXPECT_EQ(world.Menu().GetCurrentTabIndex(), TAB_INVENTORY);
    world.services.busy = false;
    PressTab(TAB_MAP);
    EXPECT_EQ(world.Menu().GetCurrentTabIndex(), TAB_MAP);
}

TEST_F(InterfaceMenuTest, AClosedMenuIgnoresTabChangesEvenOfTheIndex)
{
    world.Menu().SetCurrentTab(TAB_QUEST);
    world.Menu().Unload();
    world.Menu().Close();
    EXPECT_FALSE(world.Menu().IsOpen());
    world.Menu().SetCurrentTab(TAB_OPTIONS);
    EXPECT_EQ(world.Menu().GetCurrentTabIndex(), TAB_QUEST);
    ASSERT_TRUE(world.Menu().Open(HEROINE));
    EXPECT_EQ(world.Menu().GetCurrentTab(), nullptr);
    ASSERT_TRUE(world.Menu().Load());
    EXPECT_EQ(world.Menu().GetCurrentTabIndex(), TAB_INVENTORY);
}

TEST_F(InterfaceMenuTest, AnAlertStartedAgainWhileItRunsGivesOneRunOfTwoSecondsAndOneSound)
{
    world.Menu().StartItemAlert();
    uint32_t elapsedMs = 0;
    // 48 ms frames: 196 fx32 units each.
    while (elapsedMs < 1500) {
        world.Menu().Update(48);
        elapsedMs += 48;
    }
    world.Menu().StartItemAlert();
    while (world.Menu().GetItemAlert().m_bActive && elapsedMs < 5000) {
        world.Menu().Update(48);
        elapsedMs += 48;
    }
    EXPECT_THAT(world.services.sounds, ElementsAre(InterfaceMenu::ALERT_SOUND));
    // The run ends on the first frame that finds two seconds or more.
    EXPECT_GE(elapsedMs, 2000u);
    EXPECT_LE(elapsedMs, 2100u);
    EXPECT_EQ(world.Menu().GetItemAlert().m_fxElapsed, 0);
}

TEST_F(InterfaceMenuTest, ThePadCursorJumpsToTheNearestTargetWithinFortyFiveDegrees)
{
    struct Case {
        CoreFxVec2 from;
        CoreFxVec2 direction;
        CoreFxVec2 expected;
    };
    const Case cases[] = {
        // From the first cell to the right: the next cell.
        {{84 * U, 73 * U}, {U, 0}, {116 * U, 73 * U}},
        // From the first cell down: the one below.
        {{84 * U, 73 * U}, {0, U}, {84 * U, 105 * U}},
        // From the last cell of a line to the right: the next-page arrow.
        {{212 * U, 73 * U}, {U, 0}, world.Menu().GetButton(BUTTON_NEXT_PAGE).GetCenter()},
        // Nothing up there: the cursor stays.
        {{84 * U, 10 * U}, {0, -U}, {84 * U, 10 * U}},
    };
    for (const Case& c : cases) {
        const CoreFxVec2 target = world.Menu().FindNextCursorTarget(c.from, c.direction);
        EXPECT_EQ(target.x, c.expected.x) << c.from.x / U << "," << c.from.y / U;
        EXPECT_EQ(target.y, c.expected.y) << c.from.x / U << "," << c.from.y / U;
    }
}

} // namespace
