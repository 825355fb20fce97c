// The jetty below the cliff of Tanner island (scene 39, bg401_TA_JetyAndCliff),
// where the ship is moored. Chapter 6: Briscoe comes along and fishes the
// floating boards out; Diego, brought from the ship, pulls the rusty anchor
// out of the shrubs and falls asleep on the cliff until a feather wakes him;
// the anchor on the rope, shot from the crossbow into the scaffolding, hangs
// the rope that leads up to Buck's place.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg401_39>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"thomas_b"> BRISCOE;
constexpr ActorNamed<"logic_dialog"> LOGIC_DIALOG;
constexpr ActorNamed<"boat_windsome_maid"> BOAT;

// Waypoints of the jetty and the cliff.
constexpr int32_t WP_BRISCOE = 0;
constexpr int32_t WP_JETTY = 1;
constexpr int32_t WP_BRISCOE_AT_THE_BOARDS = 2;
constexpr int32_t WP_DIEGO_AT_THE_ANCHOR = 3;
constexpr int32_t WP_DIEGO_WAITS = 4;
constexpr int32_t WP_BY_SLEEPING_DIEGO = 5;
constexpr int32_t WP_FOOT_OF_THE_ROPE = 6;
constexpr int32_t WP_BRISCOE_DOWN_THE_ROPE = 7;
constexpr int32_t WP_BESIDE_THE_ANCHOR = 8;
constexpr int32_t WP_DIEGO_ASLEEP = 9;
constexpr int32_t WP_BY_WAITING_DIEGO = 10;
constexpr int32_t WP_DIEGO_AWAKE = 12;
constexpr int32_t WP_BY_AWAKE_DIEGO = 13;
constexpr int32_t WP_IRON_RINGS = 15;
constexpr int32_t WP_PITON = 16;
constexpr int32_t WP_WRECK = 17;
constexpr int32_t WP_GANGWAY = 18;
constexpr int32_t WP_BOARDS = 19;
constexpr int32_t WP_ROPE = 20;
constexpr int32_t WP_DARK_ROCK = 21;
constexpr int32_t WP_ANCHOR = 22;
constexpr int32_t WP_SHRUBS = 23;
constexpr int32_t WP_SCAFFOLDING = 24;
constexpr int32_t WP_ANCHOR_OUT = 29;
constexpr int32_t WP_PILLARS = 36;
constexpr int32_t WP_BY_BRISCOE = 37;

// The walk-mesh blocker where Diego waits by the anchor.
constexpr int32_t DIEGO_BLOCKER = 0;

// Sprite animations of the anchor, the grass and dust it throws up, the
// rings, the stone it knocks loose and the bush that hides it.
constexpr uint32_t ANCHOR_IN_THE_GROUND = 0x9964094e;
constexpr uint32_t ANCHOR_OUT = 0x2a869599;
constexpr uint32_t GRASS_AT_REST = 0x3d88b63a;
constexpr uint32_t GRASS_FLIES = 0xa33029ef;
constexpr uint32_t ANCHOR_DUST_AT_REST = 0x8fac1130;
constexpr uint32_t ANCHOR_COMES_OUT = 0xc9e0aae6;
constexpr uint32_t RINGS_AT_REST = 0x8393ffba;
constexpr uint32_t RINGS_RATTLE = 0x904c546a;
constexpr uint32_t STONE_IN_PLACE = 0xb63ad0bf;
constexpr uint32_t STONE_FALLS = 0x79f1d4c2;
constexpr uint32_t STONE_FALLEN = 0x761c9ec3;
constexpr uint32_t BUSH_AT_REST = 0xab8cca9d;
constexpr uint32_t BUSH_PARTS = 0x32859b27;
constexpr uint32_t BUSH_FALLS = 0x4582abb1;

constexpr uint32_t JETTY_MUSIC = 0x60d0778b;
constexpr uint32_t SURF_AMBIENCE = 0x2edb670f;
constexpr int32_t CHAPTER_SIX_SOUNDS = 0x00a5259a;
constexpr int32_t JETTY_SOUNDS = 0x41ae4e9c;

// The dialogs that more than one handler starts.
constexpr uint32_t LOOK_ANCHOR = 0x951869e9;
constexpr uint32_t TRY_THE_ANCHOR = 0x7915c69f;

// Movie 12, MOVIE_STRIP05: the anchor shot into the scaffolding.
constexpr int32_t MOVIE_STRIP05 = 12;
constexpr int32_t AFTER_STRIP05 = 512 + MOVIE_STRIP05;

// The scenes the jetty leads to and is entered from.
constexpr int32_t CORRIDOR = 6;     // bg002_WM_Corridor
constexpr int32_t BUCKS_PLACE = 40; // bg402_TA_BucksPlace
constexpr int32_t WORLD_MAP = 57;   // bg911_WorldMap
constexpr int32_t JETTY_AND_CLIFF = 39;
constexpr int32_t FROM_UP_THE_CLIFF[] = {
    41, // bg403_TA_CarminesMonument
    42, // bg404_TA_BurialChamber
};

