// Chapter 1 as a player plays it: the real program with its SDL input,
// played by mouse and keyboard events at the places of the scenes' own
// objects, from the start menu through the chores, the yard, the hill with
// the duel, the fork and the human ladder to the end of the chapter.
#include "Support/ChapterEnds.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using TestSupport::ClickStyle;
using TestSupport::Exit;
using TestSupport::ReadFileText;
using TestSupport::Verb;
using TestSupport::Way;

const std::string ROOM = "bg101_BO_CastilloLivingRoom";
const std::string YARD = "bg102_BO_CastilloHouseExterior";
const std::string MAP = "bg901_BountyIslandMap";
const std::string HILL = "bg103_BO_FlatTopHill";
const std::string FORK = "bg104_BO_Fork";
const std::string LOADING = "bg993_Loading_placeholder";

// From the start menu to the living room, which opens with the mother's
// first words; the new game is chapter 1's start.
void StartANewGame(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.SkipToScene("bg999_start_menu");
    play.WaitUntilInteractive();
    for (const char* button : {"main_logo", "start"}) {
        play.Click(button);
        play.WaitUntilInteractive();
        way.Expect("Action \"Activate\" on \"bg999_start_menu:" + std::string(button));
    }
    play.Click("slot1", ClickStyle::Held);
    way.Expect("Action \"Activate\" on \"bg999_start_menu:slot1");
    play.WaitForMovie();
    // A click skips the intro movie.
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive("bg902_Controls");
    way.Leave("skip_1", ROOM);
    play.Screenshot("arrival");
    play.RecordStory("start");
}

// Each of the mother's answers, the last one (goodbye) on the second page.
void TalkToTheMother(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.OpenVerbMenu("bonita_c_chair");
    play.PointAtVerb(Verb::Talk);
    play.Screenshot("verb_menu");
    play.ClickHere();
    play.WaitForChoices();
    play.Screenshot("talk_choices");
    for (int32_t proposition = 0; proposition < 4; ++proposition)
        play.Choose(proposition, proposition % 2 ? ClickStyle::Held : ClickStyle::Quick);
    play.WaitUntilInteractive();
    way.Expect("Action \"Talk\" on \"" + ROOM + ":bonita_c_chair");
}

// The dustpan, the brush, the cloth, the jug and the wooden sword from the
// toy chest; the dustpan and brush put together sweep the three patches of
// dust and come back full; the cloth is still dry for the window.
void DoTheChores(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    for (const char* thing : {"dustpan", "brush", "cloth", "water_jug", "toys_chest"})
        way.Do(thing, Verb::Activate);
    way.PutTogether("ITEM_DUSTPAN", "ITEM_BRUSH");

    play.OpenInventory();
    play.PickUpItem("ITEM_DUSTPAN_AND_BRUSH");
    play.CarryTo("dust_patch_1");
    play.Screenshot("drag_caption");
    play.Drop();
    play.WaitUntilInteractive();
    way.Expect("UseItem \"ITEM_DUSTPAN_AND_BRUSH\" on \"" + ROOM + ":dust_patch_1");
    for (const char* patch : {"dust_patch_2", "dust_patch_3"})
        way.Give("ITEM_DUSTPAN_AND_BRUSH", patch);
    play.Screenshot("swept");

    way.Do("dirty_window", Verb::Look, ClickStyle::Held);
    way.Give("ITEM_DRY_CLOTH", "dirty_window");

    play.PointAt("goto_bg102");
    play.Screenshot("front_door");
    way.Leave("goto_bg102", YARD);
}

// The yard: the pump handle, the magnet from the woodpile, the bolt from
// the mud; handle and bolt mend the pump.
void MendThePump(Way& way)
{
    way.Do("pump_hundle", Verb::Activate);
    way.Do("woodpile", Verb::Activate);
    way.Give("ITEM_MAGNET", "muddy_patch");
    way.PutTogether("ITEM_PUMP_HANDLE", "ITEM_PIVOT_BOLT");
    way.Give("ITEM_HANDLE_AND_BOLT", "water_pump");
    way.Play().Screenshot("pump_mended");
}

// The jug under the mended pump, pumped full; the dust into the barrel.
void FillTheJugAndEmptyTheDustpan(Way& way)
{
    way.Give("ITEM_WATER_JUG", "water_pump");
    way.Do("water_pump", Verb::Activate);
    way.Give("ITEM_DUSTPAN_BRUSH_FULL", "large_barrel");
    way.Leave("goto_bg101", ROOM, Exit::Hotspot);
}

// The bucket filled from the jug, the cloth wetted in it, the window
// washed: the mother's chores are done.
void WashTheWindow(Way& way)
{
    way.Give("ITEM_FILLED_WATER_JUG", "empty_bucket");
    way.Give("ITEM_DRY_CLOTH", "water_bucket");
    way.Give("ITEM_WET_CLOTH", "dirty_window");
    way.Leave("goto_bg102", YARD);
}

// The jug filled again and brought back to its place: all chores done.
void BringTheJugBack(Way& way)
{
    way.Give("ITEM_WATER_JUG", "water_pump");
    way.Do("water_pump", Verb::Activate);
    way.Leave("goto_bg101", ROOM, Exit::Hotspot);
    way.Leave("goto_bg102", YARD);
}

// Out of the yard by the path, over the map to the hill.
void OffToTheHill(Way& way)
{
    way.Travel("goto_bg901", HILL, Exit::Hotspot);
}

