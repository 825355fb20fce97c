// The docks of the first island (scene 13, bg105_BO_Docks), always played by
// the grown heroine. The Winsome Maid lies here and takes her to the world
// map or on board. Chapter 2: Nell's shop hands out the goods for the crew;
// Carlo wants the chicken wings, Razzo wants Arno's sword, which the greasy
// bread makes slip into the sea while Arno looks away and which the magnet
// fishes up; with both done the two men join her. Chapter 5: the errands for
// Manuel and Briscoe by the donkey and cart lead on to Briscoe's house, and
// after the escape from it Arno, Carlo and Razzo are caught here.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <utility>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg105_13>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"carlo"> CARLO;
constexpr ActorNamed<"razzo"> RAZZO;
constexpr ActorNamed<"arno"> ARNO;
constexpr ActorNamed<"nell"> NELL;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"manuel"> MANUEL;
constexpr ActorNamed<"donkey"> DONKEY;
constexpr ActorNamed<"boat_windsome_maid"> BOAT;

// Waypoints of the quay.
constexpr int32_t WP_MIDDLE = 0;
constexpr int32_t WP_GANGWAY = 1;
constexpr int32_t WP_SHIP = 2;
constexpr int32_t WP_RUBY = 3;
constexpr int32_t WP_SHOP = 4;
constexpr int32_t WP_NELL = 5;
constexpr int32_t WP_CARLO = 6;
constexpr int32_t WP_AT_CARLO = 7;
constexpr int32_t WP_RAZZO = 8;
constexpr int32_t WP_AT_RAZZO = 9;
constexpr int32_t WP_ARNO = 10;
constexpr int32_t WP_AT_ARNO = 11;
constexpr int32_t WP_AT_SWORD = 12;
constexpr int32_t WP_AT_BONE = 13;
constexpr int32_t WP_QUAYSIDE = 14;
constexpr int32_t WP_FISHING = 15;
constexpr int32_t WP_INN_SIGN = 16;
constexpr int32_t WP_HILL_VIEW = 17;
constexpr int32_t WP_EXIT_106 = 18;
constexpr int32_t WP_OUT_106 = 19;
constexpr int32_t WP_EXIT_107 = 20;
constexpr int32_t WP_OUT_107 = 21;
constexpr int32_t WP_AT_CART = 22;
constexpr int32_t WP_DONKEY = 23;
constexpr int32_t WP_MANUEL = 24;
constexpr int32_t WP_AT_MANUEL = 25;
constexpr int32_t WP_BRISCOE = 26;
constexpr int32_t WP_AT_BRISCOE = 27;
constexpr int32_t WP_BRISCOE_AT_RUBY = 28;
constexpr int32_t WP_AT_BRISCOE_AT_RUBY = 29;
constexpr int32_t WP_BRISCOE_FIRST = 30;
constexpr int32_t WP_AT_BRISCOE_FIRST = 31;
constexpr int32_t WP_HILL_PATH = 32;
constexpr int32_t WP_FROM_HILL = 33;
constexpr int32_t WP_FROM_107 = 34;
constexpr int32_t WP_FROM_110 = 35;
constexpr int32_t WP_AT_DONKEY = 36;
// Razzo's way to the heroine when he joins her.
constexpr int32_t WP_RAZZO_JOINS[] = {37, 38, 39};
// Arno's way off the quay once his sword is in the sea.
constexpr int32_t WP_ARNO_LEAVES[] = {40, 19};
// Nell beside Arno, while she keeps him talking.
constexpr int32_t WP_NELL_BY_ARNO = 41;
// Where the three men run in after the escape, and where they are caught.
constexpr int32_t WP_ARNO_RUNS_IN = 42;
constexpr int32_t WP_CARLO_RUNS_IN = 43;
constexpr int32_t WP_RAZZO_RUNS_IN = 44;
constexpr int32_t WP_ARNO_CAUGHT = 45;
constexpr int32_t WP_RAZZO_CAUGHT = 46;
constexpr int32_t WP_CARLO_CAUGHT = 47;
constexpr int32_t WP_MAP_SHOWN = 48;

// Walk-mesh blockers: the donkey and cart, the Ruby Empress's gangway, the
// road up to the town hall, the Winsome Maid's gangway.
constexpr int32_t CART_BLOCKER = 0;
constexpr int32_t RUBY_BLOCKER = 1;
constexpr int32_t TOWN_HALL_BLOCKER = 2;
constexpr int32_t SHIP_BLOCKER = 3;

// The sprites of the scene's pictures, by name.
constexpr uint32_t BONES_LYING = CoreCrc32Of("bg105_bones_lying");
constexpr uint32_t BONES_THROWN = CoreCrc32Of("bg105_bones_thrown");
constexpr uint32_t SHOP_OPEN = CoreCrc32Of("bg105_shop_open");
constexpr uint32_t SHOP_SHUTTERED = CoreCrc32Of("bg105_shop_shuttered");
constexpr uint32_t SWORD_RISING = CoreCrc32Of("bg105_sword_rising");
constexpr uint32_t DUST_CLOUD = CoreCrc32Of("bg105_dust_cloud");
constexpr uint32_t SPLASH = CoreCrc32Of("bg105_splash");
constexpr uint32_t RIPPLES = CoreCrc32Of("bg105_ripples");
constexpr uint32_t SWORD_FALLING = CoreCrc32Of("bg105_sword_falling");

// Sounds: the tramp of the men running in, a splash, a gulp, a cheer. The
// splash and the gulp are in the docks' own bank: a sound of another scene's
// bank does not play here.
constexpr uint32_t RUNNING_FEET = 0x4AAB71E0;
constexpr uint32_t SPLASH_SOUND = 0x4343563C;
constexpr uint32_t GULP_SOUND = 0x43C2DC06;
constexpr uint32_t CHEER_SOUND = 0x34FEB5D7;

