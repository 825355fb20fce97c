// The street before Drake's office (scene 25): one use of the rose trellis is
// one climb, the flying silhouette works once and only from the canopy, the
// priest comes to his window only for a shot from the canopy and then keeps
// his door, Diego sends the guards away for good, the guards turn her back
// while they stand, and the lane to the inn waits for Diego's word in
// chapter 8.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t OFFICE_OUTSIDE = 25;
constexpr int32_t DOCKS = 22;
constexpr int32_t OFFICE_INSIDE = 26;
constexpr int32_t GOLDEN_TURTLE = 27;
constexpr int32_t BACK_FROM_THE_SILHOUETTE = 512 + 5;

using Object = NamedObject<SceneTableRows::s_aObjects_bg204_25>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t DINSDALE = ActorScriptableId(ActorIdOf("dinsdale"));
constexpr int32_t MITCHELL = ActorScriptableId(ActorIdOf("mitchell"));
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));

constexpr uint32_t GUARDS_TALK_BELOW = 0x2931a920;
constexpr uint32_t SILHOUETTE_TALK = 0xbcfaf2c6;
constexpr uint32_t NOT_THROUGH_THE_DOOR = 0x6ed80c5f;

class DrakesOfficeOutsideTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom = DOCKS, int32_t iChapter = 8) { EnterInChapter(OFFICE_OUTSIDE, iChapter, iFrom); }
    static EventDesc UseOnGuard(int32_t iGuard, const char* pItem)
    {
        return ScriptEvent_ItemOnFlaggedId3(static_cast<uint32_t>(iGuard), ItemIdOf(pItem));
    }
    static EventDesc Touch(int32_t iRegion)
    {
        EventDesc oTouch;
        BuildEvent(&oTouch, TwEventType_Touch, 2, ID_PARAMETER_TYPE_SCRIPTABLE, iRegion, ID_PARAMETER_TYPE_SCRIPTABLE,
                   HEROINE);
        return oTouch;
    }
    bool StreetOpen() { return Open(Object("goto_bg205")) && Open(Object("goto_cr_map")); }
};

