// The first ruins of Turtle island (scene 44, bg502_TU_Ruins1): a pit
// crossed by a bridge of hidden paving stones, and beyond it a lever. In
// chapter 9 Diego, out of breath, stays behind; she finds the way over the
// stones one step at a time in a dialog (a wrong step drops her into the pit
// and the scene starts again on the near side), pulls the lever, and the
// islanders' guard knocks her out and carries her off to the altar house.
// Once the lever is pulled both exits lead on.
#include "Common/NamedIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"
#include "Scripts/Common/ScriptEvents.h"

#include <array>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg502_44>;

constexpr ActorNamed<"tavrine"> HEROINE;
constexpr ActorNamed<"diego"> DIEGO;
constexpr ActorNamed<"villager1"> GUARD;

// Waypoints of the ruins.
constexpr int32_t WP_START = 0;
constexpr int32_t WP_FROM_THE_BAY = 1;
constexpr int32_t WP_TAKING_A_MOMENT = 2;
constexpr int32_t WP_DIEGO = 3;
constexpr int32_t WP_DIEGO_GONE = 4;
constexpr int32_t WP_FIRST_STONE = 6;
constexpr int32_t WP_ON_TO_THE_ALTAR_HOUSE = 25;
constexpr int32_t WP_FAR_LEDGE = 26;
constexpr int32_t WP_GUARD = 27;
constexpr int32_t WP_FAR_BRIDGE_HEAD = 28;
constexpr int32_t WP_GUARD_OVER_HER = 29;
constexpr int32_t WP_FROM_THE_ALTAR_HOUSE = 33;
constexpr int32_t WP_PIT_1 = 34;
constexpr int32_t WP_PIT_2 = 35;
constexpr int32_t WP_CARVED_STONES = 36;
constexpr int32_t WP_NEAR_BRIDGE_HEAD = 37;
constexpr int32_t WP_MECHANISM = 38;
constexpr int32_t WP_PATH_TO_THE_BAY = 40;
constexpr int32_t WP_STATUE_SYMBOL = 41;
constexpr int32_t WP_RIFT = 55;
constexpr int32_t WP_VILLAGE = 56;

// The heroine's walk-mesh blockers: the bridge seen from the far side, the
// bridge seen from the near side, and the path back to the bay.
constexpr int32_t BLOCKER_FAR_SIDE = 0;
constexpr int32_t BLOCKER_NEAR_SIDE = 1;
constexpr int32_t BLOCKER_PATH = 2;

constexpr uint32_t RUINS_MUSIC = 0x63c55bd5;
constexpr uint32_t RUINS_AMBIENCE = 0x2df8c472;
constexpr uint32_t STONE_REVEALED = 0x7c5fc7b6;
constexpr uint32_t LEVER_SOUND = 0x78675ab8;
constexpr uint32_t GUARD_BLOW = 0x5f97e2e9;
constexpr int32_t CHAPTER_NINE_SOUNDS = 0x7a8b0b8d;
constexpr int32_t RUINS_SOUNDS = 0x20e32241;

constexpr uint32_t LEVER_AT_REST = 0x226e588c;
constexpr uint32_t LEVER_PULLED = 0xa4ce5963;

// The dialogs that more than one handler starts.
constexpr uint32_t NOT_BEFORE_THE_LEVER = 0x9eb04d14;
constexpr uint32_t LOOK_BRIDGE = 0x0eebd946;
constexpr uint32_t LOOK_MECHANISM = 0x61671df6;
constexpr uint32_t LEVER_DIALOG = 0x644adf75;
constexpr uint32_t DIRECTION_DIALOG = 0x7a5f261e;

// The direction dialog's answers, in the order of the directions: one row
// on, one column down, one column up.
constexpr std::array<uint32_t, 3> DIRECTION_CALLBACKS = {0x00ae2015, 0x22b0c2b3, 0x9efd89a5};

// The scenes the ruins lead to and are entered from.
constexpr int32_t BEAUTY_BAY = 43;
constexpr int32_t RUINS = 44;
constexpr int32_t ALTAR_HOUSE_EXTERIOR = 45;
constexpr int32_t ALTAR_HOUSE_INTERIOR = 46;
constexpr int32_t FROM_BEYOND[] = {ALTAR_HOUSE_EXTERIOR, 47, 48};

// The stones of the only path across, in path order, with the position code
// (row across the pit times ten plus column) that reveals each.
constexpr int32_t STONES = 11;
constexpr std::array<int32_t, STONES> PATH = {12, 22, 23, 24, 34, 44, 43, 53, 52, 51, 61};
// Their pictures, one object each, in the same order.
constexpr int32_t FIRST_PAVING = Object("o_paving_01");
static_assert(Object("o_paving_11") == FIRST_PAVING + STONES - 1);
constexpr int32_t Paving(int32_t iStone)
{
    return FIRST_PAVING + iStone;
}