// The scene ids this scene leads to or is entered from.
constexpr int32_t WORLD_MAP = 57;      // bg911_WorldMap
constexpr int32_t ON_BOARD = 6;        // bg002_WM_Corridor
constexpr int32_t FLAT_TOP_HILL = 11;  // bg103_BO_FlatTopHill
constexpr int32_t FORK = 12;           // bg104_BO_Fork
constexpr int32_t DOCKS = 13;          // bg105_BO_Docks
constexpr int32_t ADMIRALS_REST = 14;  // bg106_BO_AdmiralsRest
constexpr int32_t TOWN_HALL = 15;      // bg107_BO_TownhallExterior
constexpr int32_t BRISCOES_HOUSE = 17; // bg110_BO_BriscoesHouseExterior
constexpr int32_t CASTILLO_HOUSE = 20; // bg112_BO_CastilloHouseExterior_A
constexpr int32_t LOADING = 61;        // bg993_Loading_placeholder
constexpr int32_t MOVIE_CINE04 = 3;

class SceneScript_bg105 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter2();
    void EnterChapter5();
    void ArriveFrom();
    void GreetChapter2();
    void GreetChapter5();
    void ArnoCaught();

    void BuildCrewCheck();
    void BuildErrandsCheck();

    void CarloEvents();
    void RazzoEvents();
    void ArnoEvents();
    void NellEvents();
    void ShipEvents();
    void QuayEvents();
    void SwordEvents();
    void SeaEvents();
    void BriscoeEvents();
    void CartEvents();
    void ManuelEvents();
    void TownEvents();
    void GestureCallbacks();

    void Select(int32_t iActor);
    // Briscoe leaves the Ruby Empress for his place by the cart.
    void BriscoeBackToCart();
    // The heroine comes up to Manuel, Briscoe beside him.
    void ComeUpToManuel();
};

void SceneScript_bg105::LinkActorSets()
{
    LinkActorSet("chapter_2", InChapter(2));
    LinkActorSet("chapter_5", Both(InChapter(5), IsFalse(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE)));
    LinkActorSet("chapter_5_Arno_Caught", Both(InChapter(5), IsTrue(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE)));
}

void SceneScript_bg105::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg105_chapter_02"), InChapter(2));
    LinkSoundGroup(SoundGroupNamed("bg105_chapter_05"), InChapter(5));
    // The chapters without content of their own share a group without a name.
    MatchExpr oOther = InChapter(1);
    for (int32_t iChapter : {3, 4, 6, 7, 8, 9, 10})
        oOther = MatchExpression(Op_Or, oOther, InChapter(iChapter));
    LinkSoundGroup(0x23CD8B22, oOther);
}

void SceneScript_bg105::BuildEnterActions()
{
    PlayMusic(0x0666EF79);
    PlayAmbience(0x2F7D61FD);
    SetSceneDirection(2);
    SetBoolVar(VARBOOL_BO_MAP_BASE, true);

    ShowObject(Object("fx_bones"), false);
    PushHashAction23(Object("fx_bones"), BONES_LYING);
    ShowObject(Object("o_cart"), false);
    ShowObject(Object("o_cart_2"), false);
    PushHashAction23(Object("o_shop"), SHOP_OPEN);
    ShowObject(Object("fx_sword_sea"), false);
    PushHashAction23(Object("fx_sword_sea"), SWORD_RISING);
    ShowObject(Object("o_arnos_sword"), false);
    ShowObject(Object("fx_dust"), false);
    PushHashAction23(Object("fx_dust"), DUST_CLOUD);
    ShowObject(Object("o_old_sword"), false);
    ShowObject(Object("o_old_sword_2"), false);
    ShowObject(Object("o_mirror_reflect"), false);
    ShowObject(Object("fx_plouf"), false);
    PushHashAction23(Object("fx_plouf"), RIPPLES);
    ShowObject(Object("fx_sword"), false);
    PushHashAction23(Object("fx_sword"), SWORD_FALLING);
    SetInteractive(Object("small_chicken_bone"), false);
    SetInteractive(Object("donkey_and_cart"), false);
    SetInteractive(Object("arnos_sword"), false);

    _IfMatch(InChapter(2));
    EnterChapter2();
    _EndMatch();
    _IfMatch(InChapter(5));
    EnterChapter5();
    _EndMatch();

    _IfInt(VARINT_CURRENT_CHAPTER, Op_IntGreater, 5);
    ShowObject(Object("o_ruby_empress_1"), false);
    ShowObject(Object("o_ruby_empress_2"), false);
    SetInteractive(Object("the_ruby_empress"), false);
    _EndMatch();

    Place(HEROINE, WP_MIDDLE);
    Place(NELL, WP_NELL);
    ArriveFrom();

    _IfMatch(InChapter(2));
    GreetChapter2();
    _EndMatch();
    _IfMatch(InChapter(5));
    GreetChapter5();
    _EndMatch();
}

