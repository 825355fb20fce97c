#include "MiniGame/Common/MiniGameBirdsAttackData.h"

#include "MiniGame/Common/ResourceNameTable.h"

namespace BirdsAttackData {

namespace {

// Cloud places are only given in tenths: the nearest fx32.
constexpr fx32 Units(double value)
{
    return static_cast<fx32>(value * FX32_ONE + (value >= 0 ? 0.5 : -0.5));
}

constexpr fx32 LAUNCH_INTERVAL = FX32_ONE;

constexpr const char* NAMES[SPRITE_NAME_COUNT] = {
    "masks_BG",
    "masks_RopeFG01",
    "masks_RopeFG02",
    "masks_Cloud01",
    "masks_Cloud02",
    "masks_Cloud03",
    "masks_FogFG1",
    "masks_FogFG2",
    "masks_Bird01",
    "masks_Bird02",
    "masks_Shit01",
    "masks_Shit02",
    "masks_Shit03",
    "masks_Stone",
    "masks_Tavrine_Stand",
    "masks_Tavrine_Walk",
    "masks_Tavrine_Fall",
    "masks_Tavrine_Hit",
    "masks_Tavrine_Fix_01",
    "masks_Tavrine_Fix_02",
    "masks_Start",
    "masks_Border_Left",
    "masks_Border_Right",
    "masks_End",
    "masks_Bridge01",
    "masks_Bridge02",
    "masks_Bridge03",
    "masks_Bridge04",
    "masks_Bridge05",
    "masks_BridgeBreaking01",
    "masks_BridgeBreaking02",
    "masks_BridgeBreaking03",
    "masks_Life_On",
    "masks_Life_Off",
    "masks_MG_BirdsAttack_MsgBox",
};
constexpr auto TABLE = SortedResourceNames(NAMES);

} // namespace

// The ids follow the names above: 1, then 3 to 35 in order, and the box's
// frame at 255.
const SpriteName SPRITE_NAMES[SPRITE_NAME_COUNT] = {
    {1, NAMES[0]},   {3, NAMES[1]},   {4, NAMES[2]},   {5, NAMES[3]},   {6, NAMES[4]},    {7, NAMES[5]},
    {8, NAMES[6]},   {9, NAMES[7]},   {10, NAMES[8]},  {11, NAMES[9]},  {12, NAMES[10]},  {13, NAMES[11]},
    {14, NAMES[12]}, {15, NAMES[13]}, {16, NAMES[14]}, {17, NAMES[15]}, {18, NAMES[16]},  {19, NAMES[17]},
    {20, NAMES[18]}, {21, NAMES[19]}, {22, NAMES[20]}, {23, NAMES[21]}, {24, NAMES[22]},  {25, NAMES[23]},
    {26, NAMES[24]}, {27, NAMES[25]}, {28, NAMES[26]}, {29, NAMES[27]}, {30, NAMES[28]},  {31, NAMES[29]},
    {32, NAMES[30]}, {33, NAMES[31]}, {34, NAMES[32]}, {35, NAMES[33]}, {255, NAMES[34]},
};
const ResourceNameEntry* const SPRITE_TABLE = TABLE.data();

const Screen SCREENS[SCREEN_COUNT] = {
    {{0, 3, 3, 5, 3, 3, 1},
     0x800,
     LAUNCH_INTERVAL,
     0,
     {{Units(0.8), Units(12.4)}, {Units(78.2), Units(45.4)}, {Units(144.6), Units(3.6)}}},
    {{1, 3, 5, 3, 5, 3, 1},
     0x99A,
     LAUNCH_INTERVAL,
     0,
     {{Units(0.8), Units(45.4)}, {Units(78.2), Units(12.4)}, {Units(144.6), Units(45.4)}}},
    {{1, 3, 5, 3, 3, 5, 1},
     0xB33,
     LAUNCH_INTERVAL,
     0,
     {{Units(144.6), Units(3.6)}, {Units(0.8), Units(45.4)}, {Units(78.2), Units(45.4)}}},
    {{1, 3, 5, 3, 3, 5, 1},
     0xCCD,
     LAUNCH_INTERVAL,
     0,
     {{Units(78.2), Units(12.4)}, {Units(144.6), Units(29.6)}, {Units(0.8), Units(-3.6)}}},
    {{1, 3, 3, 5, 3, 3, 1},
     0xE66,
     LAUNCH_INTERVAL,
     0,
     {{Units(144.6), Units(3.6)}, {Units(0.8), Units(12.4)}, {Units(78.2), Units(45.4)}}},
    {{1, 3, 3, 5, 3, 3, 1},
     0xF33,
     LAUNCH_INTERVAL,
     0,
     {{Units(144.6), Units(3.6)}, {Units(117.8), Units(45.4)}, {Units(0.8), Units(28.4)}}},
    {{1, 3, 3, 5, 3, 3, 1},
     0x1000,
     LAUNCH_INTERVAL,
     0,
     {{Units(116.7), Units(45.4)}, {Units(20.6), Units(12.4)}, {Units(102.1), Units(3.6)}}},
    {{1, 3, 3, 5, 3, 3, 2},
     0x1000,
     LAUNCH_INTERVAL,
     0,
     {{Units(144.6), Units(12.4)}, {Units(0.8), Units(45.4)}, {Units(78.2), Units(3.6)}}},
};

const Point PLATFORM_POSITIONS[PLATFORM_COUNT] = {
    {0x14333, 0x8C999}, {0x34999, 0x8D800}, {0x594CC, 0x8FB33}, {0x7ECCC, 0x8FCCC},
    {0xA4333, 0x8F4CC}, {0xC9CCC, 0x8CCCC}, {0xF2333, 0x8B999},
};

namespace {

constexpr Box STANDING_BOX = {0x6333, 0xD000, 0x1A333, 0x2DCCD};
constexpr Box WALKING_BOX = {0xA666, 0xE333, 0x19333, 0x2C99A};
constexpr Box MENDING_BOX = {0x8000, 0x18666, 0x1F333, 0x2299A};
constexpr Box MENDING_STRIKE_BOX = {0x799A, 0x18333, 0x1E333, 0x2299A};

} // namespace

// By heroine frame: standing, walking, falling, hit, then the mending frames.
const Box HEROINE_BOXES[HEROINE_FRAME_COUNT] = {
    STANDING_BOX, WALKING_BOX, STANDING_BOX, STANDING_BOX, MENDING_BOX, MENDING_STRIKE_BOX, MENDING_BOX, MENDING_BOX,
};
const Box DROPPING_BOX = {0x6666, 0x99A, 0x2333, 0xB000};
const Box STONE_BOX = {0x299A, 0x199A, 0x9CCD, 0x8CCD};

} // namespace BirdsAttackData
