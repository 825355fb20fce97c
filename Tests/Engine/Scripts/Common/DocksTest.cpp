// The docks' script (scene 13): the ship's questions, the chapter-2 crew with
// Arno's sword and the magnet, and the chapter-5 errands, capture and escape.
#include "Engine/Scripts/Common/SampleSceneScriptTest.h"
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int32_t DOCKS = 13;

using Object = NamedObject<SceneTableRows::s_aObjects_bg105_13>;

constexpr uint32_t HEROINE_ACTOR = ActorIdOf("tavrine");
constexpr uint32_t CARLO_ACTOR = ActorIdOf("carlo");
constexpr uint32_t RAZZO_ACTOR = ActorIdOf("razzo");
constexpr uint32_t BRISCOE_ACTOR = ActorIdOf("thomas_b");
constexpr uint32_t MANUEL_ACTOR = ActorIdOf("manuel");
constexpr int32_t CARLO = ActorScriptableId(CARLO_ACTOR);
constexpr int32_t RAZZO = ActorScriptableId(RAZZO_ACTOR);
constexpr int32_t ARNO = ActorScriptableId(ActorIdOf("arno"));

class DocksTest : public SceneScriptWithDialogsTest {
protected:
    // Enters the docks in the chapter from the scene; the enter walk's
    // actions and the scene link's calls are then in Fired() and Called().
    void Enter(int32_t iChapter, int32_t iFrom = 0) { EnterInChapter(DOCKS, iChapter, iFrom); }
};

TEST_F(DocksTest, TheShipAsksEveryTimeAndSailsOnlyWhereTheAnswerSaid)
{
    ExpectTheShipGoesWhereTheAnswerSaid(
        0x7EA927E6, VARBOOL_BG105_GOTO_WORLD_MAP, VARBOOL_BG105_GOTO_ONBOARD,
        [&] {
            Enter(2);
            Run(Click(Object("the_winsome_maid")));
        },
        [&](int32_t iNextScene) { EXPECT_EQ(Called("blocker 3 off"), iNextScene != 0); });
}

TEST_F(DocksTest, CarloAndRazzoJoinOnlyOnceTheFoodAndTheSwordAreBothDone)
{
    dialogEffects[0x1A79871C] = [&] { Set(VARBOOL_QUEST_C2_FOOD_DONE); };
    dialogEffects[0x293B8797] = [&] { Set(VARBOOL_QUEST_C2_SWORD_DONE); };
    Enter(2);

    // The wings alone: Carlo is fed, and nobody joins yet.
    Run(ScriptEvent_ItemOnFlaggedId3(CARLO_ACTOR, ItemIdOf("ITEM_FRIED_CHICKEN_WINGS")));
    EXPECT_EQ(Dialogs(), Ids({0x1A79871C}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_CREW01_DONE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_CREW02));
    EXPECT_TRUE(Given().empty());
    EXPECT_TRUE(Visible(CARLO) && Visible(RAZZO));

    // Carlo throws his bones: one of them can be picked up, once.
    Run(Callback(0xEDDDA7C2));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_FRIED_CHICKEN_WINGS")});
    EXPECT_TRUE(Open(Object("small_chicken_bone")));
    Run(Click(Object("small_chicken_bone")));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_SMALL_CHICKEN_BONE")});
    EXPECT_FALSE(Open(Object("small_chicken_bone")));
    EXPECT_FALSE(Visible(Object("fx_bones")));

    // Arno's sword to Razzo: both join and become items.
    Run(ScriptEvent_ItemOnFlaggedId3(RAZZO_ACTOR, ItemIdOf("ITEM_ARNOS_SWORD")));
    EXPECT_EQ(Dialogs(), Ids({0x293B8797, 0xDFAEC078}));
    EXPECT_EQ(Given(), (std::vector<int32_t> {Item("ITEM_RAZZO"), Item("ITEM_CARLO")}));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_CREW02_DONE));
    EXPECT_TRUE(Get(VARBOOL_QUEST_C2_CREW03));
    EXPECT_FALSE(Visible(CARLO) || Visible(RAZZO) || Open(CARLO) || Open(RAZZO));
    EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(HEROINE_ACTOR)));

    // Back later in chapter 2: the two men are gone, the bone stays taken.
    Enter(2, 14);
    EXPECT_FALSE(Visible(CARLO) || Visible(RAZZO) || Open(CARLO) || Open(RAZZO));
    EXPECT_FALSE(Open(Object("small_chicken_bone")));
    EXPECT_FALSE(Visible(Object("fx_bones")));
}

