// The check that a played chapter leaves the story where the chapter menu
// starts the next one.
#include "Support/ChapterEnds.h"

#include "Common/ActorIds.h"
#include "Common/ItemIds.h"
#include "Common/VarIds.h"
#include "Scripts/Common/ChapterStarts.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using TestSupport::StoryRecord;

// The story as the chapter menu's button leaves it.
StoryRecord StoryAtTheStartOf(int32_t chapter)
{
    const ChapterStart& start = *ChapterStartOf(chapter);
    StoryRecord story;
    story.character = Id::GetActorName(start.uPlayingCharacter);
    for (const uint32_t item : start.items)
        story.items.insert(Id::GetItemName(item));
    for (const int32_t flag : start.bools)
        story.flags.insert(Id::GetVarBoolName(flag));
    for (const IntSetting& setting : start.ints)
        if (setting.iValue != 0)
            story.numbers[Id::GetVarIntName(setting.iVarId)] = setting.iValue;
    return story;
}

TEST(ChapterEndsTest, AChapterStartHoldsOnlyWithItsCharacterAndEveryFlagNumberAndItemOfIt)
{
    for (int32_t chapter = FIRST_STARTED_CHAPTER; chapter <= LAST_STARTED_CHAPTER; ++chapter)
        TestSupport::ExpectChapterStartHolds(StoryAtTheStartOf(chapter), chapter);

    // The chapter before ends with its own number and more flags set.
    StoryRecord played = StoryAtTheStartOf(3);
    played.numbers["VARINT_CURRENT_CHAPTER"] = 2;
    played.flags.insert("VARBOOL_QUEST_C2_FIND_MAP_DONE");
    TestSupport::ExpectChapterStartHolds(played, 3);

    const struct {
        const char* fault;
        std::function<void(StoryRecord&)> spoil;
    } faults[] = {
        {"VARBOOL_QUEST_C2_CREW03", [](StoryRecord& story) { story.flags.erase("VARBOOL_QUEST_C2_CREW03"); }},
        {"VARINT_CREW_MEMBER", [](StoryRecord& story) { story.numbers.erase("VARINT_CREW_MEMBER"); }},
        {"VARINT_LOCAL_ISLAND_MAP", [](StoryRecord& story) { story.numbers["VARINT_LOCAL_ISLAND_MAP"] = 1; }},
        {"items", [](StoryRecord& story) { story.items.insert("ITEM_SWORD"); }},
        {"items", [](StoryRecord& story) { story.items.erase("ITEM_FRUIT"); }},
        {"playing character", [](StoryRecord& story) { story.character = "tavrine_kid"; }},
    };
    for (const auto& [fault, spoil] : faults) {
        StoryRecord story = played;
        spoil(story);
        EXPECT_NONFATAL_FAILURE(TestSupport::ExpectChapterStartHolds(story, 3), fault);
    }
}

} // namespace
