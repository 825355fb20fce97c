// The script of the voodoo village (scene 36): the way into the temple from
// the guards' "halt" to Chemin's pebble shown and the temple entered, the way
// up the tree that a talk opens, the guards gone once Bajari has left, the
// road that opens the map, and the ways in.
#include "Engine/Scripts/Common/SceneScriptTestKit.h"

#include "Common/IdHash.h"
#include "Common/SceneObjectNames.h"
#include "Managers/Common/ScriptManager.h"
#include "Scripts/Common/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int32_t VILLAGE = 36;
constexpr int32_t TOWN_SQUARE_C = 31;
constexpr int32_t TEMPLE = 37;
constexpr int32_t CHEMINS_HUT = 38;

using Object = NamedObject<SceneTableRows::s_aObjects_bg309_36>;

constexpr uint32_t LEFT_GUARD_ACTOR = ActorIdOf("bajari_g1");
constexpr uint32_t RIGHT_GUARD_ACTOR = ActorIdOf("bajari_g2");
constexpr int32_t HEROINE = ActorScriptableId(ActorIdOf("tavrine"));
constexpr int32_t LEFT_GUARD = ActorScriptableId(LEFT_GUARD_ACTOR);
constexpr int32_t RIGHT_GUARD = ActorScriptableId(RIGHT_GUARD_ACTOR);
constexpr int32_t TANA = ActorScriptableId(ActorIdOf("tana"));

constexpr uint32_t LOOK_GUARD = 0x1dacc1c5;
constexpr uint32_t TALK_GUARDS = 0x2edde83d;
constexpr uint32_t SHOW_THE_PEBBLE = 0xd3ddc7e7;
constexpr uint32_t TEMPLE_SHUT = 0xed07cac0;
constexpr uint32_t WAY_UP_OPENS = 0x961d71f8;
constexpr uint32_t GUARDS_STAND_ASIDE = 0x8b18c59c;

// The guards' loops: each guard's own animation of the name.
constexpr int32_t SHUT_IDLE[] = {AnimationOf<"bajari_g1">("idle01_l").m_iId,
                                 AnimationOf<"bajari_g2">("idle01_l").m_iId};
constexpr int32_t OPEN_IDLE[] = {AnimationOf<"bajari_g1">("idle02_l").m_iId,
                                 AnimationOf<"bajari_g2">("idle02_l").m_iId};
constexpr int32_t STAND_ASIDE[] = {AnimationOf<"bajari_g1">("open").m_iId, AnimationOf<"bajari_g2">("open").m_iId};

const std::string OPEN_MAP = "post " + std::to_string(ScriptSceneLink::EVENT_OPEN_MENU) + " 1";

class VoodooVillageTest : public SceneScriptWithDialogsTest {
protected:
    void Enter(int32_t iFrom = TOWN_SQUARE_C) { EnterInChapter(VILLAGE, 7, iFrom); }
    std::vector<int32_t> Plays(int32_t iActor) const { return Values(ID_ACTION_TYPE_ANIMATION, iActor); }
    // Each guard's animations in the last walk.
    void ExpectGuardsPlay(std::initializer_list<const int32_t*> animations)
    {
        for (const int32_t i : {0, 1}) {
            std::vector<int32_t> expected;
            for (const int32_t* pAnimation : animations)
                expected.push_back(pAnimation[i]);
            EXPECT_EQ(Plays(i == 0 ? LEFT_GUARD : RIGHT_GUARD), expected) << "guard " << i + 1;
        }
    }
    // The blocker's last switch in the calls, as the scene keeps it.
    bool BlockerOn(int iBlocker) const
    {
        const std::string on = "blocker " + std::to_string(iBlocker) + " on";
        const std::string off = "blocker " + std::to_string(iBlocker) + " off";
        const auto last = std::find_if(calls.rbegin(), calls.rend(),
                                       [&](const std::string& call) { return call == on || call == off; });
        EXPECT_NE(last, calls.rend()) << iBlocker;
        return last != calls.rend() && *last == on;
    }
};

