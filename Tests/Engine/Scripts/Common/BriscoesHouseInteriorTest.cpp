// The script of Briscoe's house inside (scene 18): the arrival played once,
// Arno brought in only by the arrival or by Elizabeth's talk once both have
// been heard, the talks' walk and turn, the untying's rope and loops, the
// fire, the three placed again on a later visit, and the other chapters'
// empty room.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int32_t BRISCOES_HOUSE = 18;
constexpr int32_t HOUSE_OUTSIDE = 17;
constexpr int32_t BURNING_HOUSE = 19;
constexpr int32_t MOVIE_STRIP03 = 11;

using Object = NamedObject<SceneTableRows::s_aObjects_bg111_18>;

constexpr uint32_t BRISCOE_ACTOR = ActorIdOf("thomas_b");
constexpr uint32_t ELIZABETH_ACTOR = ActorIdOf("elizabeth_b");
constexpr uint32_t ARNO_ACTOR = ActorIdOf("arno");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t BRISCOE = ActorScriptableId(BRISCOE_ACTOR);
constexpr int32_t ELIZABETH = ActorScriptableId(ELIZABETH_ACTOR);
constexpr int32_t ARNO = ActorScriptableId(ARNO_ACTOR);

constexpr uint32_t QUARREL = 0x18eb8a28;
constexpr uint32_t TALK_ELIZABETH = 0x2e2c2822;
constexpr uint32_t TALK_BRISCOE = 0xa53953b5;
constexpr uint32_t ARNO_GLOATS = 0x8a7eb3a0;
constexpr uint32_t LOOK_ELIZABETH = 0xf6bfd438;
constexpr uint32_t UNTIED = 0x460efad2;
constexpr uint32_t ELIZABETH_TALKS = 0x65edd02b;
constexpr uint32_t ARNO_LEAVES = 0xf48bdac3;
constexpr int32_t WP_ELIZABETH = 1;
constexpr int32_t WP_BRISCOE_BESIDE_HER = 2;
constexpr int32_t WP_TALKING = 8;

const std::vector<int32_t> EFFECTS = {Object("fx_lamp"), Object("fx_candle"), Object("e_halo"), Object("fx_fire")};

class BriscoesHouseInteriorTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iChapter = 5) { EnterInChapter(BRISCOES_HOUSE, iChapter, HOUSE_OUTSIDE); }
    // The dialogs hear Elizabeth and Briscoe, as the house's own do.
    void TalksHearThem()
    {
        dialogEffects[TALK_ELIZABETH] = [&] { Set(VARBOOL_BG111_C05_TALK_ELIZABETH); };
        dialogEffects[TALK_BRISCOE] = [&] { Set(VARBOOL_BG111_C05_TALK_BRISCOE); };
    }
    void ExpectArnoSetsTheHouseAlight()
    {
        EXPECT_EQ(Dialogs().back(), static_cast<int32_t>(ARNO_GLOATS));
        EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(ARNO_ACTOR)));
        EXPECT_TRUE(Visible(ARNO));
        EXPECT_EQ(QueuedMovie(), MOVIE_STRIP03);
        EXPECT_EQ(NextScene(), BURNING_HOUSE);
    }
    void ExpectArnoStaysOut()
    {
        EXPECT_EQ(QueuedMovie(), 0);
        EXPECT_EQ(NextScene(), 0);
        EXPECT_FALSE(Visible(ARNO));
    }
    int32_t ElizabethsLoop() const { return Values(ID_ACTION_TYPE_ANIMATION, ELIZABETH).back(); }
};

TEST_F(BriscoesHouseInteriorTest, TheArrivalPlaysOnceAndBringsArnoInOnlyWithBothHeard)
{
    Enter();
    EXPECT_EQ(Dialogs(), Ids({QUARREL, TALK_ELIZABETH, TALK_BRISCOE}));
    EXPECT_TRUE(Get(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER) && Get(VARBOOL_BG105_C05_GROCERS_SHOP_IS_CLOSED));
    EXPECT_FALSE(Get(VARBOOL_ACTIVE_MAP));
    // The heroine's character flag is set as in the sister scenes, not her
    // pointing flag.
    EXPECT_EQ(Values(ID_ACTION_TYPE_SET_WALK_ONLY, HEROINE), std::vector<int32_t> {1});
    EXPECT_TRUE(Values(ID_ACTION_TYPE_SET_ACTIVE, HEROINE).empty());
    EXPECT_TRUE(Called("select " + FakeSceneLink::Hex(BRISCOE_ACTOR)));
    for (const int32_t iEffect : {Object("fx_lamp"), Object("fx_candle"), Object("e_halo"), Object("e_open_door")})
        EXPECT_TRUE(Visible(iEffect)) << iEffect;
    EXPECT_FALSE(Visible(Object("fx_fire")));
    ExpectArnoStaysOut();

    // Entered again the arrival is not played; Arno stays out of sight.
    TalksHearThem();
    Enter();
    EXPECT_TRUE(Dialogs().empty());
    ExpectArnoStaysOut();

    // Played with talks that hear both, it ends with Arno and the movie.
    Set(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER, false);
    Set(VARBOOL_BG111_C05_TALK_ELIZABETH, false);
    Set(VARBOOL_BG111_C05_TALK_BRISCOE, false);
    Enter();
    EXPECT_EQ(Dialogs(), Ids({QUARREL, TALK_ELIZABETH, TALK_BRISCOE, ARNO_GLOATS}));
    ExpectArnoSetsTheHouseAlight();
}

