#include "MiniGame/Common/MiniGameTurtleDoorPuzzle.h"

#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameTime.h"
#include "MiniGame/Common/ResourceNameTable.h"
#include "Utils/Common/DkLocalizer.h"

namespace {

constexpr int32_t BACKGROUND_ID = 1;
constexpr int32_t FIRST_SYMBOL_ID = 3;
constexpr int32_t FIRST_TURTLE_ID = 6;
constexpr int32_t CURSOR_ID = 9;

constexpr const char* SPRITE_NAMES[] = {
    "masks_BG",           "masks_Water",     "masks_Earth",          "masks_Sky",       "masks_SmallTurtle",
    "masks_MediumTurtle", "masks_BigTurtle", ":mg_interface_cursor", "masks_MG_MsgBox", ":mg_interface_next_button",
};
constexpr auto SPRITE_TABLE = SortedResourceNames(SPRITE_NAMES);

constexpr fx32 U = FX32_ONE;
constexpr CoreFxVec BACKGROUND_POSITION = {static_cast<fx32>(0xFFFD5667u), 0, -32 * U};
constexpr CoreFxVec SYMBOL_POSITIONS[MiniGameTurtleDoorPuzzle::ZONE_COUNT] = {
    {0xB999, 0x28CCC, -16 * U}, {0x72999, 0x23000, -16 * U}, {0xC5999, 0x20666, -16 * U}};
constexpr CoreFxVec STACK_BASES[MiniGameTurtleDoorPuzzle::ZONE_COUNT] = {
    {0x2A000, 181 * U, -14 * U}, {0x83199, 181 * U, -14 * U}, {0xD3666, 181 * U, -14 * U}};
const MGRectangle DROP_ZONES[MiniGameTurtleDoorPuzzle::ZONE_COUNT] = {
    {0x25000, 0x4D333, 10 * U, 0x67CCD}, {0x7E199, 0x4D333, 10 * U, 0x67CCD}, {0xCE666, 0x4D333, 10 * U, 0x67CCD}};
constexpr int32_t COMPLETION_ORDER[MiniGameTurtleDoorPuzzle::ZONE_COUNT] = {
    MiniGameTurtleDoorPuzzle::ZONE_SKY, MiniGameTurtleDoorPuzzle::ZONE_WATER, MiniGameTurtleDoorPuzzle::ZONE_EARTH};
// The cursor's place at a reset: the water post's centre, 10 above its foot.
constexpr CoreFxVec CURSOR_START = {0x2A000, 171 * U, 0};
constexpr CoreFxVec GAUGE_POSITION = {0, 30 * U, -16 * U};
constexpr CoreFxVec2 GAUGE_SIZE = {0x55555, 5 * U};

bool IsTurtle(int32_t iTurtle)
{
    return iTurtle >= 0 && iTurtle < MiniGameTurtleDoorPuzzle::TURTLE_COUNT;
}

} // namespace

const MGRectangle& MiniGameTurtleDoorPuzzle::GetDropZone(int32_t iZone)
{
    return DROP_ZONES[iZone];
}

int32_t MiniGameTurtleDoorPuzzle::GetCompletionZone(int32_t iProgress)
{
    return iProgress >= 0 && iProgress < ZONE_COUNT ? COMPLETION_ORDER[iProgress] : -1;
}

void MiniGameTurtleDoorPuzzle::InitializeSpriteNames()
{
    RegisterSpriteFromTable(BACKGROUND_ID, "masks_BG", SPRITE_TABLE);
    RegisterSpriteFromTable(FIRST_SYMBOL_ID + ZONE_WATER, "masks_Water", SPRITE_TABLE);
    RegisterSpriteFromTable(FIRST_SYMBOL_ID + ZONE_EARTH, "masks_Earth", SPRITE_TABLE);
    RegisterSpriteFromTable(FIRST_SYMBOL_ID + ZONE_SKY, "masks_Sky", SPRITE_TABLE);
    RegisterSpriteFromTable(FIRST_TURTLE_ID + Turtle_Small, "masks_SmallTurtle", SPRITE_TABLE);
    RegisterSpriteFromTable(FIRST_TURTLE_ID + Turtle_Medium, "masks_MediumTurtle", SPRITE_TABLE);
    RegisterSpriteFromTable(FIRST_TURTLE_ID + Turtle_Big, "masks_BigTurtle", SPRITE_TABLE);
    RegisterSpriteFromTable(CURSOR_ID, ":mg_interface_cursor", SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_MESSAGE_BOX, "masks_MG_MsgBox", SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_UP_ARROW, ":mg_interface_next_button", SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_DOWN_ARROW, ":mg_interface_next_button", SPRITE_TABLE);
    RegisterSpriteFromTable(MGSprite::ID_POINTER, ":mg_interface_cursor", SPRITE_TABLE);
}

