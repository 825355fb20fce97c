// The start menu's script: every screen reached by clicks from the title,
// the screens shown on the way, clearing and copying slots with and without
// the question, the options' languages and the ways out of the menu.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Hash/CoreCrc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int32_t START_MENU = 3;
constexpr int32_t NB_OBJECTS = 37;

// The objects.
constexpr int32_t START = 0;
constexpr int32_t OPTIONS = 1;
constexpr int32_t EXIT = 2;
constexpr int32_t CREDITS = 3;
constexpr int32_t BACK = 5;
constexpr int32_t CLEARSLOT = 6;
constexpr int32_t COPYSLOT = 7;
constexpr int32_t SLOT1 = 8;
constexpr int32_t SLOT2 = 9;
constexpr int32_t SLOT3 = 10;
constexpr int32_t GAME_LEFT = 17;
constexpr int32_t GAME_RIGHT = 18;
constexpr int32_t GAME_FLAGS = 19;
constexpr int32_t VOICE_LEFT = 20;
constexpr int32_t VOICE_RIGHT = 21;
constexpr int32_t VOICE_FLAGS = 22;
constexpr int32_t YES = 29;
constexpr int32_t NO = 30;
constexpr int32_t MAIN_LOGO = 33;
constexpr int32_t PRESS_START = 35;
constexpr int32_t PRESS_START_EXT = 36;

// What each screen shows.
const std::set<int32_t> TITLE = {34, MAIN_LOGO, PRESS_START, PRESS_START_EXT};
const std::set<int32_t> MAIN = {34, 16, 4, START, OPTIONS, CREDITS, EXIT};
const std::set<int32_t> SLOTS = {34, BACK, CLEARSLOT, COPYSLOT, SLOT1, SLOT2, SLOT3, 23, 24, 25};
const std::set<int32_t> CLEAR_CHOOSE = {34, BACK, 11, SLOT1, SLOT2, SLOT3, 23, 24, 25};
const std::set<int32_t> COPY_SOURCE = {34, BACK, 13, SLOT1, SLOT2, SLOT3, 23, 24, 25};
const std::set<int32_t> COPY_DESTINATION = {34, BACK, 14, SLOT1, SLOT2, SLOT3, 23, 24, 25};
const std::set<int32_t> COPY_CONFIRM = {34, 15, YES, NO};
const std::set<int32_t> OPTIONS_SCREEN = {34,         BACK,        GAME_FLAGS, 31,         GAME_LEFT,
                                          GAME_RIGHT, VOICE_FLAGS, 32,         VOICE_LEFT, VOICE_RIGHT};

std::set<int32_t> ClearConfirm(int32_t iSlot)
{
    return {34, 12, YES, NO, 26 + iSlot};
}

class StartMenuTest : public SceneScriptTest {
protected:
    void Enter()
    {
        EnterScene(START_MENU);
        saves.m_calls.clear();
    }
    void Click(const std::vector<int32_t>& objects)
    {
        for (const int32_t iObject : objects)
            Activate(iObject);
    }
    int32_t Menu() const { return g_VarManager.GetInt(VARINT_MENU); }
    // The objects on show; those that no screen names stay as the scene
    // loaded them (the small logo).
    std::set<int32_t> Shown()
    {
        std::set<int32_t> objects;
        for (int32_t iObject = 0; iObject < NB_OBJECTS; ++iObject)
            if (At(iObject).IsVisible())
                objects.insert(iObject);
        return objects;
    }
    // The last sprite animation played on the object.
    int32_t LastAnimation(int32_t iObject)
    {
        const std::vector<int32_t> hashes = At(iObject).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION);
        return hashes.empty() ? 0 : hashes.back();
    }
};

int32_t Hash(const char* name)
{
    return static_cast<int32_t>(CoreCrc32Of(name));
}

TEST_F(StartMenuTest, EnteringLoadsTheSlotsAndShowsOnlyTheTitleWithItsPromptBlinking)
{
    g_VarManager.SetInt(VARINT_MENU, 20);
    EnterScene(START_MENU);
    EXPECT_EQ(saves.m_calls, std::vector<std::string> {"load"});
    EXPECT_EQ(Menu(), 0);
    EXPECT_EQ(Shown(), TITLE);
    EXPECT_FALSE(At(4).IsInteractiveNow());
    EXPECT_EQ(std::count(states.m_effects.begin(), states.m_effects.end(), "effect 35 3 -1"), 1);
}