MatchExpr NotFrom(int32_t iState)
{
    return MatchExpr::Int(VARINT_C_PREVIOUS_STATE, Op_IntNotEqual, iState);
}

class SceneScript_bg401 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ResetObjects();
    void EnterChapter6();
    void EnterChapter6Anchor();
    void HangTheRope();
    void ArriveFrom();
    void FirstVisitAndReturns();

    void HeroineCallbacks();
    void BriscoeEvents();
    void DiegoEvents();
    void WakeDiegoCallbacks();
    void CliffEvents();
    void ScaffoldingEvents();
    void BoardsEvents();
    void AnchorEvents();
    void AnchorComesOut();
    void ShoreEvents();

    // Briscoe, still a companion, stays behind when she leaves.
    void LeaveBriscoeBehind();
};

void SceneScript_bg401::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_SIX_SOUNDS, InChapter(6));
    LinkSoundGroup(JETTY_SOUNDS, InEveryChapterBut(6));
}

void SceneScript_bg401::BuildEnterActions()
{
    PlayMusic(JETTY_MUSIC);
    PlayAmbience(SURF_AMBIENCE);
    SetSceneDirection(8);
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(BRISCOE, false);
    ResetObjects();

    _IfMatch(InChapter(6));
    EnterChapter6();
    _EndMatch();
    // In every chapter the rope stays, once it hangs.
    _IfBool(VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW, 1);
    HangTheRope();
    _EndMatch();

    Place(HEROINE, WP_JETTY);
    ArriveFrom();
    FirstVisitAndReturns();
}

void SceneScript_bg401::ResetObjects()
{
    // Until the anchor has been shot up there, no rope hangs in any chapter.
    ShowObject(Object("o_rope"), false);
    SetInteractive(Object("dangling_rope"), false);
    SetInteractive(Object("scaffolding"), false);
    ShowObject(Object("i_loose_piton"), false);
    SetInteractive(Object("loose_piton"), false);
    ShowObject(Object("i_rusty_anchor"), false);
    PushHashAction23(Object("i_rusty_anchor"), ANCHOR_IN_THE_GROUND);
    SetInteractive(Object("rusty_anchor"), false);
    SetInteractive(Object("rusty_anchor2"), false);
    ShowObject(Object("i_floating_wood_boards"), false);
    SetInteractive(Object("floating_wood_boards"), false);
    ShowObject(Object("o_bush"), false);
    SetInteractive(Object("shrubs"), false);
    ShowObject(Object("fx_stone"), false);
    SetInteractive(Object("dark_rock"), false);
    ShowObject(Object("fx_flying_grass"), false);
    PushHashAction23(Object("fx_flying_grass"), GRASS_AT_REST);
    ShowObject(Object("fx_board"), false);
    ShowObject(Object("fx_anchor"), false);
    PushHashAction23(Object("fx_anchor"), ANCHOR_DUST_AT_REST);
    PushHashAction23(Object("o_ironring"), RINGS_AT_REST);
}

void SceneScript_bg401::EnterChapter6()
{
    // Woken and then left behind by another scene, Diego has gone aboard.
    _IfMatch(Both(Both(IsFalse(VARBOOL_BG401_C06_DIEGO_GO_OUT), IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE)),
                  Both(NotFrom(JETTY_AND_CLIFF), NotFrom(0))));
    SetBoolVar(VARBOOL_BG401_C06_DIEGO_GO_OUT, true);
    _EndMatch();

    ShowObject(Object("fx_stone"), true);
    PushHashAction23(Object("fx_stone"), STONE_IN_PLACE);
    Place(BRISCOE, WP_BRISCOE);

    _IfBool(VARBOOL_BG401_C06_PICK_LOOSE_PITON, 0);
    ShowObject(Object("i_loose_piton"), true);
    SetInteractive(Object("loose_piton"), true);
    _EndMatch();

    // Diego, brought from the ship, waits by the anchor. He comes along as a
    // companion until he has pulled it out; holding him already, the
    // inventory keeps its one cell.
    _IfMatch(Both(IsTrue(VARBOOL_BG002_C06_TALK_DIEGO_ABOUT_ANCHOR), IsFalse(VARBOOL_BG401_C06_DIEGO_GO_OUT)));
    Place(DIEGO, WP_DIEGO_WAITS);
    ShowAndActivate(DIEGO, true);
    _IfBool(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR, 0);
    Give(HEROINE, ItemNamed("ITEM_DIEGO"));
    SetInteractive(Object("loose_piton"), false);
    PushAction21(HEROINE, DIEGO_BLOCKER, 1);
    _EndMatch();
    _EndMatch();

    EnterChapter6Anchor();

    // Briscoe comes along until he has fished the boards out.
    _IfBool(VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS, 0);
    SetInteractive(Object("floating_wood_boards"), true);
    ShowAndActivate(BRISCOE, true);
    Give(HEROINE, ItemNamed("ITEM_BRISCOE"));
    ShowObject(Object("fx_board"), true);
    _EndMatch();
    // Until she has been up to Buck's place he waits on the jetty.
    _IfBool(VARBOOL_BG402_C06_FIRST_TIME, 0);
    ShowAndActivate(BRISCOE, true);
    _EndMatch();

    _IfBool(VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW, 0);
    SetInteractive(Object("scaffolding"), true);
    _EndMatch();
}

