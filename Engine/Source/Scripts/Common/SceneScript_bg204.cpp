// Outside Drake's office on Crab island (scene 25,
// bg204_CR_DrakesOfficeExterior): the street before the office, whose door
// two guards keep, and the priest's house beside it with a rose trellis up to
// its canopy. Chapter 8: from the canopy the flying silhouette scares the
// guards senseless (a movie) and Dinsdale's pole falls to the ground; later
// Diego, once he has joined her, orders them away. From the canopy the loaded
// blow pipe fetches the priest to his window; once his quest is done he hands
// over the shovel blade at his door.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg204_25>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"dinsdale"> DINSDALE;
constexpr ActorNamed<"mitchell"> MITCHELL;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"father_jerome"> PRIEST;

// Waypoints of the street and of the canopy.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_ON_THE_CANOPY = 1;
constexpr int32_t WP_TO_THE_INN = 2;
constexpr int32_t WP_PRIEST_AT_HIS_DOOR = 3;
constexpr int32_t WP_BEFORE_THE_PRIEST = 4;
constexpr int32_t WP_DINSDALE = 5;
constexpr int32_t WP_MITCHELL = 6;
constexpr int32_t WP_IN_FROM_THE_ROAD = 7;
constexpr int32_t WP_ROAD = 8;
constexpr int32_t WP_OUT_OF_THE_OFFICE = 9;
constexpr int32_t WP_SENT_BACK = 10;
constexpr int32_t WP_OVER_THE_GUARDS = 11;
constexpr int32_t WP_DIEGO = 12;
constexpr int32_t WP_BY_DIEGO = 13;
constexpr int32_t WP_TOP_OF_THE_TRELLIS = 14;
constexpr int32_t WP_DIEGO_BEFORE_THE_GUARDS = 15;
constexpr int32_t WP_BY_THE_PRIESTS_WINDOW = 16;
constexpr int32_t WP_PRIEST_AT_HIS_WINDOW = 17;
constexpr int32_t WP_PRIEST_INSIDE = 18;
constexpr int32_t WP_PRIEST_GOING_DOWN = 19;
constexpr int32_t WP_BEFORE_THE_GUARDS = 20;
// Where Diego stops, coming up the road, beside her place in from it.
constexpr int32_t WP_DIEGO_UP_THE_ROAD = 21;
constexpr int32_t WP_BY_MITCHELL = 22;
constexpr int32_t WP_DINSDALE_KNOCKED_OUT = 23;
constexpr int32_t WP_BEFORE_THE_DOOR = 24;
constexpr int32_t WP_MITCHELL_KNOCKED_OUT = 25;
constexpr int32_t WP_PRIESTS_DOOR = 26;
constexpr int32_t WP_OFFICE_DOOR = 27;
constexpr int32_t WP_TOWARD_THE_INN = 28;
constexpr int32_t WP_BELOW_THE_PRIESTS_WINDOW = 29;
constexpr int32_t WP_FOOT_OF_THE_TRELLIS = 30;
constexpr int32_t WP_BY_DRAKES_WINDOW = 31;
constexpr int32_t WP_BEFORE_THE_HOUSE = 32;
constexpr int32_t WP_TO_THE_MAP = 33;
// Where Mitchell marches off to, clear of Dinsdale on the inn's way.
constexpr int32_t WP_MITCHELL_OFF_TO_THE_INN = 34;
constexpr int32_t WP_POLE = 42;

// Walk-mesh blockers: the office doorway, the way to the map, the way to the
// inn and the trellis.
constexpr int32_t DOORWAY_BLOCKER = 0;
constexpr int32_t MAP_BLOCKER = 1;
constexpr int32_t INN_BLOCKER = 2;
constexpr int32_t TRELLIS_BLOCKER = 3;

// Sounds: the music and the street; her climb up and down, her try at Drake's
// window, her knock; Diego's order and the priest's steps.
constexpr uint32_t MUSIC = 0x54c965c6;
constexpr uint32_t AMBIENCE = 0x5a3cef32;
constexpr uint32_t CLIMB_UP_SOUND = 0x7baa670a;
constexpr uint32_t CLIMB_DOWN_SOUND = 0x5d4b02fd;
constexpr uint32_t DRAKES_WINDOW_SOUND = 0x6b176604;
constexpr uint32_t KNOCK_SOUND = 0x0cdf096a;
constexpr uint32_t DIEGO_SOUND = 0x330ce21a;
constexpr uint32_t PRIEST_SOUND = 0x40d17d2d;

// Sprite animations: the dart's splash at rest and striking; the priest's
// window shut and opening.
constexpr uint32_t SPLASH_AT_REST = 0xaf1b3eee;
constexpr uint32_t SPLASH = 0xf4ddfbd2;
constexpr uint32_t WINDOW_SHUT = 0x6de75c31;
constexpr uint32_t WINDOW_OPENING = 0xf3d1cba9;

