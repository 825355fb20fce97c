#include "Interface/Common/InterfaceQuest.h"

#include "Common/ActorIds.h"
#include "Input/Common/InputEventIds.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/MenuInput.h"
#include "Interface/Common/MenuTabSceneLink.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/Scene.h"
#include "Utils/Common/DkLocalizer.h"
#include "Utils/Common/Font/Common/TextRenderer.h"

#include <cstdio>

bool InterfaceQuest::Init()
{
    m_oLog.Init();
    m_bUpEnabled = m_bDownEnabled = m_bPointerOnUp = m_bPointerOnDown = 0;
    return true;
}

bool InterfaceQuest::Load()
{
    InterfacePanel::Load();
    if (m_pMenu != nullptr) {
        for (int32_t iRow = BUTTON_QUEST_PORTRAIT_1; iRow <= BUTTON_QUEST_DOWN; ++iRow)
            m_pMenu->GetButton(iRow).InitFromTable(iRow);
    }
    return true;
}

void InterfaceQuest::Unload()
{
    if (m_pMenu == nullptr)
        return;
    for (int32_t iRow = BUTTON_QUEST_PORTRAIT_1; iRow <= BUTTON_QUEST_DOWN; ++iRow)
        m_pMenu->GetButton(iRow).DropTexture();
}

void InterfaceQuest::Refresh()
{
    if (m_oLog.Refresh(SceneManager::GetPlayingCharacter(), g_VarManager))
        LoadPortraits();
}

bool InterfaceQuest::GetPortraitName(uint32_t uActorId, char* pOut, size_t uSize)
{
    const char* pName = Id::GetActorName(uActorId);
    if (pName == nullptr || uSize == 0)
        return false;
    std::snprintf(pOut, uSize, "intquest_%s", pName);
    return true;
}

void InterfaceQuest::LoadPortraits()
{
    if (m_pMenu == nullptr)
        return;
    for (int index = 0; index < QuestLog::PAGE_SIZE; ++index) {
        const QuestRow& entry = m_oLog.GetShown(index);
        char name[64];
        if (entry.m_uPortraitActor != 0 && GetPortraitName(entry.m_uPortraitActor, name, sizeof name))
            m_pMenu->GetButton(BUTTON_QUEST_PORTRAIT_1 + index).SetTexture(name);
    }
}

void InterfaceQuest::UpdateButtons()
{
    m_bUpEnabled = m_oLog.CanPageUp() ? 1 : 0;
    m_bDownEnabled = m_oLog.CanPageDown() ? 1 : 0;
    if (m_pMenu == nullptr)
        return;
    m_pMenu->GetButton(BUTTON_QUEST_UP).m_bVisible = m_bUpEnabled && !m_bPointerOnUp;
    m_pMenu->GetButton(BUTTON_QUEST_UP_LIT).m_bVisible = m_bUpEnabled && m_bPointerOnUp;
    m_pMenu->GetButton(BUTTON_QUEST_DOWN).m_bVisible = m_bDownEnabled && !m_bPointerOnDown;
    m_pMenu->GetButton(BUTTON_QUEST_DOWN_LIT).m_bVisible = m_bDownEnabled && m_bPointerOnDown;
    for (int index = 0; index < QuestLog::PAGE_SIZE; ++index)
        m_pMenu->GetButton(BUTTON_QUEST_PORTRAIT_1 + index).m_bVisible = index < m_oLog.GetShownCount();
}

void InterfaceQuest::Update(uint32_t /*dtMs*/)
{
    UpdateButtons();
    if (GetMenuTabSceneLink().GetInputState() == INPUT_STATE_MENU)
        HandleInput();
}

void InterfaceQuest::HandleInput()
{
    m_oLog.ClearPaged();
    if (m_pMenu == nullptr)
        return;
    MenuTabSceneLink& scene = GetMenuTabSceneLink();
    CoreFxVec2 point {};
    if (MenuInput::PointerOf(InputEventId_PointerMoved, point)) {
        m_bPointerOnUp = m_pMenu->GetButton(BUTTON_QUEST_UP).HitTest(point.x, point.y, 0);
        m_bPointerOnDown = m_pMenu->GetButton(BUTTON_QUEST_DOWN).HitTest(point.x, point.y, 0);
    }

    bool bFromCursor = false;
    if (MenuInput::SelectPoint(InputEventId_MenuPointerPressed, point, bFromCursor)) {
        if (m_pMenu->GetButton(BUTTON_QUEST_UP_LIT).HitTest(point.x, point.y, 0) && m_bUpEnabled)
            m_oLog.PageUp();
        else if (m_pMenu->GetButton(BUTTON_QUEST_DOWN_LIT).HitTest(point.x, point.y, 0) && m_bDownEnabled)
            m_oLog.PageDown();
    } else if (MenuInput::IsActive(InputEventId_QuestPageDown) && m_bDownEnabled) {
        m_oLog.PageDown();
    } else if (MenuInput::IsActive(InputEventId_QuestPageUp) && m_bUpEnabled) {
        m_oLog.PageUp();
    }

    CoreFxVec2 direction {};
    if (MenuInput::DirectionOf(InputEventId_CursorMove, direction))
        scene.SetCursorPosition(m_pMenu->FindNextCursorTarget(scene.GetCursorPosition(), direction));
}

void InterfaceQuest::DrawText()
{
    Tw::TextRenderer* pTitle = m_pMenu ? m_pMenu->GetMainTextRenderer() : nullptr;
    Tw::TextRenderer* pText = m_pMenu ? m_pMenu->GetSecondTextRenderer() : nullptr;
    for (int index = 0; index < m_oLog.GetShownCount(); ++index) {
        const QuestRow& entry = m_oLog.GetShown(index);
        // Closed since the list was built this frame: not drawn.
        if (!QuestLog::IsOpen(entry, g_VarManager))
            continue;
        const fx32 offset = index * ENTRY_PITCH;
        if (pTitle != nullptr) {
            pTitle->BeginPrint();
            pTitle->SetClipRect(TEXT_LEFT, TEXT_TOP + offset, TEXT_RIGHT, TEXT_BOTTOM + offset);
            pTitle->Print(g_oDkLocalizer.GetText(entry.m_uTitleTextId), TEXT_LEFT, TEXT_TOP + offset, TITLE_COLOUR, 0);
            pTitle->EndPrint();
        }
        if (pText != nullptr) {
            pText->BeginPrint();
            pText->SetClipRect(TEXT_LEFT, TEXT_TOP + offset, TEXT_RIGHT, TEXT_BOTTOM + offset);
            pText->Print(g_oDkLocalizer.GetText(entry.m_uDescriptionTextId), TEXT_LEFT, DESCRIPTION_TOP + offset,
                         TEXT_COLOUR, Tw::PRINT_SUBSTRINGS);
            pText->EndPrint();
        }
    }
}
