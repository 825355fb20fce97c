#include "Managers/Common/ScriptGameLink.h"

#include "App/CoreApp.h"
#include "Common/GameLanguages.h"
#include "Common/GameLink.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Log/CoreLog.h"

namespace {

TwGameScriptLink s_oGameLink;
ScriptGameLink* s_pLink = &s_oGameLink;

} // namespace

void TwGameScriptLink::SetGameLanguage(int32_t iLanguage)
{
    // Only the game's languages have text tables.
    if (iLanguage < 0 || iLanguage >= GAME_LANGUAGE_COUNT) {
        CorePrint(&g_oCoreLog, "No game language %d: the texts stay in their language\n", iLanguage);
        return;
    }
    GetGameLink().SetGameLanguage(iLanguage);
}

void TwGameScriptLink::SetVoiceLanguage(int32_t iLanguage)
{
    GetGameLink().SetVoiceLanguage(iLanguage);
}

void TwGameScriptLink::Quit()
{
    if (g_pCoreApp != nullptr)
        g_pCoreApp->m_bQuit = true;
}

bool TwGameScriptLink::IsDialogActive()
{
    return g_oDialogInterface.IsActive();
}

ScriptGameLink& GetScriptGameLink()
{
    return *s_pLink;
}

void SetScriptGameLink(ScriptGameLink* pLink)
{
    s_pLink = pLink ? pLink : &s_oGameLink;
}