// What one direction does at one stone: nothing, a step onto a stone of the
// path (forward: revealed with a sound; back: already there), or a step into
// the pit. A fall stores the missing stone's code, unless it is 0.
enum class Move {
    None,
    Forward,
    Back,
    Fall
};
struct Step {
    Move move = Move::None;
    int32_t iWaypoint = 0;
    int32_t iPosition = 0;
};
constexpr Step Forward(int32_t iPosition, int32_t iWaypoint)
{
    return {Move::Forward, iWaypoint, iPosition};
}
constexpr Step Back(int32_t iPosition, int32_t iWaypoint)
{
    return {Move::Back, iWaypoint, iPosition};
}
constexpr Step Fall(int32_t iWaypoint, int32_t iCode = 0)
{
    return {Move::Fall, iWaypoint, iCode};
}
constexpr Step STAY {};

struct Stone {
    int32_t iPosition;
    std::array<Step, 3> steps;
};
// Per stone the three directions; falls from the first three stones keep her
// place, further on the missing stone's code is kept.
constexpr Stone BRIDGE[] = {
    {12, {Forward(22, 22), Fall(5), Fall(24)}},          // on
    {22, {Fall(19), Fall(23), Forward(23, 21)}},         // up the row
    {23, {Fall(18), Back(22, 22), Forward(24, 20)}},     // up the row, or back
    {24, {Forward(34, 17), Back(23, 21), STAY}},         // on, or back
    {34, {Forward(44, 14), Fall(18, 33), STAY}},         // on
    {44, {Fall(10, 54), Forward(43, 15), STAY}},         // down the row
    {43, {Forward(53, 11), Fall(16, 42), Back(44, 14)}}, // on, or back
    {53, {Fall(9, 63), Forward(52, 12), Fall(10, 54)}},  // down the row
    {52, {Fall(8, 62), Forward(51, 13), Back(53, 11)}},  // down the row, or back
    {51, {Forward(61, 7), STAY, Back(52, 12)}},          // on to the far side, or back
};

// The near side's hotspots, closed once she is across.
constexpr int32_t NEAR_SIDE[] = {
    Object("carved_stones"), Object("ethnic_statues_symbol"),
    Object("goto_bg501"),    Object("the_pit_1"),
    Object("the_pit_2"),     Object("village"),
    Object("rift"),
};

constexpr int32_t StoneIndexOf(int32_t iPosition)
{
    for (int32_t i = 0; i < STONES; ++i)
        if (PATH[i] == iPosition)
            return i;
    return -1;
}

class SceneScript_bg502 final : public SceneScript {
public:
    void LinkSoundGroups() override;

protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    void ShowRevealedStones();
    void EnterAcrossTheBridge();
    void ArriveFrom();
    void CloseTheNearSide();
    // Walk to the waypoint and turn to its facing.
    void Approach(int32_t iWaypoint) { GoTo(HEROINE, iWaypoint); }

    void BridgeEvents();
    void TheCrossing();
    // One step on the bridge for the direction just chosen.
    void BuildBridgeStep();
    void TakeStep(const Step& step);
    void ReachTheFarSide();
    void MechanismEvents();
    void PullTheLever();
    void HotspotEvents();
};

void SceneScript_bg502::LinkSoundGroups()
{
    LinkSoundGroup(CHAPTER_NINE_SOUNDS, InChapter(9));
    LinkSoundGroup(RUINS_SOUNDS, InEveryChapterBut(9));
}

