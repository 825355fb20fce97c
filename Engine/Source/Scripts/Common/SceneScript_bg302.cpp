// The first town square of Hollow island (scene 29, bg302_HO_TownSquareA):
// the square above the jetty, with the inn, a tree in bloom and the house of
// old Nathaniel. Chapter 4: Briscoe catches up with the heroine here and
// stays until his talk sends him after the missing half of the disk; Diego
// waits here once he has come ashore; Vasco comes once Miss Brown has been
// seen and hands over an egg shell; knocking at Nathaniel's door brings him
// out once she knows the house. In every chapter the inn door, the tree and
// the flowers have their remarks.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg302_29>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"nathaniel"> NATHANIEL;
constexpr ActorNamed<"vasco"> VASCO;

// Waypoints of the square.
constexpr int32_t WP_SQUARE = 0;
constexpr int32_t WP_TOWN_EDGE = 1;
constexpr int32_t WP_IN_FROM_TOWN = 2;
constexpr int32_t WP_UP_FROM_JETTY = 3;
constexpr int32_t WP_NATHANIEL = 4;
constexpr int32_t WP_VASCO = 5;
constexpr int32_t WP_DIEGO = 6;
constexpr int32_t WP_BRISCOE = 7;
constexpr int32_t WP_ON_INTO_TOWN = 8;
constexpr int32_t WP_BY_BRISCOE = 9;
constexpr int32_t WP_BY_VASCO = 10;
constexpr int32_t WP_BY_DIEGO = 11;
constexpr int32_t WP_BRISCOE_COMES = 12;
constexpr int32_t WP_NATHANIELS_DOOR = 13;
constexpr int32_t WP_DOWN_TO_JETTY = 14;
constexpr int32_t WP_TO_TOWN = 15;
constexpr int32_t WP_INN_DOOR = 18;
constexpr int32_t WP_TREE = 20;
constexpr int32_t WP_FLOWERS = 21;
constexpr int32_t WP_HOUSE_DOOR = 22;

// The walk-mesh blocker in front of Nathaniel's house.
constexpr int32_t DOORSTEP_BLOCKER = 0;

// The door of Nathaniel's house swinging open and shut.
constexpr uint32_t DOOR_OPENS = 0x475f0534;
constexpr uint32_t DOOR_SWINGS = 0xde56548e;

// Sounds: the music and the town, the knocking, the locked inn door.
constexpr uint32_t SQUARE_MUSIC = 0x47e6e6f9;
constexpr uint32_t TOWN_AMBIENCE = 0x5d775472;
constexpr uint32_t KNOCK_SOUND = 0x7eed4dfc;
constexpr uint32_t LOCKED_DOOR_SOUND = 0x4287cda0;

// The scenes the square leads to and is entered from.
constexpr int32_t CORRIDOR = 6;       // bg002_WM_Corridor
constexpr int32_t JETTY = 28;         // bg301_HO_Jety
constexpr int32_t TOWN_SQUARE_B = 30; // bg303_HO_TownSquareB
// The scenes on the town's side: bg304_HO_TownSquareC, bg306_HO_Garden,
// bg307_HO_DarkBeach, bg308_HO_DarkReefs, bg309_HO_VoodooVillage,
// bg311_HO_CheminsHut.
constexpr int32_t TOWN_SIDE[] = {TOWN_SQUARE_B, 31, 33, 34, 35, 36, 38};

// Diego's whereabouts: this square.
constexpr int32_t DIEGO_IN_THIS_SQUARE = 2;

class SceneScript_bg302 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetPeopleAndDoor();
    void CastChapter4();
    void ArriveFrom();
    void ArrivalOfBriscoe();

    void HeroineCallbacks();
    void BriscoeEvents();
    void VascoEvents();
    void DoorEvents();
    void NathanielCallbacks();
    void DiegoEvents();
    void SquareEvents();
};

void SceneScript_bg302::LinkSoundGroups()
{
    // The group of the bank "common_bg302".
    LinkSoundGroup(0x2dfd5206, InAnyChapter());
}

