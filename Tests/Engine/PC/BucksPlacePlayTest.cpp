// Buck's place as a player plays it: the real program with its SDL input,
// from a slot saved in the camp in chapter 6 once the brushwood, the nuts,
// the board and the fish skewer are hers, played by mouse at the places of
// the camp's own objects: Buck talked to and asked about his device, the
// fire lit under him, the skewer cooked and traded for his iron stem, his
// cogwheel, the lamp filled in the press and the bridge mended.
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

const std::string BUCKS_PLACE = "bg402_TA_BucksPlace";

constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_MATCH_BOX"),       ItemNamed("ITEM_BRUSHWOOD"),
                              ItemNamed("ITEM_RAW_FISH_SKEWER"), ItemNamed("ITEM_NUTS"),
                              ItemNamed("ITEM_WOOD_BOARD"),      ItemNamed("ITEM_HAMMER_AND_PITON")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 6}};
constexpr int32_t BOOLS[] = {VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS, VARBOOL_BG402_C06_FIRST_TIME};
constexpr int32_t BUCKS_PLACE_ID = 40;

// Talks to Buck, asks each question in turn and says goodbye.
void AskBuck(TestSupport::PlayScript& play, Way& way, std::initializer_list<const char*> questions)
{
    play.Use("buck", Verb::Talk);
    for (const char* question : questions)
        play.ChooseKey(question);
    play.ChooseKey("BG402_BYE");
    play.WaitUntilInteractive();
    way.Expect("Action \"Talk\" on \"" + BUCKS_PLACE + ":buck");
}

using BucksPlacePlayTest = TestSupport::GamePlayTest;

TEST_F(BucksPlacePlayTest, BucksCampIsPlayedByMouseFromTheFireToTheMendedBridge)
{
    const ChapterStart inTheCamp {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, BUCKS_PLACE_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheCamp));

    TestSupport::ContinueTheChapter(way, BUCKS_PLACE);
    AskBuck(play, way, {"BG402_ASK_DEVICE"});

    // The fire: brushwood, a match, and Buck is up.
    way.Give("ITEM_BRUSHWOOD", "campfire");
    way.Give("ITEM_MATCH_BOX", "campfire");
    play.Screenshot("fire_lit");

    // The skewer cooked on it goes to Buck for his iron stem; then his cogwheel.
    way.Give("ITEM_RAW_FISH_SKEWER", "campfire");
    way.Give("ITEM_HOT_FISH_SKEWER", "buck");
    AskBuck(play, way, {"BG402_ASK_MACHINE"});

    // The lamp, filled in the press.
    way.Do("oil_lamp", Verb::Activate);
    way.Give("ITEM_OIL_LAMP", "nut_press");
    way.Give("ITEM_NUTS", "nut_press");
    way.Do("nut_press", Verb::Activate);

    // The bridge: the board laid, then nailed down.
    way.Give("ITEM_WOOD_BOARD", "broken_bridge");
    way.Give("ITEM_HAMMER_AND_PITON", "dangerous_bridge");
    play.Screenshot("bridge_mended");
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, BUCKS_PLACE);
    for (const char* item : {"ITEM_GREASY_IRON_STEM", "ITEM_COGWHEEL", "ITEM_LAMP_WITH_OIL", "ITEM_SMALL_HAMMER"})
        EXPECT_TRUE(story.items.contains(item)) << item;
    for (const char* item : {"ITEM_BRUSHWOOD", "ITEM_RAW_FISH_SKEWER", "ITEM_HOT_FISH_SKEWER", "ITEM_NUTS",
                             "ITEM_OIL_LAMP", "ITEM_WOOD_BOARD", "ITEM_HAMMER_AND_PITON"})
        EXPECT_FALSE(story.items.contains(item)) << item;
    for (const char* flag :
         {"VARBOOL_BG402_C06_TALK_BUCK", "VARBOOL_BG402_C06_TALK_BUCK_ABOUT_STRANGE_DEVICE",
          "VARBOOL_QUEST_C6_FIRE_DONE", "VARBOOL_BG402_C06_HAVE_COGWHEEL", "VARBOOL_BG402_C06_HAVE_LAMP_WITH_OIL",
          "VARBOOL_QUEST_C6_FIX_BRIDGE_DONE", "VARBOOL_QUEST_C6_STABILIZE_BRIDGE_DONE"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/BucksPlacePlay", {"fire_lit", "bridge_mended"});
}

} // namespace
