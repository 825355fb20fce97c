// The fork (scene 12, bg104_BO_Fork): the crossroads between the tunnel to
// the town, the narrow path up to the flat-top hill and the way home.
// Chapter 1: Arno's gang holds the tunnel road with their carts and the
// shepherd Manuel sleeps by the way with his donkey. The kid wakes him with
// the flask of water (it breaks; she keeps the bottom), dries the wet cloth
// on the rock, lights dry grass there with the flask bottom as a burning
// glass and brings the torch to the fire: the movie chases the gang off and
// the way home opens. Later chapters: a plain crossroads.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg104_12>;

constexpr ActorNamed<"tavrine_kid"> KID;
constexpr ActorNamed<"tavrine"> ADULT;
constexpr ActorNamed<"arno_kid"> ARNO;
constexpr ActorNamed<"manuel"> MANUEL;
constexpr ActorNamed<"donkey"> DONKEY;
constexpr ActorNamed<"bobby_kid"> BOBBY;
constexpr ActorNamed<"nell_kid"> NELL;
using KidAnimation = AnimationOf<"tavrine_kid">;

// Walk-mesh blockers: the ground where Manuel and his donkey lie, the carts
// across the tunnel road, the way home, the narrow path.
constexpr int32_t MANUEL_BLOCKER = 0;
constexpr int32_t CARTS_BLOCKER = 1;
constexpr int32_t HOME_BLOCKER = 2;
constexpr int32_t PATH_BLOCKER = 3;

// Waypoints.
constexpr int32_t WP_FORK = 0;
constexpr int32_t WP_HOME_EDGE = 1;
constexpr int32_t WP_HOME_IN = 2;
constexpr int32_t WP_PATH_EDGE = 3;
constexpr int32_t WP_PATH_IN = 4;
constexpr int32_t WP_TUNNEL = 5;
constexpr int32_t WP_TUNNEL_IN = 6;
constexpr int32_t WP_PATH_OUT = 7;
constexpr int32_t WP_PATH_AWAY = 8;
constexpr int32_t WP_HOME_OUT = 9;
constexpr int32_t WP_HOME_AWAY = 10;
constexpr int32_t WP_MANUEL = 11;
constexpr int32_t WP_DONKEY = 12;
constexpr int32_t WP_ARNO = 13;
constexpr int32_t WP_BEFORE_ARNO = 14;
constexpr int32_t WP_BACK_FROM_GANG = 15;
constexpr int32_t WP_CART = 16;
constexpr int32_t WP_AT_DONKEY = 17;
constexpr int32_t WP_DRY_GRASS = 18;
constexpr int32_t WP_STICK = 19;
constexpr int32_t WP_FLASK = 20;
constexpr int32_t WP_ROCK = 21;
constexpr int32_t WP_AT_MANUEL = 22;
constexpr int32_t WP_SHARDS = 23;
constexpr int32_t WP_DOCKS_EDGE = 24;
constexpr int32_t WP_DOCKS_IN = 25;
constexpr int32_t WP_TUNNEL_EDGE = 26;
constexpr int32_t WP_TUNNEL_OUT = 27;
constexpr int32_t WP_FIRE_LEFT = 28;
constexpr int32_t WP_HOMEWARD = 29;
constexpr int32_t WP_STEP_BACK = 30;

// Chapters 2 to 10.
MatchExpr LaterChapters()
{
    return MatchExpression(Op_And, MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntGreaterEqual, 2),
                           MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntLessEqual, 10));
}

// What no entry shows at first, and the gang with its carts.
constexpr Object HIDDEN_ON_ENTERING[] = {"o_wet_cloth", "i_dry_cloth", "o_broken_flask", "m_misc_broken", "fx_leef03"};
constexpr Object GANG_PICTURES[] = {"o_arno_bros_1", "o_arno_bros_2", "o_cart", "o_cart_2", "o_cart_3"};

