// The golden turtle inn on Crab island (scene 27, bg206_CR_TortueOr): a bar
// room with its landlord and a guest at the bar. In chapter 8 the heroine
// comes in with Diego and meets uncle Eduardo again; the turtle rod shown to
// him gives the coordinates and sends her to the ship's cabin at night. In
// chapter 8 the door stays shut behind her; in other chapters Diego and
// Eduardo are away and the door is the way out. The map is off in here.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg206_27>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"landlord"> LANDLORD;
constexpr ActorNamed<"unamed"> GUEST;
constexpr ActorNamed<"uncle_eduardo"> EDUARDO;

// Waypoints of the bar room.
constexpr int32_t WP_BEFORE_EDUARDO_AT_ONCE = 0;
constexpr int32_t WP_DOOR = 1;
constexpr int32_t WP_IN_FROM_THE_DOOR = 2;
constexpr int32_t WP_DIEGO = 3;
constexpr int32_t WP_LANDLORD = 4;
constexpr int32_t WP_AT_THE_BAR = 5;
constexpr int32_t WP_EDUARDO = 6;
constexpr int32_t WP_GUEST = 7;
constexpr int32_t WP_BEFORE_EDUARDO = 8;
constexpr int32_t WP_WAY_OUT = 10;

// The walk-mesh blocker in the doorway: shut but on the way out.
constexpr int32_t DOOR_BLOCKER = 0;

constexpr uint32_t INN_MUSIC = 0x5964f801;
constexpr uint32_t INN_AMBIENCE = 0x34328e1e;
constexpr uint32_t EDUARDO_GASPS = 0x4ca14503;
constexpr int32_t GASP_DELAY = 396;
constexpr uint32_t COORDINATES_REVEALED = 0x3c51bc24;

// Story markers the runtime leaves without effect: the wish granted, the
// meeting over.
constexpr int32_t WISH_MARKER = 11;
constexpr int32_t MEETING_MARKER = 8;

constexpr int32_t DRAKES_OFFICE = 25; // bg204_CR_DrakesOfficeExterior
constexpr int32_t NIGHT_CABIN = 8;    // bg004_WM_AlessandrosCabin_N

class SceneScript_bg206 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void TheArrival();
    void MeetingCallbacks();
    void RodCallbacks();
    void TalkCallbacks();
    // She walks to the bar and turns to the one at it before her piece.
    void AtTheBar(const EventDesc& oEvent, uint32_t uFaced, uint32_t uDialog);
    void SetShadow(uint32_t uActorId, bool bOn)
    {
        AddToQueue(uActorId, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(bOn));
    }
};

void SceneScript_bg206::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg206_chapter_08"), InChapter(8));
    // Nine chapter tests in one chain are more than a condition holds.
    LinkSoundGroup(0x467537c2, InEveryChapterBut(8));
}

void SceneScript_bg206::BuildEnterActions()
{
    PlayMusic(INN_MUSIC);
    PlayAmbience(INN_AMBIENCE);
    SetSceneDirection(9);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);

    _IfMatch(InChapter(8));
    _IfBool(VARBOOL_QUEST_C8_TURTLE_INN03_DONE, 0);
    // Diego walks in with her: he is no longer hers to hand out.
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    _ElseMatch();
    PushAnimAction(EDUARDO, "tortuedoridle_l", 1, 0);
    _EndMatch();
    Place(HEROINE, WP_BEFORE_EDUARDO_AT_ONCE);
    SetInteractive(Object("goto_bg204"), false);
    SetInteractive(Object("uncle_eduardo"), false);
    _ElseMatch();
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(EDUARDO, false);
    SetInteractive(Object("uncle_eduardo"), false);
    _EndMatch();

    Place(DIEGO, WP_DIEGO);
    Place(LANDLORD, WP_LANDLORD);
    Place(EDUARDO, WP_EDUARDO);
    SetShadow(EDUARDO, false);
    Place(GUEST, WP_GUEST);
    SetShadow(GUEST, false);

    _IfMatch(InChapter(8));
    _IfBool(VARBOOL_QUEST_C8_TURTLE_INN03_DONE, 0);
    TheArrival();
    _EndMatch();
    _ElseMatch();
    Place(HEROINE, WP_DOOR);
    WalkTo(HEROINE, WP_DIEGO);
    _EndMatch();

    PushAction21(HEROINE, DOOR_BLOCKER, 1);
}

