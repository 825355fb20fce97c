// The script of Percy's town square (scene 31): the bell puzzle of chapter 4
// played from the broken bell to the open garden, the garden exit that turns
// her back until both of its flags hold, the washed clapper that is not yet
// enough, the island's road that opens the map and the nine ways in.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int32_t TOWN_SQUARE_C = 31;
constexpr int32_t TOWN_SQUARE_B = 30;
constexpr int32_t GARDEN = 33;

using Object = NamedObject<SceneTableRows::s_aObjects_bg304_31>;

constexpr uint32_t PERCY_ACTOR = ActorIdOf("percy");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t PERCY = ActorScriptableId(PERCY_ACTOR);

constexpr uint32_t RING_BROKEN_BELL = 0x7d6f86ce;
constexpr uint32_t CLAPPER_FLIES_OUT = 0xb3d3422a;
constexpr uint32_t RING_FIXED_BELL = 0x55a0fa66;
constexpr uint32_t PERCY_COMES_DOWN = 0x2d80ff6c;
constexpr uint32_t TALK_PERCY = 0x5446830b;
constexpr uint32_t PERCY_LETS_HER_UP = 0xea0e2a11;
constexpr uint32_t GARDEN_CLOSED = 0x651c8436;
constexpr uint32_t WASHED_CLAPPER_REMARK = 0xba19e876;

std::string Selects(uint32_t uActorId)
{
    char text[24];
    std::snprintf(text, sizeof text, "select %08x", uActorId);
    return text;
}
const std::string SELECT_HEROINE = Selects(ActorIdOf("tavrine"));
const std::string SELECT_PERCY = Selects(PERCY_ACTOR);
const std::string OPEN_MAP = "post " + std::to_string(ScriptSceneLink::EVENT_OPEN_MENU) + " 1";

class TownSquareCTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = TOWN_SQUARE_B) { EnterInChapter(TOWN_SQUARE_C, iChapter, iFrom); }
    // The blocker's last switch in the calls, as the scene keeps it.
    bool BlockerOn(int iBlocker) const
    {
        const std::string on = "blocker " + std::to_string(iBlocker) + " on";
        const std::string off = "blocker " + std::to_string(iBlocker) + " off";
        const auto last = std::find_if(calls.rbegin(), calls.rend(),
                                       [&](const std::string& call) { return call == on || call == off; });
        EXPECT_NE(last, calls.rend()) << iBlocker;
        return last != calls.rend() && *last == on;
    }
};

TEST_F(TownSquareCTest, SheArrivesOnTheSideSheCameFromAndStaysInTheMiddleFromAnywhereElse)
{
    struct Arrival {
        int32_t iFrom;
        int32_t iPlaced;
        int32_t iWalk;
    };
    for (const Arrival arrival : {Arrival {28, 2, 3}, Arrival {29, 2, 3}, Arrival {30, 2, 3}, Arrival {32, 4, 5},
                                  Arrival {33, 6, 5}, Arrival {34, 8, 9}, Arrival {35, 8, 9}, Arrival {36, 8, 9},
                                  Arrival {38, 8, 9}, Arrival {37, 0, -1}, Arrival {57, 0, -1}}) {
        for (const int32_t iChapter : {4, 7}) {
            SCOPED_TRACE(arrival.iFrom);
            Enter(iChapter, arrival.iFrom);
            EXPECT_EQ(PlacedAt(HEROINE), arrival.iPlaced) << iChapter;
            EXPECT_EQ(Walks(HEROINE),
                      arrival.iWalk < 0 ? std::vector<int32_t> {} : std::vector<int32_t> {arrival.iWalk})
                << iChapter;
        }
    }
}

