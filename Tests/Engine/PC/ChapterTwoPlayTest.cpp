// Chapter 2 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects, from the
// chapter's start slot through the ship, the town's errands and the map room
// to the map handed over and the loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterStartSlot.h"
#include "Support/Files.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::Exit;
using TestSupport::ReadFileText;
using TestSupport::Verb;
using TestSupport::Way;

const std::string CABIN = "bg001_WM_TavrinesCabin";
const std::string CORRIDOR = "bg002_WM_Corridor";
const std::string FATHERS_CABIN = "bg003_WM_AlessandrosCabin";
const std::string HILL = "bg103_BO_FlatTopHill";
const std::string FORK = "bg104_BO_Fork";
const std::string DOCKS = "bg105_BO_Docks";
const std::string INN = "bg106_BO_AdmiralsRest";
const std::string TOWN_HALL = "bg107_BO_TownhallExterior";
const std::string MAP_ROOM = "bg108_BO_TownHallInterior";
const std::string LOADING = "bg993_Loading_placeholder";

// A talk in the inn whose choice is answered by the proposition of that
// key.
void TalkAndAnswer(Way& way, const std::string& person, const std::string& answer)
{
    way.Play().Use(person, Verb::Talk);
    way.Play().ChooseKey(answer);
    way.Expect("Action \"Talk\" on \"" + INN + ":" + person);
}

// The sword, the pistol, the magnet and the handkerchief; out into the
// corridor.
void TheCabin(Way& way)
{
    for (const char* thing : {"sword", "pistol", "magnet"})
        way.Do(thing, Verb::Activate);
    way.Do("embroided_handkerchief", Verb::Activate);
    way.Leave("goto_bg002", CORRIDOR);
}

// The dull plate, polished with the handkerchief; her father's cabin, where
// the crew meets and he gives her his sword; back to the corridor.
void ThePlateAndTheMeeting(Way& way)
{
    way.Do("dull_plate", Verb::Activate);
    // Her words on the polished plate close the menu.
    way.PutTogetherThenWatch("ITEM_EMBROIDED_HANDKERCHIEF", "ITEM_DULL_PLATE");
    way.Play().Screenshot("corridor");
    way.Leave("goto_bg003", FATHERS_CABIN);
    way.Play().Screenshot("meeting");
    way.Leave("goto_bg002", CORRIDOR);
}

// Down the gangway: the dock's question answered with the island.
void Ashore(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.Click("goto_main_dock");
    play.WaitForChoices();
    play.Screenshot("dock_choice");
    play.ChooseKey("BG002_DOCK_ASHORE");
    way.Expect("Action \"Activate\" on \"" + CORRIDOR + ":goto_main_dock");
    way.Arrive(DOCKS);
}

// Up through the town and the fork to the hill: the polished plate on the
// nest, and the magpie's theft in the strip; back down to the fork.
void TheNest(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Leave("goto_bg107", TOWN_HALL);
    way.Leave("goto_bg104", FORK);
    way.Leave("goto_narrow_path", HILL, Exit::Hotspot);
    play.DragItemOnto("ITEM_POLISHED_PLATE", "nest");
    way.Expect("UseItem \"ITEM_POLISHED_PLATE\" on \"" + HILL + ":nest");
    play.WaitForMovie();
    // A click skips the strip.
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(HILL);
    play.Screenshot("nest");
    way.Leave("goto_bg104", FORK, Exit::Hotspot);
}

// Through the tunnel to the town hall: the pistol opens the shutter; down to
// the inn.
void TheShutter(Way& way)
{
    way.Leave("goto_tunnel", TOWN_HALL, Exit::Hotspot);
    way.Give("ITEM_PISTOL", "closed_shutter");
    way.Leave("goto_bg105", DOCKS);
    way.Leave("goto_bg106", INN);
}

