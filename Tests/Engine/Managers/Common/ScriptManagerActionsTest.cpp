#include "Engine/Managers/Common/ScriptManagerTestKit.h"

#include "Common/IdHash.h"
#include "Common/VarIds.h"
#include "Managers/Common/SoundManager.h"
#include "Random/CoreRandom.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace {

constexpr uint32_t TAVRINE = ActorIdOf("tavrine");

ActionDesc Action(int32_t iType, std::initializer_list<ActionParameter> parameters = {})
{
    ActionDesc oAction = ActionDesc::MakeEmpty();
    oAction.m_iActionType = iType;
    int index = 0;
    for (const ActionParameter& oParameter : parameters) {
        oAction.m_iParameterType[index] = oParameter.m_iType;
        oAction.m_oParameter[index] = oParameter.m_iValue;
        ++index;
    }
    return oAction;
}

class ScriptManagerActionsTest : public ScriptManagerTest {
protected:
    void Run(int32_t iType, std::initializer_list<ActionParameter> parameters = {})
    {
        manager.StartAction(Action(iType, parameters));
    }
};

TEST_F(ScriptManagerActionsTest, VariableActionsStoreWhatTheirTypesSay)
{
    const struct {
        const char* pName;
        ActionDesc oAction;
        int32_t iStart;
        int32_t iExpected;
    } cases[] = {
        {"set keeps 16 bits", Action(33, {Param::Int(20), Param::Int(40000)}), 7, -25536},
        {"set of no variable", Action(33, {Param::Int(-1), Param::Int(5)}), 7, 7},
        {"set from another type", Action(33, {Param::Int(20), Param::UInt(5)}), 7, 7},
        {"add keeps 32 bits", Action(34, {Param::Int(VARINT_INV_DOUBLOON), Param::Int(70000)}), 1, 70001},
        {"add wraps", Action(34, {Param::Int(20), Param::Int(1)}), INT32_MAX, INT32_MIN},
        {"add of another type", Action(34, {Param::Int(20), Param::Bool(true)}), 7, 7},
        {"subtract", Action(35, {Param::Int(20), Param::Int(70000)}), 0, -70000},
        {"subtract wraps", Action(35, {Param::Int(20), Param::Int(1)}), INT32_MIN, INT32_MAX},
        {"subtract from no variable", Action(35, {Param::Int(-1), Param::Int(1)}), 7, 7},
    };
    for (const auto& c : cases) {
        const int32_t iVarId = c.oAction.m_oParameter[0] == -1 ? 20 : c.oAction.m_oParameter[0];
        g_VarManager.SetInt(iVarId, c.iStart);
        manager.StartAction(c.oAction);
        EXPECT_EQ(g_VarManager.GetInt(iVarId), c.iExpected) << c.pName;
    }

    // A boolean keeps the low byte of its value.
    Run(33, {Param::Int(300), Param::Bool(true)});
    EXPECT_EQ(g_VarManager.GetBool(300), 1);
    Run(33, {Param::Int(300), ActionParameter {ID_PARAMETER_TYPE_BOOL, 0x100}});
    EXPECT_EQ(g_VarManager.GetBool(300), 0);
}

TEST_F(ScriptManagerActionsTest, RandomValuesStayInTheirRangeAndAnEmptyRangeGivesItsMinimum)
{
    CoreRandom::Init(12345);
    for (int draw = 0; draw < 2000; ++draw) {
        Run(37, {Param::Int(20), Param::Int(0), Param::Int(10)});
        ASSERT_GE(g_VarManager.GetInt(20), 0);
        ASSERT_LT(g_VarManager.GetInt(20), 10);
    }
    for (const auto& range : {std::pair {3, 3}, std::pair {5, 2}, std::pair {-4, -4}}) {
        const uint32_t uCount = CoreRandom::s_uCount;
        Run(37, {Param::Int(20), Param::Int(range.first), Param::Int(range.second)});
        EXPECT_EQ(g_VarManager.GetInt(20), range.first);
        // The generator still moves on, as for any draw.
        EXPECT_EQ(CoreRandom::s_uCount, uCount + 1);
    }
    g_VarManager.SetInt(20, 99);
    Run(37, {Param::Int(-1), Param::Int(0), Param::Int(10)});
    EXPECT_EQ(g_VarManager.GetInt(20), 99);
}

TEST_F(ScriptManagerActionsTest, MiniGamesMoviesAndDispatchAreQueuedBehindTheSceneFadeOut)
{
    Run(31, {Param::Int(7)});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 519);
    Run(30, {Param::Int(4)});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 260);
    Run(32);
    EXPECT_EQ(states.m_queue, (std::vector<std::pair<int32_t, int32_t>> {{3, 7}, {2, 4}, {4, 0}}));
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), 2);
    EXPECT_TRUE(manager.IsBusy());
}

