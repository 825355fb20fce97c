// The shaman's hut as a player plays it: the real program with its SDL input,
// from a slot saved in the hut in chapter 10 with the bird's egg, played by
// mouse at the places of the hut's own objects: the two pelts, the bone
// needle and the tough thread picked up and sewn into the hide bag, the
// mattress dragged off the secret trap, the trap's four columns turned to
// their sun faces in its close up, the great spirit egg taken in the bag
// under the falling grid, and the bird's egg laid in its place, which lifts
// the grid off the door and lays the mattress back.
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

const std::string HUT = "bg511_TU_ShamansHut";
const std::string TRAP = "bg801_CU_01_ShamansHut";

constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_BIRD_EGG")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 10}};
constexpr int32_t HUT_ID = 50;

using ShamansHutPlayTest = TestSupport::GamePlayTest;

TEST_F(ShamansHutPlayTest, TheHideBagTheTrapAndBothEggsPlayedByMouseFromASlotInTheHut)
{
    const ChapterStart inTheHut {ActorNamed<"tavrine"> {}, ITEMS, INTS, {}, HUT_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheHut));

    TestSupport::ContinueTheChapter(way, HUT);
    for (const char* thing : {"leather_hide_pelt", "fur_hide_pelt", "bone_needle", "tough_thread"})
        way.Do(thing, Verb::Activate);
    way.PutTogetherThenWatch("ITEM_BONE_NEEDLE", "ITEM_TOUGH_THREAD");
    way.PutTogetherThenWatch("ITEM_THREADED_NEEDLE", "ITEM_LEATHER_HIDE_PELT");
    way.PutTogetherThenWatch("ITEM_UNCOMPLETE_HIDE_BAG", "ITEM_FUR_HIDE_PELT");
    way.Do("mattress", Verb::Activate);
    way.LeaveBy("secret_trap_close", Verb::Activate, TRAP);
    // Column 2 four times, column 3 twice, column 4 four times, column 1
    // three times: every column at its sun face.
    for (const auto& [column, times] :
         {std::pair {"column2", 4}, std::pair {"column3", 2}, std::pair {"column4", 4}, std::pair {"column1", 3}})
        for (int i = 0; i < times; ++i)
            way.Do(column, Verb::Activate);
    play.Screenshot("trap_open");
    way.LeaveBy("exit", Verb::Activate, HUT);
    way.Give("ITEM_HIDE_BAG", "great_spirit_egg");
    play.Screenshot("prisoner");
    way.Give("ITEM_BIRD_EGG", "secret_trap_open");
    play.Screenshot("free");
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, HUT);
    EXPECT_TRUE(story.items.contains("ITEM_EGG_BAG"));
    for (const char* item : {"ITEM_HIDE_BAG", "ITEM_BIRD_EGG", "ITEM_BONE_NEEDLE", "ITEM_LEATHER_HIDE_PELT"})
        EXPECT_FALSE(story.items.contains(item)) << item;
    for (const char* flag : {"VARBOOL_BG511_C10_INT_LEATHER_HIDE_PELT", "VARBOOL_BG511_C10_INT_TOUGH_THREAD",
                             "VARBOOL_BG511_C10_SECRET_TRAP_OPEN", "VARBOOL_BG511_C10_AFTER_CLOSE_UP",
                             "VARBOOL_BG511_C10_USE_TURTLE_EGG_ON_TRAP", "VARBOOL_QUEST_C10_SPIRITEGG_02_DONE",
                             "VARBOOL_QUEST_C10_RETURN"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    EXPECT_FALSE(story.flags.contains("VARBOOL_BG511_C10_PRISONER"));
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/ShamansHutPlay", {"trap_open", "prisoner", "free"});
}

} // namespace
