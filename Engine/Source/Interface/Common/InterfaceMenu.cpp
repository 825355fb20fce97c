#include "Interface/Common/InterfaceMenu.h"

#include "Error/EngineAssert.h"
#include "Interface/Common/InterfaceMenuServices.h"
#include "Maths/CoreFxDivide.h"
#include "Scene/Common/Scene.h"
#include "Texture/CoreTextureManager.h"
#include "Utils/Common/Font/Common/TextRenderer.h"

#include <utility>

InterfaceMenu* InterfaceMenu::m_pSingleton = nullptr;

namespace {

// The tab bar: the "on" button of the chosen tab, the "off" buttons of the
// others.
constexpr int32_t TAB_BAR[NB_TABS][4] = {
    {BUTTON_INVENTORY_ON, BUTTON_MAP_OFF, BUTTON_QUEST_OFF, BUTTON_OPTIONS_OFF},
    {BUTTON_MAP_ON, BUTTON_INVENTORY_OFF, BUTTON_QUEST_OFF, BUTTON_OPTIONS_OFF},
    {BUTTON_QUEST_ON, BUTTON_INVENTORY_OFF, BUTTON_MAP_OFF, BUTTON_OPTIONS_OFF},
    {BUTTON_OPTIONS_ON, BUTTON_INVENTORY_OFF, BUTTON_MAP_OFF, BUTTON_QUEST_OFF},
};
constexpr int32_t NB_TAB_BAR_BUTTONS = 8;
constexpr int32_t ALERT_CELLS = 16;
constexpr fx32 ALERT_X = 128 * FX32_ONE;
constexpr fx32 ALERT_Y = 5 * FX32_ONE;
constexpr uint32_t WHITE = 0xFFFFFFFF;

} // namespace

InterfaceMenu* InterfaceMenu::CreateSingleton()
{
    ENGINE_ASSERT(m_pSingleton==NULL);
    m_pSingleton = new InterfaceMenu();
    return m_pSingleton;
}

void InterfaceMenu::DestroySingleton()
{
    delete std::exchange(m_pSingleton, nullptr);
}

InterfaceMenu::InterfaceMenu()
{
    for (InterfacePanel* pTab : {static_cast<InterfacePanel*>(&m_oInventory), static_cast<InterfacePanel*>(&m_oMap),
                                 static_cast<InterfacePanel*>(&m_oQuest), static_cast<InterfacePanel*>(&m_oOptions)})
        pTab->SetMenu(this);
}

InterfacePanel* InterfaceMenu::GetTab(int32_t iTab)
{
    switch (iTab) {
    case TAB_INVENTORY: return &m_oInventory;
    case TAB_MAP: return &m_oMap;
    case TAB_QUEST: return &m_oQuest;
    case TAB_OPTIONS: return &m_oOptions;
    default: return nullptr;
    }
}

bool InterfaceMenu::Open(uint32_t uCharacter)
{
    m_uShownCharacter = uCharacter;
    for (int32_t iTab = 0; iTab < NB_TABS; ++iTab) {
        if (!GetTab(iTab)->Init())
            return false;
    }
    m_oItemAlert = {};
    m_oQuestAlert = {};
    m_iCurrentTab = TAB_NONE;
    m_pCurrentTab = nullptr;
    m_bLoaded = 0;
    return true;
}

void InterfaceMenu::Close()
{
    m_oOptions.Term();
    m_oMap.Term();
    m_oQuest.Term();
    m_oInventory.Term();
    m_uShownCharacter = 0;
}

bool InterfaceMenu::Load()
{
    if (m_bLoaded)
        return true;
    InterfaceMenuServices& services = GetInterfaceMenuServices();
    m_pMainText = services.GetMainTextRenderer();
    m_pSecondText = services.GetSecondTextRenderer();
    for (int32_t iEntry = 0; iEntry < NB_TAB_BAR_BUTTONS; ++iEntry)
        m_aButtons[iEntry].InitFromTable(iEntry);
    for (int32_t iTab = 0; iTab < NB_TABS; ++iTab) {
        if (!GetTab(iTab)->Load())
            return false;
    }
    m_oItemAlertSprite.Initialize(INTERFACE_SPRITE_ALERT_INVENTORY);
    m_oQuestAlertSprite.Initialize(INTERFACE_SPRITE_ALERT_QUEST);
    SetCurrentTab(TAB_INVENTORY);
    m_bLoaded = 1;
    return true;
}

