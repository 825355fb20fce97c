// The secret trap in the shaman's hut, close up (scene 51,
// bg801_CU_01_ShamansHut): four carved columns, each showing one of five
// faces that wrap around. A click on a column turns it, and columns 2 to 4
// each turn column 1 or 4 along with them. All four at face 5 open the trap
// for the hut's script; the columns answer no more. Each visit starts from
// the faces 5, 1, 2, 3; the exit leads back to the hut.
#include "Common/SceneObjectNames.h"
#include "Common/VarIds.h"
#include "ScriptEngine/common/SceneScript.h"
#include "ScriptEngine/common/ScriptIds.h"
#include "Scripts/Common/SceneScripts.h"
#include "Scripts/Common/ScriptConditions.h"

#include <array>

namespace {

using Object = NamedObject<SceneTableRows::s_aObjects_bg801_51>;

constexpr int32_t SHAMANS_HUT = 50; // bg511_TU_ShamansHut

constexpr int32_t FACES = 5;
constexpr int32_t OPEN_FACE = 5;
// A column turns for this long before it shows its new face.
constexpr int32_t TURN_MS = 400;
// The second column of a click starts turning this much later.
constexpr int32_t SECOND_COLUMN_DELAY_MS = 100;
// The opened trap shows this long after the last turn began.
constexpr int32_t OPEN_DELAY_MS = 600;

// A column: its picture, its hotspot, its face, the sprite animation of
// each face and of each way it turns (0: no click turns it that way).
struct Column {
    Object picture;
    Object hotspot;
    int32_t iFace;
    std::array<uint32_t, FACES> faces;
    uint32_t uTurnDown;
    uint32_t uTurnUp;
    int32_t iStartFace;
};

constexpr Column COLUMNS[] = {
    {"o_column1",
     "column1",
     VARINT_COLUMN1,
     {0x05120e24, 0xde5536c6, 0x9478850d, 0x8db0b918, 0x69a25954},
     0x032ff0ec,
     0x5921f2b7,
     5},
    {"o_column2",
     "column2",
     VARINT_COLUMN2,
     {0x9c1b5f9e, 0x475c677c, 0x0d71d4b7, 0x14b9e8a2, 0xf0ab08ee},
     0,
     0xc028a30d,
     1},
    {"o_column3",
     "column3",
     VARINT_COLUMN3,
     {0xeb1c6f08, 0x305b57ea, 0x7a76e421, 0x63bed834, 0x87ac3878},
     0xed2191c0,
     0,
     2},
    {"o_column4",
     "column4",
     VARINT_COLUMN4,
     {0x7578faab, 0xae3fc249, 0xe4127182, 0xfdda4d97, 0x19c8addb},
     0x73450463,
     0x294b0638,
     3},
};
constexpr const Column& COLUMN1 = COLUMNS[0];
constexpr const Column& COLUMN2 = COLUMNS[1];
constexpr const Column& COLUMN3 = COLUMNS[2];
constexpr const Column& COLUMN4 = COLUMNS[3];

class SceneScript_bg801 final : public SceneScript {
protected:
    void BuildEnterActions() override;
    void BuildExitEvents() override;
    void BuildEvents() override;

private:
    // Each wraps its column's face into 1..5 and shows it.
    void BuildRefreshColumn1() { BuildRefresh(COLUMN1); }
    void BuildRefreshColumn2() { BuildRefresh(COLUMN2); }
    void BuildRefreshColumn3() { BuildRefresh(COLUMN3); }
    void BuildRefreshColumn4() { BuildRefresh(COLUMN4); }
    void BuildRefresh(const Column& column);
    void Turn(const Column& column, int32_t iActionType);
    void SetColumnsActive(bool bActive);
};

void SceneScript_bg801::SetColumnsActive(bool bActive)
{
    for (const Column& column : COLUMNS)
        SetInteractive(column.hotspot, bActive);
}

void SceneScript_bg801::BuildEnterActions()
{
    SetBoolVar(VARBOOL_ACTIVE_MAP, false);
    for (const Column& column : COLUMNS)
        PushHashAction23(column.picture, column.faces[column.iStartFace - 1]);
    ShowObject(Object("o_win"), false);
    for (const Column& column : COLUMNS)
        SetIntVar(column.iFace, column.iStartFace);
    _IfBool(VARBOOL_BG511_C10_SECRET_TRAP_OPEN, 1);
    ShowObject(Object("o_win"), true);
    SetColumnsActive(false);
    _EndMatch();
}

void SceneScript_bg801::BuildExitEvents()
{
    // Back to the hut, also when the close-up was opened from the mini-game
    // menu, as the other close-ups there go back to their scenes.
    _IfMatch(MatchExpr::MakeEvent0(Object("exit")));
    GoToScene(SHAMANS_HUT);
    _EndMatch();
}

void SceneScript_bg801::BuildRefresh(const Column& column)
{
    _IfInt(column.iFace, Op_IntEqual, 0);
    SetIntVar(column.iFace, FACES);
    _EndMatch();
    _IfInt(column.iFace, Op_IntEqual, FACES + 1);
    SetIntVar(column.iFace, 1);
    _EndMatch();
    for (int32_t iFace = 1; iFace <= FACES; ++iFace) {
        _IfInt(column.iFace, Op_IntEqual, iFace);
        PushHashAction23(column.picture, column.faces[iFace - 1]);
        _EndMatch();
    }
}

void SceneScript_bg801::Turn(const Column& column, int32_t iActionType)
{
    AddToQueue(ID_SCRIPTABLE_INVALID, iActionType, Param::Int(column.iFace), Param::Int(1));
}

void SceneScript_bg801::BuildEvents()
{
    // Column 1 turns down, and the walk waits for it.
    _IfMatch(MatchExpr::MakeEvent0(COLUMN1.hotspot));
    Turn(COLUMN1, ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE);
    PushHashAction23(COLUMN1.picture, COLUMN1.uTurnDown);
    Wait(COLUMN1.picture, TURN_MS);
    BuildRefreshColumn1();
    _EndMatch();

    // Columns 2 to 4 turn together with column 1 or 4, the second a moment
    // later, and the game is not held for them.
    _IfMatch(MatchExpr::MakeEvent0(COLUMN2.hotspot));
    Turn(COLUMN2, ID_ACTION_TYPE_ADD_TO_VARIABLE);
    Turn(COLUMN1, ID_ACTION_TYPE_ADD_TO_VARIABLE);
    Together();
    PushHashAction23(COLUMN2.picture, COLUMN2.uTurnUp);
    Wait(COLUMN1.picture, SECOND_COLUMN_DELAY_MS);
    PushHashAction23(COLUMN1.picture, COLUMN1.uTurnUp);
    Wait(COLUMN2.picture, TURN_MS);
    BuildRefreshColumn2();
    Wait(COLUMN1.picture, TURN_MS);
    BuildRefreshColumn1();
    Apart();
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(COLUMN3.hotspot));
    Turn(COLUMN3, ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE);
    Turn(COLUMN4, ID_ACTION_TYPE_SUBTRACT_FROM_VARIABLE);
    Together();
    PushHashAction23(COLUMN3.picture, COLUMN3.uTurnDown);
    Wait(COLUMN4.picture, SECOND_COLUMN_DELAY_MS);
    PushHashAction23(COLUMN4.picture, COLUMN4.uTurnDown);
    Wait(COLUMN3.picture, TURN_MS);
    BuildRefreshColumn3();
    Wait(COLUMN4.picture, TURN_MS);
    BuildRefreshColumn4();
    Apart();
    _EndMatch();

