// The town hall's square (scene 15) and map room (scene 16): where the
// heroine enters from, the chapter-2 break-in (pistol, Razzo, the window) and
// the chest with Briscoe's map, each step only once.
#include "Engine/Scripts/Common/CoveredHotspots.h"
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"
#include "Support/HandMadeScene.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int32_t SQUARE = 15;
constexpr int32_t MAP_ROOM = 16;

using SquareObject = NamedObject<SceneTableRows::s_aObjects_bg107_15>;
using RoomObject = NamedObject<SceneTableRows::s_aObjects_bg108_16>;

constexpr uint32_t RAZZO_ACTOR = ActorIdOf("razzo");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t RAZZO = ActorScriptableId(RAZZO_ACTOR);

class TownHallTest : public SceneScriptWithLogicActorsTest {
protected:
    void Enter(int32_t iSceneId, int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(iSceneId, iChapter, iFrom); }
};

TEST_F(TownHallTest, TheHeroineEntersTheSquareBySideOfTheSceneSheCameFrom)
{
    const struct {
        int32_t iFrom;
        int32_t iLastPlace;
        std::vector<int32_t> walks;
    } cases[] = {
        {11, 2, {3}},
        {12, 2, {3}},
        {20, 2, {3}},
        {13, 9, {6}},
        {17, 12, {13}},
        // Out of the map room she climbs out, without a walk.
        {16, 1, {}},
        // A loaded game, a mini-game's end: she stays by the flag pole.
        {0, 21, {}},
        {256 + 2, 21, {}},
        {15, 21, {}},
    };
    for (const auto& c : cases) {
        g_VarManager = VarSet {};
        Enter(SQUARE, 2, c.iFrom);
        EXPECT_EQ(Places(HEROINE).back(), c.iLastPlace) << c.iFrom;
        EXPECT_EQ(Walks(HEROINE), c.walks) << c.iFrom;
        const std::vector<int32_t> animations = Values(ID_ACTION_TYPE_ANIMATION, HEROINE);
        const bool climbsOut = std::count(animations.begin(), animations.end(), 595) == 1;
        EXPECT_EQ(climbsOut, c.iFrom == 16) << c.iFrom;
    }
}

TEST_F(TownHallTest, TheWayToBriscoesHouseOpensOnlyWithItsMapFlagAndOutsideChapterTwoTheWindowStandsOpen)
{
    for (int32_t iChapter : {1, 2, 3, 7}) {
        g_VarManager = VarSet {};
        Enter(SQUARE, iChapter);
        EXPECT_FALSE(Open(SquareObject("goto_bg110"))) << iChapter;
        // Razzo only comes when he is called.
        EXPECT_FALSE(Visible(RAZZO)) << iChapter;
        const bool chapterTwo = iChapter == 2;
        EXPECT_EQ(Open(SquareObject("closed_shutter")), chapterTwo) << iChapter;
        EXPECT_EQ(Open(SquareObject("goto_bg108")), !chapterTwo) << iChapter;
        EXPECT_EQ(Visible(SquareObject("o_shutter_2")), !chapterTwo) << iChapter;
        EXPECT_EQ(Visible(SquareObject("o_open_window")), !chapterTwo) << iChapter;

        Set(VARBOOL_BO_MAP_BG110);
        Enter(SQUARE, iChapter);
        EXPECT_TRUE(Open(SquareObject("goto_bg110"))) << iChapter;
    }
}

