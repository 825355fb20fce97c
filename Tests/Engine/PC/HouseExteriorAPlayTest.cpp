// The yard before the family house as a player plays it: the real program
// with its SDL input, from a slot in the yard in chapter 5 after the talk with
// Diego about the locked house, played by mouse at the places of the yard's
// own objects: the locked door tried in vain, then Diego handed to it, who
// opens it and goes in with her.
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

const std::string YARD = "bg112_BO_CastilloHouseExterior_A";
const std::string LIVING_ROOM = "bg113_BO_CastilloLivingRoom_A";

constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_DIEGO")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 5}};
constexpr int32_t BOOLS[] = {VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE, VARBOOL_BG112_C05_EVENT_MEMORIES};
constexpr int32_t YARD_ID = 20;

using HouseExteriorAPlayTest = TestSupport::GamePlayTest;

TEST_F(HouseExteriorAPlayTest, DiegoOpensTheLockedDoorPlayedByMouseFromASlotInTheYard)
{
    const ChapterStart inTheYard {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, YARD_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheYard));

    TestSupport::ContinueTheChapter(way, YARD);
    play.Screenshot("diego_waits");
    way.Do("goto_bg101", Verb::Activate);
    way.Give("ITEM_DIEGO", "goto_bg101");
    way.Arrive(LIVING_ROOM);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, LIVING_ROOM);
    EXPECT_FALSE(story.items.contains("ITEM_DIEGO"));
    EXPECT_TRUE(story.flags.contains("VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR"));
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/HouseExteriorAPlay", {"diego_waits"});
}

} // namespace