TEST_F(DocksTest, TheGreasedSwordFallsOnlyWhileArnoLooksAwayAndTheMagnetFishesItUpOnce)
{
    const EventDesc grease = ScriptEvent_ItemOnObject3(Object("arnos_sword"), ItemIdOf("ITEM_GREASY_BREAD_LOAF"));
    const EventDesc magnet = ScriptEvent_ItemOnObject3(Object("sea"), ItemIdOf("ITEM_MAGNET"));
    Enter(2);
    EXPECT_TRUE(Visible(Object("o_arnos_sword")));

    // The magnet before the sword is in the sea: matched, so the heroine's
    // "that won't work" stays silent, and nothing happens at all.
    manager.Update(16);
    actionLog.clear();
    ASSERT_TRUE(manager.FireEvent(magnet));
    EXPECT_NE(manager.GetPendingEvent().m_eType, TwEventType_BadInteract);
    RunWalk();
    EXPECT_TRUE(actionLog.empty());
    EXPECT_FALSE(Get(VARBOOL_BG105_C02_PICK_ARNOS_SWORD));

    // Arno watches his sword: only the remark.
    Run(grease);
    EXPECT_EQ(Dialogs(), Ids({0xF2D22EE0}));
    EXPECT_FALSE(Get(VARBOOL_BG105_C02_USE_GREASYBREADLOAF_ON_ARNOSSWORD));
    EXPECT_TRUE(Visible(Object("o_arnos_sword")));

    // He looks away: the sword slips into the sea, the dialog plays again.
    Set(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY);
    Run(grease);
    EXPECT_EQ(Dialogs(), Ids({0xF2D22EE0, 0xF2D22EE0}));
    EXPECT_TRUE(Get(VARBOOL_BG105_C02_USE_GREASYBREADLOAF_ON_ARNOSSWORD));
    EXPECT_TRUE(Get(VARBOOL_BG105_C02_EVENT_ARNO_GREASYSWORD));
    EXPECT_FALSE(Visible(Object("o_arnos_sword")));
    EXPECT_FALSE(Open(Object("arnos_sword")));
    EXPECT_FALSE(Visible(Object("fx_sword")));
    EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(ActorIdOf("arno"))));

    // Arno storms off, and the player leads the heroine again.
    Run(Callback(0x61F9C554));
    EXPECT_FALSE(Visible(ARNO) || Open(ARNO));
    EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(HEROINE_ACTOR)));

    // The magnet now: the sword comes up once.
    Run(magnet);
    EXPECT_EQ(Dialogs(), Ids({0xA8EF893B}));
    EXPECT_TRUE(Get(VARBOOL_BG105_C02_PICK_ARNOS_SWORD));
    Run(Callback(0xBAD15C90));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_ARNOS_SWORD")});
    Run(magnet);
    EXPECT_TRUE(actionLog.empty());

    // On the next visit Arno is gone and his sword with him.
    Enter(2, 14);
    EXPECT_FALSE(Visible(ARNO) || Visible(Object("o_arnos_sword")) || Open(Object("arnos_sword")));
}

TEST_F(DocksTest, BriscoeTakesHerToHisHouseOnlyTheFirstTime)
{
    Enter(5);
    Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({0x056E0746}));
    EXPECT_TRUE(Get(VARBOOL_BG105_C05_TALK_BRISCOE));
    EXPECT_TRUE(Get(VARBOOL_BO_MAP_BG110));
    EXPECT_EQ(NextScene(), 17);

    Enter(5, 17);
    Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({0x056E0746}));
    EXPECT_EQ(NextScene(), 0);
}