void SceneScript_bg401::EnterChapter6Anchor()
{
    _IfBool(VARBOOL_BG401_C06_INT_SHRUBS, 0);
    SetInteractive(Object("shrubs"), true);
    ShowObject(Object("e_ground_leaves"), false);
    ShowObject(Object("o_bush"), true);
    PushHashAction23(Object("o_bush"), BUSH_AT_REST);
    _ElseMatch();
    SetInteractive(Object("shrubs"), false);
    _IfBool(VARBOOL_BG401_C06_PICK_RUSTY_ANCHOR, 0);
    PushHashAction23(Object("i_rusty_anchor"), ANCHOR_IN_THE_GROUND);
    SetInteractive(Object("rusty_anchor"), true);
    ShowObject(Object("i_rusty_anchor"), true);
    _ElseMatch();
    SetInteractive(Object("rusty_anchor"), false);
    ShowObject(Object("i_rusty_anchor"), false);
    _EndMatch();
    _EndMatch();

    // Once pulled out, the anchor lies on the ground, Diego sleeps on the
    // cliff (or, woken, holds his head) and the fallen stone can be taken.
    _IfBool(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR, 1);
    SetInteractive(Object("rusty_anchor"), false);
    SetInteractive(Object("rusty_anchor2"), true);
    PushHashAction23(Object("fx_stone"), STONE_FALLEN);
    PushHashAction23(Object("i_rusty_anchor"), ANCHOR_OUT);
    Place(DIEGO, WP_DIEGO_ASLEEP);
    PushAnimAction(DIEGO, "cliffasleep_l", 1, 1);
    AddToQueue(DIEGO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    _IfBool(VARBOOL_QUEST_C6_DIEGO_DONE, 1);
    Place(DIEGO, WP_DIEGO_AWAKE);
    Play(DIEGO, "holdingheadback_idle_l");
    AddToQueue(DIEGO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    _EndMatch();
    _IfBool(VARBOOL_BG401_C06_PICK_DARK_ROCK, 0);
    SetInteractive(Object("dark_rock"), true);
    ShowObject(Object("fx_stone"), true);
    _ElseMatch();
    SetInteractive(Object("dark_rock"), false);
    ShowObject(Object("fx_stone"), false);
    _EndMatch();
    _EndMatch();

    _IfBool(VARBOOL_BG401_C06_PICK_RUSTY_ANCHOR, 1);
    SetInteractive(Object("rusty_anchor2"), false);
    _EndMatch();
}

void SceneScript_bg401::HangTheRope()
{
    ShowObject(Object("o_rope"), true);
    SetInteractive(Object("dangling_rope"), true);
    SetInteractive(Object("scaffolding"), false);
}

void SceneScript_bg401::ArriveFrom()
{
    // Off the ship onto the jetty, or down the rope from the cliff top.
    _IfMatch(CameFrom(CORRIDOR));
    Place(HEROINE, WP_JETTY);
    _EndMatch();

    _IfMatch(CameFrom(BUCKS_PLACE));
    Place(HEROINE, WP_FOOT_OF_THE_ROPE);
    Place(BRISCOE, WP_BRISCOE_DOWN_THE_ROPE);
    _IfMatch(Both(InChapter(6), IsFalse(VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS)));
    GoTo(BRISCOE, WP_BRISCOE);
    _EndMatch();
    _EndMatch();

    for (const int32_t iFrom : FROM_UP_THE_CLIFF) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FOOT_OF_THE_ROPE);
        _EndMatch();
    }

    // Back from the strip she stands at the scaffolding she shot at.
    _IfMatch(CameFrom(AFTER_STRIP05));
    _IfBool(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO, 0);
    Place(HEROINE, WP_JETTY);
    _ElseMatch();
    Place(HEROINE, WP_SCAFFOLDING);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg401::FirstVisitAndReturns()
{
    // The first visit of chapter 6: Briscoe comes ashore too, and she walks
    // off the jetty to him before they talk. Only chapter 6 shows him, so
    // only there is he spoken to.
    _IfMatch(Both(InChapter(6), IsFalse(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO)));
    GoTo(HEROINE, WP_BY_BRISCOE);
    TurnToward(BRISCOE, HEROINE, 0);
    Dialog(0x17609eb6);
    SetBoolVar(VARBOOL_BG401_C06_EVENT_BRISCOE_TOO, true);
    _EndMatch();

    // Back from the strip: the rope hangs from the scaffolding.
    _IfMatch(Both(IsTrue(VARBOOL_BG401_C06_USE_LOADED_CROSSBOW_ON_SCAFFOLDING),
                  IsFalse(VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW)));
    HangTheRope();
    Dialog(0xc7d741ea);
    SetBoolVar(VARBOOL_BG401_C06_EVENT_LOADED_CROSSBOW, true);
    _EndMatch();

    // While Diego sleeps, coming back from elsewhere reminds her of him.
    const MatchExpr fromElsewhere =
        Both(Both(NotFrom(BUCKS_PLACE), NotFrom(JETTY_AND_CLIFF)), Both(NotFrom(AFTER_STRIP05), NotFrom(0)));
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_DIEGO), IsFalse(VARBOOL_QUEST_C6_DIEGO_DONE)));
    _IfMatch(fromElsewhere);
    TurnToward(HEROINE, DIEGO);
    Dialog(0xab675961);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg401::LeaveBriscoeBehind()
{
    _IfBool(VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS, 0);
    Take(HEROINE, ItemNamed("ITEM_BRISCOE"));
    _EndMatch();
}

