// The middle town square of Hollow island (scene 30, bg303_HO_TownSquareB),
// between the first square and the third. Sancha keeps her stall here and
// sells a gold earring for two doubloons or a net for one. Chapter 4: she is
// back from the jetty only once the bell is known to be broken; a ladder
// leans on the wall until Diego, brought along, carries it off to the reefs
// where Briscoe waits. Chapter 7: Sancha is gone and the bank door answers.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg303_30>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"sancha"> SANCHA;
constexpr ActorNamed<"diego"> DIEGO;

// Waypoints of the square.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_FIRST_SQUARE_EDGE = 1;
constexpr int32_t WP_FROM_FIRST_SQUARE = 2;
constexpr int32_t WP_THIRD_SQUARE_EDGE = 3;
constexpr int32_t WP_FROM_THIRD_SQUARE = 4;
constexpr int32_t WP_DIEGO_AT_LADDER = 5;
constexpr int32_t WP_SANCHA = 6;
constexpr int32_t WP_BY_SANCHA = 7;
constexpr int32_t WP_DIEGO = 8;
constexpr int32_t WP_CALLING_DIEGO = 9;
constexpr int32_t WP_BY_DIEGO = 10;
constexpr int32_t WP_TO_FIRST_SQUARE = 11;
constexpr int32_t WP_STALL = 12;
constexpr int32_t WP_TO_THIRD_SQUARE = 13;
constexpr int32_t WP_LADDER = 14;
constexpr int32_t WP_BANK_DOOR = 17;
constexpr int32_t WP_BANK = 18;

// The walk-mesh blocker on the way to the third square: the player's clicks
// never lead there, only its exit does.
constexpr int32_t THIRD_SQUARE_BLOCKER = 0;

// Sounds: the music and the square's ambience; the bank door that will not
// open.
constexpr uint32_t SQUARE_MUSIC = 0x47e6e6f9;
constexpr uint32_t SQUARE_AMBIENCE = 0x5d775472;
constexpr uint32_t DOOR_RATTLE_SOUND = 0x619a2fad;

// The scenes the square leads to and is entered from.
constexpr int32_t JETTY = 28;        // bg301_HO_Jety
constexpr int32_t FIRST_SQUARE = 29; // bg302_HO_TownSquareA
constexpr int32_t THIRD_SQUARE = 31; // bg304_HO_TownSquareC
constexpr int32_t DARK_REEFS = 35;   // bg308_HO_DarkReefs
// The scenes beyond the third square: garden, dark beach, reefs, village,
// hut.
constexpr int32_t BEYOND_THIRD_SQUARE[] = {THIRD_SQUARE, 33, 34, DARK_REEFS, 36, 38};

// Where Diego is: this square, or (below) the first square's side.
constexpr int32_t DIEGO_IN_THIS_SQUARE = 3;

class SceneScript_bg303 final : public SceneScript {
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

    void HeroineCallbacks();
    void StallEvents();
    void SanchaCallbacks();
    void LadderEvents();
    void DiegoOnLadder();
    void BankEvents();

    void ShowAndActivate(int32_t iActor, bool bOn);
    // A dialog callback: the heroine hands over the doubloons, walks up to
    // Sancha and is handed the item.
    void Trade(uint32_t uCallback, int32_t iDoubloons, uint32_t uItemId);
};

void SceneScript_bg303::LinkSoundGroups()
{
    // Every chapter of the story. Ten == tests joined by or would need more
    // records than one condition holds, and the group would never load.
    LinkSoundGroup(0x61575298, Both(MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntGreaterEqual, 1),
                                    MatchExpr::Int(VARINT_CURRENT_CHAPTER, Op_IntLessEqual, 10)));
}

void SceneScript_bg303::BuildEnterActions()
{
    PlayMusic(SQUARE_MUSIC);
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_PLAY_AMBIENT, Param::Sound(static_cast<int32_t>(SQUARE_AMBIENCE)),
               Param::Bool(true));
    AddToQueue(ID_SCRIPTABLE_INVALID, ID_ACTION_TYPE_SCENE_DIRECTION, Param::Int(8));
    ResetObjects();

    _IfMatch(InChapter(4));
    EnterChapter4();
    _EndMatch();
    _IfMatch(InChapter(7));
    SetInteractive(Object("bank_door"), true);
    ShowAndActivate(SANCHA, false);
    _EndMatch();

    Place(HEROINE, WP_START);
    Place(SANCHA, WP_SANCHA);
    PushAction21(HEROINE, THIRD_SQUARE_BLOCKER, 1);
    ArriveFrom();
}