// The dialog of the flying silhouette used out of turn, which is also the
// guards' talk once the trick has worked.
constexpr uint32_t SILHOUETTE_DIALOG = 0xbcfaf2c6;
// The guards turn her back from the door.
constexpr uint32_t NOT_THROUGH_THE_DOOR = 0x6ed80c5f;
constexpr uint32_t DRAKES_WINDOW_DIALOG = 0xa9b75e21;
constexpr uint32_t TRELLIS_DIALOG = 0xe280182b;
constexpr uint32_t PRIESTS_WINDOW_DIALOG = 0x6236d6bd;
constexpr uint32_t LOADED_BLOW_PIPE_DIALOG = 0xdaa595b0;

// The scenes this one meets; movies come back as 512 plus their id.
constexpr int32_t DOCKS = 22;         // bg201_CR_Docks
constexpr int32_t GRAVEYARD = 24;     // bg203_CR_GraveyardOfTheAncients
constexpr int32_t THIS_SCENE = 25;    // bg204_CR_DrakesOfficeExterior
constexpr int32_t OFFICE_INSIDE = 26; // bg205_CR_DrakesOfficeInterior
constexpr int32_t GOLDEN_TURTLE = 27; // bg206_CR_TortueOr
constexpr int32_t MOVIE_CINE06 = 5;   // the flying silhouette over the guards
constexpr int32_t BACK_FROM_CINE06 = 512 + MOVIE_CINE06;

// The guards stop her: they are up (not yet knocked out, or standing again
// for the consignment) and Diego has not sent them away. Once sent away they
// are gone for good, so they stop her at the door no more either.
MatchExpr GuardsStopHer()
{
    return Both(IsFalse(VARBOOL_BG204_C08_USE_DIEGO_ON_GUARD),
                MatchExpression(Op_Or, IsFalse(VARBOOL_QUEST_C8_GUARDS_DONE), IsTrue(VARBOOL_QUEST_C8_CONSIGNMENT01)));
}

// Diego can send the guards away.
MatchExpr DiegoCanSendThemAway()
{
    return Both(IsTrue(VARBOOL_QUEST_C8_CONSIGNMENT02), IsFalse(VARBOOL_BG204_C08_USE_DIEGO_ON_GUARD));
}

// His quest done, the priest waits at his open door with the shovel blade.
MatchExpr PriestAtHisDoor()
{
    return Both(IsTrue(VARBOOL_QUEST_C8_PRIEST_DONE), IsFalse(VARBOOL_QUEST_C8_JUSTICE02_DONE));
}

class SceneScript_bg204 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void PlaceTheGuards();
    void RestoreThePriest();
    void RestoreThePole();
    void StayOnTheCanopy();
    void ArriveFrom();
    void ChapterEightArrivals();

    void LeaveForTheMap();
    void LeaveForTheInn();
    void LeaveIntoTheOffice();

    void GuardEvents();
    void DiegoEvents();
    void TouchEvents();
    void TrellisEvents();
    void DrakesWindowEvents();
    void PoleEvents();
    void PriestsHouseEvents();
    void PriestsWindowEvents();
    void PriestEvents();
    void HeroineCallbacks();
    void GuardCallbacks();
    void DiegoCallbacks();
    void PriestCallbacks();

    void BuildFlyingSilhouetteActions();
    void BuildDiegoOnGuardActions();
    void BuildGoToPriestsWindowActions();

    // The walk and look up at a guard: from the canopy both are seen from one
    // place; on the ground she steps up to the guard.
    void ApproachGuard(uint32_t uGuard, int32_t iGroundWaypoint);
    void FlyingSilhouetteOn(uint32_t uGuard);
    // On the canopy nothing of the street can be reached.
    void CutOffTheStreet();
    // Down the trellis; bShowPole lays the pole on the ground again.
    void ClimbDown(bool bPriestsDoor, bool bShowPole);
};

void SceneScript_bg204::LinkSoundGroups()
{
    LinkSoundGroup(0x077c343b, InChapter(8));
    // Nine equality tests joined by Or would pass the engine's limit on one
    // condition's records; the three comparisons select the same chapters.
    LinkSoundGroup(0x045030bf, InEveryChapterBut(8));
}

void SceneScript_bg204::BuildEnterActions()
{
    PlayMusic(MUSIC);
    PlayAmbience(AMBIENCE);
    WalkOnly(HEROINE, false);
    SetBoolVar(VARBOOL_ACTIVE_MAP, true);
    PushAction21(HEROINE, DOORWAY_BLOCKER, 1);
    Place(HEROINE, WP_START);

    ResetObjects();
    PlaceTheGuards();

    _IfBool(VARBOOL_QUEST_C8_GUARDS_DONE, 0);
    PushAddAttachment(DINSDALE, AttachmentNamed("wooden_pole_dinsdale"), BONE_LEFT_HAND);
    _EndMatch();

    _IfMatch(Both(InChapter(8), IsTrue(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES)));
    ShowAndActivate(DIEGO, true);
    Give(HEROINE, ItemNamed("ITEM_DIEGO"));
    Place(DIEGO, WP_DIEGO);
    _EndMatch();

    RestoreThePriest();

    _IfBool(VARBOOL_QUEST_C8_TURTLE_INN03, 0);
    SetInteractive(Object("goto_bg206"), false);
    _EndMatch();

    RestoreThePole();
    StayOnTheCanopy();
    ArriveFrom();

    _IfMatch(CameFrom(BACK_FROM_CINE06));
    BuildFlyingSilhouetteActions();
    _EndMatch();

    ChapterEightArrivals();

    PushAction21(HEROINE, MAP_BLOCKER, 1);
    PushAction21(HEROINE, INN_BLOCKER, 1);
    PushAction21(HEROINE, TRELLIS_BLOCKER, 1);
}

