// The system scenes' scripts run in the script manager: each handled event
// is fired and its decisive actions checked (variables, scene changes,
// mini-games).
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Hash/CoreCrc32.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t MINIGAME_MENU = 2;
constexpr int32_t CINE_PLACEHOLDER = 59;
constexpr int32_t MINIGAME_PLACEHOLDER = 60;
constexpr int32_t LOADING_PLACEHOLDER = 61;
constexpr int32_t CLIQUE = 0;

// A chapter, the scene the player came from, and where a click leads (0:
// nowhere).
struct Route {
    int32_t iChapter;
    int32_t iFrom;
    int32_t iTo;
};

class SystemScenesTest : public SceneScriptTest {
protected:
    // Enters the placeholder in the chapter from the scene and clicks it.
    void ClickPlaceholder(int32_t iSceneId, int32_t iChapter, int32_t iFrom)
    {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        EnterScene(iSceneId);
        const int iFadeOuts = states.StartsOf(GlobalFade::OutToBlack);
        Activate(CLIQUE);
        // The click always fades the screen out.
        EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), iFadeOuts + 1) << iChapter << " from " << iFrom;
    }
    void ExpectRoute(int32_t iSceneId, const Route& route)
    {
        EXPECT_EQ(NextScene(), route.iTo) << "chapter " << route.iChapter << " from " << route.iFrom;
        if (route.iTo != 0) {
            EXPECT_EQ(g_VarManager.GetInt(VARINT_C_CURRENT_SCENE), route.iTo);
            EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), iSceneId);
        }
    }
};

TEST_F(SystemScenesTest, TheMiniGameMenuStartsEveryMiniGameAndOpensEveryCloseUp)
{
    struct Case {
        int32_t iObject;
        int32_t iMiniGame;
        int32_t iScene;
    } const cases[] = {
        {9, 0, 1}, {0, 2, 0}, {1, 3, 0}, {2, 4, 0}, {3, 5, 0}, {4, 6, 0}, {5, 7, 0}, {6, 0, 51}, {7, 0, 53}, {8, 0, 54},
    };
    for (const Case& c : cases) {
        EnterScene(MINIGAME_MENU);
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0);
        Activate(c.iObject);
        EXPECT_EQ(QueuedMiniGame(), c.iMiniGame) << "object " << c.iObject;
        EXPECT_EQ(NextScene(), c.iScene) << "object " << c.iObject;
    }
}

TEST_F(SystemScenesTest, TheCutScenePlaceholderRoutesByChapterAndPreviousScene)
{
    const Route routes[] = {
        {3, 57, 22},
        {4, 57, 28},
        {6, 57, 39},
        {9, 57, 43},
        {1, 0, 12},
        {1, 57, 12},
        {2, 11, 11},
        {2, 13, 13},
        {4, 33, 33},
        {5, 61, 7},
        {5, 13, 17},
        {5, 18, 19},
        {5, 19, 17},
        {6, 39, 39},
        {6, 42, 42},
        {8, 25, 25},
        {9, 44, 44},
        {9, 46, 46},
        {9, 47, 47},
        {10, 49, 49},
        {10, 47, 61},
        // No route: only the fade.
        {2, 57, 0},
        {7, 57, 0},
        {5, 17, 0},
        {3, 23, 0},
        {10, 57, 0},
    };
    for (const Route& route : routes) {
        ClickPlaceholder(CINE_PLACEHOLDER, route.iChapter, route.iFrom);
        ExpectRoute(CINE_PLACEHOLDER, route);
    }
}

TEST_F(SystemScenesTest, TheMiniGamePlaceholderRoutesByChapterAndPreviousScene)
{
    const Route routes[] = {
        {1, 0, 11},  {2, 57, 16}, {3, 23, 23}, {3, 24, 24},  {4, 23, 23}, {4, 32, 32}, {5, 17, 13},
        {6, 40, 41}, {8, 26, 26}, {9, 43, 44}, {10, 48, 48}, {3, 32, 0},  {5, 13, 0},  {7, 40, 0},
    };
    for (const Route& route : routes) {
        ClickPlaceholder(MINIGAME_PLACEHOLDER, route.iChapter, route.iFrom);
        ExpectRoute(MINIGAME_PLACEHOLDER, route);
        // Two routes count the mini-game they stand for as won.
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_WIN_MINIGAME_07), route.iChapter == 9 && route.iTo != 0);
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_BG508_C10_PUZZLE_SUCCESS), route.iChapter == 10 && route.iTo != 0);
    }
}

TEST_F(SystemScenesTest, TheMiniGamePlaceholderAnimatesItsPictureInTheFirstFourChapters)
{
    const char* const names[] = {"mg_chapter01", "mg_chapter02", "mg_chapter03", "mg_chapter04"};
    for (int32_t iChapter = 1; iChapter <= 5; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        EnterScene(MINIGAME_PLACEHOLDER);
        const std::vector<int32_t> played = At(1).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION);
        if (iChapter <= 4)
            EXPECT_EQ(played, std::vector<int32_t> {static_cast<int32_t>(CoreCrc32Of(names[iChapter - 1]))});
        else
            EXPECT_TRUE(played.empty());
    }
}

TEST_F(SystemScenesTest, TheLoadingPlaceholderShowsTheNextTitleAndStartsTheNextChapter)
{
    struct Case {
        int32_t iChapter;
        int32_t iIslandMap;
        int32_t iScene;
    } const cases[] = {
        {1, 0, 5}, {2, 0, 7}, {3, 1, 8}, {4, 0, 7}, {5, 0, 7}, {6, 2, 28}, {7, 1, 8}, {8, 4, 7}, {9, 4, 48},
    };
    constexpr uint32_t HEROINE = ActorIdOf("tavrine");
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, c.iChapter);
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, 3);
        EnterScene(LOADING_PLACEHOLDER);
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0);
        for (int32_t iTitle = 1; iTitle <= 11; ++iTitle)
            EXPECT_EQ(At(iTitle).IsVisible(), iTitle == c.iChapter + 1) << c.iChapter << " title " << iTitle;

        Activate(CLIQUE);
        // One block runs: the chapter moves on by one only.
        EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), c.iChapter + 1);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_LOCAL_ISLAND_MAP), c.iIslandMap);
        EXPECT_EQ(NextScene(), c.iScene);
        EXPECT_EQ(static_cast<uint32_t>(g_VarManager.GetInt(VARINT_C_PLAYING_CHARACTER)),
                  c.iChapter == 1 ? HEROINE : 0u);
        EXPECT_EQ(QueuedMiniGame(), 0);
    }

    // After the last chapter: the end title, then the credits.
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 10);
    EnterScene(LOADING_PLACEHOLDER);
    EXPECT_TRUE(At(11).IsVisible());
    Activate(CLIQUE);
    EXPECT_EQ(QueuedMiniGame(), 1);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), 10);
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(SystemScenesTest, TheSystemEventQuitsAndAnItemUsedOnNothingEndsQuietly)
{
    EnterScene(MINIGAME_MENU);
    ASSERT_TRUE(manager.FireEvent(MakeEvent(TwEventType_UseItem, 3, ItemIdOf("ITEM_ROPE"))));
    EXPECT_EQ(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
    RunWalk();
    EXPECT_FALSE(game.m_bQuit);
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(QueuedMiniGame(), 0);

    EventDesc oSystem;
    Fire(*BuildEvent(&oSystem, TwEventType_System, 1, ID_PARAMETER_TYPE_INT, 7));
    EXPECT_TRUE(game.m_bQuit);
}

} // namespace
