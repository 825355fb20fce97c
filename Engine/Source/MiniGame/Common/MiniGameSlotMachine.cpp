#include "MiniGame/Common/MiniGameSlotMachine.h"

#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/ResourceNameTable.h"
#include "System/Clock.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

constexpr const char* PACK_NAME = "MG_SlotMachine";

constexpr int32_t ID_BACKGROUND = 1;
constexpr int32_t ID_JACKPOT = 2;
constexpr int32_t ID_JACKPOT_FOREGROUND = 3;
constexpr int32_t ID_MACHINE_FOREGROUND = 4;
constexpr int32_t ID_HELD_BUTTON = 6;
constexpr int32_t ID_FREE_BUTTON = 7;
constexpr int32_t ID_LEVER_UP = 8;
constexpr int32_t ID_LEVER_DOWN = 9;
constexpr int32_t ID_FIRST_SPIN_FRAME = 10;
constexpr int32_t ID_FIRST_SYMBOL = 18;
constexpr int32_t ID_COIN_ON = 26;
constexpr int32_t ID_COIN_OFF = 27;
constexpr int32_t ID_RAY_1_3 = 28;
constexpr int32_t ID_RAY_2 = 29;
constexpr int32_t ID_RAY_4 = 30;
constexpr int32_t ID_CURSOR = 31;
constexpr int32_t SPIN_FRAME_COUNT = 8;

// Every picture the pack holds; "masks_FG_DS" is in the table but no sprite
// shows it.
constexpr const char* SPRITE_NAMES[] = {
    "masks_BG",
    "masks_Jackpot",
    "masks_Jackpot_FG",
    "masks_FG",
    "masks_FG_DS",
    "masks_Crab_button_On",
    "masks_Crab_button_Off",
    "masks_Lever_up",
    "masks_Lever_down",
    "masks_shuffle_1",
    "masks_shuffle_2",
    "masks_shuffle_3",
    "masks_shuffle_4",
    "masks_shuffle_5",
    "masks_shuffle_6",
    "masks_shuffle_7",
    "masks_shuffle_8",
    "masks_apple",
    "masks_chest",
    "masks_bottle",
    "masks_skull",
    "masks_cross",
    "masks_circle",
    "masks_square",
    "masks_triangle",
    "masks_Coin_On",
    "masks_Coin_Off",
    "masks_ray_1_3",
    "masks_ray_2",
    "masks_ray_4",
    ":mg_interface_cursor",
    ":mg_interface_next_button",
    "masks_MG_SlotMachine_MsgBox",
};
constexpr auto SPRITE_TABLE = SortedResourceNames(SPRITE_NAMES);

struct SpriteName {
    int32_t iId;
    const char* sName;
};

constexpr SpriteName REGISTERED_SPRITES[] = {
    {ID_BACKGROUND, "masks_BG"},
    {ID_JACKPOT, "masks_Jackpot"},
    {ID_JACKPOT_FOREGROUND, "masks_Jackpot_FG"},
    {ID_MACHINE_FOREGROUND, "masks_FG"},
    {ID_HELD_BUTTON, "masks_Crab_button_On"},
    {ID_FREE_BUTTON, "masks_Crab_button_Off"},
    {ID_LEVER_UP, "masks_Lever_up"},
    {ID_LEVER_DOWN, "masks_Lever_down"},
    {10, "masks_shuffle_1"},
    {11, "masks_shuffle_2"},
    {12, "masks_shuffle_3"},
    {13, "masks_shuffle_4"},
    {14, "masks_shuffle_5"},
    {15, "masks_shuffle_6"},
    {16, "masks_shuffle_7"},
    {17, "masks_shuffle_8"},
    {18, "masks_apple"},
    {19, "masks_chest"},
    {20, "masks_bottle"},
    {21, "masks_skull"},
    {22, "masks_cross"},
    {23, "masks_circle"},
    {24, "masks_square"},
    {25, "masks_triangle"},
    {ID_COIN_ON, "masks_Coin_On"},
    {ID_COIN_OFF, "masks_Coin_Off"},
    {ID_RAY_1_3, "masks_ray_1_3"},
    {ID_RAY_2, "masks_ray_2"},
    {ID_RAY_4, "masks_ray_4"},
    {ID_CURSOR, ":mg_interface_cursor"},
    {MGSprite::ID_POINTER, ":mg_interface_cursor"},
    {MGSprite::ID_DOWN_ARROW, ":mg_interface_next_button"},
    {MGSprite::ID_UP_ARROW, ":mg_interface_next_button"},
    {MGSprite::ID_MESSAGE_BOX, "masks_MG_SlotMachine_MsgBox"},
};

constexpr fx32 Fx(uint32_t bits)
{
    return static_cast<fx32>(bits);
}

