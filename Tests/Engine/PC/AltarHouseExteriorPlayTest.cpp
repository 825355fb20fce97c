// The altar house outside as a player plays it: the real program with its SDL
// input, from slots saved in the scene, played by mouse at the places of the
// scene's own objects. In chapter 9 she takes the caterpillars from the
// basket and goes back to the ruins; in chapter 10 the shaman and Hilary
// come down the stairs to meet her, and later, held by
// the guards at the foot of the stairs, she whistles for Uncle Eduardo, shows
// him to the sleepy guard and challenges the other, and Diego takes her to
// the turtle chamber.
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

const std::string ALTAR_HOUSE = "bg504_TU_AltarHouseExterior";
constexpr int32_t ALTAR_HOUSE_ID = 45;

using AltarHouseExteriorPlayTest = TestSupport::GamePlayTest;

TEST_F(AltarHouseExteriorPlayTest, TheCaterpillarsPlayedByMouseInChapterNine)
{
    constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 9}};
    constexpr int32_t BOOLS[] = {VARBOOL_BG504_C09_THROUGH_THE_ROOF_HOLE, VARBOOL_TU_MAP_BG504};
    const ChapterStart outside {ActorNamed<"tavrine"> {}, {}, INTS, BOOLS, ALTAR_HOUSE_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, outside));

    TestSupport::ContinueTheChapter(way, ALTAR_HOUSE);
    way.Do("basket", Verb::Activate);
    play.Screenshot("caterpillars_taken");
    way.Leave("goto_bg502", "bg502_TU_Ruins1", TestSupport::Exit::Hotspot);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, "bg502_TU_Ruins1");
    EXPECT_TRUE(story.items.contains("ITEM_SLIMY_CATERPILLARS"));
    EXPECT_TRUE(story.flags.contains("VARBOOL_BG504_C09_PICK_SLIMY_CATERPILLAR"));
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/AltarHouseExteriorPlay", {"caterpillars_taken"});
}

TEST_F(AltarHouseExteriorPlayTest, TheShamanAndHilaryComeDownTheStairsWhenSheFirstClimbsThemInChapterTen)
{
    // Saved as she came up from the turtle beach, told by Tanama of the hut.
    constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 10}, {VARINT_C_PREVIOUS_STATE, 47}};
    constexpr int32_t BOOLS[] = {VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT};
    const ChapterStart beforeTheStairs {ActorNamed<"tavrine"> {}, {}, INTS, BOOLS, ALTAR_HOUSE_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, beforeTheStairs));

    TestSupport::ContinueTheChapter(way, ALTAR_HOUSE);
    way.Leave("goto_bg511", ALTAR_HOUSE, TestSupport::Exit::Hotspot);
    play.Screenshot("shaman_came_down");
    way.Do("the_hut", Verb::Look);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, ALTAR_HOUSE);
    for (const char* flag : {"VARBOOL_BG504_C10_INT_SHAMANS_HUT", "VARBOOL_BG504_C10_SHAMAN_AND_HILARY"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/AltarHouseExteriorPlay", {"shaman_came_down"});
}

TEST_F(AltarHouseExteriorPlayTest, HeldByTheGuardsSheIsFreedByMouseInChapterTen)
{
    // Saved as she came down from the shaman's hut with the egg and the
    // guards stopped her.
    constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 10}, {VARINT_C_PREVIOUS_STATE, 50}};
    constexpr int32_t BOOLS[] = {VARBOOL_BG509_C10_TALK_TANAMA_ABOUT_SHAMAN_HUT, VARBOOL_BG504_C10_INT_SHAMANS_HUT,
                                 VARBOOL_BG504_C10_SHAMAN_AND_HILARY, VARBOOL_QUEST_C10_SPIRITEGG_02_DONE,
                                 VARBOOL_BG504_C10_LEAVING_THE_SHAMANS_HUT};
    constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")};
    const ChapterStart held {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, ALTAR_HOUSE_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, held));

    TestSupport::ContinueTheChapter(way, ALTAR_HOUSE);
    way.PutTogetherThenWatch("ITEM_WHISTLE", "ITEM_EDUARDO");
    way.Give("ITEM_EDUARDO", "villager2");
    play.Screenshot("sleepy_guard_tricked");
    way.LeaveBy("villager1", Verb::Talk, "bg509_TU_TurtleChamber");
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, "bg509_TU_TurtleChamber");
    EXPECT_TRUE(story.items.contains("ITEM_WHISTLE"));
    EXPECT_FALSE(story.items.contains("ITEM_EDUARDO"));
    for (const char* flag : {"VARBOOL_BG504_C10_EDUARDO_HERE", "VARBOOL_BG504_C10_USE_EDUARDO_ON_SLEEPY_GUARD",
                             "VARBOOL_BG504_C10_CHALLENGED", "VARBOOL_BG504_C10_SAVED"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/AltarHouseExteriorPlay", {"sleepy_guard_tricked"});
}

} // namespace
