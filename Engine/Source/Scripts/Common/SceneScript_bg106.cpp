// The Admiral's Rest, the harbour inn (scene 14, bg106_BO_AdmiralsRest):
// Tasco works the bar, Nacho sits at his table. Chapter 2: Nell leaves for
// her shop, Tasco's talk of the merchant brings Briscoe with Hilary, and
// Briscoe's map ends the visit; the gold earring recruits Nacho. Chapter 5:
// a shirt from Nacho and strong rum from Tasco against the guards. Chapter 7:
// a dead chicken hangs by the kitchen. The kitchen, the picture and the
// bottles have their remarks in every chapter.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg106_14>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"tasco"> TASCO;
constexpr ActorNamed<"nacho"> NACHO;
constexpr ActorNamed<"nell"> NELL;
constexpr ActorNamed<"hilary"> HILARY;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;

// Walk-mesh blockers: one always on, one for every chapter-2 visit.
constexpr int32_t ROOM_BLOCKER = 0;
constexpr int32_t CHAPTER_2_BLOCKER = 1;

// Waypoints: the heroine's places, the seats and the way out.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_NACHO_SEAT = 1;
constexpr int32_t WP_NELL_SEAT = 2;
constexpr int32_t WP_BAR = 3;
constexpr int32_t WP_BRISCOE_SEAT = 4;
constexpr int32_t WP_DOOR_INSIDE = 5;
constexpr int32_t WP_WALK_IN = 6;
constexpr int32_t WP_DOOR = 7;
constexpr int32_t WP_HILARY_ARRIVES = 8;
constexpr int32_t WP_KITCHEN_DOOR = 9;
constexpr int32_t WP_BY_NELL = 10;
constexpr int32_t WP_BY_NACHO = 11;
constexpr int32_t WP_BY_TASCO = 12;
constexpr int32_t WP_BY_BRISCOE = 13;
constexpr int32_t WP_BRISCOE_ARRIVES = 14;
constexpr int32_t WP_BY_KITCHEN = 15;
constexpr int32_t WP_NELL_STANDS = 16;
constexpr int32_t WP_BY_FRY_PAN = 17;
constexpr int32_t WP_BY_CHICKEN = 22;
constexpr int32_t WP_BY_FOOD = 23;
constexpr int32_t WP_BY_PICTURE = 24;
constexpr int32_t WP_BY_BOTTLES = 25;

// Where the map hand-over leads: the loading screen, or the demo's end.
constexpr int32_t LOADING_SCENE = 61;  // bg993_Loading_placeholder
constexpr int32_t DEMO_END_SCENE = 63; // bg995_end_demo
constexpr int32_t THIS_SCENE = 14;     // bg106_BO_AdmiralsRest

// A dialog callback on which one character starts a looping animation.
struct TalkCallback {
    uint32_t uCallback;
    uint32_t uActor;
    int32_t iAnimation;
    // How it is played: 11 plain, 12 without committing, 13 held.
    int32_t iActionType;
};

class SceneScript_bg106 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter2();
    void BriscoeArrives();

    void TalkCallbacks();
    void KitchenEvents();
    void NachoEvents();
    void NellEvents();
    void NellLeaves();
    void TascoEvents();
    void TascoGoesOut();
    void BriscoeEvents();
    void MapHandedOver();
    void FryPanEvents();
    void ChickenEvents();
    void RoomEvents();

    void TalkTo(uint32_t uActor, bool bLook, int32_t iWaypoint, uint32_t uDialog);
};

void SceneScript_bg106::LinkActorSets()
{
    LinkActorSet("chapter_2_nell", Both(InChapter(2), IsFalse(VARBOOL_BG106_C02_NELL_NOT_HERE)));
    LinkActorSet("chapter_2_briscoe", Both(InChapter(2), IsTrue(VARBOOL_BG106_C02_NELL_NOT_HERE)));
    LinkActorSet("chapter_3_5",
                 MatchExpression(Op_Or, MatchExpression(Op_Or, InChapter(3), InChapter(4)), InChapter(5)));
}

