// Carmine's monument as a player plays it: the real program with its SDL
// input, played by mouse events at the places of the monument's own objects,
// from a slot that stands on the clifftop in chapter 6 with Buck's cogwheel,
// the filled lamp and the blood bandage: the pistol loaded and the seagulls
// scared off for their fish, the feather, the rock and the nuts, the
// undergrowth cut, the drawbridge mended and crossed, the pillar unlocked,
// the trap bottle made and the fly caught, and the way down opened.
#include "Common/NamedIds.h"
#include "Common/VarIds.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/ChapterStartSlot.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::Verb;
using TestSupport::Way;

const std::string CARMINES_MONUMENT = "bg403_TA_CarminesMonument";
const std::string BURIAL_CHAMBER = "bg404_TA_BurialChamber";
constexpr int32_t CARMINES_MONUMENT_ID = 41;

// The left side: the seagulls, the three finds and the undergrowth, then
// the drawbridge that takes her over.
void TheLeftSide(Way& way)
{
    way.PutTogetherThenWatch("ITEM_GUNPOWDER", "ITEM_PISTOL");
    way.Give("ITEM_LOADED_PISTOL", "mocking_seagull");
    way.Play().Screenshot("seagulls_gone");
    for (const char* find : {"feather", "dark_rock", "nuts"})
        way.Do(find, Verb::Activate);
    way.Give("ITEM_MAGNIFICENT_SWORD", "undergrowth");
    way.Give("ITEM_COGWHEEL", "drawbridge_mechanism");
}

// The right side: the disk in the pillar, the fly in the bottle with the
// blood, and the lamp that opens the door.
void TheRightSide(Way& way)
{
    way.Give("ITEM_MYSTERIOUS_DISK", "stone_pillar");
    way.PutTogetherThenWatch("ITEM_BLOOD_BANDAGE", "ITEM_EMPTY_BOTTLE");
    way.Give("ITEM_TRAP_BOTTLE", "strange_fly");
    way.Give("ITEM_LAMP_WITH_OIL", "secret_entrance");
    way.Play().Screenshot("way_down_open");
    way.Leave("goto_bg404", BURIAL_CHAMBER, TestSupport::Exit::Hotspot);
}

using CarminesMonumentPlayTest = TestSupport::GamePlayTest;

TEST_F(CarminesMonumentPlayTest, TheWayDownIsOpenedByMouseFromTheClifftopToTheBurialChamber)
{
    // The chapter's start, on the clifftop, with what Buck's place gives
    // before the monument.
    ASSERT_TRUE(TestSupport::WriteChapterStartSlotIn(
        folder, 6, CARMINES_MONUMENT_ID,
        {ItemNamed("ITEM_COGWHEEL"), ItemNamed("ITEM_LAMP_WITH_OIL"), ItemNamed("ITEM_BLOOD_BANDAGE")}));

    TestSupport::ContinueTheChapter(way, CARMINES_MONUMENT);
    TheLeftSide(way);
    TheRightSide(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(end.scene, BURIAL_CHAMBER);
    for (const char* item : {"ITEM_HALF_EATEN_FISH", "ITEM_FEATHER", "ITEM_DARK_ROCK_2", "ITEM_NUTS", "ITEM_BRUSHWOOD",
                             "ITEM_TSETSE_FLY", "ITEM_OIL_LAMP"})
        EXPECT_TRUE(end.items.contains(item)) << item;
    for (const char* item : {"ITEM_COGWHEEL", "ITEM_MYSTERIOUS_DISK", "ITEM_TRAP_BOTTLE", "ITEM_LAMP_WITH_OIL"})
        EXPECT_FALSE(end.items.contains(item)) << item;
    for (const char* flag : {"VARBOOL_BG403_C06_USE_LOADED_PISTOL_ON_SEAGULL", "VARBOOL_QUEST_C6_PATH_DONE",
                             "VARBOOL_QUEST_C6_DRAWBRIDGE_DONE", "VARBOOL_BG403_C06_USE_MYSETRIOUSDISCK_ON_STONEPILLAR",
                             "VARBOOL_BG403_C06_USE_TRAPBOTTLE_ON_STRANGEFLY", "VARBOOL_QUEST_C6_TRAPDOOR_DONE",
                             "VARBOOL_BG403_C06_M_ON_RIGHT_SIDE", "VARBOOL_TA_MAP_BG403"})
        EXPECT_TRUE(end.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/CarminesMonumentPlay",
                                            {"seagulls_gone", "way_down_open"});
}

} // namespace
