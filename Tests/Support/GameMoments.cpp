#include "Support/GameMoments.h"

#include "Common/SceneIds.h"
#include "Dialogs/Common/DialogInterface.h"
#include "Game/TwGame.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/ScriptStateLink.h"
#include "MiniGame/Common/MiniGame.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"
#include "States/Common/GameState.h"
#include "States/Common/GameStateIds.h"
#include "Support/ScreenPlaces.h"
#include "VideoPlayback/CoreVideo.h"

namespace TestSupport {
namespace {

uint16_t RunningState()
{
    const GameState* state = g_oTwGame.GetCurrentState();
    return state ? state->GetId() : STATE_ID_NONE;
}

// The adventure state runs and stays: no other state is on its way in.
bool AdventureRuns()
{
    return RunningState() == STATE_ID_MAIN && g_oTwGame.GetNextStateId() == STATE_ID_MAIN;
}

bool AnyFadeRuns()
{
    ScriptStateLink& fades = GetScriptStateLink();
    for (GlobalFade fade :
         {GlobalFade::InFromBlack, GlobalFade::OutToBlack, GlobalFade::InFromWhite, GlobalFade::OutToWhite})
        if (fades.IsFadeRunning(fade))
            return true;
    return false;
}

} // namespace

bool IsSceneShown(const std::string& name)
{
    const Scene* scene = PlayedScene();
    const SceneDesc* row = scene ? Id::GetSceneDesc(scene->m_iId) : nullptr;
    return AdventureRuns() && row && name == row->m_pName && scene->m_iInputState != INPUT_STATE_NONE;
}

bool IsMoviePlaying()
{
    return RunningState() == STATE_ID_MOVIE && CoreVideo::GetStatus() == CoreVideo::VIDEO_PLAY;
}

bool IsBusy()
{
    SceneInputLink& talk = GetSceneInputLink();
    return !AdventureRuns() || g_oScriptManager.IsBusy() || !g_oScriptManager.GetPendingEvent().IsEmpty() ||
           !g_oScriptManager.GetContext().AreActionsDone() || g_oScriptManager.GetContext().GetCursor() != NO_NODE ||
           talk.IsTalkScreenActive() || talk.IsDialogRunning() || AnyFadeRuns() || g_bQuitBoxShown;
}

bool IsAdventureAway()
{
    return RunningState() == STATE_ID_MOVIE || RunningState() == STATE_ID_MINIGAME;
}

bool IsInteractive()
{
    const Scene* scene = PlayedScene();
    return scene && scene->m_iInputState == INPUT_STATE_IDLE && !IsBusy();
}

bool LooksReady()
{
    const Scene* scene = PlayedScene();
    return AdventureRuns() && scene && scene->m_iInputState == INPUT_STATE_IDLE &&
           scene->m_oCursor.GetMode() != CURSOR_WAIT && !GetSceneInputLink().IsTalkScreenActive() && !AnyFadeRuns() &&
           !g_bQuitBoxShown;
}

bool ShowsSentence()
{
    const DialogInterface& talk = g_oDialogInterface;
    return AdventureRuns() && talk.GetState() == DIALOG_STATE_SENTENCE && !talk.NeedsRefresh() &&
           !talk.IsPortraitSlidingOut();
}

bool ShowsChoices()
{
    const DialogInterface& talk = g_oDialogInterface;
    return AdventureRuns() && talk.GetState() == DIALOG_STATE_THINKING && !talk.NeedsRefresh() &&
           !talk.IsPortraitSlidingIn() && !talk.IsPortraitSlidingOut() && !talk.AreRowsSliding() &&
           talk.GetPropositionCount() > 0;
}

bool IsVerbMenuOpen()
{
    const Scene* scene = PlayedScene();
    return scene && scene->m_bVerbMenuOpen && scene->m_oCursor.HasVerbMenu();
}

bool IsInventoryShown()
{
    const Scene* scene = PlayedScene();
    const InterfaceMenu* menu = InterfaceMenu::GetInstance();
    return scene && menu && scene->m_iInputState == INPUT_STATE_MENU && menu->IsOpen() &&
           menu->GetCurrentTabIndex() == TAB_INVENTORY;
}

bool IsMenuIdle()
{
    const Scene* scene = PlayedScene();
    return scene && scene->m_iInputState == INPUT_STATE_MENU && !IsBusy();
}

bool IsCarriedOver(const std::string& object)
{
    const Scene* scene = PlayedScene();
    // Found as the plays find it: a name longer than the scene file keeps
    // is the scene table's.
    return scene && scene->m_iInputState == INPUT_STATE_ITEM_DRAG && scene->m_pHoveredObject &&
           scene->m_pHoveredObject == FindObject(*scene, object) && g_oDialogInterface.IsCaptionDisplayed();
}

bool IsQuitBoxShown()
{
    return g_bQuitBoxShown != 0;
}

bool IsMiniGameOn()
{
    return RunningState() == STATE_ID_MINIGAME || g_oTwGame.GetNextStateId() == STATE_ID_MINIGAME;
}

bool AsksInMiniGameBox()
{
    MiniGame* game = PlayedMiniGame();
    return game && game->GetMessageBox().IsShown() && !game->GetMessageBox().IsDone();
}

bool ShowsMiniGameBox()
{
    MiniGame* game = PlayedMiniGame();
    return game && game->GetMessageBox().IsShown();
}

} // namespace TestSupport
