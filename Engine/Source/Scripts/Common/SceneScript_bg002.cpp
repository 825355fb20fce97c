// The corridor of the Winsome Maid (scene 6, bg002_WM_Corridor): the hub
// between the heroine's cabin, Alessandro's cabin, the privy and the
// gangway ashore. Chapter 2: the dull plate and the empty cabin. Chapters 4,
// 5, 6 and 9: Diego, whose talks take the pair ashore. Chapter 6: the small
// hammer, the blood bandage and the tsetse fly let loose at Alessandro's
// door. Chapter 8: Nacho scrubs the floor and writes a witness account, and
// a sheet lies in the clothes hamper.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <iterator>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg002_6>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"nacho"> NACHO;
constexpr ActorNamed<"boat_windsome_maid"> BOAT;

// Waypoints of the corridor.
constexpr int32_t WP_CABIN_DOOR = 0;
constexpr int32_t WP_ALESSANDROS_DOOR = 1;
constexpr int32_t WP_GANGWAY = 2;
constexpr int32_t WP_DIEGO = 4;
constexpr int32_t WP_BY_DIEGO = 5;
constexpr int32_t WP_BY_NACHO = 6;
constexpr int32_t WP_NACHO_SCRUBBING = 7;
constexpr int32_t WP_NACHO_STANDING = 8;
constexpr int32_t WP_PUSHED_OUT = 10;
constexpr int32_t WP_PLATE = 13;
constexpr int32_t WP_BEFORE_CABIN_DOOR = 14;
constexpr int32_t WP_BEFORE_ALESSANDROS_DOOR = 15;
constexpr int32_t WP_DOCK_EXIT = 16;
constexpr int32_t WP_PRIVY = 18;
constexpr int32_t WP_HAMMER = 19;
constexpr int32_t WP_HAMPER = 21;
constexpr int32_t WP_BRISCOES_DOOR = 29;
constexpr int32_t WP_CABIN_ACROSS = 30;
constexpr int32_t WP_POSTER = 31;

// Walk-mesh blocker: the wet floor where Nacho scrubs in chapter 8.
constexpr int32_t WET_FLOOR_BLOCKER = 0;

// Alessandro's door: shut, and ajar while the fly goes in.
constexpr uint32_t DOOR_SHUT = 0xc2ba2457;
constexpr uint32_t DOOR_AJAR = 0xfe01e364;

// Sounds: the ship's creaking, the plate picked up, the fly's buzz, the pen.
constexpr uint32_t SHIP_AMBIENCE = 0x68afb457;
constexpr uint32_t PLATE_SOUND = 0x6d2ee7d4;
constexpr uint32_t FLY_SOUND = 0x4ebf2bae;
constexpr uint32_t PEN_SOUND = 0x01bd4eef;

// The scenes the corridor leads to and is entered from.
constexpr int32_t TAVRINES_CABIN = 5;    // bg001_WM_TavrinesCabin
constexpr int32_t ALESSANDROS_CABIN = 7; // bg003_WM_AlessandrosCabin
constexpr int32_t ALESSANDROS_NIGHT = 8; // bg004_WM_AlessandrosCabin_N
constexpr int32_t BURIAL_CHAMBER = 42;   // bg404_TA_BurialChamber
constexpr int32_t WORLD_MAP = 57;        // bg911_WorldMap
constexpr int32_t TOWN_SQUARE = 29;      // bg302_HO_TownSquareA
constexpr int32_t CASTILLO_HOUSE = 20;   // bg112_BO_CastilloHouseExterior_A
constexpr int32_t JETTY_AND_CLIFF = 39;  // bg401_TA_JetyAndCliff
constexpr int32_t BEAUTY_BAY = 43;       // bg501_TU_BeautyBay
// Ashore at each island the ship may lie at, by VARINT_LOCAL_ISLAND_MAP:
// bg105_BO_Docks, bg201_CR_Docks, bg301_HO_Jety, bg401_TA_JetyAndCliff,
// bg501_TU_BeautyBay.
constexpr int32_t ASHORE[] = {13, 22, 28, 39, 43};
// Those that come down the gangway: the five docks, the world map and the
// cut-scene placeholder (bg991_cine_placeholder).
constexpr int32_t DOWN_THE_GANGWAY[] = {13, 22, 28, 39, 43, 57, 59};