// Sounds the kid makes.
constexpr uint32_t SOUND_FLASK_BREAKS = 0x7A454EAA;
constexpr uint32_t SOUND_SPARK = 0x34FEB5D7;

// A dialog callback on which the kid makes a gesture and goes back to idle.
struct Gesture {
    uint32_t uCallback;
    KidAnimation animation;
};
constexpr Gesture KID_GESTURES[] = {
    {0xFAA34F88, "g_scratchhead"}, {0xB185206D, "g_helpless"},    {0x4F5AAE69, "g_lookingaround"},
    {0x269C6B50, "g_tapnonsense"}, {0xE72B9FA2, "g_thinking"},    {0x3B3DC781, "g_clapshands"},
    {0xDAA0879F, "g_victoryfist"}, {0xADA7B709, "g_observeover"},
};

class SceneScript_bg104 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter1();
    void EnterLaterChapters();
    void Ambush();
    void AfterTheTorch();

    void GangAndDonkeyEvents();
    void ThingsToTakeEvents();
    void RockEvents();
    void BurningGrassEvents();
    void ManuelAndArnoEvents();
    void Callbacks();

    // The kid walks to a waypoint by Manuel and his donkey: the ground they
    // lie on opens for the walk only.
    void WalkByManuel(int32_t iWaypoint);
    // The character whose turn it is in a scene: Arno's for his words to the
    // kid, then the kid's again.
    // Switches a walk-mesh blocker, queued on the character the player leads.
    void Blocker(int32_t iPlayer, int32_t iBlocker, bool bOn) { PushAction21(iPlayer, iBlocker, bOn ? 1 : 0); }
};

void SceneScript_bg104::LinkActorSets()
{
    LinkActorSet("chapter_1", Both(InChapter(1), IsFalse(VARBOOL_BG104_C01_MANUEL_NOT_HERE)));
    LinkActorSet("chapter_1_end", Both(InChapter(1), IsTrue(VARBOOL_BG104_C01_MANUEL_NOT_HERE)));
}

void SceneScript_bg104::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg104_chapter_01"), InChapter(1));
    // Chapters 2 to 10 share a group without a name. Nine equality tests in
    // one condition would take more records than a condition holds, so the
    // chapters are tested as a range.
    LinkSoundGroup(0x6F678BBC, LaterChapters());
}

void SceneScript_bg104::BuildEnterActions()
{
    PlayMusic(0x0666EF79);
    PlayAmbience(0x587A516B);
    SetSceneDirection(4);
    PushHashAction23(Object("fx_water"), CoreCrc32Of("fx_water_still"));
    PushHashAction23(Object("fx_fire"), CoreCrc32Of("fx_fire_burn"));
    ShowObject(Object("fx_fire"), false);
    ShowObject(Object("o_burning_grass"), false);
    SetInteractive(Object("burning_grass"), false);
    for (Object picture : HIDDEN_ON_ENTERING)
        ShowObject(picture, false);

    _IfMatch(InChapter(1));
    EnterChapter1();
    _ElseMatch();
    EnterLaterChapters();
    _EndMatch();
}