bool MiniGameTurtleDoorPuzzle::Initialize()
{
    m_sMiniGameName = g_oDkLocalizer.GetText(TEXT_NAME);
    InitializeSpriteNames();
    if (!LoadResources(PACK_NAME) || !m_oMessageBox.Initialize())
        return false;
    if (!m_oBoard.InitializeFromId(BACKGROUND_ID, false))
        return false;
    m_oBoard.SetAnimating(false);
    if (!m_oBackground.InitializeFromId(CURSOR_ID, false))
        return false;
    m_oBackground.SetAnimating(false);
    m_oBoard.SetPosition(BACKGROUND_POSITION);

    // A turtle or a symbol that is missing from the pack is not drawn; the
    // puzzle is still played.
    for (int32_t iTurtle = Turtle_Big; iTurtle >= Turtle_Small; --iTurtle) {
        MGSprite& oTurtle = m_aoTurtles[iTurtle];
        if (oTurtle.InitializeFromId(FIRST_TURTLE_ID + iTurtle, false))
            oTurtle.SetPivotCentered();
    }
    for (int32_t iZone = 0; iZone < ZONE_COUNT; ++iZone) {
        MGSprite& oSymbol = m_aoZones[iZone].m_oSymbol;
        if (oSymbol.InitializeFromId(FIRST_SYMBOL_ID + iZone, false))
            oSymbol.SetPosition(SYMBOL_POSITIONS[iZone]);
    }

    m_oGauge.SetMax(U);
    m_oGauge.SetValue(U);
    m_oGauge.m_vPosition = GAUGE_POSITION;
    m_oGauge.SetSize(GAUGE_SIZE);
    m_oGauge.m_iColorMode = MGGauge::COLOR_BLEND;
    m_oGauge.m_uFirstFillColor = 0xFFFFFFFF;
    m_oMessageBox.SetButtonColors(BUTTON_COLOR, HOVERED_BUTTON_COLOR);
    // The pack's loading brought the game's sound group with it.
    SoundManager::PlayMusic(MUSIC);
    ResetGame(true);
    return true;
}

void MiniGameTurtleDoorPuzzle::ResetGame(bool)
{
    m_oBackground.SetPosition(CURSOR_START);
    m_oBackground.SetVisible(false);
    ResetBoard();
    DisplayInstructionsState(TEXT_INSTRUCTIONS);
}

void MiniGameTurtleDoorPuzzle::Shutdown()
{
    m_oGauge.m_fMax = -1;
    m_oGauge.m_fxValue = -1;
    for (DropZone& zone : m_aoZones)
        zone.m_oSymbol.Shutdown();
    for (MGSprite& oTurtle : m_aoTurtles)
        oTurtle.Shutdown();
    m_oBackground.Shutdown();
    m_oBoard.Shutdown();
    m_oMessageBox.Shutdown();
    UnloadResources();
}

void MiniGameTurtleDoorPuzzle::ResetBoard()
{
    m_ePickedTurtle = Turtle_None;
    m_iProgress = 0;
    for (DropZone& zone : m_aoZones) {
        for (int32_t& iSlot : zone.m_aiSlots)
            iSlot = Turtle_None;
        if (zone.m_oSymbol.IsInitialized())
            zone.m_oSymbol.SetVisible(false);
    }
    m_aoZones[ZONE_WATER].m_aiSlots[0] = Turtle_Big;
    m_aoZones[ZONE_EARTH].m_aiSlots[0] = Turtle_Medium;
    m_aoZones[ZONE_SKY].m_aiSlots[0] = Turtle_Small;
    LayoutTurtles();
}