void InterfaceMenu::Unload()
{
    if (!m_bLoaded)
        return;
    m_oItemAlertSprite.Release();
    m_oQuestAlertSprite.Release();
    m_oOptions.Unload();
    m_oMap.Unload();
    m_oQuest.Unload();
    m_oInventory.Unload();
    for (int32_t iEntry = 0; iEntry < NB_TAB_BAR_BUTTONS; ++iEntry)
        m_aButtons[iEntry].DropTexture();
    m_bLoaded = 0;
}

void InterfaceMenu::SetCurrentTab(int32_t iTab)
{
    if (m_uShownCharacter == 0)
        return;
    m_iCurrentTab = iTab;
    for (InterfaceButton& button : m_aButtons)
        button.m_bVisible = 0;
    if (m_pCurrentTab != nullptr)
        m_pCurrentTab->Deactivate();
    m_pCurrentTab = GetTab(iTab);
    if (m_pCurrentTab == nullptr)
        return;
    for (const int32_t iEntry : TAB_BAR[iTab])
        m_aButtons[iEntry].m_bVisible = 1;
    m_pCurrentTab->UpdateButtons();
    m_pCurrentTab->ClearSelection();
}

void InterfaceMenu::Update(uint32_t dtMs)
{
    if (!GetInterfaceMenuServices().IsGameBusy())
        HandleTabInput();
    if (m_pCurrentTab != nullptr) {
        m_pCurrentTab->Update(dtMs);
        m_pCurrentTab->IsDirty();
    }
    m_oQuest.Refresh();
    // The quest list that a game starts with is no news.
    if (m_oQuest.HasAlert() && !m_bFirstUpdate)
        m_oQuestAlert.m_bActive = 1;
    m_bFirstUpdate = 0;
    UpdateAlert(m_oQuestAlert, dtMs);
    UpdateAlert(m_oItemAlert, dtMs);
}

void InterfaceMenu::UpdateAlert(MenuAlert& alert, uint32_t dtMs)
{
    if (!alert.m_bActive)
        return;
    if (alert.m_fxElapsed == 0)
        GetInterfaceMenuServices().PlayEffect(ALERT_SOUND);
    if (alert.m_fxElapsed < ALERT_DURATION) {
        alert.m_fxElapsed += static_cast<fx32>((dtMs << FX32_SHIFT) / 1000);
        return;
    }
    alert.m_fxElapsed = 0;
    alert.m_bActive = 0;
}

void InterfaceMenu::DrawPanel()
{
    if (m_pCurrentTab == nullptr)
        return;
    m_pCurrentTab->Draw();
    for (const InterfaceButton& button : m_aButtons) {
        if (button.m_bVisible)
            button.Draw();
    }
    if (m_pMainText == nullptr)
        return;
    m_pMainText->BeginPrint();
    m_pCurrentTab->DrawText();
    m_pMainText->EndPrint();
}

void InterfaceMenu::DrawItemAlert()
{
    DrawAlert(m_oItemAlert, m_oItemAlertSprite);
}

void InterfaceMenu::DrawQuestAlert()
{
    DrawAlert(m_oQuestAlert, m_oQuestAlertSprite);
}

void InterfaceMenu::DrawAlert(const MenuAlert& alert, const InterfaceSprite& sprite)
{
    if (!alert.m_bActive || sprite.m_hTexture == nullptr || g_pTextureManager == nullptr ||
        g_pTextureManager->m_pRenderer == nullptr)
        return;
    const int32_t iCell = (CoreFx::Div(alert.m_fxElapsed, ALERT_DURATION) * ALERT_CELLS) >> FX32_SHIFT;
    const fx32 cellWidth = sprite.m_fxWidth / ALERT_CELLS;
    Scene::DrawTextureQuadUV(*g_pTextureManager->m_pRenderer, ALERT_CELLS, 1,
                             iCell < ALERT_CELLS ? iCell : ALERT_CELLS - 1, sprite.m_hTexture, ALERT_X - cellWidth / 2,
                             ALERT_Y, cellWidth, sprite.m_fxHeight, WHITE);
}