void SceneScript_bg204::ResetObjects()
{
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(PRIEST, false);
    Place(DINSDALE, WP_DINSDALE);
    Place(MITCHELL, WP_MITCHELL);
    ShowObject(Object("o_open_door"), false);
    ShowObject(Object("o_inside_house"), false);
    ShowObject(Object("fx_pipesplash"), false);
    PushHashAction23(Object("fx_pipesplash"), SPLASH_AT_REST);
}

void SceneScript_bg204::PlaceTheGuards()
{
    _IfBool(VARBOOL_BG204_C08_USE_DIEGO_ON_GUARD, 0);
    Place(DINSDALE, WP_DINSDALE);
    Place(MITCHELL, WP_MITCHELL);
    // Knocked out, they lie where they fell; for the consignment they stand
    // at their posts again.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_GUARDS_DONE), IsFalse(VARBOOL_QUEST_C8_CONSIGNMENT01)));
    Place(DINSDALE, WP_DINSDALE_KNOCKED_OUT);
    Place(MITCHELL, WP_MITCHELL_KNOCKED_OUT);
    PushAnimAction(DINSDALE, "unconscious_l", 1, 0);
    PushAnimAction(MITCHELL, "unconscious_l", 1, 0);
    SetInteractive(Object("m_walk_past_guards"), false);
    _EndMatch();
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_GUARDS_DONE), IsTrue(VARBOOL_QUEST_C8_CONSIGNMENT01)));
    Play(DINSDALE, "idle_l");
    Play(MITCHELL, "idle_l");
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C8_GUARDS_DONE, 0);
    Play(DINSDALE, "guarding_idle_l");
    Play(MITCHELL, "idle_l");
    _EndMatch();
    _ElseMatch();
    ShowAndActivate(DINSDALE, false);
    ShowAndActivate(MITCHELL, false);
    SetInteractive(Object("m_walk_past_guards"), false);
    _EndMatch();
}

void SceneScript_bg204::RestoreThePriest()
{
    // While the guards keep watch the house is only looked at; afterwards its
    // door and window can be tried.
    _IfBool(VARBOOL_QUEST_C8_GUARDS_DONE, 0);
    SetInteractive(Object("priests_house"), true);
    SetInteractive(Object("priests_door"), false);
    SetInteractive(Object("priests_window"), false);
    _ElseMatch();
    SetInteractive(Object("priests_house"), false);
    SetInteractive(Object("priests_door"), true);
    SetInteractive(Object("priests_window"), true);
    _EndMatch();

    PushHashAction23(Object("o_window"), WINDOW_SHUT);

    _IfMatch(PriestAtHisDoor());
    ShowObject(Object("o_open_door"), true);
    ShowObject(Object("o_inside_house"), true);
    ShowAndActivate(PRIEST, true);
    SetInteractive(Object("priests_door"), false);
    Place(PRIEST, WP_PRIEST_AT_HIS_DOOR);
    Place(HEROINE, WP_BEFORE_THE_PRIEST);
    SetInteractive(Object("priests_window"), false);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C8_PRIEST_DONE, 1);
    SetInteractive(Object("priests_window"), false);
    _EndMatch();
}

void SceneScript_bg204::RestoreThePole()
{
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_GUARDS_DONE), IsTrue(VARBOOL_BG204_C08_PICK_WOODEN_POLE)));
    ShowObject(Object("i_wooden_pole"), false);
    SetInteractive(Object("wooden_pole"), false);
    _EndMatch();
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_GUARDS_DONE), IsFalse(VARBOOL_BG204_C08_PICK_WOODEN_POLE)));
    ShowObject(Object("i_wooden_pole"), true);
    SetInteractive(Object("wooden_pole"), true);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C8_GUARDS_DONE, 0);
    ShowObject(Object("i_wooden_pole"), false);
    SetInteractive(Object("wooden_pole"), false);
    _EndMatch();
}

void SceneScript_bg204::CutOffTheStreet()
{
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    WalkOnly(HEROINE, true);
    SetInteractive(Object("wooden_pole"), false);
    SetInteractive(Object("goto_bg205"), false);
    SetInteractive(Object("goto_bg206"), false);
    SetInteractive(Object("goto_cr_map"), false);
    SetInteractive(Object("priests_door"), false);
    SetInteractive(DIEGO, false);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
}

void SceneScript_bg204::StayOnTheCanopy()
{
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 1);
    Place(HEROINE, WP_ON_THE_CANOPY);
    CutOffTheStreet();
    _EndMatch();
}

void SceneScript_bg204::ArriveFrom()
{
    // Four separate tests: out of the office, from the inn, up the road.
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 0);
    _IfMatch(CameFrom(OFFICE_INSIDE));
    Place(HEROINE, WP_OUT_OF_THE_OFFICE);
    _EndMatch();
    _IfMatch(CameFrom(GOLDEN_TURTLE));
    Place(HEROINE, WP_TO_THE_INN);
    WalkTo(HEROINE, WP_TOWARD_THE_INN);
    _EndMatch();
    for (int32_t iFrom : {DOCKS, GRAVEYARD}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ROAD);
        GoTo(HEROINE, WP_IN_FROM_THE_ROAD);
        _EndMatch();
    }
    _EndMatch();
}

