// Briscoe's house inside as a player plays it: the real program with its SDL
// input, played by mouse events at the characters' own places, from a slot
// saved in the house after the arrival: Elizabeth is talked to and untied,
// Briscoe is heard, and her next talk brings Arno in, whose fire and movie
// lead on to the burning house.
#include "Common/ActorIds.h"
#include "Common/IdHash.h"
#include "Common/VarIds.h"
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

const std::string HOUSE = "bg111_BO_BriscoesHouseInterior";
constexpr int32_t HOUSE_ID = 18;

using BriscoesHouseInteriorPlayTest = TestSupport::GamePlayTest;

TEST_F(BriscoesHouseInteriorPlayTest, ElizabethIsUntiedBriscoeHeardAndArnoSetsTheFireByMouse)
{
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 5}};
    const int32_t bools[] = {VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, {Id::GetActorId("tavrine"), {}, ints, bools, HOUSE_ID}));

    TestSupport::ContinueTheChapter(way, HOUSE);
    play.Screenshot("tied");
    way.Do("elizabeth_b", Verb::Talk);
    play.Screenshot("untied");
    way.Do("thomas_b", Verb::Talk);
    play.RecordStory("heard");

    play.Use("elizabeth_b", Verb::Talk);
    way.Expect("Action \"Talk\" on \"" + HOUSE + ":elizabeth_b");
    play.WaitForMovie();
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive("bg111_BO_BriscoesHouseInterior_B");
    PlayToTheEnd();
    if (HasFatalFailure())
        return;

    const TestSupport::StoryRecord story = TestSupport::RecordedStory(folder, "heard");
    EXPECT_EQ(story.scene, HOUSE);
    EXPECT_TRUE(story.items.contains("ITEM_ROPE"));
    for (const char* flag : {"VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE", "VARBOOL_QUEST_C5_FIND_JEWELS",
                             "VARBOOL_BG111_C05_TALK_ELIZABETH", "VARBOOL_BG111_C05_TALK_BRISCOE"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/BriscoesHouseInteriorPlay", {"tied", "untied"});
}

} // namespace
