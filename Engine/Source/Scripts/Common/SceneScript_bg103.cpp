// The flat-top hill (scene 11, bg103_BO_FlatTopHill). Chapter 1: the kid
// plays here with Arno, Bobby and Nell: she beats Arno in the wooden-sword
// duel, ties him up with the rope from the broken ladder, and climbs the
// lookout rock on Bobby's shoulders, from where the boat comes into view and
// the way to the fork opens. Later chapters: the grown heroine comes alone; in
// chapter 2 she lays the polished plate into the nest, and once its work is
// done the mirror is stolen.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "Hash/CoreCrc32.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg103_11>;

constexpr ActorNamed<"tavrine_kid"> KID;
constexpr ActorNamed<"tavrine"> ADULT;
constexpr ActorNamed<"arno_kid"> ARNO;
constexpr ActorNamed<"bobby_kid"> BOBBY;
constexpr ActorNamed<"nell_kid"> NELL;
using KidAnimation = AnimationOf<"tavrine_kid">;

// The mini-game and the movie that return here.
constexpr int32_t WOODEN_SWORD_DUEL = 2;
constexpr int32_t MOVIE_STRIP01 = 10;
constexpr int32_t AFTER_DUEL = 256 + WOODEN_SWORD_DUEL;
constexpr int32_t AFTER_STRIP01 = 512 + MOVIE_STRIP01;

// Walk-mesh blockers: the ground where Arno lies knocked out, the climb up
// the lookout rock, the path down to the fork.
constexpr int32_t ARNO_BLOCKER = 0;
constexpr int32_t ROCK_BLOCKER = 1;
constexpr int32_t PATH_BLOCKER = 2;

// Waypoints.
constexpr int32_t KID_START = 0;
constexpr int32_t BOBBY_HOME = 1;
constexpr int32_t NELL_HOME = 2;
constexpr int32_t ARNO_HOME = 3;
constexpr int32_t PATH_END = 4;
constexpr int32_t PATH_TOP = 5;
constexpr int32_t BY_THE_LADDER = 6;
constexpr int32_t ROCK_FOOT = 7;
constexpr int32_t ROCK_STEP = 8;
constexpr int32_t ROCK_TOP = 9;
constexpr int32_t ROCK_LOOKOUT = 10;
constexpr int32_t BEFORE_ARNO = 11;
constexpr int32_t BY_ARNO = 12;
constexpr int32_t DOCKS_VIEW = 13;
constexpr int32_t NEST_VIEW = 14;
constexpr int32_t ADULT_START = 15;
constexpr int32_t DUEL_KID = 16;
constexpr int32_t BOBBY_AFTER = 17;
constexpr int32_t FIRST_WALK = 18;
constexpr int32_t NEAR_BOBBY = 19;
constexpr int32_t NEAR_BOBBY_AFTER = 20;
constexpr int32_t NEAR_NELL = 21;
constexpr int32_t ARNO_DUEL = 22;
constexpr int32_t BOBBY_WATCH = 23;
constexpr int32_t NELL_WATCH = 24;

// The sprite animations of the boat at sea and of the dust Arno raises.
constexpr uint32_t BOAT_GONE = CoreCrc32Of("i_boat_gone");
constexpr uint32_t BOAT_SAILING = CoreCrc32Of("i_boat_sailing");
constexpr uint32_t LEAVE_STILL = CoreCrc32Of("m_leave_still");
constexpr uint32_t LEAVE_DUST = CoreCrc32Of("m_leave_dust");