void SceneScript_bg204::ChapterEightArrivals()
{
    _IfMatch(InChapter(8));
    // Out of the office with what she found there.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_JUSTICE01), IsFalse(VARBOOL_BG204_C08_EVENT_EMERGING_FROM_BG205)));
    Dialog(0xd335bf3d);
    SetBoolVar(VARBOOL_QUEST_C8_JUSTICE01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_JUSTICE02, true);
    SetBoolVar(VARBOOL_BG204_C08_EVENT_EMERGING_FROM_BG205, true);
    _EndMatch();
    // Diego comes up the road and joins her.
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_NOTES04_DONE), IsFalse(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES)));
    ShowAndActivate(DIEGO, true);
    Place(DIEGO, WP_ROAD);
    // Not at her own place in from the road, where she may stand.
    WalkTo(DIEGO, WP_DIEGO_UP_THE_ROAD);
    TurnToward(HEROINE, DIEGO);
    TurnToward(DIEGO, HEROINE);
    Dialog(0xb3b2a889);
    Give(HEROINE, ItemNamed("ITEM_DIEGO"));
    SetBoolVar(VARBOOL_BG204_C08_EVENT_DIEGO_ARRIVES, true);
    GoTo(DIEGO, WP_DIEGO);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg204::BuildExitEvents()
{
    LeaveForTheMap();
    LeaveForTheInn();
    LeaveIntoTheOffice();
}

void SceneScript_bg204::LeaveForTheMap()
{
    // Activate "goto_cr_map": down the street to the island map.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_cr_map")));
    PushAction21(HEROINE, MAP_BLOCKER, 0);
    GoTo(HEROINE, WP_TO_THE_MAP);
    OpenIslandMap(HEROINE, WP_IN_FROM_THE_ROAD, MAP_BLOCKER);
    _EndMatch();
}

void SceneScript_bg204::LeaveForTheInn()
{
    // Activate "goto_bg206": in chapter 8 Diego must first have told her of
    // the golden turtle; then he comes along.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg206")));
    _IfMatch(InChapter(8));
    _IfBool(VARBOOL_BG204_C08_TALK_DIEGO_ABOUT_GOLDEN_TURTLE, 0);
    WalkTo(HEROINE, WP_TOWARD_THE_INN);
    Dialog(0x2ccd10f9);
    _ElseMatch();
    PushAction21(HEROINE, INN_BLOCKER, 0);
    Together();
    GoTo(HEROINE, WP_TO_THE_INN);
    GoTo(DIEGO, WP_TO_THE_INN);
    Apart();
    GoToScene(GOLDEN_TURTLE);
    _EndMatch();
    _ElseMatch();
    PushAction21(HEROINE, INN_BLOCKER, 0);
    WalkTo(HEROINE, WP_TOWARD_THE_INN);
    GoToScene(GOLDEN_TURTLE);
    GoTo(HEROINE, WP_TO_THE_INN);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg204::LeaveIntoTheOffice()
{
    // Activate "goto_bg205": the guards turn her back while they are up; for
    // the consignment only Diego's order frees the door.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg205")));
    _IfBool(VARBOOL_QUEST_C8_JUSTICE03_DONE, 0);
    // Sent away by Diego, the guards no longer bar the door.
    _IfMatch(
        MatchExpression(Op_Or, IsTrue(VARBOOL_QUEST_C8_GUARDS_DONE), IsTrue(VARBOOL_BG204_C08_USE_DIEGO_ON_GUARD)));
    GoTo(HEROINE, WP_OFFICE_DOOR);
    GoToScene(OFFICE_INSIDE);
    Play(HEROINE, "g_reachdoorhandle");
    _ElseMatch();
    WalkTo(HEROINE, WP_BEFORE_THE_DOOR);
    Dialog(NOT_THROUGH_THE_DOOR);
    _EndMatch();
    _ElseMatch();
    _IfMatch(DiegoCanSendThemAway());
    WalkTo(HEROINE, WP_BEFORE_THE_DOOR);
    Dialog(NOT_THROUGH_THE_DOOR);
    _ElseMatch();
    GoTo(HEROINE, WP_OFFICE_DOOR);
    GoToScene(OFFICE_INSIDE);
    Play(HEROINE, "g_reachdoorhandle");
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg204::BuildEvents()
{
    GuardEvents();
    DiegoEvents();
    TouchEvents();
    PriestsHouseEvents();
    TrellisEvents();
    DrakesWindowEvents();
    PoleEvents();
    PriestsWindowEvents();
    PriestEvents();
    HeroineCallbacks();
    GuardCallbacks();
    DiegoCallbacks();
    PriestCallbacks();
}

void SceneScript_bg204::ApproachGuard(uint32_t uGuard, int32_t iGroundWaypoint)
{
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 0);
    WalkTo(HEROINE, iGroundWaypoint);
    TurnToward(HEROINE, uGuard);
    _ElseMatch();
    GoTo(HEROINE, WP_OVER_THE_GUARDS);
    _EndMatch();
}

void SceneScript_bg204::GuardEvents()
{
    // Look at and talk to Dinsdale.
    for (const auto& [oEvent, uDialog] : {std::pair {ScriptEvent_FlaggedId1(DINSDALE), 0xc780cf05u},
                                          std::pair {ScriptEvent_FlaggedId2(DINSDALE), 0x59570fadu}}) {
        _IfEvent(oEvent);
        ApproachGuard(DINSDALE, WP_SENT_BACK);
        Dialog(uDialog);
        _EndMatch();
    }
    FlyingSilhouetteOn(DINSDALE);

    // Look at and talk to Mitchell: on the ground she keeps her distance
    // while he stands.
    for (const auto& [oEvent, uDialog] : {std::pair {ScriptEvent_FlaggedId1(MITCHELL), 0x2e61cd91u},
                                          std::pair {ScriptEvent_FlaggedId2(MITCHELL), 0xb0b60d39u}}) {
        _IfEvent(oEvent);
        _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_GUARDS_DONE), IsFalse(VARBOOL_QUEST_C8_CONSIGNMENT01)));
        ApproachGuard(MITCHELL, WP_SENT_BACK);
        _ElseMatch();
        ApproachGuard(MITCHELL, WP_BY_MITCHELL);
        _EndMatch();
        Dialog(uDialog);
        _EndMatch();
    }
    FlyingSilhouetteOn(MITCHELL);
}

