#include "Game/TwGame.h"

#include "App/CoreApp.h"
#include "Input/Common/InputEventIds.h"
#include "Input/InputEventHandler.h"
#include "Utils/Common/DkLocalizer.h"

void TwGame::UpdateQuitRequest()
{
    const InputEventHandler* pHandler = InputEventHandler::m_pSingleton;
    if (pHandler != nullptr && pHandler->IsEventActive(InputEventId_Quit, nullptr, nullptr)) {
        if (g_bQuitBoxShown != 0) {
            // Esc again cancels: nothing is chosen.
            g_bQuitBoxShown = 0;
            m_oQuitBox.Hide();
        } else {
            m_oQuitBox.Open(g_oDkLocalizer.GetText(QUIT_TITLE_TEXT));
            m_oQuitBox.AddButton(g_oDkLocalizer.GetText(QUIT_BUTTON_TEXT));
            m_oQuitBox.AddButton(g_oDkLocalizer.GetText(STAY_BUTTON_TEXT));
            g_bQuitBoxShown = 1;
        }
    }
    if (g_bQuitBoxShown != 0 && m_oQuitBox.Update()) {
        if (m_oQuitBox.GetResult() == QUIT_BUTTON && g_pCoreApp != nullptr)
            g_pCoreApp->m_bQuit = true;
        g_bQuitBoxShown = 0;
        m_oQuitBox.Hide();
    }
}