TEST_F(TownHallTest, ThePistolOpensTheShutterAndRazzoOpensTheWindowOnlyOnce)
{
    Enter(SQUARE, 2);
    // Before the shutter is open Razzo comes, talks and does nothing more.
    Run(UseOn(SquareObject("goto_bg108"), "ITEM_RAZZO"));
    EXPECT_EQ(Places(RAZZO), std::vector<int32_t> {9});
    EXPECT_EQ(Walks(RAZZO), std::vector<int32_t> {5});
    EXPECT_TRUE(Visible(RAZZO));
    EXPECT_TRUE(Get(VARBOOL_BG107_C02_RAZZO_HERE));
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(0xCFB6F737)});

    Run(UseOn(SquareObject("closed_shutter"), "ITEM_PISTOL"));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, HEROINE).size(), 1u);
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, HEROINE), Values(ID_ACTION_TYPE_ADD_ATTACHMENT, HEROINE));
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(0xB42B9BEA)});
    EXPECT_TRUE(Get(VARBOOL_BG107_C02_USE_PISTOL_ON_CLOSED_SHUTTER));
    EXPECT_TRUE(Open(SquareObject("goto_bg108")));
    EXPECT_FALSE(Open(SquareObject("closed_shutter")));
    EXPECT_TRUE(Visible(SquareObject("o_shutter_2")));

    // Back in the square, the shutter stays open and Razzo waits there.
    Enter(SQUARE, 2);
    EXPECT_TRUE(Open(SquareObject("goto_bg108")));
    EXPECT_FALSE(Open(SquareObject("closed_shutter")));
    EXPECT_TRUE(Visible(RAZZO));
    EXPECT_FALSE(Visible(SquareObject("o_open_window")));

    // Razzo here already: the two only turn to each other and talk.
    Run(UseOn(SquareObject("goto_bg108"), "ITEM_RAZZO"));
    EXPECT_TRUE(Walks(RAZZO).empty() && Walks(HEROINE).empty() && Places(RAZZO).empty());
    EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_ACTOR, HEROINE), std::vector<int32_t> {RAZZO});
    EXPECT_EQ(Dialogs(), std::vector<int32_t> {static_cast<int32_t>(0xCFB6F737)});

    // His dialog's callbacks: his mood rises, he picks the lock and leaves,
    // and she climbs into the map room.
    Run(Callback(0x255B7854));
    EXPECT_EQ(g_VarManager.GetInt(VARINT_RAZZO_MOOD), 1);
    Run(Callback(0x4076FA16));
    EXPECT_EQ(Walks(RAZZO), (std::vector<int32_t> {7, 7, 10}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {4});
    EXPECT_FALSE(Visible(RAZZO));
    EXPECT_TRUE(Visible(SquareObject("o_open_window")));
    EXPECT_FALSE(Get(VARBOOL_BG107_C02_RAZZO_HERE));
    EXPECT_TRUE(Get(VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS));
    EXPECT_EQ(NextScene(), MAP_ROOM);

    // From then on the window is a way in, and Razzo's part is done.
    Enter(SQUARE, 2, MAP_ROOM);
    EXPECT_TRUE(Visible(SquareObject("o_open_window")));
    EXPECT_FALSE(Visible(RAZZO));
    for (const EventDesc& oEvent : {Callback(0x4076FA16), UseOn(SquareObject("goto_bg108"), "ITEM_RAZZO")}) {
        Run(oEvent);
        // Matched, so no bad interaction answers, and nothing happens.
        EXPECT_TRUE(actionLog.empty());
        EXPECT_EQ(NextScene(), 0);
    }
    Run(MakeEvent(TwEventType_Activate, SquareObject("goto_bg108")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {4});
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), MAP_ROOM);
}

TEST_F(TownHallTest, LookingAtOrTalkingToRazzoTurnsToHimInsteadOfTheWaypoint)
{
    Set(VARBOOL_BG107_C02_RAZZO_HERE);
    Enter(SQUARE, 2);
    for (const EventDesc& oEvent : {ScriptEvent_FlaggedId1(RAZZO_ACTOR), ScriptEvent_FlaggedId2(RAZZO_ACTOR)}) {
        Run(oEvent);
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {21});
        EXPECT_TRUE(Values(ID_ACTION_TYPE_TURN_TO_WAYPOINT, HEROINE).empty());
        EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_ACTOR, HEROINE), std::vector<int32_t> {RAZZO});
        EXPECT_EQ(Dialogs().size(), 1u);
    }
}

TEST_F(TownHallTest, EachExitWalksOnWhileTheSceneFades)
{
    const struct {
        int32_t iExit;
        int32_t iScene;
        std::vector<int32_t> walks;
    } exits[] = {{SquareObject("goto_bg105"), 13, {20, 10}},
                 {SquareObject("goto_bg104"), 12, {23, 0}},
                 {SquareObject("goto_bg110"), 17, {28, 11}}};
    for (const auto& exit : exits) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BO_MAP_BG110);
        Enter(SQUARE, 2);
        Run(MakeEvent(TwEventType_Activate, exit.iExit));
        EXPECT_EQ(Walks(HEROINE), exit.walks) << exit.iScene;
        EXPECT_EQ(NextScene(), exit.iScene);
    }
}

TEST_F(TownHallTest, EveryChapterHasItsSoundGroupWithinOneCondition)
{
    TestSupport::LogCapture log;
    for (int32_t iChapter = 1; iChapter <= 10; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        for (const auto& [iScene, iChapterGroup, iOtherGroup] :
             {std::tuple {SQUARE, 0x6C562A0E, 0x61E88C5F}, std::tuple {MAP_ROOM, 0x1EC2B57F, 0x38C89EF3}}) {
            std::unique_ptr<SceneScript> pScript(CreateScriptFromId(iScene));
            pScript->SetOwner(&manager);
            pScript->LinkSoundGroups();
            EXPECT_EQ(pScript->SelectSoundGroup(), iChapter == 2 ? iChapterGroup : iOtherGroup)
                << iScene << ", chapter " << iChapter;
        }
    }
    EXPECT_EQ(log.Take(), "");
}

