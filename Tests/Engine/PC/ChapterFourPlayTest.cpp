// Chapter 4 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects, from the
// chapter's start slot over the world map to Hollow island: Briscoe on the
// jetty and in the first town square, Sancha's net, Percy's bell and its
// clapper, Miss Brown and the key rack's lost key, Diego fetched from the
// ship, the garden's column and its half disk, the dark beach and reefs,
// the ladder and Briscoe untied, to the loading screen.
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

const std::string NIGHT_CABIN = "bg004_WM_AlessandrosCabin_N";
const std::string CORRIDOR = "bg002_WM_Corridor";
const std::string WORLD_MAP = "bg911_WorldMap";
const std::string JETTY = "bg301_HO_Jety";
const std::string FIRST_SQUARE = "bg302_HO_TownSquareA";
const std::string MIDDLE_SQUARE = "bg303_HO_TownSquareB";
const std::string PERCYS_SQUARE = "bg304_HO_TownSquareC";
const std::string RECEPTION = "bg305_HO_TownHallReception";
const std::string GARDEN = "bg306_HO_Garden";
const std::string DARK_BEACH = "bg307_HO_DarkBeach";
const std::string DARK_REEFS = "bg308_HO_DarkReefs";
const std::string FATHERS_CABIN = "bg003_WM_AlessandrosCabin";
const std::string LOADING = "bg993_Loading_placeholder";

// The news of Eduardo plays as she comes in and sends her to Hollow island;
// down the gangway, the boat sails; Briscoe follows her ashore and up to
// the town, where the half disk sends him after its other half.
void ToHollowIsland(Way& way)
{
    way.Leave("goto_bg002", CORRIDOR);
    way.LeaveAnswering("goto_main_dock", "BG002_DOCK_SAIL", WORLD_MAP);
    way.Leave("ho", JETTY, Exit::Hotspot);
    way.Leave("goto_hollow_map", FIRST_SQUARE);
    way.Answer("thomas_b", "BG302_SHOW_DISK");
    way.Leave("goto_bg303", MIDDLE_SQUARE);
    way.Leave("goto_bg304", PERCYS_SQUARE);
}

// The broken bell throws its clapper into the cement; Sancha, back at her
// stall, sells the net that fishes it out; washed and mended with the
// hairpin it makes the bell ring, and Percy comes down.
void TheBell(Way& way)
{
    way.Do("percys_bell", Verb::Activate);
    way.Leave("goto_bg303", MIDDLE_SQUARE);
    way.Answer("sancha", "BG303_BUY_NET");
    way.Leave("goto_bg304", PERCYS_SQUARE);
    way.Give("ITEM_NET", "wheelbarrow");
    way.Give("ITEM_STICKY_CLAPPER", "quiet_river");
    way.PutTogetherThenWatch("ITEM_CLAPPER", "ITEM_HAIRPIN");
    way.Give("ITEM_REPAIRED_CLAPPER", "percys_bell");
    way.Do("percys_fixed_bell", Verb::Activate);
}

// Miss Brown: a word, the half disk that upsets her, Percy, of whom she
// speaks until she finds her chest's key gone and faints. When she comes to,
// the heroine thinks of the key rack, where the lost key is found.
void TheLostKey(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Leave("goto_bg305", RECEPTION);
    way.Answer("missbrown", "BG305_BYE");
    way.Give("ITEM_HALF_STONE_DISK01", "missbrown");
    way.Answer("missbrown", "BG305_ASK_PERCY");
    way.Leave("goto_bg304", PERCYS_SQUARE);
    way.Leave("goto_bg305", RECEPTION);
    play.Screenshot("key_rack");
    way.Start("key_rack", Verb::Activate);
    play.PlayLostKey();
    way.Expect("Before MG Init");
    way.Expect("After MG Shutdown");
    // Back from the rack the scene comes up anew once the key is found.
    way.Expect(SceneLoadLine(RECEPTION));
    way.Arrive(RECEPTION);
}