void SceneScript_bg105::EnterChapter2()
{
    Place(CARLO, WP_CARLO);
    Place(RAZZO, WP_RAZZO);
    Place(ARNO, WP_ARNO);
    Place(NELL, WP_NELL);
    Play(ARNO, "triumph_01");
    Play(RAZZO, "g_idle_l");

    // Nell is still at the inn: her shop stays shut.
    _IfBool(VARBOOL_BG105_C02_GROCERS_SHOP_IS_OPEN, 0);
    ShowObject(NELL, false);
    SetInteractive(NELL, false);
    PushHashAction23(Object("o_shop"), SHOP_SHUTTERED);
    _EndMatch();

    // The crew has joined her.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C2_FOOD_DONE), IsTrue(VARBOOL_QUEST_C2_SWORD_DONE)));
    ShowObject(CARLO, false);
    SetInteractive(CARLO, false);
    ShowObject(RAZZO, false);
    SetInteractive(RAZZO, false);
    _EndMatch();

    // Carlo's bones lie where he threw them until she picks one up.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C2_FOOD_DONE), IsFalse(VARBOOL_BG105_C02_PICK_CHICKEN_BONE)));
    ShowObject(Object("fx_bones"), true);
    PushHashAction23(Object("fx_bones"), BONES_LYING);
    SetInteractive(Object("small_chicken_bone"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY, 1);
    Play(ARNO, "triumph_02");
    _EndMatch();

    _IfBool(VARBOOL_BG105_C02_USE_GREASYBREADLOAF_ON_ARNOSSWORD, 0);
    ShowObject(Object("o_arnos_sword"), true);
    SetInteractive(Object("arnos_sword"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG105_C02_EVENT_ARNO_GREASYSWORD, 1);
    ShowObject(ARNO, false);
    SetInteractive(ARNO, false);
    _EndMatch();

    // The plate on the hill's nest flashes in the sun.
    _IfBool(VARBOOL_BG103_C02_SHINY_PLATE_IS_ON_NEST, 1);
    ShowObject(Object("o_mirror_reflect"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG105_C02_USE_OLD_SWORD_ON_RAZZO, 0);
    ShowObject(Object("o_old_sword"), false);
    ShowObject(Object("o_old_sword_2"), false);
    _EndMatch();
}

void SceneScript_bg105::EnterChapter5()
{
    _IfBool(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE, 0);
    _IfBool(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES, 1);
    Play(BRISCOE, "g_thinking02_l");
    _ElseMatch();
    Play(BRISCOE, "g_idle_l");
    _EndMatch();
    _EndMatch();

    PushAction21(HEROINE, CART_BLOCKER, 1);
    SetBoolVar(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS, false);

    _IfBool(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE, 1);
    // Nell has shut her shop, and the Ruby Empress has sailed.
    PushHashAction23(Object("o_shop"), SHOP_SHUTTERED);
    SetBoolVar(VARBOOL_BG105_C05_GROCERS_SHOP_IS_CLOSED, true);
    ShowObject(Object("o_ruby_empress_1"), false);
    ShowObject(Object("o_ruby_empress_2"), false);
    SetInteractive(Object("the_ruby_empress"), false);
    _ElseMatch();
    Place(BRISCOE, WP_BRISCOE);
    Place(MANUEL, WP_MANUEL);
    Place(DONKEY, WP_DONKEY);
    Place(NELL, WP_NELL);
    // The first time, Briscoe waits for her by the quay.
    _IfMatch(Both(IsFalse(VARBOOL_BG105_C05_TALK_BRISCOE), IsFalse(VARBOOL_BG105_C05_TALK_MANUEL)));
    Place(BRISCOE, WP_BRISCOE_FIRST);
    Play(BRISCOE, "impatient_idle_l");
    _EndMatch();
    _IfBool(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS, 1);
    Place(BRISCOE, WP_BRISCOE_AT_RUBY);
    _EndMatch();
    _EndMatch();

    _IfBool(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS, 1);
    ShowObject(Object("o_cart"), false);
    ShowObject(Object("o_cart_2"), false);
    SetInteractive(Object("donkey_and_cart"), false);
    PushAction21(HEROINE, CART_BLOCKER, 0);
    // The cart has left with Manuel, the donkey and Briscoe.
    _IfBool(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE, 0);
    ShowObject(DONKEY, false);
    SetInteractive(DONKEY, false);
    ShowObject(MANUEL, false);
    SetInteractive(MANUEL, false);
    ShowObject(BRISCOE, false);
    SetInteractive(BRISCOE, false);
    _EndMatch();
    _ElseMatch();
    SetInteractive(Object("donkey_and_cart"), true);
    ShowObject(Object("o_cart"), true);
    ShowObject(Object("o_cart_2"), true);
    _EndMatch();
}

void SceneScript_bg105::ArriveFrom()
{
    // Off the Winsome Maid, from the sea or from below deck.
    for (int32_t iFrom : {WORLD_MAP, ON_BOARD}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_GANGWAY);
        GoTo(HEROINE, WP_SHIP);
        _EndMatch();
    }
    // Down the hill path, from the hill, the fork or the family house.
    for (int32_t iFrom : {FLAT_TOP_HILL, FORK}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_HILL_PATH);
        GoTo(HEROINE, WP_FROM_HILL);
        _EndMatch();
    }
    // Out of the inn's lane: she is on the quay already, a step in from
    // the lane's mouth, which lies past the screen's edge.
    _IfMatch(CameFrom(ADMIRALS_REST));
    Place(HEROINE, WP_FROM_110);
    _EndMatch();
    _IfMatch(CameFrom(TOWN_HALL));
    Place(HEROINE, WP_OUT_107);
    GoTo(HEROINE, WP_FROM_107);
    _EndMatch();
    _IfMatch(CameFrom(BRISCOES_HOUSE));
    Place(HEROINE, WP_OUT_106);
    GoTo(HEROINE, WP_FROM_110);
    _EndMatch();
    _IfMatch(CameFrom(CASTILLO_HOUSE));
    Place(HEROINE, WP_HILL_PATH);
    GoTo(HEROINE, WP_FROM_HILL);
    _EndMatch();
}

void SceneScript_bg105::GreetChapter2()
{
    _IfBool(VARBOOL_BG105_C02_EVENT_FIRST_TIME, 0);
    Play(HEROINE, "g_lookingaround");
    Dialog(0xA5292F8C);
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG105_C02_EVENT_FIRST_TIME, true);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG105_C02_USE_OLD_SWORD_ON_RAZZO), IsFalse(VARBOOL_BG105_C02_EVENT_RAZZO_OLDSWORD)));
    Place(HEROINE, WP_AT_RAZZO);
    Dialog(0xCE377750);
    SetBoolVar(VARBOOL_BG105_C02_EVENT_RAZZO_OLDSWORD, true);
    _EndMatch();
}

