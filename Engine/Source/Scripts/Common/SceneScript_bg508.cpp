// The turtle path on Turtle island (scene 48, bg508_TU_TurtlePath): statues,
// two turtle shells, a carving, the turtle altar and the closed turtle door.
// Chapter 10: she comes here first with Tanama and Uncle Eduardo on his globe;
// the door gives way only to the turtle puzzle on the altar, and once it is
// open the path leads down into the turtle chamber. In other chapters the path
// is scenery with its exits.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg508_48>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"tanama"> TANAMA;
constexpr ActorNamed<"uncle_eduardo"> EDUARDO;

// Walk-mesh blocker: the stone globe that Eduardo climbs, fenced off from
// the heroine.
constexpr int32_t GLOBE_BLOCKER = 0;

// Waypoints of the path.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_FROM_THE_BEACH = 1;
constexpr int32_t WP_ON_THE_PATH = 2;
constexpr int32_t WP_TANAMA_BY_THE_DOOR = 3;
constexpr int32_t WP_FROM_THE_CHAMBER = 4;
constexpr int32_t WP_EDUARDO = 5;
constexpr int32_t WP_TANAMA_ASIDE = 6;
constexpr int32_t WP_TANAMA_COMES_IN = 7;
constexpr int32_t WP_BACK_FROM_THE_PUZZLE = 8;
constexpr int32_t WP_STATUES = 9;
constexpr int32_t WP_LARGE_SHELL = 10;
constexpr int32_t WP_COLOURED_SHELL = 11;
constexpr int32_t WP_DOOR = 12;
constexpr int32_t WP_CARVING = 13;
constexpr int32_t WP_ALTAR = 14;
constexpr int32_t WP_TO_THE_BEACH = 15;
constexpr int32_t WP_DOWN_TO_THE_CHAMBER = 16;

// The sprites of the three turtles and of the door.
constexpr uint32_t TURTLES_AT_REST = 0x5b9b7697;
constexpr uint32_t TURTLES_WAITING = 0x62359a1d;
constexpr uint32_t DOOR_SHUT = 0xa5c77527;
constexpr uint32_t DOOR_OPENING = 0x7dff88d8;

constexpr uint32_t PATH_MUSIC = 0x63c55bd5;
constexpr uint32_t PATH_AMBIENCE = 0x2df8c472;
constexpr uint32_t DOOR_SOUND = 0x6b7c68f3;
constexpr int32_t CHAPTER_TEN_SOUNDS = 0x707b6a09;
constexpr int32_t PATH_SOUNDS = 0x31233e89;

// The dialogs that more than one handler starts.
constexpr uint32_t SHELL_DIALOG = 0xb063decf;

constexpr int32_t TURTLE_DOOR_PUZZLE = 7;
constexpr int32_t BACK_FROM_THE_PUZZLE = 256 + TURTLE_DOOR_PUZZLE;
// The marker the won puzzle leaves in the action queue.
constexpr int32_t PUZZLE_MARKER = 9;

constexpr int32_t TURTLE_BEACH = 47;   // bg506_TU_TurtleBeach
constexpr int32_t TURTLE_CHAMBER = 49; // bg509_TU_TurtleChamber
constexpr int32_t FROM_THE_ISLAND[] = {
    43, // bg501_TU_BeautyBay
    44, // bg502_TU_Ruins1
    45, // bg504_TU_AltarHouseExterior
    TURTLE_BEACH,
};

class SceneScript_bg508 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetThePath();
    void EnterChapter10();
    void ArriveFrom();
    void BackFromThePuzzle();
    void FirstArrival();

    // She goes back to her idle loop.
    void Idle();
    // Eduardo sits still on his globe.
    void EduardoOnHisGlobe();
    // She walks below the carving, looks up at it, and the dialog runs.
    void LookUpAndTalk(const MatchExpr& oPattern, uint32_t uDialogId);
    // She goes up to Tanama; when she speaks to her, Tanama turns to her.
    void ApproachTanama(bool bTurnHerToward);

    void ScenicEvents();
    void DoorAndAltarEvents();
    void TanamaEvents();
    void EduardoEvents();
    void HeroineCallbacks();
};