void SceneScript_bg502::BuildEnterActions()
{
    PlayMusic(RUINS_MUSIC);
    PlayAmbience(RUINS_AMBIENCE);
    for (int32_t i = 0; i < STONES; ++i)
        ShowObject(Paving(i), false);
    ShowRevealedStones();
    PushHashAction23(Object("o_lever"), LEVER_AT_REST);

    _IfBool(VARBOOL_BG502_C09_ACROSS_BRIDGE, 0);
    SetInteractive(Object("goto_bg504"), false);
    SetInteractive(Object("mechanism"), false);
    PushAction21(HEROINE, BLOCKER_NEAR_SIDE, 1);
    _ElseMatch();
    EnterAcrossTheBridge();
    _EndMatch();

    Place(HEROINE, WP_START);
    ShowAndActivate(DIEGO, false);
    ShowAndActivate(GUARD, false);
    ArriveFrom();

    _IfMatch(
        Both(Both(InChapter(9), IsTrue(VARBOOL_BG502_C09_ACROSS_BRIDGE)), IsFalse(VARBOOL_BG502_C09_INT_MECHANISM)));
    Place(HEROINE, WP_FAR_LEDGE);
    _EndMatch();

    // Until the lever is pulled the islanders' guard stands watch over it;
    // the player cannot point at him.
    _IfMatch(Both(InChapter(9), IsFalse(VARBOOL_BG502_C09_INT_MECHANISM)));
    Place(GUARD, WP_GUARD);
    PushAddAttachment(GUARD, AttachmentNamed("stick_guard"), BONE_RIGHT_HAND);
    ShowObject(GUARD, true);
    _EndMatch();

    PushAction21(HEROINE, BLOCKER_PATH, 1);
}

// Each position of the path shows the stones found up to it; a missing
// stone's code shows none.
void SceneScript_bg502::ShowRevealedStones()
{
    for (int32_t i = 0; i < STONES; ++i) {
        _IfInt(VARINT_TAVRINE_BRIDGE_POS, Op_IntEqual, PATH[i]);
        for (int32_t j = 0; j <= i; ++j)
            ShowObject(Paving(j), true);
        _EndMatch();
    }
}

void SceneScript_bg502::EnterAcrossTheBridge()
{
    _IfBool(VARBOOL_BG502_C09_INT_MECHANISM, 0);
    SetInteractive(Object("mechanism"), true);
    CloseTheNearSide();
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    PushAction21(HEROINE, BLOCKER_FAR_SIDE, 1);
    _ElseMatch();
    Place(HEROINE, WP_START);
    PushHashAction23(Object("o_lever"), LEVER_PULLED);
    SetInteractive(Object("mechanism"), false);
    SetInteractive(Object("the_bridge"), false);
    SetInteractive(Object("village"), false);
    _EndMatch();
}

void SceneScript_bg502::CloseTheNearSide()
{
    for (const int32_t iHotspot : NEAR_SIDE)
        SetInteractive(iHotspot, false);
}

void SceneScript_bg502::ArriveFrom()
{
    // From the bay: the first time Diego stays behind to catch his breath.
    _IfMatch(CameFrom(BEAUTY_BAY));
    _IfBool(VARBOOL_BG502_C09_TAKING_A_MOMENT, 0);
    ShowObject(DIEGO, true);
    Place(DIEGO, WP_DIEGO);
    Play(DIEGO, "outofbreathe_l");
    Place(HEROINE, WP_FROM_THE_BAY);
    Approach(WP_TAKING_A_MOMENT);
    Dialog(0xd1e7ac98);
    SetBoolVar(VARBOOL_QUEST_C9_RUINS, true);
    SetBoolVar(VARBOOL_QUEST_C9_JUNGLE_DONE, true);
    SetBoolVar(VARBOOL_TU_MAP_BG502, true);
    Take(HEROINE, ItemNamed("ITEM_DIEGO"));
    SetBoolVar(VARBOOL_BG502_C09_TAKING_A_MOMENT, true);
    Play(DIEGO, "outofbreatheend");
    WalkTo(DIEGO, WP_DIEGO_GONE);
    ShowObject(DIEGO, false);
    _ElseMatch();
    Place(HEROINE, WP_FROM_THE_BAY);
    Approach(WP_TAKING_A_MOMENT);
    _EndMatch();
    _EndMatch();

    for (const int32_t iFrom : FROM_BEYOND) {
        _IfMatch(CameFrom(iFrom));
        Place(HEROINE, WP_FROM_THE_ALTAR_HOUSE);
        WalkTo(HEROINE, WP_FAR_LEDGE);
        _EndMatch();
    }

    // Back on the near side after a fall into the pit.
    _IfMatch(CameFrom(RUINS));
    Place(HEROINE, WP_NEAR_BRIDGE_HEAD);
    _IfBool(VARBOOL_BG502_C09_ACROSS_BRIDGE, 0);
    Dialog(0x052e9716);
    _ElseMatch();
    SetIntVar(VARINT_TAVRINE_BRIDGE_PROGRESSION, 0);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg502::BuildExitEvents()
{
    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg504")));
    _IfBool(VARBOOL_BG502_C09_INT_MECHANISM, 1);
    WalkTo(HEROINE, WP_FAR_LEDGE);
    GoToScene(ALTAR_HOUSE_EXTERIOR);
    WalkTo(HEROINE, WP_ON_TO_THE_ALTAR_HOUSE);
    _ElseMatch();
    Approach(WP_FAR_LEDGE);
    Dialog(NOT_BEFORE_THE_LEVER);
    _EndMatch();
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("goto_bg501")));
    _IfBool(VARBOOL_BG502_C09_INT_MECHANISM, 1);
    PushAction21(HEROINE, BLOCKER_PATH, 0);
    WalkTo(HEROINE, WP_PATH_TO_THE_BAY);
    GoToScene(BEAUTY_BAY);
    WalkTo(HEROINE, WP_FROM_THE_BAY);
    _ElseMatch();
    Approach(WP_PATH_TO_THE_BAY);
    Dialog(0x583a75c0);
    _EndMatch();
    _EndMatch();
}

