// The in-game menu in the sample living room, under injected input: opened
// with the secondary button, two items combined through a fake inventory
// script, one carried out onto the water jug, and the alert of a new item.
#include "Common/GameInterfaceImpl.h"
#include "Engine/Inventory/Common/MenuTestKit.h"
#include "Engine/Managers/Common/ScriptManagerTestKit.h"
#include "Interface/Common/InterfaceMenuLinks.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneEventSink.h"
#include "Scene/Common/SceneInputLink.h"
#include "Scene/Common/SceneInterfaceLink.h"
#include "Scripts/Common/CombineSelection.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/NullRendererTest.h"
#include "Support/TestPaths.h"

#include <gmock/gmock.h>

namespace {

using namespace MenuTest;
using testing::HasSubstr;

constexpr SceneId LIVING_ROOM = 9;

// The scene's events go to the script manager and are noted.
class RecordingSink final : public SceneEventSink {
public:
    explicit RecordingSink(ScriptManager& manager) : m_manager(manager) { SetSceneEventSink(this); }
    ~RecordingSink() override { SetSceneEventSink(nullptr); }
    bool FireEvent(const EventDesc& oEvent) override
    {
        events.push_back(oEvent);
        return m_manager.FireEvent(oEvent);
    }
    std::vector<EventDesc> events;

private:
    ScriptManager& m_manager;
};

// The scene's view of the menu, as the game's links give it.
class MenuLinks final {
public:
    class Interface final : public NullSceneInterfaceLink {
    public:
        void UpdateMenu(uint32_t dtMs) override { InGameMenu::Update(dtMs); }
        void DrawMenuPanel() override { InGameMenu::DrawPanel(); }
        void DrawMenuBars() override { InGameMenu::DrawAlerts(); }
        CoreTexture* GetHeldItemIcon() override { return InGameMenu::GetHeldItemIcon(); }
    };
    class Input final : public NullSceneInputLink {
    public:
        void SetMenuTab(int32_t iTab) override { InGameMenu::SetTab(iTab); }
        int32_t GetSelectedItem() override { return InGameMenu::GetSelectedCell(); }
        const char* GetItemName(int32_t iItem) override { return InGameMenu::GetItemName(iItem); }
        uint32_t GetItemId(int32_t iItem) override { return InGameMenu::GetItemId(iItem); }
        void ClearItemSelection() override { InGameMenu::ClearItemSelection(); }
    };
    MenuLinks()
    {
        SetSceneInterfaceLink(&m_interface);
        SetSceneInputLink(&m_input);
    }
    ~MenuLinks()
    {
        SetSceneInputLink(nullptr);
        SetSceneInterfaceLink(nullptr);
    }

private:
    Interface m_interface;
    Input m_input;
};

// The inventory script as far as the menu sees it: one combination, the
// brush and the dustpan, which makes the dustpan and brush.
class FakeInventoryScript {
public:
    void Update(CombineSelection& selection)
    {
        const uint32_t a = selection.GetPickedItem();
        const uint32_t b = selection.GetPointedItem();
        selection.SetCanCombine((a == BRUSH && b == DUSTPAN) || (a == DUSTPAN && b == BRUSH));
    }
    bool CombineItem(uint32_t a, uint32_t b, EventDesc* out)
    {
        if (!((a == BRUSH && b == DUSTPAN) || (a == DUSTPAN && b == BRUSH)))
            return false;
        GameInterface* game = GameInterface::GetGameInterface();
        game->RemoveItem(a, 1, -1);
        const int32_t iCell = game->RemoveItem(b, 1, -1);
        game->AddItem(DUSTPAN_AND_BRUSH, 1, iCell);
        BuildEvent(out, TwEventType_Combine, 2, ID_PARAMETER_TYPE_ITEM, static_cast<int32_t>(a), ID_PARAMETER_TYPE_ITEM,
                   static_cast<int32_t>(b));
        return true;
    }
};

class MenuInSceneTest : public ScriptManagerTest {
protected:
    MenuInSceneTest()
    {
        InstallInterfaceMenuLinks();
        world.SetUp();
        FakeMenuServices& services = world.services;
        services.combine = [this](uint32_t a, uint32_t b, EventDesc* out) { return script.CombineItem(a, b, out); };
        services.onPost = [this](int32_t iCode) { m_scene->PostEvent(iCode); };
    }
    ~MenuInSceneTest() override
    {
        if (m_scene)
            m_scene->Shutdown();
        m_scene.reset();
        world.TearDown();
        UninstallInterfaceMenuLinks();
    }

