// The living room as a player meets it: the real program with its SDL input,
// played by mouse and keyboard events at the places of the scene's own
// objects, from the start menu through the chores to the front door.
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/LogCapture.h"
#include "Support/GoldenImage.h"
#include "Support/PlayScript.h"
#include "Support/StoryRecord.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TestSupport::ClickStyle;
using TestSupport::ReadFileText;
using TestSupport::Verb;

// The pictures the play takes, compared with their references.
const char* const PICTURES[] = {"arrival", "verb_menu", "talk_choices", "drag_caption", "swept", "front_door"};
// Channel steps that the software OpenGL driver may round differently.
constexpr uint32_t PICTURE_TOLERANCE = 24;

// Keeps, when the test fails, what a person needs to see why: the play's
// transcript, the game's log and the pictures, in PlayFailures/ of the
// build folder.
class KeptOnFailure {
public:
    explicit KeptOnFailure(const TestSupport::TempDir& folder) : m_folder(folder) { }
    ~KeptOnFailure()
    {
        if (!testing::Test::HasFailure())
            return;
        const std::filesystem::path kept = TestSupport::BinaryDir() / "PlayFailures" / "LivingRoomPlay";
        std::error_code ignored;
        std::filesystem::remove_all(kept, ignored);
        std::filesystem::create_directories(kept, ignored);
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path(), ignored)) {
            const std::filesystem::path& file = entry.path();
            if (file.extension() == ".png" || file.extension() == ".txt")
                std::filesystem::copy_file(file, kept / file.filename(),
                                           std::filesystem::copy_options::overwrite_existing, ignored);
        }
    }

private:
    const TestSupport::TempDir& m_folder;
};

// From the start menu to the living room, which opens with the mother's
// first words.
void StartANewGame(TestSupport::PlayScript& play)
{
    play.SkipToScene("bg999_start_menu");
    play.WaitUntilInteractive();
    play.Click("main_logo");
    play.WaitUntilInteractive();
    play.Click("start");
    play.WaitUntilInteractive();
    play.Click("slot1", ClickStyle::Held);
    play.WaitForMovie();
    // A click skips the intro movie.
    play.ClickHere();
    play.WaitForScene("bg902_Controls");
    play.WaitUntilInteractive();
    play.Click("skip_1");
    play.WaitForScene("bg101_BO_CastilloLivingRoom");
    play.WaitUntilInteractive();
    play.Screenshot("arrival");
}

// Each of the mother's answers, the last one (goodbye) on the second page.
void TalkToTheMother(TestSupport::PlayScript& play)
{
    play.OpenVerbMenu("bonita_c_chair");
    play.PointAtVerb(Verb::Talk);
    play.Screenshot("verb_menu");
    play.ClickHere();
    play.WaitForChoices();
    play.Screenshot("talk_choices");
    for (int32_t proposition = 0; proposition < 4; ++proposition)
        play.Choose(proposition, proposition % 2 ? ClickStyle::Held : ClickStyle::Quick);
    play.WaitUntilInteractive();
}

// The dustpan, the brush and the cloth; the dustpan and brush put together
// sweep the three patches of dust; the cloth is still dry for the window.
void DoTheChores(TestSupport::PlayScript& play)
{
    for (const char* thing : {"dustpan", "brush", "cloth"}) {
        play.Use(thing, Verb::Activate);
        play.WaitUntilInteractive();
    }
    play.Combine("ITEM_DUSTPAN", "ITEM_BRUSH");
    play.CloseInventory();
    play.WaitUntilInteractive();

    play.OpenInventory();
    play.PickUpItem("ITEM_DUSTPAN_AND_BRUSH");
    play.CarryTo("dust_patch_1");
    play.Screenshot("drag_caption");
    play.Drop();
    play.WaitUntilInteractive();
    for (const char* patch : {"dust_patch_2", "dust_patch_3"}) {
        play.DragItemOnto("ITEM_DUSTPAN_AND_BRUSH", patch);
        play.WaitUntilInteractive();
    }
    play.Screenshot("swept");

    play.Use("dirty_window", Verb::Look, ClickStyle::Held);
    play.WaitUntilInteractive();
    play.DragItemOnto("ITEM_DRY_CLOTH", "dirty_window");
    play.WaitUntilInteractive();
}

using TestSupport::InOrder;

