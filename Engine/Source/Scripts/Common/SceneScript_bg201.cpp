// The docks of Crab island (scene 22, bg201_CR_Docks): the quay between the
// landing stage, the inn and the road to the old graveyard. Chapter 3: the
// town map in its dark case, lit by filling and lighting the lamp and taken
// with the hairpin while Razzo keeps watch; Razzo's news once the graveyard
// is known. Chapter 7: the metal hook pulls the crab claw off the inn's sign.
// Chapter 8: the cork from the barrels and the octopus.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg201_22>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"sonia"> SONIA;
constexpr ActorNamed<"razzo"> RAZZO;
constexpr ActorNamed<"boat_windsome_maid"> BOAT;

// Waypoints of the docks.
constexpr int32_t WP_PIER_END = 0;
constexpr int32_t WP_FOOT_OF_PIER = 1;
constexpr int32_t WP_INN_DOORWAY = 2;
constexpr int32_t WP_BEFORE_INN = 3;
constexpr int32_t WP_START = 4;
constexpr int32_t WP_ON_THE_PIER = 5;
constexpr int32_t WP_INTO_THE_INN = 6;
constexpr int32_t WP_SONIA = 7;
constexpr int32_t WP_RAZZO_ON_WATCH = 8;
constexpr int32_t WP_BY_SONIA = 9;
constexpr int32_t WP_BY_RAZZO = 10;
constexpr int32_t WP_RAZZO = 11;
constexpr int32_t WP_UP_THE_ROAD = 12;
constexpr int32_t WP_ROAD_END = 13;
constexpr int32_t WP_OFF_THE_ROAD = 14;
constexpr int32_t WP_TOWN_MAP = 15;
constexpr int32_t WP_LAMP = 16;
constexpr int32_t WP_MAP_CASE = 17;
constexpr int32_t WP_INN_SIGN = 18;
constexpr int32_t WP_LANDING_STAGE = 19;
constexpr int32_t WP_INN_DOOR = 20;
constexpr int32_t WP_ROAD = 21;
constexpr int32_t WP_METAL_HOOK = 28;
constexpr int32_t WP_BARRELS = 30;
constexpr int32_t WP_LOBSTER_POTS = 31;
constexpr int32_t WP_OCTOPUS = 32;
constexpr int32_t WP_QUAY_1 = 37;
constexpr int32_t WP_QUAY_2 = 38;

// Walk-mesh blockers: the landing stage, the place where Sonia stands and the
// graveyard road.
constexpr int32_t PIER_BLOCKER = 0;
constexpr int32_t SONIA_BLOCKER = 1;
constexpr int32_t ROAD_BLOCKER = 2;

// The map box in its case: at rest, and opening.
constexpr uint32_t MAPBOX_STILL = 0xeae82f55;
constexpr uint32_t MAPBOX_OPENING = 0x162c02c5;

// Sounds: the music and the harbour, the lock picked, the lamp filled and
// lit, the claw pulled down, the hook taken.
constexpr uint32_t DOCKS_MUSIC = 0x54c965c6;
constexpr uint32_t HARBOUR_AMBIENCE = 0x2a561bbd;
constexpr uint32_t LOCK_PICKED_SOUND = 0x09b53617;
constexpr uint32_t LAMP_FILLED_SOUND = 0x7459675e;
constexpr uint32_t LAMP_LIT_SOUND = 0x5621abc8;
constexpr uint32_t CLAW_SOUND = 0x3f1eac97;
constexpr uint32_t HOOK_SOUND = 0x5955855c;

// The scenes the docks lead to and are entered from.
constexpr int32_t CORRIDOR = 6;           // bg002_WM_Corridor
constexpr int32_t INN = 23;               // bg202_CR_BuckleberryInn
constexpr int32_t GRAVEYARD = 24;         // bg203_CR_GraveyardOfTheAncients
constexpr int32_t DRAKES_OFFICE_OUT = 25; // bg204_CR_DrakesOfficeExterior
constexpr int32_t WORLD_MAP = 57;         // bg911_WorldMap

// The in-game menu's map page.
constexpr int32_t MENU_MAP = 1;

class SceneScript_bg201 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void EnterChapter3();
    void EnterChapter7();
    void EnterChapter8();
    void ArriveFrom();

    void RazzoCallbacks();
    void HeroineCallbacks();
    void MapCaseEvents();
    void LampEvents();
    void InnSignEvents();
    void PeopleEvents();
    void SoniaCallbacks();
    void HookEvents();
    void ChapterEightEvents();
    void QuayEvents();
};