// Diego and the heroine leave the ship together.
struct Departure {
    int32_t iChapter;
    // The talk that sends them; -1: none.
    int32_t iTalkFlag;
    // The island the ship must lie at; -1: any.
    int32_t iIsland;
    // Set once they have gone, and tested so that they go once; -1: none.
    int32_t iGoneFlag;
    // How long the heroine lets him go first.
    int32_t iHeroineWaits;
    int32_t iScene;
};

class SceneScript_bg002 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void EnterChapter2();
    void EnterChapter6();
    void EnterChapter8();
    void ArriveFrom();
    void PendingTalks();
    // The four ways Diego takes the heroine ashore, wherever a talk or an
    // entry may have made one due.
    void BuildDiegoDepartures();
    void Depart(const Departure& oDeparture);

    void PlateEvents();
    void HammerAndPrivyEvents();
    void CabinEvents();
    void FlyEvents();
    void DiegoEvents();
    void HeroineCallbacks();
    void HamperEvents();
    void NachoEvents();

    // Marks Nacho's exit: once he has written his report, he is gone after
    // the heroine's next exit.
    void MarkNachosExit();
};

void SceneScript_bg002::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg002_chapter_02"), InChapter(2));
    LinkSoundGroup(SoundGroupNamed("bg002_chapter_06"), InChapter(6));
    LinkSoundGroup(SoundGroupNamed("bg002_chapter_08"), InChapter(8));
    // The chapters without content of their own share a group without a name.
    MatchExpr oOther = InChapter(1);
    for (int32_t iChapter : {3, 4, 5, 7, 9, 10})
        oOther = MatchExpression(Op_Or, oOther, InChapter(iChapter));
    LinkSoundGroup(0x46cae905, oOther);
}

void SceneScript_bg002::BuildEnterActions()
{
    PlayAmbience(SHIP_AMBIENCE);
    SetSceneDirection(9);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    Place(HEROINE, WP_CABIN_DOOR);
    Place(DIEGO, WP_DIEGO);
    Place(NACHO, WP_NACHO_SCRUBBING);
    ResetObjects();

    _IfMatch(InChapter(2));
    EnterChapter2();
    _EndMatch();
    _IfMatch(InChapter(4));
    _IfBool(VARBOOL_BG002_C04_DIEGO_NOT_HERE, 0);
    ShowAndActivate(DIEGO, true);
    _EndMatch();
    _EndMatch();
    _IfMatch(InChapter(5));
    _IfMatch(MatchExpression(Op_Or, IsFalse(VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE),
                             IsTrue(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR)));
    ShowAndActivate(DIEGO, true);
    _EndMatch();
    _EndMatch();
    _IfMatch(InChapter(6));
    EnterChapter6();
    _EndMatch();
    _IfMatch(InChapter(8));
    EnterChapter8();
    _EndMatch();
    _IfMatch(InChapter(9));
    _IfBool(VARBOOL_BG002_C09_DIEGO_NOT_HERE, 0);
    ShowAndActivate(DIEGO, true);
    _ElseMatch();
    ShowAndActivate(DIEGO, false);
    _EndMatch();
    _EndMatch();

    ArriveFrom();
    BuildDiegoDepartures();
    PendingTalks();
}

void SceneScript_bg002::ResetObjects()
{
    ShowObject(Object("o_wall_arm"), false);
    ShowObject(Object("i_dull_plate"), false);
    SetInteractive(Object("dull_plate"), false);
    ShowObject(Object("o_police_line"), false);
    ShowObject(Object("o_clou"), false);
    ShowObject(Object("i_small_hammer"), false);
    SetInteractive(Object("small_hammer"), false);
    PushHashAction23(Object("m_porte"), DOOR_SHUT);
    SetInteractive(Object("privy_door"), false);
    ShowObject(Object("i_sheet"), false);
    ShowObject(Object("o_clothes_hamper"), false);
    ShowObject(Object("o_ombre"), false);
    SetInteractive(Object("clothes_hamper"), false);
    ShowObject(Object("o_paper"), false);
    SetInteractive(Object("empty_cabin"), false);
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(NACHO, false);
}

void SceneScript_bg002::EnterChapter2()
{
    // Briscoe has not come aboard yet: his cabin stands empty.
    SetInteractive(Object("empty_cabin"), true);
    SetInteractive(Object("briscoes_cabin"), false);
    _IfBool(VARBOOL_BG002_C02_PICK_DULL_PLATE, 0);
    ShowObject(Object("i_dull_plate"), true);
    SetInteractive(Object("dull_plate"), true);
    _EndMatch();
}

