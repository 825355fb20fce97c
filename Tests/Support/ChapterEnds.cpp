#include "Support/ChapterEnds.h"

#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/ItemIds.h"
#include "Common/VarIds.h"
#include "Interface/Common/QuestTable.h"
#include "Scripts/Common/ChapterStarts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace TestSupport {

namespace {

// The number as the story holds it: the record leaves out zeros.
int NumberOf(const StoryRecord& story, const std::string& name)
{
    const auto number = story.numbers.find(name);
    return number == story.numbers.end() ? 0 : number->second;
}

// The opening flags of a character's open entries in the quest log, among
// the flags set.
std::set<std::string> OpenQuests(const std::set<std::string>& flags, uint32_t owner)
{
    std::set<std::string> open;
    for (const QuestRow& row : GetQuestTable())
        if (row.m_uOwner == owner && flags.count(Id::GetVarBoolName(row.m_iOpenFlag)) != 0 &&
            flags.count(Id::GetVarBoolName(row.m_iCloseFlag)) == 0)
            open.insert(Id::GetVarBoolName(row.m_iOpenFlag));
    return open;
}

// The loading screen between two chapters, where every chapter ends.
constexpr const char* LOADING_SCREEN = "bg993_Loading_placeholder";

// A moment of a chapter's story: the scene, the playing character (none
// where the next chapter's start names her), the chapter's number and the
// flags its way has set by then.
void ExpectStoryAt(const StoryRecord& story, const char* scene, const char* character, int32_t chapter,
                   std::initializer_list<const char*> flags)
{
    EXPECT_EQ(story.scene, scene) << "chapter " << chapter << "'s scene";
    if (character != nullptr) {
        EXPECT_EQ(story.character, character) << "chapter " << chapter << "'s playing character";
    }
    EXPECT_EQ(NumberOf(story, "VARINT_CURRENT_CHAPTER"), chapter);
    for (const char* flag : flags)
        EXPECT_EQ(story.flags.count(flag), 1u) << flag << " in chapter " << chapter;
}

// The items of the chapter menu's start of the chapter, but the one used up
// on the way, and those gained.
std::set<std::string> StartItemsWith(int32_t chapter, const char* usedUp, std::set<std::string> gained)
{
    for (const uint32_t item : ChapterStartOf(chapter)->items)
        if (item != ItemIdOf(usedUp))
            gained.insert(Id::GetItemName(item));
    return gained;
}

} // namespace

void ExpectChapterOneEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, "tavrine_kid", 1,
                  {"VARBOOL_QUEST_C1_CHORES_DONE", "VARBOOL_BG101_C01_EVENT_ALL_CHORES",
                   "VARBOOL_BG102_C01_CLEAN_DUSTPAN", "VARBOOL_BG102_C01_FIXED_WATER_PUMP_2", "VARBOOL_WIN_MINIGAME_01",
                   "VARBOOL_BG103_C01_ARNO_NOT_HERE", "VARBOOL_BG103_C01_SEE_ALESSANDRO",
                   "VARBOOL_QUEST_C1_PLAY01_DONE", "VARBOOL_QUEST_C1_PLAY02_DONE", "VARBOOL_BG104_C01_EVENT_AMBUSH",
                   "VARBOOL_BG104_C01_MANUEL_NOT_HERE", "VARBOOL_BG104_C01_EVENT_AFTER_BURNING_TORCH",
                   "VARBOOL_QUEST_C1_HOME02_DONE", "VARBOOL_BG102_C01_EVENT_WITH_DIEGO",
                   "VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE", "VARBOOL_QUEST_C1_HOME03_DONE"});
    // The jugs went back, cloth, stick, grass and torch were used up, the
    // children climbed down from the inventory into the ladder.
    EXPECT_EQ(story.items, (std::set<std::string> {"ITEM_DUSTPAN_AND_BRUSH", "ITEM_MAGNET", "ITEM_WOODEN_SWORD",
                                                   "ITEM_BROKEN_FLASK_BOTTOM"}));
}

void ExpectChapterTwoEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, "tavrine", 2,
                  {"VARBOOL_BG001_C02_EVENT_INTRO",
                   "VARBOOL_BG001_C02_PICK_SWORD",
                   "VARBOOL_BG001_C02_PICK_PISTOL",
                   "VARBOOL_BG001_C02_PICK_MAGNET",
                   "VARBOOL_BG001_C02_PICK_EMBROIDED_HANDKERCHIEF",
                   "VARBOOL_BG002_C02_PICK_DULL_PLATE",
                   "VARBOOL_BG003_C02_EVENT_FIRST_TIME",
                   "VARBOOL_QUEST_C2_CREW01",
                   "VARBOOL_BG003_C02_TALK_ALESSANDRO",
                   "VARBOOL_BG105_C02_EVENT_FIRST_TIME",
                   "VARBOOL_BG106_C02_NELL_NOT_HERE",
                   "VARBOOL_BG105_C02_GROCERS_SHOP_IS_OPEN",
                   "VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT",
                   "VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE",
                   "VARBOOL_QUEST_C2_FIND_MAP",
                   "VARBOOL_QUEST_C2_FOOD_DONE",
                   "VARBOOL_BG103_C02_SHINY_PLATE_IS_ON_NEST",
                   "VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY",
                   "VARBOOL_QUEST_C2_WORK01_DONE",
                   "VARBOOL_QUEST_C2_WORK02_DONE",
                   "VARBOOL_BG105_C02_PICK_ARNOS_SWORD",
                   "VARBOOL_QUEST_C2_SWORD_DONE",
                   "VARBOOL_QUEST_C2_CREW03",
                   "VARBOOL_BG107_C02_USE_PISTOL_ON_CLOSED_SHUTTER",
                   "VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS",
                   "VARBOOL_BG108_C02_CHEST_IS_OPEN",
                   "VARBOOL_BG108_C02_PICK_MAP_T",
                   "VARBOOL_QUEST_C2_FIND_MAP_DONE"});
    // Everything else she came by on the way was used up or given away.
    EXPECT_EQ(story.items,
              (std::set<std::string> {"ITEM_MAGNIFICENT_SWORD", "ITEM_PISTOL", "ITEM_FRUIT", "ITEM_BRISCOES_MAP"}));
    ExpectChapterStartHolds(story, 3);
    ExpectQuestLogCarriesOver(story, 3);
}

void ExpectChapterThreeEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, "tavrine", 3,
                  {"VARBOOL_BG003_C03_EVENT_GOOD_NEWS", "VARBOOL_QUEST_C4_PAY_DEBT", "VARBOOL_BG201_C03_LAMP_IS_LIGHT",
                   "VARBOOL_BG201_C03_PICK_CRAB_MAP", "VARBOOL_BG201_C03_EVENT_RAZZO",
                   "VARBOOL_BG202_C03_PICK_MATCH_BOX", "VARBOOL_BG202_C03_PICK_HAIRPIN", "VARBOOL_WIN_MINIGAME_03",
                   "VARBOOL_CR_MAP_BG203", "VARBOOL_QUEST_C3_FIND_GRAVEYARD02_DONE",
                   "VARBOOL_QUEST_C3_FIND_THE_COMBINATION_DONE", "VARBOOL_QUEST_C3_FIND_THE_MAP_DONE",
                   "VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN", "VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE"});
    // Nacho's talk of chapter 2 and the strip of a crossing to the first
    // island: no script or dialog sets or reads them.
    ExpectChapterStartHolds(story, 4, {"VARBOOL_BG106_C02_TALK_NACHO", "VARBOOL_STRIP_BO_DONE"});
    // Anita's way to the graveyard closed its first step. Her father's five
    // doubloons are hers to pay back whenever she likes, and nobody on Crab
    // island had seen her uncle: the next chapter's letter answers that.
    ExpectQuestLogCarriesOver(story, 4, {}, {"VARBOOL_QUEST_C4_PAY_DEBT", "VARBOOL_QUEST_C3_UNCLE_EDUARDO03"});
}

