#pragma once
#include <cstdint>

// The living room's objects (scene 9, bg101_BO_CastilloLivingRoom), by their
// index in the scene table's object list; its content lists them in this order.
namespace LivingRoomObjects {

inline constexpr int32_t WINDOWS = 0;
inline constexpr int32_t BEDROOM_DOOR = 1;
inline constexpr int32_t WATER_JUG = 2;
inline constexpr int32_t CLOTH = 3;
inline constexpr int32_t DUSTPAN = 4;
inline constexpr int32_t BRUSH = 5;
inline constexpr int32_t DUST_PATCH_2 = 6;
inline constexpr int32_t DUST_PATCH_3 = 7;
inline constexpr int32_t CROSSBOW = 8;
inline constexpr int32_t GOTO_BG102 = 9;
inline constexpr int32_t O_WINDOW = 10;
inline constexpr int32_t I_DUSTPAN = 11;
inline constexpr int32_t I_WATER_JUG = 13;
inline constexpr int32_t O_WATER = 14;
inline constexpr int32_t O_DUST03 = 15;
inline constexpr int32_t O_DUST02 = 16;
inline constexpr int32_t O_DUST01 = 17;
inline constexpr int32_t O_CHESTTOP = 18;
inline constexpr int32_t I_HANDBRUSH = 19;
inline constexpr int32_t I_CLOTH = 20;
inline constexpr int32_t TOYS_CHEST = 21;
inline constexpr int32_t I_WOODSWORD = 22;
inline constexpr int32_t EMPTY_BUCKET = 23;
inline constexpr int32_t WATER_BUCKET = 24;
inline constexpr int32_t DUST_PATCH_1 = 25;
inline constexpr int32_t O_DIRTY_WINDOWS = 26;
inline constexpr int32_t DIRTY_WINDOW = 27;
inline constexpr int32_t SMALL_BLANKET = 28;
inline constexpr int32_t ECTOPLASM = 29;
inline constexpr int32_t PAINT_BRUSH = 30;
inline constexpr int32_t PAINT_SET = 31;
inline constexpr int32_t SHEET_OF_PAPER = 32;
inline constexpr int32_t VASE_OF_FLOWER = 33;
inline constexpr int32_t O_ECTOPLASM_LEFT = 34;
inline constexpr int32_t O_ECTOPLASM_RIGHT = 35;
inline constexpr int32_t O_ECTOPLASM_FRONT = 36;
inline constexpr int32_t O_ECTOPLASM_BOTTOM = 37;
inline constexpr int32_t I_SMALL_BLANKET = 38;
inline constexpr int32_t I_PAINT_SET = 39;
inline constexpr int32_t I_PAINT_BRUSH = 40;
inline constexpr int32_t FADE_BONITA_SPIRIT = 41;
inline constexpr int32_t FADE_TAVRINE_KID = 42;
inline constexpr int32_t MR_PATATE = 43;
inline constexpr int32_t PEGLEGS = 44;

} // namespace LivingRoomObjects