void SceneScript_bg104::EnterChapter1()
{
    _IfBool(VARBOOL_BG104_C01_DRY_GRASS_HERE, 1);
    ShowObject(Object("o_burning_grass"), true);
    _EndMatch();
    // The fire has burnt out while the kid was away: the grass is gone.
    _IfBool(VARBOOL_BG104_C01_BURNING_GRASS_HERE, 1);
    ShowObject(Object("o_burning_grass"), false);
    SetInteractive(Object("burning_grass"), false);
    ShowObject(Object("fx_fire"), false);
    SetBoolVar(VARBOOL_BG104_C01_DRY_GRASS_HERE, false);
    _EndMatch();
    _IfBool(VARBOOL_BG104_C01_PICK_SHEPHERDS_STICK, 1);
    ShowObject(Object("i_shepherds_stick"), false);
    SetInteractive(Object("shepherds_stick"), false);
    _EndMatch();
    _IfBool(VARBOOL_BG104_C01_PICK_FLASK_OF_WATER, 1);
    ShowObject(Object("i_flask"), false);
    SetInteractive(Object("flask_of_water"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG104_C01_MANUEL_NOT_HERE, 1);
    for (Object picture : GANG_PICTURES)
        ShowObject(picture, false);
    SetInteractive(Object("cart"), false);
    Blocker(KID, MANUEL_BLOCKER, false);
    Blocker(KID, CARTS_BLOCKER, false);
    SetInteractive(Object("event_ambrush"), false);
    ShowObject(BOBBY, false);
    SetInteractive(BOBBY, false);
    ShowObject(NELL, false);
    SetInteractive(NELL, false);
    _ElseMatch();
    ShowObject(Object("fx_leef03"), true);
    SetInteractive(Object("goto_bg102"), false);
    Blocker(KID, MANUEL_BLOCKER, true);
    Blocker(KID, CARTS_BLOCKER, true);
    Place(ARNO, WP_ARNO);
    Place(MANUEL, WP_MANUEL);
    Place(DONKEY, WP_DONKEY);
    _IfBool(VARBOOL_BG104_C01_MANUEL_IS_AWAKE, 1);
    ShowObject(Object("m_misc_broken"), true);
    _EndMatch();
    _EndMatch();

    Place(KID, WP_FORK);
    // Down the way from the house (bg102_BO_CastilloHouseExterior).
    _IfMatch(CameFrom(10));
    Place(KID, WP_HOME_EDGE);
    GoTo(KID, WP_HOME_IN);
    _EndMatch();
    // Down the narrow path from the hill (bg103_BO_FlatTopHill).
    _IfMatch(CameFrom(11));
    Place(KID, WP_PATH_EDGE);
    GoTo(KID, WP_PATH_IN);
    _EndMatch();
    _IfMatch(CameFrom(12));
    Place(KID, WP_FORK);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO), IsFalse(VARBOOL_BG104_C01_EVENT_AMBUSH)));
    Ambush();
    _EndMatch();

    _IfMatch(Both(IsFalse(VARBOOL_BG104_C01_MANUEL_NOT_HERE), IsTrue(VARBOOL_BG104_C01_BURNING_GRASS_HERE)));
    Dialog(0x3A8CFF1B);
    SetBoolVar(VARBOOL_BG104_C01_BURNING_GRASS_HERE, false);
    _EndMatch();

    _IfMatch(Both(IsTrue(VARBOOL_BG104_C01_MANUEL_NOT_HERE), IsFalse(VARBOOL_BG104_C01_EVENT_AFTER_BURNING_TORCH)));
    AfterTheTorch();
    _EndMatch();

    Blocker(KID, HOME_BLOCKER, true);
    Blocker(KID, PATH_BLOCKER, true);
}

void SceneScript_bg104::Ambush()
{
    // Arno steps out from behind the carts and the kid walks up to him.
    Place(ARNO, WP_ARNO);
    GoTo(KID, WP_BEFORE_ARNO);
    SelectCharacter(ARNO);
    Dialog(0x6475E0ED);
    SelectCharacter(KID);
    SetBoolVar(VARBOOL_BO_MAP_BG104, false);
    SetBoolVar(VARBOOL_QUEST_C1_HOME01, false);
    SetBoolVar(VARBOOL_QUEST_C1_HOME02, true);
    SetBoolVar(VARBOOL_BG104_C01_EVENT_AMBUSH, true);
}

void SceneScript_bg104::AfterTheTorch()
{
    // Back from the movie: the gang has fled and the kids set off home by
    // the island map.
    Place(KID, WP_FIRE_LEFT);
    SetBoolVar(VARBOOL_BO_MAP_BG102, true);
    SetBoolVar(VARBOOL_QUEST_C1_HOME02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C1_HOME01, true);
    GoTo(KID, WP_HOMEWARD);
    SetBoolVar(VARBOOL_BG104_C01_EVENT_AFTER_BURNING_TORCH, true);
    GoToScene(56); // bg901_BountyIslandMap
}

