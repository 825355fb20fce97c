#pragma once
#include "Maths/CoreFxVec.h"
#include "MiniGame/Common/MiniGameTheLostKey.h"

#include <cstdint>

// The lost key's constant tables: sprite ids, levels and the places of the
// door's plates and of the keys, in fx32 units of the 256 x 192 screen.
namespace TheLostKeyData {

constexpr int32_t ID_BACKGROUND = 1;
constexpr int32_t ID_FIRST_PLATE = 3;
constexpr int32_t ID_FIRST_KEYHOLE = 8;
constexpr int32_t ID_FIRST_KEY = 28;
constexpr int32_t ID_FIRST_SPIDER = 48;
constexpr int32_t SPIDER_FRAME_COUNT = 22;
constexpr int32_t ID_FIRST_TURNING_KEY = 70;
constexpr int32_t ID_LIFE = 72;
constexpr int32_t ID_LIFE_LOST = 73;
constexpr int32_t ID_CURSOR = 74;

struct Level {
    int32_t m_iKeyholes;
    int32_t m_iKeys;
    int32_t m_iSeconds;
};
constexpr Level LEVELS[MG_THELOSTKEY_LEVEL_COUNT] = {{3, 10, 20}, {4, 10, 20}, {5, 10, 20}};

constexpr fx32 SLOT_Z = -8 * FX32_ONE;
constexpr fx32 KEYHOLE_Z = -12 * FX32_ONE;
constexpr fx32 PLATE_Z = -14 * FX32_ONE;
constexpr fx32 TURNING_KEY_Z = -10 * FX32_ONE;
constexpr fx32 WIDGET_Z = -16 * FX32_ONE;
constexpr fx32 CARRIED_Z = -FX32_ONE;

extern const CoreFxVec SLOT_HOMES[MiniGameTheLostKey::SLOT_COUNT];
extern const CoreFxVec KEYHOLE_POSITIONS[MiniGameTheLostKey::PLATE_COUNT];
extern const CoreFxVec PLATE_POSITIONS[MiniGameTheLostKey::PLATE_COUNT];

// Where the two turning-key pictures sit on the first plate; the offsets
// from its keyhole apply to every plate.
constexpr CoreFxVec TURNING_KEY_PLACES[MiniGameTheLostKey::TURNING_KEY_COUNT] = {{0x32E66, 0x4B199, TURNING_KEY_Z},
                                                                                 {0x34E66, 0x47FFF, TURNING_KEY_Z}};

constexpr CoreFxVec BACKGROUND_POSITION = {static_cast<fx32>(0xFFFD5667u), 0, static_cast<fx32>(0xFFFC0000u)};
constexpr CoreFxVec SPIDER_POSITION = {0xEBCCC, 0x63999, WIDGET_Z};
constexpr CoreFxVec METER_POSITION = {0xD999, 0x1CCC, WIDGET_Z};
constexpr fx32 SPIDER_FRAME_SECONDS = 0x19A;
constexpr fx32 SPIDER_LAST_FRAME_SECONDS = 0x1800;
constexpr CoreFxVec2 GAUGE_SIZE = {0x55555, 0x5000};
constexpr fx32 GAUGE_Y = 30 * FX32_ONE;
constexpr uint32_t GAUGE_BACKGROUND_COLOR = 0xFFFFFFFF;

constexpr fx32 TURN_SECONDS = 0x333;
// The dot product above which a direction counts as toward a target.
constexpr fx32 DIRECTION_COSINE = 0xB50;
// Where the arrow keys hold a carried key, from the target plate's keyhole.
constexpr fx32 CARRIED_OFFSET_X = -12 * FX32_ONE;
constexpr fx32 CARRIED_OFFSET_Y = 26 * FX32_ONE;

} // namespace TheLostKeyData