void SceneScript_bg105::GreetChapter5()
{
    Select(HEROINE);

    _IfBool(VARBOOL_BG105_C05_EVENT_LETS_GO, 0);
    GoTo(HEROINE, WP_AT_BRISCOE_FIRST);
    Place(BRISCOE, WP_BRISCOE_FIRST);
    Dialog(0xCD874196);
    SetBoolVar(VARBOOL_BG105_C05_EVENT_LETS_GO, true);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG110_C05_EVENT_BRISCOE_WORRIES), IsFalse(VARBOOL_QUEST_C5_AVOID_GUARDS01)));
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    Dialog(0x0EE39360);
    SetBoolVar(VARBOOL_QUEST_C5_AVOID_GUARDS01, true);
    Give(HEROINE, ItemNamed("ITEM_BRISCOE"));
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // The capture: the three men are taken, and the chapter ends.
    _IfMatch(Both(IsTrue(VARBOOL_BG105_C05_EVENT_ARNO_TIED), IsFalse(VARBOOL_BG105_C05_HAVE_SKETCH_MAP)));
    Place(ARNO, WP_ARNO_CAUGHT);
    Place(RAZZO, WP_RAZZO_CAUGHT);
    Place(CARLO, WP_CARLO_CAUGHT);
    Place(HEROINE, WP_MIDDLE);
    ShowObject(ARNO, true);
    ShowObject(RAZZO, true);
    ShowObject(CARLO, true);
    Play(HEROINE, "g_helpless");
    Dialog(0x6DD4D5C7);
    FadeOut(3000);
    Take(HEROINE, ItemNamed("ITEM_IRON_BAR"));
    GoToScene(LOADING);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG110_C05_EVENT_ESCAPE_BRISCOES_HOUSE), IsFalse(VARBOOL_BG105_C05_EVENT_ARNO_TIED)));
    ArnoCaught();
    _EndMatch();

    PushAction21(HEROINE, RUBY_BLOCKER, 1);
    PushAction21(HEROINE, TOWN_HALL_BLOCKER, 1);
    PushAction21(HEROINE, SHIP_BLOCKER, 1);
}

void SceneScript_bg105::ArnoCaught()
{
    // Arno, Carlo and Razzo come running down the quay in a cloud of dust.
    Place(ARNO, WP_ARNO_RUNS_IN);
    Place(CARLO, WP_CARLO_RUNS_IN);
    Place(RAZZO, WP_RAZZO_RUNS_IN);
    Place(HEROINE, WP_MIDDLE);
    ShowObject(RAZZO, true);
    ShowObject(CARLO, true);
    ShowObject(ARNO, true);
    EffectSound(RUNNING_FEET);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_NO_EFFECT_45, Param::Bool(false));
    Play(HEROINE, "g_lookingaround");
    Play(HEROINE, "g_idle_l");
    Wait(HEROINE, 500);
    ShowObject(Object("fx_dust"), true);
    Together();
    PushHashAction23(Object("fx_dust"), DUST_CLOUD);
    GoTo(ARNO, WP_ARNO_CAUGHT);
    GoTo(RAZZO, WP_RAZZO_CAUGHT);
    Apart();
    WaitUntilIdle(ARNO);
    WaitUntilIdle(RAZZO);
    Play(ARNO, "triumph_03");
    Play(RAZZO, "g_idle_l");
    Wait(ARNO, 500);
    Wait(RAZZO, 500);
    WaitUntilIdle(RAZZO);
    ShowObject(Object("fx_dust"), false);
    Dialog(0x6DD4D5C7);
    GoToScene(DOCKS);
}

void SceneScript_bg105::BuildCrewCheck()
{
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C2_FOOD_DONE), IsTrue(VARBOOL_QUEST_C2_SWORD_DONE)));
    Dialog(0xDFAEC078);
    Select(RAZZO);
    Place(CARLO, WP_CARLO);
    Play(RAZZO, "stretch");
    Play(RAZZO, "g_talk_l");
    Play(RAZZO, "g_victoryfist");
    Play(RAZZO, "g_idle_l");
    Select(RAZZO);
    for (int32_t iWaypoint : WP_RAZZO_JOINS)
        GoTo(RAZZO, iWaypoint);
    TurnToward(RAZZO, HEROINE);
    Play(RAZZO, "g_talk_l");
    Play(RAZZO, "g_victoryfist");
    Play(RAZZO, "g_idle_l");
    Wait(RAZZO, 500);
    SetBoolVar(VARBOOL_QUEST_C2_CREW02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C2_CREW03, true);
    Wait(RAZZO, 500);
    Wait(HEROINE, 500);
    Select(HEROINE);
    SetBoolVar(VARBOOL_QUEST_C2_CREW02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C2_CREW03, true);
    ShowObject(CARLO, false);
    SetInteractive(CARLO, false);
    ShowObject(RAZZO, false);
    SetInteractive(RAZZO, false);
    Give(HEROINE, ItemNamed("ITEM_RAZZO"));
    Give(HEROINE, ItemNamed("ITEM_CARLO"));
    _EndMatch();
}

void SceneScript_bg105::BuildErrandsCheck()
{
    _IfMatch(Both(Both(IsTrue(VARBOOL_QUEST_C5_NEW_SHIRT_DONE), IsTrue(VARBOOL_QUEST_C5_WEDDING_GIFT_DONE)),
                  IsFalse(VARBOOL_BG105_C05_EVENT_COMPLETED_ERRANDS)));
    Dialog(0x8BD16B9F);
    _IfBool(VARBOOL_QUEST_C5_AVOID_GUARDS02, 1);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_CINE04));
    GoToScene(BRISCOES_HOUSE);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg105::BuildExitEvents()
{
    // Activate "the_winsome_maid": the ship asks where to. A dialog that set
    // both answers sails and forgets the other, so that one talk never makes
    // two scene changes and the next one asks again.
    _IfMatch(MatchExpr::MakeEvent0(Object("the_winsome_maid")));
    GoTo(HEROINE, WP_SHIP);
    Dialog(0x7EA927E6);
    _IfBool(VARBOOL_BG105_GOTO_WORLD_MAP, 1);
    PushAction21(HEROINE, SHIP_BLOCKER, 0);
    SetBoolVar(VARBOOL_BG105_GOTO_WORLD_MAP, false);
    SetBoolVar(VARBOOL_BG105_GOTO_ONBOARD, false);
    SetPlayingCharacter(BOAT);
    GoToScene(WORLD_MAP);
    GoTo(HEROINE, WP_GANGWAY);
    _ElseMatch();
    _IfBool(VARBOOL_BG105_GOTO_ONBOARD, 1);
    PushAction21(HEROINE, SHIP_BLOCKER, 0);
    SetBoolVar(VARBOOL_BG105_GOTO_ONBOARD, false);
    GoToScene(ON_BOARD);
    GoTo(HEROINE, WP_GANGWAY);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // Activate "goto_bg106": up the lane to the inn.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg106")));
    GoTo(HEROINE, WP_EXIT_106);
    GoToScene(ADMIRALS_REST);
    GoTo(HEROINE, WP_OUT_106);
    _EndMatch();

    // Activate "goto_bg107": up the road to the town hall.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg107")));
    PushAction21(HEROINE, TOWN_HALL_BLOCKER, 0);
    GoTo(HEROINE, WP_EXIT_107);
    GoToScene(TOWN_HALL);
    GoTo(HEROINE, WP_OUT_107);
    _EndMatch();
}