void SceneScript_bg201::LinkSoundGroups()
{
    LinkSoundGroup(0x080d9aa3, InChapter(3));
    LinkSoundGroup(0x0f605eba, InChapter(7));
    // Every other chapter, as one chain of tests built left to right.
    MatchExpr oOther = InChapter(1);
    for (int32_t iChapter : {2, 4, 5, 6, 8, 9, 10})
        oOther = MatchExpression(Op_Or, oOther, InChapter(iChapter));
    LinkSoundGroup(0x4cb03edb, oOther);
}

void SceneScript_bg201::BuildEnterActions()
{
    PlayMusic(DOCKS_MUSIC);
    PlayAmbience(HARBOUR_AMBIENCE);
    SetSceneDirection(4);
    ResetObjects();

    _IfMatch(InChapter(3));
    EnterChapter3();
    _EndMatch();
    _IfMatch(InChapter(7));
    EnterChapter7();
    _EndMatch();
    _IfMatch(InChapter(8));
    EnterChapter8();
    _EndMatch();
    _IfMatch(InChapter(9));
    ShowObject(Object("o_crab_claw"), false);
    ShowObject(Object("o_case_catch"), true);
    SetInteractive(Object("lobster_pots"), true);
    _EndMatch();

    Place(HEROINE, WP_START);
    Place(SONIA, WP_SONIA);
    Place(RAZZO, WP_RAZZO);
    ArriveFrom();

    // Razzo's news, once, when the graveyard is known.
    _IfMatch(
        Both(InChapter(3), Both(IsTrue(VARBOOL_QUEST_C3_FIND_GRAVEYARD02), IsFalse(VARBOOL_BG201_C03_EVENT_RAZZO))));
    GoTo(HEROINE, WP_BY_RAZZO);
    Dialog(0x451f0f00);
    SetBoolVar(VARBOOL_BG201_C03_EVENT_RAZZO, true);
    _EndMatch();

    _IfMatch(Both(InChapter(8), IsTrue(VARBOOL_BG201_C08_TALK_SONIA_ABOUT_GOLDEN_TURTLE_INN)));
    SetBoolVar(VARBOOL_BG201_C08_EXIT_BG201_FOR_TALK_SONIA, true);
    _EndMatch();

    PushAction21(HEROINE, PIER_BLOCKER, 1);
    PushAction21(HEROINE, ROAD_BLOCKER, 1);
}

void SceneScript_bg201::ResetObjects()
{
    ShowAndActivate(RAZZO, false);
    ShowAndActivate(SONIA, false);
    PushHashAction23(Object("o_mapbox"), MAPBOX_STILL);
    ShowObject(Object("f_door_open"), false);
    ShowObject(Object("e_mapbox_fade"), false);
    SetInteractive(Object("town_map"), false);
    ShowObject(Object("i_metal_hook"), false);
    SetInteractive(Object("metal_hook"), false);
    ShowObject(Object("i_octopus"), false);
    SetInteractive(Object("octopus"), false);
    ShowObject(Object("i_float"), false);
    SetInteractive(Object("barrels"), false);
    ShowObject(Object("o_case_catch"), false);
    SetInteractive(Object("lobster_pots"), false);
    SetInteractive(Object("case_catch"), false);
}

void SceneScript_bg201::EnterChapter3()
{
    ShowAndActivate(SONIA, true);
    PushAction21(HEROINE, SONIA_BLOCKER, 1);
    // The case is dark until the lamp burns; then the map behind its glass
    // can be reached.
    _IfBool(VARBOOL_BG201_C03_LAMP_IS_LIGHT, 0);
    ShowObject(Object("e_flame_lamp"), false);
    ShowObject(Object("e_halo_fuse"), false);
    SetInteractive(Object("case_catch"), true);
    _ElseMatch();
    SetInteractive(Object("town_map"), true);
    SetInteractive(Object("case_catch"), false);
    ShowObject(Object("e_mapbox_fade"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG201_C03_PICK_CRAB_MAP, 1);
    SetInteractive(Object("town_map"), false);
    _ElseMatch();
    ShowObject(Object("o_door_open"), false);
    ShowObject(Object("o_mapbox"), false);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C3_FIND_GRAVEYARD02, 0);
    SetInteractive(Object("goto_bg203"), false);
    _EndMatch();
    // Razzo waits on the quay until he has been to the graveyard.
    _IfBool(VARBOOL_BG203_C03_FIRST_TIME, 0);
    ShowAndActivate(RAZZO, true);
    _EndMatch();
}

