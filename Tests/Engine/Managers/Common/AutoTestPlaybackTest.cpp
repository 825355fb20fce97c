#include "Engine/Managers/Common/ScriptManagerTestKit.h"

#include "Common/ProfileSections.h"
#include "Common/VarIds.h"
#include "ContentBuilder/AutoTestSource.h"
#include "Dialogs/Common/TalkScreenServices.h"
#include "Game/TwGame.h"
#include "Managers/Common/ScriptAutoTestLink.h"
#include "Profiler/CoreProfiler.h"
#include "ScriptEngine/common/AutoTestRecording.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Support/ScopedService.h"
#include "System/Clock.h"

#include <gtest/gtest.h>

// A recording, compiled from its source as the content builder does and read
// back as the game does, replayed by the script manager frame by frame
// against a scene script, fake scriptables and fake scene, inventory script
// and map.
namespace {

constexpr int32_t LIVING_ROOM = 9;
constexpr int32_t HOUSE_EXTERIOR = 10;
constexpr int32_t WATER_JUG = 2;
constexpr int32_t DUSTPAN = 4;
constexpr int32_t DUST_PATCH = 25;
constexpr uint32_t PLATE = 0x808443e7u;  // ITEM_DULL_PLATE
constexpr uint32_t MAGNET = 0x8aa0e08du; // ITEM_MAGNET
constexpr uint32_t CORK = 0x8c35a848u;   // ITEM_CORK
constexpr int32_t LOOKS = VARINT_LINE_1;
constexpr int32_t SWEEPS = VARINT_LINE_2;
constexpr int32_t COMBINES = VARINT_LINE_3;
constexpr int32_t OUTSIDE = VARINT_COLUMN1;
constexpr int32_t WAIT_MS = 64;

// The scene's input state, the one combination (plate and magnet) and three
// map locations, the second leading out of the house, the third (a map not
// filled in) to no scene.
class FakeAutoTestLink : public ScriptAutoTestLink {
public:
    FakeAutoTestLink() { SetScriptAutoTestLink(this); }
    ~FakeAutoTestLink() override { SetScriptAutoTestLink(nullptr); }

    int32_t GetSceneInputState() override { return m_iInputState; }
    bool CombineItem(uint32_t uFirst, uint32_t uSecond, EventDesc* pOut) override
    {
        if (!((uFirst == PLATE && uSecond == MAGNET) || (uFirst == MAGNET && uSecond == PLATE)))
            return false;
        BuildEvent(pOut, TwEventType_Combine, 2, ID_PARAMETER_TYPE_ITEM, uFirst, ID_PARAMETER_TYPE_ITEM, uSecond);
        return true;
    }
    int32_t GetNbMapLocations() override { return 3; }
    bool IsMapLocationActive(int32_t iIndex) override { return iIndex != 0; }
    int32_t GetMapLocationScene(int32_t iIndex) override
    {
        static constexpr int32_t SCENES[] = {LIVING_ROOM, HOUSE_EXTERIOR, 0};
        return SCENES[iIndex];
    }

    int32_t m_iInputState = INPUT_STATE_IDLE;
};

// A counter whose every reading is 2 ms after the last one.
class SteppingClock : public Platform::Clock {
public:
    uint64_t Counter() override { return m_uCounter += 2000; }
    uint64_t CounterFrequency() override { return 1000000; }
    void Sleep(uint32_t) override { }
    void SleepUntil(uint64_t) override { }
    int32_t WallClockMilliseconds() override { return 0; }
    int64_t CalendarSeconds() override { return 0; }
    int64_t ProcessorTicks() override { return 0; }
    uint64_t m_uCounter = 0;
};

void AddOne(TestSceneScript& s, int32_t iVarId)
{
    s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(iVarId), Param::Int(1));
}