TEST_F(ScriptManagerActionsTest, GoingToASceneRecordsWhereTheGameCameFrom)
{
    g_VarManager.SetInt(VARINT_C_CURRENT_SCENE, 5);
    Run(27, {Param::Int(6)});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), 5);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 6);
    EXPECT_TRUE(manager.IsChangePending());
    EXPECT_EQ(manager.GetNextSceneId(), 6);

    // No scene 0 or 64: the game stays where it is.
    for (int32_t iSceneId : {0, 64, -3}) {
        TakeLog();
        Run(27, {Param::Int(iSceneId)});
        EXPECT_NE(TakeLog().find("GoToScene: no scene " + std::to_string(iSceneId)), std::string::npos);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), 6);
        EXPECT_EQ(manager.GetNextSceneId(), 6);
    }
}

TEST_F(ScriptManagerActionsTest, CharacterActionsTakeActorsAndGiveZeroForEntities)
{
    Run(36, {Param::Scriptable(static_cast<int32_t>(TAVRINE))});
    EXPECT_EQ(static_cast<uint32_t>(g_VarManager.GetInt(VARINT_C_PLAYING_CHARACTER)), TAVRINE);
    Run(36, {Param::Int(static_cast<int32_t>(TAVRINE))});
    Run(3, {Param::Scriptable(static_cast<int32_t>(TAVRINE))});
    Run(3, {Param::Scriptable(4)});
    Run(36, {Param::Scriptable(4)});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PLAYING_CHARACTER), 0);
    EXPECT_EQ(scene.Take(), (std::vector<std::string> {"playing f0e7a990", "select f0e7a990", "select 00000000",
                                                       "playing 00000000"}));
}

TEST_F(ScriptManagerActionsTest, TheMenuActionOpensAClosedMenuAndClosesAnOpenOne)
{
    scene.m_bHasScene = true;
    const struct {
        bool bOpen;
        int32_t iPage;
        std::vector<std::string> calls;
    } cases[] = {
        {false, 2, {"post 0 2"}},
        {true, 2, {}},
        {true, -1, {"post 1 0"}},
        {false, -1, {}},
    };
    for (const auto& c : cases) {
        scene.m_bMenuOpen = c.bOpen;
        Run(18, {Param::Int(c.iPage)});
        EXPECT_EQ(scene.Take(), c.calls) << c.bOpen << " " << c.iPage;
    }
    scene.m_bHasScene = false;
    TakeLog();
    Run(18, {Param::Int(2)});
    EXPECT_NE(TakeLog().find("NULL != pScene"), std::string::npos);
    Run(59, {Param::Int(3)});
    EXPECT_TRUE(scene.Take().empty());
    scene.m_bHasScene = true;
    Run(59, {Param::Int(3)});
    EXPECT_EQ(scene.Take(), std::vector<std::string> {"direction 3"});
}

TEST_F(ScriptManagerActionsTest, TimedFadesLastTheirMillisecondsOnce)
{
    const struct {
        int32_t iType;
        int32_t iMilliseconds;
        GlobalFade eFade;
        fx32 fxDuration;
    } cases[] = {
        {63, 900, GlobalFade::InFromBlack, 3686},
        {64, 700, GlobalFade::OutToBlack, 2867},
        {65, 1000, GlobalFade::InFromWhite, 4096},
        {66, 333, GlobalFade::OutToWhite, 1364},
    };
    for (const auto& c : cases) {
        Run(c.iType, {Param::Int(c.iMilliseconds)});
        EXPECT_EQ(states.StartsOf(c.eFade), 1) << c.iType;
        EXPECT_EQ(states.At(c.eFade).fxDuration, c.fxDuration) << c.iType;
    }

    // A fade-in needs both of its pair; a fade-out only itself.
    states.At(GlobalFade::OutToWhite).bExists = false;
    TakeLog();
    Run(65, {Param::Int(100)});
    EXPECT_NE(TakeLog().find("NULL != pFadeOut && NULL != pFadeIn"), std::string::npos);
    EXPECT_EQ(states.StartsOf(GlobalFade::InFromWhite), 2);
    Run(66, {Param::Int(100)});
    EXPECT_NE(TakeLog().find("condition: NULL != pFadeOut\n"), std::string::npos);
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToWhite), 1);
}

TEST_F(ScriptManagerActionsTest, SlotActionsWorkOnTheSlotsTheVariablesName)
{
    g_VarManager.SetInt(VARINT_C_SLOT_CURRENT, 1);
    g_VarManager.SetInt(VARINT_C_SLOT_TO, 2);
    saves.m_abEmpty[2] = false;
    Run(67);
    Run(68);
    Run(70);
    Run(71);
    saves.m_bCopyWorks = false;
    Run(71);
    Run(72, {Param::Int(400)});
    EXPECT_EQ(g_VarManager.GetBool(400), 0);
    saves.m_abEmpty[2] = true;
    Run(72, {Param::Int(400)});
    EXPECT_EQ(g_VarManager.GetBool(400), 1);
    Run(72, {Param::Int(-1)});
    EXPECT_EQ(saves.m_calls,
              (std::vector<std::string> {"load", "save 1", "clear 1", "delete 1", "copy 1 2", "save 2", "copy 1 2"}));
}