void SceneScript_bg206::TheArrival()
{
    SetBoolVar(VARBOOL_QUEST_C8_TURTLE_INN03_DONE, true);
    Place(HEROINE, WP_DOOR);
    Place(DIEGO, WP_DOOR);
    Together();
    GoTo(HEROINE, WP_IN_FROM_THE_DOOR);
    Wait(DIEGO, 500);
    GoTo(DIEGO, WP_DIEGO);
    Apart();
    // Both in before the meeting starts.
    WaitForAll();
    Dialog(0xeba0fb22);
    SetBoolVar(VARBOOL_QUEST_C4_UNCLE_EDUARDO05_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C8_UNCLE_EDUARDO06_DONE, true);
    _IfBool(VARBOOL_BG307_C04_WISH_UNCLE_EDUARDO, 1);
    SetBoolVar(VARBOOL_BG307_C04_A_WISH, false);
    Dialog(0x61df2eb4);
    NoEffect(WISH_MARKER);
    _EndMatch();
    NoEffect(MEETING_MARKER);
}

void SceneScript_bg206::BuildExitEvents()
{
    // Activate "goto_bg204": out to Drake's office; the last steps play
    // during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg204")));
    PushAction21(HEROINE, DOOR_BLOCKER, 0);
    WalkTo(HEROINE, WP_WAY_OUT);
    GoToScene(DRAKES_OFFICE);
    WalkTo(HEROINE, WP_DOOR);
    _EndMatch();
}

void SceneScript_bg206::BuildEvents()
{
    MeetingCallbacks();

    AtTheBar(ScriptEvent_FlaggedId1(LANDLORD), LANDLORD, 0x31a06a78);
    AtTheBar(ScriptEvent_FlaggedId2(LANDLORD), LANDLORD, 0xaf77aad0);
    AtTheBar(ScriptEvent_FlaggedId1(GUEST), GUEST, 0xda3ec5e0);
    AtTheBar(ScriptEvent_FlaggedId2(GUEST), GUEST, 0xe94fec18);
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_AT_THE_BAR, 0x0121aad5);
    WalkAndTalk(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_AT_THE_BAR, 0x7315b7b8);
    WalkAndTalk(ScriptEvent_FlaggedId1(EDUARDO), HEROINE, WP_BEFORE_EDUARDO, 0x610f591b);
    WalkAndTalk(ScriptEvent_FlaggedId2(EDUARDO), HEROINE, WP_BEFORE_EDUARDO, 0x3011e76b);

    // UseItem the turtle rod on "uncle_eduardo": he reads the coordinates
    // from it, and the night on the ship follows.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(EDUARDO, ItemNamed("ITEM_TURTLE_ROD")));
    GoTo(HEROINE, WP_BEFORE_EDUARDO);
    SetBoolVar(VARBOOL_BG206_C08_USE_TURTLEROD_ON_EDUARDO, true);
    Dialog(0x3b838829);
    GoToScene(NIGHT_CABIN);
    _EndMatch();

    RodCallbacks();
    TalkCallbacks();
}