void SceneScript_bg002::EnterChapter6()
{
    SetInteractive(Object("privy_door"), true);
    ShowObject(Object("o_clou"), true);
    ShowObject(Object("o_police_line"), true);
    _IfBool(VARBOOL_BG002_C06_PICK_SMALL_HAMMER, 0);
    ShowObject(Object("i_small_hammer"), true);
    SetInteractive(Object("small_hammer"), true);
    _EndMatch();
    // Diego waits here until the anchor talk, and again once he is done,
    // unless Alessandro already sleeps.
    _IfMatch(Both(
        MatchExpression(Op_Or, IsFalse(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR), IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE)),
        IsFalse(VARBOOL_BG003_C06_EVENT_ALESSANDRO_SLEEPING)));
    ShowAndActivate(DIEGO, true);
    _EndMatch();
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE), IsFalse(VARBOOL_BG002_C06_GET_BLOOD_BANDAGE)));
    Play(DIEGO, "holdingheadback_idle_l");
    _EndMatch();
}

void SceneScript_bg002::EnterChapter8()
{
    PushAction21(HEROINE, WET_FLOOR_BLOCKER, 1);
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C8_JUSTICE03_DONE), IsFalse(VARBOOL_QUEST_C8_PEDRO04)));
    PushAnimAction(NACHO, "scrubfloor_l", 1, 0);
    ShowAndActivate(NACHO, true);
    _EndMatch();
    _IfMatch(Both(Both(IsTrue(VARBOOL_QUEST_C8_JUSTICE03_DONE), IsTrue(VARBOOL_QUEST_C8_PEDRO04)),
                  IsFalse(VARBOOL_BG002_C08_EXIT_AFTER_NACHO_WRITE)));
    Place(NACHO, WP_NACHO_STANDING);
    ShowAndActivate(NACHO, true);
    _EndMatch();
    _IfBool(VARBOOL_BG002_C08_PICK_SHEET, 0);
    ShowObject(Object("i_sheet"), true);
    ShowObject(Object("o_clothes_hamper"), true);
    SetInteractive(Object("clothes_hamper"), true);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C8_JUSTICE03_DONE, 0);
    ShowObject(Object("o_clothes_hamper"), true);
    ShowObject(Object("o_ombre"), true);
    _ElseMatch();
    ShowObject(Object("i_sheet"), false);
    ShowObject(Object("o_clothes_hamper"), false);
    ShowObject(Object("o_ombre"), false);
    SetInteractive(Object("clothes_hamper"), false);
    _EndMatch();
}

void SceneScript_bg002::ArriveFrom()
{
    // Any other scene (a mini-game or a movie) leaves her at her cabin door.
    _IfMatch(CameFrom(TAVRINES_CABIN));
    Place(HEROINE, WP_CABIN_DOOR);
    _EndMatch();
    for (int32_t iFrom : {ALESSANDROS_CABIN, ALESSANDROS_NIGHT}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ALESSANDROS_DOOR);
        _EndMatch();
    }
    for (int32_t iFrom : DOWN_THE_GANGWAY) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_GANGWAY);
        _EndMatch();
    }
    _IfMatch(CameFrom(BURIAL_CHAMBER));
    Place(HEROINE, WP_GANGWAY);
    Dialog(0x7c813c14);
    _EndMatch();
}

void SceneScript_bg002::BuildDiegoDepartures()
{
    const Departure departures[] = {
        {4, VARBOOL_BG002_C04_TALK_DIEGO_ABOUT_HILARY, 2, VARBOOL_BG002_C04_DIEGO_NOT_HERE, 400, TOWN_SQUARE},
        {5, VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE, -1, -1, 500, CASTILLO_HOUSE},
        {6, VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR, 3, VARBOOL_BG002_C06_DIEGO_NOT_HERE, 400, JETTY_AND_CLIFF},
        {9, VARBOOL_BG002_C09_TALK_DIEGO_ABOUT_AXE, 4, VARBOOL_BG002_C09_DIEGO_NOT_HERE, 400, BEAUTY_BAY},
    };
    for (const Departure& oDeparture : departures)
        Depart(oDeparture);
}

