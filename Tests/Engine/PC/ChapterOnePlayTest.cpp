// Chapter 1 as a player plays it: the real program with its SDL input,
// played by mouse and keyboard events at the places of the scenes' own
// objects, from the start menu through the chores, the yard, the hill with
// the duel, the fork and the human ladder to the end of the chapter.
#include "Support/Files.h"
#include "Support/GameProcess.h"
#include "Support/GoldenImage.h"
#include "Support/LogCapture.h"
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

const std::string ROOM = "bg101_BO_CastilloLivingRoom";
const std::string YARD = "bg102_BO_CastilloHouseExterior";

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
        const std::filesystem::path kept = TestSupport::BinaryDir() / "PlayFailures" / "ChapterOnePlay";
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

// The player's way through the chapter, step by step, with the lines the
// game's log must show for it, in order.
class Way {
public:
    Way(TestSupport::PlayScript& play, std::string scene) : m_play(play), m_scene(std::move(scene)) { }

    // A verb on a hotspot or character, and the game idle again after it.
    void Do(const std::string& thing, Verb verb, ClickStyle style = ClickStyle::Quick)
    {
        m_play.Use(thing, verb, style);
        m_play.WaitUntilInteractive();
        static const char* const VERBS[] = {"Activate", "Look", "Talk"};
        Expect("Action \"" +
               std::string(VERBS[verb == Verb::Activate ? 0
                                 : verb == Verb::Look   ? 1
                                                        : 2]) +
               "\" on " + On(thing));
    }
    // An item dragged from the inventory onto a hotspot or character, and the
    // game idle again after it.
    void Give(const std::string& item, const std::string& thing)
    {
        m_play.DragItemOnto(item, thing);
        m_play.WaitUntilInteractive();
        Expect("UseItem \"" + item + "\" on " + On(thing));
    }
    // Two items put together in the inventory, which is closed again.
    void PutTogether(const std::string& item, const std::string& other)
    {
        m_play.Combine(item, other);
        m_play.CloseInventory();
        m_play.WaitUntilInteractive();
        Expect("CombineItem \"" + item + "\" with \"" + other + "\"");
    }
    // An exit, marked by an arrow under the pointer: one click leaves.
    void Leave(const std::string& exit, const std::string& next)
    {
        m_play.Click(exit);
        Expect("Action \"Activate\" on " + On(exit));
        Arrive(next);
    }
    // The next scene, and the game idle in it.
    void Arrive(const std::string& next)
    {
        m_play.WaitForScene(next);
        m_play.WaitUntilInteractive();
        Expect("Load scene : \"scenes/" + next + ".twscene.pc\"");
        m_scene = next;
    }
    void Expect(const std::string& line) { m_log.push_back(line); }

    TestSupport::PlayScript& Play() { return m_play; }
    const std::vector<std::string>& Log() const { return m_log; }

private:
    std::string On(const std::string& thing) const { return "\"" + m_scene + ":" + thing; }

    TestSupport::PlayScript& m_play;
    std::string m_scene;
    std::vector<std::string> m_log;
};

// From the start menu to the living room, which opens with the mother's
// first words; the new game is chapter 1's start.
void StartANewGame(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.SkipToScene("bg999_start_menu");
    play.WaitUntilInteractive();
    for (const char* button : {"main_logo", "start"}) {
        play.Click(button);
        play.WaitUntilInteractive();
        way.Expect("Action \"Activate\" on \"bg999_start_menu:" + std::string(button));
    }
    play.Click("slot1", ClickStyle::Held);
    way.Expect("Action \"Activate\" on \"bg999_start_menu:slot1");
    play.WaitForMovie();
    // A click skips the intro movie.
    play.ClickHere();
    way.Expect("Before Movie Init");
    way.Expect("After Movie Shutdown");
    way.Arrive("bg902_Controls");
    way.Leave("skip_1", ROOM);
    play.Screenshot("arrival");
    play.RecordStory("start");
}

// Each of the mother's answers, the last one (goodbye) on the second page.
void TalkToTheMother(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    play.OpenVerbMenu("bonita_c_chair");
    play.PointAtVerb(Verb::Talk);
    play.Screenshot("verb_menu");
    play.ClickHere();
    play.WaitForChoices();
    play.Screenshot("talk_choices");
    for (int32_t proposition = 0; proposition < 4; ++proposition)
        play.Choose(proposition, proposition % 2 ? ClickStyle::Held : ClickStyle::Quick);
    play.WaitUntilInteractive();
    way.Expect("Action \"Talk\" on \"" + ROOM + ":bonita_c_chair");
}