void SceneScript_bg401::BuildExitEvents()
{
    // Activate "winsome_maid": the ship's dialog says where to, one answer
    // and one scene change (the world map first); no answer leaves her on
    // the jetty.
    _IfMatch(MatchExpr::MakeEvent0(Object("winsome_maid")));
    GoTo(HEROINE, WP_GANGWAY);
    Dialog(0xca2b4f9e);
    _IfBool(VARBOOL_BG401_GOTO_WORLD_MAP, 1);
    LeaveBriscoeBehind();
    SetBoolVar(VARBOOL_BG401_GOTO_WORLD_MAP, false);
    SetBoolVar(VARBOOL_BG401_GOTO_ONBOARD, false);
    SetPlayingCharacter(BOAT);
    GoToScene(WORLD_MAP);
    _ElseMatch();
    _IfBool(VARBOOL_BG401_GOTO_ONBOARD, 1);
    LeaveBriscoeBehind();
    SetBoolVar(VARBOOL_BG401_GOTO_ONBOARD, false);
    GoToScene(CORRIDOR);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // Activate "dangling_rope": up to Buck's place; Diego, once woken, is
    // gone when she comes back.
    _IfMatch(MatchExpr::MakeEvent0(Object("dangling_rope")));
    LeaveBriscoeBehind();
    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE), IsFalse(VARBOOL_BG401_C06_DIEGO_GO_OUT)));
    SetBoolVar(VARBOOL_BG401_C06_DIEGO_GO_OUT, true);
    _EndMatch();
    GoTo(HEROINE, WP_ROPE);
    Sound(HEROINE, 0x11075419, 2442);
    Play(HEROINE, "startclimbingrope");
    GoToScene(BUCKS_PLACE);
    _EndMatch();
}

void SceneScript_bg401::BuildEvents()
{
    HeroineCallbacks();
    BriscoeEvents();
    DiegoEvents();
    WakeDiegoCallbacks();
    CliffEvents();
    ScaffoldingEvents();
    BoardsEvents();
    AnchorEvents();
    ShoreEvents();
}

void SceneScript_bg401::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");
    PlayGesture(OnCallback(0xb9bd54ff), HEROINE, "g_scratchhead", "g_idle_l");
    PlayGesture(OnCallback(0x773e252b), HEROINE, "g_lookup", "g_idle_l");
    PlayGesture(OnCallback(0xe6921b07), HEROINE, "g_clapshands", "g_idle_l");
    PlayGesture(OnCallback(0x83e1948b), HEROINE, "g_impatience", "g_idle_l");
    PlayGesture(OnCallback(0x1ad758e8), HEROINE, "g_dlgpolite", "g_talk_l");
    PlayGesture(OnCallback(0x7dbb6784), HEROINE, "g_lookingaround", "g_idle_l");
    PlayGesture(OnCallback(0x993bbe31), HEROINE, "g_helpless", "g_idle_l");
}