void SceneScript_bg302::BuildEnterActions()
{
    PlayMusic(SQUARE_MUSIC);
    PlayAmbience(TOWN_AMBIENCE);
    SetSceneDirection(3);
    PushAction21(HEROINE, DOORSTEP_BLOCKER, 1);
    ResetPeopleAndDoor();

    _IfMatch(InChapter(4));
    CastChapter4();
    _EndMatch();

    Place(BRISCOE, WP_BRISCOE);
    Place(NATHANIEL, WP_NATHANIEL);
    Place(VASCO, WP_VASCO);
    Place(DIEGO, WP_DIEGO);
    Place(HEROINE, WP_SQUARE);
    ArriveFrom();

    _IfMatch(InChapter(4));
    ArrivalOfBriscoe();
    // Once he is gone, she wonders where to, once.
    _IfMatch(Both(IsFalse(VARBOOL_BG302_C04_BRISCO_HERE), IsFalse(VARBOOL_BG302_C04_EVENT_BRISCOE_MISSING)));
    Dialog(0x743d332f);
    SetBoolVar(VARBOOL_BG302_C04_EVENT_BRISCOE_MISSING, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg302::ResetPeopleAndDoor()
{
    ShowAndActivate(BRISCOE, false);
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(NATHANIEL, false);
    ShowAndActivate(VASCO, false);
    ShowObject(Object("m_open_door"), false);
    ShowObject(Object("m_closed_door"), true);
    ShowObject(Object("m_move_door"), false);
    SetInteractive(Object("house_door"), false);
}

void SceneScript_bg302::CastChapter4()
{
    _IfMatch(Both(IsTrue(VARBOOL_BG302_C04_DIEGO_HERE),
                  MatchExpr::Int(VARINT_DIEGO_SCENE, Op_IntEqual, DIEGO_IN_THIS_SQUARE)));
    ShowAndActivate(DIEGO, true);
    _EndMatch();
    // Briscoe has gone after the missing half of the disk.
    _IfBool(VARBOOL_QUEST_C4_MISSING_HALF_DISK01, 1);
    SetBoolVar(VARBOOL_BG302_C04_BRISCO_HERE, false);
    _EndMatch();
    _IfBool(VARBOOL_BG302_C04_BRISCO_HERE, 1);
    ShowAndActivate(BRISCOE, true);
    _EndMatch();
    // Vasco comes to the square once Miss Brown has been seen to, and stays.
    _IfMatch(MatchExpression(Op_Or, IsTrue(VARBOOL_BG305_C04_TALK_MISS_BROWN),
                             IsTrue(VARBOOL_BG305_C04_USE_STONEHALFDISK_ON_MISS_BROWN)));
    SetBoolVar(VARBOOL_BG302_C04_VASCO_HERE, true);
    _EndMatch();
    _IfBool(VARBOOL_BG302_C04_VASCO_HERE, 0);
    ShowAndActivate(VASCO, false);
    _ElseMatch();
    ShowAndActivate(VASCO, true);
    _EndMatch();
    // Until she knows the house, its door is just a house door.
    _IfBool(VARBOOL_BG302_C04_KNOW_NATHANIEL_HOUSE, 0);
    SetInteractive(Object("house_door"), true);
    SetInteractive(Object("nathaniels_house_door"), false);
    _EndMatch();
}

void SceneScript_bg302::ArriveFrom()
{
    // Eight separate tests: up from the jetty or the ship, or in from the town.
    for (int32_t iFrom : {CORRIDOR, JETTY}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_UP_FROM_JETTY);
        _EndMatch();
    }
    for (int32_t iFrom : TOWN_SIDE) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_TOWN_EDGE);
        GoTo(HEROINE, WP_IN_FROM_TOWN);
        _EndMatch();
    }
}

