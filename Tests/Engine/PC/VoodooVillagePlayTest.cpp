// The voodoo village as a player plays it: the real program with its SDL
// input, from a saved game in the village with Chemin's painted pebble, by
// mouse at the places of the scene's own objects: the temple's guard says
// halt, a talk with the guards opens the way up the tree, the pebble dragged
// onto a guard makes them stand aside, and the temple's doorway leads in.
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

const std::string VILLAGE = "bg309_HO_VoodooVillage";
const std::string TEMPLE = "bg310_HO_VoodooTemple";

constexpr uint32_t ITEMS[] = {ItemIdOf("ITEM_PAINTED_PEBBLE")};
constexpr IntSetting INTS[] = {{VARINT_CURRENT_CHAPTER, 7}, {VARINT_LOCAL_ISLAND_MAP, 2}};
constexpr int32_t BOOLS[] = {VARBOOL_HO_MAP_BG309};
constexpr ChapterStart IN_THE_VILLAGE {ActorIdOf("tavrine"), ITEMS, INTS, BOOLS, 36};

using VoodooVillagePlayTest = TestSupport::GamePlayTest;

TEST_F(VoodooVillagePlayTest, TheGuardsAreTalkedToAndShownThePebbleAndTheTempleIsEnteredByMouse)
{
    ASSERT_TRUE(TestSupport::WriteSlot(folder, IN_THE_VILLAGE));

    TestSupport::ContinueTheChapter(way, VILLAGE);
    play.Screenshot("village");
    way.GoBy("goto_temple_entrance");
    way.Do("bajari_g1", Verb::Talk);
    way.Give("ITEM_PAINTED_PEBBLE", "bajari_g2");
    play.RecordStory("aside");
    way.Leave("goto_temple_entrance", TEMPLE);
    PlayToTheEnd();
    if (HasFatalFailure())
        return;

    const auto aside = TestSupport::RecordedStory(folder, "aside");
    for (const char* flag : {"VARBOOL_BG309_C07_INTERACT_UPPER_LEVEL", "VARBOOL_QUEST_C7_CLIMB",
                             "VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE"})
        EXPECT_TRUE(aside.flags.contains(flag)) << flag;
    // The pebble is shown, not given.
    EXPECT_TRUE(aside.items.contains("ITEM_PAINTED_PEBBLE"));
}

} // namespace