// The dustpan, the brush, the cloth, the jug and the wooden sword from the
// toy chest; the dustpan and brush put together sweep the three patches of
// dust and come back full; the cloth is still dry for the window.
void DoTheChores(Way& way)
{
    TestSupport::PlayScript& play = way.Play();
    for (const char* thing : {"dustpan", "brush", "cloth", "water_jug", "toys_chest"})
        way.Do(thing, Verb::Activate);
    way.PutTogether("ITEM_DUSTPAN", "ITEM_BRUSH");

    play.OpenInventory();
    play.PickUpItem("ITEM_DUSTPAN_AND_BRUSH");
    play.CarryTo("dust_patch_1");
    play.Screenshot("drag_caption");
    play.Drop();
    play.WaitUntilInteractive();
    way.Expect("UseItem \"ITEM_DUSTPAN_AND_BRUSH\" on \"" + ROOM + ":dust_patch_1");
    for (const char* patch : {"dust_patch_2", "dust_patch_3"})
        way.Give("ITEM_DUSTPAN_AND_BRUSH", patch);
    play.Screenshot("swept");

    way.Do("dirty_window", Verb::Look, ClickStyle::Held);
    way.Give("ITEM_DRY_CLOTH", "dirty_window");

    play.PointAt("goto_bg102");
    play.Screenshot("front_door");
    way.Leave("goto_bg102", YARD);
}

TEST(ChapterOnePlayTest, ANewGameIsPlayedByMouseFromTheStartMenuToTheEndOfTheChapter)
{
    TestSupport::TempDir folder;
    const KeptOnFailure kept(folder);
    TestSupport::CopySampleData(folder);
    folder.WriteFile("Settings.ini", "[ScreenResolution]\nResolutionX=512\nResolutionY=384\n");

    TestSupport::PlayScript play;
    Way way(play, "bg999_start_menu");
    StartANewGame(way);
    TalkToTheMother(way);
    DoTheChores(way);
    play.RecordStory();
    play.Quit();
    way.Expect("Shutdown Application");

    const pid_t game = TestSupport::StartGamePlayedBy(folder, "play", play);
    ASSERT_EQ(TestSupport::WaitForExit(game, 300s), 0) << ReadFileText(folder / "play.out");
    const std::string transcript = ReadFileText(folder / "play.txt");
    const std::string log = ReadFileText(folder / "log.txt");
    ASSERT_EQ(transcript.find("FAILED"), std::string::npos) << transcript << log;
    EXPECT_NE(transcript.find("the play is over"), std::string::npos) << transcript;
    EXPECT_TRUE(TestSupport::InOrder(transcript,
                                     {"reads \"What do I have to do today?\"", "reads \"What are you embroidering?\"",
                                      "reads \"Can I go out to play?\"", "reads \"See you later.\""}));
    EXPECT_EQ(log.find("ASSERT\n"), std::string::npos) << log;
    // The game's own account of what the pointer picked and the verbs and
    // items used on it.
    EXPECT_TRUE(TestSupport::InOrder(log, way.Log()));

    // The new game is chapter 1's start.
    const TestSupport::StoryRecord start = TestSupport::StoryRecord::FromText(ReadFileText(folder / "start.txt"));
    EXPECT_EQ(start.scene, ROOM);
    EXPECT_EQ(start.character, "tavrine_kid");
    EXPECT_EQ(start.numbers.at("VARINT_CURRENT_CHAPTER"), 1);

    const TestSupport::StoryRecord story = TestSupport::StoryRecord::FromText(ReadFileText(folder / "story.txt"));
    EXPECT_EQ(story.scene, YARD);
    EXPECT_EQ(story.character, "tavrine_kid");
    for (const char* flag :
         {"VARBOOL_BG101_C01_EVENT_FIRST_TIME", "VARBOOL_QUEST_C1_CHORES", "VARBOOL_BG101_C01_CLEAN_ALL_DUST_PATCH",
          "VARBOOL_BG101_C01_DUSTPAN_IS_FULL", "VARBOOL_BG101_C01_PICK_WOODEN_SWORD"})
        EXPECT_EQ(story.flags.count(flag), 1u) << flag;
    // The way out is open again for the next visit.
    EXPECT_EQ(story.flags.count("VARBOOL_BG101_C01_EXIT_BG102"), 0u);
    EXPECT_EQ(story.items, (std::set<std::string> {"ITEM_DUSTPAN_BRUSH_FULL", "ITEM_DRY_CLOTH", "ITEM_WATER_JUG",
                                                   "ITEM_WOODEN_SWORD"}));

    for (const char* picture : PICTURES) {
        Platform::RgbaImage image;
        ASSERT_TRUE(TestSupport::ReadPng(folder / (std::string(picture) + ".png"), image)) << picture;
        EXPECT_TRUE(TestSupport::MatchesGoldenImage(image, std::string("Engine/PC/ChapterOnePlay/") + picture,
                                                    PICTURE_TOLERANCE));
    }
}

} // namespace
