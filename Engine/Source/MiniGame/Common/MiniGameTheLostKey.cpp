#include "MiniGame/Common/MiniGameTheLostKey.h"

#include "Managers/Common/SoundManager.h"
#include "MiniGame/Common/MiniGameTheLostKeyData.h"
#include "System/Clock.h"
#include "Utils/Common/DkLocalizer.h"

using namespace TheLostKeyData;

namespace {

constexpr const char* PACK_NAME = "MG_TheLostKey";

void Draw(const MGSprite& sprite)
{
    sprite.RenderWithPosition(sprite.GetPosition());
}

} // namespace

bool MiniGameTheLostKey::Initialize()
{
    m_sMiniGameName = g_oDkLocalizer.GetText(TEXT_NAME);
    InitializeSpriteNames();
    if (!LoadResources(PACK_NAME) || !m_oMessageBox.Initialize() || !InitializeSprites())
        return false;
    PlaceSprites();
    m_oGauge.SetMax(FX32_ONE);
    m_oGauge.SetValue(FX32_ONE);
    m_oGauge.SetSize(GAUGE_SIZE);
    // Centred on the screen's width.
    m_oGauge.m_vPosition = {(256 * FX32_ONE - GAUGE_SIZE.x) / 2, GAUGE_Y, WIDGET_Z};
    m_oGauge.m_uBackgroundColor = GAUGE_BACKGROUND_COLOR;
    m_oGauge.m_iColorMode = MGGauge::COLOR_BLEND;
    SeedRandom(static_cast<uint64_t>(Platform::GetClock().ProcessorTicks()));
    m_oMessageBox.SetButtonColors(BUTTON_COLOR, HOVERED_BUTTON_COLOR);
    SoundManager::PlayMusic(MUSIC);
    ResetGame(true);
    return true;
}

bool MiniGameTheLostKey::InitializeSprites()
{
    int32_t spiderIds[SPIDER_FRAME_COUNT];
    fx32 spiderSeconds[SPIDER_FRAME_COUNT];
    for (int32_t i = 0; i < SPIDER_FRAME_COUNT; ++i) {
        spiderIds[i] = ID_FIRST_SPIDER + i;
        spiderSeconds[i] = i + 1 < SPIDER_FRAME_COUNT ? SPIDER_FRAME_SECONDS : SPIDER_LAST_FRAME_SECONDS;
    }
    if (!m_oDoor.InitializeFromId(ID_BACKGROUND, true) ||
        !m_oSpider.Initialize(spiderIds, SPIDER_FRAME_COUNT, spiderSeconds, nullptr) ||
        !m_oBackground.InitializeFromId(ID_CURSOR, false) || !m_oMeter.Initialize(ID_LIFE_LOST, ID_LIFE))
        return false;
    // A pack without one of the door's or the keys' pictures cannot be
    // played: refused here rather than drawn half.
    for (int32_t plate = 0; plate < PLATE_COUNT; ++plate) {
        Lock& lock = m_aoLocks[plate];
        if (!lock.m_oPlate.InitializeFromId(ID_FIRST_PLATE + plate, false))
            return false;
        for (int32_t i = 0; i < TURNING_KEY_COUNT; ++i) {
            if (!lock.m_aoTurningKeys[i].InitializeFromId(ID_FIRST_TURNING_KEY + i, false))
                return false;
        }
    }
    for (int32_t design = 0; design < DESIGN_COUNT; ++design) {
        if (!m_aoKeyholes[design].InitializeFromId(ID_FIRST_KEYHOLE + design, false) ||
            !m_aoKeys[design].InitializeFromId(ID_FIRST_KEY + design, false))
            return false;
    }
    return true;
}