// Tasco fetches the merchant, Nacho wants his earring, Nell goes to open
// her shop; the room starts again with Briscoe, who gives the chest's serial
// number.
void TheInn(Way& way)
{
    TalkAndAnswer(way, "tasco", "BG106_ASK_MERCHANT");
    way.Play().WaitUntilInteractive();
    way.Do("nacho", Verb::Talk);
    TalkAndAnswer(way, "nell", "BG106_ASK_NELL_SHOP");
    way.Arrive(INN);
    way.Do("thomas_b", Verb::Talk);
    way.Leave("goto_bg105", DOCKS);
}

// Nell's goods; the wings for Carlo, whose bone stays on the quay; Arno
// looks away at the glint of the plate on the hill.
void TheErrands(Way& way)
{
    way.Do("nell", Verb::Talk);
    way.Give("ITEM_FRIED_CHICKEN_WINGS", "carlo");
    way.Do("small_chicken_bone", Verb::Activate);
    way.Do("arno", Verb::Talk);
    way.Leave("goto_bg106", INN);
}

// The bread greased in the kitchen's fry pan.
void TheGrease(Way& way)
{
    way.Give("ITEM_BREAD_LOAF", "greasy_fry_pan");
    way.Leave("goto_bg105", DOCKS);
}

// Arno's sword greased into the sea, fished up with the magnet and given to
// Razzo: Razzo and Carlo join the crew.
void TheCrew(Way& way)
{
    way.Give("ITEM_GREASY_BREAD_LOAF", "arnos_sword");
    way.Give("ITEM_MAGNET", "sea");
    way.Give("ITEM_ARNOS_SWORD", "razzo");
    way.Leave("goto_bg107", TOWN_HALL);
}

// Razzo opens the map room's window; the bone opens the chest, the serial
// number finds Briscoe's map in it.
void TheMapRoom(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.DragItemOnto("ITEM_RAZZO", "goto_bg108");
    way.Expect("UseItem \"ITEM_RAZZO\" on \"" + TOWN_HALL + ":goto_bg108");
    way.Arrive(MAP_ROOM);
    way.Give("ITEM_SMALL_CHICKEN_BONE", "locked_chest");
    way.Give("ITEM_SERIAL_NUMBER", "open_chest");
    play.Screenshot("map_room");
    way.Leave("goto_bg107", TOWN_HALL);
}

// Down to the inn: the map handed to Briscoe ends the chapter.
void TheMapHandedOver(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Leave("goto_bg105", DOCKS);
    way.Leave("goto_bg106", INN);
    play.DragItemOnto("ITEM_BRISCOES_MAP", "thomas_b");
    way.Expect("UseItem \"ITEM_BRISCOES_MAP\" on \"" + INN + ":thomas_b");
    way.Arrive(LOADING);
    play.Screenshot("loading");
}

using ChapterTwoPlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterTwoPlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 2));

    // Her mother's spirit wakes her in her cabin.
    TestSupport::ContinueTheChapter(way, CABIN);
    play.Screenshot("cabin");
    play.RecordStory("start");
    TheCabin(way);
    ThePlateAndTheMeeting(way);
    Ashore(way);
    TheNest(way);
    TheShutter(way);
    TheInn(way);
    TheErrands(way);
    TheGrease(way);
    TheCrew(way);
    TheMapRoom(way);
    TheMapHandedOver(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;
    const std::string log = ReadFileText(folder / "log.txt");

    // The slot continued the chapter's start: no new game, no intro movie.
    EXPECT_EQ(log.find("Before Movie Init"), log.find("Before Movie Init", log.find("scenes/" + HILL)));
    const TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    EXPECT_EQ(start.scene, CABIN);
    EXPECT_EQ(start.character, "tavrine");
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 2);
    EXPECT_TRUE(start.items.empty());
    for (const char* flag : {"VARBOOL_PICK_BO_MAP", "VARBOOL_BG001_C02_EVENT_INTRO", "VARBOOL_QUEST_C2_FIND_DADDY"})
        EXPECT_EQ(start.flags.count(flag), 1u) << flag;

    TestSupport::ExpectChapterTwoEnded(end);

    TestSupport::ExpectPicturesAsReferenced(
        folder, "Engine/PC/ChapterTwoPlay",
        {"cabin", "corridor", "meeting", "dock_choice", "nest", "map_room", "loading"});
}

} // namespace