void SceneScript_bg502::BuildEvents()
{
    _IfMatch(MatchExpr::MakeEvent6(ItemNamed("ITEM_WHISTLE"), ItemNamed("ITEM_EDUARDO")));
    Play(HEROINE, "decoy");
    Play(HEROINE, "g_idle_l");
    Dialog(0x8ce8d01c);
    _EndMatch();

    HotspotEvents();
    BridgeEvents();
    MechanismEvents();
    for (int32_t iDirection = 0; iDirection < 3; ++iDirection) {
        _IfEvent(ScriptEvent_Hash9(static_cast<int32_t>(DIRECTION_CALLBACKS[iDirection])));
        SetIntVar(VARINT_TAVRINE_BRIDGE_DIRECTION, iDirection);
        BuildBridgeStep();
        _EndMatch();
    }
}

void SceneScript_bg502::HotspotEvents()
{
    // Both halves of the pit answer alike.
    LookAndActivate(Object("the_pit_1"), HEROINE, WP_PIT_1, 0x0c28aaeb, 0x9b57e014);
    LookAndActivate(Object("the_pit_2"), HEROINE, WP_PIT_2, 0x0c28aaeb, 0x9b57e014);
    LookAndActivate(Object("carved_stones"), HEROINE, WP_CARVED_STONES, 0x5c1a2811, 0x037a6474);
    LookAndActivate(Object("ethnic_statues_symbol"), HEROINE, WP_STATUE_SYMBOL, 0x5a9ce526, 0xb6c169d8);
    LookAndActivate(Object("rift"), HEROINE, WP_RIFT, 0xe2faccac, 0xc902f7ba);
    LookAndActivate(Object("village"), HEROINE, WP_VILLAGE, 0xf680365c, 0x61ff7ca3);
}

void SceneScript_bg502::BridgeEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("the_bridge")));
    _IfMatch(Both(IsTrue(VARBOOL_BG502_C09_ACROSS_BRIDGE), IsFalse(VARBOOL_BG502_C09_INT_MECHANISM)));
    Approach(WP_FAR_BRIDGE_HEAD);
    _ElseMatch();
    Approach(WP_NEAR_BRIDGE_HEAD);
    _EndMatch();
    Dialog(LOOK_BRIDGE);
    _EndMatch();

    // One handler: the crossing sets the flag that the far side's answer
    // tests, so the answer must be the other branch, not a test after it.
    _IfMatch(MatchExpr::MakeEvent0(Object("the_bridge")));
    _IfBool(VARBOOL_BG502_C09_ACROSS_BRIDGE, 0);
    _IfBool(VARBOOL_BG502_C09_INT_MECHANISM, 0);
    TheCrossing();
    _EndMatch();
    _ElseMatch();
    _IfBool(VARBOOL_BG502_C09_INT_MECHANISM, 0);
    Approach(WP_FAR_BRIDGE_HEAD);
    Dialog(NOT_BEFORE_THE_LEVER);
    _EndMatch();
    _EndMatch();
    _EndMatch();
}

// She steps onto the first stone and the direction dialog leads her over,
// one callback a step, until she is across or has fallen.
void SceneScript_bg502::TheCrossing()
{
    SetIntVar(VARINT_TAVRINE_BRIDGE_POS, PATH[0]);
    SetIntVar(VARINT_TAVRINE_BRIDGE_DIRECTION, 0);
    Approach(WP_NEAR_BRIDGE_HEAD);
    PushAction21(HEROINE, BLOCKER_NEAR_SIDE, 0);
    Approach(WP_FIRST_STONE);
    EffectSound(STONE_REVEALED);
    ShowObject(Paving(0), true);
    Dialog(DIRECTION_DIALOG);
    Approach(WP_FAR_LEDGE);
    SetBoolVar(VARBOOL_QUEST_C9_RUINS_DONE, true);
    PushAction21(HEROINE, BLOCKER_FAR_SIDE, 1);
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
}

