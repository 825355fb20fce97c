// The script of the turtle path on Turtle island (scene 48): chapter 10 played
// from the first arrival with Tanama and Eduardo through the turtle puzzle on
// the altar, lost and won, to the open door into the turtle chamber; the
// whistle and Eduardo; the path after the chamber's first visit and in other
// chapters.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int32_t TURTLE_PATH = 48;
constexpr int32_t TURTLE_BEACH = 47;
constexpr int32_t TURTLE_CHAMBER = 49;
constexpr int32_t TURTLE_DOOR_PUZZLE = 7;
constexpr int32_t BACK_FROM_THE_PUZZLE = 256 + TURTLE_DOOR_PUZZLE;

using Object = NamedObject<SceneTableRows::s_aObjects_bg508_48>;

constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t TANAMA = ActorScriptableId(ActorIdOf("tanama"));
constexpr int32_t EDUARDO = ActorScriptableId(ActorIdOf("uncle_eduardo"));

constexpr uint32_t FIRST_ARRIVAL = 0x58354bad;
constexpr uint32_t TRY_THE_TURTLES = 0x7b2b44d3;
constexpr uint32_t WHISTLE = 0x5edf0a87;
constexpr int32_t DECOY = 422;
constexpr uint32_t DOOR_SOUND = 0x6b7c68f3;
constexpr int32_t WIN_MARKER = 9;

constexpr int32_t WP_FROM_THE_BEACH = 1;
constexpr int32_t WP_ON_THE_PATH = 2;
constexpr int32_t WP_FROM_THE_CHAMBER = 4;
constexpr int32_t WP_TANAMA_ASIDE = 6;
constexpr int32_t WP_BACK_FROM_THE_PUZZLE = 8;
constexpr int32_t WP_DOOR = 12;

class TurtlePathTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = TURTLE_BEACH) { EnterInChapter(TURTLE_PATH, iChapter, iFrom); }
    // Back from the turtle puzzle, won or lost.
    void BackFromThePuzzle(bool bWon, bool bSkipped = false)
    {
        Set(VARBOOL_C_WIN_MINIGAME, bWon);
        Set(VARBOOL_C_CHEAT_MINIGAME, bSkipped);
        Enter(10, BACK_FROM_THE_PUZZLE);
    }
    // The door shut, its altar waiting, the way down closed; or the reverse.
    void ExpectTheDoor(bool bOpen)
    {
        EXPECT_EQ(Open(Object("goto_bg509")), bOpen);
        EXPECT_EQ(Open(Object("turtle_door")), !bOpen);
        EXPECT_EQ(Open(Object("turtle_altar")), !bOpen);
        EXPECT_EQ(Get(VARBOOL_BG508_C10_PUZZLE_SUCCESS), bOpen);
        EXPECT_EQ(Get(VARBOOL_BG508_C10_TURTLE_DOOR_OPEN), bOpen);
    }
    // The entry walked again with the variables as they are now, to the end:
    // the global actions it fires (the sounds, the queue's marker), which the
    // scene's objects do not see.
    std::vector<ActionDesc> GlobalActionsOfTheEntry()
    {
        struct NotingDispatch : ScriptTreeDispatch {
            void StartAction(const ActionDesc& oAction) override { fired.push_back(oAction); }
            bool IsDialogActive() override { return false; }
            std::vector<ActionDesc> fired;
        } dispatch;
        ScriptTreeContext oContext;
        oContext.SetTree(manager.GetScriptTree());
        oContext.SetGameInterface(GameInterface::GetGameInterface());
        oContext.SetDispatch(&dispatch);
        oContext.Start(MakeEvent(TwEventType_Init, 0));
        for (int iStep = 0; iStep < 100 && !oContext.Step(); ++iStep)
            ;
        EXPECT_EQ(oContext.GetCursor(), NO_NODE) << "the entry does not end";
        return dispatch.fired;
    }
    // The door's sound and the marker of a won puzzle that the entry back from
    // the puzzle fires.
    std::pair<bool, bool> DoorSoundAndMarker(bool bWon, bool bSkipped = false)
    {
        Set(VARBOOL_C_WIN_MINIGAME, bWon);
        Set(VARBOOL_C_CHEAT_MINIGAME, bSkipped);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, BACK_FROM_THE_PUZZLE);
        const std::vector<ActionDesc> fired = GlobalActionsOfTheEntry();
        const auto fires = [&](int32_t iActionType, int32_t iValue) {
            return std::ranges::any_of(fired, [&](const ActionDesc& oAction) {
                return oAction.m_iActionType == iActionType && oAction.m_oParameter[0] == iValue;
            });
        };
        return {fires(ID_ACTION_TYPE_PLAY_SOUND_EFFECT, static_cast<int32_t>(DOOR_SOUND)),
                fires(ID_ACTION_TYPE_NO_EFFECT_44, WIN_MARKER)};
    }
    static EventDesc WhistleOnEduardo()
    {
        return MatchExpr::MakeEvent6(ItemIdOf("ITEM_WHISTLE"), ItemIdOf("ITEM_EDUARDO")).m_oEvent;
    }
};

