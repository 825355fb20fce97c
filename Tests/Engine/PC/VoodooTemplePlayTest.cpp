// The voodoo temple as a player plays it: the real program with its SDL
// input, played by mouse events at the places of the temple's own objects,
// from a slot saved in the temple once Chemin's spell is broken: Bajari is
// talked to his feet and about Tanner's friend, the turtle rod is dragged onto
// him and he leaves for the jetty.
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

using TestSupport::Verb;
using TestSupport::Way;

const std::string TEMPLE = "bg310_HO_VoodooTemple";

using VoodooTemplePlayTest = TestSupport::GamePlayTest;

TEST_F(VoodooTemplePlayTest, BajariIsCuredToldOfTannerAndSentToTheJettyByMouse)
{
    const uint32_t items[] = {ItemIdOf("ITEM_TURTLE_ROD")};
    const IntSetting ints[] = {{VARINT_CURRENT_CHAPTER, 7}};
    const int32_t bools[] = {VARBOOL_BG311_C07_HAD_PAINTED_PEBBLE};
    ASSERT_TRUE(TestSupport::WriteSlot(folder, {Id::GetActorId("tavrine"), items, ints, bools, 37}));

    TestSupport::ContinueTheChapter(way, TEMPLE);
    play.Screenshot("ill");

    // He gets up and hugs her; then she asks about Tanner's friend.
    play.Use("bajari", Verb::Talk);
    way.Expect("Action \"Talk\" on \"" + TEMPLE + ":bajari");
    play.ChooseKey("BG310_ASK_TANNERS_FRIEND");
    play.WaitUntilInteractive();
    play.Screenshot("cured");

    way.Give("ITEM_TURTLE_ROD", "bajari");
    play.Screenshot("gone");
    play.RecordStory("temple");
    PlayToTheEnd();
    if (HasFatalFailure())
        return;

    const TestSupport::StoryRecord story = TestSupport::RecordedStory(folder, "temple");
    EXPECT_EQ(story.scene, TEMPLE);
    for (const char* flag : {"VARBOOL_BG310_C07_TALK_BAJARI_CURED", "VARBOOL_BG310_C07_TALK_BAJARI_ABOUT_TANNER_FRIEND",
                             "VARBOOL_QUEST_C7_TANNERSFRIEND03"})
        EXPECT_TRUE(story.flags.count(flag)) << flag;
    // Shown, not given.
    EXPECT_TRUE(story.items.count("ITEM_TURTLE_ROD"));
}

} // namespace
