// The world map's script: the islands each chapter shows, the boat leaving the
// island it lies at, the tanner island rising in chapter 6, and the crossings
// to the five islands.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Hash/CoreCrc32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

constexpr int32_t WORLD_MAP = 57;
constexpr uint32_t BOAT_ACTOR = ActorIdOf("boat_windsome_maid");
constexpr int32_t BOAT = ActorScriptableId(BOAT_ACTOR);
constexpr int32_t TANNER_ISLAND = 3;
constexpr int32_t M_PTERO = 11;
constexpr int32_t M_NESSI = 10;

int32_t Hash(const char* name)
{
    return static_cast<int32_t>(CoreCrc32Of(name));
}

bool Has(const std::vector<int32_t>& values, int32_t value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

class WorldMapTest : public SceneScriptTest {
protected:
    void Enter(int32_t iChapter, int32_t iIsland = 0)
    {
        g_VarManager = VarSet {};
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        g_VarManager.SetInt(VARINT_LOCAL_ISLAND_MAP, iIsland);
        g_VarManager.SetBool(VARBOOL_BG003_C06_EVENT_SKETCH_MAP, 1);
        g_VarManager.SetBool(VARBOOL_PICK_BO_MAP, 1);
        EnterScene(WORLD_MAP);
    }
    // The objects hidden and the objects the player cannot point at.
    std::set<int32_t> Hidden()
    {
        std::set<int32_t> objects;
        for (int32_t iObject = 0; iObject <= 12; ++iObject)
            if (!At(iObject).IsVisible())
                objects.insert(iObject);
        return objects;
    }
    std::set<int32_t> Closed()
    {
        std::set<int32_t> objects;
        for (int32_t iObject = 0; iObject <= 12; ++iObject)
            if (!At(iObject).IsInteractiveNow())
                objects.insert(iObject);
        return objects;
    }
};

TEST_F(WorldMapTest, EachChapterShowsTheIslandsItHasOpened)
{
    struct Case {
        int32_t iChapter;
        std::set<int32_t> hidden;
        std::set<int32_t> closed;
    } const cases[] = {
        {2, {1, 2, 3, 4}, {6, 7, 8, 9}},
        {3, {1, 3}, {7, 8, 9}},
        {5, {1, 3}, {8, 9}},
        {6, {1}, {9}},
        {8, {1}, {9}},
        {9, {}, {}},
    };
    for (const Case& c : cases) {
        Enter(c.iChapter);
        EXPECT_EQ(Hidden(), c.hidden) << "chapter " << c.iChapter;
        EXPECT_EQ(Closed(), c.closed) << "chapter " << c.iChapter;
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_PICK_BO_MAP), 0);
        EXPECT_EQ(g_VarManager.GetBool(VARBOOL_ACTIVE_MAP), 0);
        EXPECT_FALSE(At(BOAT).IsInteractiveNow());
        // The tanner island idles in its chapter-6 form in chapter 6 only.
        EXPECT_EQ(Has(At(TANNER_ISLAND).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION), Hash("tanner_island_idle_c06")),
                  c.iChapter == 6);
        // The sea lanes close again behind the boat.
        const std::vector<std::string> calls = scene.Take();
        for (const char* blocker : {"blocker 0 on", "blocker 1 on", "blocker 2 on"})
            EXPECT_NE(std::find(calls.begin(), calls.end(), blocker), calls.end()) << blocker;
        EXPECT_EQ(NextScene(), 0);
    }
}