void ExpectChapterFourAtTheOpenGarden(const StoryRecord& story)
{
    ExpectStoryAt(story, "bg306_HO_Garden", "tavrine", 4,
                  {"VARBOOL_BG003_C04_EVENT_NEWS_EDUARDO",
                   "VARBOOL_QUEST_C4_SAIL_HOLLOW_ISLAND",
                   "VARBOOL_STRIP_HO_DONE",
                   "VARBOOL_BG301_C04_EVENT_BRISCOE_TAGS_ALONG",
                   "VARBOOL_BG302_C04_EVENT_FIRST_TIME",
                   "VARBOOL_QUEST_C4_MISSING_HALF_DISK01",
                   "VARBOOL_QUEST_C4_FIND_BRISCOE01",
                   "VARBOOL_QUEST_C4_FIX_BELL",
                   "VARBOOL_QUEST_C4_GET_CLAPPER_DONE",
                   "VARBOOL_QUEST_C4_FIX_BELL_DONE",
                   "VARBOOL_BG304_C04_PERCY_HERE",
                   "VARBOOL_BG304_C04_GARDEN_IS_OPEN",
                   "VARBOOL_BG305_C04_TALK_MISS_BROWN",
                   "VARBOOL_BG305_C04_USE_STONEHALFDISK_ON_MISS_BROWN",
                   "VARBOOL_BG305_C04_TALK_MISS_BROWN_ABOUT_PERCY",
                   "VARBOOL_BG305_C04_MISS_BROWN_FAINTING",
                   "VARBOOL_BG305_C04_EVENT_MISSBROWN_UNFAINT",
                   "VARBOOL_BG305_C04_EVENT_EUREKA",
                   "VARBOOL_BG305_C04_EVENT_FOUND_KEY",
                   "VARBOOL_WIN_MINIGAME_04",
                   "VARBOOL_QUEST_C4_FIND_KEY_DONE",
                   "VARBOOL_BG305_C04_CHEST_IS_UNLOCKED",
                   "VARBOOL_QUEST_C4_MISSING_HALF_DISK02",
                   "VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE",
                   "VARBOOL_BG002_C04_TALK_DIEGO_ABOUT_HILARY",
                   "VARBOOL_QUEST_C4_HILARY_BASE01",
                   "VARBOOL_QUEST_C4_HILARY_BASE01_DONE",
                   "VARBOOL_QUEST_C4_HILARY_BASE02",
                   "VARBOOL_QUEST_C4_HILARY_BASE02_DONE",
                   "VARBOOL_QUEST_C4_HILARY_BASE03",
                   "VARBOOL_BG002_C04_DIEGO_NOT_HERE",
                   "VARBOOL_BG302_C04_TALK_DIEGO_ABOUT_ALESSANDRO",
                   "VARBOOL_BG305_C04_READ_TORN_REPORT",
                   "VARBOOL_QUEST_C4_HILARY_BASE04",
                   "VARBOOL_HO_MAP_BG307"});
    EXPECT_EQ(NumberOf(story, "VARINT_DIEGO_SCENE"), 2);
    // A doubloon bought the net, which fished out the clapper; the hairpin
    // mended it and the bell keeps it. Miss Brown's two doubloons remain;
    // Vasco's egg shell brought out the torn report, and Diego comes along.
    EXPECT_EQ(story.items, (std::set<std::string> {"ITEM_PISTOL", "ITEM_BRISCOES_MAP", "ITEM_MAGNIFICENT_SWORD",
                                                   "ITEM_EMPTY_BOTTLE", "ITEM_MAP_B", "ITEM_HALF_STONE_DISK01",
                                                   "ITEM_SMALL_KEY", "ITEM_MATCH_BOX", "ITEM_FRUIT", "ITEM_DOUBLOON",
                                                   "ITEM_EGG_SHELL", "ITEM_TORN_REPORT", "ITEM_DIEGO"}));
}

void ExpectChapterFourEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, "tavrine", 4,
                  {"VARBOOL_BG306_C04_PICK_HAMMER_AND_CHISEL", "VARBOOL_BG306_C04_DIEGO_HAMMER_AND_CHISEL",
                   "VARBOOL_BG306_C04_PICK_HALF_DISK", "VARBOOL_QUEST_C4_MISSING_HALF_DISK02_DONE",
                   "VARBOOL_BG307_C04_EVENT_FIRST_TIME", "VARBOOL_QUEST_C4_HILARY_BASE04_DONE",
                   "VARBOOL_BG307_C04_PICK_COIN", "VARBOOL_QUEST_C4_FIND_BRISCOE01_DONE",
                   "VARBOOL_QUEST_C4_FIND_BRISCOE02_DONE", "VARBOOL_QUEST_C4_FIND_BRISCOE03",
                   "VARBOOL_BG303_C04_GET_GOLD_EARRING", "VARBOOL_BG303_C04_PICK_LADDER",
                   "VARBOOL_BG308_C04_EVENT_LADDER", "VARBOOL_BG308_C04_TAVRINE_NOT_ON_CLIFF",
                   "VARBOOL_BG308_C04_EVENT_BRISCOE_IN_PANIC", "VARBOOL_QUEST_C4_FIND_BRISCOE03_DONE",
                   "VARBOOL_BG003_C04_EVENT_ELIZABETH_IN_DANGER"});
    // The two halves make the disk, Sancha's earring is bought, the egg
    // shell is kept; Diego and the torn report stayed aboard. Diego's talk on
    // board under another name, Miss Brown's sobbing (her talk of Percy ends
    // it) and the ship's place (sailed on in the next chapter) are the
    // chapter menu's alone.
    ExpectChapterStartHolds(
        story, 5, {"VARBOOL_BG002_C04_TALK_DIEGO", "VARBOOL_BG305_C04_MISS_BROWN_SOBBING", "VARINT_LOCAL_ISLAND_MAP"});
    // The uncle's letter, the landing and the half disk found closed their
    // steps; Vasco's word turned the news of Bobby into the search for him.
    ExpectQuestLogCarriesOver(story, 5);
}

void ExpectChapterFiveEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, nullptr, 5,
                  {"VARBOOL_BG003_C05_EVENT_ALL_SECURE",
                   "VARBOOL_BG105_C05_EVENT_LETS_GO",
                   "VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES",
                   "VARBOOL_QUEST_C5_AVOID_GUARDS01",
                   "VARBOOL_BG105_C05_TALK_MANUEL",
                   "VARBOOL_BG105_C05_TALK_MANUEL_ABOUT_NO_BONUS",
                   "VARBOOL_BG105_C05_EVENT_BRISCOE_IMPRESSED",
                   "VARBOOL_BG106_C05_GET_SHIRT",
                   "VARBOOL_BG106_C05_TALK_TASCO_ABOUT_GUARDS",
                   "VARBOOL_BG106_C05_GET_STRONG_RUM",
                   "VARBOOL_QUEST_C5_AVOID_GUARDS02",
                   "VARBOOL_BG105_C05_HAVE_SKETCH_MAP",
                   "VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR",
                   "VARBOOL_QUEST_C5_RESOLVE_SPIRIT_ISSUES_DONE",
                   "VARBOOL_BG113_C05_PICK_SMALL_BLANCKET",
                   "VARBOOL_QUEST_C5_NEW_SHIRT_DONE",
                   "VARBOOL_QUEST_C5_WEDDING_GIFT_DONE",
                   "VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS",
                   "VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS",
                   "VARBOOL_QUEST_C5_SAVE_ELIZABETH03_DONE",
                   "VARBOOL_BG111_C05_TALK_ELIZABETH",
                   "VARBOOL_BG111_C05_TALK_BRISCOE",
                   "VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE",
                   "VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR",
                   "VARBOOL_BG111_C05_USE_SILK_FRINGES_ON_FRONT_DOOR",
                   "VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE",
                   "VARBOOL_BG105_C05_EVENT_ARNO_TIED"});
    // The chase, the chapter's last mini-game, was won; the game resumes on
    // the docks after it either way.
    EXPECT_EQ(story.flags.count("VARBOOL_C_WIN_MINIGAME"), 1u);
    // A chapter-2 pick and chapter-4 quests that chapter 5's own start
    // leaves out, and the bell's look and use, which the way need not take,
    // are the chapter menu's alone. The items are the next start's: the
    // errands, the house and the fire used up all else, the capture took
    // the iron bar, and Arno slipped her the sketch map.
    ExpectChapterStartHolds(story, 6,
                            {"VARBOOL_QUEST_C4_MISSING_HALF_DISK02", "VARBOOL_QUEST_C4_MISSING_HALF_DISK02_DONE",
                             "VARBOOL_BG002_C02_PICK_DULL_PLATE", "VARBOOL_BG110_C05_LOOK_OLD_BELL",
                             "VARBOOL_BG110_C05_INT_OLD_BELL"});
    // Tasco's word of Bobby at sea took his search on a step; the sign stays
    // open until the next chapter shows it in her cabin.
    ExpectQuestLogCarriesOver(story, 6, {}, {"VARBOOL_QUEST_C5_THE_SIGN"});
}

void ExpectChapterSixEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, "tavrine", 6,
                  {"VARBOOL_BG003_C06_EVENT_SKETCH_MAP", "VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS",
                   "VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW", "VARBOOL_QUEST_C6_DIEGO_DONE",
                   "VARBOOL_BG002_C06_GET_BLOOD_BANDAGE", "VARBOOL_QUEST_C6_FIRE_DONE",
                   "VARBOOL_BG402_C06_HAVE_COGWHEEL", "VARBOOL_QUEST_C6_FIX_BRIDGE_DONE", "VARBOOL_WIN_MINIGAME_06",
                   "VARBOOL_QUEST_C6_DRAWBRIDGE_DONE", "VARBOOL_QUEST_C6_TRAPDOOR_DONE",
                   "VARBOOL_QUEST_C6_TURTLEROD_DONE", "VARBOOL_BG001_C06_EVENT_THE_SIGN",
                   "VARBOOL_BG002_C06_USE_TSETSEFLY_ON_ALESSANDROSDOOR", "VARBOOL_BG113_C06_EVENT_ALESSANDRO_AT_HOME",
                   "VARBOOL_QUEST_C2_MEMORIES_DONE", "VARBOOL_BG003_C06_EVENT_END_CHAPTER6"});
    // The dark rocks make the flint stone; the chapter's end took the tools
    // and the book. A chapter-4 quest that nothing in chapter 6 sets,
    // chapter 5's book taken and the ship's place (sailed on in the next
    // chapter) are the chapter menu's alone.
    ExpectChapterStartHolds(story, 7,
                            {"VARBOOL_QUEST_C4_FIND_BRISCOE01", "VARBOOL_QUEST_C4_FIND_BRISCOE01_DONE",
                             "VARBOOL_BG113_C05_PICK_FAUNA_FLORA_BOOK", "VARINT_LOCAL_ISLAND_MAP"});
    // Tanner island found and the fly caught close their quests.
    ExpectQuestLogCarriesOver(story, 7);
}

void ExpectChapterSevenInTheVillage(const StoryRecord& story)
{
    ExpectStoryAt(story, "bg309_HO_VoodooVillage", "tavrine", 7,
                  {"VARBOOL_BG301_C07_EVENT_FEELING_DOWN", "VARBOOL_HO_MAP_BG309", "VARBOOL_BG306_C07_PICK_WEED_KILLER",
                   "VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS"});
    // Briscoe's map is the turtle map now; the weed killer is kept.
    EXPECT_EQ(story.items,
              StartItemsWith(7, "ITEM_MAP_B", {"ITEM_TURTLE_MAP", "ITEM_WEED_KILLER", "ITEM_CABA_FLOWERS_PETALS"}));
}

void ExpectChapterSevenEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, "tavrine", 7,
                  {"VARBOOL_BG106_C07_INT_DEAD_CHICKEN", "VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN",
                   "VARBOOL_BG404_C07_USE_FLASK_ON_WATER", "VARBOOL_QUEST_C7_INGREDIENTS_DONE",
                   "VARBOOL_BG203_C07_USE_DEAD_CHICKEN_ON_FLAT_GRAVE", "VARBOOL_QUEST_C7_BLOOD_FEATHER01_DONE",
                   "VARBOOL_BG311_C07_CHEMIN_NOT_IN_TRANCE", "VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE",
                   "VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE", "VARBOOL_BG310_C07_TALK_BAJARI_CURED",
                   "VARBOOL_QUEST_C7_TANNERSFRIEND03", "VARBOOL_BG301_C07_TALK_BRISCOE_ABOUT_TANNER_FRIEND",
                   "VARBOOL_QUEST_C7_TANNERSFRIEND03_DONE", "VARBOOL_QUEST_C7_NOTES01"});
    // What she gathered for the spell went with the notes. A talk of
    // chapter 3 that the chapter's start does not carry, and the ship's
    // place (sailed on in the next chapter), are the chapter menu's alone.
    ExpectChapterStartHolds(story, 8, {"VARBOOL_BG202_C03_TALK_STRANGER", "VARINT_LOCAL_ISLAND_MAP"});
    // Bajari, Tanner's friend found, closes the quest of finding him.
    ExpectQuestLogCarriesOver(story, 8);
}

