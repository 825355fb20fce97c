#include "MiniGame/Common/MiniGameWoodenSwordDuel.h"

#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/ResourceNameTable.h"
#include "System/Clock.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

constexpr const char* SPRITE_NAMES[] = {
    "masks_BG",
    "masks_MG_Bar",
    "masks_MG_Bar_filled",
    "masks_MG_WoodenSwordDuel_MsgBox",
    "masks_P0_Idle",
    "masks_P0_Hit_Up",
    "masks_P0_Guard",
    "masks_P0_Dash_Forward",
    "masks_P0_Dash_Backward",
    "masks_P0_LPunch_Up_S",
    "masks_P0_LPunch_Up_A",
    "masks_P0_LPunch_Up_R",
    "masks_P0_HPunch_Up_S",
    "masks_P0_HPunch_Up_A",
    "masks_P0_HPunch_Up_R",
    "masks_P1_Idle",
    "masks_P1_Hit_Up",
    "masks_P1_Guard",
    "masks_P1_Dash_Forward",
    "masks_P1_Dash_Backward",
    "masks_P1_LPunch_Up_S",
    "masks_P1_LPunch_Up_A",
    "masks_P1_LPunch_Up_R",
    "masks_P1_HPunch_Up_S",
    "masks_P1_HPunch_Up_A",
    "masks_P1_HPunch_Up_R",
};
constexpr auto SPRITE_TABLE = SortedResourceNames(SPRITE_NAMES);

// The pose of each fighter state. The light attack has no start pose of its
// own: it shows the active one. The opponent's dashes swap, since it faces
// the other way.
constexpr const char* PLAYER_POSES[MiniGameWoodenSwordDuel::STATE_COUNT] = {
    "masks_P0_Idle",          "masks_P0_Hit_Up",      "masks_P0_Guard",       "masks_P0_Dash_Forward",
    "masks_P0_Dash_Backward", "masks_P0_LPunch_Up_A", "masks_P0_LPunch_Up_A", "masks_P0_LPunch_Up_R",
    "masks_P0_HPunch_Up_S",   "masks_P0_HPunch_Up_A", "masks_P0_HPunch_Up_R",
};
constexpr const char* OPPONENT_POSES[MiniGameWoodenSwordDuel::STATE_COUNT] = {
    "masks_P1_Idle",         "masks_P1_Hit_Up",      "masks_P1_Guard",       "masks_P1_Dash_Backward",
    "masks_P1_Dash_Forward", "masks_P1_LPunch_Up_A", "masks_P1_LPunch_Up_A", "masks_P1_LPunch_Up_R",
    "masks_P1_HPunch_Up_S",  "masks_P1_HPunch_Up_A", "masks_P1_HPunch_Up_R",
};

constexpr fx32 START_Y = 0xACCCC;
constexpr fx32 PLAYER_START_X = 64 * FX32_ONE;
constexpr fx32 OPPONENT_START_X = 192 * FX32_ONE;
constexpr CoreFxVec BACKGROUND_POSITION = {static_cast<fx32>(0xFFFD5556), 0, static_cast<fx32>(0xFFFC0000)};
constexpr CoreFxVec2 GAUGE_SIZE = {0x49CCC, 0xDCCC};
constexpr CoreFxVec PLAYER_GAUGE_POSITION = {50 * FX32_ONE, 20 * FX32_ONE, 0};
constexpr CoreFxVec OPPONENT_GAUGE_POSITION = {0x84334, 20 * FX32_ONE, 0};
constexpr uint32_t LIFE_COLOR = 0xFF8C18FF;
constexpr uint32_t WHITE = 0xFFFFFFFF;

void SetUpGauge(MGGauge& gauge, const CoreFxVec& position, uint32_t background, uint32_t fill)
{
    gauge.SetMax(FX32_ONE);
    gauge.SetValue(FX32_ONE);
    gauge.m_iColorMode = MGGauge::COLOR_FIRST;
    gauge.SetSize(GAUGE_SIZE);
    gauge.m_vPosition = position;
    gauge.m_uBackgroundColor = background;
    gauge.m_uFirstFillColor = fill;
}

} // namespace

DuelInputBuffer MiniGameWoodenSwordDuel::s_oInputBuffer;

bool MiniGameWoodenSwordDuel::InitializeSpriteNames()
{
    bool bRegistered = RegisterSpriteFromTable(BACKGROUND_SPRITE, "masks_BG", SPRITE_TABLE);
    for (int32_t iState = 0; iState < STATE_COUNT; ++iState) {
        bRegistered &= RegisterSpriteFromTable(FIRST_OPPONENT_SPRITE + iState, OPPONENT_POSES[iState], SPRITE_TABLE);
        bRegistered &= RegisterSpriteFromTable(FIRST_PLAYER_SPRITE + iState, PLAYER_POSES[iState], SPRITE_TABLE);
    }
    bRegistered &= RegisterSpriteFromTable(MGSprite::ID_MESSAGE_BOX, "masks_MG_WoodenSwordDuel_MsgBox", SPRITE_TABLE);
    bRegistered &= MGSprite::RegisterSpriteName(MGSprite::ID_UP_ARROW, "", ":mg_interface_next_button");
    bRegistered &= MGSprite::RegisterSpriteName(MGSprite::ID_DOWN_ARROW, "", ":mg_interface_next_button");
    bRegistered &= MGSprite::RegisterSpriteName(MGSprite::ID_POINTER, "", ":mg_interface_cursor");
    return bRegistered;
}