void SceneScript_bg104::EnterLaterChapters()
{
    SetInteractive(Object("burning_grass"), false);
    SetInteractive(Object("cart"), false);
    for (Object picture : GANG_PICTURES)
        ShowObject(picture, false);
    ShowObject(Object("i_dry_cloth"), false);
    SetInteractive(Object("dry_grass"), false);
    ShowObject(Object("o_burning_grass"), false);
    SetInteractive(Object("event_ambrush"), false);
    SetInteractive(Object("flask_of_water"), false);
    ShowObject(Object("i_flask"), false);
    SetInteractive(Object("shepherds_stick"), false);
    ShowObject(Object("i_shepherds_stick"), false);
    SetInteractive(Object("rock"), false);
    Place(ADULT, WP_FORK);

    struct Arrival {
        int32_t iFrom;
        int32_t iEdge;
        int32_t iIn;
    };
    constexpr Arrival ARRIVALS[] = {
        {20, WP_HOME_EDGE, WP_HOME_IN},     // bg112_BO_CastilloHouseExterior_A
        {11, WP_PATH_EDGE, WP_PATH_IN},     // bg103_BO_FlatTopHill
        {13, WP_DOCKS_EDGE, WP_DOCKS_IN},   // bg105_BO_Docks
        {15, WP_TUNNEL_EDGE, WP_TUNNEL_IN}, // bg107_BO_TownhallExterior
    };
    for (const Arrival& oArrival : ARRIVALS) {
        _IfMatch(CameFrom(oArrival.iFrom));
        Place(ADULT, oArrival.iEdge);
        GoTo(ADULT, oArrival.iIn);
        _EndMatch();
    }
    Blocker(ADULT, HOME_BLOCKER, true);
    Blocker(ADULT, PATH_BLOCKER, true);
}

void SceneScript_bg104::BuildExitEvents()
{
    // Activate "goto_tunnel": the gang's carts bar the road in chapter 1;
    // once they have fled, the island map; later the town hall.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_tunnel")));
    _IfMatch(InChapter(1));
    _IfBool(VARBOOL_BG104_C01_MANUEL_NOT_HERE, 1);
    GoTo(KID, WP_TUNNEL);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(1));
    _ElseMatch();
    GoTo(KID, WP_TUNNEL);
    Dialog(0xDF93F1A7);
    _EndMatch();
    _ElseMatch();
    GoTo(ADULT, WP_TUNNEL);
    GoToScene(15); // bg107_BO_TownhallExterior
    WalkTo(ADULT, WP_TUNNEL_OUT);
    _EndMatch();
    _EndMatch();

    // Activate "goto_narrow_path": up to the flat-top hill.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_narrow_path")));
    _IfMatch(InChapter(1));
    Blocker(KID, PATH_BLOCKER, false);
    GoTo(KID, WP_PATH_OUT);
    GoToScene(11); // bg103_BO_FlatTopHill
    WalkTo(KID, WP_PATH_AWAY);
    _ElseMatch();
    Blocker(ADULT, PATH_BLOCKER, false);
    GoTo(ADULT, WP_PATH_OUT);
    GoToScene(11); // bg103_BO_FlatTopHill
    WalkTo(ADULT, WP_PATH_AWAY);
    _EndMatch();
    _EndMatch();

    // Activate "goto_bg102": home.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg102")));
    _IfMatch(InChapter(1));
    Blocker(KID, HOME_BLOCKER, false);
    GoTo(KID, WP_HOME_OUT);
    GoToScene(10); // bg102_BO_CastilloHouseExterior
    WalkTo(KID, WP_HOME_AWAY);
    _ElseMatch();
    Blocker(ADULT, HOME_BLOCKER, false);
    GoTo(ADULT, WP_HOME_OUT);
    GoToScene(20); // bg112_BO_CastilloHouseExterior_A
    WalkTo(ADULT, WP_HOME_AWAY);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg104::BuildEvents()
{
    GangAndDonkeyEvents();
    ThingsToTakeEvents();
    RockEvents();
    BurningGrassEvents();
    ManuelAndArnoEvents();
    Callbacks();
}