// Looking at the jug takes time; sweeping with the plate, combining and every
// failed use count; the dust patch turns the dustpan off.
void WriteLivingRoom(TestSceneScript& script)
{
    script.m_events = [](TestSceneScript& s) {
        s._IfEvent(MakeEvent(TwEventType_Look, WATER_JUG));
        s.AddToQueue(WATER_JUG, ID_ACTION_TYPE_WAIT, Param::Int(WAIT_MS));
        AddOne(s, LOOKS);
        s._EndMatch();

        s._IfEvent(MakeEvent(TwEventType_UseItem, DUSTPAN, PLATE));
        AddOne(s, SWEEPS);
        s._EndMatch();

        s._IfEvent(MakeEvent(TwEventType_Activate, DUST_PATCH));
        s.AddToQueue(DUSTPAN, ID_ACTION_TYPE_SET_ACTIVE, Param::Bool(false));
        s._EndMatch();

        EventDesc oCombine;
        s._IfEvent(*BuildEvent(&oCombine, TwEventType_Combine, 0));
        AddOne(s, COMBINES);
        s._EndMatch();
    };
}

class AutoTestPlaybackTest : public ScriptManagerTest {
protected:
    AutoTestPlaybackTest()
    {
        TwGame::s_bAutoTest = true;
        g_oGameInterface.AttachInventory(&inventory);
        for (auto& [iId, oScriptable] :
             {std::pair<int32_t, Scriptable*> {WATER_JUG, &jug}, {DUSTPAN, &dustpan}, {DUST_PATCH, &dust}})
            manager.InsertScriptable(iId, oScriptable);
        TestScripts::For(LIVING_ROOM) = &WriteLivingRoom;
        TestScripts::For(HOUSE_EXTERIOR) = [](TestSceneScript& script) {
            script.m_enterActions = [](TestSceneScript& s) {
                s.AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SET_VARIABLE, Param::Int(OUTSIDE), Param::Int(1));
            };
        };
    }
    ~AutoTestPlaybackTest() override
    {
        manager.SetAutoTestEvents({});
        for (int32_t iId : {WATER_JUG, DUSTPAN, DUST_PATCH})
            manager.RemoveScriptable(iId);
        g_oGameInterface.AttachInventory(nullptr);
        TwGame::s_bAutoTest = false;
    }

    void Play(const std::string& source)
    {
        const std::vector<uint8_t> bytes = CompileAutoTestRecording(source, "test recording");
        ASSERT_TRUE(recording.Parse(bytes, "test recording")) << TakeLog();
        manager.SetAutoTestEvents(recording.GetEvents());
    }

    // Frames, with every scene fade-out over in the frame after it starts.
    void RunFrames(int iFrames)
    {
        // The profiler's frames and update pass, as the main loop runs them.
        Core::CoreProfiler& profiler = Core::CoreProfiler::GetInstance();
        for (int frame = 0; frame < iFrames; ++frame) {
            profiler.NextFrame();
            profiler.Start(PROFILE_UPDATE);
            manager.Update(16);
            profiler.Stop(PROFILE_UPDATE);
            profiler.EndFrame();
            if (states.IsFadeRunning(GlobalFade::OutToBlack)) {
                states.FinishFade(GlobalFade::OutToBlack);
                states.StopFade(GlobalFade::OutToBlack);
            }
        }
    }

    FakeAutoTestLink link;
    FakeInventory inventory;
    Scriptable jug;
    Scriptable dustpan;
    Scriptable dust;
    AutoTestRecording recording;
};