TEST_F(WorldMapTest, TheBoatSailsOutFromTheIslandItLiesAt)
{
    struct Case {
        int32_t iIsland;
        int32_t iObject;
        const char* animation;
        int32_t iMooring;
        int32_t iOffshore;
    } const cases[] = {
        {0, 0, "bounty_island_boat", 11, 0}, {1, 2, "crab_island_boat", 12, 3},   {2, 4, "hollow_island_boat", 13, 1},
        {3, 3, "tanner_island_boat", 14, 2}, {4, 1, "turtle_island_boat", 15, 4},
    };
    for (const Case& c : cases) {
        Enter(9, c.iIsland);
        EXPECT_EQ(At(BOAT).ValuesOf(ID_ACTION_TYPE_PLACE_AT_WAYPOINT), std::vector<int32_t> {c.iMooring});
        EXPECT_EQ(At(BOAT).ValuesOf(ID_ACTION_TYPE_WALK_TO_WAYPOINT), std::vector<int32_t> {c.iOffshore});
        EXPECT_TRUE(Has(At(c.iObject).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION), Hash(c.animation)));
    }
    // In chapter 6 the tanner island has its own form.
    Enter(6, 3);
    const std::vector<int32_t> played = At(TANNER_ISLAND).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION);
    EXPECT_TRUE(Has(played, Hash("tanner_island_boat_c06")));
    EXPECT_FALSE(Has(played, Hash("tanner_island_boat")));
}

TEST_F(WorldMapTest, InChapterSixTheSketchMapRaisesTheTannerIslandAndLeavesForTheCabinWithoutAClick)
{
    // The sketch map's event still open: the island stays hidden, five
    // seconds pass, the map stays.
    constexpr int FRAMES_PER_SECOND = 1000 / 16;
    g_VarManager = VarSet {};
    g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, 6);
    EXPECT_GE(EnterScene(WORLD_MAP), 5 * FRAMES_PER_SECOND);
    EXPECT_FALSE(At(TANNER_ISLAND).IsVisible());
    EXPECT_FALSE(At(8).IsInteractiveNow());
    EXPECT_EQ(NextScene(), 0);

    // Once the sketch map lies on the chart, the island rises over two more
    // seconds and the cabin follows.
    g_VarManager.SetBool(VARBOOL_BG003_C06_USE_SKETCHMAP_ON_CHART, 1);
    EXPECT_GE(EnterScene(WORLD_MAP), 7 * FRAMES_PER_SECOND);
    EXPECT_EQ(NextScene(), 7);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_PREVIOUS_STATE), WORLD_MAP);
    EXPECT_TRUE(At(TANNER_ISLAND).IsVisible());
    EXPECT_FALSE(At(BOAT).IsVisible());
    EXPECT_FALSE(At(12).IsVisible());
    EXPECT_EQ(At(TANNER_ISLAND).ValuesOf(ID_ACTION_TYPE_FADE_SPRITES), std::vector<int32_t> {6000});
}

