// The family's living room years on as a player plays it: the real program
// with its SDL input, from a slot in the room in chapter 5 after the chest has
// thrown her back and she has come round again, played by mouse at the places
// of the room's own objects: the crossbow taken off the wall, the chest opened
// for the small blanket, and the fauna and flora book taken from its shelf,
// which opens on the sleeping fly; a click on the picture brings her back to
// read on.
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

using TestSupport::Exit;
using TestSupport::Verb;
using TestSupport::Way;

const std::string LIVING_ROOM = "bg113_BO_CastilloLivingRoom_A";
const std::string TSETSE_FLY = "bg814_CU_04_TseTseFly";

constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 5}};
constexpr int32_t BOOLS[] = {VARBOOL_BG113_C05_EVENT_SAD_MEMORIES, VARBOOL_BG113_C05_EVENT_WHAT_WAS_THAT,
                             VARBOOL_BG113_C05_EVENT_RETURN_SPIRIT};
constexpr int32_t LIVING_ROOM_ID = 21;

using LivingRoomYearsOnPlayTest = TestSupport::GamePlayTest;

TEST_F(LivingRoomYearsOnPlayTest, CrossbowBlanketAndBookTakenAndTheFlySeenByMouseFromASlotAfterTheChestsBlast)
{
    const ChapterStart inTheRoom {ActorNamed<"tavrine"> {}, {}, INTS, BOOLS, LIVING_ROOM_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheRoom));

    TestSupport::ContinueTheChapter(way, LIVING_ROOM);
    play.Screenshot("after_the_blast");
    way.Do("crossbow", Verb::Activate);
    way.Do("toys_chest", Verb::Activate);
    way.Do("fauna_flora_book", Verb::Activate);
    way.Arrive(TSETSE_FLY);
    way.Leave("clique", LIVING_ROOM, Exit::Hotspot);
    play.Screenshot("all_taken");
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, LIVING_ROOM);
    for (const char* item : {"ITEM_CROSSBOW", "ITEM_SMALL_BLANKET", "ITEM_FAUNA_FLORA_BOOK"})
        EXPECT_TRUE(story.items.contains(item)) << item;
    for (const char* flag : {"VARBOOL_BG113_C05_PICK_CROSSBOW", "VARBOOL_BG113_C05_PICK_SMALL_BLANCKET",
                             "VARBOOL_BG113_C05_PICK_FAUNA_FLORA_BOOK", "VARBOOL_QUEST_C5_SLEEPY_FLY01_DONE",
                             "VARBOOL_QUEST_C5_SLEEPY_FLY02"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/LivingRoomYearsOnPlay",
                                            {"after_the_blast", "all_taken"});
}

} // namespace