void MiniGameTheLostKey::PlaceSprites()
{
    m_oDoor.SetPosition(BACKGROUND_POSITION);
    m_oSpider.SetPosition(SPIDER_POSITION);
    for (int32_t plate = 0; plate < PLATE_COUNT; ++plate) {
        Lock& lock = m_aoLocks[plate];
        lock.m_oPlate.SetPosition(PLATE_POSITIONS[plate]);
        const CoreFxVec& keyhole = KEYHOLE_POSITIONS[plate];
        for (int32_t i = 0; i < TURNING_KEY_COUNT; ++i) {
            MGSprite& turningKey = lock.m_aoTurningKeys[i];
            turningKey.SetPivotCentered();
            const CoreFxVec& place = TURNING_KEY_PLACES[i];
            turningKey.SetPosition(keyhole.x + (place.x - KEYHOLE_POSITIONS[0].x),
                                   keyhole.y + (place.y - KEYHOLE_POSITIONS[0].y), place.z);
        }
        lock.m_bTurning = false;
        lock.m_iKeyhole = NO_DESIGN;
        lock.m_fxTurnTimer = 0;
    }
    for (int32_t design = 0; design < DESIGN_COUNT; ++design) {
        MGSprite& keyhole = m_aoKeyholes[design];
        keyhole.SetPivot({keyhole.GetSize().x / 2, 0});
        m_aoKeys[design].SetPivotCentered();
    }
    for (int32_t& slot : m_aiSlots)
        slot = NO_DESIGN;
}

void MiniGameTheLostKey::ResetGame(bool)
{
    ClearLevel();
    m_iLevel = 0;
    m_iCarriedSlot = NO_SLOT;
    m_iFocus = 0;
    m_ePhase = Phase::InstallLevel;
    m_oMeter.Reset();
    m_oBackground.SetPosition(SLOT_HOMES[0].x, SLOT_HOMES[0].y, 0);
    m_oBackground.SetVisible(false);
    DisplayInstructionsState(TEXT_INSTRUCTIONS);
}

void MiniGameTheLostKey::Shutdown()
{
    m_oGauge.m_fMax = -1;
    m_oGauge.m_fxValue = -1;
    for (int32_t design = 0; design < DESIGN_COUNT; ++design) {
        m_aoKeyholes[design].Shutdown();
        m_aoKeys[design].Shutdown();
    }
    for (Lock& lock : m_aoLocks) {
        lock.m_oPlate.Shutdown();
        for (MGSprite& turningKey : lock.m_aoTurningKeys)
            turningKey.Shutdown();
    }
    m_oMeter.Shutdown();
    m_oBackground.Shutdown();
    m_oSpider.Shutdown();
    m_oDoor.Shutdown();
    m_oMessageBox.Shutdown();
    UnloadResources();
}

bool MiniGameTheLostKey::Update(uint32_t dtMs)
{
    m_oSpider.Update(dtMs);
    m_oMeter.Update(dtMs);
    if (GetState() == STATE_STARTING)
        SetState(STATE_PLAYING);
    if (GetState() == STATE_PLAYING)
        UpdateGame(dtMs);
    return MiniGame::Update(dtMs);
}

void MiniGameTheLostKey::Render()
{
    Draw(m_oDoor);
    Draw(m_oSpider);
    m_oMeter.Render(METER_POSITION.x, METER_POSITION.y, METER_POSITION.z, 0);
    for (const Lock& lock : m_aoLocks) {
        if (lock.m_iKeyhole == NO_DESIGN)
            continue;
        Draw(lock.m_oPlate);
        Draw(m_aoKeyholes[lock.m_iKeyhole]);
        if (lock.m_bTurning)
            Draw(lock.m_aoTurningKeys[lock.m_fxTurnTimer > 0 ? 0 : 1]);
    }
    for (int32_t slot = 0; slot < SLOT_COUNT; ++slot) {
        if (m_aiSlots[slot] != NO_DESIGN && slot != m_iCarriedSlot)
            Draw(m_aoKeys[m_aiSlots[slot]]);
    }
    if (m_iCarriedSlot != NO_SLOT)
        Draw(m_aoKeys[m_aiSlots[m_iCarriedSlot]]);
    m_oGauge.Render();
    MiniGame::Render();
    if (GetState() == STATE_PLAYING && m_ePhase == Phase::Play && m_iCarriedSlot == NO_SLOT)
        Draw(m_oBackground);
}

const CoreFxVec& MiniGameTheLostKey::GetSlotHome(int32_t iSlot)
{
    return SLOT_HOMES[iSlot];
}

const CoreFxVec& MiniGameTheLostKey::GetKeyholePosition(int32_t iPlate)
{
    return KEYHOLE_POSITIONS[iPlate];
}