void SceneScript_bg201::EnterChapter7()
{
    _IfBool(VARBOOL_BG201_C07_INT_METAL_HOOK, 0);
    ShowObject(Object("i_metal_hook"), true);
    SetInteractive(Object("metal_hook"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN, 1);
    ShowObject(Object("o_crab_claw"), false);
    _EndMatch();
}

void SceneScript_bg201::EnterChapter8()
{
    ShowObject(Object("o_crab_claw"), false);
    ShowObject(Object("o_case_catch"), true);
    SetInteractive(Object("lobster_pots"), true);
    // Drake's office is this chapter's errand: its pin stands on the island
    // map from the first landing, as it stays in the chapters after.
    SetBoolVar(VARBOOL_CR_MAP_BG204, true);
    _IfBool(VARBOOL_QUEST_C8_JUSTICE03_DONE, 1);
    ShowAndActivate(SONIA, true);
    PushAction21(HEROINE, SONIA_BLOCKER, 1);
    _EndMatch();
    _IfBool(VARBOOL_BG201_C08_PICK_OCTOPUS, 0);
    ShowObject(Object("i_octopus"), true);
    SetInteractive(Object("octopus"), true);
    _EndMatch();
    _IfBool(VARBOOL_BG201_C08_PICK_CORK, 0);
    ShowObject(Object("i_float"), true);
    SetInteractive(Object("barrels"), true);
    _EndMatch();
    // Diego has gone to the governor's office: he no longer follows her.
    _IfBool(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES, 1);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    _EndMatch();
}

void SceneScript_bg201::ArriveFrom()
{
    // Five separate tests: from the sea, from the inn, from the road.
    for (int32_t iFrom : {WORLD_MAP, CORRIDOR}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_PIER_END);
        GoTo(HEROINE, WP_FOOT_OF_PIER);
        _EndMatch();
    }
    _IfMatch(CameFrom(INN));
    Place(HEROINE, WP_INN_DOORWAY);
    GoTo(HEROINE, WP_BEFORE_INN);
    _EndMatch();
    for (int32_t iFrom : {GRAVEYARD, DRAKES_OFFICE_OUT}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ROAD_END);
        GoTo(HEROINE, WP_OFF_THE_ROAD);
        _EndMatch();
    }
}

void SceneScript_bg201::BuildExitEvents()
{
    // Activate "goto_bg002": the landing stage asks where to; one answer, one
    // scene change (the world map first), and neither is kept for the next
    // visit. No answer leaves her at the foot of the stage.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg002")));
    PushAction21(HEROINE, PIER_BLOCKER, 0);
    GoTo(HEROINE, WP_LANDING_STAGE);
    Dialog(0xb64c0ac3);
    _IfBool(VARBOOL_BG201_GOTO_WORLD_MAP, 1);
    SetBoolVar(VARBOOL_BG201_GOTO_WORLD_MAP, false);
    SetBoolVar(VARBOOL_BG201_GOTO_ONBOARD, false);
    GoTo(HEROINE, WP_ON_THE_PIER);
    SetPlayingCharacter(BOAT);
    GoToScene(WORLD_MAP);
    _ElseMatch();
    _IfBool(VARBOOL_BG201_GOTO_ONBOARD, 1);
    SetBoolVar(VARBOOL_BG201_GOTO_WORLD_MAP, false);
    SetBoolVar(VARBOOL_BG201_GOTO_ONBOARD, false);
    GoTo(HEROINE, WP_ON_THE_PIER);
    GoToScene(CORRIDOR);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // Activate "goto_bg202": into the inn; she walks on through the door
    // during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg202")));
    WalkTo(HEROINE, WP_INN_DOOR);
    GoToScene(INN);
    GoTo(HEROINE, WP_INTO_THE_INN);
    _EndMatch();

    // Activate "goto_bg203": the first time in chapter 3 Razzo comes along up
    // the graveyard road; otherwise the map page opens.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg203")));
    WalkTo(HEROINE, WP_ROAD);
    _IfMatch(Both(IsFalse(VARBOOL_BG203_C03_FIRST_TIME), InChapter(3)));
    Together();
    PushAction21(HEROINE, ROAD_BLOCKER, 0);
    GoTo(RAZZO, WP_UP_THE_ROAD);
    GoTo(HEROINE, WP_UP_THE_ROAD);
    Apart();
    GoToScene(GRAVEYARD);
    _ElseMatch();
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(MENU_MAP));
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg201::BuildEvents()
{
    RazzoCallbacks();
    HeroineCallbacks();
    MapCaseEvents();
    LampEvents();
    InnSignEvents();
    PeopleEvents();
    SoniaCallbacks();
    HookEvents();
    ChapterEightEvents();
    QuayEvents();
}

