#include "Engine/Dialogs/Common/TalkScreenTestKit.h"

#include "Input/Common/DefaultInputTriggers.h"
#include "Input/Common/InputEventIds.h"
#include "Input/Common/InputSystem.h"
#include "Input/InputEventHandler.h"
#include "Input/KeyCodes.h"
#include "Support/Files.h"
#include "Support/HandMadeTextTable.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <algorithm>

namespace TalkScreenTest {

namespace {

// A virtual unit is five pixels of the 1280 x 960 window.
int32_t ToPixels(fx32 units)
{
    return units * 5 / FX32_ONE;
}

} // namespace

TalkInput::TalkInput()
    : m_oUp(InputEventId_TalkUp, InputTriggerType_KeyPressed, Platform::KEY_UP),
      m_oDown(InputEventId_TalkDown, InputTriggerType_KeyPressed, Platform::KEY_DOWN)
{
    m_input.Devices().SetClientSize(1280, 960);
    InputSystem::CreateSingleton();
    InputSystem::GetInstance()->Init();
    InputSystem::GetInstance()->SetInputEnabled(true);
    InputEventHandler& handler = *InputEventHandler::m_pSingleton;
    handler.RegisterEventTrigger(&m_oUp);
    handler.RegisterEventTrigger(&m_oDown);
    for (uint16_t eventId : {InputEventId_PointerPressed, InputEventId_PointerReleased, InputEventId_PointerMoved,
                             InputEventId_TalkUp, InputEventId_TalkDown})
        handler.EnableEventTrigger(eventId, true);
}

TalkInput::~TalkInput()
{
    InputSystem::GetInstance()->SetInputEnabled(false);
    InputEventHandler::DestroySingleton();
    InputSystem::DestroySingleton();
    for (InputEventTrigger& trigger : g_aoDefaultInputTriggers) {
        trigger.SetEnabled(false);
        trigger.Reset();
    }
}

void TalkInput::Frame(fx32 x, fx32 y, bool bButton)
{
    m_input.Devices().SetPointer(ToPixels(x), ToPixels(y));
    m_input.Devices().SetMouseButton(0, bButton);
    m_input.Frame();
}

void TalkInput::PressKey(uint8_t code)
{
    // A frame with the key up first, so that the next one sees it pressed.
    m_input.Devices().SetKey(code, false);
    m_input.Frame();
    m_input.Devices().SetKey(code, true);
    m_input.Frame();
}

void TalkWorld::SetUp()
{
    TestSupport::EnsureMainHeap();
    ASSERT_TRUE(g_oDkLocalizer.Initialize(m_aBanks));
    m_oSavedVars = g_VarManager;
    g_VarManager = VarSet {};
    g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(HERO));
    m_pack = TestSupport::ReadFileBytes(TestSupport::DataDir() / "common.dr");
    const std::string font = (TestSupport::DataDir() / "fonts" / "MainFont.fnt.bin").string();
    TestSupport::LogCapture log;
    const bool bBound = DkDataPackBinding::BindPack(m_oDataPack, m_pack.data(), m_pack.size(), "common.dr");
    const bool bFont = this->font.Initialize(font.c_str(), {"MainFont_00", 0});
    text.Initialize(&this->font, 12);
    ASSERT_EQ(log.Take(), "");
    ASSERT_TRUE(bBound);
    ASSERT_TRUE(bFont);
    services.renderer = &text;
    DialogManager::CreateSingleton()->Initialize();
}

void TalkWorld::TearDown()
{
    if (DialogManager::GetInstance()) {
        DialogManager::GetInstance()->Shutdown();
        DialogManager::DestroySingleton();
    }
    g_oDkLocalizer.Release();
    text.Release();
    font.Release();
    DkDataPackBinding::UnbindPack(m_oDataPack);
    g_VarManager = m_oSavedVars;
}

void TalkWorld::AddTexts(std::vector<std::pair<uint32_t, std::string>> texts)
{
    std::sort(texts.begin(), texts.end());
    m_aFiles.push_back(TestSupport::HandMadeTextTable(texts));
    std::vector<uint8_t>& table = m_aFiles.back();
    ASSERT_NE(g_oDkLocalizer.AddBank("test texts", table.data(), uint32_t(table.size())), -1);
}

void TalkWorld::AddSampleTexts(const char* fileName)
{
    m_aFiles.push_back(TestSupport::ReadFileBytes(TestSupport::DataDir() / "text" / fileName));
    std::vector<uint8_t>& table = m_aFiles.back();
    ASSERT_NE(g_oDkLocalizer.AddBank(fileName, table.data(), uint32_t(table.size())), -1);
}

int32_t TalkWorld::AddGroup(const std::vector<uint8_t>& bytes, int32_t iGroupId)
{
    m_aFiles.push_back(bytes);
    const std::vector<uint8_t>& file = m_aFiles.back();
    const int32_t iSlot = Manager().AddDialogGroup(-1, file.data(), file.size(), iGroupId, "test.dialogs.dat");
    EXPECT_NE(iSlot, -1);
    Manager().SetCurrentDialogGroup(iSlot);
    return iSlot;
}

int32_t TalkWorld::AddSampleGroup(const char* fileName, int32_t iGroupId)
{
    m_aFiles.push_back(TestSupport::ReadFileBytes(TestSupport::DataDir() / "scenes" / fileName));
    const std::vector<uint8_t>& file = m_aFiles.back();
    const int32_t iSlot = Manager().AddDialogGroup(-1, file.data(), file.size(), iGroupId, fileName);
    EXPECT_NE(iSlot, -1) << fileName;
    return iSlot;
}

} // namespace TalkScreenTest