void SceneScript_bg002::Depart(const Departure& oDeparture)
{
    MatchExpr oWhen = Both(InChapter(oDeparture.iChapter), IsTrue(oDeparture.iTalkFlag));
    if (oDeparture.iIsland >= 0)
        oWhen = Both(oWhen, MatchExpr::Int(VARINT_LOCAL_ISLAND_MAP, Op_IntEqual, oDeparture.iIsland));
    if (oDeparture.iGoneFlag >= 0)
        oWhen = Both(oWhen, IsFalse(oDeparture.iGoneFlag));
    else
        // In chapter 5 nothing here marks him gone: scene 20 opening its door does.
        oWhen = Both(oWhen, IsFalse(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR));
    _IfMatch(oWhen);
    if (oDeparture.iChapter == 5)
        Give(HEROINE, ItemNamed("ITEM_DIEGO"));
    // The two set off together; the scene changes while they still walk.
    Together();
    GoTo(DIEGO, WP_DOCK_EXIT);
    Wait(HEROINE, oDeparture.iHeroineWaits);
    GoTo(HEROINE, WP_DOCK_EXIT);
    Apart();
    if (oDeparture.iChapter == 4) {
        SetIntVar(VARINT_DIEGO_SCENE, 2);
        SetBoolVar(VARBOOL_BG302_C04_DIEGO_HERE, true);
    }
    if (oDeparture.iGoneFlag >= 0)
        SetBoolVar(oDeparture.iGoneFlag, true);
    GoToScene(oDeparture.iScene);
    _EndMatch();
}

void SceneScript_bg002::PendingTalks()
{
    // Alessandro has pushed her out of his cabin.
    _IfBool(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA, 1);
    ShowObject(Object("m_porte"), false);
    PushAnimAction(HEROINE, "pushedout", 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_PUSHED_OUT);
    ShowObject(Object("m_porte"), true);
    Dialog(0xbe73313d);
    SetBoolVar(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_BONITA, false);
    _EndMatch();

    _IfBool(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_OLD_HOUSE, 1);
    GoTo(HEROINE, WP_BY_DIEGO);
    Dialog(0x47ee8128);
    SetBoolVar(VARBOOL_BG003_C05_TALK_ALESSANDRO_ABOUT_OLD_HOUSE, false);
    _EndMatch();

    // After the sign in her cabin, Diego and she talk of Bounty Island.
    _IfMatch(Both(IsTrue(VARBOOL_BG001_C06_EVENT_THE_SIGN), IsFalse(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_BOUNTY_ISLAND)));
    GoTo(HEROINE, WP_BY_DIEGO);
    Dialog(0xcbde0b05);
    SetBoolVar(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_BOUNTY_ISLAND, true);
    _EndMatch();
}