TEST_F(VoodooVillageTest, SheArrivesWhereHerWayInLeadsAndStaysAtTheStartFromAnywhereElse)
{
    struct Arrival {
        int32_t iFrom;
        int32_t iPlaced;
        int32_t iWalk;
    };
    for (const Arrival arrival :
         {Arrival {28, 3, 4}, Arrival {29, 3, 4}, Arrival {30, 3, 4}, Arrival {31, 3, 4}, Arrival {34, 3, 4},
          Arrival {35, 3, 4}, Arrival {CHEMINS_HUT, 10, -1}, Arrival {TEMPLE, 5, 6}, Arrival {32, 0, -1},
          Arrival {33, 0, -1}, Arrival {VILLAGE, 0, -1}, Arrival {256 + 3, 0, -1}, Arrival {512 + 17, 0, -1}}) {
        SCOPED_TRACE(arrival.iFrom);
        Enter(arrival.iFrom);
        EXPECT_EQ(PlacedAt(HEROINE), arrival.iPlaced);
        EXPECT_EQ(Walks(HEROINE), arrival.iWalk < 0 ? std::vector<int32_t> {} : std::vector<int32_t> {arrival.iWalk});
        // Out of the temple she walks through its doorway, which is shut again behind her.
        EXPECT_EQ(Called("blocker 0 off"), arrival.iFrom == TEMPLE);
        EXPECT_TRUE(BlockerOn(0) && BlockerOn(1));
    }
}

TEST_F(VoodooVillageTest, TheGuardsKeepTheTempleUntilCheminsPebbleIsShownThemAndThenLetHerIn)
{
    Enter();
    EXPECT_TRUE(Visible(LEFT_GUARD) && Open(LEFT_GUARD) && Visible(RIGHT_GUARD) && Open(RIGHT_GUARD));
    EXPECT_FALSE(Open(TANA) || Open(Object("buissons")));
    ExpectGuardsPlay({SHUT_IDLE});

    // The shut temple: a guard's "halt", and she stays outside.
    Run(Click(Object("goto_temple_entrance")));
    EXPECT_EQ(Dialogs(), Ids({TEMPLE_SHUT}));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {8});
    EXPECT_EQ(NextScene(), 0);

    // Either guard, looked at or spoken to, gives the same talk.
    for (const uint32_t uGuard : {LEFT_GUARD_ACTOR, RIGHT_GUARD_ACTOR}) {
        Run(ScriptEvent_FlaggedId1(uGuard));
        EXPECT_EQ(Dialogs(), Ids({LOOK_GUARD}));
        Run(ScriptEvent_FlaggedId2(uGuard));
        EXPECT_EQ(Dialogs(), Ids({TALK_GUARDS}));
    }

    // Chemin's pebble, shown to a guard or at the entrance, stays hers.
    for (const int32_t iTarget : {LEFT_GUARD, RIGHT_GUARD, static_cast<int32_t>(Object("goto_temple_entrance"))}) {
        Run(iTarget == LEFT_GUARD    ? ScriptEvent_ItemOnFlaggedId3(LEFT_GUARD_ACTOR, Item("ITEM_PAINTED_PEBBLE"))
            : iTarget == RIGHT_GUARD ? ScriptEvent_ItemOnFlaggedId3(RIGHT_GUARD_ACTOR, Item("ITEM_PAINTED_PEBBLE"))
                                     : UseOn(iTarget, "ITEM_PAINTED_PEBBLE"));
        EXPECT_EQ(Dialogs(), Ids({SHOW_THE_PEBBLE}));
        EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {8});
        EXPECT_TRUE(Taken().empty());
    }

    // The talk's callback: she puts the sign away and both guards stand aside.
    Run(Callback(GUARDS_STAND_ASIDE));
    EXPECT_TRUE(Get(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE));
    ExpectGuardsPlay({STAND_ASIDE, OPEN_IDLE});

    // In through the doorway; she walks on into the dark while the scene fades.
    Run(Click(Object("goto_temple_entrance")));
    EXPECT_EQ(NextScene(), TEMPLE);
    EXPECT_EQ(Walks(HEROINE), (std::vector<int32_t> {11, 5}));
    EXPECT_TRUE(Called("blocker 0 off"));
    EXPECT_TRUE(Dialogs().empty());

    // Back from the temple they still stand aside.
    Enter(TEMPLE);
    ExpectGuardsPlay({OPEN_IDLE});
}