void SceneScript_bg401::BriscoeEvents()
{
    // Look "thomas_b": she steps onto the jetty and turns to him.
    _IfEvent(ScriptEvent_FlaggedId1(BRISCOE));
    WalkTo(HEROINE, WP_JETTY);
    TurnToward(HEROINE, BRISCOE);
    Dialog(0xd5ce5e4c);
    _EndMatch();

    // Talk "thomas_b": he goes back to his place afterwards.
    _IfEvent(ScriptEvent_FlaggedId2(BRISCOE));
    WalkTo(HEROINE, WP_JETTY);
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    Dialog(0x669b554b);
    GoTo(BRISCOE, WP_BRISCOE);
    _EndMatch();

    PlayGesture(OnCallback(0x1a358376), BRISCOE, "g_talk_l");
    PlayGesture(OnCallback(0x64afab29), BRISCOE, "g_idle_l");
    _IfEvent(OnCallback(0xf377713c));
    Place(BRISCOE, WP_BRISCOE);
    Play(BRISCOE, "g_explorer01");
    Play(BRISCOE, "g_explorer02_l");
    _EndMatch();
    PlayGesture(OnCallback(0x6a54473b), BRISCOE, "g_explorer03", "g_idle_l");
    PlayGesture(OnCallback(0x6b993a92), BRISCOE, "g_thinking01", "g_thinking02_l");
    PlayGesture(OnCallback(0xf2ba0c95), BRISCOE, "g_thinking03", "g_idle_l");
}