// A dialog callback on which the kid makes a gesture and goes back to idle.
struct Gesture {
    uint32_t uCallback;
    KidAnimation animation;
};
constexpr Gesture KID_GESTURES[] = {
    {0x66DD49E1, "g_talk_l"},        {0x2D9E3A79, "g_scratchhead"},   {0x5C1EA16B, "g_tapnonsense"},
    {0xE4817246, "g_helpless"},      {0xFDBD9D38, "g_thinking"},      {0x5BE88B2C, "g_dlghandwave"},
    {0x40C82C9E, "g_dlgpolite"},     {0xEA630120, "g_dlgclapshands"}, {0x56B3A853, "g_dlggiveorders"},
    {0x1FD30672, "g_lookingaround"}, {0xD4EDF079, "g_observeover"},   {0x3AE39155, "g_victoryfist"},
};
// The gestures that make one of the hill's own sounds (their cues load with
// its sound group).
struct LoudGesture {
    Gesture oGesture;
    uint32_t uSound;
};
constexpr LoudGesture KID_LOUD_GESTURES[] = {
    {{0xD9E7CCD5, "g_clapshands"}, 0x4488E48A},
    {{0x694B8941, "g_victoryfist"}, 0x4AC1230A},
    {{0xE5266F2F, "g_helpless"}, 0x310E2981},
};

class SceneScript_bg103 final : public SceneScript {
public:
    void LinkActorSets() override;
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void EnterChapter1();
    void ReturnFromTheDuel();
    void EnterLaterChapters();

    void ChildrenEvents();
    void ArnoEvents();
    void LadderAndRockEvents();
    void RockClimbCallbacks();
    void ViewEvents();
    void GestureCallbacks();

    // The playable character's walk-mesh blocker switch.
    void Blocker(uint32_t uActorId, int32_t iBlocker, bool bOn) { PushAction21(uActorId, iBlocker, bOn ? 1 : 0); }
    // The kid walks to a waypoint with the blockers in her way switched off
    // and talks; blocker 1 goes back on after.
    void KidRemark(int32_t iWaypoint, uint32_t uDialog);
    // The kid's part of the way back into the scene: from the path's end.
    void ComeUpThePath(uint32_t uActorId);
};

void SceneScript_bg103::LinkActorSets()
{
    LinkActorSet("Chapter_1", InChapter(1));
}

void SceneScript_bg103::LinkSoundGroups()
{
    LinkSoundGroup(SoundGroupNamed("bg103_chapter_01"), InChapter(1));
    // Chapters 2 to 10 as a range: nine equality tests joined by "or" would
    // take 17 records, more than a condition holds.
    LinkSoundGroup(0x65A282A5, Both(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntGreaterEqual, 2),
                                    MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntLessEqual, 10)));
}

void SceneScript_bg103::BuildEnterActions()
{
    PlayMusic(0x0666EF79);
    PlayAmbience(0x496C9135);
    SetSceneDirection(4);
    ShowObject(Object("i_broken_ladder"), false);
    ShowObject(Object("i_unconscious"), false);
    ShowObject(Object("m_leave"), false);
    SetInteractive(Object("broken_ladder"), false);
    ShowObject(Object("i_mirror"), false);
    ShowObject(Object("fx_mirror"), false);

    _IfMatch(InChapter(1));
    EnterChapter1();
    _ElseMatch();
    EnterLaterChapters();
    _EndMatch();
}

void SceneScript_bg103::ComeUpThePath(uint32_t uActorId)
{
    Place(uActorId, PATH_END);
    GoTo(uActorId, PATH_TOP);
}

