#pragma once
// What the in-game menu's tests share: services that a test steers and
// watches, and the menu itself made from the sample common pack and opened
// for the heroine, with the pointer of a 1280 x 960 window that the tabs read.
#include "Common/IdHash.h"
#include "Input/Common/InputEventIds.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/InterfaceMenuServices.h"
#include "Managers/Common/ResourceManager.h"
#include "ScriptEngine/common/EventDesc.h"
#include "Support/ScopedInputSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace MenuTest {

constexpr fx32 U = FX32_ONE;
constexpr uint32_t HEROINE = ActorIdOf("tavrine");
constexpr uint32_t BRUSH = ItemIdOf("ITEM_BRUSH");
constexpr uint32_t DUSTPAN = ItemIdOf("ITEM_DUSTPAN");
constexpr uint32_t DUSTPAN_AND_BRUSH = ItemIdOf("ITEM_DUSTPAN_AND_BRUSH");
constexpr uint32_t CLOTH = ItemIdOf("ITEM_DRY_CLOTH");
constexpr uint32_t SWORD = ItemIdOf("ITEM_WOODEN_SWORD");

class FakeMenuServices final : public InterfaceMenuServices {
public:
    FakeMenuServices() { SetInterfaceMenuServices(this); }
    ~FakeMenuServices() override { SetInterfaceMenuServices(nullptr); }
    FakeMenuServices(const FakeMenuServices&) = delete;
    FakeMenuServices& operator=(const FakeMenuServices&) = delete;

    bool IsGameBusy() override { return busy; }
    void PlayEffect(int32_t iSoundId) override { sounds.push_back(iSoundId); }
    bool FireEvent(const EventDesc& oEvent) override
    {
        fired.push_back(oEvent);
        return accept;
    }
    bool CombineItems(uint32_t uDragged, uint32_t uTarget, EventDesc* pEvent) override
    {
        return combine && combine(uDragged, uTarget, pEvent);
    }
    void PostSceneEvent(int32_t iCode) override
    {
        posts.push_back(iCode);
        if (onPost)
            onPost(iCode);
    }
    Tw::TextRenderer* GetMainTextRenderer() override { return main; }
    Tw::TextRenderer* GetSecondTextRenderer() override { return second; }

    bool busy = false;
    bool accept = true;
    std::vector<int32_t> sounds;
    std::vector<int32_t> posts;
    std::vector<EventDesc> fired;
    std::function<bool(uint32_t, uint32_t, EventDesc*)> combine;
    std::function<void(int32_t)> onPost;
    Tw::TextRenderer* main = nullptr;
    Tw::TextRenderer* second = nullptr;
};

// The pointer and the left button of a 1280 x 960 window, the game's
// triggers with the events of the menu's input state switched on.
class MenuInput {
public:
    MenuInput()
    {
        m_input.Devices().SetClientSize(1280, 960);
        for (uint16_t id : {InputEventId_MenuPointerPressed, InputEventId_MenuPointerHeld,
                            InputEventId_MenuPointerReleased, InputEventId_PointerMoved})
            InputEventHandler::m_pSingleton->EnableEventTrigger(id, true);
    }
    // One frame of input with the pointer at a virtual point.
    void Frame(fx32 x, fx32 y, bool bButton)
    {
        m_input.Devices().SetPointer(x * 5 / U, y * 5 / U);
        m_input.Devices().SetMouseButton(0, bButton);
        m_input.Frame();
    }

private:
    TestSupport::ScopedInputSystem m_input;
};

// The game's one menu over the sample common pack (bound while it lives),
// opened for the heroine and loaded; with its own input unless a scene gives
// the menu its input.
class MenuWorld {
public:
    explicit MenuWorld(bool bOwnInput = true)
    {
        if (bOwnInput)
            input.emplace();
    }

    void SetUp();
    void TearDown();

    InterfaceMenu& Menu() { return *InterfaceMenu::GetInstance(); }
    Inventory& Tab() { return Menu().GetInventory(); }
    // One menu frame after one input frame.
    void Frame(fx32 x, fx32 y, bool bButton, uint32_t dtMs = 16)
    {
        input->Frame(x, y, bButton);
        Menu().Update(dtMs);
    }
    // The centre of a shown cell (0..9 on the page).
    static fx32 CellX(int32_t k) { return (76 + 32 * (k % 5)) * U; }
    static fx32 CellY(int32_t k) { return (65 + 32 * (k / 5)) * U; }
    // Press on one point, move with the button held, release on another.
    void Drag(fx32 x0, fx32 y0, fx32 x1, fx32 y1);

    FakeMenuServices services;
    std::optional<MenuInput> input;
};

} // namespace MenuTest
