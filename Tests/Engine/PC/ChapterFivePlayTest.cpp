// Chapter 5 as a player plays it: the real program with its SDL input,
// played by mouse events at the places of the scenes' own objects and the
// arrow keys in the chase, from the chapter's start slot: Briscoe's guards,
// Manuel's errands with Nacho's shirt and Tasco's rum, Diego at the locked
// family house, the spirit of the room of her childhood and the small
// blanket, the guards put to sleep, Elizabeth and Briscoe in his house, the
// fire, the chase won and the capture on the docks, to the loading screen.
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
const std::string CORRIDOR = "bg002_WM_Corridor";
const std::string DOCKS = "bg105_BO_Docks";
const std::string INN = "bg106_BO_AdmiralsRest";
const std::string BRISCOES_HOUSE = "bg110_BO_BriscoesHouseExterior";
const std::string BRISCOES_INTERIOR = "bg111_BO_BriscoesHouseInterior";
const std::string BURNING_HOUSE = "bg111_BO_BriscoesHouseInterior_B";
const std::string FAMILY_YARD = "bg112_BO_CastilloHouseExterior_A";
const std::string FAMILY_ROOM = "bg113_BO_CastilloLivingRoom_A";
const std::string CHILDHOOD_ROOM = "bg101_BO_CastilloLivingRoom";
const std::string TSETSE_FLY = "bg814_CU_04_TseTseFly";
const std::string LOADING = "bg993_Loading_placeholder";

// Briscoe has waited in the cabin and takes her ashore; up the lane the
// guards at his house stop him, and back on the docks he comes along while
// she runs Manuel's errands.
void TheGuardedHouse(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Arrive(DOCKS);
    way.Start("thomas_b", Verb::Talk);
    way.Expect(SceneLoadLine(BRISCOES_HOUSE));
    way.Arrive(DOCKS);
    way.Do("manuel", Verb::Talk);
    play.Screenshot("errands");
}

// Nacho's spare shirt and the gold earring that brings him into the crew;
// Tasco, asked about the guards and shown Briscoe, gives the rum.
void TheInn(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Leave("goto_bg106", INN);
    way.Do("nacho", Verb::Talk);
    way.Give("ITEM_GOLD_EARRING", "nacho");
    play.Use("tasco", Verb::Talk);
    play.ChooseKey("BG106_ASK_GUARDS");
    play.ChooseKey("BG106_BYE");
    play.WaitUntilInteractive();
    way.Expect("Action \"Talk\" on \"" + INN + ":tasco");
    way.Give("ITEM_BRISCOE", "tasco");
    way.Leave("goto_bg105", DOCKS);
}

// Aboard, Diego hears of the locked family house and opens it; the toy
// chest throws her back into the room of her childhood, where the spirit
// that seals it is freed by the blanket in the chest and a painted flower.
// Back in the present the chest gives up the blanket, and the book shows the
// sleepy fly.
void TheFamilyHouse(Way& way)
{
    way.LeaveAnswering("the_winsome_maid", "BG105_SHIP_ABOARD", CORRIDOR, Exit::Hotspot);
    way.LeaveBy("diego", Verb::Talk, FAMILY_YARD);
    way.Give("ITEM_DIEGO", "goto_bg101");
    way.Arrive(FAMILY_ROOM);
    way.Do("crossbow", Verb::Activate);
    way.LeaveBy("toys_chest", Verb::Activate, CHILDHOOD_ROOM);
    for (const char* thing : {"paint_set", "paint_brush", "sheet_of_paper", "small_blanket"})
        way.Do(thing, Verb::Activate);
    way.PutTogether("ITEM_PAINT_BRUSH", "ITEM_PAINT_SET");
    way.PutTogetherThenWatch("ITEM_PAINT_KIT", "ITEM_SHEET_OF_PAPER");
    way.Give("ITEM_SMALL_BLANKET", "toys_chest");
    way.Give("ITEM_FLOWER_PICTURE", "bonita_spirit");
    way.Leave("goto_bg102", FAMILY_ROOM);
    way.Do("toys_chest", Verb::Activate);
    way.LeaveBy("fauna_flora_book", Verb::Activate, TSETSE_FLY);
    way.Leave("clique", FAMILY_ROOM, Exit::Hotspot);
    way.Leave("goto_bg112", FAMILY_YARD);
}

