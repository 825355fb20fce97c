// The graveyard's script (scene 24): Razzo joins once, the fence gives its
// pieces once, the gripping device waits for the statue's glow, the returns
// from the telescope and the cylinder, chapter 7's moon and chicken, and
// chapter 8's priest, who bars the way out until the papers are shown, with
// the mounds and the grave staying dug.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t GRAVEYARD = 24;
constexpr int32_t DOCKS = 22;
constexpr int32_t OFFICE_EXTERIOR = 25;
constexpr int32_t TELESCOPE_CLOSE_UP = 52;
constexpr int32_t CYLINDER_CLOSE_UP = 53;
constexpr int32_t LOADING = 61;

using Object = NamedObject<SceneTableRows::s_aObjects_bg203_24>;

constexpr uint32_t PRIEST_ACTOR = ActorIdOf("father_jerome");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t RAZZO = ActorScriptableId(ActorIdOf("razzo"));
constexpr int32_t PRIEST = ActorScriptableId(PRIEST_ACTOR);

const std::string OPEN_MAP = "post " + std::to_string(ScriptSceneLink::EVENT_OPEN_MENU) + " 1";

class GraveyardTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter, int32_t iFrom = DOCKS) { EnterInChapter(GRAVEYARD, iChapter, iFrom); }
    int32_t LastAnimation(int32_t iActor) const
    {
        const std::vector<int32_t> played = Values(ID_ACTION_TYPE_ANIMATION, iActor);
        return played.empty() ? 0 : played.back();
    }
};

