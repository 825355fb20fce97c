// Outside the heroine's family house, grown up (scene 20,
// bg112_BO_CastilloHouseExterior_A): the water pump, the rope under the
// eaves and the locked front door. Her first visit brings back memories.
// In chapter 5, once she has talked with Diego about the locked house, he
// waits by the door; used on it, he opens it, and both go in.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg112_20>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;

// Waypoints of the yard.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_PATH_OUTSIDE = 1;
constexpr int32_t WP_DOORWAY = 2;
constexpr int32_t WP_OUT_OF_THE_DOOR = 3;
constexpr int32_t WP_PATH_EDGE = 4;
constexpr int32_t WP_PATH_IN = 5;
constexpr int32_t WP_DIEGO_AT_THE_DOOR = 6;
constexpr int32_t WP_DIEGO_WAITS = 7;
constexpr int32_t WP_BY_DIEGO = 8;
constexpr int32_t WP_PUMP = 9;
constexpr int32_t WP_DOOR = 10;
constexpr int32_t WP_PATH = 11;
constexpr int32_t WP_ROPE = 13;
constexpr int32_t WP_HOUSE = 14;

// Walk-mesh blockers: the path out of the yard, and the doorstep.
constexpr int32_t PATH_BLOCKER = 0;
constexpr int32_t DOORSTEP_BLOCKER = 1;

// Sounds: the music and the yard, the locked door and Diego opening it.
constexpr uint32_t YARD_MUSIC = 0x60d0778b;
constexpr uint32_t YARD_AMBIENCE = 0x2802c51f;
constexpr uint32_t LOCKED_DOOR_SOUND = 0x0985a6cf;
constexpr int32_t LOCKED_DOOR_DELAY = 1056;
constexpr uint32_t OPENING_DOOR_SOUND = 0x26b3f37e;
constexpr int32_t OPENING_DOOR_DELAY = 2442;
// The open door shows this long after Diego starts opening it.
constexpr int32_t DOOR_OPENS_AFTER = 2700;

// Dialogs.
constexpr uint32_t MEMORIES = 0x08274fed;
constexpr uint32_t LOOK_DIEGO = 0xa3d06df4;
constexpr uint32_t TALK_DIEGO = 0xd1e47099;
constexpr uint32_t LOOK_DOOR = 0xda276d09;
constexpr uint32_t TRY_DOOR = 0x24a73517;
constexpr uint32_t ASK_DIEGO_TO_OPEN = 0x55bbb60a;
constexpr uint32_t DOOR_OPENED = 0x48b66ef4;

// Dialog callbacks.
constexpr uint32_t MOOD_UP = 0x17a1f56a;
constexpr uint32_t DOOR_STAYS_SHUT = 0x4f9751f7;

constexpr int32_t FORK = 12;        // bg104_BO_Fork
constexpr int32_t LIVING_ROOM = 21; // bg113_BO_CastilloLivingRoom_A
// The scenes whose way here comes up the path.
constexpr int32_t UP_THE_PATH_FROM[] = {11, 12, 13, 15, 17};

class SceneScript_bg112 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void HeroineCallbacks();
    void DiegoEvents();
    void DiegoCallbacks();
    void DoorEvents();
    void DiegoOpensTheDoor();
};

void SceneScript_bg112::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg112_chapter_05"), InChapter(5));
    LinkSoundGroup(0x3e739678, InEveryChapterBut(5));
}

void SceneScript_bg112::BuildEnterActions()
{
    PlayMusic(YARD_MUSIC);
    PlayAmbience(YARD_AMBIENCE);
    SetSceneDirection(6);
    ShowAndActivate(DIEGO, false);

    _IfBool(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR, 0);
    ShowObject(Object("o_open_door"), false);
    _EndMatch();

    // Diego waits by the locked door once she has asked him about it.
    _IfMatch(InChapter(5));
    _IfMatch(
        Both(IsTrue(VARBOOL_BG002_C05_TALK_DIEGO_ABOUT_LOCKEDHOUSE), IsFalse(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR)));
    ShowAndActivate(DIEGO, true);
    _EndMatch();
    _EndMatch();

    Place(HEROINE, WP_START);
    Place(DIEGO, WP_DIEGO_WAITS);

    _IfMatch(CameFrom(LIVING_ROOM));
    Place(HEROINE, WP_DOORWAY);
    WalkTo(HEROINE, WP_OUT_OF_THE_DOOR);
    _EndMatch();
    for (const int32_t iScene : UP_THE_PATH_FROM) {
        _IfMatch(CameFrom(iScene));
        Place(HEROINE, WP_PATH_EDGE);
        WalkTo(HEROINE, WP_PATH_IN);
        _EndMatch();
    }

    _IfBool(VARBOOL_BG112_C05_EVENT_MEMORIES, 0);
    Dialog(MEMORIES);
    SetBoolVar(VARBOOL_BG112_C05_EVENT_MEMORIES, true);
    _EndMatch();

    PushAction21(HEROINE, PATH_BLOCKER, 1);
    PushAction21(HEROINE, DOORSTEP_BLOCKER, 1);

    _IfBool(VARBOOL_BG994_DEMO, 1);
    SetInteractive(Object("goto_bg104"), false);
    _EndMatch();
}

