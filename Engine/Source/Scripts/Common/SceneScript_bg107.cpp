// The square in front of the town hall (scene 15, bg107_BO_TownhallExterior):
// its door, two windows, the shuttered map-room window with its latch, the
// flag pole and flags, the fountain and a flower. Chapter 2 holds the
// break-in: the pistol opens the shutter, Razzo unlocks the window and the
// heroine climbs into the map room (scene 16). Elsewhere the objects only
// give remarks.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg107_15>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"razzo"> RAZZO;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Walk-mesh blockers: the way to the fork, the way to the docks.
constexpr int32_t FORK_BLOCKER = 0;
constexpr int32_t DOCKS_BLOCKER = 1;

// The shutter's and the latch's sprite animations.
constexpr uint32_t SHUTTER_OPEN = 0x2D61999B;
constexpr uint32_t SHUTTER_CLOSED = 0x2F8AB9E2;
constexpr uint32_t LATCH_OPEN = 0x996C3EE2;
constexpr uint32_t LATCH_CLOSED = 0x00656F58;
constexpr uint32_t LATCH_OPENING = 0xE62B1259;

class SceneScript_bg107 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter2();
    void PlaceByPreviousScene();

    // Activate a town-hall window: she tries it, and it stays shut.
    void TryWindow(Object window, int32_t iWaypoint);
    // Look at a flag: she looks up at it first.
    void LookUpAtFlag(Object flag, int32_t iWaypoint);
    void PistolOnShutter();
    void MapRoomWindow();
    void RazzoComes();
    void RazzoUnlocksTheWindow();
    void RazzoEvents();
};

void SceneScript_bg107::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg107_chapter_02"), InChapter(2));
    LinkSoundGroup(0x61E88C5F, InEveryChapterBut(2)); // common_bg107
}

void SceneScript_bg107::BuildEnterActions()
{
    PlayMusic(0x0666EF79);
    PlayAmbience(0x417300D1);
    SetSceneDirection(2);

    // The map-room window stands open unless chapter 2 says otherwise.
    PushHashAction23(Object("o_shutter"), SHUTTER_OPEN);
    PushHashAction23(Object("o_latch"), LATCH_OPEN);
    ShowObject(Object("o_shutter_2"), true);
    SetInteractive(Object("closed_shutter"), false);
    ShowObject(RAZZO, false);
    SetInteractive(RAZZO, false);

    _IfBool(VARBOOL_BO_MAP_BG110, 0);
    SetInteractive(Object("goto_bg110"), false);
    _EndMatch();

    _IfMatch(InChapter(2));
    EnterChapter2();
    _EndMatch();

    Place(HEROINE, 21);
    PlaceByPreviousScene();
    PushAction21(HEROINE, FORK_BLOCKER, 1);
    PushAction21(HEROINE, DOCKS_BLOCKER, 1);
}