void SceneScript_bg105::BuildEvents()
{
    CarloEvents();
    RazzoEvents();
    ArnoEvents();
    NellEvents();
    ShipEvents();
    QuayEvents();
    SwordEvents();
    SeaEvents();
    BriscoeEvents();
    CartEvents();
    ManuelEvents();
    TownEvents();
    GestureCallbacks();
}

void SceneScript_bg105::CarloEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(CARLO), HEROINE, WP_AT_CARLO, 0x87D7C53F);
    WalkAndTalk(ScriptEvent_FlaggedId2(CARLO), HEROINE, WP_AT_CARLO, 0xF5E3D852);
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(CARLO, ItemNamed("ITEM_FRUIT")), HEROINE, WP_AT_CARLO, 0x4B026A7D);
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(CARLO, ItemNamed("ITEM_BREAD_LOAF")), HEROINE, WP_AT_CARLO, 0xE26F1C85);
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(CARLO, ItemNamed("ITEM_GREASY_BREAD_LOAF")), HEROINE, WP_AT_CARLO,
                0x3493E8A3);

    // UseItem the chicken wings on "carlo": the dialog hands them over.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(CARLO, ItemNamed("ITEM_FRIED_CHICKEN_WINGS")));
    GoTo(HEROINE, WP_AT_CARLO);
    Dialog(0x1A79871C);
    SetBoolVar(VARBOOL_QUEST_C2_CREW01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C2_CREW02, true);
    BuildCrewCheck();
    _EndMatch();

    // Callback: Carlo eats the wings and throws the bones on the quay.
    _IfEvent(OnCallback(0xEDDDA7C2));
    Play(HEROINE, "g_giveobject");
    Play(HEROINE, "g_idle_l");
    Sound(CARLO, GULP_SOUND, 400);
    Play(HEROINE, "g_impatience");
    Play(HEROINE, "g_idle_l");
    Wait(CARLO, 1500);
    WaitUntilIdle(CARLO);
    ShowObject(Object("fx_bones"), true);
    Play(HEROINE, "g_disgusted");
    PushHashAction23(Object("fx_bones"), BONES_THROWN);
    PushHashAction23(Object("fx_bones"), BONES_LYING);
    Take(HEROINE, ItemNamed("ITEM_FRIED_CHICKEN_WINGS"));
    SetInteractive(Object("small_chicken_bone"), true);
    _EndMatch();
}

void SceneScript_bg105::RazzoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(RAZZO), HEROINE, WP_AT_RAZZO, 0xC8DC9F62);
    WalkAndTalk(ScriptEvent_FlaggedId2(RAZZO), HEROINE, WP_AT_RAZZO, 0xBAE8820F);
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(RAZZO, ItemNamed("ITEM_MAGNIFICENT_SWORD")), HEROINE, WP_AT_RAZZO,
                0x102D81E1);
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(RAZZO, ItemNamed("ITEM_SWORD")), HEROINE, WP_AT_RAZZO, 0xCE377750);

    // UseItem Arno's sword on "razzo": the dialog hands it over.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(RAZZO, ItemNamed("ITEM_ARNOS_SWORD")));
    GoTo(HEROINE, WP_AT_RAZZO);
    Dialog(0x293B8797);
    SetBoolVar(VARBOOL_QUEST_C2_CREW01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C2_CREW02, true);
    BuildCrewCheck();
    _EndMatch();

    // Callback: Razzo takes the sword and tries it.
    _IfEvent(OnCallback(0x997547D5));
    Place(HEROINE, WP_AT_RAZZO);
    Place(RAZZO, WP_RAZZO);
    Play(HEROINE, "g_giveobject");
    Play(HEROINE, "g_idle_l");
    Play(RAZZO, "g_talk_l");
    Play(RAZZO, "stretch");
    Sound(RAZZO, CHEER_SOUND, 300);
    Play(RAZZO, "g_victoryfist");
    // He swings it once more, she claps, and he thanks her.
    Play(RAZZO, "stretch");
    Play(RAZZO, "g_victoryfist");
    Play(HEROINE, "g_clapshands");
    Play(HEROINE, "g_idle_l");
    Play(RAZZO, "g_idle_l");
    Play(RAZZO, "g_talk_l");
    Play(HEROINE, "g_dlgpolite");
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_ARNOS_SWORD"));
    Play(RAZZO, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg105::ArnoEvents()
{
    WalkAndTalkTo(ScriptEvent_FlaggedId1(ARNO), HEROINE, WP_AT_ARNO, ARNO, 0x1B1B44BD);
    WalkAndTalkTo(ScriptEvent_FlaggedId2(ARNO), HEROINE, WP_AT_ARNO, ARNO, 0x2861AC7B);

    // Callback: Nell steps up beside Arno and keeps him talking.
    _IfEvent(OnCallback(0xA30E7B17));
    ShowObject(NELL, false);
    Place(NELL, WP_NELL_BY_ARNO);
    Play(NELL, "g_talk_l");
    Select(NELL);
    Play(ARNO, "triumph_01_talk_l");
    _EndMatch();

    // Callback: Nell goes back behind her counter.
    _IfEvent(OnCallback(0x9F065F8A));
    Place(NELL, WP_NELL);
    Play(ARNO, "triumph_01");
    Play(HEROINE, "g_idle_l");
    ShowObject(NELL, true);
    Select(HEROINE);
    _EndMatch();

    WalkAndTalkTo(ScriptEvent_ItemOnFlaggedId3(ARNO, ItemNamed("ITEM_POLISHED_PLATE")), HEROINE, WP_AT_ARNO, ARNO,
                  0x084F6122);

    // Callback: the heroine is handed the sketch map and unrolls it.
    _IfEvent(OnCallback(0x0204D1D7));
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_idle_l");
    PushAddAttachment(HEROINE, AttachmentNamed("rolled_map"), BONE_RIGHT_HAND);
    Sound(HEROINE, CHEER_SOUND, 200);
    Give(HEROINE, ItemNamed("ITEM_SKETCH_MAP"));
    GoTo(HEROINE, WP_MAP_SHOWN);
    Play(HEROINE, "g_showmap01");
    Play(HEROINE, "g_showmap02");
    Play(HEROINE, "g_showmap03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("rolled_map"));
    _EndMatch();
}

void SceneScript_bg105::NellEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(NELL), HEROINE, WP_SHOP, 0xF12ED226);
    WalkAndTalk(ScriptEvent_FlaggedId2(NELL), HEROINE, WP_SHOP, 0xC2543AE0);

    // Callback: Nell hands out the goods for the crew.
    _IfEvent(OnCallback(0xFD58F14C));
    Play(NELL, "g_talk_l");
    Give(HEROINE, ItemNamed("ITEM_FRUIT"));
    Give(HEROINE, ItemNamed("ITEM_BREAD_LOAF"));
    Give(HEROINE, ItemNamed("ITEM_FRIED_CHICKEN_WINGS"));
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // Callback: Nell hands over her spare key.
    _IfEvent(OnCallback(0xBD3392A5));
    Play(NELL, "g_talk_l");
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_idle_l");
    Give(HEROINE, ItemNamed("ITEM_SPARE_KEY"));
    _EndMatch();
}