TEST_F(TownHallTest, TheHeroineClimbsIntoTheMapRoomOnlyFromTheSquare)
{
    for (int32_t iFrom : {SQUARE, 0, 14}) {
        Enter(MAP_ROOM, 2, iFrom);
        const std::vector<int32_t> places = Places(HEROINE);
        EXPECT_EQ(places.back(), 2) << iFrom;
        const std::vector<int32_t> climb = Values(ID_ACTION_TYPE_PLAY_ANIMATION, HEROINE);
        EXPECT_EQ(climb, iFrom == SQUARE ? std::vector<int32_t> {593} : std::vector<int32_t> {}) << iFrom;
        EXPECT_EQ(places.size(), iFrom == SQUARE ? 3u : 1u) << iFrom;
        EXPECT_TRUE(Walks(HEROINE).empty()) << iFrom;
    }
}

TEST_F(TownHallTest, TheBoneOpensTheChestOnceAndTheSerialNumberGivesTheMapOnce)
{
    Enter(MAP_ROOM, 2);
    EXPECT_TRUE(Open(RoomObject("locked_chest")));
    EXPECT_FALSE(Open(RoomObject("open_chest")));
    EXPECT_TRUE(Visible(RoomObject("o_map")));

    // The lid comes up after 4.3 s; the dialog after it waits 5 s.
    manager.Update(16);
    actionLog.clear();
    ASSERT_TRUE(manager.FireEvent(UseOn(RoomObject("locked_chest"), "ITEM_SMALL_CHICKEN_BONE")));
    EXPECT_GE(RunWalk(), 5000 / 16);
    EXPECT_EQ(Dialogs(), (std::vector<int32_t> {static_cast<int32_t>(0xF4502989), static_cast<int32_t>(0xE88DA9E5)}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ITEM, HEROINE), std::vector<int32_t> {Item("ITEM_SMALL_CHICKEN_BONE")});
    EXPECT_TRUE(Get(VARBOOL_BG108_C02_CHEST_IS_OPEN));
    EXPECT_TRUE(Open(RoomObject("open_chest")));
    EXPECT_FALSE(Open(RoomObject("locked_chest")));

    Run(UseOn(RoomObject("open_chest"), "ITEM_SERIAL_NUMBER"));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ITEM, HEROINE), std::vector<int32_t> {Item("ITEM_BRISCOES_MAP")});
    EXPECT_TRUE(Values(ID_ACTION_TYPE_REMOVE_ITEM, HEROINE).empty());
    EXPECT_FALSE(Visible(RoomObject("o_map")));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_FIND_MAP_DONE));
    EXPECT_TRUE(Get(VARBOOL_BG108_C02_PICK_MAP_T));

    // A second time the event still matches, and nothing happens.
    manager.Update(16);
    actionLog.clear();
    ASSERT_TRUE(manager.FireEvent(UseOn(RoomObject("open_chest"), "ITEM_SERIAL_NUMBER")));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_UseItem);
    RunWalk();
    EXPECT_TRUE(actionLog.empty());

    // The chest stays open; the map stays gone.
    Enter(MAP_ROOM, 2);
    EXPECT_TRUE(Open(RoomObject("open_chest")));
    EXPECT_FALSE(Open(RoomObject("locked_chest")));
    EXPECT_FALSE(Visible(RoomObject("o_map")));
}

TEST_F(TownHallTest, OnlyTakingTheMapHidesIt)
{
    for (const auto& [bOpen, bTaken] : {std::pair {false, false}, {true, false}, {false, true}, {true, true}}) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG108_C02_CHEST_IS_OPEN, bOpen);
        Set(VARBOOL_BG108_C02_PICK_MAP_T, bTaken);
        Enter(MAP_ROOM, 2);
        EXPECT_EQ(Visible(RoomObject("o_map")), !bTaken) << bOpen << bTaken;
        EXPECT_EQ(Open(RoomObject("open_chest")), bOpen) << bOpen << bTaken;
    }
}

using TownHallPickingTest = SampleSceneScriptTest;

TEST_F(TownHallPickingTest, RazzoStandsClearOfEveryHotspotOfTheSquare)
{
    // Where he waits for the heroine, before and after the shutter opens.
    for (const bool bShutterOpen : {false, true}) {
        for (const auto& [width, height] : {std::pair {1280u, 960u}, std::pair {1280u, 720u}}) {
            TestSupport::ScopedWindowSize window(width, height);
            g_VarManager = VarSet {};
            g_VarManager.SetBool(VARBOOL_BG107_C02_RAZZO_HERE, 1);
            g_VarManager.SetBool(VARBOOL_BG107_C02_USE_PISTOL_ON_CLOSED_SHUTTER, bShutterOpen ? 1 : 0);
            Enter(static_cast<SceneId>(SQUARE), 2, ActorIdOf("tavrine"));
            if (HasFatalFailure())
                return;
            std::string faults;
            for (const std::string& fault : CoveredHotspots(*m_scene))
                faults += fault + "\n";
            EXPECT_EQ(faults, "") << bShutterOpen << ", " << width << " x " << height;
        }
    }
}

} // namespace