void SceneScript_bg103::EnterChapter1()
{
    ShowObject(Object("m_nest"), false);
    SetInteractive(Object("nest"), false);
    PushHashAction23(Object("i_boat"), BOAT_GONE);
    PushHashAction23(Object("m_leave"), LEAVE_STILL);

    _IfBool(VARBOOL_BG103_C01_PICK_ROPE, 0);
    ShowObject(Object("i_broken_ladder"), true);
    SetInteractive(Object("broken_ladder"), true);
    _EndMatch();

    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 1);
    PushHashAction23(Object("i_boat"), BOAT_SAILING);
    _EndMatch();

    // Bobby and Nell went home with the kid after the fork.
    _IfBool(VARBOOL_BG104_C01_MANUEL_NOT_HERE, 1);
    for (int32_t iChild : {static_cast<int32_t>(BOBBY), static_cast<int32_t>(NELL)}) {
        ShowObject(iChild, false);
        SetInteractive(iChild, false);
    }
    _EndMatch();

    Place(KID, KID_START);
    Place(BOBBY, BOBBY_HOME);
    Place(NELL, NELL_HOME);
    Place(ARNO, ARNO_HOME);

    _IfBool(VARBOOL_WIN_MINIGAME_01, 1);
    Place(ARNO, ARNO_HOME);
    ShowObject(Object("i_unconscious"), true);
    _ElseMatch();
    _IfBool(VARBOOL_BG103_C01_TALK_BOBBY_KID, 0);
    Play(BOBBY, "g_idle_l");
    _EndMatch();
    _EndMatch();

    _IfBool(VARBOOL_BG103_C01_ARNO_NOT_HERE, 1);
    ShowObject(ARNO, false);
    SetInteractive(ARNO, false);
    ShowObject(Object("i_unconscious"), false);
    Place(BOBBY, BOBBY_AFTER);
    _EndMatch();

    // The first arrival: the children are waiting on the hill.
    _IfBool(VARBOOL_BG103_C01_EVENT_FIRST_TIME, 0);
    ShowObject(Object("i_boat"), false);
    Place(KID, PATH_END);
    GoTo(KID, FIRST_WALK);
    Dialog(0x05EE1742);
    SetBoolVar(VARBOOL_BO_MAP_BG103, false);
    SetBoolVar(VARBOOL_QUEST_C1_PLAY01, false);
    SetBoolVar(VARBOOL_QUEST_C1_PLAY02, true);
    SetBoolVar(VARBOOL_BG103_C01_EVENT_FIRST_TIME, true);
    _EndMatch();

    // Up from the fork (bg104_BO_Fork).
    _IfMatch(CameFrom(12));
    ComeUpThePath(KID);
    _EndMatch();

    _IfMatch(CameFrom(AFTER_DUEL));
    ReturnFromTheDuel();
    _EndMatch();

    Blocker(KID, ROCK_BLOCKER, true);
    Blocker(KID, PATH_BLOCKER, true);
}

void SceneScript_bg103::ReturnFromTheDuel()
{
    // Only the first won duel counts; the dialog tells the won and the lost
    // one apart by the variable.
    _IfBool(VARBOOL_WIN_MINIGAME_01, 0);
    Place(KID, DUEL_KID);
    Place(ARNO, ARNO_DUEL);
    _IfBool(VARBOOL_C_WIN_MINIGAME, 1);
    Place(ARNO, ARNO_HOME);
    SetBoolVar(VARBOOL_WIN_MINIGAME_01, true);
    SetBoolVar(VARBOOL_BG103_C01_EVENT_AFTER_SABRE_DUEL, true);
    ShowObject(Object("i_unconscious"), true);
    Play(KID, "g_victoryfist");
    Play(KID, "g_clapshands");
    Play(KID, "g_idle_l");
    Blocker(KID, ARNO_BLOCKER, true);
    _EndMatch();
    Dialog(0x552F3CDF);
    _EndMatch();
}

void SceneScript_bg103::EnterLaterChapters()
{
    SetInteractive(Object("lookout_rock"), false);
    Place(ADULT, ADULT_START);

    _IfMatch(InChapter(2));
    // The plate shines in the nest until it is stolen.
    _IfMatch(Both(IsTrue(VARBOOL_BG103_C02_SHINY_PLATE_IS_ON_NEST), IsFalse(VARBOOL_BG103_EVENT_MIRROR_STOLEN)));
    ShowObject(Object("i_mirror"), true);
    ShowObject(Object("fx_mirror"), true);
    _EndMatch();
    _IfMatch(CameFrom(AFTER_STRIP01));
    Place(ADULT, NEST_VIEW);
    Dialog(0xC007BDAA);
    _EndMatch();
    _EndMatch();

    // Up from the fork, the docks or the town hall (bg104_BO_Fork,
    // bg105_BO_Docks, bg107_BO_TownhallExterior).
    for (int32_t iFrom : {12, 13, 15}) {
        _IfMatch(CameFrom(iFrom));
        ComeUpThePath(ADULT);
        _EndMatch();
    }

    _IfMatch(Both(IsTrue(VARBOOL_QUEST_C2_WORK02_DONE), IsFalse(VARBOOL_BG103_EVENT_MIRROR_STOLEN)));
    Play(ADULT, "g_lookup");
    Play(ADULT, "g_idle_l");
    Dialog(0x874FD2AE);
    SetBoolVar(VARBOOL_BG103_EVENT_MIRROR_STOLEN, true);
    ShowObject(Object("i_mirror"), false);
    ShowObject(Object("fx_mirror"), false);
    _EndMatch();

    Blocker(ADULT, ROCK_BLOCKER, true);
    Blocker(ADULT, PATH_BLOCKER, true);
}

