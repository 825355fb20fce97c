// Chapter 6 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects (and the
// bridge's birds fought off with the arrow keys), from the chapter's start
// slot: the sketch map on her father's chart, Tanner island's jetty and
// Diego's anchor, Buck's camp and its bridge, Carmine's monument and the
// burial chamber's turtle rod, the sign in her cabin, the tsetse fly
// through her father's door and the memories at home, to the loading
// screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterStartSlot.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::Exit;
using TestSupport::ReadFileText;
using TestSupport::SceneLoadLine;
using TestSupport::Verb;
using TestSupport::Way;

const std::string FATHERS_CABIN = "bg003_WM_AlessandrosCabin";
const std::string HER_CABIN = "bg001_WM_TavrinesCabin";
const std::string CORRIDOR = "bg002_WM_Corridor";
const std::string WORLD_MAP = "bg911_WorldMap";
const std::string JETTY = "bg401_TA_JetyAndCliff";
const std::string CAMP = "bg402_TA_BucksPlace";
const std::string MONUMENT = "bg403_TA_CarminesMonument";
const std::string CHAMBER = "bg404_TA_BurialChamber";
const std::string LIVING_ROOM = "bg113_BO_CastilloLivingRoom_A";
const std::string LOADING = "bg993_Loading_placeholder";

// Down the gangway with the answer given, to where it leads.
void OverTheGangway(Way& way, const std::string& answer, const std::string& next)
{
    way.Play().Click("goto_main_dock");
    way.Play().ChooseKey(answer);
    way.Expect("Action \"Activate\" on \"" + CORRIDOR + ":goto_main_dock");
    way.Arrive(next);
}

// Aboard from the jetty by the ship's own question.
void AboardFromTheJetty(Way& way)
{
    way.Play().Use("winsome_maid", Verb::Activate);
    way.Play().ChooseKey("BG401_SHIP_ABOARD");
    way.Expect("Action \"Activate\" on \"" + JETTY + ":winsome_maid");
    way.Arrive(CORRIDOR);
}

// Talks to Buck, asks each question in turn and says goodbye.
void AskBuck(Way& way, std::initializer_list<const char*> questions)
{
    TestSupport::PlayScript& play = way.Play();
    play.Use("buck", Verb::Talk);
    for (const char* question : questions)
        play.ChooseKey(question);
    play.ChooseKey("BG402_BYE");
    play.WaitUntilInteractive();
    way.Expect("Action \"Talk\" on \"" + CAMP + ":buck");
}

// The sketch map on the chart sets the course; on the world map Tanner
// island rises and brings her back, Briscoe leaves, and the ship sails
// there with the small hammer from the corridor aboard.
void ToTannerIsland(Way& way)
{
    way.Give("ITEM_SKETCH_MAP", "chart");
    way.Expect(SceneLoadLine(WORLD_MAP));
    way.Arrive(FATHERS_CABIN);
    way.Play().Screenshot("course_set");
    way.Leave("goto_bg002", CORRIDOR);
    way.Do("small_hammer", Verb::Activate);
    OverTheGangway(way, "BG002_DOCK_SAIL", WORLD_MAP);
    way.Leave("ta", JETTY, Exit::Hotspot);
}

// Briscoe fishes the boards out; the shrubs hide an anchor that only Diego,
// fetched from the ship, pulls out; on the rope and in the crossbow it is
// shot into the scaffolding in its strip, and the rope hangs.
void TheJetty(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Give("ITEM_BRISCOE", "floating_wood_boards");
    way.Do("shrubs", Verb::Activate);
    AboardFromTheJetty(way);
    play.Use("diego", Verb::Talk);
    way.Expect("Action \"Talk\" on \"" + CORRIDOR + ":diego");
    way.Arrive(JETTY);
    way.Give("ITEM_DIEGO", "rusty_anchor");
    way.Do("rusty_anchor2", Verb::Activate);
    way.PutTogether("ITEM_RUSTY_ANCHOR", "ITEM_ROPE");
    way.PutTogetherThenWatch("ITEM_GRAPPEL", "ITEM_CROSSBOW");
    play.DragItemOnto("ITEM_LOADED_CROSSBOW", "scaffolding");
    way.Expect("UseItem \"ITEM_LOADED_CROSSBOW\" on \"" + JETTY + ":scaffolding");
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(JETTY);
    way.Do("dark_rock", Verb::Activate);
    way.Do("loose_piton", Verb::Activate);
    way.Leave("dangling_rope", CAMP, Exit::Hotspot);
}

// Buck and his device; the cup, the stem and the lamp; the board and the
// piton mend the bridge, and the birds attack her on it until she wins.
void TheBridge(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    AskBuck(way, {"BG402_ASK_DEVICE"});
    for (const char* find : {"stone_cup", "iron_stem", "oil_lamp"})
        way.Do(find, Verb::Activate);
    way.Give("ITEM_WOOD_BOARD", "broken_bridge");
    way.PutTogether("ITEM_SMALL_HAMMER", "ITEM_LOOSE_PITON");
    way.Give("ITEM_HAMMER_AND_PITON", "dangerous_bridge");
    play.Click("repaired_bridge");
    way.Expect("Action \"Activate\" on \"" + CAMP + ":repaired_bridge");
    play.PlayBirdsAttack();
    way.Expect("Before MG Init");
    way.Expect("After MG Shutdown");
    way.Arrive(MONUMENT);
}

