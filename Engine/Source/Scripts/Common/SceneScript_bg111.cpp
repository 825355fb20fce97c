// Briscoe's house inside before the fire (scene 18,
// bg111_BO_BriscoesHouseInterior). Chapter 5: the heroine comes in behind
// Briscoe and finds Elizabeth tied to a chair; he runs to her, and once she
// is untied and both have been heard, Arno comes in with his note, gloats,
// sets the house alight and leaves. The movie of the blaze follows, and the
// burning house (scene 19) takes the story on. No door leads out of here.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg111_18>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"elizabeth_b"> ELIZABETH;
constexpr ActorNamed<"arno"> ARNO;

// Waypoints of the room.
constexpr int32_t WP_HEROINE_IN = 0;
constexpr int32_t WP_ELIZABETH = 1;
constexpr int32_t WP_BRISCOE_BESIDE_HER = 2;
constexpr int32_t WP_ARNO = 3;
constexpr int32_t WP_UNTYING = 4;
constexpr int32_t WP_HEROINE_FACING_ARNO = 5;
constexpr int32_t WP_BRISCOE_IN = 7;
constexpr int32_t WP_TALKING = 8;
constexpr int32_t WP_BRISCOE_ROUND_THE_CHAIR = 9;
constexpr int32_t WP_HEROINE_BY_THE_FIRE = 10;
constexpr int32_t WP_ELIZABETH_FLEEING = 11;
constexpr int32_t WP_DOORWAY = 13;

// Sprite animations: the door swinging open and falling shut; the lamp lit
// and overturned.
constexpr uint32_t DOOR_OPENS = 0xc99f14fa;
constexpr uint32_t DOOR_SHUTS = 0xb1d220d6;
constexpr uint32_t LAMP_LIT = 0xaedff194;
constexpr uint32_t LAMP_FALLS = 0x17f5665b;

// Sounds: the music and the room; Briscoe's cry as he runs to her, the rope
// falling, the heroine struck as Arno leaves.
constexpr uint32_t HOUSE_MUSIC = 0x0666ef79;
constexpr uint32_t HOUSE_AMBIENCE = 0x310b94a5;
constexpr uint32_t BRISCOE_CRIES = 0x7e1078d4;
constexpr uint32_t ROPE_FALLS = 0x6ff4d65c;
constexpr uint32_t HEROINE_STRUCK = 0x28ab5f91;

constexpr int32_t MOVIE_STRIP03 = 11;
constexpr int32_t BURNING_HOUSE = 19; // bg111_BO_BriscoesHouseInterior_B

// Dialogs: the arrival's quarrel, Elizabeth's talk, Briscoe's talk, Arno's
// gloating; the two looks.
constexpr uint32_t QUARREL = 0x18eb8a28;
constexpr uint32_t TALK_ELIZABETH = 0x2e2c2822;
constexpr uint32_t TALK_BRISCOE = 0xa53953b5;
constexpr uint32_t ARNO_GLOATS = 0x8a7eb3a0;
constexpr uint32_t LOOK_BRISCOE = 0x166c58b2;
constexpr uint32_t LOOK_ELIZABETH = 0xf6bfd438;

class SceneScript_bg111 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildEvents() override;

private:
    void Arrival();
    void PlaceForALaterVisit();
    void BuildArnoEntrance();

    void HeroineCallbacks();
    void BriscoeEvents();
    void ElizabethEvents();
    void UntyingCallbacks();
    void ArnoCallbacks();
    // Look or Talk at one of the two: she steps up to waypoint 8 without its
    // own facing, turns to the actor and the dialog runs.
    void FaceAndTalk(const EventDesc& oEvent, uint32_t uActorId, uint32_t uDialogId);
};

void SceneScript_bg111::LinkSoundGroups()
{
    LinkSoundGroup(0x4099c3c8, InChapter(5));
    LinkSoundGroup(0x30fc919b, InEveryChapterBut(5));
}