void SceneScript_bg201::RazzoCallbacks()
{
    PlayGesture(OnCallback(0xb9460319), RAZZO, "g_talk_l");
    PlayGesture(OnCallback(0xad128f9b), RAZZO, "g_idle_l");

    PlayGesture(OnCallback(0xefdea393), RAZZO, "stretch", "g_idle_l");
}

void SceneScript_bg201::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x76794709), HEROINE, "g_talkfurious_l");

    PlayGesture(OnCallback(0x071cd48c), HEROINE, "g_dlghandwave", "g_talk_l");
    PlayGesture(OnCallback(0x1ad758e8), HEROINE, "g_dlgpolite", "g_talk_l");
    PlayGesture(OnCallback(0xb9bd54ff), HEROINE, "g_scratchhead", "g_idle_l");
    PlayGesture(OnCallback(0x2d9e3a79), HEROINE, "g_thinking", "g_idle_l");
    PlayGesture(OnCallback(0x993bbe31), HEROINE, "g_helpless", "g_idle_l");
    PlayGesture(OnCallback(0x773e252b), HEROINE, "g_lookup", "g_idle_l");
}

void SceneScript_bg201::MapCaseEvents()
{
    LookAndActivate(Object("case_catch"), HEROINE, WP_MAP_CASE, 0x2663433e, 0x8395d23f);

    // Callback: she peers into the dark case.
    PlayGesture(OnCallback(0x20dfbcdf), HEROINE, "darkmapcaselook", "g_idle_l");

    LookAndActivate(Object("town_map"), HEROINE, WP_TOWN_MAP, 0xec4ea099, 0xdeb38778);

    // UseItem the hairpin on "town_map": Razzo is asked to keep watch.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("town_map"), ItemNamed("ITEM_HAIRPIN")));
    GoTo(HEROINE, WP_TOWN_MAP);
    TurnToward(RAZZO, HEROINE);
    Play(RAZZO, "g_talk_l");
    Dialog(0x99e911a9);
    _EndMatch();

    // Callback: Razzo takes his place to keep watch.
    _IfEvent(OnCallback(0x15121c97));
    GoTo(RAZZO, WP_RAZZO_ON_WATCH);
    Play(RAZZO, "mapcaselockpickhide01");
    Play(RAZZO, "mapcaselockpickhide02_l");
    _EndMatch();

    // Callback: the lock gives; the box opens and she takes the map.
    _IfEvent(OnCallback(0x8c1b4d2d));
    Together();
    Wait(Object("o_mapbox"), 4900);
    PushHashAction23(Object("o_mapbox"), MAPBOX_OPENING);
    ShowObject(Object("o_mapbox"), true);
    Wait(Object("f_door_open"), 4900);
    ShowObject(Object("f_door_open"), true);
    Sound(HEROINE, LOCK_PICKED_SOUND, 4818);
    Play(HEROINE, "mapcaselockpick");
    Play(HEROINE, "g_idle_l");
    Apart();
    Play(HEROINE, "g_pickobjectmiddle01");
    Give(HEROINE, ItemNamed("ITEM_CRAB_ISLAND_MAP"));
    PushHashAction23(Object("o_mapbox"), MAPBOX_STILL);
    ShowObject(Object("e_mapbox_fade"), false);
    Play(HEROINE, "g_pickobjectmiddle02");
    Play(HEROINE, "g_idle_l");
    ShowObject(Object("f_door_open"), false);
    ShowObject(Object("o_door_open"), true);
    SetInteractive(Object("case_catch"), true);
    Play(RAZZO, "mapcaselockpickhide03");
    Play(RAZZO, "g_idle_l");
    GoTo(RAZZO, WP_RAZZO);
    SetBoolVar(VARBOOL_BG201_C03_PICK_CRAB_MAP, true);
    SetInteractive(Object("town_map"), false);
    _EndMatch();
}

