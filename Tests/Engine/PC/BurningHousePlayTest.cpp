// Briscoe's burning house as a player plays it: the real program with its SDL
// input, from a slot in the house on fire in chapter 5, played by mouse at
// the places of the house's own objects: the purse's powder taken through the
// pistols, the gunpowder and the fringes cut from the net curtain put on the
// front door, and the match that blows it open into the movie and outside.
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

const std::string BURNING_HOUSE = "bg111_BO_BriscoesHouseInterior_B";

constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_MAGNIFICENT_SWORD"), ItemNamed("ITEM_MATCH_BOX")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 5}};
constexpr int32_t BOOLS[] = {VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE};
constexpr int32_t BURNING_HOUSE_ID = 19;

using BurningHousePlayTest = TestSupport::GamePlayTest;

TEST_F(BurningHousePlayTest, TheFringesTheGunpowderAndAMatchBlowTheDoorOpenPlayedByMouse)
{
    const ChapterStart inTheFire {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, BURNING_HOUSE_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheFire));

    TestSupport::ContinueTheChapter(way, BURNING_HOUSE);
    way.Do("small_purse", Verb::Activate);
    way.Give("ITEM_SMALL_PURSE", "pistols");
    way.Give("ITEM_GUNPOWDER", "goto_bg110");
    way.Give("ITEM_MAGNIFICENT_SWORD", "net_curtain");
    play.Screenshot("fringes_cut");
    way.Give("ITEM_SILK_FRINGES", "goto_bg110");
    play.DragItemOnto("ITEM_MATCH_BOX", "goto_bg110");
    way.Expect("UseItem \"ITEM_MATCH_BOX\" on \"" + BURNING_HOUSE + ":goto_bg110");
    play.WaitForMovie();
    // A click skips the movie.
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive("bg110_BO_BriscoesHouseExterior");
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    // Outside, the house's front goes on with the escape by itself.
    EXPECT_FALSE(story.scene.starts_with("bg111")) << story.scene;
    EXPECT_FALSE(story.items.contains("ITEM_SILK_FRINGES") || story.items.contains("ITEM_SMALL_PURSE"));
    for (const char* flag : {"VARBOOL_BG111_C05_EVENT_BURNIN_HOUSE", "VARBOOL_BG111_C05_PICK_SMALL_PURSE",
                             "VARBOOL_BG111_C05_PICK_SILK_FRINGES", "VARBOOL_BG111_C05_USE_GUNPOWDER_ON_FRONT_DOOR",
                             "VARBOOL_BG111_C05_USE_SILK_FRINGES_ON_FRONT_DOOR"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    EXPECT_EQ(story.numbers.at("VARINT_BURNING_HOUSE"), 50);
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/BurningHousePlay", {"fringes_cut"});
}

} // namespace