void ExpectChapterEightInTheOffice(const StoryRecord& story)
{
    ExpectStoryAt(story, "bg205_CR_DrakesOfficeInterior", "tavrine", 8,
                  {"VARBOOL_BG002_C08_PICK_SHEET", "VARBOOL_BG201_C08_PICK_CORK", "VARBOOL_BG202_C08_PICK_FISHING_ROD",
                   "VARBOOL_QUEST_C8_GUARDS_DONE", "VARBOOL_QUEST_C8_GHOST_DONE",
                   "VARBOOL_BG204_C08_PICK_WOODEN_POLE"});
    // The iron stem went into the ghost, which she keeps.
    EXPECT_EQ(story.items, StartItemsWith(8, "ITEM_IRON_STEM", {"ITEM_FLYING_SILHOUETTE", "ITEM_WOODEN_POLE"}));
}

void ExpectChapterEightEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, nullptr, 8,
                  {"VARBOOL_BG004_C08_EVENT_INTRO",
                   "VARBOOL_BG002_C08_PICK_SHEET",
                   "VARBOOL_BG201_C08_PICK_CORK",
                   "VARBOOL_BG202_C08_TALK_ANITA_ABOUT_FISHING_ROD",
                   "VARBOOL_BG202_C08_PICK_FISHING_ROD",
                   "VARBOOL_CR_MAP_BG204",
                   "VARBOOL_BG204_C08_EVENT_FLYING_SILHOUETTE",
                   "VARBOOL_QUEST_C8_GUARDS_DONE",
                   "VARBOOL_QUEST_C8_GHOST_DONE",
                   "VARBOOL_BG204_C08_PICK_WOODEN_POLE",
                   "VARBOOL_BG205_C08_EVENT_TAKING_IT_IN",
                   "VARBOOL_BG205_C08_PICK_BLOCKED_BLOWPIPE",
                   "VARBOOL_QUEST_C8_NOTES04_DONE",
                   "VARBOOL_QUEST_C8_JUSTICE01_DONE",
                   "VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES",
                   "VARBOOL_BG203_C08_PICK_WILD_BERRIES",
                   "VARBOOL_BG202_C08_TALK_ANITA_ABOUT_MUSKET",
                   "VARBOOL_QUEST_C8_PRIEST_DONE",
                   "VARBOOL_QUEST_C8_POLE01",
                   "VARBOOL_BG202_C08_HAVE_WHITTLED_POLE",
                   "VARBOOL_QUEST_C8_GRAVE_DONE",
                   "VARBOOL_QUEST_C8_JUSTICE02_DONE",
                   "VARBOOL_QUEST_C8_JUSTICE03_DONE",
                   "VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION",
                   "VARBOOL_QUEST_C8_CONSIGNMENT03",
                   "VARBOOL_QUEST_C8_NOTES03_DONE",
                   "VARBOOL_BG201_C08_TALK_SONIA_ABOUT_GOLDEN_TURTLE_INN",
                   "VARBOOL_BG204_C08_TALK_DIEGO_ABOUT_GOLDEN_TURTLE",
                   "VARBOOL_QUEST_C8_TURTLE_INN03_DONE",
                   "VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO",
                   "VARBOOL_BG004_C08_EVENT_BACK_WITH_UNCLE_EDUARDO"});
    // The ram rod went back on its musket.
    EXPECT_EQ(story.flags.count("VARBOOL_BG202_C08_PICK_RAM_ROD"), 0u);
    // The chapter used up what it gathered, and the uncle's talk took the
    // small key, the shovel, the blowpipe and the flying ghost; his
    // coordinates open the turtle quests. The ship's place (sailed on in the
    // next chapter) is the chapter menu's alone.
    ExpectChapterStartHolds(story, 9, {"VARINT_LOCAL_ISLAND_MAP"});
    // The notes brought home, the consignment proved and the first golden
    // turtle quest handed on close their quests.
    ExpectQuestLogCarriesOver(story, 9);
}