TEST_F(StartMenuTest, EveryClickMakesItsOneStepBetweenTheScreens)
{
    struct Case {
        std::vector<int32_t> clicks;
        int32_t iMenu;
        std::set<int32_t> shown;
    } const cases[] = {
        {{MAIN_LOGO}, 1, MAIN},
        {{PRESS_START_EXT}, 1, MAIN},
        {{MAIN_LOGO, START}, 10, SLOTS},
        {{MAIN_LOGO, START, BACK}, 1, MAIN},
        {{MAIN_LOGO, START, CLEARSLOT}, 11, CLEAR_CHOOSE},
        {{MAIN_LOGO, START, CLEARSLOT, BACK}, 10, SLOTS},
        {{MAIN_LOGO, START, CLEARSLOT, SLOT2}, 12, ClearConfirm(1)},
        {{MAIN_LOGO, START, CLEARSLOT, SLOT3, NO}, 10, SLOTS},
        {{MAIN_LOGO, START, CLEARSLOT, SLOT1, YES}, 10, SLOTS},
        {{MAIN_LOGO, START, COPYSLOT}, 15, COPY_SOURCE},
        {{MAIN_LOGO, START, COPYSLOT, BACK}, 10, SLOTS},
        {{MAIN_LOGO, START, COPYSLOT, SLOT1}, 16, COPY_DESTINATION},
        {{MAIN_LOGO, START, COPYSLOT, SLOT1, BACK}, 10, SLOTS},
        {{MAIN_LOGO, OPTIONS}, 20, OPTIONS_SCREEN},
        {{MAIN_LOGO, OPTIONS, BACK}, 1, MAIN},
        // Clicks that the screen on show does not offer change nothing.
        {{MAIN_LOGO, YES}, 1, MAIN},
        {{MAIN_LOGO, START, NO}, 10, SLOTS},
    };
    for (const Case& c : cases) {
        Enter();
        Click(c.clicks);
        std::string path;
        for (const int32_t iObject : c.clicks)
            path += std::to_string(iObject) + " ";
        EXPECT_EQ(Menu(), c.iMenu) << path;
        EXPECT_EQ(Shown(), c.shown) << path;
        EXPECT_EQ(NextScene(), 0) << path;
        EXPECT_TRUE(states.m_queue.empty()) << path;
    }
}

TEST_F(StartMenuTest, ClearingASlotAsksFirstAndNoKeepsIt)
{
    Enter();
    Click({MAIN_LOGO, START, CLEARSLOT, SLOT2, NO});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_SLOT_CURRENT), 1);
    EXPECT_TRUE(saves.m_calls.empty());

    Enter();
    Click({MAIN_LOGO, START, CLEARSLOT, SLOT3});
    EXPECT_TRUE(saves.m_calls.empty()) << "nothing is cleared before the answer";
    Click({YES});
    EXPECT_EQ(saves.m_calls, (std::vector<std::string> {"clear 2", "delete 2"}));
}

TEST_F(StartMenuTest, CopyingOntoAnEmptySlotCopiesAtOnceAndOntoAUsedSlotAsksFirst)
{
    Enter();
    Click({MAIN_LOGO, START, COPYSLOT, SLOT1, SLOT3});
    EXPECT_EQ(saves.m_calls, (std::vector<std::string> {"copy 0 2", "save 2"}));
    EXPECT_EQ(Menu(), 10);
    EXPECT_EQ(Shown(), SLOTS);

    saves.m_abEmpty[1] = false;
    Enter();
    Click({MAIN_LOGO, START, COPYSLOT, SLOT3, SLOT2});
    EXPECT_TRUE(saves.m_calls.empty()) << "a used slot is not overwritten before the answer";
    EXPECT_EQ(Menu(), 17);
    EXPECT_EQ(Shown(), COPY_CONFIRM);
    Click({NO});
    EXPECT_TRUE(saves.m_calls.empty());
    EXPECT_EQ(Menu(), 10);
    EXPECT_EQ(Shown(), SLOTS);

    Enter();
    Click({MAIN_LOGO, START, COPYSLOT, SLOT3, SLOT2, YES});
    EXPECT_EQ(saves.m_calls, (std::vector<std::string> {"copy 2 1", "save 1"}));
    EXPECT_EQ(Menu(), 10);
    EXPECT_EQ(Shown(), SLOTS);
}

