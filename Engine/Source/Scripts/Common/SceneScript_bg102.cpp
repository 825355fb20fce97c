// The yard before the heroine's family house (scene 10,
// bg102_BO_CastilloHouseExterior). Chapter 1 only: the kid mends the water
// pump (the handle from the grass, the bolt drawn out of the mud with the
// magnet from the woodpile), fills the jug for the living room's bucket and
// empties the full dustpan into the barrel; the path out of the yard opens
// once the chores are done. After she has seen her father's boat, Diego
// greets her, the front door stays shut, and Bobby and Nell make a human
// ladder under the bedroom window so that she can climb to the ledge and back
// into the house.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg102_10>;

constexpr ActorNamed<"tavrine_kid"> KID;
constexpr ActorNamed<"bobby_kid"> BOBBY;
constexpr ActorNamed<"nell_kid"> NELL;
constexpr ActorNamed<"diego"> DIEGO;

// Walk-mesh blockers: the gate out of the yard (and the way down from the
// ledge and the footholds of the human ladder above it), and the places of
// the two children under the window.
constexpr int32_t GATE_BLOCKER = 0;
constexpr int32_t BOBBY_BLOCKER = 1;
constexpr int32_t NELL_BLOCKER = 2;

// The human ladder: Nell climbs from her foot place onto Bobby's shoulders,
// the kid from hers onto Nell's, and Nell steps down to her foot place
// again, since no walk starts from up there. Up on someone's shoulders a
// child casts no shadow into the air.
constexpr int32_t WP_BOBBY_LADDER = 7;
constexpr int32_t WP_NELL_ON_BOBBY = 8;
constexpr int32_t WP_KID_LADDER_FOOT = 25;
constexpr int32_t WP_KID_ON_NELL = 30;
constexpr int32_t WP_NELL_LADDER_FOOT = 31;

// What the kid can no longer reach once she stands on the ledge.
constexpr Object OUT_OF_REACH_FROM_LEDGE[] = {"goto_bg101",  "goto_bg901", "large_barrel", "long_grass",
                                              "muddy_patch", "water_pump", "woodpile"};
constexpr Object YARD_TOYS[] = {"tiller", "kite", "skull"};

// A thing the kid looks at and acts on: both walk to its waypoint and start
// a dialog.
struct Thing {
    Object hotspot;
    int32_t iWaypoint;
    uint32_t uLookDialog;
    uint32_t uActivateDialog;
};

// A dialog callback on which the kid makes a gesture and goes back to the
// animation after it.
struct Gesture {
    uint32_t uCallback;
    AnimationOf<"tavrine_kid"> gesture;
    AnimationOf<"tavrine_kid"> after;
};
// Diego's greeting comes before the hug; the other gestures after it.
constexpr Gesture HAPPY_TO_MEET {0x3369601A, "happytomeet", "g_talk_l"};
constexpr Gesture KID_GESTURES[] = {
    {0x415B1D13, "g_tapnonsense", "g_idle_l"},   {0xE4817246, "g_helpless", "g_idle_l"},
    {0x588A7698, "g_lookingaround", "g_idle_l"}, {0xA4F8E887, "g_scratchhead", "g_idle_l"},
    {0x5024F60E, "g_thinking", "g_idle_l"},      {0x0013594B, "g_dlgclapshands", "g_idle_l"},
    {0x79A0D0E2, "g_dlggiveorders", "g_idle_l"}, {0x143E0717, "g_clapshands", "g_idle_l"},
    {0xD7A4F1CD, "g_dlgpolite", "g_talk_l"},
};

class SceneScript_bg102 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter1();
    void RestoreChapter1();
    void MeetDiego();
    void StandOnTheLedge();

    void ShowChildren();
    void ChildrenArrive();
    void Climb();
    void NellOnBobby(bool bWithSound);

    void BarrelEvents();
    void PumpEvents();
    void GroundEvents();
    void WindowEvents();
    void ChildrenEvents();
    void LedgeEvents();
    void GestureCallbacks();
    void ChoreCallbacks();
    void LadderCallbacks();

    void LookAt(const Thing& oThing);
    void ActivateTalk(const Thing& oThing);
    void MagnetPass();
    void BlockersUnderTheWindow(bool bActive);
};

