#include "MiniGame/Common/MiniGameChase.h"

#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameClearColor.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "MiniGame/Common/ResourceNameTable.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

constexpr fx32 RUN_FRAME_DURATION = 0x333;

// The game's sprite names; the three "pfiou" pictures are never bound.
constexpr const char* SPRITE_NAMES[] = {
    "masks_Tiles_Left",
    "masks_Tiles_Right",
    "masks_Bags",
    "masks_Box",
    "masks_Boxes",
    "masks_Build",
    "masks_Chicken",
    "masks_Crab_Box",
    "masks_Fish_Box",
    "masks_Hole",
    "masks_House1",
    "masks_House2",
    "masks_House3",
    "masks_Puddle",
    "masks_Wagon",
    "masks_Well",
    "masks_Grass1",
    "masks_Grass2",
    "masks_Grass3",
    "masks_Ground1",
    "masks_Ground2",
    "masks_Ground3",
    "masks_Ground4",
    "masks_Tiles1",
    "masks_Tiles2",
    "masks_Tiles3",
    "masks_Tiles4",
    "masks_Tavrine_Run1",
    "masks_Tavrine_Run2",
    "masks_Tavrine_End1",
    "masks_Tavrine_End2",
    "masks_Impact",
    "masks_Arno_cursor",
    "masks_Tavrine_On",
    "masks_Tavrine_Off",
    "masks_MG_TheChase_MsgBox",
    ":mg_interface_next_button",
    ":mg_interface_cursor",
    "masks_pfiou1",
    "masks_pfiou2",
    "masks_pfiou3",
};
constexpr auto SPRITE_TABLE = SortedResourceNames(SPRITE_NAMES);
// Ids 2 to 36 take the names in table order from the first.
constexpr int32_t FIRST_TABLE_ID = 2;
constexpr int32_t LAST_TABLE_ID = 36;

} // namespace

MiniGameChase::~MiniGameChase() = default;

void MiniGameChase::InitializeSpriteNames()
{
    for (int32_t iId = FIRST_TABLE_ID; iId <= LAST_TABLE_ID; ++iId)
        RegisterSpriteFromTable(iId, SPRITE_NAMES[iId - FIRST_TABLE_ID], SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_MESSAGE_BOX, "masks_MG_TheChase_MsgBox", SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_UP_ARROW, ":mg_interface_next_button", SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_DOWN_ARROW, ":mg_interface_next_button", SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_POINTER, ":mg_interface_cursor", SPRITE_TABLE);
}

bool MiniGameChase::InitializeWallTiles()
{
    for (MGSprite* pTile : {&m_oLeftWall, &m_oRightWall}) {
        if (!pTile->InitializeFromId(pTile == &m_oLeftWall ? ID_LEFT_WALL : ID_RIGHT_WALL, false))
            return false;
        pTile->SetAnimating(false);
        pTile->SetPivot({0, pTile->GetSize().y});
    }
    return true;
}

bool MiniGameChase::InitializeObstacleSprites(int32_t iKindCount)
{
    if (!m_oSpritePool.Initialize(iKindCount))
        return false;
    m_bPoolReady = true;
    for (int32_t iCopy = 0; iCopy < SpritePool::POOL_SIZE; ++iCopy) {
        for (int32_t iKind = 0; iKind < iKindCount; ++iKind) {
            MGSprite* pSprite = m_oSpritePool.GetSprite(iKind, iCopy);
            if (pSprite == nullptr || !pSprite->InitializeFromId(ID_FIRST_OBSTACLE + iKind, false))
                return false;
            pSprite->SetAnimating(false);
            CoreFxVec2 scaled;
            pSprite->GetScaledSize(scaled);
            pSprite->SetPivot({scaled.x / 2, scaled.y / 2});
        }
    }
    return true;
}

void MiniGameChase::ShutdownObstacleSprites()
{
    if (!m_bPoolReady)
        return;
    for (int32_t iCopy = 0; iCopy < SpritePool::POOL_SIZE; ++iCopy) {
        for (int32_t iKind = m_oSpritePool.GetTypeNb() - 1; iKind >= 0; --iKind) {
            if (MGSprite* pSprite = m_oSpritePool.GetSprite(iKind, iCopy))
                pSprite->Shutdown();
        }
    }
    m_oSpritePool.Shutdown();
    m_bPoolReady = false;
}