// One rung per stone, so that a position set by this step is not stepped
// from again before the next answer.
void SceneScript_bg502::BuildBridgeStep()
{
    bool bFirst = true;
    for (const Stone& stone : BRIDGE) {
        if (!bFirst)
            _ElseMatch();
        bFirst = false;
        _IfInt(VARINT_TAVRINE_BRIDGE_POS, Op_IntEqual, stone.iPosition);
        for (int32_t iDirection = 0; iDirection < 3; ++iDirection) {
            const Step& step = stone.steps[iDirection];
            if (step.move == Move::None)
                continue;
            _IfInt(VARINT_TAVRINE_BRIDGE_DIRECTION, Op_IntEqual, iDirection);
            TakeStep(step);
            _EndMatch();
        }
    }
    for (size_t i = 0; i < std::size(BRIDGE); ++i)
        _EndMatch();
}

void SceneScript_bg502::TakeStep(const Step& step)
{
    switch (step.move) {
    case Move::Forward:
        SetIntVar(VARINT_TAVRINE_BRIDGE_POS, step.iPosition);
        Approach(step.iWaypoint);
        EffectSound(STONE_REVEALED);
        ShowObject(Paving(StoneIndexOf(step.iPosition)), true);
        if (step.iPosition == PATH[STONES - 1])
            ReachTheFarSide();
        break;
    case Move::Back:
        SetIntVar(VARINT_TAVRINE_BRIDGE_POS, step.iPosition);
        Approach(step.iWaypoint);
        break;
    case Move::Fall:
        // The fade-out starts at once; she steps into the pit while it darkens.
        GoToScene(RUINS);
        Approach(step.iWaypoint);
        if (step.iPosition != 0)
            SetIntVar(VARINT_TAVRINE_BRIDGE_POS, step.iPosition);
        break;
    case Move::None: break;
    }
}

void SceneScript_bg502::ReachTheFarSide()
{
    SetBoolVar(VARBOOL_BG502_C09_ACROSS_BRIDGE, true);
    Approach(WP_FAR_LEDGE);
    SetInteractive(Object("goto_bg504"), true);
    SetInteractive(Object("mechanism"), true);
    CloseTheNearSide();
}

void SceneScript_bg502::MechanismEvents()
{
    _IfEvent(ScriptEvent_Object1(Object("mechanism")));
    _IfBool(VARBOOL_BG502_C09_ACROSS_BRIDGE, 1);
    Approach(WP_MECHANISM);
    _ElseMatch();
    Approach(WP_NEAR_BRIDGE_HEAD);
    _EndMatch();
    Dialog(LOOK_MECHANISM);
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(Object("mechanism")));
    _IfBool(VARBOOL_BG502_C09_ACROSS_BRIDGE, 1);
    Approach(WP_MECHANISM);
    _ElseMatch();
    Approach(WP_NEAR_BRIDGE_HEAD);
    _EndMatch();
    _IfBool(VARBOOL_BG502_C09_ACROSS_BRIDGE, 1);
    PullTheLever();
    _ElseMatch();
    Dialog(LEVER_DIALOG);
    _EndMatch();
    _EndMatch();
}

// The lever gives; the guard's blow, her fall and its sound start together,
// and she is carried off without her weapons and matches.
void SceneScript_bg502::PullTheLever()
{
    Play(HEROINE, "deathbridgelever01");
    EffectSound(LEVER_SOUND);
    PushHashAction23(Object("o_lever"), LEVER_PULLED);
    Play(HEROINE, "deathbridgelever02");
    Dialog(LEVER_DIALOG);

    Together();
    PushPlayAnimation(GUARD, AnimationOf<"villager1">("tavrknockout01").m_iId, 0, 1);
    Play(HEROINE, "tavrknockout01");
    Sound(GUARD, GUARD_BLOW, 4554);
    Apart();

    Play(HEROINE, "tavrknockout02_l");
    Play(GUARD, "guardidle_l");
    Place(GUARD, WP_GUARD_OVER_HER);
    Take(HEROINE, ItemNamed("ITEM_LOADED_PISTOL"));
    Take(HEROINE, ItemNamed("ITEM_MAGNIFICENT_SWORD"));
    Take(HEROINE, ItemNamed("ITEM_MATCH_BOX"));
    SetBoolVar(VARBOOL_BG502_C09_INT_MECHANISM, true);
    GoToScene(ALTAR_HOUSE_INTERIOR);
}

} // namespace

// Scene 44, bg502_TU_Ruins1.
REGISTER_SCENE_SCRIPT(bg502, 44);