void SceneScript_bg104::GangAndDonkeyEvents()
{
    // Touch "event_ambrush" by the kid: Arno sends her back.
    _IfMatch(MatchExpr::MakeEvent4(KID, Object("event_ambrush")));
    GoTo(KID, WP_BACK_FROM_GANG);
    SelectCharacter(ARNO);
    Dialog(0xCCF5C62D);
    SelectCharacter(KID);
    _EndMatch();

    // Look and Activate "cart".
    _IfEvent(ScriptEvent_Object1(Object("cart")));
    WalkByManuel(WP_CART);
    Dialog(0x02EEDA6E);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("cart")));
    WalkByManuel(WP_CART);
    Dialog(0x0F020A95);
    _EndMatch();

    // Look and Talk "donkey"; the donkey's dialog has it kick (0x5CE19C21).
    _IfEvent(ScriptEvent_FlaggedId1(DONKEY));
    WalkByManuel(WP_AT_DONKEY);
    Dialog(0xEC98BD51);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(DONKEY));
    Blocker(KID, MANUEL_BLOCKER, false);
    Dialog(0xDFE994A9);
    Blocker(KID, MANUEL_BLOCKER, true);
    _EndMatch();
    _IfEvent(OnCallback(0x5CE19C21));
    SetInteractive(DONKEY, false);
    GoTo(KID, WP_STEP_BACK);
    SetInteractive(DONKEY, true);
    _EndMatch();

    // UseItem "donkey" with the dry grass: it will not eat it.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(DONKEY, ItemNamed("ITEM_DRY_GRASS")));
    WalkByManuel(WP_AT_DONKEY);
    Play(KID, "g_pickobjectmiddle01");
    Play(KID, "g_pickobjectmiddle02");
    Play(KID, "g_helpless");
    Play(KID, "g_idle_l");
    Dialog(0x4888E11D);
    _EndMatch();

    // UseItem "donkey" with the wooden sword.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(DONKEY, ItemNamed("ITEM_WOODEN_SWORD")));
    WalkByManuel(WP_AT_DONKEY);
    Dialog(0x335E133B);
    SetBoolVar(VARBOOL_BG104_C01_USE_WOODENSWORD_ON_DONKEY, true);
    _EndMatch();
}

