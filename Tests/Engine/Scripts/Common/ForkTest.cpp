// The fork's script (scene 12): the chapter-1 story played through its
// handlers (the ambush, the flask on Manuel, the stick, the cloth and the
// grass on the rock, the torch), the scene's state on coming back, the exits
// of each chapter, and the fork as the grown heroine's crossroads.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "ScriptEngine/common/SceneScript.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int32_t FORK = 12;
constexpr int32_t MOVIE_CINE01 = 2;

using Object = NamedObject<SceneTableRows::s_aObjects_bg104_12>;

constexpr uint32_t KID_ACTOR = ActorIdOf("tavrine_kid");
constexpr uint32_t ARNO_ACTOR = ActorIdOf("arno_kid");
constexpr uint32_t MANUEL_ACTOR = ActorIdOf("manuel");
constexpr int32_t KID = ActorScriptableId(KID_ACTOR);
constexpr int32_t ADULT = ActorScriptableId(ActorIdOf("tavrine"));

class ForkTest : public SceneScriptWithDialogsTest {
protected:
    ForkTest() { heroine = KID; }

    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(FORK, iChapter, iFrom); }
    bool Visible(const char* pName) { return At(SceneObjectId(FORK, pName)).IsVisible(); }
    bool Open(const char* pName) { return At(SceneObjectId(FORK, pName)).IsInteractiveNow(); }
};

TEST_F(ForkTest, TheAmbushPlaysOnceWhenTheKidComesAfterSeeingTheBoat)
{
    // Before the boat is seen: no ambush, the gang already bars the road.
    Enter(1, 56);
    EXPECT_TRUE(Called("actor set chapter_1"));
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Called("blocker 1 on"));
    EXPECT_FALSE(Open("goto_bg102"));
    EXPECT_TRUE(Visible("o_cart"));

    Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
    Set(VARBOOL_BO_MAP_BG104);
    Set(VARBOOL_QUEST_C1_HOME01);
    Enter(1, 56);
    EXPECT_EQ(Dialogs(), Ids({0x6475E0ED}));
    // Arno speaks for the gang, and the kid is the one led again after.
    const std::string arno = "select " + FakeSceneLink::Hex(ARNO_ACTOR);
    const std::string kid = "select " + FakeSceneLink::Hex(KID_ACTOR);
    const auto selectArno = std::find(calls.begin(), calls.end(), arno);
    ASSERT_NE(selectArno, calls.end());
    EXPECT_NE(std::find(selectArno, calls.end(), kid), calls.end());
    EXPECT_FALSE(Get(VARBOOL_BO_MAP_BG104));
    EXPECT_FALSE(Get(VARBOOL_QUEST_C1_HOME01));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_HOME02));
    EXPECT_TRUE(Get(VARBOOL_BG104_C01_EVENT_AMBUSH));

    Enter(1, 11);
    EXPECT_TRUE(Dialogs().empty());

    // Walking up to the carts: Arno sends her back, with the same selections.
    EventDesc oTouch;
    BuildEvent(&oTouch, TwEventType_Touch, 2, ID_PARAMETER_TYPE_SCRIPTABLE, Object("event_ambrush"),
               ID_PARAMETER_TYPE_SCRIPTABLE, KID);
    Run(oTouch);
    EXPECT_EQ(Dialogs(), Ids({0xCCF5C62D}));
    EXPECT_TRUE(Called(arno) && Called(kid));
}