void SceneScript_bg302::ArrivalOfBriscoe()
{
    // The first visit: Briscoe catches up with her; from now on he waits in
    // the square, no longer at the jetty, and the map knows the island.
    _IfBool(VARBOOL_BG302_C04_EVENT_FIRST_TIME, 0);
    ShowAndActivate(BRISCOE, true);
    Place(BRISCOE, WP_BRISCOE_COMES);
    GoTo(BRISCOE, WP_BRISCOE);
    Dialog(0xb7a876c8);
    SetBoolVar(VARBOOL_BG302_C04_EVENT_FIRST_TIME, true);
    SetBoolVar(VARBOOL_BG302_C04_BRISCO_HERE, true);
    SetBoolVar(VARBOOL_BG301_C04_BRISCOE_HERE, false);
    SetBoolVar(VARBOOL_HO_MAP_BASE, true);
    _EndMatch();
}

void SceneScript_bg302::BuildExitEvents()
{
    // Activate "goto_map": down to the jetty.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_map")));
    GoTo(HEROINE, WP_DOWN_TO_JETTY);
    GoToScene(JETTY);
    _EndMatch();

    // Activate "goto_bg303": into the town; she walks on during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg303")));
    GoTo(HEROINE, WP_TO_TOWN);
    GoToScene(TOWN_SQUARE_B);
    GoTo(HEROINE, WP_ON_INTO_TOWN);
    _EndMatch();
}

void SceneScript_bg302::BuildEvents()
{
    HeroineCallbacks();
    BriscoeEvents();
    VascoEvents();
    DoorEvents();
    NathanielCallbacks();
    DiegoEvents();
    SquareEvents();
}

void SceneScript_bg302::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x427f3609), HEROINE, "lookafterbriscoe", "g_idle_l");
    PlayGesture(OnCallback(0xe6921b07), HEROINE, "g_clapshands", "g_idle_l");
    PlayGesture(OnCallback(0x76794709), HEROINE, "g_talkfurious_l");
}

void SceneScript_bg302::BriscoeEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(BRISCOE), HEROINE, WP_BY_BRISCOE, 0x545683e2);
    WalkAndTalk(ScriptEvent_FlaggedId2(BRISCOE), HEROINE, WP_BY_BRISCOE, 0xe70388e5);

    PlayGesture(OnCallback(0xa3246fdd), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0xbf5934d1), BRISCOE, "g_idle_l");
    PlayGesture(OnCallback(0x2881eec4), BRISCOE, "g_explorer01", "g_explorer02_l");
    PlayGesture(OnCallback(0x8c2ecbd9), BRISCOE, "g_explorer03", "g_idle_l");
}

void SceneScript_bg302::VascoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(VASCO), HEROINE, WP_BY_VASCO, 0x3c7b8617);
    WalkAndTalk(ScriptEvent_FlaggedId2(VASCO), HEROINE, WP_BY_VASCO, 0x4e4f9b7a);

    PlayGesture(OnCallback(0x5da46155), VASCO, "g_talk_l");
    PlayGesture(OnCallback(0xfcacc05f), VASCO, "g_idle_l");

    // Callback: Vasco hands over the egg shell.
    _IfEvent(OnCallback(0xa8481318));
    Play(VASCO, "g_giveobject");
    Play(HEROINE, "g_receiveobject");
    Play(VASCO, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Give(HEROINE, ItemNamed("ITEM_EGG_SHELL"));
    _EndMatch();
}

