// The golden turtle inn as a player plays it: the real program with its SDL
// input, played by mouse events at the places of the inn's own people, from a
// slot saved in the inn in chapter 8 with Diego along and the turtle rod: the
// meeting with uncle Eduardo plays as she comes in, Diego stays, and the rod
// shown to Eduardo gives the coordinates and sends her to the ship's cabin at
// night.
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

using TestSupport::Way;

const std::string INN = "bg206_CR_TortueOr";
const std::string NIGHT_CABIN = "bg004_WM_AlessandrosCabin_N";
constexpr int32_t INN_ID = 27;

using GoldenTurtleInnPlayTest = TestSupport::GamePlayTest;

TEST_F(GoldenTurtleInnPlayTest, EduardoIsMetAgainAndTheTurtleRodShownToHimByMouse)
{
    const uint32_t items[] = {ItemIdOf("ITEM_DIEGO"), ItemIdOf("ITEM_TURTLE_ROD"), ItemIdOf("ITEM_IRON_STEM")};
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 8}};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, {Id::GetActorId("tavrine"), items, ints, {}, INN_ID}));

    TestSupport::ContinueTheChapter(way, INN);
    play.Screenshot("met_again");

    play.DragItemOnto("ITEM_TURTLE_ROD", "uncle_eduardo");
    way.Expect("UseItem \"ITEM_TURTLE_ROD\" on \"" + INN + ":uncle_eduardo");
    way.Arrive(NIGHT_CABIN);
    const TestSupport::StoryRecord end = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(end.scene, NIGHT_CABIN);
    EXPECT_TRUE(end.items.contains("ITEM_TURTLE_ROD"));
    EXPECT_FALSE(end.items.contains("ITEM_DIEGO"));
    for (const char* flag : {"VARBOOL_QUEST_C8_TURTLE_INN03_DONE", "VARBOOL_QUEST_C4_UNCLE_EDUARDO05_DONE",
                             "VARBOOL_QUEST_C8_UNCLE_EDUARDO06_DONE", "VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO"})
        EXPECT_TRUE(end.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/GoldenTurtleInnPlay", {"met_again"});
}

} // namespace