bool MiniGameChase::Initialize()
{
    static constexpr int32_t RUN_IDS[] = {ID_PLAYER_RUN, ID_PLAYER_RUN + 1, ID_PLAYER_RUN + 2, ID_PLAYER_RUN + 3};
    static constexpr fx32 RUN_DURATIONS[] = {RUN_FRAME_DURATION, RUN_FRAME_DURATION, RUN_FRAME_DURATION,
                                             RUN_FRAME_DURATION};
    // The two running frames alternate; the two end frames are never chosen.
    static constexpr uint32_t RUN_NEXT[] = {1, 0, 3, 2};

    m_sMiniGameName = g_oDkLocalizer.GetText(TEXT_NAME);
    InitializeSpriteNames();
    m_oRandom = RandomGenerator::CopyOfGlobal();
    if (!LoadResources(PACK_NAME) || !m_oMessageBox.Initialize() || !m_oMeter.Initialize(ID_LIFE_LOST, ID_LIFE) ||
        !m_oPlayer.Initialize(RUN_IDS, 4, RUN_DURATIONS, RUN_NEXT) || !m_oImpact.InitializeFromId(ID_IMPACT, false) ||
        !m_oCursor.InitializeFromId(ID_CURSOR, false) || !InitializeTextRenderer() || !InitializeWallTiles())
        return false;
    m_oCursor.SetPivot({m_oCursor.GetSize().x / 2, 0});
    m_oMessageBox.SetButtonColors(BUTTON_COLOR, HOVERED_BUTTON_COLOR);
    m_oMeter.SetScale({FX32_ONE, FX32_ONE});
    if (!InitializeCollisionsResource() || !InitializeObstacleSprites(m_iCollisionObstacleCount))
        return false;
    if (!m_oRace.Initialize(&m_oSpritePool))
        return false;
    m_bRaceReady = true;
    if (Core::LoadResource(&m_oRaceFile, RACE_FILE, true) == -1 || !m_oRace.InitializePatterns(m_oRaceFile, RACE_FILE))
        return false;
    MiniGameResult::SetResumeScene(RESUME_SCENE);
    // The pack's load has brought the game's sound group in.
    SoundManager::PlayMusic(MUSIC);
    ResetGame(true);
    return true;
}

void MiniGameChase::ResetGame(bool)
{
    m_oMeter.Reset();
    m_iPhase = PHASE_STARTING;
    m_fxStartingTimer = 0;
    m_fxHitTimer = 0;
    m_fxInvulnerabilityTimer = 0;
    m_fxFinishTimer = 0;
    m_bOffScreen = false;
    m_fxSpeed = START_SPEED;
    m_oPlayer.SetVisible(true);
    m_oPlayer.SetPosition(PLAYER_START_X, PLAYER_START_Y, SPRITE_DEPTH);
    m_oPlayer.SetPivotCentered();
    m_oImpact.SetPivotCentered();
    m_fxRaceDistance = 0;
    m_oCursor.SetPosition(PLAYER_START_X, 0, SPRITE_DEPTH);
    PickCursorTarget();
    m_oRace.ResetPatternSlots();
    m_oRace.GenerateRacePatterns();
    m_oRace.ResetElements();
    m_fxScrollOffset = 0;
    DisplayInstructionsState(TEXT_INSTRUCTIONS);
}

void MiniGameChase::Shutdown()
{
    if (m_bRaceReady)
        m_oRace.FreePatterns();
    Core::ReleaseResource(&m_oRaceFile);
    if (m_bRaceReady)
        m_oRace.Shutdown();
    m_bRaceReady = false;
    ShutdownObstacleSprites();
    FreeCollisionsResource();
    m_oLeftWall.Shutdown();
    m_oRightWall.Shutdown();
    m_oTextRenderer.Release();
    m_oCursor.Shutdown();
    m_oImpact.Shutdown();
    m_oPlayer.Shutdown();
    m_oMeter.Shutdown();
    m_oMessageBox.Shutdown();
    UnloadResources();
    SetMiniGameClearColor(OPAQUE_BLACK_CLEAR);
}