void SceneScript_bg104::ThingsToTakeEvents()
{
    // Look and Activate "dry_grass": a bundle at a time.
    _IfEvent(ScriptEvent_Object1(Object("dry_grass")));
    GoTo(KID, WP_DRY_GRASS);
    Dialog(0x5F6DAD82);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("dry_grass")));
    GoTo(KID, WP_DRY_GRASS);
    Dialog(0x538B22DE);
    _IfBool(VARBOOL_BG104_C01_PICK_DRY_GRASS, 0);
    Play(KID, "g_pickobjectlow01");
    Give(KID, ItemNamed("ITEM_DRY_GRASS"));
    Play(KID, "g_pickobjectlow02");
    Play(KID, "g_idle_l");
    SetBoolVar(VARBOOL_BG104_C01_PICK_DRY_GRASS, true);
    _EndMatch();
    _EndMatch();

    // Look and Activate "shepherds_stick": Manuel lends it once he is awake.
    _IfEvent(ScriptEvent_Object1(Object("shepherds_stick")));
    WalkByManuel(WP_STICK);
    Dialog(0x9DFECF69);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("shepherds_stick")));
    WalkByManuel(WP_STICK);
    Dialog(0xD4FDA8D0);
    _IfBool(VARBOOL_BG104_C01_MANUEL_IS_AWAKE, 1);
    Play(KID, "g_dlgpolite");
    Play(KID, "g_pickobjectmiddle01");
    Give(KID, ItemNamed("ITEM_SHEPHERDS_STICK"));
    ShowObject(Object("i_shepherds_stick"), false);
    Play(KID, "g_pickobjectmiddle02");
    Play(KID, "g_idle_l");
    SetBoolVar(VARBOOL_BG104_C01_PICK_SHEPHERDS_STICK, true);
    SetInteractive(Object("shepherds_stick"), false);
    _EndMatch();
    _EndMatch();

    // Look and Activate "flask_of_water".
    _IfEvent(ScriptEvent_Object1(Object("flask_of_water")));
    Blocker(KID, MANUEL_BLOCKER, false);
    SetInteractive(DONKEY, false);
    GoTo(KID, WP_FLASK);
    SetInteractive(DONKEY, true);
    Blocker(KID, MANUEL_BLOCKER, true);
    Dialog(0x1630EC53);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("flask_of_water")));
    WalkByManuel(WP_FLASK);
    Play(KID, "g_pickobjectlow01");
    Give(KID, ItemNamed("ITEM_FLASK_OF_WATER"));
    ShowObject(Object("i_flask"), false);
    Play(KID, "g_pickobjectlow02");
    Play(KID, "g_idle_l");
    SetBoolVar(VARBOOL_BG104_C01_PICK_FLASK_OF_WATER, true);
    SetInteractive(Object("flask_of_water"), false);
    _EndMatch();
}

