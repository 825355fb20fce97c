// Tavrine's cabin aboard the Winsome Maid (scene 5, bg001_WM_TavrinesCabin).
// Chapter 2's first entry plays the wake-up: Diego rouses her, brings the
// captain's call and her mother's spirit appears. She gathers her sword, the
// pistol from the drawer, the magnet and the embroidered handkerchief, and
// the door lets her out only with the sword and the pistol. Back from the
// corridor below chapter 5 a reflection shows once in the mirror; chapter 6
// plays the sign once the tanner's friend has spoken. The bed, the boots, the
// books and the plush bear have their remarks in every chapter.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg001_5>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"bonita_spirit"> SPIRIT;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Waypoints of the cabin.
constexpr int32_t WP_BEYOND_DOOR = 0;
constexpr int32_t WP_IN_FROM_CORRIDOR = 1;
constexpr int32_t WP_MIDDLE = 2;
constexpr int32_t WP_BED = 3;
constexpr int32_t WP_THE_SIGN = 4;
constexpr int32_t WP_DIEGO_AT_BED = 5;
constexpr int32_t WP_STANDING_UP = 6;
constexpr int32_t WP_SPIRIT = 7;
constexpr int32_t WP_BY_SWORD = 8;
constexpr int32_t WP_BY_DRAWER = 9;
constexpr int32_t WP_BY_MAGNET = 10;
constexpr int32_t WP_BED_LOOK = 11;
constexpr int32_t WP_BY_HANDKERCHIEF = 12;
constexpr int32_t WP_BEFORE_DOOR = 13;
constexpr int32_t WP_BY_SHOES = 20;
constexpr int32_t WP_BY_BOOKS = 22;
constexpr int32_t WP_BY_PLUSH = 23;

// The walk-mesh blocker on the door's threshold.
constexpr int32_t DOOR_BLOCKER = 0;

// The drawer's two pictures, shut and open.
constexpr uint32_t DRAWER_SHUT = 0x33b68bb5;
constexpr uint32_t DRAWER_OPEN = 0x237c0ce2;

// Sounds: the ship's ambience, her yawn, her sigh before the sign, the
// apparition's chime and the drawer.
constexpr uint32_t SHIP_AMBIENCE = 0x68afb457;
constexpr uint32_t YAWN_SOUND = 0x2514b6fa;
constexpr uint32_t SIGH_SOUND = 0x47687e6c;
constexpr uint32_t APPARITION_SOUND = 0x5875317e;
constexpr uint32_t DRAWER_SOUND = 0x78b9a0b6;

// Her word after every pickup and every look at one.
constexpr uint32_t WHAT_ELSE_DIALOG = 0x8c2ae7cb;

constexpr int32_t CORRIDOR = 6; // bg002_WM_Corridor

// A thing she may take: its hotspot, its picture, its item and the flag that
// says it is taken, where she stands, what she says on looking at it, and
// whether she bends down to the floor for it (else to her waist).
struct Pickup {
    int32_t iHotspot;
    int32_t iPicture;
    uint32_t uItem;
    int32_t iTakenFlag;
    int32_t iWaypoint;
    uint32_t uLookDialog;
    bool bLow;
};

class SceneScript_bg001 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter2();
    void TheIntro();
    void BackFromTheCorridor();
    void TheSign();
    void LeaveForTheCorridor();

    void WakeUpCallbacks();
    void TheApparition();
    void PistolEvents();
    void RemarkEvents();

    void Dawdle();
    void LookAtPickup(const Pickup& oPickup);
    void TakePickup(const Pickup& oPickup);
};

constexpr Pickup SWORD = {Object("sword"),
                          Object("i_sword"),
                          ItemNamed("ITEM_SWORD"),
                          VARBOOL_BG001_C02_PICK_SWORD,
                          WP_BY_SWORD,
                          0x5b215683,
                          true};
constexpr Pickup MAGNET = {Object("magnet"),
                           Object("i_magnet"),
                           ItemNamed("ITEM_MAGNET"),
                           VARBOOL_BG001_C02_PICK_MAGNET,
                           WP_BY_MAGNET,
                           0xd501cbdf,
                           false};