void SceneScript_bg111::BuildEnterActions()
{
    PlayMusic(HOUSE_MUSIC);
    PlayAmbience(HOUSE_AMBIENCE);
    SetSceneDirection(3);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    for (const int32_t iEffect : {Object("fx_lamp"), Object("fx_candle"), Object("e_halo"), Object("fx_fire")})
        ShowObject(iEffect, false);
    // Arno is only ever seen coming in.
    ShowObject(ARNO, false);

    _IfMatch(InChapter(5));
    SetBoolVar(VARBOOL_BG105_C05_GROCERS_SHOP_IS_CLOSED, true);
    PushHashAction23(Object("e_open_door"), DOOR_OPENS);
    ShowObject(Object("e_open_door"), true);
    ShowObject(Object("fx_lamp"), true);
    PushHashAction23(Object("fx_lamp"), LAMP_LIT);
    ShowObject(Object("fx_candle"), true);
    ShowObject(Object("e_halo"), true);
    _IfBool(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER, 0);
    Arrival();
    _ElseMatch();
    PlaceForALaterVisit();
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg111::Arrival()
{
    SelectCharacter(BRISCOE);
    Place(BRISCOE, WP_BRISCOE_IN);
    Place(ELIZABETH, WP_ELIZABETH);
    Place(HEROINE, WP_HEROINE_IN);
    ShowObject(BRISCOE, true);
    ShowObject(ELIZABETH, true);
    Play(ELIZABETH, "tied_idle_l");

    // Briscoe rushes to her; the heroine follows a moment later.
    Together();
    Sound(BRISCOE, BRISCOE_CRIES, 1320);
    PushAnimAction(BRISCOE, "runtoelizabeth", 0, 1);
    Play(ELIZABETH, "runtoelizabeth");
    Wait(HEROINE, 1000);
    GoTo(HEROINE, WP_UNTYING);
    Play(ELIZABETH, "tied_idle_l");
    Play(BRISCOE, "g_idle_l");
    Apart();
    WaitForAll();

    Dialog(QUARREL);
    SetBoolVar(VARBOOL_BG111_C05_EVENT_ELIZABETH_ANGER, true);
    Dialog(TALK_ELIZABETH);
    TurnToward(HEROINE, BRISCOE);
    Dialog(TALK_BRISCOE);
    BuildArnoEntrance();
}

void SceneScript_bg111::PlaceForALaterVisit()
{
    // Back from a save: the three stand where the arrival and the untying
    // left them, Elizabeth still tied until she is freed.
    Place(HEROINE, WP_TALKING);
    Place(ELIZABETH, WP_ELIZABETH);
    _IfBool(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE, 0);
    Place(BRISCOE, WP_BRISCOE_IN);
    Play(ELIZABETH, "tied_idle_l");
    _ElseMatch();
    Place(BRISCOE, WP_BRISCOE_BESIDE_HER);
    Play(ELIZABETH, "idle_l");
    _EndMatch();
}

void SceneScript_bg111::BuildArnoEntrance()
{
    _IfMatch(Both(IsTrue(VARBOOL_BG111_C05_TALK_ELIZABETH), IsTrue(VARBOOL_BG111_C05_TALK_BRISCOE)));
    Place(ARNO, WP_DOORWAY);
    SelectCharacter(ARNO);
    ShowObject(ARNO, true);
    PushAddAttachment(ARNO, AttachmentNamed("arno_note"), BONE_RIGHT_HAND);
    GoTo(HEROINE, WP_TALKING);
    GoTo(ARNO, WP_ARNO);

    Together();
    PushAnimAction(ARNO, "triumph_01", 0, 0);
    PushAnimAction(HEROINE, "triumph_01", 0, 1);
    PushAnimAction(ARNO, "triumph_01_talk_l", 1, 0);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_HEROINE_FACING_ARNO);
    Play(ELIZABETH, "idle_l");
    Apart();

    Dialog(ARNO_GLOATS);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_STRIP03));
    GoToScene(BURNING_HOUSE);
    _EndMatch();
}

void SceneScript_bg111::BuildEvents()
{
    HeroineCallbacks();
    BriscoeEvents();
    ElizabethEvents();
    UntyingCallbacks();
    ArnoCallbacks();
}

void SceneScript_bg111::FaceAndTalk(const EventDesc& oEvent, uint32_t uActorId, uint32_t uDialogId)
{
    _IfEvent(oEvent);
    WalkTo(HEROINE, WP_TALKING);
    TurnToward(HEROINE, uActorId);
    Dialog(uDialogId);
    _EndMatch();
}

void SceneScript_bg111::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xa85cc740), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x572c2b06), HEROINE, "g_idle_l");
}

void SceneScript_bg111::BriscoeEvents()
{
    // Talking to Briscoe never brings Arno in: only Elizabeth's talk does.
    FaceAndTalk(ScriptEvent_FlaggedId1(BRISCOE), BRISCOE, LOOK_BRISCOE);
    FaceAndTalk(ScriptEvent_FlaggedId2(BRISCOE), BRISCOE, TALK_BRISCOE);
    PlayGesture(OnCallback(0x1a358376), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), BRISCOE, "g_idle_l");
}