constexpr fx32 REEL_Z = Fx(0xFFFD8000);
constexpr fx32 SYMBOL_X[] = {0x5A7FF, 0x7E4CC, 0xA2199, 0xC6199};
constexpr fx32 SYMBOL_Y = 0x35E66;
constexpr fx32 SPINNING_X[] = {0x4B333, 0x6ECCC, 0x92999, 0xB6999};
constexpr fx32 SPINNING_Y = 0x19999;
constexpr fx32 BUTTON_X = 0x3D333;
constexpr fx32 HELD_BUTTON_Y = 0x5A666;
constexpr fx32 FREE_BUTTON_Y = 0x5B999;
constexpr CoreFxVec BACKGROUND_POSITION = {Fx(0xFFFD5667), 0, Fx(0xFFFC0000)};
constexpr CoreFxVec JACKPOT_POSITION = {0x1B666, 0, Fx(0xFFFD0000)};
constexpr CoreFxVec JACKPOT_FOREGROUND_POSITION = {0x38666, 0x4333, Fx(0xFFFE0000)};
constexpr CoreFxVec MACHINE_FOREGROUND_POSITION = {Fx(0xFFFD5667), 0, Fx(0xFFFE8000)};
constexpr CoreFxVec LEVER_UP_POSITION = {0x7000, 0x39000, Fx(0xFFFCE000)};
constexpr CoreFxVec LEVER_DOWN_POSITION = {Fx(0xFFFFB667), 0x7F999, Fx(0xFFFCE000)};
constexpr CoreFxVec RAYS_POSITION = {Fx(0xFFFA3667), 0x6BCCC, Fx(0xFFFC4000)};
constexpr CoreFxVec COINS_POSITION = {Fx(0xFFFFECCD), 0x6CCC, Fx(0xFFFF0000)};

} // namespace

bool MiniGameSlotMachine::InitializeSpriteNames()
{
    for (const SpriteName& sprite : REGISTERED_SPRITES) {
        if (!RegisterSpriteFromTable(sprite.iId, sprite.sName, SPRITE_TABLE))
            return false;
    }
    return true;
}

bool MiniGameSlotMachine::InitializeFixedSprites()
{
    return m_oMachineBackground.InitializeFromId(ID_BACKGROUND, true) &&
           m_oJackpot.InitializeFromId(ID_JACKPOT, false) &&
           m_oJackpotForeground.InitializeFromId(ID_JACKPOT_FOREGROUND, false) &&
           m_oMachineForeground.InitializeFromId(ID_MACHINE_FOREGROUND, false) &&
           m_oMeter.Initialize(ID_COIN_OFF, ID_COIN_ON) && m_oBackground.InitializeFromId(ID_CURSOR, false);
}

void MiniGameSlotMachine::InitializeReels()
{
    int32_t aiSpinFrames[SPIN_FRAME_COUNT];
    fx32 afxSpinDurations[SPIN_FRAME_COUNT];
    for (int32_t i = 0; i < SPIN_FRAME_COUNT; ++i) {
        aiSpinFrames[i] = ID_FIRST_SPIN_FRAME + i;
        afxSpinDurations[i] = FRAME_TIME;
    }
    for (Reel& reel : m_aoReels) {
        reel.m_oSpinning.Initialize(aiSpinFrames, SPIN_FRAME_COUNT, afxSpinDurations, nullptr);
        reel.m_oHeldButton.InitializeFromId(ID_HELD_BUTTON, false);
        reel.m_oFreeButton.InitializeFromId(ID_FREE_BUTTON, false);
        for (int32_t iSymbol = 0; iSymbol < SYMBOL_COUNT; ++iSymbol) {
            reel.m_aoSymbols[iSymbol].InitializeFromId(ID_FIRST_SYMBOL + iSymbol, false);
            reel.m_aoSymbols[iSymbol].SetPivotCentered();
        }
        reel.m_iSymbol = FIRST_SYMBOL;
        reel.m_bHeld = 0;
    }
}

void MiniGameSlotMachine::PlaceSprites()
{
    m_oMachineBackground.SetPosition(BACKGROUND_POSITION);
    m_oJackpot.SetPosition(JACKPOT_POSITION);
    m_oJackpotForeground.SetPosition(JACKPOT_FOREGROUND_POSITION);
    m_oMachineForeground.SetPosition(MACHINE_FOREGROUND_POSITION);
    m_oLeverUp.SetPosition(LEVER_UP_POSITION);
    m_oLeverDown.SetPosition(LEVER_DOWN_POSITION);
    m_oRays.SetPosition(RAYS_POSITION);
    fx32 fxHeldX = BUTTON_X;
    fx32 fxFreeX = BUTTON_X;
    for (int32_t iReel = 0; iReel < REEL_COUNT; ++iReel) {
        Reel& reel = m_aoReels[iReel];
        for (MGSprite& symbol : reel.m_aoSymbols)
            symbol.SetPosition(SYMBOL_X[iReel], SYMBOL_Y, REEL_Z);
        reel.m_oSpinning.SetPosition(SPINNING_X[iReel], SPINNING_Y, REEL_Z);
        reel.m_oHeldButton.SetPosition(fxHeldX, HELD_BUTTON_Y, REEL_Z);
        reel.m_oFreeButton.SetPosition(fxFreeX, FREE_BUTTON_Y, REEL_Z);
        fxHeldX += reel.m_oHeldButton.GetSize().x;
        fxFreeX += reel.m_oFreeButton.GetSize().x;
    }
    const CoreFxVec2& leverSize = m_oLeverUp.GetSize();
    m_oBackground.SetPosition(LEVER_UP_POSITION.x + leverSize.x / 2, LEVER_UP_POSITION.y + leverSize.y / 2, 0);
}