// Every failed check is reported and its input played anyway; the run ends
// as failed once the recording is over.
TEST_F(AutoTestPlaybackTest, ARecordingPlaysOneEventPerIdleFrameWithItsChecksAndTravelsByTheMap)
{
    inventory.m_aItems = {PLATE, MAGNET};
    Play("scene bg101_BO_CastilloLivingRoom\n"
         "Look water_jug\n"
         "UseItem dustpan ITEM_DULL_PLATE\n"
         "UseItem dustpan ITEM_CORK   # not held: reported, and still fired\n"
         "Combine ITEM_DULL_PLATE ITEM_MAGNET\n"
         "Combine ITEM_DULL_PLATE ITEM_CORK\n"
         "Activate dust_patch_1\n"
         "Activate dustpan           # no longer interactive\n"
         "Dialog_AutoTest BG101_ASK_CHORES\n"
         "Map 7                      # no such location\n"
         "Map 2                      # leads to no scene\n"
         "Map 1\n"
         "Map 0                      # not open: reported, and travels\n");
    // The scene's input is elsewhere (a dialog runs): nothing plays.
    link.m_iInputState = 9;
    StartScene(LIVING_ROOM);
    TakeLog();
    RunFrames(3);
    EXPECT_EQ(manager.GetAutoTestIndex(), 0);
    link.m_iInputState = ScriptAutoTestLink::INPUT_STATE_IDLE;

    // The look keeps the game busy for its wait: the next record waits too.
    RunFrames(1);
    EXPECT_EQ(manager.GetAutoTestIndex(), 1);
    EXPECT_EQ(TakeLog(), "GAME[00h:00m:00s]:Look(Entity[2](bg101_BO_CastilloLivingRoom::water_jug),)\n");
    RunFrames(WAIT_MS / 16);
    EXPECT_EQ(manager.GetAutoTestIndex(), 1);
    EXPECT_EQ(g_VarManager.GetInt(LOOKS), 1);

    RunFrames(30);
    EXPECT_EQ(manager.GetAutoTestIndex(), 12);
    EXPECT_EQ(g_VarManager.GetInt(SWEEPS), 1);
    // The refused combination fired an empty event: one combine counted.
    EXPECT_EQ(g_VarManager.GetInt(COMBINES), 1);
    EXPECT_FALSE(dustpan.IsInteractive());
    EXPECT_EQ(g_VarManager.GetInt(OUTSIDE), 1);
    EXPECT_EQ(scene.m_iSceneId, LIVING_ROOM);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), LIVING_ROOM);

    const std::string log = TakeLog();
    const std::string expectedInOrder[] = {
        "GAME[00h:00m:00s]:UseItem(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),ITEM_DULL_PLATE)\n",
        "GAME[00h:00m:00s]:UseItem(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),ITEM_CORK)\n",
        "GameInterface::GetGameInterface()->HasItem(oEventDesc.m_oParameter[1].m_iItemId)",
        "message:\nAutoTest: use item not present in inventory\n",
        "GAME[00h:00m:00s]:Combine(ITEM_DULL_PLATE,ITEM_MAGNET)\n",
        "GAME[00h:00m:00s]:Combine(ITEM_DULL_PLATE,ITEM_CORK)\n",
        "GameInterface::GetGameInterface()->HasItem(oEventDesc.m_oParameter[0].m_iItemId)",
        "message:\nAutoTest: Combine items not present in inventory\n",
        "GAME[00h:00m:00s]:Activate(Entity[25](bg101_BO_CastilloLivingRoom::dust_patch_1),)\n",
        "GAME[00h:00m:00s]:Activate(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),)\n",
        "pScriptable->IsVisible() && pScriptable->IsInteractive()",
        "message:\nAutoTest: execute action on non visible/interactive object "
        "(Activate(Entity[4](bg101_BO_CastilloLivingRoom::dustpan),))\n",
        "oEventDesc.m_eType != TwEventType_Dialog_AutoTest",
        "message:\nAutotest Proposition mismatched\n",
        "GAME[00h:00m:00s]:Dialog_AutoTest(",
        "GAME[00h:00m:00s]:Map(7,)\n",
        "AutoTest: Map record names no map location (7), the scene stays\n",
        "GAME[00h:00m:00s]:Map(2,)\n",
        "AutoTest: map location 2 leads to no scene (0), the scene stays\n",
        "GAME[00h:00m:00s]:Map(1,)\n",
        "Scene Init time:",
        "GAME[00h:00m:00s]:Map(0,)\n",
        "message:\nAutoTest: travel to a map location that is not open (0)\n",
        "Scene Init time:",
        "AutoTest: the recording is over, 7 of its checks failed: the game ends as failed\n",
    };
    size_t at = 0;
    for (const std::string& line : expectedInOrder) {
        const size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << log;
        at = found + line.size();
    }
}

