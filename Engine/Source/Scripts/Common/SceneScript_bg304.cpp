// The third town square of Hollow island (scene 31, bg304_HO_TownSquareC),
// between the town hall, the garden gate and the road back to the market.
// Percy keeps a stall here with a bell that calls him down from the garden.
// Chapter 4: the broken bell throws its clapper into the wheelbarrow of
// cement; the net fishes it out, the river washes it, and once mended it
// makes the bell ring true: Percy comes running down and the way to the
// garden opens.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg304_31>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"percy"> PERCY;

// Waypoints of the square.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_PERCY = 1;
constexpr int32_t WP_TOWN_ROAD_END = 2;
constexpr int32_t WP_OFF_THE_TOWN_ROAD = 3;
constexpr int32_t WP_TOWNHALL_DOORWAY = 4;
constexpr int32_t WP_MIDDLE = 5;
constexpr int32_t WP_GARDEN_GATEWAY = 6;
constexpr int32_t WP_ISLAND_ROAD_END = 8;
constexpr int32_t WP_OFF_THE_ISLAND_ROAD = 9;
constexpr int32_t WP_INTO_THE_GARDEN = 10;
constexpr int32_t WP_TOP_OF_THE_STAIRS = 11;
constexpr int32_t WP_FOOT_OF_THE_STAIRS = 12;
constexpr int32_t WP_STEPPED_BACK = 13;
constexpr int32_t WP_STALL = 15;
constexpr int32_t WP_BROKEN_BELL = 16;
constexpr int32_t WP_FIXED_BELL = 17;
constexpr int32_t WP_WHEELBARROW = 18;
constexpr int32_t WP_RIVERBANK = 19;
constexpr int32_t WP_TOWNHALL_DOOR = 20;
constexpr int32_t WP_GARDEN_GATE = 21;
constexpr int32_t WP_TOWN_ROAD = 22;
constexpr int32_t WP_ISLAND_ROAD = 23;
constexpr int32_t WP_CONSTRUCTION = 31;
constexpr int32_t WP_TOWNHALL = 32;

// Walk-mesh blockers: the garden path while Percy is away, his place behind
// the stall while he is here.
constexpr int32_t GARDEN_PATH_BLOCKER = 0;
constexpr int32_t PERCYS_PLACE_BLOCKER = 1;

// Sprite animations: the clapper's flight and its splash into the cement, each
// at rest and played; the garden gate open, and shut while Percy is away.
constexpr uint32_t EJECT_AT_REST = 0x6503d263;
constexpr uint32_t EJECT_FLIGHT = 0xea307301;
constexpr uint32_t SPLASH_AT_REST = 0x2ee4a6f0;
constexpr uint32_t SPLASH = 0x85ed7566;
constexpr uint32_t GATE_OPEN = 0xc99f14fa;
constexpr uint32_t GATE_SHUT = 0x65756327;

// Sounds: the music and the square, the broken and the true bell, the net in
// the cement and the clapper washed.
constexpr uint32_t SQUARE_MUSIC = 0x47e6e6f9;
constexpr uint32_t SQUARE_AMBIENCE = 0x6510503d;
constexpr uint32_t BROKEN_BELL_SOUND = 0x13f7971e;
constexpr uint32_t TRUE_BELL_SOUND = 0x41934162;
constexpr uint32_t FISHING_SOUND = 0x65baf1e5;
constexpr uint32_t WASHING_SOUND = 0x38e56da5;
constexpr int32_t BELL_SOUND_DELAY = 1650;
constexpr int32_t WASHING_SOUND_DELAY = 1980;

// The remark when the garden is not hers to enter.
constexpr uint32_t GARDEN_CLOSED = 0x651c8436;

