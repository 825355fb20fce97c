// The script of the golden turtle inn on Crab island (scene 27): the chapter-8
// arrival with Diego that runs once, the wish that came true only when it was
// made, the turtle rod that is the only thing Eduardo answers to and sends her
// to the ship, and the door that is the way out only outside chapter 8 and
// still walks her on while the scene fades.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t INN = 27;
constexpr int32_t DRAKES_OFFICE = 25;
constexpr int32_t NIGHT_CABIN = 8;

using Object = NamedObject<SceneTableRows::s_aObjects_bg206_27>;

constexpr uint32_t EDUARDO_ACTOR = ActorIdOf("uncle_eduardo");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t DIEGO = ActorScriptableId(ActorIdOf("diego"));
constexpr int32_t EDUARDO = ActorScriptableId(EDUARDO_ACTOR);

constexpr uint32_t MEETING = 0xeba0fb22;
constexpr uint32_t WISH = 0x61df2eb4;
constexpr uint32_t ROD_SHOWN = 0x3b838829;

class GoldenTurtleInnTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter = 8) { EnterInChapter(INN, iChapter, DRAKES_OFFICE); }
    std::vector<int32_t> Blockers() const { return Values(ID_ACTION_TYPE_SET_BLOCKER, HEROINE, 1); }
};

TEST_F(GoldenTurtleInnTest, TheArrivalWithDiegoRunsOnceAndLaterEntriesLeaveHimAlone)
{
    Set(VARBOOL_ACTIVE_MAP);
    Enter();
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_EQ(Taken(), Ids({ItemIdOf("ITEM_DIEGO")}));
    EXPECT_EQ(Dialogs(), Ids({MEETING}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {2});
    EXPECT_EQ(Walks(DIEGO), std::vector<int32_t> {3});
    for (const int32_t iFlag : {VARBOOL_QUEST_C8_TURTLE_INN03_DONE, VARBOOL_QUEST_C4_UNCLE_EDUARDO05_DONE,
                                VARBOOL_QUEST_C8_UNCLE_EDUARDO06_DONE})
        EXPECT_TRUE(Get(iFlag)) << iFlag;
    EXPECT_FALSE(Open(Object("goto_bg204")));
    EXPECT_EQ(Blockers(), std::vector<int32_t> {1});

    Enter();
    EXPECT_TRUE(Taken().empty());
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(PlacedAt(HEROINE), 0);
    EXPECT_TRUE(Walks(HEROINE).empty());
    EXPECT_FALSE(Open(Object("goto_bg204")));
}

TEST_F(GoldenTurtleInnTest, TheWishComesTrueOnlyWhenItWasMade)
{
    Set(VARBOOL_BG307_C04_A_WISH);
    Enter();
    EXPECT_EQ(Dialogs(), Ids({MEETING}));
    EXPECT_TRUE(Get(VARBOOL_BG307_C04_A_WISH));

    Set(VARBOOL_QUEST_C8_TURTLE_INN03_DONE, false);
    Set(VARBOOL_BG307_C04_WISH_UNCLE_EDUARDO);
    Enter();
    EXPECT_EQ(Dialogs(), Ids({MEETING, WISH}));
    EXPECT_FALSE(Get(VARBOOL_BG307_C04_A_WISH));
}

TEST_F(GoldenTurtleInnTest, OnlyTheTurtleRodOnEduardoSendsHerToTheShip)
{
    Set(VARBOOL_QUEST_C8_TURTLE_INN03_DONE);
    Enter();
    for (const EventDesc& oEvent : {ScriptEvent_ItemOnFlaggedId3(EDUARDO_ACTOR, ItemIdOf("ITEM_IRON_STEM")),
                                    ScriptEvent_ItemOnFlaggedId3(ActorIdOf("landlord"), ItemIdOf("ITEM_TURTLE_ROD")),
                                    ScriptEvent_ItemOnFlaggedId3(ActorIdOf("diego"), ItemIdOf("ITEM_TURTLE_ROD")),
                                    UseOn(Object("goto_bg204"), "ITEM_TURTLE_ROD")}) {
        manager.Update(16);
        ASSERT_TRUE(manager.FireEvent(oEvent));
        EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
        RunWalk();
    }
    EXPECT_EQ(NextScene(), 0);

    Run(ScriptEvent_ItemOnFlaggedId3(EDUARDO_ACTOR, ItemIdOf("ITEM_TURTLE_ROD")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {8});
    EXPECT_TRUE(Get(VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO));
    EXPECT_EQ(Dialogs(), Ids({ROD_SHOWN}));
    EXPECT_EQ(NextScene(), NIGHT_CABIN);
    // The rod is shown, not given.
    EXPECT_TRUE(Taken().empty());
}

TEST_F(GoldenTurtleInnTest, OutsideChapterEightTheUncleIsAwayAndTheDoorWalksHerOnDuringTheFade)
{
    for (const int32_t iChapter : {3, 9}) {
        SCOPED_TRACE(iChapter);
        Enter(iChapter);
        EXPECT_FALSE(Visible(DIEGO) || Open(DIEGO) || Visible(EDUARDO) || Open(EDUARDO));
        EXPECT_TRUE(Taken().empty());
        EXPECT_TRUE(Dialogs().empty());
        EXPECT_FALSE(Get(VARBOOL_QUEST_C8_TURTLE_INN03_DONE));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {3});

        Run(MatchExpr::MakeEvent0(Object("goto_bg204")).m_oEvent);
        EXPECT_EQ(Blockers(), std::vector<int32_t> {0});
        EXPECT_EQ(NextScene(), DRAKES_OFFICE);
        EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {10, 1}));
    }
}

} // namespace