TEST_F(StartMenuTest, ASlotStartsANewGameWhenEmptyAndContinuesWhenUsed)
{
    Enter();
    Click({MAIN_LOGO, START, SLOT2});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_SLOT_CURRENT), 1);
    // A new game begins the first chapter, which the kid plays.
    EXPECT_EQ(saves.m_calls, (std::vector<std::string> {
                                 "new game 1 " + FakeSceneLink::Hex(ActorIdOf("tavrine_kid")) + " 4 1", "current 1"}));
    const std::vector<std::pair<int32_t, int32_t>> newGame = {{ScriptStateLink::STATE_DISPATCH, 0},
                                                              {ScriptStateLink::STATE_MOVIE, 1}};
    EXPECT_EQ(states.m_queue, newGame);

    saves.m_abEmpty[2] = false;
    Enter();
    states.m_queue.clear();
    Click({MAIN_LOGO, START, SLOT3});
    EXPECT_EQ(saves.m_calls, (std::vector<std::string> {"current 2"}));
    const std::vector<std::pair<int32_t, int32_t>> saved = {{ScriptStateLink::STATE_DISPATCH, 0}};
    EXPECT_EQ(states.m_queue, saved);
}

TEST_F(StartMenuTest, LeavingTheOptionsWritesOnlyTheLanguages)
{
    g_VarManager.SetInt(VARINT_C_SLOT_CURRENT, 2);
    Enter();
    Click({MAIN_LOGO, OPTIONS, BACK});
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_SLOT_CURRENT), -1);
    EXPECT_EQ(saves.m_calls, std::vector<std::string> {"save -1"});
}

TEST_F(StartMenuTest, EachArrowStepsItsLanguageByOneAndWrapsAround)
{
    struct Case {
        int32_t iArrow;
        int32_t iVarId;
        int32_t iFlags;
        std::vector<int32_t> steps;
        std::vector<const char*> flags;
    } const cases[] = {
        {GAME_RIGHT,
         VARINT_C_GAME_LANGUAGE,
         GAME_FLAGS,
         {1, 2, 3, 4, 0},
         {"game_flag_fr", "game_flag_de", "game_flag_it", "game_flag_es", "game_flag_en"}},
        {GAME_LEFT,
         VARINT_C_GAME_LANGUAGE,
         GAME_FLAGS,
         {4, 3, 2, 1, 0},
         {"game_flag_es", "game_flag_it", "game_flag_de", "game_flag_fr", "game_flag_en"}},
        {VOICE_RIGHT,
         VARINT_C_VOICE_LANGUAGE,
         VOICE_FLAGS,
         {1, 2, 0},
         {"voice_flag_fr", "voice_flag_de", "voice_flag_en"}},
        {VOICE_LEFT,
         VARINT_C_VOICE_LANGUAGE,
         VOICE_FLAGS,
         {2, 1, 0},
         {"voice_flag_de", "voice_flag_fr", "voice_flag_en"}},
    };
    for (const Case& c : cases) {
        Enter();
        Click({MAIN_LOGO, OPTIONS});
        for (size_t step = 0; step < c.steps.size(); ++step) {
            Click({c.iArrow});
            EXPECT_EQ(g_VarManager.GetInt(c.iVarId), c.steps[step]) << "arrow " << c.iArrow << " step " << step;
            const int32_t iTold = c.iVarId == VARINT_C_GAME_LANGUAGE ? game.m_iGameLanguage : game.m_iVoiceLanguage;
            EXPECT_EQ(iTold, c.steps[step]) << "arrow " << c.iArrow << " step " << step;
            EXPECT_EQ(LastAnimation(c.iFlags), Hash(c.flags[step])) << "arrow " << c.iArrow << " step " << step;
        }
        EXPECT_EQ(Menu(), 20);
    }
}

TEST_F(StartMenuTest, TheOptionsShowTheFlagsOfTheLanguagesInUse)
{
    g_VarManager.SetInt(VARINT_C_GAME_LANGUAGE, 3);
    g_VarManager.SetInt(VARINT_C_VOICE_LANGUAGE, 2);
    Enter();
    Click({MAIN_LOGO, OPTIONS});
    EXPECT_EQ(At(GAME_FLAGS).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION),
              std::vector<int32_t> {Hash("game_flag_it")});
    EXPECT_EQ(At(VOICE_FLAGS).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION),
              std::vector<int32_t> {Hash("voice_flag_de")});
}

TEST_F(StartMenuTest, CreditsStartTheCreditsAndQuitEndsTheProgram)
{
    Enter();
    Click({MAIN_LOGO, CREDITS});
    EXPECT_EQ(QueuedMiniGame(), 1);
    EXPECT_FALSE(game.m_bQuit);

    Enter();
    Click({MAIN_LOGO, EXIT});
    EXPECT_TRUE(game.m_bQuit);
    EXPECT_TRUE(Shown().count(START) == 0);
}

} // namespace