TEST_F(GraveyardTest, RazzoJoinsOnTheFirstChapterThreeVisitOnlyAndTheWayOutOpensTheMap)
{
    Enter(3);
    EXPECT_TRUE(Called("actor set chapter_3"));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_RAZZO")});
    EXPECT_EQ(Walks(RAZZO), std::vector<int32_t> {0});
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {7});
    EXPECT_TRUE(Get(VARBOOL_BG203_C03_FIRST_TIME) && Get(VARBOOL_QUEST_C3_FIND_GRAVEYARD02_DONE));
    EXPECT_TRUE(Called("blocker 0 on"));

    Enter(3, OFFICE_EXTERIOR);
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Walks(RAZZO).empty());
    EXPECT_TRUE(Visible(RAZZO));

    Run(Click(Object("goto_bg201")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {20});
    EXPECT_TRUE(Called("blocker 0 off") && Called(OPEN_MAP));
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(GraveyardTest, ThePistolBreaksThePiecesOffTheFenceOnceAndThenDoesNothingAtAll)
{
    Set(VARBOOL_BG203_C03_FIRST_TIME);
    Enter(3);
    EXPECT_TRUE(Visible(Object("i_ironwork_fence")));
    Run(UseOn(Object("ironwork_fence"), "ITEM_PISTOL"));
    EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_IRONWORK_PIECE_1"), Item("ITEM_IRONWORK_PIECE_2")}));
    EXPECT_FALSE(Visible(Object("i_ironwork_fence")));
    EXPECT_TRUE(Get(VARBOOL_BG203_C03_PICK_IRONWORK_PIECE));
    EXPECT_EQ(LastAnimation(HEROINE), AnimationOf<"tavrine">("g_idle_l").m_iId);

    // The handler still matches (no bad-interaction reaction) and does nothing.
    Run(UseOn(Object("ironwork_fence"), "ITEM_PISTOL"));
    EXPECT_TRUE(actionLog.empty());
    Enter(3);
    EXPECT_FALSE(Visible(Object("i_ironwork_fence")));
}

TEST_F(GraveyardTest, TheBottleAndTheFirefliesLightTheStatueAndOnlyThenTheDeviceReachesIntoTheCylinder)
{
    Set(VARBOOL_BG203_C03_FIRST_TIME);
    Enter(3);
    Run(UseOn(Object("map_cylinder"), "ITEM_GRIPPING_DEVICE"));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {19});
    EXPECT_TRUE(Values(ID_ACTION_TYPE_ANIMATION, HEROINE).empty());
    EXPECT_EQ(NextScene(), 0);

    // The near-empty bottle left on the grave and taken back.
    Run(UseOn(Object("fat_grave"), "ITEM_NEAR_EMPTY_BOTTLE"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_NEAR_EMPTY_BOTTLE")});
    EXPECT_TRUE(Visible(Object("i_bottle")) && Get(VARBOOL_BG203_C03_NEAR_EMPTY_BOTTLE_IS_HERE));
    Enter(3);
    EXPECT_TRUE(Visible(Object("i_bottle")));
    Run(Click(Object("fat_grave")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_NEAR_EMPTY_BOTTLE")});
    EXPECT_FALSE(Visible(Object("i_bottle")) || Get(VARBOOL_BG203_C03_NEAR_EMPTY_BOTTLE_IS_HERE));
    Run(Click(Object("fat_grave")));
    EXPECT_TRUE(Given().empty());

    // The nectar lures the fireflies; she walks off with them bottled.
    Run(UseOn(Object("fat_grave"), "ITEM_BOTTLE_FLOWER_NECTAR"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_BOTTLE_FLOWER_NECTAR")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BOTTLE_FIREFLY")});
    EXPECT_FALSE(Visible(Object("i_bottle")) || Visible(Object("fx_bottle")) || Visible(Object("fx_firefly_bottle")));

    Run(UseOn(Object("tanners_statue"), "ITEM_BOTTLE_FIREFLY"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_BOTTLE_FIREFLY")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_EMPTY_BOTTLE")});
    EXPECT_TRUE(Visible(Object("fx_firefly_statue_loop")) && Get(VARBOOL_BG203_C03_FIREFLY_IS_IN_MOUTH_OF_STATUE));

    Run(UseOn(Object("map_cylinder"), "ITEM_GRIPPING_DEVICE"));
    EXPECT_EQ(NextScene(), CYLINDER_CLOSE_UP);
}

TEST_F(GraveyardTest, RazzoOnTheTelescopeClimbsAndBothComeDownOnTheWayBack)
{
    Set(VARBOOL_BG203_C03_FIRST_TIME);
    Enter(3);
    Run(Callback(0xce9c138e));
    EXPECT_EQ(Walks(RAZZO), std::vector<int32_t> {1});
    EXPECT_EQ(LastAnimation(RAZZO), AnimationOf<"razzo">("statueclimb04_l").m_iId);
    Run(UseOn(Object("telescope"), "ITEM_RAZZO"));
    EXPECT_EQ(Dialogs(), Ids({0x573fd23b}));
    EXPECT_EQ(NextScene(), TELESCOPE_CLOSE_UP);

    // Back: up on the statue until the dialog brings them down, Razzo back
    // at his place and she in her idle loop.
    Enter(3, TELESCOPE_CLOSE_UP);
    EXPECT_TRUE(Get(VARBOOL_QUEST_C3_FIND_THE_COMBINATION_DONE));
    EXPECT_EQ(Dialogs(), Ids({0xe042091b}));
    EXPECT_EQ(LastAnimation(HEROINE), AnimationOf<"tavrine">("statueclimb02_l").m_iId);
    Run(Callback(0x57954234));
    EXPECT_EQ(LastAnimation(HEROINE), AnimationOf<"tavrine">("g_idle_l").m_iId);
    Run(Callback(0x209272a2));
    EXPECT_EQ(LastAnimation(RAZZO), AnimationOf<"razzo">("g_idle_l").m_iId);
    EXPECT_EQ(Walks(RAZZO), std::vector<int32_t> {0});
}

TEST_F(GraveyardTest, BackFromTheCylinderItsFindsEndTheChapterOnlyWhenItWasOpened)
{
    Set(VARBOOL_BG203_C03_FIRST_TIME);
    Enter(3, CYLINDER_CLOSE_UP);
    EXPECT_EQ(Dialogs(), Ids({0x8a9dd7e9}));
    EXPECT_TRUE(Visible(Object("m_mapcontaineropen")));
    EXPECT_TRUE(Taken().empty());
    EXPECT_EQ(NextScene(), 0);
    EXPECT_EQ(LastAnimation(HEROINE), AnimationOf<"tavrine">("g_idle_l").m_iId);
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, HEROINE), Ids({AttachmentNamed("gripping_device")}));

    // The three finds, each picked up on its callback.
    struct Find {
        uint32_t uCallback;
        int32_t iPicture;
        const char* pItem;
        int32_t iFlag;
    };
    for (const Find& find :
         {Find {0x3f7fea74, Object("i_small_key"), "ITEM_SMALL_KEY", VARBOOL_BG203_C03_PICK_SMALL_KEY},
          Find {0xd19d5eed, Object("i_half_stone_disc"), "ITEM_HALF_STONE_DISK01",
                VARBOOL_BG203_C03_PICK_HALF_STONE_DISCK},
          Find {0xd6c9c358, Object("i_map_b"), "ITEM_MAP_B", VARBOOL_BG203_C03_PICK_MAP_B}}) {
        At(find.iPicture).SetVisible(1);
        Run(Callback(find.uCallback));
        EXPECT_EQ(Given(), std::vector<int32_t> {Item(find.pItem)}) << find.pItem;
        EXPECT_FALSE(Visible(find.iPicture)) << find.pItem;
        EXPECT_TRUE(Get(find.iFlag)) << find.pItem;
    }

    Set(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN);
    Enter(3, CYLINDER_CLOSE_UP);
    EXPECT_FALSE(Visible(Object("m_mapcontaineropen")));
    EXPECT_TRUE(Visible(Object("i_small_key")) && Visible(Object("i_half_stone_disc")) && Visible(Object("i_map_b")));
    EXPECT_EQ(Dialogs(), Ids({0x8a9dd7e9, 0x4f3120e4}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C3_FIND_THE_MAP_DONE));
    EXPECT_EQ(Taken(),
              (std::vector<int32_t> {Item("ITEM_RAZZO"), Item("ITEM_CRAB_ISLAND_MAP"), Item("ITEM_GRIPPING_DEVICE")}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {8});
    EXPECT_EQ(Walks(RAZZO), std::vector<int32_t> {8});
    EXPECT_EQ(NextScene(), LOADING);
}

TEST_F(GraveyardTest, ChapterSevensMoonTalksOnceAndTheChickenGivesItsFeather)
{
    Set(VARBOOL_QUEST_C7_TRANCE02);
    Enter(7);
    EXPECT_FALSE(Called("actor set chapter_3"));
    EXPECT_EQ(Dialogs(), Ids({0x543ed1ee}));
    EXPECT_TRUE(Get(VARBOOL_BG203_C07_EVENT_FULL_MOON));
    EXPECT_TRUE(Open(Object("full_moon")));
    EXPECT_FALSE(Open(Object("telescope")) || Open(Object("map_cylinder")) || Open(Object("ironwork_fence")));
    Enter(7);
    EXPECT_TRUE(Dialogs().empty());

    Run(UseOn(Object("fat_grave"), "ITEM_DEAD_CHICKEN"));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BLOODY_FEATHER")});
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DEAD_CHICKEN")});
    Set(VARBOOL_QUEST_C7_BLOOD_FEATHER01_DONE);
    Enter(7);
    EXPECT_TRUE(Visible(Object("o_dead_chicken")));
    EXPECT_FALSE(Open(Object("full_moon")));
}

TEST_F(GraveyardTest, ThePriestBarsTheWayOutUntilTheGraveIsDugAndThePapersAreShown)
{
    Set(VARBOOL_QUEST_C8_POLE01);
    Set(VARBOOL_BG202_C08_HAVE_WHITTLED_POLE);
    Set(VARBOOL_ACTIVE_MAP);
    Enter(8);
    EXPECT_EQ(Dialogs(), Ids({0x1c6edc09}));
    EXPECT_TRUE(Get(VARBOOL_BG203_C08_EVENT_PRIEST_IS_WORRIED));
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    EXPECT_EQ(Walks(PRIEST), (std::vector<int32_t> {7, 11}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {10});
    EXPECT_TRUE(Visible(PRIEST) && Open(PRIEST));

    // His dialogs open the grave business.
    Set(VARBOOL_QUEST_C8_JUSTICE01);
    Set(VARBOOL_QUEST_C8_GRAVE);
    Enter(8);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Open(Object("small_mound_1")) && Open(Object("small_mound_2")) && Open(Object("grave")));
    Run(Click(Object("goto_bg201")));
    EXPECT_EQ(Dialogs(), Ids({0x1233f8b0}));
    EXPECT_FALSE(Called(OPEN_MAP));

    Run(UseOn(Object("small_mound_1"), "ITEM_SHOVEL"));
    EXPECT_TRUE(Get(VARBOOL_BG203_C08_SHOVEL_ON_SMALL_MOUND_1));
    EXPECT_FALSE(Open(Object("small_mound_1")));
    Run(UseOn(Object("grave"), "ITEM_SHOVEL"));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_GRAVE_DONE));
    EXPECT_TRUE(Visible(Object("m_bras_mabel")) && Visible(Object("i_old_papers")));
    EXPECT_FALSE(Visible(Object("fx_arm")) || Open(Object("grave")));
    Run(Callback(0xfc2ccb2b));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_OLD_PAPERS")});
    EXPECT_FALSE(Visible(Object("i_old_papers")));

    // Dug stays dug; the papers, once taken, do not come back.
    Enter(8);
    EXPECT_TRUE(Visible(Object("m_bras_mabel")));
    EXPECT_FALSE(Visible(Object("i_old_papers")) || Open(Object("grave")) || Open(Object("small_mound_1")));
    EXPECT_TRUE(Open(Object("small_mound_2")));
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("m_tombe_2")).back(),
              static_cast<int32_t>(0x30c442d8));
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("m_tombe_mabel")).back(),
              static_cast<int32_t>(0xa9cd1362));

    Run(ScriptEvent_ItemOnFlaggedId3(PRIEST_ACTOR, ItemIdOf("ITEM_OLD_PAPERS")));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C8_JUSTICE02_DONE) && Get(VARBOOL_QUEST_C8_JUSTICE03) && Get(VARBOOL_ACTIVE_MAP));
    EXPECT_FALSE(Visible(PRIEST));
    Run(Click(Object("goto_bg201")));
    EXPECT_TRUE(Called(OPEN_MAP));

    // Settled: he is gone, and she walks in as on any visit.
    Enter(8);
    EXPECT_FALSE(Visible(PRIEST));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {7});
}

TEST_F(GraveyardTest, TheFlowersHaveOneTalkForTheBerriesInChapterEightAndOneOtherwise)
{
    Enter(3);
    Run(Click(Object("flowers")));
    EXPECT_EQ(Dialogs(), Ids({0x14abf696}));
    Run(Callback(0xb5c408ce));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_FLOWERS")});
    EXPECT_TRUE(Get(VARBOOL_BG203_C03_PICK_FLOWERS));

    Set(VARBOOL_QUEST_C8_JUSTICE02);
    Enter(8);
    Run(ScriptEvent_Object1(Object("flowers")));
    EXPECT_EQ(Dialogs(), Ids({0xcbd39d1b}));
    Run(Click(Object("flowers")));
    EXPECT_EQ(Dialogs(), Ids({0x24a0c70c}));
    Run(Callback(0xfeba645b));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_WILD_BERRIES")});
    Run(Click(Object("flowers")));
    EXPECT_EQ(Dialogs(), Ids({0x14abf696}));
}

} // namespace