void ExpectChapterNineOutOfTheAltarHouse(const StoryRecord& story)
{
    ExpectStoryAt(story, "bg504_TU_AltarHouseExterior", "tavrine", 9,
                  {"VARBOOL_BG003_C09_ARRIVED", "VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE", "VARBOOL_QUEST_C9_ISLANDERS",
                   "VARBOOL_BG501_C09_USE_BERRIES_ON_UNCLE_EDUARDO", "VARBOOL_BG501_C09_PICK_BATTERED_TURTLE_SHELL",
                   "VARBOOL_QUEST_C9_JUNGLE_DONE", "VARBOOL_BG502_C09_ACROSS_BRIDGE", "VARBOOL_QUEST_C9_RUINS_DONE",
                   "VARBOOL_BG502_C09_INT_MECHANISM", "VARBOOL_QUEST_C9_ESCAPE_DONE", "VARBOOL_BG505_C09_TAVRINE_FREE",
                   "VARBOOL_QUEST_C9_ISLANDERS_DONE", "VARBOOL_BG505_C09_USE_EARRINGS_ON_BRISCOE",
                   "VARBOOL_QUEST_C9_JEWELS_02_DONE", "VARBOOL_QUEST_C9_HUT_DONE", "VARBOOL_QUEST_C9_THIEVES"});
    // The lever's trap took the pistol, the sword and the match box, and
    // Diego stayed behind; Eduardo keeps what is left of the berries.
    EXPECT_EQ(story.items,
              (std::set<std::string> {"ITEM_EGG_SHELL", "ITEM_DOUBLOON", "ITEM_BRISCOES_MAP", "ITEM_EMPTY_BOTTLE",
                                      "ITEM_TURTLE_ROD", "ITEM_TURTLE_MAP", "ITEM_WHISTLE", "ITEM_EDUARDO",
                                      "ITEM_BERRIES", "ITEM_TURTLE_SHELL", "ITEM_DIAMOND_EARRINGS"}));
}

void ExpectChapterNineEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, nullptr, 9,
                  {"VARBOOL_BG003_C09_ARRIVED", "VARBOOL_QUEST_C9_JUNGLE_DONE", "VARBOOL_QUEST_C9_RUINS_DONE",
                   "VARBOOL_QUEST_C9_ESCAPE_DONE", "VARBOOL_QUEST_C9_HUT_DONE",
                   "VARBOOL_BG504_C09_PICK_SLIMY_CATERPILLAR", "VARBOOL_TU_MAP_BG504", "VARBOOL_TU_MAP_BG506",
                   "VARBOOL_BG506_C09_USE_TURTLE_MASK", "VARBOOL_QUEST_C9_HARVESTING_DONE",
                   "VARBOOL_QUEST_C5_BOBBY03_DONE", "VARBOOL_BG506_C09_TALK_BOBBY_ABOUT_HELP",
                   "VARBOOL_BG506_C09_TALK_TANAMA", "VARBOOL_QUEST_C9_PURE_DONE"});
    EXPECT_EQ(story.flags.count("VARBOOL_BG506_C09_TANAMA_UNCONSCIOUS"), 0u);
    // Eduardo keeps what is left of the berries and the mask stays in her
    // hands, where the next chapter's start has neither; that start carries
    // chapter 8's writing kit, which chapter 9's own start leaves out.
    EXPECT_EQ(story.items.count("ITEM_BERRIES"), 1u);
    EXPECT_EQ(story.items.count("ITEM_TURTLE_MASK"), 1u);
    StoryRecord asTheNextStartHasIt = story;
    asTheNextStartHasIt.items.erase("ITEM_BERRIES");
    asTheNextStartHasIt.items.erase("ITEM_TURTLE_MASK");
    asTheNextStartHasIt.items.insert("ITEM_WRITING_KIT");
    // Diego took her straight to the bay, so the sea's crossing to the
    // island was never seen: the chapter menu's alone.
    ExpectChapterStartHolds(asTheNextStartHasIt, 10, {"VARBOOL_STRIP_TU_DONE"});
    // The island reached and the way to the golden turtle shown close the
    // turtle quests and open the last.
    ExpectQuestLogCarriesOver(story, 10);
}

