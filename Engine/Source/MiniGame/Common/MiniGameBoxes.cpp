#include "MiniGame/Common/MiniGame.h"

#include "Common/VarIds.h"
#include "Effects/Common/Effect.h"
#include "Error/EngineAssert.h"
#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "Utils/Common/DkLocalizer.h"

#include <cstdio>

namespace {

// The message of the pause and end boxes, shared by every game.
char s_aMessage[MiniGame::MESSAGE_SIZE];

const char* Text(uint32_t id)
{
    return g_oDkLocalizer.GetText(id);
}

} // namespace

bool MiniGame::Update(uint32_t dtMs)
{
    switch (GetState()) {
    case STATE_INSTRUCTIONS: return UpdateInstructionsState(dtMs);
    case STATE_PLAYING: return UpdatePlayingState();
    case STATE_PAUSE_BOX: return UpdatePauseState(dtMs);
    case STATE_END_BOX: return UpdateEndState(dtMs);
    default: return false;
    }
}

void MiniGame::ShowMessage(uint32_t textId, const char* button1, const char* button2, uint32_t layoutFlags)
{
    std::snprintf(s_aMessage, sizeof(s_aMessage), "%s", Text(textId));
    m_oMessageBox.Show(s_aMessage, m_sMiniGameName, button1, button2, layoutFlags);
}

bool MiniGame::UpdatePlayingState()
{
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    if (pHandler == nullptr || !pHandler->IsEventActive(InputEventId_GamePause, nullptr, nullptr))
        return false;
    SetState(STATE_PAUSE_BOX);
    ShowMessage(TEXT_PAUSE, Text(TEXT_GO_ON), Text(TEXT_QUIT), MGMessageBox::LAYOUT_CENTER_X);
    Effect::StartEffect(m_aiEffects[EFFECT_BOX_TRANSITION]);
    return false;
}

bool MiniGame::ReadBoxAfter(int32_t effectIndex, uint32_t dtMs)
{
    // The box shows while the effect runs, so it takes its clicks then too;
    // the answer waits for the effect's end.
    const bool bAnswered = m_oMessageBox.IsShown() && m_oMessageBox.Update(dtMs);
    return IsEffectFinished(effectIndex) && bAnswered;
}

bool MiniGame::HasBoxResult() const
{
    const bool bResult = m_oMessageBox.GetResult() != MGMessageBox::RESULT_NONE;
    ENGINE_ASSERT_MSG(bResult, "The state is invalid. The MessageBox must return a state other than NONE.");
    return bResult;
}

bool MiniGame::UpdatePauseState(uint32_t dtMs)
{
    if (!m_oMessageBox.Update(dtMs) || !HasBoxResult())
        return false;
    if (m_oMessageBox.GetResult() == MGMessageBox::RESULT_FIRST) {
        if (!WaitTransition(m_aiEffects[EFFECT_PLAY_TRANSITION]))
            return false;
        m_oMessageBox.Hide();
        SetState(STATE_PLAYING);
        return false;
    }
    if (!WaitTransition(m_aiEffects[EFFECT_CLOSING_FADE]))
        return false;
    // Quitting from the pause box is a loss, whatever the game had set.
    m_oMessageBox.Hide();
    m_bWon = false;
    m_bSkipped = false;
    return true;
}

void MiniGame::DisplayInstructionsState(uint32_t textId)
{
    SetState(STATE_INSTRUCTIONS);
    ENGINE_ASSERT(m_sMiniGameName != NULL);
    m_oMessageBox.Show(Text(textId), m_sMiniGameName, Text(TEXT_GO_ON), m_bRetrying ? Text(TEXT_SKIP) : nullptr, 0);
}

bool MiniGame::UpdateInstructionsState(uint32_t dtMs)
{
    // Skip lies where the lost box's Retry was: a click meant for Retry
    // reaches it only once the box has faded in, when the player sees Skip.
    m_oMessageBox.HoldBackSecondButton(!IsEffectFinished(m_aiEffects[EFFECT_OPENING_FADE]));
    if (!ReadBoxAfter(m_aiEffects[EFFECT_OPENING_FADE], dtMs) || !HasBoxResult())
        return false;
    if (m_oMessageBox.GetResult() == MGMessageBox::RESULT_SECOND)
        return UpdateSkip(dtMs);
    if (WaitTransition(m_aiEffects[EFFECT_PLAY_TRANSITION])) {
        m_oMessageBox.Hide();
        SetState(STATE_STARTING);
    }
    return false;
}

bool MiniGame::UpdateSkip(uint32_t dtMs)
{
    if (!m_bWon && !m_bSkipped) {
        m_bWon = true;
        m_bSkipped = true;
        MiniGameResult::SetSlotBool(VARBOOL_C_CHEAT_MINIGAME, true);
        SoundManager::PlayEffect(SOUND_SKIP);
        m_fxSkipTimer = SKIP_WAIT;
        return false;
    }
    if (m_fxSkipTimer > 0) {
        m_fxSkipTimer -= MiniGameSeconds(dtMs);
        if (m_fxSkipTimer > 0)
            return false;
    }
    if (!WaitTransition(m_aiEffects[EFFECT_CLOSING_FADE]))
        return false;
    m_oMessageBox.Hide();
    return true;
}

void MiniGame::GoToEndState(bool won)
{
    m_bWon = won;
    m_bSkipped = false;
    SetState(STATE_END_BOX);
    ENGINE_ASSERT(m_sMiniGameName != NULL);
    if (won) {
        SoundManager::PlayEffect(SOUND_WON);
        ShowMessage(TEXT_WON, Text(TEXT_QUIT), nullptr, MGMessageBox::LAYOUT_CENTER_X);
    } else {
        ShowMessage(TEXT_LOST, Text(TEXT_QUIT), Text(TEXT_RETRY), MGMessageBox::LAYOUT_CENTER_X);
    }
    Effect::StartEffect(m_aiEffects[EFFECT_BOX_TRANSITION]);
}

bool MiniGame::UpdateEndState(uint32_t dtMs)
{
    if (!ReadBoxAfter(m_aiEffects[EFFECT_BOX_TRANSITION], dtMs) || !HasBoxResult())
        return false;
    if (!WaitTransition(m_aiEffects[EFFECT_CLOSING_FADE]))
        return false;
    m_oMessageBox.Hide();
    if (m_oMessageBox.GetResult() == MGMessageBox::RESULT_FIRST)
        return true;
    Effect::StartEffect(m_aiEffects[EFFECT_OPENING_FADE]);
    m_bRetrying = true;
    ResetGame(m_bWon);
    m_bWon = false;
    m_bSkipped = false;
    return false;
}