void SceneScript_bg106::LinkSoundGroups()
{
    LinkSoundGroup(0x2d428cc1, InAnyChapter());
}

void SceneScript_bg106::BuildEnterActions()
{
    PlayMusic(0x5964f801);
    PlayAmbience(0x36743047);
    SetSceneDirection(4);
    WalkOnly(HEROINE, true);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    PushAction21(HEROINE, ROOM_BLOCKER, 1);

    ShowObject(Object("o_kitchen_dark"), false);
    SetInteractive(Object("event_kitchen"), false);
    ShowObject(Object("i_dead_chicken"), false);
    SetInteractive(Object("dead_chicken"), false);
    Place(TASCO, WP_BAR);
    Play(TASCO, "barworking01_l");

    _IfMatch(InChapter(2));
    EnterChapter2();
    _EndMatch();

    _IfMatch(MatchExpression(Op_Or, MatchExpression(Op_Or, InChapter(3), InChapter(4)), InChapter(5)));
    ShowObject(BRISCOE, false);
    SetInteractive(BRISCOE, false);
    Place(NACHO, WP_NACHO_SEAT);
    Play(NACHO, "innsittingidle_l");
    _EndMatch();

    _IfMatch(InChapter(7));
    _IfBool(VARBOOL_BG106_C07_INT_DEAD_CHICKEN, 0);
    ShowObject(Object("i_dead_chicken"), true);
    SetInteractive(Object("dead_chicken"), true);
    _EndMatch();
    _EndMatch();

    Place(HEROINE, WP_START);

    // In from the docks: the heroine steps in through the door.
    _IfMatch(CameFrom(13));
    Place(HEROINE, WP_DOOR_INSIDE);
    GoTo(HEROINE, WP_WALK_IN);
    _EndMatch();

    _IfMatch(InChapter(2));
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG106_C02_NELL_NOT_HERE), IsTrue(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT)),
                  IsFalse(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE)));
    BriscoeArrives();
    _EndMatch();
    PushAction21(HEROINE, CHAPTER_2_BLOCKER, 1);
    _EndMatch();
}

void SceneScript_bg106::EnterChapter2()
{
    Place(NACHO, WP_NACHO_SEAT);
    Play(NACHO, "innsittingidle_l");

    // Tasco is out from the merchant talk until Briscoe comes.
    _IfMatch(Both(IsTrue(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT),
                  IsFalse(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE)));
    ShowObject(TASCO, false);
    SetInteractive(TASCO, false);
    _EndMatch();

    _IfBool(VARBOOL_BG106_C02_NELL_NOT_HERE, 1);
    Play(TASCO, "barworking02_l");
    ShowObject(HILARY, false);
    SetInteractive(HILARY, false);
    Place(BRISCOE, WP_BRISCOE_SEAT);
    // Until Briscoe has come, the kitchen stays dark; once he is here it is
    // lit for good, or the fry pan could not grease the bread on a later
    // visit.
    _IfBool(VARBOOL_BG106_C02_BRISCOE_HERE, 0);
    ShowObject(BRISCOE, false);
    SetInteractive(BRISCOE, false);
    ShowObject(Object("o_kitchen_dark"), true);
    SetInteractive(Object("greasy_fry_pan"), false);
    SetInteractive(Object("food"), false);
    SetInteractive(Object("event_kitchen"), true);
    _EndMatch();
    _ElseMatch();
    ShowObject(Object("o_kitchen_dark"), true);
    SetInteractive(Object("greasy_fry_pan"), false);
    SetInteractive(Object("food"), false);
    SetInteractive(Object("event_kitchen"), true);
    Place(NELL, WP_NELL_SEAT);
    PushAnimAction(NELL, "innsittingidle_l", 1, 0);
    // Until she has been spoken to, Nell keeps her face hidden.
    _IfBool(VARBOOL_BG106_C02_TALK_NELL, 0);
    PushAnimAction(NELL, "innsittinghiddenidle_l", 1, 0);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg106::BriscoeArrives()
{
    Place(HEROINE, WP_BY_NELL);
    Place(TASCO, WP_KITCHEN_DOOR);
    Place(HILARY, WP_HILARY_ARRIVES);
    ShowObject(HILARY, true);
    Place(BRISCOE, WP_BRISCOE_ARRIVES);
    ShowObject(BRISCOE, true);
    SetInteractive(BRISCOE, true);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SELECT_CHARACTER, Param::Scriptable(ActorScriptableId(HILARY)));
    // Hilary brings Briscoe in and leaves; Tasco lights the kitchen and goes
    // back to his bar while the heroine waits.
    Together();
    GoTo(HILARY, WP_DOOR);
    Wait(BRISCOE, 500);
    GoTo(BRISCOE, WP_BRISCOE_SEAT);
    PushAction60(Object("o_kitchen_dark"), 5000, 0);
    ShowObject(TASCO, true);
    SetInteractive(TASCO, true);
    GoTo(TASCO, WP_BAR);
    Play(TASCO, "barworking02_l");
    Wait(HEROINE, 800);
    TurnToward(HEROINE, BRISCOE);
    Play(HEROINE, "g_impatience");
    Play(HEROINE, "g_idle_l");
    Apart();
    WaitForAll();
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SELECT_CHARACTER, Param::Scriptable(ActorScriptableId(HEROINE)));
    ShowObject(HILARY, false);
    SetBoolVar(VARBOOL_BG106_C02_BRISCOE_HERE, true);
    SetBoolVar(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE, true);
    SetInteractive(Object("event_kitchen"), false);
    SetInteractive(Object("greasy_fry_pan"), true);
    SetInteractive(Object("food"), true);
}

