#include "Managers/Common/ScriptManager.h"

#include "Common/SceneIds.h"
#include "Common/VarIds.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptGameLink.h"
#include "Managers/Common/ScriptSceneLink.h"
#include "Managers/Common/ScriptStateLink.h"
#include "Managers/Common/SoundManager.h"
#include "Managers/Common/VarManager.h"
#include "Maths/CoreFxDivide.h"
#include "Random/CoreRandom.h"

namespace {

// Where VARINT_C_PREVIOUS_STATE says the game came from: a scene id, or one of
// these plus a mini-game or movie id.
constexpr int32_t PREVIOUS_STATE_MINIGAME = 256;
constexpr int32_t PREVIOUS_STATE_MOVIE = 512;

int16_t AsInt16(int32_t iValue)
{
    return static_cast<int16_t>(iValue);
}

uint8_t LowByte(int32_t iValue)
{
    return static_cast<uint8_t>(iValue & 0xFF);
}

} // namespace

void ScriptManager::StartAction(const ActionDesc& oAction)
{
    const int32_t* pTypes = oAction.m_iParameterType;
    const int32_t a = oAction.m_oParameter[0];
    ScriptSceneLink& oScene = GetScriptSceneLink();
    ScriptGameLink& oGame = GetScriptGameLink();
    switch (oAction.m_iActionType) {
    case ID_ACTION_TYPE_SET_ACTIVE: DoSetInteractive(LowByte(a) != 0); break;
    case ID_ACTION_TYPE_SELECT_CHARACTER:
        if (pTypes[0] == ID_PARAMETER_TYPE_SCRIPTABLE)
            oScene.SelectCharacter(ToCharacterId(a));
        break;
    case ID_ACTION_TYPE_SHOW_MENU:
        ENGINE_ASSERT(oAction.m_iParameterType[0]==ID_PARAMETER_TYPE_INT);
        DoShowMenu(a);
        break;
    case ID_ACTION_TYPE_GO_TO_SCENE: GoToScene(a); break;
    case ID_ACTION_TYPE_START_MINIGAME: QueueState(ScriptStateLink::STATE_MINIGAME, a, PREVIOUS_STATE_MINIGAME); break;
    case ID_ACTION_TYPE_PLAY_MOVIE: QueueState(ScriptStateLink::STATE_MOVIE, a, PREVIOUS_STATE_MOVIE); break;
    case ID_ACTION_TYPE_DISPATCH: GetScriptStateLink().PushState(ScriptStateLink::STATE_DISPATCH, 0); break;
    case ID_ACTION_TYPE_SET_VARIABLE: SetVariable(oAction); break;
    case ID_ACTION_TYPE_ADD_TO_VARIABLE: AddToVariable(oAction, 1); break;
    case ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE: AddToVariable(oAction, -1); break;
    case ID_ACTION_TYPE_SET_PLAYING_CHARACTER:
        if (pTypes[0] == ID_PARAMETER_TYPE_SCRIPTABLE) {
            g_VarManager.SetInt(VARINT_C_PLAYING_CHARACTER, static_cast<int32_t>(ToCharacterId(a)));
            oScene.SetPlayingCharacter(ToCharacterId(a));
        }
        break;
    case ID_ACTION_TYPE_RANDOM_VARIABLE: SetRandomVariable(oAction); break;
    case ID_ACTION_TYPE_SET_GAME_LANGUAGE: oGame.SetGameLanguage(a); break;
    case ID_ACTION_TYPE_SET_VOICE_LANGUAGE: oGame.SetVoiceLanguage(a); break;
    case ID_ACTION_TYPE_QUIT: oGame.Quit(); break;
    case ID_ACTION_TYPE_SCENE_DIRECTION:
        ENGINE_ASSERT(oAction.m_iParameterType[0]==ID_PARAMETER_TYPE_INT);
        if (oScene.HasScene())
            oScene.DirectionToVector(a);
        break;
    case ID_ACTION_TYPE_SCENE_FADE_IN:
    case ID_ACTION_TYPE_SCENE_FADE_OUT:
    case ID_ACTION_TYPE_SECOND_FADE_IN:
    case ID_ACTION_TYPE_SECOND_FADE_OUT: StartTimedFade(oAction.m_iActionType, a); break;
    default:
        if (oAction.m_iActionType >= ID_ACTION_TYPE_MUSIC_SCRIPT_VOLUME &&
            oAction.m_iActionType <= ID_ACTION_TYPE_STOP_AMBIENT)
            StartSoundAction(oAction);
        else if (oAction.m_iActionType >= ID_ACTION_TYPE_LOAD_SAVE_FILE &&
                 oAction.m_iActionType <= ID_ACTION_TYPE_IS_SLOT_EMPTY)
            StartSlotAction(oAction);
        break;
    }
}