TEST(LivingRoomPlayTest, ANewGameIsPlayedByMouseFromTheStartMenuThroughTheChoresOutOfTheFrontDoor)
{
    TestSupport::TempDir folder;
    const KeptOnFailure kept(folder);
    TestSupport::CopySampleData(folder);
    folder.WriteFile("Settings.ini", "[ScreenResolution]\nResolutionX=512\nResolutionY=384\n");

    TestSupport::PlayScript play;
    StartANewGame(play);
    TalkToTheMother(play);
    DoTheChores(play);
    // The front door is an exit, marked by an arrow under the pointer: one
    // click leaves.
    play.PointAt("goto_bg102");
    play.Screenshot("front_door");
    play.ClickHere();
    play.WaitForScene("bg102_BO_CastilloHouseExterior");
    play.WaitUntilInteractive();
    play.RecordStory();
    play.Quit();

    const pid_t game = TestSupport::StartGamePlayedBy(folder, "play", play);
    ASSERT_EQ(TestSupport::WaitForExit(game, 300s), 0) << ReadFileText(folder / "play.out");
    const std::string transcript = ReadFileText(folder / "play.txt");
    const std::string log = ReadFileText(folder / "log.txt");
    ASSERT_EQ(transcript.find("FAILED"), std::string::npos) << transcript << log;
    EXPECT_NE(transcript.find("the play is over"), std::string::npos) << transcript;
    EXPECT_TRUE(InOrder(transcript, {"reads \"What do I have to do today?\"", "reads \"What are you embroidering?\"",
                                     "reads \"Can I go out to play?\"", "reads \"See you later.\""}));
    EXPECT_EQ(log.find("ASSERT\n"), std::string::npos) << log;
    // The game's own account of what the pointer picked and the verbs and
    // items used on it.
    const std::string room = "\"bg101_BO_CastilloLivingRoom:";
    EXPECT_TRUE(InOrder(
        log, {"Action \"Activate\" on \"bg999_start_menu:main_logo", "Action \"Activate\" on \"bg999_start_menu:start",
              "Action \"Activate\" on \"bg999_start_menu:slot1", "Before Movie Init", "After Movie Shutdown",
              "Action \"Activate\" on \"bg902_Controls:skip_1", "Action \"Talk\" on " + room + "bonita_c_chair",
              "Action \"Activate\" on " + room + "dustpan", "Action \"Activate\" on " + room + "brush",
              "Action \"Activate\" on " + room + "cloth", "CombineItem \"ITEM_DUSTPAN\" with \"ITEM_BRUSH\"",
              "UseItem \"ITEM_DUSTPAN_AND_BRUSH\" on " + room + "dust_patch_1",
              "UseItem \"ITEM_DUSTPAN_AND_BRUSH\" on " + room + "dust_patch_2",
              "UseItem \"ITEM_DUSTPAN_AND_BRUSH\" on " + room + "dust_patch_3",
              "Action \"Look\" on " + room + "dirty_window", "UseItem \"ITEM_DRY_CLOTH\" on " + room + "dirty_window",
              "Action \"Activate\" on " + room + "goto_bg102",
              "Load scene : \"scenes/bg102_BO_CastilloHouseExterior.twscene.pc\"", "Shutdown Application"}));

    // Every chore the room allows is done, and the kid has left the room.
    const TestSupport::StoryRecord story = TestSupport::StoryRecord::FromText(ReadFileText(folder / "story.txt"));
    EXPECT_EQ(story.scene, "bg102_BO_CastilloHouseExterior");
    EXPECT_EQ(story.character, "tavrine_kid");
    for (const char* flag :
         {"VARBOOL_BG101_C01_EVENT_FIRST_TIME", "VARBOOL_QUEST_C1_CHORES", "VARBOOL_BG101_C01_PICK_DUSTPAN",
          "VARBOOL_BG101_C01_PICK_BRUSH", "VARBOOL_BG101_C01_PICK_CLOTH", "VARBOOL_BG101_C01_CLEAN_DUST_PATCH_1",
          "VARBOOL_BG101_C01_CLEAN_DUST_PATCH_2", "VARBOOL_BG101_C01_CLEAN_DUST_PATCH_3",
          "VARBOOL_BG101_C01_CLEAN_ALL_DUST_PATCH"})
        EXPECT_EQ(story.flags.count(flag), 1u) << flag;
    // The way out is open again for the next visit.
    EXPECT_EQ(story.flags.count("VARBOOL_BG101_C01_EXIT_BG102"), 0u);
    // The last patch swept filled the dustpan for the barrel outside.
    EXPECT_EQ(story.items.count("ITEM_DUSTPAN_BRUSH_FULL"), 1u);
    EXPECT_EQ(story.items.count("ITEM_DUSTPAN_AND_BRUSH"), 0u);
    EXPECT_EQ(story.items.count("ITEM_DRY_CLOTH"), 1u);
    EXPECT_EQ(story.items.count("ITEM_DUSTPAN") + story.items.count("ITEM_BRUSH"), 0u);

    for (const char* picture : PICTURES) {
        Platform::RgbaImage image;
        ASSERT_TRUE(TestSupport::ReadPng(folder / (std::string(picture) + ".png"), image)) << picture;
        EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, std::string("Engine/PC/LivingRoomPlay/") + picture,
                                                    PICTURE_TOLERANCE));
    }
}

} // namespace
