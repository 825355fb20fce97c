// The map cylinder in the graveyard, close up (scene 53,
// bg804_CU_03_MapCylinder). Two rings of six signs, an inner and an outer
// one, each at a position 1 to 6 that wraps around; a pair of pincers turns
// them. The scene has no hotspot: its one dialog offers the turns, each a
// callback below, and every turn tests for the solution, both rings at 6,
// which opens the cylinder for the graveyard's script. Each visit starts with
// the inner ring at 1 and the outer at 4; the end of the dialog goes back to
// the graveyard.
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptEvents.h"

#include <array>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg804_53>;

constexpr int32_t GRAVEYARD = 24; // bg203_CR_GraveyardOfTheAncients

constexpr int32_t RING_SEGMENTS = 6;
using Segments = std::array<Object, RING_SEGMENTS>;
// A ring's six sprite animations, one per segment.
using RingAnimations = std::array<uint32_t, RING_SEGMENTS>;

constexpr Segments INNER_SEGMENTS = {"1_int", "2_int", "3_int", "4_int", "5_int", "6_int"};
constexpr Segments OUTER_SEGMENTS = {"1_ext", "2_ext", "3_ext", "4_ext", "5_ext", "6_ext"};
constexpr Segments INNER_BLUR = {"inter_01_blured", "inter_02_blured", "inter_03_blured",
                                 "inter_04_blured", "inter_05_blured", "inter_06_blured"};
constexpr Segments OUTER_BLUR = {"motion_blur_01", "motion_blur_02", "motion_blur_03",
                                 "motion_blur_04", "motion_blur_05", "motion_blur_06"};
constexpr Object PINCERS = "pince";

// The segments' faces, one row per ring position 1 to 6.
constexpr RingAnimations INNER_FACES[RING_SEGMENTS] = {
    {0xfaa8efd3, 0xed2eb98a, 0x56838982, 0xc2221538, 0x798f2530, 0x6e097369},
    {0x63a1be69, 0x9a29891c, 0xc8e71c21, 0xb52525ae, 0xe086748a, 0xf06de6ca},
    {0x14a68eff, 0x044d1cbf, 0xbfe02cb7, 0x2c2c7414, 0x7ee2e129, 0x6964b770},
    {0x8ac21b5c, 0x734a2c29, 0x26e97d0d, 0xb248e1b7, 0xe7ebb093, 0x1e6387e6},
    {0xfdc52bca, 0xea437d93, 0xb88de8ae, 0x2b41b00d, 0x90ec8005, 0x80071245},
    {0x64cc7a70, 0x7427e830, 0x2184b914, 0x5c46809b, 0x0e8815a6, 0xf70022d3},
};
constexpr RingAnimations OUTER_FACES[RING_SEGMENTS] = {
    {0x62ca4d8a, 0x754c1bd3, 0xcee12bdb, 0x5a40b761, 0xe1ed8769, 0xf66bd130},
    {0xfbc31c30, 0x024b2b45, 0x5085be78, 0x2d4787f7, 0x78e4d6d3, 0x680f4493},
    {0x8cc42ca6, 0x9c2fbee6, 0x27828eee, 0xb44ed64d, 0xe6804370, 0xf1061529},
    {0x12a0b905, 0xeb288e70, 0xbe8bdf54, 0x2a2a43ee, 0x7f8912ca, 0x860125bf},
    {0x65a78993, 0x7221dfca, 0x20ef4af7, 0xb3231254, 0x088e225c, 0x1865b01c},
    {0xfcaed829, 0xec454a69, 0xb9e61b4d, 0xc42422c2, 0x96eab7ff, 0x6f62808a},
};
// The inner segments spinning.
constexpr RingAnimations INNER_TURNS = {0x57f78cec, 0xd9788b0f, 0x15d28b91, 0x1f178288, 0xd3bd8216, 0x5d3285f5};

