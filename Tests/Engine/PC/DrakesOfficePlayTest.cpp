// Drake's office as a player plays it: the real program with its SDL input,
// from a slot saved in the office once Mabel has asked for justice, played by
// mouse at the places of the office's own objects: the blowpipe taken from
// its showcase, the cabinet looked over, its small drawer tried by hand and
// opened with the small key on the paper that tells the safe's combination,
// the governor's portrait swung aside on the safe, the combination set on
// its lock, Drake's note read and Mabel told, who stays until she has also
// heard that the priest has the papers from her grave.
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

const std::string OFFICE = "bg205_CR_DrakesOfficeInterior";
const std::string SAFE_LOCK = "bg806_CU_06_DrakesSafe";

constexpr uint32_t ITEMS[] = {ItemNamed("ITEM_SMALL_KEY")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 8}};
constexpr int32_t BOOLS[] = {VARBOOL_BG205_C08_EVENT_TAKING_IT_IN, VARBOOL_QUEST_C8_JUSTICE01, VARBOOL_QUEST_C8_NOTES03,
                             VARBOOL_QUEST_C8_NOTES04};
constexpr int32_t OFFICE_ID = 26;

using DrakesOfficePlayTest = TestSupport::GamePlayTest;

TEST_F(DrakesOfficePlayTest, TheSmallKeyFindsTheCombinationThatOpensTheSafeBehindThePortraitByMouse)
{
    const ChapterStart inTheOffice {ActorNamed<"tavrine"> {}, ITEMS, INTS, BOOLS, OFFICE_ID};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, inTheOffice));

    TestSupport::ContinueTheChapter(way, OFFICE);
    way.Do("showcase_blowpipe", Verb::Activate);
    way.Do("mabel", Verb::Talk);
    way.Do("four_drawer_cabinets", Verb::Activate);
    way.Do("fourth_drawer2", Verb::Activate);
    way.Give("ITEM_SMALL_KEY", "fourth_drawer2");
    play.Screenshot("drawer_open");
    way.Do("governors_portrait", Verb::Activate);
    play.Screenshot("safe_bared");
    way.LeaveBy("safe", Verb::Activate, SAFE_LOCK);
    // The wrong digit first, then the paper's.
    for (const char* digit : {"1_3", "1_4", "2_1", "3_7"})
        way.Do(digit, Verb::Activate);
    play.Screenshot("combination");
    way.LeaveBy("exit", Verb::Activate, OFFICE);
    play.Screenshot("safe_open");
    way.Do("safe_interior", Verb::Activate);
    way.Do("mabel", Verb::Talk);
    const TestSupport::StoryRecord story = RecordTheStoryAndPlayToTheEnd();
    if (HasFatalFailure())
        return;

    EXPECT_EQ(story.scene, OFFICE);
    EXPECT_TRUE(story.items.contains("ITEM_BLOCKED_BLOW_PIPE"));
    EXPECT_TRUE(story.items.contains("ITEM_SMALL_KEY"));
    for (const char* flag : {"VARBOOL_BG205_C08_PICK_BLOCKED_BLOWPIPE", "VARBOOL_BG205_C08_INT_FOURTH_DRAWER_CABINET",
                             "VARBOOL_QUEST_C8_NOTES04_DONE", "VARBOOL_BG205_C08_OPEN_PORTRAIT",
                             "VARBOOL_BG205_C08_SAFE_RIGHT_CONBINATION", "VARBOOL_QUEST_C8_CONSIGNMENT03"})
        EXPECT_TRUE(story.flags.contains(flag)) << flag;
    // The priest's part is still to come: she does not rest yet, or she
    // could never be told of it.
    EXPECT_FALSE(story.flags.contains("VARBOOL_QUEST_C8_NOTES03_DONE"));
    EXPECT_FALSE(story.flags.contains("VARBOOL_QUEST_C8_JUSTICE03_DONE"));
    TestSupport::ExpectPicturesAsReferenced(folder, "Engine/PC/DrakesOfficePlay",
                                            {"drawer_open", "safe_bared", "combination", "safe_open"});
}

} // namespace