void SceneScript_bg111::ElizabethEvents()
{
    FaceAndTalk(ScriptEvent_FlaggedId1(ELIZABETH), ELIZABETH, LOOK_ELIZABETH);

    _IfEvent(ScriptEvent_FlaggedId2(ELIZABETH));
    WalkTo(HEROINE, WP_TALKING);
    TurnToward(HEROINE, ELIZABETH);
    Dialog(TALK_ELIZABETH);
    BuildArnoEntrance();
    _EndMatch();

    // Her talk and idle loops, tied to the chair or free.
    _IfEvent(OnCallback(0x65edd02b));
    _IfBool(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE, 0);
    Play(ELIZABETH, "tied_talk_l");
    _ElseMatch();
    Play(ELIZABETH, "talk_l");
    _EndMatch();
    _EndMatch();

    _IfEvent(OnCallback(0xba69cf05));
    _IfBool(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE, 0);
    Play(ELIZABETH, "tied_idle_l");
    _ElseMatch();
    Play(ELIZABETH, "idle_l");
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg111::UntyingCallbacks()
{
    // She kneels behind the chair and works at the knots.
    _IfEvent(OnCallback(0x682edbbb));
    GoTo(HEROINE, WP_UNTYING);
    Play(HEROINE, "untie_elizabeth_01");
    Play(HEROINE, "untie_elizabeth_02_l");
    _EndMatch();

    // The rope falls: Elizabeth stands up, Briscoe comes round to her side,
    // and the rope is the heroine's.
    _IfEvent(OnCallback(0x460efad2));
    Together();
    Sound(BRISCOE, ROPE_FALLS, 198);
    Play(HEROINE, "untie_elizabeth_03");
    Play(ELIZABETH, "freestandup");
    WalkTo(BRISCOE, WP_BRISCOE_ROUND_THE_CHAIR);
    GoTo(BRISCOE, WP_BRISCOE_BESIDE_HER);
    Apart();
    Play(HEROINE, "g_idle_l");
    Play(ELIZABETH, "idle_l");
    TurnToward(ELIZABETH, HEROINE);
    Give(HEROINE, ItemNamed("ITEM_ROPE"));
    SetBoolVar(VARBOOL_QUEST_C5_SAVE_ELIZABETH01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C5_FIND_JEWELS, true);
    _EndMatch();
}

void SceneScript_bg111::ArnoCallbacks()
{
    // Arno takes his note off and waves it at them.
    _IfEvent(OnCallback(0x5005e202));
    PushAnimAction(ARNO, "triumph_02", 0, 0);
    PushRemoveAttachment(ARNO, AttachmentNamed("arno_note"));
    PushAnimAction(ARNO, "triumph_03", 0, 0);
    PushAnimAction(ARNO, "triumph_02_talk_l", 1, 0);
    _EndMatch();

    // Arno strikes her down on his way out and the door falls shut; the lamp
    // tips over, the candle goes out and the fire grows while Briscoe and
    // Elizabeth panic. Each target keeps its own time; nothing waits here.
    _IfEvent(OnCallback(0xf48bdac3));
    Together();
    Place(ARNO, WP_ARNO);
    PushAnimAction(ARNO, "exitmanor", 0, 1);
    ShowObject(ARNO, false);
    Sound(HEROINE, HEROINE_STRUCK, 1188);
    PushAnimAction(HEROINE, "exitmanor", 0, 1);
    Wait(Object("e_open_door"), 1500);
    PushHashAction23(Object("e_open_door"), DOOR_SHUTS);
    Wait(Object("o_door"), 1000);
    Wait(Object("fx_lamp"), 1600);
    PushHashAction23(Object("fx_lamp"), LAMP_FALLS);
    Wait(Object("fx_candle"), 1544);
    ShowObject(Object("fx_candle"), false);
    Wait(Object("e_halo"), 1544);
    ShowObject(Object("e_halo"), false);
    Wait(Object("fx_fire"), 3200);
    PushAction60(Object("fx_fire"), 300, 1);
    ShowObject(Object("fx_fire"), true);
    Wait(Object("o_door"), 1000);
    Play(HEROINE, "g_idle_l");
    Place(HEROINE, WP_HEROINE_BY_THE_FIRE);
    Wait(BRISCOE, 2500);
    Play(BRISCOE, "panic_01");
    Wait(ELIZABETH, 1000);
    GoTo(ELIZABETH, WP_ELIZABETH_FLEEING);
    Wait(ELIZABETH, 1000);
    Play(ELIZABETH, "panic_01");
    Play(BRISCOE, "panic_02_l");
    Play(ELIZABETH, "panic_02_l");
    Apart();
    _EndMatch();
}

} // namespace

// Scene 18, bg111_BO_BriscoesHouseInterior.
REGISTER_SCENE_SCRIPT(bg111, 18);
