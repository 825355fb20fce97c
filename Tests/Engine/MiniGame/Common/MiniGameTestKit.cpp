#include "Engine/MiniGame/Common/MiniGameTestKit.h"

#include "App/CoreApp.h"
#include "Effects/Common/Effect.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/ResourceManager.h"
#include "Managers/Common/ScriptManager.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "Renderer/CoreRenderer.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "Support/Files.h"
#include "Support/HandMadeTextTable.h"
#include "Support/MainHeap.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace MiniGameTest {

namespace {

// A virtual unit is five pixels of the 1280 x 960 window.
int32_t ToPixels(fx32 units)
{
    return units * 5 / FX32_ONE;
}

// The sprite names of the test game, sorted by CRC as a game keeps them.
const ResourceNameEntry* SpriteNames(int32_t& count)
{
    static std::vector<ResourceNameEntry> names;
    if (names.empty()) {
        for (const char* name : {":mg_interface_cursor", ":mg_interface_next_button", "masks_MG_MsgBox", "mg_kit_life",
                                 "mg_kit_life_lost"})
            names.push_back({CoreCrc32::HashString(name), name});
        std::sort(names.begin(), names.end(), [](auto& a, auto& b) { return a.m_uCrc < b.m_uCrc; });
    }
    count = static_cast<int32_t>(names.size());
    return names.data();
}

} // namespace

void MiniGameWorld::SetUp()
{
    TestSupport::EnsureMainHeap();
    m_pDirectory = std::make_unique<TestSupport::ScopedWorkingDirectory>(TestSupport::DataDir());
    ASSERT_NE(ResourceManager::CreateSingleton(), nullptr);
    ASSERT_TRUE(ResourceManager::GetInstance()->LoadCommonPackages());
    ASSERT_TRUE(g_oDkLocalizer.Initialize(m_aBanks));
    m_aTables.push_back(TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / "en-GBTextCommon.dat"));
    std::vector<std::pair<uint32_t, std::string>> texts = {
        {TITLE_TEXT, "Kit test"},
        {INSTRUCTIONS_TEXT, "Catch the falling stars before they reach the sea. Three misses and the round is lost."},
    };
    std::sort(texts.begin(), texts.end());
    m_aTables.push_back(TestSupport::HandMadeTextTable(texts));
    for (std::vector<uint8_t>& table : m_aTables)
        ASSERT_NE(g_oDkLocalizer.AddBank("test texts", table.data(), uint32_t(table.size())), -1);
    AdventureManager::CreateSingleton()->Initialize();
    m_pInput = std::make_unique<TestSupport::ScopedInputSystem>();
    m_pInput->Devices().SetClientSize(1280, 960);
}

void MiniGameWorld::TearDown()
{
    m_pInput.reset();
    AdventureManager::DestroySingleton();
    g_oDkLocalizer.Release();
    if (ResourceManager::GetInstance() != nullptr) {
        ResourceManager::GetInstance()->UnloadAll();
        ResourceManager::DestroySingleton();
    }
    m_pDirectory.reset();
}

void MiniGameWorld::Frame(fx32 x, fx32 y, bool bButton)
{
    m_pInput->Devices().SetPointer(ToPixels(x), ToPixels(y));
    m_pInput->Devices().SetMouseButton(0, bButton);
    m_pInput->Frame();
}

void MiniGameWorld::Click(fx32 x, fx32 y)
{
    Frame(x, y, true);
    Frame(x, y, false);
}

void MiniGameWorld::PressKey(uint8_t code)
{
    m_pInput->Devices().SetKey(code, true);
    m_pInput->Frame();
    m_pInput->Devices().SetKey(code, false);
}

void MiniGameWorld::HoldKey(uint8_t code, bool bDown)
{
    m_pInput->Devices().SetKey(code, bDown);
}