    _IfMatch(MatchExpr::MakeEvent0(COLUMN4.hotspot));
    Turn(COLUMN4, ID_ACTION_TYPE_ADD_TO_VARIABLE);
    Turn(COLUMN1, ID_ACTION_TYPE_ADD_TO_VARIABLE);
    Together();
    PushHashAction23(COLUMN4.picture, COLUMN4.uTurnUp);
    // Column 3 is held as long as column 1, so that a click on it meanwhile
    // turns it a moment later too.
    Wait(COLUMN3.picture, SECOND_COLUMN_DELAY_MS);
    Wait(COLUMN1.picture, SECOND_COLUMN_DELAY_MS);
    PushHashAction23(COLUMN1.picture, COLUMN1.uTurnUp);
    Wait(COLUMN4.picture, TURN_MS);
    BuildRefreshColumn4();
    Wait(COLUMN1.picture, TURN_MS);
    BuildRefreshColumn1();
    Apart();
    _EndMatch();

    // No event: tested at the end of every walk, so the click that brings
    // the last column to its open face opens the trap.
    const auto atOpenFace = [](const Column& column) { return MatchExpr::Int(column.iFace, Op_IntEqual, OPEN_FACE); };
    _IfMatch(Both(Both(Both(atOpenFace(COLUMN1), atOpenFace(COLUMN2)), atOpenFace(COLUMN3)), atOpenFace(COLUMN4)));
    Wait(Object("o_win"), OPEN_DELAY_MS);
    ShowObject(Object("o_win"), true);
    SetBoolVar(VARBOOL_BG511_C10_SECRET_TRAP_OPEN, true);
    SetColumnsActive(false);
    _EndMatch();
}

} // namespace

// Scene 51, bg801_CU_01_ShamansHut.
REGISTER_SCENE_SCRIPT(bg801, 51);
