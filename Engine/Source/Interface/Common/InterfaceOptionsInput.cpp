// The options tab's frame: the volume bars, the save and exit buttons, the
// confirmations and the saved message.
#include "Input/Common/InputEventIds.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Interface/Common/InterfaceMenuServices.h"
#include "Interface/Common/InterfaceOptions.h"
#include "Interface/Common/MenuInput.h"
#include "Interface/Common/MenuTabSceneLink.h"
#include "Log/CoreLog.h"
#include "Managers/Common/AdventureManager.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "Scene/Common/Scene.h"

namespace {

// The scene's posted events that switch its input state.
constexpr int32_t SCENE_EVENT_NORMAL_PLAY = 1;
constexpr int32_t SCENE_EVENT_MODAL = 13;
constexpr int32_t SCENE_EVENT_MENU = 14;

bool Within(const CoreFxVec2& point, const CoreFxVec2& target, fx32 reach)
{
    return CoreFxVec::Distance({point.x, point.y, 0}, {target.x, target.y, 0}) <= reach;
}

// The hover point: the pointer's, else the scene cursor's while the pad
// hovers.
bool HoverPoint(CoreFxVec2& point)
{
    if (MenuInput::PointerOf(InputEventId_PointerMoved, point))
        return true;
    if (!MenuInput::IsActive(InputEventId_CursorHover))
        return false;
    point = GetMenuTabSceneLink().GetCursorPosition();
    return true;
}

} // namespace

void InterfaceOptions::Update(uint32_t dtMs)
{
    const int32_t iInputState = GetMenuTabSceneLink().GetInputState();
    if (m_pMenu == nullptr || (iInputState != INPUT_STATE_MENU && iInputState != INPUT_STATE_POINTER_ONLY))
        return;
    switch (m_iState) {
    case STATE_MAIN: HandleMainInput(); break;
    case STATE_SAVE_CONFIRM:
    case STATE_EXIT_CONFIRM: HandleConfirmInput(); break;
    case STATE_SAVED:
        if (m_uCountdown < dtMs)
            EndSavedMessage();
        else
            m_uCountdown -= dtMs;
        break;
    default: break;
    }
}

void InterfaceOptions::HandleMainInput()
{
    MenuTabSceneLink& scene = GetMenuTabSceneLink();
    CoreFxVec2 point {};
    bool bFromCursor = false;
    if (MenuInput::SelectPoint(InputEventId_MenuPointerPressed, point, bFromCursor)) {
        const bool bSave = HitsButton(BUTTON_SAVE_LIT, point) || HitsButton(BUTTON_SAVE, point);
        if (bSave || HitsButton(BUTTON_EXIT_LIT, point) || HitsButton(BUTTON_EXIT, point)) {
            HideMainButtons();
            m_iHighlightedAnswer = ANSWER_NONE;
            m_iState = bSave ? STATE_SAVE_CONFIRM : STATE_EXIT_CONFIRM;
            if (bFromCursor)
                scene.SetCursorPosition(NO_POINT);
        } else {
            m_iLastHighlighted = m_iHighlighted;
            m_iHighlighted = HIGHLIGHT_NONE;
            VolumeBars::Click(point);
        }
    }

    if (HoverPoint(point)) {
        m_iLastHighlighted = m_iHighlighted;
        if (HitsButton(BUTTON_SAVE, point) || HitsButton(BUTTON_SAVE_LIT, point))
            m_iHighlighted = HIGHLIGHT_SAVE;
        else if (HitsButton(BUTTON_EXIT, point) || HitsButton(BUTTON_EXIT_LIT, point))
            m_iHighlighted = HIGHLIGHT_EXIT;
        else
            m_iHighlighted = HIGHLIGHT_NONE;
        ShowButton(BUTTON_SAVE, m_iHighlighted != HIGHLIGHT_SAVE);
        ShowButton(BUTTON_SAVE_LIT, m_iHighlighted == HIGHLIGHT_SAVE);
        ShowButton(BUTTON_EXIT, m_iHighlighted != HIGHLIGHT_EXIT);
        ShowButton(BUTTON_EXIT_LIT, m_iHighlighted == HIGHLIGHT_EXIT);
    }

    CoreFxVec2 direction {};
    if (MenuInput::DirectionOf(InputEventId_CursorMove, direction))
        scene.SetCursorPosition(m_pMenu->FindNextCursorTarget(scene.GetCursorPosition(), direction));
}