TEST_F(DocksTest, TheErrandsEndInTheMovieOnlyOnceTheGuardsAreAvoided)
{
    const EventDesc errands[] = {Click(Object("donkey_and_cart")), ScriptEvent_FlaggedId2(ActorIdOf("donkey")),
                                 ScriptEvent_FlaggedId2(MANUEL_ACTOR)};
    for (const EventDesc& oErrand : errands) {
        g_VarManager = VarSet {};
        states.m_queue.clear();
        Set(VARBOOL_BG105_C05_EVENT_LETS_GO);
        Enter(5);
        // One errand still open: only the errand's own talk.
        Set(VARBOOL_QUEST_C5_NEW_SHIRT_DONE);
        Run(oErrand);
        const std::vector<int32_t> talks = Dialogs();
        EXPECT_EQ(std::count(talks.begin(), talks.end(), static_cast<int32_t>(0x8BD16B9F)), 0);
        // Both done, the guards not yet avoided: the errands are told done.
        Set(VARBOOL_QUEST_C5_WEDDING_GIFT_DONE);
        Run(oErrand);
        EXPECT_EQ(Dialogs().back(), static_cast<int32_t>(0x8BD16B9F));
        EXPECT_EQ(QueuedMovie(), 0);
        EXPECT_EQ(NextScene(), 0);
        // And with the guards avoided: the cart's movie, then Briscoe's house.
        Set(VARBOOL_QUEST_C5_AVOID_GUARDS02);
        Run(oErrand);
        EXPECT_EQ(QueuedMovie(), 3);
        EXPECT_EQ(NextScene(), 17);
    }
}

TEST_F(DocksTest, ChapterFiveArrivalsCatchTheMenAndEndTheChapter)
{
    // After the escape from Briscoe's house: the three men run in and the
    // docks load again, now with them in the scene's set.
    dialogEffects[0x6DD4D5C7] = [&] { Set(VARBOOL_BG105_C05_EVENT_ARNO_TIED); };
    Set(VARBOOL_BG105_C05_EVENT_LETS_GO);
    Set(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE);
    Enter(5, 17);
    EXPECT_TRUE(Called("actor set chapter_5_Arno_Caught"));
    EXPECT_EQ(Dialogs(), Ids({0x6DD4D5C7}));
    EXPECT_TRUE(Visible(ARNO) && Visible(CARLO) && Visible(RAZZO));
    EXPECT_EQ(NextScene(), DOCKS);
    EXPECT_TRUE(Get(VARBOOL_BG105_C05_GROCERS_SHOP_IS_CLOSED));
    EXPECT_FALSE(Visible(Object("o_ruby_empress_1")) || Open(Object("the_ruby_empress")));

    // Loaded again with Arno tied: the capture, and the chapter ends.
    Enter(5, DOCKS);
    EXPECT_EQ(Dialogs(), Ids({0x6DD4D5C7}));
    EXPECT_EQ(Taken(), std::vector<int32_t> {Item("ITEM_IRON_BAR")});
    EXPECT_EQ(NextScene(), 61);

    // With the sketch map the docks stay quiet, fenced off but for the
    // cart's ground, which the errands have cleared.
    Set(VARBOOL_BG105_C05_HAVE_SKETCH_MAP);
    Set(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS);
    Enter(5, 14);
    EXPECT_TRUE(Dialogs().empty());
    EXPECT_EQ(NextScene(), 0);
    std::map<std::string, std::string> fences;
    for (const std::string& call : calls)
        if (call.starts_with("blocker "))
            fences[call.substr(0, 9)] = call.substr(10);
    EXPECT_EQ(fences, (std::map<std::string, std::string> {
                          {"blocker 0", "off"}, {"blocker 1", "on"}, {"blocker 2", "on"}, {"blocker 3", "on"}}));

    // Past chapter 5 the Ruby Empress has sailed.
    for (int32_t iChapter : {4, 6}) {
        Enter(iChapter);
        EXPECT_EQ(Visible(Object("o_ruby_empress_2")), iChapter < 5);
        EXPECT_EQ(Open(Object("the_ruby_empress")), iChapter < 5);
    }
}

