// The tsetse-fly picture and the demo's screens as a player meets them: the
// real program with its SDL input, continued from a game saved on the
// screen, each screen left by a mouse click at the on-screen place of its
// own click region; the story as it stands on the way.
#include "Common/ActorIds.h"
#include "Common/NamedIds.h"
#include "Common/VarIds.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/ChapterStartSlot.h"
#include "Support/PlayScript.h"
#include "Support/PlayWay.h"
#include "Support/PlayedChapter.h"
#include "Support/StoryRecord.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using TestSupport::ClickStyle;
using TestSupport::Exit;
using TestSupport::Spot;
using TestSupport::StoryRecord;
using TestSupport::Verb;
using TestSupport::Way;

const std::string TSETSE_FLY = "bg814_CU_04_TseTseFly";
const std::string LIVING_ROOM = "bg113_BO_CastilloLivingRoom_A";
const std::string DEMO_END = "bg995_end_demo";
const std::string DEMO_START = "bg994_start_demo";
const std::string HOUSE_EXTERIOR = "bg112_BO_CastilloHouseExterior_A";

class PictureScreensPlayTest : public TestSupport::GamePlayTest {
protected:
    // The game saved on the screen, continued from the start menu, played by
    // the steps and quit.
    void PlayFrom(const ChapterStart& saved, const std::string& screen, const std::function<void(Way&)>& steps)
    {
        ASSERT_TRUE(TestSupport::WriteSlot(folder, saved));
        TestSupport::ContinueTheChapter(way, screen);
        steps(way);
        PlayToTheEnd();
    }
};

TEST_F(PictureScreensPlayTest, TheFlysPictureClosesTheMapAndAClickTakesHerBackToTheLivingRoomToReadOn)
{
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 5}};
    const int32_t bools[] = {VARBOOL_BG113_C05_PICK_FAUNA_FLORA_BOOK};
    PlayFrom({ActorIdOf("tavrine"), {}, ints, bools, 55}, TSETSE_FLY, [](Way& way) {
        way.Play().RecordStory("picture");
        way.Leave("clique", LIVING_ROOM, Exit::Hotspot);
        way.Play().RecordStory("living_room");
    });
    if (HasFatalFailure())
        return;
    EXPECT_EQ(TestSupport::RecordedStory(folder, "picture").flags.count("VARBOOL_ACTIVE_MAP"), 0u);
    const StoryRecord back = TestSupport::RecordedStory(folder, "living_room");
    EXPECT_EQ(back.scene, LIVING_ROOM);
    EXPECT_EQ(back.flags.count("VARBOOL_QUEST_C5_SLEEPY_FLY01_DONE"), 1u);
}

TEST_F(PictureScreensPlayTest, AClickFarFromThePicturesCentreIsAnsweredAsOneAtItsCentre)
{
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 5}};
    const int32_t bools[] = {VARBOOL_BG113_C05_PICK_FAUNA_FLORA_BOOK};
    PlayFrom({ActorIdOf("tavrine"), {}, ints, bools, 55}, TSETSE_FLY, [](Way& way) {
        way.Play().Use("clique", Verb::Activate, ClickStyle::Quick, Spot::Corner);
        way.Expect("Action \"Activate\" on \"" + TSETSE_FLY + ":clique");
        way.Arrive(LIVING_ROOM);
    });
}

TEST_F(PictureScreensPlayTest, TheEndScreenAndTheStartScreenPutTheDemoBackAtItsStart)
{
    // Late in the demo: she holds the crossbow and not the small blanket.
    const uint32_t items[] = {ItemNamed("ITEM_CROSSBOW"), ItemNamed("ITEM_PAINT_BRUSH")};
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 5}, {VARINT_DIEGO_MOOD, 2}};
    const int32_t bools[] = {VARBOOL_BG994_DEMO, VARBOOL_BG113_C05_PICK_CROSSBOW, VARBOOL_QUEST_C5_THE_SIGN_DONE,
                             VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR};
    PlayFrom({ActorIdOf("tavrine"), items, ints, bools, 63}, DEMO_END, [](Way& way) {
        way.Leave("clique", DEMO_START, Exit::Hotspot);
        way.Leave("clique", HOUSE_EXTERIOR, Exit::Hotspot);
        way.Play().RecordStory();
    });
    if (HasFatalFailure())
        return;
    const StoryRecord story = TestSupport::RecordedStory(folder);
    EXPECT_EQ(story.scene, HOUSE_EXTERIOR);
    EXPECT_EQ(story.numbers.at("VARINT_CURRENT_CHAPTER"), 5);
    EXPECT_EQ(story.numbers.count("VARINT_DIEGO_MOOD"), 0u);
    EXPECT_EQ(story.items, (std::set<std::string> {"ITEM_DIEGO", "ITEM_PAINT_BRUSH"}));
    for (const char* flag : {"VARBOOL_BG994_DEMO", "VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE"})
        EXPECT_EQ(story.flags.count(flag), 1u) << flag;
    for (const char* flag : {"VARBOOL_BG113_C05_PICK_CROSSBOW", "VARBOOL_QUEST_C5_THE_SIGN_DONE",
                             "VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR"})
        EXPECT_EQ(story.flags.count(flag), 0u) << flag;
}

} // namespace