// The scenes the square leads to and is entered from.
constexpr int32_t JETTY = 28;       // bg301_HO_Jety
constexpr int32_t SQUARE_A = 29;    // bg302_HO_TownSquareA
constexpr int32_t SQUARE_B = 30;    // bg303_HO_TownSquareB
constexpr int32_t RECEPTION = 32;   // bg305_HO_TownHallReception
constexpr int32_t GARDEN = 33;      // bg306_HO_Garden
constexpr int32_t DARK_BEACH = 34;  // bg307_HO_DarkBeach
constexpr int32_t DARK_REEFS = 35;  // bg308_HO_DarkReefs
constexpr int32_t VILLAGE = 36;     // bg309_HO_VoodooVillage
constexpr int32_t CHEMINS_HUT = 38; // bg311_HO_CheminsHut

// The in-game menu's map page.
constexpr int32_t MENU_MAP = 1;

class SceneScript_bg304 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void EnterChapter4();
    void ArriveFrom();

    void BrokenBellEvents();
    void FixedBellEvents();
    void PercyEvents();
    void DialogCallbacks();
    void WheelbarrowEvents();
    void RiverEvents();
    void BuildingEvents();

    // Blocker 0 closes the garden path, blocker 1 Percy's place.
    void GardenPathOpen(bool bOpen);
    // The character the scene follows while Percy runs down.
};

void SceneScript_bg304::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg304_chapter_04"), InChapter(4));
    LinkSoundGroup(0x6b925b81, InEveryChapterBut(4));
}

void SceneScript_bg304::BuildEnterActions()
{
    PlayMusic(SQUARE_MUSIC);
    PlayAmbience(SQUARE_AMBIENCE);
    SetSceneDirection(3);
    ResetObjects();

    _IfMatch(InChapter(4));
    EnterChapter4();
    _EndMatch();

    Place(HEROINE, WP_START);
    Place(PERCY, WP_PERCY);
    ArriveFrom();
}

void SceneScript_bg304::ResetObjects()
{
    ShowObject(Object("fx_bell_eject"), false);
    PushHashAction23(Object("fx_bell_eject"), EJECT_AT_REST);
    ShowObject(Object("fx_bell_plouf"), false);
    PushHashAction23(Object("fx_bell_plouf"), SPLASH_AT_REST);
    ShowObject(Object("m_clapper"), false);
    SetInteractive(Object("percys_bell"), false);
    SetInteractive(Object("percys_fixed_bell"), false);
    SetInteractive(Object("door"), false);
    PushHashAction23(Object("m_door"), GATE_OPEN);
    GardenPathOpen(true);
}

void SceneScript_bg304::EnterChapter4()
{
    SetBoolVar(VARBOOL_HO_MAP_BG304, true);
    ShowObject(Object("m_stall_full"), false);
    // The broken clapper hangs in the bell until it has been rung.
    _IfBool(VARBOOL_QUEST_C4_FIX_BELL, 0);
    ShowObject(Object("m_clapper"), true);
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C4_FIX_BELL_DONE, 0);
    ShowObject(Object("m_repaired_clapper"), false);
    SetInteractive(Object("percys_bell"), true);
    _ElseMatch();
    SetInteractive(Object("percys_fixed_bell"), true);
    _EndMatch();
    // Percy is up in the garden until the true bell calls him down; then he
    // keeps the garden until she has a reason to go in.
    _IfBool(VARBOOL_BG304_C04_PERCY_HERE, 0);
    ShowObject(PERCY, false);
    SetInteractive(PERCY, false);
    PushHashAction23(Object("m_door"), GATE_SHUT);
    GardenPathOpen(false);
    _ElseMatch();
    PushAction21(HEROINE, PERCYS_PLACE_BLOCKER, 1);
    PushHashAction23(Object("m_door"), GATE_OPEN);
    SetInteractive(Object("percys_fixed_bell"), false);
    _IfBool(VARBOOL_QUEST_C4_MISSING_HALF_DISK02, 0);
    SetInteractive(Object("door"), true);
    _EndMatch();
    _EndMatch();
    _IfBool(VARBOOL_QUEST_C4_HILARY_BASE04, 0);
    SetInteractive(Object("goto_hollow_island"), false);
    _EndMatch();
}