    void Load()
    {
        TestSupport::ScopedWorkingDirectory data(TestSupport::DataDir());
        m_scene = std::make_unique<Scene>();
        ASSERT_TRUE(m_scene->Initialize(LIVING_ROOM));
        m_scene->LoadActorSet("default");
        StartScene(LIVING_ROOM);
        // The scene's start made the script manager the sink: this one notes
        // the events on their way to it.
        SetSceneEventSink(&m_sink);
        while (manager.IsBusy())
            manager.Update(16);
    }
    // One frame of the adventure: input, the script manager, the inventory
    // script, then the scene (which runs the menu first).
    void Frame(fx32 x, fx32 y, bool bPrimary, bool bSecondary = false)
    {
        m_input.Devices().SetPointer(x * 5 / U, y * 5 / U);
        m_input.Devices().SetMouseButton(0, bPrimary);
        m_input.Devices().SetMouseButton(1, bSecondary);
        m_input.Frame();
        world.services.busy = manager.IsBusy();
        manager.Update(16);
        script.Update(world.Tab());
        m_scene->Update(16);
    }

    TestSupport::ScopedNullRenderer m_renderer;
    TestSupport::FakeSceneServices m_services {&manager};
    TestSupport::FakeSceneCast m_cast;
    RecordingSink m_sink {manager};
    MenuLinks m_links;
    TestSupport::ScopedInputSystem m_input;
    MenuWorld world {false};
    FakeInventoryScript script;
    std::unique_ptr<Scene> m_scene;
};

TEST_F(MenuInSceneTest, ThePlayerCombinesTwoItemsAndUsesAThirdOnTheWaterJug)
{
    Load();
    m_input.Devices().SetClientSize(1280, 960);
    // The scene's script gives three items, as its add-item actions do.
    for (const uint32_t item : {BRUSH, DUSTPAN, CLOTH})
        g_oGameInterface.AddItem(item, 1, -1);
    EXPECT_TRUE(world.Menu().GetItemAlert().m_bActive);
    Frame(150 * U, 150 * U, false);
    EXPECT_THAT(world.services.sounds, testing::Contains(InterfaceMenu::ALERT_SOUND));

    // The secondary button opens the menu on the inventory.
    Frame(150 * U, 150 * U, false, true);
    Frame(150 * U, 150 * U, false);
    ASSERT_EQ(m_scene->m_iInputState, INPUT_STATE_MENU);
    EXPECT_EQ(world.Menu().GetCurrentTabIndex(), TAB_INVENTORY);

    // The brush dragged onto the dustpan.
    Frame(world.CellX(0), world.CellY(0), false);
    Frame(world.CellX(0), world.CellY(0), true);
    Frame(world.CellX(1), world.CellY(1), true);
    Frame(world.CellX(1), world.CellY(1), true);
    TestSupport::LogCapture log;
    Frame(world.CellX(1), world.CellY(1), false);
    EXPECT_THAT(log.Take(), HasSubstr("]:CombineItem \"ITEM_BRUSH\" with \"ITEM_DUSTPAN\" [executed:1]\n"));
    EXPECT_EQ(world.Tab().GetCells()[0], 0u);
    EXPECT_EQ(world.Tab().GetCells()[1], DUSTPAN_AND_BRUSH);
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_MENU);
    while (manager.IsBusy())
        Frame(world.CellX(1), world.CellY(1), false);

    // The cloth carried out of the inventory and dropped on the jug.
    Frame(world.CellX(2), world.CellY(2), false);
    Frame(world.CellX(2), world.CellY(2), true);
    Frame(245 * U, 100 * U, true);
    ASSERT_EQ(m_scene->m_iInputState, INPUT_STATE_ITEM_DRAG);
    EXPECT_NE(GetSceneInterfaceLink().GetHeldItemIcon(), nullptr);
    Frame(180 * U, 100 * U, true);
    m_sink.events.clear();
    Frame(180 * U, 100 * U, false);
    ASSERT_EQ(m_sink.events.size(), 1u);
    const EventDesc& use = m_sink.events[0];
    EXPECT_EQ(use.m_eType, TwEventType_UseItem);
    EXPECT_EQ(use.m_iParameterType[1], ID_PARAMETER_TYPE_ITEM);
    EXPECT_EQ(static_cast<uint32_t>(use.m_oParameter[1]), CLOTH);
    EXPECT_THAT(log.Take(), HasSubstr("UseItem \"ITEM_DRY_CLOTH\" on \"bg101_BO_CastilloLivingRoom:water_jug["));
    EXPECT_EQ(m_scene->m_iInputState, INPUT_STATE_IDLE);
    EXPECT_EQ(world.Tab().GetSelectedCell(), -1);
    EXPECT_EQ(GetSceneInterfaceLink().GetHeldItemIcon(), nullptr);
}

} // namespace