// The rope from the broken ladder; the duel with Arno through its boxes:
// lost by waiting (how long Arno takes depends on his draws, which the
// play's clock seeds alike in every run), then retried and skipped; Arno
// tied up, Bobby talked to and helping the kid up the rock, from where she
// sees the boat.
void BeatArnoAndClimbTheRock(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("broken_ladder", Verb::Activate);
    play.DragItemOnto("ITEM_WOODEN_SWORD", "arno_kid");
    way.Expect("UseItem \"ITEM_WOODEN_SWORD\" on \"" + HILL + ":arno_kid");
    way.Expect("Before MG Init");
    // Go on; the end box's Retry; the instructions' Skip.
    for (const int32_t button : {0, 1, 1})
        play.ChooseInMiniGameBox(button);
    play.WaitForMiniGameEnd();
    way.Expect("After MG Shutdown");
    way.Expect("Load scene : \"scenes/" + HILL + ".twscene.pc\"");
    way.Give("ITEM_ROPE", "arno_kid");
    way.Do("bobby_kid", Verb::Talk);
    way.Give("ITEM_BOBBY_KID", "lookout_rock");
    play.Screenshot("boat_seen");
    way.Travel("goto_bg104", FORK, Exit::Hotspot);
}

// After the ambush at the fork: the flask wakes the shepherd and breaks,
// his stick, the cloth dried on the rock, the grass lit on it with the
// flask's bottom; the torch of stick and cloth to the burning grass, the
// movie, and home over the map.
void TheFork(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("flask_of_water", Verb::Activate);
    way.Give("ITEM_FLASK_OF_WATER", "manuel");
    way.Do("shepherds_stick", Verb::Activate);
    way.Give("ITEM_WET_CLOTH", "rock");
    way.Do("dry_grass", Verb::Activate);
    way.Give("ITEM_DRY_GRASS", "rock");
    way.Give("ITEM_BROKEN_FLASK_BOTTOM", "rock");
    play.Screenshot("grass_burning");
    way.PutTogether("ITEM_SHEPHERDS_STICK", "ITEM_DRY_CLOTH");
    play.DragItemOnto("ITEM_TORCH", "burning_grass");
    way.Expect("UseItem \"ITEM_TORCH\" on \"" + FORK + ":burning_grass");
    play.WaitForMovie();
    // A click skips the movie.
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Expect("Load scene : \"scenes/" + FORK + ".twscene.pc\"");
    way.Expect("Load scene : \"scenes/" + MAP + ".twscene.pc\"");
    way.Arrive(YARD);
}

// Diego met at the gate; the children called to the bedroom window, Bobby
// and Nell make a ladder, the kid climbs onto the ledge and round it home.
void TheHumanLadder(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    way.Do("bedroom_window", Verb::Activate);
    way.Give("ITEM_BOBBY_KID", "bedroom_window");
    way.Give("ITEM_NELL_KID", "bedroom_window");
    way.Do("human_ladder", Verb::Activate);
    play.Screenshot("ledge");
    play.Use("ledge", Verb::Activate);
    way.Expect("Action \"Activate\" on \"" + YARD + ":ledge");
    way.Expect("Load scene : \"scenes/" + ROOM + ".twscene.pc\"");
}

// Her father home, the room ends the chapter on the loading screen.
void TheEndOfTheChapter(Way& way)
{
    way.Arrive(LOADING);
    way.Play().Screenshot("loading");
}

using ChapterOnePlayTest = TestSupport::GamePlayTest;

TEST_F(ChapterOnePlayTest, ANewGameIsPlayedByMouseFromTheStartMenuToTheEndOfTheChapter)
{
    StartANewGame(way);
    TalkToTheMother(way);
    DoTheChores(way);
    play.RecordStory("chores");
    MendThePump(way);
    FillTheJugAndEmptyTheDustpan(way);
    WashTheWindow(way);
    BringTheJugBack(way);
    OffToTheHill(way);
    BeatArnoAndClimbTheRock(way);
    TheFork(way);
    TheHumanLadder(way);
    TheEndOfTheChapter(way);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;
    const std::string transcript = ReadFileText(folder / "play.txt");
    EXPECT_TRUE(TestSupport::InOrder(transcript,
                                     {"reads \"What do I have to do today?\"", "reads \"What are you embroidering?\"",
                                      "reads \"Can I go out to play?\"", "reads \"See you later.\""}));

    // The new game is chapter 1's start.
    const TestSupport::StoryRecord start = TestSupport::RecordedStory(folder, "start");
    EXPECT_EQ(start.scene, ROOM);
    EXPECT_EQ(start.character, "tavrine_kid");
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 1);

    // Out of the room the first time, with the dustpan full of the dust.
    const TestSupport::StoryRecord chores = TestSupport::RecordedStory(folder, "chores");
    EXPECT_EQ(chores.scene, YARD);
    for (const char* flag :
         {"VARBOOL_BG101_C01_EVENT_FIRST_TIME", "VARBOOL_QUEST_C1_CHORES", "VARBOOL_BG101_C01_CLEAN_ALL_DUST_PATCH",
          "VARBOOL_BG101_C01_DUSTPAN_IS_FULL", "VARBOOL_BG101_C01_PICK_WOODEN_SWORD"})
        EXPECT_EQ(chores.flags.count(flag), 1u) << flag;
    // The way out is open again for the next visit.
    EXPECT_EQ(chores.flags.count("VARBOOL_BG101_C01_EXIT_BG102"), 0u);
    EXPECT_EQ(chores.items, (std::set<std::string> {"ITEM_DUSTPAN_BRUSH_FULL", "ITEM_DRY_CLOTH", "ITEM_WATER_JUG",
                                                    "ITEM_WOODEN_SWORD"}));

    TestSupport::ExpectChapterOneEnded(end);

    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ChapterOnePlay",
                                            {"arrival", "verb_menu", "talk_choices", "drag_caption", "swept",
                                             "front_door", "pump_mended", "boat_seen", "grass_burning", "ledge",
                                             "loading"});
}

} // namespace
