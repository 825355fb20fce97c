#pragma once
#include "Maths/Fx32.h"
#include "MiniGame/Common/MiniGame.h"

#include <cstdint>

// The fixed tables of the birds attack: the bridge's screens, where things
// stand, the collision boxes and the sprite names.
namespace BirdsAttackData {

constexpr int32_t SCREEN_COUNT = 8;
constexpr int32_t PLATFORM_COUNT = 7;
constexpr int32_t CLOUD_COUNT = 3;
constexpr int32_t HEROINE_FRAME_COUNT = 8;

// A box relative to a sprite's top-left corner.
struct Box {
    fx32 m_fxX;
    fx32 m_fxY;
    fx32 m_fxWidth;
    fx32 m_fxHeight;
};

struct Point {
    fx32 m_fxX;
    fx32 m_fxY;
};

// One screen of the bridge: its platforms' kinds, the share of stones among
// the drops (a fraction draw above it gives a dropping), the bird's launch
// interval, the extra range of the slot draw and where the clouds float.
struct Screen {
    int32_t m_aiKinds[PLATFORM_COUNT];
    fx32 m_fxStoneThreshold;
    fx32 m_fxLaunchInterval;
    int32_t m_iExtraSlotRange;
    Point m_aClouds[CLOUD_COUNT];
};

extern const Screen SCREENS[SCREEN_COUNT];
// Where the heroine stands, the breaking animations play and the drops fall.
extern const Point PLATFORM_POSITIONS[PLATFORM_COUNT];
extern const Box HEROINE_BOXES[HEROINE_FRAME_COUNT];
extern const Box DROPPING_BOX;
extern const Box STONE_BOX;

// The sprite-name table, sorted by CRC, and the ids it binds.
struct SpriteName {
    int32_t m_iId;
    const char* m_sName;
};
constexpr int32_t SPRITE_NAME_COUNT = 35;
extern const SpriteName SPRITE_NAMES[SPRITE_NAME_COUNT];
extern const ResourceNameEntry* const SPRITE_TABLE;

} // namespace BirdsAttackData