TEST_F(AutoTestPlaybackTest, TheTalkScreenTakesDialogChoicesAndPlaybackStopsWhenTheRecordsRunOut)
{
    Play("scene bg101_BO_CastilloLivingRoom\n"
         "Dialog_AutoTest 0x1234\n"
         "Look water_jug\n");
    // Without "-autotest", nothing is taken.
    TwGame::s_bAutoTest = false;
    link.m_iInputState = ScriptAutoTestLink::INPUT_STATE_IDLE;
    StartScene(LIVING_ROOM);
    RunFrames(2);
    EXPECT_EQ(manager.GetAutoTestIndex(), 0);
    TwGame::s_bAutoTest = true;

    ASSERT_NE(manager.PeekAutoTestEvent(), nullptr);
    EXPECT_EQ(manager.PeekAutoTestEvent()->m_eType, TwEventType_Dialog_AutoTest);
    EXPECT_EQ(manager.PeekAutoTestEvent()->m_oParameter[0], 0x1234);
    manager.ConsumeAutoTestEvent();
    TakeLog();

    SteppingClock clock;
    TestSupport::ScopedService<Platform::Clock> useClock(&Platform::SetClock, clock);
    RunFrames(1 + WAIT_MS / 16 + 3);
    EXPECT_EQ(manager.GetAutoTestIndex(), 2);
    EXPECT_EQ(manager.PeekAutoTestEvent(), nullptr);
    manager.ConsumeAutoTestEvent();
    EXPECT_EQ(manager.GetAutoTestIndex(), 2);
    EXPECT_EQ(g_VarManager.GetInt(LOOKS), 1);

    // Timed frames from the first mark until the records ran out, then one
    // report. Each reading of the clock moves it 2 ms on: five a frame, two of
    // them bracketing the update pass.
    const AutoTestFrameTimes& times = manager.GetAutoTestFrameTimes();
    EXPECT_TRUE(times.IsReported());
    EXPECT_GT(times.GetNbFrames(), 0);
    EXPECT_DOUBLE_EQ(times.GetMedianMilliseconds(), 10.0);
    EXPECT_DOUBLE_EQ(times.GetWorstMilliseconds(), 10.0);
    const std::string log = TakeLog();
    const std::string report = "AutoTest: 2 events played in " + std::to_string(times.GetNbFrames()) +
                               " frames; frame time median 10.00 ms, worst 10.00 ms; work per frame median 4.00 ms, "
                               "99th percentile 4.00 ms (update 4.00 ms, render 0.00 ms)\n";
    // The run ends by itself, once.
    EXPECT_NE(log.find(report + "AutoTest: the recording is over, every check passed: the game ends\n"),
              std::string::npos)
        << log;
    EXPECT_TRUE(game.m_bQuit);
    RunFrames(3);
    manager.EndAutoTest();
    EXPECT_EQ(TakeLog().find("AutoTest:"), std::string::npos);
}

TEST_F(AutoTestPlaybackTest, ARunEndedBeforeItsRecordingIsOverReportsTheFramesOfWhatWasPlayedOnce)
{
    // A recording whose last input quits the game (the system script's
    // answer to "System") never sees its records run out.
    Play("scene bg101_BO_CastilloLivingRoom\n"
         "Look water_jug\n"
         "Look water_jug\n");
    StartScene(LIVING_ROOM);
    RunFrames(2);
    ASSERT_EQ(manager.GetAutoTestIndex(), 1);
    TakeLog();

    manager.EndAutoTest();
    const std::string log = TakeLog();
    EXPECT_EQ(log.rfind("AutoTest: 1 events played in ", 0), 0u) << log;
    EXPECT_EQ(log.find("the game ends"), std::string::npos) << log;
    EXPECT_FALSE(game.m_bQuit);
    EXPECT_EQ(manager.PeekAutoTestEvent(), nullptr);
    manager.EndAutoTest();
    EXPECT_EQ(TakeLog(), "");

    // Ended so with a failed check, the run is a failure all the same.
    Play("scene bg101_BO_CastilloLivingRoom\n"
         "UseItem dustpan ITEM_CORK   # not held\n"
         "Look water_jug\n");
    RunFrames(WAIT_MS / 16 + 3);
    ASSERT_EQ(manager.GetAutoTestFailedChecks(), 1);
    TakeLog();
    manager.EndAutoTest();
    EXPECT_NE(TakeLog().find("AutoTest: 1 of its checks failed: the run ends as failed\n"), std::string::npos);
}