void SceneScript_bg106::BuildExitEvents()
{
    // Activate "goto_bg105": out to the docks.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg105")));
    PushAction21(HEROINE, CHAPTER_2_BLOCKER, 0);
    GoTo(HEROINE, WP_DOOR);
    GoToScene(13); // bg105_BO_Docks
    _EndMatch();
}

void SceneScript_bg106::BuildEvents()
{
    TalkCallbacks();
    KitchenEvents();
    NachoEvents();
    NellEvents();
    TascoEvents();
    BriscoeEvents();
    FryPanEvents();
    ChickenEvents();
    RoomEvents();
}

void SceneScript_bg106::TalkCallbacks()
{
    constexpr TalkCallback CALLBACKS[] = {
        {0xc7f3f060, HEROINE, AnimationOf<"tavrine">("g_talk_l").m_iId, ID_ACTION_TYPE_ANIMATION},
        {0x22a8abc2, HEROINE, AnimationOf<"tavrine">("g_idle_l").m_iId, ID_ACTION_TYPE_ANIMATION},
        {0x1761c598, NACHO, AnimationOf<"nacho">("innsittalking_l").m_iId, ID_ACTION_TYPE_ANIMATION_HOLD},
        {0x867e88bd, NACHO, AnimationOf<"nacho">("innsittingidle_l").m_iId, ID_ACTION_TYPE_ANIMATION},
        {0xb6440d00, NELL, AnimationOf<"nell">("innsittingtalk_l").m_iId, ID_ACTION_TYPE_PLAY_ANIMATION},
        {0x2814c597, NELL, AnimationOf<"nell">("innsittingidle_l").m_iId, ID_ACTION_TYPE_PLAY_ANIMATION},
        {0x1a358376, BRISCOE, AnimationOf<"thomas_b">("g_talk_l").m_iId, ID_ACTION_TYPE_ANIMATION},
        {0x64afab29, BRISCOE, AnimationOf<"thomas_b">("g_idle_l").m_iId, ID_ACTION_TYPE_ANIMATION},
        {0x5951b168, TASCO, AnimationOf<"tasco">("g_talk_l").m_iId, ID_ACTION_TYPE_ANIMATION_HOLD},
    };
    for (const TalkCallback& oCallback : CALLBACKS) {
        _IfEvent(OnCallback(oCallback.uCallback));
        if (oCallback.iActionType == ID_ACTION_TYPE_ANIMATION)
            PushAnimAction11(oCallback.uActor, oCallback.iAnimation, 1);
        else if (oCallback.iActionType == ID_ACTION_TYPE_ANIMATION_HOLD)
            PushAnimAction13(oCallback.uActor, oCallback.iAnimation, 1);
        else
            PushAnimAction(oCallback.uActor, oCallback.iAnimation, 1, 0);
        _EndMatch();
    }

    // Tasco goes from one bar work to the other on each call.
    _IfEvent(OnCallback(0x1dc204f2));
    _IfBool(VARBOOL_BG106_C02_TASCO_BARWORKING, 1);
    Play(TASCO, "barworking01_l");
    SetBoolVar(VARBOOL_BG106_C02_TASCO_BARWORKING, false);
    _ElseMatch();
    Play(TASCO, "barworking02_l");
    SetBoolVar(VARBOOL_BG106_C02_TASCO_BARWORKING, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg106::KitchenEvents()
{
    // Touch "event_kitchen": the dark kitchen is closed.
    _IfMatch(MatchExpr::MakeEvent4(HEROINE, Object("event_kitchen")));
    GoTo(HEROINE, WP_BY_KITCHEN);
    Dialog(0xccaca467);
    _EndMatch();
}

void SceneScript_bg106::NachoEvents()
{
    TalkTo(NACHO, true, WP_BY_NACHO, 0x7151df3d);
    TalkTo(NACHO, false, WP_BY_NACHO, 0x0365c250);

    // UseItem "nacho" with the gold earring: he joins the crew.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(NACHO, ItemNamed("ITEM_GOLD_EARRING")));
    GoTo(HEROINE, WP_BY_NACHO);
    Together();
    Play(NACHO, "receiveobject");
    Play(HEROINE, "g_giveobject");
    Play(HEROINE, "g_idle_l");
    Play(NACHO, "innsittingidle_l");
    Apart();
    Take(HEROINE, ItemNamed("ITEM_GOLD_EARRING"));
    Dialog(0x555e904f);
    SetBoolVar(VARBOOL_QUEST_C2_GOLD_EARRING_DONE, true);
    SetIntVar(VARINT_CREW_MEMBER, 3);
    SetBoolVar(VARBOOL_QUEST_C2_CREW03_DONE, true);
    _IfMatch(InChapter(4));
    SetBoolVar(VARBOOL_BG106_C04_RECRUIT_NACHO, true);
    _EndMatch();
    _EndMatch();

    // The shirt from Nacho.
    _IfEvent(OnCallback(0xf517e0e9));
    Together();
    Play(NACHO, "takeeobject");
    Play(HEROINE, "g_receiveobject");
    Play(HEROINE, "g_talk_l");
    Play(NACHO, "innsittalking_l");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_SHIRT"));
    SetBoolVar(VARBOOL_BG106_C05_GET_SHIRT, true);
    _EndMatch();
}

void SceneScript_bg106::NellEvents()
{
    TalkTo(NELL, true, WP_BY_NELL, 0x68ccb427);

    // Talk "nell": once she is done she leaves for her shop.
    _IfEvent(ScriptEvent_FlaggedId2(NELL));
    GoTo(HEROINE, WP_BY_NELL);
    Dialog(0x5bb65ce1);
    _IfBool(VARBOOL_BG106_C02_NELL_NOT_HERE, 1);
    NellLeaves();
    _EndMatch();
    _EndMatch();

    // Nell turns round to the heroine.
    _IfEvent(OnCallback(0x933d3b8e));
    PushAnimAction(NELL, "innsittingturnaround", 0, 0);
    PushAnimAction(NELL, "innsittingidle_l", 1, 0);
    _EndMatch();

    // The hug; the heroine's part is played by its number.
    _IfEvent(OnCallback(0x0a346a34));
    Play(NELL, "innstandup");
    Together();
    Play(NELL, "hugtavrine");
    PushAnimAction11(HEROINE, 609, 0);
    Play(NELL, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Apart();
    _EndMatch();

    // Nell sits down again.
    _IfEvent(OnCallback(0x7d335aa2));
    Play(NELL, "innsitdown");
    PushAnimAction(NELL, "innsittingtalk_l", 1, 0);
    _EndMatch();
}

void SceneScript_bg106::NellLeaves()
{
    Play(NELL, "innstandup");
    Place(NELL, WP_NELL_SEAT);
    WalkTo(NELL, WP_NELL_STANDS);
    GoTo(NELL, WP_DOOR);
    ShowObject(NELL, false);
    SetBoolVar(VARBOOL_BG105_C02_GROCERS_SHOP_IS_OPEN, true);
    // With the merchant talk done, the room starts again for Briscoe.
    _IfBool(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT, 1);
    GoToScene(THIS_SCENE);
    _EndMatch();
    SetInteractive(NELL, false);
}

void SceneScript_bg106::TascoEvents()
{
    TalkTo(TASCO, true, WP_BY_TASCO, 0xa4d32aa5);

    // Talk "tasco": after the merchant talk he goes out.
    _IfEvent(ScriptEvent_FlaggedId2(TASCO));
    GoTo(HEROINE, WP_BY_TASCO);
    Dialog(0xd6e737c8);
    _IfMatch(Both(Both(InChapter(2), IsTrue(VARBOOL_BG106_C02_TALK_TASCO_ABOUT_MERCHANT)),
                  IsFalse(VARBOOL_BG106_C02_EVENT_HILARY_WITH_BRISCOE)));
    TascoGoesOut();
    _EndMatch();
    _EndMatch();

    // Five doubloons for Tasco.
    _IfEvent(OnCallback(0x841d9eb9));
    Together();
    Play(HEROINE, "g_giveobject");
    Play(TASCO, "g_takeobject");
    Play(TASCO, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Apart();
    AddToQueue(HEROINE, ID_ACTION_TYPE_REMOVE_ITEM, Param::Item(ItemNamed("ITEM_DOUBLOON")), Param::Int(5));
    _EndMatch();

    // The strong rum for the guards.
    _IfEvent(OnCallback(0xd7972b18));
    GoTo(HEROINE, WP_BY_TASCO);
    Together();
    Play(TASCO, "g_giveobject");
    Wait(HEROINE, 500);
    Play(HEROINE, "g_receiveobject");
    Play(TASCO, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Apart();
    Give(HEROINE, ItemNamed("ITEM_STRONG_RUM"));
    SetBoolVar(VARBOOL_QUEST_C5_AVOID_GUARDS01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C5_AVOID_GUARDS02, true);
    _EndMatch();

    // UseItem "tasco" with Briscoe: only after the talk of the guards and
    // before the rum.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(TASCO, ItemNamed("ITEM_BRISCOE")));
    _IfMatch(Both(IsTrue(VARBOOL_BG106_C05_TALK_TASCO_ABOUT_GUARDS), IsFalse(VARBOOL_BG106_C05_GET_STRONG_RUM)));
    WalkTo(HEROINE, WP_START);
    Dialog(0xf36a510c);
    _EndMatch();
    _EndMatch();

    // Briscoe comes over to the heroine.
    _IfEvent(OnCallback(0x8697b628));
    Place(BRISCOE, WP_DOOR_INSIDE);
    ShowObject(BRISCOE, true);
    TurnToward(HEROINE, BRISCOE);
    WalkTo(BRISCOE, WP_BY_TASCO);
    TurnToward(BRISCOE, HEROINE);
    TurnToward(HEROINE, BRISCOE);
    _EndMatch();

    // Briscoe hands Tasco a document and leaves.
    _IfEvent(OnCallback(0x1f9ee792));
    TurnToward(BRISCOE, TASCO);
    Together();
    Play(TASCO, "g_takeobject");
    Wait(BRISCOE, 500);
    Play(BRISCOE, "g_givedocument01");
    Play(BRISCOE, "g_givedocument02");
    Play(TASCO, "g_idle_l");
    Play(BRISCOE, "g_idle_l");
    Apart();
    GoTo(BRISCOE, WP_DOOR);
    ShowObject(BRISCOE, false);
    _EndMatch();
}

void SceneScript_bg106::TascoGoesOut()
{
    Together();
    GoTo(TASCO, WP_KITCHEN_DOOR);
    ShowObject(TASCO, false);
    SetInteractive(TASCO, false);
    Wait(HEROINE, 5000);
    _IfBool(VARBOOL_BG106_C02_NELL_NOT_HERE, 1);
    WalkTo(HEROINE, WP_BY_NELL);
    _EndMatch();
    TurnToward(HEROINE, TASCO);
    Apart();
    WaitForAll();
    // With Nell gone, the room starts again for Briscoe.
    _IfBool(VARBOOL_BG106_C02_NELL_NOT_HERE, 1);
    GoToScene(THIS_SCENE);
    _EndMatch();
}

void SceneScript_bg106::BriscoeEvents()
{
    TalkTo(BRISCOE, true, WP_BY_BRISCOE, 0xca5a299a);
    TalkTo(BRISCOE, false, WP_BY_BRISCOE, 0x790f229d);

    // The serial number from Briscoe.
    _IfEvent(OnCallback(0x734ffd55));
    Together();
    Play(BRISCOE, "g_givedocument01");
    Play(HEROINE, "g_receiveobject");
    Give(HEROINE, ItemNamed("ITEM_SERIAL_NUMBER"));
    Play(BRISCOE, "g_givedocument02");
    Play(BRISCOE, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Apart();
    _EndMatch();

    MapHandedOver();

    // The serial number goes back to Briscoe.
    _IfEvent(OnCallback(0x51272bac));
    Together();
    Play(BRISCOE, "g_getdocument01");
    Play(HEROINE, "g_givedocument01");
    Take(HEROINE, ItemNamed("ITEM_SERIAL_NUMBER"));
    Play(BRISCOE, "g_getdocument02");
    Play(HEROINE, "g_givedocument02");
    Play(HEROINE, "g_givedocument03");
    Play(BRISCOE, "g_talk_l");
    Play(HEROINE, "g_talk_l");
    Apart();
    _EndMatch();

    // The heroine is disgusted.
    PlayGesture(OnCallback(0xc6286201), HEROINE, "g_disgusted", "g_talk_l");
}

void SceneScript_bg106::MapHandedOver()
{
    // UseItem "thomas_b" with his map: he leaves, and so does the heroine,
    // for the next part of the story.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(BRISCOE, ItemNamed("ITEM_BRISCOES_MAP")));
    GoTo(HEROINE, WP_BY_BRISCOE);
    Dialog(0xf16130d8);
    Together();
    GoTo(BRISCOE, WP_DOOR);
    Wait(HEROINE, 1000);
    GoTo(HEROINE, WP_START);
    ShowObject(BRISCOE, false);
    SetInteractive(BRISCOE, false);
    TurnToward(HEROINE, TASCO);
    Wait(LOGIC_DIALOG, 1000);
    Apart();
    Dialog(0x9b7847de);
    GoTo(HEROINE, WP_DOOR);
    FadeOut(3000);
    for (uint32_t uItem :
         {ItemNamed("ITEM_EMBROIDED_HANDKERCHIEF"), ItemNamed("ITEM_MAGNET"), ItemNamed("ITEM_GREASY_BREAD_LOAF"),
          ItemNamed("ITEM_CARLO"), ItemNamed("ITEM_RAZZO"), ItemNamed("ITEM_SWORD")})
        Take(HEROINE, uItem);
    _IfBool(VARBOOL_BG994_DEMO, 1);
    GoToScene(DEMO_END_SCENE);
    _ElseMatch();
    GoToScene(LOADING_SCENE);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg106::FryPanEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("greasy_fry_pan")), HEROINE, WP_BY_FRY_PAN, 0x2b52d57e);

    // Activate "greasy_fry_pan": too greasy to touch.
    _IfMatch(MatchExpr::MakeEvent0(Object("greasy_fry_pan")));
    GoTo(HEROINE, WP_BY_FRY_PAN);
    Play(HEROINE, "g_disgusted");
    Play(HEROINE, "g_idle_l");
    Dialog(0x4c5bc536);
    _EndMatch();

    // UseItem "greasy_fry_pan" with the bread loaf: the bread soaks up the
    // grease.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("greasy_fry_pan"), ItemNamed("ITEM_BREAD_LOAF")));
    GoTo(HEROINE, WP_BY_FRY_PAN);
    Play(HEROINE, "greasebread");
    Play(HEROINE, "g_idle_l");
    Take(HEROINE, ItemNamed("ITEM_BREAD_LOAF"));
    Give(HEROINE, ItemNamed("ITEM_GREASY_BREAD_LOAF"));
    Dialog(0x7b8aea1f);
    _EndMatch();
}

void SceneScript_bg106::ChickenEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("dead_chicken")), HEROINE, WP_BY_CHICKEN, 0xf7e3909f);

    // Activate "dead_chicken": once it is dealt with, it is the last of the
    // ingredients when the other three are found.
    _IfMatch(MatchExpr::MakeEvent0(Object("dead_chicken")));
    GoTo(HEROINE, WP_BY_CHICKEN);
    Dialog(0x51b44ba6);
    _IfBool(VARBOOL_BG106_C07_INT_DEAD_CHICKEN, 1);
    SetInteractive(Object("dead_chicken"), false);
    _IfMatch(Both(Both(IsTrue(VARBOOL_BG305_C07_USE_WEED_KILLER_ON_VASE_OF_FLOWERS),
                       IsTrue(VARBOOL_BG201_C07_USE_METAL_HOOK_ON_INN_SIGN)),
                  IsTrue(VARBOOL_BG404_C07_USE_FLASK_ON_WATER)));
    SetBoolVar(VARBOOL_QUEST_C7_INGREDIENTS_DONE, true);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // The chicken is taken down from its hook.
    _IfEvent(OnCallback(0x3a61567e));
    Play(HEROINE, "g_pickobjecthigh01");
    Give(HEROINE, ItemNamed("ITEM_DEAD_CHICKEN"));
    ShowObject(Object("i_dead_chicken"), false);
    Play(HEROINE, "g_pickobjecthigh02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg106::RoomEvents()
{
    LookAndActivate(Object("food"), HEROINE, WP_BY_FOOD, 0x8519c2ef, 0xd46c7be8);

    // Look "picture": the heroine looks up at it.
    _IfEvent(ScriptEvent_Object1(Object("picture")));
    GoTo(HEROINE, WP_BY_PICTURE);
    Play(HEROINE, "g_lookup");
    Play(HEROINE, "g_idle_l");
    Dialog(0x63aac5e3);
    _EndMatch();
    WalkAndTalk(MatchExpr::MakeEvent0(Object("picture")), HEROINE, WP_BY_PICTURE, 0x738d4375);

    LookAndActivate(Object("bottles"), HEROINE, WP_BY_BOTTLES, 0x75d249b3, 0x65f5cf25);
}

void SceneScript_bg106::TalkTo(uint32_t uActor, bool bLook, int32_t iWaypoint, uint32_t uDialog)
{
    WalkAndTalk(bLook ? ScriptEvent_FlaggedId1(uActor) : ScriptEvent_FlaggedId2(uActor), HEROINE, iWaypoint, uDialog);
}

} // namespace

// Scene 14, bg106_BO_AdmiralsRest.
REGISTER_SCENE_SCRIPT(bg106, 14);