void SceneScript_bg401::DiegoEvents()
{
    _IfEvent(ScriptEvent_FlaggedId1(DIEGO));
    Dialog(0x8d7b08ec);
    _EndMatch();
    _IfEvent(ScriptEvent_FlaggedId2(DIEGO));
    Dialog(0xff4f1581);
    _EndMatch();

    // Callback: she steps up to him where he waits, sleeps or stands awake.
    _IfEvent(OnCallback(0x8cbc4948));
    _IfBool(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR, 0);
    GoTo(HEROINE, WP_BY_WAITING_DIEGO);
    _ElseMatch();
    _IfBool(VARBOOL_QUEST_C6_DIEGO_DONE, 0);
    GoTo(HEROINE, WP_BY_SLEEPING_DIEGO);
    _ElseMatch();
    GoTo(HEROINE, WP_BY_AWAKE_DIEGO);
    _EndMatch();
    _EndMatch();
    _EndMatch();

    // Callbacks: his talk and idle loops, holding his sore head while she
    // has no bandage for it.
    const MatchExpr soreHead = Both(IsTrue(VARBOOL_QUEST_C6_DIEGO_DONE), IsFalse(VARBOOL_BG002_C06_GET_BLOOD_BANDAGE));
    _IfEvent(OnCallback(0x8bbc8e27));
    _IfMatch(soreHead);
    Play(DIEGO, "holdingheadbacktalk_l");
    _ElseMatch();
    Play(DIEGO, "g_talk_l");
    _EndMatch();
    _EndMatch();
    _IfEvent(OnCallback(0x728fd06d));
    _IfMatch(soreHead);
    Play(DIEGO, "holdingheadback_idle_l");
    _ElseMatch();
    Play(DIEGO, "g_idle_l");
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg401::WakeDiegoCallbacks()
{
    // Callbacks: her two tries to shake him awake; he sleeps on.
    _IfEvent(OnCallback(0xcad640c1));
    Sound(HEROINE, 0x078d532d, 1122);
    Together();
    Play(HEROINE, "wakediegotry01");
    Play(DIEGO, "wakediegotry01");
    PushAnimAction(DIEGO, "cliffasleep_l", 1, 0);
    Play(HEROINE, "g_talk_l");
    Apart();
    _EndMatch();

    _IfEvent(OnCallback(0x53df117b));
    Sound(HEROINE, 0x6345bb20, 990);
    Together();
    Play(HEROINE, "wakediegotry02");
    Play(DIEGO, "wakediegotry02");
    PushAnimAction(DIEGO, "cliffasleep_l", 1, 0);
    Play(HEROINE, "g_talk_l");
    Apart();
    _EndMatch();

    // Callbacks: she orders him up, he half rises and drops back asleep.
    PlayGesture(OnCallback(0x558f5932), HEROINE, "commanddiegotry01", "commanddiegotry02_l");
    _IfEvent(OnCallback(0x4beaea4a));
    EffectSound(0x2a9c7c36);
    Together();
    Play(DIEGO, "commanddiegotry01");
    Play(DIEGO, "commanddiegotry02_l");
    Play(HEROINE, "commanddiegotry03");
    Play(HEROINE, "g_idle_l");
    Apart();
    _EndMatch();
    _IfEvent(OnCallback(0x312d5dd4));
    Sound(DIEGO, 0x207e0bc6, 462);
    Together();
    Play(DIEGO, "commanddiegotry03");
    Apart();
    PushAnimAction(DIEGO, "cliffasleep_l", 1, 0);
    _EndMatch();

    // UseItem "ITEM_FEATHER" on Diego: only while he sleeps off the anchor.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(DIEGO, ItemNamed("ITEM_FEATHER")));
    _IfMatch(Both(IsTrue(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR), IsFalse(VARBOOL_QUEST_C6_DIEGO_DONE)));
    GoTo(HEROINE, WP_BY_SLEEPING_DIEGO);
    SetBoolVar(VARBOOL_QUEST_C6_DIEGO_DONE, true);
    Dialog(0xd530e593);
    _EndMatch();
    _EndMatch();

    // Callback: the feather under his nose wakes him, and he gets up
    // holding his head.
    _IfEvent(OnCallback(0x61fb2c90));
    Play(HEROINE, "diegofeatherwake01");
    PushAddAttachment(HEROINE, AttachmentNamed("feather"), BONE_RIGHT_HAND);
    Together();
    Sound(HEROINE, 0x6a4db4d1, 900);
    Play(HEROINE, "diegofeatherwake02");
    PushAnimAction(DIEGO, "featherwake01", 0, 1);
    Play(DIEGO, "holdingheadbacktalk_l");
    Place(DIEGO, WP_DIEGO_AWAKE);
    AddToQueue(DIEGO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    PushRemoveAttachment(HEROINE, AttachmentNamed("feather"));
    Play(HEROINE, "diegofeatherwake03");
    Play(HEROINE, "g_idle_l");
    GoTo(HEROINE, WP_BY_AWAKE_DIEGO);
    Apart();
    _EndMatch();

    PlayGesture(OnCallback(0xf8f27d2a), DIEGO, "holdingheadback_idle_l");
}

void SceneScript_bg401::CliffEvents()
{
    // Look "iron_rings".
    WalkAndTalk(ScriptEvent_Object1(Object("iron_rings")), HEROINE, WP_IRON_RINGS, 0xe56b86ba);

    // Activate "iron_rings": she tugs at them and they rattle back into
    // place.
    _IfMatch(MatchExpr::MakeEvent0(Object("iron_rings")));
    GoTo(HEROINE, WP_IRON_RINGS);
    Together();
    Play(HEROINE, "ironringremovetry");
    Wait(Object("o_ironring"), 1350);
    PushHashAction23(Object("o_ironring"), RINGS_RATTLE);
    Play(HEROINE, "g_idle_l");
    Wait(Object("o_ironring"), 2300);
    PushHashAction23(Object("o_ironring"), RINGS_AT_REST);
    Apart();
    Wait(LOGIC_DIALOG, 3600);
    Dialog(0x8b36d67b);
    _EndMatch();

    // Look "loose_piton".
    WalkAndTalk(ScriptEvent_Object1(Object("loose_piton")), HEROINE, WP_PITON, 0x65723eb9);

    // Activate "loose_piton": she works it out of the rock.
    _IfMatch(MatchExpr::MakeEvent0(Object("loose_piton")));
    GoTo(HEROINE, WP_PITON);
    Dialog(0x0b2f6e78);
    Play(HEROINE, "pitonremove_01");
    Give(HEROINE, ItemNamed("ITEM_LOOSE_PITON"));
    EffectSound(0x306e49a2);
    ShowObject(Object("i_loose_piton"), false);
    Play(HEROINE, "pitonremove_02");
    Play(HEROINE, "g_idle_l");
    SetBoolVar(VARBOOL_BG401_C06_PICK_LOOSE_PITON, true);
    SetInteractive(Object("loose_piton"), false);
    _EndMatch();
}

void SceneScript_bg401::ScaffoldingEvents()
{
    LookAndActivate(Object("scaffolding"), HEROINE, WP_SCAFFOLDING, 0xafa40979, 0xc1f959b8);
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("scaffolding"), ItemNamed("ITEM_ROPE")), HEROINE, WP_SCAFFOLDING,
                0x6f041598);
    WalkAndTalk(ScriptEvent_ItemOnObject3(Object("scaffolding"), ItemNamed("ITEM_GRAPPEL")), HEROINE, WP_SCAFFOLDING,
                0x883ad280);

    // UseItem "ITEM_LOADED_CROSSBOW" on "scaffolding": the strip shows the
    // anchor fly; the crossbow comes back empty.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("scaffolding"), ItemNamed("ITEM_LOADED_CROSSBOW")));
    GoTo(HEROINE, WP_SCAFFOLDING);
    Take(HEROINE, ItemNamed("ITEM_LOADED_CROSSBOW"));
    Give(HEROINE, ItemNamed("ITEM_CROSSBOW"));
    SetBoolVar(VARBOOL_BG401_C06_USE_LOADED_CROSSBOW_ON_SCAFFOLDING, true);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_STRIP05));
    _EndMatch();
}