void SceneScript_bg304::ArriveFrom()
{
    // Nine separate tests: from the market side, from the town hall, from the
    // garden, from the island's road.
    for (const int32_t iFrom : {JETTY, SQUARE_A, SQUARE_B}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_TOWN_ROAD_END);
        GoTo(HEROINE, WP_OFF_THE_TOWN_ROAD);
        _EndMatch();
    }
    _IfMatch(CameFrom(RECEPTION));
    Place(HEROINE, WP_TOWNHALL_DOORWAY);
    GoTo(HEROINE, WP_MIDDLE);
    _EndMatch();
    _IfMatch(CameFrom(GARDEN));
    Place(HEROINE, WP_GARDEN_GATEWAY);
    GoTo(HEROINE, WP_MIDDLE);
    _EndMatch();
    for (const int32_t iFrom : {DARK_BEACH, DARK_REEFS, VILLAGE, CHEMINS_HUT}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_ISLAND_ROAD_END);
        GoTo(HEROINE, WP_OFF_THE_ISLAND_ROAD);
        _EndMatch();
    }
}

void SceneScript_bg304::BuildExitEvents()
{
    // Activate "goto_bg305": into the town hall.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg305")));
    GoTo(HEROINE, WP_TOWNHALL_DOOR);
    GoToScene(RECEPTION);
    _EndMatch();

    // Activate "goto_bg306": in chapter 4 the garden lets her in only once
    // Percy has opened it and she has a reason to go in; she is turned back
    // otherwise.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg306")));
    _IfMatch(InChapter(4));
    WalkTo(HEROINE, WP_GARDEN_GATE);
    _IfMatch(Both(IsTrue(VARBOOL_BG304_C04_GARDEN_IS_OPEN), IsTrue(VARBOOL_QUEST_C4_MISSING_HALF_DISK02)));
    GoTo(HEROINE, WP_INTO_THE_GARDEN);
    GoToScene(GARDEN);
    _ElseMatch();
    GoTo(HEROINE, WP_GARDEN_GATE);
    Dialog(GARDEN_CLOSED);
    GoTo(HEROINE, WP_MIDDLE);
    _EndMatch();
    _ElseMatch();
    GoTo(HEROINE, WP_INTO_THE_GARDEN);
    GoToScene(GARDEN);
    _EndMatch();
    _EndMatch();

    // Activate "goto_bg303": back to the market.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg303")));
    GoTo(HEROINE, WP_TOWN_ROAD);
    GoToScene(SQUARE_B);
    _EndMatch();

    // Activate "goto_hollow_island": the island's map page.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_hollow_island")));
    GoTo(HEROINE, WP_ISLAND_ROAD);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SHOW_MENU, Param::Int(MENU_MAP));
    _EndMatch();
}

void SceneScript_bg304::BuildEvents()
{
    // Touch "door": the way up to the garden, kept by Percy.
    _IfMatch(MatchExpr::MakeEvent4(HEROINE, Object("door")));
    GoTo(HEROINE, WP_MIDDLE);
    Dialog(GARDEN_CLOSED);
    _EndMatch();

    LookAndActivate(Object("percys_stall"), HEROINE, WP_STALL, 0xd2ea1c7c, 0x6c347f9c);

    BrokenBellEvents();
    FixedBellEvents();
    PercyEvents();
    DialogCallbacks();
    WheelbarrowEvents();
    RiverEvents();
    BuildingEvents();
}