// The seagulls scared off for their fish, the finds (the two dark rocks
// make a flint stone) and the undergrowth's brushwood; back in the camp the fire, the fish cooked for Buck's
// cogwheel, and the lamp filled in the press.
void TheFire(Way& way)
{
    way.PutTogetherThenWatch("ITEM_GUNPOWDER", "ITEM_PISTOL");
    way.Give("ITEM_LOADED_PISTOL", "mocking_seagull");
    for (const char* find : {"feather", "dark_rock", "nuts"})
        way.Do(find, Verb::Activate);
    way.PutTogetherThenWatch("ITEM_DARK_ROCK_1", "ITEM_DARK_ROCK_2");
    way.Give("ITEM_MAGNIFICENT_SWORD", "undergrowth");
    way.Leave("goto_bg402", CAMP);
    way.Give("ITEM_BRUSHWOOD", "campfire");
    way.Give("ITEM_MATCH_BOX", "campfire");
    way.Play().Screenshot("fire_lit");
    way.PutTogetherThenWatch("ITEM_HALF_EATEN_FISH", "ITEM_IRON_STEM");
    way.Give("ITEM_RAW_FISH_SKEWER", "campfire");
    way.Give("ITEM_HOT_FISH_SKEWER", "buck");
    AskBuck(way, {"BG402_ASK_MACHINE"});
    way.Give("ITEM_OIL_LAMP", "nut_press");
    way.Give("ITEM_NUTS", "nut_press");
    way.Do("nut_press", Verb::Activate);
}

// The feather wakes Diego, who gives his blood-soaked bandage aboard; back
// over the bridge, the drawbridge, the pillar, the fly caught and the lamp
// that opens the way down.
void TheWayDown(Way& way)
{
    way.Leave("scaffolding", JETTY);
    way.Give("ITEM_FEATHER", "diego");
    AboardFromTheJetty(way);
    way.Do("diego", Verb::Talk);
    OverTheGangway(way, "BG002_DOCK_ASHORE", JETTY);
    way.Leave("dangling_rope", CAMP, Exit::Hotspot);
    way.Leave("repaired_bridge", MONUMENT);
    way.Give("ITEM_COGWHEEL", "drawbridge_mechanism");
    way.Give("ITEM_MYSTERIOUS_DISK", "stone_pillar");
    way.PutTogetherThenWatch("ITEM_BLOOD_BANDAGE", "ITEM_EMPTY_BOTTLE");
    way.Give("ITEM_TRAP_BOTTLE", "strange_fly");
    way.Give("ITEM_LAMP_WITH_OIL", "secret_entrance");
    way.Play().Screenshot("way_down_open");
    way.Leave("goto_bg404", CHAMBER, Exit::Hotspot);
}

// The sarcophagus washed, the stem set and struck, the panel's movie, and
// the turtle rod handed to Buck, which sends her back aboard.
void TheTurtleRod(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Give("ITEM_STONE_CUP", "depression");
    way.Give("ITEM_CUP_OF_WATER", "sarcophagus");
    way.Give("ITEM_GREASY_IRON_STEM", "glass_panel");
    play.DragItemOnto("ITEM_SMALL_HAMMER", "custom_crowbar");
    way.Expect("UseItem \"ITEM_SMALL_HAMMER\" on \"" + CHAMBER + ":custom_crowbar");
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(CHAMBER);
    play.DragItemOnto("ITEM_TURTLE_ROD", "buck");
    way.Expect("UseItem \"ITEM_TURTLE_ROD\" on \"" + CHAMBER + ":buck");
    way.Arrive(CORRIDOR);
}

// The sign in her cabin sends the ship home; there the fly goes through
// her father's door, Diego carries him home asleep, and the memories bring
// them back aboard to the chapter's end.
void HomeToTheMemories(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Leave("goto_bg001", HER_CABIN);
    way.Leave("goto_bg002", CORRIDOR);
    OverTheGangway(way, "BG002_DOCK_SAIL", WORLD_MAP);
    way.Leave("bo", CORRIDOR, Exit::Hotspot);
    play.DragItemOnto("ITEM_TSETSE_FLY", "goto_bg003");
    way.Expect("UseItem \"ITEM_TSETSE_FLY\" on \"" + CORRIDOR + ":goto_bg003");
    play.WaitUntilInteractive();
    way.Leave("goto_bg003", FATHERS_CABIN);
    way.Arrive(LIVING_ROOM);
    play.Screenshot("memories");
    play.Use("alessandro_c", Verb::Talk);
    way.Expect("Action \"Talk\" on \"" + LIVING_ROOM + ":alessandro_c");
    way.Arrive(FATHERS_CABIN);
    way.Arrive(LOADING);
}

using ChapterSixPlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterSixPlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 6));

    TestSupport::ContinueTheChapter(way, FATHERS_CABIN);
    play.RecordStory("start");
    ToTannerIsland(way);
    TheJetty(way);
    TheBridge(way);
    TheFire(way);
    TheWayDown(way);
    TheTurtleRod(way);
    HomeToTheMemories(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    // The birds were beaten on the bridge, not skipped from the game's box.
    EXPECT_NE(ReadFileText(folder / "play.txt").find("won on screen"), std::string::npos);
    const TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    EXPECT_EQ(start.scene, FATHERS_CABIN);
    TestSupport::ExpectChapterStartHolds(start, 6);
    TestSupport::ExpectChapterSixEnded(end);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterSixPlay",
                                            {"course_set", "fire_lit", "way_down_open", "memories"});
}

} // namespace
