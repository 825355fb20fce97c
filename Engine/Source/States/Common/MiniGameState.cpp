#include "States/Common/MiniGameState.h"

#include "App/CoreApp.h"
#include "Common/GameLink.h"
#include "Common/VarIds.h"
#include "Effects/Common/EffectList.h"
#include "Input/Common/InputSystem.h"
#include "Log/CoreLog.h"
#include "Managers/Common/ScriptManager.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MGSprite.h"
#include "MiniGame/Common/MiniGameFonts.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "Renderer/CoreRenderer.h"
#include "Sound/CoreSound.h"
#include "States/Common/FiniteStateManager.h"

namespace {

struct EffectColors {
    uint32_t uStart;
    uint32_t uEnd;
};

// The opening fade, the play and box transitions (waits that draw nothing)
// and the closing fade.
constexpr EffectColors EFFECT_COLORS[MiniGameState::EFFECT_COUNT] = {
    {0x000000FF, 0x00000000},
    {0x00000000, 0x00000000},
    {0x00000000, 0x00000000},
    {0x00000000, 0x000000FF},
};

// Whether each mini-game's lose box offers Quit; ids 0 and 1 keep their
// constructor's value.
constexpr bool QUIT_AFTER_LOSING[MINIGAME_LAST + 1] = {true, true, false, true, false, false, false, true};

void StopAdventureSound()
{
    SoundManager::StopMusic();
    SoundManager::StopAmbient();
}

} // namespace

MiniGameState::MiniGameState(FiniteStateManager* pOwner, MiniGameFactory pFactory)
    : GameState(pOwner, STATE_ID_MINIGAME), m_pFactory(pFactory)
{
}

MiniGameState::~MiniGameState()
{
    ReleaseEffects();
}

void MiniGameState::OnInit()
{
    GetGameLink().LogStep("Before MG Init");
    StopAdventureSound();
    InputSystem::EnableGameEvents(true);
    MGSprite::ClearPoolCounts();
    if (CoreSndGroupDepth() > 0)
        CoreSndMarkTopGroup();
    MiniGameFonts::Load();

    m_pCurrentMiniGame.reset();
    m_iCurrentMiniGameId = MINIGAME_NONE;
    int32_t iId = MINIGAME_NONE;
    ReadQueueHead(iId, m_uStartStep);
    SetMiniGame(iId);
    InitializeEffects();
    if (m_pCurrentMiniGame) {
        m_pCurrentMiniGame->SetEffectIndexes(m_aiEffectIndexes);
        GetGameLink().LogStep("Before MG Solo Init");
        if (!m_pCurrentMiniGame->Initialize()) {
            // A game that could not be made whole is not run half-built.
            CorePrint(&g_oCoreLog, "MiniGameState::OnInit -- Initialize of minigame %d failed\n",
                      static_cast<int>(iId));
            m_pCurrentMiniGame->Shutdown();
            m_pCurrentMiniGame.reset();
        }
    }
    if (m_iCurrentMiniGameId != MINIGAME_SPLASH)
        Effect::StartEffect(m_aiEffectIndexes[MiniGame::EFFECT_OPENING_FADE]);
}

void MiniGameState::ReadQueueHead(int32_t& iId, uint32_t& uStartStep) const
{
    const GameStateQueueEntry* pHead = GetOwner()->GetStateQueue().Top();
    iId = pHead != nullptr ? static_cast<int32_t>(pHead->m_uParameter1) : MINIGAME_NONE;
    uStartStep = pHead != nullptr && pHead->m_uParameter2 != 0 ? pHead->m_uParameter2 : 1;
}