TEST_F(TurtlePathTest, ChapterTenPlaysFromTheArrivalWithTanamaThroughThePuzzleToTheChamber)
{
    // The chapter starts here, from the loading screen.
    Enter(10, 63);
    EXPECT_EQ(Dialogs(), Ids({FIRST_ARRIVAL}));
    EXPECT_TRUE(Get(VARBOOL_BG508_C10_EVENT_WERE_HERE) && Get(VARBOOL_TU_MAP_BG508));
    EXPECT_EQ(Places(HEROINE).back(), WP_FROM_THE_BEACH);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_ON_THE_PATH});
    // Tanama comes in and turns straight to her, not first to the door.
    EXPECT_TRUE(Values(ID_ACTION_TYPE_TURN_TO_WAYPOINT, TANAMA).empty());
    EXPECT_TRUE(Visible(TANAMA) && Open(TANAMA) && Visible(EDUARDO) && Open(EDUARDO));
    EXPECT_TRUE(Visible(Object("fx_dooropen")));
    ExpectTheDoor(false);

    // Her hands cannot move the door; the altar starts the puzzle.
    Run(Click(Object("turtle_door")));
    EXPECT_EQ(NextScene(), 0);
    Run(Click(Object("turtle_altar")));
    EXPECT_EQ(Dialogs(), Ids({TRY_THE_TURTLES}));
    EXPECT_EQ(QueuedMiniGame(), TURTLE_DOOR_PUZZLE);

    EXPECT_EQ(DoorSoundAndMarker(true), std::pair(true, true));
    BackFromThePuzzle(true);
    EXPECT_EQ(PlacedAt(HEROINE), WP_BACK_FROM_THE_PUZZLE);
    EXPECT_EQ(Walks(TANAMA), std::vector<int32_t> {WP_TANAMA_ASIDE});
    EXPECT_FALSE(Visible(Object("fx_dooropen")));
    EXPECT_TRUE(Dialogs().empty());
    ExpectTheDoor(true);

    // Tanama follows her down the first time.
    Run(Click(Object("goto_bg509")));
    EXPECT_EQ(NextScene(), TURTLE_CHAMBER);
    EXPECT_EQ(Walks(TANAMA), std::vector<int32_t> {WP_DOOR});
}