void SceneScript_bg102::LinkActorSets()
{
    LinkActorSet("Chapter_1", InChapter(1));
}

void SceneScript_bg102::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg102_chapter_01"), InChapter(1));
    // Chapters 2 to 10 as one range: an or of nine chapter tests would not
    // fit into one condition.
    LinkSoundGroup(0x2908823B, Both(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntGreaterEqual, 2),
                                    MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntLessEqual, 10)));
}

void SceneScript_bg102::BuildEnterActions()
{
    SetSceneDirection(6);
    PlayMusic(0x60D0778B);
    PlayAmbience(0x496C9135);
    PushHashAction23(Object("fx_tiller"), 0x9EF3656C);
    PushHashAction23(Object("fx_water_pump"), 0x31AB5DD7);
    ShowObject(Object("i_water_jug"), false);

    _IfMatch(InChapter(1));
    EnterChapter1();
    _EndMatch();
}

void SceneScript_bg102::EnterChapter1()
{
    ShowObject(NELL, false);
    SetInteractive(NELL, false);
    ShowObject(BOBBY, false);
    SetInteractive(BOBBY, false);
    ShowObject(DIEGO, false);
    SetInteractive(DIEGO, false);
    SetInteractive(Object("human_ladder"), false);
    ShowObject(Object("o_pump_handle_2"), false);
    PushHashAction23(Object("fx_dust_f"), 0x3C71EB40);
    PushHashAction23(Object("fx_dust_b"), 0x1E6E867B);
    PushHashAction23(Object("fx_pump"), 0x0049CC7B);

    RestoreChapter1();

    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C1_CHORES_DONE), IsFalse(VARBOOL_QUEST_C1_PLAY01_DONE)));
    SetBoolVar(VARBOOL_BO_MAP_BG103, true);
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_BOBBY_KID_HERE, 1);
    Place(BOBBY, 6);
    Place(NELL, 16);
    ShowChildren();
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_BOBBY_POS, 1);
    Place(BOBBY, WP_BOBBY_LADDER);
    PushAnimAction(BOBBY, "humanladder02_l", 1, 0);
    BlockersUnderTheWindow(true);
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_HUMAN_LADDER_HERE, 1);
    Place(NELL, WP_NELL_ON_BOBBY);
    AddToQueue(NELL, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Play(NELL, "humanladder02_l");
    SetInteractive(NELL, false);
    SetInteractive(Object("human_ladder"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE, 0);
    SetInteractive(Object("floor"), false);
    SetInteractive(Object("ledge"), false);
    _EndMatch();

    // Diego waits in the yard for the kid.
    _IfMatch(Both(IsFalse(VARBOOL_BG102_C01_EVENT_WITH_DIEGO), IsTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
    Place(DIEGO, 12);
    ShowObject(DIEGO, true);
    _EndMatch();

    Place(KID, 0);
    // Out of the living room's front door (bg101_BO_CastilloLivingRoom).
    _IfMatch(CameFrom(9));
    Place(KID, 2);
    GoTo(KID, 3);
    _EndMatch();
    // Up the path from the fork (bg104_BO_Fork).
    _IfMatch(Both(CameFrom(12), IsFalse(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE)));
    Place(KID, 4);
    GoTo(KID, 5);
    _EndMatch();

    _IfMatch(Both(IsFalse(VARBOOL_BG102_C01_EVENT_WITH_DIEGO), IsTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO)));
    MeetDiego();
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE, 1);
    StandOnTheLedge();
    _EndMatch();

    PushAction21(KID, GATE_BLOCKER, 1);
}

void SceneScript_bg102::RestoreChapter1()
{
    _IfBool(VARBOOL_BG102_C01_FIXED_WATER_PUMP_3, 1);
    ShowObject(Object("i_water_jug"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_PICK_MAGNET, 1);
    ShowObject(Object("i_magnet"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_FIXED_WATER_PUMP_2, 0);
    ShowObject(Object("fx_pump"), false);
    _EndMatch();

    _IfBool(VARBOOL_BG102_C01_PICK_PUMP_HANDLE, 1);
    ShowObject(Object("i_pump_handle"), false);
    SetInteractive(Object("pump_hundle"), false);
    _EndMatch();
}

void SceneScript_bg102::MeetDiego()
{
    Place(KID, 4);
    GoTo(KID, 13);
    Play(KID, "g_talk_l");
    Dialog(0x0CF88C54);
    Together();
    Play(KID, "g_dlghandwave");
    Play(KID, "g_idle_l");
    WalkTo(DIEGO, 17);
    GoTo(DIEGO, 1);
    Apart();
    // Queued behind his walk out of the yard.
    ShowObject(DIEGO, false);
    SetBoolVar(VARBOOL_BO_MAP_BG102, false);
    SetBoolVar(VARBOOL_BO_MAP_MK_ALL, true);
    SetBoolVar(VARBOOL_BG102_C01_EVENT_WITH_DIEGO, true);
}

void SceneScript_bg102::StandOnTheLedge()
{
    Place(KID, 14);
    Place(NELL, 16);
    Play(NELL, "g_idle_l");
    Place(BOBBY, 6);
    Play(BOBBY, "g_idle_l");
    SetInteractive(NELL, true);
    SetInteractive(Object("floor"), true);
    SetInteractive(Object("ledge"), true);
    SetInteractive(Object("human_ladder"), false);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    for (Object hotspot : OUT_OF_REACH_FROM_LEDGE)
        SetInteractive(hotspot, false);
    for (Object toy : YARD_TOYS)
        SetInteractive(toy, false);
}

void SceneScript_bg102::BuildExitEvents()
{
    // Activate "goto_bg101": into the house, until the kid has seen her
    // father's boat; then the door is locked and the way in is the ledge.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg101")));
    GoTo(KID, 28);
    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 0);
    GoToScene(9); // bg101_BO_CastilloLivingRoom
    Play(KID, "homedooropenfailure01");
    _ElseMatch();
    Together();
    Sound(KID, 0x1018F7D4, 1056);
    Play(KID, "homedooropenfailure01");
    Play(KID, "g_idle_l");
    Apart();
    WaitForAll();
    Dialog(0xF6AFA4B6);
    SetBoolVar(VARBOOL_QUEST_C1_HOME01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C1_HOME03, true);
    _EndMatch();
    _EndMatch();

    // Activate "goto_bg901": out to play once the chores are done and the
    // wooden sword is in hand (the hill cannot be left without the duel); the
    // island map the first time, the fork afterwards.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg901")));
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C1_CHORES_DONE), IsTrue(VARBOOL_BG101_C01_PICK_WOODEN_SWORD)));
    WalkTo(KID, 29);
    _IfBool(VARBOOL_BG103_C01_EVENT_FIRST_TIME, 0);
    GoToScene(56); // bg901_BountyIslandMap
    _ElseMatch();
    GoToScene(12); // bg104_BO_Fork
    _EndMatch();
    PushAction21(KID, GATE_BLOCKER, 0);
    GoTo(KID, 1);
    _ElseMatch();
    WalkTo(KID, 5);
    Dialog(0xF8BCF50E);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg102::BuildEvents()
{
    BarrelEvents();
    PumpEvents();
    GroundEvents();
    WindowEvents();
    ChildrenEvents();
    LedgeEvents();
    GestureCallbacks();
    ChoreCallbacks();
    LadderCallbacks();
}