// Over the map back to the docks: the shirt and the wedding gift for
// Manuel, and Briscoe takes her to his house; the rum and the fruit on the
// bell put the guards to sleep, and the spare key opens the door.
void TheErrandsDone(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.TravelByMap(DOCKS);
    way.Give("ITEM_SHIRT", "manuel");
    play.DragItemOnto("ITEM_SMALL_BLANKET", "manuel");
    way.Expect("UseItem \"ITEM_SMALL_BLANKET\" on \"" + DOCKS + ":manuel");
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive(BRISCOES_HOUSE);
    play.Screenshot("guarded_house");
    way.Give("ITEM_STRONG_RUM", "dinsdale");
    way.Give("ITEM_FRUIT", "old_bell");
    play.DragItemOnto("ITEM_SPARE_KEY", "goto_bg111");
    way.Expect("UseItem \"ITEM_SPARE_KEY\" on \"" + BRISCOES_HOUSE + ":goto_bg111");
}

// Inside, Elizabeth is untied and heard, and Arno comes in and sets the house
// on fire; the iron bar, the purse's powder through the pistols, the
// gunpowder and the net curtain's fringes on the front door and a match blow
// it open.
void TheFire(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Expect(SceneLoadLine(BRISCOES_INTERIOR));
    play.WaitUntilInteractive();
    way.Arrive(BURNING_HOUSE);
    way.Do("iron_bar", Verb::Activate);
    way.Do("small_purse", Verb::Activate);
    way.Give("ITEM_SMALL_PURSE", "pistols");
    way.Give("ITEM_GUNPOWDER", "goto_bg110");
    way.Give("ITEM_MAGNIFICENT_SWORD", "net_curtain");
    play.Screenshot("burning_house");
    way.Give("ITEM_SILK_FRINGES", "goto_bg110");
    play.DragItemOnto("ITEM_MATCH_BOX", "goto_bg110");
    way.Expect("UseItem \"ITEM_MATCH_BOX\" on \"" + BURNING_HOUSE + ":goto_bg110");
    play.WaitForMovie();
    play.ClickHere();
}

// Out of the house the chase begins and is won; the game goes on at the
// docks, where Arno, Carlo and Razzo are caught and Arno slips her the
// sketch map.
void TheChaseAndTheCapture(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.WaitForScene(BRISCOES_HOUSE);
    way.Expect(SceneLoadLine(BRISCOES_HOUSE));
    play.PlayChase();
    way.Expect("Before MG Init");
    way.Expect("After MG Shutdown");
    way.Expect(SceneLoadLine(DOCKS));
    way.Expect(SceneLoadLine(DOCKS));
    way.Arrive(LOADING);
    play.Screenshot("loading");
}

using ChapterFivePlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterFivePlayTest, TheChapterIsPlayedByMouseFromItsStartSlotToTheLoadingScreen)
{
    ASSERT_TRUE(TestSupport::WriteChapterStartSlot(folder, 5));

    TestSupport::ContinueTheChapter(way, FATHERS_CABIN);
    TheGuardedHouse(way);
    TheInn(way);
    TheFamilyHouse(way);
    TheErrandsDone(way);
    TheFire(way);
    TheChaseAndTheCapture(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    const std::string transcript = ReadFileText(folder / "play.txt");
    EXPECT_NE(transcript.find("won with"), std::string::npos) << transcript;
    TestSupport::ExpectChapterFiveEnded(end);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterFivePlay",
                                            {"errands", "guarded_house", "burning_house", "loading"});
}

} // namespace