TEST_F(BriscoesHouseInteriorTest, OnlyElizabethsTalkBringsArnoInAndEveryLookOrTalkTurnsHerToTheOther)
{
    Set(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER);
    Set(VARBOOL_BG111_C05_TALK_ELIZABETH);
    Set(VARBOOL_BG111_C05_TALK_BRISCOE);
    Enter();
    ExpectArnoStaysOut();

    struct Talk {
        EventDesc event;
        int32_t iOther;
        uint32_t uDialog;
    };
    for (const Talk& talk : {Talk {ScriptEvent_FlaggedId1(BRISCOE_ACTOR), BRISCOE, 0x166c58b2},
                             Talk {ScriptEvent_FlaggedId2(BRISCOE_ACTOR), BRISCOE, TALK_BRISCOE},
                             Talk {ScriptEvent_FlaggedId1(ELIZABETH_ACTOR), ELIZABETH, LOOK_ELIZABETH}}) {
        SCOPED_TRACE(talk.uDialog);
        Run(talk.event);
        EXPECT_EQ(Dialogs(), Ids({talk.uDialog}));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {WP_TALKING});
        EXPECT_TRUE(Values(ID_ACTION_TYPE_TURN_TO_WAYPOINT, HEROINE).empty());
        EXPECT_EQ(Values(ID_ACTION_TYPE_TURN_TO_ACTOR, HEROINE), std::vector<int32_t> {talk.iOther});
        ExpectArnoStaysOut();
    }

    Run(ScriptEvent_FlaggedId2(ELIZABETH_ACTOR));
    EXPECT_EQ(Dialogs(), Ids({TALK_ELIZABETH, ARNO_GLOATS}));
    ExpectArnoSetsTheHouseAlight();
}

TEST_F(BriscoesHouseInteriorTest, UntiedSheGivesTheRopeAndTalksAndIdlesFree)
{
    Set(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER);
    Enter();
    // Back in a tied Elizabeth's room, the three stand as the arrival left them.
    EXPECT_EQ(PlacedAt(HEROINE), WP_TALKING);
    EXPECT_EQ(PlacedAt(ELIZABETH), WP_ELIZABETH);
    EXPECT_EQ(ElizabethsLoop(), AnimationOf<"elizabeth_b">("tied_idle_l").m_iId);
    Run(Callback(ELIZABETH_TALKS));
    EXPECT_EQ(ElizabethsLoop(), AnimationOf<"elizabeth_b">("tied_talk_l").m_iId);

    Run(Callback(UNTIED));
    EXPECT_EQ(Given(), std::vector<int32_t> {Item("ITEM_ROPE")});
    EXPECT_TRUE(Get(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE) && Get(VARBOOL_QUEST_C5_FIND_JEWELS));
    EXPECT_EQ(Walks(BRISCOE), (std::vector<int32_t> {9, WP_BRISCOE_BESIDE_HER}));
    Run(Callback(ELIZABETH_TALKS));
    EXPECT_EQ(ElizabethsLoop(), AnimationOf<"elizabeth_b">("talk_l").m_iId);

    // Free, she stands beside Briscoe on the next visit.
    Enter();
    EXPECT_EQ(PlacedAt(BRISCOE), WP_BRISCOE_BESIDE_HER);
    EXPECT_EQ(ElizabethsLoop(), AnimationOf<"elizabeth_b">("idle_l").m_iId);
}

TEST_F(BriscoesHouseInteriorTest, ArnoLeavingPutsOutTheCandleAndLightsTheFire)
{
    Set(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER);
    Enter();
    Run(Callback(ARNO_LEAVES));
    EXPECT_FALSE(Visible(ARNO) || Visible(Object("fx_candle")) || Visible(Object("e_halo")));
    EXPECT_TRUE(Visible(Object("fx_fire")));
    EXPECT_EQ(Values(ID_ACTION_TYPE_FADE_SPRITES, Object("fx_fire")), std::vector<int32_t> {300});
    EXPECT_EQ(Values(ID_ACTION_TYPE_PLAY_SPRITE_ANIMATION, Object("fx_lamp")), Ids({0x17f5665b}));
    EXPECT_EQ(Values(ID_ACTION_TYPE_ANIMATION, ELIZABETH).back(), AnimationOf<"elizabeth_b">("panic_02_l").m_iId);
}

TEST_F(BriscoesHouseInteriorTest, OtherChaptersShowNoneOfTheEffectsAndOnlyTalk)
{
    for (const int32_t iChapter : {1, 4, 6, 10}) {
        SCOPED_TRACE(iChapter);
        Enter(iChapter);
        for (const int32_t iEffect : EFFECTS)
            EXPECT_FALSE(Visible(iEffect)) << iEffect;
        EXPECT_TRUE(Dialogs().empty());
        EXPECT_FALSE(Get(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER) || Get(VARBOOL_BG105_C05_GROCERS_SHOP_IS_CLOSED));
        ExpectArnoStaysOut();
        Run(ScriptEvent_FlaggedId2(BRISCOE_ACTOR));
        EXPECT_EQ(Dialogs(), Ids({TALK_BRISCOE}));
    }
}

} // namespace