void SceneScript_bg103::BuildExitEvents()
{
    // Activate "goto_bg104": in chapter 1 the kid will not go before she has
    // seen the boat; then the path leads to the island map until the ambush
    // at the fork has happened, and to the fork after. Later, always the fork.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg104")));
    _IfMatch(InChapter(1));
    Blocker(KID, ARNO_BLOCKER, false);
    GoTo(KID, PATH_TOP);
    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 0);
    Dialog(0x1D601C56);
    GoTo(KID, FIRST_WALK);
    Dialog(0x3C75B4CA);
    _ElseMatch();
    Blocker(KID, PATH_BLOCKER, false);
    _IfBool(VARBOOL_BG104_C01_EVENT_AMBUSH, 0);
    GoTo(KID, PATH_END);
    GoToScene(56); // bg901_BountyIslandMap
    _ElseMatch();
    GoToScene(12); // bg104_BO_Fork
    GoTo(KID, PATH_END);
    _EndMatch();
    _EndMatch();
    _ElseMatch();
    Blocker(ADULT, PATH_BLOCKER, false);
    GoTo(ADULT, PATH_TOP);
    GoToScene(12); // bg104_BO_Fork
    GoTo(ADULT, PATH_END);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg103::BuildEvents()
{
    // Dialog_CB 0x62D1344A: Arno lies in the way again.
    _IfEvent(OnCallback(0x62D1344A));
    Blocker(KID, ARNO_BLOCKER, true);
    _EndMatch();

    ChildrenEvents();
    ArnoEvents();
    LadderAndRockEvents();
    RockClimbCallbacks();
    ViewEvents();
    GestureCallbacks();
}

void SceneScript_bg103::KidRemark(int32_t iWaypoint, uint32_t uDialog)
{
    Blocker(KID, ROCK_BLOCKER, false);
    Blocker(KID, ARNO_BLOCKER, false);
    GoTo(KID, iWaypoint);
    Dialog(uDialog);
    Blocker(KID, ROCK_BLOCKER, true);
}

void SceneScript_bg103::ChildrenEvents()
{
    // Look "bobby_kid": he stands elsewhere once Arno is gone.
    _IfEvent(ScriptEvent_FlaggedId1(BOBBY));
    Blocker(KID, ARNO_BLOCKER, false);
    Blocker(KID, ROCK_BLOCKER, false);
    _IfBool(VARBOOL_BG103_C01_ARNO_NOT_HERE, 0);
    GoTo(KID, NEAR_BOBBY);
    _ElseMatch();
    GoTo(KID, NEAR_BOBBY_AFTER);
    _EndMatch();
    Dialog(0xFF72DA02);
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();

    // Talk "bobby_kid": the dialog brings the kid over.
    _IfEvent(ScriptEvent_FlaggedId2(BOBBY));
    Blocker(KID, ARNO_BLOCKER, false);
    Blocker(KID, ROCK_BLOCKER, false);
    Dialog(0x27E12618);
    Play(KID, "g_idle_l");
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();

    // Dialog_CB 0xE3AD50D5: the kid steps up to Bobby.
    _IfEvent(OnCallback(0xE3AD50D5));
    _IfBool(VARBOOL_BG103_C01_ARNO_NOT_HERE, 0);
    GoTo(KID, NEAR_BOBBY);
    _ElseMatch();
    GoTo(KID, NEAR_BOBBY_AFTER);
    _EndMatch();
    Play(KID, "g_talk_l");
    Play(KID, "g_idle_l");
    _IfBool(VARBOOL_BG103_C01_ARNO_NOT_HERE, 1);
    TurnToward(BOBBY, KID);
    _EndMatch();
    _EndMatch();

    // Look "nell_kid".
    _IfEvent(ScriptEvent_FlaggedId1(NELL));
    Blocker(KID, ARNO_BLOCKER, false);
    Blocker(KID, ROCK_BLOCKER, false);
    GoTo(KID, NEAR_NELL);
    Dialog(0x76FCDDE4);
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();

    // Talk "nell_kid".
    _IfEvent(ScriptEvent_FlaggedId2(NELL));
    Blocker(KID, ARNO_BLOCKER, false);
    Blocker(KID, ROCK_BLOCKER, false);
    GoTo(KID, NEAR_NELL);
    Play(NELL, "g_idle_l");
    Play(KID, "g_talk_l");
    Dialog(0xE82B1D4C);
    Play(KID, "g_idle_l");
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();
}