void SceneScript_bg104::RockEvents()
{
    // Look and Activate "rock".
    _IfEvent(ScriptEvent_Object1(Object("rock")));
    GoTo(KID, WP_ROCK);
    Dialog(0x39C87F11);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("rock")));
    GoTo(KID, WP_ROCK);
    Dialog(0xA8DD8861);
    _EndMatch();

    // UseItem "rock" with the wet cloth: it dries in the sun on the hot stone.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("rock"), ItemNamed("ITEM_WET_CLOTH")));
    GoTo(KID, WP_ROCK);
    Play(KID, "g_leaveobjectmiddle01");
    Take(KID, ItemNamed("ITEM_WET_CLOTH"));
    ShowObject(Object("o_wet_cloth"), true);
    Play(KID, "g_leaveobjectmiddle02");
    Play(KID, "g_idle_l");
    PushAction60(Object("o_wet_cloth"), 4000, 0);
    PushAction60(Object("i_dry_cloth"), 4000, 1);
    ShowObject(Object("i_dry_cloth"), true);
    Wait(Object("o_wet_cloth"), 4000);
    ShowObject(Object("o_wet_cloth"), false);
    SetBoolVar(VARBOOL_BG104_C01_DRY_CLOTH_HERE, true);
    Dialog(0xD59159CF);
    Play(KID, "g_pickobjectmiddle01");
    Give(KID, ItemNamed("ITEM_DRY_CLOTH"));
    ShowObject(Object("i_dry_cloth"), false);
    ShowObject(Object("o_wet_cloth"), false);
    Play(KID, "g_pickobjectmiddle02");
    Play(KID, "g_idle_l");
    SetBoolVar(VARBOOL_BG104_C01_PICK_DRY_CLOTH, true);
    _EndMatch();

    // UseItem "rock" with the dry grass: laid on the stone, once.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("rock"), ItemNamed("ITEM_DRY_GRASS")));
    _IfBool(VARBOOL_BG104_C01_DRY_GRASS_HERE, 0);
    GoTo(KID, WP_ROCK);
    Dialog(0x460662F6);
    Play(KID, "g_leaveobjectmiddle01");
    Take(KID, ItemNamed("ITEM_DRY_GRASS"));
    ShowObject(Object("o_burning_grass"), true);
    Play(KID, "g_leaveobjectmiddle02");
    Play(KID, "g_idle_l");
    SetBoolVar(VARBOOL_BG104_C01_DRY_GRASS_HERE, true);
    SetBoolVar(VARBOOL_BG104_C01_PICK_DRY_GRASS, false);
    _EndMatch();
    _EndMatch();

    // UseItem "rock" with the flask bottom: it gathers the sun on the grass
    // until the grass catches fire.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("rock"), ItemNamed("ITEM_BROKEN_FLASK_BOTTOM")));
    _IfMatch(Both(IsTrue(VARBOOL_BG104_C01_DRY_GRASS_HERE), IsFalse(VARBOOL_BG104_C01_BURNING_GRASS_HERE)));
    GoTo(KID, WP_ROCK);
    PushAddAttachment(KID, AttachmentNamed("flask"), BONE_RIGHT_HAND);
    Play(KID, "g_observeover");
    Play(KID, "g_leaveobjectmiddle01");
    Sound(KID, SOUND_SPARK, 600);
    Wait(Object("fx_fire"), 1200);
    ShowObject(Object("fx_fire"), true);
    Play(KID, "g_leaveobjectmiddle02");
    Play(KID, "g_idle_l");
    PushHashAction23(Object("fx_fire"), CoreCrc32Of("fx_fire_spark"));
    PushHashAction23(Object("fx_fire"), CoreCrc32Of("fx_fire_burn"));
    PushRemoveAttachment(KID, AttachmentNamed("flask"));
    Wait(KID, 500);
    Dialog(0x568751AD);
    SetBoolVar(VARBOOL_BG104_C01_BURNING_GRASS_HERE, true);
    SetInteractive(Object("burning_grass"), true);
    SetInteractive(Object("rock"), false);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg104::BurningGrassEvents()
{
    // Look and Activate "burning_grass".
    _IfEvent(ScriptEvent_Object1(Object("burning_grass")));
    GoTo(KID, WP_ROCK);
    Dialog(0xB20F7822);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("burning_grass")));
    GoTo(KID, WP_ROCK);
    Dialog(0xD82F8CC4);
    _EndMatch();

    // UseItem "burning_grass" with the wet cloth.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("burning_grass"), ItemNamed("ITEM_WET_CLOTH")));
    GoTo(KID, WP_ROCK);
    Dialog(0x79F04A7D);
    _EndMatch();

    // UseItem "burning_grass" with the torch: lit, and the movie of the
    // gang's flight.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("burning_grass"), ItemNamed("ITEM_TORCH")));
    GoTo(KID, WP_ROCK);
    Take(KID, ItemNamed("ITEM_TORCH"));
    Play(KID, "g_victoryfist");
    SetBoolVar(VARBOOL_BG104_C01_MANUEL_NOT_HERE, true);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(2)); // MOVIE_CINE01
    _EndMatch();
}