void SceneScript_bg303::ResetObjects()
{
    ShowObject(Object("o_ladder"), false);
    SetInteractive(Object("ladder"), false);
    SetInteractive(Object("under_ladder"), false);
    SetInteractive(Object("bank_door"), false);
    ShowAndActivate(DIEGO, false);
}

void SceneScript_bg303::EnterChapter4()
{
    _IfBool(VARBOOL_BG303_C04_PICK_LADDER, 0);
    ShowObject(Object("o_ladder"), true);
    SetInteractive(Object("ladder"), true);
    SetInteractive(Object("under_ladder"), true);
    PushAction21(HEROINE, THIRD_SQUARE_BLOCKER, 1);
    _EndMatch();
    // Sancha stays at the jetty until the bell is known to be broken.
    _IfBool(VARBOOL_QUEST_C4_FIX_BELL, 0);
    ShowAndActivate(SANCHA, false);
    _EndMatch();
    _IfInt(VARINT_DIEGO_SCENE, Op_IntEqual, DIEGO_IN_THIS_SQUARE);
    Place(DIEGO, WP_DIEGO);
    ShowAndActivate(DIEGO, true);
    _EndMatch();
}

void SceneScript_bg303::ArriveFrom()
{
    // Eight separate tests: two from the first square's side, six from the
    // third's, where the blocker opens for the walk in.
    for (int32_t iFrom : {JETTY, FIRST_SQUARE}) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FIRST_SQUARE_EDGE);
        GoTo(HEROINE, WP_FROM_FIRST_SQUARE);
        _EndMatch();
    }
    for (int32_t iFrom : BEYOND_THIRD_SQUARE) {
        _IfMatch(CameFrom(iFrom));
        PushAction21(HEROINE, THIRD_SQUARE_BLOCKER, 0);
        Place(HEROINE, WP_THIRD_SQUARE_EDGE);
        GoTo(HEROINE, WP_FROM_THIRD_SQUARE);
        PushAction21(HEROINE, THIRD_SQUARE_BLOCKER, 1);
        _EndMatch();
    }
}

void SceneScript_bg303::BuildExitEvents()
{
    // Activate "goto_bg302": she walks on off the square during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg302")));
    WalkTo(HEROINE, WP_TO_FIRST_SQUARE);
    GoToScene(FIRST_SQUARE);
    WalkTo(HEROINE, WP_FIRST_SQUARE_EDGE);
    _EndMatch();

    // Activate "goto_bg304": past the blocker, and on during the fade-out.
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg304")));
    PushAction21(HEROINE, THIRD_SQUARE_BLOCKER, 0);
    WalkTo(HEROINE, WP_TO_THIRD_SQUARE);
    GoToScene(THIRD_SQUARE);
    WalkTo(HEROINE, WP_THIRD_SQUARE_EDGE);
    _EndMatch();
}

void SceneScript_bg303::BuildEvents()
{
    HeroineCallbacks();
    StallEvents();
    SanchaCallbacks();
    LadderEvents();
    BankEvents();
}

void SceneScript_bg303::HeroineCallbacks()
{
    PlayGesture(OnCallback(0xc7f3f060), HEROINE, "g_talk_l");
    PlayGesture(OnCallback(0x22a8abc2), HEROINE, "g_idle_l");

    // Callback: a door that does not open.
    _IfEvent(OnCallback(0x8081b403));
    Sound(HEROINE, DOOR_RATTLE_SOUND, 1056);
    Play(HEROINE, "g_dooropenfailure02");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

void SceneScript_bg303::StallEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("sanchas_stall")), HEROINE, WP_STALL, 0xe715b096);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("sanchas_stall")), HEROINE, WP_STALL, 0xecdba155);
    WalkAndTalk(ScriptEvent_FlaggedId1(SANCHA), HEROINE, WP_BY_SANCHA, 0x305f3179);
    WalkAndTalk(ScriptEvent_FlaggedId2(SANCHA), HEROINE, WP_BY_SANCHA, 0x032e1881);
}