void SceneScript_bg103::ArnoEvents()
{
    // Look "arno_kid": it leaves blocker 1 off, where the other looks switch
    // it back on.
    _IfEvent(ScriptEvent_FlaggedId1(ARNO));
    Blocker(KID, ROCK_BLOCKER, false);
    _IfBool(VARBOOL_BG103_C01_EVENT_AFTER_SABRE_DUEL, 0);
    GoTo(KID, BEFORE_ARNO);
    _ElseMatch();
    Blocker(KID, ARNO_BLOCKER, false);
    GoTo(KID, BY_ARNO);
    _EndMatch();
    Dialog(0x07CDB6D3);
    Blocker(KID, ROCK_BLOCKER, false);
    _EndMatch();

    // Talk "arno_kid": before the duel he boasts; after it he is out cold.
    _IfEvent(ScriptEvent_FlaggedId2(ARNO));
    Blocker(KID, ROCK_BLOCKER, false);
    _IfBool(VARBOOL_BG103_C01_EVENT_AFTER_SABRE_DUEL, 0);
    GoTo(KID, BEFORE_ARNO);
    TurnToward(KID, ARNO);
    Play(KID, "g_talk_l");
    Dialog(0x991A767B);
    Play(KID, "g_idle_l");
    _ElseMatch();
    Blocker(KID, ARNO_BLOCKER, false);
    GoTo(KID, BY_ARNO);
    Play(KID, "g_scratchhead");
    Play(KID, "g_idle_l");
    _EndMatch();
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();

    // UseItem "arno_kid" with the wooden sword: the challenge and the duel,
    // until it is won once.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ARNO, ItemNamed("ITEM_WOODEN_SWORD")));
    _IfBool(VARBOOL_WIN_MINIGAME_01, 0);
    Blocker(KID, ROCK_BLOCKER, false);
    GoTo(KID, BEFORE_ARNO);
    TurnToward(KID, ARNO);
    Dialog(0xE9EB855E);
    SetBoolVar(VARBOOL_BG103_C01_USE_WOODENSWORD_ON_ARNO, true);
    StartMiniGame(WOODEN_SWORD_DUEL);
    _EndMatch();
    _EndMatch();

    // Dialog_CB 0xEE9F1A08: the kid brandishes her sword.
    _IfEvent(OnCallback(0xEE9F1A08));
    EffectSound(0x4AC1230A);
    Play(KID, "g_dlggiveorders");
    Play(KID, "g_dlghandwave");
    Play(KID, "g_victoryfist");
    Play(KID, "g_dlgclapshands");
    Play(KID, "g_lookingaround");
    Play(KID, "g_idle_l");
    _EndMatch();

    // Dialog_CB 0x00917B24: sent off by Arno, the kid steps back and shrugs.
    // Arno's figure has nothing to walk or turn with, so the walk is hers;
    // he is passed over meanwhile.
    _IfEvent(OnCallback(0x00917B24));
    SetInteractive(ARNO, false);
    GoTo(KID, KID_START);
    Play(KID, "g_helpless");
    Play(KID, "g_idle_l");
    SetInteractive(ARNO, true);
    _EndMatch();

    // UseItem "arno_kid" with the rope: the beaten Arno is tied up and runs
    // off, and Bobby and Nell join the kid.
    _IfEvent(ScriptEvent_ItemOnFlaggedId3(ARNO, ItemNamed("ITEM_ROPE")));
    _IfBool(VARBOOL_WIN_MINIGAME_01, 1);
    Blocker(KID, ROCK_BLOCKER, false);
    Blocker(KID, ARNO_BLOCKER, false);
    Together();
    GoTo(BOBBY, BOBBY_WATCH);
    GoTo(NELL, NELL_WATCH);
    Apart();
    GoTo(KID, BY_ARNO);
    Take(KID, ItemNamed("ITEM_ROPE"));
    PushAction60(Object("i_unconscious"), 500, 0);
    // Two knots, the hands dusted off, the win shown to the others.
    for (int iKnot = 0; iKnot < 2; ++iKnot) {
        Play(KID, "g_pickobjectlow01");
        Play(KID, "g_pickobjectlow02");
        Wait(KID, 300);
    }
    Play(KID, "g_dlgclapshands");
    Play(KID, "g_victoryfist");
    Wait(KID, 300);
    Play(KID, "g_lookingaround");
    Wait(KID, 300);
    Play(KID, "g_idle_l");
    Wait(KID, 500);
    ShowObject(Object("m_leave"), true);
    Together();
    Play(KID, "g_clapshands");
    Play(BOBBY, "g_idle_l");
    Play(NELL, "g_idle_l");
    PushHashAction23(Object("m_leave"), LEAVE_DUST);
    Apart();
    WaitUntilIdle(KID);
    ShowObject(Object("m_leave"), false);
    ShowObject(ARNO, false);
    SetInteractive(ARNO, false);
    SetBoolVar(VARBOOL_BG103_C01_ARNO_NOT_HERE, true);
    SetBoolVar(VARBOOL_QUEST_C1_PLAY02_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C1_PLAY01, true);
    Wait(KID, 300);
    Dialog(0x548BF256);
    Give(KID, ItemNamed("ITEM_BOBBY_KID"));
    Give(KID, ItemNamed("ITEM_NELL_KID"));
    Together();
    GoTo(BOBBY, BOBBY_AFTER);
    GoTo(NELL, NELL_HOME);
    Apart();
    GoTo(KID, KID_START);
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg103::LadderAndRockEvents()
{
    // Look "broken_ladder".
    _IfEvent(ScriptEvent_Object1(Object("broken_ladder")));
    KidRemark(BY_THE_LADDER, 0x04B99E77);
    _EndMatch();

    // Activate "broken_ladder": the kid unties the rope from it.
    _IfMatch(MatchExpr::MakeEvent0(Object("broken_ladder")));
    Blocker(KID, ROCK_BLOCKER, false);
    Blocker(KID, ARNO_BLOCKER, false);
    GoTo(KID, BY_THE_LADDER);
    Dialog(0xC5E34749);
    Play(KID, "g_pickobjectlow01");
    Give(KID, ItemNamed("ITEM_ROPE"));
    ShowObject(Object("i_broken_ladder"), false);
    Play(KID, "g_pickobjectlow02");
    Play(KID, "g_idle_l");
    SetBoolVar(VARBOOL_BG103_C01_PICK_ROPE, true);
    Blocker(KID, ROCK_BLOCKER, true);
    SetInteractive(Object("broken_ladder"), false);
    _EndMatch();

    // Look and Activate "lookout_rock".
    _IfEvent(ScriptEvent_Object1(Object("lookout_rock")));
    KidRemark(ROCK_FOOT, 0xBE1F2D1D);
    _EndMatch();
    _IfMatch(MatchExpr::MakeEvent0(Object("lookout_rock")));
    KidRemark(ROCK_FOOT, 0x85DBB823);
    _EndMatch();

    // UseItem "lookout_rock" with Nell: she is too small to be the step.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("lookout_rock"), ItemNamed("ITEM_NELL_KID")));
    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 0);
    Blocker(KID, ROCK_BLOCKER, false);
    GoTo(KID, ROCK_FOOT);
    GoTo(NELL, ROCK_STEP);
    TurnToward(KID, NELL);
    TurnToward(NELL, KID);
    Dialog(0xC4549B14);
    GoTo(NELL, NELL_HOME);
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();
    _EndMatch();

    // UseItem "lookout_rock" with Bobby: on his shoulders the kid climbs the
    // rock and sees the boat; the way to the fork opens.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("lookout_rock"), ItemNamed("ITEM_BOBBY_KID")));
    _IfBool(VARBOOL_BG103_C01_SEE_ALESSANDRO, 0);
    Blocker(KID, ROCK_BLOCKER, false);
    GoTo(KID, ROCK_FOOT);
    GoTo(BOBBY, ROCK_STEP);
    TurnToward(KID, BOBBY);
    TurnToward(BOBBY, KID);
    Dialog(0x5C59134C);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SELECT_CHARACTER, Param::Scriptable(KID));
    GoTo(KID, ROCK_TOP);
    GoTo(KID, ROCK_FOOT);
    GoTo(KID, KID_START);
    Place(BOBBY, BOBBY_AFTER);
    Play(BOBBY, "humanladder03");
    Play(BOBBY, "g_idle_l");
    Play(KID, "g_idle_l");
    AddToQueue(KID, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(true));
    Wait(KID, 300);
    SetBoolVar(VARBOOL_QUEST_C1_PLAY01_DONE, true);
    SetBoolVar(VARBOOL_QUEST_C1_HOME01, true);
    SetBoolVar(VARBOOL_BO_MAP_BG104, true);
    Blocker(KID, ROCK_BLOCKER, true);
    _EndMatch();
    _EndMatch();

    // UseItem "lookout_rock" with the flask of water.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("lookout_rock"), ItemNamed("ITEM_FLASK_OF_WATER")));
    Blocker(KID, ARNO_BLOCKER, false);
    GoTo(KID, ROCK_FOOT);
    Dialog(0x0484BA31);
    _EndMatch();
}