// Percy lets her up to his garden; first she goes for Vasco's egg shell and
// for Diego, who waits aboard and comes ashore once he hears of Hilary and
// along once he hears about Alessandro. The egg shell brings out Miss
// Brown's torn report, and the wall map shows the dark beach it tells of.
void TheGardenGate(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Leave("goto_bg304", PERCYS_SQUARE);
    play.Screenshot("town");
    way.Do("percy", Verb::Talk);
    way.Leave("goto_bg303", MIDDLE_SQUARE);
    way.Leave("goto_bg302", FIRST_SQUARE);
    way.Do("vasco", Verb::Talk);
    way.Leave("goto_map", JETTY);
    way.LeaveAnswering("goto_wm", "BG301_GANGWAY_ABOARD", CORRIDOR, Exit::Hotspot);
    way.LeaveBy("diego", Verb::Talk, FIRST_SQUARE);
    way.Answer("diego", "BG302_TELL_ALESSANDRO");
    way.Leave("goto_bg303", MIDDLE_SQUARE);
    way.Leave("goto_bg304", PERCYS_SQUARE);
    way.Leave("goto_bg305", RECEPTION);
    way.Give("ITEM_EGG_SHELL", "missbrown");
    way.Leave("goto_bg304", PERCYS_SQUARE);
    way.Leave("goto_bg306", GARDEN);
    play.RecordStory("garden");
}

// The shed's hammer and chisel are too weak in her hands for the mosaic
// column; Diego, called in and handed them, breaks it, and the rubble gives
// up the other half of the stone disk, which makes the whole one.
void TheColumn(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("percys_shed", Verb::Activate);
    way.Give("ITEM_HAMMER_CHISEL", "mosaic_column");
    way.Give("ITEM_DIEGO", "mosaic_column");
    play.Screenshot("garden");
    way.Give("ITEM_HAMMER_CHISEL", "diego");
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Expect(SceneLoadLine(GARDEN));
    way.Do("rubble", Verb::Activate);
    way.PutTogether("ITEM_HALF_STONE_DISK01", "ITEM_HALF_STONE_DISK02");
    way.Leave("goto_bg304", PERCYS_SQUARE);
}

// Over the island's map to the dark beach, where a coin lies in the puddle;
// from the cliff she sees Briscoe tied to a post below. Back over the map,
// she buys Sancha's earring, and Diego takes the ladder to the reefs, where
// they climb down; she unties Briscoe, who panics until Diego knocks him
// out, and they carry him aboard.
void TheReefs(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.TravelOver("goto_hollow_island", DARK_BEACH);
    way.Do("puddle_of_water", Verb::Activate);
    way.Leave("goto_bg308", DARK_REEFS);
    way.Leave("goto_bg307", DARK_BEACH);
    way.TravelOver("goto_hollow_island", PERCYS_SQUARE);
    way.Leave("goto_bg303", MIDDLE_SQUARE);
    way.Answer("sancha", "BG303_BUY_EARRING");
    play.DragItemOnto("ITEM_DIEGO", "ladder");
    way.Expect("UseItem \"ITEM_DIEGO\" on \"" + MIDDLE_SQUARE + ":ladder");
    way.Arrive(DARK_REEFS);
    play.Screenshot("reefs");
    way.Start("thomas_b", Verb::Talk);
    way.Expect(SceneLoadLine(FATHERS_CABIN));
    way.Arrive(LOADING);
    play.Screenshot("loading");
}

using ChapterFourPlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterFourPlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 4));

    TestSupport::ContinueTheChapter(way, NIGHT_CABIN);
    play.RecordStory("start");
    ToHollowIsland(way);
    TheBell(way);
    TheLostKey(way);
    TheGardenGate(way);
    TheColumn(way);
    TheReefs(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    // The slot continued the chapter's start: no new game, no intro movie
    // before the column's.
    const std::string log = ReadFileText(folder / "log.txt");
    EXPECT_GT(log.find("Before Movie Init"), log.find(SceneLoadLine(GARDEN)));
    const TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    EXPECT_EQ(start.scene, NIGHT_CABIN);
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 4);
    TestSupport::ExpectChapterStartHolds(start, 4);
    TestSupport::ExpectChapterFourAtTheOpenGarden(TestSupport::RecordedStory(folder, "garden"));
    TestSupport::ExpectChapterFourEnded(end);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterFourPlay",
                                            {"town", "key_rack", "garden", "reefs", "loading"});
}

} // namespace