bool MiniGameSlotMachine::Initialize()
{
    m_sMiniGameName = g_oDkLocalizer.GetText(NAME_TEXT);
    if (!InitializeSpriteNames() || !LoadResources(PACK_NAME) || !m_oMessageBox.Initialize() ||
        !InitializeFixedSprites())
        return false;
    InitializeReels();
    m_oLeverUp.InitializeFromId(ID_LEVER_UP, false);
    m_oLeverDown.InitializeFromId(ID_LEVER_DOWN, false);
    const int32_t aiRayFrames[] = {ID_RAY_1_3, ID_RAY_2, ID_RAY_1_3, ID_RAY_4};
    const fx32 afxRayDurations[] = {FRAME_TIME, FRAME_TIME, FRAME_TIME, FRAME_TIME};
    m_oRays.Initialize(aiRayFrames, 4, afxRayDurations, nullptr);
    PlaceSprites();
    m_oRandom = RandomGenerator::CopyOfGlobal();
    SeedRandom(static_cast<uint64_t>(Platform::GetClock().ProcessorTicks()));
    m_oMessageBox.SetButtonColors(BUTTON_COLOR, HOVERED_BUTTON_COLOR);
    // The pack's loading has loaded the sound group of the game's name
    // already; loading it twice would leave it on the stack after the run.
    SoundManager::PlayMusic(MUSIC);
    ResetGame(true);
    return true;
}

void MiniGameSlotMachine::SeedRandom(uint64_t seed)
{
    m_oRandom.Init(static_cast<int64_t>(seed));
}

void MiniGameSlotMachine::ResetGame(bool)
{
    m_ePhase = Phase::FirstPull;
    // A new round starts with every reel free: holds cannot change before
    // the first pull.
    for (Reel& reel : m_aoReels) {
        reel.m_bHeld = 0;
        reel.m_iSymbol = static_cast<int32_t>(m_oRandom.Below(SYMBOL_COUNT));
    }
    m_oMeter.Reset();
    m_fxLeverTimer = 0;
    m_fxRaysTimer = -static_cast<fx32>(m_oRandom.Below(RAYS_LONGEST_PAUSE));
    DisplayInstructionsState(INSTRUCTIONS_TEXT);
    m_oBackground.SetVisible(false);
}

void MiniGameSlotMachine::Shutdown()
{
    m_oRays.Shutdown();
    m_oLeverDown.Shutdown();
    m_oLeverUp.Shutdown();
    for (Reel& reel : m_aoReels) {
        reel.m_oSpinning.Shutdown();
        reel.m_oHeldButton.Shutdown();
        reel.m_oFreeButton.Shutdown();
        for (MGSprite& symbol : reel.m_aoSymbols)
            symbol.Shutdown();
    }
    m_oBackground.Shutdown();
    m_oMeter.Shutdown();
    m_oMachineForeground.Shutdown();
    m_oJackpotForeground.Shutdown();
    m_oJackpot.Shutdown();
    m_oMachineBackground.Shutdown();
    m_oMessageBox.Shutdown();
    UnloadResources();
}

void MiniGameSlotMachine::RenderSprite(const MGSprite& sprite)
{
    sprite.RenderWithPosition(sprite.GetPosition());
}

void MiniGameSlotMachine::RenderReel(const Reel& reel, int32_t iReel) const
{
    if (IsReelSpinning(iReel))
        RenderSprite(reel.m_oSpinning);
    else
        RenderSprite(reel.m_aoSymbols[reel.m_iSymbol]);
    RenderSprite(reel.m_bHeld != 0 ? reel.m_oHeldButton : reel.m_oFreeButton);
}

void MiniGameSlotMachine::Render()
{
    RenderSprite(m_oMachineBackground);
    RenderSprite(m_oRays);
    RenderSprite(m_fxLeverTimer > 0 ? m_oLeverDown : m_oLeverUp);
    RenderSprite(m_oJackpot);
    for (int32_t iReel = 0; iReel < REEL_COUNT; ++iReel)
        RenderReel(m_aoReels[iReel], iReel);
    RenderSprite(m_oJackpotForeground);
    RenderSprite(m_oMachineForeground);
    m_oMeter.Render(COINS_POSITION.x, COINS_POSITION.y, COINS_POSITION.z, 0);
    MiniGame::Render();
    if (GetState() == STATE_PLAYING && (m_ePhase == Phase::FirstPull || m_ePhase == Phase::BetweenPulls))
        RenderSprite(m_oBackground);
}