void SceneScript_bg103::RockClimbCallbacks()
{
    // Dialog_CB 0xA48704F6: Bobby crouches at the rock and the kid climbs up
    // over him, then turns out to sea, where she is about to spot the boat;
    // on the rock she casts no shadow on the ground below.
    _IfEvent(OnCallback(0xA48704F6));
    GoTo(BOBBY, ROCK_STEP);
    TurnToward(BOBBY, KID);
    Play(BOBBY, "humanladder01");
    Play(BOBBY, "humanladder02_l");
    Blocker(KID, ROCK_BLOCKER, false);
    GoTo(KID, ROCK_FOOT);
    GoTo(KID, ROCK_TOP);
    TurnToward(KID, BOBBY);
    Play(KID, "humanladder01");
    TurnAsWaypoint(KID, ROCK_LOOKOUT);
    Play(KID, "g_observeover");
    Play(KID, "g_lookingaround");
    Play(KID, "g_observeover");
    Play(KID, "g_lookingaround");
    Play(KID, "g_idle_l");
    Sound(KID, 0x310E2981, 0);
    AddToQueue(KID, ID_ACTION_TYPE_SET_CAST_SHADOW, Param::Bool(false));
    _EndMatch();

    // Dialog_CB 0x4A8965DA: the kid claps.
    _IfEvent(OnCallback(0x4A8965DA));
    EffectSound(0x4488E48A);
    Play(KID, "g_clapshands");
    Play(KID, "g_idle_l");
    _EndMatch();

    // Dialog_CB 0xA3EAC0EF: the boat comes into view.
    _IfEvent(OnCallback(0xA3EAC0EF));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SELECT_CHARACTER, Param::Scriptable(BOBBY));
    Play(BOBBY, "humanladder03");
    ShowObject(Object("i_boat"), true);
    Play(BOBBY, "g_idle_l");
    PushHashAction23(Object("i_boat"), BOAT_SAILING);
    _EndMatch();

    // Dialog_CB 0x4DE4A1C3: the kid jumps to the rock's edge.
    _IfEvent(OnCallback(0x4DE4A1C3));
    EffectSound(0x310E2981);
    GoTo(KID, ROCK_TOP);
    _EndMatch();
}