TEST_F(DrakesOfficeOutsideTest, OneUseOfTheTrellisIsOneClimbAndOnlyTheFirstOverhearsTheGuards)
{
    Enter();
    EXPECT_TRUE(StreetOpen());
    Run(Click(Object("rose_trellis")));
    EXPECT_TRUE(Get(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {30});
    EXPECT_EQ(PlacedAt(HEROINE), 14);
    EXPECT_EQ(Dialogs(), Ids({GUARDS_TALK_BELOW}));
    EXPECT_TRUE(Get(VARBOOL_BG204_C08_INT_ROSE_TRELLIS));
    EXPECT_FALSE(StreetOpen() || Get(VARBOOL_ACTIVE_MAP));

    // Reloaded on the canopy she stays up there.
    Enter(OFFICE_OUTSIDE);
    EXPECT_EQ(PlacedAt(HEROINE), 1);
    EXPECT_FALSE(StreetOpen() || Get(VARBOOL_ACTIVE_MAP));

    Run(Click(Object("rose_trellis")));
    EXPECT_FALSE(Get(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {14});
    EXPECT_EQ(PlacedAt(HEROINE), 30);
    EXPECT_TRUE(StreetOpen() && Get(VARBOOL_ACTIVE_MAP));
    EXPECT_TRUE(Visible(Object("m_barrier_02")));
    // The guards still keep watch: no pole lies about, the inn is not yet open.
    EXPECT_FALSE(Open(Object("wooden_pole")) || Open(Object("goto_bg206")));

    Run(Click(Object("rose_trellis")));
    EXPECT_TRUE(Get(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY));
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(DrakesOfficeOutsideTest, TheFlyingSilhouetteWorksOnceFromTheCanopyAndLeavesThePoleOnTheGround)
{
    Enter();
    EXPECT_FALSE(Visible(Object("i_wooden_pole")));
    Run(UseOnGuard(DINSDALE, "ITEM_FLYING_SILHOUETTE"));
    EXPECT_EQ(Dialogs(), Ids({SILHOUETTE_TALK}));
    EXPECT_EQ(QueuedMovie(), 0);

    Run(Click(Object("rose_trellis")));
    Run(UseOnGuard(MITCHELL, "ITEM_FLYING_SILHOUETTE"));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {11});
    EXPECT_EQ(QueuedMovie(), 5);
    // The refusal does not follow the trick in the same use.
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Get(VARBOOL_BG204_C08_EVENT_FLYING_SILHOUETTE) && Get(VARBOOL_QUEST_C8_GUARDS_DONE));

    Enter(BACK_FROM_THE_SILHOUETTE);
    EXPECT_EQ(Dialogs(), Ids({SILHOUETTE_TALK}));
    EXPECT_EQ(PlacedAt(HEROINE), 11);
    EXPECT_EQ(PlacedAt(DINSDALE), 23);
    EXPECT_EQ(PlacedAt(MITCHELL), 25);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_GHOST_DONE));
    EXPECT_TRUE(Visible(Object("i_wooden_pole")) && Open(Object("priests_window")));
    EXPECT_FALSE(Open(Object("wooden_pole")) || Open(Object("m_walk_past_guards")));
    // A later return from the movie adds nothing; the trick is not played again.
    Enter(BACK_FROM_THE_SILHOUETTE);
    EXPECT_TRUE(Dialogs().empty());
    Run(UseOnGuard(DINSDALE, "ITEM_FLYING_SILHOUETTE"));
    EXPECT_EQ(QueuedMovie(), 0);

    Run(Click(Object("rose_trellis")));
    EXPECT_TRUE(Open(Object("wooden_pole")) && Open(Object("priests_door")));
    Run(Click(Object("wooden_pole")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_WOODEN_POLE")});
    EXPECT_FALSE(Visible(Object("i_wooden_pole")) || Open(Object("wooden_pole")));
    Enter();
    EXPECT_FALSE(Visible(Object("i_wooden_pole")) || Open(Object("wooden_pole")));
}

TEST_F(DrakesOfficeOutsideTest, ThePriestComesToHisWindowOnlyForAShotFromTheCanopy)
{
    Set(VARBOOL_QUEST_C8_GUARDS_DONE);
    Enter();
    Run(UseOn(Object("priests_window"), "ITEM_LOADED_BLOW_PIPE"));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {29});
    EXPECT_EQ(Dialogs(), Ids({0xdaa595b0}));
    EXPECT_TRUE(Taken().empty());

    Run(Click(Object("rose_trellis")));
    dialogEffects[0x8396787c] = [this] { Set(VARBOOL_QUEST_C8_PRIEST_DONE); };
    Run(UseOn(Object("priests_window"), "ITEM_LOADED_BLOW_PIPE"));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {16});
    EXPECT_EQ(Dialogs(), Ids({0xdaa595b0, 0x8396787c}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_LOADED_BLOW_PIPE")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BLOW_PIPE")});
    EXPECT_FALSE(Get(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY));
    EXPECT_EQ(NextScene(), OFFICE_OUTSIDE);

    // Reloaded from itself she stands in the street; the priest waits at his
    // open door with the shovel blade.
    Enter(OFFICE_OUTSIDE);
    EXPECT_TRUE(Walks(HEROINE).empty());
    EXPECT_TRUE(StreetOpen());
    EXPECT_TRUE(Visible(Object("o_open_door")) && Open(ActorScriptableId(ActorIdOf("father_jerome"))));
    EXPECT_FALSE(Open(Object("priests_window")) || Open(Object("priests_door")));
    Run(Callback(0xc0cd11cc));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_SHOVEL_BLADE")});
    // Up the trellis and down again, his door stays his to answer.
    Run(Click(Object("rose_trellis")));
    Run(Click(Object("rose_trellis")));
    EXPECT_FALSE(Get(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY) || Open(Object("priests_door")));

    // His part over, the pipe is taken by its handler and does nothing.
    Set(VARBOOL_QUEST_C8_JUSTICE02_DONE);
    Enter();
    ExpectMatchedAndIdle(UseOn(Object("priests_window"), "ITEM_LOADED_BLOW_PIPE"));
}