// The pincers: gripping the outer ring (pose B) or the inner one (pose A),
// and turning either ring up or down.
constexpr uint32_t PINCERS_ON_OUTER = 0x51fd16d3;
constexpr uint32_t PINCERS_ON_INNER = 0xaaf45206;
constexpr uint32_t PINCERS_INNER_UP = 0xddf36290;
constexpr uint32_t PINCERS_INNER_DOWN = 0x44fa332a;
constexpr uint32_t PINCERS_OUTER_UP = 0xbff377ff;
constexpr uint32_t PINCERS_OUTER_DOWN = 0xc8f44769;

constexpr int32_t INNER_START = 1;
constexpr int32_t OUTER_START = 4;
constexpr int32_t OPEN_POSITION = 6;
// The pause that shows a ring turning.
constexpr int32_t TURN_PAUSE_MS = 250;

constexpr uint32_t RINGS_DIALOG = 0xbc1627f9;

// The dialog's callbacks.
constexpr uint32_t GRIP_INNER = 0xd2e8f56a;
constexpr uint32_t INNER_UP = 0x6712d53b;
constexpr uint32_t INNER_DOWN = 0x7ddb20a0;
constexpr uint32_t GRIP_OUTER = 0xef8734ba;
constexpr uint32_t OUTER_UP = 0x0975e7a2;
constexpr uint32_t OUTER_DOWN = 0xf4666c72;

class SceneScript_bg804 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildEvents() override;

private:
    void BuildTurnInnerRing();
    void BuildShowInnerRing();
    void BuildTurnOuterRing();
    void BuildShowOuterRing();
    void BuildCheckOpen();

    // The pincers take the pose or play the turn, and the walk waits.
    void Pincers(uint32_t uAnimation) { PushHashAction23(PINCERS, uAnimation); }
    // Each segment takes its animation, one after the other.
    void Animate(const Segments& segments, const RingAnimations& animations);
    void Show(const Segments& segments, bool bVisible);
    // A turn past either end of the ring comes round to the other.
    void WrapRing(int32_t iVarId);
    // The faces of the ring's position, whichever it is.
    void ShowFacesOf(int32_t iVarId, const Segments& segments, const RingAnimations (&faces)[RING_SEGMENTS]);
    // The handler of a turn callback: the ring moves one position, the
    // pincers play the turn, the ring shows it and the solution is tested.
    void TurnHandler(uint32_t uCallback, int32_t iVarId, int32_t iActionType, uint32_t uPincers, bool bInner);
};

void SceneScript_bg804::Animate(const Segments& segments, const RingAnimations& animations)
{
    for (int32_t i = 0; i < RING_SEGMENTS; ++i)
        PushHashAction23(segments[i], animations[i]);
}

void SceneScript_bg804::Show(const Segments& segments, bool bVisible)
{
    for (Object segment : segments)
        ShowObject(segment, bVisible);
}

void SceneScript_bg804::BuildEnterActions()
{
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    Animate(INNER_SEGMENTS, INNER_FACES[INNER_START - 1]);
    Show(INNER_BLUR, false);
    Animate(OUTER_SEGMENTS, OUTER_FACES[OUTER_START - 1]);
    Show(OUTER_BLUR, false);
    SetIntVar(VARINT_IN_CIRCLE, INNER_START);
    SetIntVar(VARINT_OUT_CIRCLE, OUTER_START);
    Pincers(PINCERS_ON_OUTER);
    // The walk holds on the dialog: its callbacks turn the rings.
    Dialog(RINGS_DIALOG);
    GoToScene(GRAVEYARD);
}

void SceneScript_bg804::WrapRing(int32_t iVarId)
{
    _IfInt(iVarId, Op_IntEqual, 0);
    SetIntVar(iVarId, RING_SEGMENTS);
    _EndMatch();
    _IfInt(iVarId, Op_IntEqual, RING_SEGMENTS + 1);
    SetIntVar(iVarId, 1);
    _EndMatch();
}

void SceneScript_bg804::ShowFacesOf(int32_t iVarId, const Segments& segments,
                                    const RingAnimations (&faces)[RING_SEGMENTS])
{
    for (int32_t iPosition = 1; iPosition <= RING_SEGMENTS; ++iPosition) {
        _IfInt(iVarId, Op_IntEqual, iPosition);
        Animate(segments, faces[iPosition - 1]);
        _EndMatch();
    }
}