void SceneScript_bg508::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_TEN_SOUNDS, InChapter(10));
    LinkSoundGroup(PATH_SOUNDS, InEveryChapterBut(10));
}

void SceneScript_bg508::Idle()
{
    Play(HEROINE, "g_idle_l");
}

void SceneScript_bg508::EduardoOnHisGlobe()
{
    PushAnimAction(EDUARDO, "onglobeidle_l", 1, 0);
}

void SceneScript_bg508::BuildEnterActions()
{
    PlayMusic(PATH_MUSIC);
    PlayAmbience(PATH_AMBIENCE);
    PushAction21(HEROINE, GLOBE_BLOCKER, 1);
    ResetThePath();

    _IfMatch(InChapter(10));
    EnterChapter10();
    _EndMatch();

    Place(HEROINE, WP_START);
    ArriveFrom();

    _IfMatch(Both(InChapter(10), IsFalse(VARBOOL_BG508_C10_EVENT_WERE_HERE)));
    FirstArrival();
    _EndMatch();
}

void SceneScript_bg508::ResetThePath()
{
    ShowAndActivate(TANAMA, false);
    ShowAndActivate(EDUARDO, false);
    ShowObject(Object("fx_dooropen"), false);
    PushHashAction23(Object("fx_dooropen"), DOOR_SHUT);
    SetInteractive(Object("turtle_door"), false);
    SetInteractive(Object("turtle_altar"), false);
    PushHashAction23(Object("o_3turttle"), TURTLES_AT_REST);
    Place(HEROINE, WP_START);
}

void SceneScript_bg508::EnterChapter10()
{
    // Until the chamber is first entered, Tanama and Eduardo keep her company.
    _IfBool(VARBOOL_BG509_C10_FIRST_TIME, 0);
    ShowAndActivate(TANAMA, true);
    _IfBool(VARBOOL_BG508_C10_TURTLE_DOOR_OPEN, 0);
    Place(TANAMA, WP_TANAMA_BY_THE_DOOR);
    _ElseMatch();
    Place(TANAMA, WP_TANAMA_ASIDE);
    _EndMatch();
    ShowAndActivate(EDUARDO, true);
    Place(EDUARDO, WP_EDUARDO);
    AddToQueue(EDUARDO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    EduardoOnHisGlobe();
    _EndMatch();

    _IfBool(VARBOOL_BG508_C10_TURTLE_DOOR_OPEN, 0);
    ShowObject(Object("fx_dooropen"), true);
    PushHashAction23(Object("fx_dooropen"), DOOR_SHUT);
    SetInteractive(Object("turtle_door"), true);
    SetInteractive(Object("goto_bg509"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG508_C10_PUZZLE_SUCCESS, 0);
    SetInteractive(Object("turtle_altar"), true);
    PushHashAction23(Object("o_3turttle"), TURTLES_WAITING);
    _EndMatch();

    _IfBool(VARBOOL_BG508_C10_PUZZLE_SUCCESS, 1);
    ShowObject(Object("fx_dooropen"), false);
    SetInteractive(Object("turtle_door"), false);
    _EndMatch();
}

void SceneScript_bg508::ArriveFrom()
{
    for (const int32_t iFrom : FROM_THE_ISLAND) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FROM_THE_BEACH);
        GoTo(HEROINE, WP_ON_THE_PATH);
        _EndMatch();
    }
    _IfMatch(CameFrom(TURTLE_CHAMBER));
    Place(HEROINE, WP_FROM_THE_CHAMBER);
    _EndMatch();
    _IfMatch(CameFrom(BACK_FROM_THE_PUZZLE));
    BackFromThePuzzle();
    _EndMatch();
}