void SceneScript_bg002::BuildExitEvents()
{
    // Activate "goto_bg001": her cabin. In chapter 2 it stays shut until she
    // has met the crew.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg001")));
    GoTo(HEROINE, WP_BEFORE_CABIN_DOOR);
    Dialog(0x24513cbc);
    _IfMatch(InChapter(2));
    _IfBool(VARBOOL_QUEST_C2_CREW01, 1);
    GoToScene(TAVRINES_CABIN);
    Play(HEROINE, "g_dooropenfailure02");
    _EndMatch();
    _ElseMatch();
    MarkNachosExit();
    GoToScene(TAVRINES_CABIN);
    Play(HEROINE, "g_dooropenfailure02");
    _EndMatch();
    _EndMatch();

    // Activate "goto_bg003": Alessandro's cabin, by night at island 1.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg003")));
    GoTo(HEROINE, WP_BEFORE_ALESSANDROS_DOOR);
    Play(HEROINE, "g_reachdoorhandle");
    _IfInt(VARINT_LOCAL_ISLAND_MAP, Op_IntEqual, 1);
    MarkNachosExit();
    GoToScene(ALESSANDROS_NIGHT);
    _ElseMatch();
    MarkNachosExit();
    GoToScene(ALESSANDROS_CABIN);
    _EndMatch();
    _EndMatch();

    // Activate "goto_main_dock": up the gangway.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_main_dock")));
    GoTo(HEROINE, WP_DOCK_EXIT);
    // In chapter 6, once the turtle rod is done, the ship must sail first:
    // until the sign has been seen, and at island 0 after it.
    _IfMatch(Both(Both(InChapter(6), IsTrue(VARBOOL_QUEST_C6_TURTLEROD_DONE)),
                  MatchExpression(Op_Or, IsFalse(VARBOOL_BG001_C06_EVENT_THE_SIGN),
                                  MatchExpr::Int(VARINT_LOCAL_ISLAND_MAP, Op_IntEqual, 0))));
    GoTo(HEROINE, WP_GANGWAY);
    Play(HEROINE, "g_impatience");
    Play(HEROINE, "g_idle_l");
    _IfBool(VARBOOL_BG001_C06_EVENT_THE_SIGN, 0);
    Dialog(0x7c813c14);
    _ElseMatch();
    Dialog(0x56dcb433);
    _EndMatch();
    _ElseMatch();
    Dialog(0xe6d4cd74);
    // One answer, one scene change: the world map wins over going ashore,
    // and neither answer is kept for the next visit.
    _IfBool(VARBOOL_BG002_GOTO_WORLD_MAP, 1);
    SetBoolVar(VARBOOL_BG002_GOTO_WORLD_MAP, false);
    SetBoolVar(VARBOOL_BG002_GOTO_LOCAL_ISLAND, false);
    SetPlayingCharacter(BOAT);
    MarkNachosExit();
    GoToScene(WORLD_MAP);
    Play(HEROINE, "bbinnstartwalkstairs");
    _ElseMatch();
    _IfBool(VARBOOL_BG002_GOTO_LOCAL_ISLAND, 1);
    SetBoolVar(VARBOOL_BG002_GOTO_WORLD_MAP, false);
    SetBoolVar(VARBOOL_BG002_GOTO_LOCAL_ISLAND, false);
    for (int32_t iIsland = 0; iIsland < static_cast<int32_t>(std::size(ASHORE)); ++iIsland) {
        _IfInt(VARINT_LOCAL_ISLAND_MAP, Op_IntEqual, iIsland);
        MarkNachosExit();
        GoToScene(ASHORE[iIsland]);
        _EndMatch();
    }
    Play(HEROINE, "bbinnstartwalkstairs");
    _EndMatch();
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg002::BuildEvents()
{
    PlateEvents();
    HammerAndPrivyEvents();
    CabinEvents();
    FlyEvents();
    DiegoEvents();
    HeroineCallbacks();
    HamperEvents();
    NachoEvents();
    LookAndActivate(Object("poster"), HEROINE, WP_POSTER, 0x4f1a4b6e, 0x55adec83);
}

void SceneScript_bg002::PlateEvents()
{
    // Look "dull_plate".
    _IfEvent(ScriptEvent_Object1(Object("dull_plate")));
    _IfBool(VARBOOL_BG002_C02_PICK_DULL_PLATE, 0);
    GoTo(HEROINE, WP_PLATE);
    Dialog(0x964bdc24);
    _EndMatch();
    _EndMatch();

    // Activate "dull_plate": she picks it up.
    _IfMatch(MatchExpr::MakeEvent0(Object("dull_plate")));
    _IfBool(VARBOOL_BG002_C02_PICK_DULL_PLATE, 0);
    GoTo(HEROINE, WP_PLATE);
    Play(HEROINE, "pickplate01");
    Give(HEROINE, ItemNamed("ITEM_DULL_PLATE"));
    EffectSound(PLATE_SOUND);
    ShowObject(Object("i_dull_plate"), false);
    Play(HEROINE, "pickplate02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG002_C02_PICK_DULL_PLATE, true);
    SetInteractive(Object("dull_plate"), false);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg002::HammerAndPrivyEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("small_hammer")), HEROINE, WP_HAMMER, 0x129b97a2);

    // Activate "small_hammer": she picks it up.
    _IfMatch(MatchExpr::MakeEvent0(Object("small_hammer")));
    GoTo(HEROINE, WP_HAMMER);
    PickUp<Reach::Low>(HEROINE, Object("i_small_hammer"), ItemNamed("ITEM_SMALL_HAMMER"));
    SetBoolVar(VARBOOL_BG002_C06_PICK_SMALL_HAMMER, true);
    SetInteractive(Object("small_hammer"), false);
    _EndMatch();

    LookAndActivate(Object("privy_door"), HEROINE, WP_PRIVY, 0xe6e762ef, 0x482371ea);

    // Callback: the privy door will not open.
    PlayGesture(OnCallback(0xff15a909), HEROINE, "g_dooropenfailure02", "g_idle_l");
}