TEST_F(VoodooVillageTest, TheGuardsTalkAndIdleLoopsFollowTheTempleFlagWhenTheirCallbackComes)
{
    Enter();
    // Each callback, the guard it moves and his loop while the way is shut and once it is open.
    const struct {
        uint32_t uCallback;
        int32_t iGuard;
        int32_t aLoops[2];
    } callbacks[] = {
        {0x64e9d865,
         LEFT_GUARD,
         {AnimationOf<"bajari_g1">("talk01_l").m_iId, AnimationOf<"bajari_g1">("talk02_l").m_iId}},
        {0xdcda4421, LEFT_GUARD, {SHUT_IDLE[0], OPEN_IDLE[0]}},
        {0xe27daacb,
         RIGHT_GUARD,
         {AnimationOf<"bajari_g2">("talk01_l").m_iId, AnimationOf<"bajari_g2">("talk02_l").m_iId}},
        {0x37edff22, RIGHT_GUARD, {SHUT_IDLE[1], OPEN_IDLE[1]}},
    };
    for (const bool bOpen : {false, true}) {
        Set(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE, bOpen);
        for (const auto& callback : callbacks) {
            SCOPED_TRACE(callback.uCallback);
            Run(Callback(callback.uCallback));
            EXPECT_EQ(Plays(callback.iGuard), std::vector<int32_t> {callback.aLoops[bOpen ? 1 : 0]});
        }
    }
}

TEST_F(VoodooVillageTest, TheTreeIsClimbedOnceATalkHasOpenedTheWayUpAndFromThenOnAtEveryVisit)
{
    Enter();
    EXPECT_TRUE(Open(Object("tree")));
    EXPECT_FALSE(Open(Object("goto_climb_to_upper_level")));
    dialogEffects[TALK_GUARDS] = [&] { Set(VARBOOL_BG309_C07_INTERACT_UPPER_LEVEL); };
    Run(ScriptEvent_FlaggedId2(LEFT_GUARD_ACTOR));
    Run(Callback(WAY_UP_OPENS));
    EXPECT_FALSE(Open(Object("tree")));
    EXPECT_TRUE(Open(Object("goto_climb_to_upper_level")));
    Run(Click(Object("goto_climb_to_upper_level")));
    EXPECT_EQ(NextScene(), CHEMINS_HUT);
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {12});

    Enter(CHEMINS_HUT);
    EXPECT_FALSE(Open(Object("tree")));
    EXPECT_TRUE(Open(Object("goto_climb_to_upper_level")));
}

TEST_F(VoodooVillageTest, OnceBajariHasLeftTheTempleNobodyKeepsIt)
{
    Set(VARBOOL_BG309_C07_USE_PAINTED_PEBBLE_ON_TEMPLE_ENTRANCE);
    Set(VARBOOL_QUEST_C7_TANNERSFRIEND03);
    Enter(TEMPLE);
    EXPECT_FALSE(Visible(LEFT_GUARD) || Open(LEFT_GUARD) || Visible(RIGHT_GUARD) || Open(RIGHT_GUARD));
    EXPECT_TRUE(Visible(TANA));
    Run(Click(Object("goto_temple_entrance")));
    EXPECT_EQ(NextScene(), TEMPLE);
}

TEST_F(VoodooVillageTest, TheRoadOpensTheMapPageAndTheBushesAreNeverPointedAt)
{
    Enter();
    Run(Click(Object("goto_ho_map")));
    EXPECT_TRUE(Called(OPEN_MAP));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {14});
    // Behind the map she is back off the road, which is shut again: closing
    // the map without travelling leaves her in the village.
    EXPECT_TRUE(BlockerOn(1));
    EXPECT_EQ(NextScene(), 0);

    // The bushes' look walks her over without a word, but nothing points at them.
    Enter();
    EXPECT_FALSE(Open(Object("buissons")));
    Run(ScriptEvent_Object1(Object("buissons")));
    EXPECT_EQ(Walks(HEROINE), std::vector<int32_t> {13});
    EXPECT_TRUE(Dialogs().empty());
}

} // namespace