TEST(AutoTestFrameTimesTest, OnlyFramesThatFollowEachOtherCountWithTheWorkOfTheFrameBefore)
{
    struct Case {
        std::vector<std::pair<uint64_t, uint64_t>> marks; // frame number, counter
        double median;
        double worst;
    };
    const Case cases[] = {
        {{}, 0.0, 0.0},
        {{{1, 5}}, 0.0, 0.0},                                    // one mark is no frame yet
        {{{1, 0}, {2, 10}, {3, 40}, {4, 45}}, 10.0, 30.0},       // frames 10, 30, 5
        {{{1, 0}, {2, 4}, {3, 8}, {4, 20}, {5, 21}}, 4.0, 12.0}, // frames 4, 4, 12, 1: the upper median
        {{{1, 100}, {2, 50}, {3, 60}}, 10.0, 10.0},              // a counter going back counts no frame
        // A movie's 3,000 ms between two marks is no frame of the replay.
        {{{1, 0}, {2, 16}, {190, 3016}, {191, 3032}}, 16.0, 16.0},
    };
    for (const Case& c : cases) {
        AutoTestFrameTimes times;
        for (const auto& [frame, counter] : c.marks)
            times.MarkFrame({frame, counter, 1000, 0, 0});
        EXPECT_DOUBLE_EQ(times.GetMedianMilliseconds(), c.median) << c.marks.size();
        EXPECT_DOUBLE_EQ(times.GetWorstMilliseconds(), c.worst) << c.marks.size();
    }

    // 200 frames of 1 ms work and two of 9 ms: the 99th percentile is
    // the slow frames' when there are three.
    AutoTestFrameTimes times;
    times.MarkFrame({1, 0, 1000, 0, 0});
    for (uint64_t frame = 2; frame < 202; ++frame)
        times.MarkFrame({frame, frame * 16, 1000, 1, 0});
    EXPECT_DOUBLE_EQ(times.GetWorkPercentile99Milliseconds(), 1.0);
    times.MarkFrame({202, 202 * 16, 1000, 2, 7});
    times.MarkFrame({203, 203 * 16, 1000, 8, 1});
    times.MarkFrame({204, 204 * 16, 1000, 3, 6});
    EXPECT_DOUBLE_EQ(times.GetWorkPercentile99Milliseconds(), 9.0);
    EXPECT_DOUBLE_EQ(times.GetMedianWorkMilliseconds(), 1.0);
}

TEST(AutoTestTalkScreenTest, TheTalkScreenTakesItsAnswersFromTheGamesRecording)
{
    EventDesc aRecorded[2];
    BuildEvent(&aRecorded[0], TwEventType_Dialog_AutoTest, 1, ID_PARAMETER_TYPE_INT, 7);
    BuildEvent(&aRecorded[1], TwEventType_Look, 1, ID_PARAMETER_TYPE_SCRIPTABLE, 2);
    g_oScriptManager.SetAutoTestEvents(aRecorded);
    TalkScreenServices& services = GetTalkScreenServices();
    EXPECT_EQ(services.PeekAutoTestEvent(), &aRecorded[0]);
    services.ConsumeAutoTestEvent();
    EXPECT_EQ(services.PeekAutoTestEvent(), &aRecorded[1]);
    EXPECT_EQ(g_oScriptManager.GetAutoTestIndex(), 1);
    g_oScriptManager.SetAutoTestEvents({});
    EXPECT_EQ(services.PeekAutoTestEvent(), nullptr);
}

} // namespace
