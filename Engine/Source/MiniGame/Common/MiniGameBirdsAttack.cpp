#include "MiniGame/Common/MiniGameBirdsAttack.h"

#include "Error/EngineAssert.h"
#include "Hash/CoreCrc32.h"
#include "Log/CoreLog.h"
#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameResult.h"
#include "Scene/Common/SceneScreen.h"
#include "Screen/CoreVirtualScreen.h"
#include "Utils/Common/DkLocalizer.h"

#include <algorithm>

using namespace BirdsAttackData;

namespace {

constexpr const char* PACK_NAME = "MG_BirdsAttack";
constexpr int32_t SKY_ID = 1;
constexpr int32_t ROPE_IDS[2] = {3, 4};
constexpr int32_t CLOUD_FIRST_ID = 5;
constexpr int32_t FOG_IDS[2] = {8, 9};
constexpr int32_t BIRD_IDS[2] = {10, 11};
constexpr int32_t DROPPING_IDS[3] = {12, 13, 14};
constexpr int32_t STONE_ID = 15;
constexpr int32_t HEROINE_IDS[8] = {16, 17, 18, 19, 21, 20, 21, 21};
constexpr int32_t BREAKING_IDS[4] = {31, 32, 33, 33};
constexpr int32_t LIFE_ON_ID = 34;
constexpr int32_t LIFE_OFF_ID = 35;
constexpr int32_t CURSOR_ID = 36;
constexpr const char* CURSOR_NAME = ":mg_interface_cursor";
constexpr const char* NEXT_BUTTON_NAME = ":mg_interface_next_button";

constexpr fx32 PLATFORM_Z = -44 * FX32_ONE;
constexpr fx32 CLOUD_Z = -50 * FX32_ONE;
constexpr fx32 FOREGROUND_Z = -24 * FX32_ONE;
constexpr fx32 EDGE_Y = 96 * FX32_ONE;
constexpr fx32 LEFT_EDGE_X = 0x3333;
constexpr fx32 RIGHT_BORDER_X = 0xF8E66;
constexpr fx32 END_X = 0xFF4CC;
constexpr CoreFxVec SKY_POSITION = {static_cast<fx32>(0xFFFD5667), 0, -64 * FX32_ONE};
constexpr CoreFxVec ROPE_POSITIONS[2] = {{0x16999, 0x8B999, FOREGROUND_Z}, {0x81999, 0x8B999, FOREGROUND_Z}};
constexpr CoreFxVec FOG_POSITIONS[2] = {{0xCD333, 0x8D000, FOREGROUND_Z},
                                        {static_cast<fx32>(0xFFFD5667), 0x92000, FOREGROUND_Z}};

constexpr fx32 HEROINE_DURATIONS[8] = {0, 0, 0, 0, 0x15F, 0x20E, 0x15F, 0};
constexpr uint32_t HEROINE_NEXT[8] = {0, 1, 2, 3, 5, 6, 7, 7};
constexpr fx32 BREAKING_DURATIONS[4] = {0x266, 0x266, 0x266, 0};
constexpr uint32_t BREAKING_NEXT[4] = {1, 2, 3, 3};
constexpr fx32 BIRD_DURATIONS[2] = {0x400, 0x400};

} // namespace

void MiniGameBirdsAttack::InitializeSpriteNames()
{
    for (const SpriteName& row : SPRITE_NAMES) {
        const char* name = GetResourceNameFromCRC(CoreCrc32Of(row.m_sName), SPRITE_TABLE, SPRITE_NAME_COUNT);
        if (name != nullptr)
            MGSprite::RegisterSpriteName(row.m_iId, "", name);
    }
    MGSprite::RegisterSpriteName(CURSOR_ID, "", CURSOR_NAME);
    MGSprite::RegisterSpriteName(MGSprite::ID_POINTER, "", CURSOR_NAME);
    MGSprite::RegisterSpriteName(MGSprite::ID_DOWN_ARROW, "", NEXT_BUTTON_NAME);
    MGSprite::RegisterSpriteName(MGSprite::ID_UP_ARROW, "", NEXT_BUTTON_NAME);
}