void MiniGameTurtleDoorPuzzle::LayoutTurtles()
{
    for (int32_t iZone = 0; iZone < ZONE_COUNT; ++iZone) {
        const CoreFxVec& base = STACK_BASES[iZone];
        fx32 fxY = base.y;
        for (const int32_t iTurtle : m_aoZones[iZone].m_aiSlots) {
            if (!IsTurtle(iTurtle) || iTurtle == m_ePickedTurtle)
                continue;
            MGSprite& oTurtle = m_aoTurtles[iTurtle];
            if (!oTurtle.IsInitialized())
                continue;
            const fx32 fxHeight = oTurtle.GetSize().y;
            // Each turtle overlaps the one below by a quarter of the lower
            // one's height.
            fxY -= fxHeight / 2;
            oTurtle.SetPosition(base.x, fxY, base.z);
            fxY -= fxHeight / 4;
        }
    }
}

int32_t MiniGameTurtleDoorPuzzle::GetSlot(int32_t iZone, int32_t iSlot) const
{
    if (iZone < 0 || iZone >= ZONE_COUNT || iSlot < 0 || iSlot >= SLOT_COUNT)
        return Turtle_None;
    return m_aoZones[iZone].m_aiSlots[iSlot];
}

bool MiniGameTurtleDoorPuzzle::CanPickTurtle(int32_t iTurtle) const
{
    if (!IsTurtle(iTurtle))
        return false;
    for (const DropZone& zone : m_aoZones) {
        for (int32_t iSlot = 0; iSlot < SLOT_COUNT; ++iSlot) {
            if (zone.m_aiSlots[iSlot] == iTurtle)
                return iSlot == SLOT_COUNT - 1 || zone.m_aiSlots[iSlot + 1] == Turtle_None;
        }
    }
    return true;
}

void MiniGameTurtleDoorPuzzle::PlayTurtleSound(int32_t iTurtle)
{
    constexpr int32_t SOUNDS[TURTLE_COUNT] = {SOUND_SMALL, SOUND_MEDIUM, SOUND_BIG};
    if (IsTurtle(iTurtle))
        SoundManager::PlayEffect(SOUNDS[iTurtle]);
}

bool MiniGameTurtleDoorPuzzle::Update(uint32_t dtMs)
{
    switch (GetState()) {
    case STATE_STARTING:
        m_oGauge.SetMax(PLAY_TIME);
        m_fxTimeLeft = PLAY_TIME;
        SetState(STATE_PLAYING);
        break;
    case STATE_PLAYING: UpdateGame(dtMs); break;
    default: break;
    }
    return MiniGame::Update(dtMs);
}

void MiniGameTurtleDoorPuzzle::UpdateGame(uint32_t dtMs)
{
    HandleInputs();
    m_fxTimeLeft -= MiniGameSeconds(dtMs);
    m_oGauge.SetValue(m_fxTimeLeft > 0 ? m_fxTimeLeft : 0);
    // A last stack completed in the clock's last frame wins, and only the
    // won box is shown.
    if (m_iProgress == ZONE_COUNT) {
        m_oGauge.SetValue(m_oGauge.GetMax());
        GoToEndState(true);
    } else if (m_fxTimeLeft <= 0) {
        m_oGauge.SetValue(m_oGauge.GetMax());
        GoToEndState(false);
    }
    LayoutTurtles();
}

void MiniGameTurtleDoorPuzzle::Render()
{
    m_oBoard.RenderWithPosition(m_oBoard.GetPosition());
    for (const DropZone& zone : m_aoZones) {
        zone.m_oSymbol.RenderWithPosition(zone.m_oSymbol.GetPosition());
        for (const int32_t iTurtle : zone.m_aiSlots) {
            if (IsTurtle(iTurtle) && iTurtle != m_ePickedTurtle)
                m_aoTurtles[iTurtle].RenderWithPosition(m_aoTurtles[iTurtle].GetPosition());
        }
    }
    if (IsTurtle(m_ePickedTurtle))
        m_aoTurtles[m_ePickedTurtle].RenderWithPosition(m_aoTurtles[m_ePickedTurtle].GetPosition());
    m_oGauge.Render();
    MiniGame::Render();
    if (GetState() == STATE_PLAYING && m_ePickedTurtle == Turtle_None)
        m_oBackground.RenderWithPosition(m_oBackground.GetPosition());
}