void SceneScript_bg303::SanchaCallbacks()
{
    PlayGesture(OnCallback(0xaf7db1a6), SANCHA, "g_talk_l");
    PlayGesture(OnCallback(0xe6bfa140), SANCHA, "g_idle_l");

    // The dialog offers each trade only while the doubloons are there.
    Trade(0x83af9f0b, 2, ItemNamed("ITEM_GOLD_EARRING"));
    Trade(0x8ce355b6, 1, ItemNamed("ITEM_NET"));

    PlayGesture(OnCallback(0x8befc6ff), SANCHA, "g_embarrassed", "g_idle_l");
}

void SceneScript_bg303::LadderEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("ladder")), HEROINE, WP_LADDER, 0x993d4845);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("ladder")), HEROINE, WP_LADDER, 0xa8a535e0);
    DiegoOnLadder();
    WalkAndTalk(MatchExpr::MakeEvent4(HEROINE, Object("under_ladder")), HEROINE, WP_LADDER, 0x840802e0);
    WalkAndTalk(ScriptEvent_FlaggedId1(DIEGO), HEROINE, WP_BY_DIEGO, 0x048d3cb3);
    WalkAndTalk(ScriptEvent_FlaggedId2(DIEGO), HEROINE, WP_BY_DIEGO, 0x76b921de);
}

void SceneScript_bg303::DiegoOnLadder()
{
    // UseItem Diego on "ladder": he comes over from the side he waits on;
    // once Briscoe is known to be stuck on the reefs' cliff he carries the
    // ladder off there.
    _IfEvent(ScriptEvent_ItemOnObject3(Object("ladder"), ItemNamed("ITEM_DIEGO")));
    GoTo(HEROINE, WP_CALLING_DIEGO);
    ShowAndActivate(DIEGO, true);
    _IfInt(VARINT_DIEGO_SCENE, Op_IntNotEqual, DIEGO_IN_THIS_SQUARE);
    Place(DIEGO, WP_THIRD_SQUARE_EDGE);
    _IfInt(VARINT_DIEGO_SCENE, Op_IntLess, DIEGO_IN_THIS_SQUARE);
    Place(DIEGO, WP_FIRST_SQUARE_EDGE);
    _EndMatch();
    GoTo(DIEGO, WP_DIEGO);
    SetIntVar(VARINT_DIEGO_SCENE, DIEGO_IN_THIS_SQUARE);
    _EndMatch();
    Dialog(0x6824140d);
    _IfBool(VARBOOL_QUEST_C4_FIND_BRISCOE03, 1);
    GoTo(DIEGO, WP_DIEGO_AT_LADDER);
    Play(DIEGO, "takeladderstart");
    // The ladder's picture goes with him (the "ladder" hotspot has none).
    ShowObject(Object("o_ladder"), false);
    SetBoolVar(VARBOOL_BG303_C04_PICK_LADDER, true);
    GoToScene(DARK_REEFS);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg303::BankEvents()
{
    WalkAndTalk(ScriptEvent_Object1(Object("bank_door")), HEROINE, WP_BANK_DOOR, 0xa25c073a);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("bank_door")), HEROINE, WP_BANK_DOOR, 0x19aa844d);
    WalkAndTalk(ScriptEvent_Object1(Object("bank")), HEROINE, WP_BANK, 0x984a4d6b);
    WalkAndTalk(MatchExpr::MakeEvent0(Object("bank")), HEROINE, WP_BANK, 0xd226b8be);
}

void SceneScript_bg303::ShowAndActivate(int32_t iActor, bool bOn)
{
    ShowObject(iActor, bOn);
    SetInteractive(iActor, bOn);
}

void SceneScript_bg303::Trade(uint32_t uCallback, int32_t iDoubloons, uint32_t uItemId)
{
    _IfEvent(OnCallback(uCallback));
    Play(HEROINE, "g_giveobject");
    Play(SANCHA, "g_receiveobject");
    AddToQueue(HEROINE, ID_ACTION_TYPE_REMOVE_ITEM, Param::Item(ItemNamed("ITEM_DOUBLOON")), Param::Int(iDoubloons));
    GoTo(HEROINE, WP_BY_SANCHA);
    Play(SANCHA, "g_giveobject");
    Play(HEROINE, "g_receiveobject");
    Give(HEROINE, uItemId);
    Play(SANCHA, "g_idle_l");
    Play(HEROINE, "g_idle_l");
    _EndMatch();
}

} // namespace

// Scene 30, bg303_HO_TownSquareB.
REGISTER_SCENE_SCRIPT(bg303, 30);