void SceneScript_bg302::DoorEvents()
{
    // Both hotspots of the door say the same; only where she stands differs.
    WalkAndTalk(ScriptEvent_Object1(Object("house_door")), HEROINE, WP_HOUSE_DOOR, 0x30f33279);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("house_door")), HEROINE, WP_HOUSE_DOOR, 0x36784d5e);
    WalkAndTalk(ScriptEvent_Object1(Object("nathaniels_house_door")), HEROINE, WP_NATHANIELS_DOOR, 0x30f33279);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("nathaniels_house_door")), HEROINE, WP_NATHANIELS_DOOR, 0x36784d5e);

    // Callback: she knocks and nobody opens.
    _IfEvent(OnCallback(0x53400b0f));
    Sound(HEROINE, KNOCK_SOUND, 858);
    Play(HEROINE, "g_doorknock");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // Callback: she knocks and Nathaniel comes out; the door swings open
    // behind him.
    _IfEvent(OnCallback(0x396e04f4));
    ShowObject(NATHANIEL, true);
    Sound(HEROINE, KNOCK_SOUND, 858);
    Play(HEROINE, "g_doorknock");
    Play(HEROINE, "g_idle_l");
    Play(NATHANIEL, "leavehomedoor01");
    ShowObject(Object("m_open_door"), true);
    Wait(Object("m_closed_door"), 3000);
    ShowObject(Object("m_closed_door"), false);
    Wait(Object("m_move_door"), 3000);
    PushHashAction23(Object("m_move_door"), DOOR_OPENS);
    ShowObject(Object("m_move_door"), true);
    Wait(Object("m_move_door"), 50);
    PushHashAction23(Object("m_move_door"), DOOR_SWINGS);
    Play(NATHANIEL, "g_idle_l");
    _EndMatch();

    // Callback: Nathaniel goes back in and the door shuts.
    _IfEvent(OnCallback(0xb79f5b0a));
    Play(NATHANIEL, "leavehomedoor02");
    Wait(Object("m_move_door"), 250);
    PushHashAction23(Object("m_move_door"), DOOR_OPENS);
    ShowObject(NATHANIEL, false);
    Wait(Object("m_move_door"), 50);
    ShowObject(Object("m_move_door"), false);
    Wait(Object("m_closed_door"), 300);
    Wait(Object("m_open_door"), 300);
    ShowObject(Object("m_closed_door"), true);
    ShowObject(Object("m_open_door"), false);
    _EndMatch();
}

void SceneScript_bg302::NathanielCallbacks()
{
    PlayGesture(OnCallback(0xe2772997), NATHANIEL, "g_talk_l");
    PlayGesture(OnCallback(0xafaa026b), NATHANIEL, "g_idle_l");
    PlayGesture(OnCallback(0xfedf5411), NATHANIEL, "g_scratchhead", "g_idle_l");
    PlayGesture(OnCallback(0x57006476), NATHANIEL, "g_embarrassed", "g_idle_l");
}

void SceneScript_bg302::DiegoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, 0x9f2870dc);

    // Talk "diego": once he has heard about Alessandro he comes along. The
    // inventory puts him back into his own cell, so every later talk leaves
    // him there once.
    _IfEvent(ScriptEvent_FlaggedId2(DIEGO));
    GoTo(HEROINE, WP_BY_DIEGO);
    Dialog(0xed1c6db1);
    _IfBool(VARBOOL_BG302_C04_TALK_DIEGO_ABOUT_ALESSANDRO, 1);
    Give(HEROINE, ItemNamed("ITEM_DIEGO"));
    _EndMatch();
    _EndMatch();

    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");
}

void SceneScript_bg302::SquareEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("inn_door")), HEROINE, WP_INN_DOOR, 0x5beeede4);

    // Activate "inn_door": it will not open.
    _IfMatch(MatchExpr::MakeEvent0(Object("inn_door")));
    GoTo(HEROINE, WP_INN_DOOR);
    Sound(HEROINE, LOCKED_DOOR_SOUND, 1056);
    Play(HEROINE, "g_dooropenfailure02");
    Play(HEROINE, "g_idle_l");
    Dialog(0x82dea3cf);
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("tree")), HEROINE, WP_TREE, 0x369a730d);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("tree")), HEROINE, WP_TREE, 0x52ba3226);
    WalkAndTalk(ScriptEvent_Object1(Object("flowers")), HEROINE, WP_FLOWERS, 0x96d20312);

    // Activate "flowers": she smells them first.
    _IfMatch(MatchExpr::MakeEvent0(Object("flowers")));
    GoTo(HEROINE, WP_FLOWERS);
    Play(HEROINE, "smellsflowers");
    Play(HEROINE, "g_idle_l");
    Dialog(0x70c6f4fb);
    _EndMatch();
}

} // namespace

// Scene 29, bg302_HO_TownSquareA.
REGISTER_SCENE_SCRIPT(bg302, 29);