TEST_F(ForkTest, TheFlaskWakesManuelAndOnlyThenIsTheStickLent)
{
    Enter(1);
    Run(Click(Object("shepherds_stick")));
    EXPECT_EQ(Dialogs(), Ids({0xD4FDA8D0}));
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Open("shepherds_stick"));

    Run(Click(Object("flask_of_water")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_FLASK_OF_WATER")});
    EXPECT_FALSE(Visible("i_flask"));
    EXPECT_FALSE(Open("flask_of_water"));
    // Each walk by Manuel opens his ground for the walk only.
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_BLOCKER, KID), (std::vector<int32_t> {0, 0}));

    Run(ScriptEvent_ItemOnFlaggedId3(MANUEL_ACTOR, ItemIdOf("ITEM_FLASK_OF_WATER")));
    EXPECT_EQ(Dialogs(), Ids({0x47A5E7DD}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_FLASK_OF_WATER")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_BROKEN_FLASK_BOTTOM")});
    EXPECT_TRUE(Get(VARBOOL_BG104_C01_MANUEL_IS_AWAKE));
    EXPECT_TRUE(Visible("m_misc_broken"));
    EXPECT_FALSE(Visible("o_broken_flask"));
    // The flask is carried and let go of.
    EXPECT_EQ(Values(ID_ACTION_TYPE_ADD_ATTACHMENT, KID).size(), 1u);
    EXPECT_EQ(Values(ID_ACTION_TYPE_REMOVE_ATTACHMENT, KID).size(), 1u);

    Run(Click(Object("shepherds_stick")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_SHEPHERDS_STICK")});
    EXPECT_TRUE(Get(VARBOOL_BG104_C01_PICK_SHEPHERDS_STICK));
    EXPECT_FALSE(Open("shepherds_stick"));

    // Coming back: the flask and the stick are gone, the shards stay.
    Enter(1, 11);
    EXPECT_FALSE(Visible("i_flask") || Visible("i_shepherds_stick"));
    EXPECT_FALSE(Open("flask_of_water") || Open("shepherds_stick"));
    EXPECT_TRUE(Visible("m_misc_broken"));
}

TEST_F(ForkTest, TheGrassIsLitOnTheRockOnlyInItsTurnAndAgainAfterItBurntOut)
{
    Enter(1);
    const auto light = [this] {
        Run(Click(Object("dry_grass")));
        EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DRY_GRASS")});
        // The flask bottom does nothing before the grass lies there; the use
        // is handled all the same, so the default reaction stays silent.
        Run(UseOn(Object("rock"), "ITEM_BROKEN_FLASK_BOTTOM"));
        EXPECT_TRUE(actionLog.empty());
        EXPECT_FALSE(Get(VARBOOL_BG104_C01_BURNING_GRASS_HERE));

        Run(UseOn(Object("rock"), "ITEM_DRY_GRASS"));
        EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_DRY_GRASS")});
        EXPECT_TRUE(Visible("o_burning_grass"));
        EXPECT_TRUE(Get(VARBOOL_BG104_C01_DRY_GRASS_HERE));
        EXPECT_FALSE(Get(VARBOOL_BG104_C01_PICK_DRY_GRASS));
        // A second bundle is not laid on the first.
        Run(UseOn(Object("rock"), "ITEM_DRY_GRASS"));
        EXPECT_TRUE(actionLog.empty());

        Run(UseOn(Object("rock"), "ITEM_BROKEN_FLASK_BOTTOM"));
        EXPECT_EQ(Dialogs(), Ids({0x568751AD}));
        EXPECT_TRUE(Get(VARBOOL_BG104_C01_BURNING_GRASS_HERE));
        EXPECT_TRUE(Visible("fx_fire"));
        EXPECT_TRUE(Open("burning_grass"));
        EXPECT_FALSE(Open("rock"));
    };
    light();

    // Away and back before the torch: the fire has gone out, and the rock
    // takes grass again.
    Enter(1, 11);
    EXPECT_EQ(Dialogs(), Ids({0x3A8CFF1B}));
    EXPECT_FALSE(Get(VARBOOL_BG104_C01_BURNING_GRASS_HERE));
    EXPECT_FALSE(Get(VARBOOL_BG104_C01_DRY_GRASS_HERE));
    EXPECT_FALSE(Visible("o_burning_grass") || Visible("fx_fire"));
    EXPECT_FALSE(Open("burning_grass"));
    EXPECT_TRUE(Open("rock"));
    light();
}

TEST_F(ForkTest, TheClothDriesOnTheRockAndTheTorchOnTheFireEndsTheAmbush)
{
    Enter(1);
    Run(UseOn(Object("rock"), "ITEM_WET_CLOTH"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_WET_CLOTH")});
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_DRY_CLOTH")});
    EXPECT_EQ(Dialogs(), Ids({0xD59159CF}));
    EXPECT_TRUE(Get(VARBOOL_BG104_C01_PICK_DRY_CLOTH));
    EXPECT_FALSE(Visible("o_wet_cloth") || Visible("i_dry_cloth"));

    Run(UseOn(Object("burning_grass"), "ITEM_TORCH"));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_TORCH")});
    EXPECT_TRUE(Get(VARBOOL_BG104_C01_MANUEL_NOT_HERE));
    EXPECT_EQ(QueuedMovie(), MOVIE_CINE01);
}

TEST_F(ForkTest, AfterTheMovieTheForkSendsTheChildrenToTheMapOnce)
{
    Set(VARBOOL_BG104_C01_EVENT_AMBUSH);
    Set(VARBOOL_BG104_C01_MANUEL_NOT_HERE);
    Set(VARBOOL_BG104_C01_BURNING_GRASS_HERE);
    Enter(1, 512 + MOVIE_CINE01);
    EXPECT_TRUE(Called("actor set chapter_1_end"));
    EXPECT_TRUE(Called("blocker 0 off") && Called("blocker 1 off"));
    EXPECT_FALSE(Visible("o_cart") || Visible("o_arno_bros_1") || Visible("o_arno_bros_2"));
    EXPECT_FALSE(Open("cart") || Open("event_ambrush"));
    // The fire is not said to be out once the gang has fled.
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_TRUE(Get(VARBOOL_BG104_C01_EVENT_AFTER_BURNING_TORCH));
    EXPECT_TRUE(Get(VARBOOL_BO_MAP_BG102));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_HOME02_DONE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C1_HOME01));
    EXPECT_EQ(NextScene(), 56);

    Enter(1, 56);
    EXPECT_EQ(NextScene(), 0);
    // The tunnel now opens the map tab instead of Arno's refusal.
    Run(Click(Object("goto_tunnel")));
    EXPECT_TRUE(Called("post " + std::to_string(ScriptSceneLink::EVENT_OPEN_MENU) + " 1"));
    EXPECT_TRUE(Dialogs().empty());
}

TEST_F(ForkTest, EachExitLeadsWhereItsChapterSays)
{
    struct Case {
        const char* pExit;
        int32_t iChapter;
        bool bGangGone;
        int32_t iNextScene;
        int32_t iBlockerOff;
    } const cases[] = {
        {"goto_tunnel", 1, false, 0, -1},      {"goto_tunnel", 2, false, 15, -1}, {"goto_narrow_path", 1, false, 11, 3},
        {"goto_narrow_path", 7, false, 11, 3}, {"goto_bg102", 1, true, 10, 2},    {"goto_bg102", 3, false, 20, 2},
    };
    for (const Case& c : cases) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG104_C01_MANUEL_NOT_HERE, c.bGangGone);
        Set(VARBOOL_BG104_C01_EVENT_AFTER_BURNING_TORCH, c.bGangGone);
        Enter(c.iChapter, 11);
        Run(Click(SceneObjectId(FORK, c.pExit)));
        EXPECT_EQ(NextScene(), c.iNextScene) << c.pExit << " in chapter " << c.iChapter;
        if (c.iBlockerOff >= 0) {
            EXPECT_TRUE(Called("blocker " + std::to_string(c.iBlockerOff) + " off")) << c.pExit;
        }
        if (c.iNextScene == 0) {
            EXPECT_EQ(Dialogs(), Ids({0xDF93F1A7})) << c.pExit;
        }
    }
}

