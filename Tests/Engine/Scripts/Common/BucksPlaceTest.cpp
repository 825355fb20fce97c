// The script of Buck's place (scene 40): the camp that Buck's first talk
// opens, the bridge mended in two steps and rebuilt from the story's flags
// on every visit, the birds attack on the first crossing and its return
// (won: on to the monument; lost: back at the bridge), Briscoe's place and
// the lights that do nothing once the fire burns, and the camp of the other
// chapters.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t BUCKS_PLACE = 40;
constexpr int32_t JETTY_AND_CLIFF = 39;
constexpr int32_t CARMINES_MONUMENT = 41;
constexpr int32_t BIRDS_ATTACK = 6;
constexpr int32_t BACK_FROM_THE_BIRDS = 256 + BIRDS_ATTACK;

using Object = NamedObject<SceneTableRows::s_aObjects_bg402_40>;

constexpr int32_t BUCK = ActorScriptableId(ActorIdOf("buck"));
constexpr int32_t THOMAS = ActorScriptableId(ActorIdOf("thomas_b"));

constexpr uint32_t BOARD_LAID = 0x0d3adedc;
constexpr uint32_t BRIDGE_FIXED = 0x370c3df3;
constexpr uint32_t SETTING_OFF = 0x8a1ae727;
constexpr uint32_t TALK_BUCK = 0xb94c09d4;

constexpr int32_t WP_HAMMOCK = 1;
constexpr int32_t WP_BRIDGEHEAD = 6;

class BucksPlaceTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = JETTY_AND_CLIFF) { EnterInChapter(BUCKS_PLACE, iChapter, iFrom); }
    // The story's dialogs set what the player's acts make true.
    void DialogsSetTheStoryFlags()
    {
        dialogEffects[TALK_BUCK] = [this] { Set(VARBOOL_BG402_C06_TALK_BUCK); };
        dialogEffects[BOARD_LAID] = [this] { Set(VARBOOL_QUEST_C6_FIX_BRIDGE_DONE); };
        dialogEffects[BRIDGE_FIXED] = [this] { Set(VARBOOL_QUEST_C6_STABILIZE_BRIDGE_DONE); };
    }
};

TEST_F(BucksPlaceTest, TheBridgeIsMendedInTwoStepsAndStaysMendedOnTheNextVisit)
{
    DialogsSetTheStoryFlags();
    Enter(6);
    EXPECT_FALSE(Open(Object("broken_bridge")) || Open(Object("campfire")) || Open(Object("stone_cup")));
    EXPECT_TRUE(Open(Object("strange_device")) && !Open(Object("nut_press")));

    // Buck's first talk opens the camp.
    Run(ScriptEvent_FlaggedId2(ActorIdOf("buck")));
    EXPECT_TRUE(Open(Object("broken_bridge")) && Open(Object("campfire")) && Open(Object("stone_cup")));

    // Nothing can be nailed before the board lies there.
    Run(UseOn(Object("broken_bridge"), "ITEM_HAMMER_AND_PITON"));
    EXPECT_TRUE(Taken().empty());
    EXPECT_TRUE(Open(Object("broken_bridge")));

    Run(UseOn(Object("broken_bridge"), "ITEM_WOOD_BOARD"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_WOOD_BOARD")});
    EXPECT_EQ(Dialogs(), Ids({BOARD_LAID}));
    EXPECT_TRUE(Open(Object("dangerous_bridge")) && !Open(Object("broken_bridge")));

    // The loose piton or the hammer alone give the same remark on either state.
    Run(UseOn(Object("dangerous_bridge"), "ITEM_LOOSE_PITON"));
    EXPECT_EQ(Dialogs(), Ids({0xe168f836}));
    EXPECT_TRUE(Taken().empty());

    Run(UseOn(Object("dangerous_bridge"), "ITEM_HAMMER_AND_PITON"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_HAMMER_AND_PITON")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_SMALL_HAMMER")});
    EXPECT_TRUE(Open(Object("repaired_bridge")) && !Open(Object("dangerous_bridge")));

    // The board and the hammer are used up: the next visit keeps the bridge
    // mended, or the story could go no further.
    Enter(6, CARMINES_MONUMENT);
    EXPECT_TRUE(Open(Object("repaired_bridge")));
    EXPECT_FALSE(Open(Object("broken_bridge")) || Open(Object("dangerous_bridge")));
    EXPECT_TRUE(Visible(Object("e_plank")));
}

TEST_F(BucksPlaceTest, TheBirdsAttackOnTheCrossingUntilTheyAreBeatenAndAWinGoesOnToTheMonument)
{
    Set(VARBOOL_BG402_C06_TALK_BUCK);
    Set(VARBOOL_QUEST_C6_FIX_BRIDGE_DONE);
    Set(VARBOOL_QUEST_C6_STABILIZE_BRIDGE_DONE);
    Enter(6);
    Run(Click(Object("repaired_bridge")));
    EXPECT_EQ(Dialogs(), Ids({SETTING_OFF}));
    EXPECT_TRUE(Get(VARBOOL_BG402_C06_INT_REPAIRED_BRIDGE));
    EXPECT_EQ(QueuedMiniGame(), BIRDS_ATTACK);
    EXPECT_EQ(Walks(heroine), (std::vector<int32_t> {18, 10, 5}));

    // Lost: she is back at the bridgehead and the next crossing starts the
    // fight again.
    Set(VARBOOL_C_WIN_MINIGAME, false);
    Enter(6, BACK_FROM_THE_BIRDS);
    EXPECT_EQ(PlacedAt(heroine), WP_BRIDGEHEAD);
    EXPECT_EQ(NextScene(), 0);
    EXPECT_FALSE(Get(VARBOOL_WIN_MINIGAME_06));

    // Won: the win counts and she goes on over the bridge at once.
    Set(VARBOOL_C_WIN_MINIGAME);
    Enter(6, BACK_FROM_THE_BIRDS);
    EXPECT_TRUE(Get(VARBOOL_WIN_MINIGAME_06));
    EXPECT_EQ(NextScene(), CARMINES_MONUMENT);

    // From then on the bridge simply leads there.
    Enter(6, CARMINES_MONUMENT);
    Run(Click(Object("repaired_bridge")));
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), CARMINES_MONUMENT);
}

TEST_F(BucksPlaceTest, OnceTheFireBurnsBriscoeKeepsHisPlaceAndALightDoesNothingAtAll)
{
    Set(VARBOOL_BG402_C06_TALK_BUCK);
    Set(VARBOOL_QUEST_C6_FIRE_DONE);
    Enter(6, CARMINES_MONUMENT);
    EXPECT_EQ(PlacedAt(BUCK), 2);
    EXPECT_EQ(PlacedAt(THOMAS), 3);
    ExpectMatchedAndIdle(UseOn(Object("campfire"), "ITEM_MATCH_BOX"));
    ExpectMatchedAndIdle(UseOn(Object("campfire"), "ITEM_FLINT_STONE"));
}

TEST_F(BucksPlaceTest, InAnyOtherChapterBuckSleepsAloneAndNothingLiesAbout)
{
    Enter(7, 0);
    EXPECT_EQ(PlacedAt(BUCK), WP_HAMMOCK);
    EXPECT_EQ(PlacedAt(heroine), 0);
    EXPECT_TRUE(Walks(heroine).empty());
    EXPECT_FALSE(Visible(THOMAS) || Open(THOMAS));
    EXPECT_FALSE(Visible(Object("i_stone_cup")) || Open(Object("stone_cup")) || Open(Object("iron_stem")) ||
                 Open(Object("oil_lamp")));
}

} // namespace