void SceneScript_bg204::FlyingSilhouetteOn(uint32_t uGuard)
{
    // The flying silhouette from the canopy, once; else they only laugh at
    // it. One chain, as the trick itself sets what the refusal tests.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(uGuard, ItemNamed("ITEM_FLYING_SILHOUETTE")));
    _IfMatch(Both(IsTrue(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY), IsFalse(VARBOOL_BG204_C08_EVENT_FLYING_SILHOUETTE)));
    BuildFlyingSilhouetteActions();
    _ElseMatch();
    Dialog(SILHOUETTE_DIALOG);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg204::DiegoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, 0xed1a344a);

    // Diego on a guard: only for the consignment, and once; otherwise the
    // handler takes the item and nothing happens.
    for (const uint32_t uGuard : {static_cast<uint32_t>(DINSDALE), static_cast<uint32_t>(MITCHELL)}) {
        _IfEvent(ScriptEvent_ItemOnFlaggedId3(uGuard, ItemNamed("ITEM_DIEGO")));
        _IfMatch(DiegoCanSendThemAway());
        BuildDiegoOnGuardActions();
        _EndMatch();
        _EndMatch();
    }

    WalkAndTalk(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_BY_DIEGO, 0x9f2e2927);
}

void SceneScript_bg204::TouchEvents()
{
    // Touch a region before the guards or their door: they stop her and she
    // steps back, all at once.
    for (const auto& [iRegion, iWaypoint, uDialog] :
         {std::tuple {Object("m_walk_past_guard_door"), WP_BEFORE_THE_DOOR, NOT_THROUGH_THE_DOOR},
          std::tuple {Object("m_walk_past_guards"), WP_BEFORE_THE_GUARDS, 0x3e694710u}}) {
        _IfMatch(MatchExpr::MakeEvent4(HEROINE, iRegion));
        _IfMatch(GuardsStopHer());
        Together();
        GoTo(HEROINE, iWaypoint);
        Dialog(uDialog);
        WalkTo(HEROINE, WP_SENT_BACK);
        Apart();
        _EndMatch();
        _EndMatch();
    }
}

void SceneScript_bg204::PriestsHouseEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("priests_house")), HEROINE, WP_BEFORE_THE_HOUSE, 0x0d4fa4e2);
}