TEST_F(ForkTest, InLaterChaptersTheForkIsAPlainCrossroads)
{
    for (int32_t iChapter : {2, 10}) {
        g_VarManager = VarSet {};
        Set(VARBOOL_BG103_C01_SEE_ALESSANDRO);
        Enter(iChapter, 15);
        EXPECT_TRUE(Called("actor set default")) << iChapter;
        EXPECT_TRUE(Dialogs().empty()) << iChapter;
        EXPECT_EQ(Values(ID_ACTION_TYPE_WALK_TO_WAYPOINT, ADULT).size(), 1u) << iChapter;
        for (const char* pHotspot : {"cart", "dry_grass", "shepherds_stick", "flask_of_water", "rock", "burning_grass"})
            EXPECT_FALSE(Open(pHotspot)) << pHotspot;
        EXPECT_FALSE(Open("event_ambrush"));
        EXPECT_FALSE(Visible("o_cart") || Visible("i_flask"));
    }
}

TEST_F(ForkTest, EveryChapterHasItsSoundGroup)
{
    std::unique_ptr<SceneScript> pScript(CreateScriptFromId(FORK));
    ASSERT_NE(pScript, nullptr);
    pScript->SetOwner(&manager);
    TakeLog();
    pScript->LinkSoundGroups();
    for (int32_t iChapter = 1; iChapter <= 10; ++iChapter) {
        g_VarManager.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        EXPECT_EQ(pScript->SelectSoundGroup(), iChapter == 1 ? 0x02C1A944 : 0x6F678BBC) << iChapter;
    }
    // The condition of the later chapters fits in one condition.
    EXPECT_EQ(TakeLog(), "");
}

} // namespace