TEST_F(ScriptManagerActionsTest, StartingAnEmptySlotPreparesANewGameAndQueuesItsMovie)
{
    const struct {
        bool bEmpty;
        std::vector<std::string> saveCalls;
        std::vector<std::pair<int32_t, int32_t>> queue;
    } cases[] = {
        // A new game leads the kid ("tavrine_kid") in scene 4, chapter 1.
        {true, {"new game 1 a29b02da 4 1", "current 1"}, {{4, 0}, {3, 1}}},
        {false, {"current 1"}, {{4, 0}}},
    };
    g_VarManager.SetInt(VARINT_C_SLOT_CURRENT, 1);
    for (const auto& c : cases) {
        saves.m_abEmpty[1] = c.bEmpty;
        saves.m_calls.clear();
        states.m_queue.clear();
        manager.SetSlotStarted(false);
        Run(69);
        EXPECT_EQ(saves.m_calls, c.saveCalls);
        EXPECT_EQ(states.m_queue, c.queue);
        EXPECT_TRUE(manager.IsSlotStarted());
    }
    EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), 2);
}

TEST_F(ScriptManagerActionsTest, LanguagesQuitAndTheLockGoToTheirOwners)
{
    Run(41, {Param::Int(3)});
    Run(42, {Param::Int(2)});
    EXPECT_EQ(game.m_iGameLanguage, 3);
    EXPECT_EQ(game.m_iVoiceLanguage, 2);
    EXPECT_FALSE(game.m_bQuit);
    Run(43);
    EXPECT_TRUE(game.m_bQuit);
    Run(1, {Param::Bool(false)});
    EXPECT_EQ(manager.GetInteractiveCount(), 1);
    Run(1, {Param::Bool(true)});
    EXPECT_EQ(manager.GetInteractiveCount(), 0);
}

TEST_F(ScriptManagerActionsTest, ActionsThatAreNotGlobalDoNothing)
{
    scene.m_bHasScene = true;
    g_VarManager.SetInt(20, 7);
    const VarSet before = g_VarManager;
    for (int32_t iType : {0, 2, 4, 5, 12, 16, 26, 28, 39, 40, 44, 45, 58, 60, 62, 73, -1}) {
        Run(iType, {Param::Int(20), Param::Int(1), Param::Int(2)});
        EXPECT_EQ(std::memcmp(&before, &g_VarManager, sizeof before), 0) << iType;
    }
    EXPECT_TRUE(scene.Take().empty());
    EXPECT_TRUE(states.m_queue.empty());
    EXPECT_TRUE(saves.m_calls.empty());
    EXPECT_EQ(manager.GetInteractiveCount(), 0);
}

TEST_F(ScriptManagerActionsTest, VolumeActionsSetTheSoundManagersVolumes)
{
    const struct {
        int32_t iType;
        fx32* pVolume;
    } cases[] = {
        {46, &SoundManager::m_fxMusicScriptVolume},   {47, &SoundManager::m_fxAmbientScriptVolume},
        {48, &SoundManager::m_fxMasterMusicVolume},   {49, &SoundManager::m_fxMasterAmbientVolume},
        {50, &SoundManager::m_fxMasterEffectsVolume}, {51, &SoundManager::m_fxMasterSpeechVolume},
    };
    for (const auto& c : cases) {
        const fx32 saved = *c.pVolume;
        Run(c.iType, {Param::Int(1234)});
        EXPECT_EQ(*c.pVolume, 1234) << c.iType;
        *c.pVolume = saved;
    }
}

TEST_F(ScriptManagerActionsTest, TheAmbienceThatPlaysIsNotStartedAgain)
{
    constexpr int32_t WIND_LOOP = 0x0009ae29;
    constexpr int32_t NOT_A_SOUND = 0x1234;
    SoundManager::m_iCurrentAmbientId = WIND_LOOP;
    TakeLog();
    Run(56, {Param::Sound(WIND_LOOP)});
    EXPECT_EQ(SoundManager::m_iCurrentAmbientId, WIND_LOOP);
    EXPECT_EQ(TakeLog(), "");
    // Another one is asked for (here one that is not bound, which ends the ambience).
    Run(56, {Param::Sound(NOT_A_SOUND)});
    EXPECT_NE(TakeLog().find("(PlayAmbient) no sound bound"), std::string::npos);
    EXPECT_EQ(SoundManager::m_iCurrentAmbientId, -1);
}

} // namespace