void SceneScript_bg105::ShipEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("the_winsome_maid")), HEROINE, WP_SHIP, 0x142301FB);
    WalkAndTalk(ScriptEvent_Object1(Object("the_ruby_empress")), HEROINE, WP_RUBY, 0xBAA4B00E);

    // Activate "the_ruby_empress": the dialog walks her up to it.
    _IfMatch(MatchExpr::MakeEvent0(Object("the_ruby_empress")));
    Dialog(0xD02E9613);
    _EndMatch();

    // Callback: in chapter 5 Briscoe comes along to the Ruby Empress the
    // first time.
    _IfEvent(OnCallback(0x47A8A890));
    _IfMatch(Both(InChapter(5), IsFalse(VARBOOL_BG105_C05_INT_RUBYEMPRESS)));
    SetBoolVar(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS, true);
    GoTo(BRISCOE, WP_BRISCOE_AT_RUBY);
    GoTo(HEROINE, WP_RUBY);
    _ElseMatch();
    GoTo(HEROINE, WP_RUBY);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg105::QuayEvents()
{
    LookAndActivate(Object("grocers_shop"), HEROINE, WP_SHOP, 0x5EAA4C2A, 0xF6CE6E82);
    WalkAndTalk(ScriptEvent_Object1(Object("small_chicken_bone")), HEROINE, WP_AT_BONE, 0x828CF3DC);

    // Activate "small_chicken_bone": she picks up one of Carlo's bones.
    _IfMatch(MatchExpr::MakeEvent0(Object("small_chicken_bone")));
    GoTo(HEROINE, WP_AT_BONE);
    Play(HEROINE, "g_pickobjectlow01");
    Give(HEROINE, ItemNamed("ITEM_SMALL_CHICKEN_BONE"));
    ShowObject(Object("fx_bones"), false);
    Play(HEROINE, "g_pickobjectlow02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG105_C02_PICK_CHICKEN_BONE, true);
    SetInteractive(Object("small_chicken_bone"), false);
    _EndMatch();
}

void SceneScript_bg105::SwordEvents()
{
    LookAndActivate(Object("arnos_sword"), HEROINE, WP_AT_SWORD, 0x9C5974C3, 0x9FA4896E);

    // UseItem the greasy bread on "arnos_sword": while Arno looks away the
    // greased sword slips off the quay into the sea.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("arnos_sword"), ItemNamed("ITEM_GREASY_BREAD_LOAF")));
    GoTo(HEROINE, WP_AT_SWORD);
    Dialog(0xF2D22EE0);
    _IfBool(VARBOOL_BG105_C02_ARNO_IS_LOOKING_AWAY, 1);
    SetBoolVar(VARBOOL_BG105_C02_USE_GREASYBREADLOAF_ON_ARNOSSWORD, true);
    Select(ARNO);
    Play(ARNO, "triumph_02");
    Wait(ARNO, 300);
    ShowObject(Object("o_arnos_sword"), false);
    Play(HEROINE, "greasebread");
    Play(HEROINE, "g_idle_l");
    Wait(HEROINE, 300);
    WaitUntilIdle(HEROINE);
    ShowObject(Object("fx_sword"), true);
    PushHashAction23(Object("fx_sword"), SWORD_FALLING);
    Wait(Object("fx_sword"), 400);
    ShowObject(Object("fx_plouf"), true);
    PushHashAction23(Object("fx_plouf"), SPLASH);
    PushHashAction23(Object("fx_plouf"), RIPPLES);
    Wait(Object("fx_plouf"), 600);
    Wait(Object("fx_sword"), 200);
    WaitUntilIdle(Object("fx_plouf"));
    ShowObject(Object("fx_sword"), false);
    Play(ARNO, "triumph_03");
    Play(ARNO, "triumph_01");
    Play(HEROINE, "g_lookingaround");
    Play(HEROINE, "g_idle_l");
    Wait(ARNO, 300);
    Wait(HEROINE, 300);
    WaitUntilIdle(HEROINE);
    Dialog(0xF2D22EE0);
    SetBoolVar(VARBOOL_BG105_C02_EVENT_ARNO_GREASYSWORD, true);
    SetInteractive(Object("arnos_sword"), false);
    _EndMatch();
    _EndMatch();

    // Callback: Arno finds his sword gone and storms off the quay.
    _IfEvent(OnCallback(0x61F9C554));
    for (int32_t iWaypoint : WP_ARNO_LEAVES)
        GoTo(ARNO, iWaypoint);
    Play(ARNO, "exitmanor");
    ShowObject(ARNO, false);
    SetInteractive(ARNO, false);
    Select(HEROINE);
    _EndMatch();
}

void SceneScript_bg105::SeaEvents()
{
    LookAndActivate(Object("sea"), HEROINE, WP_QUAYSIDE, 0x9F155825, 0xE616E2D2);

    // UseItem the magnet on "sea": only while the sword lies on the bottom;
    // otherwise nothing happens (and no "that won't work" either).
    _IfEvent(ScriptEvent_ItemOnObject3(Object("sea"), ItemNamed("ITEM_MAGNET")));
    _IfMatch(
        Both(IsTrue(VARBOOL_BG105_C02_USE_GREASYBREADLOAF_ON_ARNOSSWORD), IsFalse(VARBOOL_BG105_C02_PICK_ARNOS_SWORD)));
    GoTo(HEROINE, WP_QUAYSIDE);
    Dialog(0xA8EF893B);
    SetBoolVar(VARBOOL_BG105_C02_PICK_ARNOS_SWORD, true);
    _EndMatch();
    _EndMatch();

    // Callback: she lowers the magnet on its string and fishes up the sword.
    _IfEvent(OnCallback(0xBAD15C90));
    Play(HEROINE, "g_use01");
    PushAddAttachment(HEROINE, AttachmentNamed("magnet"), BONE_RIGHT_HAND);
    Play(HEROINE, "g_use02_l");
    Sound(HEROINE, SPLASH_SOUND, 200);
    Wait(HEROINE, 1500);
    ShowObject(Object("fx_sword_sea"), true);
    PushHashAction23(Object("fx_sword_sea"), SWORD_RISING);
    ShowObject(Object("fx_sword_sea"), false);
    Play(HEROINE, "g_use03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("magnet"));
    Give(HEROINE, ItemNamed("ITEM_ARNOS_SWORD"));
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("flattop_hill")), HEROINE, WP_HILL_VIEW, 0x669DFBB3);
}