void SceneScript_bg508::BackFromThePuzzle()
{
    // Lost, she stands by the altar for another try; won once, the door opens
    // and a later return changes nothing.
    Place(HEROINE, WP_BACK_FROM_THE_PUZZLE);
    _IfBool(VARBOOL_C_WIN_MINIGAME, 1);
    _IfBool(VARBOOL_BG508_C10_PUZZLE_SUCCESS, 0);
    Together();
    PushHashAction23(Object("o_3turttle"), TURTLES_AT_REST);
    EffectSound(DOOR_SOUND);
    ShowObject(Object("fx_dooropen"), true);
    PushHashAction23(Object("fx_dooropen"), DOOR_OPENING);
    ShowObject(Object("fx_dooropen"), false);
    GoTo(TANAMA, WP_TANAMA_ASIDE);
    Apart();
    SetInteractive(Object("turtle_door"), false);
    SetInteractive(Object("turtle_altar"), false);
    SetInteractive(Object("goto_bg509"), true);
    SetBoolVar(VARBOOL_BG508_C10_PUZZLE_SUCCESS, true);
    SetBoolVar(VARBOOL_BG508_C10_TURTLE_DOOR_OPEN, true);
    _IfBool(VARBOOL_C_CHEAT_MINIGAME, 0);
    NoEffect(PUZZLE_MARKER);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg508::FirstArrival()
{
    // Tanama leads her in while Eduardo settles on his globe; the talk waits
    // until all of them have stopped.
    SetBoolVar(VARBOOL_TU_MAP_BG508, true);
    Place(HEROINE, WP_FROM_THE_BEACH);
    Place(TANAMA, WP_TANAMA_COMES_IN);
    Place(EDUARDO, WP_EDUARDO);
    Together();
    PushAnimAction(EDUARDO, "goonglobe", 0, 0);
    // No turn at the door: she turns to the heroine once there.
    WalkTo(TANAMA, WP_TANAMA_BY_THE_DOOR);
    Wait(HEROINE, 200);
    GoTo(HEROINE, WP_ON_THE_PATH);
    EduardoOnHisGlobe();
    TurnToward(TANAMA, HEROINE);
    Apart();
    WaitForAll();
    Dialog(0x58354bad);
    SetBoolVar(VARBOOL_BG508_C10_EVENT_WERE_HERE, true);
}

void SceneScript_bg508::BuildExitEvents()
{
    // Down to the chamber: the first time Tanama follows her.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg509")));
    GoTo(HEROINE, WP_DOWN_TO_THE_CHAMBER);
    GoToScene(TURTLE_CHAMBER);
    _IfBool(VARBOOL_BG509_C10_FIRST_TIME, 0);
    Together();
    Play(HEROINE, "stairs01");
    GoTo(TANAMA, WP_DOOR);
    Apart();
    _ElseMatch();
    Play(HEROINE, "stairs01");
    _EndMatch();
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg506")));
    WalkTo(HEROINE, WP_TO_THE_BEACH);
    GoToScene(TURTLE_BEACH);
    WalkTo(HEROINE, WP_FROM_THE_BEACH);
    _EndMatch();
}

void SceneScript_bg508::BuildEvents()
{
    ScenicEvents();
    DoorAndAltarEvents();
    TanamaEvents();
    EduardoEvents();
    HeroineCallbacks();
}

void SceneScript_bg508::LookUpAndTalk(const MatchExpr& oPattern, uint32_t uDialogId)
{
    _IfMatch(oPattern);
    GoTo(HEROINE, WP_CARVING);
    Play(HEROINE, "g_lookup");
    Idle();
    Dialog(uDialogId);
    _EndMatch();
}

void SceneScript_bg508::ScenicEvents()
{
    LookAndActivate(Object("statues"), HEROINE, WP_STATUES, 0x7937b59b, 0x062043d9);
    LookAndActivate(Object("large_turtle_shell"), HEROINE, WP_LARGE_SHELL, 0x49f7dee3, SHELL_DIALOG);
    LookAndActivate(Object("colored_turtle_shell"), HEROINE, WP_COLOURED_SHELL, 0x76cabfb4, SHELL_DIALOG);
    LookUpAndTalk(MatchExpr::Event(ScriptEvent_Object1(Object("turtle_carving"))), 0x94007dd5);
    LookUpAndTalk(MatchExpr::MakeEvent0(Object("turtle_carving")), 0x65c318d9);
}

void SceneScript_bg508::DoorAndAltarEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("turtle_door")));
    GoTo(HEROINE, WP_DOOR);
    TurnToward(TANAMA, HEROINE);
    Dialog(0xc878be7e);
    _EndMatch();

    // The door does not give way to her hands.
    _IfMatch(MatchExpr::MakeEvent0(Object("turtle_door")));
    GoTo(HEROINE, WP_DOOR);
    Play(HEROINE, "tryopenpathturtle");
    Idle();
    TurnToward(TANAMA, HEROINE);
    Dialog(0x8d15c991);
    _EndMatch();

    WalkAndTalk(ScriptEvent_Object1(Object("turtle_altar")), HEROINE, WP_ALTAR, 0x4bdbd64d);
    _IfMatch(MatchExpr::MakeEvent0(Object("turtle_altar")));
    GoTo(HEROINE, WP_ALTAR);
    TurnToward(TANAMA, HEROINE);
    Dialog(0x7b2b44d3);
    StartMiniGame(TURTLE_DOOR_PUZZLE);
    _EndMatch();
}

