// Chapter 2's recorded play-through, replayed by the game headless as the
// program runs it under "-autotest", from the chapter's start slot to the
// loading screen.
#include "Support/ChapterEnds.h"
#include "Support/ChapterRun.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using TestSupport::SceneLoadLine;

TEST(ChapterTwoRunTest, TheRecordingPlaysTheChapterFromItsStartSlotToTheLoadingScreenWithoutSaving)
{
    // The slot is continued in the cabin. The only movie is the magpie's
    // strip on the hill. The talks' three recorded answers play no line.
    const std::optional<TestSupport::ChapterRunOutcome> run = TestSupport::RunChapterRecording({
        2,
        "ChapterTwo.txt",
        "bg001_WM_TavrinesCabin",
        3,
        {
            "Activate(Entity[1](bg001_WM_TavrinesCabin::pistol),)",
            "Activate(Entity[5](bg001_WM_TavrinesCabin::goto_bg002),)",
            SceneLoadLine("bg002_WM_Corridor"),
            "Combine(ITEM_EMBROIDED_HANDKERCHIEF,ITEM_DULL_PLATE)",
            SceneLoadLine("bg003_WM_AlessandrosCabin"),
            SceneLoadLine("bg002_WM_Corridor"),
            "Activate(Entity[3](bg002_WM_Corridor::goto_main_dock),)",
            SceneLoadLine("bg105_BO_Docks"),
            SceneLoadLine("bg107_BO_TownhallExterior"),
            SceneLoadLine("bg104_BO_Fork"),
            SceneLoadLine("bg103_BO_FlatTopHill"),
            "UseItem(Entity[5](bg103_BO_FlatTopHill::nest),ITEM_POLISHED_PLATE)",
            "Before Movie Init",
            "After Movie Shutdown",
            SceneLoadLine("bg103_BO_FlatTopHill"),
            SceneLoadLine("bg104_BO_Fork"),
            SceneLoadLine("bg107_BO_TownhallExterior"),
            "UseItem(Entity[8](bg107_BO_TownhallExterior::closed_shutter),ITEM_PISTOL)",
            SceneLoadLine("bg105_BO_Docks"),
            SceneLoadLine("bg106_BO_AdmiralsRest"),
            "Talk(tasco,)",
            "Talk(nell,)",
            // Nell gone, the room starts again with Briscoe.
            SceneLoadLine("bg106_BO_AdmiralsRest"),
            "Talk(thomas_b,)",
            SceneLoadLine("bg105_BO_Docks"),
            "UseItem(carlo,ITEM_FRIED_CHICKEN_WINGS)",
            SceneLoadLine("bg106_BO_AdmiralsRest"),
            "UseItem(Entity[0](bg106_BO_AdmiralsRest::greasy_fry_pan),ITEM_BREAD_LOAF)",
            SceneLoadLine("bg105_BO_Docks"),
            "UseItem(Entity[5](bg105_BO_Docks::sea),ITEM_MAGNET)",
            "UseItem(razzo,ITEM_ARNOS_SWORD)",
            SceneLoadLine("bg107_BO_TownhallExterior"),
            "UseItem(Entity[3](bg107_BO_TownhallExterior::goto_bg108),ITEM_RAZZO)",
            SceneLoadLine("bg108_BO_TownHallInterior"),
            "UseItem(Entity[7](bg108_BO_TownHallInterior::open_chest),ITEM_SERIAL_NUMBER)",
            SceneLoadLine("bg107_BO_TownhallExterior"),
            SceneLoadLine("bg105_BO_Docks"),
            SceneLoadLine("bg106_BO_AdmiralsRest"),
            "UseItem(thomas_b,ITEM_BRISCOES_MAP)",
        },
    });
    ASSERT_TRUE(run);
    const std::string& log = run->log;
    EXPECT_EQ(log.find("Before Movie Init"),
              log.find("Before Movie Init", log.find(SceneLoadLine("bg103_BO_FlatTopHill"))));

    EXPECT_EQ(run->start.character, "tavrine");
    EXPECT_TRUE(run->start.items.empty());
    EXPECT_EQ(run->start.flags.count("VARBOOL_PICK_BO_MAP"), 1u);
    TestSupport::ExpectChapterTwoEnded(run->end);
}

} // namespace