void SceneScript_bg002::CabinEvents()
{
    LookAndActivate(Object("empty_cabin"), HEROINE, WP_CABIN_ACROSS, 0xcb6629c0, 0xbba2195c);
    WalkAndTalk(ScriptEvent_Object1(Object("briscoes_cabin")), HEROINE, WP_CABIN_ACROSS, 0xa241ccac);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("briscoes_cabin")), HEROINE, WP_BRISCOES_DOOR, 0xb3377197);

    // Callback: she knocks at Briscoe's door.
    PlayGesture(OnCallback(0x35344e96), HEROINE, "g_doorknock", "g_idle_l");
}

void SceneScript_bg002::FlyEvents()
{
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("goto_bg003"), ItemNamed("ITEM_TSETSE_FLY")), HEROINE,
                WP_BEFORE_ALESSANDROS_DOOR, 0xa6a8d11c);

    // Callback: she lets the fly out of its bottle and through Alessandro's
    // door.
    _IfEvent(OnCallback(0x94c08250));
    ShowObject(Object("o_wall_arm"), true);
    Play(HEROINE, "releasetzetzefly_01");
    PushAddAttachment(HEROINE, AttachmentNamed("bottle"), BONE_RIGHT_HAND);
    Sound(HEROINE, FLY_SOUND, 594);
    Play(HEROINE, "releasetzetzefly_02");
    PushHashAction23(Object("m_porte"), DOOR_AJAR);
    Play(HEROINE, "releasetzetzefly_03");
    PushHashAction23(Object("m_porte"), DOOR_SHUT);
    Play(HEROINE, "releasetzetzefly_04");
    PushRemoveAttachment(HEROINE, AttachmentNamed("bottle"));
    Play(HEROINE, "releasetzetzefly_05");
    Play(HEROINE, "g_idle_l");
    ShowObject(Object("o_wall_arm"), false);
    Take(HEROINE, ItemNamed("ITEM_TSETSE_FLY"));
    Give(HEROINE, ItemNamed("ITEM_EMPTY_BOTTLE"));
    SetBoolVar(VARBOOL_BG002_C06_USE_TSETSEFLY_ON_ALESSANDROSDOOR, true);
    SetBoolVar(VARBOOL_QUEST_C6_SLEEPY_FLY04_DONE, true);
    _EndMatch();
}

void SceneScript_bg002::DiegoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, 0xe3495507);

    // Talk "diego": the talk may make one of the departures due at once.
    _IfEvent(ScriptEvent_FlaggedId2(DIEGO));
    GoTo(HEROINE, WP_BY_DIEGO);
    Dialog(0x917d486a);
    BuildDiegoDepartures();
    _EndMatch();

    // Callbacks: Diego talks and falls silent, holding his head once he has
    // been hit and has not yet given the bandage.
    const MatchExpr oHoldsHead =
        Both(Both(InChapter(6), IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE)), IsFalse(VARBOOL_BG002_C06_GET_BLOOD_BANDAGE));
    _IfEvent(OnCallback(0x8bbc8e27));
    _IfMatch(oHoldsHead);
    PushAnimAction13(DIEGO, "holdingheadbacktalk_l", 1);
    _ElseMatch();
    PushAnimAction13(DIEGO, "g_talk_l", 1);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x728fd06d));
    _IfMatch(oHoldsHead);
    Play(DIEGO, "holdingheadback_idle_l");
    _ElseMatch();
    Play(DIEGO, "g_idle_l");
    _EndMatch();
    _EndMatch();

    PlayGesture(OnCallback(0xfe0458cd), DIEGO, "g_notwise", "g_idle_l");

    // Callback: Diego hands her the blood-soaked bandage.
    _IfEvent(OnCallback(0xc007392c));
    Together();
    Play(HEROINE, "g_receiveobject");
    Play(DIEGO, "givebandage");
    Play(HEROINE, "g_talk_l");
    Play(DIEGO, "g_talk_l");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_BLOOD_BANDAGE"));
    _EndMatch();

    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(DIEGO, ItemNamed("ITEM_FAUNA_FLORA_BOOK")), HEROINE, WP_BY_DIEGO,
                0x1dad273b);
    WalkAndTalk(ScriptEvent_ItemOnFlaggedId3(DIEGO, ItemNamed("ITEM_TSETSE_FLY")), HEROINE, WP_BY_DIEGO, 0x02935127);
}