void ExpectChapterTenEnded(const StoryRecord& story)
{
    ExpectStoryAt(story, LOADING_SCREEN, nullptr, 10,
                  {"VARBOOL_BG508_C10_PUZZLE_SUCCESS",
                   "VARBOOL_BG508_C10_TURTLE_DOOR_OPEN",
                   "VARBOOL_BG509_C10_FIRST_TIME",
                   "VARBOOL_BG509_C10_TALK_GOLDEN_TURTLE_ABOUT_STRANGE_DEVICE",
                   "VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT",
                   "VARBOOL_BG504_C10_SHAMAN_AND_HILARY",
                   "VARBOOL_BG511_C10_SECRET_TRAP_OPEN",
                   "VARBOOL_BG511_C10_USE_TURTLE_EGG_ON_TRAP",
                   "VARBOOL_QUEST_C10_SPIRITEGG_02_DONE",
                   "VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD",
                   "VARBOOL_BG504_C10_SAVED",
                   "VARBOOL_QUEST_C10_RETURN_DONE",
                   "VARBOOL_QUEST_C10_INCUBATE_DONE",
                   "VARBOOL_BG509_C10_TALK_BABA_ABOUT_MAKE_AMENDS",
                   "VARBOOL_BG509_C10_EVENT_THE_EGG_HATCHES",
                   "VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANAMA",
                   "VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_TANNER",
                   "VARBOOL_BG509_C10_EVENT_THE_BIG_REVEAL",
                   "VARBOOL_BG509_C10_TALK_NEW_GOLDEN_TURTLE_ABOUT_LEAVE_IN_PEACE",
                   "VARBOOL_BG509_C10_INT_CHEST"});
    // The spirit egg went into the incubator and the bird's egg into the
    // trap: neither is hers any more.
    for (const char* item : {"ITEM_EGG_BAG", "ITEM_HIDE_BAG", "ITEM_BIRD_EGG", "ITEM_EDUARDO"})
        EXPECT_EQ(story.items.count(item), 0u) << item;
}

void ExpectChapterStartHolds(const StoryRecord& story, int32_t chapter, const std::set<std::string>& onlyTheMenuSets)
{
    const ChapterStart* start = ChapterStartOf(chapter);
    ASSERT_NE(start, nullptr) << "the chapter menu starts no chapter " << chapter;
    const char* character = Id::GetActorName(start->uPlayingCharacter);
    EXPECT_EQ(story.character, character ? character : "") << "chapter " << chapter << "'s playing character";
    for (const int32_t flag : start->bools)
        EXPECT_EQ(story.flags.count(Id::GetVarBoolName(flag)),
                  onlyTheMenuSets.count(Id::GetVarBoolName(flag)) ? 0u : 1u)
            << Id::GetVarBoolName(flag) << " of chapter " << chapter << "'s start";
    for (const IntSetting& setting : start->ints) {
        if (setting.iVarId == VARINT_CURRENT_CHAPTER || onlyTheMenuSets.count(Id::GetVarIntName(setting.iVarId)))
            continue;
        EXPECT_EQ(NumberOf(story, Id::GetVarIntName(setting.iVarId)), setting.iValue)
            << Id::GetVarIntName(setting.iVarId) << " of chapter " << chapter << "'s start";
    }
    std::set<std::string> items;
    for (const uint32_t item : start->items)
        items.insert(Id::GetItemName(item));
    EXPECT_EQ(story.items, items) << "chapter " << chapter << "'s items";
}

std::set<std::string> ChapterStartFlags(int32_t chapter)
{
    std::set<std::string> flags;
    if (const ChapterStart* start = ChapterStartOf(chapter))
        for (const int32_t flag : start->bools)
            flags.insert(Id::GetVarBoolName(flag));
    return flags;
}

void ExpectQuestLogCarriesOver(const StoryRecord& story, int32_t chapter, const std::set<std::string>& onlyTheMenuOpens,
                               const std::set<std::string>& theStoryKeepsOpen)
{
    const ChapterStart* start = ChapterStartOf(chapter);
    ASSERT_NE(start, nullptr) << "the chapter menu starts no chapter " << chapter;
    std::set<std::string> expected = OpenQuests(ChapterStartFlags(chapter), start->uPlayingCharacter);
    for (const std::string& quest : onlyTheMenuOpens)
        EXPECT_EQ(expected.erase(quest), 1u) << quest << " is not open at chapter " << chapter << "'s start";
    expected.insert(theStoryKeepsOpen.begin(), theStoryKeepsOpen.end());
    EXPECT_EQ(OpenQuests(story.flags, start->uPlayingCharacter), expected)
        << "the quest log going into chapter " << chapter;
}

} // namespace TestSupport