void SceneScript_bg304::BrokenBellEvents()
{
    LookAndActivate(Object("percys_bell"), HEROINE, WP_BROKEN_BELL, 0xa81c76bc, 0x7d6f86ce);

    // Callback: she rings the broken bell; the clapper flies out and lands
    // in the wheelbarrow's cement.
    _IfEvent(OnCallback(0xb3d3422a));
    Sound(HEROINE, BROKEN_BELL_SOUND, BELL_SOUND_DELAY);
    Play(HEROINE, "brokeactivatepercybell01");
    GoTo(HEROINE, WP_BROKEN_BELL);
    PushAnimAction(HEROINE, "brokeactivatepercybell02", 0, 1);
    ShowObject(Object("m_clapper"), false);
    Wait(Object("fx_bell_eject"), 100);
    ShowObject(Object("fx_bell_eject"), true);
    PushHashAction23(Object("fx_bell_eject"), EJECT_FLIGHT);
    ShowObject(Object("fx_bell_eject"), false);
    Wait(Object("fx_bell_plouf"), 1000);
    ShowObject(Object("fx_bell_plouf"), true);
    PushHashAction23(Object("fx_bell_plouf"), SPLASH);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_STEPPED_BACK);
    ShowObject(Object("fx_bell_plouf"), false);
    _EndMatch();

    // UseItem the washed clapper on "percys_bell": it will not hold alone.
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("percys_bell"), ItemNamed("ITEM_CLAPPER")), HEROINE, WP_BROKEN_BELL,
                0xba19e876);

    // UseItem the repaired clapper on "percys_bell": she hangs it in.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("percys_bell"), ItemNamed("ITEM_REPAIRED_CLAPPER")));
    GoTo(HEROINE, WP_BROKEN_BELL);
    Play(HEROINE, "g_leaveobjectmiddlelow01");
    Take(HEROINE, ItemNamed("ITEM_REPAIRED_CLAPPER"));
    ShowObject(Object("m_repaired_clapper"), true);
    Play(HEROINE, "g_leaveobjectmiddlelow02");
    Play(HEROINE, "g_idle_l");
    Dialog(0x371a05e9);
    SetBoolVar(VARBOOL_QUEST_C4_FIX_BELL_DONE, true);
    SetInteractive(Object("percys_fixed_bell"), true);
    SetInteractive(Object("percys_bell"), false);
    _EndMatch();
}

void SceneScript_bg304::FixedBellEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("percys_fixed_bell")), HEROINE, WP_FIXED_BELL, 0x46116c44);

    // Activate "percys_fixed_bell": the bell calls Percy down to his stall,
    // and the garden is open.
    _IfMatch(MatchExpr::MakeEvent0(Object("percys_fixed_bell")));
    GoTo(HEROINE, WP_FIXED_BELL);
    Dialog(0x55a0fa66);
    GoTo(PERCY, WP_PERCY);
    Place(PERCY, WP_PERCY);
    SetInteractive(PERCY, true);
    SelectCharacter(HEROINE);
    PushAction21(HEROINE, GARDEN_PATH_BLOCKER, 0);
    PushAction21(HEROINE, PERCYS_PLACE_BLOCKER, 1);
    SetInteractive(Object("door"), true);
    SetBoolVar(VARBOOL_BG304_C04_GARDEN_IS_OPEN, true);
    SetBoolVar(VARBOOL_BG304_C04_PERCY_HERE, true);
    SetInteractive(Object("percys_fixed_bell"), false);
    _EndMatch();

    // Callback: the true bell rings; Percy runs down the garden stairs and
    // the gate swings open behind him.
    _IfEvent(OnCallback(0x2d80ff6c));
    Sound(HEROINE, TRUE_BELL_SOUND, BELL_SOUND_DELAY);
    Play(HEROINE, "brokeactivatepercybell01");
    Play(HEROINE, "g_idle_l");
    Place(PERCY, WP_TOP_OF_THE_STAIRS);
    AddToQueue(PERCY, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    ShowObject(PERCY, true);
    SelectCharacter(PERCY);
    PushAnimAction(PERCY, "g_gardenstairsrun", 0, 1);
    Wait(Object("m_door"), 5500);
    PushHashAction23(Object("m_door"), GATE_OPEN);
    Play(PERCY, "idle_l");
    Place(PERCY, WP_FOOT_OF_THE_STAIRS);
    AddToQueue(PERCY, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    _EndMatch();
}

void SceneScript_bg304::PercyEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(PERCY), HEROINE, WP_STALL, 0x26729e66);
    WalkAndTalk(ScriptEvent_FlaggedId2(PERCY), HEROINE, WP_STALL, 0x5446830b);
}