void SceneScript_bg804::BuildShowInnerRing()
{
    WrapRing(VARINT_IN_CIRCLE);
    // The blurred ring stays a moment before the new faces come.
    Wait(INNER_SEGMENTS[0], TURN_PAUSE_MS);
    ShowFacesOf(VARINT_IN_CIRCLE, INNER_SEGMENTS, INNER_FACES);
}

void SceneScript_bg804::BuildTurnInnerRing()
{
    Animate(INNER_SEGMENTS, INNER_TURNS);
    Show(INNER_BLUR, true);
    BuildShowInnerRing();
    WaitForAll();
    Pincers(PINCERS_ON_INNER);
    Show(INNER_BLUR, false);
}

void SceneScript_bg804::BuildShowOuterRing()
{
    WrapRing(VARINT_OUT_CIRCLE);
    ShowFacesOf(VARINT_OUT_CIRCLE, OUTER_SEGMENTS, OUTER_FACES);
}

void SceneScript_bg804::BuildTurnOuterRing()
{
    // The outer ring takes its new faces hidden behind its blur.
    Show(OUTER_SEGMENTS, false);
    Show(OUTER_BLUR, true);
    BuildShowOuterRing();
    Wait(OUTER_SEGMENTS[0], TURN_PAUSE_MS);
    WaitForAll();
    Pincers(PINCERS_ON_OUTER);
    Show(OUTER_BLUR, false);
    Show(OUTER_SEGMENTS, true);
}

void SceneScript_bg804::BuildCheckOpen()
{
    _IfMatch(MatchExpression(Op_And, MatchExpr::Int(VARINT_IN_CIRCLE, Op_IntEqual, OPEN_POSITION),
                             MatchExpr::Int(VARINT_OUT_CIRCLE, Op_IntEqual, OPEN_POSITION)));
    SetBoolVar(VARBOOL_BG203_C03_MAP_CYLINDER_IS_OPEN, true);
    _EndMatch();
}

void SceneScript_bg804::TurnHandler(uint32_t uCallback, int32_t iVarId, int32_t iActionType, uint32_t uPincers,
                                    bool bInner)
{
    _IfEvent(OnCallback(uCallback));
    AddToQueue(ID_SCRIPTABLE_INVALID, iActionType, Param::Int(iVarId), Param::Int(1));
    Pincers(uPincers);
    if (bInner)
        BuildTurnInnerRing();
    else
        BuildTurnOuterRing();
    BuildCheckOpen();
    _EndMatch();
}

void SceneScript_bg804::BuildEvents()
{
    // Dialog callback 0xd2e8f56a: the pincers grip the inner ring.
    _IfEvent(OnCallback(GRIP_INNER));
    Pincers(PINCERS_ON_INNER);
    _EndMatch();

    // Dialog callbacks 0x6712d53b and 0x7ddb20a0: the inner ring up or down.
    TurnHandler(INNER_UP, VARINT_IN_CIRCLE, ID_ACTION_TYPE_ADD_TO_VARIABLE, PINCERS_INNER_UP, true);
    TurnHandler(INNER_DOWN, VARINT_IN_CIRCLE, ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE, PINCERS_INNER_DOWN, true);

    // Dialog callback 0xef8734ba: the pincers grip the outer ring.
    _IfEvent(OnCallback(GRIP_OUTER));
    Pincers(PINCERS_ON_OUTER);
    _EndMatch();

    // Dialog callbacks 0x0975e7a2 and 0xf4666c72: the outer ring up or down.
    TurnHandler(OUTER_UP, VARINT_OUT_CIRCLE, ID_ACTION_TYPE_ADD_TO_VARIABLE, PINCERS_OUTER_UP, false);
    TurnHandler(OUTER_DOWN, VARINT_OUT_CIRCLE, ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE, PINCERS_OUTER_DOWN, false);
}

} // namespace

// Scene 53, bg804_CU_03_MapCylinder.
REGISTER_SCENE_SCRIPT(bg804, 53);