bool MiniGameWoodenSwordDuel::Initialize()
{
    m_sMiniGameName = g_oDkLocalizer.GetText(TEXT_NAME);
    if (!InitializeSpriteNames() || !LoadResources(PACK_NAME) || !InitializeTextRenderer() ||
        !m_oMessageBox.Initialize())
        return false;
    for (int32_t iId = FIRST_PLAYER_SPRITE; iId <= LAST_SPRITE; ++iId) {
        if (!Sprite(iId).InitializeFromId(iId, false))
            return false;
    }
    for (int32_t iId = FIRST_OPPONENT_SPRITE; iId < FIRST_PLAYER_SPRITE; ++iId) {
        if (!Sprite(iId).InitializeFromId(iId, false))
            return false;
    }
    if (!Sprite(BACKGROUND_SPRITE).InitializeFromId(BACKGROUND_SPRITE, false))
        return false;
    m_oRandom = RandomGenerator::CopyOfGlobal();
    m_oRandom.Init(static_cast<int64_t>(Platform::GetClock().ProcessorTicks()));
    Sprite(BACKGROUND_SPRITE).SetPosition(BACKGROUND_POSITION);
    HideFighters();
    SetUpGauge(m_oPlayerGauge, PLAYER_GAUGE_POSITION, LIFE_COLOR, WHITE);
    SetUpGauge(m_oOpponentGauge, OPPONENT_GAUGE_POSITION, WHITE, LIFE_COLOR);
    m_oMessageBox.SetButtonColors(BUTTON_COLOR, HOVERED_BUTTON_COLOR);
    SoundManager::PlayMusic(MUSIC);
    ResetGame(true);
    return true;
}

void MiniGameWoodenSwordDuel::HideFighters()
{
    for (int32_t iId = FIRST_OPPONENT_SPRITE; iId <= LAST_SPRITE; ++iId) {
        if (Sprite(iId).IsInitialized())
            Sprite(iId).SetVisible(false);
    }
}

void MiniGameWoodenSwordDuel::ResetGame(bool)
{
    m_oPlayer = {MAX_LIFE, PLAYER_START_X, START_Y, FIGHTER_IDLE, ACTION_NONE, 0};
    m_oOpponent = {MAX_LIFE, OPPONENT_START_X, START_Y, FIGHTER_IDLE, ACTION_NONE, 0};
    m_iPhase = PHASE_READY;
    m_iDecisionTimer = FIRST_DECISION_FRAMES;
    m_iOpponentMode = 0;
    HideFighters();
    DisplayInstructionsState(TEXT_INSTRUCTIONS);
    m_oPlayerGauge.SetMax(MAX_LIFE);
    m_oOpponentGauge.SetMax(MAX_LIFE);
    m_oPlayerGauge.SetValue(0);
    m_oOpponentGauge.SetValue(MAX_LIFE);
}

void MiniGameWoodenSwordDuel::Shutdown()
{
    for (MGGauge* pGauge : {&m_oPlayerGauge, &m_oOpponentGauge}) {
        pGauge->m_fMax = -1;
        pGauge->m_fxValue = -1;
    }
    for (int32_t iId = FIRST_OPPONENT_SPRITE; iId <= LAST_SPRITE; ++iId)
        Sprite(iId).Shutdown();
    m_oMessageBox.Shutdown();
    Sprite(BACKGROUND_SPRITE).Shutdown();
    m_oTextRenderer.Release();
    UnloadResources();
}

bool MiniGameWoodenSwordDuel::Update(uint32_t dtMs)
{
    if (GetState() == STATE_STARTING)
        SetState(STATE_PLAYING);
    if (GetState() == STATE_PLAYING)
        UpdatePlay();
    return MiniGame::Update(dtMs);
}

void MiniGameWoodenSwordDuel::UpdatePlay()
{
    switch (m_iPhase) {
    case PHASE_READY: m_iPhase = PHASE_FIGHTING; break;
    case PHASE_FIGHTING:
        HandlePlayerInput(ReadPlayerInput());
        UpdateOpponent();
        UpdateFighters();
        if (m_oPlayer.m_iLife == 0)
            m_iPhase = PHASE_OVER;
        // The opponent's fall is tested last, so that a double knock-out is
        // the player's win.
        if (m_oOpponent.m_iLife == 0) {
            m_bWon = true;
            m_bSkipped = false;
            m_iPhase = PHASE_OVER;
        }
        break;
    case PHASE_OVER: GoToEndState(m_bWon); break;
    default: break;
    }
}

void MiniGameWoodenSwordDuel::Render()
{
    for (const MGSprite& sprite : m_aoSprites)
        sprite.RenderWithPosition(sprite.GetPosition());
    m_oPlayerGauge.Render();
    m_oOpponentGauge.Render();
    MiniGame::Render();
}