void MiniGameState::SetMiniGame(int32_t iId)
{
    m_iCurrentMiniGameId = iId;
    if (iId < 0 || iId > MINIGAME_LAST) {
        CorePrint(&g_oCoreLog, "MiniGameState::SetMiniGame -- Unknown minigame !\n");
        m_pCurrentMiniGame.reset();
        return;
    }
    m_pCurrentMiniGame = m_pFactory != nullptr ? m_pFactory(iId, m_uStartStep) : nullptr;
    if (!m_pCurrentMiniGame) {
        CorePrint(&g_oCoreLog, "MiniGameState::SetMiniGame -- No minigame %d in this build\n", static_cast<int>(iId));
        return;
    }
    if (iId > MINIGAME_CREDITS)
        m_pCurrentMiniGame->SetQuitAfterLosing(QUIT_AFTER_LOSING[iId]);
    if (iId == MINIGAME_WOODEN_SWORD_DUEL)
        MiniGameResult::SetSlotBool(VARBOOL_C_PLAYED_MINIGAME_01, true);
    m_pCurrentMiniGame->SetSkipOffered(true);
}

void MiniGameState::InitializeEffects()
{
    ReleaseEffects();
    for (int32_t i = 0; i < EFFECT_COUNT; ++i) {
        ScreenColorEffect& oEffect = m_aoEffects[i];
        oEffect.Initialize();
        oEffect.SetColors(EFFECT_COLORS[i].uStart, EFFECT_COLORS[i].uEnd);
        oEffect.SetDuration(EFFECT_DURATION);
        m_aiEffectIndexes[i] = g_oEffectList.Add(&oEffect);
    }
}

void MiniGameState::ReleaseEffects()
{
    for (int32_t i = EFFECT_COUNT - 1; i >= 0; --i) {
        if (m_aiEffectIndexes[i] == -1)
            continue;
        g_oEffectList.Remove(&m_aoEffects[i]);
        m_aoEffects[i].Restart();
        m_aiEffectIndexes[i] = -1;
    }
}

uint16_t MiniGameState::Update(uint32_t dt)
{
    if (!m_pCurrentMiniGame) {
        CorePrint(&g_oCoreLog, "MiniGameState::Update -- No minigame %d to run: the state ends\n",
                  static_cast<int>(m_iCurrentMiniGameId));
        return Finish();
    }
    MiniGame& oGame = *m_pCurrentMiniGame;
    if (GetGameLink().IsPaused() && oGame.GetState() != MiniGame::STATE_SUSPENDED)
        oGame.PushState();
    else if (!GetGameLink().IsPaused() && oGame.GetState() == MiniGame::STATE_SUSPENDED)
        oGame.PopState();
    if (!oGame.Update(dt))
        return STATE_ID_MINIGAME;
    return Finish();
}

uint16_t MiniGameState::Finish()
{
    GameStateQueue& oQueue = GetOwner()->GetStateQueue();
    if (!oQueue.IsEmpty()) {
        const uint16_t uNext = GetOwner()->PopToNextState();
        if (!oQueue.IsEmpty()) {
            // The state manager keeps a state that names itself, so a
            // mini-game queued right behind this one is started here, or its
            // entry would be taken by the finished game's next update.
            if (uNext == STATE_ID_MINIGAME) {
                OnShutdown();
                OnInit();
            }
            return uNext;
        }
    }
    if (m_iCurrentMiniGameId == MINIGAME_CREDITS)
        g_oScriptManager.GoToScene(START_MENU_SCENE);
    return STATE_ID_MAIN;
}

void MiniGameState::Render()
{
    if (g_pCoreApp != nullptr && g_pCoreApp->m_pRenderer != nullptr)
        g_pCoreApp->m_pRenderer->SetScreenCamera();
    if (m_pCurrentMiniGame)
        m_pCurrentMiniGame->Render();
}

void MiniGameState::OnShutdown()
{
    ReleaseEffects();
    InputSystem::EnableGameEvents(false);
    if (m_pCurrentMiniGame) {
        MiniGameResult::SetSlotBool(VARBOOL_C_WIN_MINIGAME, m_pCurrentMiniGame->IsWon());
        m_pCurrentMiniGame->Shutdown();
        m_pCurrentMiniGame.reset();
    }
    GetGameLink().LogStep("After MG Solo Shutdown");
    MGSprite::ShutdownPoolSystem();
    CorePrint(&g_oCoreLog, "Release video memory \n");
    MiniGameFonts::Release();
    StopAdventureSound();
    CoreSndUnloadGroup();
    GetGameLink().LogStep("After MG Shutdown");
}