void SceneScript_bg103::ViewEvents()
{
    // Look "docks".
    _IfEvent(ScriptEvent_Object1(Object("docks")));
    _IfMatch(InChapter(1));
    Blocker(KID, ROCK_BLOCKER, false);
    GoTo(KID, DOCKS_VIEW);
    _ElseMatch();
    Blocker(ADULT, ROCK_BLOCKER, false);
    GoTo(ADULT, DOCKS_VIEW);
    _EndMatch();
    Dialog(0x7CB1C833);
    _IfMatch(InChapter(1));
    Blocker(KID, ROCK_BLOCKER, true);
    _ElseMatch();
    Blocker(ADULT, ROCK_BLOCKER, true);
    _EndMatch();
    _EndMatch();

    // Look "nest".
    _IfEvent(ScriptEvent_Object1(Object("nest")));
    Blocker(ADULT, ROCK_BLOCKER, false);
    GoTo(ADULT, NEST_VIEW);
    Play(ADULT, "g_lookup");
    Play(ADULT, "g_idle_l");
    Dialog(0x94D223F3);
    Blocker(ADULT, ROCK_BLOCKER, true);
    _EndMatch();

    // Activate "nest".
    _IfMatch(MatchExpr::MakeEvent0(Object("nest")));
    Blocker(ADULT, ROCK_BLOCKER, false);
    GoTo(ADULT, NEST_VIEW);
    Dialog(0xCD983E5E);
    Blocker(ADULT, ROCK_BLOCKER, true);
    _EndMatch();

    // UseItem "nest" with the polished plate: it goes into the nest, and the
    // movie shows it shine.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("nest"), ItemNamed("ITEM_POLISHED_PLATE")));
    Blocker(ADULT, ROCK_BLOCKER, false);
    GoTo(ADULT, NEST_VIEW);
    Take(ADULT, ItemNamed("ITEM_POLISHED_PLATE"));
    SetBoolVar(VARBOOL_BG103_C02_SHINY_PLATE_IS_ON_NEST, true);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_MOVIE, Param::Int(MOVIE_STRIP01));
    _EndMatch();
}