using DocksSceneTest = SampleSceneScriptTest;

TEST_F(DocksSceneTest, EveryPlaceOfTheQuayIsWalkedToFromItsMiddleWithoutCrossingAFence)
{
    Enter(DOCKS, 5, HEROINE_ACTOR);
    WalkMesh& mesh = m_scene->m_oWalkMesh;
    ASSERT_EQ(mesh.m_iNumBlockers, 4);
    for (int32_t iBlocker = 0; iBlocker < mesh.m_iNumBlockers; ++iBlocker)
        mesh.ActivateBlocker(iBlocker);
    ASSERT_GT(m_scene->m_iNumLocators, 48);
    // Behind a fence on purpose: the Winsome Maid's gangway and the road up
    // to the town hall, whose fences drop before she walks there, and the
    // road the three men are placed on to run in from.
    const std::set<int32_t> behindAFence = {1, 20, 21, 42, 43, 44};
    const CoreFxVec middle = m_scene->m_vLocators[0].m_vPosition;
    CoreFxVec path[64];
    for (int32_t iLocator = 1; iLocator < m_scene->m_iNumLocators; ++iLocator) {
        const CoreFxVec& place = m_scene->m_vLocators[iLocator].m_vPosition;
        EXPECT_FALSE(mesh.IsInActiveBlocker(place)) << "waypoint " << iLocator;
        const int32_t iSegments = mesh.ComputePathChunk(middle, place, path, 64);
        EXPECT_GT(iSegments, 0) << "waypoint " << iLocator << " cannot be walked to";
        bool bCrosses = false;
        for (int32_t iSegment = 0; iSegment < iSegments; ++iSegment)
            for (int32_t iStep = 0; iStep <= 16; ++iStep) {
                const CoreFxVec& a = path[iSegment];
                const CoreFxVec& b = path[iSegment + 1];
                bCrosses |= mesh.IsInActiveBlocker({a.x + (b.x - a.x) * iStep / 16, a.y + (b.y - a.y) * iStep / 16, 0});
            }
        EXPECT_EQ(bCrosses, behindAFence.contains(iLocator)) << "the way to waypoint " << iLocator;
    }
}

TEST_F(DocksSceneTest, TheSwordFallsAndComesUpAgainWithThePeopleOfTheQuayActing)
{
    // The real figures play every walk, turn and animation, loops included:
    // each handler must come to its end.
    const auto play = [this](const EventDesc& oEvent) {
        m_manager.Update(16);
        ASSERT_TRUE(m_manager.FireEvent(oEvent));
        int frame = 0;
        for (; frame < 3000 && (frame < 2 || m_manager.IsBusy()); ++frame) {
            m_manager.Update(16);
            m_scene->Update(16);
        }
        EXPECT_LT(frame, 3000) << "the handler never ends";
    };
    g_VarManager.SetBool(VARBOOL_BG105_C02_EVENT_FIRST_TIME, 1);
    g_VarManager.SetBool(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY, 1);
    Enter(DOCKS, 2, HEROINE_ACTOR);
    play(ScriptEvent_ItemOnObject3(Object("arnos_sword"), ItemIdOf("ITEM_GREASY_BREAD_LOAF")));
    play(Callback(0x61F9C554));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG105_C02_EVENT_ARNO_GREASYSWORD));
    play(ScriptEvent_ItemOnObject3(Object("sea"), ItemIdOf("ITEM_MAGNET")));
    play(Callback(0xBAD15C90));
    EXPECT_TRUE(g_VarManager.GetBool(VARBOOL_BG105_C02_PICK_ARNOS_SWORD));
}

} // namespace