void SceneScript_bg107::EnterChapter2()
{
    Place(RAZZO, 5);
    _IfBool(VARBOOL_BG107_C02_RAZZO_HERE, 1);
    ShowObject(RAZZO, true);
    SetInteractive(RAZZO, true);
    _EndMatch();

    // The shutter is still closed.
    _IfBool(VARBOOL_BG107_C02_USE_PISTOL_ON_CLOSED_SHUTTER, 0);
    PushHashAction23(Object("o_shutter"), SHUTTER_CLOSED);
    PushHashAction23(Object("o_latch"), LATCH_CLOSED);
    ShowObject(Object("o_shutter_2"), false);
    SetInteractive(Object("goto_bg108"), false);
    SetInteractive(Object("closed_shutter"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS, 0);
    ShowObject(Object("o_open_window"), false);
    _EndMatch();
}

void SceneScript_bg107::PlaceByPreviousScene()
{
    // From the hill, the fork and the Castillos' house: in from the left.
    for (int32_t iScene : {11, 12, 20}) {
        _IfMatch(CameFrom(iScene));
        Place(HEROINE, 2);
        GoTo(HEROINE, 3);
        _EndMatch();
    }
    // From the docks: in from the right.
    _IfMatch(CameFrom(13));
    Place(HEROINE, 9);
    GoTo(HEROINE, 6);
    _EndMatch();
    // Out of the map room: she climbs out of the window.
    _IfMatch(CameFrom(16));
    Place(HEROINE, 1);
    Sound(HEROINE, 0x76FFAB69, 660);
    Together();
    Play(HEROINE, "maproombreakoutend");
    Apart();
    Play(HEROINE, "g_idle_l");
    _EndMatch();
    // From Briscoe's house: down the alley.
    _IfMatch(CameFrom(17));
    Place(HEROINE, 12);
    GoTo(HEROINE, 13);
    _EndMatch();
}

void SceneScript_bg107::BuildExitEvents()
{
    // Activate "goto_bg105": to the docks; she walks on while the scene fades.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg105")));
    PushAction21(HEROINE, DOCKS_BLOCKER, 0);
    WalkTo(HEROINE, 20);
    GoToScene(13); // bg105_BO_Docks
    GoTo(HEROINE, 10);
    _EndMatch();

    // Activate "goto_bg104": to the fork.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg104")));
    PushAction21(HEROINE, FORK_BLOCKER, 0);
    WalkTo(HEROINE, 23);
    GoToScene(12); // bg104_BO_Fork
    GoTo(HEROINE, 0);
    _EndMatch();

    // Activate "goto_bg110": up the alley to Briscoe's house.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg110")));
    WalkTo(HEROINE, 28);
    GoToScene(17); // bg110_BO_BriscoesHouseExterior
    GoTo(HEROINE, 11);
    _EndMatch();
}

void SceneScript_bg107::BuildEvents()
{
    LookAndActivate(Object("flag_pole"), HEROINE, 21, 0x435FC2BD, 0x770C936A);

    // Look "town_hall_door"; Activate: the door is locked.
    _IfEvent(ScriptEvent_Object1(Object("town_hall_door")));
    GoTo(HEROINE, 18);
    Dialog(0xEE1117E4);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("town_hall_door")));
    GoTo(HEROINE, 18);
    Sound(HEROINE, 0x09A5F4AA, 1056);
    Play(HEROINE, "g_dooropenfailure02");
    Play(HEROINE, "g_idle_l");
    Dialog(0x73A5BF74);
    _EndMatch();

    // The two windows share their dialogs.
    _IfEvent(ScriptEvent_Object1(Object("town_hall_windows_1")));
    GoTo(HEROINE, 16);
    Dialog(0x8ABA4079);
    _EndMatch();
    TryWindow(Object("town_hall_windows_1"), 16);
    _IfEvent(ScriptEvent_Object1(Object("town_hall_windows_2")));
    GoTo(HEROINE, 17);
    Dialog(0x8ABA4079);
    _EndMatch();
    TryWindow(Object("town_hall_windows_2"), 17);

    // Look "closed_shutter"; Activate: it will not give.
    _IfEvent(ScriptEvent_Object1(Object("closed_shutter")));
    GoTo(HEROINE, 24);
    Dialog(0x7A697B70);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("closed_shutter")));
    GoTo(HEROINE, 24);
    Play(HEROINE, "maproomshuttertry");
    Play(HEROINE, "g_idle_l");
    Dialog(0xE7DDD3E0);
    _EndMatch();

    PistolOnShutter();
    MapRoomWindow();
    RazzoComes();
    RazzoUnlocksTheWindow();

    // UseItem "goto_bg108" with Carlo: he is no use at a lock.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("goto_bg108"), ItemNamed("ITEM_CARLO")));
    GoTo(HEROINE, 19);
    Dialog(0x622C3F1D);
    _EndMatch();

    RazzoEvents();

    LookAndActivate(Object("foutain"), HEROINE, 29, 0xEF4F1786, 0xD2C73CEF);
    LookUpAtFlag(Object("flag_1"), 30);
    LookUpAtFlag(Object("flag_2"), 31);
    LookAndActivate(Object("flower"), HEROINE, 32, 0x95D1481C, 0xC56FF679);
}

void SceneScript_bg107::TryWindow(Object window, int32_t iWaypoint)
{
    _IfMatch(MatchExpr::MakeEvent0(window));
    GoTo(HEROINE, iWaypoint);
    Play(HEROINE, "g_windowopentry");
    Play(HEROINE, "g_idle_l");
    Dialog(0xDD7BB960);
    _EndMatch();
}

void SceneScript_bg107::LookUpAtFlag(Object flag, int32_t iWaypoint)
{
    _IfEvent(ScriptEvent_Object1(flag));
    GoTo(HEROINE, iWaypoint);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x415BDF42);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(flag));
    GoTo(HEROINE, iWaypoint);
    Dialog(0x3E62D2BB);
    _EndMatch();
}

void SceneScript_bg107::PistolOnShutter()
{
    // UseItem "closed_shutter" with the pistol: the butt knocks the latch up
    // through the gap and the shutter swings open.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("closed_shutter"), ItemNamed("ITEM_PISTOL")));
    GoTo(HEROINE, 24);
    Play(HEROINE, "pistolunlockwindow01");
    PushAddAttachment(HEROINE, AttachmentNamed("pistol"), BONE_RIGHT_HAND);
    Together();
    Sound(HEROINE, 0x3536030A, 1518);
    Play(HEROINE, "pistolunlockwindow02");
    Wait(Object("o_latch"), 2900);
    PushHashAction23(Object("o_latch"), LATCH_OPENING);
    Play(HEROINE, "pistolunlockwindow03");
    Wait(Object("o_shutter"), 3500);
    PushHashAction23(Object("o_shutter"), SHUTTER_OPEN);
    Wait(Object("o_shutter_2"), 3500);
    ShowObject(Object("o_shutter_2"), true);
    PushRemoveAttachment(HEROINE, AttachmentNamed("pistol"));
    PushAnimAction(HEROINE, "pistolunlockwindow04", 0, 1);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, 14);
    Apart();
    Wait(LOGIC_DIALOG, 4000);
    Dialog(0xB42B9BEA);
    SetBoolVar(VARBOOL_BG107_C02_USE_PISTOL_ON_CLOSED_SHUTTER, true);
    SetInteractive(Object("goto_bg108"), true);
    SetInteractive(Object("closed_shutter"), false);
    _EndMatch();
}