bool KitTestMiniGame::Initialize()
{
    int32_t count = 0;
    const ResourceNameEntry* names = SpriteNames(count);
    const auto nameOf = [&](const char* name) {
        return GetResourceNameFromCRC(CoreCrc32::HashString(name), names, count);
    };
    MGSprite::RegisterSpriteName(MGSprite::ID_POINTER, "", nameOf(":mg_interface_cursor"));
    MGSprite::RegisterSpriteName(MGSprite::ID_DOWN_ARROW, "", nameOf(":mg_interface_next_button"));
    MGSprite::RegisterSpriteName(MGSprite::ID_UP_ARROW, "", nameOf(":mg_interface_next_button"));
    MGSprite::RegisterSpriteName(MGSprite::ID_MESSAGE_BOX, "", nameOf("masks_MG_MsgBox"));
    MGSprite::RegisterSpriteName(LIFE_ID, "", nameOf("mg_kit_life"));
    MGSprite::RegisterSpriteName(LIFE_LOST_ID, "", nameOf("mg_kit_life_lost"));
    m_sMiniGameName = g_oDkLocalizer.GetText(TITLE_TEXT);
    if (!LoadResources(m_sPackName) || !m_oMessageBox.Initialize() || !m_oMeter.Initialize(LIFE_LOST_ID, LIFE_ID) ||
        !InitializeTextRenderer())
        return false;
    m_oMessageBox.SetButtonColors(BUTTON_COLOR, HOVERED_BUTTON_COLOR);
    --m_iResets;
    ResetGame(false);
    return true;
}

void KitTestMiniGame::ResetGame(bool)
{
    ++m_iResets;
    m_oPendingEnd.reset();
    m_oMeter.Reset();
    DisplayInstructionsState(INSTRUCTIONS_TEXT);
}

void KitTestMiniGame::Shutdown()
{
    m_oMessageBox.Shutdown();
    m_oMeter.Shutdown();
    m_oTextRenderer.Release();
    UnloadResources();
}

bool KitTestMiniGame::Update(uint32_t dtMs)
{
    if (GetState() == STATE_STARTING)
        SetState(STATE_PLAYING);
    if (GetState() == STATE_PLAYING && m_oPendingEnd.has_value()) {
        if (!*m_oPendingEnd) {
            while (m_oMeter.GetValue() > 0)
                m_oMeter.Remove();
        }
        GoToEndState(*m_oPendingEnd);
        m_oPendingEnd.reset();
    }
    if (m_oMeter.GetUnit(0) != nullptr)
        m_oMeter.Update(dtMs);
    return MiniGame::Update(dtMs);
}

void KitTestMiniGame::Render()
{
    if (m_oMeter.GetUnit(0) != nullptr)
        m_oMeter.Render(8 * U, 8 * U, 0, 2 * U);
    MiniGame::Render();
}

void MiniGameWorld::ClickButton(const MGMessageBox& box, int32_t i)
{
    const MGRectangle& rect = box.GetButton(i).m_oRect;
    Click(rect.m_fxX + rect.m_fxWidth / 2, rect.m_fxY + rect.m_fxHeight / 2);
}

void StartFromScriptAction(int32_t iMiniGameId)
{
    ActionDesc action = ActionDesc::MakeEmpty();
    action.m_iActionType = ID_ACTION_TYPE_START_MINIGAME;
    action.m_iParameterType[0] = ID_PARAMETER_TYPE_INT;
    action.m_oParameter[0] = iMiniGameId;
    g_oScriptManager.StartAction(action);
}

void RestoreCurrentSaveSlot()
{
    AdventureManager& adventure = *AdventureManager::GetInstance();
    adventure.RestoreGameState(adventure.GetSaveSlot(adventure.GetSaveSlotIndex()));
}

void MiniGamePictureTest::SetUp()
{
    OpenGlPictureTest::SetUp();
    if (HasFatalFailure())
        return;
    if (m_bAppRenderer) {
        g_pCoreApp = new CoreApp();
        g_pCoreApp->m_pRenderer = &m_renderer;
    }
    m_world.SetUp();
    MiniGameFonts::Load();
    MGSprite::ClearPoolCounts();
}

void MiniGamePictureTest::TearDown()
{
    MGSprite::ShutdownPoolSystem();
    MiniGameFonts::Release();
    m_world.TearDown();
    // Set-up may have stopped before the app was made.
    if (g_pCoreApp != nullptr && m_bAppRenderer) {
        g_pCoreApp->m_pRenderer = nullptr;
        delete g_pCoreApp;
        g_pCoreApp = nullptr;
    }
    OpenGlPictureTest::TearDown();
}

Platform::RgbaImage MiniGamePictureTest::Draw(MiniGame& game)
{
    return FramePicture([&] {
        m_renderer.SetScreenCamera();
        game.Render();
        if (m_bEffects)
            Effect::RenderAll();
    });
}

} // namespace MiniGameTest