void SceneScript_bg401::BoardsEvents()
{
    LookAndActivate(Object("wreck_small_boat"), HEROINE, WP_WRECK, 0x20961579, 0xd013e03f);
    LookAndActivate(Object("floating_wood_boards"), HEROINE, WP_BOARDS, 0xbea18a18, 0x34c78888);

    // UseItem Briscoe on "floating_wood_boards": both go to the water's
    // edge, he fishes the boards out, and he is no companion any more.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("floating_wood_boards"), ItemNamed("ITEM_BRISCOE")));
    Together();
    WalkTo(HEROINE, WP_BOARDS);
    WalkTo(BRISCOE, WP_BRISCOE_AT_THE_BOARDS);
    Apart();
    WaitForAll();
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    Dialog(0xc7a4c790);
    SetBoolVar(VARBOOL_BG401_C06_USE_BRISCOE_ON_FLOATING_WOOD_BOARDS, true);
    Give(HEROINE, ItemNamed("ITEM_WOOD_BOARD"));
    Take(HEROINE, ItemNamed("ITEM_BRISCOE"));
    GoTo(BRISCOE, WP_BRISCOE);
    SetInteractive(Object("floating_wood_boards"), false);
    _EndMatch();

    // Callback: together they reach the boards out of the water.
    _IfEvent(OnCallback(0xf0bf594f));
    Place(HEROINE, WP_BOARDS);
    Place(BRISCOE, WP_BRISCOE_AT_THE_BOARDS);
    Sound(HEROINE, 0x59b5d593, 2834);
    Together();
    Play(HEROINE, "reachwoodboard_01");
    Play(BRISCOE, "reachwoodboard_01");
    Wait(Object("fx_board"), 2900);
    ShowObject(Object("fx_board"), false);
    Play(HEROINE, "reachwoodboard_02");
    Play(BRISCOE, "reachwoodboard_02");
    Apart();
    TurnToward(HEROINE, BRISCOE);
    TurnToward(BRISCOE, HEROINE);
    _EndMatch();
}

void SceneScript_bg401::AnchorEvents()
{
    // The shrubs hide the anchor.
    WalkAndTalk(ScriptEvent_Object1(Object("shrubs")), HEROINE, WP_SHRUBS, 0xcd20477e);
    _IfMatch(MatchExpr::MakeEvent0(Object("shrubs")));
    GoTo(HEROINE, WP_SHRUBS);
    Dialog(0x8e13b4d5);
    SetInteractive(Object("rusty_anchor"), true);
    SetBoolVar(VARBOOL_BG401_C06_INT_SHRUBS, true);
    SetInteractive(Object("shrubs"), false);
    _EndMatch();

    // Callback: she parts the bush and the anchor shows in the leaves.
    _IfEvent(OnCallback(0xfed9ac80));
    Together();
    Sound(HEROINE, 0x51b86c1e, 2112);
    Play(HEROINE, "revealanchor");
    ShowObject(Object("i_rusty_anchor"), true);
    Wait(Object("fx_flying_grass"), 2200);
    ShowObject(Object("fx_flying_grass"), true);
    PushHashAction23(Object("fx_flying_grass"), GRASS_FLIES);
    Wait(Object("o_bush"), 3500);
    PushHashAction23(Object("o_bush"), BUSH_PARTS);
    Wait(Object("e_ground_leaves"), 3500);
    ShowObject(Object("e_ground_leaves"), true);
    Wait(Object("o_bush"), 1000);
    PushHashAction23(Object("o_bush"), BUSH_FALLS);
    Wait(Object("o_bush"), 1000);
    ShowObject(Object("o_bush"), false);
    Wait(Object("fx_flying_grass"), 3000);
    ShowObject(Object("fx_flying_grass"), false);
    Play(HEROINE, "g_idle_l");
    Apart();
    _EndMatch();

    // The anchor in the ground: too deep for her.
    WalkAndTalk(ScriptEvent_Object1(Object("rusty_anchor")), HEROINE, WP_ANCHOR, LOOK_ANCHOR);
    _IfMatch(MatchExpr::MakeEvent0(Object("rusty_anchor")));
    GoTo(HEROINE, WP_ANCHOR);
    Dialog(TRY_THE_ANCHOR);
    SetBoolVar(VARBOOL_BG401_C06_INT_RUSTY_ANCHOR, true);
    _EndMatch();
    _IfEvent(OnCallback(0x481a2313));
    Sound(HEROINE, 0x1dc8b9f1, 2112);
    Sound(HEROINE, 0x0287c05f, 2112);
    Together();
    Play(HEROINE, "pulloutanchortry");
    Apart();
    Play(HEROINE, "g_idle_l");
    _EndMatch();

    // UseItem Diego on "rusty_anchor": he takes her place at it, and the
    // way past where he waited opens.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("rusty_anchor"), ItemNamed("ITEM_DIEGO")));
    Together();
    GoTo(HEROINE, WP_BESIDE_THE_ANCHOR);
    GoTo(DIEGO, WP_DIEGO_AT_THE_ANCHOR);
    Apart();
    Dialog(0x626eef0b);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    SetInteractive(Object("dark_rock"), true);
    _IfBool(VARBOOL_BG401_C06_PICK_LOOSE_PITON, 0);
    SetInteractive(Object("loose_piton"), true);
    _EndMatch();
    PushAction21(HEROINE, DIEGO_BLOCKER, 0);
    SetBoolVar(VARBOOL_BG401_C06_USE_DIEGO_ON_RUSTY_ANCHOR, true);
    _EndMatch();

    // Callbacks: he heaves at it twice.
    _IfEvent(OnCallback(0x146fa508));
    Play(DIEGO, "pulloutanchortry_01");
    Play(DIEGO, "pulloutanchortry_02_l");
    Sound(DIEGO, 0x12590612, 594);
    Together();
    Play(DIEGO, "pulloutanchortry_03");
    Apart();
    Play(DIEGO, "pulloutanchortry_02_l");
    _EndMatch();
    _IfEvent(OnCallback(0x8d66f4b2));
    Sound(DIEGO, 0x0b5057a8, 594);
    Together();
    Play(DIEGO, "pulloutanchortry_03");
    Apart();
    Play(DIEGO, "pulloutanchortry_02_l");
    _EndMatch();

    AnchorComesOut();

    // The anchor pulled out, lying on the ground.
    WalkAndTalk(ScriptEvent_Object1(Object("rusty_anchor2")), HEROINE, WP_ANCHOR_OUT, LOOK_ANCHOR);
    _IfMatch(MatchExpr::MakeEvent0(Object("rusty_anchor2")));
    GoTo(HEROINE, WP_ANCHOR_OUT);
    PickUp<Reach::Low>(HEROINE, Object("i_rusty_anchor"), ItemNamed("ITEM_RUSTY_ANCHOR"));
    SetBoolVar(VARBOOL_BG401_C06_PICK_RUSTY_ANCHOR, true);
    Dialog(TRY_THE_ANCHOR);
    SetInteractive(Object("rusty_anchor2"), false);
    _EndMatch();
}