void SceneScript_bg204::TrellisEvents()
{
    const int32_t iTrellis = Object("rose_trellis");

    // Look at the trellis, from below or from the top.
    _IfEvent(ScriptEvent_Object1(iTrellis));
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 0);
    GoTo(HEROINE, WP_FOOT_OF_THE_TRELLIS);
    _ElseMatch();
    GoTo(HEROINE, WP_TOP_OF_THE_TRELLIS);
    _EndMatch();
    Dialog(TRELLIS_DIALOG);
    _EndMatch();

    // Activate the trellis: up onto the canopy or down again, one chain so
    // that one use is one climb. The first climb overhears the guards.
    _IfMatch(MatchExpr::MakeEvent0(iTrellis));
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 0);
    GoTo(HEROINE, WP_FOOT_OF_THE_TRELLIS);
    SetBoolVar(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, true);
    CutOffTheStreet();
    Together();
    Sound(HEROINE, CLIMB_UP_SOUND, 1518);
    PushAnimAction(HEROINE, "climbuproses", 0, 1);
    Apart();
    Play(HEROINE, "g_idle_l");
    // The figures carry no root motion: she is set where the climb ends.
    Place(HEROINE, WP_TOP_OF_THE_TRELLIS);
    _IfBool(VARBOOL_BG204_C08_INT_ROSE_TRELLIS, 0);
    TurnToward(MITCHELL, DINSDALE);
    TurnToward(DINSDALE, MITCHELL);
    Play(DINSDALE, "guarding_idle_l");
    Dialog(0x2931a920);
    GoTo(MITCHELL, WP_MITCHELL);
    GoTo(DINSDALE, WP_DINSDALE);
    Play(DINSDALE, "guarding_idle_l");
    SetBoolVar(VARBOOL_BG204_C08_INT_ROSE_TRELLIS, true);
    _EndMatch();
    _ElseMatch();
    _IfBool(VARBOOL_QUEST_C8_GUARDS_DONE, 1);
    _IfBool(VARBOOL_BG204_C08_PICK_WOODEN_POLE, 1);
    ClimbDown(true, false);
    _ElseMatch();
    ClimbDown(true, true);
    _EndMatch();
    _ElseMatch();
    ClimbDown(false, false);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg204::ClimbDown(bool bPriestsDoor, bool bShowPole)
{
    const int32_t iBarrier = Object("m_barrier_02");
    GoTo(HEROINE, WP_TOP_OF_THE_TRELLIS);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Together();
    Sound(HEROINE, CLIMB_DOWN_SOUND, 1056);
    PushAnimAction(HEROINE, "climbdownroses", 0, 1);
    Wait(iBarrier, 1600);
    ShowObject(iBarrier, false);
    Apart();
    Play(HEROINE, "g_idle_l");
    // The figures carry no root motion: she is set where the climb ends.
    Place(HEROINE, WP_FOOT_OF_THE_TRELLIS);
    AddToQueue(HEROINE, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    SetBoolVar(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, false);
    SetBoolVar(VARBOOL_ACTIVE_MAP, true);
    WalkOnly(HEROINE, false);
    ShowObject(iBarrier, true);
    if (bPriestsDoor) {
        // While the priest stands in it, his door is his to answer: climbing
        // down does not send her to knock on it, into him.
        _IfMatch(PriestAtHisDoor());
        SetInteractive(Object("priests_door"), false);
        _ElseMatch();
        SetInteractive(Object("priests_door"), true);
        _EndMatch();
    }
    ShowObject(Object("i_wooden_pole"), bShowPole);
    SetInteractive(Object("wooden_pole"), bShowPole);
    _IfBool(VARBOOL_QUEST_C8_TURTLE_INN03, 1);
    SetInteractive(Object("goto_bg206"), true);
    _EndMatch();
    SetInteractive(Object("goto_bg205"), true);
    SetInteractive(Object("goto_cr_map"), true);
}

void SceneScript_bg204::DrakesWindowEvents()
{
    // Activate Drake's window: shut, from below or from the canopy.
    _IfMatch(MatchExpr::MakeEvent0(Object("drakes_window")));
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 0);
    GoTo(HEROINE, WP_START);
    _ElseMatch();
    GoTo(HEROINE, WP_BY_DRAKES_WINDOW);
    Sound(HEROINE, DRAKES_WINDOW_SOUND, 1056);
    Play(HEROINE, "g_dooropenfailure02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
    Dialog(DRAKES_WINDOW_DIALOG);
    _EndMatch();
}

void SceneScript_bg204::PoleEvents()
{
    const int32_t iPole = Object("wooden_pole");
    WalkAndTalk(ScriptEvent_Object1(iPole), HEROINE, WP_POLE, 0x35452116);

    // Activate the pole: she picks it up off the ground.
    _IfMatch(MatchExpr::MakeEvent0(iPole));
    GoTo(HEROINE, WP_POLE);
    PickUp<Reach::Low>(HEROINE, Object("i_wooden_pole"), ItemNamed("ITEM_WOODEN_POLE"));
    SetInteractive(iPole, false);
    SetBoolVar(VARBOOL_BG204_C08_PICK_WOODEN_POLE, true);
    _EndMatch();

    LookAndActivate(Object("priests_door"), HEROINE, WP_PRIESTS_DOOR, 0x0b595636, 0x4f3a8d0e);
}

void SceneScript_bg204::BuildGoToPriestsWindowActions()
{
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 0);
    GoTo(HEROINE, WP_BELOW_THE_PRIESTS_WINDOW);
    _ElseMatch();
    GoTo(HEROINE, WP_BY_THE_PRIESTS_WINDOW);
    _EndMatch();
}