void SceneScript_bg102::BarrelEvents()
{
    // Look and Activate "large_barrel".
    const Thing oBarrel {"large_barrel", 18, 0xECC0F6EA, 0xEFB4556D};
    LookAt(oBarrel);
    ActivateTalk(oBarrel);

    // UseItem "large_barrel" with the full dustpan: the dialog throws the dust
    // in, and the dustpan is clean again.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("large_barrel"), ItemNamed("ITEM_DUSTPAN_BRUSH_FULL")));
    GoTo(KID, 18);
    Dialog(0xA1270BD6);
    SetBoolVar(VARBOOL_BG101_C01_DUSTPAN_IS_FULL, false);
    Take(KID, ItemNamed("ITEM_DUSTPAN_BRUSH_FULL"));
    Give(KID, ItemNamed("ITEM_DUSTPAN_AND_BRUSH"));
    SetBoolVar(VARBOOL_BG102_C01_CLEAN_DUSTPAN, true);
    _EndMatch();

    // UseItem "large_barrel" with the empty dustpan.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("large_barrel"), ItemNamed("ITEM_DUSTPAN_AND_BRUSH")));
    GoTo(KID, 18);
    Dialog(0xA1270BD6);
    _EndMatch();
}

void SceneScript_bg102::PumpEvents()
{
    // Look and Activate "water_pump": the dialog pumps when the jug stands
    // under the mended pump.
    const Thing oPump {"water_pump", 19, 0x8F2930D0, 0x195D156C};
    LookAt(oPump);
    ActivateTalk(oPump);

    // UseItem "water_pump" with the jug: put under the pump once it works.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_pump"), ItemNamed("ITEM_WATER_JUG")));
    _IfBool(VARBOOL_BG102_C01_FIXED_WATER_PUMP_2, 1);
    GoTo(KID, 11);
    Take(KID, ItemNamed("ITEM_WATER_JUG"));
    Together();
    Sound(KID, 0x1FD1A268, 2178);
    Play(KID, "putjugunderpump01");
    Wait(Object("i_water_jug"), 2000);
    ShowObject(Object("i_water_jug"), true);
    Play(KID, "g_idle_l");
    Apart();
    SetBoolVar(VARBOOL_BG102_C01_FIXED_WATER_PUMP_3, true);
    WaitForAll();
    Dialog(0xA3559F52);
    _EndMatch();
    _EndMatch();

    // UseItem "water_pump" with the filled jug: it is full already.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_pump"), ItemNamed("ITEM_FILLED_WATER_JUG")));
    GoTo(KID, 19);
    Dialog(0x270DA15B);
    _EndMatch();

    // UseItem "water_pump" with the handle: it fits, but wants its bolt.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_pump"), ItemNamed("ITEM_PUMP_HANDLE")));
    GoTo(KID, 19);
    Dialog(0x714E6921);
    SetBoolVar(VARBOOL_BG102_C01_FIXED_WATER_PUMP_1, true);
    _EndMatch();

    // UseItem "water_pump" with the bolt alone.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_pump"), ItemNamed("ITEM_PIVOT_BOLT")));
    GoTo(KID, 19);
    Dialog(0xC7C78019);
    _EndMatch();

    // UseItem "water_pump" with the handle and its bolt: the pump is mended.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("water_pump"), ItemNamed("ITEM_HANDLE_AND_BOLT")));
    GoTo(KID, 19);
    SetBoolVar(VARBOOL_BG102_C01_FIXED_WATER_PUMP_2, true);
    Take(KID, ItemNamed("ITEM_HANDLE_AND_BOLT"));
    Play(KID, "put_pump01");
    EffectSound(0x7B7834F3);
    ShowObject(Object("fx_pump"), true);
    Play(KID, "put_pump02");
    Play(KID, "g_idle_l");
    Dialog(0x4C66FE50);
    _EndMatch();

    // Look and Activate "pump_hundle": the pump's handle, lying in the grass.
    LookAt({"pump_hundle", 20, 0x2D94059F, 0});
    _IfMatch(MatchExpr::MakeEvent0(Object("pump_hundle")));
    GoTo(KID, 20);
    PickUp<Reach::Low>(KID, Object("i_pump_handle"), ItemNamed("ITEM_PUMP_HANDLE"));
    SetBoolVar(VARBOOL_BG102_C01_PICK_PUMP_HANDLE, true);
    SetInteractive(Object("pump_hundle"), false);
    _EndMatch();
}