void SceneScript_bg103::GestureCallbacks()
{
    // The kid turns to Bobby, or to Nell, and talks.
    _IfEvent(OnCallback(0x75C9F199));
    TurnToward(KID, BOBBY);
    Play(KID, "g_talk_l");
    Play(KID, "g_idle_l");
    _EndMatch();
    _IfEvent(OnCallback(0x3D8E554C));
    TurnToward(KID, NELL);
    Play(KID, "g_talk_l");
    Play(KID, "g_idle_l");
    _EndMatch();

    for (const Gesture& oGesture : KID_GESTURES)
        PlayGesture(OnCallback(oGesture.uCallback), KID, oGesture.animation, "g_idle_l");
    for (const LoudGesture& oLoud : KID_LOUD_GESTURES) {
        _IfEvent(OnCallback(oLoud.oGesture.uCallback));
        Play(KID, oLoud.oGesture.animation);
        Sound(KID, oLoud.uSound, 0);
        Play(KID, "g_idle_l");
        _EndMatch();
    }

    // The kid stops talking.
    PlayGesture(OnCallback(0x0A16359E), KID, "g_idle_l");

    // The kid steps back, steps toward Arno, and faces him.
    _IfEvent(OnCallback(0x8FDC9583));
    GoTo(KID, KID_START);
    _EndMatch();
    _IfEvent(OnCallback(0x8ADB0533));
    GoTo(KID, BEFORE_ARNO);
    _EndMatch();
    _IfEvent(OnCallback(0x65E90318));
    GoTo(KID, BEFORE_ARNO);
    TurnToward(KID, ARNO);
    _EndMatch();
}

} // namespace

// Scene 11, bg103_BO_FlatTopHill.
REGISTER_SCENE_SCRIPT(bg103, 11);
