// The front of Briscoe's house as a player plays it: the real program with
// its SDL input, played by mouse events at the places of the scene's own
// objects, from a slot saved in the yard once the errands are done: the rum
// is dragged onto a guard and set down, the fruit onto the bell puts both
// guards to sleep, and the spare key opens the door.
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

const std::string HOUSE = "bg110_BO_BriscoesHouseExterior";

using BriscoesHousePlayTest = TestSupport::GamePlayTest;

TEST_F(BriscoesHousePlayTest, TheRumAndTheFruitPutTheGuardsToSleepAndTheKeyOpensTheDoorByMouse)
{
    const uint32_t items[] = {ItemIdOf("ITEM_STRONG_RUM"), ItemIdOf("ITEM_FRUIT"), ItemIdOf("ITEM_SPARE_KEY")};
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 5}};
    const int32_t bools[] = {VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES, VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, {Id::GetActorId("tavrine"), items, ints, bools, 17}));

    TestSupport::ContinueTheChapter(way, HOUSE);
    play.Screenshot("guarded");

    way.Give("ITEM_STRONG_RUM", "dinsdale");
    way.Give("ITEM_FRUIT", "old_bell");
    play.Screenshot("asleep");
    way.Give("ITEM_SPARE_KEY", "goto_bg111");
    play.RecordStory("house");
    PlayToTheEnd();
    if (HasFatalFailure())
        return;

    const TestSupport::StoryRecord story = TestSupport::RecordedStory(folder, "house");
    // Inside, the house's own story may already have moved on to its later
    // state.
    EXPECT_TRUE(story.scene.starts_with("bg111_BO_BriscoesHouseInterior")) << story.scene;
    for (const char* flag : {"VARBOOL_BG110_C05_USE_STRONGRUM_ON_GUARDS", "VARBOOL_BG110_C05_GUARDS_ARE_UNCONSIOUS",
                             "VARBOOL_QUEST_C5_SAVE_ELIZABETH03_DONE"})
        EXPECT_TRUE(story.flags.count(flag)) << flag;
    for (const char* item : {"ITEM_STRONG_RUM", "ITEM_FRUIT", "ITEM_SPARE_KEY"})
        EXPECT_FALSE(story.items.count(item)) << item;
}

} // namespace