void SceneScript_bg201::LampEvents()
{
    LookAndActivate(Object("lamp"), HEROINE, WP_LAMP, 0x5c27c033, 0x0ce1c9f0);

    // UseItem the strong alcohol on "lamp": she fills it. The bottle is
    // nearly empty only once the hairpin has had its share too.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("lamp"), ItemNamed("ITEM_STRONG_ALCOHOL_BOTTLE")));
    GoTo(HEROINE, WP_LAMP);
    Play(HEROINE, "fillmapcaselamp01");
    PushAddAttachment(HEROINE, AttachmentNamed("bottle"), BONE_RIGHT_HAND);
    Together();
    Sound(HEROINE, LAMP_FILLED_SOUND, 1188);
    Play(HEROINE, "fillmapcaselamp02");
    Apart();
    PushRemoveAttachment(HEROINE, AttachmentNamed("bottle"));
    Play(HEROINE, "fillmapcaselamp03");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP, true);
    _IfMatch(Both(IsTrue(VARBOOL_BG201_C03_USE_ALCOHOL_ON_LAMP), IsTrue(VARBOOL_BG202_C03_USE_ALCOHOL_ON_HAIRPIN)));
    Take(HEROINE, ItemNamed("ITEM_STRONG_ALCOHOL_BOTTLE"));
    Give(HEROINE, ItemNamed("ITEM_NEAR_EMPTY_BOTTLE"));
    _EndMatch();
    _EndMatch();

    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("lamp"), ItemNamed("ITEM_MATCH_BOX")), HEROINE, WP_LAMP, 0xb7ac4e6d);

    // Callback: the lamp is lit and lights the case. It stays lit: every
    // later visit finds the map behind the glass.
    _IfEvent(OnCallback(0x8558cd14));
    Together();
    Wait(Object("e_flame_lamp"), 3300);
    ShowObject(Object("e_flame_lamp"), true);
    Wait(Object("e_halo_fuse"), 3300);
    ShowObject(Object("e_halo_fuse"), true);
    Wait(Object("e_mapbox_fade"), 3300);
    PushAction60(Object("e_mapbox_fade"), 800, 1);
    ShowObject(Object("e_mapbox_fade"), true);
    Sound(HEROINE, LAMP_LIT_SOUND, 2244);
    Play(HEROINE, "lightmapcaselamp");
    Play(HEROINE, "g_idle_l");
    SetInteractive(Object("case_catch"), false);
    SetInteractive(Object("town_map"), true);
    Apart();
    SetBoolVar(VARBOOL_BG201_C03_LAMP_IS_LIGHT, true);
    _EndMatch();
}

void SceneScript_bg201::InnSignEvents()
{
    // Look "inn_sign": she looks up at it first.
    _IfEvent(ScriptEvent_Object1(Object("inn_sign")));
    GoTo(HEROINE, WP_INN_SIGN);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0xd8ae890d);
    _EndMatch();

    WalkAndTalk(MatchExpr::MakeEvent0(Object("inn_sign")), HEROINE, WP_INN_SIGN, 0x454cd256);

    // UseItem the metal hook on "inn_sign": once the claw is down the event
    // is still taken, and nothing happens.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("inn_sign"), ItemNamed("ITEM_METAL_HOOK")));
    _IfBool(VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN, 0);
    GoTo(HEROINE, WP_INN_SIGN);
    Dialog(0x77cc6aa9);
    _EndMatch();
    _EndMatch();

    // Callback: the hook pulls the crab claw down. With the weed killer, the
    // dead chicken and the water already in hand, the ingredients are
    // complete.
    _IfEvent(OnCallback(0x9b210ec8));
    Play(HEROINE, "usecrabhook_01");
    PushAddAttachment(HEROINE, AttachmentNamed("metal_hook"), BONE_RIGHT_HAND);
    Together();
    Sound(HEROINE, CLAW_SOUND, 1518);
    Play(HEROINE, "usecrabhook_02");
    Give(HEROINE, ItemNamed("ITEM_CRAB_CLAW"));
    Wait(Object("o_crab_claw"), 2000);
    ShowObject(Object("o_crab_claw"), false);
    Apart();
    Play(HEROINE, "usecrabhook_03");
    PushRemoveAttachment(HEROINE, AttachmentNamed("metal_hook"));
    Play(HEROINE, "usecrabhook_04");
    Play(HEROINE, "g_idle_l");
    _IfMatch(Both(
        Both(IsTrue(VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS), IsTrue(VARBOOL_BG106_C07_INT_DEAD_CHICKEN)),
        IsTrue(VARBOOL_BG404_C07_USE_FLASK_ON_WATER)));
    SetBoolVar(VARBOOL_QUEST_C7_INGREDIENTS_DONE, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg201::PeopleEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(RAZZO), HEROINE, WP_BY_RAZZO, 0xb7bb81c6);
    WalkAndTalk(ScriptEvent_FlaggedId2(RAZZO), HEROINE, WP_BY_RAZZO, 0xc58f9cab);
    WalkAndTalk(ScriptEvent_FlaggedId1(SONIA), HEROINE, WP_BY_SONIA, 0xcb039fbb);

    // Talk "sonia": in chapter 3 Razzo turns to listen.
    _IfEvent(ScriptEvent_FlaggedId2(SONIA));
    GoTo(HEROINE, WP_BY_SONIA);
    _IfMatch(InChapter(3));
    TurnToward(RAZZO, SONIA);
    _EndMatch();
    Dialog(0x36b9f53d);
    _EndMatch();
}