void SceneScript_bg112::BuildExitEvents()
{
    // Activate "goto_bg104": down the path to the fork; she walks on past
    // the edge during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg104")));
    PushAction21(HEROINE, PATH_BLOCKER, 0);
    GoTo(HEROINE, WP_PATH);
    GoToScene(FORK);
    GoTo(HEROINE, WP_PATH_OUTSIDE);
    _EndMatch();
}

void SceneScript_bg112::BuildEvents()
{
    HeroineCallbacks();
    DiegoEvents();
    DiegoCallbacks();
    DoorEvents();
    LookAndActivate(Object("water_pump"), HEROINE, WP_PUMP, 0x607b8631, 0x9efbde2f);

    // Look "rope": up at it first.
    _IfEvent(ScriptEvent_Object1(Object("rope")));
    GoTo(HEROINE, WP_ROPE);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0xcb4303c2);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("rope")), HEROINE, WP_ROPE, 0x792ffa92);

    LookAndActivate(Object("house"), HEROINE, WP_HOUSE, 0x91164212, 0xfacf7f1f);
}

void SceneScript_bg112::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0xadbf8e30), HEROINE, "sadmemories", "g_idle_l");
}

void SceneScript_bg112::DiegoEvents()
{
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, LOOK_DIEGO);
    WalkAndTalk(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_BY_DIEGO, TALK_DIEGO);
}

void SceneScript_bg112::DiegoCallbacks()
{
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");
    PlayGesture(OnCallback(0xd379fe30), DIEGO, "g_notwise", "g_idle_l");
    PlayGesture(OnCallback(0x44741a77), DIEGO, "hesitates", "g_idle_l");

    _IfEvent(OnCallback(MOOD_UP));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_ADD_TO_VARIABLE, Param::Int(VARINT_DIEGO_MOOD), Param::Int(1));
    _EndMatch();
}

void SceneScript_bg112::DoorEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("goto_bg101")), HEROINE, WP_DOOR, LOOK_DOOR);

    // Activate "goto_bg101": in, once the door is open.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg101")));
    GoTo(HEROINE, WP_DOOR);
    Dialog(TRY_DOOR);
    _IfBool(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR, 1);
    GoToScene(LIVING_ROOM);
    _EndMatch();
    _EndMatch();

    // The door's dialog tells her it is locked: she rattles it in vain.
    _IfEvent(OnCallback(DOOR_STAYS_SHUT));
    Sound(HEROINE, LOCKED_DOOR_SOUND, LOCKED_DOOR_DELAY);
    Together();
    Play(HEROINE, "g_dooropenfailure02");
    Apart();
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // UseItem "goto_bg101" with Diego: once he agrees, he opens the door.
    // After that the item is gone, and the handler does nothing.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("goto_bg101"), ItemNamed("ITEM_DIEGO")));
    _IfBool(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR, 0);
    SetInteractive(Object("goto_bg101"), false);
    GoTo(HEROINE, WP_BY_DIEGO);
    Dialog(ASK_DIEGO_TO_OPEN);
    _IfBool(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR, 1);
    DiegoOpensTheDoor();
    _EndMatch();
    SetInteractive(Object("goto_bg101"), true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg112::DiegoOpensTheDoor()
{
    GoTo(DIEGO, WP_DIEGO_AT_THE_DOOR);
    Sound(DIEGO, OPENING_DOOR_SOUND, OPENING_DOOR_DELAY);
    Together();
    Play(DIEGO, "opencastillodoor");
    Wait(Object("o_open_door"), DOOR_OPENS_AFTER);
    ShowObject(Object("o_open_door"), true);
    Play(DIEGO, "g_idle_l");
    Apart();
    TurnToward(DIEGO, HEROINE);
    Dialog(DOOR_OPENED);
    SetBoolVar(VARBOOL_BG112_C05_EVENT_DIEGO_OPEN_DOOR, true);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    // Both set off for the door while the scene fades out.
    Together();
    GoTo(HEROINE, WP_DOOR);
    GoTo(DIEGO, WP_PATH);
    GoToScene(LIVING_ROOM);
    Apart();
}

} // namespace

// Scene 20, bg112_BO_CastilloHouseExterior_A.
REGISTER_SCENE_SCRIPT(bg112, 20);