bool MiniGameBirdsAttack::Initialize()
{
    m_sMiniGameName = g_oDkLocalizer.GetText(TEXT_NAME);
    InitializeSpriteNames();
    m_oRandom = RandomGenerator::CopyOfGlobal();
    if (!LoadResources(PACK_NAME) || !m_oBackground.InitializeFromId(CURSOR_ID, false) || !m_oMessageBox.Initialize() ||
        !m_oSky.InitializeFromId(SKY_ID, true))
        return false;
    for (int32_t i = 0; i < 2; ++i) {
        if (!m_aoRopes[i].InitializeFromId(ROPE_IDS[i], false))
            return false;
    }
    if (!m_oMeter.Initialize(LIFE_OFF_ID, LIFE_ON_ID) || !InitializeHeroine() || !InitializePlatformsResources() ||
        !InitializeBirdResources())
        return false;
    for (int32_t i = 0; i < CLOUD_COUNT; ++i) {
        if (!m_aoClouds[i].InitializeFromId(CLOUD_FIRST_ID + i, false))
            return false;
    }
    for (int32_t i = 0; i < 2; ++i) {
        if (!m_aoFogs[i].InitializeFromId(FOG_IDS[i], false))
            return false;
        m_aoFogs[i].SetPosition(FOG_POSITIONS[i]);
        m_aoRopes[i].SetPosition(ROPE_POSITIONS[i]);
    }
    m_oSky.SetPosition(SKY_POSITION);
    m_oMessageBox.SetButtonColors(BUTTON_COLOR, HOVERED_BUTTON_COLOR);
    MiniGameResult::SetResumeScene(SCENE_ID);
    SoundManager::PlayMusic(MUSIC);
    ResetGame(true);
    return true;
}

bool MiniGameBirdsAttack::InitializeHeroine()
{
    MGSprite& oSprite = m_oHeroine.m_oSprite;
    if (!oSprite.Initialize(HEROINE_IDS, 8, HEROINE_DURATIONS, HEROINE_NEXT))
        return false;
    CoreFxVec2 size;
    oSprite.GetScaledSize(size);
    oSprite.SetPivot({size.x / 2, size.y});
    return true;
}

int32_t MiniGameBirdsAttack::PlatformSpriteId(PlatformKind eKind, int32_t iIdx)
{
    switch (eKind) {
    case PlatformKind::Start: return 22;
    case PlatformKind::Border: return iIdx == 0 ? 23 : 24;
    case PlatformKind::End: return 25;
    default: break;
    }
    ENGINE_ASSERT(iIdx > 0 && iIdx < MG_BA_LEVEL_PLATFORM_NB - 1);
    if (iIdx <= 0 || iIdx >= MG_BA_LEVEL_PLATFORM_NB - 1)
        return -1;
    return 25 + iIdx;
}

bool MiniGameBirdsAttack::InitializePlatformsResources()
{
    for (int32_t iScreen = 0; iScreen < MG_BA_LEVEL_NB; ++iScreen) {
        for (int32_t iIdx = 0; iIdx < MG_BA_LEVEL_PLATFORM_NB; ++iIdx) {
            Platform& oPlatform = m_aoPlatforms[iScreen][iIdx];
            oPlatform.m_eKind = static_cast<PlatformKind>(SCREENS[iScreen].m_aiKinds[iIdx]);
            const int32_t iId = PlatformSpriteId(oPlatform.m_eKind, iIdx);
            if (iId < 0 || !oPlatform.m_oSprite.InitializeFromId(iId, false) ||
                !oPlatform.m_oBreaking.Initialize(BREAKING_IDS, 4, BREAKING_DURATIONS, BREAKING_NEXT))
                return false;
            const Point& place = PLATFORM_POSITIONS[iIdx];
            switch (oPlatform.m_eKind) {
            case PlatformKind::Start: oPlatform.m_oSprite.SetPosition(LEFT_EDGE_X, EDGE_Y, PLATFORM_Z); break;
            case PlatformKind::Border:
                oPlatform.m_oSprite.SetPosition(iIdx == 0 ? LEFT_EDGE_X : RIGHT_BORDER_X, EDGE_Y, PLATFORM_Z);
                break;
            case PlatformKind::End: oPlatform.m_oSprite.SetPosition(END_X, EDGE_Y, PLATFORM_Z); break;
            default: oPlatform.m_oSprite.SetPosition(place.m_fxX, place.m_fxY, PLATFORM_Z); break;
            }
            oPlatform.m_oSprite.SetPivotCentered();
            oPlatform.m_oBreaking.SetPosition(place.m_fxX, place.m_fxY, PLATFORM_Z);
            oPlatform.m_oBreaking.SetPivotCentered();
        }
    }
    return true;
}