constexpr Pickup HANDKERCHIEF = {Object("embroided_handkerchief"),
                                 Object("i_handkerchief"),
                                 ItemNamed("ITEM_EMBROIDED_HANDKERCHIEF"),
                                 VARBOOL_BG001_C02_PICK_EMBROIDED_HANDKERCHIEF,
                                 WP_BY_HANDKERCHIEF,
                                 0x9c6d5aff,
                                 false};

void SceneScript_bg001::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg001_chapter_02"), InChapter(2));
    LinkSoundGroup(SoundGroupNamed("bg001_chapter_06"), InChapter(6));
    // The chapters without content of their own share a group without a name.
    MatchExpr oOther = InChapter(1);
    for (int32_t iChapter : {3, 4, 5, 7, 8, 9, 10})
        oOther = MatchExpression(Op_Or, oOther, InChapter(iChapter));
    LinkSoundGroup(0x4845eee6, oOther);
}

void SceneScript_bg001::BuildEnterActions()
{
    PlayAmbience(SHIP_AMBIENCE);
    SetSceneDirection(2);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);

    // Everything starts put away; the chapter shows what is left.
    ShowObject(Object("o_mirror_reflect"), false);
    ShowObject(Object("i_handkerchief"), false);
    SetInteractive(Object("embroided_handkerchief"), false);
    ShowObject(Object("i_magnet"), false);
    SetInteractive(Object("magnet"), false);
    ShowObject(Object("i_pistol"), false);
    ShowObject(Object("i_sword"), false);
    SetInteractive(Object("sword"), false);
    PushHashAction23(Object("o_drawer"), DRAWER_SHUT);
    ShowObject(Object("fade_bonita_spirit"), false);
    ShowObject(DIEGO, false);
    SetInteractive(DIEGO, false);
    ShowObject(SPIRIT, false);
    SetInteractive(SPIRIT, false);
    Place(HEROINE, WP_MIDDLE);

    _IfMatch(InChapter(2));
    EnterChapter2();
    _EndMatch();

    _IfMatch(CameFrom(CORRIDOR));
    BackFromTheCorridor();
    _EndMatch();

    _IfMatch(InChapter(6));
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_TANNERSFRIEND01), IsFalse(VARBOOL_BG001_C06_EVENT_THE_SIGN)));
    TheSign();
    _EndMatch();
    _EndMatch();

    PushAction21(HEROINE, DOOR_BLOCKER, 1);
}

void SceneScript_bg001::EnterChapter2()
{
    _IfBool(VARBOOL_BG001_C02_PICK_EMBROIDED_HANDKERCHIEF, 0);
    ShowObject(Object("i_handkerchief"), true);
    SetInteractive(Object("embroided_handkerchief"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG001_C02_PICK_MAGNET, 0);
    ShowObject(Object("i_magnet"), true);
    SetInteractive(Object("magnet"), true);
    _EndMatch();

    // Once the pistol is taken the drawer stays open.
    _IfBool(VARBOOL_BG001_C02_PICK_PISTOL, 1);
    PushHashAction23(Object("o_drawer"), DRAWER_OPEN);
    _EndMatch();

    _IfBool(VARBOOL_BG001_C02_PICK_SWORD, 0);
    ShowObject(Object("i_sword"), true);
    SetInteractive(Object("sword"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG001_C02_EVENT_INTRO, 0);
    TheIntro();
    _EndMatch();
}

void SceneScript_bg001::TheIntro()
{
    // She has dozed off on her feet by her bunk, Diego beside her; the
    // dialogs' callbacks wake her, and the last one sends him out.
    ShowObject(DIEGO, true);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Place(HEROINE, WP_BED);
    Place(DIEGO, WP_DIEGO_AT_BED);
    Play(HEROINE, "cabinwakup01_l");
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SCENE_FADE_IN, Param::Int(2000));
    Dialog(0x6d1c84c0);
    Dialog(0x6222aa93);
    SetBoolVar(VARBOOL_BG001_C02_EVENT_INTRO, true);
    SetBoolVar(VARBOOL_QUEST_C2_FIND_DADDY, true);
}

void SceneScript_bg001::BackFromTheCorridor()
{
    Place(HEROINE, WP_IN_FROM_CORRIDOR);
    GoTo(HEROINE, WP_MIDDLE);
    // Her mother's face in the mirror, once, before chapter 5.
    _IfMatch(Both(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntLess, 5), IsFalse(VARBOOL_BG001_C02_EVENT_GHOST)));
    ShowObject(Object("o_mirror_reflect"), true);
    Wait(LOGIC_DIALOG, 500);
    Dialog(0x2e5916fe);
    ShowObject(Object("o_mirror_reflect"), false);
    SetBoolVar(VARBOOL_BG001_C02_EVENT_GHOST, true);
    _EndMatch();
}