void SceneScript_bg401::AnchorComesOut()
{
    // Callback: the anchor comes out and a stone falls on Diego's head. Each
    // delayed change waits on its own queue: the anchor's picture comes back
    // and the dust goes 2.7 seconds on, she steps aside after her own wait,
    // and he is laid on the cliff only after his last animations.
    _IfEvent(OnCallback(0xfa61c424));
    Play(DIEGO, "pulloutanchortry_04");
    Together();
    ShowObject(Object("i_rusty_anchor"), false);
    ShowObject(Object("fx_anchor"), true);
    PushHashAction23(Object("fx_anchor"), ANCHOR_COMES_OUT);
    Sound(DIEGO, 0x677f7787, 0);
    Play(DIEGO, "pulloutanchortry_05");
    Wait(DIEGO, 700);
    Wait(Object("i_rusty_anchor"), 2700);
    ShowObject(Object("i_rusty_anchor"), true);
    Wait(Object("fx_anchor"), 2700);
    ShowObject(Object("fx_anchor"), false);
    PushHashAction23(Object("i_rusty_anchor"), ANCHOR_OUT);
    Wait(HEROINE, 2700);
    GoTo(HEROINE, WP_BESIDE_THE_ANCHOR);
    Wait(Object("fx_stone"), 2700);
    PushHashAction23(Object("fx_stone"), STONE_FALLS);
    AddToQueue(DIEGO, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    Play(DIEGO, "pulloutanchortry_06");
    PushAnimAction(DIEGO, "cliffasleep_l", 1, 0);
    Place(DIEGO, WP_DIEGO_ASLEEP);
    Apart();
    PushHashAction23(Object("fx_stone"), STONE_FALLEN);
    SetInteractive(Object("rusty_anchor"), false);
    SetInteractive(Object("rusty_anchor2"), true);
    _EndMatch();
}

void SceneScript_bg401::ShoreEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("dark_rock")), HEROINE, WP_DARK_ROCK, 0x5c96ca2f);
    _IfMatch(MatchExpr::MakeEvent0(Object("dark_rock")));
    GoTo(HEROINE, WP_DARK_ROCK);
    PickUp<Reach::Low>(HEROINE, Object("fx_stone"), ItemNamed("ITEM_DARK_ROCK_1"));
    SetBoolVar(VARBOOL_BG401_C06_PICK_DARK_ROCK, true);
    SetInteractive(Object("dark_rock"), false);
    _EndMatch();

    LookAndActivate(Object("pillars"), HEROINE, WP_PILLARS, 0x8438e469, 0xc57fadfa);
}

} // namespace

// Scene 39, bg401_TA_JetyAndCliff.
REGISTER_SCENE_SCRIPT(bg401, 39);