void SceneScript_bg204::PriestsWindowEvents()
{
    const int32_t iWindow = Object("priests_window");

    // Look at the priest's window: from below she looks up at it.
    _IfEvent(ScriptEvent_Object1(iWindow));
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 0);
    GoTo(HEROINE, WP_BELOW_THE_PRIESTS_WINDOW);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    _ElseMatch();
    GoTo(HEROINE, WP_BY_THE_PRIESTS_WINDOW);
    _EndMatch();
    Dialog(PRIESTS_WINDOW_DIALOG);
    _EndMatch();

    // Activate it, or try an item on it that will not do.
    _IfMatch(MatchExpr::MakeEvent0(iWindow));
    BuildGoToPriestsWindowActions();
    Dialog(0x64a82579);
    _EndMatch();
    for (const auto& [uItem, uDialog] : {std::pair {ItemNamed("ITEM_FLYING_SILHOUETTE"), 0x177f3b2cu},
                                         std::pair {ItemNamed("ITEM_BLOCKED_BLOW_PIPE"), 0x5f52d407u},
                                         std::pair {ItemNamed("ITEM_BLOW_PIPE"), 0x629eda3au},
                                         std::pair {ItemNamed("ITEM_WILD_BERRIES"), 0x95577ca8u}}) {
        _IfEvent(ScriptEvent_ItemOnObject3(iWindow, uItem));
        BuildGoToPriestsWindowActions();
        Dialog(uDialog);
        _EndMatch();
    }

    // The loaded blow pipe, from the canopy: the dart splashes on the window
    // and the priest comes to it. One chain, as the shot takes her off the
    // canopy; once his part is over the pipe does nothing here.
    _IfEvent(ScriptEvent_ItemOnObject3(iWindow, ItemNamed("ITEM_LOADED_BLOW_PIPE")));
    _IfBool(VARBOOL_QUEST_C8_JUSTICE02_DONE, 0);
    _IfBool(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, 1);
    const int32_t iSplash = Object("fx_pipesplash");
    BuildGoToPriestsWindowActions();
    Dialog(LOADED_BLOW_PIPE_DIALOG);
    Play(HEROINE, "blowpipe01");
    PushAddAttachment(HEROINE, AttachmentNamed("blow_pipe"), BONE_RIGHT_HAND);
    Together();
    Play(HEROINE, "blowpipe02");
    Wait(iSplash, 1000);
    ShowObject(iSplash, true);
    PushHashAction23(iSplash, SPLASH);
    ShowObject(iSplash, false);
    Apart();
    PushRemoveAttachment(HEROINE, AttachmentNamed("blow_pipe"));
    Play(HEROINE, "blowpipe03");
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_LOADED_BLOW_PIPE"));
    Give(HEROINE, ItemNamed("ITEM_BLOW_PIPE"));
    Place(PRIEST, WP_PRIEST_INSIDE);
    ShowObject(PRIEST, true);
    GoTo(PRIEST, WP_PRIEST_AT_HIS_WINDOW);
    PushHashAction23(Object("o_window"), WINDOW_OPENING);
    Dialog(0x8396787c);
    PushHashAction23(Object("o_window"), WINDOW_SHUT);
    SetBoolVar(VARBOOL_BG204_C08_TAVRINE_ON_CANOPY, false);
    Play(PRIEST, "iturnback");
    GoToScene(THIS_SCENE);
    _ElseMatch();
    BuildGoToPriestsWindowActions();
    Dialog(LOADED_BLOW_PIPE_DIALOG);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg204::PriestEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(PRIEST), HEROINE, WP_BEFORE_THE_PRIEST, 0x08b2184f);
    WalkAndTalk(ScriptEvent_FlaggedId2(PRIEST), HEROINE, WP_BEFORE_THE_PRIEST, 0x3bc331b7);
}

void SceneScript_bg204::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");

    // Callback: the priest hands over the shovel blade.
    _IfEvent(OnCallback(0xc0cd11cc));
    Together();
    Play(PRIEST, "give");
    Play(PRIEST, "idle_l");
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_idle_l");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_SHOVEL_BLADE"));
    _EndMatch();

    // Callback: she knocks at the priest's door.
    _IfEvent(OnCallback(0x8a38f1fb));
    Sound(HEROINE, KNOCK_SOUND, 858);
    Play(HEROINE, "g_doorknock");
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    PlayGesture(OnCallback(0x773e252b), HEROINE, "g_lookup", "g_idle_l");
}

void SceneScript_bg204::GuardCallbacks()
{
    PlayGesture(OnCallback(0xc6872627), MITCHELL, "g_talk_l");
    PlayGesture(OnCallback(0x913b0ea0), MITCHELL, "idle_l");
    PlayGesture(OnCallback(0x3176793d), DINSDALE, "guardingtalk_l");
    PlayGesture(OnCallback(0x12b5e535), DINSDALE, "guarding_idle_l");
    PlayGesture(OnCallback(0x307eab85), DINSDALE, "guardinggetlost", "guarding_idle_l");

    // Callbacks: the guards stop her on her way to the priest's door or to
    // Drake's, and let go again; standing up again they talk plainly.
    struct Stop {
        uint32_t uStop;
        uint32_t uLetGo;
        AnimationOf<"dinsdale"> oStop;
        AnimationOf<"dinsdale"> oStopHeld;
        AnimationOf<"dinsdale"> oLetGo;
    };
    for (const Stop& stop :
         {Stop {0x7fa76cf6, 0x1a0043dc, "stoptavrinetopriest01", "stoptavrinetopriest02_l", "stoptavrinetopriest03"},
          Stop {0x80ca4619, 0x5b1428e0, "stoptavrinetodrake01", "stoptavrinetodrake02_l", "stoptavrinetodrake03"}}) {
        _IfEvent(OnCallback(stop.uStop));
        Together();
        Play(MITCHELL, "stoptavrinetalk_01");
        Play(MITCHELL, "stoptavrinetalk_02_l");
        _IfBool(VARBOOL_QUEST_C8_GUARDS_DONE, 0);
        PushAnimAction11(DINSDALE, stop.oStop.m_iId, 0);
        PushAnimAction11(DINSDALE, stop.oStopHeld.m_iId, 1);
        _ElseMatch();
        Play(DINSDALE, "g_talk_l");
        _EndMatch();
        Apart();
        _EndMatch();

        _IfEvent(OnCallback(stop.uLetGo));
        Together();
        Play(MITCHELL, "stoptavrinetalk_03");
        Play(MITCHELL, "idle_l");
        _IfBool(VARBOOL_QUEST_C8_GUARDS_DONE, 0);
        PushAnimAction11(DINSDALE, stop.oLetGo.m_iId, 0);
        Play(DINSDALE, "guarding_idle_l");
        _ElseMatch();
        Play(DINSDALE, "idle_l");
        _EndMatch();
        Apart();
        _EndMatch();
    }
}