void SceneScript_bg105::BriscoeEvents()
{
    // Look "thomas_b".
    _IfEvent(ScriptEvent_FlaggedId1(BRISCOE));
    Dialog(0xB63B0C41);
    _EndMatch();

    // Talk "thomas_b": the first time he takes her to his house at once.
    _IfEvent(ScriptEvent_FlaggedId2(BRISCOE));
    Dialog(0x056E0746);
    _IfBool(VARBOOL_BG105_C05_TALK_BRISCOE, 0);
    SetBoolVar(VARBOOL_BG105_C05_TALK_BRISCOE, true);
    SetBoolVar(VARBOOL_BO_MAP_BG110, true);
    GoToScene(BRISCOES_HOUSE);
    _EndMatch();
    _EndMatch();

    // Callback: the heroine steps up to Briscoe wherever he stands.
    _IfEvent(OnCallback(0xAEFCAF9E));
    _IfBool(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS, 1);
    GoTo(HEROINE, WP_AT_BRISCOE_AT_RUBY);
    _ElseMatch();
    _IfMatch(Both(IsFalse(VARBOOL_BG105_C05_TALK_BRISCOE), IsFalse(VARBOOL_BG105_C05_TALK_MANUEL)));
    GoTo(HEROINE, WP_AT_BRISCOE_FIRST);
    _ElseMatch();
    GoTo(HEROINE, WP_AT_BRISCOE);
    _EndMatch();
    _EndMatch();
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    Play(BRISCOE, "g_talk_l");
    _EndMatch();
}

void SceneScript_bg105::CartEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("donkey_and_cart")), HEROINE, WP_AT_CART, 0x0A4AED00);

    // Activate "donkey_and_cart": the errands.
    _IfMatch(MatchExpr::MakeEvent0(Object("donkey_and_cart")));
    GoTo(HEROINE, WP_AT_CART);
    _IfBool(VARBOOL_QUEST_C5_AVOID_GUARDS01, 1);
    BriscoeBackToCart();
    _EndMatch();
    Dialog(0x304C0211);
    BuildErrandsCheck();
    _EndMatch();

    WalkAndTalk(ScriptEvent_FlaggedId1(DONKEY), HEROINE, WP_AT_DONKEY, 0x0A4AED00);

    // Talk "donkey": the same errands.
    _IfEvent(ScriptEvent_FlaggedId2(DONKEY));
    GoTo(HEROINE, WP_AT_DONKEY);
    _IfBool(VARBOOL_QUEST_C5_AVOID_GUARDS01, 1);
    BriscoeBackToCart();
    _EndMatch();
    Play(HEROINE, "g_dlghandwave");
    Dialog(0x304C0211);
    BuildErrandsCheck();
    _EndMatch();

    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(DONKEY, ItemNamed("ITEM_MAGNIFICENT_SWORD")), HEROINE, WP_AT_DONKEY,
                0xF51B42BA);
}

void SceneScript_bg105::ManuelEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(MANUEL), HEROINE, WP_AT_MANUEL, 0xD254E1EC);

    // Talk "manuel": Briscoe listens in, and is impressed once Manuel has
    // heard there is no bonus.
    _IfEvent(ScriptEvent_FlaggedId2(MANUEL));
    ComeUpToManuel();
    Dialog(0xE125C814);
    _IfMatch(
        Both(IsTrue(VARBOOL_BG105_C05_TALK_MANUEL_ABOUT_NO_BONUS), IsFalse(VARBOOL_BG105_C05_EVENT_BRISCOE_IMPRESSED)));
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    Dialog(0xDB659996);
    SetBoolVar(VARBOOL_BG105_C05_EVENT_BRISCOE_IMPRESSED, true);
    _EndMatch();
    BuildErrandsCheck();
    _EndMatch();

    // UseItem the new shirt and the small blanket on "manuel": two errands.
    const std::pair<uint32_t, uint32_t> errands[] = {{ItemNamed("ITEM_SHIRT"), 0x090E1860},
                                                     {ItemNamed("ITEM_SMALL_BLANKET"), 0x446FD6F9}};
    for (const auto& [uItem, uDialog] : errands) {
        _IfEvent(ScriptEvent_ItemOnFlaggedId3(MANUEL, uItem));
        ComeUpToManuel();
        Take(HEROINE, uItem);
        Dialog(uDialog);
        BuildErrandsCheck();
        _EndMatch();
    }
}