bool MiniGameBirdsAttack::InitializeBirdResources()
{
    if (!m_oBird.m_oSprite.Initialize(BIRD_IDS, 2, BIRD_DURATIONS, nullptr) ||
        !m_oBird.m_oStone.InitializeFromId(STONE_ID, false))
        return false;
    m_oBird.m_oStone.SetPivotCentered();
    const fx32 droppingDurations[3] = {0, 0x333, 0};
    for (int32_t k = 0; k < MG_BA_LEVEL_PLATFORM_NB; ++k) {
        MGSprite& oDropping = m_aoDroppings[k].m_oSprite;
        if (!oDropping.Initialize(DROPPING_IDS, 3, droppingDurations, nullptr) ||
            !m_aoStones[k].m_oSprite.InitializeFromId(STONE_ID, false))
            return false;
        CoreFxVec2 size;
        oDropping.GetScaledSize(size);
        oDropping.SetPivot({size.x / 2, size.y});
    }
    return true;
}

void MiniGameBirdsAttack::ResetGame(bool)
{
    m_oMeter.Reset();
    InitializeLevel(0);
    DisplayInstructionsState(TEXT_INSTRUCTIONS);
}

bool MiniGameBirdsAttack::InitializeLevel(int32_t iLevel)
{
    ENGINE_ASSERT(iLevel < MG_BA_LEVEL_NB);
    if (iLevel < 0 || iLevel >= MG_BA_LEVEL_NB) {
        // Only eight screens have a table row.
        CorePrint(&g_oCoreLog, "MiniGameBirdsAttack::InitializeLevel -- Level %d refused\n", static_cast<int>(iLevel));
        return false;
    }
    m_iScreen = iLevel;
    m_fxScreenChangeTimer = 0;
    m_oHeroine.m_fxActionTimer = 0;
    m_oHeroine.m_iReturnPlatform = 0;
    m_oHeroine.m_iPlatform = 0;
    m_oHeroine.m_eState = HeroineState::Idle;
    m_oHeroine.m_iLastPlatform = LAST_PLATFORM;
    m_oHeroine.m_iMendCount = 0;
    PlaceHeroine(0);
    for (int32_t iIdx = 0; iIdx < MG_BA_LEVEL_PLATFORM_NB; ++iIdx) {
        Platform& oPlatform = m_aoPlatforms[iLevel][iIdx];
        oPlatform.m_eKind = static_cast<PlatformKind>(SCREENS[iLevel].m_aiKinds[iIdx]);
        // A screen played again must not find a plank's break half done.
        if (oPlatform.m_oBreaking.IsInitialized())
            oPlatform.m_oBreaking.SetCurrentFrame(0);
    }
    ResetBird();
    for (int32_t i = 0; i < CLOUD_COUNT; ++i) {
        if (m_aoClouds[i].IsInitialized())
            m_aoClouds[i].SetPosition(SCREENS[iLevel].m_aClouds[i].m_fxX, SCREENS[iLevel].m_aClouds[i].m_fxY, CLOUD_Z);
    }
    return true;
}

void MiniGameBirdsAttack::PlaceHeroine(int32_t iIdx)
{
    if (!m_oHeroine.m_oSprite.IsInitialized())
        return;
    m_oHeroine.m_oSprite.SetPosition(PLATFORM_POSITIONS[iIdx].m_fxX, PLATFORM_POSITIONS[iIdx].m_fxY, HEROINE_Z);
    m_oHeroine.m_oSprite.SetCurrentFrame(FRAME_STANDING);
}

void MiniGameBirdsAttack::ResetBird()
{
    m_fxMargin = SceneWindow::Current().Margin();
    m_oBird.m_fxLaunchTimer = SCREENS[m_iScreen].m_fxLaunchInterval;
    m_oBird.m_eDropKind = DropKind::None;
    m_oBird.m_iDropSlot = NO_SLOT;
    if (m_oBird.m_oSprite.IsInitialized()) {
        const fx32 x = VIRTUAL_SCREEN_WIDTH + m_fxMargin + m_oBird.m_oSprite.GetSize().x / 2;
        m_oBird.m_oSprite.SetPosition(x, BIRD_Y, BIRD_Z);
        m_oBird.m_oStone.SetPosition(x + CARRIED_STONE_DX, BIRD_Y + CARRIED_STONE_DY, DROP_Z);
    }
    for (int32_t k = 0; k < MG_BA_LEVEL_PLATFORM_NB; ++k) {
        ResetDropping(k);
        ResetStone(k);
    }
}