TEST_F(TurtlePathTest, ALostPuzzleLeavesTheAltarForAnotherTryAndAWonOneOpensTheDoorOnce)
{
    Set(VARBOOL_BG508_C10_EVENT_WERE_HERE);
    BackFromThePuzzle(false);
    EXPECT_EQ(PlacedAt(HEROINE), WP_BACK_FROM_THE_PUZZLE);
    EXPECT_TRUE(Walks(TANAMA).empty());
    EXPECT_EQ(DoorSoundAndMarker(false), std::pair(false, false));
    EXPECT_TRUE(Visible(Object("fx_dooropen")));
    ExpectTheDoor(false);
    Run(Click(Object("turtle_altar")));
    EXPECT_EQ(QueuedMiniGame(), TURTLE_DOOR_PUZZLE);

    // Skipped from the menu, the puzzle opens the door all the same, unmarked.
    EXPECT_EQ(DoorSoundAndMarker(true, true), std::pair(true, false));
    BackFromThePuzzle(true, true);
    ExpectTheDoor(true);

    // A later return from the same puzzle changes nothing.
    BackFromThePuzzle(true);
    EXPECT_EQ(DoorSoundAndMarker(true), std::pair(false, false));
    EXPECT_TRUE(Walks(TANAMA).empty());
    EXPECT_EQ(PlacedAt(TANAMA), WP_TANAMA_ASIDE);
    ExpectTheDoor(true);

    // Back from the beach the door stays open with Tanama aside.
    Enter(10, TURTLE_BEACH);
    EXPECT_EQ(PlacedAt(TANAMA), WP_TANAMA_ASIDE);
    EXPECT_FALSE(Visible(Object("fx_dooropen")));
    ExpectTheDoor(true);
}

TEST_F(TurtlePathTest, TheWhistlePlaysItsDialogOnceAndTheDecoyOnlyAfterTheChamber)
{
    Set(VARBOOL_BG508_C10_EVENT_WERE_HERE);
    for (const bool bChamberSeen : {false, true}) {
        SCOPED_TRACE(bChamberSeen);
        Set(VARBOOL_BG509_C10_FIRST_TIME, bChamberSeen);
        Enter(10);
        Run(WhistleOnEduardo());
        EXPECT_EQ(Dialogs(), Ids({WHISTLE}));
        const std::vector<int32_t> gestures = Values(ID_ACTION_TYPE_ANIMATION, HEROINE);
        EXPECT_EQ(std::ranges::count(gestures, DECOY), bChamberSeen ? 1 : 0);
    }
}

TEST_F(TurtlePathTest, AfterTheChamberTanamaAndEduardoAreGoneAndSheGoesDownAlone)
{
    Set(VARBOOL_BG508_C10_EVENT_WERE_HERE);
    Set(VARBOOL_BG508_C10_PUZZLE_SUCCESS);
    Set(VARBOOL_BG508_C10_TURTLE_DOOR_OPEN);
    Set(VARBOOL_BG509_C10_FIRST_TIME);
    Enter(10, TURTLE_CHAMBER);
    EXPECT_EQ(PlacedAt(HEROINE), WP_FROM_THE_CHAMBER);
    EXPECT_TRUE(Walks(HEROINE).empty());
    EXPECT_FALSE(Visible(TANAMA) || Open(TANAMA) || Visible(EDUARDO) || Open(EDUARDO));
    ExpectTheDoor(true);
    Run(Click(Object("goto_bg509")));
    EXPECT_EQ(NextScene(), TURTLE_CHAMBER);
    EXPECT_TRUE(Walks(TANAMA).empty());
}

TEST_F(TurtlePathTest, OutsideChapterTenThePathIsEmptyAndItsDoorUntouchable)
{
    for (const int32_t iChapter : {0, 5, 9}) {
        SCOPED_TRACE(iChapter);
        g_VarManager = VarSet {};
        Enter(iChapter);
        EXPECT_TRUE(Dialogs().empty());
        EXPECT_FALSE(Get(VARBOOL_BG508_C10_EVENT_WERE_HERE));
        EXPECT_FALSE(Visible(TANAMA) || Visible(EDUARDO));
        EXPECT_FALSE(Visible(Object("fx_dooropen")) || Open(Object("turtle_door")) || Open(Object("turtle_altar")));
        Run(Click(Object("goto_bg506")));
        EXPECT_EQ(NextScene(), TURTLE_BEACH);
    }
}

} // namespace