TEST_F(WorldMapTest, EachCrossingLandsOnItsIsland)
{
    constexpr uint32_t HEROINE = ActorIdOf("tavrine");
    struct Case {
        const char* name;
        int32_t iChapter;
        int32_t iFlag;
        int32_t iObject;
        int32_t iScene;
        int32_t iIsland;
        std::vector<int32_t> setFlags;
        const char* blocker;
    } const cases[] = {
        {"bounty", 2, -1, 5, 13, 0, {VARBOOL_PICK_BO_MAP}, "blocker 2 off"},
        {"bounty in chapter 6", 6, -1, 5, 13, 0, {VARBOOL_PICK_BO_MAP}, "blocker 2 off"},
        {"bounty after the sleepy fly",
         6,
         VARBOOL_QUEST_C6_SLEEPY_FLY04,
         5,
         6,
         0,
         {VARBOOL_PICK_BO_MAP},
         "blocker 2 off"},
        {"bounty after the sleepy fly, not chapter 6",
         7,
         VARBOOL_QUEST_C6_SLEEPY_FLY04,
         5,
         13,
         0,
         {VARBOOL_PICK_BO_MAP},
         "blocker 2 off"},
        {"crab", 3, -1, 6, 22, 1, {VARBOOL_STRIP_CR_DONE, VARBOOL_CR_MAP_BASE}, nullptr},
        {"crab again", 3, VARBOOL_STRIP_CR_DONE, 6, 22, 1, {}, nullptr},
        {"hollow", 4, -1, 7, 28, 2, {VARBOOL_STRIP_HO_DONE}, "blocker 0 off"},
        {"hollow again", 4, VARBOOL_STRIP_HO_DONE, 7, 28, 2, {}, "blocker 0 off"},
        {"tanner", 7, -1, 8, 39, 3, {VARBOOL_STRIP_TA_DONE, VARBOOL_TA_MAP_BASE}, "blocker 1 off"},
        {"tanner again", 7, VARBOOL_STRIP_TA_DONE, 8, 39, 3, {}, "blocker 1 off"},
        {"turtle", 9, -1, 9, 43, 4, {VARBOOL_STRIP_TU_DONE, VARBOOL_TU_MAP_BASE}, nullptr},
        {"turtle again", 9, VARBOOL_STRIP_TU_DONE, 9, 43, 4, {}, nullptr},
    };
    const int32_t flags[] = {VARBOOL_PICK_BO_MAP,   VARBOOL_STRIP_CR_DONE, VARBOOL_CR_MAP_BASE,   VARBOOL_STRIP_HO_DONE,
                             VARBOOL_STRIP_TA_DONE, VARBOOL_TA_MAP_BASE,   VARBOOL_STRIP_TU_DONE, VARBOOL_TU_MAP_BASE};
    for (const Case& c : cases) {
        Enter(c.iChapter, 0);
        if (c.iFlag != -1)
            g_VarManager.SetBool(c.iFlag, 1);
        scene.Take();
        Activate(c.iObject);
        EXPECT_EQ(NextScene(), c.iScene) << c.name;
        EXPECT_EQ(g_VarManager.GetInt(VARINT_LOCAL_ISLAND_MAP), c.iIsland) << c.name;
        EXPECT_EQ(static_cast<uint32_t>(g_VarManager.GetInt(VARINT_C_PLAYING_CHARACTER)), HEROINE) << c.name;
        for (int32_t iFlag : flags) {
            const bool bExpected = iFlag == c.iFlag || Has(c.setFlags, iFlag);
            EXPECT_EQ(g_VarManager.GetBool(iFlag), bExpected ? 1 : 0) << c.name << " flag " << iFlag;
        }
        const std::vector<std::string> calls = scene.Take();
        if (c.blocker != nullptr) {
            EXPECT_NE(std::find(calls.begin(), calls.end(), c.blocker), calls.end()) << c.name;
        }
    }
}

TEST_F(WorldMapTest, TheSeaMonstersShowThemselvesOnTheFirstCrossingOnly)
{
    for (const bool bCrossedBefore : {false, true}) {
        Enter(4, 0);
        g_VarManager.SetBool(VARBOOL_STRIP_CR_DONE, bCrossedBefore ? 1 : 0);
        g_VarManager.SetBool(VARBOOL_STRIP_HO_DONE, bCrossedBefore ? 1 : 0);
        Activate(6);
        EXPECT_EQ(Has(At(M_PTERO).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION), Hash("m_ptero_attack")),
                  !bCrossedBefore);
        EXPECT_EQ(At(BOAT).ValuesOf(ID_ACTION_TYPE_WALK_TO_WAYPOINT), (std::vector<int32_t> {0, 12}));

        Enter(4, 0);
        g_VarManager.SetBool(VARBOOL_STRIP_HO_DONE, bCrossedBefore ? 1 : 0);
        Activate(7);
        EXPECT_EQ(Has(At(M_NESSI).ValuesOf(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION), Hash("m_nessi_attack")),
                  !bCrossedBefore);
        EXPECT_EQ(At(BOAT).ValuesOf(ID_ACTION_TYPE_WALK_TO_WAYPOINT), (std::vector<int32_t> {0, 13}));
    }
}

} // namespace