void SceneScript_bg206::MeetingCallbacks()
{
    // Callback: the guest turns round, and it is Eduardo.
    _IfEvent(OnCallback(0xf116e953));
    Together();
    Play(HEROINE, "meetagain_01");
    Play(GUEST, "meetagain_01");
    Play(EDUARDO, "meetagain_01");
    Play(EDUARDO, "meetagain_02_l");
    Play(GUEST, "meetagain_02_l");
    Play(HEROINE, "meetagain_02_l");
    Apart();
    _EndMatch();

    // Callback: the embrace; the guest goes back to his glass.
    _IfEvent(OnCallback(0xcda5af41));
    Together();
    PushAnimAction(HEROINE, "meetagain_03", 0, 1);
    Play(GUEST, "meetagain_03");
    Play(EDUARDO, "meetagain_03");
    Play(EDUARDO, "meetagain_04_l");
    PushAnimAction(GUEST, "barsitting_l", 1, 0);
    Play(HEROINE, "meetagain_04_l");
    Place(HEROINE, WP_BEFORE_EDUARDO);
    Apart();
    _EndMatch();

    // Callback: they let go.
    _IfEvent(OnCallback(0x6ec3ff8f));
    Together();
    Play(HEROINE, "meetagain_05");
    Play(EDUARDO, "meetagain_05");
    PushAnimAction(EDUARDO, "tortuedoridle_l", 1, 0);
    Play(HEROINE, "g_idle_l");
    Apart();
    _EndMatch();
}

void SceneScript_bg206::RodCallbacks()
{
    // Callback: she takes the rod out and holds it up; he sees it.
    _IfEvent(OnCallback(0xb48375e2));
    Play(HEROINE, "showrod_01");
    PushAddAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"), BONE_RIGHT_HAND);
    Play(HEROINE, "showrod_02");
    Play(HEROINE, "showrod_03_l");
    Together();
    Sound(EDUARDO, EDUARDO_GASPS, GASP_DELAY);
    Play(EDUARDO, "seeturtlerod");
    Apart();
    Play(EDUARDO, "tortuedorexciteditalk_l");
    _EndMatch();

    _IfEvent(OnCallback(0x2d8a2458));
    Play(EDUARDO, "tortuedorexcitedidle_l");
    Play(HEROINE, "showrod_04_l");
    _EndMatch();

    // Callback: he reads the coordinates off the rod.
    _IfEvent(OnCallback(0x5a8d14ce));
    Place(EDUARDO, WP_EDUARDO);
    SelectCharacter(EDUARDO);
    EffectSound(COORDINATES_REVEALED);
    PushAnimAction(EDUARDO, "revealcoordinates01", 0, 0);
    PushAnimAction(EDUARDO, "revealcoordinates02_l", 1, 0);
    _EndMatch();

    // Callback: she puts the rod away and turns to Diego.
    _IfEvent(OnCallback(0xc4e9816d));
    Together();
    Play(HEROINE, "showrod_05");
    PushRemoveAttachment(HEROINE, AttachmentNamed("turtle_rod_tavrine"));
    Play(HEROINE, "showrod_06");
    Play(HEROINE, "g_idle_l");
    TurnToward(HEROINE, DIEGO);
    PushAnimAction(EDUARDO, "revealcoordinates03", 0, 0);
    Play(DIEGO, "revealcoordinates03");
    Play(DIEGO, "revealcoordinates04_l");
    PushAnimAction(EDUARDO, "revealcoordinates04_l", 1, 0);
    Apart();
    _EndMatch();
}

void SceneScript_bg206::TalkCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    _IfEvent(OnCallback(0xa4062650));
    PushAnimAction13(LANDLORD, "bartalking_l", 1);
    _EndMatch();
    PlayGesture(OnCallback(0xe6f73ffb), LANDLORD, "barworking01_l");
    PlayGesture(OnCallback(0x98377b3b), EDUARDO, "tortuedortalk_l");
    _IfEvent(OnCallback(0x8786892f));
    PushAnimAction(EDUARDO, "tortuedoridle_l", 1, 0);
    _EndMatch();
    PlayGesture(OnCallback(0x8bbc8e27), DIEGO, "g_talk_l");
    PlayGesture(OnCallback(0x728fd06d), DIEGO, "g_idle_l");
}

void SceneScript_bg206::AtTheBar(const EventDesc& oEvent, uint32_t uFaced, uint32_t uDialog)
{
    _IfEvent(oEvent);
    WalkTo(HEROINE, WP_AT_THE_BAR);
    TurnToward(HEROINE, uFaced);
    Dialog(uDialog);
    _EndMatch();
}

} // namespace

// Scene 27, bg206_CR_TortueOr.
REGISTER_SCENE_SCRIPT(bg206, 27);