void SceneScript_bg204::DiegoCallbacks()
{
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");

    // Callback: Diego steps up to the guards.
    _IfEvent(OnCallback(0xd751a629));
    GoTo(DIEGO, WP_DIEGO_BEFORE_THE_GUARDS);
    TurnToward(HEROINE, MITCHELL);
    _EndMatch();

    // Callback: at his order the guards march off down the road.
    _IfEvent(OnCallback(0x898cfd60));
    GoTo(MITCHELL, WP_MITCHELL);
    GoTo(DINSDALE, WP_DINSDALE);
    Together();
    Sound(DIEGO, DIEGO_SOUND, 594);
    Play(DIEGO, "forcepatrol01");
    Play(DIEGO, "g_idle_l");
    PushAnimAction(DINSDALE, "forcepatrol01", 0, 1);
    PushAnimAction(MITCHELL, "forcepatrol01", 0, 1);
    Play(MITCHELL, "walk_l");
    Play(DINSDALE, "walk_l");
    GoTo(DINSDALE, WP_TO_THE_INN);
    GoTo(MITCHELL, WP_MITCHELL_OFF_TO_THE_INN);
    GoTo(DIEGO, WP_DIEGO);
    Apart();
    _EndMatch();

    // Callback: the guards turn to each other and talk.
    _IfEvent(OnCallback(0xe7d76630));
    TurnToward(MITCHELL, DINSDALE);
    TurnToward(DINSDALE, MITCHELL);
    Play(MITCHELL, "g_talk_l");
    Play(DINSDALE, "g_talk_l");
    _EndMatch();
}

void SceneScript_bg204::PriestCallbacks()
{
    PlayGesture(OnCallback(0x6ecad21e), PRIEST, "talk_l");
    PlayGesture(OnCallback(0x330f7815), PRIEST, "idle_l");

    // Callback: he leaves the window and comes down to his door.
    _IfEvent(OnCallback(0xd07effc3));
    Play(HEROINE, "g_idle_l");
    PushAnimAction(PRIEST, "iturnback", 0, 1);
    Play(PRIEST, "idle_l");
    Together();
    Sound(PRIEST, PRIEST_SOUND, 1400);
    GoTo(PRIEST, WP_PRIEST_GOING_DOWN);
    Apart();
    ShowObject(PRIEST, false);
    Wait(PRIEST, 2000);
    ShowObject(PRIEST, true);
    GoTo(PRIEST, WP_PRIEST_AT_HIS_DOOR);
    _EndMatch();
}

void SceneScript_bg204::BuildFlyingSilhouetteActions()
{
    // The first time the movie plays; back from it, the guards lie senseless
    // and she stands on the canopy's edge.
    _IfBool(VARBOOL_BG204_C08_EVENT_FLYING_SILHOUETTE, 0);
    GoTo(HEROINE, WP_OVER_THE_GUARDS);
    SetBoolVar(VARBOOL_BG204_C08_EVENT_FLYING_SILHOUETTE, true);
    SetBoolVar(VARBOOL_QUEST_C8_GUARDS_DONE, true);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_CINE06));
    _ElseMatch();
    _IfBool(VARBOOL_QUEST_C8_GHOST_DONE, 0);
    Place(HEROINE, WP_OVER_THE_GUARDS);
    Dialog(SILHOUETTE_DIALOG);
    SetInteractive(Object("priests_house"), false);
    SetInteractive(Object("priests_window"), true);
    SetInteractive(Object("priests_door"), false);
    ShowObject(Object("i_wooden_pole"), true);
    SetInteractive(Object("wooden_pole"), false);
    SetInteractive(Object("goto_bg205"), false);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    SetBoolVar(VARBOOL_QUEST_C8_GHOST_DONE, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg204::BuildDiegoOnGuardActions()
{
    WalkTo(HEROINE, WP_BY_DIEGO);
    TurnToward(HEROINE, DIEGO);
    TurnToward(DIEGO, HEROINE);
    Dialog(0xdc4f9b3b);
    ShowAndActivate(DINSDALE, false);
    ShowAndActivate(MITCHELL, false);
    SetBoolVar(VARBOOL_BG204_C08_USE_DIEGO_ON_GUARD, true);
}

} // namespace

// Scene 25, bg204_CR_DrakesOfficeExterior.
REGISTER_SCENE_SCRIPT(bg204, 25);
