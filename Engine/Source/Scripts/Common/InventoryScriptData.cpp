#include "Scripts/Common/InventoryScript.h"

#include "Common/IdHash.h"

namespace {

// The combinations as the game stores them: {first item, used up, second item,
// used up, made item, amount added, reserved}. Init sorts a copy for the
// searches.
const ItemCombination s_aStoredCombinations[NB_ITEM_COMBINATIONS] = {
    {ItemIdOf("ITEM_DUSTPAN"), 1, ItemIdOf("ITEM_BRUSH"), 1, ItemIdOf("ITEM_DUSTPAN_AND_BRUSH"), 1, 0},
    {ItemIdOf("ITEM_PUMP_HANDLE"), 1, ItemIdOf("ITEM_PIVOT_BOLT"), 1, ItemIdOf("ITEM_HANDLE_AND_BOLT"), 1, 0},
    {ItemIdOf("ITEM_SHEPHERDS_STICK"), 1, ItemIdOf("ITEM_DRY_CLOTH"), 1, ItemIdOf("ITEM_TORCH"), 1, 0},
    {ItemIdOf("ITEM_EMBROIDED_HANDKERCHIEF"), 0, ItemIdOf("ITEM_DULL_PLATE"), 1, ItemIdOf("ITEM_POLISHED_PLATE"), 1, 0},
    {ItemIdOf("ITEM_IRONWORK_PIECE_1"), 1, ItemIdOf("ITEM_IRONWORK_PIECE_2"), 1, ItemIdOf("ITEM_GRIPPING_DEVICE"), 1,
     0},
    {ItemIdOf("ITEM_NEAR_EMPTY_BOTTLE"), 1, ItemIdOf("ITEM_FLOWERS"), 1, ItemIdOf("ITEM_BOTTLE_FLOWER_NECTAR"), 1, 0},
    {ItemIdOf("ITEM_CLAPPER"), 1, ItemIdOf("ITEM_HAIRPIN"), 1, ItemIdOf("ITEM_REPAIRED_CLAPPER"), 1, 0},
    {ItemIdOf("ITEM_HALF_STONE_DISK01"), 1, ItemIdOf("ITEM_HALF_STONE_DISK02"), 1, ItemIdOf("ITEM_MYSTERIOUS_DISK"), 1,
     0},
    {ItemIdOf("ITEM_PAINT_BRUSH"), 1, ItemIdOf("ITEM_PAINT_SET"), 1, ItemIdOf("ITEM_PAINT_KIT"), 1, 0},
    {ItemIdOf("ITEM_PAINT_KIT"), 1, ItemIdOf("ITEM_SHEET_OF_PAPER"), 1, ItemIdOf("ITEM_FLOWER_PICTURE"), 1, 0},
    {ItemIdOf("ITEM_RUSTY_ANCHOR"), 1, ItemIdOf("ITEM_ROPE"), 1, ItemIdOf("ITEM_GRAPPEL"), 1, 0},
    {ItemIdOf("ITEM_GRAPPEL"), 1, ItemIdOf("ITEM_CROSSBOW"), 1, ItemIdOf("ITEM_LOADED_CROSSBOW"), 1, 0},
    {ItemIdOf("ITEM_HALF_EATEN_FISH"), 1, ItemIdOf("ITEM_IRON_STEM"), 1, ItemIdOf("ITEM_RAW_FISH_SKEWER"), 1, 0},
    {ItemIdOf("ITEM_DARK_ROCK_1"), 1, ItemIdOf("ITEM_DARK_ROCK_2"), 1, ItemIdOf("ITEM_FLINT_STONE"), 1, 0},
    {ItemIdOf("ITEM_SMALL_HAMMER"), 1, ItemIdOf("ITEM_LOOSE_PITON"), 1, ItemIdOf("ITEM_HAMMER_AND_PITON"), 1, 0},
    {ItemIdOf("ITEM_GUNPOWDER"), 0, ItemIdOf("ITEM_PISTOL"), 1, ItemIdOf("ITEM_LOADED_PISTOL"), 1, 0},
    {ItemIdOf("ITEM_BLOOD_BANDAGE"), 1, ItemIdOf("ITEM_EMPTY_BOTTLE"), 1, ItemIdOf("ITEM_TRAP_BOTTLE"), 1, 0},
    {ItemIdOf("ITEM_MAP_B"), 1, ItemIdOf("ITEM_MAP_T"), 1, ItemIdOf("ITEM_TURTLE_MAP"), 1, 0},
    {ItemIdOf("ITEM_BLOODY_FEATHER"), 0, ItemIdOf("ITEM_VOODOO_PAPER"), 1, ItemIdOf("ITEM_CHEMIN_PAPER"), 1, 0},
    {ItemIdOf("ITEM_PEN_AND_PAPER"), 1, ItemIdOf("ITEM_INK_BOTTLE"), 1, ItemIdOf("ITEM_WRITING_KIT"), 1, 0},
    {ItemIdOf("ITEM_IRON_STEM"), 1, ItemIdOf("ITEM_CORK"), 1, ItemIdOf("ITEM_CLOTHES_HANGER"), 1, 0},
    {ItemIdOf("ITEM_EMPTY_INK_BOTTLE"), 1, ItemIdOf("ITEM_INK_SAC"), 1, ItemIdOf("ITEM_INK_BOTTLE"), 1, 0},
    {ItemIdOf("ITEM_BLOCKED_BLOW_PIPE"), 1, ItemIdOf("ITEM_RAM_ROD"), 0, ItemIdOf("ITEM_BLOW_PIPE"), 1, 0},
    {ItemIdOf("ITEM_CLOTHES_HANGER"), 1, ItemIdOf("ITEM_SHEET"), 1, ItemIdOf("ITEM_GHOSTLY_SILHOUETTE"), 1, 0},
    {ItemIdOf("ITEM_GHOSTLY_SILHOUETTE"), 1, ItemIdOf("ITEM_FISHING_ROD"), 1, ItemIdOf("ITEM_FLYING_SILHOUETTE"), 1, 0},
    {ItemIdOf("ITEM_BLOW_PIPE"), 1, ItemIdOf("ITEM_WILD_BERRIES"), 1, ItemIdOf("ITEM_LOADED_BLOW_PIPE"), 1, 0},
    {ItemIdOf("ITEM_WHITTLED_POLE"), 1, ItemIdOf("ITEM_SHOVEL_BLADE"), 1, ItemIdOf("ITEM_SHOVEL"), 1, 0},
    {ItemIdOf("ITEM_TURTLE_SHELL"), 1, ItemIdOf("ITEM_DIAMOND_EARRINGS"), 1, ItemIdOf("ITEM_UNCOMPLETE_MASK2"), 1, 0},
    {ItemIdOf("ITEM_TURTLE_SHELL"), 1, ItemIdOf("ITEM_SLIMY_CATERPILLARS"), 1, ItemIdOf("ITEM_UNCOMPLETE_MASK1"), 1, 0},
    {ItemIdOf("ITEM_UNCOMPLETE_MASK2"), 1, ItemIdOf("ITEM_SLIMY_CATERPILLARS"), 1, ItemIdOf("ITEM_TURTLE_MASK"), 1, 0},
    {ItemIdOf("ITEM_UNCOMPLETE_MASK1"), 1, ItemIdOf("ITEM_DIAMOND_EARRINGS"), 1, ItemIdOf("ITEM_TURTLE_MASK"), 1, 0},
    {ItemIdOf("ITEM_TURTLE_MAP"), 1, ItemIdOf("ITEM_BRISCOES_MAP"), 1, ItemIdOf("ITEM_COMPLETE_MAP"), 1, 0},
    {ItemIdOf("ITEM_WHISTLE"), 0, ItemIdOf("ITEM_EDUARDO"), 0, ItemIdOf("ITEM_EDUARDO"), 0, 0},
    {ItemIdOf("ITEM_SHACKLE1"), 1, ItemIdOf("ITEM_SHACKLE2"), 1, ItemIdOf("ITEM_SHACKLES"), 1, 0},
    {ItemIdOf("ITEM_BONE_NEEDLE"), 1, ItemIdOf("ITEM_TOUGH_THREAD"), 1, ItemIdOf("ITEM_THREADED_NEEDLE"), 1, 0},
    {ItemIdOf("ITEM_LEATHER_HIDE_PELT"), 1, ItemIdOf("ITEM_THREADED_NEEDLE"), 1, ItemIdOf("ITEM_UNCOMPLETE_HIDE_BAG"),
     1, 0},
    {ItemIdOf("ITEM_FUR_HIDE_PELT"), 1, ItemIdOf("ITEM_THREADED_NEEDLE"), 1, ItemIdOf("ITEM_UNCOMPLETE_HIDE_BAG"), 1,
     0},
    {ItemIdOf("ITEM_UNCOMPLETE_HIDE_BAG"), 1, ItemIdOf("ITEM_LEATHER_HIDE_PELT"), 1, ItemIdOf("ITEM_HIDE_BAG"), 1, 0},
    {ItemIdOf("ITEM_UNCOMPLETE_HIDE_BAG"), 1, ItemIdOf("ITEM_FUR_HIDE_PELT"), 1, ItemIdOf("ITEM_HIDE_BAG"), 1, 0},
};

} // namespace

std::span<const ItemCombination> InventoryScript::GetStoredCombinations()
{
    return s_aStoredCombinations;
}