void SceneScript_bg002::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x1ad758e8), HEROINE, "g_dlgpolite", "g_talk_l");
    PlayGesture(OnCallback(0x993bbe31), HEROINE, "g_helpless", "g_idle_l");
}

void SceneScript_bg002::HamperEvents()
{
    LookAndActivate(Object("clothes_hamper"), HEROINE, WP_HAMPER, 0x88f06241, 0x3fb613ff);

    // Callback: she takes the sheet out of the hamper.
    _IfEvent(OnCallback(0x231cd59b));
    PickUp<Reach::Middle>(HEROINE, Object("i_sheet"), ItemNamed("ITEM_SHEET"), false);
    SetBoolVar(VARBOOL_BG002_C08_PICK_SHEET, true);
    _EndMatch();
}

void SceneScript_bg002::NachoEvents()
{
    // Look "nacho": she turns to him without waiting for the turn.
    _IfEvent(ScriptEvent_FlaggedId1(NACHO));
    WalkTo(HEROINE, WP_BY_NACHO);
    TurnToward(HEROINE, NACHO);
    Dialog(0xef580534);
    _EndMatch();

    // Talk "nacho": he stops scrubbing, the first times, while she comes up.
    _IfEvent(ScriptEvent_FlaggedId2(NACHO));
    Together();
    _IfBool(VARBOOL_QUEST_C8_PEN_PAPER02_DONE, 0);
    PushAnimAction(NACHO, "stopscrubfloor", 0, 1);
    Play(NACHO, "idle_l");
    Place(NACHO, WP_NACHO_STANDING);
    _EndMatch();
    GoTo(HEROINE, WP_BY_NACHO);
    Apart();
    Dialog(0x9d6c1859);
    _EndMatch();

    // UseItem the writing kit on "nacho": he writes down what he saw, once;
    // the kit stays with her for Alessandro, and a second use would hand her
    // a second account.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(NACHO, ItemNamed("ITEM_WRITING_KIT")));
    _IfBool(VARBOOL_QUEST_C8_PEDRO04, 0);
    Together();
    PushAnimAction(NACHO, "stopscrubfloor", 0, 1);
    Play(NACHO, "idle_l");
    Place(NACHO, WP_NACHO_STANDING);
    GoTo(HEROINE, WP_BY_NACHO);
    Apart();
    SetBoolVar(VARBOOL_QUEST_C8_PEN_PAPER02_DONE, true);
    WaitForAll();
    Together();
    Play(NACHO, "writecrimereport01");
    Play(HEROINE, "g_giveobject");
    Wait(Object("o_paper"), 2475);
    ShowObject(Object("o_paper"), true);
    Sound(NACHO, PEN_SOUND, 462);
    Play(NACHO, "writecrimereport02");
    Wait(Object("o_paper"), 4775);
    ShowObject(Object("o_paper"), false);
    Play(HEROINE, "g_idle_l");
    Play(NACHO, "writecrimereport03");
    Wait(HEROINE, 5050);
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_talk_l");
    Play(NACHO, "idle_l");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_WITNESS_ACCOUNT"));
    Dialog(0xc0940928);
    Play(NACHO, "idle_l");
    SetBoolVar(VARBOOL_QUEST_C8_PEDRO03_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_PEDRO04, true);
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0x1761c598));
    PushAnimAction13(NACHO, "talk_l", 1);
    _EndMatch();

    // Callback: the talk is over; back to the scrubbing, unless he has
    // stopped for good.
    _IfEvent(OnCallback(0xa4a8c824));
    _IfBool(VARBOOL_QUEST_C8_PEN_PAPER02_DONE, 0);
    Place(NACHO, WP_NACHO_SCRUBBING);
    Play(NACHO, "startscrubfloor");
    PushAnimAction(NACHO, "scrubfloor_l", 1, 0);
    _ElseMatch();
    Play(NACHO, "idle_l");
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg002::MarkNachosExit()
{
    _IfBool(VARBOOL_QUEST_C8_PEDRO04, 1);
    SetBoolVar(VARBOOL_BG002_C08_EXIT_AFTER_NACHO_WRITE, true);
    _EndMatch();
}

} // namespace

// Scene 6, bg002_WM_Corridor.
REGISTER_SCENE_SCRIPT(bg002, 6);