void SceneScript_bg102::GroundEvents()
{
    // Look and Activate "long_grass".
    const Thing oGrass {"long_grass", 21, 0xF221CF48, 0x6455EAF4};
    LookAt(oGrass);
    ActivateTalk(oGrass);

    // UseItem "long_grass" with the magnet: nothing in there.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("long_grass"), ItemNamed("ITEM_MAGNET")));
    GoTo(KID, 21);
    Play(KID, "magnetpass01");
    PushAddAttachment(KID, AttachmentNamed("magnet"), BONE_RIGHT_HAND);
    Play(KID, "magnetpass02");
    PushRemoveAttachment(KID, AttachmentNamed("magnet"));
    Play(KID, "magnetpass04");
    Play(KID, "g_idle_l");
    Dialog(0x304C8079);
    _EndMatch();

    // Look and Activate "woodpile": the magnet lies on top of it.
    LookAt({"woodpile", 22, 0xEFF04AC6, 0});
    _IfMatch(MatchExpr::MakeEvent0(Object("woodpile")));
    GoTo(KID, 22);
    Dialog(0x655CB149);
    _IfBool(VARBOOL_BG102_C01_PICK_MAGNET, 0);
    PickUp<Reach::MiddleLow>(KID, Object("i_magnet"), ItemNamed("ITEM_MAGNET"), false);
    SetBoolVar(VARBOOL_BG102_C01_PICK_MAGNET, true);
    _EndMatch();
    _EndMatch();

    // Look and Activate "muddy_patch".
    const Thing oMud {"muddy_patch", 23, 0x814B6FA6, 0x430AE424};
    LookAt(oMud);
    ActivateTalk(oMud);

    // UseItem "muddy_patch" with the magnet: the pump's bolt comes out of the
    // mud, once.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("muddy_patch"), ItemNamed("ITEM_MAGNET")));
    _IfBool(VARBOOL_BG102_C01_PICK_PIVOT_BOLT, 0);
    GoTo(KID, 23);
    MagnetPass();
    _EndMatch();
    _EndMatch();

    // Activate "tiller": the kid plays at steering a boat.
    _IfMatch(MatchExpr::MakeEvent0(Object("tiller")));
    GoTo(KID, 36);
    Together();
    PushHashAction23(Object("fx_tiller"), 0x8D5EB5DE);
    Sound(KID, 0x39EB6E2A, 1320);
    Play(KID, "tillerplay");
    PushHashAction23(Object("fx_tiller"), 0x9EF3656C);
    Apart();
    Play(KID, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg102::MagnetPass()
{
    Play(KID, "magnetpass01");
    PushAddAttachment(KID, AttachmentNamed("magnet"), BONE_RIGHT_HAND);
    Together();
    Sound(KID, 0x062BA7BF, 1386);
    Play(KID, "magnetpass03");
    Apart();
    Give(KID, ItemNamed("ITEM_PIVOT_BOLT"));
    PushRemoveAttachment(KID, AttachmentNamed("magnet"));
    Play(KID, "magnetpass04");
    Play(KID, "g_idle_l");
    Dialog(0xD05702D3);
    SetBoolVar(VARBOOL_BG102_C01_PICK_PIVOT_BOLT, true);
}

void SceneScript_bg102::WindowEvents()
{
    // Look "bedroom_window": from below, or from the ledge.
    _IfEvent(ScriptEvent_Object1(Object("bedroom_window")));
    _IfBool(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE, 0);
    GoTo(KID, 24);
    _ElseMatch();
    GoTo(KID, 10);
    _EndMatch();
    Dialog(0xCF12FC70);
    _EndMatch();

    // Activate "bedroom_window": the children come along, and once their
    // ladder stands the kid climbs it.
    _IfMatch(MatchExpr::MakeEvent0(Object("bedroom_window")));
    Dialog(0xF40F03DA);
    ChildrenArrive();
    _IfBool(VARBOOL_BG102_C01_HUMAN_LADDER_HERE, 1);
    Climb();
    _EndMatch();
    _EndMatch();

    // UseItem "bedroom_window" with Bobby: he bends down under the window.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("bedroom_window"), ItemNamed("ITEM_BOBBY_KID")));
    _IfMatch(Both(IsFalse(VARBOOL_BG102_C01_BOBBY_POS), IsFalse(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE)));
    GoTo(KID, 9);
    ChildrenArrive();
    Play(KID, "g_dlghandwave");
    Play(KID, "g_talk_l");
    Dialog(0x2DA18EB5);
    Play(KID, "g_idle_l");
    GoTo(BOBBY, WP_BOBBY_LADDER);
    Together();
    Sound(BOBBY, 0x3660CC1E, 1122);
    Play(BOBBY, "humanladder01");
    PushAnimAction(BOBBY, "humanladder02_l", 1, 0);
    Apart();
    SetInteractive(BOBBY, true);
    SetBoolVar(VARBOOL_BG102_C01_BOBBY_POS, true);
    BlockersUnderTheWindow(true);
    _EndMatch();
    _EndMatch();

    // UseItem "bedroom_window" with Nell: she climbs on Bobby's shoulders.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("bedroom_window"), ItemNamed("ITEM_NELL_KID")));
    NellOnBobby(false);
    _EndMatch();
}

void SceneScript_bg102::NellOnBobby(bool bWithSound)
{
    _IfMatch(Both(IsFalse(VARBOOL_BG102_C01_HUMAN_LADDER_HERE), IsFalse(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE)));
    GoTo(KID, 9);
    ChildrenArrive();
    Play(KID, "g_talk_l");
    Dialog(0x0D34878C);
    Play(KID, "g_idle_l");
    _IfBool(VARBOOL_BG102_C01_BOBBY_POS, 1);
    GoTo(NELL, WP_NELL_LADDER_FOOT);
    if (bWithSound)
        EffectSound(0x7B515DCC);
    Play(NELL, "humanladder01");
    Place(NELL, WP_NELL_ON_BOBBY);
    AddToQueue(NELL, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Play(NELL, "humanladder02_l");
    SetBoolVar(VARBOOL_BG102_C01_HUMAN_LADDER_HERE, true);
    SetInteractive(Object("human_ladder"), true);
    SetInteractive(NELL, false);
    if (!bWithSound)
        BlockersUnderTheWindow(true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg102::ChildrenArrive()
{
    // Once the boat is seen, Bobby and Nell come running into the yard.
    _IfMatch(Both(IsTrue(VARBOOL_BG103_C01_SEE_ALESSANDRO), IsFalse(VARBOOL_BG102_C01_BOBBY_KID_HERE)));
    Place(BOBBY, 4);
    Place(NELL, 4);
    ShowChildren();
    Together();
    GoTo(BOBBY, 6);
    Wait(NELL, 600);
    GoTo(NELL, 16);
    Apart();
    SetBoolVar(VARBOOL_BG102_C01_BOBBY_KID_HERE, true);
    _EndMatch();
}

void SceneScript_bg102::ShowChildren()
{
    ShowObject(BOBBY, true);
    SetInteractive(BOBBY, true);
    ShowObject(NELL, true);
    SetInteractive(NELL, true);
}

void SceneScript_bg102::Climb()
{
    GoTo(KID, 15);
    Dialog(0x6669D516);
    SetBoolVar(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    SetInteractive(Object("floor"), true);
    SetInteractive(Object("ledge"), true);
    for (Object hotspot : OUT_OF_REACH_FROM_LEDGE)
        SetInteractive(hotspot, false);
    SetInteractive(Object("human_ladder"), false);
}

void SceneScript_bg102::ChildrenEvents()
{
    // UseItem "bobby_kid" with Nell: as on the window, with her jump heard.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BOBBY, ItemNamed("ITEM_NELL_KID")));
    NellOnBobby(true);
    _EndMatch();

    // Look and Talk "bobby_kid" and "nell_kid".
    _IfEvent(ScriptEvent_FlaggedId1(BOBBY));
    Dialog(0x511A4B93);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(BOBBY));
    Dialog(0x8989B789);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId1(NELL));
    Dialog(0xCF07060C);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(NELL));
    Dialog(0x51D0C6A4);
    _EndMatch();

    // Look "human_ladder".
    _IfEvent(ScriptEvent_Object1(Object("human_ladder")));
    GoTo(KID, 15);
    Dialog(0xA4285E94);
    _EndMatch();

    // Activate "human_ladder": the kid climbs to the ledge, and the children
    // she brought stay in the yard.
    _IfMatch(MatchExpr::MakeEvent0(Object("human_ladder")));
    BlockersUnderTheWindow(false);
    GoTo(KID, 15);
    Dialog(0x6669D516);
    SetBoolVar(VARBOOL_BG102_C01_TAVRINE_KID_ON_LEDGE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    Take(KID, ItemNamed("ITEM_NELL_KID"));
    Take(KID, ItemNamed("ITEM_BOBBY_KID"));
    SetInteractive(Object("floor"), true);
    SetInteractive(Object("ledge"), true);
    for (Object hotspot : OUT_OF_REACH_FROM_LEDGE)
        SetInteractive(hotspot, false);
    for (Object toy : YARD_TOYS)
        SetInteractive(toy, false);
    SetInteractive(Object("human_ladder"), false);
    _EndMatch();
}

void SceneScript_bg102::LedgeEvents()
{
    // Look and Activate "floor": the yard below the ledge.
    LookAt({"floor", 26, 0x95107424, 0});
    _IfMatch(MatchExpr::MakeEvent0(Object("floor")));
    GoTo(KID, 26);
    Play(KID, "g_observeover");
    Play(KID, "g_idle_l");
    Dialog(0xB8FADCC3);
    _EndMatch();

    // Look and Activate "ledge": round its end and in at the window.
    LookAt({"ledge", 27, 0xE5F7C321, 0});
    _IfMatch(MatchExpr::MakeEvent0(Object("ledge")));
    GoTo(KID, 27);
    Dialog(0xC81D6BC6);
    PushAnimAction(KID, "aroundedge01", 1, 0);
    GoToScene(9); // bg101_BO_CastilloLivingRoom
    _EndMatch();

    // Look and Activate "kite" and "skull".
    for (const Thing& oToy :
         {Thing {"kite", 40, 0x1D16EE0E, 0x10C68CA5}, Thing {"skull", 41, 0x60541C69, 0x4DBEB48E}}) {
        LookAt(oToy);
        ActivateTalk(oToy);
    }
}

void SceneScript_bg102::GestureCallbacks()
{
    PlayGesture(OnCallback(HAPPY_TO_MEET.uCallback), KID, HAPPY_TO_MEET.gesture, HAPPY_TO_MEET.after);

    // Diego hugs the kid.
    _IfEvent(OnCallback(0xAA6031A0));
    Together();
    Sound(KID, 0x2B71CF63, 528);
    Play(KID, "hugdiego");
    Play(DIEGO, "hugkid");
    Apart();
    Play(DIEGO, "g_idle_l");
    Play(KID, "g_talk_l");
    _EndMatch();

    for (const Gesture& oGesture : KID_GESTURES)
        PlayGesture(OnCallback(oGesture.uCallback), KID, oGesture.gesture, oGesture.after);
}

void SceneScript_bg102::ChoreCallbacks()
{
    // The dust goes into the barrel in a cloud.
    _IfEvent(OnCallback(0xF51F9C63));
    Play(KID, "throwdust01");
    PushAddAttachment(KID, AttachmentNamed("brush"), BONE_RIGHT_HAND);
    PushAddAttachment(KID, AttachmentNamed("dustpan"), BONE_LEFT_HAND);
    Together();
    Play(KID, "throwdust02");
    PushHashAction23(Object("fx_dust_f"), 0xED99B102);
    PushHashAction23(Object("fx_dust_b"), 0x2C89A605);
    Sound(KID, 0x11A41D7D, 0);
    Play(KID, "throwdust03");
    Apart();
    ShowObject(Object("fx_dust_f"), false);
    ShowObject(Object("fx_dust_b"), false);
    Play(KID, "throwdust04");
    PushRemoveAttachment(KID, AttachmentNamed("brush"));
    PushRemoveAttachment(KID, AttachmentNamed("dustpan"));
    Play(KID, "throwdust05");
    Play(KID, "g_idle_l");
    _EndMatch();

    // The kid pumps and takes the filled jug.
    _IfEvent(OnCallback(0x6308435B));
    Together();
    PushHashAction23(Object("fx_pump"), 0xEE779D68);
    PushHashAction23(Object("fx_water_pump"), 0xC7A1CC05);
    Sound(KID, 0x161EED03, 1320);
    Play(KID, "waterpumping01");
    Apart();
    PushHashAction23(Object("fx_water_pump"), 0x31AB5DD7);
    Play(KID, "g_idle_l");
    GoTo(KID, 11);
    PickUp<Reach::Low>(KID, Object("i_water_jug"), ItemNamed("ITEM_FILLED_WATER_JUG"));
    SetBoolVar(VARBOOL_BG102_C01_FIXED_WATER_PUMP_3, false);
    SetBoolVar(VARBOOL_BG102_C01_WATER_JUG_IS_FULL, true);
    _EndMatch();
}

void SceneScript_bg102::LadderCallbacks()
{
    // Under the window, and up to look through it.
    _IfEvent(OnCallback(0x4799D73D));
    GoTo(KID, 24);
    _EndMatch();
    _IfEvent(OnCallback(0xDE908687));
    GoTo(KID, 10);
    Play(KID, "lookthroughwindow01");
    Play(KID, "g_idle_l");
    _EndMatch();

    // The kid turns to Bobby, or to Nell.
    _IfEvent(OnCallback(0x8BAF8819));
    WalkTo(KID, 9);
    TurnToward(KID, BOBBY);
    _EndMatch();
    _IfEvent(OnCallback(0x2020B9C2));
    WalkTo(KID, 9);
    TurnToward(KID, NELL);
    _EndMatch();

    _IfEvent(OnCallback(0x463EB5A1));
    GoTo(KID, 14);
    _EndMatch();

    // Up the ladder onto the ledge.
    _IfEvent(OnCallback(0x1CBA7D92));
    SetInteractive(BOBBY, false);
    EffectSound(0x794F9814);
    GoTo(KID, WP_KID_LADDER_FOOT);
    Place(KID, WP_KID_ON_NELL);
    AddToQueue(KID, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Together();
    PushAnimAction(KID, "humanladder01", 0, 1);
    PushAnimAction(NELL, "humanladder03", 0, 1);
    PushAnimAction(BOBBY, "humanladder03", 0, 1);
    Play(KID, "g_idle_l");
    Play(NELL, "g_idle_l");
    Play(BOBBY, "g_idle_l");
    Apart();
    _EndMatch();

    // She steps from Nell's shoulders onto the ledge, and the children step back
    // to their places.
    _IfEvent(OnCallback(0x85B32C28));
    AddToQueue(KID, ID_ACTION_TYPE_PLACE_AT_WAYPOINT, Param::Waypoint(14), Param::Bool(false));
    AddToQueue(KID, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    Place(NELL, WP_NELL_LADDER_FOOT);
    AddToQueue(NELL, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    Together();
    GoTo(NELL, 16);
    GoTo(BOBBY, 6);
    TurnToward(NELL, KID);
    TurnToward(BOBBY, KID);
    Apart();
    SetInteractive(BOBBY, true);
    SetInteractive(NELL, true);
    SetBoolVar(VARBOOL_BG102_C01_HUMAN_LADDER_HERE, false);
    _EndMatch();
}

void SceneScript_bg102::LookAt(const Thing& oThing)
{
    WalkAndTalk(ScriptEvent_Object1(oThing.hotspot), KID, oThing.iWaypoint, oThing.uLookDialog);
}

void SceneScript_bg102::ActivateTalk(const Thing& oThing)
{
    WalkAndTalk(MatchExpr::MakeEvent0(oThing.hotspot), KID, oThing.iWaypoint, oThing.uActivateDialog);
}

void SceneScript_bg102::BlockersUnderTheWindow(bool bActive)
{
    PushAction21(KID, BOBBY_BLOCKER, bActive ? 1 : 0);
    PushAction21(KID, NELL_BLOCKER, bActive ? 1 : 0);
}

} // namespace

// Scene 10, bg102_BO_CastilloHouseExterior.
REGISTER_SCENE_SCRIPT(bg102, 10);