void SceneScript_bg508::ApproachTanama(bool bTurnHerToward)
{
    // Before the door opens Tanama stands by it and is spoken to from the
    // path; once it is open she has stepped aside, and is spoken to from
    // below the carving.
    _IfBool(VARBOOL_BG508_C10_TURTLE_DOOR_OPEN, 0);
    GoTo(HEROINE, WP_ON_THE_PATH);
    if (bTurnHerToward)
        TurnToward(TANAMA, HEROINE);
    _ElseMatch();
    WalkTo(HEROINE, WP_CARVING);
    TurnToward(HEROINE, TANAMA);
    _EndMatch();
}

void SceneScript_bg508::TanamaEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(TANAMA));
    ApproachTanama(false);
    Dialog(0x969a4abb);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(TANAMA));
    ApproachTanama(true);
    Dialog(0xeb61b3f7);
    _EndMatch();
    PlayGesture(OnCallback(0x965b8cff), TANAMA, "talk_l");
    PlayGesture(OnCallback(0xe0d29c87), TANAMA, "idle_l");
}

void SceneScript_bg508::EduardoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(EDUARDO), HEROINE, WP_ALTAR, 0x841df390);
    WalkAndTalk(ScriptEvent_FlaggedId2(EDUARDO), HEROINE, WP_ALTAR, 0xfb0a05d2);

    // The whistle and Eduardo: once the chamber is known she blows it first.
    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    _IfBool(VARBOOL_BG509_C10_FIRST_TIME, 1);
    Play(HEROINE, "decoy");
    Idle();
    _EndMatch();
    Dialog(0x5edf0a87);
    _EndMatch();

    _IfEvent(OnCallback(0x84c729c9));
    PushAnimAction(EDUARDO, "onglobetalk_l", 1, 0);
    _EndMatch();
    _IfEvent(OnCallback(0xc46c102f));
    EduardoOnHisGlobe();
    _EndMatch();
}

void SceneScript_bg508::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    _IfEvent(OnCallback(0x344c0641));
    TurnToward(HEROINE, TANAMA);
    _EndMatch();
}

} // namespace

// Scene 48, bg508_TU_TurtlePath.
REGISTER_SCENE_SCRIPT(bg508, 48);