void InterfaceOptions::HandleConfirmInput()
{
    MenuTabSceneLink& scene = GetMenuTabSceneLink();
    CoreFxVec2 point {};
    bool bFromCursor = false;
    if (MenuInput::SelectPoint(InputEventId_BoxPointerPressed, point, bFromCursor)) {
        if (Within(point, YES_POINT, ANSWER_REACH)) {
            if (m_iState == STATE_SAVE_CONFIRM) {
                SaveGame();
            } else {
                SoundManager::StopMusic();
                SoundManager::StopAmbient();
                g_oScriptManager.ChangeScene(START_MENU_SCENE);
            }
        } else if (Within(point, NO_POINT, ANSWER_REACH)) {
            ShowMainButtons();
            if (bFromCursor) {
                const int32_t iEntry = m_iState == STATE_SAVE_CONFIRM ? BUTTON_SAVE : BUTTON_EXIT;
                scene.SetCursorPosition(m_pMenu->GetButton(iEntry).GetCenter());
            }
            m_iState = STATE_MAIN;
        }
    }

    m_iHighlightedAnswer = ANSWER_NONE;
    if (HoverPoint(point)) {
        if (Within(point, YES_POINT, ANSWER_REACH))
            m_iHighlightedAnswer = ANSWER_YES;
        else if (Within(point, NO_POINT, ANSWER_REACH))
            m_iHighlightedAnswer = ANSWER_NO;
    }

    CoreFxVec2 direction {};
    if (MenuInput::DirectionOf(InputEventId_CursorMove, direction))
        scene.SetCursorPosition(direction.x < 0 ? YES_POINT : NO_POINT);
}

void InterfaceOptions::SaveGame()
{
    AdventureManager* pSlots = AdventureManager::GetInstance();
    const int iSlot = pSlots ? pSlots->GetSaveSlotIndex() : 0;
    SaveSlotData* pSlot = pSlots ? pSlots->GetSaveSlot(iSlot) : nullptr;
    int result = SAVE_RESULT_NO_ACCESS;
    if (pSlot != nullptr) {
        pSlots->StoreGameState(pSlot);
        result = pSlots->SaveToBackup(iSlot);
    }
    if (result == SAVE_RESULT_DONE) {
        m_uCountdown = SAVED_MESSAGE_MS;
        m_iState = STATE_SAVED;
        return;
    }
    // Not saved: no saved message; the options stay open to try again.
    CorePrint(&g_oCoreLog, "Saving slot %d to \"save.dat\" failed (%d): the game was not saved\n", iSlot, result);
    ShowMainButtons();
    m_iState = STATE_MAIN;
}

void InterfaceOptions::EndSavedMessage()
{
    ShowMainButtons();
    m_iState = STATE_MAIN;
    m_pMenu->SetCurrentTab(TAB_INVENTORY);
    GetInterfaceMenuServices().PostSceneEvent(SCENE_EVENT_NORMAL_PLAY);
}

void InterfaceOptions::HideMainButtons()
{
    GetInterfaceMenuServices().PostSceneEvent(SCENE_EVENT_MODAL);
    for (const int32_t iEntry : {BUTTON_SAVE_LIT, BUTTON_SAVE, BUTTON_EXIT_LIT, BUTTON_EXIT})
        ShowButton(iEntry, false);
    for (int32_t iStep = 0; iStep < VolumeBars::STEP_COUNT; ++iStep) {
        m_aLit[iStep].m_bVisible = 0;
        m_aUnlit[iStep].m_bVisible = 0;
    }
}

void InterfaceOptions::ShowMainButtons()
{
    for (int32_t iStep = 0; iStep < VolumeBars::STEP_COUNT; ++iStep) {
        m_aLit[iStep].m_bVisible = 1;
        m_aUnlit[iStep].m_bVisible = 1;
    }
    ShowButton(BUTTON_SAVE_LIT, false);
    ShowButton(BUTTON_EXIT_LIT, false);
    ShowButton(BUTTON_SAVE, true);
    ShowButton(BUTTON_EXIT, true);
    GetInterfaceMenuServices().PostSceneEvent(SCENE_EVENT_MENU);
    m_iHighlighted = HIGHLIGHT_NONE;
}