void SceneScript_bg105::TownEvents()
{
    // Look "inn_sign": she looks up at it.
    _IfEvent(ScriptEvent_Object1(Object("inn_sign")));
    GoTo(HEROINE, WP_INN_SIGN);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x0148B7EA);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("inn_sign")), HEROINE, WP_INN_SIGN, 0xD1342AD8);

    LookAndActivate(Object("fishing"), HEROINE, WP_FISHING, 0xF7B7C92A, 0xD417AD2F);
}

void SceneScript_bg105::GestureCallbacks()
{
    // One character's gesture while a line is spoken.
    PlayGesture(OnCallback(0xA6C15B8E), ARNO, "triumph_01_talk_l");
    PlayGesture(OnCallback(0x16E02AF7), ARNO, "triumph_01");
    PlayGesture(OnCallback(0x0FF1EEF4), ARNO, "triumph_02_talk_l");
    PlayGesture(OnCallback(0xD60EDDC0), ARNO, "triumph_02");
    PlayGesture(OnCallback(0xB9460319), RAZZO, "g_talk_l");
    PlayGesture(OnCallback(0xB2FF4B6B), RAZZO, "g_victoryfist");
    PlayGesture(OnCallback(0xAD128F9B), RAZZO, "g_idle_l");
    PlayGesture(OnCallback(0x54413468), RAZZO, "stretch");
    PlayGesture(OnCallback(0xB9FA15FE), HEROINE, "g_scratchhead");
    PlayGesture(OnCallback(0xB6440D00), NELL, "g_talk_l");
    // Nell has no idle of her own, so she cannot turn on the spot either: she
    // ends her line where she stands.
    PlayGesture(OnCallback(0x2814C597), NELL, "g_talk_l");
    PlayGesture(OnCallback(0x0E889964), HEROINE, "g_thinking");
    PlayGesture(OnCallback(0xC4BF1613), HEROINE, "g_helpless");
    PlayGesture(OnCallback(0xC7F3F060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22A8ABC2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x1A358376), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0x64AFAB29), BRISCOE, "g_idle_l");
    PlayGesture(OnCallback(0x346014D9), HEROINE, "g_lookup");
    PlayGesture(OnCallback(0x92E1A8D1), HEROINE, "g_lookingaround");
    PlayGesture(OnCallback(0xFF9D50F7), BRISCOE, "g_thinking01");

    // One speaks, the other listens.
    using HeroineAnimation = AnimationOf<"tavrine">;
    using ArnoAnimation = AnimationOf<"arno">;
    using RazzoAnimation = AnimationOf<"razzo">;
    using BriscoeAnimation = AnimationOf<"thomas_b">;
    const auto exchange = [this](uint32_t uCallback, auto speaker, auto talk, auto listener, auto idle) {
        _IfEvent(OnCallback(uCallback));
        Play(speaker, talk);
        Play(listener, idle);
        _EndMatch();
    };
    exchange(0x68DD5BE6, HEROINE, HeroineAnimation("g_talk_l"), BRISCOE, BriscoeAnimation("g_idle_l"));
    exchange(0xF1D40A5C, BRISCOE, BriscoeAnimation("g_talk_l"), HEROINE, HeroineAnimation("g_idle_l"));
    exchange(0x523C8EE8, HEROINE, HeroineAnimation("g_talk_l"), RAZZO, RazzoAnimation("g_idle_l"));
    exchange(0xD5C67EBB, RAZZO, RazzoAnimation("g_talk_l"), HEROINE, HeroineAnimation("g_idle_l"));
    exchange(0xFC6C5590, HEROINE, HeroineAnimation("g_talk_l"), ARNO, ArnoAnimation("triumph_01"));
    exchange(0x62C9E89E, ARNO, ArnoAnimation("triumph_01_talk_l"), HEROINE, HeroineAnimation("g_idle_l"));
    exchange(0x88CB2A6D, NELL, AnimationOf<"nell">("g_talk_l"), HEROINE, HeroineAnimation("g_idle_l"));
    PlayGesture(OnCallback(0xC19C4DC4), HEROINE, "g_dedusthands", "g_idle_l");

    // She claps her hands.
    _IfEvent(OnCallback(0x474AC5AF));
    Play(HEROINE, "g_clapshands");
    Sound(HEROINE, CHEER_SOUND, 300);
    _EndMatch();

    // Razzo cheers.
    _IfEvent(OnCallback(0x119331DB));
    Play(RAZZO, "g_victoryfist");
    Sound(RAZZO, CHEER_SOUND, 300);
    Play(RAZZO, "g_idle_l");
    _EndMatch();

    // She reads a paper through.
    _IfEvent(OnCallback(0x820F2D9E));
    Play(HEROINE, "g_getdocument01");
    Play(HEROINE, "g_getdocument02");
    Play(HEROINE, "g_getdocument03");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg105::Select(int32_t iActor)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SELECT_CHARACTER, Param::Scriptable(iActor));
}

void SceneScript_bg105::BriscoeBackToCart()
{
    SetBoolVar(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS, false);
    GoTo(BRISCOE, WP_BRISCOE);
    Play(BRISCOE, "g_idle_l");
}

void SceneScript_bg105::ComeUpToManuel()
{
    SetBoolVar(VARBOOL_BG105_C05_BRISCOE_RUBY_EMPRESS, false);
    GoTo(BRISCOE, WP_BRISCOE);
    GoTo(HEROINE, WP_AT_MANUEL);
    TurnToward(HEROINE, MANUEL);
}

} // namespace

// Scene 13, bg105_BO_Docks.
REGISTER_SCENE_SCRIPT(bg105, 13);