void SceneScript_bg001::TheSign()
{
    GoTo(HEROINE, WP_THE_SIGN);
    Sound(HEROINE, SIGH_SOUND, 400);
    Play(HEROINE, "sadmemories");
    Play(HEROINE, "g_idle_l");
    Dialog(0x14ab186d);
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_QUEST_C5_THE_SIGN_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C6_SLEEPY_FLY03_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C6_SLEEPY_FLY04, true);
    SetBoolVar(VARBOOL_BG001_C06_EVENT_THE_SIGN, true);
}

void SceneScript_bg001::BuildExitEvents()
{
    // Activate "goto_bg002": she stops at the door and says her word; in
    // chapter 2 she goes out only with her sword and her pistol, in every
    // other chapter always.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg002")));
    GoTo(HEROINE, WP_BEFORE_DOOR);
    Dialog(0xcac6bff6);
    _IfMatch(InChapter(2));
    _IfMatch(Both(IsTrue(VARBOOL_BG001_C02_PICK_PISTOL), IsTrue(VARBOOL_BG001_C02_PICK_SWORD)));
    LeaveForTheCorridor();
    _EndMatch();
    _ElseMatch();
    LeaveForTheCorridor();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg001::LeaveForTheCorridor()
{
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    GoTo(HEROINE, WP_BEYOND_DOOR);
    GoToScene(CORRIDOR);
}

void SceneScript_bg001::BuildEvents()
{
    WakeUpCallbacks();
    LookAtPickup(SWORD);
    TakePickup(SWORD);
    PistolEvents();
    LookAtPickup(MAGNET);
    TakePickup(MAGNET);
    LookAndActivate(Object("bed"), HEROINE, WP_BED_LOOK, 0x60d589f8, 0x17fa51d6);
    LookAtPickup(HANDKERCHIEF);
    TakePickup(HANDKERCHIEF);
    RemarkEvents();
}

void SceneScript_bg001::WakeUpCallbacks()
{
    // She wakes with a yawn and Diego steps back; the handler does not wait.
    _IfEvent(OnCallback(0x6e16769d));
    Together();
    Sound(HEROINE, YAWN_SOUND, 1733);
    Play(HEROINE, "cabinwakup02");
    Play(DIEGO, "cabinwakup02");
    Play(HEROINE, "cabinwakup03_l");
    Play(DIEGO, "g_idle_l");
    Apart();
    _EndMatch();

    // She sits up.
    PlayGesture(OnCallback(0xf71f2727), HEROINE, "cabinwakup05", "cabinwakup07_l");
    PlayGesture(OnCallback(0x801817b1), HEROINE, "cabinwakup06_l");

    // Diego looks down the corridor and comes back.
    _IfEvent(OnCallback(0x1e7c8212));
    GoTo(DIEGO, WP_BEYOND_DOOR);
    GoTo(DIEGO, WP_MIDDLE);
    _EndMatch();

    // Diego goes out; she gets up.
    _IfEvent(OnCallback(0x697bb284));
    GoTo(DIEGO, WP_BEYOND_DOOR);
    ShowObject(DIEGO, false);
    PushAnimAction(HEROINE, "cabinwakup08", 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_STANDING_UP);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    _EndMatch();

    TheApparition();

    // She is cross.
    PlayGesture(OnCallback(0x2347e55f), HEROINE, "g_talkfurious_l");
}

void SceneScript_bg001::TheApparition()
{
    // Her mother's spirit shows in a veil of light, implores, and fades.
    _IfEvent(OnCallback(0xba4eb4e5));
    const int32_t iVeil = Object("fade_bonita_spirit");
    ShowObject(iVeil, true);
    Place(SPIRIT, WP_SPIRIT);
    ShowObject(SPIRIT, true);
    EffectSound(APPARITION_SOUND);
    PushAction60(iVeil, 1000, 0);
    Together();
    Wait(HEROINE, 1800);
    Play(HEROINE, "stepsback");
    Play(HEROINE, "g_talk_l");
    PushAnimAction(SPIRIT, "implore", 0, 0);
    Wait(iVeil, 6000);
    PushAction60(iVeil, 500, 1);
    Apart();
    WaitForAll();
    ShowObject(SPIRIT, false);
    PushAction60(iVeil, 2000, 0);
    Wait(iVeil, 500);
    ShowObject(iVeil, false);
    _EndMatch();
}

void SceneScript_bg001::PistolEvents()
{
    // Look "pistol": the drawer's hotspot stays on in every chapter.
    _IfEvent(ScriptEvent_Object1(Object("pistol")));
    Dawdle();
    GoTo(HEROINE, WP_BY_DRAWER);
    Dialog(0x0ab11553);
    Dialog(WHAT_ELSE_DIALOG);
    _EndMatch();

    // Activate "pistol": in chapter 2 the drawer opens and the pistol is
    // taken once; the flag is set only at the end of the second block, so
    // both blocks test the same state.
    const MatchExpr oFirstTime = Both(InChapter(2), IsFalse(VARBOOL_BG001_C02_PICK_PISTOL));
    _IfMatch(MatchExpr::MakeEvent0(Object("pistol")));
    Dawdle();
    GoTo(HEROINE, WP_BY_DRAWER);
    _IfMatch(oFirstTime);
    Play(HEROINE, "opendrawer");
    Together();
    EffectSound(DRAWER_SOUND);
    PushHashAction23(Object("o_drawer"), DRAWER_OPEN);
    Wait(Object("i_pistol"), 100);
    ShowObject(Object("i_pistol"), true);
    Play(HEROINE, "opendrawer02");
    Play(HEROINE, "g_idle_l");
    Apart();
    _EndMatch();
    Dialog(0xda520c80);
    _IfMatch(oFirstTime);
    Play(HEROINE, "pickdrawerpistol");
    Give(HEROINE, ItemNamed("ITEM_PISTOL"));
    ShowObject(Object("i_pistol"), false);
    Play(HEROINE, "pickdrawerpistol02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG001_C02_PICK_PISTOL, true);
    _EndMatch();
    Dialog(WHAT_ELSE_DIALOG);
    _EndMatch();
}

void SceneScript_bg001::RemarkEvents()
{
    LookAndActivate(Object("shoes"), HEROINE, WP_BY_SHOES, 0xd50b101b, 0x560434fe);
    LookAndActivate(Object("books"), HEROINE, WP_BY_BOOKS, 0x8bdfbb1e, 0x08d09ffb);
    LookAndActivate(Object("plush"), HEROINE, WP_BY_PLUSH, 0x9a85a701, 0x198a83e4);
}

void SceneScript_bg001::Dawdle()
{
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(VARINT_PLAYER_DAWDLES), Param::Int(1));
}

void SceneScript_bg001::LookAtPickup(const Pickup& oPickup)
{
    _IfEvent(ScriptEvent_Object1(oPickup.iHotspot));
    Dawdle();
    GoTo(HEROINE, oPickup.iWaypoint);
    Dialog(oPickup.uLookDialog);
    Dialog(WHAT_ELSE_DIALOG);
    _EndMatch();
}

void SceneScript_bg001::TakePickup(const Pickup& oPickup)
{
    _IfMatch(MatchExpr::MakeEvent0(oPickup.iHotspot));
    Dawdle();
    GoTo(HEROINE, oPickup.iWaypoint);
    if (oPickup.bLow)
        PickUp<Reach::Low>(HEROINE, oPickup.iPicture, oPickup.uItem);
    else
        PickUp<Reach::Middle>(HEROINE, oPickup.iPicture, oPickup.uItem);
    SetBoolVar(oPickup.iTakenFlag, true);
    Dialog(WHAT_ELSE_DIALOG);
    SetInteractive(oPickup.iHotspot, false);
    _EndMatch();
}

} // namespace

// Scene 5, bg001_WM_TavrinesCabin.
REGISTER_SCENE_SCRIPT(bg001, 5);