TEST_F(DrakesOfficeOutsideTest, DiegoJoinsOnceAndSendsTheGuardsAwayForGoodOnlyForTheConsignment)
{
    Set(VARBOOL_QUEST_C8_NOTES04_DONE);
    Enter();
    EXPECT_EQ(Dialogs(), Ids({0xb3b2a889}));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_EQ(Walks(DIEGO), (std::vector<int32_t> {21, 12}));
    Enter();
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DIEGO")});
    EXPECT_EQ(PlacedAt(DIEGO), 12);

    ExpectMatchedAndIdle(UseOnGuard(DINSDALE, "ITEM_DIEGO"));
    Set(VARBOOL_QUEST_C8_CONSIGNMENT02);
    Run(UseOnGuard(MITCHELL, "ITEM_DIEGO"));
    EXPECT_EQ(Dialogs(), Ids({0xdc4f9b3b}));
    EXPECT_TRUE(Get(VARBOOL_BG204_C08_USE_DIEGO_ON_GUARD));
    EXPECT_FALSE(Visible(DINSDALE) || Visible(MITCHELL));
    ExpectMatchedAndIdle(UseOnGuard(DINSDALE, "ITEM_DIEGO"));

    // Gone for good: they neither stand there nor stop her at the door, even
    // though nobody knocked them out.
    Enter();
    EXPECT_FALSE(Visible(DINSDALE) || Open(MITCHELL) || Open(Object("m_walk_past_guards")));
    ExpectMatchedAndIdle(Touch(Object("m_walk_past_guard_door")));
    Run(Click(Object("goto_bg205")));
    EXPECT_EQ(NextScene(), OFFICE_INSIDE);
}

TEST_F(DrakesOfficeOutsideTest, TheGuardsTurnHerBackWhileTheyStand)
{
    Enter();
    Run(Touch(Object("m_walk_past_guards")));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {20, 10}));
    EXPECT_EQ(Dialogs(), Ids({0x3e694710}));
    Run(Click(Object("goto_bg205")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {24});
    EXPECT_EQ(Dialogs(), Ids({NOT_THROUGH_THE_DOOR}));
    EXPECT_EQ(NextScene(), 0);

    Set(VARBOOL_QUEST_C8_GUARDS_DONE);
    Enter();
    ExpectMatchedAndIdle(Touch(Object("m_walk_past_guard_door")));
    Run(Click(Object("goto_bg205")));
    EXPECT_EQ(NextScene(), OFFICE_INSIDE);

    // Standing again for the consignment, they stop her again.
    Set(VARBOOL_QUEST_C8_CONSIGNMENT01);
    Enter();
    Run(Touch(Object("m_walk_past_guard_door")));
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {24, 10}));
    EXPECT_EQ(Dialogs(), Ids({NOT_THROUGH_THE_DOOR}));
}

TEST_F(DrakesOfficeOutsideTest, TheLaneToTheInnWaitsForDiegosWordInChapterEightOnly)
{
    Set(VARBOOL_QUEST_C8_TURTLE_INN03);
    Enter();
    Run(Click(Object("goto_bg206")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {28});
    EXPECT_EQ(Dialogs(), Ids({0x2ccd10f9}));
    EXPECT_EQ(NextScene(), 0);
    EXPECT_FALSE(Called("blocker 2 off"));

    Set(VARBOOL_BG204_C08_TALK_DIEGO_ABOUT_GOLDEN_TURTLE);
    Run(Click(Object("goto_bg206")));
    EXPECT_TRUE(Called("blocker 2 off"));
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {2});
    EXPECT_EQ(NextScene(), GOLDEN_TURTLE);

    // Back from the inn she walks in from the lane; in another chapter the
    // lane needs nobody's word.
    Enter(GOLDEN_TURTLE, 9);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {28});
    Run(Click(Object("goto_bg206")));
    EXPECT_EQ(NextScene(), GOLDEN_TURTLE);
}

} // namespace