void SceneScript_bg104::ManuelAndArnoEvents()
{
    // Look and Talk "manuel".
    _IfEvent(ScriptEvent_FlaggedId1(MANUEL));
    WalkByManuel(WP_AT_MANUEL);
    Dialog(0x0FC23869);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(MANUEL));
    WalkByManuel(WP_AT_MANUEL);
    Dialog(0x3CB31191);
    _EndMatch();

    // UseItem "manuel" with the flask of water: the kid empties it over him,
    // it slips and breaks; she keeps its thick bottom.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(MANUEL, ItemNamed("ITEM_FLASK_OF_WATER")));
    WalkByManuel(WP_AT_MANUEL);
    PushAddAttachment(KID, AttachmentNamed("flask"), BONE_RIGHT_HAND);
    Play(KID, "g_pickobjectmiddle01");
    Together();
    PushHashAction23(Object("fx_water"), CoreCrc32Of("fx_water_splash"));
    Wait(Object("o_broken_flask"), 900);
    Wait(Object("m_misc_broken"), 900);
    Sound(KID, SOUND_FLASK_BREAKS, 900);
    Play(KID, "g_pickobjectmiddle02");
    Apart();
    PushRemoveAttachment(KID, AttachmentNamed("flask"));
    Play(KID, "g_helpless");
    Wait(KID, 400);
    Play(KID, "g_idle_l");
    ShowObject(Object("o_broken_flask"), true);
    ShowObject(Object("m_misc_broken"), true);
    GoTo(KID, WP_SHARDS);
    Play(KID, "g_pickobjectlow01");
    Play(KID, "g_pickobjectlow02");
    Play(KID, "g_idle_l");
    ShowObject(Object("o_broken_flask"), false);
    Take(KID, ItemNamed("ITEM_FLASK_OF_WATER"));
    Give(KID, ItemNamed("ITEM_BROKEN_FLASK_BOTTOM"));
    WalkByManuel(WP_AT_MANUEL);
    Play(KID, "g_scratchhead");
    Play(KID, "g_idle_l");
    Dialog(0x47A5E7DD);
    SetBoolVar(VARBOOL_BG104_C01_MANUEL_IS_AWAKE, true);
    _EndMatch();

    // Look and Talk "arno_kid".
    _IfEvent(ScriptEvent_FlaggedId1(ARNO));
    GoTo(KID, WP_BEFORE_ARNO);
    TurnToward(KID, ARNO);
    Dialog(0xDA959B7D);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(ARNO));
    GoTo(KID, WP_BEFORE_ARNO);
    TurnToward(KID, ARNO);
    Dialog(0xE9EF73BB);
    _EndMatch();
}

void SceneScript_bg104::Callbacks()
{
    for (const Gesture& oGesture : KID_GESTURES)
        PlayGesture(OnCallback(oGesture.uCallback), KID, oGesture.animation, "g_idle_l");

    // The kid talks.
    PlayGesture(OnCallback(0x26D493E0), KID, "g_talk_l");

    // The kid shakes Manuel by the shoulder.
    _IfEvent(OnCallback(0xC5E8CD9B));
    WalkByManuel(WP_AT_MANUEL);
    Place(MANUEL, WP_MANUEL);
    Play(KID, "g_pickobjectmiddle01");
    Sound(KID, SOUND_SPARK, 300);
    Play(KID, "g_pickobjectmiddle02");
    Play(KID, "g_helpless");
    Play(KID, "g_idle_l");
    _EndMatch();

    // The kid tells the gang what she thinks of them.
    _IfEvent(OnCallback(0x2BE6ACB7));
    Play(KID, "g_dlghandwave");
    Play(KID, "g_dlgpolite");
    Play(KID, "g_dlggiveorders");
    Play(KID, "g_idle_l");
    _EndMatch();

    // The kid steps back, and up again.
    _IfEvent(OnCallback(0xB5823914));
    GoTo(KID, WP_STEP_BACK);
    _EndMatch();
    _IfEvent(OnCallback(0xAACA7310));
    GoTo(KID, WP_BEFORE_ARNO);
    Play(KID, "g_idle_l");
    _EndMatch();

    // The kid looks all around for a way past the carts.
    _IfEvent(OnCallback(0x33C322AA));
    Play(KID, "g_lookingaround");
    Play(KID, "g_observeover");
    Play(KID, "g_thinking");
    Play(KID, "g_scratchhead");
    Play(KID, "g_idle_l");
    _EndMatch();

    // The kid has an idea.
    _IfEvent(OnCallback(0x44C4123C));
    Play(KID, "g_thinking");
    Play(KID, "g_dlgclapshands");
    Play(KID, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg104::WalkByManuel(int32_t iWaypoint)
{
    Blocker(KID, MANUEL_BLOCKER, false);
    GoTo(KID, iWaypoint);
    Blocker(KID, MANUEL_BLOCKER, true);
}

} // namespace

// Scene 12, bg104_BO_Fork.
REGISTER_SCENE_SCRIPT(bg104, 12);
