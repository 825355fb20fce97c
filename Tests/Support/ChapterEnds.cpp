#include "Support/ChapterEnds.h"

#include <gtest/gtest.h>

namespace TestSupport {

void ExpectChapterOneEnded(const StoryRecord& story)
{
    EXPECT_EQ(story.scene, "bg993_Loading_placeholder");
    EXPECT_EQ(story.character, "tavrine_kid");
    EXPECT_EQ(story.numbers.count("VARINT_CURRENT_CHAPTER") ? story.numbers.at("VARINT_CURRENT_CHAPTER") : 0, 1);
    for (const char* flag :
         {"VARBOOL_QUEST_C1_CHORES_DONE", "VARBOOL_BG101_C01_EVENT_ALL_CHORES", "VARBOOL_BG102_C01_CLEAN_DUSTPAN",
          "VARBOOL_BG102_C01_FIXED_WATER_PUMP_2", "VARBOOL_WIN_MINIGAME_01", "VARBOOL_BG103_C01_ARNO_NOT_HERE",
          "VARBOOL_BG103_C01_SEE_ALESSANDRO", "VARBOOL_QUEST_C1_PLAY01_DONE", "VARBOOL_QUEST_C1_PLAY02_DONE",
          "VARBOOL_BG104_C01_EVENT_AMBUSH", "VARBOOL_BG104_C01_MANUEL_NOT_HERE",
          "VARBOOL_BG104_C01_EVENT_AFTER_BURNING_TORCH", "VARBOOL_QUEST_C1_HOME02_DONE",
          "VARBOOL_BG102_C01_EVENT_WITH_DIEGO", "VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE",
          "VARBOOL_QUEST_C1_HOME03_DONE"})
        EXPECT_EQ(story.flags.count(flag), 1u) << flag;
    // The jugs went back, cloth, stick, grass and torch were used up, the
    // children climbed down from the inventory into the ladder.
    EXPECT_EQ(story.items, (std::set<std::string> {"ITEM_DUSTPAN_AND_BRUSH", "ITEM_MAGNET", "ITEM_WOODEN_SWORD",
                                                   "ITEM_BROKEN_FLASK_BOTTOM"}));
}

} // namespace TestSupport