void SceneScript_bg107::MapRoomWindow()
{
    // Look "goto_bg108".
    _IfEvent(ScriptEvent_Object1(Object("goto_bg108")));
    GoTo(HEROINE, 19);
    Dialog(0xB791CFA2);
    _EndMatch();

    // Activate "goto_bg108": locked until Razzo has opened it; then she
    // climbs in.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg108")));
    _IfBool(VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS, 0);
    GoTo(HEROINE, 19);
    Play(HEROINE, "maproomunlocktry01");
    Play(HEROINE, "g_idle_l");
    Dialog(0x4703E84E);
    _ElseMatch();
    GoTo(HEROINE, 4);
    Play(HEROINE, "maproombreakinstart");
    GoToScene(16); // bg108_BO_TownHallInterior
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg107::RazzoComes()
{
    // Dialog_CB 0x8D5CEE29: Razzo comes over from the docks.
    _IfEvent(OnCallback(0x8D5CEE29));
    Place(RAZZO, 9);
    ShowObject(RAZZO, true);
    SetInteractive(RAZZO, true);
    GoTo(RAZZO, 5);
    SetBoolVar(VARBOOL_BG107_C02_RAZZO_HERE, true);
    TurnToward(HEROINE, RAZZO);
    TurnToward(RAZZO, HEROINE);
    _EndMatch();

    // UseItem "goto_bg108" with Razzo: he comes if he is not here yet, and
    // they talk; once the window is open, nothing happens.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("goto_bg108"), ItemNamed("ITEM_RAZZO")));
    _IfBool(VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS, 0);
    _IfBool(VARBOOL_BG107_C02_RAZZO_HERE, 0);
    GoTo(HEROINE, 21);
    Place(RAZZO, 9);
    ShowObject(RAZZO, true);
    SetInteractive(RAZZO, true);
    GoTo(RAZZO, 5);
    SetBoolVar(VARBOOL_BG107_C02_RAZZO_HERE, true);
    _EndMatch();
    TurnToward(HEROINE, RAZZO);
    TurnToward(RAZZO, HEROINE);
    Dialog(0xCFB6F737);
    _EndMatch();
    _EndMatch();

    // Dialog_CB 0x255B7854: Razzo is pleased to be asked.
    _IfEvent(OnCallback(0x255B7854));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(VARINT_RAZZO_MOOD), Param::Int(1));
    _EndMatch();
}

void SceneScript_bg107::RazzoUnlocksTheWindow()
{
    // Dialog_CB 0x4076FA16: Razzo picks the window's lock and goes back to
    // the docks, and the heroine climbs in; only once.
    _IfEvent(OnCallback(0x4076FA16));
    _IfBool(VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS, 0);
    GoTo(RAZZO, 7);
    TurnToward(HEROINE, RAZZO);
    Sound(RAZZO, 0x1EF847F6, 990);
    Together();
    Play(RAZZO, "maproomunlock01");
    Apart();
    GoTo(RAZZO, 7);
    ShowObject(Object("o_open_window"), true);
    TurnToward(RAZZO, HEROINE);
    Play(RAZZO, "g_victoryfist");
    GoTo(RAZZO, 10);
    ShowObject(RAZZO, false);
    SetBoolVar(VARBOOL_BG107_C02_RAZZO_HERE, false);
    SetBoolVar(VARBOOL_BG107_C02_USE_RAZZO_ON_MAP_ROOM_WINDOWS, true);
    GoTo(HEROINE, 4);
    Play(HEROINE, "maproombreakinstart");
    GoToScene(16); // bg108_BO_TownHallInterior
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg107::RazzoEvents()
{
    // Look and Talk "razzo": she steps up and turns to him.
    _IfEvent(ScriptEvent_FlaggedId1(RAZZO));
    WalkTo(HEROINE, 21);
    TurnToward(HEROINE, RAZZO);
    Dialog(0x24E701FD);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(RAZZO));
    WalkTo(HEROINE, 21);
    TurnToward(HEROINE, RAZZO);
    Dialog(0xCFB6F737);
    _EndMatch();

    // Razzo talks and stops talking.
    PlayGesture(OnCallback(0xB9460319), RAZZO, "g_talk_l");
    PlayGesture(OnCallback(0xAD128F9B), RAZZO, "g_idle_l");

    // Dialog_CB 0xC3FCE571: a marker the runtime passes by.
    _IfEvent(OnCallback(0xC3FCE571));
    _IfBool(VARBOOL_RESERVED_00, 0);
    NoEffect(3);
    _EndMatch();
    _EndMatch();

    // The heroine talks and stops talking.
    PlayGesture(OnCallback(0xC7F3F060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22A8ABC2), HEROINE, "g_idle_l");
}

} // namespace

// Scene 15, bg107_BO_TownhallExterior.
REGISTER_SCENE_SCRIPT(bg107, 15);