void MiniGameBirdsAttack::ResetDropping(int32_t iIdx)
{
    Drop& oDrop = m_aoDroppings[iIdx];
    oDrop.m_eState = DropState::Idle;
    oDrop.m_fxTimer = 0;
    if (!oDrop.m_oSprite.IsInitialized())
        return;
    oDrop.m_oSprite.SetAlpha(FX32_ONE);
    oDrop.m_oSprite.SetAnimating(false);
    oDrop.m_oSprite.SetCurrentFrame(0);
    oDrop.m_oSprite.SetVisible(false);
    oDrop.m_oSprite.SetPosition(PLATFORM_POSITIONS[iIdx].m_fxX, BIRD_Y, DROP_Z);
}

void MiniGameBirdsAttack::ResetStone(int32_t iIdx)
{
    Drop& oDrop = m_aoStones[iIdx];
    oDrop.m_eState = DropState::Idle;
    oDrop.m_fxTimer = 0;
    if (!oDrop.m_oSprite.IsInitialized())
        return;
    oDrop.m_oSprite.SetAlpha(FX32_ONE);
    oDrop.m_oSprite.SetVisible(false);
    oDrop.m_oSprite.SetPosition(PLATFORM_POSITIONS[iIdx].m_fxX, BIRD_Y, DROP_Z);
}

void MiniGameBirdsAttack::Shutdown()
{
    for (MGSprite& oFog : m_aoFogs)
        oFog.Shutdown();
    for (MGSprite& oCloud : m_aoClouds)
        oCloud.Shutdown();
    m_oMessageBox.Shutdown();
    m_oBird.m_oSprite.Shutdown();
    m_oBird.m_oStone.Shutdown();
    for (int32_t k = 0; k < MG_BA_LEVEL_PLATFORM_NB; ++k) {
        m_aoDroppings[k].m_oSprite.Shutdown();
        m_aoStones[k].m_oSprite.Shutdown();
    }
    m_oHeroine.m_oSprite.Shutdown();
    for (auto& aoScreen : m_aoPlatforms) {
        for (Platform& oPlatform : aoScreen) {
            oPlatform.m_oSprite.Shutdown();
            oPlatform.m_oBreaking.Shutdown();
        }
    }
    m_oMeter.Shutdown();
    m_oSky.Shutdown();
    for (MGSprite& oRope : m_aoRopes)
        oRope.Shutdown();
    m_oBackground.Shutdown();
    UnloadResources();
}

bool MiniGameBirdsAttack::Update(uint32_t dtMs)
{
    if (GetState() == STATE_STARTING)
        SetState(STATE_PLAYING);
    if (GetState() == STATE_PLAYING) {
        HandleInput();
        UpdatePlatforms(dtMs);
        UpdateBird(dtMs);
        UpdateHeroine(dtMs);
        if (m_oMeter.GetValue() == 0)
            GoToEndState(false);
    }
    if (m_oMeter.GetUnit(0) != nullptr)
        m_oMeter.Update(dtMs);
    return MiniGame::Update(dtMs);
}

MiniGameBirdsAttack::Platform& MiniGameBirdsAttack::GetPlatform(int32_t iIdx)
{
    return m_aoPlatforms[m_iScreen][std::clamp(iIdx, 0, MG_BA_LEVEL_PLATFORM_NB - 1)];
}

MiniGameBirdsAttack::Drop& MiniGameBirdsAttack::GetDropping(int32_t iIdx)
{
    return m_aoDroppings[std::clamp(iIdx, 0, MG_BA_LEVEL_PLATFORM_NB - 1)];
}

MiniGameBirdsAttack::Drop& MiniGameBirdsAttack::GetStone(int32_t iIdx)
{
    return m_aoStones[std::clamp(iIdx, 0, MG_BA_LEVEL_PLATFORM_NB - 1)];
}