void SceneScript_bg201::SoniaCallbacks()
{
    PlayGesture(OnCallback(0x6d3534d9), SONIA, "g_thinktalk01", "g_thinktalk02_l");

    // Callback: in chapter 3 Razzo goes back to his place first.
    _IfEvent(OnCallback(0xe3a367c5));
    _IfMatch(InChapter(3));
    GoTo(RAZZO, WP_RAZZO);
    _EndMatch();
    Play(SONIA, "g_thinktalk03");
    Play(SONIA, "g_idle_l");
    _EndMatch();

    _IfEvent(OnCallback(0x2b9d3552));
    Play(SONIA, "g_thinktalk03");
    Play(SONIA, "g_hairbrush");
    Play(SONIA, "g_thinktalk01");
    Play(SONIA, "g_thinktalk02_l");
    _EndMatch();
}

void SceneScript_bg201::HookEvents()
{
    // Look "metal_hook": she looks up at it first.
    _IfEvent(ScriptEvent_Object1(Object("metal_hook")));
    GoTo(HEROINE, WP_METAL_HOOK);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0xe3591890);
    _EndMatch();

    // Activate "metal_hook": she reaches it down.
    _IfMatch(MatchExpr::MakeEvent0(Object("metal_hook")));
    GoTo(HEROINE, WP_METAL_HOOK);
    Dialog(0x46af8991);
    Play(HEROINE, "g_pickobjecthigh01");
    EffectSound(HOOK_SOUND);
    Give(HEROINE, ItemNamed("ITEM_METAL_HOOK"));
    ShowObject(Object("i_metal_hook"), false);
    Play(HEROINE, "g_pickobjecthigh02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG201_C07_INT_METAL_HOOK, true);
    SetInteractive(Object("metal_hook"), false);
    _EndMatch();
}

void SceneScript_bg201::ChapterEightEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("barrels")), HEROINE, WP_BARRELS, 0x77e51c4b);

    // Activate "barrels": she takes the cork.
    _IfMatch(MatchExpr::MakeEvent0(Object("barrels")));
    GoTo(HEROINE, WP_BARRELS);
    PickUp<Reach::MiddleLow>(HEROINE, Object("i_float"), ItemNamed("ITEM_CORK"));
    SetBoolVar(VARBOOL_BG201_C08_PICK_CORK, true);
    SetInteractive(Object("barrels"), false);
    _EndMatch();

    LookAndActivate(Object("lobster_pots"), HEROINE, WP_LOBSTER_POTS, 0x7fe34433, 0xe1f07356);
    WalkAndTalk(ScriptEvent_Object1(Object("octopus")), HEROINE, WP_OCTOPUS, 0xf7246ee1);

    // Activate "octopus": she takes it down, and says so.
    _IfMatch(MatchExpr::MakeEvent0(Object("octopus")));
    GoTo(HEROINE, WP_OCTOPUS);
    PickUp<Reach::High>(HEROINE, Object("i_octopus"), ItemNamed("ITEM_OCTOPUS"));
    Dialog(0xc7089a64);
    SetBoolVar(VARBOOL_BG201_C08_PICK_OCTOPUS, true);
    SetInteractive(Object("octopus"), false);
    _EndMatch();
}

void SceneScript_bg201::QuayEvents()
{
    // The two stretches of quay share their words.
    LookAndActivate(Object("docks_1"), HEROINE, WP_QUAY_1, 0xeceb7377, 0xeed62674);
    LookAndActivate(Object("docks_2"), HEROINE, WP_QUAY_2, 0xeceb7377, 0xeed62674);
}

} // namespace

// Scene 22, bg201_CR_Docks.
REGISTER_SCENE_SCRIPT(bg201, 22);