void ScriptManager::GoToScene(int32_t iSceneId)
{
    // Scene 0 would end the scene in the middle of the walk that asked for it.
    if (iSceneId < ID_SCENE_FIRST || iSceneId >= ID_SCENE_LAST) {
        CorePrint(&g_oCoreLog, "GoToScene: no scene %d, the scene stays\n", iSceneId);
        return;
    }
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, AsInt16(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE)));
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, iSceneId);
    ChangeScene(iSceneId);
}

void ScriptManager::DoShowMenu(int32_t iPage)
{
    ScriptSceneLink& oScene = GetScriptSceneLink();
    const ScriptSceneLink* pScene = oScene.HasScene() ? &oScene : nullptr;
    ENGINE_ASSERT(NULL != pScene);
    if (pScene == nullptr)
        return;
    if (iPage != -1) {
        if (!oScene.IsInMenuState())
            oScene.PostEvent(ScriptSceneLink::EVENT_OPEN_MENU, iPage);
    } else if (oScene.IsInMenuState()) {
        oScene.PostEvent(ScriptSceneLink::EVENT_CLOSE_MENU, 0);
    }
}

void ScriptManager::QueueState(int32_t iStateId, int32_t iParameter, int32_t iPreviousStateBase)
{
    SoundManager::StopMusic();
    SoundManager::StopAmbient();
    const uint32_t uPreviousState = static_cast<uint32_t>(iParameter) + static_cast<uint32_t>(iPreviousStateBase);
    g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, AsInt16(static_cast<int32_t>(uPreviousState)));
    ScriptStateLink& oStates = GetScriptStateLink();
    oStates.PushState(iStateId, iParameter);
    oStates.StartFade(GlobalFade::OutToBlack);
}

void ScriptManager::SetVariable(const ActionDesc& oAction)
{
    const int32_t iVarId = oAction.m_oParameter[0];
    const int32_t b = oAction.m_oParameter[1];
    if (iVarId == -1)
        return;
    if (oAction.m_iParameterType[1] == ID_PARAMETER_TYPE_INT)
        g_VarManager.SetInt(iVarId, AsInt16(b));
    else if (oAction.m_iParameterType[1] == ID_PARAMETER_TYPE_BOOL)
        g_VarManager.SetBool(iVarId, LowByte(b));
}

void ScriptManager::AddToVariable(const ActionDesc& oAction, int32_t iSign)
{
    ENGINE_ASSERT(oAction.m_iParameterType[0]==ID_PARAMETER_TYPE_INT);
    const int32_t iVarId = oAction.m_oParameter[0];
    if (oAction.m_iParameterType[1] != ID_PARAMETER_TYPE_INT || iVarId == -1)
        return;
    // 32-bit arithmetic that wraps rather than overflows.
    const uint32_t uAmount = static_cast<uint32_t>(oAction.m_oParameter[1]);
    const uint32_t uValue = static_cast<uint32_t>(g_VarManager.GetInt(iVarId));
    g_VarManager.SetInt(iVarId, static_cast<int32_t>(iSign > 0 ? uValue + uAmount : uValue - uAmount));
}

void ScriptManager::SetRandomVariable(const ActionDesc& oAction)
{
    const int32_t iMinimum = oAction.m_oParameter[1];
    const int32_t iMaximum = oAction.m_oParameter[2];
    const int32_t iDrawn = CoreRandom::Range(iMinimum, iMaximum);
    // An empty range gives its minimum: the draw's whole span would land far
    // outside what the script asked for.
    const int32_t iResult = iMaximum > iMinimum ? iDrawn : iMinimum;
    if (oAction.m_oParameter[0] != -1)
        g_VarManager.SetInt(oAction.m_oParameter[0], AsInt16(iResult));
}

void ScriptManager::StartTimedFade(int32_t iActionType, int32_t iMilliseconds)
{
    ScriptStateLink& oStates = GetScriptStateLink();
    const bool bSecondPair =
        iActionType == ID_ACTION_TYPE_SECOND_FADE_IN || iActionType == ID_ACTION_TYPE_SECOND_FADE_OUT;
    const bool bFadeIn = iActionType == ID_ACTION_TYPE_SCENE_FADE_IN || iActionType == ID_ACTION_TYPE_SECOND_FADE_IN;
    const GlobalFade eFadeIn = bSecondPair ? GlobalFade::InFromWhite : GlobalFade::InFromBlack;
    const GlobalFade eFadeOut = bSecondPair ? GlobalFade::OutToWhite : GlobalFade::OutToBlack;
    const GlobalFade* pFadeOut = oStates.HasFade(eFadeOut) ? &eFadeOut : nullptr;
    const GlobalFade* pFadeIn = oStates.HasFade(eFadeIn) ? &eFadeIn : nullptr;
    if (bFadeIn)
        ENGINE_ASSERT(NULL != pFadeOut && NULL != pFadeIn);
    else
        ENGINE_ASSERT(NULL != pFadeOut);
    const GlobalFade* pFade = bFadeIn ? pFadeIn : pFadeOut;
    if (pFade != nullptr)
        oStates.StartTimedFade(*pFade, CoreFx::Div(iMilliseconds, 1000));
}