TEST_F(TownSquareCTest, TheBellPuzzlePlaysFromTheBrokenBellToTheOpenGarden)
{
    Enter(4);
    EXPECT_TRUE(Get(VARBOOL_HO_MAP_BG304));
    EXPECT_TRUE(Visible(Object("m_clapper")) && Open(Object("percys_bell")));
    EXPECT_FALSE(Open(Object("percys_fixed_bell")) || Visible(Object("m_repaired_clapper")) ||
                 Visible(Object("m_stall_full")));
    // Percy is away in the garden: its path is shut, his place free.
    EXPECT_FALSE(Visible(PERCY) || Open(PERCY) || Open(Object("door")));
    EXPECT_TRUE(BlockerOn(0));
    EXPECT_FALSE(BlockerOn(1));

    // The broken bell is rung: the dialog tells her it must be mended, and its
    // callback throws the clapper out.
    dialogEffects[RING_BROKEN_BELL] = [&] { Set(VARBOOL_QUEST_C4_FIX_BELL); };
    Run(Click(Object("percys_bell")));
    EXPECT_EQ(Dialogs(), Ids({RING_BROKEN_BELL}));
    Run(Callback(CLAPPER_FLIES_OUT));
    EXPECT_FALSE(Visible(Object("m_clapper")) || Visible(Object("fx_bell_eject")) || Visible(Object("fx_bell_plouf")));
    EXPECT_EQ(Places(HEROINE), std::vector<int32_t> {13});

    // The net fishes it out of the cement, the river washes it.
    Run(UseOn(Object("wheelbarrow"), "ITEM_NET"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_NET")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_STICKY_CLAPPER")});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_GET_CLAPPER_DONE));
    Run(UseOn(Object("quiet_river"), "ITEM_STICKY_CLAPPER"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_STICKY_CLAPPER")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_CLAPPER")});

    // Washed but without its pin it is only a remark.
    Run(UseOn(Object("percys_bell"), "ITEM_CLAPPER"));
    EXPECT_EQ(Dialogs(), Ids({WASHED_CLAPPER_REMARK}));
    EXPECT_TRUE(Taken().empty());
    EXPECT_FALSE(Get(VARBOOL_QUEST_C4_FIX_BELL_DONE));

    // The repaired clapper mends the bell, and the scene remembers it.
    Run(UseOn(Object("percys_bell"), "ITEM_REPAIRED_CLAPPER"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_REPAIRED_CLAPPER")});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C4_FIX_BELL_DONE));
    EXPECT_TRUE(Open(Object("percys_fixed_bell")) && Visible(Object("m_repaired_clapper")));
    EXPECT_FALSE(Open(Object("percys_bell")));
    Enter(4);
    EXPECT_TRUE(Open(Object("percys_fixed_bell")));
    EXPECT_FALSE(Open(Object("percys_bell")) || Visible(Object("m_clapper")));

    // The true bell calls Percy down; the garden path opens and he keeps it.
    Run(Click(Object("percys_fixed_bell")));
    EXPECT_EQ(Dialogs(), Ids({RING_FIXED_BELL}));
    EXPECT_TRUE(Called(SELECT_HEROINE));
    EXPECT_EQ(Walks(PERCY), std::vector<int32_t> {1});
    EXPECT_TRUE(Get(VARBOOL_BG304_C04_PERCY_HERE) && Get(VARBOOL_BG304_C04_GARDEN_IS_OPEN));
    EXPECT_TRUE(Open(PERCY) && Open(Object("door")));
    EXPECT_FALSE(Open(Object("percys_fixed_bell")));
    EXPECT_FALSE(BlockerOn(0));
    EXPECT_TRUE(BlockerOn(1));
    Run(Callback(PERCY_COMES_DOWN));
    EXPECT_TRUE(Visible(PERCY));
    // The scene follows Percy while he runs down.
    EXPECT_TRUE(Called(SELECT_PERCY));
    EXPECT_EQ(Places(PERCY), (std::vector<int32_t> {11, 12}));

    // Without a reason to go in she is turned back at the gate.
    Run(Click(Object("goto_bg306")));
    EXPECT_EQ(Dialogs(), Ids({GARDEN_CLOSED}));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {21, 21, 5}));
    EXPECT_EQ(NextScene(), 0);

    // Once the town hall's key is found, Percy lets her up: the gate's guard
    // is gone, and the garden exit leads to the garden.
    dialogEffects[TALK_PERCY] = [&] { Set(VARBOOL_QUEST_C4_MISSING_HALF_DISK02); };
    Run(ScriptEvent_FlaggedId2(PERCY_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_PERCY}));
    Run(Callback(PERCY_LETS_HER_UP));
    EXPECT_FALSE(Open(Object("door")));
    Run(Click(Object("goto_bg306")));
    EXPECT_EQ(NextScene(), GARDEN);
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {21, 10}));

    // Back from the garden, Percy is at his stall and the way stays open.
    Enter(4, GARDEN);
    EXPECT_TRUE(Visible(PERCY) && Open(PERCY));
    EXPECT_FALSE(Open(Object("door")) || Open(Object("percys_fixed_bell")) || Open(Object("percys_bell")));
    EXPECT_FALSE(BlockerOn(0));
    EXPECT_TRUE(BlockerOn(1));
}

TEST_F(TownSquareCTest, PercyKeepsTheGardenAtEveryVisitUntilSheHasAReason)
{
    Set(VARBOOL_QUEST_C4_FIX_BELL);
    Set(VARBOOL_QUEST_C4_FIX_BELL_DONE);
    Set(VARBOOL_BG304_C04_PERCY_HERE);
    Set(VARBOOL_BG304_C04_GARDEN_IS_OPEN);
    Enter(4);
    EXPECT_TRUE(Open(Object("door")));
    // Stepping onto the garden path sends her back with the same remark.
    EventDesc oTouch;
    BuildEvent(&oTouch, TwEventType_Touch, 2, ID_PARAMETER_TYPE_SCRIPTABLE, Object("door"),
               ID_PARAMETER_TYPE_SCRIPTABLE, HEROINE);
    Run(oTouch);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {5});
    EXPECT_EQ(Dialogs(), Ids({GARDEN_CLOSED}));
}

TEST_F(TownSquareCTest, OutsideChapterFourPercyKeepsHisStallAndTheGardenIsAlwaysOpen)
{
    for (const int32_t iChapter : {1, 5, 7}) {
        SCOPED_TRACE(iChapter);
        Enter(iChapter);
        EXPECT_TRUE(Visible(PERCY) && Open(PERCY) && Visible(Object("m_stall_full")));
        EXPECT_FALSE(Open(Object("percys_bell")) || Open(Object("percys_fixed_bell")) || Open(Object("door")));
        EXPECT_FALSE(BlockerOn(0));
        EXPECT_TRUE(BlockerOn(1));
        Run(Click(Object("goto_bg306")));
        EXPECT_EQ(NextScene(), GARDEN);
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {10});
        EXPECT_TRUE(Dialogs().empty());
    }
}

TEST_F(TownSquareCTest, TheIslandRoadOpensTheMapPageAndInChapterFourOnlyOnceTheBaseIsKnown)
{
    Enter(4);
    EXPECT_FALSE(Open(Object("goto_hollow_island")));
    Set(VARBOOL_QUEST_C4_HILARY_BASE04);
    for (const int32_t iChapter : {4, 7}) {
        Enter(iChapter);
        EXPECT_TRUE(Open(Object("goto_hollow_island"))) << iChapter;
        Run(Click(Object("goto_hollow_island")));
        EXPECT_TRUE(Called(OPEN_MAP)) << iChapter;
        EXPECT_EQ(NextScene(), 0) << iChapter;
    }
}

} // namespace
