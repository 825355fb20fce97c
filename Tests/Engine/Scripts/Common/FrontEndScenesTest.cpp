// The small front-end and routing scenes: the chapter menu, the first
// island's travel map, the controls screen and the close-up placeholder.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

constexpr int32_t CHAPTER_MENU = 1;
constexpr int32_t CONTROLS = 4;
constexpr int32_t ISLAND_MAP = 56;
constexpr int32_t CLOSEUP_PLACEHOLDER = 58;
constexpr uint32_t TAVRINE = ActorIdOf("tavrine");
constexpr uint32_t TAVRINE_KID = ActorIdOf("tavrine_kid");

class FrontEndScenesTest : public SceneScriptTest {
protected:
    void Enter(int32_t iSceneId, int32_t iChapter, int32_t iFrom)
    {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        g_VarManager.SetInt(VARINT_C_PREVIOUS_STATE, iFrom);
        EnterScene(iSceneId);
    }
    // The items given to the heroine, in order.
    std::vector<uint32_t> ItemsGiven()
    {
        std::vector<uint32_t> items;
        for (const ActionDesc& action : At(ActorScriptableId(TAVRINE)).m_actions)
            if (action.m_iActionType == ID_ACTION_TYPE_ADD_ITEM) {
                EXPECT_EQ(action.m_oParameter[1], 1);
                items.push_back(static_cast<uint32_t>(action.m_oParameter[0]));
            }
        return items;
    }
};

TEST_F(FrontEndScenesTest, EachChapterButtonSetsItsChapterAndGoesToItsFirstScene)
{
    struct Case {
        int32_t iChapter;
        uint32_t uPlaying;
        int32_t iIsland;
        int32_t iScene;
        size_t uNbItems;
        size_t uNbBools;
    } const cases[] = {
        {1, TAVRINE_KID, 0, 9, 0, 1}, {2, TAVRINE, 0, 5, 0, 1},   {3, TAVRINE, 0, 7, 4, 12},
        {4, TAVRINE, 1, 8, 11, 24},   {5, TAVRINE, 0, 7, 12, 39}, {6, TAVRINE, 0, 7, 15, 57},
        {7, TAVRINE, 2, 28, 12, 67},  {8, TAVRINE, 1, 8, 11, 69}, {9, TAVRINE, 4, 7, 9, 71},
        {10, TAVRINE, 4, 48, 9, 82},
    };
    for (const Case& c : cases) {
        Enter(CHAPTER_MENU, 0, 3);
        EXPECT_FALSE(At(ActorScriptableId(TAVRINE)).IsVisible());
        std::set<int32_t> wereTrue;
        for (int32_t iVar = 0; iVar < VARBOOL_LAST; ++iVar)
            if (g_VarManager.GetBool(iVar) != 0)
                wereTrue.insert(iVar);
        Activate(c.iChapter);
        EXPECT_EQ(NextScene(), c.iScene) << "chap" << c.iChapter;
        EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), c.iChapter);
        EXPECT_EQ(g_VarManager.GetInt(VARINT_LOCAL_ISLAND_MAP), c.iIsland) << "chap" << c.iChapter;
        EXPECT_EQ(scene.m_uPlayingCharacter, c.uPlaying) << "chap" << c.iChapter;
        const std::vector<uint32_t> items = ItemsGiven();
        EXPECT_EQ(items.size(), c.uNbItems) << "chap" << c.iChapter;
        EXPECT_EQ(std::set<uint32_t>(items.begin(), items.end()).size(), items.size()) << "an item given twice";
        size_t uNbBools = 0;
        for (int32_t iVar = 0; iVar < VARBOOL_LAST; ++iVar)
            uNbBools += g_VarManager.GetBool(iVar) != 0 && wereTrue.count(iVar) == 0 ? 1 : 0;
        EXPECT_EQ(uNbBools, c.uNbBools) << "chap" << c.iChapter;
    }
    // The integer settings beyond the chapter and the island.
    Enter(CHAPTER_MENU, 0, 3);
    Activate(4);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_CREW_MEMBER), 2);
    Enter(CHAPTER_MENU, 0, 3);
    Activate(10);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_TAVRINE_BRIDGE_POS), 61);
}

TEST_F(FrontEndScenesTest, TheChapterMenuLeadsToTheMenusAndItsEmptyButtonsDoNothing)
{
    struct Case {
        int32_t iObject;
        int32_t iScene;
    } const cases[] = {{13, 3}, {11, 2}, {12, 0}, {0, 0}};
    for (const Case& c : cases) {
        Enter(CHAPTER_MENU, 0, 3);
        Activate(c.iObject);
        EXPECT_EQ(NextScene(), c.iScene) << "object " << c.iObject;
        EXPECT_EQ(g_VarManager.GetInt(VARINT_CURRENT_CHAPTER), 0) << "object " << c.iObject;
    }
}

TEST_F(FrontEndScenesTest, TheIslandMapDrawsTheRouteFromThePreviousSceneAndMovesOn)
{
    struct Case {
        int32_t iFrom;
        int32_t iRoute;
        int32_t iTo;
    } const cases[] = {{10, 1, 11}, {11, 2, 12}, {12, 3, 10}, {9, 0, 0}, {13, 0, 0}};
    for (const Case& c : cases) {
        Enter(ISLAND_MAP, 1, c.iFrom);
        EXPECT_EQ(NextScene(), c.iTo) << "from " << c.iFrom;
        for (int32_t iRoute = 1; iRoute <= 3; ++iRoute)
            EXPECT_EQ(At(iRoute).IsVisible(), iRoute == c.iRoute) << "from " << c.iFrom << " route " << iRoute;
    }
}

TEST_F(FrontEndScenesTest, TheControlsScreenShowsTheMouseAndKeyboardAndEitherSkipGoesToTheLivingRoom)
{
    for (const int32_t iSkip : {3, 4}) {
        Enter(CONTROLS, 1, 3);
        std::set<int32_t> shown;
        for (int32_t iObject = 0; iObject < 23; ++iObject)
            if (At(iObject).IsVisible())
                shown.insert(iObject);
        EXPECT_EQ(shown, (std::set<int32_t> {0, 3, 4, 5, 6, 7}));
        Activate(iSkip);
        EXPECT_EQ(NextScene(), 9) << "skip " << iSkip;
    }
}

TEST_F(FrontEndScenesTest, TheCloseUpGoesBackWhereTheChapterAllowsAndOtherwiseOnlyFades)
{
    struct Case {
        int32_t iChapter;
        int32_t iFrom;
        int32_t iTo;
    } const cases[] = {
        {3, 7, 7},   {3, 23, 23}, {3, 24, 24},  {5, 13, 13}, {5, 9, 9}, {7, 28, 28}, {1, 21, 21},
        {8, 21, 21}, {9, 46, 46}, {10, 50, 50}, {3, 9, 0},   {5, 7, 0}, {9, 50, 0},  {2, 13, 0},
    };
    for (const Case& c : cases) {
        Enter(CLOSEUP_PLACEHOLDER, c.iChapter, c.iFrom);
        const int iFadeOuts = states.StartsOf(GlobalFade::OutToBlack);
        Activate(0);
        EXPECT_EQ(states.StartsOf(GlobalFade::OutToBlack), iFadeOuts + 1);
        EXPECT_EQ(NextScene(), c.iTo) << "chapter " << c.iChapter << " from " << c.iFrom;
    }
}

} // namespace