void SceneScript_bg304::DialogCallbacks()
{
    PlayGesture(OnCallback(0x071cd48c), HEROINE, "g_dlghandwave", "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0x1473a106), PERCY, "g_talk_l");
    PlayGesture(OnCallback(0x75c25cbf), PERCY, "idle_l");

    // Callback: Percy lets her up to the garden.
    _IfEvent(OnCallback(0xea0e2a11));
    SetInteractive(Object("door"), false);
    _EndMatch();
}

void SceneScript_bg304::WheelbarrowEvents()
{
    LookAndActivate(Object("wheelbarrow"), HEROINE, WP_WHEELBARROW, 0xb093fd41, 0x65e00d33);

    // UseItem the net on "wheelbarrow": she fishes the clapper out of the
    // cement, and the net stays in it.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("wheelbarrow"), ItemNamed("ITEM_NET")));
    GoTo(HEROINE, WP_WHEELBARROW);
    Play(HEROINE, "getbellclapperfromcement01");
    PushAddAttachment(HEROINE, AttachmentNamed("net"), BONE_RIGHT_HAND);
    Sound(HEROINE, FISHING_SOUND, BELL_SOUND_DELAY);
    Play(HEROINE, "getbellclapperfromcement02");
    PushRemoveAttachment(HEROINE, AttachmentNamed("net"));
    Take(HEROINE, ItemNamed("ITEM_NET"));
    Give(HEROINE, ItemNamed("ITEM_STICKY_CLAPPER"));
    Play(HEROINE, "getbellclapperfromcement03");
    Play(HEROINE, "g_idle_l");
    Dialog(0xd3914216);
    SetBoolVar(VARBOOL_QUEST_C4_GET_CLAPPER_DONE, true);
    _EndMatch();
}

void SceneScript_bg304::RiverEvents()
{
    LookAndActivate(Object("quiet_river"), HEROINE, WP_RIVERBANK, 0x3ca91e42, 0xe9daee30);

    // UseItem the sticky clapper on "quiet_river": she washes the cement off.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("quiet_river"), ItemNamed("ITEM_STICKY_CLAPPER")));
    GoTo(HEROINE, WP_RIVERBANK);
    Sound(HEROINE, WASHING_SOUND, WASHING_SOUND_DELAY);
    Play(HEROINE, "washbellclapper");
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_STICKY_CLAPPER"));
    Give(HEROINE, ItemNamed("ITEM_CLAPPER"));
    Dialog(0x0cc3205b);
    _EndMatch();
}

void SceneScript_bg304::BuildingEvents()
{
    LookAndActivate(Object("construction"), HEROINE, WP_CONSTRUCTION, 0xeda89135, 0x5376f2d5);

    // Look "townhall": she looks up at it first.
    _IfEvent(ScriptEvent_Object1(Object("townhall")));
    GoTo(HEROINE, WP_TOWNHALL);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0xd0ee072b);
    _EndMatch();

    WalkAndTalk(MatchExpr::MakeEvent0(Object("townhall")), HEROINE, WP_TOWNHALL, 0xd3e6d644);
}

void SceneScript_bg304::GardenPathOpen(bool bOpen)
{
    PushAction21(HEROINE, GARDEN_PATH_BLOCKER, bOpen ? 0 : 1);
    PushAction21(HEROINE, PERCYS_PLACE_BLOCKER, bOpen ? 1 : 0);
}

} // namespace

// Scene 31, bg304_HO_TownSquareC.
REGISTER_SCENE_SCRIPT(bg304, 31);
