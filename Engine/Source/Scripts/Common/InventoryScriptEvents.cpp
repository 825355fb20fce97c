// The reactions to the combinations, in every scene's tree: most comment the
// new item in a common dialog, some move quests on. Three of them (the
// sword with Briscoe or with the wooden pole, the wooden pole with the shovel
// blade) answer pairs that the table does not combine and never run.
#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "Managers/Common/ScriptManager.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/InventoryScript.h"

#include <string_view>

namespace {

constexpr int32_t LOGIC_DIALOG = ActorScriptableId(LOGIC_DIALOG_ACTOR_ID);

// A common dialog's key: the CRC-32 of its name in the common dialogs.
constexpr int32_t CommonDialog(std::string_view name)
{
    return static_cast<int32_t>(CoreCrc32Of(name));
}

} // namespace

void InventoryScript::BuildEvents()
{
    // The pairs whose only reaction is a common dialog, in the order of their
    // handlers.
    struct DialogReaction {
        uint32_t m_uItem1;
        uint32_t m_uItem2;
        int32_t m_iDialog;
    };
    static constexpr DialogReaction REACTIONS[] = {
        {ItemIdOf("ITEM_EMBROIDED_HANDKERCHIEF"), ItemIdOf("ITEM_DULL_PLATE"),
         CommonDialog("COMMON_COMBINE_POLISHED_PLATE")},
        {ItemIdOf("ITEM_NEAR_EMPTY_BOTTLE"), ItemIdOf("ITEM_FLOWERS"), CommonDialog("COMMON_COMBINE_FLOWER_NECTAR")},
        {ItemIdOf("ITEM_CLAPPER"), ItemIdOf("ITEM_HAIRPIN"), CommonDialog("COMMON_COMBINE_REPAIRED_CLAPPER")},
        {ItemIdOf("ITEM_BRISCOE"), ItemIdOf("ITEM_MAGNIFICENT_SWORD"), CommonDialog("COMMON_COMBINE_BRISCOE_SWORD")},
        {ItemIdOf("ITEM_PAINT_KIT"), ItemIdOf("ITEM_SHEET_OF_PAPER"), CommonDialog("COMMON_COMBINE_FLOWER_PICTURE")},
        {ItemIdOf("ITEM_GRAPPEL"), ItemIdOf("ITEM_CROSSBOW"), CommonDialog("COMMON_COMBINE_LOADED_CROSSBOW")},
        {ItemIdOf("ITEM_HALF_EATEN_FISH"), ItemIdOf("ITEM_IRON_STEM"), CommonDialog("COMMON_COMBINE_FISH_SKEWER")},
        {ItemIdOf("ITEM_DARK_ROCK_1"), ItemIdOf("ITEM_DARK_ROCK_2"), CommonDialog("COMMON_COMBINE_FLINT_STONE")},
        {ItemIdOf("ITEM_EMPTY_BOTTLE"), ItemIdOf("ITEM_BLOOD_BANDAGE"), CommonDialog("COMMON_COMBINE_TRAP_BOTTLE")},
        {ItemIdOf("ITEM_IRON_STEM"), ItemIdOf("ITEM_CORK"), CommonDialog("COMMON_COMBINE_CLOTHES_HANGER")},
        {ItemIdOf("ITEM_CLOTHES_HANGER"), ItemIdOf("ITEM_SHEET"), CommonDialog("COMMON_COMBINE_GHOSTLY_SILHOUETTE")},
        {ItemIdOf("ITEM_GHOSTLY_SILHOUETTE"), ItemIdOf("ITEM_FISHING_ROD"),
         CommonDialog("COMMON_COMBINE_FLYING_SILHOUETTE")},
        {ItemIdOf("ITEM_BLOCKED_BLOW_PIPE"), ItemIdOf("ITEM_RAM_ROD"), CommonDialog("COMMON_COMBINE_BLOW_PIPE")},
        {ItemIdOf("ITEM_WOODEN_POLE"), ItemIdOf("ITEM_MAGNIFICENT_SWORD"),
         CommonDialog("COMMON_COMBINE_WHITTLED_POLE")},
        {ItemIdOf("ITEM_TURTLE_SHELL"), ItemIdOf("ITEM_DIAMOND_EARRINGS"),
         CommonDialog("COMMON_COMBINE_MASK_EARRINGS")},
        {ItemIdOf("ITEM_TURTLE_SHELL"), ItemIdOf("ITEM_SLIMY_CATERPILLARS"),
         CommonDialog("COMMON_COMBINE_MASK_CATERPILLARS")},
        {ItemIdOf("ITEM_BRISCOES_MAP"), ItemIdOf("ITEM_TURTLE_MAP"), CommonDialog("COMMON_COMBINE_COMPLETE_MAP")},
        {ItemIdOf("ITEM_BONE_NEEDLE"), ItemIdOf("ITEM_TOUGH_THREAD"), CommonDialog("COMMON_COMBINE_THREADED_NEEDLE")},
        {ItemIdOf("ITEM_THREADED_NEEDLE"), ItemIdOf("ITEM_LEATHER_HIDE_PELT"),
         CommonDialog("COMMON_COMBINE_HIDE_BAG_BEGUN")},
        {ItemIdOf("ITEM_THREADED_NEEDLE"), ItemIdOf("ITEM_FUR_HIDE_PELT"),
         CommonDialog("COMMON_COMBINE_HIDE_BAG_BEGUN")},
        {ItemIdOf("ITEM_UNCOMPLETE_HIDE_BAG"), ItemIdOf("ITEM_LEATHER_HIDE_PELT"),
         CommonDialog("COMMON_COMBINE_HIDE_BAG")},
        {ItemIdOf("ITEM_UNCOMPLETE_HIDE_BAG"), ItemIdOf("ITEM_FUR_HIDE_PELT"), CommonDialog("COMMON_COMBINE_HIDE_BAG")},
    };
    // Combine of each pair: its common dialog.
    for (const DialogReaction& oReaction : REACTIONS) {
        _IfMatch(MatchExpr::MakeEvent6(oReaction.m_uItem1, oReaction.m_uItem2));
        AddToQueue(LOGIC_DIALOG, ID_ACTION_TYPE_START_COMMON_DIALOG, Param::Int(oReaction.m_iDialog));
        _EndMatch();
    }

    // Combine "ITEM_PISTOL" with "ITEM_GUNPOWDER": the pistol is loaded.
    _IfMatch(MatchExpr::MakeEvent6(ItemIdOf("ITEM_PISTOL"), ItemIdOf("ITEM_GUNPOWDER")));
    SetBoolVar(VARBOOL_BG111_C05_COMB_LOADED_PISTOL, true);
    _EndMatch();

    // Combine "ITEM_BLOODY_FEATHER" with "ITEM_VOODOO_PAPER": the voodoo paper
    // is signed for Chemin.
    _IfMatch(MatchExpr::MakeEvent6(ItemIdOf("ITEM_BLOODY_FEATHER"), ItemIdOf("ITEM_VOODOO_PAPER")));
    SetBoolVar(VARBOOL_QUEST_C7_BLOOD_FEATHER02_DONE, true);
    AddToQueue(LOGIC_DIALOG, ID_ACTION_TYPE_START_COMMON_DIALOG,
               Param::Int(CommonDialog("COMMON_COMBINE_CHEMIN_PAPER")));
    _EndMatch();

    // Combine "ITEM_PEN_AND_PAPER" with "ITEM_INK_BOTTLE": the writing kit.
    _IfMatch(MatchExpr::MakeEvent6(ItemIdOf("ITEM_PEN_AND_PAPER"), ItemIdOf("ITEM_INK_BOTTLE")));
    SetBoolVar(VARBOOL_QUEST_C8_PEN_PAPER01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_PEN_PAPER02, true);
    _EndMatch();

    // Combine "ITEM_WOODEN_POLE" with "ITEM_SHOVEL_BLADE" (no row combines
    // them).
    _IfMatch(MatchExpr::MakeEvent6(ItemIdOf("ITEM_WOODEN_POLE"), ItemIdOf("ITEM_SHOVEL_BLADE")));
    SetBoolVar(VARBOOL_QUEST_C8_POLE01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_POLE02, true);
    _EndMatch();

    // Combine "ITEM_WHITTLED_POLE" with "ITEM_SHOVEL_BLADE": the shovel, and
    // the grave can be dug.
    _IfMatch(MatchExpr::MakeEvent6(ItemIdOf("ITEM_WHITTLED_POLE"), ItemIdOf("ITEM_SHOVEL_BLADE")));
    SetBoolVar(VARBOOL_QUEST_C8_POLE01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_POLE02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_GRAVE, true);
    AddToQueue(LOGIC_DIALOG, ID_ACTION_TYPE_START_COMMON_DIALOG, Param::Int(CommonDialog("COMMON_COMBINE_SHOVEL")));
    _EndMatch();
}
